// The two side buttons at the right edge: home (id 373) and back (id 374). A release counts only inside the
// button, without a swipe, and not within 150 ms of the previous handled release.
#include "APP_Hooks.h"
#include "BUTTON.h"
#include "UI_Main.h"
#include "UI_MainImages.h"

void UI__CloseModalLevel(void);  // UI_Main.cpp

namespace {

enum { _ICON_X = 8, _ICON_Y = 27 };

int _IsRootMenu(uint32_t Address) { return (Address & 0xFFFFFF) == UI_ROOT_MENU; }

void _PaintNavigation(WM_HWIN hWin) {
  uint32_t Address = UI_MenuStackInstance.GetNode();
  GUI_SetTextMode(GUI_TM_TRANS);
  GUI_SetColor(GUI_BLACK);
  GUI_SetFont(&UI_Font15);
  if (WM_GetId(hWin) == UI_ID_HOME) {
    UI__DrawSideButtonBackground(0);
    if (_IsRootMenu(Address) || Address == 0) {
      UI__DrawHomeImage();
    } else {
      UI__DrawUpIcon(_ICON_X, _ICON_Y);
    }
    return;
  }
  if (WM_IsVisible(UI_hMainWin)) {
    UI__DrawSideButtonBackground(0);
    int Peek = UI_OverviewHooks.pfPeekHistory ? UI_OverviewHooks.pfPeekHistory() : -1;
    if (Peek < 0 && UI_ModalDepth == 0) {
      UI__DrawInactiveImage();
    } else {
      UI__DrawBackIcon(_ICON_X, _ICON_Y);
    }
  } else if (_IsRootMenu(Address)) {
    UI__DrawSideButtonBackground(!UI_StartupDone);
    UI__DrawRootBackIcon(_ICON_X, _ICON_Y);
  } else if ((Address & 0xFFFFFF) == 0) {
    UI__DrawSideButtonBackground(0);
    UI__DrawNetworkBackIcon(_ICON_X, _ICON_Y);
  } else {
    UI__DrawSideButtonBackground(0);
    UI__DrawBackIcon(_ICON_X, _ICON_Y);
  }
}

// The debounce shared by every side-button callback. Returns 1 when the release is to be acted on.
int _Release(WM_HWIN hWin, const GUI_POINTER_STATE* pState) {
  WM_ReleaseCapture();
  if (UI_SideButtonLatch == 1) return 0;
  WM_RestartTimer(UI_hTimerBack, UI_SIDE_BUTTON_DEBOUNCE_MS);
  WM_RestartTimer(UI_hTimerHome, UI_SIDE_BUTTON_DEBOUNCE_MS);
  UI_SideButtonLatch = 1;
  UI_ClearElementRects();
  // The button's right and bottom edges (x == width, y == height) still count as the button: a finger
  // lifted on the line under it means the button.
  return pState->x >= 0 && pState->x <= WM_GetWindowSizeX(hWin) && pState->y >= 0 &&
         pState->y <= WM_GetWindowSizeY(hWin) && !UI_PointerMoved();
}

// Pointer and timer handling shared by the callbacks. Returns 1 for a release to act on.
int _HandleCommon(WM_MESSAGE* pMsg, int* pHandled) {
  *pHandled = 1;
  switch (pMsg->MsgId) {
    case WM_POINTER: {
      const GUI_POINTER_STATE* pState = (const GUI_POINTER_STATE*)pMsg->Data.p;
      if (!pState) return 0;  // moved off while pressed: the release decides
      if (pState->Pressed) {
        WM_SetCapture(pMsg->hWin, 0);
        return 0;
      }
      return _Release(pMsg->hWin, pState);
    }
    case WM_TIMER: UI_SideButtonLatch = 0; return 0;
    default: *pHandled = 0; return 0;
  }
}

void _Home(void) {
  if (UI_ScreenFlags & UI_SCREEN_NO_HOME) return;
  uint32_t Address = UI_MenuStackInstance.GetNode();
  if (Address != 0 && !_IsRootMenu(Address)) {
    UI_MenuStackInstance.ClearHistory();
    UI_MenuStackInstance.Show((Address & 0xFF000000u) | UI_ROOT_MENU, 0);
    return;
  }
  UI_GoHome();
}

void _BackOverview(void) {
  UI_DeleteChildren(UI_hChildScreenArea);
  if (UI_ModalDepth) {
    UI__CloseModalLevel();
    return;
  }
  int Page = UI_OverviewHooks.pfPopHistory ? UI_OverviewHooks.pfPopHistory() : -1;
  if (Page < 0) {
    UI_ShowMainMenu();
    return;
  }
  WM_InvalidateWindowAndDescendants(UI_hMainWin);
  if (!UI_OverviewHooks.pfLoad || UI_OverviewHooks.pfLoad(Page) != 0) UI_ShowMainMenu();
}

// The screen that gets the forwarded side-button messages.
WM_HWIN _ForwardTarget(void) { return WM_IsVisible(UI_hMainWin) ? UI_hMainWin : UI_hBackgroundWin; }

}  // namespace

