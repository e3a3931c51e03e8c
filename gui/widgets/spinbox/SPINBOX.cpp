// SPINBOX: creation with its edit child, typed locking, the callback with the buttons' pointer handling,
// auto-repeat and keys. Steps go through the edit, which keeps the value within its range; a step that
// would pass the 32-bit range is limited instead of wrapping.
#include "SPINBOX.h"

#include "EDIT.h"

namespace {

constexpr int _TimerId = 1234;
constexpr int _FirstRepeat = 400;
constexpr int _NextRepeat = 50;

bool _EditFocusable(WM_HWIN hEdit) {
  return hEdit && (WIDGET_GetState(hEdit) & WIDGET_STATE_FOCUSABLE);
}

void _SendKey(WM_HWIN hWin, int Key, int PressedCnt) {
  GUI_KEY_MSG Key_ = {Key, PressedCnt};
  WM_MESSAGE Msg = {};
  Msg.MsgId = WM_KEY;
  Msg.Data.p = &Key_;
  WM_SendMessage(hWin, &Msg);
}

// One step of a button: 0 adds, 1 subtracts.
void _Step(WM_HWIN hObj, int Button) {
  SPINBOX_OBJ* pObj = SPINBOX__Obj(hObj);
  if (pObj->SkipStep) {
    pObj->SkipStep = 0;
    return;
  }
  WM_HWIN hEdit = pObj->hEdit;
  if (!hEdit) {
    return;
  }
  if (_EditFocusable(hEdit)) {
    int Key = Button == SPINBOX_BUTTON_UP ? GUI_KEY_UP : GUI_KEY_DOWN;
    // The new value is told to the parent, which may delete the spin box and its edit.
    WM__WATCH Watch(hEdit);
    _SendKey(hEdit, Key, 1);
    if (Watch.Alive()) {
      _SendKey(hEdit, Key, 0);
    }
    return;
  }
  I64 v = (I64)EDIT_GetValue(hEdit) + (Button == SPINBOX_BUTTON_UP ? 1 : -1) * (I64)pObj->Step;
  EDIT_SetValue(hEdit, WM__ClampInt(v));
}

void _InvalidateButton(WM_HWIN hObj, int Button) {
  if (Button == SPINBOX_BUTTON_UP || Button == SPINBOX_BUTTON_DOWN) {
    GUI_RECT r = SPINBOX__GetButtonRect(hObj, Button);
    WM_InvalidateRect(hObj, &r);
  }
}

void _Release(WM_HWIN hObj, bool Notify) {
  SPINBOX_OBJ* pObj = SPINBOX__Obj(hObj);
  int Button = pObj->PressedButton;
  if (Button == SPINBOX_BUTTON_NONE) {
    return;
  }
  pObj->PressedButton = SPINBOX_BUTTON_NONE;
  if (pObj->hTimer) {
    WM_DeleteTimer(pObj->hTimer);
    pObj = SPINBOX__Obj(hObj);
    pObj->hTimer = 0;
  }
  pObj->TimerButton = SPINBOX_BUTTON_NONE;
  if (WM_IsVisible(hObj)) {
    pObj->PressedMask &= (U8) ~(1u << Button);
    if (Notify && !WIDGET__NotifyParent(hObj, WM_NOTIFICATION_RELEASED)) {
      return;
    }
    _InvalidateButton(hObj, Button);
  }
}

void _Press(WM_HWIN hObj, int Button) {
  WM__WATCH Watch(hObj); // the window losing the capture and the parent told of the press may delete it
  WM_SetCapture(hObj, 1);
  if (!Watch.Alive()) {
    return;
  }
  SPINBOX_OBJ* pObj = SPINBOX__Obj(hObj);
  pObj->PressedButton = (U8)Button;
  pObj->TimerButton = (U8)Button;
  if (WM_IsVisible(hObj)) {
    pObj->PressedMask |= (U8)(1u << Button);
    if (!WIDGET__NotifyParent(hObj, WM_NOTIFICATION_CLICKED)) {
      return;
    }
    _InvalidateButton(hObj, Button);
  }
  if (!SPINBOX__Obj(hObj)->hTimer) {
    WM_HTIMER hTimer = WM_CreateTimer(hObj, _TimerId, _FirstRepeat, 0);
    SPINBOX__Obj(hObj)->hTimer = hTimer;
  }
  _Step(hObj, Button);
}

void _OnStateChanged(WM_HWIN hObj, const WM_POINTER_STATE_CHANGE* pInfo) {
  if (!pInfo) {
    return;
  }
  if (pInfo->Pressed) {
    int Button = SPINBOX__ButtonAt(hObj, pInfo->x, pInfo->y);
    if (Button != SPINBOX_BUTTON_NONE) {
      _Press(hObj, Button);
    }
  } else {
    _Release(hObj, true);
  }
}

void _OnPointer(WM_HWIN hObj, const GUI_POINTER_STATE* pState) {
  SPINBOX_OBJ* pObj = SPINBOX__Obj(hObj);
  if (pObj->PressedButton == SPINBOX_BUTTON_NONE) {
    return;
  }
  if (!pState) {
    WIDGET__NotifyParent(hObj, WM_NOTIFICATION_MOVED_OUT);
    return;
  }
  if (!pState->Pressed) {
    return;
  }
  WM_HWIN hEdit = pObj->hEdit;
  WM__WATCH Watch(hObj);
  WM_SetFocus(_EditFocusable(hEdit) ? hEdit : hObj);
  if (!Watch.Alive()) {
    return;
  }
  int Button = SPINBOX__ButtonAt(hObj, pState->x, pState->y);
  pObj = SPINBOX__Obj(hObj);
  if (Button == SPINBOX_BUTTON_NONE) {
    _Release(hObj, true);
  } else if (Button != pObj->PressedButton) {
    int Old = pObj->PressedButton;
    pObj->PressedMask = (U8)(1u << Button);
    pObj->PressedButton = (U8)Button;
    pObj->TimerButton = (U8)Button;
    pObj->SkipStep = 1;
    _InvalidateButton(hObj, Old);
    _InvalidateButton(hObj, Button);
  }
}

void _AddStep(WM_HWIN hObj, int Button) {
  SPINBOX__Obj(hObj)->SkipStep = 0;
  _Step(hObj, Button);
}

int _OnMessage(WM_HWIN hObj, WM_MESSAGE* pMsg) {
  SPINBOX_OBJ* pObj = SPINBOX__Obj(hObj);
  WM_HWIN hEdit = pObj->hEdit;
  switch (pMsg->MsgId) {
  case WM_NOTIFY_PARENT:
    if (pMsg->hWinSrc == hEdit) {
      switch (pMsg->Data.v) {
      case WM_NOTIFICATION_VALUE_CHANGED:
        WIDGET__NotifyParent(hObj, WM_NOTIFICATION_VALUE_CHANGED);
        break;
      case WM_NOTIFICATION_GOT_FOCUS:
      case WM_NOTIFICATION_LOST_FOCUS:
        WM_InvalidateWindow(hObj);
        break;
      }
      return 1;
    }
    return 0;
  case WM_DELETE:
    if (pObj->hTimer) {
      WM_DeleteTimer(pObj->hTimer);
      SPINBOX__Obj(hObj)->hTimer = 0;
    }
    SPINBOX__Obj(hObj)->TimerButton = SPINBOX_BUTTON_NONE;
    return 0;
  case WM_TIMER: {
    int Button = pObj->TimerButton;
    WM_HTIMER hTimer = pObj->hTimer;
    if (Button != SPINBOX_BUTTON_NONE && hTimer) {
      WM__WATCH Watch(hObj);
      _Step(hObj, Button);
      if (Watch.Alive()) {
        WM_RestartTimer(hTimer, _NextRepeat);
      }
    }
    return 1;
  }
  case WM_POINTER_STATE_CHANGED:
    _OnStateChanged(hObj, (const WM_POINTER_STATE_CHANGE*)pMsg->Data.p);
    return 0;
  case WM_POINTER:
    _OnPointer(hObj, (const GUI_POINTER_STATE*)pMsg->Data.p);
    return 0;
  case WM_KEY: {
    const GUI_KEY_MSG* pKey = (const GUI_KEY_MSG*)pMsg->Data.p;
    if (!pKey || pKey->PressedCnt <= 0) {
      return 0;
    }
    if (_EditFocusable(hEdit)) {
      if (pMsg->hWinSrc == hEdit) {
        if (pKey->Key == GUI_KEY_TAB || pKey->Key == GUI_KEY_BACKTAB) {
          WM_SetFocus(hObj);
        }
      } else {
        _SendKey(hEdit, pKey->Key, pKey->PressedCnt);
      }
    } else if (pKey->Key == GUI_KEY_UP) {
      _AddStep(hObj, SPINBOX_BUTTON_UP);
    } else if (pKey->Key == GUI_KEY_DOWN) {
      _AddStep(hObj, SPINBOX_BUTTON_DOWN);
    }
    return 0;
  }
  case WM_PAINT: {
    int InsideHeight = WM_GetWindowSizeY(hObj) - 2 * pObj->Widget.pEffect->EffectSize;
    if (hEdit) {
      InsideHeight < 1 ? WM_HideWindow(hEdit) : WM_ShowWindow(hEdit);
    }
    WIDGET__PaintSkin(&SPINBOX__Type, hObj);
    return 1;
  }
  case WM_NOTIFY_ENABLE:
    if (hEdit) {
      pMsg->Data.v ? WM_EnableWindow(hEdit) : WM_DisableWindow(hEdit);
    }
    return 0;
  }
  return 0;
}

} // namespace

