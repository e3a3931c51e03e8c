// The panel screen and its tab buttons.
#include "UI_Panel.h"

#include "UI_Background.h"
#include "UI_Carrier.h"
#include "UI_Main.h"
#include "UI_MainImages.h"
#include "WM_Motion.h"
#include "WM_Timer.h"

WM_HWIN UI_hPanelMiddle, UI_hPanelInner;

namespace {

enum { _NUM_TABS = 12 };

int _IsTabbedKind(uint32_t KindWord) {
  int Kind = (KindWord >> 8) & 0xFF;
  return (KindWord & 0xFF) == 0 && (Kind == 8 || Kind == 11 || Kind == 13);
}

void _CreateTabs(WM_HWIN hMiddle) {
  UI_MenuStack* pStack = &UI_MenuStackInstance;
  uint32_t KindWord = pStack->GetPageKind();
  if (!_IsTabbedKind(KindWord)) return;
  uint16_t TabWord = uint16_t(KindWord >> 16);
  unsigned Mask = TabWord >> 4, Selected = TabWord & 15;
  int n = 0;
  for (unsigned t = 0; t < _NUM_TABS; t++) {
    if (!(Mask & (1u << t))) continue;
    UI_TAB_DATA Data = {};
    Data.Address = (pStack->GetNode() & ~0x3Fu) | t;
    Data.Tab = uint8_t(t);
    Data.Selected = t == Selected;
    WM_HWIN h = WM_CreateWindowAsChild(UI_TAB_X, 5 + UI_TAB_STEP * n++, UI_TAB_W, UI_TAB_H, hMiddle,
                                       WM_CF_SHOW | WM_CF_HASTRANS, UI_PanelTabCallback, sizeof(Data));
    WM_SetUserData(h, &Data, sizeof(Data));
  }
}

int _InsideRelease(WM_HWIN hWin, const GUI_POINTER_STATE* pState) {
  return pState->x >= 0 && pState->x < WM_GetWindowSizeX(hWin) && pState->y >= 0 &&
         pState->y < WM_GetWindowSizeY(hWin) && !UI_PointerMoved();
}

// Capture on the press, release on the release; 1 for a release inside.
int _Pointer(WM_MESSAGE* pMsg) {
  const GUI_POINTER_STATE* pState = (const GUI_POINTER_STATE*)pMsg->Data.p;
  if (!pState) return 0;
  if (pState->Pressed) {
    WM_SetCapture(pMsg->hWin, 1);
    return 0;
  }
  WM_ReleaseCapture();
  return _InsideRelease(pMsg->hWin, pState);
}

int _IsLoadMessage(int Id) { return Id == UI_MSG_REFRESH || Id == UI_MSG_LOAD || Id == UI_MSG_LOADED; }

}  // namespace

