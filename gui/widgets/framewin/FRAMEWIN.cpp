// FRAMEWIN: creation, typed locking, the frame's callback (focus and activity, dragging, notifications of its
// children, the dialog status) and the client window's callback, which hands the dialog's messages to the
// dialog procedure with the frame as their window.
#include "FRAMEWIN.h"

namespace {

constexpr int _DragMargin = 5;

WM_HWIN _Frame(WM_HWIN hClient) {
  return WM_GetParent(hClient);
}

void _SetActive(WM_HWIN hObj, int OnOff) {
  FRAMEWIN_SetActive(hObj, OnOff);
}

void _DefaultHandling(WM_HWIN hObj, WM_MESSAGE* pMsg) {
  WM__WATCH Watch(hObj);
  if (WIDGET_HandleActive(hObj, pMsg) && Watch.Alive()) {
    WM_DefaultProc(pMsg);
  }
}

// Focus moved into the frame goes on to a child; what the child tells reaches the dialog procedure, which
// may delete the frame.
void _OnSetFocus(WM_HWIN hObj, WM_MESSAGE* pMsg) {
  WM__WATCH Watch(hObj);
  if (pMsg->Data.v != 1) {
    _SetActive(hObj, 0);
    if (Watch.Alive()) {
      WIDGET_HandleActive(hObj, pMsg);
    }
    return;
  }
  WM_HWIN hChild = FRAMEWIN__Obj(hObj)->hFocussedChild;
  WM_HWIN hTook = 0;
  if (hChild && WM__IsWindow(hChild)) {
    WM__WATCH WatchChild(hChild);
    WM_SetFocus(hChild);
    hTook = WatchChild.Alive() && WM_HasFocus(hChild) ? hChild : 0;
  } else {
    WM_HWIN hClient = FRAMEWIN__Obj(hObj)->hClient;
    hTook = WM_SetFocusOnNextChild(hClient);
    if (Watch.Alive()) {
      FRAMEWIN__Obj(hObj)->hFocussedChild = hTook;
    }
  }
  if (!Watch.Alive()) {
    pMsg->Data.v = 1; // gone: it cannot take the focus
    return;
  }
  _SetActive(hObj, 1);
  if (hTook) {
    pMsg->Data.v = 1; // a child took it: the frame itself does not
  } else {
    WIDGET_HandleActive(hObj, pMsg); // the frame takes the focus itself
  }
}

void _OnChildFocusChanged(WM_HWIN hObj, WM_MESSAGE* pMsg) {
  const WM_FOCUS_CHANGE* pInfo = (const WM_FOCUS_CHANGE*)pMsg->Data.p;
  if (pInfo) {
    if (WM__IsWindow(pInfo->hNew) && WM__IsAncestorOrSelf(pInfo->hNew, hObj)) {
      _SetActive(hObj, 1);
    } else {
      _SetActive(hObj, 0);
      if (WM__IsWindow(pInfo->hOld) && WM__IsAncestor(pInfo->hOld, hObj)) {
        FRAMEWIN__Obj(hObj)->hFocussedChild = pInfo->hOld;
      }
    }
  }
  WM_DefaultProc(pMsg);
}

void _OnPointer(WM_HWIN hObj, WM_MESSAGE* pMsg) {
  const GUI_POINTER_STATE* pState = (const GUI_POINTER_STATE*)pMsg->Data.p;
  if (pState) {
    FRAMEWIN_OBJ* pObj = FRAMEWIN__Obj(hObj);
    if (!pState->Pressed) {
      pObj->Flags &= (U16)~FRAMEWIN_SF_DRAGGING;
    } else {
      if (!(pObj->Flags & FRAMEWIN_SF_ACTIVE)) {
        WM__WATCH Watch(hObj); // the parent hears of the focus and may delete the frame
        WM_SetFocus(hObj);
        if (!Watch.Alive()) {
          return;
        }
      }
      WM_BringToTop(hObj);
      pObj = FRAMEWIN__Obj(hObj);
      U16 Need = FRAMEWIN_SF_MOVEABLE | FRAMEWIN_SF_DRAGGING;
      if ((pObj->Flags & Need) == Need && !(pObj->Flags & FRAMEWIN_SF_MAXIMIZED)) {
        WM__MoveByPointer(hObj, pState, _DragMargin, 0);
      }
    }
  }
  _DefaultHandling(hObj, pMsg);
}

void _cbClient(WM_MESSAGE* pMsg) {
  WM_HWIN hClient = pMsg->hWin;
  WM_HWIN hObj = _Frame(hClient);
  FRAMEWIN_OBJ* pObj = (FRAMEWIN_OBJ*)WIDGET__GetObj(&FRAMEWIN__Type, hObj);
  if (!pObj) {
    WM_DefaultProc(pMsg);
    return;
  }
  // The focus moved to a child is told to the dialog procedure, which may delete the frame.
  WM__WATCH Watch(hObj);
  switch (pMsg->MsgId) {
  case WM_SET_FOCUS:
    if (pMsg->Data.v) {
      WM_HWIN hChild = pObj->hFocussedChild;
      if (hChild && hChild != hClient && WM__IsWindow(hChild)) {
        WM_SetFocus(hChild);
      } else {
        WM_HWIN hNew = WM_SetFocusOnNextChild(hClient);
        if (Watch.Alive()) {
          FRAMEWIN__Obj(hObj)->hFocussedChild = hNew;
        }
      }
    }
    return;
  case WM_GET_ACCEPT_FOCUS:
    WIDGET_HandleActive(hObj, pMsg);
    return;
  case WM_GET_BKCOLOR:
    pMsg->Data.v = (intptr_t)pObj->Props.ClientColor;
    return;
  case WM_GET_CLIENT_WINDOW:
  case WM_GET_INSIDE_RECT:
  case WM_GET_ID:
    WM_DefaultProc(pMsg);
    return;
  case WM_KEY: {
    const GUI_KEY_MSG* pKey = (const GUI_KEY_MSG*)pMsg->Data.p;
    if (pKey && pKey->PressedCnt > 0 && (pKey->Key == GUI_KEY_TAB || pKey->Key == GUI_KEY_BACKTAB)) {
      WM_HWIN hNew =
          pKey->Key == GUI_KEY_TAB ? WM_SetFocusOnNextChild(hClient) : WM_SetFocusOnPrevChild(hClient);
      if (Watch.Alive()) {
        FRAMEWIN__Obj(hObj)->hFocussedChild = hNew;
      }
      return;
    }
    break;
  }
  case WM_PAINT:
    if (pObj->Props.ClientColor <= 0xFFFFFF) {
      GUI_SetBkColor(pObj->Props.ClientColor);
      GUI_Clear();
    }
    if (pObj->cb) {
      WM_MESSAGE Msg = *pMsg;
      pObj->cb(&Msg);
    }
    return;
  }
  WM_CALLBACK* cb = pObj->cb;
  if (cb) {
    pMsg->hWin = hObj; // the dialog procedure always sees the dialog's handle
    cb(pMsg);
  } else {
    WM_DefaultProc(pMsg);
  }
}

} // namespace

