// SCROLLBAR: creation, typed locking and the callback with its pointer, repeat-timer and key handling.
#include "SCROLLBAR.h"

#include "WM_Timer.h"

namespace {

constexpr int REPEAT_TIMER_ID = 1234;
constexpr int REPEAT_FIRST_MS = 400;
constexpr int REPEAT_NEXT_MS = 50;

SCROLLBAR_OBJ* _Obj(WM_HWIN hObj) {
  return (SCROLLBAR_OBJ*)WM_H2P(hObj);
}

void _StopRepeat(WM_HWIN hObj) {
  SCROLLBAR_OBJ* pObj = _Obj(hObj);
  GUI_HMEM hTimer = pObj->hTimer;
  pObj->hTimer = 0;
  pObj->RepeatStep = 0;
  if (hTimer) {
    WM_DeleteTimer(hTimer);
  }
}

// The value whose thumb would be centred on the axis position Pos (formed wide: the range may be millions).
int _ThumbValue(const SCROLLBAR_OBJ* pObj, const SCROLLBAR_POSITIONS& Pos, int x) {
  I64 Along = (I64)x - 1 - Pos.ThumbSize / 2 - Pos.x1_LeftArrow;
  return WM__ClampInt(GUI__DivideRound64(Along * ((I64)pObj->NumItems - pObj->PageSize), Pos.xSizeMoveable));
}

void _OnPress(WM_HWIN hObj, const GUI_POINTER_STATE* pState) {
  SCROLLBAR_OBJ* pObj = _Obj(hObj);
  SCROLLBAR_POSITIONS Pos;
  pObj->pfCalcPositions(hObj, &Pos);
  int x = (pObj->Widget.State & WIDGET_STATE_VERTICAL) ? pState->y : pState->x;
  I64 v = pObj->Value; // a step beyond the largest value is clamped back by SCROLLBAR_SetValue
  if (pObj->PressedPart == SCROLLBAR_PRESSED_THUMB) {
    _StopRepeat(hObj);
    v = pObj->TargetValue = _ThumbValue(pObj, Pos, x);
  } else {
    int Step = 0;
    if (x <= Pos.x1_LeftArrow) {
      Step = -1;
      if (pObj->PressedPart != SCROLLBAR_PRESSED_NEAR) {
        _StopRepeat(hObj);
        v--;
        pObj->PressedPart = SCROLLBAR_PRESSED_NEAR;
      }
    } else if (x < Pos.x0_Thumb) {
      v -= pObj->PageSize;
      Step = WM__ClampInt(-(I64)pObj->PageSize);
    } else if (x <= Pos.x1_Thumb) {
      if (Pos.xSizeMoveable > 0) {
        v = _ThumbValue(pObj, Pos, x);
      }
      pObj->PressedPart = SCROLLBAR_PRESSED_THUMB;
    } else if (x < Pos.x0_RightArrow) {
      v += pObj->PageSize;
      Step = pObj->PageSize;
    } else if (x <= Pos.x1_RightArrow) {
      Step = 1;
      if (pObj->PressedPart != SCROLLBAR_PRESSED_FAR) {
        _StopRepeat(hObj);
        v++;
        pObj->PressedPart = SCROLLBAR_PRESSED_FAR;
      }
    }
    pObj = _Obj(hObj);
    pObj->TargetValue = Pos.xSizeMoveable                              ? _ThumbValue(pObj, Pos, x)
                        : pObj->PressedPart == SCROLLBAR_PRESSED_FAR ? WM__ClampInt((I64)pObj->NumItems - 1)
                                                                     : 0;
    if (Step && !pObj->hTimer) {
      pObj->RepeatStep = Step;
      GUI_HMEM hTimer = WM_CreateTimer(hObj, REPEAT_TIMER_ID, REPEAT_FIRST_MS, 0);
      _Obj(hObj)->hTimer = hTimer;
    } else if (!Step && pObj->hTimer) {
      _StopRepeat(hObj);
    }
  }
  WM__WATCH Watch(hObj);
  WM_SetCapture(hObj, 1);
  SCROLLBAR_SetValue(hObj, WM__ClampInt(v));
  if (Watch.Alive() && !(_Obj(hObj)->Widget.State & SCROLLBAR_STATE_PRESSED)) {
    WIDGET_OrState(hObj, SCROLLBAR_STATE_PRESSED);
    if (WM_IsVisible(hObj)) {
      WIDGET__NotifyParent(hObj, WM_NOTIFICATION_CLICKED);
    }
  }
}

void _OnRelease(WM_HWIN hObj) {
  if (!(_Obj(hObj)->Widget.State & SCROLLBAR_STATE_PRESSED)) {
    return;
  }
  _StopRepeat(hObj);
  _Obj(hObj)->PressedPart = SCROLLBAR_PRESSED_NONE;
  WIDGET_AndState(hObj, SCROLLBAR_STATE_PRESSED);
  if (WM_IsVisible(hObj)) {
    WIDGET__NotifyParent(hObj, WM_NOTIFICATION_RELEASED);
  }
}

// One repeat step; the value never passes the pointer's target.
void _OnTimer(WM_HWIN hObj) {
  int Step = _Obj(hObj)->RepeatStep;
  if (!Step) {
    return;
  }
  WM__WATCH Watch(hObj);
  SCROLLBAR_AddValue(hObj, Step);
  if (!Watch.Alive()) {
    return;
  }
  SCROLLBAR_OBJ* pObj = _Obj(hObj);
  bool Done;
  if (Step < 0) {
    if (pObj->Value < pObj->TargetValue) {
      pObj->Value = pObj->TargetValue;
    }
    Done = pObj->Value <= pObj->TargetValue;
  } else {
    if (pObj->Value > pObj->TargetValue) {
      pObj->Value = pObj->TargetValue;
    }
    Done = pObj->Value >= pObj->TargetValue;
  }
  if (Done) {
    _StopRepeat(hObj);
  } else if (pObj->hTimer) {
    WM_RestartTimer(pObj->hTimer, REPEAT_NEXT_MS);
  }
}

void _OnKey(WM_HWIN hObj, const GUI_KEY_MSG* pKey) {
  if (int Step = WIDGET__ArrowStep(pKey, 1)) {
    SCROLLBAR_AddValue(hObj, Step);
  } else if (pKey && pKey->PressedCnt > 0 && (pKey->Key == GUI_KEY_PGUP || pKey->Key == GUI_KEY_PGDOWN)) {
    I64 Page = _Obj(hObj)->PageSize;
    SCROLLBAR_AddValue(hObj, WM__ClampInt(pKey->Key == GUI_KEY_PGUP ? Page : -Page));
  }
}

void _OnPointer(WM_HWIN hObj, const GUI_POINTER_STATE* pState) {
  if (pState) {
    pState->Pressed ? _OnPress(hObj, pState) : _OnRelease(hObj);
  }
}

void _OnSetScrollState(WM_HWIN hObj, const WM_SCROLL_STATE* pState);

int _OnMessage(WM_HWIN hObj, WM_MESSAGE* pMsg) {
  switch (pMsg->MsgId) {
  case WM_GET_SCROLL_STATE:
    if (WM_SCROLL_STATE* pState = (WM_SCROLL_STATE*)pMsg->Data.p) {
      const SCROLLBAR_OBJ* pObj = _Obj(hObj);
      *pState = {pObj->NumItems, pObj->Value, pObj->PageSize};
    }
    return 1;
  case WM_SET_SCROLL_STATE:
    _OnSetScrollState(hObj, (const WM_SCROLL_STATE*)pMsg->Data.p);
    return 1;
  case WM_TIMER:
    _OnTimer(hObj);
    return 1;
  }
  return 0;
}

void _OnSetScrollState(WM_HWIN hObj, const WM_SCROLL_STATE* pState) {
  if (!pState) {
    return;
  }
  SCROLLBAR_OBJ* pObj = _Obj(hObj);
  if (pObj->NumItems == pState->NumItems && pObj->Value == pState->Value && pObj->PageSize == pState->PageSize) {
    return;
  }
  pObj->NumItems = pState->NumItems;
  pObj->Value = pState->Value;
  pObj->PageSize = pState->PageSize;
  WM_InvalidateWindow(hObj);
  WIDGET__NotifyParent(hObj, WM_NOTIFICATION_VALUE_CHANGED);
}

} // namespace

