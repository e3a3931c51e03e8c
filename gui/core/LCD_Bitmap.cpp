// Bitmaps on the display layer: clipping, magnification, the 16-bit drawer and the pixel writer.
#include "GUI_Private.h"

#include <cstring>
#include <vector>

namespace {

bool _IsSupportedBPP(int BitsPerPixel) {
  return BitsPerPixel == 1 || BitsPerPixel == 2 || BitsPerPixel == 4 || BitsPerPixel == 8 || BitsPerPixel == 16 ||
         BitsPerPixel == 32;
}

// Magnified bitmaps: runs of equal pixels of a row become one filled rectangle per run.
void _DrawMagnified(int x0, int y0, int xSize, int ySize, int xMag, int yMag, int BitsPerPixel, int BytesPerLine,
                    const U8* pData, const LCD_PIXELINDEX* pTrans, int Diff) {
  GUI_CONTEXT* pContext = GUI_pContext;
  const GUI_RECT* c = pContext->pClipRect;
  bool Trans = (pContext->DrawMode & LCD_DRAWMODE_TRANS) && pTrans && BitsPerPixel < 16;
  bool Xor = (pContext->DrawMode & LCD_DRAWMODE_XOR) != 0;
  const LCD_PIXELINDEX* pTable = BitsPerPixel < 16 ? pTrans : nullptr;
  LCD_PIXELINDEX SavedIndex = *pContext->LCD_pColorIndex;
  for (int y = 0; y < ySize; y++, pData += BytesPerLine) {
    int yt0 = y0 + y * yMag;
    int yt1 = yt0 + yMag - 1;
    if (yt1 < c->y0 || yt0 > c->y1) {
      continue;
    }
    int x = 0;
    while (x < xSize) {
      U32 Raw = GUI__ReadPixelRaw(pData, BitsPerPixel, Diff + x);
      int Run = 1;
      while (x + Run < xSize && GUI__ReadPixelRaw(pData, BitsPerPixel, Diff + x + Run) == Raw) {
        Run++;
      }
      bool Skip = (Trans && Raw == 0) || (Xor && Raw == 0);
      if (!Skip) {
        *pContext->LCD_pColorIndex = pTable ? pTable[Raw] : Raw;
        LCD_FillRect(x0 + x * xMag, yt0, x0 + (x + Run) * xMag - 1, yt1);
      }
      x += Run;
    }
  }
  *pContext->LCD_pColorIndex = SavedIndex;
}

}  // namespace

void LCD__DrawBitmapClipped(int x0, int y0, int xSize, int ySize, int BitsPerPixel, int BytesPerLine,
                            const U8* pData, int Diff, const LCD_PIXELINDEX* pTrans) {
  GUI_DEVICE* pDevice = GUI__GetHead();
  if (pDevice && xSize > 0 && ySize > 0) {
    pDevice->pDeviceAPI->pfDrawBitmap(pDevice, x0, y0, xSize, ySize, BitsPerPixel, BytesPerLine, pData, Diff, pTrans);
  }
}

void LCD__DrawBitmapEx(int x0, int y0, int xSize, int ySize, int xMag, int yMag, int BitsPerPixel,
                       int BytesPerLine, const U8* pData, const LCD_PIXELINDEX* pTrans, int Diff) {
  if (!pData || xSize <= 0 || ySize <= 0 || xMag <= 0 || yMag <= 0 || !_IsSupportedBPP(BitsPerPixel)) {
    return;
  }
  if (xMag > 1 || yMag > 1) {
    _DrawMagnified(x0, y0, xSize, ySize, xMag, yMag, BitsPerPixel, BytesPerLine, pData, pTrans, Diff);
    return;
  }
  const GUI_RECT* c = GUI_pContext->pClipRect;
  if (y0 < c->y0) {
    int d = c->y0 - y0;
    if (d >= ySize) {
      return;
    }
    pData += (size_t)d * (size_t)BytesPerLine;
    ySize -= d;
    y0 = c->y0;
  }
  if (y0 + ySize - 1 > c->y1) {
    ySize = c->y1 - y0 + 1;
  }
  if (x0 < c->x0) {
    int d = c->x0 - x0;
    if (d >= xSize) {
      return;
    }
    if (BitsPerPixel < 8) {
      int PixelsPerByte = 8 / BitsPerPixel;
      int Pos = Diff + d;
      pData += Pos / PixelsPerByte;
      Diff = Pos % PixelsPerByte;
    } else {
      pData += (size_t)d * (size_t)(BitsPerPixel / 8);
    }
    xSize -= d;
    x0 = c->x0;
  }
  if (x0 + xSize - 1 > c->x1) {
    xSize = c->x1 - x0 + 1;
  }
  if (xSize <= 0 || ySize <= 0) {
    return;
  }
  LCD__DrawBitmapClipped(x0, y0, xSize, ySize, BitsPerPixel, BytesPerLine, pData, Diff, pTrans);
}