const WIDGET_SKIN* FRAMEWIN__pDefaultSkin = &FRAMEWIN__SkinClassic;

const WIDGET_TYPE FRAMEWIN__Type = {.pName = "FRAMEWIN",
                                    .cb = FRAMEWIN_Callback,
                                    .ObjSize = sizeof(FRAMEWIN_OBJ),
                                    .TagOffset = offsetof(FRAMEWIN_OBJ, DebugId),
                                    .Tag = FRAMEWIN_ID,
                                    .StyleBits = WM_STATUS_NO_CLIP_ITERATION,
                                    .InitialState = WIDGET_STATE_FOCUSABLE | FRAMEWIN_STATE_TITLEVISIBLE,
                                    .pDefaultProps = &FRAMEWIN__DefaultProps,
                                    .PropsOffset = offsetof(FRAMEWIN_OBJ, Props),
                                    .PropsSize = sizeof(FRAMEWIN_PROPS),
                                    .ppDefaultSkin = &FRAMEWIN__pDefaultSkin,
                                    .SkinOffset = offsetof(FRAMEWIN_OBJ, pSkin),
                                    .DrawSkinOffset = offsetof(FRAMEWIN_OBJ, Props.pfDrawSkin)};

FRAMEWIN_OBJ* FRAMEWIN__Obj(WM_HWIN hObj) {
  return (FRAMEWIN_OBJ*)WM_H2P(hObj);
}

