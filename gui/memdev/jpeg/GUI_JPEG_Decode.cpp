// JPEG frame set-up and line production: the accepted frame layouts and their MCU geometry, the MCU order of
// a scan, baseline decoding of one MCU row into the coefficient row, its inverse DCT into the sample row and
// the conversion of one or two lines at a time into the line buffers that the drawing reads.
//
// Buffers hold exactly one MCU row; every block index is computed from the frame's geometry, which the frame
// set-up has checked, so damaged entropy data changes pixels but never reaches outside the row.
#include "GUI_JPEG_Private.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

int _CeilDiv(int a, int b) { return (a + b - 1) / b; }

// 64 coefficients to 0 (a string store is slow to start for so few bytes).
inline void _ClearBlock(I16* pc) {
#if defined(__SSE2__)
  for (int i = 0; i < 64; i += 8) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(pc + i), _mm_setzero_si128());
  }
#else
  std::memset(pc, 0, 64 * sizeof(I16));
#endif
}

int _InitFrame(GUI_JPEG_DCONTEXT* p) {
  int Nf = p->NumCompsInFrame;
  if (Nf == 1) {
    if (!p->aCompH[0] || !p->aCompV[0]) {
      return 1;
    }
    p->Layout = 0;
  } else if (Nf == 3) {
    for (int c = 1; c < 3; c++) {
      if (p->aCompH[c] != 1 || p->aCompV[c] != 1) {
        return 1;
      }
    }
    int H = p->aCompH[0], V = p->aCompV[0];
    if (H < 1 || H > 2 || V < 1 || V > 2) {
      return 1;
    }
    p->Layout = U8(1 + (H - 1) + 2 * (V - 1));
  } else {
    return 1;  // two components, CMYK or none
  }
  static const I32 aBlocksPerMCU[5] = {1, 3, 4, 4, 6};
  p->BlocksPerMCU = aBlocksPerMCU[p->Layout];
  p->MCUXSize = (p->Layout == 2 || p->Layout == 4) ? 16 : 8;
  p->MCUYSize = (p->Layout == 3 || p->Layout == 4) ? 16 : 8;
  p->MaxMCUsPerRow = _CeilDiv(p->XSize, p->MCUXSize);
  p->MaxMCUsPerCol = _CeilDiv(p->YSize, p->MCUYSize);
  p->TotalLinesLeft = p->YSize;
  p->MCULinesLeft = 0;
  p->BytesPerPixel = p->Layout ? 4 : 1;
  p->LineBytes = ((p->XSize + 15) & ~15) * p->BytesPerPixel;
  p->BlocksPerRow = p->BlocksPerMCU * p->MaxMCUsPerRow;
  if (GUI_JPEG__AllocOwned(&p->CoeffRow, p->BlocksPerRow * 64 * 2) ||
      GUI_JPEG__AllocOwned(&p->SampleRow, p->BlocksPerRow * 64) || GUI_JPEG__AllocOwned(&p->aLine[0], p->LineBytes)) {
    return 1;
  }
  if (p->MCUYSize == 16 && GUI_JPEG__AllocOwned(&p->aLine[1], p->LineBytes)) {
    return 1;
  }
  return 0;
}

// The bit reader's state held in registers while a block's AC coefficients are decoded; written back before
// anything that reads the context's own state, and when the block ends.
struct _LOCAL_BITS {
  GUI_JPEG_DCONTEXT* p;
  U64 Bits;
  I32 NumBits;
  explicit _LOCAL_BITS(GUI_JPEG_DCONTEXT* pCtx) : p(pCtx), Bits(pCtx->Bits), NumBits(pCtx->NumBits) {}
  ~_LOCAL_BITS() { Store(); }
  void Store() {
    p->Bits = Bits;
    p->NumBits = NumBits;
  }
  void Load() {
    Bits = p->Bits;
    NumBits = p->NumBits;
  }
};

