// A memory device written out as a BMP stream at the device's own depth.
#include "GUI_BMP.h"
#include "GUI_MEMDEV_Private.h"

void GUI_MEMDEV_SerializeBMP(GUI_HMEM hMem, void (*pfSerialize)(U8 Data, void* pParam), void* pParam) {
  if (!GUI_MEMDEV__Check(hMem)) return;
  GUI_MEMDEV__LockGuard Lock;
  GUI_HMEM hSel = GUI_pContext->hDevData;
  GUI_MEMDEV_Select(hMem);
  GUI_MEMDEV* pDev = GUI_MEMDEV__h2p(hMem);
  GUI_BMP_SerializeExBpp(pfSerialize, pDev->x0, pDev->y0, pDev->XSize, pDev->YSize, pParam, (int)pDev->BitsPerPixel);
  // Whatever was the target before (a memory device, a measuring device or the display) is again.
  GUI_MEMDEV__SelectAny(hSel);
}
