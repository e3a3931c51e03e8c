// Pixel operations on whole memory devices: blending toward a colour, clearing the usage, making opaque,
// dithering.
#include "GUI_MEMDEV_Ops.h"
#include "GUI_MEMDEV_Private.h"

#include <vector>

namespace {

U32 _Load(const U8* p) {
  U32 v;
  std::memcpy(&v, p, 4);
  return v;
}

void _Store(U8* p, U32 v) { std::memcpy(p, &v, 4); }

}  // namespace

int GUI_MEMDEV_BlendColor32(GUI_HMEM hMem, GUI_COLOR Color, U8 Intensity) {
  GUI_MEMDEV__LockGuard Lock;
  GUI_MEMDEV* p = GUI_MEMDEV__Check32(hMem);
  if (!p) {
    return 1;
  }
  U8* pPixel = GUI_MEMDEV__GetPixels(p);
  for (size_t i = 0; i < size_t(p->XSize) * p->YSize; i++, pPixel += 4) {
    _Store(pPixel, GUI__MixColors(Color, _Load(pPixel), Intensity));
  }
  return 0;
}

void GUI_MEMDEV_Clear(GUI_HMEM hMem) {
  GUI_MEMDEV__LockGuard Lock;
  if (!hMem) {
    hMem = GUI_pContext->hDevData;
  }
  if (hMem && !GUI_MEMDEV__IsMeasDev(hMem)) {
    GUI_MEMDEV__ClearUsage(GUI_MEMDEV__h2p(hMem));
  }
}

int GUI_MEMDEV_MakeOpaque(GUI_HMEM hMem, GUI_HMEM hMask) {
  GUI_MEMDEV__LockGuard Lock;
  GUI_MEMDEV* p = GUI_MEMDEV__Check32(hMem);
  if (!p) {
    return 1;
  }
  const GUI_MEMDEV* pMask = nullptr;
  if (hMask) {
    pMask = GUI_MEMDEV__h2p(hMask);
    if (!pMask || pMask->BitsPerPixel != 1 || pMask->XSize != p->XSize || pMask->YSize != p->YSize ||
        pMask->pDevice->pColorConvAPI != &LCD_aColorConvAPI[LCD_CC_1]) {
      return 1;
    }
  }
  for (int y = 0; y < p->YSize; y++) {
    U8* pPixel = GUI_MEMDEV__GetPixels(p) + size_t(y) * p->BytesPerLine;
    const U8* pBits = pMask ? GUI_MEMDEV__GetPixels(const_cast<GUI_MEMDEV*>(pMask)) + size_t(y) * pMask->BytesPerLine
                            : nullptr;
    for (int x = 0; x < p->XSize; x++, pPixel += 4) {
      if (!pBits || ((pBits[x >> 3] >> (7 - (x & 7))) & 1)) {
        _Store(pPixel, _Load(pPixel) & 0x00FFFFFF);
      }
    }
  }
  return 0;
}

void GUI_MEMDEV_Dither32(GUI_HMEM hMem, const LCD_COLOR_CONV_API* pColorConvAPI) {
  GUI_MEMDEV__LockGuard Lock;
  GUI_MEMDEV* p = GUI_MEMDEV__Check32(hMem);
  if (!p || !pColorConvAPI) {
    return;
  }
  // Floyd-Steinberg: right 7, lower left 3, below 5, lower right 1 (sixteenths).
  static const int aSpread[4][3] = {{1, 0, 7}, {-1, 1, 3}, {0, 1, 5}, {1, 1, 1}};
  int xSize = p->XSize, ySize = p->YSize;
  U8* pPixels = GUI_MEMDEV__GetPixels(p);
  for (int y = 0; y < ySize; y++) {
    for (int x = 0; x < xSize; x++) {
      U8* pPixel = pPixels + (size_t(y) * xSize + x) * 4;
      U32 Old = _Load(pPixel);
      U32 New = pColorConvAPI->pfIndex2Color(pColorConvAPI->pfColor2Index(Old));
      _Store(pPixel, New);
      for (const auto& s : aSpread) {
        int nx = x + s[0], ny = y + s[1];
        if (nx < 0 || nx >= xSize || ny >= ySize) {
          continue;
        }
        U8* pN = pPixels + (size_t(ny) * xSize + nx) * 4;
        U32 c = _Load(pN), Out = 0;
        for (int Shift = 0; Shift < 24; Shift += 8) {
          int Err = int((Old >> Shift) & 0xFF) - int((New >> Shift) & 0xFF);
          int v = int((c >> Shift) & 0xFF) + s[2] * Err / 16;
          Out |= U32(v < 0 ? 0 : v > 255 ? 255 : v) << Shift;
        }
        _Store(pN, Out);
      }
    }
  }
}
