// Simulation display driver: keeps each layer's pixels in a frame buffer, either the host's or its own.
#include "GUI_Private.h"

#include <cstdlib>
#include <cstring>

namespace {

struct LAYER {
  LCD_SIMDRV_BUFFER Buf;  // the buffer written (host's or private)
  bool HostBuffer;
  void* pPrivate;
  U32 PrivateCnt;
  int XSize, YSize, VXSize, VYSize;
  int xOrg, yOrg;
  int xPos, yPos;
  int Vis;
  int Alpha;
  U32 NumRefused;
};

LAYER _aLayer[GUI_NUM_LAYERS];
const LCD_SIMDRV_HOST_API* _pHost;

inline LAYER* _GetLayer(const GUI_DEVICE* pDevice) { return &_aLayer[pDevice->LayerIndex]; }

inline void _Changed(LAYER* pLayer) {
  if (pLayer->Buf.pChangeCnt) {  // the host's window polls it from its own thread
    __atomic_fetch_add(pLayer->Buf.pChangeCnt, 1u, __ATOMIC_RELEASE);
  }
}

inline int _BytesPerPixel(const LAYER* pLayer) { return pLayer->Buf.Storage == LCD_SIMDRV_STORAGE_XRGB ? 4 : 2; }

// Points at pixel (x, y) when the run of n pixels from there lies inside the buffer, else counts a refusal.
U8* _Ptr(LAYER* pLayer, int x, int y, int n) {
  const LCD_SIMDRV_BUFFER* b = &pLayer->Buf;
  if (!b->pData || x < 0 || y < 0 || n <= 0 || x + n > b->VXSize || y >= b->VYSize) {
    pLayer->NumRefused++;
    return nullptr;
  }
  U64 Off = (U64)y * (U64)b->BytesPerLine + (U64)(x + n) * (U64)_BytesPerPixel(pLayer);
  U64 Limit = b->NumBytes ? b->NumBytes : (U64)b->BytesPerLine * (U64)b->VYSize;
  if (Off > Limit) {
    pLayer->NumRefused++;
    return nullptr;
  }
  return static_cast<U8*>(b->pData) + (size_t)y * (size_t)b->BytesPerLine + (size_t)x * _BytesPerPixel(pLayer);
}

// 32-bit storage holds the colour in bitmap order (red and blue exchanged against the GUI colour).
inline U32 _SwapRB(U32 c) { return (c & 0xFF00FF00u) | ((c & 0xFF) << 16) | ((c >> 16) & 0xFF); }

inline U32 _Index2Stored(const GUI_DEVICE* pDevice, const LAYER* pLayer, LCD_PIXELINDEX Index) {
  if (pLayer->Buf.Storage == LCD_SIMDRV_STORAGE_XRGB) {
    return _SwapRB(pDevice->pColorConvAPI->pfIndex2Color(Index));
  }
  return Index & 0xFFFF;
}

inline LCD_PIXELINDEX _Stored2Index(const GUI_DEVICE* pDevice, const LAYER* pLayer, U32 Stored) {
  if (pLayer->Buf.Storage == LCD_SIMDRV_STORAGE_XRGB) {
    return pDevice->pColorConvAPI->pfColor2Index(_SwapRB(Stored));
  }
  return Stored;
}

inline void _Put(const LAYER* pLayer, U8* p, U32 Stored) {
  if (pLayer->Buf.Storage == LCD_SIMDRV_STORAGE_XRGB) {
    std::memcpy(p, &Stored, 4);
  } else {
    U16 v = (U16)Stored;
    std::memcpy(p, &v, 2);
  }
}

inline U32 _Get(const LAYER* pLayer, const U8* p) {
  if (pLayer->Buf.Storage == LCD_SIMDRV_STORAGE_XRGB) {
    U32 v;
    std::memcpy(&v, p, 4);
    return v;
  }
  U16 v;
  std::memcpy(&v, p, 2);
  return v;
}

LCD_PIXELINDEX _IndexMask(const GUI_DEVICE* pDevice) { return pDevice->pColorConvAPI->pfGetIndexMask(); }

// Writes a run of n pixels of one index, or inverts them in XOR mode.
void _FillRun(GUI_DEVICE* pDevice, LAYER* pLayer, int x, int y, int n, LCD_PIXELINDEX Index, bool Xor) {
  U8* p = _Ptr(pLayer, x, y, n);
  if (!p) {
    return;
  }
  if (Xor) {
    LCD_PIXELINDEX Mask = _IndexMask(pDevice);
    int Step = _BytesPerPixel(pLayer);
    for (int i = 0; i < n; i++, p += Step) {
      LCD_PIXELINDEX Old = _Stored2Index(pDevice, pLayer, _Get(pLayer, p));
      _Put(pLayer, p, _Index2Stored(pDevice, pLayer, Old ^ Mask));
    }
    return;
  }
  U32 Stored = _Index2Stored(pDevice, pLayer, Index);
  if (pLayer->Buf.Storage == LCD_SIMDRV_STORAGE_XRGB) {
    if ((reinterpret_cast<PTR_ADDR>(p) & 3) == 0) {
      GUI__memset32(reinterpret_cast<U32*>(p), Stored, n);
    } else {
      for (int i = 0; i < n; i++) {
        std::memcpy(p + 4 * i, &Stored, 4);
      }
    }
  } else if ((reinterpret_cast<PTR_ADDR>(p) & 1) == 0) {
    GUI__memset16(reinterpret_cast<U16*>(p), (U16)Stored, n);
  } else {
    U16 v = (U16)Stored;
    for (int i = 0; i < n; i++) {
      std::memcpy(p + 2 * i, &v, 2);
    }
  }
}

void _SetPixelIndex(GUI_DEVICE* pDevice, int x, int y, LCD_PIXELINDEX Index) {
  LAYER* pLayer = _GetLayer(pDevice);
  U8* p = _Ptr(pLayer, x, y, 1);
  if (p) {
    _Put(pLayer, p, _Index2Stored(pDevice, pLayer, Index));
    _Changed(pLayer);
  }
}

LCD_PIXELINDEX _GetPixelIndex(GUI_DEVICE* pDevice, int x, int y) {
  LAYER* pLayer = _GetLayer(pDevice);
  const LCD_SIMDRV_BUFFER* b = &pLayer->Buf;
  if (!b->pData || x < 0 || y < 0 || x >= b->VXSize || y >= b->VYSize) {
    return 0;
  }
  U8* p = _Ptr(pLayer, x, y, 1);
  return p ? _Stored2Index(pDevice, pLayer, _Get(pLayer, p)) : 0;
}

void _XorPixel(GUI_DEVICE* pDevice, int x, int y) {
  LAYER* pLayer = _GetLayer(pDevice);
  _FillRun(pDevice, pLayer, x, y, 1, 0, true);
  _Changed(pLayer);
}

void _FillRect(GUI_DEVICE* pDevice, int x0, int y0, int x1, int y1) {
  if (x1 < x0 || y1 < y0) {
    return;
  }
  LAYER* pLayer = _GetLayer(pDevice);
  bool Xor = (GUI_pContext->DrawMode & LCD_DRAWMODE_XOR) != 0;
  LCD_PIXELINDEX Index = *GUI_pContext->LCD_pColorIndex;
  int n = x1 - x0 + 1;
  U8* pFirst = nullptr;
  for (int y = y0; y <= y1; y++) {
    if (!Xor && pFirst) {
      // Every further row is a copy of the first one.
      U8* p = _Ptr(pLayer, x0, y, n);
      if (p) {
        std::memcpy(p, pFirst, (size_t)n * _BytesPerPixel(pLayer));
      }
      continue;
    }
    _FillRun(pDevice, pLayer, x0, y, n, Index, Xor);
    if (!Xor) {
      pFirst = _Ptr(pLayer, x0, y, n);
    }
  }
  _Changed(pLayer);
}

void _DrawHLine(GUI_DEVICE* pDevice, int x0, int y, int x1) { _FillRect(pDevice, x0, y, x1, y); }
void _DrawVLine(GUI_DEVICE* pDevice, int x, int y0, int y1) { _FillRect(pDevice, x, y0, x, y1); }


void _DrawBitmap(GUI_DEVICE* pDevice, int x0, int y0, int xSize, int ySize, int BitsPerPixel, int BytesPerLine,
                 const U8* pData, int Diff, const LCD_PIXELINDEX* pTrans) {
  if (xSize <= 0 || ySize <= 0) {
    return;
  }
  LAYER* pLayer = _GetLayer(pDevice);
  int DrawMode = GUI_pContext->DrawMode;
  bool Xor = (DrawMode & LCD_DRAWMODE_XOR) != 0;
  bool Trans = (DrawMode & LCD_DRAWMODE_TRANS) && pTrans;
  if (BitsPerPixel >= 16) {
    pTrans = nullptr;
    Trans = false;
  }
  LCD_PIXELINDEX Mask = _IndexMask(pDevice);
  int Step = _BytesPerPixel(pLayer);
  bool Native = (BitsPerPixel == 16 && !Xor && pLayer->Buf.Storage == LCD_SIMDRV_STORAGE_565);
  // 5-6-5 rows into 32-bit storage (memory devices copied to the simulator's buffer) convert a row at a time.
  int Widen = -1;
  if (BitsPerPixel == 16 && !Xor && pLayer->Buf.Storage == LCD_SIMDRV_STORAGE_XRGB) {
    GUI_COLOR (*pfIndex2Color)(LCD_PIXELINDEX) = pDevice->pColorConvAPI->pfIndex2Color;
    Widen = pfIndex2Color == LCD_CC_BGR565_Index2Color ? 1 : pfIndex2Color == LCD_CC_RGB565_Index2Color ? 0 : -1;
  }
  for (int y = 0; y < ySize; y++, pData += BytesPerLine) {
    U8* p = _Ptr(pLayer, x0, y0 + y, xSize);
    if (!p) {
      continue;
    }
    if (Native) {
      std::memcpy(p, pData, (size_t)xSize * 2);
      continue;
    }
    if (Widen >= 0 && (reinterpret_cast<PTR_ADDR>(p) & 3) == 0 && (reinterpret_cast<PTR_ADDR>(pData) & 1) == 0) {
      GUI__ConvertRow565ToXRGB(reinterpret_cast<const U16*>(pData) + Diff, reinterpret_cast<U32*>(p), xSize, Widen);
      continue;
    }
    for (int x = 0; x < xSize; x++, p += Step) {
      U32 Raw = GUI__ReadPixelRaw(pData, BitsPerPixel, Diff + x);
      if (Xor) {
        if (Raw) {
          LCD_PIXELINDEX Old = _Stored2Index(pDevice, pLayer, _Get(pLayer, p));
          _Put(pLayer, p, _Index2Stored(pDevice, pLayer, Old ^ Mask));
        }
        continue;
      }
      if (Trans && Raw == 0) {
        continue;
      }
      _Put(pLayer, p, _Index2Stored(pDevice, pLayer, pTrans ? pTrans[Raw] : Raw));
    }
  }
  _Changed(pLayer);
}

// The operations below that the host implements are counted by the host, once and only when it accepts them;
// without a host routine the driver counts them itself.
void _SetOrg(GUI_DEVICE* pDevice, int x, int y) {
  LAYER* pLayer = _GetLayer(pDevice);
  pLayer->xOrg = x;
  pLayer->yOrg = y;
  if (_pHost && _pHost->pfSetOrg) {
    _pHost->pfSetOrg(pDevice->LayerIndex, x, y);
  } else {
    _Changed(pLayer);
  }
}

// The private buffer follows the layer's virtual size.
void _UpdatePrivate(int LayerIndex) {
  LAYER* pLayer = &_aLayer[LayerIndex];
  if (pLayer->HostBuffer) {
    return;
  }
  int VX = pLayer->VXSize > pLayer->XSize ? pLayer->VXSize : pLayer->XSize;
  int VY = pLayer->VYSize > pLayer->YSize ? pLayer->VYSize : pLayer->YSize;
  std::free(pLayer->pPrivate);
  pLayer->pPrivate = nullptr;
  std::memset(&pLayer->Buf, 0, sizeof(pLayer->Buf));
  if (VX <= 0 || VY <= 0) {
    return;
  }
  size_t NumBytes = (size_t)VX * (size_t)VY * 2;
  pLayer->pPrivate = std::calloc(1, NumBytes);
  if (!pLayer->pPrivate) {
    GUI_ErrorOut("LCD_SIMDRV:\nNo memory for the frame buffer in LCD_SetVSizeEx()");
    return;
  }
  LCD_SIMDRV_BUFFER* b = &pLayer->Buf;
  b->pData = pLayer->pPrivate;
  b->XSize = pLayer->XSize;
  b->YSize = pLayer->YSize;
  b->VXSize = VX;
  b->VYSize = VY;
  b->BytesPerLine = VX * 2;
  b->pChangeCnt = &pLayer->PrivateCnt;
  b->Storage = LCD_SIMDRV_STORAGE_565;
  b->NumBytes = (U32)NumBytes;
}

void _SetSize(int LayerIndex, int xSize, int ySize) {
  LAYER* pLayer = &_aLayer[LayerIndex];
  pLayer->XSize = xSize;
  pLayer->YSize = ySize;
  _UpdatePrivate(LayerIndex);
  if (_pHost && _pHost->pfSetSize) {
    _pHost->pfSetSize(LayerIndex, xSize, ySize);
  } else {
    _Changed(pLayer);
  }
}

void _SetVSize(int LayerIndex, int xSize, int ySize) {
  LAYER* pLayer = &_aLayer[LayerIndex];
  pLayer->VXSize = xSize;
  pLayer->VYSize = ySize;
  _UpdatePrivate(LayerIndex);
}

void _SetLUTEntry(int LayerIndex, U8 Pos, GUI_COLOR Color) {
  if (_pHost && _pHost->pfSetLUTEntry) {
    _pHost->pfSetLUTEntry(LayerIndex, Pos, Color);
  } else {
    _Changed(&_aLayer[LayerIndex]);
  }
}

void _SetPos(int LayerIndex, int x, int y) {
  _aLayer[LayerIndex].xPos = x;
  _aLayer[LayerIndex].yPos = y;
  if (_pHost && _pHost->pfSetPos) {
    _pHost->pfSetPos(LayerIndex, x, y);
  } else {
    _Changed(&_aLayer[LayerIndex]);
  }
}

void _GetPos(int LayerIndex, int* px, int* py) {
  *px = _aLayer[LayerIndex].xPos;
  *py = _aLayer[LayerIndex].yPos;
}

void _SetVis(int LayerIndex, int OnOff) {
  _aLayer[LayerIndex].Vis = OnOff;
  if (_pHost && _pHost->pfSetVis) {
    _pHost->pfSetVis(LayerIndex, OnOff);
  } else {
    _Changed(&_aLayer[LayerIndex]);
  }
}

void _SetAlpha(int LayerIndex, int Alpha) {
  _aLayer[LayerIndex].Alpha = Alpha;
  if (_pHost && _pHost->pfSetAlpha) {
    _pHost->pfSetAlpha(LayerIndex, Alpha);
  } else {
    _Changed(&_aLayer[LayerIndex]);
  }
}

void _CopyBuffer(int LayerIndex, int IndexSrc, int IndexDst) {
  LAYER* pLayer = &_aLayer[LayerIndex];
  if (_pHost && _pHost->pfCopyBuffer) {
    _pHost->pfCopyBuffer(LayerIndex, IndexSrc, IndexDst);
    return;
  }
  if (pLayer->Buf.pData && pLayer->YSize > 0 && IndexSrc >= 0 && IndexDst >= 0) {
    int Lines = pLayer->YSize;
    if ((IndexSrc + 1) * Lines <= pLayer->Buf.VYSize && (IndexDst + 1) * Lines <= pLayer->Buf.VYSize) {
      U8* pBase = static_cast<U8*>(pLayer->Buf.pData);
      size_t Line = (size_t)pLayer->Buf.BytesPerLine;
      std::memmove(pBase + (size_t)IndexDst * Lines * Line, pBase + (size_t)IndexSrc * Lines * Line, Lines * Line);
      _Changed(pLayer);
    }
  }
}

void _ShowBuffer(int LayerIndex, int Index) {
  LAYER* pLayer = &_aLayer[LayerIndex];
  if (_pHost && _pHost->pfShowBuffer) {
    _pHost->pfShowBuffer(LayerIndex, Index);
    return;
  }
  pLayer->xOrg = 0;
  pLayer->yOrg = Index * pLayer->YSize;
  if (_pHost && _pHost->pfSetOrg) {
    _pHost->pfSetOrg(LayerIndex, 0, pLayer->yOrg);
  } else {
    _Changed(pLayer);
  }
}

GUI_DEVICE_FUNC _GetDevFunc(GUI_DEVICE** ppDevice, int Index) {
  (void)ppDevice;
  switch (Index) {
    case LCD_DEVFUNC_SETLUTENTRY:
      return reinterpret_cast<GUI_DEVICE_FUNC>(_SetLUTEntry);
    case LCD_DEVFUNC_SETPOS:
      return reinterpret_cast<GUI_DEVICE_FUNC>(_SetPos);
    case LCD_DEVFUNC_GETPOS:
      return reinterpret_cast<GUI_DEVICE_FUNC>(_GetPos);
    case LCD_DEVFUNC_SETALPHA:
      return reinterpret_cast<GUI_DEVICE_FUNC>(_SetAlpha);
    case LCD_DEVFUNC_SETVIS:
      return reinterpret_cast<GUI_DEVICE_FUNC>(_SetVis);
    case LCD_DEVFUNC_SETSIZE:
      return reinterpret_cast<GUI_DEVICE_FUNC>(_SetSize);
    case LCD_DEVFUNC_SETVSIZE:
      return reinterpret_cast<GUI_DEVICE_FUNC>(_SetVSize);
    case LCD_DEVFUNC_COPYBUFFER:
      return reinterpret_cast<GUI_DEVICE_FUNC>(_CopyBuffer);
    case LCD_DEVFUNC_SHOWBUFFER:
      return reinterpret_cast<GUI_DEVICE_FUNC>(_ShowBuffer);
    default:
      return nullptr;
  }
}

I32 _GetDevProp(GUI_DEVICE* pDevice, int Index) {
  LAYER* pLayer = _GetLayer(pDevice);
  switch (Index) {
    case LCD_DEVCAP_XSIZE:
      return pLayer->XSize;
    case LCD_DEVCAP_YSIZE:
      return pLayer->YSize;
    case LCD_DEVCAP_VXSIZE:
      return pLayer->VXSize > pLayer->XSize ? pLayer->VXSize : pLayer->XSize;
    case LCD_DEVCAP_VYSIZE:
      return pLayer->VYSize > pLayer->YSize ? pLayer->VYSize : pLayer->YSize;
    case LCD_DEVCAP_BITSPERPIXEL:
      return LCD__GetBPP(_IndexMask(pDevice));
    case LCD_DEVCAP_NUMCOLORS: {
      int Bits = LCD__GetBPP(_IndexMask(pDevice));
      return Bits < 24 ? (I32)(1u << Bits) : 0;
    }
    case LCD_DEVCAP_XMAG:
    case LCD_DEVCAP_YMAG:
      return 1;
    default:
      return 0;
  }
}

void* _GetDevData(GUI_DEVICE* pDevice, int Index) {
  if (Index == LCD_DEVDATA_MEMDEV && GUI__pfGetMemdevAPI) {
    return const_cast<GUI_DEVICE_API*>(GUI__pfGetMemdevAPI(LCD__GetBPPDevice(_IndexMask(pDevice))));
  }
  return nullptr;
}

void _GetRect(GUI_DEVICE* pDevice, LCD_RECT* pRect) {
  pRect->x0 = 0;
  pRect->y0 = 0;
  pRect->x1 = GUI__ClampI16(_GetDevProp(pDevice, LCD_DEVCAP_VXSIZE) - 1);
  pRect->y1 = GUI__ClampI16(_GetDevProp(pDevice, LCD_DEVCAP_VYSIZE) - 1);
}

}  // namespace

