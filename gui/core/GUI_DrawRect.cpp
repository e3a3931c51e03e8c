// Rectangles, lines along the axes and pixels in window coordinates.
#include "GUI_Private.h"

// The screen rectangle of a window rectangle; false when it is empty.
bool GUI__RectToScreen(int x0, int y0, int x1, int y1, GUI_RECT* pRect) {
  const GUI_CONTEXT* p = GUI_pContext;
  x0 += p->xOff;
  x1 += p->xOff;
  y0 += p->yOff;
  y1 += p->yOff;
  if (x0 > x1 || y0 > y1) {
    return false;
  }
  pRect->x0 = GUI__ClampI16(x0);
  pRect->y0 = GUI__ClampI16(y0);
  pRect->x1 = GUI__ClampI16(x1);
  pRect->y1 = GUI__ClampI16(y1);
  return true;
}

namespace {

void _FillInBk(const GUI_RECT& r) {
  GUI_CONTEXT* p = GUI_pContext;
  LCD_PIXELINDEX Saved = *p->LCD_pColorIndex;
  int DrawMode = p->DrawMode;
  *p->LCD_pColorIndex = *p->LCD_pBkColorIndex;
  p->DrawMode = (U8)(DrawMode & ~LCD_DRAWMODE_XOR);
  LCD_FillRect(r.x0, r.y0, r.x1, r.y1);
  p->DrawMode = (U8)DrawMode;
  *p->LCD_pColorIndex = Saved;
}

}  // namespace

void GUI_FillRect(int x0, int y0, int x1, int y1) {
  GUI_LockGuard Lock;
  GUI_RECT r;
  if (!GUI__RectToScreen(x0, y0, x1, y1, &r)) {
    return;
  }
  GUI_CLIP_ITERATE_START(&r)
    LCD_FillRect(r.x0, r.y0, r.x1, r.y1);
  GUI_CLIP_ITERATE_END()
}

void GUI_FillRectEx(const GUI_RECT* pRect) {
  if (pRect) {
    GUI_FillRect(pRect->x0, pRect->y0, pRect->x1, pRect->y1);
  }
}

void GUI_ClearRect(int x0, int y0, int x1, int y1) {
  GUI_LockGuard Lock;
  GUI_RECT r;
  if (!GUI__RectToScreen(x0, y0, x1, y1, &r)) {
    return;
  }
  GUI_CLIP_ITERATE_START(&r)
    _FillInBk(r);
  GUI_CLIP_ITERATE_END()
}

void GUI_ClearRectEx(const GUI_RECT* pRect) {
  if (pRect) {
    GUI_ClearRect(pRect->x0, pRect->y0, pRect->x1, pRect->y1);
  }
}

void GUI_Clear(void) {
  GUI_LockGuard Lock;
  GUI_pContext->DispPosX = 0;
  GUI_pContext->DispPosY = 0;
  GUI_CLIP_ITERATE_START(nullptr)
    _FillInBk(*GUI_pContext->pClipRect);
  GUI_CLIP_ITERATE_END()
}

void GUI_DrawRect(int x0, int y0, int x1, int y1) {
  GUI_LockGuard Lock;
  GUI_RECT r;
  if (!GUI__RectToScreen(x0, y0, x1, y1, &r)) {
    return;
  }
  GUI_CLIP_ITERATE_START(&r)
    LCD_DrawRect(r.x0, r.y0, r.x1, r.y1);
  GUI_CLIP_ITERATE_END()
}

void GUI_DrawRectEx(const GUI_RECT* pRect) {
  if (pRect) {
    GUI_DrawRect(pRect->x0, pRect->y0, pRect->x1, pRect->y1);
  }
}

void GUI_InvertRect(int x0, int y0, int x1, int y1) {
  GUI_LockGuard Lock;
  int Old = LCD_SetDrawMode(LCD_DRAWMODE_XOR);
  GUI_FillRect(x0, y0, x1, y1);
  LCD_SetDrawMode(Old);
}

void GUI_DrawHLine(int y, int x0, int x1) { GUI_FillRect(x0, y, x1, y); }

void GUI_DrawVLine(int x, int y0, int y1) { GUI_FillRect(x, y0, x, y1); }

void GUI_DrawPixel(int x, int y) {
  GUI_LockGuard Lock;
  GUI_RECT r;
  if (!GUI__RectToScreen(x, y, x, y, &r)) {
    return;
  }
  GUI_CLIP_ITERATE_START(&r)
    LCD_DrawPixel(r.x0, r.y0);
  GUI_CLIP_ITERATE_END()
}
