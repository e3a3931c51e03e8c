// Menu pages of the settings objects. The general settings have three tab pages: 1 general, 3 date and time,
// 5 access levels.
#include "OBJ_Pages.h"
#include "SET_Objects.h"

namespace {

enum { _TAB_GENERAL = 1, _TAB_CLOCK = 3, _TAB_ACCESS = 5 };
const uint16_t _TabWord = (uint16_t)((1 << _TAB_GENERAL | 1 << _TAB_CLOCK | 1 << _TAB_ACCESS) << 4);

uint16_t _V(int Code) { return OBJ_ValueIndex(OBJ_VIEW_VALUE, OBJ_FAM_GENERAL, Code); }
uint16_t _TA(int Code) { return OBJ_ValueIndex(OBJ_VIEW_TEXT_ABS, OBJ_FAM_GENERAL, Code); }

// Structured rows (kind 13): a heading, label/value rows, a selection row, a block for technicians and links.
void _GeneralPage(OBJ_MENU* m) {
  m->Begin(13, _TabWord | _TAB_GENERAL);
  m->Rec(0x01, 0, _TA(OBJ_VC_NAME));
  m->Rec(0x06, 0, _TA(SET_GEN_PAR_LANGUAGE));  // selection: language list
  m->Rec(0x04, 0, _V(SET_GEN_PAR_LANGUAGE));
  for (int n : {SET_GEN_PAR_BRIGHTNESS, SET_GEN_PAR_SCREEN_SAVER}) {
    m->Rec(0x03, 0, _V(n));
    m->Rec(0x04, 0, _TA(n));
  }
  // Shown from the technician level on (condition: access level >= 1).
  m->Rec(0x39, 1, 0);
  m->Rec(0x03, 0, _V(SET_GEN_PAR_SUMMER_TIME));
  m->Rec(0x14, 0, _TA(SET_GEN_PAR_SUMMER_TIME));
  m->Rec(0x03, 0, _V(SET_GEN_PAR_NETWORK_LEVEL));
  m->Rec(0x24, 0, _TA(SET_GEN_PAR_NETWORK_LEVEL));
  m->Rec(0x0A, 0, 0);
  m->Rec(0x03, 0, OBJ_ValueIndex(OBJ_VIEW_VALUE, OBJ_FAM_SYSTEM, OBJ_SYS_NODE));
  m->Rec(0x04, 0, OBJ_ValueIndex(OBJ_VIEW_TEXT_ABS, OBJ_FAM_SYSTEM, OBJ_SYS_NODE));
  m->Rec(0x18, 0, OBJ_MenuIndex(OBJ_FAM_CAN, 0));
  m->Rec(0x18, 0, OBJ_MenuIndex(OBJ_FAM_GENERAL, _TAB_ACCESS));
}

void _ClockPage(OBJ_MENU* m) {
  m->Begin(13, _TabWord | _TAB_CLOCK);
  m->Rec(0x11, 0, OBJ_ValueIndex(OBJ_VIEW_TEXT_ABS, OBJ_FAM_SYSTEM, OBJ_SYS_DATE));
  for (int code : {OBJ_SYS_DATE, OBJ_SYS_TIME}) {
    m->Rec(0x03, 0, OBJ_ValueIndex(OBJ_VIEW_ENTRY_ABS, OBJ_FAM_SYSTEM, code));
    m->Rec(0x04, 0, OBJ_ValueIndex(OBJ_VIEW_TEXT_ABS, OBJ_FAM_SYSTEM, code));
  }
  m->Rec(0x02, 0, OBJ_ValueIndex(OBJ_VIEW_ENTRY_ABS, OBJ_FAM_SYSTEM, OBJ_SYS_SAVE));
}

// Access levels: one box per level (open or checked by the code object), code changes, the network level.
void _AccessPage(OBJ_MENU* m) {
  m->Begin(7);
  m->Rec('Q', 0, 0);
  for (int level = 0; level <= 2; level++) {
    m->Rec(0x20, (uint8_t)level, OBJ_ValueIndex(OBJ_VIEW_TEXT_ABS, OBJ_FAM_SYSTEM, OBJ_SYS_LEVEL + level));
    if (level == 0 || SET_General.IsLevelOpen(level))
      m->Rec(0x28, (uint8_t)level, 0);
    else
      m->Rec(0x29, (uint8_t)level, OBJ_IDX_CODE_CHECK);
  }
  m->Rec(1, 0, 0);
  m->Rec('S', 1, OBJ_IDX_CODE_CHANGE);
  m->Rec(1, 0, 0);
  m->Rec('T', 2, OBJ_IDX_CODE_CHANGE);
  m->Rec(1, 0, 0);
  OBJ_PageParamLine(m, &SET_General, OBJ_FAM_GENERAL, SET_GEN_PAR_NETWORK_LEVEL);
}

}  // namespace

int FUNKTION_GlobalSettings::GetPageDescription(int Page, OBJ_MENU* m) {
  switch (Page) {
    case _TAB_GENERAL: _GeneralPage(m); break;
    case _TAB_CLOCK: _ClockPage(m); break;
    case _TAB_ACCESS: _AccessPage(m); break;
    default: return 0;
  }
  return m->End();
}

const char16_t* FUNKTION_GlobalSettings::GetPageTitle(int Page) const {
  switch (Page) {
    case _TAB_CLOCK: return TXT_GetText(TXT_GROUP_MENUS, TXT_MENUS_DATE_TIME);
    case _TAB_ACCESS: return TXT_GetText(TXT_GROUP_MENUS, TXT_MENUS_ACCESS_LEVELS);
    default: return nullptr;  // the general tab goes by the object's name
  }
}

int FUNKTION_GlobalSettingsCAN::GetPageDescription(int Page, OBJ_MENU* m) {
  static const int numbers[] = {SET_CAN_PAR_NODE, SET_CAN_PAR_BIT_RATE, SET_CAN_PAR_AUTO};
  return Page == 0 ? OBJ_PageParamList(m, this, numbers, 3) : 0;
}
