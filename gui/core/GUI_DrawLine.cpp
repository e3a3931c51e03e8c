// Lines with pen size and line style, the line-drawing position, and dots of the pen size.
//
// A thick solid line is the union of pen discs along the line. That union is convex, so it is drawn as one
// span per row (exact under XOR). Styled lines put the pattern on the centre line; a thick styled line stamps
// a disc for every centre pixel the pattern leaves on.
#include "GUI_Private.h"

#include <climits>
#include <cstdlib>
#include <vector>

namespace {

// Patterns as on/off run lengths, starting with "on".
const U8 _aDash[] = {6, 3};
const U8 _aDot[] = {1, 2};
const U8 _aDashDot[] = {6, 2, 1, 2};
const U8 _aDashDotDot[] = {6, 2, 1, 2, 1, 2};

struct PATTERN {
  const U8* pRuns;
  int NumRuns;
};

PATTERN _GetPattern(int LineStyle) {
  switch (LineStyle) {
    case GUI_LS_DASH:
      return {_aDash, 2};
    case GUI_LS_DOT:
      return {_aDot, 2};
    case GUI_LS_DASHDOT:
      return {_aDashDot, 4};
    case GUI_LS_DASHDOTDOT:
      return {_aDashDotDot, 6};
    default:
      return {nullptr, 0};
  }
}

// Row extents of a disc of diameter w: for row j (0 .. w-1) the columns a .. b relative to the disc's
// top-left pixel; the pen pixel sits at offset (w - 1) / 2 of both.
struct PEN {
  int w;
  int Off;
  std::vector<int> a, b;
};

void _InitPen(PEN* p, int w) {
  p->w = w;
  p->Off = (w - 1) / 2;
  p->a.assign((size_t)w, 0);
  p->b.assign((size_t)w, -1);
  for (int j = 0; j < w; j++) {
    int dy = 2 * j - (w - 1);
    for (int i = 0; i < w; i++) {
      int dx = 2 * i - (w - 1);
      if (dx * dx + dy * dy <= w * w) {
        if (p->b[(size_t)j] < 0) {
          p->a[(size_t)j] = i;
        }
        p->b[(size_t)j] = i;
      }
    }
  }
}

void _StampPen(const PEN& Pen, int x, int y) {
  for (int j = 0; j < Pen.w; j++) {
    if (Pen.b[(size_t)j] >= Pen.a[(size_t)j]) {
      LCD_DrawHLine(x - Pen.Off + Pen.a[(size_t)j], y - Pen.Off + j, x - Pen.Off + Pen.b[(size_t)j]);
    }
  }
}

// Walks the pixels of the line from (x0, y0) to (x1, y1) inclusive.
template <class F>
void _Walk(int x0, int y0, int x1, int y1, F&& Visit) {
  int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
  int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
  int Err = dx + dy;
  for (;;) {
    Visit(x0, y0);
    if (x0 == x1 && y0 == y1) {
      break;
    }
    int e2 = 2 * Err;
    if (e2 >= dy) {
      Err += dy;
      x0 += sx;
    }
    if (e2 <= dx) {
      Err += dx;
      y0 += sy;
    }
  }
}

void _DrawThinSolid(int x0, int y0, int x1, int y1) {
  if (y0 == y1) {
    LCD_DrawHLine(GUI__Min(x0, x1), y0, GUI__Max(x0, x1));
  } else if (x0 == x1) {
    LCD_DrawVLine(x0, GUI__Min(y0, y1), GUI__Max(y0, y1));
  } else {
    _Walk(x0, y0, x1, y1, [](int x, int y) { LCD_DrawPixel(x, y); });
  }
}

void _DrawThickSolid(int x0, int y0, int x1, int y1, int w) {
  PEN Pen;
  _InitPen(&Pen, w);
  int yTop = GUI__Min(y0, y1) - Pen.Off;
  int NumRows = std::abs(y1 - y0) + w;
  std::vector<int> Left((size_t)NumRows, INT_MAX), Right((size_t)NumRows, INT_MIN);
  _Walk(x0, y0, x1, y1, [&](int x, int y) {
    for (int j = 0; j < w; j++) {
      if (Pen.b[(size_t)j] < Pen.a[(size_t)j]) {
        continue;
      }
      size_t Row = (size_t)(y - Pen.Off + j - yTop);
      Left[Row] = GUI__Min(Left[Row], x - Pen.Off + Pen.a[(size_t)j]);
      Right[Row] = GUI__Max(Right[Row], x - Pen.Off + Pen.b[(size_t)j]);
    }
  });
  const GUI_RECT* c = GUI_pContext->pClipRect;
  for (int Row = 0; Row < NumRows; Row++) {
    int y = yTop + Row;
    if (y >= c->y0 && y <= c->y1 && Left[(size_t)Row] <= Right[(size_t)Row]) {
      LCD_DrawHLine(Left[(size_t)Row], y, Right[(size_t)Row]);
    }
  }
}

void _DrawStyled(int x0, int y0, int x1, int y1, int w, const PATTERN& Pattern) {
  PEN Pen;
  if (w > 1) {
    _InitPen(&Pen, w);
  }
  int Run = 0, Left = Pattern.pRuns[0];
  _Walk(x0, y0, x1, y1, [&](int x, int y) {
    if ((Run & 1) == 0) {
      if (w > 1) {
        _StampPen(Pen, x, y);
      } else {
        LCD_DrawPixel(x, y);
      }
    }
    if (--Left == 0) {
      Run = (Run + 1) % Pattern.NumRuns;
      Left = Pattern.pRuns[Run];
    }
  });
}

}  // namespace

