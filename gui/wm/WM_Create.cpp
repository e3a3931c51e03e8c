// Window records: creation, the list of all windows, sibling linking and critical handles.
#include "WM_Intern.h"

static WM_CRITICAL_HANDLE* _pFirstCH;

// Window records are reached under the GUI lock that every caller holds, so the look-up takes no lock.
WM_OBJ* WM_H2P(WM_HWIN hWin) {
  return (WM_OBJ*)GUI_ALLOC__h2pLocked(hWin);
}

// A window's handle carries the window tag from its creation until it leaves the list of all windows; the
// heap clears the tag when the handle is freed, so a handle reused for another block is no window. The check
// costs the same however many windows there are.
int WM__IsWindow(WM_HWIN hWin) {
  return hWin != 0 && GUI_ALLOC__GetTag(hWin) == WM__HANDLE_TAG;
}

int WM_IsWindow(WM_HWIN hWin) {
  WM__LockGuard Lock;
  return WM__IsWindow(hWin);
}

void WM__AddCriticalHandle(WM_CRITICAL_HANDLE* pCH) {
  for (WM_CRITICAL_HANDLE* p = _pFirstCH; p; p = p->pNext) {
    if (p == pCH) {
      return; // already listed
    }
  }
  pCH->pNext = _pFirstCH;
  _pFirstCH = pCH;
}

void WM__RemoveCriticalHandle(WM_CRITICAL_HANDLE* pCH) {
  for (WM_CRITICAL_HANDLE** pp = &_pFirstCH; *pp; pp = &(*pp)->pNext) {
    if (*pp == pCH) {
      *pp = pCH->pNext;
      pCH->pNext = nullptr;
      return;
    }
  }
}

void WM__ResetCriticalHandles(void) {
  _pFirstCH = nullptr;
  WM__CHWinPressed = WM_CRITICAL_HANDLE{};
  WM__CHWinHovered = WM_CRITICAL_HANDLE{};
  WM__CHWinModal = WM_CRITICAL_HANDLE{};
}

void WM__ClearCriticalHandles(WM_HWIN hWin) {
  for (WM_CRITICAL_HANDLE* p = _pFirstCH; p; p = p->pNext) {
    if (p->hWin == hWin) {
      p->hWin = 0;
    }
  }
}

// Links hWin as a child of hParent: stay-on-top windows lie above the others, and within each class the
// newest is top-most. A window without stay-on-top goes right above the top-most sibling without it (the
// bottom when there is none), so that a sibling order mixed up by WM_BringToBottom or WM_SetStayOnTop never
// sends it below the windows it was linked above.
void WM__LinkUnderParent(WM_HWIN hWin, WM_HWIN hParent) {
  WM_OBJ* pWin = WM_H2P(hWin);
  pWin->hNext = 0;
  pWin->hParent = hParent;
  if (!hParent) {
    return;
  }
  WM_OBJ* pParent = WM_H2P(hParent);
  int OnTop = (pWin->Status & WM_STATUS_STAYONTOP) != 0;
  WM_HWIN hFirst = pParent->hFirstChild;
  if (!hFirst) {
    pParent->hFirstChild = hWin;
    return;
  }
  WM_HWIN hAfter = 0; // sibling to link after, 0 = become the first child
  for (WM_HWIN h = hFirst; h; h = WM_H2P(h)->hNext) {
    if (OnTop || !(WM_H2P(h)->Status & WM_STATUS_STAYONTOP)) {
      hAfter = h;
    }
  }
  if (!hAfter) {
    pWin->hNext = hFirst;
    pParent->hFirstChild = hWin;
    return;
  }
  WM_OBJ* pAfter = WM_H2P(hAfter);
  pWin->hNext = pAfter->hNext;
  pAfter->hNext = hWin;
}

