// Reading pixels back from the display layer and from bitmaps.
#include "GUI_Private.h"

#include <cstring>

namespace {

bool _InDevice(GUI_DEVICE* pDevice, int x, int y) {
  GUI_RECT r;
  pDevice->pDeviceAPI->pfGetRect(pDevice, &r);
  return x >= r.x0 && x <= r.x1 && y >= r.y0 && y <= r.y1;
}

GUI_DEVICE* _FindSource(GUI_DEVICE* pDevice, bool DriverOnly) {
  if (!pDevice) {
    pDevice = GUI__GetHead();
  }
  for (; pDevice; pDevice = pDevice->pNext) {
    int Class = pDevice->pDeviceAPI->DeviceClassIndex;
    if (Class == DEVICE_CLASS_DRIVER || (!DriverOnly && Class == DEVICE_CLASS_MEMDEV)) {
      return pDevice;
    }
  }
  return nullptr;
}

// Clips the rectangle to the clip rectangle and the device; false when nothing is left.
bool _Clip(GUI_DEVICE* pDevice, int* px0, int* py0, int* px1, int* py1) {
  const GUI_RECT* c = GUI_pContext->pClipRect;
  GUI_RECT r;
  pDevice->pDeviceAPI->pfGetRect(pDevice, &r);
  *px0 = GUI__Max(GUI__Max(*px0, c->x0), r.x0);
  *py0 = GUI__Max(GUI__Max(*py0, c->y0), r.y0);
  *px1 = GUI__Min(GUI__Min(*px1, c->x1), r.x1);
  *py1 = GUI__Min(GUI__Min(*py1, c->y1), r.y1);
  return *px0 <= *px1 && *py0 <= *py1;
}

void _ReadEx(int x0, int y0, int x1, int y1, LCD_PIXELINDEX* pBuffer, GUI_DEVICE* pDevice) {
  if (!pDevice || !pBuffer || !_Clip(pDevice, &x0, &y0, &x1, &y1)) {
    return;
  }
  for (int y = y0; y <= y1; y++) {
    for (int x = x0; x <= x1; x++) {
      *pBuffer++ = pDevice->pDeviceAPI->pfGetPixelIndex(pDevice, x, y);
    }
  }
}

}  // namespace

LCD_PIXELINDEX LCD_GetPixelIndex(int x, int y) {
  GUI_DEVICE* pDevice = GUI__GetHead();
  if (!pDevice || !_InDevice(pDevice, x, y)) {
    return 0;
  }
  return pDevice->pDeviceAPI->pfGetPixelIndex(pDevice, x, y);
}

GUI_COLOR LCD_GetPixelColor(int x, int y) { return LCD_Index2Color(LCD_GetPixelIndex(x, y)); }

LCD_PIXELINDEX GUI_GetBitmapPixelIndex(const GUI_BITMAP* pBitmap, unsigned x, unsigned y) {
  if (!pBitmap || !pBitmap->pData || x >= pBitmap->XSize || y >= pBitmap->YSize) {
    return 0;
  }
  int Bits = pBitmap->BitsPerPixel;
  if (Bits != 1 && Bits != 2 && Bits != 4 && Bits != 8 && Bits != 16 && Bits != 24 && Bits != 32) {
    return 0;
  }
  return GUI__ReadPixelRaw(pBitmap->pData + (size_t)y * pBitmap->BytesPerLine, Bits, (int)x);
}

void LCD_ReadRectEx(int x0, int y0, int x1, int y1, LCD_PIXELINDEX* pBuffer, GUI_DEVICE* pDevice) {
  _ReadEx(x0, y0, x1, y1, pBuffer, _FindSource(pDevice, false));
}

void LCD_ReadRectFromDriver(int x0, int y0, int x1, int y1, LCD_PIXELINDEX* pBuffer, GUI_DEVICE* pDevice) {
  _ReadEx(x0, y0, x1, y1, pBuffer, _FindSource(pDevice, true));
}

void LCD_ReadRect(int x0, int y0, int x1, int y1, void* pBuffer, GUI_DEVICE* pDevice) {
  pDevice = _FindSource(pDevice, false);
  if (!pDevice || !pBuffer || !_Clip(pDevice, &x0, &y0, &x1, &y1)) {
    return;
  }
  int Bits = pDevice->pColorConvAPI ? LCD__GetBPPDevice(pDevice->pColorConvAPI->pfGetIndexMask()) : 32;
  U8* p = static_cast<U8*>(pBuffer);
  int n = x1 - x0 + 1;
  for (int y = y0; y <= y1; y++) {
    if (Bits == 1) {
      int Bytes = (n + 7) / 8;
      std::memset(p, 0, (size_t)Bytes);
      for (int i = 0; i < n; i++) {
        if (pDevice->pDeviceAPI->pfGetPixelIndex(pDevice, x0 + i, y) & 1) {
          p[i >> 3] |= (U8)(0x80 >> (i & 7));
        }
      }
      p += Bytes;
      continue;
    }
    for (int i = 0; i < n; i++) {
      LCD_PIXELINDEX Index = pDevice->pDeviceAPI->pfGetPixelIndex(pDevice, x0 + i, y);
      if (Bits == 8) {
        *p++ = (U8)Index;
      } else if (Bits == 16) {
        U16 v = (U16)Index;
        std::memcpy(p, &v, 2);
        p += 2;
      } else {
        std::memcpy(p, &Index, 4);
        p += 4;
      }
    }
  }
}
