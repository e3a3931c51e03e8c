// Methods records of the true-colour formats (24-bit, 32-bit opaque and swapped, 32-bit with alpha) and of the
// alpha-plus-16-bit formats (alpha byte, then a 5-5-5 or 5-6-5 value most significant byte first; the
// controller's own images are A8_BGR565).
#include "GUI_Bitmap.h"
#include "GUI_BitmapPrivate.h"
#include "GUI_ImageDraw.h"

namespace {

GUI_COLOR _Get24(const U8* p) { return GUI_COLOR(p[0]) | GUI_COLOR(p[1]) << 8 | GUI_COLOR(p[2]) << 16; }
GUI_COLOR _Get32(const U8* p) { return _Get24(p) | GUI_COLOR(p[3]) << 24; }
GUI_COLOR _Swap(GUI_COLOR c) { return (c & 0xFF00FF00) | (c & 0xFF) << 16 | ((c >> 16) & 0xFF); }
GUI_COLOR _Get32Swap(const U8* p) { return _Swap(_Get32(p)); }

GUI_COLOR _Index2Color24(LCD_PIXELINDEX v) { return v & 0xFFFFFF; }
GUI_COLOR _Index2Color8888(LCD_PIXELINDEX v) { return v; }
GUI_COLOR _Index2Color32Swap(LCD_PIXELINDEX v) { return _Swap(v) & 0xFFFFFF; }

GUI_COLOR _BGR555(unsigned v) {
  return GUI_COLOR(LCD_aExpand5[v & 31]) | GUI_COLOR(LCD_aExpand5[(v >> 5) & 31]) << 8 |
         GUI_COLOR(LCD_aExpand5[(v >> 10) & 31]) << 16;
}
GUI_COLOR _RGB555(unsigned v) {
  return GUI_COLOR(LCD_aExpand5[(v >> 10) & 31]) | GUI_COLOR(LCD_aExpand5[(v >> 5) & 31]) << 8 |
         GUI_COLOR(LCD_aExpand5[v & 31]) << 16;
}
GUI_COLOR _BGR565(unsigned v) { return LCD_CC_BGR565_Index2Color(v & 0xFFFF); }
GUI_COLOR _RGB565(unsigned v) { return LCD_CC_RGB565_Index2Color(v & 0xFFFF); }

// Alpha-plus-16-bit pixels: the value handed to the index-to-colour routine holds the transparency byte in
// bits 24-31 and the 16-bit value below.
template <GUI_COLOR (*pf16)(unsigned)>
GUI_COLOR _IndexA16(LCD_PIXELINDEX v) { return pf16(v & 0xFFFF) | (v & 0xFF000000); }
template <GUI_COLOR (*pf16)(unsigned)>
GUI_COLOR _GetA16(const U8* p) { return pf16(unsigned(p[1]) << 8 | p[2]) | GUI_COLOR(p[0]) << 24; }

template <GUI__GET_PIXEL_COLOR* pfGet, int BytesPerPixel, int Alpha>
void _Draw(int x0, int y0, int XSize, int YSize, const U8* pData, const GUI_PALETTE*, int xMag, int yMag) {
  GUI__DrawColorBitmap(x0, y0, XSize, YSize, pData, BytesPerPixel, pfGet, xMag, yMag, Alpha);
}

// Alpha-plus-16-bit pixels on a target of the same 16-bit layout: opaque runs go to the target unconverted.
template <GUI_COLOR (*pf16)(unsigned), tLCDDEV_Index2Color pfTarget>
void _DrawA16(int x0, int y0, int XSize, int YSize, const U8* pData, const GUI_PALETTE* pPal, int xMag, int yMag) {
  if (xMag != 1 || yMag != 1 || LCD__GetpfIndex2Color(GUI_pContext->SelLayer) != pfTarget) {
    GUI__DrawColorBitmap(x0, y0, XSize, YSize, pData, 3, _GetA16<pf16>, xMag, yMag, 1);
    return;
  }
  const GUI_RECT& Clip = GUI_pContext->ClipRect;
  int xa = x0 > Clip.x0 ? x0 : Clip.x0, xb = x0 + XSize - 1 < Clip.x1 ? x0 + XSize - 1 : Clip.x1;
  int ya = y0 > Clip.y0 ? y0 : Clip.y0, yb = y0 + YSize - 1 < Clip.y1 ? y0 + YSize - 1 : Clip.y1;
  GUI__INDEX_LINE Line;
  Line.Buffer.resize(xb >= xa ? xb - xa + 1 : 0);
  for (int y = ya; y <= yb; y++) {
    const U8* pRow = pData + (size_t(y - y0) * XSize + (xa - x0)) * 3;
    int x = xa;
    while (x <= xb) {
      const U8* p = pRow + (x - xa) * 3;
      if (p[0] == 0) {  // a run of opaque pixels
        int n = 0;
        for (; x + n <= xb && p[3 * n] == 0; n++) {
          Line.Buffer[n] = LCD_PIXELINDEX(p[3 * n + 1]) << 8 | p[3 * n + 2];
        }
        GUI__DrawIndices(&Line, x, y, n);
        x += n;
        continue;
      }
      if (p[0] != 0xFF) {
        GUI__SetPixelAlpha(x, y, U8(255 - p[0]), pf16(unsigned(p[1]) << 8 | p[2]));
      }
      x++;
    }
  }
}

// Direct write of 32-bit colours: every pixel, whatever its alpha, as the target's index of the full colour.
void _DrawHW8888(int x0, int y0, int XSize, int YSize, const U8* pData, const GUI_PALETTE*, int, int) {
  const GUI_RECT& Clip = GUI_pContext->ClipRect;
  int xa = x0 > Clip.x0 ? x0 : Clip.x0, xb = x0 + XSize - 1 < Clip.x1 ? x0 + XSize - 1 : Clip.x1;
  int ya = y0 > Clip.y0 ? y0 : Clip.y0, yb = y0 + YSize - 1 < Clip.y1 ? y0 + YSize - 1 : Clip.y1;
  for (int y = ya; y <= yb; y++) {
    const U8* p = pData + (size_t(y - y0) * XSize + (xa - x0)) * 4;
    for (int x = xa; x <= xb; x++, p += 4) {
      LCD_SetPixelIndex(x, y, LCD_Color2Index(_Get32(p)));
    }
  }
}

}  // namespace

