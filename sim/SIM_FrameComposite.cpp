// The composite frame: a child frame of the main frame, right of the LCD frames and their colour frames, whose
// composite window shows the composite view of all layers, repainted when a layer changes.
#include <cstdio>

#include "LCDSIM.h"
#include "LCDSIM_Composite.h"
#include "SIM.h"
#include "SIM_Bridge.h"
#include "SIM_Frames.h"

namespace {

enum { _TIMER_POLL = 0, _POLL_MS = 20 };

uint32_t _LastCnt;

uint32_t _SumModifyCnt(void) {
  uint32_t Sum = LCDSIM_GetLUTModifyCnt();
  for (int i = SIM__GuiGetNumLayers() - 1; i >= 0; i--) Sum += LCDSIM_GetModifyCnt(i);
  return Sum;
}

intptr_t _WndProcComposite(PLAT_HWIN hWin, uint32_t Msg, uintptr_t wParam, intptr_t lParam) {
  switch (Msg) {
  case PLAT_MSG_CREATE:
    PLAT_SetTimer(hWin, _TIMER_POLL, _POLL_MS);
    return 0;
  case PLAT_MSG_DESTROY:
    PLAT_KillTimer(hWin, _TIMER_POLL);
    return 0;
  case PLAT_MSG_TIMER: {
    uint32_t Cnt = _SumModifyCnt();
    if (Cnt != _LastCnt) {
      _LastCnt = Cnt;
      PLAT_Invalidate(hWin, 0);
    }
    return 0;
  }
  case PLAT_MSG_PAINT:
    LCDSIM_PaintComposite(hWin);
    return 0;
  default:
    return PLAT_DefaultProc(hWin, Msg, wParam, lParam);
  }
}

}  // namespace

SIM_FRAME_SIZE SIM__GetCompositeFrameSize(void) {
  int xSize, ySize;
  SIM_GetCompositeSize(&xSize, &ySize);
  if (xSize <= 0 || ySize <= 0) return {0, 0};
  return {xSize + 2 * PLAT_GetSystemMetric(PLAT_SM_CXFRAME),
          ySize + PLAT_GetSystemMetric(PLAT_SM_CYCAPTION) + 2 * PLAT_GetSystemMetric(PLAT_SM_CYFRAME)};
}

PLAT_HWIN SIM__CreateCompositeFrame(PLAT_HWIN hMain) {
  int xSize, ySize;
  SIM_GetCompositeSize(&xSize, &ySize);
  if (xSize <= 0 || ySize <= 0) return nullptr;
  char acTitle[48];
  snprintf(acTitle, sizeof(acTitle), "Composite %d*%d", xSize, ySize);
  if (PLAT_HWIN hFrame = PLAT_FindChild(hMain, "GUI Composite Frame", acTitle)) return hFrame;
  int xRight, yBottom;
  SIM__GetFramesExtent(&xRight, &yBottom);
  SIM_FRAME_SIZE Size = SIM__GetCompositeFrameSize();
  PLAT_CREATE Frame = {"GUI Composite Frame", acTitle, nullptr, hMain, xRight + SIM_COLUMN_GAP, 0, Size.xSize,
                       Size.ySize, PLAT_STYLE_CHILD | PLAT_STYLE_CAPTION | PLAT_STYLE_VISIBLE, 0xFFFFFF, 0};
  PLAT_HWIN hFrame = PLAT_CreateWindow(&Frame);
  if (!hFrame) return nullptr;
  PLAT_CREATE View = {"GUI Composite", "Composite window", _WndProcComposite, hFrame, 0, 0, xSize, ySize,
                      PLAT_STYLE_CHILD | PLAT_STYLE_VISIBLE | PLAT_STYLE_DOUBLECLICKS, 0x000000, 0};
  PLAT_CreateWindow(&View);
  return hFrame;
}
