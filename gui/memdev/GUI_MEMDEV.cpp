// Memory device record and life cycle: creation with the banding rule, selection as drawing target,
// deletion, getters and setters, and the plain write to the display.
#include "GUI_MEMDEV_Private.h"
#include "WM.h"

namespace {

// The selected memory device of the context; 0 when the display or a measuring device is the target.
GUI_HMEM _GetSelectedMemdev(void) {
  GUI_HMEM h = GUI_pContext->hDevData;
  return (h && !GUI_MEMDEV__IsMeasDev(h)) ? h : 0;
}

GUI_HMEM _Resolve(GUI_HMEM hMem) {
  if (!hMem) return _GetSelectedMemdev();
  return GUI_MEMDEV__Check(hMem) ? hMem : 0;
}

}  // namespace

int GUI_MEMDEV__IsMeasDev(GUI_HMEM hMem) {
  // Both kinds of record start with their device object.
  GUI_MEMDEV* p = GUI_MEMDEV__Check(hMem);
  GUI_DEVICE* pDevice = p ? p->pDevice : nullptr;
  return pDevice && pDevice->pDeviceAPI->DeviceClassIndex == DEVICE_CLASS_MEASDEV;
}

void GUI_MEMDEV__SelectAny(GUI_HMEM hMem) {
  if (GUI_MEMDEV__IsMeasDev(hMem)) {
    GUI_MEASDEV_Select(hMem);
  } else {
    GUI_MEMDEV_Select(hMem);
  }
}

const LCD_COLOR_CONV_API* GUI_MEMDEV__GetTargetConv(void) { return LCD__GetColorConv(GUI_pContext->SelLayer); }

const GUI_DEVICE_API* GUI_MEMDEV__GetDeviceAPI(int BitsPerPixel) {
  switch (BitsPerPixel) {
    case 1: return &GUI_MEMDEV_DEVICE_1;
    case 8: return &GUI_MEMDEV_DEVICE_8;
    case 16: return &GUI_MEMDEV_DEVICE_16;
    case 32: return &GUI_MEMDEV_DEVICE_32;
  }
  return nullptr;
}

GUI_HMEM GUI_MEMDEV__CreateFixed(int x0, int y0, int xSize, int ySize, int Flags, const GUI_DEVICE_API* pDeviceAPI,
                                 const LCD_COLOR_CONV_API* pColorConvAPI) {
  GUI_MEMDEV__EnsureInit();
  int Layer = GUI_pContext->SelLayer;
  if (xSize < 0 || xSize > 0x7FFF || ySize > 0x7FFF) return 0;
  GUI_DEVICE* pDevice = GUI_DEVICE_Create(pDeviceAPI, pColorConvAPI, 0, Layer);
  if (!pDevice) return 0;
  int BitsPerPixel = LCD__GetBPPDevice(pColorConvAPI->pfGetIndexMask());
  U32 BytesPerLine = ((U32)BitsPerPixel * (U32)xSize + 7) >> 3;
  I32 MaxSize = GUI_ALLOC_GetMaxSize();
  if (!(Flags & GUI_MEMDEV_NOTRANS)) MaxSize = (MaxSize / 4) * 3;
  if (ySize < 1) {
    // Banding rule: -n asks for at most n rows, as many as fit.
    I32 Room = MaxSize - GUI_MEMDEV_HEADER_SIZE;
    U32 Fit = Room <= 0 ? 0 : (BytesPerLine ? (U32)Room / BytesPerLine : (U32)-ySize);
    ySize = (I64)Fit < (I64)-ySize ? (int)Fit : -ySize;
  }
  GUI_HMEM hUsage = 0;
  if (!(Flags & GUI_MEMDEV_NOTRANS)) {
    hUsage = GUI_USAGE_BM_Create(x0, y0, xSize, ySize, 0);
  }
  if (ySize < 1) {
    GUI_Warn("GUIDEV:\nToo little memory in GUI_MEMDEV__CreateFixed()");
    GUI_DEVICE_Delete(pDevice);
    GUI_USAGE_DecUseCnt(hUsage);
    return 0;
  }
  I64 NumBytes = (I64)BytesPerLine * ySize + GUI_MEMDEV_HEADER_SIZE;
  GUI_HMEM hMem = 0;
  if (NumBytes <= 0x7FFFFFFF) {
    // Zeroed in every case: a device without transparency is copied whole, so pixels nobody drew must not
    // show what the heap held before (the old contents of another window).
    hMem = GUI_ALLOC_AllocZero((I32)NumBytes);
  }
  if (!hMem) {
    GUI_DEVICE_Delete(pDevice);
    GUI_USAGE_DecUseCnt(hUsage);
    GUI_Warn("GUIDEV:\nAlloc failed in GUI_MEMDEV__CreateFixed()");
    return 0;
  }
  GUI_MEMDEV* pDev = GUI_MEMDEV__h2p(hMem);
  pDev->pDevice = pDevice;
  pDev->x0 = (I16)x0;
  pDev->y0 = (I16)y0;
  pDev->XSize = (U16)xSize;
  pDev->YSize = (U16)ySize;
  pDev->BytesPerLine = BytesPerLine;
  pDev->BitsPerPixel = (U32)BitsPerPixel;
  pDev->hUsage = hUsage;
  pDevice->pColorConvAPI = pColorConvAPI;
  pDevice->u.hContext = hMem;
  pDevice->LayerIndex = Layer;
  return hMem;
}

