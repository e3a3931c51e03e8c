// Pointer input: hit test, the pointer handler with hover, press, release and wheel messages, capture, the
// modal window and dragging a window with the pointer.
#include "WM_Intern.h"

namespace {

constexpr int NUM_POINTER_INPUTS = 10;

GUI_POINTER_STATE _LastState;
GUI_POINTER_STATE _aLastState[NUM_POINTER_INPUTS];
int16_t _GrabX, _GrabY;

void _ToWindowRel(WM_HWIN hWin, GUI_POINTER_STATE* pState) {
  const WM_OBJ* pWin = WM_H2P(hWin);
  pState->x -= pWin->Rect.x0;
  pState->y -= pWin->Rect.y0;
}

void _SendPointerRel(WM_HWIN hWin, int MsgId, const GUI_POINTER_STATE* pState) {
  GUI_POINTER_STATE Copy = *pState;
  WM_MESSAGE Msg = {};
  Msg.MsgId = MsgId;
  Msg.Data.p = &Copy;
  WM__SendPointerMessageRel(hWin, &Msg);
}

WM_HWIN _GetWindowAt(WM_HWIN hWin, WM_HWIN hStop, int x, int y) {
  const WM_OBJ* pWin = WM_H2P(hWin);
  if (!(pWin->Status & WM_STATUS_VISIBLE) || x < pWin->Rect.x0 || x > pWin->Rect.x1 || y < pWin->Rect.y0 ||
      y > pWin->Rect.y1) {
    return 0;
  }
  WM_HWIN hHit = hWin;
  for (WM_HWIN h = pWin->hFirstChild; h && h != hStop; h = WM_H2P(h)->hNext) {
    WM_HWIN hChildHit = _GetWindowAt(h, hStop, x, y);
    if (hChildHit) {
      hHit = hChildHit;
    }
  }
  return hHit;
}

} // namespace

void WM__ResetPointer(void) {
  _LastState = GUI_POINTER_STATE{};
  for (GUI_POINTER_STATE& s : _aLastState) {
    s = GUI_POINTER_STATE{};
  }
  WM__PointerLayer = -1;
  SIM_WheelDelta = 0;
}

WM_HWIN WM_GetWindowAtEx(WM_HWIN hStop, int x, int y) {
  WM__LockGuard Lock;
  return WM__FirstWin ? _GetWindowAt(WM__FirstWin, hStop, x, y) : 0;
}

WM_HWIN WM_GetWindowAt(int x, int y) {
  return WM_GetWindowAtEx(0, x, y);
}

WM_HWIN WM__GetPointerWindow(const GUI_POINTER_STATE* pState) {
  if (WM__hCapture && WM__IsWindow(WM__hCapture)) {
    return WM__hCapture;
  }
  return WM_GetWindowAt(pState->x, pState->y);
}

void WM__SendPointerMessage(WM_HWIN hWin, WM_MESSAGE* pMsg) {
  WM_CRITICAL_HANDLE CH = {};
  CH.hWin = hWin;
  WM__AddCriticalHandle(&CH);
  for (WM_HWIN h = WM__IsWindow(hWin) ? WM_H2P(hWin)->hParent : 0; h;) {
    WM_MESSAGE Msg = {};
    Msg.MsgId = WM_POINTER_CHILD;
    Msg.hWinSrc = hWin;
    Msg.Data.p = pMsg;
    WM__SendMessageIfEnabled(h, &Msg);
    if (!CH.hWin || !WM__IsWindow(h)) {
      break;
    }
    h = WM_H2P(h)->hParent;
  }
  if (CH.hWin) {
    WM__SendMessageIfEnabled(hWin, pMsg);
  }
  WM__RemoveCriticalHandle(&CH);
}

void WM__SendPointerMessageRel(WM_HWIN hWin, WM_MESSAGE* pMsg) {
  if (!WM__IsWindow(hWin)) {
    return;
  }
  if (pMsg->Data.p) {
    _ToWindowRel(hWin, (GUI_POINTER_STATE*)pMsg->Data.p);
  }
  WM__SendPointerMessage(hWin, pMsg);
}

void WM__SetPointerWindows(WM_HWIN hWin) {
  WM__CHWinPressed.hWin = hWin;
  WM__CHWinHovered.hWin = hWin;
}

void WM__GetLastPointerState(GUI_POINTER_STATE* pState, int Index) {
  if (pState && Index >= 0 && Index < NUM_POINTER_INPUTS) {
    *pState = Index == 0 ? _LastState : _aLastState[Index];
  }
}

void WM__SetLastPointerState(const GUI_POINTER_STATE* pState, int Index) {
  if (pState && Index >= 0 && Index < NUM_POINTER_INPUTS) {
    _aLastState[Index] = *pState;
    if (Index == 0) {
      _LastState = *pState;
    }
  }
}

