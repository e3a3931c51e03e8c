// CHECKBOX: creation, typed locking and the callback with its key and pointer handling.
#include "CHECKBOX.h"

namespace {

CHECKBOX_OBJ* _Obj(WM_HWIN hObj) {
  return (CHECKBOX_OBJ*)WM_H2P(hObj);
}

void _Advance(WM_HWIN hObj) {
  const CHECKBOX_OBJ* pObj = _Obj(hObj);
  CHECKBOX_SetState(hObj, (unsigned)((pObj->CurrentState + 1) % pObj->NumStates));
}

void _OnKey(WM_HWIN hObj, const GUI_KEY_MSG* pKey) {
  if (pKey && pKey->PressedCnt > 0 && pKey->Key == GUI_KEY_SPACE && WM__IsEnabled(hObj)) {
    _Advance(hObj);
  }
}

void _OnDelete(WM_HWIN hObj) {
  GUI_ALLOC_FreePtr(&_Obj(hObj)->hpText);
}

void _OnPointer(WM_HWIN hObj, const GUI_POINTER_STATE* pState) {
  if (!pState) {
    WIDGET__NotifyParent(hObj, WM_NOTIFICATION_MOVED_OUT);
  } else if (WM_HasCaptured(hObj)) {
    WIDGET__NotifyParent(hObj, 0);
  } else if (pState->Pressed) {
    WM__WATCH Watch(hObj);
    WM_SetCapture(hObj, 1);
    _Advance(hObj);
    if (Watch.Alive()) {
      WIDGET__NotifyParent(hObj, WM_NOTIFICATION_CLICKED);
    }
  } else {
    int Id = _Obj(hObj)->Widget.Id;
    if (WIDGET__NotifyParent(hObj, WM_NOTIFICATION_RELEASED)) {
      GUI_StoreKey(Id);
    }
  }
}

} // namespace

const WIDGET_TYPE CHECKBOX__Type = {.pName = "CHECKBOX",
                                    .cb = CHECKBOX_Callback,
                                    .ObjSize = sizeof(CHECKBOX_OBJ),
                                    .TagOffset = offsetof(CHECKBOX_OBJ, DebugId),
                                    .Tag = CHECKBOX_ID,
                                    .InitialState = WIDGET_STATE_FOCUSABLE,
                                    .pDefaultProps = &CHECKBOX__DefaultProps,
                                    .PropsOffset = offsetof(CHECKBOX_OBJ, Props),
                                    .PropsSize = sizeof(CHECKBOX_PROPS),
                                    .ppDefaultSkin = &CHECKBOX__pDefaultSkin,
                                    .SkinOffset = offsetof(CHECKBOX_OBJ, pSkin),
                                    .DrawSkinOffset = offsetof(CHECKBOX_OBJ, Props.SkinPrivate.pfDrawSkin),
                                    .pfOnDelete = _OnDelete,
                                    .pfOnKey = _OnKey,
                                    .pfOnPointer = _OnPointer};

void CHECKBOX_Callback(WM_MESSAGE* pMsg) {
  WIDGET__Callback(&CHECKBOX__Type, pMsg);
}

WM_HWIN CHECKBOX_CreateUser(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id,
                            int NumExtraBytes) {
  WM__LockGuard Lock;
  if (!xSize || !ySize) {
    const CHECKBOX_SKIN_PRIVATE* pPrivate = (const CHECKBOX_SKIN_PRIVATE*)CHECKBOX__pDefaultSkin->pSkinPrivate;
    int Size = pPrivate && pPrivate->pfGetDefaultSize ? pPrivate->pfGetDefaultSize() : 15;
    xSize = xSize ? xSize : Size;
    ySize = ySize ? ySize : Size;
  }
  if (CHECKBOX__DefaultProps.BkColor == WM_NO_COLOR) {
    WinFlags |= WM_CF_HASTRANS;
  }
  WM_HWIN hObj =
      WIDGET__CreateUser(&CHECKBOX__Type, x0, y0, xSize, ySize, hParent, (U32)WinFlags, Id, NumExtraBytes);
  if (!hObj) {
    return 0;
  }
  CHECKBOX_OBJ* pObj = _Obj(hObj);
  pObj->NumStates = 2;
  pObj->FlexButtonSize = 15;
  return WIDGET__FinishCreate(&CHECKBOX__Type, hObj);
}

WM_HWIN CHECKBOX_CreateEx(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id) {
  return CHECKBOX_CreateUser(x0, y0, xSize, ySize, hParent, WinFlags, ExFlags, Id, 0);
}

WM_HWIN CHECKBOX_Create(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int Id, int Flags) {
  return CHECKBOX_CreateEx(x0, y0, xSize, ySize, hParent, Flags, 0, Id);
}

WM_HWIN CHECKBOX_CreateIndirect(const WIDGET_CREATE_INFO* pCreateInfo, WM_HWIN hParent, int x0, int y0,
                                WM_CALLBACK*) {
  return WIDGET__CreateIndirect(CHECKBOX_CreateUser, pCreateInfo, hParent, x0, y0, 0);
}

CHECKBOX_OBJ* CHECKBOX_LockH(WM_HWIN hObj) {
  return (CHECKBOX_OBJ*)WIDGET__LockH(&CHECKBOX__Type, hObj);
}
