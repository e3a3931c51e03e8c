// Transfers of a memory device into the active drawing target (the display or a selected memory device):
// the plain copy of 1, 8 and 16-bit devices, the per-pixel alpha copy of 32-bit devices, and the clipped
// copy at a position. A device in another format than the target is converted on every path; pixels that
// were never drawn (usage bitmap) are left out.
#include <cstring>

#include "GUI_MEMDEV_Private.h"
#include "LCD_SIMDRV.h"
#include "WM.h"

namespace {

struct Target {
  const LCD_COLOR_CONV_API* pConv;
  int BitsPerPixel;
  int BytesPerPixel;
};

Target _GetTarget(void) {
  Target t;
  int Layer = GUI_pContext->SelLayer;
  t.pConv = LCD__GetColorConv(Layer);
  t.BitsPerPixel = LCD__GetBitsPerPixelEx(Layer);
  t.BytesPerPixel = GUI_MEMDEV__BytesPerPixel(t.BitsPerPixel);
  return t;
}

// Converts n device pixels from pixel i0 of a row into target indices (u32 each) and packs them to the
// target's depth, ready to be drawn as one line of the target's format.
void _ConvertRun(const U8* pRow, int i0, int n, int DevBPP, const LCD_COLOR_CONV_API* pDevConv, const Target& t,
                 LCD_PIXELINDEX* pBuffer) {
  tLCDDEV_Index2Color pfI2C = pDevConv->pfIndex2Color;
  tLCDDEV_Color2Index pfC2I = t.pConv->pfColor2Index;
  if (DevBPP == 32 && t.pConv->pfColor2IndexBulk && pDevConv == &LCD_aColorConvAPI[LCD_CC_8888]) {
    // The pixels are colours already.
    t.pConv->pfColor2IndexBulk((const GUI_COLOR*)(pRow + 4 * i0), pBuffer, (U32)n, 4);
  } else {
    for (int k = 0; k < n; k++) pBuffer[k] = pfC2I(pfI2C(GUI_MEMDEV__ReadIndex(pRow, i0 + k, DevBPP)));
  }
  if (t.BitsPerPixel < 32) GUI__CompactPixelIndices(pBuffer, n, t.BitsPerPixel);
}

int _TargetLineBPP(const Target& t) { return t.BitsPerPixel < 32 ? t.BitsPerPixel : 32; }

// Whole device at once, 16 and 32-bit devices without usage bitmap.
void _WriteWhole(GUI_MEMDEV* pDev, int x, int y) {
  const LCD_COLOR_CONV_API* pDevConv = pDev->pDevice->pColorConvAPI;
  Target t = _GetTarget();
  const U8* pPixels = GUI_MEMDEV__GetPixels(pDev);
  if (pDevConv == t.pConv) {
    LCD_DrawBitmap(x, y, pDev->XSize, pDev->YSize, 1, 1, (int)pDev->BitsPerPixel, (int)pDev->BytesPerLine, pPixels,
                   nullptr);
    return;
  }
  GUI_HMEM hLine = GUI_ALLOC_AllocNoInit((I32)pDev->XSize * 4);
  if (!hLine) return;
  LCD_PIXELINDEX* pLine = (LCD_PIXELINDEX*)GUI_ALLOC_h2p(hLine);
  for (int row = 0; row < pDev->YSize; row++) {
    _ConvertRun(GUI_MEMDEV__GetPixels(pDev) + (U32)row * pDev->BytesPerLine, 0, pDev->XSize, (int)pDev->BitsPerPixel,
                pDevConv, t, pLine);
    LCD_DrawBitmap(x, y + row, pDev->XSize, 1, 1, 1, _TargetLineBPP(t), 0, (const U8*)pLine, nullptr);
  }
  GUI_ALLOC_Free(hLine);
}

// One row of a device without usage bitmap is a single run of its whole width.
int _NextRun(GUI_USAGE* pUsage, int* px, int row, int XSize) {
  if (pUsage) return pUsage->pAPI->pfGetNextDirty(pUsage, px, row);
  return *px == 0 ? XSize : 0;
}

void _WriteRuns(GUI_HMEM hMem, int x, int y) {
  GUI_MEMDEV* pDev = GUI_MEMDEV__h2p(hMem);
  const LCD_COLOR_CONV_API* pDevConv = pDev->pDevice->pColorConvAPI;
  int BPP = (int)pDev->BitsPerPixel;
  int Bd = GUI_MEMDEV__BytesPerPixel(BPP);
  Target t = _GetTarget();
  bool Same = pDevConv->pfIndex2Color == t.pConv->pfIndex2Color;
  GUI_USAGE* pUsage = pDev->hUsage ? (GUI_USAGE*)GUI_ALLOC_h2p(pDev->hUsage) : nullptr;
  // A 1-bit device goes out through a two-entry table, which also converts it into the target's format.
  LCD_PIXELINDEX aTable[2] = {0, 1};
  if (BPP == 1 && !Same) {
    aTable[0] = t.pConv->pfColor2Index(pDevConv->pfIndex2Color(0));
    aTable[1] = t.pConv->pfColor2Index(pDevConv->pfIndex2Color(1));
  }
  const LCD_PIXELINDEX* pTable = BPP == 1 ? aTable : nullptr;
  if (Same || BPP == 1) {
    if (!pUsage) {
      LCD_DrawBitmap(x, y, pDev->XSize, pDev->YSize, 1, 1, BPP, (int)pDev->BytesPerLine, GUI_MEMDEV__GetPixels(pDev),
                     pTable);
      return;
    }
    int row = 0;
    while (row < pDev->YSize) {
      const U8* pRow = GUI_MEMDEV__GetPixels(pDev) + (U32)row * pDev->BytesPerLine;
      int xs = 0;
      int n = _NextRun(pUsage, &xs, row, pDev->XSize);
      if (n == pDev->XSize) {
        // A block of rows drawn over their full width goes out in one call.
        int Rows = 1;
        for (;;) {
          int xn = 0;
          if (row + Rows >= pDev->YSize || _NextRun(pUsage, &xn, row + Rows, pDev->XSize) != pDev->XSize) break;
          Rows++;
        }
        LCD_DrawBitmap(x, y + row, pDev->XSize, Rows, 1, 1, BPP, (int)pDev->BytesPerLine, pRow, pTable);
        row += Rows;
        continue;
      }
      while (n) {
        if (BPP == 1) {
          LCD__DrawBitmapEx(x + xs, y + row, n, 1, 1, 1, 1, (int)pDev->BytesPerLine, pRow + (xs >> 3), pTable, xs & 7);
        } else {
          LCD_DrawBitmap(x + xs, y + row, n, 1, 1, 1, BPP, (int)pDev->BytesPerLine, pRow + xs * Bd, nullptr);
        }
        xs += n;
        n = _NextRun(pUsage, &xs, row, pDev->XSize);
      }
      row++;
    }
    return;
  }
  // Another format: every run is converted into the target's indices.
  GUI_HMEM hLine = GUI_ALLOC_AllocNoInit((I32)pDev->XSize * 4);
  if (!hLine) return;
  LCD_PIXELINDEX* pLine = (LCD_PIXELINDEX*)GUI_ALLOC_h2p(hLine);
  for (int row = 0; row < pDev->YSize; row++) {
    const U8* pRow = GUI_MEMDEV__GetPixels(pDev) + (U32)row * pDev->BytesPerLine;
    int xs = 0;
    for (int n = _NextRun(pUsage, &xs, row, pDev->XSize); n; xs += n, n = _NextRun(pUsage, &xs, row, pDev->XSize)) {
      _ConvertRun(pRow, xs, n, BPP, pDevConv, t, pLine);
      LCD_DrawBitmap(x + xs, y + row, n, 1, 1, 1, _TargetLineBPP(t), 0, (const U8*)pLine, nullptr);
    }
  }
  GUI_ALLOC_Free(hLine);
}

}  // namespace