const GUI_DEVICE_API LCD_SIMDRV_API = {
    DEVICE_CLASS_DRIVER, _DrawBitmap, _DrawHLine,  _DrawVLine,  _FillRect,   _GetPixelIndex, _SetPixelIndex,
    _XorPixel,           _SetOrg,     _GetDevFunc, _GetDevProp, _GetDevData, _GetRect,
};

int LCD_SIMDRV_SetBuffer(int LayerIndex, const LCD_SIMDRV_BUFFER* pBuffer) {
  if (LayerIndex < 0 || LayerIndex >= GUI_NUM_LAYERS) {
    return 1;
  }
  GUI_Lock();
  LAYER* pLayer = &_aLayer[LayerIndex];
  int r = 0;
  if (!pBuffer) {
    pLayer->HostBuffer = false;
    _UpdatePrivate(LayerIndex);
  } else if (!pBuffer->pData || pBuffer->VXSize <= 0 || pBuffer->VYSize <= 0 ||
             pBuffer->BytesPerLine < pBuffer->VXSize * (pBuffer->Storage == LCD_SIMDRV_STORAGE_XRGB ? 4 : 2) ||
             (pBuffer->Storage != LCD_SIMDRV_STORAGE_565 && pBuffer->Storage != LCD_SIMDRV_STORAGE_XRGB)) {
    r = 1;
  } else {
    std::free(pLayer->pPrivate);
    pLayer->pPrivate = nullptr;
    pLayer->HostBuffer = true;
    pLayer->Buf = *pBuffer;
  }
  GUI_Unlock();
  return r;
}

