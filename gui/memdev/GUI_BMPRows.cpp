// Decoding the pixel rows of uncompressed and bit-field BMP files into palette indices or colours.
#include "GUI_BMP_Private.h"

#include <vector>

namespace {

// value x 255 / (2^width - 1), truncated: the bit-field rule of the format.
unsigned _Component(const GUI_BMP__INFO* pInfo, int i, uint32_t v) {
  unsigned Width = pInfo->aWidth[i];
  if (!Width) {
    return 0;
  }
  uint64_t c = (v & pInfo->aMask[i]) >> pInfo->aShift[i];
  uint64_t Max = (uint64_t(1) << Width) - 1;
  return unsigned(c * 255 / Max);
}

// The colour of a 16- or 32-bit pixel through the masks; the transparency byte is 0xFF - alpha when the file
// has an alpha mask. Uncompressed 16-bit pixels are RGB555 values, expanded like every 5-bit component.
GUI_COLOR _MaskedColor(const GUI_BMP__INFO* pInfo, uint32_t v) {
  if (pInfo->BitsPerPixel == 16 && pInfo->Compression == 0) {
    return GUI_COLOR(LCD_aExpand5[(v >> 10) & 31]) | GUI_COLOR(LCD_aExpand5[(v >> 5) & 31]) << 8 |
           GUI_COLOR(LCD_aExpand5[v & 31]) << 16;
  }
  GUI_COLOR c = _Component(pInfo, 0, v) | _Component(pInfo, 1, v) << 8 | _Component(pInfo, 2, v) << 16;
  if (pInfo->aWidth[3]) {
    c |= GUI_COLOR(255 - _Component(pInfo, 3, v)) << 24;
  }
  return c;
}

void _DecodeRow(const GUI_BMP__INFO* pInfo, const uint8_t* pRow, int ColFirst, int n, uint32_t* pValue) {
  unsigned Bpp = pInfo->BitsPerPixel;
  switch (Bpp) {
  case 1:
  case 4:
  case 8: {
    unsigned Mask = (1u << Bpp) - 1;
    unsigned Bit = unsigned(ColFirst) * Bpp % 8;  // pRow starts at the byte of the first column
    for (int i = 0; i < n; i++, Bit += Bpp) {
      pValue[i] = (pRow[Bit / 8] >> (8 - Bpp - Bit % 8)) & Mask;
    }
    break;
  }
  case 16:
    for (int i = 0; i < n; i++) {
      pValue[i] = _MaskedColor(pInfo, GUI__Get16(pRow + 2 * i));
    }
    break;
  case 24:
    for (int i = 0; i < n; i++) {
      const uint8_t* p = pRow + 3 * i;
      pValue[i] = GUI_COLOR(p[2]) | GUI_COLOR(p[1]) << 8 | GUI_COLOR(p[0]) << 16;
    }
    break;
  default:
    for (int i = 0; i < n; i++) {
      pValue[i] = _MaskedColor(pInfo, GUI__Get32(pRow + 4 * i));
    }
    break;
  }
}

}  // namespace

int GUI_BMP__DecodeRows(const GUI_BMP__INFO* pInfo, GUI_GET_DATA_FUNC* pfGetData, void* pParam, int RowFirst,
                        int RowLast, int ColFirst, int ColLast, GUI_BMP__ROW_SINK* pfSink, void* pContext) {
  if (pInfo->Compression == 1 || pInfo->Compression == 2) {
    return GUI_BMP__DecodeRLE(pInfo, pfGetData, pParam, RowFirst, RowLast, ColFirst, ColLast, pfSink, pContext);
  }
  if (RowFirst < 0 || ColFirst < 0 || RowLast >= pInfo->YSize || ColLast >= pInfo->XSize || RowFirst > RowLast ||
      ColFirst > ColLast) {
    return 1;
  }
  unsigned Bpp = pInfo->BitsPerPixel;
  // A file that ends early keeps the rows drawn before the failed read; the result reports the failure.
  uint32_t FirstByte = uint32_t(uint64_t(ColFirst) * Bpp / 8);
  uint32_t EndByte = uint32_t((uint64_t(ColLast + 1) * Bpp + 7) / 8);
  int n = ColLast - ColFirst + 1;
  std::vector<uint8_t> Row(EndByte - FirstByte);
  std::vector<uint32_t> Value(n);
  int NumRows = RowLast - RowFirst + 1;
  for (int i = 0; i < NumRows; i++) {
    // Rows in the order the file stores them.
    int Row0 = pInfo->TopDown ? RowFirst + i : RowLast - i;
    int FileRow = pInfo->TopDown ? Row0 : pInfo->YSize - 1 - Row0;
    uint32_t Off = pInfo->DataOff + uint32_t(FileRow) * pInfo->BytesPerLine + FirstByte;
    if (GUI__ReadDataExact(pfGetData, pParam, Row.data(), Row.size(), Off)) {
      return 1;
    }
    _DecodeRow(pInfo, Row.data(), ColFirst, n, Value.data());
    pfSink(pContext, Row0, 1, Value.data());
  }
  return 0;
}