// AC coefficients 1..63 of one block; 1 when the data is damaged.
int _DecodeAC(GUI_JPEG_DCONTEXT* p, const JPEG__HUFF* pAC, const U16* q, I16* pc) {
  _LOCAL_BITS l(p);
  for (int k = 1; k < 64; k++) {
    // Most coefficients: code and magnitude in one look-up.
    if (l.NumBits < 32) {
      l.Store();
      GUI_JPEG__FillBits(p);
      l.Load();
    }
    I32 Fast = pAC->aFastAC[unsigned(l.Bits >> (l.NumBits - JPEG__LOOKUP_BITS)) & ((1u << JPEG__LOOKUP_BITS) - 1)];
    if (Fast) {
      l.NumBits -= Fast & 0xFF;
      k += (Fast >> 8) & 0xFF;
      if (k > 63) {
        return 1;
      }
      pc[GUI_JPEG__aZag[k]] = I16(U32(q[k]) * U32(Fast >> 16));
      continue;
    }
    l.Store();
    int rs = GUI_JPEG__HuffDecode(p, pAC);
    if (rs < 0) {
      l.Load();
      return 1;
    }
    int r = rs >> 4, s = rs & 15;
    if (s) {
      k += r;
      if (k > 63) {
        l.Load();
        return 1;
      }
      pc[GUI_JPEG__aZag[k]] = I16(U32(q[k]) * U32(GUI_JPEG__Extend(GUI_JPEG__GetBits(p, s), s)));
    } else if (r == 15) {
      if (k + 15 > 63) {
        l.Load();
        return 1;
      }
      k += 15;
    } else {
      l.Load();
      break;  // end of block
    }
    l.Load();
  }
  return 0;
}

// One MCU row of a sequential scan. 1 when damaged data ended it early.
int _DecodeNextRow(GUI_JPEG_DCONTEXT* p) {
  I16* pRow = reinterpret_cast<I16*>(p->CoeffRow.p);
  for (int m = 0; m < p->MCUsPerRow; m++) {
    if (p->RestartInterval && p->RestartsLeft == 0) {
      GUI_JPEG__ProcessRestart(p);
    }
    for (int b = 0; b < p->BlocksInMCU; b++) {
      int c = p->aMCUOrg[b];
      I16* pc = pRow + (m * p->BlocksPerMCU + b) * 64;
      const U16* q = p->aQuant[p->aCompQuant[c]];
      _ClearBlock(pc);
      int s = GUI_JPEG__HuffDecode(p, &p->aHuff[p->aCompDCTab[c]]);
      if (s < 0 || s > 16) {
        return 1;
      }
      int d = s ? GUI_JPEG__Extend(GUI_JPEG__GetBits(p, s), s) : 0;
      p->aLastDCVal[c] = I32(U32(p->aLastDCVal[c]) + U32(d));
      pc[0] = I16(U32(q[0]) * U32(p->aLastDCVal[c]));
      if (_DecodeAC(p, &p->aHuff[p->aCompACTab[c]], q, pc)) {
        return 1;
      }
    }
    p->RestartsLeft--;
  }
  return 0;
}

void _TransformRow(GUI_JPEG_DCONTEXT* p) {
  GUI_JPEG__IDCTBlocks(reinterpret_cast<const I16*>(p->CoeffRow.p), p->SampleRow.p, p->BlocksPerRow);
}

// Brings in the next MCU row when the current one is used up.
int _NextRow(GUI_JPEG_DCONTEXT* p) {
  if (p->MCULinesLeft) {
    return 0;
  }
  if (p->TotalLinesLeft <= 0) {
    return 1;
  }
  if (!p->Progressive) {
    // A row whose data are damaged or end inside it is not drawn, and nothing below it: a sequential scan
    // cannot be followed past bits that do not decode, and rows without data hold no picture.
    if (_DecodeNextRow(p) || GUI_JPEG__RanOutOfData(p)) {
      return 1;
    }
    if (p->TotalLinesLeft <= p->MCUYSize && GUI_JPEG__ProcessMarkers(p) != 0xD9) {
      return 1;  // the image's last row must be followed by its end
    }
  } else {
    if ((p->YSize - p->TotalLinesLeft) / p->MCUYSize >= p->RowsCovered) {
      return 1;  // below the rows that the DC data reached
    }
    GUI_JPEG__LoadNextRow(p);
  }
  p->MCULinesLeft = p->MCUYSize;
  p->Transform = 1;
  return 0;
}

}  // namespace

