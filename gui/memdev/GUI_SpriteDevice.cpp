// The sprite device (class 3): drawing that passes it lands on the next device except under the sprite's
// opaque pixels, where it goes into the sprite's saved background.
#include "GUI_SpritePrivate.h"

#include <algorithm>

namespace {

GUI_SPRITE* _Sprite(GUI_DEVICE* pDevice) { return GUI_SPRITE__h2p(pDevice->u.hContext); }

LCD_PIXELINDEX* _BkAt(GUI_SPRITE* p, int x, int y) {
  int XSize = p->Rect.x1 - p->Rect.x0 + 1;
  return GUI_SPRITE__GetBk(p) + (y - p->Rect.y0) * XSize + (x - p->Rect.x0);
}

LCD_PIXELINDEX _NextMask(GUI_DEVICE* pDevice) {
  GUI_DEVICE* pNext = pDevice->pNext;
  const LCD_COLOR_CONV_API* pConv = pNext ? pNext->pColorConvAPI : pDevice->pColorConvAPI;
  return pConv ? pConv->pfGetIndexMask() : 0xFFFF;
}

U32 _ReadRaw(const U8* pRow, int Bpp, int Pos) {
  switch (Bpp) {
  case 1:
  case 2:
  case 4: {
    unsigned Bit = unsigned(Pos) * Bpp;
    return (pRow[Bit >> 3] >> (8 - Bpp - (Bit & 7))) & ((1u << Bpp) - 1);
  }
  case 8:
    return pRow[Pos];
  case 16:
    return U32(pRow[2 * Pos] | pRow[2 * Pos + 1] << 8);
  case 24:
    return U32(pRow[3 * Pos] | pRow[3 * Pos + 1] << 8 | pRow[3 * Pos + 2] << 16);
  default: {
    const U8* q = pRow + 4 * Pos;
    return U32(q[0] | q[1] << 8 | q[2] << 16) | U32(q[3]) << 24;
  }
  }
}

// One pixel drawn with the current draw mode: XOR inverts, else the index is written.
void _PutPixel(GUI_DEVICE* pDevice, GUI_SPRITE* p, int x, int y, LCD_PIXELINDEX Index, bool Xor) {
  GUI_DEVICE* pNext = pDevice->pNext;
  if (GUI_SPRITE__GetPixel(p, x, y)) {
    LCD_PIXELINDEX* pBk = _BkAt(p, x, y);
    *pBk = Xor ? (*pBk ^ _NextMask(pDevice)) : Index;
  } else if (pNext) {
    if (Xor) {
      pNext->pDeviceAPI->pfXorPixel(pNext, x, y);
    } else {
      pNext->pDeviceAPI->pfSetPixelIndex(pNext, x, y, Index);
    }
  }
}

void _FillRect(GUI_DEVICE* pDevice, int x0, int y0, int x1, int y1) {
  GUI_SPRITE* p = _Sprite(pDevice);
  GUI_DEVICE* pNext = pDevice->pNext;
  const GUI_RECT& r = p->Rect;
  int ox0 = std::max(x0, int(r.x0)), ox1 = std::min(x1, int(r.x1));
  int oy0 = std::max(y0, int(r.y0)), oy1 = std::min(y1, int(r.y1));
  if (ox0 > ox1 || oy0 > oy1) {
    if (pNext) {
      pNext->pDeviceAPI->pfFillRect(pNext, x0, y0, x1, y1);
    }
    return;
  }
  if (pNext) {  // the parts around the sprite's rectangle
    const GUI_DEVICE_API* pAPI = pNext->pDeviceAPI;
    if (y0 < oy0) pAPI->pfFillRect(pNext, x0, y0, x1, oy0 - 1);
    if (y1 > oy1) pAPI->pfFillRect(pNext, x0, oy1 + 1, x1, y1);
    if (x0 < ox0) pAPI->pfFillRect(pNext, x0, oy0, ox0 - 1, oy1);
    if (x1 > ox1) pAPI->pfFillRect(pNext, ox1 + 1, oy0, x1, oy1);
  }
  bool Xor = GUI_pContext->DrawMode & GUI_DRAWMODE_XOR;
  LCD_PIXELINDEX Index = *GUI_pContext->LCD_pColorIndex;
  for (int y = oy0; y <= oy1; y++) {
    for (int x = ox0; x <= ox1; x++) {
      _PutPixel(pDevice, p, x, y, Index, Xor);
    }
  }
}

void _DrawHLine(GUI_DEVICE* pDevice, int x0, int y, int x1) { _FillRect(pDevice, x0, y, x1, y); }
void _DrawVLine(GUI_DEVICE* pDevice, int x, int y0, int y1) { _FillRect(pDevice, x, y0, x, y1); }

// Part of a bitmap to the next device: columns from Skip on, Num of them.
void _PassColumns(GUI_DEVICE* pNext, int x0, int y0, int Skip, int Num, int ySize, int Bpp, int BytesPerLine,
                  const U8* pData, int Diff, const LCD_PIXELINDEX* pTrans) {
  if (Num <= 0 || ySize <= 0) {
    return;
  }
  if (Bpp < 8) {
    int Pos = (Diff + Skip) * Bpp;
    pData += Pos / 8;
    Diff = (Pos % 8) / Bpp;
  } else {
    pData += size_t(Skip) * (Bpp / 8);
  }
  pNext->pDeviceAPI->pfDrawBitmap(pNext, x0 + Skip, y0, Num, ySize, Bpp, BytesPerLine, pData, Diff, pTrans);
}

void _DrawBitmap(GUI_DEVICE* pDevice, int x0, int y0, int xSize, int ySize, int BitsPerPixel, int BytesPerLine,
                 const U8* pData, int Diff, const LCD_PIXELINDEX* pTrans) {
  GUI_SPRITE* p = _Sprite(pDevice);
  GUI_DEVICE* pNext = pDevice->pNext;
  const GUI_RECT& r = p->Rect;
  int x1 = x0 + xSize - 1, y1 = y0 + ySize - 1;
  int ox0 = std::max(x0, int(r.x0)), ox1 = std::min(x1, int(r.x1));
  int oy0 = std::max(y0, int(r.y0)), oy1 = std::min(y1, int(r.y1));
  if (ox0 > ox1 || oy0 > oy1) {
    if (pNext) {
      pNext->pDeviceAPI->pfDrawBitmap(pNext, x0, y0, xSize, ySize, BitsPerPixel, BytesPerLine, pData, Diff, pTrans);
    }
    return;
  }
  if (pNext) {  // rows above and below, then the columns left and right of the sprite
    _PassColumns(pNext, x0, y0, 0, xSize, oy0 - y0, BitsPerPixel, BytesPerLine, pData, Diff, pTrans);
    _PassColumns(pNext, x0, oy1 + 1, 0, xSize, y1 - oy1, BitsPerPixel, BytesPerLine,
                 pData + size_t(oy1 + 1 - y0) * BytesPerLine, Diff, pTrans);
    const U8* pBand = pData + size_t(oy0 - y0) * BytesPerLine;
    _PassColumns(pNext, x0, oy0, 0, ox0 - x0, oy1 - oy0 + 1, BitsPerPixel, BytesPerLine, pBand, Diff, pTrans);
    _PassColumns(pNext, x0, oy0, ox1 + 1 - x0, x1 - ox1, oy1 - oy0 + 1, BitsPerPixel, BytesPerLine, pBand, Diff,
                 pTrans);
  }
  int DrawMode = GUI_pContext->DrawMode;
  bool Xor = DrawMode & GUI_DRAWMODE_XOR;
  if (BitsPerPixel >= 16) {
    pTrans = nullptr;
  }
  bool Trans = (DrawMode & GUI_DRAWMODE_TRANS) && pTrans;
  for (int y = oy0; y <= oy1; y++) {
    const U8* pRow = pData + size_t(y - y0) * BytesPerLine;
    for (int x = ox0; x <= ox1; x++) {
      U32 Raw = _ReadRaw(pRow, BitsPerPixel, Diff + (x - x0));
      if ((Xor && !Raw) || (!Xor && Trans && !Raw)) {
        continue;
      }
      _PutPixel(pDevice, p, x, y, pTrans ? pTrans[Raw] : Raw, Xor);
    }
  }
}

LCD_PIXELINDEX _GetPixelIndex(GUI_DEVICE* pDevice, int x, int y) {
  GUI_SPRITE* p = _Sprite(pDevice);
  if (GUI_SPRITE__HitTest(x, y, p)) {
    return *_BkAt(p, x, y);
  }
  GUI_DEVICE* pNext = pDevice->pNext;
  return pNext ? pNext->pDeviceAPI->pfGetPixelIndex(pNext, x, y) : 0;
}

void _SetPixelIndex(GUI_DEVICE* pDevice, int x, int y, LCD_PIXELINDEX Index) {
  _PutPixel(pDevice, _Sprite(pDevice), x, y, Index, false);
}

void _XorPixel(GUI_DEVICE* pDevice, int x, int y) { _PutPixel(pDevice, _Sprite(pDevice), x, y, 0, true); }

void _SetOrg(GUI_DEVICE* pDevice, int x, int y) {
  if (GUI_DEVICE* pNext = pDevice->pNext) {
    pNext->pDeviceAPI->pfSetOrg(pNext, x, y);
  }
}

GUI_DEVICE_FUNC _GetDevFunc(GUI_DEVICE** ppDevice, int Index) {
  GUI_DEVICE* pNext = (*ppDevice)->pNext;
  *ppDevice = pNext;
  return pNext ? pNext->pDeviceAPI->pfGetDevFunc(ppDevice, Index) : nullptr;
}

I32 _GetDevProp(GUI_DEVICE* pDevice, int Index) {
  GUI_DEVICE* pNext = pDevice->pNext;
  return pNext ? pNext->pDeviceAPI->pfGetDevProp(pNext, Index) : 0;
}

void* _GetDevData(GUI_DEVICE*, int) { return nullptr; }

void _GetRect(GUI_DEVICE* pDevice, LCD_RECT* pRect) {
  if (GUI_DEVICE* pNext = pDevice->pNext) {
    pNext->pDeviceAPI->pfGetRect(pNext, pRect);
  } else {
    *pRect = LCD_RECT{0, 0, 0, 0};
  }
}

}  // namespace

int GUI_SPRITE__HitTest(int x, int y, const GUI_SPRITE* pSprite) {
  return pSprite && pSprite->pBitmap && GUI_SPRITE__GetPixel(pSprite, x, y) != 0;
}

const GUI_DEVICE_API GUI_SPRITE_DEVICE = {
    DEVICE_CLASS_SPRITE, _DrawBitmap, _DrawHLine,  _DrawVLine,  _FillRect,   _GetPixelIndex, _SetPixelIndex,
    _XorPixel,           _SetOrg,     _GetDevFunc, _GetDevProp, _GetDevData, _GetRect,
};
