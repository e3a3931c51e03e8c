// Scaled and mirrored drawing of bitmaps: factors in thousandths (negative factors mirror the axis); the
// bitmap pixel xCenter, yCenter lands on x, y. Runs of equal pixel values become horizontal lines.
#include "GUI_Bitmap.h"
#include "GUI_BitmapPrivate.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace {

// a / 1000 rounded to nearest, halves away from zero.
long long _DivRound1000(long long a) { return a >= 0 ? (a + 500) / 1000 : -((-a + 500) / 1000); }

struct _SCALE {
  const GUI_BITMAP* pBitmap;
  int x, y, xCenter, yCenter, xMag, yMag;
};

GUI_COLOR _PixelColor(const GUI_BITMAP* pBitmap, U32 Value) {
  if (pBitmap->pMethods) {
    return pBitmap->pMethods->pfIndex2Color(Value);
  }
  const GUI_PALETTE* pPal = pBitmap->pPal;
  if (pPal && pPal->NumEntries > 0 && pPal->pPalEntries) {
    // Values beyond the palette take its first colour.
    return pPal->pPalEntries[Value < U32(pPal->NumEntries) ? Value : 0] & 0xFFFFFF;
  }
  return LCD_Index2Color(Value);
}

// Draws target columns x0 + Start .. x0 + End - 1 of row y in Color (transparency byte: 0 opaque,
// 0xFF invisible, else blended).
void _DrawRun(int x0, int y, int Start, int End, GUI_COLOR Color) {
  if (End <= Start) {
    return;
  }
  unsigned Trans = Color >> 24;
  if (Trans == 0xFF) {
    return;
  }
  if (!Trans) {
    LCD_SetColorIndex(LCD_Color2Index(Color));
    LCD_DrawHLine(x0 + Start, y, x0 + End - 1);
    return;
  }
  for (int x = x0 + Start; x < x0 + End; x++) {
    GUI__SetPixelAlpha(x, y, U8(255 - Trans), Color & 0xFFFFFF);
  }
}

void _DrawRow(const _SCALE* s, int x0, int Row, int y, int Trans) {
  const GUI_BITMAP* pBitmap = s->pBitmap;
  int a = std::abs(s->xMag);
  int Acc = 0, n = 0, RunStart = -1;
  U32 Prev = 0;
  GUI_COLOR RunColor = 0;
  int First = 1;
  for (int c = 0; c < pBitmap->XSize; c++) {
    Acc += a;
    if (Acc < 1000) {
      continue;
    }
    int Col = s->xMag < 0 ? pBitmap->XSize - 1 - c : c;
    U32 Value = GUI__GetBitmapPixelValue(pBitmap, Col, Row);
    if (First || Value != Prev) {
      if (RunStart >= 0) {
        _DrawRun(x0, y, RunStart, n, RunColor);
        RunStart = -1;
      }
      if (!(Trans && Value == 0)) {
        RunStart = n;
        RunColor = _PixelColor(pBitmap, Value);
      }
      Prev = Value;
      First = 0;
    }
    while (Acc >= 1000) {
      Acc -= 1000;
      n++;
    }
  }
  if (RunStart >= 0) {
    _DrawRun(x0, y, RunStart, n, RunColor);
  }
}

void _DrawBitmapEx(const _SCALE* s) {
  const GUI_BITMAP* pBitmap = s->pBitmap;
  int a = std::abs(s->xMag);
  int xCenter = s->xMag < 0 ? pBitmap->XSize - s->xCenter - 1 : s->xCenter;
  int x0 = s->x + int(((long long)xCenter * a) / -1000);
  int Trans = pBitmap->pPal && pBitmap->pPal->HasTrans;
  int yStep = s->yMag < 0 ? -1 : 1;
  const GUI_RECT& Clip = GUI_pContext->ClipRect;
  int yStart = int(_DivRound1000(-(long long)s->yCenter * s->yMag)) + s->y;
  int PrevStart = INT_MIN;
  for (int r = 0; r < pBitmap->YSize; r++) {
    int yEnd = int(_DivRound1000((long long)(r + 1 - s->yCenter) * s->yMag)) + s->y;
    if (yStart != PrevStart) {
      for (int y = yStart; y == yStart || (yStep > 0 ? y < yEnd : y > yEnd); y += yStep) {
        if (y >= Clip.y0 && y <= Clip.y1) {
          _DrawRow(s, x0, r, y, Trans);
        }
      }
    }
    PrevStart = yStart;
    yStart = yEnd;
  }
}

}  // namespace

void GUI_DrawBitmapEx(const GUI_BITMAP* pBitmap, int x, int y, int xCenter, int yCenter, int xMag, int yMag) {
  if (!pBitmap || !pBitmap->pData || !pBitmap->XSize || !pBitmap->YSize || !xMag || !yMag) {
    return;
  }
  // Formats without single-pixel access (run-length data) cannot be read in place.
  if (pBitmap->pMethods && !pBitmap->pMethods->pfIndex2Color) {
    return;
  }
  if (!pBitmap->pMethods && !GUI__CheckPaletteData(pBitmap->XSize, pBitmap->BitsPerPixel, pBitmap->BytesPerLine)) {
    return;
  }
  // Factors beyond a thousandfold would leave the coordinate range.
  if (std::abs(xMag) > 1000000 || std::abs(yMag) > 1000000 || std::abs(xCenter) > 0x7FFF ||
      std::abs(yCenter) > 0x7FFF) {
    return;
  }
  GUI_Lock();
  if (!GUI__WindowToScreen(&x, &y)) {
    GUI_Unlock();
    return;
  }
  LCD_PIXELINDEX SavedIndex = LCD_GetColorIndex();
  // The area the rows and columns below reach: every target pixel, also the last ones of an enlarged
  // picture.
  int a = std::abs(xMag);
  int xc = xMag < 0 ? pBitmap->XSize - xCenter - 1 : xCenter;
  long long Left = x + ((long long)xc * a) / -1000;
  long long Right = Left + std::max(1LL, (long long)pBitmap->XSize * a / 1000) - 1;
  long long First = _DivRound1000(-(long long)yCenter * yMag) + y;
  long long Last = _DivRound1000((long long)(pBitmap->YSize - yCenter) * yMag) + y;
  long long Top = yMag > 0 ? First : std::min(First, Last + 1);
  long long Bottom = yMag > 0 ? std::max(First, Last - 1) : First;
  GUI_RECT r = {GUI__ClampCoord(int(Left)), GUI__ClampCoord(int(Top)), GUI__ClampCoord(int(Right)),
                GUI__ClampCoord(int(Bottom))};
  _SCALE s{pBitmap, x, y, xCenter, yCenter, xMag, yMag};
  GUI_CLIP_ITERATE_START(&r)
    _DrawBitmapEx(&s);
  GUI_CLIP_ITERATE_END()
  LCD_SetColorIndex(SavedIndex);
  GUI_Unlock();
}
