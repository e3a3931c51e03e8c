// Fuzz target of the JPEG decoder (sequential and progressive): every input is measured and drawn plain and
// scaled, from memory and through a get-data routine that delivers a few bytes at a time, and once more on a
// heap so small that progressive images are decoded in bands.
#include "GUI.h"
#include "GUI_ImageRead.h"
#include "GUI_JPEG.h"
#include "fuzz_ImageSupport.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t NumBytes) {
  static int Initialized = fuzz_image::Init();
  (void)Initialized;
  GUI__MEM_SOURCE Src = {pData, NumBytes};
  GUI_JPEG_INFO Info = {};
  GUI_JPEG_GetInfoEx(GUI__GetDataMem, &Src, &Info);
  // Frames of any claimed size are drawn: the decoding ends where the data do, so its cost follows the input.
  GUI_JPEG_Draw(pData, int(NumBytes), 0, 0);
  GUI_JPEG_DrawEx(GUI__GetDataMem, &Src, -5, 17);
  GUI_JPEG_DrawScaledEx(GUI__GetDataMem, &Src, 3, 5, 3, 2);
  GUI_JPEG_DrawScaledEx(GUI__GetDataMem, &Src, 0, 0, 1, 3);
  if (NumBytes < 4096) {
    fuzz_image::SlowSource Slow = {pData, NumBytes, 5};
    GUI_JPEG_DrawEx(fuzz_image::GetDataSlow, &Slow, 2, 2);
  }
  // Bands: everything but a little of the heap is taken first.
  I32 Free = GUI_ALLOC_GetMaxFreeBlockSize();
  GUI_HMEM hHold = GUI_ALLOC_AllocNoInit(Free > 96 * 1024 ? Free - 96 * 1024 : 0);
  GUI_JPEG_Draw(pData, int(NumBytes), 1, 1);
  GUI_JPEG_DrawScaled(pData, int(NumBytes), 1, 1, 2, 3);
  GUI_ALLOC_Free(hHold);
  return 0;
}
