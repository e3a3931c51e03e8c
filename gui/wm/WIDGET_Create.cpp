// Creation, typed locking and user data of every widget, driven by the widget module's WIDGET_TYPE.
#include <string>

#include "WIDGET.h"
#include "WM_Intern.h"

WM_HWIN WIDGET__CreateUser(const WIDGET_TYPE* pType, int x0, int y0, int xSize, int ySize, WM_HWIN hParent,
                           U32 WinFlags, int Id, int NumExtraBytes) {
  WM__LockGuard Lock;
  if (NumExtraBytes < 0) {
    NumExtraBytes = 0;
  }
  int OwnSize = (int)(pType->ObjSize - sizeof(WM_OBJ));
  WM_HWIN hObj = WM_CreateWindowAsChild(x0, y0, xSize, ySize, hParent, WinFlags | pType->StyleBits, pType->cb,
                                        OwnSize + NumExtraBytes);
  if (!hObj) {
    std::string s = std::string(pType->pName) + ":\n" + pType->pName + "_CreateUser() failed";
    GUI_Warn(s.c_str());
    return 0;
  }
  U8* p = (U8*)WM_H2P(hObj);
  WIDGET__Init((WIDGET*)p, Id, pType->InitialState);
  if (pType->TagOffset) {
    *(U32*)(p + pType->TagOffset) = pType->Tag;
  }
  return hObj;
}

// Only a block at least as large as the record can carry the tag; a smaller one (another kind of window)
// is refused without reading past its end.
static int _IsOfType(const WIDGET_TYPE* pType, WM_HWIN hObj, const void* p) {
  if (!pType->TagOffset) {
    return GUI_ALLOC_GetSize(hObj) >= (I32)pType->ObjSize;
  }
  if (GUI_ALLOC_GetSize(hObj) < (I32)(pType->TagOffset + sizeof(U32))) {
    return 0;
  }
  return *(const U32*)((const U8*)p + pType->TagOffset) == pType->Tag;
}

void* WIDGET__LockH(const WIDGET_TYPE* pType, WM_HWIN hObj) {
  if (!hObj) {
    return nullptr;
  }
  void* p = GUI_ALLOC_LockH(hObj);
  if (!p) {
    return nullptr;
  }
  if (!_IsOfType(pType, hObj, p)) {
    GUI_ALLOC_UnlockH(&p);
    std::string s = std::string(pType->pName) + ":\nWrong handle type or Object not init'ed in " + pType->pName +
                    "_LockH()";
    GUI_ErrorOut(s.c_str());
    return nullptr;
  }
  return p;
}

void* WIDGET__GetObj(const WIDGET_TYPE* pType, WM_HWIN hObj) {
  void* p = WIDGET__LockH(pType, hObj);
  if (p) {
    GUI_ALLOC_UnlockH(&p);
    return GUI_ALLOC_h2p(hObj);
  }
  return nullptr;
}

int WIDGET__GetUserData(const WIDGET_TYPE* pType, WM_HWIN hObj, void* pDest, int NumBytes) {
  WM__LockGuard Lock;
  if (!hObj || !WIDGET__GetObj(pType, hObj)) {
    return 0;
  }
  return WM__GetUserDataEx(hObj, pDest, NumBytes, (int)pType->ObjSize);
}

int WIDGET__SetUserData(const WIDGET_TYPE* pType, WM_HWIN hObj, const void* pSrc, int NumBytes) {
  WM__LockGuard Lock;
  if (!hObj || !WIDGET__GetObj(pType, hObj)) {
    return 0;
  }
  return WM__SetUserDataEx(hObj, pSrc, NumBytes, (int)pType->ObjSize);
}