void GUI__DrawColorBitmap(int x0, int y0, int XSize, int YSize, const U8* pData, int BytesPerPixel,
                          GUI__GET_PIXEL_COLOR* pfGetColor, int xMag, int yMag, int Alpha) {
  const GUI_RECT& Clip = GUI_pContext->ClipRect;
  if (xMag == 1 && yMag == 1) {
    int xa = x0 > Clip.x0 ? x0 : Clip.x0, xb = x0 + XSize - 1 < Clip.x1 ? x0 + XSize - 1 : Clip.x1;
    int ya = y0 > Clip.y0 ? y0 : Clip.y0, yb = y0 + YSize - 1 < Clip.y1 ? y0 + YSize - 1 : Clip.y1;
    if (xa > xb || ya > yb) {
      return;
    }
    int n = xb - xa + 1;
    std::vector<uint32_t> Row(n);
    GUI__INDEX_LINE Line;
    for (int y = ya; y <= yb; y++) {
      const U8* p = pData + (size_t(y - y0) * XSize + (xa - x0)) * BytesPerPixel;
      for (int i = 0; i < n; i++, p += BytesPerPixel) {
        Row[i] = pfGetColor(p);
      }
      if (Alpha) {
        GUI__DrawColorLineAlpha(&Line, xa, y, Row.data(), n);
      } else {
        GUI__DrawColorLine(&Line, xa, y, Row.data(), n);
      }
    }
    return;
  }
  // Magnified: every pixel a block of xMag by yMag.
  LCD_PIXELINDEX SavedIndex = LCD_GetColorIndex();
  GUI_COLOR Prev = GUI_INVALID_COLOR;
  for (int r = 0; r < YSize; r++) {
    int yb0 = y0 + r * yMag, yb1 = yb0 + yMag - 1;
    if (yb1 < Clip.y0 || yb0 > Clip.y1) {
      continue;
    }
    const U8* p = pData + size_t(r) * XSize * BytesPerPixel;
    for (int c = 0; c < XSize; c++, p += BytesPerPixel) {
      GUI_COLOR Color = pfGetColor(p);
      unsigned Trans = Alpha ? Color >> 24 : 0;
      int xb0 = x0 + c * xMag, xb1 = xb0 + xMag - 1;
      if (Trans == 0xFF || xb1 < Clip.x0 || xb0 > Clip.x1) {
        continue;
      }
      Color &= 0xFFFFFF;
      if (!Trans) {
        if (Color != Prev) {
          LCD_SetColorIndex(LCD_Color2Index(Color));
          Prev = Color;
        }
        LCD_FillRect(xb0, yb0, xb1, yb1);
        continue;
      }
      for (int y = yb0; y <= yb1; y++) {
        for (int x = xb0; x <= xb1; x++) {
          GUI__SetPixelAlpha(x, y, U8(255 - Trans), Color);
        }
      }
    }
  }
  LCD_SetColorIndex(SavedIndex);
}