void GUI_MEMDEV__WriteToActiveOpaque(GUI_HMEM hMem, int x, int y) {
  GUI_MEMDEV* pDev = GUI_MEMDEV__h2p(hMem);
  GUI_MEMDEV__Pin PinDev(hMem), PinUsage(pDev->hUsage);
  pDev = GUI_MEMDEV__h2p(hMem);
  if (!pDev->XSize || !pDev->YSize) return;
  if (GUI_MEMDEV_GetBitsPerPixel(hMem) >= 9 && !pDev->hUsage) {
    _WriteWhole(pDev, x, y);
  } else {
    _WriteRuns(hMem, x, y);
  }
}

void GUI_MEMDEV__WriteToActiveAlpha(GUI_HMEM hMem, int x, int y) {
  GUI_MEMDEV__Pin PinDev(hMem);
  GUI_MEMDEV* pDev = GUI_MEMDEV__h2p(hMem);
  int xSize = pDev->XSize, ySize = pDev->YSize;
  int Layer = GUI_pContext->SelLayer;
  GUI_DEVICE* pTarget = GUI_DEVICE__GetHead(Layer);
  if (!pTarget) return;
  int TargetBPP = pTarget->pDeviceAPI->pfGetDevProp(pTarget, LCD_DEVCAP_BITSPERPIXEL);
  if (TargetBPP > 23) TargetBPP = 32;
  const LCD_COLOR_CONV_API* pTargetConv = pTarget->pColorConvAPI;
  bool Convert = pTargetConv->pfIndex2Color != LCD_CC_ABGR8888_Index2Color;
  if (GUI__GetAlphaBuffer(xSize)) {
    GUI_Warn("GUIDEV_WriteToActiveAlpha:\nNo memory available in GUI_MEMDEV__WriteToActiveAlpha()");
    return;
  }
  const GUI_RECT& c = GUI_pContext->ClipRect;
  int xSkip = 0, ySkip = 0;
  if (x + xSize - 1 > c.x1) xSize = c.x1 - x + 1;
  if (y + ySize - 1 > c.y1) ySize = c.y1 - y + 1;
  if (x < c.x0) {
    xSkip = c.x0 - x;
    xSize -= xSkip;
    x = c.x0;
  }
  if (y < c.y0) {
    ySkip = c.y0 - y;
    ySize -= ySkip;
    y = c.y0;
  }
  if (xSize <= 0 || ySize <= 0) return;
  const U8* pFirst = GUI_MEMDEV__GetPixels(pDev) + (U32)ySkip * pDev->BytesPerLine + (U32)xSkip * 4;
  if (!Convert && !pTargetConv->Flags && TargetBPP == 32) {
    // A target that keeps colours with their transparency (a 32-bit device) blends each pixel itself as it
    // draws a 32-bit bitmap: opaque runs are copied, invisible pixels skipped, the rest mixed once.
    LCD_DrawBitmap(x, y, xSize, ySize, 1, 1, 32, (int)pDev->BytesPerLine, pFirst, nullptr);
    return;
  }
  // Onto the 5-6-5 display a row is blended at once in a copy of the display's row (from the first to the
  // last pixel that is not invisible) and written back in one piece.
  int RedHigh = pTargetConv == &LCD_aColorConvAPI[LCD_CC_RGB565];
  bool Direct = pTarget->pDeviceAPI == &LCD_SIMDRV_API && TargetBPP == 16 &&
                (RedHigh || pTargetConv == &LCD_aColorConvAPI[LCD_CC_BGR565]);
  if (Direct) {
    GUI_RECT r;
    pTarget->pDeviceAPI->pfGetRect(pTarget, &r);
    Direct = x >= r.x0 && y >= r.y0 && x + xSize - 1 <= r.x1 && y + ySize - 1 <= r.y1;
  }
  // Rows go out run by run: invisible runs are left out, opaque runs only converted, and only the runs in
  // between are mixed with the target's pixels read back.
  GUI_HMEM hOpaque = GUI_ALLOC_AllocNoInit((I32)xSize * 4);
  {
  GUI_MEMDEV__Pin PinOpaque(hOpaque);
  LCD_PIXELINDEX* pOpaque = hOpaque ? (LCD_PIXELINDEX*)GUI_ALLOC_h2p(hOpaque) : nullptr;
  for (int row = 0; row < ySize; row++) {
    const GUI_COLOR* pSrc = (const GUI_COLOR*)(pFirst + (U32)row * pDev->BytesPerLine);
    if (Direct && pOpaque) {
      int First = 0, Last = xSize - 1;
      while (First <= Last && (pSrc[First] >> 24) == 0xFF) First++;
      while (Last >= First && (pSrc[Last] >> 24) == 0xFF) Last--;
      if (First > Last) continue;
      int n = Last - First + 1;
      if (const U16* pBelow = LCD_SIMDRV__GetRow565(Layer, x + First, y + row, n)) {
        U16* pRow16 = reinterpret_cast<U16*>(pOpaque);
        memcpy(pRow16, pBelow, (size_t)n * 2);
        GUI__BlendColorsOver565(pSrc + First, pRow16, n, RedHigh);
        LCD_DrawBitmap(x + First, y + row, n, 1, 1, 1, 16, 0, (const U8*)pRow16, nullptr);
        continue;
      }
    }
    for (int k = 0, e; k < xSize; k = e) {
      U32 a = pSrc[k] >> 24;
      e = k + 1;
      if (a == 0xFF) {
        while (e < xSize && (pSrc[e] >> 24) == 0xFF) e++;
        continue;
      }
      LCD_PIXELINDEX* pLine;
      if (a == 0 && pOpaque) {
        while (e < xSize && (pSrc[e] >> 24) == 0) e++;
        memcpy(pOpaque, pSrc + k, (size_t)(e - k) * 4);
        pLine = pOpaque;
      } else {
        while (e < xSize && (pSrc[e] >> 24) != 0xFF && ((pSrc[e] >> 24) != 0 || !pOpaque)) e++;
        int Flags = 0;
        // The line read back from the target is in the target's format.
        pLine = GUI__DoAlphaBlending(x + k, y + row, pSrc + k, e - k, pTargetConv->pfIndex2Color, &Flags);
        if (!pLine) break;
      }
      int n = e - k;
      if (Convert && !GUI__CompactPixelIndicesEx(pLine, n, TargetBPP, pTargetConv)) {
        if (pTargetConv->pfColor2IndexBulk) {
          pTargetConv->pfColor2IndexBulk((const GUI_COLOR*)pLine, pLine, (U32)n, 4);
        } else {
          for (int i = 0; i < n; i++) pLine[i] = pTargetConv->pfColor2Index(pLine[i]);
        }
      }
      LCD_DrawBitmap(x + k, y + row, n, 1, 1, 1, TargetBPP, 0, (const U8*)pLine, nullptr);
    }
  }
  }
  GUI_ALLOC_Free(hOpaque);
}

