// The orientation device and setting a layer's orientation. The device stands directly in front of the
// display driver, answers the logical sizes and hands every drawing operation to its renderer set; at most
// one such device belongs to a layer, and setting a new orientation always removes the old one first.
#include "GUI_OrientPrivate.h"

#include <cstring>

namespace {

//
// Coordinate mappings (logical -> physical), by orientation
//
void _MapMirrorX(const GUI_ORIENT_CONTEXT* p, int x, int y, int* px, int* py) { *px = p->VXSize - 1 - x, *py = y; }
void _MapMirrorY(const GUI_ORIENT_CONTEXT* p, int x, int y, int* px, int* py) { *px = x, *py = p->VYSize - 1 - y; }
void _MapMirrorXY(const GUI_ORIENT_CONTEXT* p, int x, int y, int* px, int* py) {
  *px = p->VXSize - 1 - x, *py = p->VYSize - 1 - y;
}
void _MapSwap(const GUI_ORIENT_CONTEXT*, int x, int y, int* px, int* py) { *px = y, *py = x; }
void _MapSwapMirrorX(const GUI_ORIENT_CONTEXT* p, int x, int y, int* px, int* py) {
  *px = p->VXSize - 1 - y, *py = x;
}
void _MapSwapMirrorY(const GUI_ORIENT_CONTEXT* p, int x, int y, int* px, int* py) {
  *px = y, *py = p->VYSize - 1 - x;
}
void _MapSwapMirrorXY(const GUI_ORIENT_CONTEXT* p, int x, int y, int* px, int* py) {
  *px = p->VXSize - 1 - y, *py = p->VYSize - 1 - x;
}

struct _MAPPING {
  void (*pfMap)(const GUI_ORIENT_CONTEXT*, int, int, int*, int*);
  int StepSign;  // PixelStep: +-1, or +-VXSize for the swapped ones
};

const _MAPPING _aMapping[8] = {
    {nullptr, 0},         {_MapMirrorX, -1},    {_MapMirrorY, 1},     {_MapMirrorXY, -1},
    {_MapSwap, 2},        {_MapSwapMirrorX, 2}, {_MapSwapMirrorY, -2}, {_MapSwapMirrorXY, -2},
};

// Sizes the sim driver swapped for a swapped orientation, per layer, so that setting it again is no swap back.
// Forgotten at GUI exit, when the layers go.
bool _aDriverSwapped[GUI_NUM_LAYERS];

void _OnExit(void) { std::memset(_aDriverSwapped, 0, sizeof(_aDriverSwapped)); }
GUI_REGISTER_EXIT _RegExit = {nullptr, _OnExit};

inline GUI_ORIENT_CONTEXT* _Context(GUI_DEVICE* pDevice) { return GUI_ORIENT__GetContext(pDevice); }

//
// Operations record
//
void _DrawBitmap(GUI_DEVICE* pDevice, int x0, int y0, int xSize, int ySize, int BitsPerPixel, int BytesPerLine,
                 const U8* pData, int Diff, const LCD_PIXELINDEX* pTrans) {
  _Context(pDevice)->pRenderer->pfDrawBitmap(pDevice, x0, y0, xSize, ySize, BitsPerPixel, BytesPerLine, pData, Diff,
                                             pTrans);
}
void _DrawHLine(GUI_DEVICE* pDevice, int x0, int y, int x1) { _Context(pDevice)->pRenderer->pfDrawHLine(pDevice, x0, y, x1); }
void _DrawVLine(GUI_DEVICE* pDevice, int x, int y0, int y1) { _Context(pDevice)->pRenderer->pfDrawVLine(pDevice, x, y0, y1); }
void _FillRect(GUI_DEVICE* pDevice, int x0, int y0, int x1, int y1) {
  _Context(pDevice)->pRenderer->pfFillRect(pDevice, x0, y0, x1, y1);
}
LCD_PIXELINDEX _GetPixelIndex(GUI_DEVICE* pDevice, int x, int y) {
  return _Context(pDevice)->pRenderer->pfGetPixelIndex(pDevice, x, y);
}
void _SetPixelIndex(GUI_DEVICE* pDevice, int x, int y, LCD_PIXELINDEX Index) {
  _Context(pDevice)->pRenderer->pfSetPixelIndex(pDevice, x, y, Index);
}
void _XorPixel(GUI_DEVICE* pDevice, int x, int y) { _Context(pDevice)->pRenderer->pfXorPixel(pDevice, x, y); }

void _SetOrg(GUI_DEVICE* pDevice, int x, int y) {
  if (GUI_DEVICE* pNext = pDevice->pNext) {
    pNext->pDeviceAPI->pfSetOrg(pNext, x, y);
  }
}

GUI_DEVICE_FUNC _GetDevFunc(GUI_DEVICE** ppDevice, int Index) {
  GUI_DEVICE* pNext = (*ppDevice)->pNext;
  if (Index == LCD_DEVFUNC_SET_RECT || !pNext || !pNext->pDeviceAPI->pfGetDevFunc) {
    return nullptr;
  }
  *ppDevice = pNext;
  return pNext->pDeviceAPI->pfGetDevFunc(ppDevice, Index);
}

I32 _GetDevProp(GUI_DEVICE* pDevice, int Index) {
  const GUI_ORIENT_CONTEXT* p = _Context(pDevice);
  bool Swap = p->Orientation & GUI_SWAP_XY;
  switch (Index) {
  case LCD_DEVCAP_XSIZE:
    return Swap ? p->YSize : p->XSize;
  case LCD_DEVCAP_YSIZE:
    return Swap ? p->XSize : p->YSize;
  case LCD_DEVCAP_VXSIZE:
    return Swap ? p->VYSize : p->VXSize;
  case LCD_DEVCAP_VYSIZE:
    return Swap ? p->VXSize : p->VYSize;
  case LCD_DEVCAP_MIRROR_X:
    return (p->Orientation & GUI_MIRROR_X) ? 1 : 0;
  case LCD_DEVCAP_MIRROR_Y:
    return (p->Orientation & GUI_MIRROR_Y) ? 1 : 0;
  case LCD_DEVCAP_SWAP_XY:
    return Swap ? 1 : 0;
  default:
    break;
  }
  GUI_DEVICE* pNext = pDevice->pNext;
  return pNext ? pNext->pDeviceAPI->pfGetDevProp(pNext, Index) : 0;
}

void* _GetDevData(GUI_DEVICE* pDevice, int Index) {
  GUI_DEVICE* pNext = pDevice->pNext;
  return pNext ? pNext->pDeviceAPI->pfGetDevData(pNext, Index) : nullptr;
}

void _GetRect(GUI_DEVICE* pDevice, LCD_RECT* pRect) {
  GUI_DEVICE* pNext = pDevice->pNext;
  LCD_RECT r = {0, 0, -1, -1};
  if (pNext) {
    pNext->pDeviceAPI->pfGetRect(pNext, &r);
  }
  bool Swap = _Context(pDevice)->Orientation & GUI_SWAP_XY;
  pRect->x0 = 0;
  pRect->y0 = 0;
  pRect->x1 = Swap ? r.y1 : r.x1;
  pRect->y1 = Swap ? r.x1 : r.y1;
}

// Takes the layer's orientation device out of its chain and returns its memory.
void _Remove(int LayerIndex) {
  for (GUI_DEVICE* p = GUI_DEVICE__GetHead(LayerIndex); p; p = p->pNext) {
    if (p->pDeviceAPI == &GUI_OrientDeviceAPI) {
      GUI_ORIENT_CONTEXT* pContext = _Context(p);
      if (pContext) {
        GUI_ALLOC_FreeFixedBlock(pContext->pCache);
        GUI_ALLOC_FreeFixedBlock(pContext);
      }
      GUI_DEVICE_Delete(p);
      return;
    }
  }
}

// The first class-0 device behind any orientation device: the display driver or what stands in front of it.
GUI_DEVICE* _FirstDriverClass(int LayerIndex) { return GUI_DEVICE__GetByClass(LayerIndex, DEVICE_CLASS_DRIVER); }

// The cache starts as a copy of what the display shows, so that reads before drawing are right.
template <class T>
void _FillCache(GUI_ORIENT_CONTEXT* p, GUI_DEVICE* pNext) {
  for (int y = 0; y < p->VYSize; y++) {
    T* e = reinterpret_cast<T*>(p->pCache + (size_t)y * p->BytesPerLine);
    for (int x = 0; x < p->VXSize; x++) {
      e[x] = T(pNext->pDeviceAPI->pfGetPixelIndex(pNext, x, y));
    }
  }
}

}  // namespace

