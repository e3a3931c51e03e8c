// Creation, typed locking, user data and skins of every widget, driven by the widget module's WIDGET_TYPE.
#include <cstring>
#include <string>

#include "WIDGET_Type.h"

static std::string _Text(const WIDGET_TYPE* pType, const char* pMiddle, const char* pFunc) {
  return std::string(pType->pName) + ":\n" + pMiddle + pType->pName + pFunc;
}

WM_HWIN WIDGET__CreateUser(const WIDGET_TYPE* pType, int x0, int y0, int xSize, int ySize, WM_HWIN hParent,
                           U32 WinFlags, int Id, int NumExtraBytes) {
  WM__LockGuard Lock;
  WIDGET__InstallHooks();
  if (NumExtraBytes < 0) {
    NumExtraBytes = 0;
  }
  int OwnSize = (int)(pType->ObjSize - sizeof(WM_OBJ));
  WM_HWIN hObj = WM_CreateWindowAsChild(x0, y0, xSize, ySize, hParent, WinFlags | pType->StyleBits, pType->cb,
                                        OwnSize + NumExtraBytes);
  if (!hObj) {
    if (pType->pNoWindowText) {
      GUI_ErrorOut(pType->pNoWindowText);
    } else {
      GUI_Warn(_Text(pType, "", "_CreateUser() failed").c_str());
    }
    return 0;
  }
  U8* p = (U8*)WM_H2P(hObj);
  WIDGET__Init((WIDGET*)p, Id, pType->InitialState);
  if (pType->TagOffset) {
    *(U32*)(p + pType->TagOffset) = pType->Tag;
  }
  if (pType->pDefaultProps && pType->PropsSize) {
    memcpy(p + pType->PropsOffset, pType->pDefaultProps, pType->PropsSize);
  }
  if (pType->ppDefaultSkin && pType->SkinOffset) {
    *(const WIDGET_SKIN**)(p + pType->SkinOffset) = *pType->ppDefaultSkin;
  }
  return hObj;
}

WM_HWIN WIDGET__FinishCreate(const WIDGET_TYPE* pType, WM_HWIN hObj) {
  WM__LockGuard Lock;
  const WIDGET_SKIN* pSkin = WIDGET__GetSkin(pType, hObj);
  if (pSkin && pSkin->pfCreate) {
    pSkin->pfCreate(hObj);
  }
  return hObj;
}

WM_HWIN WIDGET__CreateFailed(const WIDGET_TYPE* pType, WM_HWIN hObj) {
  WM__LockGuard Lock;
  GUI_ErrorOut(_Text(pType, "Failed to alloc buffer in ", "_CreateUser()").c_str());
  WM_DeleteWindow(hObj);
  return 0;
}

