// Colour conversions between GUI colours (0xTTBBGGRR) and the pixel indices of the supported formats.
#include "GUI_Private.h"

#include <cstring>

const U8 LCD_aExpand5[32] = {
    0x00, 0x08, 0x10, 0x18, 0x21, 0x29, 0x31, 0x39, 0x42, 0x4A, 0x52, 0x5A, 0x63, 0x6B, 0x73, 0x7B,
    0x84, 0x8C, 0x94, 0x9C, 0xA5, 0xAD, 0xB5, 0xBD, 0xC6, 0xCE, 0xD6, 0xDE, 0xE7, 0xEF, 0xF7, 0xFF,
};

const U8 LCD_aExpand6[64] = {
    0x00, 0x04, 0x08, 0x0C, 0x10, 0x14, 0x18, 0x1C, 0x20, 0x24, 0x28, 0x2C, 0x30, 0x34, 0x38, 0x3C,
    0x41, 0x45, 0x49, 0x4D, 0x51, 0x55, 0x59, 0x5D, 0x61, 0x65, 0x69, 0x6D, 0x71, 0x75, 0x79, 0x7D,
    0x82, 0x86, 0x8A, 0x8E, 0x92, 0x96, 0x9A, 0x9E, 0xA2, 0xA6, 0xAA, 0xAE, 0xB2, 0xB6, 0xBA, 0xBE,
    0xC3, 0xC7, 0xCB, 0xCF, 0xD3, 0xD7, 0xDB, 0xDF, 0xE3, 0xE7, 0xEB, 0xEF, 0xF3, 0xF7, 0xFB, 0xFF,
};

namespace {

// Stores and loads indices of 1, 2 or 4 bytes.
inline void _Store(void* pDst, U32 i, U8 BytesPerPixel, U32 Index) {
  switch (BytesPerPixel) {
    case 1:
      static_cast<U8*>(pDst)[i] = (U8)Index;
      break;
    case 2:
      static_cast<U16*>(pDst)[i] = (U16)Index;
      break;
    default:
      static_cast<U32*>(pDst)[i] = Index;
      break;
  }
}

inline U32 _Load(const void* pSrc, U32 i, U8 BytesPerPixel) {
  switch (BytesPerPixel) {
    case 1:
      return static_cast<const U8*>(pSrc)[i];
    case 2:
      return static_cast<const U16*>(pSrc)[i];
    default:
      return static_cast<const U32*>(pSrc)[i];
  }
}

template <LCD_PIXELINDEX (*pfColor2Index)(GUI_COLOR)>
void _Color2IndexBulk(const GUI_COLOR* pColors, void* pDst, U32 NumItems, U8 BytesPerPixel) {
  if (BytesPerPixel == 2) {
    U16* p = static_cast<U16*>(pDst);
    for (U32 i = 0; i < NumItems; i++) {
      p[i] = (U16)pfColor2Index(pColors[i]);
    }
    return;
  }
  for (U32 i = 0; i < NumItems; i++) {
    _Store(pDst, i, BytesPerPixel, pfColor2Index(pColors[i]));
  }
}

template <GUI_COLOR (*pfIndex2Color)(LCD_PIXELINDEX)>
void _Index2ColorBulk(const void* pSrc, GUI_COLOR* pColors, U32 NumItems, U8 BytesPerPixel) {
  if (BytesPerPixel == 2) {
    const U16* p = static_cast<const U16*>(pSrc);
    for (U32 i = 0; i < NumItems; i++) {
      pColors[i] = pfIndex2Color(p[i]);
    }
    return;
  }
  for (U32 i = 0; i < NumItems; i++) {
    pColors[i] = pfIndex2Color(_Load(pSrc, i, BytesPerPixel));
  }
}

// 1 bit: the brighter half is white.
LCD_PIXELINDEX _Color2Index_1(GUI_COLOR c) {
  U32 Sum = (c & 0xFF) + ((c >> 8) & 0xFF) + ((c >> 16) & 0xFF);
  return Sum >= 3 * 128 ? 1 : 0;
}
GUI_COLOR _Index2Color_1(LCD_PIXELINDEX i) { return (i & 1) ? 0xFFFFFFu : 0; }
LCD_PIXELINDEX _GetIndexMask_1(void) { return 1; }

LCD_PIXELINDEX _GetIndexMask_565(void) { return 0xFFFF; }

LCD_PIXELINDEX _Color2Index_888(GUI_COLOR c) { return c & 0xFFFFFFu; }
GUI_COLOR _Index2Color_888(LCD_PIXELINDEX i) { return i & 0xFFFFFFu; }
LCD_PIXELINDEX _GetIndexMask_888(void) { return 0xFFFFFFu; }

LCD_PIXELINDEX _Color2Index_8888(GUI_COLOR c) { return c; }
LCD_PIXELINDEX _GetIndexMask_8888(void) { return 0xFFFFFFFFu; }

LCD_PIXELINDEX _Color2Index_Gray8(GUI_COLOR c) {
  return ((c & 0xFF) + ((c >> 8) & 0xFF) + ((c >> 16) & 0xFF)) / 3;
}
GUI_COLOR _Index2Color_Gray8(LCD_PIXELINDEX i) { return (i & 0xFF) * 0x010101u; }
LCD_PIXELINDEX _GetIndexMask_Gray8(void) { return 0xFF; }

}  // namespace