const GUI_DEVICE_API GUI_OrientDeviceAPI = {
    DEVICE_CLASS_DRIVER, _DrawBitmap, _DrawHLine,  _DrawVLine,  _FillRect, _GetPixelIndex, _SetPixelIndex,
    _XorPixel,           _SetOrg,     _GetDevFunc, _GetDevProp, _GetDevData, _GetRect,
};

namespace {

int _SetOrientation(int Orientation, int LayerIndex, const GUI_ORIENT_RENDERER* pRenderer) {
  if (Orientation < 0 || Orientation > 7 || LayerIndex < 0 || LayerIndex >= GUI_NUM_LAYERS || !pRenderer) {
    return 1;
  }
  GUI_LockGuard Lock;
  _Remove(LayerIndex);
  GUI_DEVICE* pFirst = _FirstDriverClass(LayerIndex);
  if (pFirst && pFirst->pDeviceAPI == &LCD_SIMDRV_API) {
    GUI__RegisterExit(&_RegExit);
    // The simulated display shows the logical picture itself: a swapped orientation swaps its sizes.
    bool Swap = Orientation & GUI_SWAP_XY;
    if (Swap != _aDriverSwapped[LayerIndex]) {
      int xs = LCD_GetXSizeEx(LayerIndex), ys = LCD_GetYSizeEx(LayerIndex);
      int vxs = LCD_GetVXSizeEx(LayerIndex), vys = LCD_GetVYSizeEx(LayerIndex);
      LCD_SetSizeEx(LayerIndex, ys, xs);
      LCD_SetVSizeEx(LayerIndex, vys, vxs);
      _aDriverSwapped[LayerIndex] = Swap;
    }
    return Orientation ? 0 : 1;
  }
  if (!Orientation || !pFirst) {
    return 1;
  }
  auto Prop = [pFirst](int Index) { return pFirst->pDeviceAPI->pfGetDevProp(pFirst, Index); };
  I32 XSize = Prop(LCD_DEVCAP_XSIZE), YSize = Prop(LCD_DEVCAP_YSIZE);
  I32 VXSize = GUI__Max(Prop(LCD_DEVCAP_VXSIZE), XSize), VYSize = GUI__Max(Prop(LCD_DEVCAP_VYSIZE), YSize);
  I64 CacheBytes = (I64)pRenderer->BytesPerPixel * VXSize * VYSize;
  if (XSize <= 0 || YSize <= 0 || VXSize > 0x7FFF || VYSize > 0x7FFF || CacheBytes > 0x7FFFFFFF) {
    return 1;
  }
  GUI_DEVICE* pDriver = GUI_DEVICE__GetDriver(LayerIndex);
  GUI_DEVICE* pDevice = GUI_DEVICE_Create(&GUI_OrientDeviceAPI, pDriver ? pDriver->pColorConvAPI : nullptr, 1,
                                          LayerIndex);
  if (!pDevice) {
    GUI_Warn("GUI_SetOrientation:\nMemory allocation 1 failed in GUI_SetOrientationExCached()");
    return 1;
  }
  GUI_DEVICE_Link(pDevice);
  auto* p = static_cast<GUI_ORIENT_CONTEXT*>(GUI_ALLOC_GetFixedBlock((I32)sizeof(GUI_ORIENT_CONTEXT)));
  if (!p) {
    GUI_Warn("GUI_SetOrientation:\nMemory allocation 2 failed in GUI_SetOrientationExCached()");
    GUI_DEVICE_Delete(pDevice);
    return 1;
  }
  std::memset(p, 0, sizeof(*p));
  p->Orientation = U32(Orientation);
  p->XSize = XSize, p->YSize = YSize, p->VXSize = VXSize, p->VYSize = VYSize;
  p->pRenderer = pRenderer;
  p->pfMap = _aMapping[Orientation].pfMap;
  int Sign = _aMapping[Orientation].StepSign;
  p->PixelStep = (Sign == 2 || Sign == -2) ? Sign / 2 * VXSize : Sign;
  pDevice->u.pContext = p;
  if (pRenderer->BytesPerPixel) {
    p->BytesPerLine = I32(pRenderer->BytesPerPixel * VXSize);
    p->pCache = static_cast<U8*>(GUI_ALLOC_GetFixedBlock((I32)CacheBytes));
    if (!p->pCache) {
      GUI_Warn("GUI_SetOrientation:\nMemory allocation 3 failed in GUI_SetOrientationExCached()");
      GUI_DEVICE_Delete(pDevice);
      GUI_ALLOC_FreeFixedBlock(p);
      return 1;
    }
    GUI_DEVICE* pNext = pDevice->pNext;
    switch (pRenderer->BytesPerPixel) {
    case 1:
      _FillCache<U8>(p, pNext);
      break;
    case 2:
      _FillCache<U16>(p, pNext);
      break;
    default:
      _FillCache<U32>(p, pNext);
      break;
    }
  }
  return 0;
}

}  // namespace

// The drawing area follows the layer's new logical size.
int GUI_SetOrientationExCached(int Orientation, int LayerIndex, const GUI_ORIENT_RENDERER* pRenderer) {
  GUI_LockGuard Lock;
  int r = _SetOrientation(Orientation, LayerIndex, pRenderer);
  if (LayerIndex == GUI_pContext->SelLayer && GUI_DEVICE__GetHead(LayerIndex)) {
    LCD_SetClipRectToDevice();
  }
  return r;
}

int GUI_SetOrientationEx(int Orientation, int LayerIndex) {
  GUI_LockGuard Lock;
  int Bpp = LCD_GetBitsPerPixelEx(LayerIndex);
  const GUI_ORIENT_RENDERER* pRenderer = Bpp < 8     ? &GUI_OrientRendererPlain
                                         : Bpp == 8  ? &GUI_OrientRendererCache8
                                         : Bpp <= 16 ? &GUI_OrientRendererCache16
                                                     : &GUI_OrientRendererCache32;
  return GUI_SetOrientationExCached(Orientation, LayerIndex, pRenderer);
}

int GUI_SetOrientation(int Orientation) { return GUI_SetOrientationEx(Orientation, GUI_pContext->SelLayer); }