void LCD_SIMDRV_SetHostAPI(const LCD_SIMDRV_HOST_API* pAPI) { _pHost = pAPI; }

const LCD_SIMDRV_BUFFER* LCD_SIMDRV_GetBuffer(int LayerIndex) {
  if (LayerIndex < 0 || LayerIndex >= GUI_NUM_LAYERS || !_aLayer[LayerIndex].Buf.pData) {
    return nullptr;
  }
  return &_aLayer[LayerIndex].Buf;
}

const U16* LCD_SIMDRV__GetRow565(int LayerIndex, int x, int y, int n) {
  if (LayerIndex < 0 || LayerIndex >= GUI_NUM_LAYERS) {
    return nullptr;
  }
  const LCD_SIMDRV_BUFFER* b = &_aLayer[LayerIndex].Buf;
  if (!b->pData || b->Storage != LCD_SIMDRV_STORAGE_565 || x < 0 || y < 0 || n <= 0 || x + n > b->VXSize ||
      y >= b->VYSize) {
    return nullptr;
  }
  U64 End = (U64)y * (U64)b->BytesPerLine + (U64)(x + n) * 2;
  U64 Limit = b->NumBytes ? b->NumBytes : (U64)b->BytesPerLine * (U64)b->VYSize;
  if (End > Limit || ((reinterpret_cast<PTR_ADDR>(b->pData) | (PTR_ADDR)b->BytesPerLine) & 1)) {
    return nullptr;
  }
  return reinterpret_cast<const U16*>(static_cast<const U8*>(b->pData) + (size_t)y * (size_t)b->BytesPerLine) + x;
}

