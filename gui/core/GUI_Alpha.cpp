// Alpha blending: colour mixing, the alpha line buffers, and the per-layer alpha device that blends what is
// drawn through it into the device below.
//
// While the alpha device heads a layer's chain its colour conversion is the 32-bit identity, so the context's
// colour indices are full colours with their transparency byte; the device mixes them into the pixels of the
// next device and writes the result in that device's format.
#include "GUI_Private.h"

#include <cstdlib>
#include <cstring>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

void (*GUI__pfMEMDEV_SetAlphaHook)(GUI_ALPHA_HOOK pfHook);
const GUI_DEVICE_API* (*GUI__pfGetMemdevAPI)(int BitsPerPixel);
U16* (*GUI__pfPixelRow16)(GUI_DEVICE* pDevice, int x, int y, int n);
U8 GUI__aMultiBufState[GUI_NUM_LAYERS];
void (*GUI__pfMultiBufBegin)(void);
void (*GUI__pfMultiBufEnd)(void);

namespace {

bool _KeepAlphaByte = true;
GUI_DEVICE* _apAlphaDevice[GUI_NUM_LAYERS];
unsigned _AlphaOn;
U32* _apLine[2];
int _LineSize;

inline U32 _MixByte(U32 a, U32 b, U32 i) { return (a * i + b * (255 - i)) >> 8; }

GUI_COLOR _Mix(GUI_COLOR c0, GUI_COLOR c1, U8 Intens) {
  if ((c1 >> 24) == 0xFF) {
    return c0;
  }
  U32 r = _MixByte(c0 & 0xFF, c1 & 0xFF, Intens);
  U32 g = _MixByte((c0 >> 8) & 0xFF, (c1 >> 8) & 0xFF, Intens);
  U32 b = _MixByte((c0 >> 16) & 0xFF, (c1 >> 16) & 0xFF, Intens);
  U32 a = _MixByte(c0 >> 24, c1 >> 24, Intens);
  return r | (g << 8) | (b << 16) | (a << 24);
}

// Blends colour c (transparency in its top byte) over the colour below.
inline GUI_COLOR _Blend(GUI_COLOR c, GUI_COLOR Below) {
  U32 t = c >> 24;
  if (t == 0) {
    return c;
  }
  if (t == 0xFF) {
    return Below;
  }
  return _Mix(c, Below, (U8)(255 - t)) & 0x00FFFFFFu;
}

//
// The alpha device
//
inline GUI_DEVICE* _Next(GUI_DEVICE* pDevice) { return pDevice->pNext; }

void _BlendPixel(GUI_DEVICE* pDevice, int x, int y, GUI_COLOR Color) {
  GUI_DEVICE* pNext = _Next(pDevice);
  if (!pNext) {
    return;
  }
  U32 t = Color >> 24;
  if (t == 0xFF) {
    return;
  }
  const LCD_COLOR_CONV_API* pConv = pNext->pColorConvAPI;
  if (t != 0) {
    GUI_COLOR Below = pConv->pfIndex2Color(pNext->pDeviceAPI->pfGetPixelIndex(pNext, x, y));
    Color = _Blend(Color, Below);
  }
  pNext->pDeviceAPI->pfSetPixelIndex(pNext, x, y, pConv->pfColor2Index(Color));
}

void _AlphaFillRect(GUI_DEVICE* pDevice, int x0, int y0, int x1, int y1) {
  GUI_DEVICE* pNext = _Next(pDevice);
  if (!pNext) {
    return;
  }
  GUI_CONTEXT* pContext = GUI_pContext;
  GUI_COLOR Color = *pContext->LCD_pColorIndex;
  U32 t = Color >> 24;
  if ((pContext->DrawMode & LCD_DRAWMODE_XOR) || t == 0) {
    // Opaque (or inverting): the device below fills in its own format.
    LCD_PIXELINDEX Saved = *pContext->LCD_pColorIndex;
    *pContext->LCD_pColorIndex = pNext->pColorConvAPI->pfColor2Index(Color);
    pNext->pDeviceAPI->pfFillRect(pNext, x0, y0, x1, y1);
    *pContext->LCD_pColorIndex = Saved;
    return;
  }
  if (t == 0xFF) {
    return;
  }
  for (int y = y0; y <= y1; y++) {
    for (int x = x0; x <= x1; x++) {
      _BlendPixel(pDevice, x, y, Color);
    }
  }
}

void _AlphaDrawHLine(GUI_DEVICE* pDevice, int x0, int y, int x1) { _AlphaFillRect(pDevice, x0, y, x1, y); }
void _AlphaDrawVLine(GUI_DEVICE* pDevice, int x, int y0, int y1) { _AlphaFillRect(pDevice, x, y0, x, y1); }

LCD_PIXELINDEX _AlphaGetPixelIndex(GUI_DEVICE* pDevice, int x, int y) {
  GUI_DEVICE* pNext = _Next(pDevice);
  if (!pNext) {
    return 0;
  }
  return pNext->pColorConvAPI->pfIndex2Color(pNext->pDeviceAPI->pfGetPixelIndex(pNext, x, y));
}

void _AlphaSetPixelIndex(GUI_DEVICE* pDevice, int x, int y, LCD_PIXELINDEX Index) {
  _BlendPixel(pDevice, x, y, Index);
}

void _AlphaXorPixel(GUI_DEVICE* pDevice, int x, int y) {
  GUI_DEVICE* pNext = _Next(pDevice);
  if (pNext) {
    pNext->pDeviceAPI->pfXorPixel(pNext, x, y);
  }
}

void _AlphaDrawBitmap(GUI_DEVICE* pDevice, int x0, int y0, int xSize, int ySize, int BitsPerPixel,
                      int BytesPerLine, const U8* pData, int Diff, const LCD_PIXELINDEX* pTrans) {
  GUI_DEVICE__DrawBitmapByPixel(pDevice, x0, y0, xSize, ySize, BitsPerPixel, BytesPerLine, pData, Diff, pTrans);
}

void _AlphaSetOrg(GUI_DEVICE* pDevice, int x, int y) {
  GUI_DEVICE* pNext = _Next(pDevice);
  if (pNext) {
    pNext->pDeviceAPI->pfSetOrg(pNext, x, y);
  }
}

GUI_DEVICE_FUNC _AlphaGetDevFunc(GUI_DEVICE** ppDevice, int Index) {
  GUI_DEVICE* pNext = _Next(*ppDevice);
  if (!pNext || !pNext->pDeviceAPI->pfGetDevFunc) {
    return nullptr;
  }
  *ppDevice = pNext;
  return pNext->pDeviceAPI->pfGetDevFunc(ppDevice, Index);
}

I32 _AlphaGetDevProp(GUI_DEVICE* pDevice, int Index) {
  GUI_DEVICE* pNext = _Next(pDevice);
  return pNext ? pNext->pDeviceAPI->pfGetDevProp(pNext, Index) : 0;
}

void* _AlphaGetDevData(GUI_DEVICE* pDevice, int Index) {
  GUI_DEVICE* pNext = _Next(pDevice);
  return pNext ? pNext->pDeviceAPI->pfGetDevData(pNext, Index) : nullptr;
}

void _AlphaGetRect(GUI_DEVICE* pDevice, LCD_RECT* pRect) {
  GUI_DEVICE* pNext = _Next(pDevice);
  if (pNext) {
    pNext->pDeviceAPI->pfGetRect(pNext, pRect);
  } else {
    pRect->x0 = pRect->y0 = 0;
    pRect->x1 = pRect->y1 = -1;
  }
}

const GUI_DEVICE_API _AlphaDeviceAPI = {
    DEVICE_CLASS_ALPHA, _AlphaDrawBitmap,  _AlphaDrawHLine,     _AlphaDrawVLine,
    _AlphaFillRect,     _AlphaGetPixelIndex, _AlphaSetPixelIndex, _AlphaXorPixel,
    _AlphaSetOrg,       _AlphaGetDevFunc,  _AlphaGetDevProp,    _AlphaGetDevData,
    _AlphaGetRect,
};

}  // namespace

