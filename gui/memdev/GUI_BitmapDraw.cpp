// Drawing GUI_BITMAP records: plain, magnified, from explicit parameters and by direct write. Palette-based
// data go to the display layer with a colour-index translation table; other formats to their methods record.
#include "GUI_Bitmap.h"
#include "GUI_BitmapPrivate.h"

namespace {

// Draw mode with the transparency bit set when the palette makes index 0 transparent.
int _TransMode(const GUI_PALETTE* pPal, int Mode) {
  return (pPal && pPal->HasTrans) ? (Mode | GUI_DRAWMODE_TRANS) : (Mode & ~GUI_DRAWMODE_TRANS);
}

int _IsDrawable(const GUI_BITMAP* pBitmap) {
  return pBitmap && pBitmap->XSize && pBitmap->YSize && pBitmap->pData &&
         (pBitmap->pMethods || GUI__CheckPaletteData(pBitmap->XSize, pBitmap->BitsPerPixel, pBitmap->BytesPerLine));
}

GUI_RECT _Rect(int x, int y, int XSize, int YSize) {
  return GUI_RECT{GUI__ClampCoord(x), GUI__ClampCoord(y), GUI__ClampCoord(x + XSize - 1),
                  GUI__ClampCoord(y + YSize - 1)};
}

}  // namespace

int GUI__WindowToScreen(int* px, int* py) {
  const int64_t Far = int64_t(1) << 30;  // beyond any picture's reach of the 16-bit coordinate range
  int64_t x = int64_t(*px) + GUI_pContext->xOff, y = int64_t(*py) + GUI_pContext->yOff;
  if (x < -Far || x > Far || y < -Far || y > Far) {
    return 0;
  }
  *px = int(x);
  *py = int(y);
  return 1;
}

int GUI__CheckPaletteData(int XSize, int BitsPerPixel, int BytesPerLine) {
  if (BitsPerPixel != 1 && BitsPerPixel != 2 && BitsPerPixel != 4 && BitsPerPixel != 8) {
    return 0;
  }
  return BytesPerLine >= (XSize * BitsPerPixel + 7) / 8;
}

const LCD_PIXELINDEX* GUI__GetBitmapTable(const GUI_PALETTE* pPal, const GUI_BITMAP* pBitmap, int BitsPerPixel,
                                          LCD_PIXELINDEX* pScratch) {
  int Layer = GUI_pContext->SelLayer;
  const LCD_PIXELINDEX* pTable = nullptr;
  if (pPal) {
    pTable = GUI__pfDrawBitmapHook ? GUI__pfDrawBitmapHook(pPal, pBitmap, Layer) : LCD_GetPalConvTable(pPal);
  }
  if (!pTable) {
    // Without colours a 1-bit bitmap draws in the current background and foreground colours; deeper data
    // without a table are device indices.
    return BitsPerPixel == 1 ? GUI_pContext->LCD_pAColorIndex : nullptr;
  }
  // Indices the palette does not reach show its first colour instead of reading past the table.
  int Reach = BitsPerPixel >= 8 ? 256 : 1 << BitsPerPixel;
  int NumEntries = pPal->NumEntries;
  if (NumEntries >= Reach) {
    return pTable;
  }
  for (int i = 0; i < Reach; i++) {
    pScratch[i] = i < NumEntries ? pTable[i] : pTable[0];
  }
  return pScratch;
}

void GUI__DrawBitmap(const GUI_BITMAP* pBitmap, int x, int y) {
  if (!_IsDrawable(pBitmap)) {
    return;
  }
  const GUI_PALETTE* pPal = pBitmap->pPal;
  int OldMode = GUI_pContext->DrawMode;
  LCD_SetDrawMode(_TransMode(pPal, OldMode));
  if (pBitmap->pMethods) {
    pBitmap->pMethods->pfDraw(x, y, pBitmap->XSize, pBitmap->YSize, pBitmap->pData, pPal, 1, 1);
  } else {
    LCD_PIXELINDEX aScratch[256];
    const LCD_PIXELINDEX* pTable = GUI__GetBitmapTable(pPal, pBitmap, pBitmap->BitsPerPixel, aScratch);
    LCD_DrawBitmap(x, y, pBitmap->XSize, pBitmap->YSize, 1, 1, pBitmap->BitsPerPixel, pBitmap->BytesPerLine,
                   pBitmap->pData, pTable);
  }
  LCD_SetDrawMode(OldMode);
}

