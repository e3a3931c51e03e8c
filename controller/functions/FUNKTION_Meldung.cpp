#include "FUNKTION_Meldung.h"

#include <new>

#include "FKT_ParamMacros.h"
#include "FKT_Registry.h"
#include "SYS_Clock.h"

namespace {

const char16_t* const _apKind[] = {u"Message", u"Warning", u"Fault", u"Alarm"};
const FKT_ChoiceList _KindList = {_apKind, 4, 0, 0, {}};

using MP = FUNKTION_Meldung::PARAMS;
const FKT_ParamDesc _aPar[] = {
    FKT_PAR(FKT_ST_U32 | FKT_PF_READONLY | FKT_PF_NOSTORE, MP, Time, 0, INT32_MAX, 0, 0, 0, nullptr),
    FKT_PAR(FKT_ST_U8 | FKT_PF_CHOICE, MP, Kind, 0, 3, 0, 0, 1, &_KindList),
    FKT_PAR(FKT_ST_U8 | FKT_PF_CHOICE, MP, Popup, 0, 1, 1, 0, 1, &FKT_NoYesList),
    FKT_PAR(FKT_ST_U8, MP, Priority, 1, 10, 5, 0, 1, nullptr),
};
const char16_t* const _apName[] = {u"Time", u"Kind", u"Pop-up", u"Priority"};
const char16_t* const _apCommand[] = {u"Acknowledge", u"Reset", u"Hide"};

}  // namespace

FUNKTION_Meldung::FUNKTION_Meldung(int Slot) : FUNKTION_BASIS_PAR(FKT_TYPE_MESSAGE, Slot) {
  _Trigger.Unit = 0;
}

const FKT_ParamDesc* FUNKTION_Meldung::GetParamTable(int* pCount) const {
  *pCount = FKT_COUNT_OF(_aPar);
  return _aPar;
}

const char16_t* FUNKTION_Meldung::GetParameterName(int n) const {
  return (n >= 0 && n < FKT_COUNT_OF(_apName)) ? _apName[n] : nullptr;
}

const char16_t* FUNKTION_Meldung::GetStatusText(int k) const {
  return (k >= 0 && k < FKT_COUNT_OF(_apCommand)) ? _apCommand[k] : nullptr;
}

void FUNKTION_Meldung::_UpdateCommandBits() {
  uint32_t active = GetPoolWord(MSG_POOL_ACTIVE), pending = GetPoolWord(MSG_POOL_PENDING);
  SetPoolWord(MSG_POOL_COMMANDS, (pending ? 1u : 0u) | (active ? 2u : 0u) | (pending ? 4u : 0u));
}

// A rising trigger raises the message; it stays active until reset, so a short pulse is never missed.
void FUNKTION_Meldung::ControlStep() {
  int32_t trig = _Trigger.Value != 0;
  if (trig && !_LastTrigger && !GetPoolWord(MSG_POOL_ACTIVE)) {
    SetPoolWord(MSG_POOL_ACTIVE, 1);
    SetPoolWord(MSG_POOL_PENDING, _Par.Popup ? 1 : 0);
    _Par.Time = (uint32_t)SYS_ClockSeconds;
  }
  _LastTrigger = trig;
  if (GetPoolWord(MSG_POOL_ACK_REQUEST)) {
    SetPoolWord(MSG_POOL_ACK_REQUEST, 0);
    SetPoolWord(MSG_POOL_PENDING, 0);
  }
  _UpdateCommandBits();
}

int FUNKTION_Meldung::IsCommandEnabled(int k) const {
  return (k >= 0 && k < 3) ? (int)((GetPoolWord(MSG_POOL_COMMANDS) >> k) & 1) : 0;
}

int FUNKTION_Meldung::SetCommand(int k, int32_t Value, int Flags) {
  if (k < 0 || k > 2 || Value != 1 || !GetPoolBlock()) return 0;
  switch (k) {
    case MSG_CMD_ACKNOWLEDGE:
    case MSG_CMD_HIDE:
      SetPoolWord(MSG_POOL_PENDING, 0);
      break;
    case MSG_CMD_RESET:
      SetPoolWord(MSG_POOL_ACTIVE, 0);
      SetPoolWord(MSG_POOL_PENDING, 0);
      break;
  }
  _UpdateCommandBits();
  return 1;
}

int FUNKTION_Meldung::GetPageDescription(int Page, OBJ_MENU* pMenu) { return 0; }

static FUNKTION_BASIS_PAR* _NewMeldung(void* pMem, int Slot) { return new (pMem) FUNKTION_Meldung(Slot); }

void FKT_InstallFunctionModules() {
  static_assert(sizeof(FUNKTION_Meldung) <= FKT_SLOT_SIZE);
  FKT_RegisterClass(FKT_TYPE_MESSAGE, sizeof(FUNKTION_Meldung), _NewMeldung);
}