GUI_HMEM GUI_MEMDEV_CreateFixed(int x0, int y0, int xSize, int ySize, int Flags, const GUI_DEVICE_API* pDeviceAPI,
                                const LCD_COLOR_CONV_API* pColorConvAPI) {
  if (!pColorConvAPI || !pDeviceAPI) return 0;
  GUI_MEMDEV__LockGuard Lock;
  return GUI_MEMDEV__CreateFixed(x0, y0, xSize, ySize, Flags, pDeviceAPI, pColorConvAPI);
}

GUI_HMEM GUI_MEMDEV_Create32(int x0, int y0, int xSize, int ySize) {
  return GUI_MEMDEV_CreateFixed(x0, y0, xSize, ySize, GUI_MEMDEV_NOTRANS, &GUI_MEMDEV_DEVICE_32,
                                &LCD_aColorConvAPI[LCD_CC_8888]);
}

GUI_HMEM GUI_MEMDEV_CreateEx(int x0, int y0, int xSize, int ySize, int Flags) {
  GUI_MEMDEV__LockGuard Lock;
  int Layer = GUI_pContext->SelLayer;
  GUI_DEVICE* pDevice = GUI_DEVICE__GetByClass(Layer, DEVICE_CLASS_MEMDEV);
  if (!pDevice) pDevice = GUI_DEVICE__GetDriver(Layer);
  if (!pDevice) return 0;
  const GUI_DEVICE_API* pDeviceAPI = (const GUI_DEVICE_API*)pDevice->pDeviceAPI->pfGetDevData(pDevice, LCD_DEVDATA_MEMDEV);
  const LCD_COLOR_CONV_API* pColorConvAPI = pDevice->pColorConvAPI;
  if (!pDeviceAPI || !pColorConvAPI) return 0;
  if (pColorConvAPI->pfGetIndexMask() == 0xFFFFFFFFu) {
    Flags |= GUI_MEMDEV_NOTRANS;
    pColorConvAPI = &LCD_aColorConvAPI[LCD_CC_8888];
  }
  return GUI_MEMDEV__CreateFixed(x0, y0, xSize, ySize, Flags, pDeviceAPI, pColorConvAPI);
}

GUI_HMEM GUI_MEMDEV_Create(int x0, int y0, int xSize, int ySize) { return GUI_MEMDEV_CreateEx(x0, y0, xSize, ySize, 0); }

