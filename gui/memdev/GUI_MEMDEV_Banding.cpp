// Banded drawing (a draw routine run band by band through one memory device that moves down the area),
// the automatic device that redraws only what moving parts touch, and the start-up registration of the
// memory devices with the window manager and the GUI core.
#include "GUI_MEMDEV_Private.h"
#include "GUI_MEMDEV_Static.h"
#include "WM.h"
#include "WM_Hooks.h"

namespace {

GUI_ALPHA_HOOK _pfAlphaHook;

}  // namespace

void GUI_MEMDEV__SetAlphaHook(GUI_ALPHA_HOOK pfHook) { _pfAlphaHook = pfHook; }

int GUI_MEMDEV_Draw(const GUI_RECT* pRect, GUI_CALLBACK_VOID_P* pfDraw, void* pData, int NumLines, int Flags) {
  GUI_MEMDEV__LockGuard Lock;
  int Layer = GUI_pContext->SelLayer;
  int Width, Height;
  if (GUI__aMultiBufState[Layer] <= 1) {
    Width = LCD_GetVXSizeEx(Layer);
    Height = LCD_GetVYSizeEx(Layer);
  } else {
    Width = LCD_GetXSizeEx(Layer);
    Height = LCD_GetYSizeEx(Layer);
  }
  int x0 = 0, y0 = 0, xSize = Width, ySize = Height;
  if (pRect) {
    int ox, oy;
    GUI_GetOrg(&ox, &oy);
    x0 = pRect->x0 > 0 ? pRect->x0 : 0;
    y0 = pRect->y0 > 0 ? pRect->y0 : 0;
    int x1 = pRect->x1 < ox - 1 + Width ? pRect->x1 : ox - 1 + Width;
    int y1 = pRect->y1 < oy - 1 + Height ? pRect->y1 : oy - 1 + Height;
    xSize = x1 + 1 - x0;
    ySize = y1 + 1 - y0;
  }
  if (NumLines == 0) NumLines = -ySize;
  if (xSize <= 0 || ySize <= 0) return 0;
  // The caller's target is given back at the end, whatever the bands select meanwhile.
  GUI_HMEM hSel = GUI_pContext->hDevData;
  GUI_HMEM hMem = GUI_MEMDEV_CreateEx(x0, y0, xSize, NumLines, Flags);
  if (!hMem) {
    GUI_Warn("GUIDEV_Banding:\nNot enough memory in GUI_MEMDEV_Draw()");
    GUI_SelectLCD();
    pfDraw(pData);
    GUI_MEMDEV__SelectAny(hSel);
    return 1;
  }
  int BandHeight = GUI_MEMDEV__h2p(hMem)->YSize;
  GUI__PaintPassGuard Pass;  // the bands paint one area
  for (int Off = 0; Off < ySize; Off += BandHeight) {
    int Remaining = ySize - Off;
    if (Remaining < BandHeight) GUI_MEMDEV_ReduceYSize(hMem, Remaining);
    GUI_MEMDEV_Select(hMem);
    if (Off > 0) {
      GUI_MEMDEV_SetOrg(hMem, x0, y0 + Off);
      GUI_MEMDEV__ClearUsage(GUI_MEMDEV__h2p(hMem));
    }
    pfDraw(pData);
    if (_pfAlphaHook) _pfAlphaHook(0);
    GUI_MEMDEV_Write(hMem);
  }
  GUI_MEMDEV_Delete(hMem);
  GUI_MEMDEV__SelectAny(hSel);
  return 0;
}

int GUI_MEMDEV_CreateAuto(GUI_AUTODEV* pAutoDev) {
  pAutoDev->FirstCall = 1;
  return 0;
}

int GUI_MEMDEV_DrawAuto(GUI_AUTODEV* pAutoDev, GUI_AUTODEV_INFO* pAutoInfo, GUI_CALLBACK_VOID_P* pfDraw, void* pData) {
  GUI_MEMDEV__LockGuard Lock;
  GUI_HMEM hSel = GUI_pContext->hDevData;
  GUI_HMEM hMeas = GUI_MEASDEV_Create();
  if (!hMeas) return 1;
  GUI_MEASDEV_Select(hMeas);
  pAutoInfo->IsMeasurement = 1;
  if (!pAutoDev->FirstCall) {
    pfDraw(pData);
    GUI_MEASDEV_GetRect(hMeas, &pAutoDev->rView);
    GUI_RECT m = pAutoDev->rView;
    GUI__MergeRect(&pAutoDev->rView, &pAutoDev->rView, &pAutoDev->rPrev);
    pAutoDev->rPrev = m;
  } else {
    pAutoInfo->DrawFixed = 1;
    pfDraw(pData);
    GUI_MEASDEV_GetRect(hMeas, &pAutoDev->rView);
    GUI_MEASDEV_ClearRect(hMeas);
    pAutoInfo->DrawFixed = 0;
    pfDraw(pData);
    GUI_MEASDEV_GetRect(hMeas, &pAutoDev->rPrev);
  }
  GUI_MEASDEV_Delete(hMeas);
  GUI_MEMDEV__SelectAny(hSel);
  pAutoInfo->DrawFixed = 1;
  pAutoInfo->IsMeasurement = 0;
  int r = GUI_MEMDEV_Draw(&pAutoDev->rView, pfDraw, pData, 0, GUI_MEMDEV_NOTRANS);
  if (r == 0) {
    pAutoInfo->DrawFixed = 0;
    pAutoDev->FirstCall = 0;
  }
  return r;
}

//
// Registration with the layers below
//
static void _DrawBanded(const GUI_RECT* pRect, void (*pfBand)(void* pData), void* pData, int NumLines, int Flags) {
  GUI_MEMDEV_Draw(pRect, pfBand, pData, NumLines, Flags);
}

static const WM_MEMDEV_API _WMAPI = {_DrawBanded, GUI_MEMDEV_Paint1Static, GUI_MEMDEV_Delete};

void GUI_MEMDEV__InstallCoreHooks(void) {
  GUI__pfMEMDEV_SetAlphaHook = GUI_MEMDEV__SetAlphaHook;
  GUI__pfGetMemdevAPI = GUI_MEMDEV__GetDeviceAPI;
  GUI__pfPixelRow16 = GUI_MEMDEV__PixelRow16;
}

static bool _IsInitialized;

void GUI_MEMDEV__Init(void) {
  _IsInitialized = true;
  GUI_MEMDEV__InstallCoreHooks();
  WM__SetMemdevAPI(&_WMAPI);
}

void GUI_MEMDEV__EnsureInit(void) {
  if (!_IsInitialized) GUI_MEMDEV__Init();
}
