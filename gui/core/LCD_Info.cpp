// Sizes, properties, origin and device routines of the display layers, and selecting the display.
#include "GUI_Private.h"

namespace {

int _ScreenXSize, _ScreenYSize;

I32 _GetProp(GUI_DEVICE* pDevice, int Index) {
  return (pDevice && pDevice->pDeviceAPI->pfGetDevProp) ? pDevice->pDeviceAPI->pfGetDevProp(pDevice, Index) : 0;
}

// The routine of a device function of the layer's chain, asked from the head down.
GUI_DEVICE_FUNC _GetDevFunc(int LayerIndex, int Code) {
  for (GUI_DEVICE* p = GUI_DEVICE__GetHead(LayerIndex); p; p = p->pNext) {
    if (p->pDeviceAPI->pfGetDevFunc) {
      GUI_DEVICE* pDevice = p;
      GUI_DEVICE_FUNC pf = p->pDeviceAPI->pfGetDevFunc(&pDevice, Code);
      if (pf) {
        return pf;
      }
    }
  }
  return nullptr;
}

}  // namespace

I16 GUI__OrgX, GUI__OrgY;

I32 LCD_GetPropertyDev(int LayerIndex, int Index) { return _GetProp(GUI_DEVICE__GetHead(LayerIndex), Index); }

int LCD_GetXSizeEx(int LayerIndex) { return LCD_GetPropertyDev(LayerIndex, LCD_DEVCAP_XSIZE); }
int LCD_GetYSizeEx(int LayerIndex) { return LCD_GetPropertyDev(LayerIndex, LCD_DEVCAP_YSIZE); }
int LCD_GetVXSizeEx(int LayerIndex) { return LCD_GetPropertyDev(LayerIndex, LCD_DEVCAP_VXSIZE); }
int LCD_GetVYSizeEx(int LayerIndex) { return LCD_GetPropertyDev(LayerIndex, LCD_DEVCAP_VYSIZE); }
int LCD_GetXSize(void) { return LCD_GetXSizeEx(GUI_pContext->SelLayer); }
int LCD_GetYSize(void) { return LCD_GetYSizeEx(GUI_pContext->SelLayer); }
int LCD_GetVXSize(void) { return LCD_GetVXSizeEx(GUI_pContext->SelLayer); }
int LCD_GetVYSize(void) { return LCD_GetVYSizeEx(GUI_pContext->SelLayer); }
int LCD_GetXSizeMax(void) { return GUI__Max(LCD_GetXSizeEx(0), 0); }
int LCD_GetYSizeMax(void) { return GUI__Max(LCD_GetYSizeEx(0), 0); }
int LCD_GetBitsPerPixelEx(int LayerIndex) { return LCD_GetPropertyDev(LayerIndex, LCD_DEVCAP_BITSPERPIXEL); }
int LCD__GetBitsPerPixelEx(int LayerIndex) { return LCD_GetBitsPerPixelEx(LayerIndex); }
int LCD_GetBitsPerPixel(void) { return LCD_GetBitsPerPixelEx(GUI_pContext->SelLayer); }

U32 LCD_GetNumColorsEx(int LayerIndex) {
  int Bits = LCD_GetBitsPerPixelEx(LayerIndex);
  return (Bits > 0 && Bits < 24) ? (1u << Bits) : 0;
}

U32 LCD_GetNumColors(void) { return LCD_GetNumColorsEx(GUI_pContext->SelLayer); }

int LCD_GetNumLayers(void) {
  int n = 0;
  for (int i = 0; i < GUI_NUM_LAYERS; i++) {
    if (GUI_DEVICE__GetDriver(i)) {
      n = i + 1;
    }
  }
  return n;
}

int LCD_GetXMagEx(int LayerIndex) {
  I32 Mag = LCD_GetPropertyDev(LayerIndex, LCD_DEVCAP_XMAG);
  return Mag > 0 ? Mag : 1;
}

int LCD_GetYMagEx(int LayerIndex) {
  I32 Mag = LCD_GetPropertyDev(LayerIndex, LCD_DEVCAP_YMAG);
  return Mag > 0 ? Mag : 1;
}

int LCD_SetSizeEx(int LayerIndex, int xSize, int ySize) {
  GUI_LockGuard Lock;
  auto pf = reinterpret_cast<void (*)(int, int, int)>(_GetDevFunc(LayerIndex, LCD_DEVFUNC_SETSIZE));
  if (!pf) {
    return 1;
  }
  pf(LayerIndex, xSize, ySize);
  return 0;
}

int LCD_SetVSizeEx(int LayerIndex, int vxSize, int vySize) {
  GUI_LockGuard Lock;
  auto pf = reinterpret_cast<void (*)(int, int, int)>(_GetDevFunc(LayerIndex, LCD_DEVFUNC_SETVSIZE));
  if (!pf) {
    return 1;
  }
  pf(LayerIndex, vxSize, vySize);
  return 0;
}

