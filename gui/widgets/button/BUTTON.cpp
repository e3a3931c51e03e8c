// BUTTON: creation, typed locking and the callback with its pointer and key handling.
#include "BUTTON.h"

#include <cstddef>

#include "WM_Intern.h"

BUTTON_PROPS BUTTON__DefaultProps = {{0xAAAAAA, 0xFFFFFF, 0xD3D3D3},
                                     {0x000000, 0x000000, 0x404040},
                                     0x000000,
                                     0x000000,
                                     GUI_DEFAULT_FONT,
                                     nullptr,
                                     GUI_TA_HCENTER | GUI_TA_VCENTER,
                                     0,
                                     0};

const WIDGET_TYPE BUTTON__Type = {.pName = "BUTTON",
                                  .cb = BUTTON_Callback,
                                  .ObjSize = sizeof(BUTTON_OBJ),
                                  .TagOffset = offsetof(BUTTON_OBJ, DebugId),
                                  .Tag = BUTTON_ID,
                                  .InitialState = WIDGET_STATE_FOCUSABLE,
                                  .pDefaultProps = &BUTTON__DefaultProps,
                                  .PropsOffset = offsetof(BUTTON_OBJ, Props),
                                  .PropsSize = sizeof(BUTTON_PROPS),
                                  .ppDefaultSkin = &BUTTON__pDefaultSkin,
                                  .SkinOffset = offsetof(BUTTON_OBJ, pSkin),
                                  .DrawSkinOffset = offsetof(BUTTON_OBJ, Props.pfDrawSkin)};

namespace {

typedef void POINTER_FUNC(WM_HWIN hObj, const WM_MESSAGE* pMsg);

// Press and release: -> 0 when the parent deleted the button on the notification.
int _Press(WM_HWIN hObj) {
  WIDGET_OrState(hObj, BUTTON_STATE_PRESSED);
  return !WM_IsVisible(hObj) || WIDGET__NotifyParent(hObj, WM_NOTIFICATION_CLICKED);
}

int _Release(WM_HWIN hObj, int Code) {
  WIDGET_AndState(hObj, BUTTON_STATE_PRESSED);
  if (Code == WM_NOTIFICATION_RELEASED) {
    GUI_StoreKey(((const WIDGET*)WM_H2P(hObj))->Id);
  }
  return !WM_IsVisible(hObj) || WIDGET__NotifyParent(hObj, Code);
}

int _IsPressed(WM_HWIN hObj) {
  return (((const WIDGET*)WM_H2P(hObj))->State & BUTTON_STATE_PRESSED) != 0;
}

// Touch mode: the button follows the pointer's touch of it.
void _OnPointerTouch(WM_HWIN hObj, const WM_MESSAGE* pMsg) {
  const GUI_POINTER_STATE* pState = (const GUI_POINTER_STATE*)pMsg->Data.p;
  if (!pState) {
    _Release(hObj, WM_NOTIFICATION_MOVED_OUT);
  } else if (pState->Pressed) {
    if (!_IsPressed(hObj)) {
      _Press(hObj);
    }
  } else if (_IsPressed(hObj)) {
    _Release(hObj, WM_NOTIFICATION_RELEASED);
  }
}

// Level mode: presses and clicks come from the changes of the pointer level; the pointer message only
// ends a press that left the button.
void _OnPointerLevel(WM_HWIN hObj, const WM_MESSAGE* pMsg) {
  const GUI_POINTER_STATE* pState = (const GUI_POINTER_STATE*)pMsg->Data.p;
  if (!pState || (!pState->Pressed && _IsPressed(hObj))) {
    _Release(hObj, WM_NOTIFICATION_MOVED_OUT);
  }
}

void _OnStateChangedLevel(WM_HWIN hObj, const WM_MESSAGE* pMsg) {
  const WM_POINTER_STATE_CHANGE* pInfo = (const WM_POINTER_STATE_CHANGE*)pMsg->Data.p;
  if (!pInfo) {
    return;
  }
  if (!pInfo->PreviousPressed && pInfo->Pressed && !_IsPressed(hObj)) {
    _Press(hObj);
  } else if (pInfo->PreviousPressed == 1 && !pInfo->Pressed && _IsPressed(hObj)) {
    _Release(hObj, WM_NOTIFICATION_RELEASED);
  }
}

POINTER_FUNC* _pfOnPointer = _OnPointerTouch;
POINTER_FUNC* _pfOnStateChanged = nullptr;

void _OnDelete(WM_HWIN hObj) {
  BUTTON_OBJ* pObj = (BUTTON_OBJ*)WM_H2P(hObj);
  GUI_HMEM ahFree[4] = {pObj->hText, pObj->ahDrawObj[0], pObj->ahDrawObj[1], pObj->ahDrawObj[2]};
  pObj->hText = 0;
  pObj->ahDrawObj[0] = pObj->ahDrawObj[1] = pObj->ahDrawObj[2] = 0;
  for (GUI_HMEM h : ahFree) {
    GUI_ALLOC_Free(h);
  }
}

// Returns 1 when the key was the button's.
int _OnKey(WM_HWIN hObj, const GUI_KEY_MSG* pKey) {
  if (!pKey) {
    return 0;
  }
  if (pKey->Key == GUI_KEY_ENTER && pKey->PressedCnt > 0) {
    if (_Press(hObj)) {
      _Release(hObj, WM_NOTIFICATION_RELEASED);
    }
    return 1;
  }
  if (pKey->Key == GUI_KEY_SPACE) {
    if (pKey->PressedCnt > 0) {
      _Press(hObj);
    } else {
      _Release(hObj, WM_NOTIFICATION_RELEASED);
    }
    return 1;
  }
  return 0;
}

} // namespace

