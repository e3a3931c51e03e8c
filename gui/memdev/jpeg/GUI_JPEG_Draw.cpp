// Drawing JPEG images, unscaled and scaled by Num / Denom. Every visible rectangle is one pass that decodes
// the stream again from its first byte, line by line from the top; each line goes to the drawing target as
// it is produced, so no picture of the whole image is ever held. Progressive images that do not fit into
// GUI memory are drawn in bands, one pass over the stream per band.
//
// Every path restores the foreground colour and releases the decoder context before it returns.
#include "GUI_JPEG_Private.h"
#include "GUI_ImageDraw.h"
#include "GUI_ImageRead.h"

#include <algorithm>
#include <cstring>

namespace {

// Where and how decoded lines are drawn.
struct _OUTPUT {
  int x0, y0;          // screen position of the image (unscaled) or of the scaled rectangle
  int XOut, YOut;      // size of that rectangle: XSize x Num / Denom by YSize x Num / Denom
  U32 Num, Denom;      // scaling; 1 / 1 when unscaled
  int Direct;          // the target stores colours as they are: lines are drawn without conversion
  const LCD_COLOR_CONV_API* pConv;
  GUI__INDEX_LINE Line;
};

GUI_COLOR _PixelColor(const GUI_JPEG_DCONTEXT* p, const U8* pLine, int x) {
  if (p->BytesPerPixel == 1) {
    return GUI_COLOR(pLine[x]) * 0x010101u;
  }
  const U8* q = pLine + 4 * x;
  return GUI_COLOR(q[0]) | GUI_COLOR(q[1]) << 8 | GUI_COLOR(q[2]) << 16;
}

void _DrawLine(const GUI_JPEG_DCONTEXT* p, _OUTPUT* o, int y) {
  const GUI_RECT& Clip = GUI_pContext->ClipRect;
  if (y < Clip.y0 || y > Clip.y1) {
    return;
  }
  const U8* pLine = GUI_JPEG__CurrentLine(p);
  int n = p->XSize;
  if (o->Direct && p->BytesPerPixel == 4) {
    LCD_DrawBitmap(o->x0, y, n, 1, 1, 1, 32, n * 4, pLine, nullptr);
    return;
  }
  if (o->Line.Buffer.size() < size_t(n)) {
    o->Line.Buffer.resize(n);
  }
  LCD_PIXELINDEX* pIndex = o->Line.Buffer.data();
  for (int x = 0; x < n; x++) {
    pIndex[x] = o->pConv->pfColor2Index(_PixelColor(p, pLine, x));
  }
  GUI__DrawIndices(&o->Line, o->x0, y, n);
}

// Lines FirstLine .. LastLine are drawn. The lines above them (only a band's pass has such) are passed over
// without their inverse DCT and conversion; a band starts at a block row, never between two lines that are
// converted together.
int _DrawLines(GUI_JPEG_DCONTEXT* p, _OUTPUT* o, int FirstLine, int LastLine) {
  for (int Line = 0; Line <= LastLine && Line < p->YSize; Line++) {
    if (Line < FirstLine ? GUI_JPEG__SkipLine(p) : GUI_JPEG__DecodeLine(p)) {
      return 1;
    }
    if (Line >= FirstLine) {
      _DrawLine(p, o, o->y0 + Line);
    }
  }
  return 0;
}

// Steps source items (lines or pixels) for scaling by Num / Denom: each call passes over some items and
// reaches the next one that is output, with the extent it covers in the target. The extents of n items add up
// to n x Num / Denom rounded to the nearest, one more than the rectangle where it rounds up: what lies beyond
// the rectangle is left out, as the other readers' scaled drawing does.
struct _STEPPER {
  U64 A, T;
  U64 Num, Denom;
  void Init(U32 n, U32 d) {
    Num = n;
    Denom = d;
    A = d / 2;
    T = d;
  }
  // -> items passed over before the one reached; *pExtent its target extent.
  U64 Step(int* pExtent) {
    A += Num;
    U64 Passed = 0;
    if (A < T) {
      Passed = (T - A + Num - 1) / Num;
      A += Passed * Num;
    }
    T += Denom;
    U64 Extent = 1;
    if (T <= A) {
      U64 j = (A - T) / Denom + 1;
      T += j * Denom;
      Extent += j;
    }
    *pExtent = int(Extent > 0x10000 ? 0x10000 : Extent);
    return Passed;
  }
};

void _DrawScaledLine(const GUI_JPEG_DCONTEXT* p, _OUTPUT* o, int y, int LineExtent) {
  const GUI_RECT& Clip = GUI_pContext->ClipRect;
  int yEnd = o->y0 + o->YOut, xEnd = o->x0 + o->XOut;  // first row and column behind the rectangle
  LineExtent = std::min(LineExtent, yEnd - y);
  if (LineExtent <= 0 || y + LineExtent - 1 < Clip.y0 || y > Clip.y1) {
    return;
  }
  const U8* pLine = GUI_JPEG__CurrentLine(p);
  _STEPPER s;
  s.Init(o->Num, o->Denom);
  int x = o->x0;
  U64 Src = 0;
  while (x <= Clip.x1 && x < xEnd) {
    int Extent;
    U64 Passed = s.Step(&Extent);
    if (Src + Passed >= p->XSize) {
      break;
    }
    Extent = std::min(Extent, xEnd - x);
    GUI_COLOR Color = _PixelColor(p, pLine, int(Src));  // the first of the pixels stepped over
    Src += Passed + 1;
    if (x + Extent - 1 >= Clip.x0) {
      LCD_SetColor(Color);
      if (Extent == 1 && LineExtent == 1) {
        LCD_DrawPixel(x, y);
      } else {
        LCD_FillRect(x, y, x + Extent - 1, y + LineExtent - 1);
      }
    }
    x += Extent;
  }
}

// Source lines are stepped like the pixels; only lines of FirstLine .. LastLine are drawn. Lines passed over
// skip the inverse DCT where the layout allows (sequential frames, not the line just above an output line).
int _DrawScaledLines(GUI_JPEG_DCONTEXT* p, _OUTPUT* o, int FirstLine, int LastLine) {
  _STEPPER s;
  s.Init(o->Num, o->Denom);
  int y = o->y0;
  int Src = 0;
  for (;;) {  // to the image's last line, as unscaled drawing does (a missing end is seen)
    int Extent;
    U64 Passed = s.Step(&Extent);
    if (Src + Passed >= p->YSize || Src + int(Passed) > LastLine) {
      break;
    }
    int Target = Src + int(Passed);
    for (; Src < Target; Src++) {
      int Decode = p->Progressive || Src == Target - 1;
      if (Decode ? GUI_JPEG__DecodeLine(p) : GUI_JPEG__SkipLine(p)) {
        return 1;
      }
    }
    if (GUI_JPEG__DecodeLine(p)) {
      return 1;
    }
    Src++;
    if (Target >= FirstLine) {
      _DrawScaledLine(p, o, y, Extent);
    }
    y += Extent;
  }
  return 0;
}

typedef int _DRAW_LINES(GUI_JPEG_DCONTEXT* p, _OUTPUT* o, int FirstLine, int LastLine);

// Banded progressive drawing: one pass over the stream per band, each drawing the lines of its block rows.
int _DrawBands(GUI_JPEG_DCONTEXT* p, _OUTPUT* o, _DRAW_LINES* pfDrawLines) {
  if (GUI_JPEG__AllocBandBuffers(p)) {
    return 1;
  }
  int r = 0;
  for (int Band = 0; Band < p->NumBands; Band++) {
    if (Band && GUI_JPEG__ReadHeaders(p)) {
      return 1;
    }
    GUI_JPEG__DecodeProgressiveBand(p);  // what it could decode is drawn
    int First = p->BandStart * 8;
    int Last = (p->BandStart + p->BandRows) * 8 - 1;
    if (pfDrawLines(p, o, First, Last)) {
      r = 1;
      break;  // the lines end where the data do: the bands below would read the stream for nothing
    }
    GUI_JPEG__NextBand(p);
  }
  return r;
}

int _FitsScreen(I64 x0, I64 y0, I64 XSize, I64 YSize) {
  return x0 >= -0x8000 && y0 >= -0x8000 && x0 + XSize - 1 <= 0x7FFF && y0 + YSize - 1 <= 0x7FFF;
}

// The shared frame of both drawing entries: the size, the passes over the visible rectangles, the colour.
int _Draw(GUI_GET_DATA_FUNC* pfGetData, void* pParam, int x0, int y0, U32 Num, U32 Denom) {
  if (!pfGetData || !Denom) {
    return 1;
  }
  GUI_Lock();
  GUI_JPEG_DCONTEXT* p = GUI_JPEG__AllocContext(pfGetData, pParam);
  if (!p) {
    GUI_Unlock();
    return 1;
  }
  LCD_PIXELINDEX SavedIndex = LCD_GetColorIndex();
  GUI_COLOR SavedColor = GUI_pContext->Color;
  int r = 1;
  GUI_JPEG_INFO Info;
  if (GUI_JPEG__GetInfo(p, &Info) == 0 && Info.XSize > 0) {
    _OUTPUT o;
    o.x0 = x0 + GUI_pContext->xOff;
    o.y0 = y0 + GUI_pContext->yOff;
    o.Num = Num;
    o.Denom = Denom;
    int Scaled = !(Num == 1 && Denom == 1);
    I64 XOut = I64(Info.XSize) * Num / Denom, YOut = I64(Info.YSize) * Num / Denom;
    o.pConv = LCD__GetColorConv(GUI_pContext->SelLayer);
    o.Direct = o.pConv && LCD_GetBitsPerPixel() == 32 &&
               (o.pConv == &LCD_aColorConvAPI[LCD_CC_888] || o.pConv == &LCD_aColorConvAPI[LCD_CC_8888]);
    if (o.pConv && XOut > 0 && YOut > 0 && _FitsScreen(o.x0, o.y0, XOut, YOut)) {
      o.XOut = int(XOut);
      o.YOut = int(YOut);
      GUI_RECT Rect = {I16(o.x0), I16(o.y0), I16(o.x0 + XOut - 1), I16(o.y0 + YOut - 1)};
      _DRAW_LINES* pfDrawLines = Scaled ? _DrawScaledLines : _DrawLines;
      GUI_CLIP_ITERATE_START(&Rect)
        GUI_JPEG__ClearContext(p);
        if (GUI_JPEG__InitDecoder(p)) {
          r = 1;
        } else if (p->Banded) {
          r = _DrawBands(p, &o, pfDrawLines);
        } else {
          r = pfDrawLines(p, &o, 0, p->YSize - 1);
        }
        GUI_JPEG__FreeDecoder(p);
      GUI_CLIP_ITERATE_END()
    }
  }
  GUI_JPEG__FreeContext(p);
  GUI_pContext->Color = SavedColor;  // scaled drawing sets the colour of every pixel it draws
  LCD_SetColorIndex(SavedIndex);
  GUI_Unlock();
  return r;
}

}  // namespace

int GUI_JPEG_DrawEx(GUI_GET_DATA_FUNC* pfGetData, void* p, int x0, int y0) {
  return _Draw(pfGetData, p, x0, y0, 1, 1);
}

int GUI_JPEG_DrawScaledEx(GUI_GET_DATA_FUNC* pfGetData, void* p, int x0, int y0, int Num, int Denom) {
  return _Draw(pfGetData, p, x0, y0, U32(Num), U32(Denom));
}

int GUI_JPEG_Draw(const void* pFileData, int DataSize, int x0, int y0) {
  GUI__MEM_SOURCE Src = {static_cast<const uint8_t*>(pFileData), pFileData && DataSize > 0 ? size_t(DataSize) : 0};
  return GUI_JPEG_DrawEx(GUI__GetDataMem, &Src, x0, y0);
}

int GUI_JPEG_DrawScaled(const void* pFileData, int DataSize, int x0, int y0, int Num, int Denom) {
  GUI__MEM_SOURCE Src = {static_cast<const uint8_t*>(pFileData), pFileData && DataSize > 0 ? size_t(DataSize) : 0};
  return GUI_JPEG_DrawScaledEx(GUI__GetDataMem, &Src, x0, y0, Num, Denom);
}
