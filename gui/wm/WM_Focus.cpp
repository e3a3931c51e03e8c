// Keys, the focus window with its messages and focus cycling, and enabling and disabling windows.
#include "WM_Intern.h"

void WM__ForgetWindow(WM_HWIN hWin) {
  if (WM__hWinFocus == hWin) {
    WM__hWinFocus = 0;
  }
  if (WM__hCapture == hWin) {
    WM__hCapture = 0;
    WM__CaptureReleaseAuto = 0;
  }
}

int WM_OnKey(int Key, int PressedCnt) {
  WM__LockGuard Lock;
  WM_HWIN hFocus = WM__hWinFocus;
  if (!hFocus || !WM__IsWindow(hFocus)) {
    return 0;
  }
  GUI_KEY_MSG Info = {};
  Info.Key = Key;
  Info.PressedCnt = PressedCnt;
  WM_MESSAGE Msg = {};
  Msg.MsgId = WM_KEY;
  Msg.Data.p = &Info;
  WM__SendMessage(hFocus, &Msg);
  return 1;
}

static void _NotifyAncestors(WM_HWIN hWin, const WM_FOCUS_CHANGE* pInfo) {
  WM_HWIN h = WM_H2P(hWin)->hParent;
  while (h) {
    WM_FOCUS_CHANGE Info = *pInfo;
    WM_MESSAGE Msg = {};
    Msg.MsgId = WM_CHILD_FOCUS_CHANGED;
    Msg.Data.p = &Info;
    WM__WATCH Watch(h);
    WM__SendMessage(h, &Msg);
    if (!Watch.Alive()) {
      break;
    }
    h = WM_H2P(h)->hParent;
  }
}

int WM_SetFocus(WM_HWIN hWin) {
  WM__LockGuard Lock;
  if (!hWin || hWin == WM__hWinFocus) {
    return 1;
  }
  if (!WM__CheckHandle(hWin, "WM_SetFocus")) {
    return 1;
  }
  WM_HWIN hOld = WM__hWinFocus;
  // Either window may be deleted by what the messages cause, and a window made then may get its handle.
  WM__WATCH WatchOld(hOld), WatchNew(hWin);
  WM_MESSAGE Msg = {};
  Msg.MsgId = WM_SET_FOCUS;
  if (WatchOld.Alive()) {
    Msg.Data.v = 0;
    WM__SendMessage(hOld, &Msg);
  }
  if (!WatchNew.Alive()) {
    return 1;
  }
  Msg.Data.v = 1;
  WM__SendMessage(hWin, &Msg);
  if (Msg.Data.v != 0 || !WatchNew.Alive()) {
    return 1;
  }
  WM__hWinFocus = hWin;
  WM_FOCUS_CHANGE Info = {hOld, hWin};
  _NotifyAncestors(hWin, &Info);
  if (WatchOld.Alive()) {
    _NotifyAncestors(hOld, &Info);
  }
  return 0;
}

WM_HWIN WM_GetFocusWindow(void) {
  return WM__hWinFocus;
}

int WM_HasFocus(WM_HWIN hWin) {
  return hWin && hWin == WM__hWinFocus;
}

static WM_HWIN _NextOrFirst(WM_HWIN hParent, WM_HWIN h) {
  WM_HWIN hNext = h ? WM_H2P(h)->hNext : 0;
  return hNext ? hNext : WM_H2P(hParent)->hFirstChild;
}

static WM_HWIN _PrevOrLast(WM_HWIN hParent, WM_HWIN h) {
  WM_HWIN hPrev = WM__GetPrevSibling(h);
  if (hPrev) {
    return hPrev;
  }
  WM_HWIN hFirst = WM_H2P(hParent)->hFirstChild;
  return hFirst ? WM__GetLastSibling(hFirst) : 0;
}

// Walks the children of hParent from hStart with pfStep, skipping hStart, to the first focusable one (or
// back to the first candidate) and gives it the focus.
static WM_HWIN _SetFocusOnChild(WM_HWIN hParent, WM_HWIN hStart, WM_HWIN (*pfStep)(WM_HWIN, WM_HWIN)) {
  WM_HWIN hCand = pfStep(hParent, hStart);
  if (!hCand || hCand == hStart) {
    return 0;
  }
  WM_HWIN hFirstCand = hCand;
  while (!WM_IsFocusable(hCand)) {
    if (!WM__IsWindow(hParent) || !WM__IsWindow(hCand)) {
      return 0;
    }
    WM_HWIN hNext = pfStep(hParent, hCand);
    if (hNext == hStart) {
      hNext = pfStep(hParent, hNext);
    }
    if (!hNext || hNext == hFirstCand) {
      hCand = hFirstCand;
      break;
    }
    hCand = hNext;
  }
  if (!WM__IsWindow(hCand)) {
    return 0;
  }
  return WM_SetFocus(hCand) == 0 ? hCand : 0;
}

WM_HWIN WM_SetFocusOnNextChild(WM_HWIN hParent) {
  WM__LockGuard Lock;
  if (!WM__CheckHandle(hParent, "WM_SetFocusOnNextChild")) {
    return 0;
  }
  WM_HWIN hFocus = WM__hWinFocus;
  WM_HWIN hStart = (hFocus && WM__IsWindow(hFocus) && WM_H2P(hFocus)->hParent == hParent) ? hFocus : 0;
  return _SetFocusOnChild(hParent, hStart, _NextOrFirst);
}

WM_HWIN WM_SetFocusOnPrevChild(WM_HWIN hParent) {
  WM__LockGuard Lock;
  if (!WM__CheckHandle(hParent, "WM_SetFocusOnPrevChild")) {
    return 0;
  }
  WM_HWIN hFocus = WM__hWinFocus;
  if (!hFocus || !WM__IsWindow(hFocus) || WM_H2P(hFocus)->hParent != hParent) {
    return 0;
  }
  return _SetFocusOnChild(hParent, hFocus, _PrevOrLast);
}

void WM__SetEnableState(WM_HWIN hWin, int Enable) {
  WM__LockGuard Lock;
  WM_OBJ* pWin = WM__CheckHandle(hWin, "WM__SetEnableState");
  if (!pWin) {
    return;
  }
  uint32_t Status = Enable ? (pWin->Status & ~WM_STATUS_DISABLED) : (pWin->Status | WM_STATUS_DISABLED);
  if (Status == pWin->Status) {
    return;
  }
  pWin->Status = Status;
  WM_MESSAGE Msg = {};
  Msg.MsgId = WM_NOTIFY_ENABLE;
  Msg.Data.v = Enable ? 1 : 0;
  WM__SendMessage(hWin, &Msg);
}

void WM_EnableWindow(WM_HWIN hWin) {
  WM__SetEnableState(hWin, 1);
}

void WM_DisableWindow(WM_HWIN hWin) {
  WM__SetEnableState(hWin, 0);
}

int WM_IsEnabled(WM_HWIN hWin) {
  WM__LockGuard Lock;
  WM_OBJ* pWin = WM__CheckHandle(hWin, "WM_IsEnabled");
  return pWin ? !(pWin->Status & WM_STATUS_DISABLED) : 0;
}

int WM__IsEnabled(WM_HWIN hWin) {
  return hWin && WM__IsWindow(hWin) && !(WM_H2P(hWin)->Status & WM_STATUS_DISABLED);
}
