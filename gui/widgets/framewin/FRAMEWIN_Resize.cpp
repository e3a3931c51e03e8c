// FRAMEWIN: resizing with the pointer. A press within 3 pixels of an edge (12 pixels along it widen it to a
// corner) starts a resize; moves grow or shrink the frame from that edge, never below 20 x 20 pixels; the
// release ends it. One resize runs at a time, so its state is shared by all frames.
#include "FRAMEWIN.h"

namespace {

constexpr int _Reactive = 3;
constexpr int _Corner = 12;
constexpr int _MinSize = 20;

constexpr U32 _RIGHT = 1, _BOTTOM = 2, _LEFT = 4, _TOP = 8, _ACTIVE = 0x10;

int _xPrev, _yPrev;
U32 _Mode;
WM_HWIN _hResizing; // the frame the mode belongs to: a frame deleted mid-resize leaves no mode to others

U32 _EdgeAt(WM_HWIN hObj, int x, int y) {
  int x1 = WM_GetWindowSizeX(hObj) - 1, y1 = WM_GetWindowSizeY(hObj) - 1;
  if (x < 0 || y < 0 || x > x1 || y > y1) {
    return 0;
  }
  U32 Mode = 0;
  if (x > x1 - _Reactive) {
    Mode = _RIGHT;
  } else if (x < _Reactive) {
    Mode = _RIGHT | _LEFT;
  }
  if (Mode) {
    if (y > y1 - _Corner) {
      Mode |= _BOTTOM;
    } else if (y < _Corner) {
      Mode |= _BOTTOM | _TOP;
    }
    return Mode;
  }
  if (y > y1 - _Reactive) {
    Mode = _BOTTOM;
  } else if (y < _Reactive) {
    Mode = _BOTTOM | _TOP;
  }
  if (Mode) {
    if (x > x1 - _Corner) {
      Mode |= _RIGHT;
    } else if (x < _Corner) {
      Mode |= _RIGHT | _LEFT;
    }
  }
  return Mode;
}

void _Resize(WM_HWIN hObj, int x, int y) {
  int dx = 0, dy = 0;
  int xSize = WM_GetWindowSizeX(hObj), ySize = WM_GetWindowSizeY(hObj);
  if (_Mode & _RIGHT) {
    dx = (_Mode & _LEFT) ? _xPrev - x : x - _xPrev;
    if (xSize + dx < _MinSize) {
      int Corrected = _MinSize - xSize;
      x += (_Mode & _LEFT) ? dx - Corrected : Corrected - dx;
      dx = Corrected;
    }
  }
  if (_Mode & _BOTTOM) {
    dy = (_Mode & _TOP) ? _yPrev - y : y - _yPrev;
    if (ySize + dy < _MinSize) {
      int Corrected = _MinSize - ySize;
      y += (_Mode & _TOP) ? dy - Corrected : Corrected - dy;
      dy = Corrected;
    }
  }
  WM_MoveWindow(hObj, (_Mode & _LEFT) ? -dx : 0, (_Mode & _TOP) ? -dy : 0);
  WM_SetSize(hObj, xSize + dx, ySize + dy);
  // The window moved under the pointer on the left and top edges: the pointer's window position stays.
  if (!(_Mode & _LEFT)) {
    _xPrev = x;
  }
  if (!(_Mode & _TOP)) {
    _yPrev = y;
  }
}

} // namespace

int FRAMEWIN__HandleResize(WM_HWIN hObj, WM_MESSAGE* pMsg) {
  const FRAMEWIN_OBJ* pObj = FRAMEWIN__Obj(hObj);
  if (pObj->Flags & (FRAMEWIN_SF_MINIMIZED | FRAMEWIN_SF_MAXIMIZED)) {
    return 0;
  }
  if (_hResizing != hObj) {
    _Mode = 0;
    _hResizing = hObj;
  }
  if (WM_HasCaptured(hObj) && !(_Mode & _ACTIVE)) {
    return 0; // the capture belongs to a drag
  }
  if (pMsg->MsgId == WM_CAPTURE_RELEASED) {
    _Mode = 0;
    return 1;
  }
  if (pMsg->MsgId != WM_POINTER || !pMsg->Data.p) {
    return 0;
  }
  const GUI_POINTER_STATE* pState = (const GUI_POINTER_STATE*)pMsg->Data.p;
  if (pState->Pressed) {
    if (!(_Mode & _ACTIVE)) {
      U32 Mode = _EdgeAt(hObj, pState->x, pState->y);
      if (!Mode) {
        return 0; // not at an edge: the frame may be dragged
      }
      WM__WATCH Watch(hObj); // the parent hears of the focus and may delete the frame
      WM_SetFocus(hObj);
      if (!Watch.Alive()) {
        return 1;
      }
      WM_BringToTop(hObj);
      _xPrev = pState->x;
      _yPrev = pState->y;
      WM_SetCapture(hObj, 0);
      _Mode = Mode | _ACTIVE;
      return 1;
    }
    _Resize(hObj, pState->x, pState->y);
    return 1;
  }
  if (!WM_HasCaptured(hObj)) {
    return 0;
  }
  _Mode &= _ACTIVE;
  WM_ReleaseCapture();
  return 1;
}