GUI_HMEM GUI_MEMDEV_Select(GUI_HMEM hMem) {
  GUI_MEMDEV__LockGuard Lock;
  GUI_HMEM hOld = GUI_pContext->hDevData;
  if (hMem && !GUI_MEMDEV__Check(hMem)) return hOld;
  if (hMem) {
    // Drops whatever memory or measuring device the chain holds, so that exactly this one is linked.
    GUI_SelectLCD();
    WM_Deactivate();
    GUI_pContext->hDevData = hMem;
    GUI_DEVICE_Link(GUI_MEMDEV__h2p(hMem)->pDevice);
    LCD_UpdateColorIndices();
    LCD_SetClipRectToDevice();
  } else {
    GUI_SelectLCD();
  }
  return hOld;
}

void GUI_MEMDEV_Delete(GUI_HMEM hMem) {
  if (!GUI_MEMDEV__Check(hMem)) return;
  GUI_MEMDEV__LockGuard Lock;
  if (GUI_pContext->hDevData == hMem) GUI_SelectLCD();
  GUI_MEMDEV* pDev = GUI_MEMDEV__h2p(hMem);
  GUI_HMEM hUsage = pDev->hUsage;
  GUI_DEVICE* pDevice = pDev->pDevice;
  GUI_USAGE_DecUseCnt(hUsage);
  // Deleting unlinks it too: a device may still be linked under a measuring device another caller selected.
  GUI_DEVICE_Delete(pDevice);
  GUI_ALLOC_Free(hMem);
}

int GUI_MEMDEV_GetXPos(GUI_HMEM hMem) {
  GUI_MEMDEV__LockGuard Lock;
  hMem = _Resolve(hMem);
  return hMem ? GUI_MEMDEV__h2p(hMem)->x0 : 0;
}

int GUI_MEMDEV_GetYPos(GUI_HMEM hMem) {
  GUI_MEMDEV__LockGuard Lock;
  hMem = _Resolve(hMem);
  return hMem ? GUI_MEMDEV__h2p(hMem)->y0 : 0;
}

int GUI_MEMDEV_GetXSize(GUI_HMEM hMem) {
  GUI_MEMDEV__LockGuard Lock;
  hMem = _Resolve(hMem);
  return hMem ? GUI_MEMDEV__h2p(hMem)->XSize : 0;
}

int GUI_MEMDEV_GetYSize(GUI_HMEM hMem) {
  GUI_MEMDEV__LockGuard Lock;
  hMem = _Resolve(hMem);
  return hMem ? GUI_MEMDEV__h2p(hMem)->YSize : 0;
}

void* GUI_MEMDEV_GetDataPtr(GUI_HMEM hMem) {
  if (!GUI_MEMDEV__Check(hMem)) return nullptr;
  GUI_MEMDEV__LockGuard Lock;
  GUI_MEMDEV* pDev = (GUI_MEMDEV*)GUI_ALLOC_LockH(hMem);
  void* p = GUI_MEMDEV__GetPixels(pDev);
  GUI_ALLOC_UnlockH(&pDev);
  return p;
}

int GUI_MEMDEV_GetBitsPerPixel(GUI_HMEM hMem) {
  if (!GUI_MEMDEV__Check(hMem)) return 0;
  GUI_MEMDEV__LockGuard Lock;
  const LCD_COLOR_CONV_API* pConv = GUI_MEMDEV__h2p(hMem)->pDevice->pColorConvAPI;
  return LCD__GetBPPDevice(pConv->pfGetIndexMask());
}

const LCD_COLOR_CONV_API* GUI_MEMDEV_GetColorConv(GUI_HMEM hMem) {
  if (!GUI_MEMDEV__Check(hMem)) return nullptr;
  GUI_MEMDEV__LockGuard Lock;
  return GUI_MEMDEV__h2p(hMem)->pDevice->pColorConvAPI;
}