void LCD_DrawBitmap(int x0, int y0, int xSize, int ySize, int xMag, int yMag, int BitsPerPixel, int BytesPerLine,
                    const U8* pData, const LCD_PIXELINDEX* pTrans) {
  LCD__DrawBitmapEx(x0, y0, xSize, ySize, xMag, yMag, BitsPerPixel, BytesPerLine, pData, pTrans, 0);
}

void GUI_DEVICE__DrawBitmapByPixel(GUI_DEVICE* pDevice, int x0, int y0, int xSize, int ySize, int BitsPerPixel,
                                   int BytesPerLine, const U8* pData, int Diff, const LCD_PIXELINDEX* pTrans) {
  int DrawMode = GUI_pContext->DrawMode;
  bool Xor = (DrawMode & LCD_DRAWMODE_XOR) != 0;
  if (BitsPerPixel >= 16) {
    pTrans = nullptr;
  }
  bool Trans = (DrawMode & LCD_DRAWMODE_TRANS) && pTrans;
  const GUI_DEVICE_API* pAPI = pDevice->pDeviceAPI;
  for (int y = 0; y < ySize; y++, pData += BytesPerLine) {
    for (int x = 0; x < xSize; x++) {
      U32 Raw = GUI__ReadPixelRaw(pData, BitsPerPixel, Diff + x);
      if (Xor) {
        if (Raw) {
          pAPI->pfXorPixel(pDevice, x0 + x, y0 + y);
        }
      } else if (!(Trans && Raw == 0)) {
        pAPI->pfSetPixelIndex(pDevice, x0 + x, y0 + y, pTrans ? pTrans[Raw] : Raw);
      }
    }
  }
}

int LCD__GetTargetBPP(void) {
  GUI_DEVICE* pDevice = GUI_DEVICE__GetHead(GUI_pContext->SelLayer);
  int Bits = (pDevice && pDevice->pColorConvAPI) ? LCD__GetBPPDevice(pDevice->pColorConvAPI->pfGetIndexMask()) : 0;
  return Bits ? Bits : 32;
}

void LCD__DrawIndexRow(int x, int y, int n, LCD_PIXELINDEX* pIndices) {
  if (n <= 0) {
    return;
  }
  int Bits = LCD__GetTargetBPP();
  if (Bits < 32) {
    GUI__CompactPixelIndices(pIndices, n, Bits);
  }
  // Indices are colours already: the transparent and XOR modes of palette rows must not touch them.
  GUI_CONTEXT* pContext = GUI_pContext;
  auto SavedMode = pContext->DrawMode;
  if (Bits < 16) {
    pContext->DrawMode = 0;
  }
  LCD_DrawBitmap(x, y, n, 1, 1, 1, Bits, (n * Bits + 7) / 8, reinterpret_cast<const U8*>(pIndices), nullptr);
  pContext->DrawMode = SavedMode;
}

