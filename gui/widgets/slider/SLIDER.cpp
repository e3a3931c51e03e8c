// SLIDER: creation, typed locking, the callback with its key and pointer handling, and the settings.
#include "SLIDER.h"

namespace {

using _Access = WIDGET_ACCESS<SLIDER_OBJ, &SLIDER__Type>;

SLIDER_OBJ* _Obj(WM_HWIN hObj) {
  return (SLIDER_OBJ*)WM_H2P(hObj);
}

// The value under the pointer: the thumb's centre follows it along the travel, rounded to nearest.
int _ValueAt(const SLIDER_OBJ* pObj, int Pos) {
  int Half = pObj->Width / 2 + 1;
  int p = Pos - Half;
  int L = WIDGET__GetXSize(&pObj->Widget) - 2 * Half;
  I64 R = (I64)pObj->Max - pObj->Min;
  if (p < 1) {
    return pObj->Min;
  }
  if (p >= L) {
    return pObj->Max;
  }
  return (int)(pObj->Min + ((I64)L / 2 + (I64)p * R) / L);
}

void _OnPointer(WM_HWIN hObj, const GUI_POINTER_STATE* pState) {
  if (!pState) {
    return;
  }
  if (pState->Pressed) {
    WM__WATCH Watch(hObj);
    const SLIDER_OBJ* pObj = _Obj(hObj);
    int v = _ValueAt(pObj, (pObj->Widget.State & WIDGET_STATE_VERTICAL) ? pState->y : pState->x);
    if (pObj->Widget.State & WIDGET_STATE_FOCUSABLE) {
      WM_SetFocus(hObj);
      if (!Watch.Alive()) {
        return;
      }
    }
    WM_SetCapture(hObj, 1);
    SLIDER_SetValue(hObj, v);
    if (Watch.Alive() && !(_Obj(hObj)->Widget.State & SLIDER_STATE_PRESSED)) {
      WIDGET_OrState(hObj, SLIDER_STATE_PRESSED);
      if (WM_IsVisible(hObj)) {
        WIDGET__NotifyParent(hObj, WM_NOTIFICATION_CLICKED);
      }
    }
  } else if (_Obj(hObj)->Widget.State & SLIDER_STATE_PRESSED) {
    WIDGET_AndState(hObj, SLIDER_STATE_PRESSED);
    if (WM_IsVisible(hObj)) {
      WIDGET__NotifyParent(hObj, WM_NOTIFICATION_RELEASED);
    }
  }
}

void _OnKey(WM_HWIN hObj, const GUI_KEY_MSG* pKey) {
  int Step = WIDGET__ArrowStep(pKey, 0);
  if (Step > 0) {
    SLIDER_Inc(hObj);
  } else if (Step < 0) {
    SLIDER_Dec(hObj);
  }
}

} // namespace

SLIDER_PROPS SLIDER__DefaultProps = {SLIDER_FLAG_DRAW_FOCUS_RECT, 0xC0C0C0, 0xC0C0C0, 0x000000, 0x000000, nullptr};

const WIDGET_TYPE SLIDER__Type = {.pName = "SLIDER",
                                  .cb = SLIDER_Callback,
                                  .ObjSize = sizeof(SLIDER_OBJ),
                                  .TagOffset = offsetof(SLIDER_OBJ, DebugId),
                                  .Tag = SLIDER_ID,
                                  .StyleBits = WM_CF_HASTRANS,
                                  .InitialState = WIDGET_STATE_FOCUSABLE,
                                  .pDefaultProps = &SLIDER__DefaultProps,
                                  .PropsOffset = offsetof(SLIDER_OBJ, Props),
                                  .PropsSize = sizeof(SLIDER_PROPS),
                                  .ppDefaultSkin = &SLIDER__pDefaultSkin,
                                  .SkinOffset = offsetof(SLIDER_OBJ, pSkin),
                                  .DrawSkinOffset = offsetof(SLIDER_OBJ, Props.pfDrawSkin),
                                  .pfOnKey = _OnKey,
                                  .pfOnPointer = _OnPointer};

