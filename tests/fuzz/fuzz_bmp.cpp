// Fuzz target of the BMP reader: every input is drawn plain and scaled, from memory and through a get-data
// routine that delivers a few bytes at a time; the size queries read it too.
#include "GUI.h"
#include "GUI_BMP.h"
#include "GUI_ImageRead.h"
#include "fuzz_ImageSupport.h"

#include <cstddef>
#include <cstdint>


extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t NumBytes) {
  static int Initialized = fuzz_image::Init();
  (void)Initialized;
  GUI__MEM_SOURCE Src = {pData, NumBytes};
  GUI_BMP_DrawEx(GUI__GetDataMem, &Src, 0, 0);
  GUI_BMP_DrawEx(GUI__GetDataMem, &Src, -7, 40);
  GUI_BMP_DrawScaledEx(GUI__GetDataMem, &Src, 3, 5, 3, 2);
  GUI_BMP_DrawScaledEx(GUI__GetDataMem, &Src, 0, 0, 1, 3);
  GUI_BMP_GetXSizeEx(GUI__GetDataMem, &Src);
  GUI_BMP_GetYSizeEx(GUI__GetDataMem, &Src);
  GUI_BMP_EnableAlpha();
  GUI_BMP_DrawEx(GUI__GetDataMem, &Src, 1, 1);
  GUI_BMP_DisableAlpha();
  if (NumBytes < 4096) {
    fuzz_image::SlowSource Slow = {pData, NumBytes, 3};
    GUI_BMP_DrawEx(fuzz_image::GetDataSlow, &Slow, 2, 2);
  }
  return 0;
}
