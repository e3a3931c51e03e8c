// The widget types of the collection, one entry each.
#include "widget_kinds.h"

#include "BUTTON.h"
#include "SCROLLBAR.h"

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
  };
  return s_aKind;
}
