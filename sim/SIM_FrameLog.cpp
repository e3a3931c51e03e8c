// The log frame: a child frame below the LCD frames that holds the log window and keeps it filling its client
// area. Closed, it can be made again from the menu.
#include "SIM_Frames.h"
#include "SIM_Log.h"

const char SIM_CLASS_LOG_FRAME[] = "GUI LOG Frame";

static PLAT_HWIN _hLogFrame;

static intptr_t _WndProcLogFrame(PLAT_HWIN hWin, uint32_t Msg, uintptr_t wParam, intptr_t lParam) {
  switch (Msg) {
  case PLAT_MSG_CREATE: {
    int xSize, ySize;
    PLAT_GetClientSize(hWin, &xSize, &ySize);
    LOG_Create(hWin, 0, 0, xSize, ySize);
    break;
  }
  case PLAT_MSG_DESTROY:
    if (_hLogFrame == hWin) _hLogFrame = nullptr;
    break;
  case PLAT_MSG_SIZE:
    if (PLAT_HWIN hLog = PLAT_FindChild(hWin, "GUI LOG", nullptr)) {
      PLAT_MoveWindow(hLog, 0, 0, int(lParam & 0xFFFF), int((lParam >> 16) & 0xFFFF));
    }
    break;
  default:
    break;
  }
  return PLAT_DefaultProc(hWin, Msg, wParam, lParam);
}

PLAT_HWIN SIM__CreateLogFrame(PLAT_HWIN hMain) {
  if (PLAT_IsWindow(_hLogFrame)) return _hLogFrame;
  int xRight, yBottom;
  SIM__GetFramesExtent(&xRight, &yBottom);
  PLAT_CREATE Create = {SIM_CLASS_LOG_FRAME, "Log", _WndProcLogFrame, hMain, 0, yBottom, SIM_LOG_XSIZE,
                        SIM_LOG_YSIZE, PLAT_STYLE_CHILD | PLAT_STYLE_CAPTION | PLAT_STYLE_VISIBLE, 0xFFFFFF, 0};
  _hLogFrame = PLAT_CreateWindow(&Create);
  return _hLogFrame;
}