int LCD_SIMDRV__MoveRect(int LayerIndex, const GUI_RECT* pRect, int dx, int dy) {
  if (LayerIndex < 0 || LayerIndex >= GUI_NUM_LAYERS || !pRect || pRect->x1 < pRect->x0 || pRect->y1 < pRect->y0) {
    return 1;
  }
  LAYER* pLayer = &_aLayer[LayerIndex];
  const LCD_SIMDRV_BUFFER* b = &pLayer->Buf;
  int x0 = pRect->x0, y0 = pRect->y0, n = pRect->x1 - pRect->x0 + 1, Rows = pRect->y1 - pRect->y0 + 1;
  auto Inside = [b](int x, int y, int w, int h) {
    if (!b->pData || x < 0 || y < 0 || x + w > b->VXSize || y + h > b->VYSize) return false;
    U64 End = (U64)(y + h - 1) * (U64)b->BytesPerLine + (U64)(x + w) * (U64)(b->Storage == LCD_SIMDRV_STORAGE_XRGB ? 4 : 2);
    return End <= (b->NumBytes ? b->NumBytes : (U64)b->BytesPerLine * (U64)b->VYSize);
  };
  if (!Inside(x0, y0, n, Rows) || !Inside(x0 + dx, y0 + dy, n, Rows)) {
    return 1;
  }
  int Step = _BytesPerPixel(pLayer);
  U8* pBase = static_cast<U8*>(b->pData);
  // Rows in the order that never overwrites a row before it was moved.
  for (int i = 0; i < Rows; i++) {
    int Row = dy > 0 ? Rows - 1 - i : i;
    U8* pSrc = pBase + (size_t)(y0 + Row) * (size_t)b->BytesPerLine + (size_t)x0 * Step;
    U8* pDst = pBase + (size_t)(y0 + Row + dy) * (size_t)b->BytesPerLine + (size_t)(x0 + dx) * Step;
    std::memmove(pDst, pSrc, (size_t)n * Step);
  }
  _Changed(pLayer);
  return 0;
}

U32 LCD_SIMDRV_GetNumRefused(int LayerIndex) {
  return (LayerIndex >= 0 && LayerIndex < GUI_NUM_LAYERS) ? _aLayer[LayerIndex].NumRefused : 0;
}

void LCD_SIMDRV__Exit(void) {
  for (LAYER& Layer : _aLayer) {
    std::free(Layer.pPrivate);
  }
  std::memset(_aLayer, 0, sizeof(_aLayer));
}
