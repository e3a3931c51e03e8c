// Value graphs and the dotted focus rectangle.
#include "GUI_Private.h"

#define GRAPH_GAP 32767

void GUI_DrawGraphEx(const I16* paY, int NumPoints, int x0, int y0, int Numerator, int Denominator, int MirrorX) {
  if (!paY || NumPoints <= 0) {
    return;
  }
  if (Denominator == 0) {
    Denominator = 1;
  }
  GUI_LockGuard Lock;
  int xs = x0 + GUI_pContext->xOff, ys = y0 + GUI_pContext->yOff;
  auto Value = [&](int i) { return paY[MirrorX ? NumPoints - 1 - i : i]; };
  auto YOf = [&](int v) { return ys + (int)((I64)v * Numerator / Denominator); };
  int yMin = 32767, yMax = -32768;
  for (int i = 0; i < NumPoints; i++) {
    if (Value(i) != GRAPH_GAP) {
      yMin = GUI__Min(yMin, YOf(Value(i)));
      yMax = GUI__Max(yMax, YOf(Value(i)));
    }
  }
  if (yMin > yMax) {
    return;
  }
  GUI_RECT Bounds = {GUI__ClampI16(xs), GUI__ClampI16(yMin), GUI__ClampI16(xs + NumPoints - 1), GUI__ClampI16(yMax)};
  GUI_CLIP_ITERATE_START(&Bounds)
    bool HavePrev = false;
    int yPrev = 0;
    for (int i = 0; i < NumPoints; i++) {
      int v = Value(i);
      if (v == GRAPH_GAP) {
        HavePrev = false;
        continue;
      }
      int y = YOf(v);
      if (HavePrev) {
        // Join with the previous column: a vertical run from the neighbour's height to this one's.
        LCD_DrawVLine(xs + i, GUI__Min(y, yPrev), GUI__Max(y, yPrev));
      } else {
        LCD_DrawPixel(xs + i, y);
      }
      yPrev = y;
      HavePrev = true;
    }
  GUI_CLIP_ITERATE_END()
}

void GUI_DrawGraph(const I16* paY, int NumPoints, int x0, int y0) { GUI_DrawGraphEx(paY, NumPoints, x0, y0, 1, 1, 0); }

void GUI_DrawFocusRect(const GUI_RECT* pRect, int Dist) {
  if (!pRect) {
    return;
  }
  GUI_LockGuard Lock;
  GUI_RECT r;
  GUI__ShrinkRect(&r, pRect, Dist);
  GUI_RECT s;
  if (!GUI__RectToScreen(r.x0, r.y0, r.x1, r.y1, &s)) {
    return;
  }
  GUI_CLIP_ITERATE_START(&s)
    // Every other pixel of the perimeter, clockwise from the top left corner.
    int n = 0;
    auto Dot = [&](int x, int y) {
      if ((n++ & 1) == 0) {
        LCD_DrawPixel(x, y);
      }
    };
    for (int x = s.x0; x <= s.x1; x++) Dot(x, s.y0);
    for (int y = s.y0 + 1; y <= s.y1; y++) Dot(s.x1, y);
    if (s.y1 > s.y0) {
      for (int x = s.x1 - 1; x >= s.x0; x--) Dot(x, s.y1);
    }
    if (s.x1 > s.x0) {
      for (int y = s.y1 - 1; y > s.y0; y--) Dot(s.x0, y);
    }
  GUI_CLIP_ITERATE_END()
}
