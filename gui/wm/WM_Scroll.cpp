// Scroll states and the scroll bars attached to a window.
#include "WM_Intern.h"

// Sums and differences of counts, pages and positions are formed wide: a virtual size near the int range
// with a page made negative by borders would pass it.
void WM_CheckScrollBounds(WM_SCROLL_STATE* pScrollState) {
  I64 Max = (I64)pScrollState->NumItems - pScrollState->PageSize;
  if (Max < 0) {
    Max = 0;
  }
  if (pScrollState->Value < 0) {
    pScrollState->Value = 0;
  }
  if (pScrollState->Value > Max) {
    pScrollState->Value = (int)Max;
  }
}

int WM_SetScrollValue(WM_SCROLL_STATE* pScrollState, int v) {
  int Old = pScrollState->Value;
  pScrollState->Value = v;
  WM_CheckScrollBounds(pScrollState);
  return WM__ClampInt((I64)pScrollState->Value - Old);
}

int WM_CheckScrollPos(WM_SCROLL_STATE* pScrollState, int Pos, int LowerDist, int UpperDist) {
  int Old = pScrollState->Value;
  I64 PageSize = pScrollState->PageSize;
  if (Pos > pScrollState->Value + PageSize - 1) {
    pScrollState->Value = WM__ClampInt(Pos - PageSize + UpperDist + 1);
  }
  if (Pos < pScrollState->Value) {
    pScrollState->Value = WM__ClampInt((I64)Pos - LowerDist);
  }
  WM_CheckScrollBounds(pScrollState);
  return WM__ClampInt((I64)pScrollState->Value - Old);
}

// The direct children first (from the bottom), then each child's subtree. Asking for an Id runs a callback:
// the walk ends where a window it stands on went away.
static WM_HWIN _FindById(WM_HWIN hWin, int Id) {
  for (WM_HWIN h = WM_H2P(hWin)->hFirstChild; h; h = WM_H2P(h)->hNext) {
    int IdChild = WM_GetId(h);
    if (!WM__IsWindow(h) || !WM__IsWindow(hWin)) {
      return 0;
    }
    if (IdChild == Id) {
      return h;
    }
  }
  for (WM_HWIN h = WM_H2P(hWin)->hFirstChild; h; h = WM_H2P(h)->hNext) {
    WM_HWIN hFound = _FindById(h, Id);
    if (hFound || !WM__IsWindow(h) || !WM__IsWindow(hWin)) {
      return hFound;
    }
  }
  return 0;
}

WM_HWIN WM_GetScrollbarV(WM_HWIN hWin) {
  WM__LockGuard Lock;
  return WM__CheckHandle(hWin, "WM_GetScrollbarV") ? _FindById(hWin, GUI_ID_VSCROLL) : 0;
}

WM_HWIN WM_GetScrollbarH(WM_HWIN hWin) {
  WM__LockGuard Lock;
  return WM__CheckHandle(hWin, "WM_GetScrollbarH") ? _FindById(hWin, GUI_ID_HSCROLL) : 0;
}

WM_HWIN WM_GetScrollPartner(WM_HWIN hWin) {
  WM__LockGuard Lock;
  if (!WM__CheckHandle(hWin, "WM_GetScrollPartner")) {
    return 0;
  }
  int Id = WM_GetId(hWin);
  int PartnerId;
  if (Id == GUI_ID_VSCROLL) {
    PartnerId = GUI_ID_HSCROLL;
  } else if (Id == GUI_ID_HSCROLL) {
    PartnerId = GUI_ID_VSCROLL;
  } else {
    return 0;
  }
  if (!WM__IsWindow(hWin)) {
    return 0;
  }
  for (WM_HWIN h = WM__GetFirstSibling(hWin); h; h = WM_H2P(h)->hNext) {
    if (h != hWin && WM_GetId(h) == PartnerId) {
      return h;
    }
    if (!WM__IsWindow(h)) {
      return 0;
    }
  }
  return 0;
}

