// Progressive JPEG frames: every scan is decoded into per-component coefficient buffers (DC and AC apart,
// unquantised) before the first line is produced; line production then loads one MCU row at a time from
// them. When the buffers of the whole image do not fit into the largest free GUI block, the image is drawn
// in bands: the stream is read once per band and only the band's block rows are stored.
//
// Block addresses come only from _GetBlockPtr, which checks them against the buffer; a scan that names a
// block outside the image fails (whole image) or is decoded without being stored (band). In band mode a
// mask of the non-zero coefficients of every block lets refinement scans be followed through the blocks that
// the band does not hold, so that banded and whole-image drawing give the same pixels.
#include "GUI_JPEG_Private.h"

#include <cstring>
#include <initializer_list>

namespace {

enum { _DC_FIRST, _DC_REFINE, _AC_FIRST, _AC_REFINE };

inline I16 _Shift(I32 v, int Al) { return I16(U32(v) << Al); }
inline I16 _Mul(I32 a, I32 b) { return I16(U32(a) * U32(b)); }

void _MaxFactors(const GUI_JPEG_DCONTEXT* p, int* pMaxH, int* pMaxV) {
  int MaxH = 1, MaxV = 1;
  for (int c = 0; c < p->NumCompsInFrame; c++) {
    MaxH = p->aCompH[c] > MaxH ? p->aCompH[c] : MaxH;
    MaxV = p->aCompV[c] > MaxV ? p->aCompV[c] : MaxV;
  }
  *pMaxH = MaxH;
  *pMaxV = MaxV;
}

I16* _GetBlockPtr(GUI_JPEG_DCONTEXT* p, int c, JPEG__COEFF_BUF* pBuf, int Col, int Row) {
  if (!pBuf->Mem.p || Col < 0 || Col >= pBuf->BlocksAcross) {
    return nullptr;
  }
  if (p->Banded) {
    Row -= p->aBandFirstRow[c];
  }
  if (Row < 0 || Row >= pBuf->BlocksDown) {
    return nullptr;
  }
  return reinterpret_cast<I16*>(pBuf->Mem.p + (I64(Row) * pBuf->BlocksAcross + Col) * pBuf->BytesPerBlock);
}

U64* _GetMask(GUI_JPEG_DCONTEXT* p, int c, int Col, int Row) {
  if (!p->NZMask.p) {
    return nullptr;
  }
  int Across = p->aCompH[c] * p->MaxMCUsPerRow, Down = p->aCompV[c] * p->MaxMCUsPerCol;
  if (Col < 0 || Col >= Across || Row < 0 || Row >= Down) {
    return nullptr;
  }
  return reinterpret_cast<U64*>(p->NZMask.p) + p->aMaskBase[c] + I64(Row) * Across + Col;
}

int _DecodeDCFirst(GUI_JPEG_DCONTEXT* p, int c, I16* pBlock) {
  int s = GUI_JPEG__HuffDecode(p, &p->aHuff[p->aCompDCTab[c]]);
  if (s < 0 || s > 16) {
    return 1;
  }
  int d = s ? GUI_JPEG__Extend(GUI_JPEG__GetBits(p, s), s) : 0;
  p->aLastDCVal[c] = I32(U32(p->aLastDCVal[c]) + U32(d));
  pBlock[0] = _Shift(p->aLastDCVal[c], p->Al);
  return 0;
}

int _DecodeDCRefine(GUI_JPEG_DCONTEXT* p, int, I16* pBlock) {
  if (GUI_JPEG__GetBits(p, 1)) {
    pBlock[0] = I16(pBlock[0] | _Shift(1, p->Al));
  }
  return 0;
}

int _DecodeACFirst(GUI_JPEG_DCONTEXT* p, int c, I16* pBlock) {
  if (p->EOBRun > 0) {
    p->EOBRun--;
    return 0;
  }
  const JPEG__HUFF* pHuff = &p->aHuff[p->aCompACTab[c]];
  for (int k = p->Ss; k <= p->Se; k++) {
    int rs = GUI_JPEG__HuffDecode(p, pHuff);
    if (rs < 0) {
      return 1;
    }
    int r = rs >> 4, s = rs & 15;
    if (s) {
      k += r;
      if (k > 63) {
        return 1;
      }
      pBlock[GUI_JPEG__aZag[k]] = _Shift(GUI_JPEG__Extend(GUI_JPEG__GetBits(p, s), s), p->Al);
    } else if (r == 15) {
      k += 15;
      if (k > 63) {
        return 1;
      }
    } else {
      p->EOBRun = (1 << r) - 1;
      if (r) {
        p->EOBRun += int(GUI_JPEG__GetBits(p, r));
      }
      break;
    }
  }
  return 0;
}

// Successive approximation of AC coefficients (ITU-T T.81 G.1.2.3).
int _DecodeACRefine(GUI_JPEG_DCONTEXT* p, int c, I16* pBlock) {
  I32 P1 = 1 << p->Al, M1 = -P1;
  int k = p->Ss, Se = p->Se;
  auto Correct = [p, P1, M1](I16* pCoeff) {
    if (GUI_JPEG__GetBits(p, 1) && (*pCoeff & P1) == 0) {
      *pCoeff = I16(*pCoeff + (*pCoeff >= 0 ? P1 : M1));
    }
  };
  if (p->EOBRun == 0) {
    const JPEG__HUFF* pHuff = &p->aHuff[p->aCompACTab[c]];
    for (; k <= Se; k++) {
      int rs = GUI_JPEG__HuffDecode(p, pHuff);
      if (rs < 0) {
        return 1;
      }
      int r = rs >> 4, s = rs & 15;
      I32 Value = 0;
      if (s) {
        if (s != 1) {
          return 1;
        }
        Value = GUI_JPEG__GetBits(p, 1) ? P1 : M1;
      } else if (r != 15) {
        p->EOBRun = 1 << r;
        if (r) {
          p->EOBRun += int(GUI_JPEG__GetBits(p, r));
        }
        break;
      }
      // Pass over r zero coefficients, correcting the non-zero ones met on the way.
      for (; k <= Se; k++) {
        I16* pCoeff = &pBlock[GUI_JPEG__aZag[k]];
        if (*pCoeff) {
          Correct(pCoeff);
        } else if (--r < 0) {
          break;
        }
      }
      if (Value && k <= Se) {
        pBlock[GUI_JPEG__aZag[k]] = I16(Value);
      }
    }
  }
  if (p->EOBRun > 0) {
    for (; k <= Se; k++) {
      I16* pCoeff = &pBlock[GUI_JPEG__aZag[k]];
      if (*pCoeff) {
        Correct(pCoeff);
      }
    }
    p->EOBRun--;
  }
  return 0;
}

typedef int _BLOCK_DECODER(GUI_JPEG_DCONTEXT* p, int c, I16* pBlock);

// One block: stored in its buffer, or, in band mode outside the band, decoded into a scratch block that
// stands for it (its non-zero coefficients taken from the mask).
int _DecodeBlock(GUI_JPEG_DCONTEXT* p, int Kind, int c, int Col, int Row) {
  static _BLOCK_DECODER* const apDecoder[4] = {_DecodeDCFirst, _DecodeDCRefine, _DecodeACFirst, _DecodeACRefine};
  int IsAC = Kind >= _AC_FIRST;
  I16* pBlock = _GetBlockPtr(p, c, IsAC ? &p->aACBuffer[c] : &p->aDCBuffer[c], Col, Row);
  I16 aScratch[64];
  U64* pMask = IsAC ? _GetMask(p, c, Col, Row) : nullptr;
  if (!pBlock) {
    if (!p->Banded) {
      return 1;
    }
    std::memset(aScratch, 0, sizeof(aScratch));
    if (pMask) {
      for (int i = 0; i < 64; i++) {
        aScratch[i] = I16((*pMask >> i) & 1);
      }
    }
    pBlock = aScratch;
  }
  if (apDecoder[Kind](p, c, pBlock)) {
    return 1;
  }
  if (pMask) {
    U64 m = 0;
    for (int i = 0; i < 64; i++) {
      m |= U64(pBlock[i] != 0) << i;
    }
    *pMask = m;
  }
  return 0;
}

enum { _ALL_ROWS = 0x7FFFFFFF };

// MCU rows of the current scan that the first DC scans of its components reached.
int _ScanRowsWithDC(const GUI_JPEG_DCONTEXT* p) {
  if (p->NumCompsInScan == 1) {
    return p->aDCRows[p->aCompList[0]];
  }
  int Rows = _ALL_ROWS;
  for (int i = 0; i < p->NumCompsInScan; i++) {
    int c = p->aCompList[i];
    int n = p->aDCRows[c] == _ALL_ROWS ? _ALL_ROWS : p->aDCRows[c] / p->aCompV[c];
    Rows = n < Rows ? n : Rows;
  }
  return Rows;
}

// After the scans: the MCU rows of the frame that the DC data of every component reached.
void _SetRowsCovered(GUI_JPEG_DCONTEXT* p) {
  int Rows = _ALL_ROWS;
  for (int c = 0; c < p->NumCompsInFrame; c++) {
    int n = p->aDCRows[c];
    if (n != _ALL_ROWS && p->NumCompsInFrame > 1) {
      n /= p->aCompV[c];
    }
    Rows = n < Rows ? n : Rows;
  }
  p->RowsCovered = Rows;
}

// 0 done, 1 damaged data, 2 the stream ended inside the scan. A first DC scan records how far down it got;
// the other scans go only as far down as that, since blocks without DC data hold no picture, so that a frame
// claiming more blocks than its data hold costs no more than its data.
int _DecodeScan(GUI_JPEG_DCONTEXT* p, int Kind) {
  int aCol[4], aRowBase[4] = {0, 0, 0, 0};
  int Single = p->NumCompsInScan == 1;
  int NumRows = p->MCUsPerCol;
  if (Kind != _DC_FIRST) {
    int WithDC = _ScanRowsWithDC(p);
    NumRows = WithDC < NumRows ? WithDC : NumRows;
  }
  for (int MCURow = 0; MCURow < NumRows; MCURow++) {
    aCol[0] = aCol[1] = aCol[2] = aCol[3] = 0;
    for (int m = 0; m < p->MCUsPerRow; m++) {
      if (p->RestartInterval && p->RestartsLeft == 0) {
        GUI_JPEG__ProcessRestart(p);
      }
      if (Single) {
        if (_DecodeBlock(p, Kind, p->aCompList[0], m, MCURow)) {
          return GUI_JPEG__RanOutOfData(p, 1) ? 2 : 1;
        }
      } else {
        for (int i = 0; i < p->NumCompsInScan; i++) {
          int c = p->aCompList[i];
          for (int v = 0; v < p->aCompV[c]; v++) {
            for (int h = 0; h < p->aCompH[c]; h++) {
              if (_DecodeBlock(p, Kind, c, aCol[c] + h, aRowBase[c] + v)) {
                return GUI_JPEG__RanOutOfData(p, 1) ? 2 : 1;
              }
            }
          }
          aCol[c] += p->aCompH[c];
        }
      }
      p->RestartsLeft--;
      if (GUI_JPEG__RanOutOfData(p)) {
        return 2;  // the stream ended inside this scan
      }
    }
    if (!Single) {
      for (int i = 0; i < p->NumCompsInScan; i++) {
        aRowBase[p->aCompList[i]] += p->aCompV[p->aCompList[i]];
      }
    }
    if (Kind == _DC_FIRST) {
      for (int i = 0; i < p->NumCompsInScan; i++) {
        int c = p->aCompList[i];
        int Rows = Single ? MCURow + 1 : aRowBase[c];
        p->aDCRows[c] = Rows > p->aDCRows[c] ? Rows : p->aDCRows[c];
      }
    }
  }
  if (Kind == _DC_FIRST) {
    for (int i = 0; i < p->NumCompsInScan; i++) {
      p->aDCRows[p->aCompList[i]] = _ALL_ROWS;
    }
  }
  return 0;
}

// The kind of block decoder a scan needs; -1 when its header breaks the rules of progressive scans.
int _ScanKind(const GUI_JPEG_DCONTEXT* p) {
  if (p->Ss > p->Se) {
    return -1;
  }
  if (p->Ss == 0 && p->Se != 0) {
    return -1;  // DC and AC in one scan
  }
  if (p->Ss != 0 && p->NumCompsInScan != 1) {
    return -1;  // AC scans hold one component
  }
  if (p->Ah != 0 && p->Al != p->Ah - 1) {
    return -1;
  }
  return p->Ss == 0 ? (p->Ah ? _DC_REFINE : _DC_FIRST) : (p->Ah ? _AC_REFINE : _AC_FIRST);
}

// After the last scan, lines are produced with the whole frame as the scan.
int _UseFrameAsScan(GUI_JPEG_DCONTEXT* p) {
  p->NumCompsInScan = p->NumCompsInFrame;
  for (int c = 0; c < p->NumCompsInFrame; c++) {
    p->aCompList[c] = U8(c);
  }
  return GUI_JPEG__CalcMCUBlockOrder(p);
}

int _AllocBuffers(GUI_JPEG_DCONTEXT* p, int Banded) {
  for (int c = 0; c < p->NumCompsInFrame; c++) {
    JPEG__COEFF_BUF* pDC = &p->aDCBuffer[c];
    JPEG__COEFF_BUF* pAC = &p->aACBuffer[c];
    pDC->BlocksAcross = pAC->BlocksAcross = p->aCompH[c] * p->MaxMCUsPerRow;
    pDC->BlocksDown = pAC->BlocksDown = Banded ? p->BandRows : p->aCompV[c] * p->MaxMCUsPerCol;
    pDC->BytesPerBlock = 2;
    pAC->BytesPerBlock = 128;
    I64 NumBlocks = I64(pDC->BlocksAcross) * pDC->BlocksDown;
    if (NumBlocks * 128 > 0x7FFFFFFF || GUI_JPEG__AllocOwned(&pDC->Mem, I32(NumBlocks * 2)) ||
        GUI_JPEG__AllocOwned(&pAC->Mem, I32(NumBlocks * 128))) {
      return 1;
    }
  }
  return 0;
}

}  // namespace