void GUI__DrawBitmap16bpp(int x0, int y0, int xSize, int ySize, const U8* pData, const GUI_PALETTE* pPal, int xMag,
                          int yMag, tLCDDEV_Index2Color pfIndex2Color, const LCD_COLOR_CONV_API* pColorConvAPI) {
  (void)pPal;
  if (!pData || xSize <= 0 || ySize <= 0 || xMag <= 0 || yMag <= 0 || !pfIndex2Color) {
    return;
  }
  GUI_CONTEXT* pContext = GUI_pContext;
  GUI_COLOR SavedColor = pContext->Color;
  LCD_PIXELINDEX SavedIndex = *pContext->LCD_pColorIndex;
  int BytesPerLine = xSize * 2;
  const GUI_RECT* c = pContext->pClipRect;
  if (xMag == 1 && yMag == 1) {
    if (LCD__GetpfIndex2Color(pContext->SelLayer) == pfIndex2Color) {
      LCD_DrawBitmap(x0, y0, xSize, ySize, 1, 1, 16, BytesPerLine, pData, nullptr);
    } else {
      // Convert: pixel value -> colour -> the layer's index, a row at a time.
      int xs = GUI__Max(x0, c->x0), xe = GUI__Min(x0 + xSize - 1, c->x1);
      int ys = GUI__Max(y0, c->y0), ye = GUI__Min(y0 + ySize - 1, c->y1);
      const LCD_COLOR_CONV_API* pLayerConv = LCD__GetColorConv(pContext->SelLayer);
      if (xs <= xe && ys <= ye && pLayerConv && GUI__GetAlphaBuffer(xe - xs + 1) == 0) {
        int n = xe - xs + 1;
        U32* pColors = GUI__GetAlphaLine(0);
        // The indices go to the device, which may use the shared alpha lines itself: a line of our own.
        static thread_local std::vector<U32> Indices;
        Indices.resize((size_t)n);
        U32* pIndices = Indices.data();
        for (int y = ys; y <= ye; y++) {
          const U8* pRow = pData + (size_t)(y - y0) * BytesPerLine + (size_t)(xs - x0) * 2;
          if (pColorConvAPI && pColorConvAPI->pfIndex2ColorBulk && (reinterpret_cast<PTR_ADDR>(pRow) & 1) == 0) {
            pColorConvAPI->pfIndex2ColorBulk(pRow, pColors, (U32)n, 2);
          } else {
            for (int i = 0; i < n; i++) {
              pColors[i] = pfIndex2Color(GUI__ReadPixelRaw(pRow, 16, i));
            }
          }
          if (pLayerConv->pfColor2IndexBulk) {
            pLayerConv->pfColor2IndexBulk(pColors, pIndices, (U32)n, 4);
          } else {
            for (int i = 0; i < n; i++) {
              pIndices[i] = pLayerConv->pfColor2Index(pColors[i]);
            }
          }
          LCD__DrawIndexRow(xs, y, n, pIndices);
        }
      }
    }
  } else {
    U32 Last = 0xFFFFFFFFu;
    for (int y = 0; y < ySize; y++) {
      int yt0 = y0 + y * yMag;
      if (yt0 + yMag - 1 < c->y0 || yt0 > c->y1) {
        continue;
      }
      const U8* pRow = pData + (size_t)y * BytesPerLine;
      int x = 0;
      while (x < xSize) {
        U32 v = GUI__ReadPixelRaw(pRow, 16, x);
        int Run = 1;
        while (x + Run < xSize && GUI__ReadPixelRaw(pRow, 16, x + Run) == v) {
          Run++;
        }
        if (v != Last) {
          LCD_SetColor(pfIndex2Color(v));
          Last = v;
        }
        LCD_FillRect(x0 + x * xMag, yt0, x0 + (x + Run) * xMag - 1, yt0 + yMag - 1);
        x += Run;
      }
    }
  }
  pContext->Color = SavedColor;
  *pContext->LCD_pColorIndex = SavedIndex;
}

//
// Pixel writer: collects a row of indices and draws it as one row at the target's depth.
//
namespace {

struct PIXELWRITER {
  int x0, y0, x1, y1;
  int y;
  int n;
  bool Active;
  std::vector<U32> Row;
};

PIXELWRITER _Writer;

void _Flush(void) {
  if (_Writer.n > 0 && _Writer.y <= _Writer.y1) {
    LCD__DrawIndexRow(_Writer.x0, _Writer.y, _Writer.n, _Writer.Row.data());
  }
  _Writer.n = 0;
}

int _WriterBegin(int x0, int y0, int x1, int y1) {
  if (x0 > x1 || y0 > y1) {
    return 1;
  }
  try {
    _Writer.Row.resize((size_t)(x1 - x0 + 1));
  } catch (const std::bad_alloc&) {
    return 1;
  }
  _Writer.x0 = x0;
  _Writer.y0 = y0;
  _Writer.x1 = x1;
  _Writer.y1 = y1;
  _Writer.y = y0;
  _Writer.n = 0;
  _Writer.Active = true;
  return 0;
}

void _WriterWrite(LCD_PIXELINDEX Index) {
  if (_Writer.Active && _Writer.n <= _Writer.x1 - _Writer.x0) {
    _Writer.Row[(size_t)_Writer.n++] = Index;
  }
}

void _WriterNextLine(void) {
  if (_Writer.Active) {
    _Flush();
    _Writer.y++;
  }
}

void _WriterEnd(void) {
  if (_Writer.Active) {
    _Flush();
    _Writer.Active = false;
  }
}

const LCD_PIXELWRITER_API _WriterAPI = {_WriterBegin, _WriterWrite, _WriterNextLine, _WriterEnd};

}  // namespace

const LCD_PIXELWRITER_API* LCD_GetPixelWriterAPI(void) { return &_WriterAPI; }
