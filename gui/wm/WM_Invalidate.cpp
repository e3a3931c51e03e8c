// Invalid areas: marking, the propagation through transparent windows, validation and transparency.
#include "WM_Intern.h"

void WM__ClearInvalid(WM_OBJ* pWin, uint32_t Bits) {
  uint32_t Had = pWin->Status & WM__STATUS_ANY_INVALID;
  pWin->Status &= ~(Bits & WM__STATUS_ANY_INVALID);
  if (Had && !(pWin->Status & WM__STATUS_ANY_INVALID) && WM__NumInvalidWindows) {
    WM__NumInvalidWindows--;
  }
}

void WM__MarkInvalid(WM_HWIN hWin, const GUI_RECT* pRect, uint32_t Mark) {
  WM_OBJ* pWin = WM_H2P(hWin);
  uint32_t Status = pWin->Status;
  if (!(Status & WM_STATUS_VISIBLE) || WM__RectIsEmpty(pRect)) {
    return;
  }
  if ((Status & WM_STATUS_TRANSPARENT) && !(Status & WM_STATUS_PAINT_SELF)) {
    return;
  }
  GUI_RECT r;
  if (!WM__IntersectRects(&r, pRect, &pWin->Rect)) {
    return;
  }
  if (!(Status & WM__STATUS_ANY_INVALID)) {
    pWin->InvalidRect = r;
    pWin->Status |= Mark;
    WM__NumInvalidWindows++;
    GUI_SignalEvent();
  } else {
    WM__MergeRects(&pWin->InvalidRect, &pWin->InvalidRect, &r);
    pWin->Status |= Mark;
  }
  if (WM__pfInvalidateHook) {
    WM__pfInvalidateHook(hWin);
  }
}

static void _MarkChildren(WM_HWIN hParent, const GUI_RECT* pRect, WM_HWIN hStop, uint32_t Mark) {
  for (WM_HWIN h = WM_H2P(hParent)->hFirstChild; h && h != hStop; h = WM_H2P(h)->hNext) {
    const WM_OBJ* p = WM_H2P(h);
    GUI_RECT r;
    if ((p->Status & WM_STATUS_VISIBLE) && WM__IntersectRects(&r, &p->Rect, pRect)) {
      WM__MarkInvalid(h, &r, Mark);
      _MarkChildren(h, &r, 0, Mark);
    }
  }
}

// Marks pInvalid in hParent (or, for a transparent parent, one level further up) and in every child of it
// below hStop, with their descendants.
void WM__InvalidateRectEx(const GUI_RECT* pInvalid, WM_HWIN hParent, WM_HWIN hStop) {
  if (!hParent) {
    return;
  }
  const WM_OBJ* pParent = WM_H2P(hParent);
  GUI_RECT r;
  if (!(pParent->Status & WM_STATUS_VISIBLE) || !WM__IntersectRects(&r, pInvalid, &pParent->Rect)) {
    return;
  }
  if ((pParent->Status & WM_STATUS_TRANSPARENT) && !(pParent->Status & WM_STATUS_PAINT_SELF)) {
    if (pParent->hParent) {
      WM__InvalidateRectEx(&r, pParent->hParent, pParent->hNext);
      return;
    }
  }
  uint32_t Mark = (pParent->Status & WM_STATUS_STATIC) ? WM_STATUS_INVALID_STATIC : WM_STATUS_INVALID;
  WM__MarkInvalid(hParent, &r, Mark);
  _MarkChildren(hParent, &r, hStop, Mark);
}

static void _InvalidateRect(WM_HWIN hWin, const GUI_RECT* pRect) {
  WM_OBJ* pWin = WM_H2P(hWin);
  if (!(pWin->Status & WM_STATUS_VISIBLE)) {
    return;
  }
  if (pWin->Status & WM_STATUS_STATIC) {
    WM__DropStaticDevices(hWin, 1);
    pWin = WM_H2P(hWin);
  }
  GUI_RECT r = pWin->Rect;
  if (pRect) {
    GUI_RECT rAbs = *pRect;
    WM__MoveRect(&rAbs, pWin->Rect.x0, pWin->Rect.y0);
    if (!WM__IntersectRects(&r, &r, &rAbs)) {
      return;
    }
  }
  if (!WM__ClipAtParentBorders(&r, hWin) || WM__RectIsEmpty(&r)) {
    return;
  }
  pWin = WM_H2P(hWin);
  if ((pWin->Status & WM_STATUS_TRANSPARENT) && !(pWin->Status & WM_STATUS_PAINT_SELF) && pWin->hParent) {
    WM__InvalidateRectEx(&r, pWin->hParent, pWin->hNext);
  } else {
    uint32_t Mark = WM_STATUS_INVALID;
    if (pWin->hParent && (WM_H2P(pWin->hParent)->Status & WM_STATUS_STATIC)) {
      Mark = WM_STATUS_INVALID_STATIC;
    }
    WM__MarkInvalid(hWin, &r, Mark);
  }
}

void WM_InvalidateRect(WM_HWIN hWin, const GUI_RECT* pRect) {
  if (!hWin) {
    return;
  }
  WM__LockGuard Lock;
  if (WM__CheckHandle(hWin, "WM_InvalidateRect")) {
    _InvalidateRect(hWin, pRect);
  }
}

void WM_InvalidateWindow(WM_HWIN hWin) {
  WM_InvalidateRect(hWin, nullptr);
}