GUI_COLOR GUI__MixColors(GUI_COLOR Color0, GUI_COLOR Color1, U8 Intens) {
  GUI_COLOR c = _Mix(Color0, Color1, Intens);
  if (!_KeepAlphaByte && (Color1 >> 24) != 0xFF) {
    c &= 0x00FFFFFFu;
  }
  return c;
}

GUI_COLOR LCD_MixColorsNoAlpha(GUI_COLOR Color0, GUI_COLOR Color1, U8 Intens) {
  return _Mix(Color0, Color1, Intens) & 0x00FFFFFFu;
}

namespace {

inline U32 _MixBulkPixel(U32 fg, U32 bg, unsigned Intens) {
  U32 i = (255 - (fg >> 24)) * Intens / 255;
  return _Mix(fg, bg, (U8)i) & 0x00FFFFFFu;
}

#if defined(__x86_64__)
// The same arithmetic as _MixBulkPixel, byte for byte, on 4 (SSE2) or 8 (AVX2) pixels at a time.
// i = (255 - alpha) * Intens / 255 uses x / 255 == (x + 1 + (x >> 8)) >> 8, exact for x <= 65025.
__attribute__((target("avx2"))) unsigned _MixRowAVX2(const U32* pFG, const U32* pBG, U32* pDst, unsigned n,
                                                     unsigned Intens) {
  const __m256i Zero = _mm256_setzero_si256();
  const __m256i v255 = _mm256_set1_epi32(255);
  const __m256i vIntens = _mm256_set1_epi32((int)Intens);
  const __m256i One = _mm256_set1_epi32(1);
  const __m256i RGB = _mm256_set1_epi32(0x00FFFFFF);
  const __m256i v255w = _mm256_set1_epi16(255);
  unsigned Done = 0;
  for (; n - Done >= 8; Done += 8) {
    __m256i F = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(pFG + Done));
    __m256i B = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(pBG + Done));
    __m256i t = _mm256_add_epi32(_mm256_mullo_epi16(_mm256_sub_epi32(v255, _mm256_srli_epi32(F, 24)), vIntens), One);
    __m256i I = _mm256_srli_epi32(_mm256_add_epi32(t, _mm256_srli_epi32(t, 8)), 8);
    __m256i I16 = _mm256_or_si256(I, _mm256_slli_epi32(I, 16));
    __m256i ILo = _mm256_unpacklo_epi32(I16, I16), IHi = _mm256_unpackhi_epi32(I16, I16);
    __m256i Lo = _mm256_add_epi16(_mm256_mullo_epi16(_mm256_unpacklo_epi8(F, Zero), ILo),
                                  _mm256_mullo_epi16(_mm256_unpacklo_epi8(B, Zero), _mm256_sub_epi16(v255w, ILo)));
    __m256i Hi = _mm256_add_epi16(_mm256_mullo_epi16(_mm256_unpackhi_epi8(F, Zero), IHi),
                                  _mm256_mullo_epi16(_mm256_unpackhi_epi8(B, Zero), _mm256_sub_epi16(v255w, IHi)));
    __m256i R = _mm256_packus_epi16(_mm256_srli_epi16(Lo, 8), _mm256_srli_epi16(Hi, 8));
    __m256i BgClear = _mm256_cmpeq_epi32(_mm256_srli_epi32(B, 24), v255);
    R = _mm256_blendv_epi8(R, F, BgClear);
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(pDst + Done), _mm256_and_si256(R, RGB));
  }
  return Done;
}

