// Driver of the 1-bit memory devices: eight pixels a byte, the leftmost in the most significant bit. A pixel
// holds bit 0 of the index written into it.
#include "GUI_MEMDEV_Private.h"

namespace {

inline GUI_MEMDEV* _Dev(GUI_DEVICE* pDevice) { return GUI_MEMDEV__h2p(pDevice->u.hContext); }

const char _sOut[] = "GUIDEV_1:\nParameters out of bounds in _XY2PTR_BITOFFSET()";

bool _Inside(GUI_MEMDEV* pDev, int x, int y) {
  if (x < pDev->x0 || y < pDev->y0 || x >= pDev->x0 + pDev->XSize || y >= pDev->y0 + pDev->YSize) {
    GUI_ErrorOut2(_sOut, x, y);
    return false;
  }
  return true;
}

// Byte and bit of a pixel (checked by the caller).
inline U8* _XY2PTR_BITOFFSET(GUI_MEMDEV* pDev, int x, int y, U8* pMask) {
  int dx = x - pDev->x0;
  *pMask = (U8)(0x80 >> (dx & 7));
  return GUI_MEMDEV__GetPixels(pDev) + (U32)(y - pDev->y0) * pDev->BytesPerLine + (U32)(dx >> 3);
}

inline void _Put(GUI_MEMDEV* pDev, int x, int y, unsigned Bit) {
  U8 Mask;
  U8* p = _XY2PTR_BITOFFSET(pDev, x, y, &Mask);
  *p = (U8)(Bit ? (*p | Mask) : (*p & ~Mask));
}

inline void _Invert(GUI_MEMDEV* pDev, int x, int y) {
  U8 Mask;
  U8* p = _XY2PTR_BITOFFSET(pDev, x, y, &Mask);
  *p ^= Mask;
}

bool _ClipRect(GUI_MEMDEV* pDev, int& x0, int& y0, int& x1, int& y1) {
  return GUI_MEMDEV__ClipToDevice(pDev, x0, y0, x1, y1, _sOut);
}

void _FillRect(GUI_DEVICE* pDevice, int x0, int y0, int x1, int y1) {
  GUI_MEMDEV* pDev = _Dev(pDevice);
  if (!_ClipRect(pDev, x0, y0, x1, y1)) return;
  GUI_MEMDEV__MarkRect(pDev, x0, y0, x1 - x0 + 1, y1 - y0 + 1);
  bool Xor = GUI_pContext->DrawMode & GUI_DRAWMODE_XOR;
  U8 Fill = (*GUI_pContext->LCD_pColorIndex & 1) ? 0xFF : 0x00;
  int d0 = x0 - pDev->x0, d1 = x1 - pDev->x0;
  int b0 = d0 >> 3, b1 = d1 >> 3;
  U8 m0 = (U8)(0xFF >> (d0 & 7)), m1 = (U8)(0xFF << (7 - (d1 & 7)));
  for (int y = y0; y <= y1; y++) {
    U8* pRow = GUI_MEMDEV__GetPixels(pDev) + (U32)(y - pDev->y0) * pDev->BytesPerLine;
    for (int b = b0; b <= b1; b++) {
      U8 m = 0xFF;
      if (b == b0) m &= m0;
      if (b == b1) m &= m1;
      pRow[b] = Xor ? (U8)(pRow[b] ^ m) : (U8)((pRow[b] & ~m) | (Fill & m));
    }
  }
}

void _DrawHLine(GUI_DEVICE* pDevice, int x0, int y, int x1) { _FillRect(pDevice, x0, y, x1, y); }

void _DrawVLine(GUI_DEVICE* pDevice, int x, int y0, int y1) {
  GUI_MEMDEV* pDev = _Dev(pDevice);
  int x1 = x;
  if (!_ClipRect(pDev, x, y0, x1, y1)) return;
  bool Xor = GUI_pContext->DrawMode & GUI_DRAWMODE_XOR;
  unsigned Bit = *GUI_pContext->LCD_pColorIndex & 1;
  for (int y = y0; y <= y1; y++) {
    if (Xor) {
      _Invert(pDev, x, y);
    } else {
      _Put(pDev, x, y, Bit);
    }
    GUI_MEMDEV__MarkPixel(pDev, x, y);
  }
}

LCD_PIXELINDEX _GetPixelIndex(GUI_DEVICE* pDevice, int x, int y) {
  GUI_MEMDEV* pDev = _Dev(pDevice);
  if (!_Inside(pDev, x, y)) return 0;
  U8 Mask;
  U8* p = _XY2PTR_BITOFFSET(pDev, x, y, &Mask);
  return (*p & Mask) ? 1 : 0;
}

void _SetPixelIndex(GUI_DEVICE* pDevice, int x, int y, LCD_PIXELINDEX Index) {
  GUI_MEMDEV* pDev = _Dev(pDevice);
  if (!_Inside(pDev, x, y)) return;
  _Put(pDev, x, y, Index & 1);
  GUI_MEMDEV__MarkPixel(pDev, x, y);
}

void _XorPixel(GUI_DEVICE* pDevice, int x, int y) {
  GUI_MEMDEV* pDev = _Dev(pDevice);
  if (!_Inside(pDev, x, y)) return;
  _Invert(pDev, x, y);
  GUI_MEMDEV__MarkPixel(pDev, x, y);
}

void _DrawBitmap(GUI_DEVICE* pDevice, int x0, int y0, int xSize, int ySize, int BitsPerPixel, int BytesPerLine,
                 const U8* pData, int Diff, const LCD_PIXELINDEX* pTrans) {
  static const LCD_PIXELINDEX _aIdentity[2] = {0, 1};
  GUI_MEMDEV* pDev = _Dev(pDevice);
  if (BitsPerPixel != 1 && BitsPerPixel != 2 && BitsPerPixel != 4 && BitsPerPixel != 8) return;
  int Mode = GUI_pContext->DrawMode;
  bool Xor = Mode & GUI_DRAWMODE_XOR, Trans = Mode & GUI_DRAWMODE_TRANS;
  if (BitsPerPixel != 1 && Xor) return;  // only 1-bit sources invert
  if (!GUI_MEMDEV__ClipBitmap(pDev, x0, y0, xSize, ySize, Diff, pData, BytesPerLine, _sOut)) return;
  int x = x0, i0 = Diff;
  bool Premark = !Xor && !Trans;
  if (Premark) GUI_MEMDEV__MarkRect(pDev, x, y0, xSize, ySize);
  int PerByte = 8 / BitsPerPixel;
  U8 ValueMask = (U8)((1 << BitsPerPixel) - 1);
  if (BitsPerPixel == 1 && !pTrans) pTrans = _aIdentity;
  // Column by column down the rows, as the source's bit masks repeat per column.
  for (int k = 0; k < xSize; k++) {
    int i = i0 + k;
    int Shift = (PerByte - 1 - i % PerByte) * BitsPerPixel;
    for (int row = 0; row < ySize; row++) {
      const U8* pSrc = pData + (I64)row * BytesPerLine;
      unsigned v = (pSrc[i / PerByte] >> Shift) & ValueMask;
      int xd = x + k, yd = y0 + row;
      if (Xor) {
        if (v) {
          _Invert(pDev, xd, yd);
          GUI_MEMDEV__MarkPixel(pDev, xd, yd);
        }
      } else if (Trans && !v) {
        continue;
      } else {
        LCD_PIXELINDEX Index = pTrans ? pTrans[BitsPerPixel == 1 && Trans ? 1 : v] : v;
        _Put(pDev, xd, yd, Index ? (BitsPerPixel == 1 ? 1u : (unsigned)(Index & 1)) : 0u);
        if (!Premark) GUI_MEMDEV__MarkPixel(pDev, xd, yd);
      }
    }
  }
}

void _SetOrg(GUI_DEVICE* pDevice, int x, int y) {
  GUI_DEVICE* pNext = pDevice->pNext;
  if (pNext) pNext->pDeviceAPI->pfSetOrg(pNext, x, y);
}

GUI_DEVICE_FUNC _GetDevFunc(GUI_DEVICE** ppDevice, int Index) {
  return Index == LCD_DEVFUNC_MEMDEV_TRANSFER ? (GUI_DEVICE_FUNC)GUI_MEMDEV__WriteToActiveOpaque : nullptr;
}

I32 _GetDevProp(GUI_DEVICE* pDevice, int Index) {
  GUI_DEVICE* pNext = pDevice->pNext;
  return pNext ? pNext->pDeviceAPI->pfGetDevProp(pNext, Index) : 0;
}

void* _GetDevData(GUI_DEVICE* pDevice, int Index) {
  return Index == LCD_DEVDATA_MEMDEV ? (void*)&GUI_MEMDEV_DEVICE_1 : nullptr;
}

void _GetRect(GUI_DEVICE* pDevice, LCD_RECT* pRect) {
  GUI_MEMDEV* pDev = _Dev(pDevice);
  pRect->x0 = pDev->x0;
  pRect->y0 = pDev->y0;
  pRect->x1 = (I16)(pDev->x0 + pDev->XSize - 1);
  pRect->y1 = (I16)(pDev->y0 + pDev->YSize - 1);
}

}  // namespace

const GUI_DEVICE_API GUI_MEMDEV_DEVICE_1 = {
    DEVICE_CLASS_MEMDEV, _DrawBitmap, _DrawHLine,  _DrawVLine,  _FillRect,   _GetPixelIndex, _SetPixelIndex,
    _XorPixel,           _SetOrg,     _GetDevFunc, _GetDevProp, _GetDevData, _GetRect,
};
