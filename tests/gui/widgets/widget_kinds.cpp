// The widget types of the collection, one entry each.
#include "widget_kinds.h"

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

} // namespace

const std::vector<WidgetKind>& AllWidgetKinds() {
  static const std::vector<WidgetKind> s_aKind = {
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
  };
  return s_aKind;
}