unsigned _MixRowSSE2(const U32* pFG, const U32* pBG, U32* pDst, unsigned n, unsigned Intens) {
  const __m128i Zero = _mm_setzero_si128();
  const __m128i v255 = _mm_set1_epi32(255);
  const __m128i vIntens = _mm_set1_epi32((int)Intens);
  const __m128i One = _mm_set1_epi32(1);
  const __m128i RGB = _mm_set1_epi32(0x00FFFFFF);
  const __m128i v255w = _mm_set1_epi16(255);
  unsigned Done = 0;
  for (; n - Done >= 4; Done += 4) {
    __m128i F = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pFG + Done));
    __m128i B = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pBG + Done));
    __m128i t = _mm_add_epi32(_mm_mullo_epi16(_mm_sub_epi32(v255, _mm_srli_epi32(F, 24)), vIntens), One);
    __m128i I = _mm_srli_epi32(_mm_add_epi32(t, _mm_srli_epi32(t, 8)), 8);
    __m128i I16 = _mm_or_si128(I, _mm_slli_epi32(I, 16));
    __m128i ILo = _mm_unpacklo_epi32(I16, I16), IHi = _mm_unpackhi_epi32(I16, I16);
    __m128i Lo = _mm_add_epi16(_mm_mullo_epi16(_mm_unpacklo_epi8(F, Zero), ILo),
                               _mm_mullo_epi16(_mm_unpacklo_epi8(B, Zero), _mm_sub_epi16(v255w, ILo)));
    __m128i Hi = _mm_add_epi16(_mm_mullo_epi16(_mm_unpackhi_epi8(F, Zero), IHi),
                               _mm_mullo_epi16(_mm_unpackhi_epi8(B, Zero), _mm_sub_epi16(v255w, IHi)));
    __m128i R = _mm_packus_epi16(_mm_srli_epi16(Lo, 8), _mm_srli_epi16(Hi, 8));
    __m128i BgClear = _mm_cmpeq_epi32(_mm_srli_epi32(B, 24), v255);
    R = _mm_or_si128(_mm_and_si128(BgClear, F), _mm_andnot_si128(BgClear, R));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(pDst + Done), _mm_and_si128(R, RGB));
  }
  return Done;
}

