// Decoding run-length-encoded bitmaps onto the drawing target. Runs of one index become one line (or one
// rectangle when magnified); runs of colours with transparency are collected into a row and blended as one
// line. Every byte comes through a source that knows where its data end, and no run is drawn past the last
// pixel of the picture: such data are reported as failed after what fitted was drawn.
#include "GUI_BitmapPrivate.h"
#include "GUI_ImageDraw.h"
#include "GUI_RLE_Private.h"

#include <algorithm>
#include <climits>
#include <vector>

namespace {

// Position of the next pixel and where the decoded pixels go.
struct _PAINT {
  int x0, y0, XSize, YSize, xMag, yMag;
  int x = 0, y = 0;
  int yStop = 0;  // rows from here on cannot be seen: decoding ends
  int Overflow = 0;

  // Moves on by k pixels of the current row.
  void Advance(int k) {
    x += k;
    if (x == XSize) {
      x = 0;
      y++;
    }
  }
  // Pixels of the current row from x on that a run of n may take; 0 (and Overflow) past the picture.
  int Piece(U32 n) {
    if (y >= YSize) {
      Overflow = 1;
      return 0;
    }
    return int(std::min<U32>(n, U32(XSize - x)));
  }
  bool RowVisible() const {
    const GUI_RECT& c = GUI_pContext->ClipRect;
    long long Top = y0 + (long long)y * yMag;
    return Top <= c.y1 && Top + yMag - 1 >= c.y0;
  }
};

int _Clamp(long long v) { return int(std::clamp<long long>(v, INT_MIN / 2, INT_MAX / 2)); }

// Palette indices and 16-bit values: drawn as lines, pixels or magnified blocks in device indices.
struct _INDEX_PAINT : _PAINT {
  int Trans = 0;  // raw value 0 is left out

  void Fill(int k, LCD_PIXELINDEX Index) {
    if (xMag == 1 && yMag == 1) {
      LCD_SetColorIndex(Index);
      if (k == 1) {
        LCD_DrawPixel(x0 + x, y0 + y);
      } else {
        LCD_DrawHLine(x0 + x, y0 + y, x0 + x + k - 1);
      }
      return;
    }
    LCD_SetColorIndex(Index);
    LCD_FillRect(_Clamp(x0 + (long long)x * xMag), _Clamp(y0 + (long long)y * yMag),
                 _Clamp(x0 + (long long)(x + k) * xMag - 1), _Clamp(y0 + (long long)(y + 1) * yMag - 1));
  }
  void Run(U32 n, U32 Raw, LCD_PIXELINDEX Index) {
    while (n) {
      int k = Piece(n);
      if (!k) {
        return;
      }
      if (!(Trans && Raw == 0) && RowVisible()) {
        Fill(k, Index);
      }
      Advance(k);
      n -= U32(k);
    }
  }
};

// Colours with transparency: a row is collected and blended as one line when it is complete.
struct _COLOR_PAINT : _PAINT {
  std::vector<U32> Row;
  GUI__INDEX_LINE Line;