int WM__IsInModalArea(WM_HWIN hWin) {
  if (WM__PointerLayer == 0 && !WM__IsAncestor(hWin, WM__hDesktopWin)) {
    return 0;
  }
  WM_HWIN hModal = WM__CHWinModal.hWin;
  return !hModal || (hWin && WM__IsAncestorOrSelf(hWin, hModal));
}

int WM_SetPointerLayer(int Layer) {
  WM__LockGuard Lock;
  if (Layer != -1 && Layer != 0) {
    return -2;
  }
  int Old = WM__PointerLayer;
  WM__PointerLayer = Layer;
  return Old;
}

int WM__HandlePointer(void) {
  if (GUI_POINTER_IsEmpty() && SIM_WheelDelta.load() == 0) {
    return 0;
  }
  GUI_POINTER_STATE State;
  GUI_POINTER_GetState(&State);
  if (State.x == -1 && State.y == -1 && State.Pressed == _LastState.Pressed) {
    return 0;
  }
  WM__LockGuard Lock;
  if (State.x >= 0 && State.y >= 0) {
    int xOrg = 0, yOrg = 0;
    GUI_GetOrg(&xOrg, &yOrg);
    State.x += xOrg;
    State.y += yOrg;
  } else if (State.x == -1 && State.y == -1) {
    State.x = _LastState.x;
    State.y = _LastState.y;
  }
  WM_CRITICAL_HANDLE CHWin = {};
  WM__AddCriticalHandle(&CHWin);
  int xLayer = 0, yLayer = 0;
  GUI_GetLayerPosEx(0, &xLayer, &yLayer);
  State.x -= xLayer;
  State.y -= yLayer;
  int Result = 0;
  // Wheel steps go to the window under the pointer; without an enabled one they stay for later.
  int32_t Wheel = SIM_WheelDelta.load();
  if (Wheel) {
    WM_HWIN hWheel = WM__GetPointerWindow(&State);
    if (hWheel && !(WM_H2P(hWheel)->Status & WM_STATUS_DISABLED)) {
      WM_MESSAGE Msg = {};
      Msg.MsgId = WM_WHEEL;
      Msg.Data.v = Wheel;
      WM__SendMessage(hWheel, &Msg);
      SIM_WheelDelta.fetch_sub(Wheel); // steps added meanwhile by the host stay
    }
  }
  if (State.x != _LastState.x || State.y != _LastState.y || State.Pressed != _LastState.Pressed) {
    if (WM__pfPointerPreHook) {
      WM__pfPointerPreHook(&State, 0);
    }
    CHWin.hWin = WM__GetPointerWindow(&State);
    if (WM__pfPointerPostHitHook) {
      WM__pfPointerPostHitHook(&State, CHWin.hWin);
    }
    int HoverEndSent = 0;
    WM_HWIN hHovered = WM__CHWinHovered.hWin;
    if (hHovered && hHovered != CHWin.hWin && WM__IsInModalArea(hHovered) &&
        !(WM_H2P(hHovered)->Status & WM_STATUS_DISABLED)) {
      _SendPointerRel(hHovered, WM_POINTER_HOVER_END, &State);
      WM__CHWinHovered.hWin = 0;
      HoverEndSent = 1;
    }
    if (WM__IsInModalArea(CHWin.hWin)) {
      WM__CHWinHovered.hWin = CHWin.hWin;
      if (State.Pressed != _LastState.Pressed && CHWin.hWin) {
        const WM_OBJ* pWin = WM_H2P(CHWin.hWin);
        WM_POINTER_STATE_CHANGE Info = {State.x - pWin->Rect.x0, State.y - pWin->Rect.y0, State.Pressed,
                                        _LastState.Pressed};
        uint8_t SavePressed = _LastState.Pressed;
        _LastState.Pressed = State.Pressed;
        WM_HWIN hPrevPressed = 0;
        int Temporary = 0;
        if (HoverEndSent && State.Pressed) {
          hPrevPressed = WM__CHWinPressed.hWin;
          WM__CHWinPressed.hWin = CHWin.hWin;
          Temporary = 1;
        }
        WM_HWIN hPressedBefore = WM__CHWinPressed.hWin;
        WM_MESSAGE Msg = {};
        Msg.MsgId = WM_POINTER_STATE_CHANGED;
        Msg.Data.p = &Info;
        WM__SendMessageIfEnabled(CHWin.hWin, &Msg);
        if (WM__CHWinPressed.hWin != hPressedBefore && CHWin.hWin) {
          CHWin.hWin = WM__CHWinPressed.hWin;
        }
        _LastState.Pressed = SavePressed;
        if (Temporary && hPrevPressed && WM__IsWindow(hPrevPressed)) {
          WM__CHWinPressed.hWin = hPrevPressed;
        }
      }
      if (State.Pressed || _LastState.Pressed) {
        Result = 1;
        WM_HWIN hPressed = WM__CHWinPressed.hWin;
        if (hPressed && hPressed != CHWin.hWin) {
          if (State.Pressed) {
            // The pointer left the pressed window with the button down.
            WM_MESSAGE Msg = {};
            Msg.MsgId = WM_POINTER;
            WM__SendPointerMessageRel(hPressed, &Msg);
          } else {
            GUI_POINTER_STATE Released = {};
            Released.x = _LastState.x;
            Released.y = _LastState.y;
            _SendPointerRel(hPressed, WM_POINTER, &Released);
          }
          WM__CHWinPressed.hWin = 0;
        }
        _LastState.Pressed = State.Pressed;
        if (CHWin.hWin) {
          if (State.Pressed) {
            WM__CHWinPressed.hWin = CHWin.hWin;
          } else {
            if (WM__CaptureReleaseAuto) {
              WM_ReleaseCapture();
            }
            WM__CHWinPressed.hWin = 0;
          }
          if (CHWin.hWin) {
            _SendPointerRel(CHWin.hWin, WM_POINTER, &State);
          }
        }
      } else if (CHWin.hWin && !(WM_H2P(CHWin.hWin)->Status & WM_STATUS_DISABLED)) {
        _SendPointerRel(CHWin.hWin, WM_POINTER_HOVER, &State);
      }
    }
    _LastState = State;
    _aLastState[0] = State;
  }
  WM__RemoveCriticalHandle(&CHWin);
  return Result;
}