const bool _HasAVX2 = __builtin_cpu_supports("avx2");

void _MixRow(const U32* pFG, const U32* pBG, U32* pDst, unsigned n, unsigned Intens) {
  unsigned Done = _HasAVX2 ? _MixRowAVX2(pFG, pBG, pDst, n, Intens) : 0;
  Done += _MixRowSSE2(pFG + Done, pBG + Done, pDst + Done, n - Done, Intens);
  for (; Done < n; Done++) {
    pDst[Done] = _MixBulkPixel(pFG[Done], pBG[Done], Intens);
  }
}
#else
void _MixRow(const U32* pFG, const U32* pBG, U32* pDst, unsigned n, unsigned Intens) {
  for (unsigned i = 0; i < n; i++) {
    pDst[i] = _MixBulkPixel(pFG[i], pBG[i], Intens);
  }
}
#endif

}  // namespace

void GUI__MixColorsBulkDefault(U32* pFG, U32* pBG, U32* pDst, unsigned OffFG, unsigned OffBG, unsigned OffDest,
                               unsigned xSize, unsigned ySize, U8 Intens) {
  (void)OffFG;
  (void)OffDest;
  for (unsigned y = 0; y < ySize; y++) {
    _MixRow(pFG, pBG, pDst, xSize, Intens);
    pFG += xSize;
    pDst += xSize;
    pBG += xSize + OffBG;
  }
}

GUI_MIX_COLORS_BULK GUI__MixColorsBulk = GUI__MixColorsBulkDefault;

unsigned GUI_EnableAlphaByte(unsigned OnOff) {
  unsigned Old = _KeepAlphaByte ? 1 : 0;
  _KeepAlphaByte = OnOff != 0;
  return Old;
}

unsigned GUI_EnableAlpha(unsigned OnOff) {
  GUI_Lock();
  unsigned Old = _AlphaOn;
  int Layer = GUI_pContext->SelLayer;
  if (OnOff) {
    if (!_apAlphaDevice[Layer]) {
      _apAlphaDevice[Layer] = GUI_DEVICE_Create(&_AlphaDeviceAPI, &LCD_aColorConvAPI[LCD_CC_8888], 0, Layer);
    }
    if (_apAlphaDevice[Layer]) {
      GUI_DEVICE_Link(_apAlphaDevice[Layer]);
      _AlphaOn = 1;
    }
  } else if (_apAlphaDevice[Layer]) {
    GUI_DEVICE_Unlink(_apAlphaDevice[Layer]);
    _AlphaOn = 0;
  }
  LCD_UpdateColorIndices();
  if (GUI__pfMEMDEV_SetAlphaHook) {
    GUI__pfMEMDEV_SetAlphaHook(_AlphaOn ? GUI_EnableAlpha : nullptr);
  }
  GUI_Unlock();
  return Old;
}