void GUI_DrawBitmap(const GUI_BITMAP* pBitmap, int x, int y) {
  if (!_IsDrawable(pBitmap)) {
    return;
  }
  GUI_Lock();
  if (!GUI__WindowToScreen(&x, &y)) {
    GUI_Unlock();
    return;
  }
  GUI_RECT r = _Rect(x, y, pBitmap->XSize, pBitmap->YSize);
  GUI_CLIP_ITERATE_START(&r)
    GUI__DrawBitmap(pBitmap, x, y);
  GUI_CLIP_ITERATE_END()
  GUI_Unlock();
}

void GUI_DrawBitmapMag(const GUI_BITMAP* pBitmap, int x, int y, int xMul, int yMul) {
  if (!_IsDrawable(pBitmap) || xMul <= 0 || yMul <= 0) {
    return;
  }
  GUI_Lock();
  if (!GUI__WindowToScreen(&x, &y)) {
    GUI_Unlock();
    return;
  }
  const GUI_PALETTE* pPal = pBitmap->pPal;
  LCD_PIXELINDEX aScratch[256];
  const LCD_PIXELINDEX* pTable = nullptr;
  if (!pBitmap->pMethods) {
    pTable = GUI__GetBitmapTable(pPal, pBitmap, pBitmap->BitsPerPixel, aScratch);
  }
  int OldMode = LCD_SetDrawMode((pPal && pPal->HasTrans) ? GUI_DRAWMODE_TRANS : 0);
  GUI_RECT r = _Rect(x, y, pBitmap->XSize * xMul, pBitmap->YSize * yMul);
  GUI_CLIP_ITERATE_START(&r)
    if (pBitmap->pMethods) {
      pBitmap->pMethods->pfDraw(x, y, pBitmap->XSize, pBitmap->YSize, pBitmap->pData, pPal, xMul, yMul);
    } else {
      LCD_DrawBitmap(x, y, pBitmap->XSize, pBitmap->YSize, xMul, yMul, pBitmap->BitsPerPixel,
                     pBitmap->BytesPerLine, pBitmap->pData, pTable);
    }
  GUI_CLIP_ITERATE_END()
  LCD_SetDrawMode(OldMode);
  GUI_Unlock();
}

void GUI_DrawBitmapExp(int x, int y, int XSize, int YSize, int xMul, int yMul, int BitsPerPixel, int BytesPerLine,
                       const U8* pData, const GUI_PALETTE* pPal) {
  if (!pData || XSize <= 0 || YSize <= 0 || xMul <= 0 || yMul <= 0) {
    return;
  }
  int Valid = GUI__CheckPaletteData(XSize, BitsPerPixel, BytesPerLine) ||
              ((BitsPerPixel == 16 || BitsPerPixel == 32) && BytesPerLine >= XSize * BitsPerPixel / 8);
  if (!Valid) {
    return;
  }
  GUI_Lock();
  if (!GUI__WindowToScreen(&x, &y)) {
    GUI_Unlock();
    return;
  }
  LCD_PIXELINDEX aScratch[256];
  const LCD_PIXELINDEX* pTable = BitsPerPixel <= 8 ? GUI__GetBitmapTable(pPal, nullptr, BitsPerPixel, aScratch)
                                                   : nullptr;
  int OldMode = LCD_SetDrawMode((pPal && pPal->HasTrans) ? GUI_DRAWMODE_TRANS : 0);
  GUI_RECT r = _Rect(x, y, XSize * xMul, YSize * yMul);
  GUI_CLIP_ITERATE_START(&r)
    LCD_DrawBitmap(x, y, XSize, YSize, xMul, yMul, BitsPerPixel, BytesPerLine, pData, pTable);
  GUI_CLIP_ITERATE_END()
  LCD_SetDrawMode(OldMode);
  GUI_Unlock();
}

void GUI_DrawBitmapHW(const GUI_BITMAP* pBitmap, int x, int y) {
  if (!_IsDrawable(pBitmap) || !pBitmap->pMethods || !pBitmap->pMethods->pfDrawHW) {
    return;
  }
  GUI_Lock();
  if (!GUI__WindowToScreen(&x, &y)) {
    GUI_Unlock();
    return;
  }
  GUI_RECT r = _Rect(x, y, pBitmap->XSize, pBitmap->YSize);
  GUI_CLIP_ITERATE_START(&r)
    pBitmap->pMethods->pfDrawHW(x, y, pBitmap->XSize, pBitmap->YSize, pBitmap->pData, pBitmap->pPal, 1, 1);
  GUI_CLIP_ITERATE_END()
  GUI_Unlock();
}
