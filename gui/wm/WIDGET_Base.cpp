// Widget base: initialisation, the common message handling, the state word and the effect of a widget.
#include "WIDGET.h"
#include "WM_Intern.h"

static const WIDGET_EFFECT* _pDefaultEffect = &WIDGET_Effect_3D;

static WIDGET* _Widget(WM_HWIN hObj) {
  return (WIDGET*)WM_H2P(hObj);
}

void WIDGET__Init(WIDGET* pWidget, int Id, U16 State) {
  pWidget->pEffect = _pDefaultEffect;
  pWidget->Id = (I16)Id;
  pWidget->State = State;
}

// Moves of a child's edges along one axis when its parent's low edge moved by d0 and its high edge by d1:
// a child anchored to the high edge only follows that edge, one anchored to both stretches, any other
// follows the low edge.
static void _Follow(uint32_t Status, uint32_t LowBit, uint32_t HighBit, int d0, int d1, int* pc0, int* pc1) {
  int High = (Status & HighBit) != 0, Low = (Status & LowBit) != 0;
  *pc0 = (High && !Low) ? d1 : d0;
  *pc1 = High ? d1 : d0;
}

// A changed frame width moves the inside edges by d on every side; the children follow them.
static void _ChildrenFollowInside(WM_HWIN hObj, int d) {
  WM__WATCH Watch(hObj);
  for (WM_HWIN hChild = WM_H2P(hObj)->hFirstChild; hChild;) {
    uint32_t Status = WM_H2P(hChild)->Status;
    int x0, x1, y0, y1;
    _Follow(Status, WM_STATUS_ANCHOR_LEFT, WM_STATUS_ANCHOR_RIGHT, -d, d, &x0, &x1);
    _Follow(Status, WM_STATUS_ANCHOR_TOP, WM_STATUS_ANCHOR_BOTTOM, -d, d, &y0, &y1);
    WM__WATCH ChildWatch(hChild);
    WM_MoveWindow(hChild, x0, y0);
    if (ChildWatch.Alive()) {
      WM__ResizeWindow(hChild, x1 - x0, y1 - y0);
    }
    if (!Watch.Alive() || !ChildWatch.Alive()) {
      return;
    }
    hChild = WM_H2P(hChild)->hNext;
  }
}

static void _SetFocus(WM_HWIN hObj, WM_MESSAGE* pMsg) {
  if (pMsg->Data.v == 1) {
    if (!(_Widget(hObj)->State & WIDGET_STATE_FOCUSABLE)) {
      pMsg->Data.v = 1;
      return;
    }
    WIDGET_OrState(hObj, WIDGET_STATE_FOCUS);
    // A widget deleted on the notification refuses the focus it can no longer hold.
    pMsg->Data.v = WIDGET__NotifyParent(hObj, WM_NOTIFICATION_GOT_FOCUS) ? 0 : 1;
    return;
  }
  WIDGET_AndState(hObj, WIDGET_STATE_FOCUS);
  WIDGET__NotifyParent(hObj, WM_NOTIFICATION_LOST_FOCUS);
  pMsg->Data.v = 0;
}

int WIDGET__NotifyParent(WM_HWIN hObj, int Code) {
  WM__LockGuard Lock;
  WM__WATCH Watch(hObj);
  WM_NotifyParent(hObj, Code);
  return Watch.Alive();
}

int WIDGET_HandleActive(WM_HWIN hObj, WM_MESSAGE* pMsg) {
  if (!hObj || !WM__IsWindow(hObj)) {
    return 1;
  }
  WIDGET* pWidget = _Widget(hObj);
  switch (pMsg->MsgId) {
  case WM_SET_ID:
    pWidget->Id = (I16)pMsg->Data.v;
    return 0;
  case WM_GET_ID:
    pMsg->Data.v = pWidget->Id;
    return 0;
  case WM_POINTER_CHILD: {
    const WM_MESSAGE* pChildMsg = (const WM_MESSAGE*)pMsg->Data.p;
    const GUI_POINTER_STATE* pState = pChildMsg ? (const GUI_POINTER_STATE*)pChildMsg->Data.p : nullptr;
    if (pState && pState->Pressed) {
      WM_BringToTop(hObj);
      return 0;
    }
    return 1;
  }
  case WM_POINTER_STATE_CHANGED: {
    const WM_POINTER_STATE_CHANGE* pInfo = (const WM_POINTER_STATE_CHANGE*)pMsg->Data.p;
    if ((pWidget->State & WIDGET_STATE_FOCUSABLE) && pInfo && pInfo->Pressed) {
      WM__WATCH Watch(hObj);
      WM_SetFocus(hObj);
      return Watch.Alive();
    }
    return 1;
  }
  case WM_GET_INSIDE_RECT:
    WIDGET__GetInsideRect(pWidget, (GUI_RECT*)pMsg->Data.p);
    return 0;
  case WM_SET_FOCUS:
    _SetFocus(hObj, pMsg);
    return 0;
  case WM_GET_ACCEPT_FOCUS:
    pMsg->Data.v = (pWidget->State & WIDGET_STATE_FOCUSABLE) ? 1 : 0;
    return 0;
  case WIDGET_SET_EFFECT: {
    const WIDGET_EFFECT* pNew = (const WIDGET_EFFECT*)pMsg->Data.p;
    if (!pNew) {
      return 0;
    }
    int d = pWidget->pEffect->EffectSize - pNew->EffectSize;
    pWidget->pEffect = pNew;
    if (d) {
      _ChildrenFollowInside(hObj, d);
    }
    WM_InvalidateWindow(hObj);
    return 0;
  }
  }
  return 1;
}

