// Drawing in widget coordinates: vertical widgets (State 0x8) draw rotated by 90 degrees, so one drawing
// routine serves both orientations. Everything here runs inside WM_PAINT of the widget.
#include <algorithm>

#include "WIDGET.h"
#include "WM_Intern.h"

static int _IsVertical(const WIDGET* pWidget) {
  return (pWidget->State & WIDGET_STATE_VERTICAL) != 0;
}

// A rectangle in widget coordinates as window coordinates.
static GUI_RECT _ToWindow(const WIDGET* pWidget, const GUI_RECT* pRect) {
  GUI_RECT r = *pRect;
  if (_IsVertical(pWidget)) {
    WIDGET__RotateRect90(pWidget, &r, pRect);
  }
  return r;
}

void WIDGET__RotateRect90(const WIDGET* pWidget, GUI_RECT* pDest, const GUI_RECT* pSrc) {
  int w = pWidget->Win.Rect.x1 - pWidget->Win.Rect.x0;
  GUI_RECT s = *pSrc; // pDest may be pSrc
  pDest->x0 = (I16)(w - s.y1);
  pDest->y0 = s.x0;
  pDest->x1 = (I16)(w - s.y0);
  pDest->y1 = s.x1;
}

void WIDGET__GetClientRect(const WIDGET* pWidget, GUI_RECT* pRect) {
  WM_GetClientRect(pRect);
  if (_IsVertical(pWidget)) {
    GUI_RECT r = *pRect;
    pRect->x0 = r.y0;
    pRect->y0 = r.x0;
    pRect->x1 = r.y1;
    pRect->y1 = r.x1;
  }
}

int WIDGET__GetXSize(const WIDGET* pWidget) {
  const GUI_RECT& r = pWidget->Win.Rect;
  return _IsVertical(pWidget) ? r.y1 - r.y0 + 1 : r.x1 - r.x0 + 1;
}

int WIDGET__GetYSize(const WIDGET* pWidget) {
  const GUI_RECT& r = pWidget->Win.Rect;
  return _IsVertical(pWidget) ? r.x1 - r.x0 + 1 : r.y1 - r.y0 + 1;
}

int WIDGET__GetWindowSizeX(WM_HWIN hWin) {
  WM__LockGuard Lock;
  if (!hWin || !WM__IsWindow(hWin)) {
    return 0;
  }
  return WIDGET__GetXSize((const WIDGET*)WM_H2P(hWin));
}

void WIDGET__FillRect(const WIDGET* pWidget, const GUI_RECT* pRect) {
  GUI_RECT r = _ToWindow(pWidget, pRect);
  GUI_FillRectEx(&r);
}

void WIDGET__DrawFocusRect(const WIDGET* pWidget, const GUI_RECT* pRect, int Dist) {
  GUI_RECT r = _ToWindow(pWidget, pRect);
  GUI_DrawFocusRect(&r, Dist);
}

void WIDGET__DrawHLine(const WIDGET* pWidget, int y, int x0, int x1) {
  GUI_RECT r = {(I16)x0, (I16)y, (I16)x1, (I16)y};
  WIDGET__FillRect(pWidget, &r);
}

void WIDGET__DrawVLine(const WIDGET* pWidget, int x, int y0, int y1) {
  GUI_RECT r = {(I16)x, (I16)y0, (I16)x, (I16)y1};
  WIDGET__FillRect(pWidget, &r);
}

void WIDGET__DrawTriangle(const WIDGET* pWidget, int x, int y, int Size, int Inc) {
  for (int i = 0; i <= Size; i++, x += Inc) {
    WIDGET__DrawVLine(pWidget, x, y - (Size - i), y + (Size - i));
  }
}

void WIDGET__GetInsideRect(const WIDGET* pWidget, GUI_RECT* pRect) {
  WM__GetRelRect(&pWidget->Win, pRect);
  GUI__ShrinkRect(pRect, pWidget->pEffect->EffectSize);
}

// The frame is drawn only when the area being painted reaches into the band of EffectSize pixels along
// an edge of r (window coordinates): a paint of the inside alone leaves the frame as it is.
static int _ReachesFrame(const WIDGET* pWidget, const GUI_RECT* r) {
  if (!(pWidget->Win.Status & WM__STATUS_ANY_INVALID)) {
    return 1;
  }
  GUI_RECT Inv = pWidget->Win.InvalidRect;
  GUI_MoveRect(&Inv, -pWidget->Win.Rect.x0, -pWidget->Win.Rect.y0);
  int s = pWidget->pEffect->EffectSize;
  return Inv.x0 < r->x0 + s || Inv.y0 < r->y0 + s || Inv.x1 > r->x1 - s || Inv.y1 > r->y1 - s;
}

static void _EffectDraw(const WIDGET* pWidget, const GUI_RECT* pRect, void (*pfDraw)(const GUI_RECT*)) {
  GUI_RECT r;
  if (pRect) {
    r = _ToWindow(pWidget, pRect);
  } else {
    WM_GetClientRect(&r);
  }
  if (_ReachesFrame(pWidget, &r)) {
    pfDraw(&r);
  }
}

void WIDGET__EffectDrawDown(const WIDGET* pWidget) {
  WIDGET__EffectDrawDownRect(pWidget, nullptr);
}

void WIDGET__EffectDrawDownRect(const WIDGET* pWidget, const GUI_RECT* pRect) {
  _EffectDraw(pWidget, pRect, pWidget->pEffect->pfDrawDownRect);
}

void WIDGET__EffectDrawUpRect(const WIDGET* pWidget, const GUI_RECT* pRect) {
  _EffectDraw(pWidget, pRect, pWidget->pEffect->pfDrawUpRect);
}

void WIDGET__FillStringInRect(const char* pText, const GUI_RECT* pFillRect, const GUI_RECT* pTextRect,
                              const GUI_RECT* pTextExtent) {
  GUI_RECT rFill = *pFillRect;
  GUI_MoveRect(&rFill, GUI_pContext->xOff, GUI_pContext->yOff);
  if (GUI_pContext->pClipRect && !GUI_RectsIntersect(&rFill, GUI_pContext->pClipRect)) {
    return;
  }
  if (!pText || !*pText) {
    GUI_ClearRectEx(pFillRect);
    return;
  }
  GUI_RECT r = *pTextRect;
  GUI__IntersectRect(&r, pTextExtent);
  if ((GUI_GetBkColor() >> 24) == 0) {
    GUI_SetTextMode(GUI_TM_NORMAL);
    const GUI_RECT& f = *pFillRect;
    if (r.y0 > f.y0) {
      GUI_ClearRect(f.x0, f.y0, f.x1, r.y0 - 1);
    }
    if (r.x0 > f.x0) {
      GUI_ClearRect(f.x0, r.y0, r.x0 - 1, r.y1);
    }
    if (r.x1 < f.x1) {
      GUI_ClearRect(r.x1 + 1, r.y0, f.x1, r.y1);
    }
    if (r.y1 < f.y1) {
      GUI_ClearRect(f.x0, r.y1 + 1, f.x1, f.y1);
    }
  } else {
    GUI_SetTextMode(GUI_TM_TRANS);
  }
  const GUI_RECT* pOld = WM_SetUserClipRect(pTextRect);
  GUI_DispStringAt(pText, pTextExtent->x0, pTextExtent->y0);
  WM_SetUserClipRect(pOld);
}
