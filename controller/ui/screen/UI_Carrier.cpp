// The carrier window under modal screens.
#include "UI_Carrier.h"

#include <initializer_list>

#include "UI_Background.h"
#include "UI_Main.h"

namespace {

void _PlaceSideButtons(WM_HWIN hParent, int BackY) {
  int Design = WM_IsVisible(UI_hMainWin) && UI_IsDesignLayout();
  WM_AttachWindowAt(UI_hHomeButton, hParent, UI_SIDE_BUTTON_X, Design ? UI_HOME_BUTTON_Y_DESIGN : UI_HOME_BUTTON_Y);
  WM_AttachWindowAt(UI_hBackButton, hParent, UI_SIDE_BUTTON_X, BackY >= 0 ? BackY
                                                                         : Design ? UI_BACK_BUTTON_Y_DESIGN
                                                                                  : UI_BACK_BUTTON_Y);
}

void _Close(WM_HWIN hWin) {
  UI_CARRIER_DATA Data = {};
  WM_GetUserData(hWin, &Data, sizeof(Data));
  WM_HWIN hReturn = WM_IsWindow(Data.hReturn) ? Data.hReturn : UI_hBackgroundWin;
  if (hReturn == UI_hBackgroundWin || hReturn == UI_hMainWin) {
    UI_hEntryShield = 0;
  } else {
    UI_hEntryShield = hReturn;
  }
  int BackY = -1;
  if (WM_IsVisible(UI_hMainWin) && UI_IsDesignLayout() && UI_ModalDepth) BackY = 91;
  _PlaceSideButtons(hReturn, BackY);
  if (Data.Mask & 1) {
    WM_ShowWindow(UI_hHomeButton);
  } else {
    WM_HideWindow(UI_hHomeButton);
  }
  if (Data.Mask & 2) {
    WM_ShowWindow(UI_hBackButton);
  } else {
    WM_HideWindow(UI_hBackButton);
  }
  // A handle whose window went another way is only forgotten, never asked about.
  for (WM_HWIN* ph : {&UI_hEntryDialog, &UI_hListWin, &UI_hPanel}) {
    if (*ph && (!WM_IsWindow(*ph) || WM_IsChildOf(*ph, hWin))) *ph = 0;
  }
  WM_DeleteWindow(hWin);
}

}  // namespace

WM_HWIN UI_CreateCarrier(void) {
  UI_CARRIER_DATA Data = {};
  Data.Mask = (WM_IsVisible(UI_hHomeButton) ? 1u : 0u) | (WM_IsVisible(UI_hBackButton) ? 2u : 0u);
  if (UI_hEntryShield && WM_IsWindow(UI_hEntryShield)) {
    Data.hReturn = UI_hEntryShield;
  } else {
    Data.hReturn = WM_IsVisible(UI_hBackgroundWin) ? UI_hBackgroundWin : UI_hMainWin;
  }
  WM_HWIN hWin = WM_CreateWindow(0, 0, UI_SCREEN_W, UI_SCREEN_H, WM_CF_SHOW | WM_CF_HASTRANS,
                                 UI_ScreenShieldCallback, sizeof(Data));
  if (!hWin) return 0;
  WM_SetUserData(hWin, &Data, sizeof(Data));
  UI_hEntryShield = hWin;
  WM_SendMessageNoPara(hWin, UI_MSG_OPENED);
  return hWin;
}

void UI_ScreenShieldCallback(WM_MESSAGE* pMsg) {
  switch (pMsg->MsgId) {
    case UI_MSG_OPENED:
      if (WM_IsVisible(UI_hMainWin) || WM_IsVisible(UI_hBackgroundWin)) {
        _PlaceSideButtons(pMsg->hWin, -1);
        WM_ShowWindow(UI_hHomeButton);
        WM_ShowWindow(UI_hBackButton);
      }
      break;
    case UI_MSG_CLOSED: _Close(pMsg->hWin); break;
    case WM_DELETE: WM_DefaultProc(pMsg); break;
    default: break;  // a carrier neither paints nor reacts to the pointer
  }
}