void GUI_MEMDEV_SetColorConv(GUI_HMEM hMem, const LCD_COLOR_CONV_API* pColorConvAPI) {
  if (!GUI_MEMDEV__Check(hMem)) return;
  GUI_MEMDEV__LockGuard Lock;
  GUI_MEMDEV__h2p(hMem)->pDevice->pColorConvAPI = pColorConvAPI;
}

void GUI_MEMDEV_SetOrg(GUI_HMEM hMem, int x0, int y0) {
  GUI_MEMDEV__LockGuard Lock;
  hMem = _Resolve(hMem);
  if (!hMem) return;
  GUI_MEMDEV* pDev = GUI_MEMDEV__h2p(hMem);
  pDev->x0 = (I16)x0;
  pDev->y0 = (I16)y0;
  LCD_SetClipRectToDevice();
  if (pDev->hUsage) {
    GUI_USAGE* pUsage = (GUI_USAGE*)GUI_ALLOC_h2p(pDev->hUsage);
    pUsage->XSize = (I16)pDev->XSize;
    pUsage->YSize = (I16)pDev->YSize;
    if (pDev->XSize && pDev->YSize) {
      pUsage->x0 = (I16)x0;
      pUsage->y0 = (I16)y0;
    }
  }
}

void GUI_MEMDEV_ReduceYSize(GUI_HMEM hMem, int YSize) {
  GUI_MEMDEV__LockGuard Lock;
  hMem = _Resolve(hMem);
  if (!hMem) return;
  GUI_MEMDEV* pDev = GUI_MEMDEV__h2p(hMem);
  if (YSize >= 0 && YSize < pDev->YSize) pDev->YSize = (U16)YSize;
}

void GUI_MEMDEV_Write(GUI_HMEM hMem) { GUI_MEMDEV_WriteAt(hMem, GUI_POS_AUTO, GUI_POS_AUTO); }

static void _WriteOpaque(GUI_HMEM hMem, int x, int y, void*) { GUI_MEMDEV__WriteToActiveOpaque(hMem, x, y); }

void GUI_MEMDEV_WriteAt(GUI_HMEM hMem, int x, int y) {
  if (!GUI_MEMDEV__Check(hMem)) return;
  GUI_MEMDEV__LockGuard Lock;
  int DrawModeOld = GUI_SetDrawMode(GUI_DRAWMODE_NORMAL);
  GUI_HMEM hSel = GUI_pContext->hDevData;
  GUI_SelectLCD();
  WM_Activate();
  GUI_MEMDEV__ForEachVisiblePart(hMem, x, y, _WriteOpaque, nullptr);
  GUI_MEMDEV__SelectAny(hSel);
  GUI_SetDrawMode(DrawModeOld);
}

void GUI_MEMDEV__CopyToLCDHook(GUI_HMEM hMem, int x, int y) {
  GUI_DEVICE* pDevice = GUI_MEMDEV__h2p(hMem)->pDevice;
  GUI_DEVICE_FUNC pf = pDevice->pDeviceAPI->pfGetDevFunc(&pDevice, LCD_DEVFUNC_MEMDEV_TRANSFER);
  if (pf) {
    ((void (*)(GUI_HMEM, int, int))pf)(hMem, x, y);
  }
}

void GUI_MEMDEV_MarkRect(GUI_HMEM hMem, int x0, int y0, int x1, int y1) {
  if (!GUI_MEMDEV__Check(hMem) || x1 < x0 || y1 < y0) return;
  GUI_MEMDEV__LockGuard Lock;
  GUI_MEMDEV__MarkRect(GUI_MEMDEV__h2p(hMem), x0, y0, x1 - x0 + 1, y1 - y0 + 1);
}

void GUI_MEMDEV__SetUsage(GUI_HMEM hUsage) {
  GUI_HMEM hMem = _GetSelectedMemdev();
  if (hMem) GUI_MEMDEV__h2p(hMem)->hUsage = hUsage;
}

