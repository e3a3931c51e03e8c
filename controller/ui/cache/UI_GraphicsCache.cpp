// The graphics cache's devices: one table names each of the 116 pictures with its size, depth and origin, so
// that creation, deletion and the tests walk the same list.
#include "UI_GraphicsCache.h"

#include "GUI_Bitmap.h"
#include "GUI_MEMDEV.h"
#include "UI_GraphicsCachePrivate.h"

GUI_HMEM UI_hMemdevPageBg, UI_hMemdevDesignBg, UI_hMemdevContentBg, UI_hMemdevTitleStrip, UI_hMemdevTitleDesign;
GUI_HMEM UI_hMemdevPageHeader, UI_hMemdevPanel, UI_hMemdevPanelInner, UI_hMemdevPanelFooter;
GUI_HMEM UI_hMemdevDialogBg, UI_hMemdevDialogBgDesign;
GUI_HMEM UI_ahMemdevBar44[UI_NUM_BAR44], UI_ahMemdevBar65[UI_NUM_BAR65], UI_ahMemdevBar80[UI_NUM_BAR80];
GUI_HMEM UI_ahMemdevHalfBar[2];
GUI_HMEM UI_hMemdevOrangeTop, UI_hMemdevOrangeUpper, UI_hMemdevOrangeLower, UI_hMemdevOrangeBottom;
GUI_HMEM UI_hMemdevOrangeSides, UI_ahMemdevOrangeHalf[2], UI_ahMemdevOrangeEnd[2];
GUI_HMEM UI_ahMemdevHalfButton[2], UI_ahMemdevTile[UI_NUM_TILES], UI_ahMemdevRoundButton[4];
GUI_HMEM UI_hMemdevButtonBlue, UI_hMemdevButtonGrey, UI_hMemdevButtonLight;
GUI_HMEM UI_ahMemdevTabSingle[2], UI_ahMemdevTabSeg41[3], UI_ahMemdevTabSeg31[3][3], UI_ahMemdevTabHead[3];
GUI_HMEM UI_ahMemdevSideIcon[UI_NUM_SIDE_ICONS], UI_ahMemdevIcon33[2], UI_ahMemdevIcon25[2];
GUI_HMEM UI_ahMemdevSquare[2], UI_hMemdevIcon24, UI_hMemdevIcon24b;
GUI_HMEM UI_hMemdevKey, UI_hMemdevKeyDown, UI_hMemdevKeySelected, UI_hMemdevWideKey, UI_hMemdevWideKeyDown;
GUI_HMEM UI_hMemdevSpaceKey, UI_hMemdevSpaceKeyDown, UI_hMemdevLongKey, UI_hMemdevLongKeyDown;
GUI_HMEM UI_ahMemdevKey40[3], UI_hMemdevKey47, UI_hMemdevKey47Down, UI_hMemdevKey47Row, UI_hMemdevKey47RowDown;
GUI_HMEM UI_ahMemdevTwoToneKey[3];

UI_GFX_HOOKS UI_GfxHooks;
const UI_BRANDING* DSG_pBranding;
int UI_LeftHanded;

