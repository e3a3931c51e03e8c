// The part of a widget that the current paint step may touch, so that long contents draw only that.
#include "WIDGET_Type.h"

void WIDGET__GetPaintClip(WM_HWIN hObj, GUI_RECT* pRect) {
  const WM_OBJ* pWin = WM_H2P(hObj);
  *pRect = GUI_pContext->ClipRect;
  GUI_MoveRect(pRect, -pWin->Rect.x0, -pWin->Rect.y0);
}