  void Flush() {
    const GUI_RECT& c = GUI_pContext->ClipRect;
    int Y = y0 + y;
    int xa = std::max(x0, int(c.x0)), xb = std::min(x0 + XSize - 1, int(c.x1));
    if (Y >= c.y0 && Y <= c.y1 && xa <= xb) {
      GUI__DrawColorLineAlpha(&Line, xa, Y, &Row[xa - x0], xb - xa + 1);
    }
    std::fill(Row.begin(), Row.end(), GUI_TRANSPARENT);
  }
  void Run(U32 n, GUI_COLOR Color) {
    while (n) {
      int k = Piece(n);
      if (!k) {
        return;
      }
      std::fill(&Row[x], &Row[x] + k, Color);
      n -= U32(k);
      if (x + k == XSize) {
        Flush();
      }
      Advance(k);
    }
  }
};

int _GetU16(GUI__RLE_SOURCE* s, U32* pv) {
  int a = s->Get(), b = s->Get();
  *pv = U32(a) | U32(b) << 8;
  return a < 0 || b < 0;
}

int _GetU32(GUI__RLE_SOURCE* s, U32* pv) {
  U32 v = 0;
  for (int i = 0; i < 4; i++) {
    int b = s->Get();
    if (b < 0) {
      return 1;
    }
    v |= U32(b) << (8 * i);
  }
  *pv = v;
  return 0;
}

// Rows that can reach the clip rectangle: decoding ends below it.
int _RowsNeeded(int y0, int YSize, int yMag) {
  long long Below = (long long)GUI_pContext->ClipRect.y1 - y0;
  if (Below < 0) {
    return 0;
  }
  return int(std::min<long long>(YSize, Below / yMag + 1));
}

int _DecodeIndexed(int Kind, GUI__RLE_SOURCE* s, _INDEX_PAINT* p, const GUI_PALETTE* pPal) {
  LCD_PIXELINDEX aScratch[256];
  const LCD_PIXELINDEX* pTable = nullptr;
  if (pPal && pPal->NumEntries > 0 && pPal->pPalEntries) {
    pTable = GUI__GetBitmapTable(pPal, nullptr, 8, aScratch);
    if (!pTable) {
      return 1;
    }
  }
  p->Trans = (GUI_pContext->DrawMode & GUI_DRAWMODE_TRANS) != 0;
  auto Index = [pTable](U32 v) { return pTable ? pTable[v & 0xFF] : LCD_PIXELINDEX(v); };
  while (p->y < p->yStop && !p->Overflow) {
    int n = s->Get(), v = s->Get();
    if (n < 0 || v < 0) {
      return 1;
    }
    if (n) {
      p->Run(U32(n), U32(v), Index(U32(v)));
      continue;
    }
    if (Kind == GUI__RLE8) {
      for (int i = 0; i < v && !p->Overflow; i++) {
        int b = s->Get();
        if (b < 0) {
          return 1;
        }
        p->Run(1, U32(b), Index(U32(b)));
      }
      continue;
    }
    for (int i = 0; i < v && !p->Overflow; i += 2) {
      int b = s->Get();
      if (b < 0) {
        return 1;
      }
      p->Run(1, U32(b) >> 4, Index(U32(b) >> 4));
      if (i + 1 < v) {
        p->Run(1, U32(b) & 15, Index(U32(b) & 15));
      }
    }
  }
  return p->Overflow;
}

int _Decode16(int Kind, GUI__RLE_SOURCE* s, _INDEX_PAINT* p) {
  tLCDDEV_Index2Color pfIndex2Color = Kind == GUI__RLE16 ? LCD_CC_BGR565_Index2Color : LCD_CC_RGB565_Index2Color;
  U32 LastValue = 0;
  LCD_PIXELINDEX LastIndex = LCD_Color2Index(pfIndex2Color(0));
  auto Index = [&](U32 v) {
    if (v != LastValue) {
      LastValue = v;
      LastIndex = LCD_Color2Index(pfIndex2Color(v));
    }
    return LastIndex;
  };
  while (p->y < p->yStop && !p->Overflow) {
    int n = s->Get();
    U32 v;
    if (n < 0) {
      return 1;
    }
    if (n) {
      if (_GetU16(s, &v)) {
        return 1;
      }
      p->Run(U32(n), v, Index(v));
      continue;
    }
    int c = s->Get();
    if (c < 0) {
      return 1;
    }
    for (int i = 0; i < c && !p->Overflow; i++) {
      if (_GetU16(s, &v)) {
        return 1;
      }
      p->Run(1, v, Index(v));
    }
  }
  return p->Overflow;
}

int _DecodeColors(int Kind, GUI__RLE_SOURCE* s, _COLOR_PAINT* p) {
  GUI_COLOR Color = GUI_pContext->Color & 0xFFFFFF;
  auto Get = [&](GUI_COLOR* pc) {
    if (Kind == GUI__RLE32) {
      return _GetU32(s, pc);
    }
    int a = s->Get();
    *pc = Color | U32(a) << 24;
    return int(a < 0);
  };
  int r = 0;
  while (p->y < p->yStop && !p->Overflow) {
    int n = s->Get();
    GUI_COLOR c;
    if (n < 0) {
      r = 1;
      break;
    }
    if (Kind == GUI__RLEALPHA) {  // two-byte header: count, value
      int v = s->Get();
      if (v < 0) {
        r = 1;
        break;
      }
      if (n) {
        p->Run(U32(n), Color | U32(v) << 24);
        continue;
      }
      n = v;
    } else if (n) {
      if (Get(&c)) {
        r = 1;
        break;
      }
      p->Run(U32(n), c);
      continue;
    } else if ((n = s->Get()) < 0) {
      r = 1;
      break;
    }
    for (int i = 0; i < n && !p->Overflow; i++) {
      if (Get(&c)) {
        r = 1;
        break;
      }
      p->Run(1, c);
    }
    if (r) {
      break;
    }
  }
  if (p->x && p->y < p->YSize) {
    p->Flush();  // what an early end left of the last row
  }
  return r | p->Overflow;
}

}  // namespace

