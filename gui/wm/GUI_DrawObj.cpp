// Drawable objects: the record, the calls that reach a kind's routines, and the user-routine kind.
#include "GUI_DrawObj.h"

namespace {

struct LockGuard {
  LockGuard() { GUI_Lock(); }
  ~LockGuard() { GUI_Unlock(); }
};

void _DrawUser(GUI_HMEM hObj, WM_HWIN hWin, int, int) {
  ((GUI_DRAWOBJ_USER_FUNC*)GUI_DRAWOBJ__GetData(hObj, nullptr, nullptr))(hWin);
}

int _GetZero(GUI_HMEM) {
  return 0;
}

const GUI_DRAWOBJ_API _APIUser = {_DrawUser, _GetZero, _GetZero};

const GUI_DRAWOBJ_API* _GetAPI(GUI_HMEM hObj) {
  return ((const GUI_DRAWOBJ*)GUI_ALLOC_h2p(hObj))->pConsts;
}

} // namespace

GUI_HMEM GUI_DRAWOBJ__Create(const GUI_DRAWOBJ_API* pConsts, const void* pData, int xOff, int yOff) {
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

const void* GUI_DRAWOBJ__GetData(GUI_HMEM hObj, int* pxOff, int* pyOff) {
  const GUI_DRAWOBJ* p = (const GUI_DRAWOBJ*)GUI_ALLOC_h2p(hObj);
  if (pxOff) {
    *pxOff = p->xOff;
  }
  if (pyOff) {
    *pyOff = p->yOff;
  }
  return p->pData;
}

GUI_HMEM GUI_DRAWOBJ_CreateCallback(GUI_DRAWOBJ_USER_FUNC* pfDraw, int xOff, int yOff) {
  return pfDraw ? GUI_DRAWOBJ__Create(&_APIUser, (const void*)pfDraw, xOff, yOff) : 0;
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