// Takes hWin out of its parent's child list; it keeps its rectangle and has no parent afterwards.
void WM__Unlink(WM_HWIN hWin) {
  WM_OBJ* pWin = WM_H2P(hWin);
  WM_HWIN hParent = pWin->hParent;
  if (hParent) {
    WM_OBJ* pParent = WM_H2P(hParent);
    if (pParent->hFirstChild == hWin) {
      pParent->hFirstChild = pWin->hNext;
    } else {
      for (WM_HWIN h = pParent->hFirstChild; h;) {
        WM_OBJ* p = WM_H2P(h);
        if (p->hNext == hWin) {
          p->hNext = pWin->hNext;
          break;
        }
        h = p->hNext;
      }
    }
  }
  pWin->hParent = 0;
  pWin->hNext = 0;
}

WM_HWIN WM_CreateWindowAsChild(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, uint32_t Style,
                               WM_CALLBACK* cb, int NumExtraBytes) {
  WM__LockGuard Lock;
  Style |= WM__CreateFlags;
  if (hParent == (WM_HWIN)-1) {
    hParent = 0;
  } else if (hParent == 0) {
    hParent = WM__FirstWin ? WM__hDesktopWin : 0;
  } else if (!WM__IsWindow(hParent)) {
    GUI_Warn("WM:\nInvalid parent handle in WM_CreateWindowAsChild()");
    return 0;
  }
  if (NumExtraBytes < 0) {
    NumExtraBytes = 0;
  }
  // Positions and sizes are added up wide; edges beyond the coordinate range stop at its ends.
  I64 X0 = x0, Y0 = y0;
  if (hParent) {
    const WM_OBJ* pParent = WM_H2P(hParent);
    X0 += pParent->Rect.x0;
    Y0 += pParent->Rect.y0;
    if (xSize == 0) {
      xSize = pParent->Rect.x1 - pParent->Rect.x0 + 1;
    }
    if (ySize == 0) {
      ySize = pParent->Rect.y1 - pParent->Rect.y0 + 1;
    }
  }
  WM_HWIN hWin = GUI_ALLOC_AllocZero((I32)(sizeof(WM_OBJ) + (size_t)NumExtraBytes));
  if (!hWin) {
    GUI_ErrorOut("WM:\nNo memory to create window in WM_CreateWindowAsChild()");
    return 0;
  }
  WM__NumWindows++;
  GUI_ALLOC__SetTag(hWin, WM__HANDLE_TAG);
  WM_OBJ* pWin = WM_H2P(hWin);
  pWin->Rect.x0 = WM__ClampI16(X0);
  pWin->Rect.y0 = WM__ClampI16(Y0);
  pWin->Rect.x1 = WM__ClampI16(X0 + xSize - 1);
  pWin->Rect.y1 = WM__ClampI16(Y0 + ySize - 1);
  pWin->cb = cb;
  pWin->Status |= Style & WM_CREATE_STORE_MASK & ~(uint32_t)(WM_STATUS_VISIBLE | WM_STATUS_INVALID);
  if (WM__FirstWin) {
    WM_OBJ* pFirst = WM_H2P(WM__FirstWin);
    pWin->hNextLin = pFirst->hNextLin;
    pFirst->hNextLin = hWin;
  } else {
    WM__FirstWin = hWin;
  }
  WM__LinkUnderParent(hWin, hParent);
  if (Style & WM_CREATE_SELECT) {
    WM_SelectWindow(hWin);
  }
  if (Style & WM_STATUS_TRANSPARENT) {
    WM__TransWindowCnt++;
  }
  if (Style & WM_CREATE_BOTTOM) {
    WM_BringToBottom(hWin);
  }
  if (Style & WM_STATUS_VISIBLE) {
    WM_H2P(hWin)->Status |= WM_STATUS_VISIBLE;
    WM_InvalidateWindow(hWin);
  }
  WM__SendMessageNoPara(hWin, WM_CREATE);
  return hWin;
}

WM_HWIN WM_CreateWindow(int x0, int y0, int xSize, int ySize, uint32_t Style, WM_CALLBACK* cb,
                        int NumExtraBytes) {
  return WM_CreateWindowAsChild(x0, y0, xSize, ySize, 0, Style, cb, NumExtraBytes);
}

uint32_t WM_SetCreateFlags(uint32_t Flags) {
  WM__LockGuard Lock;
  uint32_t Old = WM__CreateFlags;
  WM__CreateFlags = Flags;
  return Old;
}