int GUI__RLE_SOURCE::_Refill() {
  if (!pfGetData || Ended) {
    Ended = 1;
    return 0;
  }
  const U8* p = aBuffer;
  int n = pfGetData(pParam, &p, sizeof(aBuffer), Off);
  if (n <= 0 || !p) {
    Ended = 1;
    return 0;
  }
  NumLeft = std::min<size_t>(size_t(n), sizeof(aBuffer));  // never trust a count beyond the request
  Off += U32(NumLeft);
  pRead = p;
  NumLeft--;
  return 1;
}

void GUI__InitRLEMemSource(GUI__RLE_SOURCE* pSrc, const U8* pData, size_t NumBytes) {
  pSrc->pRead = pData;
  pSrc->NumLeft = pData ? NumBytes : 0;
  pSrc->pfGetData = nullptr;
  pSrc->Ended = 0;
}

void GUI__InitRLEGetDataSource(GUI__RLE_SOURCE* pSrc, GUI_GET_DATA_FUNC* pfGetData, void* pParam, U32 Off) {
  pSrc->pRead = nullptr;
  pSrc->NumLeft = 0;
  pSrc->pfGetData = pfGetData;
  pSrc->pParam = pParam;
  pSrc->Off = Off;
  pSrc->Ended = 0;
}

int GUI__DecodeRLE(int Kind, GUI__RLE_SOURCE* pSrc, int x0, int y0, int XSize, int YSize, const GUI_PALETTE* pPal,
                   int xMag, int yMag) {
  if (XSize <= 0 || YSize <= 0) {
    return 0;
  }
  if (Kind == GUI__RLE32 || Kind == GUI__RLEALPHA) {
    xMag = yMag = 1;  // these formats are drawn as they are
  }
  if (xMag < 1 || yMag < 1) {
    return 0;
  }
  const GUI_RECT& Clip = GUI_pContext->ClipRect;
  if (x0 > Clip.x1 || x0 + (long long)XSize * xMag - 1 < Clip.x0) {
    return 0;
  }
  if (Kind == GUI__RLE32 || Kind == GUI__RLEALPHA) {
    _COLOR_PAINT p;
    p.x0 = x0, p.y0 = y0, p.XSize = XSize, p.YSize = YSize, p.xMag = 1, p.yMag = 1;
    p.yStop = _RowsNeeded(y0, YSize, 1);
    p.Row.assign(size_t(XSize), GUI_TRANSPARENT);
    return _DecodeColors(Kind, pSrc, &p);
  }
  _INDEX_PAINT p;
  p.x0 = x0, p.y0 = y0, p.XSize = XSize, p.YSize = YSize, p.xMag = xMag, p.yMag = yMag;
  p.yStop = _RowsNeeded(y0, YSize, yMag);
  LCD_PIXELINDEX SavedColor = LCD_GetColorIndex(), SavedBk = LCD_GetBkColorIndex();
  int r = (Kind == GUI__RLE16 || Kind == GUI__RLEM16) ? _Decode16(Kind, pSrc, &p)
                                                      : _DecodeIndexed(Kind, pSrc, &p, pPal);
  LCD_SetColorIndex(SavedColor);
  LCD_SetBkColorIndex(SavedBk);
  return r;
}