namespace {

#define _ONE(h, w, hh, bpp, x, y) {&h, 1, w, hh, bpp, x, y, 1}
#define _ARR(a, w, hh, bpp, x, y) {&a[0], int(sizeof(a) / sizeof(GUI_HMEM)), w, hh, bpp, x, y, 1}
#define _ONE_SPARE(h, w, hh, bpp, x, y) {&h, 1, w, hh, bpp, x, y, 0}
#define _ARR_SPARE(a, w, hh, bpp, x, y) {&a[0], int(sizeof(a) / sizeof(GUI_HMEM)), w, hh, bpp, x, y, 0}

const UI_CACHE_ENTRY _aEntry[] = {
    // The pictures that screens copy come first, so that a heap too small for all keeps these.
    _ONE(UI_hMemdevPageBg, 480, 272, 16, 0, 0),
    _ONE(UI_hMemdevDesignBg, 480, 272, 16, 0, 0),
    _ONE(UI_hMemdevTitleStrip, 480, 30, 16, 0, 0),
    _ONE(UI_hMemdevTitleDesign, 480, 30, 16, 0, 0),
    _ONE(UI_hMemdevPageHeader, 430, 46, 16, 0, 30),
    _ONE(UI_hMemdevPanel, 410, 232, 32, 0, 0),
    _ONE(UI_hMemdevPanelInner, 378, 210, 16, 34, 44),
    _ONE(UI_hMemdevPanelFooter, 378, 34, 16, 9, 180),
    _ONE(UI_hMemdevDialogBg, 412, 224, 16, 0, 0),
    _ONE(UI_hMemdevDialogBgDesign, 412, 224, 16, 0, 0),
    _ARR(UI_ahMemdevTile, 180, 40, 16, 0, 0),
    _ARR(UI_ahMemdevSideIcon, 40, 42, 32, 8, 27),
    _ARR(UI_ahMemdevIcon33, 33, 33, 32, 0, 0),
    _ONE(UI_hMemdevKey, 36, 31, 16, 0, 0),
    _ONE(UI_hMemdevKeyDown, 36, 31, 16, 0, 0),
    _ONE(UI_hMemdevKeySelected, 36, 31, 16, 0, 0),
    _ONE(UI_hMemdevWideKey, 56, 31, 16, 0, 0),
    _ONE(UI_hMemdevWideKeyDown, 56, 31, 16, 0, 0),
    _ONE(UI_hMemdevSpaceKey, 178, 31, 16, 0, 0),
    _ONE(UI_hMemdevSpaceKeyDown, 178, 31, 16, 0, 0),
    _ONE(UI_hMemdevLongKey, 90, 31, 16, 0, 0),
    _ONE(UI_hMemdevLongKeyDown, 90, 31, 16, 0, 0),
    _ONE(UI_hMemdevKey47, 47, 38, 16, 0, 0),
    _ONE(UI_hMemdevKey47Down, 47, 38, 16, 0, 0),
    _ONE(UI_hMemdevKey47Row, 47, 31, 16, 0, 0),
    _ONE(UI_hMemdevKey47RowDown, 47, 31, 16, 0, 0),
    _ARR(UI_ahMemdevSquare, 30, 30, 16, 0, 6),
    _ONE(UI_hMemdevIcon24, 24, 24, 16, 0, 0),
    _ONE(UI_hMemdevIcon24b, 24, 24, 16, 0, 0),
    // No screen copies these: they are made only while the heap keeps room to spare for the windows.
    _ONE_SPARE(UI_hMemdevContentBg, 480, 242, 16, 0, 0),
    _ARR_SPARE(UI_ahMemdevBar44, 370, 44, 16, 0, 0),
    _ARR_SPARE(UI_ahMemdevBar65, 370, 65, 16, 0, 0),
    _ARR_SPARE(UI_ahMemdevBar80, 370, 80, 16, 0, 0),
    _ARR_SPARE(UI_ahMemdevHalfBar, 186, 44, 16, 0, 0),
    _ONE_SPARE(UI_hMemdevOrangeTop, 362, 4, 16, 4, 0),
    _ONE_SPARE(UI_hMemdevOrangeUpper, 370, 17, 16, 0, 4),
    _ONE_SPARE(UI_hMemdevOrangeLower, 370, 19, 16, 0, 21),
    _ONE_SPARE(UI_hMemdevOrangeBottom, 362, 5, 16, 4, 39),
    _ONE_SPARE(UI_hMemdevOrangeSides, 370, 18, 16, 0, 0),
    _ARR_SPARE(UI_ahMemdevOrangeHalf, 370, 21, 16, 0, 0),
    _ARR_SPARE(UI_ahMemdevOrangeEnd, 43, 43, 16, 327, 0),
    _ARR_SPARE(UI_ahMemdevHalfButton, 185, 41, 16, 0, 0),
    _ONE_SPARE(UI_ahMemdevRoundButton[0], 110, 34, 32, 0, 0),
    _ONE_SPARE(UI_ahMemdevRoundButton[1], 85, 40, 32, 0, 0),
    _ONE_SPARE(UI_ahMemdevRoundButton[2], 108, 34, 32, 0, 0),
    _ONE_SPARE(UI_ahMemdevRoundButton[3], 108, 55, 32, 0, 0),
    _ONE_SPARE(UI_hMemdevButtonBlue, 180, 32, 32, 0, 0),
    _ONE_SPARE(UI_hMemdevButtonGrey, 180, 32, 32, 0, 0),
    _ARR_SPARE(UI_ahMemdevTabSingle, 250, 32, 16, 0, 0),
    _ARR_SPARE(UI_ahMemdevTabSeg41, 5, 41, 16, 0, 0),
    {&UI_ahMemdevTabSeg31[0][0], 9, 5, 31, 16, 0, 0, 0},
    _ARR_SPARE(UI_ahMemdevIcon25, 25, 33, 32, 0, 0),
    _ARR_SPARE(UI_ahMemdevKey40, 40, 38, 16, 0, 0),
    _ONE_SPARE(UI_hMemdevButtonLight, 100, 37, 32, 0, 0),
    _ARR_SPARE(UI_ahMemdevTwoToneKey, 41, 31, 16, 0, 0),
    _ARR_SPARE(UI_ahMemdevTabHead, 45, 35, 16, 0, 0),
};

#undef _ONE
#undef _ARR
#undef _ONE_SPARE
#undef _ARR_SPARE

}  // namespace

