// Menu pages of the fixed objects (inputs, outputs, fixed values, bus objects, logging channels).
#include "IO_Objects.h"
#include "OBJ_Pages.h"
#include "TXT_Current.h"

namespace {

uint16_t _V(int Family, int Code) { return OBJ_ValueIndex(OBJ_VIEW_VALUE, Family, Code); }
uint16_t _T(int Family, int Code) { return OBJ_ValueIndex(OBJ_VIEW_TEXT, Family, Code); }

}  // namespace

int FUNKTION_Eingang::GetPageDescription(int Page, OBJ_MENU* m) {
  if (Page != 0) return 0;
  static const int numbers[] = {IO_IN_PAR_TYPE,        IO_IN_PAR_SENSOR,      IO_IN_PAR_UNIT,
                                IO_IN_PAR_CORRECTION,  IO_IN_PAR_FILTER,      IO_IN_PAR_SHORT_SUBST,
                                IO_IN_PAR_SHORT_VALUE, IO_IN_PAR_BREAK_SUBST, IO_IN_PAR_BREAK_VALUE};
  m->Begin(7);
  m->Rec('1', m->SubIndex, _T(OBJ_FAM_INPUT, OBJ_VC_NAME));
  // The measured value, framed red while the sensor is faulty.
  m->Rec(9, m->SubIndex, OBJ_MenuIndex(OBJ_FAM_INPUT, 0));  // links to this page: touching does nothing
  m->Rec(0x21, 0, _V(OBJ_FAM_INPUT, OBJ_VC_OUTPUT));
  m->Rec(0x21, 0, _V(OBJ_FAM_INPUT, OBJ_VC_SPECIAL));
  m->Rec(0xA1, 0, _V(OBJ_FAM_INPUT, OBJ_VC_SPECIAL + 1));
  m->Rec(1, 0, 0);
  OBJ_PageParamLine(m, this, OBJ_FAM_INPUT, FKT_PAR_DESIGNATION);
  for (int n : numbers) OBJ_PageParamLine(m, this, OBJ_FAM_INPUT, n);
  return m->End();
}

int FUNKTION_Ausgang::GetPageDescription(int Page, OBJ_MENU* m) {
  if (Page == 1) {  // rows of the statistics expansion
    m->Begin(7);
    m->Rec(0x06, 0, _V(OBJ_FAM_OUTPUT, OBJ_VC_SPECIAL));
    m->Rec(0x16, 0, _V(OBJ_FAM_OUTPUT, OBJ_VC_SPECIAL + 1));
    return m->End();
  }
  if (Page != 0) return 0;
  m->Begin(7);
  m->Rec('1', m->SubIndex, _T(OBJ_FAM_OUTPUT, OBJ_VC_NAME));
  OBJ_PageParamLine(m, this, OBJ_FAM_OUTPUT, FKT_PAR_DESIGNATION);
  OBJ_PageParamLine(m, this, OBJ_FAM_OUTPUT, 0);
  OBJ_PageParamLine(m, this, OBJ_FAM_OUTPUT, 1);
  // State with the inversion as a switch, and the source binding.
  m->Rec(8, m->SubIndex, OBJ_MenuIndex(OBJ_FAM_OUTPUT, 0));  // links to this page: touching does nothing
  m->Rec(0x21, 0, _V(OBJ_FAM_OUTPUT, OBJ_VC_OUTPUT));
  m->Rec(0x81, 0, _V(OBJ_FAM_OUTPUT, 2));
  m->Rec(1, 0, 0);
  OBJ_PageParamLine(m, this, OBJ_FAM_OUTPUT, FKT_PAR_INPUT + FKT_IN_SOURCE_KIND);
  OBJ_PageParamLine(m, this, OBJ_FAM_OUTPUT, FKT_PAR_INPUT + FKT_IN_SOURCE_INDEX);
  // Statistics: run time with an expansion of the counters, and a push box that resets them.
  m->Rec(19, m->SubIndex, OBJ_MenuIndex(OBJ_FAM_OUTPUT, 0));
  m->Rec(0x21, 0, _V(OBJ_FAM_OUTPUT, OBJ_VC_SPECIAL));
  m->Rec(0x2C, 0, _V(OBJ_FAM_OUTPUT, OBJ_VC_COMMAND));
  m->Rec(0x2A, m->SubIndex, OBJ_MenuIndex(OBJ_FAM_OUTPUT, 1));
  m->Rec(1, 0, 0);
  return m->End();
}

const char16_t* FUNKTION_Ausgang::GetStatusText(int k) const {
  return k == 0 ? TXT_GetText(TXT_GROUP_SERVER, TXT_SERVER_RESET_COUNTERS) : nullptr;
}

int FUNKTION_Ausgang::SetCommand(int k, int32_t Value, int Flags) {
  if (k != 0 || Value != 1) return 0;
  IO_OutputChannels[_TableIndex].OnTenths = 0;
  IO_OutputChannels[_TableIndex].SwitchCount = 0;
  return 1;
}

// A digital fixed value is a switch; an analog one a value within its own limits.
int FUNKTION_Festwert::GetPageDescription(int Page, OBJ_MENU* m) {
  if (Page != 0) return 0;
  if (_Par.Type != 1) {
    static const int numbers[] = {FKT_PAR_DESIGNATION, 0, 1, 2, 3, 4};
    return OBJ_PageParamList(m, this, numbers, 6);
  }
  m->Begin(7);
  m->Rec('1', m->SubIndex, _T(OBJ_FAM_FIXED, OBJ_VC_NAME));
  OBJ_PageParamLine(m, this, OBJ_FAM_FIXED, 0);
  m->Rec(11, m->SubIndex, _T(OBJ_FAM_FIXED, 2));
  m->Rec(0x80, 0, _V(OBJ_FAM_FIXED, 2));
  m->Rec(1, 0, 0);
  return m->End();
}

int FUNKTION_BusIO::GetPageDescription(int Page, OBJ_MENU* m) {
  static const int numbers[] = {0, 1, 2, 3, 4, FKT_PAR_OUTPUT};
  return Page == 0 ? OBJ_PageParamList(m, this, numbers, 6) : 0;
}

int FUNKTION_LogKanal::GetPageDescription(int Page, OBJ_MENU* m) {
  static const int numbers[] = {0, FKT_PAR_INPUT + FKT_IN_SOURCE_KIND, FKT_PAR_INPUT + FKT_IN_SOURCE_INDEX,
                                FKT_PAR_OUTPUT};
  return Page == 0 ? OBJ_PageParamList(m, this, numbers, 4) : 0;
}
