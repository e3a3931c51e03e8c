// Run-length BMP files (RLE8 and RLE4, stored bottom-up): codes are expanded into one row of palette
// indices at a time, over the columns asked for; pixels the codes skip keep palette index 0. Pixels beyond the
// right edge are dropped. The work follows the codes, not the size the header claims: a row costs only the
// pixels written into it, and the empty rows that a delta or the end of the bitmap passes over are handed on
// together.
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
  std::vector<uint32_t> Value;  // palette indices of the row being built, columns ColFirst .. ColLast
  int DirtyFirst, DirtyEnd;     // Value[DirtyFirst .. DirtyEnd - 1] may be non-zero
  int FileRow;  // 0 = bottom row
  int x;
};

// Hands on the file rows FileRow .. FileRow + n - 1, which all hold the current values, as far as they are
// asked for.
void _Hand(_DECODER* pDec, int FileRow, int n) {
  int Bottom = pDec->pInfo->YSize - 1 - FileRow, Top = Bottom - n + 1;  // picture rows
  Top = std::max(Top, pDec->RowFirst);
  Bottom = std::min(Bottom, pDec->RowLast);
  if (pDec->pfSink && Top <= Bottom) {
    pDec->pfSink(pDec->pContext, Top, Bottom - Top + 1, pDec->Value.data());
  }
}

// Hands the current row on, starts the next one above it.
void _EndRow(_DECODER* pDec) {
  _Hand(pDec, pDec->FileRow, 1);
  if (pDec->DirtyFirst < pDec->DirtyEnd) {
    std::fill(pDec->Value.begin() + pDec->DirtyFirst, pDec->Value.begin() + pDec->DirtyEnd, 0);
  }
  pDec->DirtyFirst = int(pDec->Value.size());
  pDec->DirtyEnd = 0;
  pDec->FileRow++;
  pDec->x = 0;
}

// n rows that the codes pass over, all of palette index 0, after the current row has ended: one hand-over.
void _EmptyRows(_DECODER* pDec, int n) {
  n = std::min(n, pDec->pInfo->YSize - pDec->FileRow);
  if (n > 0) {
    _Hand(pDec, pDec->FileRow, n);
    pDec->FileRow += n;
  }
}

void _Put(_DECODER* pDec, unsigned Index) {
  int i = pDec->x - pDec->ColFirst;
  if (pDec->x <= pDec->ColLast && i >= 0) {
    pDec->Value[i] = Index;
    pDec->DirtyFirst = std::min(pDec->DirtyFirst, i);
    pDec->DirtyEnd = std::max(pDec->DirtyEnd, i + 1);
  }
  if (pDec->x < pDec->pInfo->XSize) {
    pDec->x++;  // beyond the right edge the counter stays: the pixel is dropped
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
      _EmptyRows(pDec, pInfo->YSize);
      return 0;
    case 2: {  // delta: move right and up
      unsigned dx, dy;
      if (_GetByte(pReader, &dx) || _GetByte(pReader, &dy)) {
        return 1;
      }
      int x = pDec->x + int(dx);
      if (dy) {
        _EndRow(pDec);
        _EmptyRows(pDec, int(dy) - 1);
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
  _DECODER Dec{pInfo, RowFirst, RowLast, ColFirst, ColLast, pfSink, pContext, {}, 0, 0, 0, 0};
  Dec.Value.assign(ColLast - ColFirst + 1, 0);
  Dec.DirtyFirst = int(Dec.Value.size());
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