const UI_CACHE_ENTRY* UI__GetCacheEntries(int* pNumEntries) {
  *pNumEntries = int(sizeof(_aEntry) / sizeof(_aEntry[0]));
  return _aEntry;
}

GUI_HMEM UI__CreateDevice(int x0, int y0, int w, int h, int Bpp) {
  if (Bpp == 32) {
    return GUI_MEMDEV_CreateFixed(x0, y0, w, h, GUI_MEMDEV_HASTRANS, &GUI_MEMDEV_DEVICE_32,
                                  &LCD_aColorConvAPI[LCD_CC_8888]);
  }
  return GUI_MEMDEV_CreateFixed(x0, y0, w, h, GUI_MEMDEV_NOTRANS, &GUI_MEMDEV_DEVICE_16,
                                &LCD_aColorConvAPI[LCD_CC_BGR565]);
}

int UI_CreateGraphicsCache(void) {
  int Result = 0;
  int n;
  const UI_CACHE_ENTRY* p = UI__GetCacheEntries(&n);
  GUI_Lock();
  for (int i = 0; i < n; i++) {
    for (int k = 0; k < p[i].Count; k++) {
      GUI_HMEM* ph = p[i].phMem + k;
      if (*ph) continue;
      if (!p[i].Used) {
        // All pictures together need more than the configured heap: the spare ones give way to the windows.
        I32 Need = I32(p[i].YSize) * ((p[i].XSize * p[i].Bpp + 7) >> 3) + GUI_MEMDEV_HEADER_SIZE;
        if (GUI_ALLOC_GetMaxFreeBlockSize() < Need + UI_CACHE_HEAP_RESERVE) continue;
      }
      *ph = UI__CreateDevice(p[i].x0, p[i].y0, p[i].XSize, p[i].YSize, p[i].Bpp);
      if (!*ph && p[i].Used) Result = 1;
    }
  }
  GUI_Unlock();
  return Result;
}

void UI_DeleteGraphicsCache(void) {
  int n;
  const UI_CACHE_ENTRY* p = UI__GetCacheEntries(&n);
  GUI_Lock();
  for (int i = 0; i < n; i++) {
    for (int k = 0; k < p[i].Count; k++) {
      if (p[i].phMem[k]) GUI_MEMDEV_Delete(p[i].phMem[k]);
      p[i].phMem[k] = 0;
    }
  }
  GUI_Unlock();
}