static int _SetScrollbar(WM_HWIN hWin, int OnOff, int Id, int CreateFlags) {
  WM_HWIN hBar = _FindById(hWin, Id);
  if (OnOff) {
    if (!hBar) {
      WM__CreateScrollbarAttached(hWin, CreateFlags);
    }
  } else if (hBar) {
    WM_HideWindow(hBar);
    WM__MarkForDeletion(hBar);
  }
  return hBar != 0;
}

int WM_SetScrollbarV(WM_HWIN hWin, int OnOff) {
  WM__LockGuard Lock;
  return WM__CheckHandle(hWin, "WM_SetScrollbarV") ? _SetScrollbar(hWin, OnOff, GUI_ID_VSCROLL, 8) : 0;
}

int WM_SetScrollbarH(WM_HWIN hWin, int OnOff) {
  WM__LockGuard Lock;
  return WM__CheckHandle(hWin, "WM_SetScrollbarH") ? _SetScrollbar(hWin, OnOff, GUI_ID_HSCROLL, 0) : 0;
}

static int _GetScrollPos(WM_HWIN hBar) {
  if (!hBar) {
    return 0;
  }
  WM_SCROLL_STATE State = {};
  WM_GetScrollState(hBar, &State);
  return State.Value;
}

int WM_GetScrollPosV(WM_HWIN hWin) {
  return _GetScrollPos(WM_GetScrollbarV(hWin));
}

int WM_GetScrollPosH(WM_HWIN hWin) {
  return _GetScrollPos(WM_GetScrollbarH(hWin));
}

static void _SetScrollPos(WM_HWIN hBar, unsigned ScrollPos) {
  if (!hBar) {
    return;
  }
  WM_SCROLL_STATE State = {};
  WM_GetScrollState(hBar, &State);
  int Old = State.Value;
  State.Value = (int)ScrollPos;
  WM_CheckScrollBounds(&State);
  if (State.Value != Old) {
    WM_SetScrollState(hBar, &State);
  }
}

void WM_SetScrollPosV(WM_HWIN hWin, unsigned ScrollPos) {
  WM__LockGuard Lock;
  _SetScrollPos(WM_GetScrollbarV(hWin), ScrollPos);
}

void WM_SetScrollPosH(WM_HWIN hWin, unsigned ScrollPos) {
  WM__LockGuard Lock;
  _SetScrollPos(WM_GetScrollbarH(hWin), ScrollPos);
}

void WM_GetInsideRectExScrollbar(WM_HWIN hWin, GUI_RECT* pRect) {
  WM__LockGuard Lock;
  if (!pRect || !WM__CheckHandle(hWin, "WM_GetInsideRectExScrollbar")) {
    return;
  }
  WM_GetInsideRectEx(hWin, pRect);
  if (!WM__IsWindow(hWin)) {
    return;
  }
  int x0 = WM_H2P(hWin)->Rect.x0, y0 = WM_H2P(hWin)->Rect.y0;
  WM_HWIN hBar = _FindById(hWin, GUI_ID_VSCROLL);
  if (hBar) {
    const WM_OBJ* pBar = WM_H2P(hBar);
    if ((pBar->Status & WM_STATUS_VISIBLE) && (pBar->Status & WM_STATUS_ANCHOR_RIGHT)) {
      pRect->x1 = (int16_t)(pBar->Rect.x0 - x0 - 1);
    }
  }
  hBar = WM__IsWindow(hWin) ? _FindById(hWin, GUI_ID_HSCROLL) : 0;
  if (hBar) {
    const WM_OBJ* pBar = WM_H2P(hBar);
    if ((pBar->Status & WM_STATUS_VISIBLE) && (pBar->Status & WM_STATUS_ANCHOR_BOTTOM)) {
      pRect->y1 = (int16_t)(pBar->Rect.y0 - y0 - 1);
    }
  }
}
