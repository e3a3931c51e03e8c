// The composite frame: a window that shows the composite view of all layers, repainted when a layer changes.
#include "LCDSIM.h"
#include "LCDSIM_Composite.h"
#include "SIM.h"
#include "SIM_Bridge.h"
#include "SIM_Windows.h"

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

PLAT_HWIN SIM_CreateCompositeFrame(PLAT_HWIN hOwner) {
  int xSize, ySize;
  SIM_GetCompositeSize(&xSize, &ySize);
  if (xSize <= 0 || ySize <= 0) return nullptr;
  PLAT_CREATE Create = {"GUI Composite Frame", "Composite", _WndProcComposite, hOwner, PLAT_DEFAULT_POS,
                        PLAT_DEFAULT_POS, xSize, ySize, PLAT_STYLE_FRAME | PLAT_STYLE_VISIBLE, 0x000000, 0};
  return PLAT_CreateWindow(&Create);
}