int GUI_JPEG__CheckMemory(GUI_JPEG_DCONTEXT* p) {
  I64 Need = 0, NeedPerRow = 0, NumBlocks = 0;
  for (int c = 0; c < p->NumCompsInFrame; c++) {
    I64 Blocks = I64(p->aCompH[c]) * p->aCompV[c] * p->MaxMCUsPerRow * p->MaxMCUsPerCol;
    NumBlocks += Blocks;
    Need += Blocks * 130;
    NeedPerRow += I64(p->aCompH[c]) * p->MaxMCUsPerRow * 130;
  }
  if (Need <= GUI_ALLOC_GetMaxFreeBlockSize()) {
    return 0;
  }
  p->Banded = 1;
  // The mask of non-zero coefficients costs 8 bytes per block; without it the bands stop at the first AC
  // refinement scan. It is taken whenever one band row still fits beside it.
  if (NumBlocks * 8 + NeedPerRow + 2048 <= GUI_ALLOC_GetMaxFreeBlockSize()) {
    GUI_JPEG__AllocOwned(&p->NZMask, I32(NumBlocks * 8));
  }
  I64 Free = GUI_ALLOC_GetMaxFreeBlockSize() - 1024;  // room for the block headers of the eight buffers
  p->BandRows = Free > 0 ? I32(Free / NeedPerRow) : 0;
  if (p->BandRows <= 0) {
    return 1;
  }
  int BlockRows = (p->YSize + 7) / 8;
  if (p->BandRows > BlockRows) {
    p->BandRows = BlockRows;
  }
  p->NumBands = (BlockRows + p->BandRows - 1) / p->BandRows;
  I32 Base = 0;
  for (int c = 0; c < p->NumCompsInFrame; c++) {
    p->aMaskBase[c] = Base;
    Base += p->aCompH[c] * p->aCompV[c] * p->MaxMCUsPerRow * p->MaxMCUsPerCol;
  }
  return 0;
}