SPINBOX_OBJ* SPINBOX__Obj(WM_HWIN hObj) {
  return (SPINBOX_OBJ*)WM_H2P(hObj);
}

const WIDGET_SKIN* SPINBOX__pDefaultSkin = &SPINBOX__SkinClassic;

const WIDGET_TYPE SPINBOX__Type = {.pName = "SPINBOX",
                                   .cb = SPINBOX_Callback,
                                   .ObjSize = sizeof(SPINBOX_OBJ),
                                   .TagOffset = offsetof(SPINBOX_OBJ, DebugId),
                                   .Tag = SPINBOX_ID,
                                   .InitialState = WIDGET_STATE_FOCUSABLE,
                                   .pDefaultProps = &SPINBOX__DefaultProps,
                                   .PropsOffset = offsetof(SPINBOX_OBJ, Props),
                                   .PropsSize = sizeof(SPINBOX_PROPS),
                                   .ppDefaultSkin = &SPINBOX__pDefaultSkin,
                                   .SkinOffset = offsetof(SPINBOX_OBJ, pSkin),
                                   .DrawSkinOffset = offsetof(SPINBOX_OBJ, Props.pfDrawSkin),
                                   .pfOnMessage = _OnMessage};

void SPINBOX_Callback(WM_MESSAGE* pMsg) {
  WM_HWIN hObj = pMsg->hWin;
  if (!WM__IsWindow(hObj)) {
    return;
  }
  WM_HWIN hEdit = SPINBOX__Obj(hObj)->hEdit;
  switch (pMsg->MsgId) {
  case WM_POINTER_CHILD: {
    const WM_MESSAGE* pChildMsg = (const WM_MESSAGE*)pMsg->Data.p;
    const GUI_POINTER_STATE* pState = pChildMsg ? (const GUI_POINTER_STATE*)pChildMsg->Data.p : nullptr;
    if (pState && pState->Pressed && (WIDGET_GetState(hObj) & WIDGET_STATE_FOCUSABLE) && !WM_HasFocus(hObj) &&
        !_EditFocusable(hEdit)) {
      WM_SetFocus(hObj);
      return;
    }
    break;
  }
  case WM_SET_FOCUS:
    if (_EditFocusable(hEdit)) {
      pMsg->Data.v ? WIDGET_OrState(hEdit, WIDGET_STATE_FOCUS) : WIDGET_AndState(hEdit, WIDGET_STATE_FOCUS);
    }
    break;
  }
  WIDGET__Callback(&SPINBOX__Type, pMsg);
}