const GUI_BITMAP_METHODS GUI_DRAW_BMP24 = {_Draw<_Get24, 3, 0>, _Index2Color24, nullptr, nullptr};
const GUI_BITMAP_METHODS GUI_DRAW_BMP32 = {_Draw<_Get32, 4, 0>, _Index2Color24, nullptr, nullptr};
const GUI_BITMAP_METHODS GUI_DRAW_BMP32_SWAP = {_Draw<_Get32Swap, 4, 0>, _Index2Color32Swap, nullptr, nullptr};
const GUI_BITMAP_METHODS GUI_DRAW_BMP8888 = {_Draw<_Get32, 4, 1>, _Index2Color8888, _DrawHW8888, nullptr};
const GUI_BITMAP_METHODS GUI_DRAW_BMPA555 = {_Draw<_GetA16<_BGR555>, 3, 1>, _IndexA16<_BGR555>, nullptr, nullptr};
const GUI_BITMAP_METHODS GUI_DRAW_BMPAM555 = {_Draw<_GetA16<_RGB555>, 3, 1>, _IndexA16<_RGB555>, nullptr, nullptr};
const GUI_BITMAP_METHODS GUI_DRAW_BMPA565 = {_DrawA16<_BGR565, LCD_CC_BGR565_Index2Color>, _IndexA16<_BGR565>,
                                             nullptr, nullptr};
const GUI_BITMAP_METHODS GUI_DRAW_BMPAM565 = {_DrawA16<_RGB565, LCD_CC_RGB565_Index2Color>, _IndexA16<_RGB565>,
                                              nullptr, nullptr};

int GUI__GetBytesPerPixel(const GUI_BITMAP* pBitmap) {
  const GUI_BITMAP_METHODS* m = pBitmap->pMethods;
  if (!m) {
    return 0;
  }
  if (m == &GUI_DRAW_BMP24 || m == &GUI_DRAW_BMPA555 || m == &GUI_DRAW_BMPAM555 || m == &GUI_DRAW_BMPA565 ||
      m == &GUI_DRAW_BMPAM565) {
    return 3;
  }
  if (m == &GUI_DRAW_BMP32 || m == &GUI_DRAW_BMP32_SWAP || m == &GUI_DRAW_BMP8888) {
    return 4;
  }
  return pBitmap->BitsPerPixel == 16 ? 2 : (pBitmap->BitsPerPixel + 7) / 8;
}

U32 GUI__GetBitmapPixelValue(const GUI_BITMAP* pBitmap, int x, int y) {
  if (!pBitmap || !pBitmap->pData || x < 0 || y < 0 || x >= pBitmap->XSize || y >= pBitmap->YSize) {
    return 0;
  }
  int Bytes = GUI__GetBytesPerPixel(pBitmap);
  if (!Bytes) {
    int Bpp = pBitmap->BitsPerPixel;
    const U8* pRow = pBitmap->pData + size_t(y) * pBitmap->BytesPerLine;
    unsigned Bit = unsigned(x) * Bpp;
    return (pRow[Bit / 8] >> (8 - Bpp - Bit % 8)) & ((1u << Bpp) - 1);
  }
  const U8* p = pBitmap->pData + (size_t(y) * pBitmap->XSize + x) * Bytes;
  switch (Bytes) {
  case 2:
    return U32(p[0] | p[1] << 8);
  case 3:
    if (pBitmap->pMethods == &GUI_DRAW_BMP24) {
      return _Get24(p);
    }
    return U32(p[0]) << 24 | U32(p[1]) << 8 | p[2];
  default:
    return _Get32(p);
  }
}