void WM_SetCapture(WM_HWIN hWin, int AutoRelease) {
  WM__LockGuard Lock;
  if (!WM__CheckHandle(hWin, "WM_SetCapture")) {
    return;
  }
  if (WM__hCapture && WM__hCapture != hWin) {
    WM_ReleaseCapture();
    if (!WM__IsWindow(hWin)) {
      return; // the released window's callback deleted it
    }
  }
  WM__CaptureReleaseAuto = (uint8_t)(AutoRelease != 0);
  WM__hCapture = hWin;
}

void WM_ReleaseCapture(void) {
  WM__LockGuard Lock;
  WM_HWIN hCapture = WM__hCapture;
  if (hCapture) {
    WM__hCapture = 0;
    WM__CaptureReleaseAuto = 0;
    WM__SendMessageNoPara(hCapture, WM_CAPTURE_RELEASED);
  }
}

int WM_HasCaptured(WM_HWIN hWin) {
  WM__LockGuard Lock;
  return hWin && WM__hCapture == hWin;
}

void WM_MakeModal(WM_HWIN hWin) {
  WM__LockGuard Lock;
  if (hWin && !WM__CheckHandle(hWin, "WM_MakeModal")) {
    return;
  }
  WM_ReleaseCapture();
  if (hWin && !WM__IsWindow(hWin)) {
    return; // the released window's callback deleted it
  }
  WM__CHWinModal.hWin = hWin;
  WM_HWIN hPressed = WM__CHWinPressed.hWin;
  if (hPressed && !WM__IsInModalArea(hPressed)) {
    WM_MESSAGE Msg = {};
    Msg.MsgId = WM_POINTER;
    WM__SendPointerMessage(hPressed, &Msg);
    WM__CHWinPressed.hWin = 0;
  }
}

void WM__MoveByPointer(WM_HWIN hWin, const GUI_POINTER_STATE* pState, int Margin, int Rows) {
  WM__LockGuard Lock;
  if (!pState || !WM__CheckHandle(hWin, "WM__MoveByPointer")) {
    return;
  }
  if (WM__hCapture != hWin) {
    WM_SetCapture(hWin, 1);
    _GrabX = (int16_t)pState->x;
    _GrabY = (int16_t)pState->y;
    return;
  }
  int dx = pState->x - _GrabX;
  int dy = pState->y - _GrabY;
  const WM_OBJ* pWin = WM_H2P(hWin);
  if ((Margin || Rows) && pWin->hParent) {
    GUI_RECT r = pWin->Rect;
    WM__MoveRect(&r, dx, dy);
    if (Rows) {
      r.y1 = (int16_t)(r.y0 + Rows - 1);
    }
    GUI_RECT rParent = WM_H2P(pWin->hParent)->Rect;
    rParent.x0 = (int16_t)(rParent.x0 + Margin);
    rParent.y0 = (int16_t)(rParent.y0 + Margin);
    rParent.x1 = (int16_t)(rParent.x1 - Margin);
    rParent.y1 = (int16_t)(rParent.y1 - Margin);
    GUI_RECT Dummy;
    if (!WM__IntersectRects(&Dummy, &r, &rParent)) {
      return;
    }
  }
  WM_MoveWindow(hWin, dx, dy);
}
