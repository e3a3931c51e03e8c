// BUTTON: images per state, kept as drawable objects.
#include "BUTTON.h"
#include "GUI_ImageDrawObj.h"
#include "WM_Intern.h"

void BUTTON__SetDrawObj(WM_HWIN hObj, unsigned Index, GUI_HMEM hDrawObj) {
  WM__LockGuard Lock;
  BUTTON_OBJ* pObj = BUTTON__GetObj(hObj);
  WIDGET__SetDrawObj(hObj, pObj && Index < 3 ? &pObj->ahDrawObj[Index] : nullptr, hDrawObj);
}

const void* BUTTON_GetBitmap(WM_HWIN hObj, unsigned Index) {
  WM__LockGuard Lock;
  const BUTTON_OBJ* pObj = BUTTON__GetObj(hObj);
  if (!pObj || Index >= 3 || !pObj->ahDrawObj[Index]) {
    return nullptr;
  }
  return ((const GUI_DRAWOBJ*)GUI_ALLOC_h2p(pObj->ahDrawObj[Index]))->pData;
}

// Creates the object only for a button, so that a wrong handle allocates nothing.
template <class F> static void _Set(WM_HWIN hObj, unsigned Index, F fCreate) {
  WM__LockGuard Lock;
  if (BUTTON__GetObj(hObj)) {
    BUTTON__SetDrawObj(hObj, Index, fCreate());
  }
}

void BUTTON_SetBitmapEx(WM_HWIN hObj, unsigned Index, const GUI_BITMAP* pBitmap, int x, int y) {
  _Set(hObj, Index, [&] { return GUI_DRAWOBJ_CreateBitmap(pBitmap, x, y); });
}

void BUTTON_SetBitmap(WM_HWIN hObj, unsigned Index, const GUI_BITMAP* pBitmap) {
  BUTTON_SetBitmapEx(hObj, Index, pBitmap, 0, 0);
}

void BUTTON_SetBMPEx(WM_HWIN hObj, unsigned Index, const void* pBitmap, int x, int y) {
  _Set(hObj, Index, [&] { return GUI_DRAWOBJ_CreateBMP(pBitmap, x, y); });
}

void BUTTON_SetBMP(WM_HWIN hObj, unsigned Index, const void* pBitmap) {
  BUTTON_SetBMPEx(hObj, Index, pBitmap, 0, 0);
}

void BUTTON_SetStreamedBitmapEx(WM_HWIN hObj, unsigned Index, const void* pBitmap, int x, int y) {
  _Set(hObj, Index, [&] { return GUI_DRAWOBJ_CreateStreamedBitmap(pBitmap, x, y); });
}

void BUTTON_SetStreamedBitmap(WM_HWIN hObj, unsigned Index, const void* pBitmap) {
  BUTTON_SetStreamedBitmapEx(hObj, Index, pBitmap, 0, 0);
}

void BUTTON_SetDrawCallbackEx(WM_HWIN hObj, unsigned Index, GUI_DRAWOBJ_USER_FUNC* pfDraw, int x, int y) {
  _Set(hObj, Index, [&] { return GUI_DRAWOBJ_CreateCallback(pfDraw, x, y); });
}

void BUTTON_SetDrawCallback(WM_HWIN hObj, unsigned Index, GUI_DRAWOBJ_USER_FUNC* pfDraw) {
  BUTTON_SetDrawCallbackEx(hObj, Index, pfDraw, 0, 0);
}

void BUTTON_SetSelfDraw(WM_HWIN hObj, unsigned Index, GUI_DRAWOBJ_USER_FUNC* pfDraw) {
  BUTTON_SetDrawCallback(hObj, Index, pfDraw);
}
