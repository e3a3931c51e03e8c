#include "FUNKTION_Meldung.h"

#include <new>

#include "FKT_ParamMacros.h"
#include "FKT_Registry.h"
#include "OBJ_Pages.h"
#include "SYS_Clock.h"
#include "TXT_Current.h"

namespace {

const FKT_ChoiceList _KindList = {nullptr, TXT_MESSAGE_KINDS_COUNT, 0, 0, 0, TXT_GROUP_MESSAGE_KINDS};

using MP = FUNKTION_Meldung::PARAMS;
const FKT_ParamDesc _aPar[] = {
    FKT_PAR(FKT_ST_U32 | FKT_PF_READONLY | FKT_PF_NOSTORE | FKT_PF_STAMP, MP, Time, 0, INT32_MAX, 0, 0, 0, nullptr),
    FKT_PAR(FKT_ST_U8 | FKT_PF_CHOICE, MP, Kind, 0, 3, 0, 0, 1, &_KindList),
    FKT_PAR(FKT_ST_U8 | FKT_PF_CHOICE, MP, Popup, 0, 1, 1, 0, 1, &FKT_NoYesList),
    FKT_PAR(FKT_ST_U8, MP, Priority, 1, 10, 5, 0, 1, nullptr),
};
const TXT_ID _aName[] = {{TXT_GROUP_GENERAL, 3},  // "Time"
                        {TXT_GROUP_PARAMS, TXT_PARAMS_KIND},
                        {TXT_GROUP_PARAMS, TXT_PARAMS_POPUP},
                        {TXT_GROUP_PARAMS, TXT_PARAMS_PRIORITY}};
const int8_t _aCommand[] = {TXT_SERVER_ACKNOWLEDGE, TXT_SERVER_RESET, TXT_SERVER_HIDE};

}  // namespace

FUNKTION_Meldung::FUNKTION_Meldung(int Slot) : FUNKTION_BASIS_PAR(FKT_TYPE_MESSAGE, Slot) {
  _Trigger.Unit = 0;
}

const FKT_ParamDesc* FUNKTION_Meldung::GetParamTable(int* pCount) const {
  *pCount = FKT_COUNT_OF(_aPar);
  return _aPar;
}

const char16_t* FUNKTION_Meldung::GetParameterName(int n) const {
  return (n >= 0 && n < FKT_COUNT_OF(_aName)) ? TXT_GetText(_aName[n]) : nullptr;
}

// The trigger is off or on: its own value takes 0 and 1.
int FUNKTION_Meldung::GetLimits(int Number, int32_t* pMin, int32_t* pMax) const {
  if (Number != FKT_PAR_INPUT + FKT_IN_OWN_VALUE) return FUNKTION_BASIS_PAR::GetLimits(Number, pMin, pMax);
  if (pMin) *pMin = 0;
  if (pMax) *pMax = 1;
  return 1;
}

const char16_t* FUNKTION_Meldung::GetStatusText(int k) const {
  return (k >= 0 && k < FKT_COUNT_OF(_aCommand)) ? TXT_GetText(TXT_GROUP_SERVER, _aCommand[k]) : nullptr;
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
    _Par.Time = (uint32_t)(SYS_ClockSeconds + 3600);  // the screens show it through OS_LocalTimeMinusHour
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

// Structured page (kind 13): heading, designation, kind, input binding, the technician's rows, one row per
// command (its name as the heading and an action line that executes it) and a link to the message list.
int FUNKTION_Meldung::GetPageDescription(int Page, OBJ_MENU* m) {
  if (Page == 1) {  // the trigger's binding
    static const int numbers[] = {FKT_PAR_INPUT + FKT_IN_SOURCE_KIND, FKT_PAR_INPUT + FKT_IN_SOURCE_INDEX,
                                  FKT_PAR_INPUT + FKT_IN_VALUE};
    return OBJ_PageParamList(m, this, numbers, 3);
  }
  if (Page != 0) return 0;
  auto V = [](int code) { return OBJ_ValueIndex(OBJ_VIEW_VALUE, OBJ_FAM_FUNCTION, code); };
  auto T = [](int code) { return OBJ_ValueIndex(OBJ_VIEW_TEXT_ABS, OBJ_FAM_FUNCTION, code); };
  uint8_t s = m->SubIndex;
  m->Begin(13);
  m->Rec(0x01, s, T(OBJ_VC_NAME));
  m->Rec(0x03, 0, V(OBJ_VC_USER_TEXT));
  m->Rec(0x04, s, T(OBJ_VC_USER_TEXT));
  m->Rec(0x06, s, T(OBJ_VC_HEADER + 2));  // designation (header field -14)
  m->Rec(0x04, 0, V(OBJ_VC_HEADER + 2));
  m->Rec(0x06, s, T(MSG_PAR_KIND));
  m->Rec(0x14, 0, V(MSG_PAR_KIND));
  m->Rec(0x03, 0, V(MSG_PAR_TIME));
  m->Rec(0x35, 0, V(MSG_PAR_TIME));  // read-only: no level reaches 3, so the row has no box and opens nothing
  m->Rec(0x06, s, T(OBJ_VC_IN_KIND));
  m->Rec(0x18, s, OBJ_MenuIndex(OBJ_FAM_FUNCTION, 1));
  m->Rec(0x39, 1, 0);  // technician and above
  for (int n : {MSG_PAR_PRIORITY, MSG_PAR_POPUP}) {
    m->Rec(0x03, 0, V(n));
    m->Rec(0x14, s, T(n));
  }
  m->Rec(0x0A, 0, 0);
  m->Rec(0x0B, 1, 3);
  m->Rec(0x01, s, T(OBJ_VC_COMMAND));  // the command's own name heads its row; no number follows it
  m->Rec(0x02, 0, V(OBJ_VC_COMMAND));
  m->Rec(0x0D, 0, 0);
  m->Rec(0x18, 4, 0x5800);
  return m->End();
}

static FUNKTION_BASIS_PAR* _NewMeldung(void* pMem, int Slot) { return new (pMem) FUNKTION_Meldung(Slot); }

void FKT_InstallFunctionModules() {
  static_assert(sizeof(FUNKTION_Meldung) <= FKT_SLOT_SIZE);
  FKT_RegisterClass(FKT_TYPE_MESSAGE, sizeof(FUNKTION_Meldung), _NewMeldung);
}
