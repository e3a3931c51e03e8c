// Punch-out of a 32-bit device by an 8-bit mask device, the line read-back from the display, and the
// height limit that banding uses.
#include <cstring>

#include "GUI_MEMDEV_Private.h"

int GUI_MEMDEV_PunchOutDevice(GUI_HMEM hMem, GUI_HMEM hMask) {
  if (!GUI_MEMDEV__Check(hMem) || !GUI_MEMDEV__Check(hMask)) return 1;
  GUI_MEMDEV__LockGuard Lock;
  GUI_MEMDEV* pDev = GUI_MEMDEV__h2p(hMem);
  GUI_MEMDEV* pMask = GUI_MEMDEV__h2p(hMask);
  if (pDev->XSize != pMask->XSize || pDev->YSize != pMask->YSize) return 1;
  if (pMask->pDevice->pColorConvAPI != &LCD_aColorConvAPI[LCD_CC_GRAY8] || pMask->BitsPerPixel != 8) return 1;
  if (pDev->BitsPerPixel != 32) return 1;
  GUI_COLOR BkColor = GUI_GetBkColor();
  bool Trans = (GUI_pContext->DrawMode & GUI_DRAWMODE_TRANS) != 0;
  for (int y = 0; y < pDev->YSize; y++) {
    U32* p = (U32*)(GUI_MEMDEV__GetPixels(pDev) + (U32)y * pDev->BytesPerLine);
    const U8* m = GUI_MEMDEV__GetPixels(pMask) + (U32)y * pMask->BytesPerLine;
    for (int x = 0; x < pDev->XSize; x++) {
      U8 v = m[x];
      if (v == 0) {
        p[x] = GUI_TRANSPARENT;
      } else if (v != 255) {
        p[x] = Trans ? (p[x] | ((U32)(255 - v) << 24)) : GUI__MixColors(p[x], BkColor, v);
      }
    }
  }
  return 0;
}

void GUI_MEMDEV__ReadLine(int x0, int y, int x1, LCD_PIXELINDEX* pBuffer) {
  GUI_DEVICE* pHead = GUI_DEVICE__GetHead(GUI_pContext->SelLayer);
  if (!pHead) return;
  GUI_RECT r;
  pHead->pDeviceAPI->pfGetRect(pHead, &r);
  if (x0 > r.x1 || x1 < r.x0 || y < r.y0 || y > r.y1) return;
  if (x0 < r.x0) {
    pBuffer += r.x0 - x0;
    x0 = r.x0;
  }
  if (x1 > r.x1) x1 = r.x1;
  // The read-back clips to the clip rectangle; the whole device is readable here, so the buffer stays
  // aligned with the requested pixels.
  GUI_RECT ClipOld = GUI_pContext->ClipRect;
  GUI_pContext->ClipRect = r;
  LCD_ReadRectEx(x0, y, x1, y, pBuffer, pHead);
  GUI_pContext->ClipRect = ClipOld;
}