int GUI__GetAlphaBuffer(int NumPixels) {
  if (NumPixels <= _LineSize && _apLine[0]) {
    return 0;
  }
  int Size = GUI__Max(NumPixels, GUI__Max(LCD_GetVXSizeEx(0), 1));
  U32* p0 = static_cast<U32*>(std::malloc(sizeof(U32) * (size_t)Size));
  U32* p1 = static_cast<U32*>(std::malloc(sizeof(U32) * (size_t)Size));
  if (!p0 || !p1) {
    std::free(p0);
    std::free(p1);
    return 1;
  }
  std::free(_apLine[0]);
  std::free(_apLine[1]);
  _apLine[0] = p0;
  _apLine[1] = p1;
  _LineSize = Size;
  return 0;
}

int GUI__AllocAlphaBuffer(void) { return GUI__GetAlphaBuffer(GUI__Max(LCD_GetVXSize(), 1)); }

U32* GUI__GetAlphaLine(int Index) { return _apLine[Index & 1]; }

LCD_PIXELINDEX* GUI__DoAlphaBlending(int x, int y, const GUI_COLOR* pColors, int NumPixels,
                                     GUI_COLOR (*pfIndex2Color)(LCD_PIXELINDEX), int* pFlags) {
  if (pFlags) {
    *pFlags = 0;
  }
  if (!pColors || NumPixels <= 0 || !pfIndex2Color || GUI__GetAlphaBuffer(NumPixels)) {
    return nullptr;
  }
  U32* pOut = _apLine[0];
  int Flags = 0;
  for (int i = 0; i < NumPixels; i++) {
    GUI_COLOR c = pColors[i];
    U32 t = c >> 24;
    if (t == 0) {
      pOut[i] = c;
      Flags = 1;
    } else {
      GUI_COLOR Below = pfIndex2Color(LCD_GetPixelIndex(x + i, y));
      pOut[i] = _Blend(c, Below);
      if (t != 0xFF) {
        Flags = 1;
      }
    }
  }
  if (pFlags) {
    *pFlags = Flags;
  }
  return pOut;
}

void GUI__BlendColorsOver565(const GUI_COLOR* pSrc, U16* pRow, int NumPixels, int RedHigh) {
  // Runs of invisible pixels are skipped and runs of opaque ones converted several at a time; only the pixels
  // in between are mixed one by one.
  for (int i = 0; i < NumPixels;) {
    U32 t = pSrc[i] >> 24;
    int e = i + 1;
    if (t == 0xFF) {
      while (e < NumPixels && (pSrc[e] >> 24) == 0xFF) e++;
    } else if (t == 0) {
      while (e < NumPixels && (pSrc[e] >> 24) == 0) e++;
      GUI__ConvertColorsTo565Ex(pSrc + i, pRow + i, e - i, RedHigh, GUI_SIMD_BEST);
    } else {
      pRow[i] = GUI__ColorTo565(_Blend(pSrc[i], GUI__565ToColor(pRow[i], RedHigh)), RedHigh);
    }
    i = e;
  }
}

void GUI__SetPixelAlpha(int x, int y, U8 Intens, GUI_COLOR Color) {
  const GUI_RECT* c = GUI_pContext->pClipRect;
  if (x < c->x0 || x > c->x1 || y < c->y0 || y > c->y1) {
    return;
  }
  // One look at the device for the read and the write (this runs for every edge pixel of smooth text).
  GUI_DEVICE* pDevice = GUI__GetHead();
  if (!pDevice) {
    return;
  }
  GUI_RECT r;
  pDevice->pDeviceAPI->pfGetRect(pDevice, &r);
  if (x < r.x0 || x > r.x1 || y < r.y0 || y > r.y1) {
    return;
  }
  const LCD_COLOR_CONV_API* pConv = pDevice->pColorConvAPI;  // the head's: what LCD_Index2Color uses
  U16* p = GUI__pfPixelRow16 ? GUI__pfPixelRow16(pDevice, x, y, 1) : nullptr;
  LCD_PIXELINDEX Below = p ? *p : (Intens == 255 ? 0 : pDevice->pDeviceAPI->pfGetPixelIndex(pDevice, x, y));
  // Full intensity is the colour itself (the mixing formula would darken it by one step).
  GUI_COLOR Mixed = (Intens == 255) ? (Color & 0x00FFFFFFu) : LCD_MixColorsNoAlpha(Color, pConv->pfIndex2Color(Below), Intens);
  if (p) {
    *p = (U16)pConv->pfColor2Index(Mixed);
  } else {
    pDevice->pDeviceAPI->pfSetPixelIndex(pDevice, x, y, pConv->pfColor2Index(Mixed));
  }
}

