// The pointer-tracking page window and the parameter-record defaults.
#include "UI_Background.h"
#include "UI_Main.h"
#include "UI_MainImages.h"

UI_POINTER_TRACK UI_PointerTrack = {0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF};

void UI_PointerTrackCallback(WM_MESSAGE* pMsg) {
  WM_HWIN hWin = pMsg->hWin;
  switch (pMsg->MsgId) {
    case WM_PAINT:
      GUI_SetBkColor(GUI_WHITE);
      UI__DrawPageBackground(0, 0, WM_GetWindowSizeX(hWin), WM_GetWindowSizeY(hWin));
      UI__DrawUpIcon(173, 45);
      break;
    case WM_SIZE:
      if (WM_GetWindowSizeY(hWin) != UI_PAGE_AREA_H) WM_SetYSize(hWin, UI_PAGE_AREA_H);
      break;
    case WM_POINTER: {
      const GUI_POINTER_STATE* pState = (const GUI_POINTER_STATE*)pMsg->Data.p;
      if (!pState) break;
      if (UI_PointerTrack.xPointer == 0xFFFF) {
        UI_PointerTrack.xPointer = UI_PointerTrack.xMouse = uint16_t(pState->x);
        UI_PointerTrack.yPointer = UI_PointerTrack.yMouse = uint16_t(pState->y);
      }
      if (pState->Pressed) {
        WM_SetCapture(hWin, 1);
        if (WM_HWIN hChild = WM_GetFirstChild(hWin)) WM_DeleteWindow(hChild);
      } else {
        WM_ReleaseCapture();
      }
      break;
    }
    default:
      if (pMsg->MsgId <= WM_USER) WM_DefaultProc(pMsg);
  }
}

void UI_InitParamRecord(uint32_t* pRecord) {
  if (!pRecord || pRecord[0]) return;
  pRecord[8] = 1;
  pRecord[10] = 0x40000;
}
