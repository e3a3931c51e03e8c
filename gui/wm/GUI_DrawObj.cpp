// Drawable objects of the four kinds.
#include "GUI_DrawObj.h"

namespace {

GUI_DRAWOBJ_IMAGE_API _ImageAPI;

struct LockGuard {
  LockGuard() { GUI_Lock(); }
  ~LockGuard() { GUI_Unlock(); }
};

// Reads the data pointer and the offsets without keeping the record locked while the routine draws.
void _Read(GUI_HMEM hObj, const void** ppData, int* pxOff, int* pyOff) {
  const GUI_DRAWOBJ* p = (const GUI_DRAWOBJ*)GUI_ALLOC_h2p(hObj);
  *ppData = p->pData;
  if (pxOff) {
    *pxOff = p->xOff;
    *pyOff = p->yOff;
  }
}

void _DrawBitmap(GUI_HMEM hObj, WM_HWIN, int x, int y) {
  const void* pData;
  int xOff, yOff;
  _Read(hObj, &pData, &xOff, &yOff);
  if (_ImageAPI.pfDrawBitmap) {
    _ImageAPI.pfDrawBitmap((const GUI_BITMAP*)pData, x + xOff, y + yOff);
  }
}

int _GetBitmapXSize(GUI_HMEM hObj) {
  const void* pData;
  _Read(hObj, &pData, nullptr, nullptr);
  return ((const GUI_BITMAP*)pData)->XSize;
}

int _GetBitmapYSize(GUI_HMEM hObj) {
  const void* pData;
  _Read(hObj, &pData, nullptr, nullptr);
  return ((const GUI_BITMAP*)pData)->YSize;
}

void _DrawBMP(GUI_HMEM hObj, WM_HWIN, int x, int y) {
  const void* pData;
  int xOff, yOff;
  _Read(hObj, &pData, &xOff, &yOff);
  if (_ImageAPI.pfDrawBMP) {
    _ImageAPI.pfDrawBMP(pData, x + xOff, y + yOff);
  }
}

int _GetBMPXSize(GUI_HMEM hObj) {
  const void* pData;
  _Read(hObj, &pData, nullptr, nullptr);
  return _ImageAPI.pfGetBMPXSize ? _ImageAPI.pfGetBMPXSize(pData) : 0;
}

int _GetBMPYSize(GUI_HMEM hObj) {
  const void* pData;
  _Read(hObj, &pData, nullptr, nullptr);
  return _ImageAPI.pfGetBMPYSize ? _ImageAPI.pfGetBMPYSize(pData) : 0;
}

void _DrawStreamed(GUI_HMEM hObj, WM_HWIN, int x, int y) {
  const void* pData;
  int xOff, yOff;
  _Read(hObj, &pData, &xOff, &yOff);
  if (_ImageAPI.pfDrawStreamedBitmap) {
    _ImageAPI.pfDrawStreamedBitmap(pData, x + xOff, y + yOff);
  }
}

// The stream header holds the sizes as little-endian u16 at bytes 4 and 6.
int _GetStreamedSize(GUI_HMEM hObj, int Offset) {
  const void* pData;
  _Read(hObj, &pData, nullptr, nullptr);
  const U8* p = (const U8*)pData + Offset;
  return p[0] | (p[1] << 8);
}

int _GetStreamedXSize(GUI_HMEM hObj) {
  return _GetStreamedSize(hObj, 4);
}

int _GetStreamedYSize(GUI_HMEM hObj) {
  return _GetStreamedSize(hObj, 6);
}

void _DrawUser(GUI_HMEM hObj, WM_HWIN hWin, int, int) {
  const void* pData;
  _Read(hObj, &pData, nullptr, nullptr);
  ((GUI_DRAWOBJ_USER_FUNC*)pData)(hWin);
}

int _GetZero(GUI_HMEM) {
  return 0;
}

const GUI_DRAWOBJ_API _APIBitmap = {_DrawBitmap, _GetBitmapXSize, _GetBitmapYSize};
const GUI_DRAWOBJ_API _APIBMP = {_DrawBMP, _GetBMPXSize, _GetBMPYSize};
const GUI_DRAWOBJ_API _APIStreamed = {_DrawStreamed, _GetStreamedXSize, _GetStreamedYSize};
const GUI_DRAWOBJ_API _APIUser = {_DrawUser, _GetZero, _GetZero};

GUI_HMEM _Create(const GUI_DRAWOBJ_API* pConsts, const void* pData, int xOff, int yOff) {
  LockGuard Lock;
  GUI_HMEM hObj = GUI_ALLOC_AllocZero((I32)sizeof(GUI_DRAWOBJ));
  if (hObj) {
    GUI_DRAWOBJ* p = (GUI_DRAWOBJ*)GUI_ALLOC_h2p(hObj);
    p->pConsts = pConsts;
    p->pData = pData;
    p->xOff = (I16)xOff;
    p->yOff = (I16)yOff;
  }
  return hObj;
}

const GUI_DRAWOBJ_API* _GetAPI(GUI_HMEM hObj) {
  return ((const GUI_DRAWOBJ*)GUI_ALLOC_h2p(hObj))->pConsts;
}

} // namespace

void GUI_DRAWOBJ__SetImageAPI(const GUI_DRAWOBJ_IMAGE_API* pAPI) {
  LockGuard Lock;
  _ImageAPI = pAPI ? *pAPI : GUI_DRAWOBJ_IMAGE_API{};
}

GUI_HMEM GUI_DRAWOBJ_CreateBitmap(const GUI_BITMAP* pBitmap, int xOff, int yOff) {
  return pBitmap ? _Create(&_APIBitmap, pBitmap, xOff, yOff) : 0;
}

GUI_HMEM GUI_DRAWOBJ_CreateBMP(const void* pBMP, int xOff, int yOff) {
  return pBMP ? _Create(&_APIBMP, pBMP, xOff, yOff) : 0;
}

GUI_HMEM GUI_DRAWOBJ_CreateStreamedBitmap(const void* pStream, int xOff, int yOff) {
  return pStream ? _Create(&_APIStreamed, pStream, xOff, yOff) : 0;
}

GUI_HMEM GUI_DRAWOBJ_CreateCallback(GUI_DRAWOBJ_USER_FUNC* pfDraw, int xOff, int yOff) {
  return pfDraw ? _Create(&_APIUser, (const void*)pfDraw, xOff, yOff) : 0;
}

void GUI_DRAWOBJ_Draw(GUI_HMEM hObj, WM_HWIN hWin, int x, int y) {
  if (!hObj) {
    return;
  }
  LockGuard Lock;
  _GetAPI(hObj)->pfDraw(hObj, hWin, x, y);
}

int GUI_DRAWOBJ_GetXSize(GUI_HMEM hObj) {
  if (!hObj) {
    return 0;
  }
  LockGuard Lock;
  return _GetAPI(hObj)->pfGetXSize(hObj);
}

int GUI_DRAWOBJ_GetYSize(GUI_HMEM hObj) {
  if (!hObj) {
    return 0;
  }
  LockGuard Lock;
  return _GetAPI(hObj)->pfGetYSize(hObj);
}