SCROLLBAR_PROPS SCROLLBAR__DefaultProps = {{0xC0C0C0, 0x808080, 0x000000}, nullptr};
int SCROLLBAR__DefaultWidth = 11;
int SCROLLBAR__ThumbSizeMin = 4;

const WIDGET_TYPE SCROLLBAR__Type = {.pName = "SCROLLBAR",
                                     .cb = SCROLLBAR_Callback,
                                     .ObjSize = sizeof(SCROLLBAR_OBJ),
                                     .TagOffset = offsetof(SCROLLBAR_OBJ, DebugId),
                                     .Tag = SCROLLBAR_ID,
                                     .pDefaultProps = &SCROLLBAR__DefaultProps,
                                     .PropsOffset = offsetof(SCROLLBAR_OBJ, Props),
                                     .PropsSize = sizeof(SCROLLBAR_PROPS),
                                     .ppDefaultSkin = &SCROLLBAR__pDefaultSkin,
                                     .SkinOffset = offsetof(SCROLLBAR_OBJ, pSkin),
                                     .DrawSkinOffset = offsetof(SCROLLBAR_OBJ, Props.pfDrawSkin),
                                     .pfOnMessage = _OnMessage,
                                     .pfOnDelete = SCROLLBAR__InformOthers,
                                     .pfOnKey = _OnKey,
                                     .pfOnPointer = _OnPointer,
                                     .pNoWindowText = "SCROLLBAR_Create failed"};

