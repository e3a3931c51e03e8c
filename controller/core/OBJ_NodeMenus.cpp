// The node's own menus (index 0x5800 and above) and the dispatch of object pages to the objects.
#include "OBJ_NodeMenus.h"

#include "FKT_Registry.h"
#include "IO_Objects.h"
#include "OBJ_Pages.h"
#include "TXT_Current.h"

namespace {

uint16_t _Value(int Family, int Code) { return OBJ_ValueIndex(OBJ_VIEW_VALUE, Family, Code); }
uint16_t _Entry(int Family, int Code) { return OBJ_ValueIndex(OBJ_VIEW_ENTRY_ABS, Family, Code); }
uint16_t _Text(int Family, int Code) { return OBJ_ValueIndex(OBJ_VIEW_TEXT, Family, Code); }
uint16_t _TextAbs(int Family, int Code) { return OBJ_ValueIndex(OBJ_VIEW_TEXT_ABS, Family, Code); }
// A value named for a label beside its entry: its text at the value address, its entry by the description rule.
uint16_t _Label(int Family, int Code) { return OBJ_LABEL_FLAG | OBJ_ValueIndex(OBJ_VIEW_TEXT, Family, Code); }

enum {
  _IDX_INPUTS = 0x5801,
  _IDX_OUTPUTS = 0x5802,
  _IDX_FIXED = 0x5803,
  _IDX_FUNCTIONS = 0x5804,
  _IDX_SERVICE = 0x5805,
  _IDX_ABOUT = 0x5806,
  _IDX_MANUAL = 0x5807,
  _IDX_FILES = 0x5808,
  _IDX_MANUAL_VALUES = 0x5809,
};

// Tile icons: the pictures the screens draw for icon numbers 1..13.
enum {
  _ICON_THERMOMETER = 1, _ICON_RADIATOR, _ICON_SUN, _ICON_PUMP, _ICON_CLOCK, _ICON_WARNING, _ICON_PADLOCK,
  _ICON_HOUSE, _ICON_GEAR, _ICON_CHART, _ICON_FILE, _ICON_INFORMATION, _ICON_NETWORK,
};

// Root: one tile per area.
void _Root(OBJ_MENU* m) {
  m->Begin(1);
  m->Rec(_ICON_THERMOMETER, 0, _IDX_INPUTS);
  m->Rec(_ICON_RADIATOR, 0, _IDX_OUTPUTS);
  m->Rec(_ICON_SUN, 0, _IDX_FIXED);
  m->Rec(0x20, 0, _Value(OBJ_FAM_SYSTEM, OBJ_SYS_MESSAGES));  // the functions tile shows the active messages
  m->Rec(_ICON_PUMP, 0, _IDX_FUNCTIONS);
  m->Rec(_ICON_GEAR, 0, OBJ_MenuIndex(OBJ_FAM_GENERAL, 1));
  m->Rec(_ICON_CLOCK, 13, 0x5800);
  m->Rec(_ICON_PADLOCK, 0, OBJ_MenuIndex(OBJ_FAM_GENERAL, 5));
  m->Rec(_ICON_HOUSE, 0, _IDX_SERVICE);
  m->Rec(_ICON_INFORMATION, 0, _IDX_ABOUT);
  m->Rec(_ICON_CHART, 0, _IDX_MANUAL);
  m->Rec(_ICON_FILE, 0, _IDX_FILES);
  m->Rec(_ICON_NETWORK, 0, OBJ_MenuIndex(OBJ_FAM_CAN, 0));
  m->Rec(_ICON_WARNING, 4, 0x5800);
}

// One line per object of a table, linking to its page, with its value in a box.
void _TableList(OBJ_MENU* m, int Family, int Count, uint8_t Face, uint8_t Box, int Code) {
  m->Begin(7);
  for (int i = 0; i < Count; i++) {
    m->Rec(Face, (uint8_t)i, OBJ_MenuIndex(Family, 0));
    m->Rec(Box, (uint8_t)i, _Entry(Family, Code));
    m->Rec(1, 0, 0);
  }
}

void _Messages(OBJ_MENU* m) {
  m->Begin(7);
  m->Rec('2', 0, _Text(OBJ_FAM_SYSTEM, OBJ_SYS_DEVICE));
  m->Rec(11, 0, _Text(OBJ_FAM_SYSTEM, OBJ_SYS_MESSAGES));
  m->Rec(0x21, 0, _Value(OBJ_FAM_SYSTEM, OBJ_SYS_MESSAGES));
  m->Rec(1, 0, 0);
  for (int i = 0; FKT_Registry[i]; i++) {
    const FUNKTION_BASIS_PAR* p = FKT_Registry[i];
    if (p->GetTypeCode() != FKT_TYPE_MESSAGE) continue;
    uint8_t slot = (uint8_t)(p->GetFunctionNumber() - 1);
    m->Rec(3, slot, OBJ_MenuIndex(OBJ_FAM_FUNCTION, 0));
    m->Rec(0xA1, slot, _Entry(OBJ_FAM_FUNCTION, OBJ_VC_OUTPUT));  // red frame while active
    m->Rec(0x21, slot, _Entry(OBJ_FAM_FUNCTION, 3));              // priority
    m->Rec(0x2B, slot, _Entry(OBJ_FAM_FUNCTION, OBJ_VC_COMMAND + 1));  // reset the message
    m->Rec(1, 0, 0);
  }
}

void _Clock(OBJ_MENU* m) {
  m->Begin(7);
  m->Rec('0', 0, _Text(OBJ_FAM_SYSTEM, OBJ_SYS_DATE));
  for (int code : {OBJ_SYS_DATE, OBJ_SYS_TIME}) {
    m->Rec(11, 0, _Text(OBJ_FAM_SYSTEM, code));
    m->Rec(0x22, 0, _Value(OBJ_FAM_SYSTEM, code));
    m->Rec(1, 0, 0);
  }
}

void _Functions(OBJ_MENU* m) {
  m->Begin(7);
  m->Rec('f', 0, _Text(OBJ_FAM_SYSTEM, OBJ_SYS_NEW_MESSAGE));
  m->Rec(0x20, 0, _Value(OBJ_FAM_SYSTEM, OBJ_SYS_NEW_MESSAGE));
  m->Rec(1, 0, 0);
  for (int i = 0; FKT_Registry[i]; i++) {
    const FUNKTION_BASIS_PAR* p = FKT_Registry[i];
    OBJ_PageLinkLine(m, 10, (uint8_t)(p->GetFunctionNumber() - 1), OBJ_MenuIndex(OBJ_FAM_FUNCTION, 0));
  }
}

// List page: title, a row of page buttons between the two service pages, a grid of the input values.
void _Service(OBJ_MENU* m, int Sub) {
  m->Begin(2);
  m->Rec(1, 0, _TextAbs(OBJ_FAM_SYSTEM, OBJ_SYS_DEVICE));
  m->Rec(16, 0, 0);
  for (int page = 0; page < 2; page++) {
    m->Rec(0x12, (uint8_t)page, _TextAbs(OBJ_FAM_SYSTEM, OBJ_SYS_INPUT_RANGE));  // "Inputs 1 - 8", "Inputs 9 - 16"
    m->Rec(page == Sub ? 0x14 : 0x13, (uint8_t)page, _IDX_SERVICE);
  }
  m->Rec(0x11, 0, 0);
  m->Rec(32, 0, 0);
  for (int i = 0; i < 8; i++) {
    int in = Sub * 8 + i;
    m->Rec((uint8_t)(0x22 + (i % 3)), (uint8_t)in, _Entry(OBJ_FAM_INPUT, OBJ_VC_OUTPUT));
    if (i == 0) m->Rec(0xA1, (uint8_t)in, _Entry(OBJ_FAM_INPUT, OBJ_VC_SPECIAL + 1));
  }
  m->Rec(0x21, 0, 0);
}

void _About(OBJ_MENU* m) {
  m->Begin(3);
  m->Rec('0', 0, _TextAbs(OBJ_FAM_SYSTEM, OBJ_SYS_DEVICE));
  m->Rec('2', 0, _TextAbs(OBJ_FAM_SYSTEM, OBJ_SYS_VERSION));
  m->Rec(0x51, 0, OBJ_IDX_PICTURE);
}

// Manual operation of output Sub, panel rows: tabs, mode buttons, a label/value row and a selection box.
void _Manual(OBJ_MENU* m, int Sub) {
  m->Begin(11);
  m->Rec(3, 1, _IDX_MANUAL);
  m->Rec(2, 2, _IDX_MANUAL_VALUES);
  m->Rec(17, 0, _Value(OBJ_FAM_OUTPUT, OBJ_VC_NAME));
  for (int mode = 0; mode < 3; mode++) m->Rec(4, (uint8_t)mode, _Value(OBJ_FAM_OUTPUT, 1));
  m->Rec(15, 0, _Label(OBJ_FAM_OUTPUT, 0));
  m->Rec(16, 0, _Label(OBJ_FAM_OUTPUT, 2));
}

// Second tab: a value group with labels and boxes of the output's values.
void _ManualValues(OBJ_MENU* m, int Sub) {
  m->Begin(10);
  m->Rec(2, 1, _IDX_MANUAL);
  m->Rec(3, 2, _IDX_MANUAL_VALUES);
  m->Rec(5, 0, _Value(OBJ_FAM_OUTPUT, OBJ_VC_NAME));
  m->Rec(9, 0, _Value(OBJ_FAM_OUTPUT, OBJ_VC_SPECIAL));
  m->Rec(13, 0, _Value(OBJ_FAM_OUTPUT, OBJ_VC_SPECIAL + 1));
  m->Rec(7, 0, _Value(OBJ_FAM_OUTPUT, OBJ_VC_OUTPUT));
  m->Rec(8, 0, _Value(OBJ_FAM_OUTPUT, 1));
  m->Rec(10, 0, _Value(OBJ_FAM_OUTPUT, OBJ_VC_SPECIAL));
  m->Rec(14, 0, _Value(OBJ_FAM_OUTPUT, OBJ_VC_SPECIAL + 1));
  m->Rec(6, 0, 0);
}

void _Files(OBJ_MENU* m) {
  m->Begin(7);
  m->Rec(0x40, 0, OBJ_IDX_LISTING);
  for (int code : {OBJ_SYS_SAVE, OBJ_SYS_FACTORY_RESET}) {
    m->Rec('f', 0, _Text(OBJ_FAM_SYSTEM, code));
    m->Rec(0x20, 0, _Value(OBJ_FAM_SYSTEM, code));
    m->Rec(1, 0, 0);
  }
}

struct _NODE_MENU {
  uint16_t Index;
  int Sub;  // -1: any sub-index (pages per output)
  TXT_ID Title;
};

constexpr TXT_ID _Title(int Item) { return {TXT_GROUP_MENUS, (int16_t)Item}; }

const _NODE_MENU _aMenu[] = {
    {0x5800, 0, _Title(TXT_MENUS_MAIN)},
    {0x5800, 4, _Title(TXT_MENUS_MESSAGES)},
    {0x5800, 6, _Title(TXT_MENUS_OUTPUTS)},
    {0x5800, 11, _Title(TXT_MENUS_FIXED_VALUES)},
    {0x5800, 13, _Title(TXT_MENUS_DATE_TIME)},
    {0x5A85, 3, _Title(TXT_MENUS_INPUTS)},
    {_IDX_INPUTS, 0, _Title(TXT_MENUS_INPUTS)},
    {_IDX_OUTPUTS, 0, _Title(TXT_MENUS_OUTPUTS)},
    {_IDX_FIXED, 0, _Title(TXT_MENUS_FIXED_VALUES)},
    {_IDX_FUNCTIONS, 0, _Title(TXT_MENUS_FUNCTIONS)},
    {_IDX_SERVICE, 0, _Title(TXT_MENUS_SERVICE)},
    {_IDX_SERVICE, 1, _Title(TXT_MENUS_SERVICE)},
    {_IDX_ABOUT, 0, _Title(TXT_MENUS_ABOUT)},
    {_IDX_MANUAL, -1, _Title(TXT_MENUS_MANUAL)},
    {_IDX_MANUAL_VALUES, -1, _Title(TXT_MENUS_MANUAL)},
    {_IDX_FILES, 0, {TXT_GROUP_FILES, 9}},  // "Function data", as the file list says it
};

const _NODE_MENU* _FindNodeMenu(int Sub, int Index) {
  for (const auto& e : _aMenu)
    if (e.Index == Index && (e.Sub == Sub || (e.Sub < 0 && Sub < IO_NUM_OUTPUTS))) return &e;
  return nullptr;
}

void _BuildNodeMenu(OBJ_MENU* m, int Sub, int Index) {
  switch (Index) {
    case 0x5800:
      if (Sub == 0) _Root(m);
      if (Sub == 4) _Messages(m);
      if (Sub == 6) _TableList(m, OBJ_FAM_OUTPUT, IO_NUM_OUTPUTS, 7, 0x21, OBJ_VC_OUTPUT);
      if (Sub == 11) _TableList(m, OBJ_FAM_FIXED, IO_NUM_FIXED_VALUES, 6, 0x22, 2);
      if (Sub == 13) _Clock(m);
      break;
    case 0x5A85:
    case _IDX_INPUTS: _TableList(m, OBJ_FAM_INPUT, IO_NUM_INPUTS, 2, 0x21, OBJ_VC_OUTPUT); break;
    case _IDX_OUTPUTS: _TableList(m, OBJ_FAM_OUTPUT, IO_NUM_OUTPUTS, 4, 0x21, OBJ_VC_OUTPUT); break;
    case _IDX_FIXED: _TableList(m, OBJ_FAM_FIXED, IO_NUM_FIXED_VALUES, 6, 0x22, 2); break;
    case _IDX_FUNCTIONS: _Functions(m); break;
    case _IDX_SERVICE: _Service(m, Sub); break;
    case _IDX_ABOUT: _About(m); break;
    case _IDX_MANUAL: _Manual(m, Sub); break;
    case _IDX_MANUAL_VALUES: _ManualValues(m, Sub); break;
    case _IDX_FILES: _Files(m); break;
  }
}

}  // namespace

