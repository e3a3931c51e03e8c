// The widget types of the collection, one entry each.
#include "widget_kinds.h"

#include <map>

#include "BUTTON.h"
#include "CALENDAR.h"
#include "CHECKBOX.h"
#include "GRAPH.h"
#include "EDIT.h"
#include "FRAMEWIN.h"
#include "DROPDOWN.h"
#include "HEADER.h"
#include "LISTBOX.h"
#include "LISTVIEW.h"
#include "LISTWHEEL.h"
#include "ICONVIEW.h"
#include "IMAGE.h"
#include "KNOB.h"
#include "MULTIPAGE.h"
#include "MENU.h"
#include "MULTIEDIT.h"
#include "PROGBAR.h"
#include "RADIO.h"
#include "SCROLLBAR.h"
#include "SLIDER.h"
#include "SPINBOX.h"
#include "TEXT.h"
#include "TREEVIEW.h"

namespace {

// CreateUser of the widgets that take further arguments, in the common signature.
WM_HWIN _TextCreateUser(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id,
                        int NumExtraBytes) {
  return TEXT_CreateUser(x0, y0, xSize, ySize, hParent, WinFlags, ExFlags, Id, "Label", NumExtraBytes);
}

WM_HWIN _RadioCreateUser(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id,
                         int NumExtraBytes) {
  return RADIO_CreateUser(x0, y0, xSize, ySize, hParent, WinFlags, ExFlags, Id, 3, 20, NumExtraBytes);
}

WM_HWIN _CalendarCreateUser(int x0, int y0, int, int, WM_HWIN hParent, int WinFlags, int, int Id,
                            int NumExtraBytes) {
  return CALENDAR_CreateUser(hParent, x0, y0, 2024, 2, 29, 2, Id, WinFlags, NumExtraBytes);
}

WM_HWIN _EditCreateUser(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id,
                        int NumExtraBytes) {
  return EDIT_CreateUser(x0, y0, xSize, ySize, hParent, WinFlags, ExFlags, Id, 10, NumExtraBytes);
}

WM_HWIN _FramewinCreateUser(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags,
                            int Id, int NumExtraBytes) {
  return FRAMEWIN_CreateUser(x0, y0, xSize, ySize, hParent, WinFlags, ExFlags, Id, "Frame", nullptr, NumExtraBytes);
}

const char* const _apItems[] = {"One", "Two", "Three", nullptr};

WM_HWIN _ListboxCreateUser(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id,
                           int NumExtraBytes) {
  return LISTBOX_CreateUser(x0, y0, xSize, ySize, hParent, WinFlags, ExFlags, Id, _apItems, NumExtraBytes);
}

WM_HWIN _ListwheelCreateUser(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags,
                             int Id, int NumExtraBytes) {
  return LISTWHEEL_CreateUser(x0, y0, xSize, ySize, hParent, WinFlags, ExFlags, Id, _apItems, NumExtraBytes);
}

WM_HWIN _IconviewCreateUser(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id,
                            int NumExtraBytes) {
  return ICONVIEW_CreateUser(x0, y0, xSize, ySize, hParent, WinFlags, ExFlags, Id, 20, 20, NumExtraBytes);
}

WM_HWIN _KnobCreateUser(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int, int Id,
                        int NumExtraBytes) {
  return KNOB_CreateUser(x0, y0, xSize, ySize, hParent, WinFlags, Id, NumExtraBytes);
}

WM_HWIN _SpinboxCreateUser(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int, int Id,
                           int NumExtraBytes) {
  return SPINBOX_CreateUser(x0, y0, xSize, ySize, hParent, WinFlags, Id, 0, 100, NumExtraBytes);
}

WM_HWIN _MultiEditCreateUser(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags,
                             int Id, int NumExtraBytes) {
  return MULTIEDIT_CreateUser(x0, y0, xSize, ySize, hParent, WinFlags, ExFlags, Id, 32, "Text", NumExtraBytes);
}

// The create calls without an Id make the widget with Id 0; it is given afterwards.
WM_HWIN _WithId(WM_HWIN h, int Id) {
  WM_SetId(h, Id);
  return h;
}

// A 4 x 4 picture for the items that show one.
const GUI_COLOR _aBmColors[] = {0x0000FF, 0x00C000};
const GUI_PALETTE _BmPal = {2, 0, _aBmColors};
const U8 _acBm[] = {0xF0, 0x90, 0x90, 0xF0};
const GUI_BITMAP _Bm = {4, 4, 1, 1, _acBm, &_BmPal, nullptr};

// A vertical menu with the given items (submenus detached until opened).
WM_HWIN _Submenu(std::initializer_list<MENU_ITEM_DATA> aItem) {
  WM_HWIN h = MENU_CreateEx(0, 0, 0, 0, 0, 0, MENU_CF_VERTICAL, 0);
  for (const MENU_ITEM_DATA& d : aItem) {
    MENU_AddItem(h, &d);
  }
  return h;
}

void _MenuItems(WM_HWIN h) {
  WM_HWIN hDeep = _Submenu({{"Z1", 31, 0, 0}, {"Z2", 32, 0, 0}});
  WM_HWIN hSub = _Submenu({{"X", 21, 0, 0}, {nullptr, 0, MENU_IF_SEPARATOR, 0}, {"Y", 22, 0, hDeep}});
  MENU_ITEM_DATA a[] = {{"A", 1, 0, hSub}, {"B", 2, 0, 0}, {"C", 3, MENU_IF_DISABLED, 0}};
  for (const MENU_ITEM_DATA& d : a) {
    MENU_AddItem(h, &d);
  }
}

void _DropdownItems(WM_HWIN h) {
  for (const char* s : {"One", "Two", "Three", "Four", "Five"}) {
    DROPDOWN_AddString(h, s);
  }
}

void _ListviewRows(WM_HWIN h) {
  LISTVIEW_AddColumn(h, 30, "C1", GUI_TA_LEFT);
  LISTVIEW_AddColumn(h, 30, "C2", GUI_TA_LEFT);
  for (const char* s : {"a", "b", "c", "d", "e", "f"}) {
    const char* apText[] = {s, s};
    LISTVIEW_AddRow(h, apText);
  }
}

void _TreeItems(WM_HWIN h) {
  TREEVIEW_ITEM_Handle A = TREEVIEW_InsertItem(h, 1, 0, 0, "A");
  TREEVIEW_ITEM_Handle B = TREEVIEW_InsertItem(h, 1, A, TREEVIEW_INSERT_BELOW, "B");
  TREEVIEW_InsertItem(h, 0, A, TREEVIEW_INSERT_FIRST_CHILD, "a1");
  TREEVIEW_InsertItem(h, 0, B, TREEVIEW_INSERT_FIRST_CHILD, "b1");
  TREEVIEW_InsertItem(h, 0, B, TREEVIEW_INSERT_BELOW, "C");
  TREEVIEW_ITEM_Expand(A);
}

void _Pages(WM_HWIN h) {
  for (const char* s : {"P1", "P2", "P3"}) {
    MULTIPAGE_AddPage(h, WM_CreateWindowAsChild(0, 0, 40, 20, WM_GetParent(h), 0, nullptr, 0), s);
  }
}

// What makes each kind notify besides the pointer and keys (kinds without an entry have nothing more).
struct Workout {
  std::vector<WidgetAction> aFill;
  std::vector<std::vector<WidgetAction>> aCalls;
};

std::vector<WidgetKind> _WithWorkouts(std::vector<WidgetKind> aKind) {
  static const std::map<std::string, Workout> s_Workouts = {
      {"SCROLLBAR",
       {{},
        {{[](WM_HWIN h) { SCROLLBAR_SetValue(h, 5); }},
         {[](WM_HWIN h) { SCROLLBAR_Inc(h); }},
         {[](WM_HWIN h) { SCROLLBAR_Dec(h); }},
         {[](WM_HWIN h) { SCROLLBAR_AddValue(h, 95); }},
         {[](WM_HWIN h) { SCROLLBAR_SetNumItems(h, 3); }}}}},
      {"CHECKBOX",
       {{[](WM_HWIN) {}, [](WM_HWIN h) { CHECKBOX_SetNumStates(h, 3); }},
        {{[](WM_HWIN h) { CHECKBOX_SetState(h, 1); }}, {[](WM_HWIN h) { CHECKBOX_SetState(h, 2); }}}}},
      {"RADIO",
       {{[](WM_HWIN) {},
         [](WM_HWIN h) { // one group with a member before and one after it
           WM_HWIN hBefore = RADIO_CreateEx(5, 70, 0, 0, WM_GetParent(h), WM_CF_SHOW, 0, 41, 2, 20);
           WM_HWIN hAfter = RADIO_CreateEx(70, 70, 0, 0, WM_GetParent(h), WM_CF_SHOW, 0, 42, 2, 20);
           WM_BringToTop(h);
           WM_BringToTop(hAfter);
           for (WM_HWIN hMember : {hBefore, h, hAfter}) {
             RADIO_SetGroupId(hMember, 1);
           }
         }},
        {{[](WM_HWIN h) { RADIO_SetValue(h, 2); }},
         {[](WM_HWIN h) { RADIO_Inc(h); }},
         {[](WM_HWIN h) { RADIO_Dec(h); }},
         {[](WM_HWIN h) { RADIO_SetValue(h, 5); }},
         {[](WM_HWIN h) { RADIO_SetValue(h, -1); }},
         {[](WM_HWIN h) { RADIO_SetGroupId(h, 2); }}}}},
      {"SLIDER",
       {{},
        {{[](WM_HWIN h) { SLIDER_SetValue(h, 50); }},
         {[](WM_HWIN h) { SLIDER_Inc(h); }},
         {[](WM_HWIN h) { SLIDER_Dec(h); }},
         {[](WM_HWIN h) { SLIDER_SetRange(h, 10, 20); }}}}},
      {"CALENDAR",
       {{},
        {{[](WM_HWIN h) {
           CALENDAR_DATE d = {2024, 3, 5};
           CALENDAR_SetSel(h, &d);
         }},
         {[](WM_HWIN h) {
           CALENDAR_DATE d = {2023, 1, 9};
           CALENDAR_SetDate(h, &d);
         }}}}},
      {"EDIT",
       {{[](WM_HWIN h) { EDIT_SetText(h, "12"); }, [](WM_HWIN h) { EDIT_SetDecMode(h, 5, -99, 99, 0, 0); },
         [](WM_HWIN h) { EDIT_SetDecMode(h, 12, -999, 999, 1, GUI_EDIT_SIGNED); },
         [](WM_HWIN h) { EDIT_SetHexMode(h, 0x1A, 0, 0xFFF); }, [](WM_HWIN h) { EDIT_SetBinMode(h, 5, 0, 255); },
         [](WM_HWIN h) { EDIT_SetFloatMode(h, 1.5f, -9.9f, 9.9f, 1, 0); },
         [](WM_HWIN h) { EDIT_SetUlongMode(h, 42, 0, 999); }},
        {{[](WM_HWIN h) { EDIT_AddKey(h, '7'); }},
         {[](WM_HWIN h) { EDIT_AddKey(h, GUI_KEY_UP); }},
         {[](WM_HWIN h) { EDIT_AddKey(h, GUI_KEY_DOWN); }},
         {[](WM_HWIN h) { EDIT_AddKey(h, GUI_KEY_DELETE); }},
         {[](WM_HWIN h) { EDIT_SetValue(h, 3); }},
         {[](WM_HWIN h) { EDIT_SetUlongValue(h, 4); }},
         {[](WM_HWIN h) { EDIT_SetFloatValue(h, 2.5f); }}}}},
      {"FRAMEWIN",
       {{[](WM_HWIN) {},
         [](WM_HWIN h) {
           FRAMEWIN_AddMinButton(h, FRAMEWIN_BUTTON_RIGHT, 0);
           FRAMEWIN_AddMaxButton(h, FRAMEWIN_BUTTON_RIGHT, 1);
         }},
        {{[](WM_HWIN h) { FRAMEWIN_Minimize(h); }, [](WM_HWIN h) { FRAMEWIN_Restore(h); }},
         {[](WM_HWIN h) { FRAMEWIN_Maximize(h); }},
         {[](WM_HWIN h) { FRAMEWIN_SetActive(h, 1); }}}}},
      {"LISTBOX",
       {{[](WM_HWIN) {},
         [](WM_HWIN h) {
           LISTBOX_SetMulti(h, 1);
           for (const char* s : {"Four", "Five", "Six", "Seven"}) {
             LISTBOX_AddString(h, s);
           }
           LISTBOX_SetAutoScrollV(h, 1);
           LISTBOX_SetSel(h, 0);
         }},
        {{[](WM_HWIN h) { LISTBOX_SetSel(h, 1); }},
         {[](WM_HWIN h) { LISTBOX_IncSel(h); }},
         {[](WM_HWIN h) { LISTBOX_DecSel(h); }},
         {[](WM_HWIN h) { LISTBOX_AddKey(h, 't'); }},
         {[](WM_HWIN h) { LISTBOX_AddKey(h, GUI_KEY_SPACE); }},
         {[](WM_HWIN h) { LISTBOX_DeleteItem(h, 0); }}}}},
      {"HEADER",
       {{[](WM_HWIN h) {
          HEADER_AddItem(h, 20, "A", GUI_TA_LEFT);
          HEADER_AddItem(h, 25, "B", GUI_TA_LEFT);
        }},
        {{[](WM_HWIN h) { HEADER_SetItemWidth(h, 0, 30); }}, {[](WM_HWIN h) { HEADER_SetScrollPos(h, 5); }}}}},
      {"LISTVIEW",
       {{_ListviewRows,
         [](WM_HWIN h) {
           _ListviewRows(h);
           LISTVIEW_EnableCellSelect(h, 1);
           LISTVIEW_SetAutoScrollV(h, 1);
           LISTVIEW_EnableSort(h);
         }},
        {{[](WM_HWIN h) { LISTVIEW_SetSel(h, 2); }},
         {[](WM_HWIN h) { LISTVIEW_IncSel(h); }},
         {[](WM_HWIN h) { LISTVIEW_DecSel(h); }},
         {[](WM_HWIN h) { LISTVIEW_DeleteRow(h, 0); }},
         {[](WM_HWIN h) { LISTVIEW_SetSort(h, 1, 1); }}}}},
      {"DROPDOWN",
       {{_DropdownItems,
         [](WM_HWIN h) {
           _DropdownItems(h);
           DROPDOWN_SetAutoScroll(h, 1);
           DROPDOWN_SetListHeight(h, 30);
         }},
        {{[](WM_HWIN h) { DROPDOWN_Expand(h); }},
         {[](WM_HWIN h) { DROPDOWN_Expand(h); }, [](WM_HWIN h) { DROPDOWN_DeleteItem(h, 0); }},
         {[](WM_HWIN h) { DROPDOWN_Expand(h); }, [](WM_HWIN h) { DROPDOWN_InsertString(h, "X", 0); }},
         {[](WM_HWIN h) { DROPDOWN_Expand(h); }, [](WM_HWIN h) { DROPDOWN_SetSelExp(h, 3); }},
         {[](WM_HWIN h) { DROPDOWN_Expand(h); }, [](WM_HWIN h) { DROPDOWN_SetFont(h, &UI_Font15); }},
         {[](WM_HWIN h) { DROPDOWN_Expand(h); }, [](WM_HWIN h) { DROPDOWN_SetListHeight(h, 80); }},
         {[](WM_HWIN h) { DROPDOWN_SetSel(h, 2); }},
         {[](WM_HWIN h) { DROPDOWN_IncSel(h); }},
         {[](WM_HWIN h) { DROPDOWN_AddKey(h, 't'); }}}}},
      {"LISTWHEEL",
       {{},
        {{[](WM_HWIN h) { LISTWHEEL_SetSel(h, 1); }},
         {[](WM_HWIN h) { LISTWHEEL_SetPos(h, 2); }},
         {[](WM_HWIN h) { LISTWHEEL_MoveToPos(h, 2); }},
         {[](WM_HWIN h) { LISTWHEEL_SetVelocity(h, 300); }}}}},
      {"TREEVIEW",
       {{_TreeItems},
        {{[](WM_HWIN h) { TREEVIEW_IncSel(h); }},
         {[](WM_HWIN h) { TREEVIEW_DecSel(h); }},
         {[](WM_HWIN h) { TREEVIEW_SetSel(h, TREEVIEW_GetItem(h, 0, TREEVIEW_GET_LAST)); }}}}},
      {"MULTIPAGE",
       {{_Pages},
        {{[](WM_HWIN h) { MULTIPAGE_SelectPage(h, 1); }},
         {[](WM_HWIN h) { MULTIPAGE_DeletePage(h, 0, 1); }}}}},
      {"ICONVIEW",
       {{[](WM_HWIN h) {
          for (const char* s : {"I1", "I2", "I3", "I4", "I5"}) {
            ICONVIEW_AddBitmapItem(h, &_Bm, s);
          }
        }},
        {{[](WM_HWIN h) { ICONVIEW_SetSel(h, 1); }}, {[](WM_HWIN h) { ICONVIEW_DeleteItem(h, 0); }}}}},
      {"KNOB", {{}, {{[](WM_HWIN h) { KNOB_SetPos(h, 100); }}, {[](WM_HWIN h) { KNOB_AddValue(h, 10); }}}}},
      {"SPINBOX",
       {{}, {{[](WM_HWIN h) { SPINBOX_SetValue(h, 7); }}, {[](WM_HWIN h) { SPINBOX_SetRange(h, 10, 20); }}}}},
      {"MULTIEDIT",
       {{},
        {{[](WM_HWIN h) { MULTIEDIT_AddKey(h, 'x'); }},
         {[](WM_HWIN h) { MULTIEDIT_AddKey(h, GUI_KEY_BACKSPACE); }},
         {[](WM_HWIN h) { MULTIEDIT_AddText(h, "ab"); }},
         {[](WM_HWIN h) { MULTIEDIT_SetText(h, "cd"); }}}}},
      {"MENU",
       {{_MenuItems,
         [](WM_HWIN h) {
           _MenuItems(h);
           WM_HWIN hParent = WM_GetParent(h);
           WM_DetachWindow(h);
           MENU_Popup(h, hParent, 10, 10, 0, 0);
         }},
        {{[](WM_HWIN h) { MENU_SetSel(h, 1); }}}}},
  };
  for (WidgetKind& k : aKind) {
    auto it = s_Workouts.find(k.Name);
    if (it != s_Workouts.end()) {
      k.aFill = it->second.aFill;
      k.aCalls = it->second.aCalls;
    }
  }
  return aKind;
}

} // namespace