int GUI_JPEG__DecodeProgressive(GUI_JPEG_DCONTEXT* p) {
  if (_AllocBuffers(p, 0)) {
    return 1;
  }
  std::memset(p->aDCRows, 0, sizeof(p->aDCRows));
  int r;
  while ((r = GUI_JPEG__InitScan(p)) == 0) {
    int Kind = _ScanKind(p);
    if (Kind < 0) {
      return 1;
    }
    int rScan = _DecodeScan(p, Kind);
    if (rScan == 1) {
      return 1;
    }
    if (rScan == 2) {
      r = 2;  // the stream ended: what the scans decoded is drawn
      break;
    }
  }
  if (r == 1) {
    return 1;  // a scan header that cannot be followed
  }
  _SetRowsCovered(p);
  return _UseFrameAsScan(p);
}

int GUI_JPEG__AllocBandBuffers(GUI_JPEG_DCONTEXT* p) { return _AllocBuffers(p, 1); }

int GUI_JPEG__DecodeProgressiveBand(GUI_JPEG_DCONTEXT* p) {
  int r = 0;
  std::memset(p->aDCRows, 0, sizeof(p->aDCRows));
  while (GUI_JPEG__InitScan(p) == 0) {
    int Kind = _ScanKind(p);
    if (Kind < 0 || (Kind == _AC_REFINE && !p->NZMask.p) || _DecodeScan(p, Kind)) {
      r = 1;  // a damaged scan or the stream's end: the band is drawn from what was decoded
      break;
    }
  }
  _SetRowsCovered(p);
  if (_UseFrameAsScan(p)) {
    return 1;
  }
  return r;
}