LCD_PIXELINDEX LCD_CC_BGR565_Color2Index(GUI_COLOR c) {
  return ((c & 0xF8) >> 3) | ((c & 0xFC00) >> 5) | ((c & 0xF80000) >> 8);
}

GUI_COLOR LCD_CC_BGR565_Index2Color(LCD_PIXELINDEX i) {
  return (GUI_COLOR)LCD_aExpand5[i & 0x1F] | ((GUI_COLOR)LCD_aExpand6[(i >> 5) & 0x3F] << 8) |
         ((GUI_COLOR)LCD_aExpand5[(i >> 11) & 0x1F] << 16);
}

LCD_PIXELINDEX LCD_CC_RGB565_Color2Index(GUI_COLOR c) {
  return ((c & 0xF8) << 8) | ((c & 0xFC00) >> 5) | ((c & 0xF80000) >> 19);
}

GUI_COLOR LCD_CC_RGB565_Index2Color(LCD_PIXELINDEX i) {
  return (GUI_COLOR)LCD_aExpand5[(i >> 11) & 0x1F] | ((GUI_COLOR)LCD_aExpand6[(i >> 5) & 0x3F] << 8) |
         ((GUI_COLOR)LCD_aExpand5[i & 0x1F] << 16);
}

GUI_COLOR LCD_CC_ABGR8888_Index2Color(LCD_PIXELINDEX Index) { return Index; }

const LCD_COLOR_CONV_API LCD_aColorConvAPI[LCD_CC_NUM] = {
    {_Color2Index_1, _Index2Color_1, _GetIndexMask_1, LCD_CC_FLAG_BULK, _Color2IndexBulk<_Color2Index_1>,
     _Index2ColorBulk<_Index2Color_1>},
    {LCD_CC_BGR565_Color2Index, LCD_CC_BGR565_Index2Color, _GetIndexMask_565, LCD_CC_FLAG_BULK,
     _Color2IndexBulk<LCD_CC_BGR565_Color2Index>, _Index2ColorBulk<LCD_CC_BGR565_Index2Color>},
    {LCD_CC_RGB565_Color2Index, LCD_CC_RGB565_Index2Color, _GetIndexMask_565, LCD_CC_FLAG_BULK,
     _Color2IndexBulk<LCD_CC_RGB565_Color2Index>, _Index2ColorBulk<LCD_CC_RGB565_Index2Color>},
    {_Color2Index_888, _Index2Color_888, _GetIndexMask_888, LCD_CC_FLAG_BULK, _Color2IndexBulk<_Color2Index_888>,
     _Index2ColorBulk<_Index2Color_888>},
    {_Color2Index_8888, LCD_CC_ABGR8888_Index2Color, _GetIndexMask_8888, 0, nullptr, nullptr},
    {_Color2Index_Gray8, _Index2Color_Gray8, _GetIndexMask_Gray8, LCD_CC_FLAG_BULK,
     _Color2IndexBulk<_Color2Index_Gray8>, _Index2ColorBulk<_Index2Color_Gray8>},
};

int LCD__GetBPP(LCD_PIXELINDEX IndexMask) {
  int n = 0;
  while (IndexMask) {
    n++;
    IndexMask >>= 1;
  }
  return n;
}

