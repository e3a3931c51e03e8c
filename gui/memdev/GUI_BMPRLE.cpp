// Run-length BMP files (RLE8 and RLE4, stored bottom-up): codes are expanded into one row of palette
// indices at a time; pixels the codes skip keep palette index 0. Pixels beyond the right edge are dropped.
#include "GUI_BMP_Private.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace {

struct _READER {
  GUI_GET_DATA_FUNC* pfGetData;
  void* pParam;
  uint32_t Off;
  unsigned Pos, Num;
  uint8_t aBuffer[256];
};

// 0 with the next byte, 1 at the end of the data.
int _GetByte(_READER* pReader, unsigned* pByte) {
  if (pReader->Pos == pReader->Num) {
    size_t n = GUI__ReadData(pReader->pfGetData, pReader->pParam, pReader->aBuffer, sizeof(pReader->aBuffer),
                             pReader->Off);
    if (!n) {
      return 1;
    }
    pReader->Off += uint32_t(n);
    pReader->Num = unsigned(n);
    pReader->Pos = 0;
  }
  *pByte = pReader->aBuffer[pReader->Pos++];
  return 0;
}

struct _DECODER {
  const GUI_BMP__INFO* pInfo;
  int RowFirst, RowLast, ColFirst, ColLast;
  GUI_BMP__ROW_SINK* pfSink;
  void* pContext;
  std::vector<uint8_t> Row;  // palette indices of the row being built
  std::vector<uint32_t> Value;
  int FileRow;  // 0 = bottom row
  int x;
  int Dirty;  // pixels of the row buffer that may be non-zero
};

// Hands the current row to the sink, starts the next one above it.
void _EndRow(_DECODER* pDec) {
  int Row = pDec->pInfo->YSize - 1 - pDec->FileRow;
  if (pDec->pfSink && Row >= pDec->RowFirst && Row <= pDec->RowLast) {
    for (int c = pDec->ColFirst; c <= pDec->ColLast; c++) {
      pDec->Value[c - pDec->ColFirst] = pDec->Row[c];
    }
    pDec->pfSink(pDec->pContext, Row, pDec->Value.data());
  }
  std::fill(pDec->Row.begin(), pDec->Row.begin() + pDec->Dirty, 0);
  pDec->Dirty = 0;
  pDec->FileRow++;
  pDec->x = 0;
}

void _Put(_DECODER* pDec, unsigned Index) {
  if (pDec->x < pDec->pInfo->XSize) {
    pDec->Row[pDec->x] = uint8_t(Index);
    pDec->Dirty = std::max(pDec->Dirty, pDec->x + 1);
  }
  pDec->x++;
  if (pDec->x > pDec->pInfo->XSize) {
    pDec->x = pDec->pInfo->XSize;  // keeps the counter bounded; the pixel is dropped
  }
}

int _Decode(_DECODER* pDec, _READER* pReader) {
  const GUI_BMP__INFO* pInfo = pDec->pInfo;
  int Is4 = pInfo->Compression == 2;
  while (pDec->FileRow < pInfo->YSize) {
    unsigned c, v;
    if (_GetByte(pReader, &c) || _GetByte(pReader, &v)) {
      return 1;  // the data ends before the picture does
    }
    if (c) {
      for (unsigned i = 0; i < c; i++) {
        _Put(pDec, Is4 ? ((i & 1) ? v & 15 : v >> 4) : v);
      }
      continue;
    }
    switch (v) {
    case 0:  // end of line
      _EndRow(pDec);
      break;
    case 1:  // end of bitmap: every remaining pixel keeps index 0
      _EndRow(pDec);
      // The rows above are empty: only those the caller wants are handed on.
      if (pDec->pfSink) {
        int FirstEmpty = pInfo->YSize - pDec->FileRow;  // picture rows 0 .. FirstEmpty - 1 remain
        for (int Row = std::min(FirstEmpty - 1, pDec->RowLast); Row >= pDec->RowFirst; Row--) {
          pDec->FileRow = pInfo->YSize - 1 - Row;
          _EndRow(pDec);
        }
      }
      return 0;
    case 2: {  // delta: move right and up
      unsigned dx, dy;
      if (_GetByte(pReader, &dx) || _GetByte(pReader, &dy)) {
        return 1;
      }
      int x = pDec->x + int(dx);
      for (unsigned i = 0; i < dy && pDec->FileRow < pInfo->YSize; i++) {
        _EndRow(pDec);
      }
      pDec->x = std::min(x, int(pInfo->XSize));
      break;
    }
    default: {  // absolute run of v pixels, padded to an even number of bytes
      unsigned NumBytes = Is4 ? (v + 1) / 2 : v;
      unsigned Byte = 0;
      for (unsigned i = 0; i < v; i++) {
        if ((!Is4 || !(i & 1)) && _GetByte(pReader, &Byte)) {
          return 1;
        }
        _Put(pDec, Is4 ? ((i & 1) ? Byte & 15 : Byte >> 4) : Byte);
      }
      if ((NumBytes & 1) && _GetByte(pReader, &Byte)) {
        return 1;
      }
      break;
    }
    }
  }
  return 0;
}

int _Run(const GUI_BMP__INFO* pInfo, GUI_GET_DATA_FUNC* pfGetData, void* pParam, int RowFirst, int RowLast,
         int ColFirst, int ColLast, GUI_BMP__ROW_SINK* pfSink, void* pContext) {
  _DECODER Dec{pInfo, RowFirst, RowLast, ColFirst, ColLast, pfSink, pContext, {}, {}, 0, 0, 0};
  Dec.Row.assign(pInfo->XSize, 0);
  Dec.Value.assign(ColLast - ColFirst + 1, 0);
  auto pReader = std::make_unique<_READER>();
  *pReader = _READER{pfGetData, pParam, pInfo->DataOff, 0, 0, {}};
  return _Decode(&Dec, pReader.get());
}

}  // namespace

int GUI_BMP__DecodeRLE(const GUI_BMP__INFO* pInfo, GUI_GET_DATA_FUNC* pfGetData, void* pParam, int RowFirst,
                       int RowLast, int ColFirst, int ColLast, GUI_BMP__ROW_SINK* pfSink, void* pContext) {
  if (RowFirst < 0 || ColFirst < 0 || RowLast >= pInfo->YSize || ColLast >= pInfo->XSize || RowFirst > RowLast ||
      ColFirst > ColLast) {
    return 1;
  }
  // Codes that end early leave the rows completed before; the result reports the failure.
  return _Run(pInfo, pfGetData, pParam, RowFirst, RowLast, ColFirst, ColLast, pfSink, pContext);
}