void UI_SideButtonBack(void) {
  if (WM_IsVisible(UI_hMainWin)) {
    _BackOverview();
    return;
  }
  uint32_t Address = UI_MenuStackInstance.GetNode();
  if (Address == 0) {
    UI_MenuStackInstance.Reload(UI_GetPageScrollOffset());
    return;
  }
  // On the own root menu the back button waits for the end of start-up.
  if (Address == UI_ROOT_MENU && !UI_StartupDone) return;
  UI_MenuStackInstance.Back();
}

void UI_SideButtonCallback(WM_MESSAGE* pMsg) {
  int Handled;
  switch (pMsg->MsgId) {
    case WM_PAINT: _PaintNavigation(pMsg->hWin); return;
    case WM_WHEEL: WM_SendToParent(pMsg->hWin, pMsg); return;
  }
  int Act = _HandleCommon(pMsg, &Handled);
  if (!Handled) {
    BUTTON_Callback(pMsg);
    return;
  }
  if (!Act) return;
  if (WM_GetId(pMsg->hWin) == UI_ID_HOME) {
    _Home();
  } else {
    UI_SideButtonBack();
  }
}

void UI_SideButtonForwardCallback(WM_MESSAGE* pMsg) {
  int Handled;
  if (pMsg->MsgId == WM_PAINT) {
    UI__DrawSideButtonBackground(0);
    if (WM_GetId(pMsg->hWin) == UI_ID_HOME) {
      UI__DrawHomeImage();
    } else {
      UI__DrawBackIcon(_ICON_X, _ICON_Y);
    }
    return;
  }
  int Act = _HandleCommon(pMsg, &Handled);
  if (!Handled) {
    BUTTON_Callback(pMsg);
    return;
  }
  if (Act) WM_SendMessageNoPara(_ForwardTarget(), WM_GetId(pMsg->hWin) == UI_ID_HOME ? UI_MSG_HOME : UI_MSG_BACK);
}

void UI_SideButtonInactiveCallback(WM_MESSAGE* pMsg) {
  switch (pMsg->MsgId) {
    case WM_PAINT:
      UI__DrawSideButtonBackground(1);
      UI__DrawInactiveImage();
      return;
    case WM_POINTER_STATE_CHANGED:
    case WM_POINTER: return;
  }
  UI_SideButtonForwardCallback(pMsg);
}

void UI_SideButtonLockedCallback(WM_MESSAGE* pMsg) {
  switch (pMsg->MsgId) {
    case WM_PAINT:
      UI__DrawSideButtonBackground(0);
      UI__DrawLockedImage();
      return;
    case WM_POINTER: {
      int Handled;
      _HandleCommon(pMsg, &Handled);  // the debounce runs, nothing is triggered
      return;
    }
  }
  UI_SideButtonForwardCallback(pMsg);
}

void UI_SetSideButtonCallbacks(WM_CALLBACK* cb) {
  WM_SetCallback(UI_hHomeButton, cb);
  WM_SetCallback(UI_hBackButton, cb);
  WM_InvalidateWindow(UI_hHomeButton);
  WM_InvalidateWindow(UI_hBackButton);
}