WM_HWIN UI_CreatePanel(WM_CALLBACK* InnerCallback, const void* pUserData, int UserDataSize,
                       WM_CALLBACK* MiddleCallback, int ScrollOffset) {
  UI_ScreenFlags |= UI_SCREEN_PANEL;
  int MainVisible = WM_IsVisible(UI_hMainWin);
  // A panel that replaces another one (a further tab of the page) keeps the picture under the first, unless the
  // first stood over the overview without a carrier.
  int Snapshot = 1;
  if (UI_hPanel) {
    WM_DeleteWindow(UI_hPanel);
    UI_hPanel = 0;
    if (UI_ModalDepth == 0 && MainVisible) {
      UI_SnapshotReuse = 1;
    } else {
      Snapshot = 0;
      if (WM_IsVisible(UI_hBackgroundWin)) UI_SnapshotReuse = 0;
    }
  }
  if (UI_hEntryShield && UI_ModalDepth) {
    WM_SendMessageNoPara(UI_hEntryShield, UI_MSG_CLOSED);
    UI_ModalDepth--;
  }
  if (Snapshot) UI_TakePanelSnapshot();
  WM_HWIN hParent = UI_hPageArea;
  if (MainVisible) {
    hParent = UI_CreateCarrier();
    UI_ModalDepth++;
  }
  int Design = MainVisible && UI_IsDesignLayout();
  int y = 0, ySize = UI_PANEL_H;
  if (hParent != UI_hPageArea) {
    y = Design ? 15 : UI_TITLE_H;
    ySize = Design ? UI_PANEL_H_DESIGN : UI_PANEL_H;
  }
  UI_hPanel = WM_CreateWindowAsChild(0, y, UI_PANEL_W, ySize, hParent, WM_CF_SHOW | WM_CF_STAYONTOP,
                                     UI_PanelFrameCallback, 4);
  if (Design) {
    WM_HideWindow(UI_hHomeButton);
    WM_ShowWindow(UI_hBackButton);
    WM_MoveTo(UI_hBackButton, UI_SIDE_BUTTON_X, 91);
  }
  UI_hPanelMiddle = WM_CreateWindowAsChild(UI_PANEL_MIDDLE_X, UI_PANEL_MIDDLE_Y, UI_PANEL_MIDDLE_W,
                                           UI_PANEL_MIDDLE_H, UI_hPanel, WM_CF_SHOW, MiddleCallback, 4);
  int NumExtra = UserDataSize > 0 ? UserDataSize : 0;
  UI_hPanelInner = WM_CreateWindowAsChild(0, 0, UI_PANEL_INNER_W, UI_PANEL_INNER_H, UI_hPanelMiddle,
                                          WM_CF_SHOW, InnerCallback, NumExtra);
  WM_CreateTimer(UI_hPanelInner, 1, 0);
  WM_CreateTimer(UI_hPanelInner, 2, 0);
  UI_ClearElementRects();
  if (ScrollOffset) WM_MoveWindow(UI_hPanelInner, 0, ScrollOffset);
  if (pUserData && NumExtra) WM_SetUserData(UI_hPanelInner, pUserData, NumExtra);
  WM_MOTION_SetMoveable(UI_hPanelInner, WM_CF_MOTION_Y, 1);
  uint32_t Zero = 0;
  WM_SetUserData(UI_hPanelMiddle, &Zero, 4);
  return UI_hPanelInner;
}

void UI_PanelFrameCallback(WM_MESSAGE* pMsg) {
  WM_HWIN hWin = pMsg->hWin;
  switch (pMsg->MsgId) {
    case WM_PAINT: UI__PaintPanelFrame(hWin); break;
    case UI_MSG_OPENED:
    case UI_MSG_CLOSED: {
      WM_HWIN hChild = WM_GetFirstChild(hWin);
      if (hChild) WM_SendMessageNoPara(hChild, pMsg->MsgId);
      break;
    }
    case WM_DELETE:
      if (UI_hPanelMiddle && WM_IsChildOf(UI_hPanelMiddle, hWin)) UI_hPanelMiddle = UI_hPanelInner = 0;
      WM_DefaultProc(pMsg);
      break;
    default:
      if (_IsLoadMessage(pMsg->MsgId)) {
        UI_FanOutMessage(pMsg);
      } else if (pMsg->MsgId <= WM_USER) {
        WM_DefaultProc(pMsg);
      }
  }
}

void UI_PanelTabsCallback(WM_MESSAGE* pMsg) {
  WM_HWIN hWin = pMsg->hWin;
  switch (pMsg->MsgId) {
    case WM_CREATE: _CreateTabs(hWin); break;
    case WM_PAINT: UI__DrawPanelTabsBackground(0, 0, WM_GetWindowSizeX(hWin), WM_GetWindowSizeY(hWin)); break;
    case WM_POINTER: _Pointer(pMsg); break;
    default:
      if (_IsLoadMessage(pMsg->MsgId)) {
        UI_FanOutMessage(pMsg);
      } else if (pMsg->MsgId <= WM_USER) {
        WM_DefaultProc(pMsg);
      }
  }
}

void UI_PanelTabCallback(WM_MESSAGE* pMsg) {
  WM_HWIN hWin = pMsg->hWin;
  UI_TAB_DATA Data = {};
  WM_GetUserData(hWin, &Data, sizeof(Data));
  switch (pMsg->MsgId) {
    case WM_PAINT:
      if (Data.Selected) UI__DrawSelectedTab();
      UI__DrawTabSymbol(Data.Tab, 3, 3);
      break;
    case WM_POINTER:
      if (_Pointer(pMsg)) UI_MenuStackInstance.Show(Data.Address, 0);
      break;
    case WM_WHEEL: WM_SendToParent(hWin, pMsg); break;
    default:
      if (pMsg->MsgId <= WM_USER) WM_DefaultProc(pMsg);
  }
}
