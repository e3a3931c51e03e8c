// Orientation renderer without cache (displays below 8 bits per pixel): every operation is mapped to physical
// coordinates and passed to the next device; a line along a swapped axis becomes a line along the other axis,
// and bitmaps go pixel by pixel through the device's own (mapped) pixel routines.
#include "GUI_OrientPrivate.h"

namespace {

// The device below (null: nothing is drawn) and the physical place of logical point (x, y).
GUI_DEVICE* _MapPoint(GUI_DEVICE* pDevice, int x, int y, int* pxp, int* pyp) {
  const GUI_ORIENT_CONTEXT* p = GUI_ORIENT__GetContext(pDevice);
  p->pfMap(p, x, y, pxp, pyp);
  return pDevice->pNext;
}

// The same for a logical rectangle, each physical axis in order.
GUI_DEVICE* _MapRect(GUI_DEVICE* pDevice, int x0, int y0, int x1, int y1, int* pa, int* pb, int* pc, int* pd) {
  GUI_ORIENT__MapRect(GUI_ORIENT__GetContext(pDevice), x0, y0, x1, y1, pa, pb, pc, pd);
  return pDevice->pNext;
}

LCD_PIXELINDEX _GetPixelIndex(GUI_DEVICE* pDevice, int x, int y) {
  int xp, yp;
  GUI_DEVICE* pNext = _MapPoint(pDevice, x, y, &xp, &yp);
  return pNext ? pNext->pDeviceAPI->pfGetPixelIndex(pNext, xp, yp) : 0;
}

void _SetPixelIndex(GUI_DEVICE* pDevice, int x, int y, LCD_PIXELINDEX Index) {
  int xp, yp;
  if (GUI_DEVICE* pNext = _MapPoint(pDevice, x, y, &xp, &yp)) {
    pNext->pDeviceAPI->pfSetPixelIndex(pNext, xp, yp, Index);
  }
}

void _XorPixel(GUI_DEVICE* pDevice, int x, int y) {
  int xp, yp;
  if (GUI_DEVICE* pNext = _MapPoint(pDevice, x, y, &xp, &yp)) {
    pNext->pDeviceAPI->pfXorPixel(pNext, xp, yp);
  }
}

// A logical line: along physical x without the swap bit, along physical y with it.
void _Line(GUI_DEVICE* pDevice, int x0, int y0, int x1, int y1) {
  int a, b, c, d;
  GUI_DEVICE* pNext = _MapRect(pDevice, x0, y0, x1, y1, &a, &b, &c, &d);
  if (!pNext) {
    return;
  }
  if (b == d) {
    pNext->pDeviceAPI->pfDrawHLine(pNext, a, b, c);
  } else {
    pNext->pDeviceAPI->pfDrawVLine(pNext, a, b, d);
  }
}

void _DrawHLine(GUI_DEVICE* pDevice, int x0, int y, int x1) { _Line(pDevice, x0, y, x1, y); }
void _DrawVLine(GUI_DEVICE* pDevice, int x, int y0, int y1) { _Line(pDevice, x, y0, x, y1); }

void _FillRect(GUI_DEVICE* pDevice, int x0, int y0, int x1, int y1) {
  int a, b, c, d;
  if (GUI_DEVICE* pNext = _MapRect(pDevice, x0, y0, x1, y1, &a, &b, &c, &d)) {
    pNext->pDeviceAPI->pfFillRect(pNext, a, b, c, d);
  }
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