U16 WIDGET_GetState(WM_HWIN hObj) {
  WM__LockGuard Lock;
  if (!hObj || !WM__IsWindow(hObj)) {
    return 0;
  }
  return _Widget(hObj)->State;
}

void WIDGET__SetState(WM_HWIN hObj, U16 State) {
  WM__LockGuard Lock;
  if (!hObj || !WM__IsWindow(hObj)) {
    return;
  }
  WIDGET* pWidget = _Widget(hObj);
  if (pWidget->State != State) {
    pWidget->State = State;
    WM_InvalidateWindow(hObj);
  }
}

void WIDGET_OrState(WM_HWIN hObj, U16 Mask) {
  WM__LockGuard Lock;
  if (hObj && WM__IsWindow(hObj)) {
    WIDGET__SetState(hObj, (U16)(_Widget(hObj)->State | Mask));
  }
}

void WIDGET_AndState(WM_HWIN hObj, U16 Mask) {
  WM__LockGuard Lock;
  if (hObj && WM__IsWindow(hObj)) {
    WIDGET__SetState(hObj, (U16)(_Widget(hObj)->State & ~Mask));
  }
}

void WIDGET_SetEffect(WM_HWIN hObj, const WIDGET_EFFECT* pEffect) {
  WM__LockGuard Lock;
  WM_MESSAGE Msg = {};
  Msg.MsgId = WIDGET_SET_EFFECT;
  Msg.Data.p = (void*)pEffect;
  WM_SendMessage(hObj, &Msg);
}

const WIDGET_EFFECT* WIDGET_SetDefaultEffect(const WIDGET_EFFECT* pEffect) {
  WM__LockGuard Lock;
  const WIDGET_EFFECT* pOld = _pDefaultEffect;
  if (pEffect) {
    _pDefaultEffect = pEffect;
  }
  return pOld;
}

const WIDGET_EFFECT* WIDGET_GetDefaultEffect(void) {
  return _pDefaultEffect;
}

int WIDGET_SetWidth(WM_HWIN hObj, int Width) {
  WM__LockGuard Lock;
  if (!hObj || !WM__IsWindow(hObj)) {
    return 0;
  }
  if (_Widget(hObj)->State & WIDGET_STATE_VERTICAL) {
    WM_SetXSize(hObj, Width);
    return WM_GetWindowSizeX(hObj);
  }
  WM_SetYSize(hObj, Width);
  return WM_GetWindowSizeY(hObj);
}

void WIDGET__SetScrollState(WM_HWIN hObj, const WM_SCROLL_STATE* pVState, const WM_SCROLL_STATE* pHState) {
  WM__LockGuard Lock;
  if (!hObj || !WM__IsWindow(hObj)) {
    return;
  }
  WM_HWIN hV = WM_GetScrollbarV(hObj), hH = WM_GetScrollbarH(hObj);
  // A bar whose value changes tells the widget, which may tell its parent, and that may delete the widget.
  WM__WATCH Watch(hObj);
  if (hV && pVState) {
    WM_SetScrollState(hV, pVState);
  }
  if (hH && pHState && Watch.Alive()) {
    WM_SetScrollState(hH, pHState);
  }
}

GUI_COLOR WIDGET__GetBkColor(WM_HWIN hObj) {
  WM__LockGuard Lock;
  GUI_COLOR Color = WM_GetBkColor(hObj ? WM_GetParent(hObj) : 0);
  return Color == WM_NO_COLOR ? WM__GetDialogBkColor() : Color;
}
