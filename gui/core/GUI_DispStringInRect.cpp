// Text placed in a rectangle: aligned, limited to a number of characters, wrapped by words or characters,
// clipped to the rectangle, optionally rotated.
#include "GUI_FontPrivate.h"

namespace {

// Lines of a text in a rectangle: each one's characters to draw and characters up to the next line.
struct LINE {
  const char* s;
  int NumDisp;
};

template <class F> int _ForEachLine(const char* s, int xSize, int MaxNumChars, int WrapMode, F f) {
  int Lines = 0;
  while (*s && MaxNumChars > 0) {
    int NumDisp, NumNext;
    if (WrapMode == GUI_WRAPMODE_NONE) {
      NumDisp = GUI__GetLineNumChars(s, MaxNumChars);
      const char* p = s + GUI_UC__CountBytes(s, NumDisp);
      NumNext = NumDisp + (*p == '\r' && p[1] == '\n' ? 2 : (*p == '\r' || *p == '\n') ? 1 : 0);
    } else {
      NumNext = GUI__WrapLineChars(s, xSize, WrapMode);
      NumDisp = GUI__WrapGetNumCharsDisp(s, xSize, WrapMode);
    }
    if (NumDisp > MaxNumChars) NumDisp = MaxNumChars;
    f(LINE{s, NumDisp}, Lines);
    ++Lines;
    s += GUI_UC__CountBytes(s, NumNext);
    MaxNumChars -= NumNext;
  }
  return Lines;
}

int _AlignX(int x0, int x1, int w, int Align) {
  switch (Align & GUI_TA_HORIZONTAL) {
  case GUI_TA_RIGHT: return x1 - w + 1;
  case GUI_TA_HCENTER: return x0 + (x1 - x0 + 1 - w) / 2;
  default: return x0;
  }
}

int _AlignY(int y0, int y1, int h, int Align) {
  switch (Align & GUI_TA_VERTICAL) {
  case GUI_TA_BOTTOM: return y1 - h + 1;
  case GUI_TA_VCENTER: return y0 + (y1 - y0 + 1 - h) / 2;
  default: return y0;
  }
}

void _DispInRect(const char* s, const GUI_RECT& r, int Align, int MaxNumChars, int WrapMode) {
  GUI_CONTEXT* pContext = GUI_pContext;
  const GUI_FONT* pFont = pContext->pAFont;
  int xSize = r.x1 - r.x0 + 1;
  int DistY = GUI_GetYDistOfFont(pFont);
  int NumLines = _ForEachLine(s, xSize, MaxNumChars, WrapMode, [](const LINE&, int) {});
  int y = _AlignY(r.y0, r.y1, NumLines * DistY, Align);
  GUI_RECT rClip = r;
  GUI_MoveRect(&rClip, pContext->xOff, pContext->yOff);
  const GUI_RECT* pOldClip = GUI__SetTextClip(&rClip);
  GUI_RECT rLine = {r.x0, 0, r.x1, 0};
  _ForEachLine(s, xSize, MaxNumChars, WrapMode, [&](const LINE& Line, int i) {
    int w = GUI__GetLineDistX(Line.s, Line.NumDisp);
    pContext->DispPosX = static_cast<I16>(_AlignX(r.x0, r.x1, w, Align));
    pContext->DispPosY = static_cast<I16>(y + i * DistY);
    rLine.y0 = pContext->DispPosY;
    rLine.y1 = static_cast<I16>(rLine.y0 + GUI_GetYSizeOfFont(pFont) - 1);
    GUI__DispLine(Line.s, Line.NumDisp, &rLine);
  });
  GUI__SetTextClip(pOldClip);
}

// Rotated text: laid out in a box of the rectangle's size (sides exchanged for quarter turns) and drawn
// pixel by pixel through the rotation's mapping.
void _DispRotated(const char* s, const GUI_RECT& r, int Align, int MaxNumChars, const GUI_ROTATION* pRot) {
  GUI_CONTEXT* pContext = GUI_pContext;
  const GUI_FONT* pFont = pContext->pAFont;
  GUI_RECT rScreen = r;
  GUI_MoveRect(&rScreen, pContext->xOff, pContext->yOff);
  int W = r.x1 - r.x0 + 1, H = r.y1 - r.y0 + 1;
  if (pRot->SwapXY) {
    int t = W;
    W = H;
    H = t;
  }
  int DistY = GUI_GetYDistOfFont(pFont), SizeY = GUI_GetYSizeOfFont(pFont);
  int xMag = pFont->XMag, yMag = pFont->YMag;
  int Bpp = pFont->pType->BitsPerPixel;
  int NumLines = _ForEachLine(s, W, MaxNumChars, GUI_WRAPMODE_NONE, [](const LINE&, int) {});
  int v0 = _AlignY(0, H - 1, NumLines * DistY, Align);
  LCD_PIXELINDEX Fg, Bg;
  GUI__GetTextIndices(&Fg, &Bg);
  int Mode = pContext->TextMode;
  auto Map = [&](int u, int v, int* px, int* py) { pRot->pfMap(&rScreen, u, v, px, py); };
  auto FillBox = [&](int u0, int v0, int u1, int v1, LCD_PIXELINDEX Index) {
    int xa, ya, xb, yb;
    Map(u0, v0, &xa, &ya);
    Map(u1, v1, &xb, &yb);
    LCD_PIXELINDEX Old = LCD_GetColorIndex();
    LCD_SetColorIndex(Index);
    LCD_FillRect(xa < xb ? xa : xb, ya < yb ? ya : yb, xa < xb ? xb : xa, ya < yb ? yb : ya);
    LCD_SetColorIndex(Old);
  };
  int OldMode = LCD_SetDrawMode((Mode & GUI_TM_XOR) ? LCD_DRAWMODE_XOR : LCD_DRAWMODE_NORMAL);
  GUI_CLIP_ITERATE_START(&rScreen)
    GUI_RECT rSave = pContext->ClipRect;
    if (GUI__IntersectRects(&pContext->ClipRect, &rSave, &rScreen)) {
      _ForEachLine(s, W, MaxNumChars, GUI_WRAPMODE_NONE, [&](const LINE& Line, int i) {
        int w = GUI__GetWidthOfChars(Line.s, Line.NumDisp, Line.NumDisp);
        int u = _AlignX(0, W - 1, GUI__GetLineDistX(Line.s, Line.NumDisp), Align);
        int v = v0 + i * DistY;
        if (!(Mode & (GUI_TM_TRANS | GUI_TM_XOR)) && w > 0) FillBox(u, v, u + w - 1, v + SizeY - 1, Bg);
        const char* p = Line.s;
        for (int k = 0; k < Line.NumDisp && *p; ++k) {
          const GUI_CHARINFO_EXT* pInfo = GUI__FindCharInfo(pFont, GUI_UC__ReadCharCode(&p));
          if (!pInfo) continue;
          int Dist = pInfo->XDist * xMag;
          int uInk = u + pInfo->XPos * xMag, vInk = v + pInfo->YPos * yMag;
          GUI__DrawInkPixels(pInfo, Bpp, xMag, yMag,
                             [&](int du, int dv, int* px, int* py) { Map(uInk + du, vInk + dv, px, py); });
          u += Dist;
        }
        if ((pContext->TextStyle & GUI_TS_UNDERLINE) && w > 0) {
          int uStart = _AlignX(0, W - 1, GUI__GetLineDistX(Line.s, Line.NumDisp), Align);
          int vLine = v + GUI__GetUnderlineRow(pFont) * yMag;
          FillBox(uStart, vLine, uStart + w - 1, vLine + yMag - 1, Fg);
        }
      });
    }
    pContext->ClipRect = rSave;
  GUI_CLIP_ITERATE_END()
  LCD_SetDrawMode(OldMode);
}

void _MapCCW(const GUI_RECT* r, int u, int v, int* px, int* py) {
  *px = r->x0 + v;
  *py = r->y1 - u;
}

void _MapCW(const GUI_RECT* r, int u, int v, int* px, int* py) {
  *px = r->x1 - v;
  *py = r->y0 + u;
}

void _Map180(const GUI_RECT* r, int u, int v, int* px, int* py) {
  *px = r->x1 - u;
  *py = r->y1 - v;
}

} // namespace

