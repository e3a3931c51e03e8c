// Drawing one sub-image of a GIF file. Rows are decoded one at a time (interlaced images through their four
// passes) and go to the drawing target as lines of device indices, transparent pixels left out; scaled
// drawing turns each used pixel into a block, runs of one index into one rectangle. No picture buffer: the
// context and one row are all the memory a draw takes.
//
// Whether the image's data are whole decides the result, wherever the picture lies and whatever covers it, so
// the image is decoded to its end once per paint pass; the pass keeps what that found, and the draw's other
// visible rectangles (a window's paint draws once per rectangle and band) stop after the last row they show.
#include "GUI_GIF_Private.h"
#include "GUI_ImageDraw.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace {

int _DrawBackground = 1;

struct _DRAW {
  int x0, y0;            // screen position of the logical screen
  int Index;             // sub-image to draw
  long long Num, Denom;  // 1, 1 when unscaled
  int Scaled;
  GUI_GIF__IMAGE Prev;   // the image in front of the one drawn
  int HavePrev;
  GUI_RECT Bounds;       // the logical screen on the target, already met with the clip rectangle
  int Drawn;             // 1: the image was found
  GUI_GET_DATA_FUNC* pfGetData;  // the file: its reader and what the caller gave (memory: the bytes)
  const void* pSource;
  U32 NumBytes;
};

// An image decoded to its end in the open paint pass, and what that found.
struct _WHOLE {
  U32 Pass;
  GUI_GET_DATA_FUNC* pfGetData;
  const void* pSource;
  U32 NumBytes;
  int Index;
  U32 Print;  // of the image as read this time: its place in the file, descriptor and colours
  int Bad;
};

_WHOLE _aWhole[8];  // a paint may draw several pictures; the oldest entry goes first
int _NextWhole;

U32 _Print(const GUI_GIF__CONTEXT* p, const GUI_GIF__IMAGE* im, const GUI_GIF__CONTROL* pControl) {
  U32 h = 2166136261u;
  auto Add = [&h](U32 v) {
    for (int i = 0; i < 4; i++, v >>= 8) {
      h = (h ^ (v & 0xFF)) * 16777619u;
    }
  };
  for (int v : {int(p->Off), im->xPos, im->yPos, im->xSize, im->ySize, im->Interlaced, im->NumColors,
                pControl->TransIndex}) {
    Add(U32(v));
  }
  for (int i = 0; i < im->NumColors; i++) {
    Add(p->aColor[i]);
  }
  return h;
}

const _WHOLE* _FindWhole(const _DRAW* d, U32 Print) {
  U32 Pass = GUI__GetPaintPass();
  if (!Pass) {
    return nullptr;
  }
  for (const _WHOLE& w : _aWhole) {
    if (w.Pass == Pass && w.pfGetData == d->pfGetData && w.pSource == d->pSource && w.NumBytes == d->NumBytes &&
        w.Index == d->Index && w.Print == Print) {
      return &w;
    }
  }
  return nullptr;
}

void _KeepWhole(const _DRAW* d, U32 Print, int Bad) {
  if (U32 Pass = GUI__GetPaintPass()) {
    _aWhole[_NextWhole] = _WHOLE{Pass, d->pfGetData, d->pSource, d->NumBytes, d->Index, Print, Bad};
    _NextWhole = (_NextWhole + 1) % int(std::size(_aWhole));
  }
}

// Target offset of logical-screen coordinate v (nearest pixel when scaled).
int _Map(const _DRAW* d, long long v) { return int((v * d->Num + d->Denom / 2) / d->Denom); }

// The target rows that image row r covers, cut to the bounds; none when *pt0 > *pt1.
void _TargetRows(const _DRAW* d, const GUI_GIF__IMAGE* im, int r, int* pt0, int* pt1) {
  *pt0 = std::max(d->y0 + _Map(d, im->yPos + r), int(d->Bounds.y0));
  *pt1 = std::min(d->y0 + _Map(d, im->yPos + r + 1) - 1, int(d->Bounds.y1));
}

// 1 when some of the image's columns lie inside the bounds.
int _ColumnsShow(const _DRAW* d, const GUI_GIF__IMAGE* im) {
  return d->x0 + _Map(d, im->xPos + im->xSize) - 1 >= d->Bounds.x0 && d->x0 + _Map(d, im->xPos) <= d->Bounds.x1;
}

// Rows of the image that show inside the bounds, its columns showing.
int _CountShownRows(const _DRAW* d, const GUI_GIF__IMAGE* im) {
  int n = 0;
  for (int r = 0; r < im->ySize; r++) {
    int t0, t1;
    _TargetRows(d, im, r, &t0, &t1);
    n += t0 <= t1;
  }
  return n;
}

