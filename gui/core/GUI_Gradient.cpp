// Colour gradients, plain and in rounded rectangles.
#include "GUI_Private.h"

namespace {

// The colour at step i of n steps (0 .. n - 1) from c0 to c1, each byte rounded to nearest.
GUI_COLOR _ColorAt(GUI_COLOR c0, GUI_COLOR c1, int i, int n) {
  if (n <= 1) {
    return c0;
  }
  GUI_COLOR c = 0;
  for (int Shift = 0; Shift < 32; Shift += 8) {
    int a = (int)((c0 >> Shift) & 0xFF), b = (int)((c1 >> Shift) & 0xFF);
    int v = a + GUI__DivideRound32((b - a) * i, n - 1);
    c |= (GUI_COLOR)(v & 0xFF) << Shift;
  }
  return c;
}

// Draws the rows (Vertical) or columns of a rounded rectangle, each in its colour of the gradient.
void _Gradient(const GUI_RECT& r, int Radius, GUI_COLOR c0, GUI_COLOR c1, bool Vertical) {
  const GUI_RECT* pClip = GUI_pContext->pClipRect;
  LCD_PIXELINDEX Saved = LCD_GetColorIndex();
  GUI_ROUNDED_SHAPE Shape;
  if (Vertical) {
    GUI__InitRoundedShape(&Shape, r.x0, r.y0, r.x1, r.y1, Radius);
  } else {
    // Columns of the rectangle are rows of its transpose.
    GUI__InitRoundedShape(&Shape, r.y0, r.x0, r.y1, r.x1, Radius);
  }
  int First = Vertical ? r.y0 : r.x0, Last = Vertical ? r.y1 : r.x1;
  int ClipFirst = Vertical ? pClip->y0 : pClip->x0, ClipLast = Vertical ? pClip->y1 : pClip->x1;
  int n = Last - First + 1;
  LCD_PIXELINDEX LastIndex = 0;
  bool HaveIndex = false;
  for (int v = GUI__Max(First, ClipFirst); v <= GUI__Min(Last, ClipLast); v++) {
    int a, b;
    if (!GUI__GetRoundedSpan(&Shape, v, &a, &b)) {
      continue;
    }
    LCD_PIXELINDEX Index = LCD_Color2Index(_ColorAt(c0, c1, v - First, n));
    if (!HaveIndex || Index != LastIndex) {
      LCD_SetColorIndex(Index);
      LastIndex = Index;
      HaveIndex = true;
    }
    if (Vertical) {
      LCD_DrawHLine(a, v, b);
    } else {
      LCD_DrawVLine(v, a, b);
    }
  }
  LCD_SetColorIndex(Saved);
}

void _DrawGradient(int x0, int y0, int x1, int y1, int Radius, GUI_COLOR c0, GUI_COLOR c1, bool Vertical) {
  GUI_LockGuard Lock;
  GUI_RECT r;
  if (!GUI__RectToScreen(x0, y0, x1, y1, &r)) {
    return;
  }
  GUI_CLIP_ITERATE_START(&r)
    _Gradient(r, Radius, c0, c1, Vertical);
  GUI_CLIP_ITERATE_END()
}

}  // namespace

void GUI_DrawGradientV(int x0, int y0, int x1, int y1, GUI_COLOR Color0, GUI_COLOR Color1) {
  _DrawGradient(x0, y0, x1, y1, 0, Color0, Color1, true);
}

void GUI_DrawGradientH(int x0, int y0, int x1, int y1, GUI_COLOR Color0, GUI_COLOR Color1) {
  _DrawGradient(x0, y0, x1, y1, 0, Color0, Color1, false);
}

void GUI_DrawGradientRoundedV(int x0, int y0, int x1, int y1, int r, GUI_COLOR Color0, GUI_COLOR Color1) {
  _DrawGradient(x0, y0, x1, y1, r, Color0, Color1, true);
}

void GUI_DrawGradientRoundedH(int x0, int y0, int x1, int y1, int r, GUI_COLOR Color0, GUI_COLOR Color1) {
  _DrawGradient(x0, y0, x1, y1, r, Color0, Color1, false);
}