void WM_InvalidateWindowAndDescendants(WM_HWIN hWin) {
  WM__LockGuard Lock;
  if (WM__CheckHandle(hWin, "WM_InvalidateWindowAndDescendants")) {
    WM__InvalidateWindowAndDescsEx(hWin);
  }
}

void WM_InvalidateArea(const GUI_RECT* pRect) {
  if (!pRect) {
    return;
  }
  WM__LockGuard Lock;
  for (WM_HWIN h = WM__FirstWin; h; h = WM_H2P(h)->hNextLin) {
    WM__MarkInvalid(h, pRect, WM_STATUS_INVALID);
  }
}

void WM_ValidateWindow(WM_HWIN hWin) {
  WM__LockGuard Lock;
  WM_OBJ* pWin = WM__CheckHandle(hWin, "WM_ValidateWindow");
  if (pWin) {
    WM__ClearInvalid(pWin, WM_STATUS_INVALID);
  }
}

// Removes pRect from the invalid area when that leaves a rectangle: pRect spanning the area's full height
// cuts it in x, spanning its full width cuts it in y. Other shapes keep the area as it is.
void WM_ValidateRect(WM_HWIN hWin, const GUI_RECT* pRect) {
  WM__LockGuard Lock;
  WM_OBJ* pWin = WM__CheckHandle(hWin, "WM_ValidateRect");
  if (!pWin || !(pWin->Status & WM__STATUS_ANY_INVALID)) {
    return;
  }
  if (!pRect) {
    WM__ClearInvalid(pWin, WM_STATUS_INVALID);
    return;
  }
  GUI_RECT v = *pRect;
  WM__MoveRect(&v, pWin->Rect.x0, pWin->Rect.y0);
  GUI_RECT& r = pWin->InvalidRect;
  GUI_RECT Cut;
  if (!WM__IntersectRects(&Cut, &v, &r)) {
    return;
  }
  if (Cut.y0 == r.y0 && Cut.y1 == r.y1) {
    if (Cut.x0 == r.x0 && Cut.x1 == r.x1) {
      WM__ClearInvalid(pWin, WM__STATUS_ANY_INVALID);
    } else if (Cut.x0 == r.x0) {
      r.x0 = (int16_t)(Cut.x1 + 1);
    } else if (Cut.x1 == r.x1) {
      r.x1 = (int16_t)(Cut.x0 - 1);
    }
  } else if (Cut.x0 == r.x0 && Cut.x1 == r.x1) {
    if (Cut.y0 == r.y0) {
      r.y0 = (int16_t)(Cut.y1 + 1);
    } else if (Cut.y1 == r.y1) {
      r.y1 = (int16_t)(Cut.y0 - 1);
    }
  }
}

int WM_GetInvalidRect(WM_HWIN hWin, GUI_RECT* pRect) {
  WM__LockGuard Lock;
  WM_OBJ* pWin = WM__CheckHandle(hWin, "WM_GetInvalidRect");
  if (!pWin || !(pWin->Status & WM_STATUS_INVALID)) {
    return 0;
  }
  if (pRect) {
    *pRect = pWin->InvalidRect;
  }
  return 1;
}

void WM_SetHasTrans(WM_HWIN hWin) {
  WM__LockGuard Lock;
  WM_OBJ* pWin = WM__CheckHandle(hWin, "WM_SetHasTrans");
  if (!pWin || (pWin->Status & WM_STATUS_TRANSPARENT)) {
    return;
  }
  WM__ClearInvalid(pWin, WM__STATUS_ANY_INVALID);
  pWin->Status |= WM_STATUS_TRANSPARENT;
  WM__TransWindowCnt++;
  _InvalidateRect(hWin, nullptr);
}

void WM_ClrHasTrans(WM_HWIN hWin) {
  WM__LockGuard Lock;
  WM_OBJ* pWin = WM__CheckHandle(hWin, "WM_ClrHasTrans");
  if (!pWin || !(pWin->Status & WM_STATUS_TRANSPARENT)) {
    return;
  }
  pWin->Status &= ~WM_STATUS_TRANSPARENT;
  WM__TransWindowCnt--;
  _InvalidateRect(hWin, nullptr);
}

int WM_GetHasTrans(WM_HWIN hWin) {
  WM__LockGuard Lock;
  WM_OBJ* pWin = WM__CheckHandle(hWin, "WM_GetHasTrans");
  return pWin ? (pWin->Status & WM_STATUS_TRANSPARENT) != 0 : 0;
}

void WM_SetTransState(WM_HWIN hWin, unsigned State) {
  WM__LockGuard Lock;
  WM_OBJ* pWin = WM__CheckHandle(hWin, "WM_SetTransState");
  if (!pWin) {
    return;
  }
  if (State & WM_STATUS_TRANSPARENT) {
    WM_SetHasTrans(hWin);
  } else {
    WM_ClrHasTrans(hWin);
  }
  pWin = WM_H2P(hWin);
  uint32_t Old = pWin->Status;
  if (State & WM_STATUS_PAINT_SELF) {
    pWin->Status |= WM_STATUS_PAINT_SELF;
  } else {
    pWin->Status &= ~WM_STATUS_PAINT_SELF;
  }
  if (Old != pWin->Status) {
    _InvalidateRect(hWin, nullptr);
  }
}
