// Anti-aliasing through memory devices: fill a 32-bit device at double size from the current target, and
// write a device at half size to the display, averaging each 2 x 2 block.
#include "GUI_MEMDEV_Private.h"

void GUI_MEMDEV_AA_FillDouble(GUI_HMEM hMem) {
  GUI_MEMDEV__LockGuard Lock;
  if (!hMem) {
    hMem = GUI_pContext->hDevData;
    if (!hMem || GUI_MEMDEV__IsMeasDev(hMem)) return;
  } else if (!GUI_MEMDEV__Check(hMem)) {
    return;
  }
  GUI_MEMDEV__Pin PinDev(hMem);
  GUI_MEMDEV* pDev = GUI_MEMDEV__h2p(hMem);
  if (pDev->BitsPerPixel != 32) return;  // the doubled pixels are stored as 32-bit values
  int x0 = pDev->x0, y0 = pDev->y0, w = pDev->XSize / 2, h = pDev->YSize / 2;
  for (int j = 0; j < h; j++) {
    GUI_MEMDEV__MarkRect(pDev, x0, y0 + 2 * j, pDev->XSize, 2);
    U32* pRow0 = (U32*)(GUI_MEMDEV__GetPixels(pDev) + (U32)(2 * j) * pDev->BytesPerLine);
    U32* pRow1 = (U32*)((U8*)pRow0 + pDev->BytesPerLine);
    for (int i = 0; i < w; i++) {
      U32 v = LCD_GetPixelIndex(x0 + i, y0 + j);
      pRow0[2 * i] = pRow0[2 * i + 1] = pRow1[2 * i] = pRow1[2 * i + 1] = v;
    }
  }
}

void GUI_MEMDEV_AA_WriteHalf(GUI_HMEM hMem) {
  if (!GUI_MEMDEV__Check(hMem)) return;
  GUI_MEMDEV__LockGuard Lock;
  GUI_MEMDEV* pDev = GUI_MEMDEV__h2p(hMem);
  int Bytes = GUI_MEMDEV__BytesPerPixel((int)pDev->BitsPerPixel);
  if (pDev->YSize < 2 || pDev->BitsPerPixel < 8) return;
  GUI_HMEM hSel = GUI_pContext->hDevData;
  GUI_SelectLCD();
  GUI_MEMDEV__Pin PinDev(hMem);
  pDev = GUI_MEMDEV__h2p(hMem);
  const U8* pPixels = GUI_MEMDEV__GetPixels(pDev);
  // The device's pixels are read in the device's own format.
  tLCDDEV_Index2Color pfIndex2Color = pDev->pDevice->pColorConvAPI->pfIndex2Color;
  auto Read = [&](int x, int y) -> LCD_PIXELINDEX {
    const U8* p = pPixels + (U32)y * pDev->BytesPerLine + (U32)x * Bytes;
    return Bytes == 1 ? *p : (Bytes == 2 ? *(const U16*)p : *(const U32*)p);
  };
  for (int j = 0; j < pDev->YSize / 2; j++) {
    for (int i = 0; i < pDev->XSize / 2; i++) {
      U32 r = 0, g = 0, b = 0;
      for (int k = 0; k < 4; k++) {
        GUI_COLOR c = pfIndex2Color(Read(2 * i + (k & 1), 2 * j + (k >> 1)));
        r += c & 0xFF;
        g += (c >> 8) & 0xFF;
        b += (c >> 16) & 0xFF;
      }
      GUI_COLOR c = ((r + 2) >> 2) | (((g + 2) >> 2) << 8) | (((b + 2) >> 2) << 16);
      LCD__SetPixelIndexClipped(pDev->x0 + i, pDev->y0 + j, LCD_Color2Index(c));
    }
  }
  GUI_MEMDEV__SelectAny(hSel);
}