const GUI_ROTATION GUI_RotateCCW = {_MapCCW, 1};
const GUI_ROTATION GUI_Rotate180 = {_Map180, 0};
const GUI_ROTATION GUI_RotateCW = {_MapCW, 1};

namespace {

void _DispStringInRect(const char* s, const GUI_RECT* pRect, int Align, int MaxNumChars, int WrapMode,
                       const GUI_ROTATION* pRotation) {
  if (!s) return;
  GUI_Lock();
  if (GUI_pContext->pAFont) {
    GUI_RECT r;
    if (pRect)
      r = *pRect;
    else
      GUI_GetClientRect(&r);
    if (r.x0 <= r.x1 && r.y0 <= r.y1) {
      if (pRotation)
        _DispRotated(s, r, Align, MaxNumChars, pRotation);
      else
        _DispInRect(s, r, Align, MaxNumChars, WrapMode);
    }
  }
  GUI_Unlock();
}

} // namespace

void GUI_DispStringInRectEx(const char* s, GUI_RECT* pRect, int Align, int MaxNumChars,
                            const GUI_ROTATION* pRotation) {
  _DispStringInRect(s, pRect, Align, MaxNumChars, GUI_WRAPMODE_NONE, pRotation);
}

void GUI_DispStringInRectMax(const char* s, GUI_RECT* pRect, int Align, int MaxNumChars) {
  _DispStringInRect(s, pRect, Align, MaxNumChars, GUI_WRAPMODE_NONE, GUI_ROTATE_0);
}

void GUI_DispStringInRect(const char* s, GUI_RECT* pRect, int Align) {
  _DispStringInRect(s, pRect, Align, 0x7FFF, GUI_WRAPMODE_NONE, GUI_ROTATE_0);
}

void GUI_DispStringInRectWrap(const char* s, GUI_RECT* pRect, int Align, int WrapMode) {
  _DispStringInRect(s, pRect, Align, 0x7FFF, WrapMode, GUI_ROTATE_0);
}
