// The window tree: re-parenting, sibling order and stay-on-top, and walks over relatives.
#include "WM_Intern.h"

int WM__IsAncestor(WM_HWIN hChild, WM_HWIN hParent) {
  if (!hChild || !hParent) {
    return 0;
  }
  for (WM_HWIN h = WM_H2P(hChild)->hParent; h; h = WM_H2P(h)->hParent) {
    if (h == hParent) {
      return 1;
    }
  }
  return 0;
}

int WM__IsAncestorOrSelf(WM_HWIN hChild, WM_HWIN hParent) {
  return (hChild && hChild == hParent) || WM__IsAncestor(hChild, hParent);
}

WM_HWIN WM__GetFirstSibling(WM_HWIN hWin) {
  WM_HWIN hParent = WM_H2P(hWin)->hParent;
  return hParent ? WM_H2P(hParent)->hFirstChild : 0;
}

WM_HWIN WM__GetPrevSibling(WM_HWIN hWin) {
  for (WM_HWIN h = WM__GetFirstSibling(hWin); h; h = WM_H2P(h)->hNext) {
    if (WM_H2P(h)->hNext == hWin) {
      return h;
    }
  }
  return 0;
}

WM_HWIN WM__GetLastSibling(WM_HWIN hWin) {
  WM_HWIN h = hWin;
  while (WM_H2P(h)->hNext) {
    h = WM_H2P(h)->hNext;
  }
  return h;
}

void WM_DetachWindow(WM_HWIN hWin) {
  WM__LockGuard Lock;
  WM_OBJ* pWin = WM__CheckHandle(hWin, "WM_DetachWindow");
  if (!pWin || !pWin->hParent) {
    return;
  }
  WM_HWIN hParent = pWin->hParent;
  if (pWin->Status & WM_STATUS_VISIBLE) {
    GUI_RECT r = pWin->Rect;
    WM__InvalidateRectEx(&r, hParent, hWin);
  }
  WM__Unlink(hWin);
  const WM_OBJ* pParent = WM_H2P(hParent);
  WM_MoveWindow(hWin, -pParent->Rect.x0, -pParent->Rect.y0);
}

void WM_AttachWindow(WM_HWIN hWin, WM_HWIN hParent) {
  WM__LockGuard Lock;
  WM_OBJ* pWin = WM__CheckHandle(hWin, "WM_AttachWindow");
  if (!pWin || hParent == 0 || hParent == hWin || pWin->hParent == hParent) {
    return;
  }
  if (!WM__IsWindow(hParent)) {
    GUI_Warn("WM:\nInvalid handle in WM_AttachWindow()");
    return;
  }
  // A window below one of its own descendants would make the tree a cycle.
  if (WM__IsAncestor(hParent, hWin)) {
    GUI_Warn("WM:\nParent is a descendant of the window in WM_AttachWindow()");
    return;
  }
  WM_DetachWindow(hWin);
  // The callbacks of the move may have deleted either window or changed the tree meanwhile.
  if (!WM__IsWindow(hWin) || !WM__IsWindow(hParent) || WM_H2P(hWin)->hParent || WM__IsAncestorOrSelf(hParent, hWin)) {
    return;
  }
  WM__LinkUnderParent(hWin, hParent);
  const WM_OBJ* pParent = WM_H2P(hParent);
  WM_MoveWindow(hWin, pParent->Rect.x0, pParent->Rect.y0);
  // The descendants lost their pixels to the repaint of the old place, so they are drawn again too.
  if (WM__IsWindow(hWin)) {
    WM__InvalidateWindowAndDescsEx(hWin);
  }
}

void WM_AttachWindowAt(WM_HWIN hWin, WM_HWIN hParent, int x, int y) {
  WM__LockGuard Lock;
  if (!WM__CheckHandle(hWin, "WM_AttachWindowAt")) {
    return;
  }
  if (hParent && WM__IsWindow(hParent) && WM__IsAncestorOrSelf(hParent, hWin)) {
    GUI_Warn("WM:\nParent is a descendant of the window in WM_AttachWindowAt()");
    return;
  }
  WM_DetachWindow(hWin);
  if (WM__IsWindow(hWin)) {
    WM_MoveTo(hWin, x, y);
  }
  if (WM__IsWindow(hWin)) {
    WM_AttachWindow(hWin, hParent);
  }
}

void WM__InvalidateWindowAndDescsEx(WM_HWIN hWin) {
  WM_InvalidateWindow(hWin);
  if (!WM__IsWindow(hWin)) {
    return;
  }
  for (WM_HWIN h = WM_H2P(hWin)->hFirstChild; h; h = WM_H2P(h)->hNext) {
    WM__InvalidateWindowAndDescsEx(h);
  }
}

void WM_BringToTop(WM_HWIN hWin) {
  WM__LockGuard Lock;
  WM_OBJ* pWin = WM__CheckHandle(hWin, "WM_BringToTop");
  if (!pWin || !pWin->hParent) {
    return;
  }
  WM_HWIN hNext = pWin->hNext;
  if (!hNext) {
    return;
  }
  if (!(pWin->Status & WM_STATUS_STAYONTOP) && (WM_H2P(hNext)->Status & WM_STATUS_STAYONTOP)) {
    return;
  }
  WM_HWIN hParent = pWin->hParent;
  WM__Unlink(hWin);
  WM__LinkUnderParent(hWin, hParent);
  WM__InvalidateWindowAndDescsEx(hWin);
}

