// Polygons: outlines and fills (even-odd rule, the outline included).
#include "GUI_Private.h"

#include <algorithm>
#include <vector>

namespace {

// Screen coordinates of the points and their bounding rectangle; false without points.
bool _Prepare(const GUI_POINT* pPoints, int NumPoints, int x0, int y0, std::vector<GUI_POINT>* pOut, GUI_RECT* pBounds) {
  if (!pPoints || NumPoints <= 0) {
    return false;
  }
  int dx = x0 + GUI_pContext->xOff, dy = y0 + GUI_pContext->yOff;
  pOut->resize((size_t)NumPoints);
  int xMin = 32767, yMin = 32767, xMax = -32768, yMax = -32768;
  for (int i = 0; i < NumPoints; i++) {
    GUI_POINT p = {GUI__ClampI16(pPoints[i].x + dx), GUI__ClampI16(pPoints[i].y + dy)};
    (*pOut)[(size_t)i] = p;
    xMin = GUI__Min(xMin, p.x);
    yMin = GUI__Min(yMin, p.y);
    xMax = GUI__Max(xMax, p.x);
    yMax = GUI__Max(yMax, p.y);
  }
  int w = GUI_pContext->PenSize;
  pBounds->x0 = GUI__ClampI16(xMin - (w - 1) / 2);
  pBounds->y0 = GUI__ClampI16(yMin - (w - 1) / 2);
  pBounds->x1 = GUI__ClampI16(xMax + w / 2);
  pBounds->y1 = GUI__ClampI16(yMax + w / 2);
  return true;
}

void _Outline(const std::vector<GUI_POINT>& v) {
  size_t n = v.size();
  if (n == 1) {
    LCD_DrawPixel(v[0].x, v[0].y);
    return;
  }
  for (size_t i = 0; i < n; i++) {
    const GUI_POINT& a = v[i];
    const GUI_POINT& b = v[(i + 1) % n];
    GUI__DrawLine(a.x, a.y, b.x, b.y);
  }
}

void _Fill(const std::vector<GUI_POINT>& v, const GUI_RECT& Bounds) {
  const GUI_RECT* c = GUI_pContext->pClipRect;
  size_t n = v.size();
  std::vector<int> Cross;
  for (int y = GUI__Max(Bounds.y0, c->y0); y <= GUI__Min(Bounds.y1, c->y1); y++) {
    Cross.clear();
    for (size_t i = 0; i < n; i++) {
      const GUI_POINT& a = v[i];
      const GUI_POINT& b = v[(i + 1) % n];
      if (a.y == b.y) {
        continue;
      }
      // Half-open in y so a vertex shared by two edges counts once.
      int ya = GUI__Min(a.y, b.y), yb = GUI__Max(a.y, b.y);
      if (y < ya || y >= yb) {
        continue;
      }
      // The product reaches 2^32 for coordinates far apart: 64 bits.
      Cross.push_back(a.x + (int)GUI__DivideRound64((I64)(y - a.y) * (b.x - a.x), b.y - a.y));
    }
    std::sort(Cross.begin(), Cross.end());
    for (size_t i = 0; i + 1 < Cross.size(); i += 2) {
      LCD_DrawHLine(Cross[i], y, Cross[i + 1]);
    }
  }
}

}  // namespace

void GUI_DrawPolygon(const GUI_POINT* pPoints, int NumPoints, int x0, int y0) {
  GUI_LockGuard Lock;
  std::vector<GUI_POINT> v;
  GUI_RECT Bounds;
  if (!_Prepare(pPoints, NumPoints, x0, y0, &v, &Bounds)) {
    return;
  }
  GUI_CLIP_ITERATE_START(&Bounds)
    _Outline(v);
  GUI_CLIP_ITERATE_END()
}

void GUI_FillPolygon(const GUI_POINT* pPoints, int NumPoints, int x0, int y0) {
  GUI_LockGuard Lock;
  std::vector<GUI_POINT> v;
  GUI_RECT Bounds;
  if (!_Prepare(pPoints, NumPoints, x0, y0, &v, &Bounds)) {
    return;
  }
  // The outline is drawn with a thin solid pen whatever the context's pen is.
  U8 PenSize = GUI_pContext->PenSize, LineStyle = GUI_pContext->LineStyle;
  GUI_pContext->PenSize = 1;
  GUI_pContext->LineStyle = GUI_LS_SOLID;
  GUI_CLIP_ITERATE_START(&Bounds)
    _Fill(v, Bounds);
    _Outline(v);
  GUI_CLIP_ITERATE_END()
  GUI_pContext->PenSize = PenSize;
  GUI_pContext->LineStyle = LineStyle;
}
