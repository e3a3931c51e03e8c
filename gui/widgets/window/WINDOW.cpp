// WINDOW: creation, settings and the callback.
#include "WINDOW.h"

#include "WM_Intern.h"

static GUI_COLOR _DefaultBkColor = 0xC0C0C0;

static const WIDGET_TYPE _Type = {"WINDOW", WINDOW_Callback, sizeof(WINDOW_OBJ), 0, 0, 0, WIDGET_STATE_FOCUSABLE};

static WINDOW_OBJ* _Obj(WM_HWIN hObj) {
  return (WINDOW_OBJ*)WM_H2P(hObj);
}

static void _ToUser(WM_HWIN hObj, WM_MESSAGE* pMsg) {
  WM_CALLBACK* cb = _Obj(hObj)->cb;
  if (cb) {
    cb(pMsg);
  } else {
    WM_DefaultProc(pMsg);
  }
}

static void _OnSetFocus(WM_HWIN hObj, WM_MESSAGE* pMsg) {
  if (pMsg->Data.v != 1) {
    return;
  }
  WM_HWIN hChild = _Obj(hObj)->hFocusedChild;
  if (hChild && hChild != hObj && WM__IsWindow(hChild)) {
    WM_SetFocus(hChild);
  } else {
    // The child that takes the focus tells the WINDOW's procedure, which may delete the WINDOW.
    WM__WATCH Watch(hObj);
    WM_HWIN hNew = WM_SetFocusOnNextChild(hObj);
    if (Watch.Alive()) {
      _Obj(hObj)->hFocusedChild = hNew;
    }
  }
  // Data stays 1: the WINDOW has passed the focus on instead of taking it.
}

void WINDOW_Callback(WM_MESSAGE* pMsg) {
  WM_HWIN hObj = pMsg->hWin;
  switch (pMsg->MsgId) {
  case WM_KEY: {
    const GUI_KEY_MSG* pKey = (const GUI_KEY_MSG*)pMsg->Data.p;
    if (pKey && pKey->PressedCnt >= 1 && (pKey->Key == GUI_KEY_TAB || pKey->Key == GUI_KEY_BACKTAB)) {
      WM__WATCH Watch(hObj);
      WM_HWIN hNew = pKey->Key == GUI_KEY_TAB ? WM_SetFocusOnNextChild(hObj) : WM_SetFocusOnPrevChild(hObj);
      if (Watch.Alive()) {
        _Obj(hObj)->hFocusedChild = hNew;
      }
      return;
    }
    break;
  }
  case WM_PAINT: {
    GUI_COLOR BkColor = _Obj(hObj)->BkColor;
    if (BkColor != WM_NO_COLOR) {
      GUI_SetBkColor(BkColor);
      GUI_Clear();
    }
    break;
  }
  case WM_SET_FOCUS:
    _OnSetFocus(hObj, pMsg);
    return;
  case WM_GET_ACCEPT_FOCUS:
    WIDGET_HandleActive(hObj, pMsg);
    return;
  case WM_CHILD_FOCUS_CHANGED: {
    const WM_FOCUS_CHANGE* pInfo = (const WM_FOCUS_CHANGE*)pMsg->Data.p;
    if (pInfo && WM__IsWindow(pInfo->hOld) && WM__IsAncestor(pInfo->hOld, hObj) &&
        !(WM__IsWindow(pInfo->hNew) && WM__IsAncestorOrSelf(pInfo->hNew, hObj))) {
      _Obj(hObj)->hFocusedChild = pInfo->hOld;
    }
    return;
  }
  case WM_GET_BKCOLOR:
    pMsg->Data.v = (intptr_t)_Obj(hObj)->BkColor;
    return;
  case WM_WINDOW_DATA:
    if (pMsg->Data.v == 0) {
      pMsg->Data.v = _Obj(hObj)->DialogData;
    } else {
      _Obj(hObj)->DialogData = pMsg->Data.v;
    }
    return;
  }
  _ToUser(hObj, pMsg);
}

WM_HWIN WINDOW_CreateUser(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id,
                          WM_CALLBACK* cb, int NumExtraBytes) {
  WM__LockGuard Lock;
  WM_HWIN hObj = WIDGET__CreateUser(&_Type, x0, y0, xSize, ySize, hParent, (U32)WinFlags, Id, NumExtraBytes);
  if (hObj) {
    WINDOW_OBJ* pObj = _Obj(hObj);
    pObj->cb = cb;
    pObj->hFocusedChild = 0;
    pObj->BkColor = _DefaultBkColor;
  }
  return hObj;
}

WM_HWIN WINDOW_CreateEx(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id,
                        WM_CALLBACK* cb) {
  return WINDOW_CreateUser(x0, y0, xSize, ySize, hParent, WinFlags, ExFlags, Id, cb, 0);
}

WM_HWIN WINDOW_CreateIndirect(const WIDGET_CREATE_INFO* pCreateInfo, WM_HWIN hParent, int x0, int y0,
                              WM_CALLBACK* cb) {
  return WINDOW_CreateUser(x0 + pCreateInfo->x0, y0 + pCreateInfo->y0, pCreateInfo->xSize, pCreateInfo->ySize,
                           hParent, 0, pCreateInfo->Flags, pCreateInfo->Id, cb, (int)pCreateInfo->NumExtraBytes);
}

void WINDOW_SetBkColor(WM_HWIN hObj, GUI_COLOR Color) {
  WM__LockGuard Lock;
  if (WIDGET__GetObj(&_Type, hObj)) {
    _Obj(hObj)->BkColor = Color;
    WM_InvalidateWindow(hObj);
  }
}

void WINDOW_SetDefaultBkColor(GUI_COLOR Color) {
  WIDGET__SetDefault(&_DefaultBkColor, Color);
}

int WINDOW_GetUserData(WM_HWIN hObj, void* pDest, int NumBytes) {
  return WIDGET__GetUserData(&_Type, hObj, pDest, NumBytes);
}

int WINDOW_SetUserData(WM_HWIN hObj, const void* pSrc, int NumBytes) {
  return WIDGET__SetUserData(&_Type, hObj, pSrc, NumBytes);
}