void BUTTON_Callback(WM_MESSAGE* pMsg) {
  WM_HWIN hObj = pMsg->hWin;
  if (!WIDGET_HandleActive(hObj, pMsg)) {
    return;
  }
  switch (pMsg->MsgId) {
  case WM_DELETE:
    _OnDelete(hObj);
    break;
  case WM_KEY:
    if (_OnKey(hObj, (const GUI_KEY_MSG*)pMsg->Data.p)) {
      return;
    }
    break;
  case WM_PAINT:
    WIDGET__PaintSkin(&BUTTON__Type, hObj);
    return;
  case WM_POINTER_STATE_CHANGED:
    if (_pfOnStateChanged) {
      _pfOnStateChanged(hObj, pMsg);
    }
    return;
  case WM_NOTIFY_ENABLE:
    if (pMsg->Data.v == 0) {
      BUTTON_OBJ* pObj = (BUTTON_OBJ*)WM_H2P(hObj);
      pObj->Widget.State = (U16)(pObj->Widget.State & ~BUTTON_STATE_PRESSED);
    }
    break;
  case WM_POINTER:
    _pfOnPointer(hObj, pMsg);
    return;
  }
  WM_DefaultProc(pMsg);
}

WM_HWIN BUTTON_CreateUser(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id,
                          int NumExtraBytes) {
  WM__LockGuard Lock;
  WM_HWIN hObj = WIDGET__CreateUser(&BUTTON__Type, x0, y0, xSize, ySize, hParent, (U32)WinFlags, Id, NumExtraBytes);
  return hObj ? WIDGET__FinishCreate(&BUTTON__Type, hObj) : 0;
}

WM_HWIN BUTTON_CreateEx(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id) {
  return BUTTON_CreateUser(x0, y0, xSize, ySize, hParent, WinFlags, ExFlags, Id, 0);
}

WM_HWIN BUTTON_Create(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int Id, int Flags) {
  return BUTTON_CreateEx(x0, y0, xSize, ySize, hParent, Flags, 0, Id);
}

WM_HWIN BUTTON_CreateDesktop(int x0, int y0, int xSize, int ySize, int Id, int Flags) {
  return BUTTON_CreateEx(x0, y0, xSize, ySize, 0, Flags, 0, Id);
}

WM_HWIN BUTTON_CreateIndirect(const WIDGET_CREATE_INFO* pCreateInfo, WM_HWIN hParent, int x0, int y0, WM_CALLBACK*) {
  WM_HWIN hObj = WIDGET__CreateIndirect(BUTTON_CreateUser, pCreateInfo, hParent, x0, y0, 0);
  if (hObj) {
    BUTTON_SetText(hObj, pCreateInfo->pName);
  }
  return hObj;
}

BUTTON_OBJ* BUTTON_LockH(WM_HWIN hObj) {
  return (BUTTON_OBJ*)WIDGET__LockH(&BUTTON__Type, hObj);
}

BUTTON_OBJ* BUTTON__GetObj(WM_HWIN hObj) {
  return (BUTTON_OBJ*)WIDGET__GetObj(&BUTTON__Type, hObj);
}

void BUTTON_SetReactOnLevel(void) {
  WM__LockGuard Lock;
  _pfOnPointer = _OnPointerLevel;
  _pfOnStateChanged = _OnStateChangedLevel;
}

void BUTTON_SetReactOnTouch(void) {
  WM__LockGuard Lock;
  _pfOnPointer = _OnPointerTouch;
  _pfOnStateChanged = nullptr;
}
