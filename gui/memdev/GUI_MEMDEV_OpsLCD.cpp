// Memory devices and the display: copying the display's pixels into a device and comparing them.
#include "GUI_MEMDEV_Ops.h"
#include "GUI_MEMDEV_Private.h"

#include <vector>

namespace {

I32 _DriverProp(GUI_DEVICE* pDriver, int Index) { return pDriver->pDeviceAPI->pfGetDevProp(pDriver, Index); }

void _StoreIndex(U8* pRow, int i, int BitsPerPixel, LCD_PIXELINDEX v) {
  switch (BitsPerPixel) {
  case 1:
    if (v & 1) {
      pRow[i >> 3] |= U8(0x80 >> (i & 7));
    } else {
      pRow[i >> 3] &= U8(~(0x80 >> (i & 7)));
    }
    break;
  case 8:
    pRow[i] = U8(v);
    break;
  case 16: {
    U16 w = U16(v);
    std::memcpy(pRow + 2 * i, &w, 2);
    break;
  }
  default:
    std::memcpy(pRow + 4 * i, &v, 4);
    break;
  }
}

}  // namespace

void GUI_MEMDEV_CopyFromLCD(GUI_HMEM hMem) {
  GUI_MEMDEV__LockGuard Lock;
  GUI_HMEM hSel = GUI_pContext->hDevData;
  if (!hMem) {
    hMem = hSel;
  }
  if (!hMem || GUI_MEMDEV__IsMeasDev(hMem)) {
    return;
  }
  GUI_MEMDEV* p = GUI_MEMDEV__h2p(hMem);
  int Layer = p->pDevice->LayerIndex;
  GUI_DEVICE* pDriver = GUI_DEVICE__GetDriver(Layer);
  if (!pDriver) {
    return;
  }
  // A display pixel wider than the device's cannot be kept.
  int BitsLCD = _DriverProp(pDriver, LCD_DEVCAP_BITSPERPIXEL);
  if (GUI_MEMDEV__BytesPerPixel(BitsLCD) > GUI_MEMDEV__BytesPerPixel(int(p->BitsPerPixel))) {
    return;
  }
  int xa = p->x0 > 0 ? p->x0 : 0, xb = p->x0 + p->XSize - 1;
  int ya = p->y0 > 0 ? p->y0 : 0, yb = p->y0 + p->YSize - 1;
  int vx = _DriverProp(pDriver, LCD_DEVCAP_VXSIZE), vy = _DriverProp(pDriver, LCD_DEVCAP_VYSIZE);
  xb = xb < vx - 1 ? xb : vx - 1;
  yb = yb < vy - 1 ? yb : vy - 1;
  if (xa > xb || ya > yb) {
    return;
  }
  GUI_MEMDEV_Select(0);
  GUI_RECT OldClip = GUI_pContext->ClipRect;
  LCD_SetClipRectToDevice();
  std::vector<LCD_PIXELINDEX> Row(xb - xa + 1);
  // A 32-bit device of another colour format receives colours.
  tLCDDEV_Index2Color pfLCD = pDriver->pColorConvAPI->pfIndex2Color;
  bool ToColor = p->BitsPerPixel == 32 && p->pDevice->pColorConvAPI->pfIndex2Color != pfLCD;
  for (int y = ya; y <= yb; y++) {
    LCD_ReadRectFromDriver(xa, y, xb, y, Row.data(), pDriver);
    p = GUI_MEMDEV__h2p(hMem);
    U8* pRow = GUI_MEMDEV__GetPixels(p) + size_t(y - p->y0) * p->BytesPerLine;
    for (int x = xa; x <= xb; x++) {
      LCD_PIXELINDEX v = Row[x - xa];
      _StoreIndex(pRow, x - p->x0, int(p->BitsPerPixel), ToColor ? pfLCD(v) : v);
    }
    GUI_MEMDEV__MarkHLine(p, xa, y, xb - xa + 1);
  }
  GUI_pContext->ClipRect = OldClip;
  GUI_MEMDEV__SelectAny(hSel);
}

int GUI_MEMDEV_CompareWithLCD(GUI_HMEM hMem, int* px, int* py, int* pExp, int* pAct) {
  GUI_MEMDEV__LockGuard Lock;
  if (!hMem) {
    hMem = GUI_pContext->hDevData;
  }
  if (!hMem || GUI_MEMDEV__IsMeasDev(hMem)) {
    return 1;
  }
  const GUI_MEMDEV* p = GUI_MEMDEV__h2p(hMem);
  GUI_DEVICE* pDriver = GUI_DEVICE__GetDriver(p->pDevice->LayerIndex);
  if (!pDriver) {
    return 1;
  }
  int xMag = LCD_GetXMagEx(p->pDevice->LayerIndex), yMag = LCD_GetYMagEx(p->pDevice->LayerIndex);
  xMag = xMag > 0 ? xMag : 1;
  yMag = yMag > 0 ? yMag : 1;
  int xEnd = p->x0 + p->XSize, yEnd = p->y0 + p->YSize;
  int xs = _DriverProp(pDriver, LCD_DEVCAP_XSIZE), ys = _DriverProp(pDriver, LCD_DEVCAP_YSIZE);
  xEnd = xEnd < xs ? xEnd : xs;
  yEnd = yEnd < ys ? yEnd : ys;
  for (int y = p->y0 > 0 ? p->y0 : 0; y < yEnd; y++) {
    const U8* pRow = GUI_MEMDEV__GetPixels(const_cast<GUI_MEMDEV*>(p)) + size_t(y - p->y0) * p->BytesPerLine;
    for (int x = p->x0 > 0 ? p->x0 : 0; x < xEnd; x++) {
      LCD_PIXELINDEX Exp = GUI_MEMDEV__ReadIndex(pRow, x - p->x0, int(p->BitsPerPixel));
      LCD_PIXELINDEX Act = pDriver->pDeviceAPI->pfGetPixelIndex(pDriver, x * xMag, y * yMag);
      if (Exp != Act) {
        if (px) *px = x;
        if (py) *py = y;
        if (pExp) *pExp = int(Exp);
        if (pAct) *pAct = int(Act);
        return 1;
      }
    }
  }
  return 0;
}
