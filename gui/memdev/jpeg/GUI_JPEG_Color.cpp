// JPEG colour conversion: the samples of one MCU row become lines of grey bytes or of R, G, B, 0 quadruples
// (the byte order of an opaque GUI_COLOR). Chroma is upsampled by repetition: a subsampled chroma sample
// serves the two (or 2 x 2) pixels it covers. Vertically subsampled layouts convert two lines at once.
#include "GUI_JPEG_Private.h"

#include <cstring>

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

void GUI_JPEG__YCCToRGB(const U8* pY, const U8* pCb, const U8* pCr, U8* pOut, int NumPixels, int ChromaStep) {
  GUI_JPEG__YCCToRGBPlain(pY, pCb, pCr, pOut, NumPixels, ChromaStep);
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
      GUI_JPEG__YCCToRGB(B, B + 64, B + 128, pLine0 + m * 32, 8, 1);
    }
    break;
  case 2:
    for (int m = 0; m < p->MaxMCUsPerRow; m++) {
      const U8* B = S + m * 4 * 64 + r * 8;
      GUI_JPEG__YCCToRGB(B, B + 128, B + 192, pLine0 + m * 64, 8, 2);
      GUI_JPEG__YCCToRGB(B + 64, B + 132, B + 196, pLine0 + m * 64 + 32, 8, 2);
    }
    break;
  case 3:
    for (int m = 0; m < p->MaxMCUsPerRow; m++) {
      const U8* B = S + m * 4 * 64;
      const U8* Y = B + (n < 8 ? 0 : 64) + r * 8;
      const U8* Cb = B + 128 + (n >> 1) * 8;
      GUI_JPEG__YCCToRGB(Y, Cb, Cb + 64, pLine0 + m * 32, 8, 1);
      GUI_JPEG__YCCToRGB(Y + 8, Cb, Cb + 64, pLine1 + m * 32, 8, 1);
    }
    break;
  case 4:
    for (int m = 0; m < p->MaxMCUsPerRow; m++) {
      const U8* B = S + m * 6 * 64;
      const U8* Y = B + (n < 8 ? 0 : 128) + r * 8;
      const U8* Cb = B + 256 + (n >> 1) * 8;
      const U8* Cr = Cb + 64;
      U8* o0 = pLine0 + m * 64;
      U8* o1 = pLine1 + m * 64;
      GUI_JPEG__YCCToRGB(Y, Cb, Cr, o0, 8, 2);
      GUI_JPEG__YCCToRGB(Y + 64, Cb + 4, Cr + 4, o0 + 32, 8, 2);
      GUI_JPEG__YCCToRGB(Y + 8, Cb, Cr, o1, 8, 2);
      GUI_JPEG__YCCToRGB(Y + 72, Cb + 4, Cr + 4, o1 + 32, 8, 2);
    }
    break;
  }
}
