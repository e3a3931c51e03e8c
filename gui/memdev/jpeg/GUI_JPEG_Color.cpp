// JPEG colour conversion: the samples of one MCU row become lines of grey bytes or of R, G, B, 0 quadruples
// (the byte order of an opaque GUI_COLOR). Chroma is upsampled by repetition: a subsampled chroma sample
// serves the two (or 2 x 2) pixels it covers. Vertically subsampled layouts convert two lines at once.
// An SSE2 form converts eight pixels at a time with the same results as the plain one.
#include "GUI_JPEG_Private.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

struct _TABLES {
  I32 aCrR[256], aCbB[256], aCrG[256], aCbG[256];
  U8 aLimit[768];  // indexed with -256..511 (offset 256): the value clamped to 0..255
  _TABLES() {
    for (int i = 0; i < 256; i++) {
      I32 x = i - 128;
      aCrR[i] = (91880 * x + 32768) >> 16;
      aCbB[i] = (116128 * x + 32768) >> 16;
      aCrG[i] = -46800 * x;
      aCbG[i] = -22552 * x;
    }
    for (int i = 0; i < 768; i++) {
      aLimit[i] = U8(i < 256 ? 0 : i < 512 ? i - 256 : 255);
    }
  }
};
const _TABLES _Tables;

}  // namespace

void GUI_JPEG__YCCToRGBPlain(const U8* pY, const U8* pCb, const U8* pCr, U8* pOut, int NumPixels, int ChromaStep) {
  const U8* pLimit = _Tables.aLimit + 256;
  int Shift = ChromaStep == 2 ? 1 : 0;
  for (int i = 0; i < NumPixels; i++) {
    int y = pY[i], cb = pCb[i >> Shift], cr = pCr[i >> Shift];
    pOut[4 * i + 0] = pLimit[y + _Tables.aCrR[cr]];
    pOut[4 * i + 1] = pLimit[y + ((_Tables.aCbG[cb] + _Tables.aCrG[cr]) >> 16)];
    pOut[4 * i + 2] = pLimit[y + _Tables.aCbB[cb]];
    pOut[4 * i + 3] = 0;
  }
}

#if defined(__SSE2__)

namespace {

// Chroma contributions of 8 samples as 16-bit values: R, G and B offsets that the luminance is added to. The
// same sums as the tables: constants that exceed 16 bits are taken as 4 x (a 16-bit constant) or as a 16-bit
// constant times twice the sample, which is exact.
__attribute__((always_inline)) inline void _Offsets(const U8* pCb, const U8* pCr, __m128i* pR, __m128i* pG,
                                                    __m128i* pB) {
  const __m128i Zero = _mm_setzero_si128(), Bias = _mm_set1_epi16(128);
  const __m128i One = _mm_set1_epi32(1 << 16);  // a second 16-bit element of 1 beside each sample
  __m128i xb = _mm_sub_epi16(_mm_unpacklo_epi8(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(pCb)), Zero), Bias);
  __m128i xr = _mm_sub_epi16(_mm_unpacklo_epi8(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(pCr)), Zero), Bias);
  __m128i aR[2], aG[2], aB[2];
  for (int h = 0; h < 2; h++) {
    __m128i b = h ? _mm_unpackhi_epi16(xb, Zero) : _mm_unpacklo_epi16(xb, Zero);  // sample in the low half
    __m128i r = h ? _mm_unpackhi_epi16(xr, Zero) : _mm_unpacklo_epi16(xr, Zero);
    __m128i vr = _mm_madd_epi16(_mm_or_si128(r, One), _mm_set1_epi32(8192 << 16 | 22970));
    __m128i vb = _mm_madd_epi16(_mm_or_si128(b, One), _mm_set1_epi32(8192 << 16 | 29032));
    __m128i vg = _mm_madd_epi16(_mm_or_si128(b, _mm_slli_epi32(r, 17)),
                                _mm_set1_epi32(I32(U32(U16(-23400)) << 16 | U16(-22552))));
    aR[h] = _mm_srai_epi32(_mm_slli_epi32(vr, 2), 16);
    aG[h] = _mm_srai_epi32(vg, 16);
    aB[h] = _mm_srai_epi32(_mm_slli_epi32(vb, 2), 16);
  }
  *pR = _mm_packs_epi32(aR[0], aR[1]);
  *pG = _mm_packs_epi32(aG[0], aG[1]);
  *pB = _mm_packs_epi32(aB[0], aB[1]);
}

// Eight pixels: luminance plus the offsets, clamped, stored as R, G, B, 0.
__attribute__((always_inline)) inline void _Store8(const U8* pY, __m128i R, __m128i G, __m128i B, U8* pOut) {
  const __m128i Zero = _mm_setzero_si128();
  __m128i y = _mm_unpacklo_epi8(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(pY)), Zero);
  __m128i r = _mm_packus_epi16(_mm_add_epi16(y, R), Zero);
  __m128i g = _mm_packus_epi16(_mm_add_epi16(y, G), Zero);
  __m128i b = _mm_packus_epi16(_mm_add_epi16(y, B), Zero);
  __m128i RG = _mm_unpacklo_epi8(r, g), B0 = _mm_unpacklo_epi8(b, Zero);
  _mm_storeu_si128(reinterpret_cast<__m128i*>(pOut), _mm_unpacklo_epi16(RG, B0));
  _mm_storeu_si128(reinterpret_cast<__m128i*>(pOut + 16), _mm_unpackhi_epi16(RG, B0));
}

