// Round shapes in window coordinates: rounded rectangles and frames, their corners, circles and the
// ring-coloured round box. Every shape is drawn as one span per row, so XOR drawing never touches a pixel twice.
#include "GUI_Private.h"

#include <vector>

#define ROUND_MAX_RADIUS 255

void GUI__CalcCircleExtents(int r, int* pExt) {
  for (int k = 0; k <= r; k++) {
    pExt[k] = 0;
  }
  // Midpoint circle: every point (x, y) of the first octant and its mirror (y, x).
  int x = r, y = 0, d = 1 - r;
  while (x >= y) {
    if (pExt[y] < x) pExt[y] = x;
    if (pExt[x] < y) pExt[x] = y;
    y++;
    if (d < 0) {
      d += 2 * y + 1;
    } else {
      x--;
      d += 2 * (y - x) + 1;
    }
  }
}

void GUI__InitRoundedShape(GUI_ROUNDED_SHAPE* p, int x0, int y0, int x1, int y1, int r) {
  int MaxR = GUI__Min((x1 - x0) / 2, (y1 - y0) / 2);
  r = GUI__Min(GUI__Min(r, MaxR), ROUND_MAX_RADIUS);
  if (r < 0) {
    r = 0;
  }
  p->x0 = x0;
  p->y0 = y0;
  p->x1 = x1;
  p->y1 = y1;
  p->r = r;
  GUI__CalcCircleExtents(r, p->aExt);
}

bool GUI__GetRoundedSpan(const GUI_ROUNDED_SHAPE* p, int y, int* pxl, int* pxr) {
  if (y < p->y0 || y > p->y1 || p->x0 > p->x1) {
    return false;
  }
  int r = p->r;
  int k = -1;  // distance from the corner centre's row, -1 in the straight part
  if (y < p->y0 + r) {
    k = p->y0 + r - y;
  } else if (y > p->y1 - r) {
    k = y - (p->y1 - r);
  }
  if (k < 0) {
    *pxl = p->x0;
    *pxr = p->x1;
  } else {
    *pxl = p->x0 + r - p->aExt[k];
    *pxr = p->x1 - r + p->aExt[k];
  }
  return true;
}

void GUI__FillSpanColor(int x0, int y, int x1, GUI_COLOR Color) {
  LCD_PIXELINDEX Saved = LCD_GetColorIndex();
  LCD_SetColorIndex(LCD_Color2Index(Color));
  LCD_DrawHLine(x0, y, x1);
  LCD_SetColorIndex(Saved);
}