void SLIDER_Callback(WM_MESSAGE* pMsg) {
  WIDGET__Callback(&SLIDER__Type, pMsg);
}

WM_HWIN SLIDER_CreateUser(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id,
                          int NumExtraBytes) {
  WM__LockGuard Lock;
  WM_HWIN hObj = WIDGET__CreateUser(&SLIDER__Type, x0, y0, xSize, ySize, hParent, (U32)WinFlags, Id, NumExtraBytes);
  if (!hObj) {
    return 0;
  }
  SLIDER_OBJ* pObj = _Obj(hObj);
  if (ExFlags & SLIDER_CF_VERTICAL) {
    pObj->Widget.State |= WIDGET_STATE_VERTICAL;
  }
  pObj->NumTicks = -1;
  pObj->Max = 100;
  pObj->Min = 0;
  pObj->Value = 0;
  pObj->Width = 8;
  return WIDGET__FinishCreate(&SLIDER__Type, hObj);
}

WM_HWIN SLIDER_CreateEx(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id) {
  return SLIDER_CreateUser(x0, y0, xSize, ySize, hParent, WinFlags, ExFlags, Id, 0);
}

WM_HWIN SLIDER_Create(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int Id, int WinFlags, int ExFlags) {
  return SLIDER_CreateEx(x0, y0, xSize, ySize, hParent, WinFlags, ExFlags, Id);
}

WM_HWIN SLIDER_CreateIndirect(const WIDGET_CREATE_INFO* pCreateInfo, WM_HWIN hParent, int x0, int y0, WM_CALLBACK*) {
  return WIDGET__CreateIndirect(SLIDER_CreateUser, pCreateInfo, hParent, x0, y0, 0);
}

SLIDER_OBJ* SLIDER_LockH(WM_HWIN hObj) {
  return (SLIDER_OBJ*)WIDGET__LockH(&SLIDER__Type, hObj);
}

void SLIDER_SetValue(WM_HWIN hObj, int Value) {
  WM__LockGuard Lock;
  bool Changed = false;
  _Access::Change(hObj, [&](SLIDER_OBJ* pObj) {
    Value = WIDGET__Limit(Value, pObj->Min, pObj->Max);
    Changed = WIDGET__Store(&pObj->Value, Value);
    return Changed;
  });
  if (Changed) {
    WIDGET__NotifyParent(hObj, WM_NOTIFICATION_VALUE_CHANGED);
  }
}

void SLIDER_Inc(WM_HWIN hObj) {
  WM__LockGuard Lock;
  if (const SLIDER_OBJ* pObj = (const SLIDER_OBJ*)WIDGET__GetObj(&SLIDER__Type, hObj)) {
    if (pObj->Value < pObj->Max) {
      SLIDER_SetValue(hObj, pObj->Value + 1);
    }
  }
}

void SLIDER_Dec(WM_HWIN hObj) {
  WM__LockGuard Lock;
  if (const SLIDER_OBJ* pObj = (const SLIDER_OBJ*)WIDGET__GetObj(&SLIDER__Type, hObj)) {
    if (pObj->Value > pObj->Min) {
      SLIDER_SetValue(hObj, pObj->Value - 1);
    }
  }
}

int SLIDER_GetValue(WM_HWIN hObj) {
  return _Access::Read(hObj, 0, [](SLIDER_OBJ* pObj) { return (int)pObj->Value; });
}

void SLIDER_SetRange(WM_HWIN hObj, int Min, int Max) {
  _Access::Change(hObj, [&](SLIDER_OBJ* pObj) {
    pObj->Min = Min;
    pObj->Max = Max < Min ? Min : Max;
    pObj->Value = WIDGET__Limit(pObj->Value, pObj->Min, pObj->Max);
    return true;
  });
}

void SLIDER_SetNumTicks(WM_HWIN hObj, int NumTicks) {
  if (NumTicks >= 0) {
    _Access::Change(hObj, [&](SLIDER_OBJ* pObj) {
      pObj->NumTicks = NumTicks;
      return true;
    });
  }
}