void _Fill(const _DRAW* d, long long x0, long long y0, long long x1, long long y1) {
  // Logical-screen rectangle [x0, x1) x [y0, y1) on the target, kept inside the bounds.
  int a = std::max(d->x0 + _Map(d, x0), int(d->Bounds.x0)), b = std::min(d->x0 + _Map(d, x1) - 1, int(d->Bounds.x1));
  int c = std::max(d->y0 + _Map(d, y0), int(d->Bounds.y0)), e = std::min(d->y0 + _Map(d, y1) - 1, int(d->Bounds.y1));
  if (a <= b && c <= e) {
    LCD_FillRect(a, c, b, e);
  }
}

// Restore to background: what the previous image covered and this one does not becomes background.
void _ClearPrevious(const _DRAW* d, const GUI_GIF__IMAGE* pCur) {
  const GUI_GIF__IMAGE& p = d->Prev;
  long long px1 = p.xPos + p.xSize, py1 = p.yPos + p.ySize;
  long long cx0 = pCur->xPos, cy0 = pCur->yPos, cx1 = cx0 + pCur->xSize, cy1 = cy0 + pCur->ySize;
  LCD_SetColorIndex(LCD_GetBkColorIndex());
  long long Top = std::min(std::max<long long>(cy0, p.yPos), py1), Bottom = std::max(std::min(cy1, py1), Top);
  _Fill(d, p.xPos, p.yPos, px1, Top);                                  // above the current image
  _Fill(d, p.xPos, Bottom, px1, py1);                                   // below it
  _Fill(d, p.xPos, Top, std::min(std::max<long long>(cx0, p.xPos), px1), Bottom);  // left of it
  _Fill(d, std::max(std::min(cx1, px1), (long long)p.xPos), Top, px1, Bottom);     // right of it
}

struct _ROW_OUT {
  const _DRAW* d;
  const GUI_GIF__IMAGE* pImage;
  LCD_PIXELINDEX aIndex[256];
  int TransIndex;  // -1: none
  int TransAsBk;   // transparent pixels are drawn in the background index
  LCD_PIXELINDEX Bk;
  GUI__INDEX_LINE Line;
};

// A row of the image on target rows t0 to t1 (one row unscaled), n decoded pixels of it.
void _DrawRow(_ROW_OUT* o, int t0, int t1, const U8* pRow, int n) {
  const _DRAW* d = o->d;
  const GUI_GIF__IMAGE* im = o->pImage;
  if (!d->Scaled) {
    int xs = d->x0 + im->xPos;
    int c0 = std::max(0, d->Bounds.x0 - xs), c1 = std::min(n - 1, d->Bounds.x1 - xs);
    if (o->Line.Buffer.size() < size_t(n)) {
      o->Line.Buffer.resize(size_t(n));
    }
    LCD_PIXELINDEX* pOut = o->Line.Buffer.data();
    if (o->TransIndex < 0 || o->TransAsBk) {  // every pixel drawn: one line
      for (int c = c0; c <= c1; c++) {
        pOut[c - c0] = o->aIndex[pRow[c]];
      }
      if (c1 >= c0) {
        GUI__DrawIndices(&o->Line, xs + c0, t0, c1 - c0 + 1);
      }
      return;
    }
    // Transparent pixels cut the row into lines.
    U8 Trans = U8(o->TransIndex);
    for (int c = c0; c <= c1;) {
      while (c <= c1 && pRow[c] == Trans) {
        c++;
      }
      int Start = c;
      for (; c <= c1 && pRow[c] != Trans; c++) {
        pOut[c - Start] = o->aIndex[pRow[c]];
      }
      if (c > Start) {
        GUI__DrawIndices(&o->Line, xs + Start, t0, c - Start);
      }
    }
    return;
  }
  int RunStart = 0, RunEnd = 0, RunValue = -1;
  auto Flush = [&]() {
    int a = std::max(RunStart, int(d->Bounds.x0)), b = std::min(RunEnd - 1, int(d->Bounds.x1));
    if (RunValue >= 0 && a <= b) {
      LCD_SetColorIndex(o->aIndex[RunValue]);
      if (a == b && t0 == t1) {
        LCD_DrawPixel(a, t0);
      } else {
        LCD_FillRect(a, t0, b, t1);
      }
    }
    RunValue = -1;
  };
  for (int c = 0; c < n; c++) {
    int u0 = d->x0 + _Map(d, im->xPos + c), u1 = d->x0 + _Map(d, im->xPos + c + 1);
    if (u1 <= u0) {
      continue;  // a column that shrinking drops
    }
    int v = pRow[c];
    if (v == o->TransIndex && !o->TransAsBk) {
      Flush();
      continue;
    }
    if (v != RunValue || u0 != RunEnd) {
      Flush();
      RunStart = u0;
      RunValue = v;
    }
    RunEnd = u1;
  }
  Flush();
}