void GUI_JPEG__LoadNextRow(GUI_JPEG_DCONTEXT* p) {
  I16* pRow = reinterpret_cast<I16*>(p->CoeffRow.p);
  int aCol[4] = {0, 0, 0, 0};
  int Single = p->NumCompsInFrame == 1;
  for (int m = 0; m < p->MCUsPerRow && m < p->MaxMCUsPerRow; m++) {
    int b = 0;
    for (int i = 0; i < p->NumCompsInScan; i++) {
      int c = p->aCompList[i];
      int H = Single ? 1 : p->aCompH[c], V = Single ? 1 : p->aCompV[c];
      const U16* q = p->aQuant[p->aCompQuant[c] & 3];
      for (int v = 0; v < V; v++) {
        for (int h = 0; h < H; h++, b++) {
          const I16* pDC = _GetBlockPtr(p, c, &p->aDCBuffer[c], aCol[c] + h, p->aBlockYMCU[c] + v);
          const I16* pAC = _GetBlockPtr(p, c, &p->aACBuffer[c], aCol[c] + h, p->aBlockYMCU[c] + v);
          if (!pDC || !pAC || b >= p->BlocksPerMCU) {
            continue;  // the row block keeps what it had
          }
          I16* pDst = pRow + (m * p->BlocksPerMCU + b) * 64;
          pDst[0] = _Mul(pDC[0], q[0]);
          for (int k = 1; k < 64; k++) {
            int z = GUI_JPEG__aZag[k];
            pDst[z] = pAC[z] ? _Mul(pAC[z], q[k]) : I16(0);
          }
        }
      }
      aCol[c] += H;
    }
  }
  for (int c = 0; c < p->NumCompsInFrame; c++) {
    p->aBlockYMCU[c] += Single ? 1 : p->aCompV[c];
  }
}

