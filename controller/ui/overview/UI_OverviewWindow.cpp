// The page window of an overview page: its picture, the refresh tick (local values every second, remote ones
// every ten), the forced read after a change, and the long press that opens the quick buttons.
#include "APP_Hooks.h"
#include "CAN_Node.h"
#include "FKT_Access.h"
#include "GUI_ImageRead.h"
#include "GUI_Stream.h"
#include "UI_Main.h"
#include "UI_Overview.h"
#include "WM_Motion.h"

namespace {

enum { _REFRESH_TICKS = 10, _REMOTE_ROUNDS = 10, _QUICK_X = 203, _QUICK_Y = 99 };

void _Paint(void) {
  GUI_SetBkColor(GUI_WHITE);
  GUI_Clear();
  size_t n;
  const uint8_t* p = UI_OverviewPageInstance.GetPicture(&n);
  if (!p) return;
  GUI__MEM_SOURCE Src = {p, n};
  GUI_DrawStreamedBitmapExAuto(GUI__GetDataMem, &Src, 0, 0);
}

void _Tick(WM_HWIN hWin) {
  if (!UI_hMainWin || !WM_IsVisible(UI_hMainWin)) return;  // the tick stops while the menus are shown
  WM_RestartTimer(UI_hTimerOverview, UI_OVERVIEW_TICK_MS);
  if (--UI_RefreshCountdown < 1) {
    UI_RefreshCountdown = _REFRESH_TICKS;
    UI_RemoteReadBudget = UI_REMOTE_BUDGET;
    UI_RemoteRound = (UI_RemoteRound ? UI_RemoteRound : _REMOTE_ROUNDS) - 1;
    UI_SendLoad(hWin, UI_LOAD_MODE_REFRESH);
  }
  UI_SendLoaded(hWin, UI_LOAD_MODE_REFRESH);
}

}  // namespace

void UI_StartLongPress(void) {
  if (!UI_hOverviewWin) return;
  if (UI_hTimerLongPress) {
    WM_RestartTimer(UI_hTimerLongPress, UI_LONG_PRESS_MS);
  } else {
    UI_hTimerLongPress = WM_CreateTimer(UI_hOverviewWin, UI_TIMER_ID_LONG_PRESS, UI_LONG_PRESS_MS);
  }
}

void UI_StopLongPress(void) {
  if (UI_hTimerLongPress) WM_DeleteTimer(UI_hTimerLongPress);
  UI_hTimerLongPress = 0;
}

void UI_StartForcedRead(int Period) {
  if (UI_hOverviewWin) WM_CreateTimer(UI_hOverviewWin, UI_TIMER_ID_FORCED_READ, Period);
}

int UI_ElementAllowed(int Node, uint32_t Level) {
  int Entry = (Node > 0 && Node < CAN_MAX_NODES && CAN_NodeTable[Node].Present) ? Node : 0;
  return Level <= uint32_t(FKT_GetAccessLevel(Entry));
}

const GUI_FONT* UI_ElementFont(int Index) {
  static const GUI_FONT* const s_apFont[DSG_NUM_FONTS] = {&UI_Font15, &UI_Font15B, nullptr,
                                                          &UI_Font18, &UI_Font20, &UI_Font24};
  return (Index >= 0 && Index < DSG_NUM_FONTS) ? s_apFont[Index] : nullptr;
}

void UI_ManageMotionByWindow(WM_MESSAGE* pMsg) {
  WM_MOTION_INFO* m = (WM_MOTION_INFO*)pMsg->Data.p;
  if (m && m->Cmd == WM_MOTION_INIT) m->Flags = WM_MOTION_MANAGE_BY_WINDOW;
}

void UI_OverviewPageCallback(WM_MESSAGE* pMsg) {
  WM_HWIN hWin = pMsg->hWin;
  switch (pMsg->MsgId) {
    case WM_PAINT: _Paint(); break;
    case WM_POINTER: {
      const GUI_POINTER_STATE* p = (const GUI_POINTER_STATE*)pMsg->Data.p;
      if (p && p->Pressed) {
        WM_SetCapture(hWin, 1);
        UI_StartLongPress();
      } else {
        WM_ReleaseCapture();
        UI_StopLongPress();
      }
      break;
    }
    case WM_TIMER: {
      WM_HTIMER hTimer = WM_HTIMER(pMsg->Data.v);
      switch (WM_GetTimerId(hTimer)) {
        case UI_TIMER_ID_OVERVIEW: _Tick(hWin); break;
        case UI_TIMER_ID_LONG_PRESS:
          UI_StopLongPress();
          WM_ReleaseCapture();
          UI_CreateQuickButtons(hWin, _QUICK_X, _QUICK_Y);
          break;
        case UI_TIMER_ID_FORCED_READ:
          WM_DeleteTimer(hTimer);
          UI_RemoteRound = 0;
          UI_RemoteReadBudget = UI_REMOTE_BUDGET;
          UI_SendLoad(hWin, UI_LOAD_MODE_FORCED);
          UI_SendLoaded(hWin, UI_LOAD_MODE_REFRESH);
          break;
      }
      break;
    }
    case WM_MOTION: UI_ManageMotionByWindow(pMsg); break;  // the page never moves
    case WM_DELETE:
      UI_hTimerOverview = UI_hTimerLongPress = 0;
      if (hWin == UI_hOverviewWin) UI_hOverviewWin = 0;
      break;
    default: UI_ContainerProc(pMsg);
  }
}