// One MCU line (or two lines sharing their chroma when pYb is given).
__attribute__((always_inline)) inline void _Line(const U8* pY0, const U8* pY1, const U8* pY0b, const U8* pY1b,
                                                 const U8* pCb, const U8* pCr, U8* pOut, U8* pOutB, int ChromaStep) {
  __m128i R, G, B;
  _Offsets(pCb, pCr, &R, &G, &B);
  if (ChromaStep == 1) {
    _Store8(pY0, R, G, B, pOut);
    if (pY0b) {
      _Store8(pY0b, R, G, B, pOutB);
    }
    return;
  }
  __m128i RL = _mm_unpacklo_epi16(R, R), GL = _mm_unpacklo_epi16(G, G), BL = _mm_unpacklo_epi16(B, B);
  __m128i RH = _mm_unpackhi_epi16(R, R), GH = _mm_unpackhi_epi16(G, G), BH = _mm_unpackhi_epi16(B, B);
  _Store8(pY0, RL, GL, BL, pOut);
  _Store8(pY1, RH, GH, BH, pOut + 32);
  if (pY0b) {
    _Store8(pY0b, RL, GL, BL, pOutB);
    _Store8(pY1b, RH, GH, BH, pOutB + 32);
  }
}

}  // namespace

#endif

void GUI_JPEG__ConvertMCULine(const U8* pY0, const U8* pY1, const U8* pY0b, const U8* pY1b, const U8* pCb,
                              const U8* pCr, U8* pOut, U8* pOutB, int ChromaStep) {
#if defined(__SSE2__)
  _Line(pY0, pY1, pY0b, pY1b, pCb, pCr, pOut, pOutB, ChromaStep);
#else
  GUI_JPEG__ConvertMCULinePlain(pY0, pY1, pY0b, pY1b, pCb, pCr, pOut, pOutB, ChromaStep);
#endif
}

void GUI_JPEG__ConvertMCULinePlain(const U8* pY0, const U8* pY1, const U8* pY0b, const U8* pY1b, const U8* pCb,
                                   const U8* pCr, U8* pOut, U8* pOutB, int ChromaStep) {
  GUI_JPEG__YCCToRGBPlain(pY0, pCb, pCr, pOut, 8, ChromaStep);
  if (ChromaStep == 2) {
    GUI_JPEG__YCCToRGBPlain(pY1, pCb + 4, pCr + 4, pOut + 32, 8, 2);
  }
  if (pY0b) {
    GUI_JPEG__ConvertMCULinePlain(pY0b, pY1b, nullptr, nullptr, pCb, pCr, pOutB, nullptr, ChromaStep);
  }
}

void GUI_JPEG__ConvertLines(GUI_JPEG_DCONTEXT* p, int n) {
  const U8* S = p->SampleRow.p;
  U8* pLine0 = p->aLine[0].p;
  U8* pLine1 = p->aLine[1].p;
  int r = n & 7;  // row within a block
  switch (p->Layout) {
  case 0:
    for (int m = 0; m < p->MaxMCUsPerRow; m++) {
      std::memcpy(pLine0 + m * 8, S + m * 64 + r * 8, 8);
    }
    break;
  case 1:
    for (int m = 0; m < p->MaxMCUsPerRow; m++) {
      const U8* B = S + m * 3 * 64 + r * 8;
      GUI_JPEG__ConvertMCULine(B, nullptr, nullptr, nullptr, B + 64, B + 128, pLine0 + m * 32, nullptr, 1);
    }
    break;
  case 2:
    for (int m = 0; m < p->MaxMCUsPerRow; m++) {
      const U8* B = S + m * 4 * 64 + r * 8;
      GUI_JPEG__ConvertMCULine(B, B + 64, nullptr, nullptr, B + 128, B + 192, pLine0 + m * 64, nullptr, 2);
    }
    break;
  case 3:
    for (int m = 0; m < p->MaxMCUsPerRow; m++) {
      const U8* B = S + m * 4 * 64;
      const U8* Y = B + (n < 8 ? 0 : 64) + r * 8;
      const U8* Cb = B + 128 + (n >> 1) * 8;
      GUI_JPEG__ConvertMCULine(Y, nullptr, Y + 8, nullptr, Cb, Cb + 64, pLine0 + m * 32, pLine1 + m * 32, 1);
    }
    break;
  case 4:
    for (int m = 0; m < p->MaxMCUsPerRow; m++) {
      const U8* B = S + m * 6 * 64;
      const U8* Y = B + (n < 8 ? 0 : 128) + r * 8;
      const U8* Cb = B + 256 + (n >> 1) * 8;
      GUI_JPEG__ConvertMCULine(Y, Y + 64, Y + 8, Y + 72, Cb, Cb + 64, pLine0 + m * 64, pLine1 + m * 64, 2);
    }
    break;
  }
}
