// Fuzz target of the run-length readers: every input is a streamed bitmap drawn through the get-data reader
// (whole and a few bytes at a time) and, with the runs bounded by the input's length, by each memory record,
// plain and magnified.
#include "GUI.h"
#include "GUI_ImageRead.h"
#include "GUI_RLE.h"
#include "GUI_Stream.h"
#include "fuzz_ImageSupport.h"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t NumBytes) {
  static int Initialized = fuzz_image::Init();
  (void)Initialized;
  GUI__MEM_SOURCE Src = {pData, NumBytes};
  GUI_DrawStreamedBitmapExAuto(GUI__GetDataMem, &Src, -2, 3);
  if (NumBytes < 4096) {
    fuzz_image::SlowSource Slow = {pData, NumBytes, 3};
    GUI_DrawStreamedBitmapExAuto(fuzz_image::GetDataSlow, &Slow, 1, 1);
  }
  if (NumBytes < 16) {
    return 0;
  }
  // The header's sizes (kept small) and its palette; the rest are runs for every format.
  int XSize = 1 + (GUI__Get16(pData + 4) & 0x7F), YSize = 1 + (GUI__Get16(pData + 6) & 0x7F);
  size_t NumColors = GUI__Get16(pData + 12) & 0x1FF;
  std::vector<GUI_COLOR> Colors(NumColors);
  size_t Off = 16;
  for (size_t i = 0; i < NumColors && Off + 4 <= NumBytes; i++, Off += 4) {
    Colors[i] = GUI__Get32(pData + Off);
  }
  GUI_PALETTE Pal = {int(NumColors), U8(pData[14] & 1), NumColors ? Colors.data() : nullptr};
  const GUI_BITMAP_METHODS* apMethods[] = {&GUI_DRAW_RLE4,  &GUI_DRAW_RLE8,  &GUI_DRAW_RLE16,
                                           &GUI_DRAW_RLEM16, &GUI_DRAW_RLE32, &GUI_DRAW_RLEALPHA};
  GUI_Lock();
  for (const GUI_BITMAP_METHODS* pMethods : apMethods) {
    GUI__DrawRLEBounded(pMethods, -5, 7, XSize, YSize, pData + Off, NumBytes - Off, &Pal, 1, 1);
    GUI__DrawRLEBounded(pMethods, 3, -4, XSize, YSize, pData + Off, NumBytes - Off, &Pal, 1 + pData[2] % 4,
                        1 + pData[3] % 4);
  }
  GUI_Unlock();
  return 0;
}