GUI_RECT SPINBOX__GetButtonRect(WM_HWIN hObj, int Button) {
  const SPINBOX_OBJ* pObj = SPINBOX__Obj(hObj);
  int w = WM_GetWindowSizeX(hObj) - 1, h = WM_GetWindowSizeY(hObj) - 1;
  int e = pObj->Widget.pEffect->EffectSize, b = pObj->ButtonSize;
  GUI_RECT rRight = {(I16)(w - e - b), 0, (I16)(w - e), 0};
  GUI_RECT rLeft = {(I16)e, 0, (I16)(b + e), 0};
  GUI_RECT r;
  if (pObj->Edge == SPINBOX_EDGE_CENTER) {
    r = Button == SPINBOX_BUTTON_UP ? rRight : rLeft;
    r.y0 = (I16)e;
    r.y1 = (I16)(h - e);
    return r;
  }
  r = pObj->Edge == SPINBOX_EDGE_LEFT ? rLeft : rRight;
  if (Button == SPINBOX_BUTTON_UP) {
    r.y0 = (I16)e;
    r.y1 = (I16)(h / 2);
  } else {
    r.y0 = (I16)(h / 2 + 1);
    r.y1 = (I16)(h - e);
  }
  return r;
}

int SPINBOX__ButtonAt(WM_HWIN hObj, int x, int y) {
  for (int Button = SPINBOX_BUTTON_UP; Button <= SPINBOX_BUTTON_DOWN; Button++) {
    GUI_RECT r = SPINBOX__GetButtonRect(hObj, Button);
    if (x >= r.x0 && x <= r.x1 && y >= r.y0 && y <= r.y1) {
      return Button;
    }
  }
  return SPINBOX_BUTTON_NONE;
}

