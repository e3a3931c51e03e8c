// Orientation renderer without cache (displays below 8 bits per pixel): every operation is mapped to physical
// coordinates and passed to the next device; a line along a swapped axis becomes a line along the other axis,
// and bitmaps go pixel by pixel through the device's own (mapped) pixel routines.
#include "GUI_OrientPrivate.h"

namespace {

inline GUI_DEVICE* _Next(GUI_DEVICE* pDevice) { return pDevice->pNext; }

LCD_PIXELINDEX _GetPixelIndex(GUI_DEVICE* pDevice, int x, int y) {
  const GUI_ORIENT_CONTEXT* p = GUI_ORIENT__GetContext(pDevice);
  GUI_DEVICE* pNext = _Next(pDevice);
  int xp, yp;
  p->pfMap(p, x, y, &xp, &yp);
  return pNext ? pNext->pDeviceAPI->pfGetPixelIndex(pNext, xp, yp) : 0;
}

void _SetPixelIndex(GUI_DEVICE* pDevice, int x, int y, LCD_PIXELINDEX Index) {
  const GUI_ORIENT_CONTEXT* p = GUI_ORIENT__GetContext(pDevice);
  GUI_DEVICE* pNext = _Next(pDevice);
  int xp, yp;
  p->pfMap(p, x, y, &xp, &yp);
  if (pNext) {
    pNext->pDeviceAPI->pfSetPixelIndex(pNext, xp, yp, Index);
  }
}

void _XorPixel(GUI_DEVICE* pDevice, int x, int y) {
  const GUI_ORIENT_CONTEXT* p = GUI_ORIENT__GetContext(pDevice);
  GUI_DEVICE* pNext = _Next(pDevice);
  int xp, yp;
  p->pfMap(p, x, y, &xp, &yp);
  if (pNext) {
    pNext->pDeviceAPI->pfXorPixel(pNext, xp, yp);
  }
}

// A logical line: along physical x without the swap bit, along physical y with it.
void _Line(GUI_DEVICE* pDevice, int x0, int y0, int x1, int y1) {
  const GUI_ORIENT_CONTEXT* p = GUI_ORIENT__GetContext(pDevice);
  GUI_DEVICE* pNext = _Next(pDevice);
  if (!pNext) {
    return;
  }
  int a, b, c, d;
  GUI_ORIENT__MapRect(p, x0, y0, x1, y1, &a, &b, &c, &d);
  if (b == d) {
    pNext->pDeviceAPI->pfDrawHLine(pNext, a, b, c);
  } else {
    pNext->pDeviceAPI->pfDrawVLine(pNext, a, b, d);
  }
}

void _DrawHLine(GUI_DEVICE* pDevice, int x0, int y, int x1) { _Line(pDevice, x0, y, x1, y); }
void _DrawVLine(GUI_DEVICE* pDevice, int x, int y0, int y1) { _Line(pDevice, x, y0, x, y1); }

void _FillRect(GUI_DEVICE* pDevice, int x0, int y0, int x1, int y1) {
  const GUI_ORIENT_CONTEXT* p = GUI_ORIENT__GetContext(pDevice);
  GUI_DEVICE* pNext = _Next(pDevice);
  if (!pNext) {
    return;
  }
  int a, b, c, d;
  GUI_ORIENT__MapRect(p, x0, y0, x1, y1, &a, &b, &c, &d);
  pNext->pDeviceAPI->pfFillRect(pNext, a, b, c, d);
}

// Pixel by pixel through the device's own routines, with the draw-mode rules of the display driver.
void _DrawBitmap(GUI_DEVICE* pDevice, int x0, int y0, int xSize, int ySize, int BitsPerPixel, int BytesPerLine,
                 const U8* pData, int Diff, const LCD_PIXELINDEX* pTrans) {
  GUI_DEVICE__DrawBitmapByPixel(pDevice, x0, y0, xSize, ySize, BitsPerPixel, BytesPerLine, pData, Diff, pTrans);
}

}  // namespace

const GUI_ORIENT_RENDERER GUI_OrientRendererPlain = {
    _DrawBitmap, _DrawHLine, _DrawVLine, _FillRect, _GetPixelIndex, _SetPixelIndex, _XorPixel, 0,
};