WM_HWIN WIDGET__CreateIndirect(WIDGET_CREATE_USER_FUNC* pfCreateUser, const WIDGET_CREATE_INFO* pCreateInfo,
                               WM_HWIN hParent, int x0, int y0, int WinFlags) {
  if (!pCreateInfo) {
    return 0;
  }
  return pfCreateUser(x0 + pCreateInfo->x0, y0 + pCreateInfo->y0, pCreateInfo->xSize, pCreateInfo->ySize, hParent,
                      WinFlags, pCreateInfo->Flags, pCreateInfo->Id, (int)pCreateInfo->NumExtraBytes);
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
    GUI_ErrorOut(_Text(pType, "Wrong handle type or Object not init'ed in ", "_LockH()").c_str());
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

const WIDGET_SKIN* WIDGET__GetSkin(const WIDGET_TYPE* pType, WM_HWIN hObj) {
  if (!pType->SkinOffset || !WM__IsWindow(hObj)) {
    return nullptr;
  }
  return *(const WIDGET_SKIN* const*)((const U8*)WM_H2P(hObj) + pType->SkinOffset);
}

WIDGET_DRAW_ITEM_FUNC* WIDGET__GetDrawSkin(const WIDGET_TYPE* pType, WM_HWIN hObj) {
  if (!pType->DrawSkinOffset || !WM__IsWindow(hObj)) {
    return nullptr;
  }
  return *(WIDGET_DRAW_ITEM_FUNC* const*)((const U8*)WM_H2P(hObj) + pType->DrawSkinOffset);
}

static void _SetSkin(const WIDGET_TYPE* pType, WM_HWIN hObj, const WIDGET_SKIN* pSkin, bool Flex,
                     WIDGET_DRAW_ITEM_FUNC* pfDraw) {
  WM__LockGuard Lock;
  U8* p = (U8*)WIDGET__GetObj(pType, hObj);
  if (!p || !pSkin || !pType->SkinOffset) {
    return;
  }
  *(const WIDGET_SKIN**)(p + pType->SkinOffset) = pSkin;
  if (Flex && pType->DrawSkinOffset) {
    *(WIDGET_DRAW_ITEM_FUNC**)(p + pType->DrawSkinOffset) = pfDraw;
  }
  if (pSkin->pfCreate) {
    pSkin->pfCreate(hObj);
  }
  if (WM__IsWindow(hObj)) {
    WM_InvalidateWindow(hObj);
  }
}

void WIDGET__PaintSkin(const WIDGET_TYPE* pType, WM_HWIN hObj) {
  const WIDGET_SKIN* pSkin = WIDGET__GetSkin(pType, hObj);
  if (pSkin && pSkin->pfPaint) {
    pSkin->pfPaint(hObj);
  }
}

void WIDGET__SetSkinClassic(const WIDGET_TYPE* pType, WM_HWIN hObj, const WIDGET_SKIN* pSkin) {
  _SetSkin(pType, hObj, pSkin, false, nullptr);
}

void WIDGET__SetSkinFlex(const WIDGET_TYPE* pType, WM_HWIN hObj, const WIDGET_SKIN* pSkin,
                         WIDGET_DRAW_ITEM_FUNC* pfDraw) {
  _SetSkin(pType, hObj, pSkin, true, pfDraw);
}

void WIDGET__SetDefaultSkinClassic(const WIDGET_TYPE* pType, const WIDGET_SKIN* pSkin) {
  WM__LockGuard Lock;
  *pType->ppDefaultSkin = pSkin;
}

WIDGET_DRAW_ITEM_FUNC* WIDGET__SetDefaultSkinFlex(const WIDGET_TYPE* pType, const WIDGET_SKIN* pSkin,
                                                  WIDGET_DRAW_ITEM_FUNC* pfDraw) {
  WM__LockGuard Lock;
  WIDGET_DRAW_ITEM_FUNC** ppDraw =
      (WIDGET_DRAW_ITEM_FUNC**)((U8*)pType->pDefaultProps + (pType->DrawSkinOffset - pType->PropsOffset));
  WIDGET_DRAW_ITEM_FUNC* pOld = *ppDraw;
  *ppDraw = pfDraw;
  *pType->ppDefaultSkin = pSkin;
  return pOld;
}

void WIDGET__Callback(const WIDGET_TYPE* pType, WM_MESSAGE* pMsg) {
  WM_HWIN hObj = pMsg->hWin;
  WM__WATCH Watch(hObj);
  if (!WIDGET_HandleActive(hObj, pMsg)) {
    if (pMsg->MsgId == WIDGET_SET_EFFECT && pType->pfOnEffect && Watch.Alive()) {
      pType->pfOnEffect(hObj);
    }
    return;
  }
  if (pType->pfOnMessage && pType->pfOnMessage(hObj, pMsg)) {
    return;
  }
  switch (pMsg->MsgId) {
  case WM_PAINT:
    if (pType->pfOnPaint) {
      pType->pfOnPaint(hObj);
    } else {
      WIDGET__PaintSkin(pType, hObj);
    }
    return;
  case WM_DELETE:
    if (pType->pfOnDelete) {
      pType->pfOnDelete(hObj);
    }
    break;
  case WM_KEY:
    if (pType->pfOnKey) {
      pType->pfOnKey(hObj, (const GUI_KEY_MSG*)pMsg->Data.p);
    }
    break;
  case WM_POINTER:
    if (pType->pfOnPointer) {
      pType->pfOnPointer(hObj, (const GUI_POINTER_STATE*)pMsg->Data.p);
    }
    break;
  }
  // The handlers may have let the parent delete the widget (and another window take its handle).
  if (Watch.Alive()) {
    WM_DefaultProc(pMsg);
  }
}

bool WIDGET__NotifyPointer(WM_HWIN hObj, const GUI_POINTER_STATE* pState) {
  if (pState && pState->Pressed) {
    return true;
  }
  WIDGET__NotifyParent(hObj, pState ? WM_NOTIFICATION_RELEASED : WM_NOTIFICATION_MOVED_OUT);
  return false;
}

void WIDGET__NotifyClicks(WM_HWIN hObj, const GUI_POINTER_STATE* pState) {
  if (WIDGET__NotifyPointer(hObj, pState)) {
    WIDGET__NotifyParent(hObj, WM_NOTIFICATION_CLICKED);
  }
}

int WIDGET__ArrowStep(const GUI_KEY_MSG* pKey, int UpDown) {
  if (!pKey || pKey->PressedCnt <= 0) {
    return 0;
  }
  switch (pKey->Key) {
  case GUI_KEY_LEFT:
    return -1;
  case GUI_KEY_RIGHT:
    return 1;
  case GUI_KEY_UP:
    return UpDown ? -1 : 0;
  case GUI_KEY_DOWN:
    return UpDown ? 1 : 0;
  }
  return 0;
}