void GUI__DrawLine(int x0, int y0, int x1, int y1) {
  int w = GUI_pContext->PenSize;
  PATTERN Pattern = _GetPattern(GUI_pContext->LineStyle);
  if (Pattern.pRuns) {
    _DrawStyled(x0, y0, x1, y1, w, Pattern);
  } else if (w <= 1) {
    _DrawThinSolid(x0, y0, x1, y1);
  } else {
    _DrawThickSolid(x0, y0, x1, y1, w);
  }
}

void GUI__MoveTo(int x, int y) {
  GUI_pContext->DrawPosX = x;
  GUI_pContext->DrawPosY = y;
}

void GUI__DrawLineTo(int x, int y) {
  GUI__DrawLine(GUI_pContext->DrawPosX, GUI_pContext->DrawPosY, x, y);
  GUI__MoveTo(x, y);
}

namespace {

// Screen rectangle touched by a line of the current pen between two screen points.
GUI_RECT _LineBounds(int x0, int y0, int x1, int y1) {
  int w = GUI_pContext->PenSize;
  int Lo = (w - 1) / 2, Hi = w / 2;
  GUI_RECT r;
  r.x0 = GUI__ClampI16(GUI__Min(x0, x1) - Lo);
  r.y0 = GUI__ClampI16(GUI__Min(y0, y1) - Lo);
  r.x1 = GUI__ClampI16(GUI__Max(x0, x1) + Hi);
  r.y1 = GUI__ClampI16(GUI__Max(y0, y1) + Hi);
  return r;
}

void _DrawLineScreen(int x0, int y0, int x1, int y1) {
  GUI_RECT r = _LineBounds(x0, y0, x1, y1);
  GUI_CLIP_ITERATE_START(&r)
    GUI__DrawLine(x0, y0, x1, y1);
  GUI_CLIP_ITERATE_END()
}

}  // namespace

void GUI_DrawLine(int x0, int y0, int x1, int y1) {
  GUI_LockGuard Lock;
  int dx = GUI_pContext->xOff, dy = GUI_pContext->yOff;
  _DrawLineScreen(x0 + dx, y0 + dy, x1 + dx, y1 + dy);
}

void GUI_MoveTo(int x, int y) {
  GUI_LockGuard Lock;
  GUI__MoveTo(x + GUI_pContext->xOff, y + GUI_pContext->yOff);
}

void GUI_MoveRel(int dx, int dy) {
  GUI_LockGuard Lock;
  GUI__MoveTo(GUI_pContext->DrawPosX + dx, GUI_pContext->DrawPosY + dy);
}

void GUI_DrawLineTo(int x, int y) {
  GUI_LockGuard Lock;
  int xs = x + GUI_pContext->xOff, ys = y + GUI_pContext->yOff;
  _DrawLineScreen(GUI_pContext->DrawPosX, GUI_pContext->DrawPosY, xs, ys);
  GUI__MoveTo(xs, ys);
}

void GUI_DrawLineRel(int dx, int dy) {
  GUI_LockGuard Lock;
  int xs = GUI_pContext->DrawPosX + dx, ys = GUI_pContext->DrawPosY + dy;
  _DrawLineScreen(GUI_pContext->DrawPosX, GUI_pContext->DrawPosY, xs, ys);
  GUI__MoveTo(xs, ys);
}

void GUI_DrawPoint(int x, int y) {
  GUI_LockGuard Lock;
  int xs = x + GUI_pContext->xOff, ys = y + GUI_pContext->yOff;
  int w = GUI_pContext->PenSize;
  GUI_RECT r = _LineBounds(xs, ys, xs, ys);
  GUI_CLIP_ITERATE_START(&r)
    if (w <= 1) {
      LCD_DrawPixel(xs, ys);
    } else {
      PEN Pen;
      _InitPen(&Pen, w);
      _StampPen(Pen, xs, ys);
    }
  GUI_CLIP_ITERATE_END()
}

