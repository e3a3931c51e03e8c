// Run-length streamed bitmaps read through a get-data routine: the palette is read first, then the runs are
// decoded from the stream once per visible rectangle by the format's get-data methods record.
#include "GUI_ImageRead.h"
#include "GUI_RLE.h"
#include "GUI_StreamRLE.h"

#include <vector>

namespace {

struct _RLE_FORMAT {
  unsigned Code;
  const GUI_BITMAP_METHODS* pMethods;
};

const _RLE_FORMAT _aFormat[] = {
    {GUI_STREAM_FORMAT_RLE4, &GUI_DRAW_RLE4_EX},   {GUI_STREAM_FORMAT_RLE8, &GUI_DRAW_RLE8_EX},
    {GUI_STREAM_FORMAT_RLE16, &GUI_DRAW_RLE16_EX}, {GUI_STREAM_FORMAT_RLEM16, &GUI_DRAW_RLEM16_EX},
    {GUI_STREAM_FORMAT_RLE32, &GUI_DRAW_RLE32_EX}, {GUI_STREAM_FORMAT_RLEALPHA, &GUI_DRAW_RLEALPHA_EX},
};

const _RLE_FORMAT* _Find(unsigned Code) {
  for (const _RLE_FORMAT& f : _aFormat) {
    if (f.Code == Code) {
      return &f;
    }
  }
  return nullptr;
}

}  // namespace

int GUI__IsRLEStreamFormat(unsigned Code) { return _Find(Code) != nullptr; }

int GUI__DrawStreamedRLE(GUI_GET_DATA_FUNC* pfGetData, void* pParam, int x, int y, const GUI__STREAM_HEADER* h) {
  const _RLE_FORMAT* pFormat = _Find(h->Format);
  if (!pFormat || GUI__CheckStreamHeader(h, GUI__GetStreamFormat(h->Format))) {
    return 1;
  }
  unsigned n = h->NumColors;
  std::vector<U8> Bytes(4 * size_t(n));
  if (n && GUI__ReadDataExact(pfGetData, pParam, Bytes.data(), Bytes.size(), GUI_BITMAP_STREAM_HEADER_SIZE)) {
    return 1;
  }
  std::vector<GUI_COLOR> Colors(n);
  for (unsigned i = 0; i < n; i++) {
    Colors[i] = GUI__Get32(&Bytes[4 * i]);
  }
  // The palette travels with the bitmap as it does from memory, so that HasTrans means the same both ways.
  GUI_PALETTE Palette = {int(n), U8(h->HasTrans), n ? Colors.data() : nullptr};
  U32 Off = GUI__GetStreamDataOff(h);
  switch (h->Format) {
  case GUI_STREAM_FORMAT_RLE4:
    LCD__RLE4_SetFunc(pfGetData, pParam, Off, &Palette);
    break;
  case GUI_STREAM_FORMAT_RLE8:
    LCD__RLE8_SetFunc(pfGetData, pParam, Off, &Palette);
    break;
  case GUI_STREAM_FORMAT_RLE16:
  case GUI_STREAM_FORMAT_RLEM16:
    LCD__RLE16_SetFunc(pfGetData, pParam, Off);
    break;
  case GUI_STREAM_FORMAT_RLE32:
    LCD__RLE32_SetFunc(pfGetData, pParam, Off);
    break;
  default:
    LCD__RLEALPHA_SetFunc(pfGetData, pParam, Off);
    break;
  }
  static const U8 NoData = 0;  // the runs come from the routine; the record only needs a pointer
  GUI_BITMAP Bitmap = {U16(h->XSize), U16(h->YSize), U16(h->BytesPerLine), U16(h->BitsPerPixel), &NoData,
                       &Palette, pFormat->pMethods};
  LCD__RLE_TakeFailure();
  GUI_DrawBitmap(&Bitmap, x, y);
  return LCD__RLE_TakeFailure();
}