int LCD_SetLUTEntryEx(int LayerIndex, U8 Pos, GUI_COLOR Color) {
  GUI_LockGuard Lock;
  auto pf = reinterpret_cast<void (*)(int, U8, GUI_COLOR)>(_GetDevFunc(LayerIndex, LCD_DEVFUNC_SETLUTENTRY));
  if (!pf) {
    return 1;
  }
  pf(LayerIndex, Pos, Color);
  return 0;
}

int LCD_SetAlphaEx(int LayerIndex, int Alpha) {
  GUI_LockGuard Lock;
  auto pf = reinterpret_cast<void (*)(int, int)>(_GetDevFunc(LayerIndex, LCD_DEVFUNC_SETALPHA));
  if (!pf) {
    return 1;
  }
  pf(LayerIndex, Alpha);
  return 0;
}

int LCD_SetPosEx(int LayerIndex, int xPos, int yPos) {
  GUI_LockGuard Lock;
  auto pf = reinterpret_cast<void (*)(int, int, int)>(_GetDevFunc(LayerIndex, LCD_DEVFUNC_SETPOS));
  if (!pf) {
    return 1;
  }
  pf(LayerIndex, xPos, yPos);
  return 0;
}

int LCD_SetVisEx(int LayerIndex, int OnOff) {
  GUI_LockGuard Lock;
  auto pf = reinterpret_cast<void (*)(int, int)>(_GetDevFunc(LayerIndex, LCD_DEVFUNC_SETVIS));
  if (!pf) {
    return 1;
  }
  pf(LayerIndex, OnOff);
  return 0;
}

int LCD_CopyBufferEx(int LayerIndex, int IndexSrc, int IndexDst) {
  GUI_LockGuard Lock;
  auto pf = reinterpret_cast<void (*)(int, int, int)>(_GetDevFunc(LayerIndex, LCD_DEVFUNC_COPYBUFFER));
  if (!pf) {
    return 1;
  }
  pf(LayerIndex, IndexSrc, IndexDst);
  return 0;
}

int LCD_ShowBufferEx(int LayerIndex, int BufferIndex) {
  GUI_LockGuard Lock;
  auto pf = reinterpret_cast<void (*)(int, int)>(_GetDevFunc(LayerIndex, LCD_DEVFUNC_SHOWBUFFER));
  if (!pf) {
    return 1;
  }
  pf(LayerIndex, BufferIndex);
  return 0;
}

int GUI_GetLayerPosEx(int LayerIndex, int* pxPos, int* pyPos) {
  GUI_LockGuard Lock;
  int x = 0, y = 0;
  auto pf = reinterpret_cast<void (*)(int, int*, int*)>(_GetDevFunc(LayerIndex, LCD_DEVFUNC_GETPOS));
  if (pf) {
    pf(LayerIndex, &x, &y);
  }
  if (pxPos) {
    *pxPos = x;
  }
  if (pyPos) {
    *pyPos = y;
  }
  return pf ? 0 : 1;
}

int LCD_SetOrg(int x, int y) {
  GUI_DEVICE* pDevice = GUI_DEVICE__GetHead(GUI_pContext->SelLayer);
  // Memory and measuring devices have no origin of their own; the display below them has.
  while (pDevice && pDevice->pDeviceAPI->DeviceClassIndex >= DEVICE_CLASS_MEMDEV) {
    pDevice = pDevice->pNext;
  }
  if (!pDevice || !pDevice->pDeviceAPI->pfSetOrg) {
    return 1;
  }
  pDevice->pDeviceAPI->pfSetOrg(pDevice, x, y);
  return 0;
}

void GUI_SetOrg(int x, int y) {
  GUI_LockGuard Lock;
  GUI__OrgX = GUI__ClampI16(x);
  GUI__OrgY = GUI__ClampI16(y);
  LCD_SetOrg(x, y);
}

void GUI_GetOrg(int* px, int* py) {
  GUI_LockGuard Lock;
  GUI__GetOrg(px, py);
}

void GUI__GetOrg(int* px, int* py) {
  if (px) {
    *px = GUI__OrgX;
  }
  if (py) {
    *py = GUI__OrgY;
  }
}

int GUI__GetScreenXSize(void) { return _ScreenXSize ? _ScreenXSize : LCD_GetXSize(); }
int GUI__GetScreenYSize(void) { return _ScreenYSize ? _ScreenYSize : LCD_GetYSize(); }
void GUI__SetScreenXSize(int xSize) { _ScreenXSize = xSize > 0 ? xSize : 0; }
void GUI__SetScreenYSize(int ySize) { _ScreenYSize = ySize > 0 ? ySize : 0; }

void GUI_SelectLCD(void) {
  GUI_LockGuard Lock;
  GUI_CONTEXT* p = GUI_pContext;
  GUI_DEVICE** ppHead = &GUI_aDevice[p->SelLayer];
  while (*ppHead && (*ppHead)->pDeviceAPI->DeviceClassIndex >= DEVICE_CLASS_MEMDEV) {
    GUI_DEVICE_Unlink(*ppHead);
  }
  p->hDevData = 0;
  LCD_SetClipRectToDevice();
  LCD_UpdateColorIndices();
  p->WM_IsActive = 1;
}

void GUI__ResetScreenSize(void) { _ScreenXSize = _ScreenYSize = 0; }