int GUI_JPEG__AllocOwned(JPEG__OWNED* pOwned, I32 NumBytes) {
  pOwned->hMem = GUI_ALLOC_AllocZero(NumBytes);
  if (!pOwned->hMem) {
    pOwned->p = nullptr;
    return 1;
  }
  pOwned->p = static_cast<U8*>(GUI_ALLOC_LockH(pOwned->hMem));
  return 0;
}

void GUI_JPEG__FreeOwned(JPEG__OWNED* pOwned) {
  if (pOwned->hMem) {
    GUI_ALLOC_UnlockH(&pOwned->p);
    GUI_ALLOC_Free(pOwned->hMem);
  }
  pOwned->hMem = 0;
  pOwned->p = nullptr;
}

int GUI_JPEG__CalcMCUBlockOrder(GUI_JPEG_DCONTEXT* p) {
  int MaxH = 1, MaxV = 1;
  for (int c = 0; c < p->NumCompsInFrame; c++) {
    MaxH = p->aCompH[c] > MaxH ? p->aCompH[c] : MaxH;
    MaxV = p->aCompV[c] > MaxV ? p->aCompV[c] : MaxV;
  }
  if (p->NumCompsInScan == 1) {
    int c = p->aCompList[0];
    p->MCUsPerRow = _CeilDiv(_CeilDiv(p->XSize * p->aCompH[c], MaxH), 8);
    p->MCUsPerCol = _CeilDiv(_CeilDiv(p->YSize * p->aCompV[c], MaxV), 8);
    p->BlocksInMCU = 1;
    p->aMCUOrg[0] = c;
    return 0;
  }
  p->MCUsPerRow = _CeilDiv(_CeilDiv(p->XSize, 8), MaxH);
  p->MCUsPerCol = _CeilDiv(_CeilDiv(p->YSize, 8), MaxV);
  int n = 0;
  for (int i = 0; i < p->NumCompsInScan; i++) {
    int c = p->aCompList[i];
    int Count = p->aCompH[c] * p->aCompV[c];
    if (n + Count > 10) {
      return 1;  // more blocks than an MCU may hold
    }
    for (int j = 0; j < Count; j++) {
      p->aMCUOrg[n++] = c;
    }
  }
  p->BlocksInMCU = n;
  return 0;
}

int GUI_JPEG__InitDecoder(GUI_JPEG_DCONTEXT* p) {
  if (GUI_JPEG__ReadHeaders(p) || !p->NumCompsInFrame || _InitFrame(p)) {
    return 1;
  }
  if (!p->Progressive) {
    return GUI_JPEG__InitScan(p) ? 1 : 0;
  }
  if (GUI_JPEG__CheckMemory(p)) {
    return 1;
  }
  return p->Banded ? 0 : GUI_JPEG__DecodeProgressive(p);
}

int GUI_JPEG__DecodeLine(GUI_JPEG_DCONTEXT* p) {
  if (_NextRow(p)) {
    return 1;
  }
  if (p->Transform) {
    _TransformRow(p);
    p->Transform = 0;
  }
  int n = p->MCUYSize - p->MCULinesLeft;
  p->SecondLine = 0;
  if (p->MCUYSize == 16 && (n & 1)) {
    p->SecondLine = 1;  // converted together with the line above
  } else {
    GUI_JPEG__ConvertLines(p, n);
  }
  p->MCULinesLeft--;
  p->TotalLinesLeft--;
  return 0;
}

int GUI_JPEG__SkipLine(GUI_JPEG_DCONTEXT* p) {
  if (_NextRow(p)) {
    return 1;
  }
  p->MCULinesLeft--;
  p->TotalLinesLeft--;
  return 0;
}

void GUI_JPEG__FreeDecoder(GUI_JPEG_DCONTEXT* p) {
  GUI_JPEG__FreeOwned(&p->CoeffRow);
  GUI_JPEG__FreeOwned(&p->SampleRow);
  GUI_JPEG__FreeOwned(&p->aLine[0]);
  GUI_JPEG__FreeOwned(&p->aLine[1]);
  for (int c = 0; c < 4; c++) {
    GUI_JPEG__FreeOwned(&p->aDCBuffer[c].Mem);
    GUI_JPEG__FreeOwned(&p->aACBuffer[c].Mem);
  }
  GUI_JPEG__FreeOwned(&p->NZMask);
}
