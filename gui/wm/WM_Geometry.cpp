// Window positions and sizes: moving with the descendants, resizing with anchors, show and hide.
#include "WM_Intern.h"

// Moves the rectangles of every descendant of hWin, children from the bottom, each child's own descendants
// before the child gets WM_MOVE.
static void _MoveDescendants(WM_HWIN hWin, WM_MOVE_INFO* pInfo) {
  WM_HWIN hChild = WM_H2P(hWin)->hFirstChild;
  while (hChild) {
    WM_OBJ* pChild = WM_H2P(hChild);
    WM__MoveRect(&pChild->Rect, pInfo->dx, pInfo->dy);
    WM__MoveRect(&pChild->InvalidRect, pInfo->dx, pInfo->dy);
    WM_HWIN hNext = pChild->hNext;
    _MoveDescendants(hChild, pInfo);
    if (WM__IsWindow(hChild)) {
      WM_MESSAGE Msg = {};
      Msg.MsgId = WM_MOVE;
      Msg.Data.p = pInfo;
      WM__SendMessage(hChild, &Msg);
    }
    // A callback that changed the tree ends the walk where it cannot go on safely.
    if (!WM__IsWindow(hWin) || (hNext && !WM__IsWindow(hNext))) {
      return;
    }
    hChild = hNext;
  }
}

// A move along one axis held to what keeps both edges a0, a1 inside the coordinate range: a window moved
// past an end stops there with its size, and WM_MOVE reports the move made.
static int _LimitMove(I64 d, int a0, int a1) {
  int Lo = a0 < a1 ? a0 : a1, Hi = a0 < a1 ? a1 : a0;
  I64 Min = -0x8000 - Lo, Max = 0x7FFF - Hi;
  return (int)(d < Min ? Min : d > Max ? Max : d);
}

void WM_MoveWindow(WM_HWIN hWin, int dx, int dy) {
  WM__LockGuard Lock;
  WM_OBJ* pWin = WM__CheckHandle(hWin, "WM_MoveWindow");
  if (!pWin) {
    return;
  }
  dx = _LimitMove(dx, pWin->Rect.x0, pWin->Rect.x1);
  dy = _LimitMove(dy, pWin->Rect.y0, pWin->Rect.y1);
  if (dx == 0 && dy == 0) {
    return;
  }
  GUI_RECT rOld = pWin->Rect;
  WM__MoveRect(&pWin->Rect, dx, dy);
  WM__MoveRect(&pWin->InvalidRect, dx, dy);
  WM_MOVE_INFO Info = {dx, dy};
  _MoveDescendants(hWin, &Info);
  if (!WM__IsWindow(hWin)) {
    return;
  }
  pWin = WM_H2P(hWin);
  if ((pWin->Status & WM_STATUS_VISIBLE) && pWin->hParent && !WM__MoveByCopy(hWin, &rOld, dx, dy)) {
    GUI_RECT rNew = pWin->Rect;
    WM_HWIN hParent = pWin->hParent;
    WM_HWIN hStop = pWin->hNext;
    WM__InvalidateRectEx(&rNew, hParent, hStop);
    WM__InvalidateRectEx(&rOld, hParent, hStop);
  }
  WM_MESSAGE Msg = {};
  Msg.MsgId = WM_MOVE;
  Msg.Data.p = &Info;
  WM__SendMessage(hWin, &Msg);
}

void WM_MoveTo(WM_HWIN hWin, int x, int y) {
  WM__LockGuard Lock;
  WM_OBJ* pWin = WM__CheckHandle(hWin, "WM_MoveTo");
  if (pWin) {
    WM_MoveWindow(hWin, WM__ClampInt((I64)x - pWin->Rect.x0), WM__ClampInt((I64)y - pWin->Rect.y0));
  }
}

void WM_MoveChildTo(WM_HWIN hWin, int x, int y) {
  WM__LockGuard Lock;
  WM_OBJ* pWin = WM__CheckHandle(hWin, "WM_MoveChildTo");
  if (!pWin) {
    return;
  }
  I64 X = x, Y = y;
  if (pWin->hParent) {
    const WM_OBJ* pParent = WM_H2P(pWin->hParent);
    X += pParent->Rect.x0;
    Y += pParent->Rect.y0;
  }
  WM_MoveWindow(hWin, WM__ClampInt(X - pWin->Rect.x0), WM__ClampInt(Y - pWin->Rect.y0));
}