// Decodes and draws the image. 1 when it was drawn (visitor: stop, result 0), 2 on a bad image.
int _DrawImage(_DRAW* d, GUI_GIF__CONTEXT* p, const GUI_GIF__IMAGE* im, const GUI_GIF__CONTROL* pControl) {
  GUI_PALETTE Pal = {im->NumColors, 0, p->aColor};
  const LCD_PIXELINDEX* pTable = im->NumColors ? LCD_GetPalConvTable(&Pal) : nullptr;
  if (!pTable) {
    return 2;
  }
  auto o = std::make_unique<_ROW_OUT>();
  o->d = d;
  o->pImage = im;
  std::copy(pTable, pTable + im->NumColors, o->aIndex);
  o->TransIndex = pControl->TransIndex;
  o->TransAsBk = pControl->Disposal == 2 && (_DrawBackground || d->Scaled);
  o->Bk = LCD_GetBkColorIndex();
  if (o->TransIndex >= 0 && o->TransAsBk) {
    o->aIndex[o->TransIndex] = o->Bk;  // drawn like any other colour
  }
  if (pControl->Disposal == 2 && d->HavePrev && (_DrawBackground || d->Scaled)) {
    _ClearPrevious(d, im);
  }
  int ColumnsShow = _ColumnsShow(d, im);
  int NumShown = ColumnsShow ? _CountShownRows(d, im) : 0;
  U32 Print = _Print(p, im, pControl);
  const _WHOLE* pWhole = _FindWhole(d, Print);  // null: decode to the end, rows not shown included
  // The visitor's answer once the image's end or its failure was reached; the first to get there keeps it.
  auto Reached = [&](int Bad) {
    if (!pWhole) {
      _KeepWhole(d, Print, Bad);
    }
    return Bad ? 2 : 1;
  };
  if (!NumShown && pWhole) {
    return pWhole->Bad ? 2 : 1;
  }
  if (GUI_GIF__StartLZW(p)) {
    return Reached(1);
  }
  std::vector<U8> Row(size_t(std::max(im->xSize, 1)));
  static const int aStart[] = {0, 4, 2, 1}, aStep[] = {8, 8, 4, 2};
  int Pass = 0, r = 0;
  for (int k = 0; k < im->ySize; k++) {
    if (im->Interlaced) {
      while (r >= im->ySize) {  // next pass
        r = aStart[++Pass];
      }
    } else {
      r = k;
    }
    int n = GUI_GIF__DecodePixels(p, Row.data(), im->xSize);
    int Valid = 0;
    while (Valid < n && (Row[Valid] < im->NumColors || Row[Valid] == o->TransIndex)) {
      Valid++;
    }
    int t0, t1;
    _TargetRows(d, im, r, &t0, &t1);
    if (ColumnsShow && t0 <= t1) {
      NumShown--;
      _DrawRow(o.get(), t0, t1, Row.data(), Valid);
    }
    if (p->Bad || Valid < n || n < im->xSize) {
      // Bad data, or the end code before the image's last pixel: the rows decoded stay, the image failed.
      return Reached(1);
    }
    if (!NumShown && pWhole) {
      return pWhole->Bad ? 2 : 1;
    }
    if (im->Interlaced) {
      r += aStep[Pass];
    }
  }
  return Reached(GUI_GIF__FinishImage(p));
}

int _OnImage(void* pUser, GUI_GIF__CONTEXT* p, const GUI_GIF__IMAGE* pImage, const GUI_GIF__CONTROL* pControl,
             int Index, int* pConsumed) {
  _DRAW* d = static_cast<_DRAW*>(pUser);
  if (Index == d->Index - 1) {
    d->Prev = *pImage;
    d->HavePrev = 1;
  }
  if (Index != d->Index) {
    return 0;
  }
  *pConsumed = 1;
  d->Drawn = 1;
  return _DrawImage(d, p, pImage, pControl);
}