namespace {

// The frame between a rounded rectangle and the one inset by w, row by row, through the row routine.
template <class F>
void _ForFrameSpans(int x0, int y0, int x1, int y1, int r, int w, F&& Span) {
  GUI_ROUNDED_SHAPE Outer, Inner;
  GUI__InitRoundedShape(&Outer, x0, y0, x1, y1, r);
  GUI__InitRoundedShape(&Inner, x0 + w, y0 + w, x1 - w, y1 - w, Outer.r - w);
  for (int y = y0; y <= y1; y++) {
    int l, rr, il, ir;
    if (!GUI__GetRoundedSpan(&Outer, y, &l, &rr)) {
      continue;
    }
    if (w > 0 && GUI__GetRoundedSpan(&Inner, y, &il, &ir) && il <= ir) {
      Span(l, y, il - 1, true);
      Span(ir + 1, y, rr, true);
      Span(il, y, ir, false);
    } else {
      Span(l, y, rr, true);
    }
  }
}

void _FillRounded(const GUI_RECT& r, int Radius) {
  GUI_ROUNDED_SHAPE Shape;
  GUI__InitRoundedShape(&Shape, r.x0, r.y0, r.x1, r.y1, Radius);
  const GUI_RECT* c = GUI_pContext->pClipRect;
  int ys = GUI__Max(r.y0, c->y0), ye = GUI__Min(r.y1, c->y1);
  for (int y = ys; y <= ye; y++) {
    int l, rr;
    if (GUI__GetRoundedSpan(&Shape, y, &l, &rr)) {
      LCD_DrawHLine(l, y, rr);
    }
  }
}

void _DrawFrame(const GUI_RECT& r, int Radius, int w) {
  _ForFrameSpans(r.x0, r.y0, r.x1, r.y1, Radius, w, [](int xl, int y, int xr, bool OnFrame) {
    if (OnFrame && xl <= xr) {
      LCD_DrawHLine(xl, y, xr);
    }
  });
}

// Corners of a rounded rectangle: what lies outside the shape, its one-pixel outline and its inside, each in
// its own colour (GUI_INVALID_COLOR leaves that part alone), within the r x r corner squares of the rows
// y0 .. yLast.
void _FillCorners(int x0, int y0, int x1, int y1, int r, int yLast, GUI_COLOR ColorOuter, GUI_COLOR ColorInner,
                  GUI_COLOR ColorFill) {
  GUI_ROUNDED_SHAPE Outer, Inner;
  GUI__InitRoundedShape(&Outer, x0, y0, x1, y1, r);
  r = Outer.r;
  if (r <= 0) {
    return;
  }
  GUI__InitRoundedShape(&Inner, x0 + 1, y0 + 1, x1 - 1, y1 - 1, r - 1);
  auto Part = [&](int xl, int y, int xr, GUI_COLOR Color) {
    if (Color == GUI_INVALID_COLOR) {
      return;
    }
    const int aRange[2][2] = {{x0, x0 + r - 1}, {x1 - r + 1, x1}};
    for (const auto& Range : aRange) {
      int a = GUI__Max(xl, Range[0]), b = GUI__Min(xr, Range[1]);
      if (a <= b) {
        GUI__FillSpanColor(a, y, b, Color);
      }
    }
  };
  for (int y = y0; y <= GUI__Min(y1, yLast); y++) {
    if (y >= y0 + r && y <= y1 - r) {
      continue;
    }
    int l, rr, il, ir;
    GUI__GetRoundedSpan(&Outer, y, &l, &rr);
    Part(x0, y, l - 1, ColorOuter);
    Part(rr + 1, y, x1, ColorOuter);
    if (GUI__GetRoundedSpan(&Inner, y, &il, &ir) && il <= ir) {
      Part(l, y, il - 1, ColorInner);
      Part(ir + 1, y, rr, ColorInner);
      Part(il, y, ir, ColorFill);
    } else {
      Part(l, y, rr, ColorInner);
    }
  }
}

}  // namespace

void GUI_FillRoundedRect(int x0, int y0, int x1, int y1, int r) {
  GUI_LockGuard Lock;
  GUI_RECT Rect;
  if (!GUI__RectToScreen(x0, y0, x1, y1, &Rect)) {
    return;
  }
  GUI_CLIP_ITERATE_START(&Rect)
    _FillRounded(Rect, r);
  GUI_CLIP_ITERATE_END()
}

void GUI_FillRoundedRectEx(const GUI_RECT* pRect, int r) {
  if (pRect) {
    GUI_FillRoundedRect(pRect->x0, pRect->y0, pRect->x1, pRect->y1, r);
  }
}

void GUI_DrawRoundedFrame(int x0, int y0, int x1, int y1, int r, int w) {
  if (w <= 0) {
    return;
  }
  GUI_LockGuard Lock;
  GUI_RECT Rect;
  if (!GUI__RectToScreen(x0, y0, x1, y1, &Rect)) {
    return;
  }
  GUI_CLIP_ITERATE_START(&Rect)
    _DrawFrame(Rect, r, w);
  GUI_CLIP_ITERATE_END()
}

void GUI_DrawRoundedRect(int x0, int y0, int x1, int y1, int r) { GUI_DrawRoundedFrame(x0, y0, x1, y1, r, 1); }

void GUI__FillRoundedCorners(int x0, int y0, int x1, int y1, int r, GUI_COLOR ColorOuter, GUI_COLOR ColorInner,
                             GUI_COLOR ColorFill) {
  GUI_LockGuard Lock;
  GUI_RECT Rect;
  if (!GUI__RectToScreen(x0, y0, x1, y1, &Rect)) {
    return;
  }
  GUI_CLIP_ITERATE_START(&Rect)
    _FillCorners(Rect.x0, Rect.y0, Rect.x1, Rect.y1, r, Rect.y1, ColorOuter, ColorInner, ColorFill);
  GUI_CLIP_ITERATE_END()
}