void FRAMEWIN_Callback(WM_MESSAGE* pMsg) {
  WM_HWIN hObj = pMsg->hWin;
  if (!WM__IsWindow(hObj)) {
    return;
  }
  if ((FRAMEWIN__Obj(hObj)->Flags & FRAMEWIN_SF_RESIZEABLE) && FRAMEWIN__HandleResize(hObj, pMsg)) {
    return;
  }
  FRAMEWIN_OBJ* pObj = FRAMEWIN__Obj(hObj);
  switch (pMsg->MsgId) {
  case WM_GET_CLIENT_WINDOW:
    pMsg->Data.v = (intptr_t)pObj->hClient;
    return;
  case WM_DELETE:
    GUI_ALLOC_FreePtr(&pObj->hText);
    break;
  case WM_POINTER_CHILD: {
    const WM_MESSAGE* pChildMsg = (const WM_MESSAGE*)pMsg->Data.p;
    const GUI_POINTER_STATE* pState = pChildMsg ? (const GUI_POINTER_STATE*)pChildMsg->Data.p : nullptr;
    if (!(pObj->Flags & FRAMEWIN_SF_ACTIVE) && pState && pState->Pressed) {
      WM__WATCH Watch(hObj); // the parent hears of the focus and may delete the frame
      WM_SetFocus(hObj);
      if (!Watch.Alive()) {
        return;
      }
    }
    break;
  }
  case WM_PAINT:
    WIDGET__PaintSkin(&FRAMEWIN__Type, hObj);
    return;
  case WM_POINTER_STATE_CHANGED: {
    const WM_POINTER_STATE_CHANGE* pInfo = (const WM_POINTER_STATE_CHANGE*)pMsg->Data.p;
    if (pInfo && pInfo->Pressed && !pInfo->PreviousPressed) {
      pObj->Flags |= FRAMEWIN_SF_DRAGGING;
    }
    break;
  }
  case WM_GET_INSIDE_RECT: {
    FRAMEWIN_POS Pos;
    FRAMEWIN__CalcPositions(hObj, &Pos);
    if (pMsg->Data.p) {
      *(GUI_RECT*)pMsg->Data.p = Pos.rClient;
    }
    return;
  }
  case WM_SET_FOCUS:
    _OnSetFocus(hObj, pMsg);
    return;
  case WM_CHILD_FOCUS_CHANGED:
    _OnChildFocusChanged(hObj, pMsg);
    return;
  case WM_NOTIFY_PARENT:
    if (pMsg->Data.v == WM_NOTIFICATION_RELEASED && WM__IsWindow(pMsg->hWinSrc)) {
      WM_MESSAGE Msg = {};
      Msg.MsgId = WM_NOTIFY_REFLECTION;
      Msg.hWinSrc = hObj;
      Msg.Data.v = WM_NOTIFICATION_RELEASED;
      WM_SendMessage(pMsg->hWinSrc, &Msg);
    }
    return;
  case WM_DIALOG_STATUS:
    if (pMsg->Data.p) {
      pObj->pDialogStatus = (GUI_DIALOG_STATUS*)pMsg->Data.p;
    } else {
      pMsg->Data.p = pObj->pDialogStatus;
    }
    return;
  case WM_POINTER:
    _OnPointer(hObj, pMsg);
    return;
  case WM_SIZE:
    FRAMEWIN__UpdatePositions(hObj);
    break;
  }
  _DefaultHandling(hObj, pMsg);
}