// One visible rectangle: the file is read again from its start.
int _DrawRect(_DRAW* d, GUI_GIF__CONTEXT* p, const GUI_RECT* pScreen) {
  if (!GUI__IntersectRects(&d->Bounds, pScreen, &GUI_pContext->ClipRect)) {
    return 0;
  }
  d->HavePrev = 0;
  d->Drawn = 0;
  GUI_GIF__VISITOR v = {_OnImage, nullptr, d, 0};
  if (GUI_GIF__ReadHeader(p)) {
    return 1;
  }
  int r = GUI_GIF__Walk(p, &v);
  return (r || !d->Drawn) ? 1 : 0;
}

// pSource, NumBytes: what tells the file apart from others (memory: the bytes; else the reader's parameter).
int _Draw(GUI_GET_DATA_FUNC* pfGetData, void* pParam, const void* pSource, U32 NumBytes, int x, int y, int Index,
          int Num, int Denom, int Scaled) {
  if (!pfGetData || Index < 0 || Num <= 0 || Denom <= 0) {
    return 1;
  }
  GUI_Lock();
  GUI_HMEM hMem;
  GUI_GIF__CONTEXT* p = GUI_GIF__Alloc(pfGetData, pParam, &hMem);
  int r = 1;
  if (p && !GUI_GIF__ReadHeader(p)) {
    GUI__PaintPassGuard Pass;  // the rectangles of this draw, when no paint opened a pass
    _DRAW d = {};
    d.pfGetData = pfGetData;
    d.pSource = pSource;
    d.NumBytes = NumBytes;
    d.x0 = x + GUI_pContext->xOff;
    d.y0 = y + GUI_pContext->yOff;
    d.Index = Index;
    d.Num = Scaled ? Num : 1;
    d.Denom = Scaled ? Denom : 1;
    d.Scaled = Scaled;
    long long w = (long long)unsigned(p->xSize) * d.Num / d.Denom, h = (long long)unsigned(p->ySize) * d.Num / d.Denom;
    long long xe = d.x0 + w - 1, ye = d.y0 + h - 1;
    r = 0;
    if (w > 0 && h > 0 && d.x0 >= -32768 && d.y0 >= -32768 && xe <= 32767 && ye <= 32767) {
      GUI_RECT Screen = {I16(d.x0), I16(d.y0), I16(xe), I16(ye)};
      LCD_PIXELINDEX Saved = LCD_GetColorIndex();
      GUI_CLIP_ITERATE_START(&Screen)
        r |= _DrawRect(&d, p, &Screen);
      GUI_CLIP_ITERATE_END()
      LCD_SetColorIndex(Saved);
    } else if (w > 0 && h > 0) {
      r = 1;  // beyond the coordinate range
    }
  }
  GUI_GIF__Free(&hMem);
  GUI_Unlock();
  return r;
}

}  // namespace

int GUI_GIF_SetDrawBackground(int OnOff) {
  GUI_Lock();
  int Prev = _DrawBackground;
  _DrawBackground = OnOff > 0;
  GUI_Unlock();
  return Prev;
}

int GUI_GIF_DrawSubEx(GUI_GET_DATA_FUNC* pfGetData, void* pParam, int x, int y, int Index) {
  return _Draw(pfGetData, pParam, pParam, 0, x, y, Index, 1, 1, 0);
}

int GUI_GIF_DrawSubScaledEx(GUI_GET_DATA_FUNC* pfGetData, void* pParam, int x, int y, int Index, int Num,
                            int Denom) {
  return _Draw(pfGetData, pParam, pParam, 0, x, y, Index, Num, Denom, 1);
}

int GUI_GIF_DrawEx(GUI_GET_DATA_FUNC* pfGetData, void* pParam, int x, int y) {
  return GUI_GIF_DrawSubEx(pfGetData, pParam, x, y, 0);
}

int GUI_GIF_DrawSub(const void* pGIF, U32 NumBytes, int x, int y, int Index) {
  GUI__MEM_SOURCE Src = {static_cast<const U8*>(pGIF), NumBytes};
  return pGIF ? _Draw(GUI__GetDataMem, &Src, pGIF, NumBytes, x, y, Index, 1, 1, 0) : 1;
}

int GUI_GIF_DrawSubScaled(const void* pGIF, U32 NumBytes, int x, int y, int Index, int Num, int Denom) {
  GUI__MEM_SOURCE Src = {static_cast<const U8*>(pGIF), NumBytes};
  return pGIF ? _Draw(GUI__GetDataMem, &Src, pGIF, NumBytes, x, y, Index, Num, Denom, 1) : 1;
}

int GUI_GIF_Draw(const void* pGIF, U32 NumBytes, int x, int y) { return GUI_GIF_DrawSub(pGIF, NumBytes, x, y, 0); }