void GUI__CompactPixelIndices(LCD_PIXELINDEX* pBuffer, int NumPixels, int BitsPerPixel) {
  if (!pBuffer || NumPixels <= 0) {
    return;
  }
  switch (BitsPerPixel) {
    case 1:
    case 2:
    case 4: {
      U8* pDst = reinterpret_cast<U8*>(pBuffer);
      int PerByte = 8 / BitsPerPixel;
      U32 Mask = (1u << BitsPerPixel) - 1;
      for (int i = 0; i < NumPixels; i += PerByte) {
        U8 Byte = 0;
        for (int k = 0; k < PerByte; k++) {
          U32 v = (i + k < NumPixels) ? (pBuffer[i + k] & Mask) : 0;
          Byte |= (U8)(v << (8 - BitsPerPixel * (k + 1)));
        }
        pDst[i / PerByte] = Byte;  // never overtakes the source: i / PerByte bytes < 4 * i
      }
      break;
    }
    case 8: {
      U8* pDst = reinterpret_cast<U8*>(pBuffer);
      for (int i = 0; i < NumPixels; i++) {
        pDst[i] = (U8)pBuffer[i];
      }
      break;
    }
    case 16: {
      U16* pDst = reinterpret_cast<U16*>(pBuffer);
      for (int i = 0; i < NumPixels; i++) {
        pDst[i] = (U16)pBuffer[i];
      }
      break;
    }
    default:
      break;
  }
}

int GUI__CompactPixelIndicesEx(LCD_PIXELINDEX* pBuffer, int NumPixels, int BitsPerPixel,
                               const LCD_COLOR_CONV_API* pColorConvAPI) {
  if (!pBuffer || !pColorConvAPI || BitsPerPixel > 16 || BitsPerPixel <= 0) {
    return 0;
  }
  if (BitsPerPixel == 16 && (pColorConvAPI == &LCD_aColorConvAPI[LCD_CC_BGR565] ||
                             pColorConvAPI == &LCD_aColorConvAPI[LCD_CC_RGB565])) {
    // Converted and packed in one pass, several pixels at a time.
    GUI__ConvertColorsTo565Ex(pBuffer, reinterpret_cast<U16*>(pBuffer), NumPixels,
                              pColorConvAPI == &LCD_aColorConvAPI[LCD_CC_RGB565], GUI_SIMD_BEST);
    return 1;
  }
  for (int i = 0; i < NumPixels; i++) {
    pBuffer[i] = pColorConvAPI->pfColor2Index(pBuffer[i]);
  }
  GUI__CompactPixelIndices(pBuffer, NumPixels, BitsPerPixel);
  return 1;
}

void GUI__ManageCache(int Cmd) {
  // The simulation display has no cache; the multi-buffer pair installed by the window manager brackets it.
  if (Cmd == 1 && GUI__pfMultiBufBegin) {
    GUI__pfMultiBufBegin();
  } else if (Cmd == 0 && GUI__pfMultiBufEnd) {
    GUI__pfMultiBufEnd();
  }
}

void GUI__AlphaExit(void) {
  std::memset(_apAlphaDevice, 0, sizeof(_apAlphaDevice));
  _AlphaOn = 0;
  _KeepAlphaByte = true;
  std::free(_apLine[0]);
  std::free(_apLine[1]);
  _apLine[0] = _apLine[1] = nullptr;
  _LineSize = 0;
}