// One axis of a child following its parent's edges: d0 and d1 are the moves of the parent's low and high
// edge. Returns the moves of the child's low and high edge.
static void _FollowEdges(uint32_t Status, uint32_t LowBit, uint32_t HighBit, int d0, int d1, int* pc0, int* pc1) {
  int High = (Status & HighBit) != 0;
  int Low = (Status & LowBit) != 0;
  if (High && !Low) {
    *pc0 = d1;
    *pc1 = d1;
  } else if (High && Low) {
    *pc0 = d0;
    *pc1 = d1;
  } else {
    *pc0 = d0;
    *pc1 = d0;
  }
}

void WM__ResizeWindow(WM_HWIN hWin, int dx, int dy) {
  if (!hWin || (dx == 0 && dy == 0) || !WM__IsWindow(hWin)) {
    return;
  }
  WM_OBJ* pWin = WM_H2P(hWin);
  GUI_RECT rOld = pWin->Rect;
  GUI_RECT rNew = rOld;
  uint32_t Status = pWin->Status;
  // The moved edge stops at the end of the coordinate range.
  if ((Status & WM_STATUS_ANCHOR_RIGHT) && !(Status & WM_STATUS_ANCHOR_LEFT)) {
    rNew.x0 = WM__ClampI16((I64)rNew.x0 - dx);
  } else {
    rNew.x1 = WM__ClampI16((I64)rNew.x1 + dx);
  }
  if ((Status & WM_STATUS_ANCHOR_BOTTOM) && !(Status & WM_STATUS_ANCHOR_TOP)) {
    rNew.y0 = WM__ClampI16((I64)rNew.y0 - dy);
  } else {
    rNew.y1 = WM__ClampI16((I64)rNew.y1 + dy);
  }
  if (Status & WM_STATUS_STATIC) {
    WM__DropStaticDevices(hWin, 0);
    pWin = WM_H2P(hWin);
  }
  pWin->Rect = rNew;
  if ((pWin->Status & WM_STATUS_VISIBLE) && pWin->hParent) {
    GUI_RECT rUnion;
    WM__MergeRects(&rUnion, &rOld, &rNew);
    WM__InvalidateRectEx(&rUnion, pWin->hParent, pWin->hNext);
  }
  int d0x = rNew.x0 - rOld.x0, d1x = rNew.x1 - rOld.x1;
  int d0y = rNew.y0 - rOld.y0, d1y = rNew.y1 - rOld.y1;
  WM_HWIN hChild = WM_H2P(hWin)->hFirstChild;
  while (hChild) {
    uint32_t ChildStatus = WM_H2P(hChild)->Status;
    int cx0, cx1, cy0, cy1;
    _FollowEdges(ChildStatus, WM_STATUS_ANCHOR_LEFT, WM_STATUS_ANCHOR_RIGHT, d0x, d1x, &cx0, &cx1);
    _FollowEdges(ChildStatus, WM_STATUS_ANCHOR_TOP, WM_STATUS_ANCHOR_BOTTOM, d0y, d1y, &cy0, &cy1);
    WM_MoveWindow(hChild, cx0, cy0);
    // The child's own anchors decide which of its edges takes the size change.
    WM__ResizeWindow(hChild, cx1 - cx0, cy1 - cy0);
    if (!WM__IsWindow(hWin) || !WM__IsWindow(hChild)) {
      return;
    }
    hChild = WM_H2P(hChild)->hNext;
  }
  pWin = WM_H2P(hWin);
  if (pWin->Status & WM__STATUS_ANY_INVALID) {
    if (!WM__IntersectRects(&pWin->InvalidRect, &pWin->InvalidRect, &pWin->Rect)) {
      WM__ClearInvalid(pWin, WM__STATUS_ANY_INVALID);
    }
  }
  WM__SendMessageNoPara(hWin, WM_SIZE);
}
