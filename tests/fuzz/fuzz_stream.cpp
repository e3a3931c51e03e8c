// Fuzz target of the streamed-bitmap readers: every input is drawn through the get-data readers (whole and a
// few bytes at a time) and, when it fits the memory path's rules, as a bitmap built from the stream.
#include "GUI.h"
#include "GUI_ImageRead.h"
#include "fuzz_ImageSupport.h"
#include "GUI_Stream.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

// Bytes a memory stream with this header needs; the memory path trusts the caller to hand that many.
size_t _NeededBytes(const uint8_t* p) {
  size_t YSize = p[6] | p[7] << 8, BytesPerLine = p[8] | p[9] << 8, NumColors = p[12] | p[13] << 8;
  return 16 + 4 * NumColors + BytesPerLine * YSize;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t NumBytes) {
  static int Initialized = fuzz_image::Init();
  (void)Initialized;
  GUI__MEM_SOURCE Src = {pData, NumBytes};
  GUI_STREAMED_BITMAP_INFO Info;
  GUI_GetStreamedBitmapInfoEx(GUI__GetDataMem, &Src, &Info);
  GUI_DrawStreamedBitmapExAuto(GUI__GetDataMem, &Src, 0, 0);
  GUI_DrawStreamedBitmapEx(GUI__GetDataMem, &Src, -3, 40);
  GUI_DrawStreamedBitmap24Ex(GUI__GetDataMem, &Src, 5, 5);
  GUI_DrawStreamedBitmapBGR565Ex(GUI__GetDataMem, &Src, 5, 5);
  if (NumBytes < 4096) {
    fuzz_image::SlowSource Slow = {pData, NumBytes, 5};
    GUI_DrawStreamedBitmapExAuto(fuzz_image::GetDataSlow, &Slow, 1, 1);
  }
  // Run-length data in memory are trusted to hold their runs (fuzz_rle bounds them); only packed data here.
  unsigned Format = NumBytes >= 4 ? unsigned(pData[2] | pData[3] << 8) : 0;
  bool RunLength = Format == 6 || Format == 7 || Format == 12 || Format == 13 || Format == 15 || Format == 18;
  if (NumBytes >= 16 && NumBytes >= _NeededBytes(pData) && !RunLength) {
    std::vector<uint32_t> Aligned((NumBytes + 3) / 4);
    std::memcpy(Aligned.data(), pData, NumBytes);
    GUI_DrawStreamedBitmapAuto(Aligned.data(), 10, 10);
    GUI_BITMAP Bitmap;
    GUI_PALETTE Palette;
    if (!GUI_CreateBitmapFromStream(&Bitmap, &Palette, Aligned.data())) {
      GUI_DrawBitmapMag(&Bitmap, 0, 0, 2, 3);
      GUI_DrawBitmapEx(&Bitmap, 30, 20, 1, 2, -1500, 700);
    }
  }
  return 0;
}