void GUI_MEMDEV_CopyToLCD(GUI_HMEM hMem) { GUI_MEMDEV_CopyToLCDAt(hMem, GUI_POS_AUTO, GUI_POS_AUTO); }

static void _CopyPart(GUI_HMEM hMem, int x, int y, void*) { GUI_MEMDEV__CopyToLCDHook(hMem, x, y); }

void GUI_MEMDEV_CopyToLCDAt(GUI_HMEM hMem, int x, int y) {
  if (!GUI_MEMDEV__Check(hMem)) return;
  GUI_MEMDEV__LockGuard Lock;
  GUI_MEMDEV__ForEachVisiblePart(hMem, x, y, _CopyPart, nullptr);
}

void* GUI_MEMDEV__XY2PTR(int x, int y) {
  GUI_HMEM hMem = GUI_pContext->hDevData;
  if (!hMem) return nullptr;
  GUI_MEMDEV* pDev = GUI_MEMDEV__h2p(hMem);
  if (x < pDev->x0 || y < pDev->y0 || x >= pDev->x0 + pDev->XSize || y >= pDev->y0 + pDev->YSize) {
    GUI_ErrorOut2("GUIDEV_XY2PTR:\nParameters out of bounds in GUI_MEMDEV__XY2PTR()", x, y);
  }
  return GUI_MEMDEV__GetPixels(pDev) + (I64)(y - pDev->y0) * pDev->BytesPerLine +
         (I64)(x - pDev->x0) * (pDev->BitsPerPixel / 8);
}

void* GUI_MEMDEV__XY2PTREx(GUI_MEMDEV* pDev, int x, int y) {
  return GUI_MEMDEV__GetPixels(pDev) + (I64)y * pDev->BytesPerLine + (I64)x * (pDev->BitsPerPixel / 8);
}