int UI_LoadGraphics(void) {
  int r = UI_CreateGraphicsCache();
  UI_RenderWidgetGraphics();
  DSG_ApplyBranding();
  UI_RenderDesignGraphics(UI_LeftHanded);
  return r;
}

void UI_DrawCached(GUI_HMEM hMem, int x, int y) {
  if (!hMem) return;
  GUI_Lock();
  // Drawn as a bitmap over the device's pixels, so that it reaches whatever target is active (also the banding
  // devices of the screens' paints) and is clipped to the window like any drawing.
  int Bpp = GUI_MEMDEV_GetBitsPerPixel(hMem);
  GUI_BITMAP Bitmap = {};
  Bitmap.XSize = U16(GUI_MEMDEV_GetXSize(hMem));
  Bitmap.YSize = U16(GUI_MEMDEV_GetYSize(hMem));
  Bitmap.BitsPerPixel = U16(Bpp);
  Bitmap.BytesPerLine = U16((Bpp * Bitmap.XSize + 7) >> 3);
  Bitmap.pData = static_cast<const U8*>(GUI_MEMDEV_GetDataPtr(hMem));
  Bitmap.pMethods = Bpp == 32 ? &GUI_DRAW_BMP8888 : &GUI_DRAW_BMPM565;
  if (Bitmap.pData && (Bpp == 16 || Bpp == 32)) GUI_DrawBitmap(&Bitmap, x, y);
  GUI_Unlock();
}

void UI_DrawCachedAtOrigin(GUI_HMEM hMem) {
  if (!hMem) return;
  GUI_Lock();
  UI_DrawCached(hMem, GUI_MEMDEV_GetXPos(hMem) - GUI_pContext->xOff, GUI_MEMDEV_GetYPos(hMem) - GUI_pContext->yOff);
  GUI_Unlock();
}

// Runs Draw with the device selected and restores the previous selection.
void UI__RenderInto(GUI_HMEM hMem, void (*pfDraw)(int w, int h, const void* p), const void* p) {
  if (!hMem) return;
  GUI_Lock();
  GUI_HMEM hOld = GUI_MEMDEV_Select(hMem);
  int x0 = GUI_MEMDEV_GetXPos(hMem), y0 = GUI_MEMDEV_GetYPos(hMem);
  int w = GUI_MEMDEV_GetXSize(hMem), h = GUI_MEMDEV_GetYSize(hMem);
  GUI_CONTEXT Saved;
  GUI_SaveContext(&Saved);
  GUI_SetDefault();
  // Pictures are drawn in their own coordinates whatever the device's origin.
  GUI_pContext->xOff = x0;
  GUI_pContext->yOff = y0;
  pfDraw(w, h, p);
  GUI_RestoreContext(&Saved);
  GUI_MEMDEV__SelectAny(hOld);
  GUI_Unlock();
}

void UI_RenderIcon24(GUI_HMEM hMem, const U8* pPattern) {
  UI__RenderInto(
      hMem,
      [](int w, int h, const void* p) {
        const U8* pPat = static_cast<const U8*>(p);
        GUI_SetColor(GUI_WHITE);
        GUI_FillRect(0, 0, w - 1, h - 1);
        if (!pPat) return;
        GUI_SetColor(GUI_BLACK);
        for (int Row = 0; Row < 24; Row++) {
          const U8* q = pPat + (23 - Row) * 3;  // the pattern starts with the bottom row
          auto Set = [q](int x) { return x < 24 && (q[x >> 3] & (1 << (x & 7))); };
          for (int x = 0; x < 24; x++) {
            if (!Set(x)) continue;
            int xEnd = x;
            while (Set(xEnd + 1)) xEnd++;
            GUI_DrawHLine(Row, x, xEnd);  // a run of set bits at once
            x = xEnd;
          }
        }
      },
      pPattern);
}