void GUI_JPEG__NextBand(GUI_JPEG_DCONTEXT* p) {
  int MaxH, MaxV;
  _MaxFactors(p, &MaxH, &MaxV);
  p->BandStart += p->BandRows;
  for (int c = 0; c < p->NumCompsInFrame; c++) {
    p->aBandFirstRow[c] = p->BandStart * p->aCompV[c] / MaxV;
    for (JPEG__COEFF_BUF* pBuf : {&p->aDCBuffer[c], &p->aACBuffer[c]}) {
      if (pBuf->Mem.p) {
        std::memset(pBuf->Mem.p, 0, size_t(pBuf->BlocksAcross) * pBuf->BlocksDown * pBuf->BytesPerBlock);
      }
    }
    p->aBlockYMCU[c] = 0;
  }
  if (p->NZMask.p) {
    I64 NumBlocks = 0;
    for (int c = 0; c < p->NumCompsInFrame; c++) {
      NumBlocks += I64(p->aCompH[c]) * p->aCompV[c] * p->MaxMCUsPerRow * p->MaxMCUsPerCol;
    }
    std::memset(p->NZMask.p, 0, size_t(NumBlocks) * 8);
  }
  p->MCULinesLeft = 0;
  p->TotalLinesLeft = p->YSize;
}
