// Moves by copy: a window whose picture moves with it (WM_STATUS_MOVE_COPY) keeps the pixels that stay in view
// when it moves; they are moved on the display, and only what comes into view and what the window uncovers is
// painted. It applies while the display holds a current picture of the window: nothing invalid, no paint
// running, the display itself the target (no memory device selected, no multi-buffering) and no window above
// the window reaching into its old or new place. Everything else takes the usual invalidation.
#include "LCD_SIMDRV.h"
#include "WM_Intern.h"

namespace {

// The parts of a that lie outside b (at most four), passed to f.
template <class F> void _ForEachOutside(const GUI_RECT& a, const GUI_RECT& b, F f) {
  GUI_RECT i;
  if (!WM__IntersectRects(&i, &a, &b)) {
    f(a);
    return;
  }
  if (a.y0 < i.y0) f(GUI_RECT{a.x0, a.y0, a.x1, (int16_t)(i.y0 - 1)});
  if (i.y1 < a.y1) f(GUI_RECT{a.x0, (int16_t)(i.y1 + 1), a.x1, a.y1});
  if (a.x0 < i.x0) f(GUI_RECT{a.x0, i.y0, (int16_t)(i.x0 - 1), i.y1});
  if (i.x1 < a.x1) f(GUI_RECT{(int16_t)(i.x1 + 1), i.y0, a.x1, i.y1});
}

// No visible window above hWin (a later sibling of it or of an ancestor) reaches into r, and neither hWin
// nor an ancestor keeps a static picture.
int _NothingAbove(WM_HWIN hWin, const GUI_RECT& r) {
  for (WM_HWIN hA = hWin; hA; hA = WM_H2P(hA)->hParent) {
    if (WM_H2P(hA)->Status & (WM_STATUS_STATIC | WM_STATUS_INVALID_STATIC)) {
      return 0;
    }
    for (WM_HWIN h = WM_H2P(hA)->hNext; h; h = WM_H2P(h)->hNext) {
      const WM_OBJ* p = WM_H2P(h);
      GUI_RECT i;
      if ((p->Status & WM_STATUS_VISIBLE) && WM__IntersectRects(&i, &p->Rect, &r)) {
        return 0;
      }
    }
  }
  return 1;
}

} // namespace

int WM__MoveByCopy(WM_HWIN hWin, const GUI_RECT* pOld, int dx, int dy) {
  const WM_OBJ* pWin = WM_H2P(hWin);
  if (!(pWin->Status & WM_STATUS_MOVE_COPY) || (pWin->Status & WM_STATUS_TRANSPARENT) || !pWin->hParent ||
      WM__NumInvalidWindows || WM__PaintCnt || WM__pPaintHooks || !GUI_pContext->WM_IsActive) {
    return 0;
  }
  int Layer = GUI_pContext->SelLayer;
  GUI_DEVICE* pHead = GUI_DEVICE__GetHead(Layer);
  if (!pHead || pHead->pDeviceAPI != &LCD_SIMDRV_API) {
    return 0;
  }
  // The window's visible place before and after, inside its ancestors.
  WM_HWIN hParent = pWin->hParent;
  GUI_RECT Old = *pOld, New = pWin->Rect;
  if (!WM__ClipAtParentBorders(&Old, hParent) || WM__RectIsEmpty(&Old) || !WM__ClipAtParentBorders(&New, hParent) ||
      WM__RectIsEmpty(&New)) {
    return 0;
  }
  GUI_RECT Both;
  WM__MergeRects(&Both, &Old, &New);
  if (!_NothingAbove(hWin, Both)) {
    return 0;
  }
  // The pixels that stay in view: where they are now, moved to where they belong.
  GUI_RECT Src = New;
  WM__MoveRect(&Src, -dx, -dy);
  if (!WM__IntersectRects(&Src, &Src, &Old) || LCD_SIMDRV__MoveRect(Layer, &Src, dx, dy)) {
    return 0;
  }
  GUI_RECT Dst = Src;
  WM__MoveRect(&Dst, dx, dy);
  WM_HWIN hStop = pWin->hNext;
  _ForEachOutside(New, Dst, [hWin](const GUI_RECT& r) { WM__InvalidateRectEx(&r, hWin, 0); });
  _ForEachOutside(Old, New, [hParent, hStop](const GUI_RECT& r) { WM__InvalidateRectEx(&r, hParent, hStop); });
  return 1;
}