void SPINBOX__LayoutEdit(WM_HWIN hObj) {
  const SPINBOX_OBJ* pObj = SPINBOX__Obj(hObj);
  WM_HWIN hEdit = pObj->hEdit;
  if (!hEdit) {
    return;
  }
  int xSize = WM_GetWindowSizeX(hObj), e = pObj->Widget.pEffect->EffectSize, b = pObj->ButtonSize;
  int x, w;
  switch (pObj->Edge) {
  case SPINBOX_EDGE_LEFT:
    x = e + 1 + b;
    w = xSize - 2 * e - b - 1;
    break;
  case SPINBOX_EDGE_CENTER:
    x = b + e + 1;
    w = xSize - 2 * (b + e) - 2;
    break;
  default:
    x = e;
    w = xSize - 2 * e - b - 1;
    break;
  }
  WM_MoveChildTo(hEdit, x, WM_GetWindowPosY(hEdit) - WM_GetWindowPosY(hObj));
  WM_SetXSize(hEdit, w > 0 ? w : 1);
}

WM_HWIN SPINBOX_CreateUser(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int Id, int Min,
                           int Max, int NumExtraBytes) {
  if (Min >= Max) {
    return 0;
  }
  WM__LockGuard Lock;
  WM_HWIN hObj =
      WIDGET__CreateUser(&SPINBOX__Type, x0, y0, xSize, ySize, hParent, (U32)WinFlags, Id, NumExtraBytes);
  if (!hObj) {
    return 0;
  }
  SPINBOX_OBJ* pObj = SPINBOX__Obj(hObj);
  pObj->Min = Min;
  pObj->Max = Max;
  pObj->Step = 1;
  pObj->TimerButton = pObj->PressedButton = SPINBOX_BUTTON_NONE;
  // Reckoned wide, so that sizes at the ends of int lay out without overflow.
  int e = pObj->Widget.pEffect->EffectSize;
  I64 Inside = (I64)ySize - 2 * e;
  pObj->ButtonSize = (U16)(ySize >= (I64)xSize - 2 * e ? xSize / 4 : Inside);
  int LineDist = GUI_GetYDistOfFont(EDIT_GetDefaultFont());
  int EditHeight = LineDist < Inside ? LineDist : WM__ClampInt(Inside);
  int yEdit = LineDist < Inside ? (int)(((I64)ySize - LineDist) / 2) : e;
  if (xSize >= pObj->ButtonSize) {
    int Len = GUI_Long2Len(Min) > GUI_Long2Len(Max) ? GUI_Long2Len(Min) : GUI_Long2Len(Max);
    WM_HWIN hEdit = EDIT_CreateEx(e, yEdit, 1, EditHeight > 0 ? EditHeight : 1, hObj, WinFlags, 0, 0, Len);
    if (!hEdit) {
      WM_DeleteWindow(hObj);
      return 0;
    }
    SPINBOX__Obj(hObj)->hEdit = hEdit;
    SPINBOX__LayoutEdit(hObj);
    EDIT_SetDecMode(hEdit, Min, Min, Max, 0, 0);
    WIDGET_SetEffect(hEdit, &WIDGET_Effect_None);
    pObj = SPINBOX__Obj(hObj);
    for (unsigned i = 0; i < 2; i++) {
      EDIT_SetBkColor(hEdit, i, pObj->Props.aEditBkColor[i]);
      EDIT_SetTextColor(hEdit, i, pObj->Props.aEditTextColor[i]);
    }
    EDIT_SetCursorAtChar(hEdit, Len);
    EDIT_SetFocusable(hEdit, 0);
  }
  return WIDGET__FinishCreate(&SPINBOX__Type, hObj);
}

WM_HWIN SPINBOX_Create(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int Id, int Min,
                       int Max) {
  return SPINBOX_CreateUser(x0, y0, xSize, ySize, hParent, WinFlags, Id, Min, Max, 0);
}

WM_HWIN SPINBOX_CreateIndirect(const WIDGET_CREATE_INFO* pCreateInfo, WM_HWIN hParent, int x0, int y0,
                               WM_CALLBACK*) {
  if (!pCreateInfo) {
    return 0;
  }
  int Min = 0, Max = 100;
  if (pCreateInfo->Para) {
    Min = (I16)(pCreateInfo->Para & 0xFFFF);
    Max = (I16)((pCreateInfo->Para >> 16) & 0xFFFF);
  }
  return SPINBOX_CreateUser(x0 + pCreateInfo->x0, y0 + pCreateInfo->y0, pCreateInfo->xSize, pCreateInfo->ySize,
                            hParent, WM_CF_SHOW, pCreateInfo->Id, Min, Max, (int)pCreateInfo->NumExtraBytes);
}

SPINBOX_OBJ* SPINBOX_LockH(WM_HWIN hObj) {
  return (SPINBOX_OBJ*)WIDGET__LockH(&SPINBOX__Type, hObj);
}
