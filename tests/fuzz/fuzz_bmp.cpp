// Fuzz target of the BMP reader: every input is drawn plain and scaled, through a get-data routine over memory
// and one that delivers a few bytes at a time, and by the memory forms when its size field lies within it; the
// size queries read it too.
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
  // The memory forms trust the file-size field for the file's length: inputs whose field states a length within
  // the input test that nothing is read beyond it.
  uint32_t FileSize = NumBytes >= 6 ? GUI__Get32(pData + 2) : 0;
  if (FileSize && FileSize <= NumBytes) {
    GUI_BMP_Draw(pData, 4, 3);
    GUI_BMP_DrawScaled(pData, -3, 2, 2, 3);
    GUI_BMP_GetXSize(pData);
    GUI_BMP_GetYSize(pData);
  }
  return 0;
}