void WM_BringToBottom(WM_HWIN hWin) {
  WM__LockGuard Lock;
  WM_OBJ* pWin = WM__CheckHandle(hWin, "WM_BringToBottom");
  if (!pWin) {
    return;
  }
  WM_HWIN hPrev = WM__GetPrevSibling(hWin);
  if (!hPrev) {
    return;
  }
  WM_HWIN hParent = pWin->hParent;
  if (pWin->Status & WM_STATUS_VISIBLE) {
    GUI_RECT r = pWin->Rect;
    WM__InvalidateRectEx(&r, hParent, pWin->hNext);
  }
  pWin = WM_H2P(hWin);
  WM_H2P(hPrev)->hNext = pWin->hNext;
  WM_OBJ* pParent = WM_H2P(hParent);
  pWin->hNext = pParent->hFirstChild;
  pParent->hFirstChild = hWin;
}

void WM_SetStayOnTop(WM_HWIN hWin, int OnOff) {
  WM__LockGuard Lock;
  WM_OBJ* pWin = WM__CheckHandle(hWin, "WM_SetStayOnTop");
  if (!pWin) {
    return;
  }
  // Only the flag changes; the sibling order follows at the next link or bring-to-top.
  if (OnOff) {
    pWin->Status |= WM_STATUS_STAYONTOP;
  } else {
    pWin->Status &= ~WM_STATUS_STAYONTOP;
  }
}

int WM_GetStayOnTop(WM_HWIN hWin) {
  WM__LockGuard Lock;
  WM_OBJ* pWin = WM__CheckHandle(hWin, "WM_GetStayOnTop");
  return pWin ? (pWin->Status & WM_STATUS_STAYONTOP) != 0 : 0;
}

WM_HWIN WM_GetParent(WM_HWIN hWin) {
  WM__LockGuard Lock;
  WM_OBJ* pWin = WM__CheckHandle(hWin, "WM_GetParent");
  return pWin ? pWin->hParent : 0;
}

WM_HWIN WM_GetFirstChild(WM_HWIN hWin) {
  WM__LockGuard Lock;
  WM_OBJ* pWin = WM__CheckHandle(hWin, "WM_GetFirstChild");
  return pWin ? pWin->hFirstChild : 0;
}

WM_HWIN WM_GetNextSibling(WM_HWIN hWin) {
  WM__LockGuard Lock;
  WM_OBJ* pWin = WM__CheckHandle(hWin, "WM_GetNextSibling");
  return pWin ? pWin->hNext : 0;
}

WM_HWIN WM_GetPrevSibling(WM_HWIN hWin) {
  WM__LockGuard Lock;
  return WM__CheckHandle(hWin, "WM_GetPrevSibling") ? WM__GetPrevSibling(hWin) : 0;
}

WM_HWIN WM_GetDesktopWindow(void) {
  return WM__hDesktopWin;
}

WM_HWIN WM_GetDesktopWindowEx(unsigned Layer) {
  return Layer == 0 ? WM__hDesktopWin : 0;
}

int WM_IsChildOf(WM_HWIN hWin, WM_HWIN hParent) {
  WM__LockGuard Lock;
  WM_OBJ* pWin = WM__CheckHandle(hWin, "WM_IsChildOf");
  return pWin && hParent && pWin->hParent == hParent;
}

static void _ForEachDesc(WM_HWIN hWin, void (*fn)(WM_HWIN, void*), void* pData) {
  WM_HWIN hChild = WM_H2P(hWin)->hFirstChild;
  while (hChild) {
    // The next sibling is read first: fn may change the tree. A child deleted by fn ends the walk of its level.
    WM_HWIN hNext = WM_H2P(hChild)->hNext;
    fn(hChild, pData);
    if (WM__IsWindow(hChild)) {
      _ForEachDesc(hChild, fn, pData);
    }
    if (hNext && !WM__IsWindow(hNext)) {
      break;
    }
    hChild = hNext;
  }
}

void WM_ForEachDesc(WM_HWIN hWin, void (*fn)(WM_HWIN hWin, void* pData), void* pData) {
  WM__LockGuard Lock;
  if (!fn || !WM__CheckHandle(hWin, "WM_ForEachDesc")) {
    return;
  }
  _ForEachDesc(hWin, fn, pData);
}

// Asking for the Id runs a callback, which may change the tree: the walk ends where a window it stands on
// went away.
static WM_HWIN _FindChildById(WM_HWIN hWin, int Id) {
  for (WM_HWIN h = WM_H2P(hWin)->hFirstChild; h; h = WM_H2P(h)->hNext) {
    int IdChild = WM_GetId(h);
    if (!WM__IsWindow(h) || !WM__IsWindow(hWin)) {
      return 0;
    }
    if (IdChild == Id) {
      return h;
    }
    WM_HWIN hFound = _FindChildById(h, Id);
    if (hFound || !WM__IsWindow(h)) {
      return hFound;
    }
  }
  return 0;
}

WM_HWIN WM_FindChildById(WM_HWIN hWin, int Id) {
  WM__LockGuard Lock;
  return WM__CheckHandle(hWin, "WM_FindChildById") ? _FindChildById(hWin, Id) : 0;
}
