// Background windows of the main screen.
#include "UI_Background.h"

#include "UI_Main.h"
#include "UI_MainImages.h"

UI_DESIGN_HOOKS UI_DesignHooks;

int UI_IsDesignLayout(void) { return UI_DesignHooks.pfGetLayout ? UI_DesignHooks.pfGetLayout() : 0; }

void UI_BackgroundCallback(WM_MESSAGE* pMsg) {
  WM_HWIN hWin = pMsg->hWin;
  switch (pMsg->MsgId) {
    case WM_PAINT:
      GUI_SetBkColor(GUI_WHITE);
      UI__DrawPageBackground(0, 0, UI_SCREEN_W, UI_SCREEN_H);
      break;
    case WM_TIMER:
      if (WM_GetTimerId(WM_HTIMER(pMsg->Data.v)) != 1 || !WM_IsVisible(hWin)) break;
      WM_RestartTimer(UI_hTimerPage, UI_PAGE_REFRESH_MS);
      UI_SendLoad(hWin, 1);
      break;
    case UI_MSG_HOME:
    case UI_MSG_BACK: {
      WM_HWIN hTarget = UI_GetOpenScreen();
      if (hTarget) {
        WM_SendMessageNoPara(hTarget, pMsg->MsgId == UI_MSG_HOME ? UI_MSG_CLOSED : UI_MSG_BACK);
      } else {
        UI_SetSideButtonCallbacks(UI_SideButtonCallback);
      }
      UI_ClearElementRects();
      break;
    }
    default: UI_ContainerProc(pMsg);
  }
}

void UI_DesignBackgroundCallback(WM_MESSAGE* pMsg) {
  if (pMsg->MsgId == WM_PAINT) {
    if (UI_DesignHooks.pfDrawPicture) {
      UI_DesignHooks.pfDrawPicture();
    } else {
      GUI_SetBkColor(GUI_WHITE);
      UI__DrawPageBackground(0, 0, UI_SCREEN_W, UI_SCREEN_H);
    }
    return;
  }
  UI_BackgroundCallback(pMsg);
}