void SLIDER_SetWidth(WM_HWIN hObj, int Width) {
  _Access::Change(hObj, [&](SLIDER_OBJ* pObj) { return WIDGET__Store(&pObj->Width, Width); });
}

void SLIDER_EnableFocusRect(WM_HWIN hObj, int OnOff) {
  _Access::Change(hObj, [&](SLIDER_OBJ* pObj) {
    pObj->Props.Flags = OnOff ? (pObj->Props.Flags | SLIDER_FLAG_DRAW_FOCUS_RECT)
                              : (pObj->Props.Flags & ~SLIDER_FLAG_DRAW_FOCUS_RECT);
    return false;
  });
}

U32 SLIDER_GetFlag(WM_HWIN hObj, U32 Mask) {
  return _Access::Read(hObj, (U32)0, [&](SLIDER_OBJ* pObj) { return pObj->Props.Flags & Mask; });
}

void SLIDER_SetBkColor(WM_HWIN hObj, GUI_COLOR Color) {
  _Access::Change(hObj, [&](SLIDER_OBJ* pObj) {
    pObj->Props.BkColor = Color;
    Color == WM_NO_COLOR ? WM_SetHasTrans(hObj) : WM_ClrHasTrans(hObj);
    return true;
  });
}

void SLIDER_SetBarColor(WM_HWIN hObj, GUI_COLOR Color) {
  _Access::Change(hObj, [&](SLIDER_OBJ* pObj) {
    pObj->Props.BarColor = Color;
    return true;
  });
}

void SLIDER_SetTickColor(WM_HWIN hObj, GUI_COLOR Color) {
  _Access::Change(hObj, [&](SLIDER_OBJ* pObj) {
    pObj->Props.TickColor = Color;
    return true;
  });
}

GUI_COLOR SLIDER_SetFocusColor(WM_HWIN hObj, GUI_COLOR Color) {
  return _Access::SetColorGetOld(hObj, [](SLIDER_OBJ* p) { return &p->Props.FocusColor; }, Color);
}

GUI_COLOR SLIDER_GetBkColor(WM_HWIN hObj) {
  return _Access::Read(hObj, (GUI_COLOR)0, [](SLIDER_OBJ* pObj) { return pObj->Props.BkColor; });
}

GUI_COLOR SLIDER_GetBarColor(WM_HWIN hObj) {
  return _Access::Read(hObj, (GUI_COLOR)0, [](SLIDER_OBJ* pObj) { return pObj->Props.BarColor; });
}

GUI_COLOR SLIDER_GetFocusColor(WM_HWIN hObj) {
  return _Access::Read(hObj, (GUI_COLOR)0, [](SLIDER_OBJ* pObj) { return pObj->Props.FocusColor; });
}

GUI_COLOR SLIDER_GetTickColor(WM_HWIN hObj) {
  return _Access::Read(hObj, (GUI_COLOR)0, [](SLIDER_OBJ* pObj) { return pObj->Props.TickColor; });
}

int SLIDER_GetUserData(WM_HWIN hObj, void* pDest, int NumBytes) {
  return WIDGET__GetUserData(&SLIDER__Type, hObj, pDest, NumBytes);
}

int SLIDER_SetUserData(WM_HWIN hObj, const void* pSrc, int NumBytes) {
  return WIDGET__SetUserData(&SLIDER__Type, hObj, pSrc, NumBytes);
}

void SLIDER_SetDefaultBkColor(GUI_COLOR Color) {
  WIDGET__SetDefault(&SLIDER__DefaultProps.BkColor, Color);
}

void SLIDER_SetDefaultBarColor(GUI_COLOR Color) {
  WIDGET__SetDefault(&SLIDER__DefaultProps.BarColor, Color);
}

void SLIDER_SetDefaultTickColor(GUI_COLOR Color) {
  WIDGET__SetDefault(&SLIDER__DefaultProps.TickColor, Color);
}

GUI_COLOR SLIDER_SetDefaultFocusColor(GUI_COLOR Color) {
  return WIDGET__SetDefault(&SLIDER__DefaultProps.FocusColor, Color);
}