WM_HWIN FRAMEWIN_CreateUser(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id,
                            const char* pTitle, WM_CALLBACK* cb, int NumExtraBytes) {
  WM__LockGuard Lock;
  WM_HWIN hObj =
      WIDGET__CreateUser(&FRAMEWIN__Type, x0, y0, xSize, ySize, hParent, (U32)WinFlags, Id, NumExtraBytes);
  if (!hObj) {
    return 0;
  }
  FRAMEWIN_OBJ* pObj = FRAMEWIN__Obj(hObj);
  pObj->cb = cb;
  pObj->Flags = (U16)(ExFlags & (FRAMEWIN_SF_ACTIVE | FRAMEWIN_SF_MOVEABLE));
  FRAMEWIN_POS Pos;
  FRAMEWIN__CalcPositions(hObj, &Pos);
  int w = Pos.rClient.x1 - Pos.rClient.x0 + 1, h = Pos.rClient.y1 - Pos.rClient.y0 + 1;
  U32 Style = WM_STATUS_NO_CLIP_ITERATION | WM_STATUS_ANCHOR_MASK | WM_STATUS_VISIBLE;
  // A size of 0 would mean "as large as the parent": a frame too small for a client gets one pixel, and
  // the re-layout after the next resize gives the client its true size.
  WM_HWIN hClient = WM_CreateWindowAsChild(Pos.rClient.x0, Pos.rClient.y0, w > 0 ? w : 1, h > 0 ? h : 1, hObj,
                                           Style, _cbClient, 0);
  if (!hClient) {
    WM_DeleteWindow(hObj);
    GUI_Warn("FRAMEWIN:\nFRAMEWIN_CreateUser() failed");
    return 0;
  }
  FRAMEWIN__Obj(hObj)->hClient = hClient;
  WIDGET__FinishCreate(&FRAMEWIN__Type, hObj);
  if (!(WinFlags & (WM_CF_MEMDEV | WM_STATUS_MEMDEV_ON_REDRAW))) {
    WM_DisableMemdev(hObj);
  }
  if (pTitle) {
    FRAMEWIN_SetText(hObj, pTitle);
  }
  return hObj;
}

WM_HWIN FRAMEWIN_CreateEx(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id,
                          const char* pTitle, WM_CALLBACK* cb) {
  return FRAMEWIN_CreateUser(x0, y0, xSize, ySize, hParent, WinFlags, ExFlags, Id, pTitle, cb, 0);
}

WM_HWIN FRAMEWIN_Create(const char* pTitle, WM_CALLBACK* cb, int Flags, int x0, int y0, int xSize, int ySize) {
  return FRAMEWIN_CreateEx(x0, y0, xSize, ySize, 0, Flags, 0, 0, pTitle, cb);
}

WM_HWIN FRAMEWIN_CreateAsChild(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, const char* pText,
                               WM_CALLBACK* cb, int Flags) {
  return FRAMEWIN_CreateEx(x0, y0, xSize, ySize, hParent, Flags, 0, 0, pText, cb);
}

WM_HWIN FRAMEWIN_CreateIndirect(const WIDGET_CREATE_INFO* pCreateInfo, WM_HWIN hParent, int x0, int y0,
                                WM_CALLBACK* cb) {
  if (!pCreateInfo) {
    return 0;
  }
  return FRAMEWIN_CreateUser(x0 + pCreateInfo->x0, y0 + pCreateInfo->y0, pCreateInfo->xSize, pCreateInfo->ySize,
                             hParent, 0, pCreateInfo->Flags, pCreateInfo->Id, pCreateInfo->pName, cb,
                             (int)pCreateInfo->NumExtraBytes);
}

FRAMEWIN_OBJ* FRAMEWIN_LockH(WM_HWIN hObj) {
  return (FRAMEWIN_OBJ*)WIDGET__LockH(&FRAMEWIN__Type, hObj);
}

int FRAMEWIN_GetUserData(WM_HWIN hObj, void* pDest, int NumBytes) {
  return WIDGET__GetUserData(&FRAMEWIN__Type, hObj, pDest, NumBytes);
}

int FRAMEWIN_SetUserData(WM_HWIN hObj, const void* pSrc, int NumBytes) {
  return WIDGET__SetUserData(&FRAMEWIN__Type, hObj, pSrc, NumBytes);
}