int OBJ_MenuDescription(int Sub, int Index, uint8_t* pBuf, int Size) {
  OBJ_MENU m(pBuf, Size, (uint8_t)Sub);
  if (Index >= OBJ_FIRST_NODE_MENU) {
    if (!_FindNodeMenu(Sub, Index)) return 0;
    _BuildNodeMenu(&m, Sub, Index);
    return m.End();
  }
  int fam = (Index - 0x5000) >> 6;
  FUNKTION_BASIS_PAR* p = (Index >= 0x5000) ? OBJ_FamilyObject(fam, Sub) : nullptr;
  return p ? p->GetPageDescription(Index & 63, &m) : 0;
}

int OBJ_MenuTitle(int Sub, int Index, std::u16string* pTitle) {
  if (Index >= OBJ_FIRST_NODE_MENU) {
    const _NODE_MENU* e = _FindNodeMenu(Sub, Index);
    if (!e) return 0;
    *pTitle = TXT_GetText(e->Title);
    return 1;
  }
  if (Index < 0x5000) return 0;
  FUNKTION_BASIS_PAR* p = OBJ_FamilyObject((Index - 0x5000) >> 6, Sub);
  if (!p) return 0;
  // The page must exist: ask for its description into a scratch buffer.
  static uint8_t scratch[4096];
  OBJ_MENU m(scratch, sizeof(scratch), (uint8_t)Sub);
  if (!p->GetPageDescription(Index & 63, &m)) return 0;
  const char16_t* pPageTitle = p->GetPageTitle(Index & 63);
  *pTitle = pPageTitle ? std::u16string(pPageTitle) : OBJ_ObjectName(p);
  return 1;
}
