// Rectangle helpers.
#include "GUI_Private.h"

int GUI__RectIsEmpty(const GUI_RECT* pRect) { return !pRect || pRect->x0 > pRect->x1 || pRect->y0 > pRect->y1; }

int GUI_RectsIntersect(const GUI_RECT* pA, const GUI_RECT* pB) {
  return pA && pB && pA->x0 <= pB->x1 && pB->x0 <= pA->x1 && pA->y0 <= pB->y1 && pB->y0 <= pA->y1;
}

void GUI__IntersectRect(GUI_RECT* pDest, const GUI_RECT* pOther) {
  if (!pDest || !pOther) {
    return;
  }
  if (pDest->x0 < pOther->x0) pDest->x0 = pOther->x0;
  if (pDest->y0 < pOther->y0) pDest->y0 = pOther->y0;
  if (pDest->x1 > pOther->x1) pDest->x1 = pOther->x1;
  if (pDest->y1 > pOther->y1) pDest->y1 = pOther->y1;
}

int GUI__IntersectRects(GUI_RECT* pDest, const GUI_RECT* pA, const GUI_RECT* pB) {
  GUI_RECT r;
  r.x0 = GUI__Max(pA->x0, pB->x0);
  r.y0 = GUI__Max(pA->y0, pB->y0);
  r.x1 = GUI__Min(pA->x1, pB->x1);
  r.y1 = GUI__Min(pA->y1, pB->y1);
  *pDest = r;
  return r.x0 <= r.x1 && r.y0 <= r.y1;
}

void GUI__MergeRect(GUI_RECT* pDest, const GUI_RECT* pA, const GUI_RECT* pB) {
  if (!pDest) {
    return;
  }
  if (!pA || !pB) {
    const GUI_RECT* p = pA ? pA : pB;
    if (p) {
      *pDest = *p;
    }
    return;
  }
  GUI_RECT r;
  r.x0 = GUI__Min(pA->x0, pB->x0);
  r.y0 = GUI__Min(pA->y0, pB->y0);
  r.x1 = GUI__Max(pA->x1, pB->x1);
  r.y1 = GUI__Max(pA->y1, pB->y1);
  *pDest = r;
}

void GUI__ShrinkRect(GUI_RECT* pDest, const GUI_RECT* pSrc, int Dist) {
  if (!pDest || !pSrc) {
    return;
  }
  GUI_RECT r;
  r.x0 = GUI__ClampI16(pSrc->x0 + Dist);
  r.y0 = GUI__ClampI16(pSrc->y0 + Dist);
  r.x1 = GUI__ClampI16(pSrc->x1 - Dist);
  r.y1 = GUI__ClampI16(pSrc->y1 - Dist);
  *pDest = r;
}

void GUI_MoveRect(GUI_RECT* pRect, int dx, int dy) {
  if (pRect) {
    pRect->x0 = GUI__ClampI16(pRect->x0 + dx);
    pRect->x1 = GUI__ClampI16(pRect->x1 + dx);
    pRect->y0 = GUI__ClampI16(pRect->y0 + dy);
    pRect->y1 = GUI__ClampI16(pRect->y1 + dy);
  }
}