const std::vector<WidgetKind>& AllWidgetKinds() {
  static const std::vector<WidgetKind> s_aKind = _WithWorkouts({
      MakeKind("BUTTON", BUTTON_CreateIndirect, BUTTON_CreateUser, BUTTON_LockH, BUTTON_GetUserData,
               BUTTON_SetUserData, true,
               {[](WM_HWIN p, int Id) { return BUTTON_CreateEx(5, 5, 60, 30, p, WM_CF_SHOW, 0, Id); },
                [](WM_HWIN p, int Id) { return BUTTON_Create(5, 5, 60, 30, p, Id, WM_CF_SHOW); }}),
      MakeKind("SCROLLBAR", SCROLLBAR_CreateIndirect, SCROLLBAR_CreateUser, SCROLLBAR_LockH,
               SCROLLBAR_GetUserData, SCROLLBAR_SetUserData, true,
               {[](WM_HWIN p, int Id) { return SCROLLBAR_Create(5, 5, 60, 11, p, WM_CF_SHOW, 0, Id); },
                [](WM_HWIN p, int Id) { return SCROLLBAR_CreateEx(5, 5, 60, 11, p, WM_CF_SHOW, 0, Id); },
                [](WM_HWIN p, int Id) { return SCROLLBAR_CreateIdFirst(5, 5, 60, 11, p, Id, WM_CF_SHOW, 0); }}),
      MakeKind("TEXT", TEXT_CreateIndirect, _TextCreateUser, TEXT_LockH, TEXT_GetUserData, TEXT_SetUserData, false,
               {[](WM_HWIN p, int Id) { return TEXT_CreateEx(5, 5, 60, 20, p, WM_CF_SHOW, 0, Id, "A"); },
                [](WM_HWIN p, int Id) { return TEXT_CreateAsChild(5, 5, 60, 20, p, Id, WM_CF_SHOW, "B", 0); }}),
      MakeKind("CHECKBOX", CHECKBOX_CreateIndirect, CHECKBOX_CreateUser, CHECKBOX_LockH, CHECKBOX_GetUserData,
               CHECKBOX_SetUserData, true,
               {[](WM_HWIN p, int Id) { return CHECKBOX_CreateEx(5, 5, 0, 0, p, WM_CF_SHOW, 0, Id); },
                [](WM_HWIN p, int Id) { return CHECKBOX_Create(5, 5, 60, 20, p, Id, WM_CF_SHOW); }}),
      MakeKind("RADIO", RADIO_CreateIndirect, _RadioCreateUser, RADIO_LockH, RADIO_GetUserData, RADIO_SetUserData,
               true,
               {[](WM_HWIN p, int Id) { return RADIO_CreateEx(5, 5, 0, 0, p, WM_CF_SHOW, 0, Id, 2, 20); },
                [](WM_HWIN p, int Id) { return RADIO_Create(5, 5, 0, 0, p, Id, WM_CF_SHOW, 0x1403); }}),
      MakeKind("SLIDER", SLIDER_CreateIndirect, SLIDER_CreateUser, SLIDER_LockH, SLIDER_GetUserData,
               SLIDER_SetUserData, true,
               {[](WM_HWIN p, int Id) { return SLIDER_CreateEx(5, 5, 100, 20, p, WM_CF_SHOW, 0, Id); },
                [](WM_HWIN p, int Id) { return SLIDER_Create(5, 5, 20, 100, p, Id, WM_CF_SHOW, SLIDER_CF_VERTICAL); }}),
      MakeKind("PROGBAR", PROGBAR_CreateIndirect, PROGBAR_CreateUser, PROGBAR_LockH, PROGBAR_GetUserData,
               PROGBAR_SetUserData, false,
               {[](WM_HWIN p, int Id) { return PROGBAR_CreateEx(5, 5, 100, 20, p, WM_CF_SHOW, 0, Id); },
                [](WM_HWIN p, int Id) { return PROGBAR_CreateAsChild(5, 5, 100, 20, p, Id, WM_CF_SHOW); }}),
      MakeKind("GRAPH", GRAPH_CreateIndirect, GRAPH_CreateUser, GRAPH_LockH, GRAPH_GetUserData, GRAPH_SetUserData,
               false,
               {[](WM_HWIN p, int Id) { return GRAPH_CreateEx(5, 5, 100, 60, p, WM_CF_SHOW, 0, Id); },
                [](WM_HWIN p, int Id) { return GRAPH_Create(5, 5, 100, 60, p, WM_CF_SHOW, 0, Id); }}),
      MakeKind("CALENDAR", CALENDAR_CreateIndirect, _CalendarCreateUser, CALENDAR_LockH, CALENDAR_GetUserData,
               CALENDAR_SetUserData, true,
               {[](WM_HWIN p, int Id) { return CALENDAR_Create(p, 5, 5, 1999, 12, 31, 1, Id, WM_CF_SHOW); }}),
      MakeKind("EDIT", EDIT_CreateIndirect, _EditCreateUser, EDIT_LockH, EDIT_GetUserData, EDIT_SetUserData, true,
               {[](WM_HWIN p, int Id) { return EDIT_CreateEx(5, 5, 60, 20, p, WM_CF_SHOW, 0, Id, 8); },
                [](WM_HWIN p, int Id) { return EDIT_CreateAsChild(5, 5, 60, 20, p, Id, WM_CF_SHOW, 8); }}),
      MakeKind("FRAMEWIN", FRAMEWIN_CreateIndirect, _FramewinCreateUser, FRAMEWIN_LockH, FRAMEWIN_GetUserData,
               FRAMEWIN_SetUserData, true,
               {[](WM_HWIN p, int Id) { return FRAMEWIN_CreateEx(5, 5, 60, 40, p, WM_CF_SHOW, 0, Id, "F", nullptr); },
                [](WM_HWIN p, int Id) {
                  return _WithId(FRAMEWIN_CreateAsChild(5, 5, 60, 40, p, "F", nullptr, WM_CF_SHOW), Id);
                }}),
      MakeKind("LISTBOX", LISTBOX_CreateIndirect, _ListboxCreateUser, LISTBOX_LockH, LISTBOX_GetUserData,
               LISTBOX_SetUserData, true,
               {[](WM_HWIN p, int Id) { return LISTBOX_Create(5, 5, 60, 40, p, WM_CF_SHOW, 0, Id, _apItems); },
                [](WM_HWIN p, int Id) {
                  return _WithId(LISTBOX_CreateAsChild(_apItems, p, 5, 5, 60, 40, WM_CF_SHOW), Id);
                }}),
      MakeKind("HEADER", HEADER_CreateIndirect, HEADER_CreateUser, HEADER_LockH, HEADER_GetUserData,
               HEADER_SetUserData, false,
               {[](WM_HWIN p, int Id) { return HEADER_Create(5, 5, 60, 0, p, WM_CF_SHOW, 0, Id); },
                [](WM_HWIN p, int Id) { return HEADER_CreateIdFirst(5, 5, 60, 20, p, Id, WM_CF_SHOW, 0); },
                [](WM_HWIN p, int Id) { return HEADER_CreateAttached(p, Id, 0); }}),
      MakeKind("LISTVIEW", LISTVIEW_CreateIndirect, LISTVIEW_CreateUser, LISTVIEW_LockH, LISTVIEW_GetUserData,
               LISTVIEW_SetUserData, true,
               {[](WM_HWIN p, int Id) { return LISTVIEW_CreateEx(5, 5, 80, 60, p, WM_CF_SHOW, 0, Id); },
                [](WM_HWIN p, int Id) { return LISTVIEW_Create(5, 5, 80, 60, p, Id, WM_CF_SHOW, 0); },
                [](WM_HWIN p, int Id) { return LISTVIEW_CreateAttached(p, Id, 0); }}),
      MakeKind("DROPDOWN", DROPDOWN_CreateIndirect, DROPDOWN_CreateUser, DROPDOWN_LockH, DROPDOWN_GetUserData,
               DROPDOWN_SetUserData, true,
               {[](WM_HWIN p, int Id) { return DROPDOWN_Create(5, 5, 80, 60, p, WM_CF_SHOW, 0, Id); },
                [](WM_HWIN p, int Id) { return _WithId(DROPDOWN_CreateAsChild(p, 5, 5, 80, 60, WM_CF_SHOW), Id); }}),
      MakeKind("LISTWHEEL", LISTWHEEL_CreateIndirect, _ListwheelCreateUser, LISTWHEEL_LockH,
               LISTWHEEL_GetUserData, LISTWHEEL_SetUserData, true,
               {[](WM_HWIN p, int Id) { return LISTWHEEL_CreateEx(5, 5, 60, 60, p, WM_CF_SHOW, 0, Id, _apItems); },
                [](WM_HWIN p, int Id) {
                  return _WithId(LISTWHEEL_CreateAsChild(_apItems, p, 5, 5, 60, 60, WM_CF_SHOW), Id);
                }}),
      MakeKind("TREEVIEW", TREEVIEW_CreateIndirect, TREEVIEW_CreateUser, TREEVIEW_LockH, TREEVIEW_GetUserData,
               TREEVIEW_SetUserData, true,
               {[](WM_HWIN p, int Id) { return TREEVIEW_CreateEx(5, 5, 100, 60, p, WM_CF_SHOW, 0, Id); }}),
      MakeKind("MULTIPAGE", MULTIPAGE_CreateIndirect, MULTIPAGE_CreateUser, MULTIPAGE_LockH, MULTIPAGE_GetUserData,
               MULTIPAGE_SetUserData, false,
               {[](WM_HWIN p, int Id) { return MULTIPAGE_CreateEx(5, 5, 100, 60, p, WM_CF_SHOW, 0, Id); },
                [](WM_HWIN p, int Id) { return MULTIPAGE_CreateAsChild(5, 5, 100, 60, p, Id, WM_CF_SHOW, 8); },
                [](WM_HWIN p, int Id) { return MULTIPAGE_Create(5, 5, 100, 60, p, WM_CF_SHOW, 0, Id); }}),
      MakeKind("ICONVIEW", ICONVIEW_CreateIndirect, _IconviewCreateUser, ICONVIEW_LockH, ICONVIEW_GetUserData,
               ICONVIEW_SetUserData, true,
               {[](WM_HWIN p, int Id) { return ICONVIEW_CreateEx(5, 5, 100, 60, p, WM_CF_SHOW, 2, Id, 30, 30); }}),
      MakeKind("KNOB", KNOB_CreateIndirect, _KnobCreateUser, KNOB_LockH, KNOB_GetUserData, KNOB_SetUserData, true,
               {[](WM_HWIN p, int Id) { return KNOB_Create(5, 5, 40, 40, p, WM_CF_SHOW, Id); }}),
      MakeKind("IMAGE", IMAGE_CreateIndirect, IMAGE_CreateUser, IMAGE__LockH, IMAGE_GetUserData, IMAGE_SetUserData,
               false, {[](WM_HWIN p, int Id) { return IMAGE_CreateEx(5, 5, 40, 40, p, WM_CF_SHOW, 0, Id); }}),
      MakeKind("SPINBOX", SPINBOX_CreateIndirect, _SpinboxCreateUser, SPINBOX_LockH, SPINBOX_GetUserData,
               SPINBOX_SetUserData, true,
               {[](WM_HWIN p, int Id) { return SPINBOX_Create(5, 5, 60, 20, p, WM_CF_SHOW, Id, -5, 5); }}),
      MakeKind("MULTIEDIT", MULTIEDIT_CreateIndirect, _MultiEditCreateUser, MULTIEDIT_LockH, MULTIEDIT_GetUserData,
               MULTIEDIT_SetUserData, true,
               {[](WM_HWIN p, int Id) { return MULTIEDIT_CreateEx(5, 5, 60, 40, p, WM_CF_SHOW, 0, Id, 0, "A"); },
                [](WM_HWIN p, int Id) { return MULTIEDIT_Create(5, 5, 60, 40, p, Id, WM_CF_SHOW, 0, "B", 8); }}),
      MakeKind("MENU", MENU_CreateIndirect, MENU_CreateUser, MENU_LockH, MENU_GetUserData, MENU_SetUserData, true,
               {[](WM_HWIN p, int Id) { return MENU_CreateEx(5, 5, 0, 0, p, WM_CF_SHOW, MENU_CF_VERTICAL, Id); }}),
  });
  return s_aKind;
}