int LCD__GetBPPDevice(LCD_PIXELINDEX IndexMask) {
  int Bits = LCD__GetBPP(IndexMask);
  if (Bits == 1) {
    return 1;
  }
  if (Bits >= 2 && Bits <= 8) {
    return 8;
  }
  if (Bits >= 9 && Bits <= 16) {
    return 16;
  }
  if (Bits >= 17 && Bits <= 32) {
    return 32;
  }
  return 0;
}

const LCD_COLOR_CONV_API* LCD__GetColorConv(int LayerIndex) {
  GUI_DEVICE* p = GUI_DEVICE__GetHead(LayerIndex);
  return p ? p->pColorConvAPI : nullptr;
}

static const LCD_COLOR_CONV_API* _GetDriverConv(int LayerIndex) {
  GUI_DEVICE* p = GUI_DEVICE__GetDriver(LayerIndex);
  return p ? p->pColorConvAPI : nullptr;
}

tLCDDEV_Color2Index LCD__GetpfColor2Index(int LayerIndex) {
  const LCD_COLOR_CONV_API* p = LCD__GetColorConv(LayerIndex);
  return p ? p->pfColor2Index : nullptr;
}

tLCDDEV_Color2Index LCD_GetpfColor2IndexEx(int LayerIndex) {
  const LCD_COLOR_CONV_API* p = _GetDriverConv(LayerIndex);
  return p ? p->pfColor2Index : nullptr;
}

tLCDDEV_Index2Color LCD__GetpfIndex2Color(int LayerIndex) {
  const LCD_COLOR_CONV_API* p = LCD__GetColorConv(LayerIndex);
  return p ? p->pfIndex2Color : nullptr;
}

tLCDDEV_Index2Color LCD_GetpfIndex2ColorEx(int LayerIndex) {
  const LCD_COLOR_CONV_API* p = _GetDriverConv(LayerIndex);
  return p ? p->pfIndex2Color : nullptr;
}

LCD_PIXELINDEX LCD_Color2IndexEx(GUI_COLOR Color, int LayerIndex) {
  const LCD_COLOR_CONV_API* p = LCD__GetColorConv(LayerIndex);
  return p ? p->pfColor2Index(Color) : 0;
}

GUI_COLOR LCD_Index2ColorEx(LCD_PIXELINDEX Index, int LayerIndex) {
  const LCD_COLOR_CONV_API* p = LCD__GetColorConv(LayerIndex);
  return p ? p->pfIndex2Color(Index) : 0;
}

LCD_PIXELINDEX LCD_Color2Index(GUI_COLOR Color) { return LCD_Color2IndexEx(Color, GUI_pContext->SelLayer); }

GUI_COLOR LCD_Index2Color(LCD_PIXELINDEX Index) { return LCD_Index2ColorEx(Index, GUI_pContext->SelLayer); }

void LCD_UpdateColorIndices(void) {
  GUI_CONTEXT* p = GUI_pContext;
  *p->LCD_pColorIndex = LCD_Color2Index(p->Color);
  *p->LCD_pBkColorIndex = LCD_Color2Index(p->BkColor);
}

LCD_PIXELINDEX LCD__pPalConvTable[256];

LCD_PIXELINDEX* LCD_GetPalConvTableEx(const GUI_PALETTE* pPal, int LayerIndex) {
  if (!pPal || !pPal->pPalEntries || pPal->NumEntries <= 0 || pPal->NumEntries > 256) {
    return nullptr;
  }
  const LCD_COLOR_CONV_API* pConv = LCD__GetColorConv(LayerIndex);
  if (!pConv) {
    return nullptr;
  }
  for (int i = 0; i < pPal->NumEntries; i++) {
    LCD__pPalConvTable[i] = pConv->pfColor2Index(pPal->pPalEntries[i]);
  }
  return LCD__pPalConvTable;
}

LCD_PIXELINDEX* LCD_GetPalConvTable(const GUI_PALETTE* pPal) {
  return LCD_GetPalConvTableEx(pPal, GUI_pContext->SelLayer);
}

static LCD_PIXELINDEX* _DrawBitmapHook(const GUI_PALETTE* pPal, const GUI_BITMAP* pBitmap, int LayerIndex) {
  (void)pBitmap;
  return LCD_GetPalConvTableEx(pPal, LayerIndex);
}

LCD_PIXELINDEX* (*GUI__pfDrawBitmapHook)(const GUI_PALETTE* pPal, const GUI_BITMAP* pBitmap,
                                         int LayerIndex) = _DrawBitmapHook;