void GUI__FillRoundedCornersTop(int x0, int x1, int y0, int r, GUI_COLOR ColorOuter, GUI_COLOR ColorInner,
                                GUI_COLOR ColorFill) {
  if (r <= 0) {
    return;
  }
  GUI_LockGuard Lock;
  GUI_RECT Rect;
  if (!GUI__RectToScreen(x0, y0, x1, y0 + r - 1, &Rect)) {
    return;
  }
  // The corners of a shape tall enough to hold both corner radii; only its top rows are drawn.
  GUI_CLIP_ITERATE_START(&Rect)
    _FillCorners(Rect.x0, Rect.y0, Rect.x1, Rect.y0 + 2 * r + 1, r, Rect.y1, ColorOuter, ColorInner, ColorFill);
  GUI_CLIP_ITERATE_END()
}

void GUI__FillRoundedBox(int x0, int y0, int Size, GUI_COLOR Color0, GUI_COLOR Color1, GUI_COLOR Color2,
                         GUI_COLOR Color3) {
  if (Size <= 0) {
    return;
  }
  GUI_LockGuard Lock;
  GUI_RECT Rect;
  if (!GUI__RectToScreen(x0, y0, x0 + Size - 1, y0 + Size - 1, &Rect)) {
    return;
  }
  const GUI_COLOR aColor[4] = {Color0, Color1, Color2, Color3};
  GUI_CLIP_ITERATE_START(&Rect)
    for (int Ring = 0; Ring < 4; Ring++) {
      GUI_RECT r = {(I16)(Rect.x0 + Ring), (I16)(Rect.y0 + Ring), (I16)(Rect.x1 - Ring), (I16)(Rect.y1 - Ring)};
      if (r.x0 > r.x1 || r.y0 > r.y1) {
        break;
      }
      int Radius = Size / 2 - Ring;
      int w = Ring < 3 ? 1 : 0;
      _ForFrameSpans(r.x0, r.y0, r.x1, r.y1, Radius, w, [&](int xl, int y, int xr, bool OnFrame) {
        if (OnFrame && xl <= xr) {
          GUI__FillSpanColor(xl, y, xr, aColor[Ring]);
        }
      });
    }
  GUI_CLIP_ITERATE_END()
}

namespace {

// A circle's screen centre, bounds and row extents; false when there is nothing to draw.
struct CIRCLE {
  GUI_RECT Rect;
  std::vector<int> Ext;
  int xc, yc;
};

bool _InitCircle(CIRCLE* p, int x0, int y0, int r) {
  if (r < 0 || !GUI__RectToScreen(x0 - r, y0 - r, x0 + r, y0 + r, &p->Rect)) {
    return false;
  }
  p->Ext.assign((size_t)r + 2, 0);
  GUI__CalcCircleExtents(r, p->Ext.data());
  p->xc = x0 + GUI_pContext->xOff;
  p->yc = y0 + GUI_pContext->yOff;
  return true;
}

}  // namespace

void GUI_FillCircle(int x0, int y0, int r) {
  GUI_LockGuard Lock;
  CIRCLE c;
  if (!_InitCircle(&c, x0, y0, r)) {
    return;
  }
  const std::vector<int>& Ext = c.Ext;
  int xc = c.xc, yc = c.yc;
  GUI_CLIP_ITERATE_START(&c.Rect)
    for (int k = -r; k <= r; k++) {
      int e = Ext[(size_t)(k < 0 ? -k : k)];
      LCD_DrawHLine(xc - e, yc + k, xc + e);
    }
  GUI_CLIP_ITERATE_END()
}

void GUI_DrawCircle(int x0, int y0, int r) {
  GUI_LockGuard Lock;
  CIRCLE c;
  if (!_InitCircle(&c, x0, y0, r)) {
    return;
  }
  const std::vector<int>& Ext = c.Ext;
  int xc = c.xc, yc = c.yc;
  GUI_CLIP_ITERATE_START(&c.Rect)
    // Each row of the outline runs from the row's extent in to the extent of the row nearer the rim.
    for (int k = -r; k <= r; k++) {
      int a = k < 0 ? -k : k;
      int e = Ext[(size_t)a];
      int Inner = (a < r) ? Ext[(size_t)a + 1] + 1 : 0;
      if (Inner > e) {
        Inner = e;
      }
      if (Inner == 0) {
        LCD_DrawHLine(xc - e, yc + k, xc + e);
      } else {
        LCD_DrawHLine(xc - e, yc + k, xc - Inner);
        LCD_DrawHLine(xc + Inner, yc + k, xc + e);
      }
    }
  GUI_CLIP_ITERATE_END()
}