//
// Usage marking shared by the drivers and the transfers
//
static GUI_USAGE* _GetUsage(GUI_MEMDEV* pDev) {
  return pDev->hUsage ? (GUI_USAGE*)GUI_ALLOC__h2pLocked(pDev->hUsage) : nullptr;  // under the drawing call's lock
}

void GUI_MEMDEV__MarkHLine(GUI_MEMDEV* pDev, int x, int y, int Len) {
  if (GUI_USAGE* p = _GetUsage(pDev)) p->pAPI->pfAddHLine(p, x, y, Len);
}

void GUI_MEMDEV__MarkRect(GUI_MEMDEV* pDev, int x, int y, int xSize, int ySize) {
  if (GUI_USAGE* p = _GetUsage(pDev)) GUI_USAGE_AddRect(p, x, y, xSize, ySize);
}

void GUI_MEMDEV__MarkPixel(GUI_MEMDEV* pDev, int x, int y) {
  if (GUI_USAGE* p = _GetUsage(pDev)) p->pAPI->pfAddPixel(p, x, y);
}

void GUI_MEMDEV__ClearUsage(GUI_MEMDEV* pDev) {
  if (GUI_USAGE* p = _GetUsage(pDev)) p->pAPI->pfClear(p);
}

// Anything that uses memory devices links this file: the GUI core learns of the device records before
// main (plain pointers, no lock is taken that early).
static const int _CoreHooks = (GUI_MEMDEV__InstallCoreHooks(), 0);

void GUI_MEMDEV__ForEachVisiblePart(GUI_HMEM hMem, int x, int y, void (*pfWrite)(GUI_HMEM hMem, int x, int y, void* pData),
                                    void* pData) {
  GUI_MEMDEV* pDev = GUI_MEMDEV__h2p(hMem);
  if (x == GUI_POS_AUTO) {
    // Only x carries the marker; the device's own position is taken whole.
    x = pDev->x0;
    y = pDev->y0;
  }
  if (!pDev->XSize || !pDev->YSize) return;
  GUI_RECT r = GUI_MEMDEV__RectAt(pDev, x, y);
  if (WM__BeginClipIteration(&r)) {
    do {
      pfWrite(hMem, x, y, pData);
    } while (WM__NextClipRect());
  }
}

bool GUI_MEMDEV__ClipToDevice(const GUI_MEMDEV* pDev, int& x0, int& y0, int& x1, int& y1, const char* sMessage) {
  int dx0 = pDev->x0, dy0 = pDev->y0, dx1 = pDev->x0 + pDev->XSize - 1, dy1 = pDev->y0 + pDev->YSize - 1;
  if (x0 < dx0 || y0 < dy0 || x1 > dx1 || y1 > dy1) {
    GUI_ErrorOut2(sMessage, x0 < dx0 || x0 > dx1 ? x0 : x1, y0 < dy0 || y0 > dy1 ? y0 : y1);
    if (x0 < dx0) x0 = dx0;
    if (y0 < dy0) y0 = dy0;
    if (x1 > dx1) x1 = dx1;
    if (y1 > dy1) y1 = dy1;
  }
  return x0 <= x1 && y0 <= y1;
}

bool GUI_MEMDEV__ClipBitmap(const GUI_MEMDEV* pDev, int& x0, int& y0, int& xSize, int& ySize, int& Diff,
                            const U8*& pData, int BytesPerLine, const char* sMessage) {
  int x1 = x0 + xSize - 1, y1 = y0 + ySize - 1, xc = x0, yc = y0;
  if (xSize <= 0 || ySize <= 0 || !GUI_MEMDEV__ClipToDevice(pDev, xc, yc, x1, y1, sMessage)) return false;
  Diff += xc - x0;
  pData += (I64)(yc - y0) * BytesPerLine;
  x0 = xc;
  y0 = yc;
  xSize = x1 - xc + 1;
  ySize = y1 - yc + 1;
  return true;
}