void SCROLLBAR__InformOthers(WM_HWIN hObj) {
  WM_HWIN hPartner = WM_GetScrollPartner(hObj);
  if (hPartner) {
    WM_InvalidateWindow(hPartner);
  }
  WM_SendMessageNoPara(WM_GetParent(hObj), WM_CLIENT_CHANGED);
}

void SCROLLBAR_Callback(WM_MESSAGE* pMsg) {
  WIDGET__Callback(&SCROLLBAR__Type, pMsg);
}

WM_HWIN SCROLLBAR_CreateUser(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags,
                             int Id, int NumExtraBytes) {
  WM__LockGuard Lock;
  if (!xSize && !ySize) {
    GUI_RECT r;
    WM_GetInsideRectEx(hParent, &r);
    int W = SCROLLBAR__DefaultWidth;
    if (ExFlags & SCROLLBAR_CF_VERTICAL) {
      x0 = r.x1 - W + 1;
      y0 = r.y0;
      xSize = W;
      ySize = r.y1 - r.y0 + 1;
    } else {
      x0 = r.x0;
      y0 = r.y1 - W + 1;
      xSize = r.x1 - r.x0 + 1;
      ySize = W;
    }
  }
  WM_HWIN hObj =
      WIDGET__CreateUser(&SCROLLBAR__Type, x0, y0, xSize, ySize, hParent, (U32)WinFlags, Id, NumExtraBytes);
  if (!hObj) {
    return 0;
  }
  SCROLLBAR_OBJ* pObj = _Obj(hObj);
  U16 State = (ExFlags & SCROLLBAR_CF_VERTICAL) ? WIDGET_STATE_VERTICAL : 0;
  if ((ExFlags & SCROLLBAR_CF_FOCUSSABLE) || (Id != GUI_ID_VSCROLL && Id != GUI_ID_HSCROLL)) {
    State |= WIDGET_STATE_FOCUSABLE;
  }
  pObj->Widget.State = State;
  pObj->NumItems = 100;
  pObj->PageSize = 10;
  pObj->Value = 0;
  WIDGET__FinishCreate(&SCROLLBAR__Type, hObj);
  SCROLLBAR__InformOthers(hObj);
  return hObj;
}

WM_HWIN SCROLLBAR_Create(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id) {
  return SCROLLBAR_CreateUser(x0, y0, xSize, ySize, hParent, WinFlags, ExFlags, Id, 0);
}

WM_HWIN SCROLLBAR_CreateEx(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags,
                           int Id) {
  return SCROLLBAR_CreateUser(x0, y0, xSize, ySize, hParent, WinFlags, ExFlags, Id, 0);
}

WM_HWIN SCROLLBAR_CreateIdFirst(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int Id, int WinFlags,
                                int ExFlags) {
  return SCROLLBAR_CreateUser(x0, y0, xSize, ySize, hParent, WinFlags, ExFlags, Id, 0);
}

WM_HWIN SCROLLBAR_CreateAttached(WM_HWIN hParent, int ExFlags) {
  WM__LockGuard Lock;
  bool Vertical = (ExFlags & SCROLLBAR_CF_VERTICAL) != 0;
  U32 WinFlags = Vertical ? 0x58A : 0x38A;
  WM_HWIN hObj = SCROLLBAR_Create(0, 0, 0, 0, hParent, (int)WinFlags, ExFlags,
                                  Vertical ? GUI_ID_VSCROLL : GUI_ID_HSCROLL);
  // The parent may delete the new bar when it hears of it: then there is none to hand back.
  return hObj && WIDGET__NotifyParent(hObj, WM_NOTIFICATION_SCROLLBAR_ADDED) ? hObj : 0;
}

WM_HWIN SCROLLBAR_CreateIndirect(const WIDGET_CREATE_INFO* pCreateInfo, WM_HWIN hParent, int x0, int y0,
                                 WM_CALLBACK*) {
  return WIDGET__CreateIndirect(SCROLLBAR_CreateUser, pCreateInfo, hParent, x0, y0, 0);
}

SCROLLBAR_OBJ* SCROLLBAR_LockH(WM_HWIN hObj) {
  return (SCROLLBAR_OBJ*)WIDGET__LockH(&SCROLLBAR__Type, hObj);
}
