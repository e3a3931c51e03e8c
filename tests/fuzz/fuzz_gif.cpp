// Fuzz target of the GIF decoder: every input is drawn sub-image by sub-image from memory and through a
// get-data routine that delivers a few bytes at a time, scaled, and asked every question.
#include "GUI.h"
#include "GUI_GIF.h"
#include "GUI_ImageRead.h"
#include "fuzz_ImageSupport.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t NumBytes) {
  static int Initialized = fuzz_image::Init();
  (void)Initialized;
  U32 n = U32(NumBytes);
  GUI_GIF_SetDrawBackground(NumBytes & 1);
  for (int Index = 0; Index < 4; Index++) {
    GUI_GIF_DrawSub(pData, n, -3, 2, Index);
  }
  GUI_GIF_DrawSubScaled(pData, n, 1, -1, 1, 3, 2);
  GUI_GIF_DrawSubScaled(pData, n, 0, 0, 0, 1, 3);
  if (NumBytes < 4096) {
    fuzz_image::SlowSource Slow = {pData, NumBytes, 7};
    GUI_GIF_DrawSubEx(fuzz_image::GetDataSlow, &Slow, 2, 2, 1);
  }
  GUI_GIF_INFO Info;
  GUI_GIF_GetInfo(pData, n, &Info);
  GUI_GIF_IMAGE_INFO ImageInfo;
  GUI_GIF_GetImageInfo(pData, n, &ImageInfo, 1);
  U8 aComment[16];
  GUI_GIF_GetComment(pData, n, aComment, sizeof(aComment), 0);
  if (NumBytes >= 10) {
    GUI_GIF_GetXSize(pData);
    GUI_GIF_GetYSize(pData);
  }
  return 0;
}
