// Writing a memory device over the active target with one constant intensity: every drawn pixel of the
// device is mixed with the target's pixel beneath it.
#include "GUI_MEMDEV_Private.h"
#include "WM.h"

namespace {

// Mixes the drawn pixels of the device at (x, y) inside the clip rectangle into the target.
void _Blend(GUI_HMEM hMem, U8 Alpha, int x, int y, int TargetBPP, LCD_PIXELINDEX* pResult, LCD_PIXELINDEX* pBack) {
  int Layer = GUI_pContext->SelLayer;
  tLCDDEV_Index2Color pfTargetI2C = LCD__GetpfIndex2Color(Layer);
  tLCDDEV_Color2Index pfTargetC2I = LCD__GetpfColor2Index(Layer);
  if (!pfTargetI2C || !pfTargetC2I) return;
  GUI_MEMDEV* pDev = GUI_MEMDEV__h2p(hMem);
  // The device's own pixels are read in its own format, which need not be the target's.
  tLCDDEV_Index2Color pfDevI2C = pDev->pDevice->pColorConvAPI->pfIndex2Color;
  GUI_USAGE* pUsage = (GUI_USAGE*)GUI_ALLOC_h2p(pDev->hUsage);
  GUI_RECT Clip = GUI_pContext->ClipRect;
  GUI_DEVICE* pHead = GUI_DEVICE__GetHead(Layer);
  GUI_RECT rDevice;
  pHead->pDeviceAPI->pfGetRect(pHead, &rDevice);
  GUI__IntersectRect(&Clip, &rDevice);
  for (int row = 0; row < pDev->YSize; row++) {
    int ys = y + row;
    if (ys < Clip.y0 || ys > Clip.y1) continue;
    const U8* pRow = GUI_MEMDEV__GetPixels(pDev) + (U32)row * pDev->BytesPerLine;
    int s = 0;
    for (int n = pUsage->pAPI->pfGetNextDirty(pUsage, &s, row); n;
         s += n, n = pUsage->pAPI->pfGetNextDirty(pUsage, &s, row)) {
      // Only what is visible is read back and written, so read-back and result stay aligned.
      int a = x + s, b = x + s + n - 1;
      if (a < Clip.x0) a = Clip.x0;
      if (b > Clip.x1) b = Clip.x1;
      if (a > b) continue;
      int Num = b - a + 1;
      LCD_ReadRectEx(a, ys, b, ys, pBack, pHead);
      for (int k = 0; k < Num; k++) {
        GUI_COLOR c0 = pfDevI2C(GUI_MEMDEV__ReadIndex(pRow, a - x + k, (int)pDev->BitsPerPixel));
        GUI_COLOR c1 = pfTargetI2C(pBack[k]);
        pResult[k] = pfTargetC2I(LCD_MixColorsNoAlpha(c0, c1, Alpha));
      }
      if (TargetBPP < 32) GUI__CompactPixelIndices(pResult, Num, TargetBPP);
      LCD_DrawBitmap(a, ys, Num, 1, 1, 1, TargetBPP < 32 ? TargetBPP : 32, 0, (const U8*)pResult, nullptr);
    }
  }
}

void _WriteAlphaClipped(GUI_HMEM hMem, U8 Alpha, int x, int y) {
  GUI_MEMDEV* pDev = GUI_MEMDEV__h2p(hMem);
  if (!pDev->hUsage) return;
  GUI_HMEM hSel = GUI_pContext->hDevData;
  int TargetBPP = (hSel && !GUI_MEMDEV__IsMeasDev(hSel)) ? GUI_MEMDEV_GetBitsPerPixel(hSel)
                                                        : LCD_GetBitsPerPixelEx(GUI_pContext->SelLayer);
  GUI_HMEM hResult = GUI_ALLOC_AllocNoInit((I32)pDev->XSize * 4);
  GUI_HMEM hBack = GUI_ALLOC_AllocNoInit((I32)pDev->XSize * 4);
  if (hResult && hBack) {
    GUI_MEMDEV__Pin PinDev(hMem), PinUsage(GUI_MEMDEV__h2p(hMem)->hUsage), PinResult(hResult), PinBack(hBack);
    _Blend(hMem, Alpha, x, y, TargetBPP, (LCD_PIXELINDEX*)GUI_ALLOC_h2p(hResult),
           (LCD_PIXELINDEX*)GUI_ALLOC_h2p(hBack));
  }
  GUI_ALLOC_Free(hResult);
  GUI_ALLOC_Free(hBack);
}

}  // namespace

void GUI_MEMDEV_WriteAlpha(GUI_HMEM hMem, int Alpha) { GUI_MEMDEV_WriteAlphaAt(hMem, Alpha, GUI_POS_AUTO, GUI_POS_AUTO); }

void GUI_MEMDEV_WriteAlphaAt(GUI_HMEM hMem, int Alpha, int x, int y) {
  if (!GUI_MEMDEV__Check(hMem)) return;
  GUI_MEMDEV__LockGuard Lock;
  U8 a = (U8)Alpha;
  GUI_MEMDEV__ForEachVisiblePart(
      hMem, x, y, [](GUI_HMEM h, int xp, int yp, void* p) { _WriteAlphaClipped(h, *(U8*)p, xp, yp); }, &a);
}
