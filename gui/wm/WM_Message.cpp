// Message delivery with its nesting limit, the default procedure, and operations built on messages.
#include "WM_Intern.h"

static int _NestingCnt;
constexpr int WM__MAX_NESTING = 20;

void WM__SendMessage(WM_HWIN hWin, WM_MESSAGE* pMsg) {
  if (!hWin || !WM__IsWindow(hWin)) {
    return;
  }
  if (_NestingCnt >= WM__MAX_NESTING) {
    GUI_ErrorOut("WM__SendMessage:\nMax. message nesting exceeded, Message skipped in WM__SendMessage().");
    return;
  }
  pMsg->hWin = hWin;
  WM_CALLBACK* cb = WM_H2P(hWin)->cb;
  if (cb) {
    _NestingCnt++;
    cb(pMsg);
    _NestingCnt--;
  } else {
    WM_DefaultProc(pMsg);
  }
}

void WM__SendMessageIfEnabled(WM_HWIN hWin, WM_MESSAGE* pMsg) {
  if (hWin && WM__IsWindow(hWin) && !(WM_H2P(hWin)->Status & WM_STATUS_DISABLED)) {
    WM__SendMessage(hWin, pMsg);
  }
}

void WM__SendMessageNoPara(WM_HWIN hWin, int MsgId) {
  WM_MESSAGE Msg = {};
  Msg.MsgId = (uint8_t)MsgId;
  WM__SendMessage(hWin, &Msg);
}

void WM_SendMessage(WM_HWIN hWin, WM_MESSAGE* pMsg) {
  if (!hWin || !pMsg) {
    return;
  }
  WM__LockGuard Lock;
  if (WM__CheckHandle(hWin, "WM_SendMessage")) {
    WM__SendMessage(hWin, pMsg);
  }
}

void WM_SendMessageNoPara(WM_HWIN hWin, int MsgId) {
  WM__LockGuard Lock;
  if (!WM__CheckHandle(hWin, "WM_SendMessageNoPara")) {
    return;
  }
  WM_CALLBACK* cb = WM_H2P(hWin)->cb;
  if (cb) {
    WM_MESSAGE Msg = {};
    Msg.MsgId = MsgId;
    Msg.hWin = hWin;
    cb(&Msg);
  }
}

void WM_SendToParent(WM_HWIN hWin, WM_MESSAGE* pMsg) {
  if (!pMsg || !hWin || !WM__IsWindow(hWin)) {
    return;
  }
  WM_HWIN hParent = WM_H2P(hWin)->hParent;
  if (hParent) {
    pMsg->hWinSrc = hWin;
    WM__SendMessage(hParent, pMsg);
  }
}

void WM_NotifyParent(WM_HWIN hWin, int Code) {
  WM__LockGuard Lock;
  WM_MESSAGE Msg = {};
  Msg.MsgId = WM_NOTIFY_PARENT;
  Msg.Data.v = Code;
  WM_SendToParent(hWin, &Msg);
}

int WM_BroadcastMessage(WM_MESSAGE* pMsg) {
  WM__LockGuard Lock;
  if (!pMsg) {
    return 0;
  }
  // The list may change while callbacks run: a window deleted meanwhile ends its part of the walk, the
  // next one is taken from the list position read before the send when it still exists.
  WM_HWIN h = WM__FirstWin;
  while (h) {
    WM_HWIN hNext = WM_H2P(h)->hNextLin;
    WM_MESSAGE Msg = *pMsg;
    WM__SendMessage(h, &Msg);
    if (hNext && !WM__IsWindow(hNext)) {
      break;
    }
    h = hNext;
  }
  return 0;
}

void WM__NotifyOverlapping(WM_HWIN hWin, const GUI_RECT* pRect) {
  if (!WM__IsWindow(hWin)) {
    return;
  }
  WM_HWIN hParent = WM_H2P(hWin)->hParent;
  if (!hParent) {
    return;
  }
  for (WM_HWIN h = WM_H2P(hParent)->hFirstChild; h;) {
    WM_HWIN hNext = WM_H2P(h)->hNext;
    const WM_OBJ* p = WM_H2P(h);
    GUI_RECT r;
    if ((p->Status & WM_STATUS_VISIBLE) && WM__IntersectRects(&r, &p->Rect, pRect)) {
      WM__SendMessageNoPara(h, WM_NOTIFY_OVERLAP);
      if (WM__IsWindow(h) && WM_H2P(h)->hFirstChild) {
        WM__NotifyOverlapping(WM_H2P(h)->hFirstChild, pRect);
      }
    }
    if (hNext && !WM__IsWindow(hNext)) {
      break;
    }
    h = hNext;
  }
}

void WM_DefaultProc(WM_MESSAGE* pMsg) {
  WM_HWIN hWin = pMsg->hWin;
  switch (pMsg->MsgId) {
  case WM_KEY:
    WM_SendToParent(hWin, pMsg);
    return;
  case WM_GET_INSIDE_RECT:
    if (pMsg->Data.p && WM__IsWindow(hWin)) {
      WM__GetRelRect(WM_H2P(hWin), (GUI_RECT*)pMsg->Data.p);
    }
    pMsg->Data.v = 0;
    return;
  case WM_GET_CLIENT_WINDOW:
    pMsg->Data.v = hWin;
    return;
  case WM_GET_BKCOLOR:
    pMsg->Data.v = WM_NO_COLOR;
    return;
  case WM_NOTIFY_ENABLE:
    WM_InvalidateWindow(hWin);
    return;
  }
  pMsg->Data.v = 0;
}

int WM_GetId(WM_HWIN hWin) {
  WM__LockGuard Lock;
  if (!WM__CheckHandle(hWin, "WM_GetId")) {
    return 0;
  }
  WM_MESSAGE Msg = {};
  Msg.MsgId = WM_GET_ID;
  WM__SendMessage(hWin, &Msg);
  return (int)Msg.Data.v;
}

void WM_SetId(WM_HWIN hWin, int Id) {
  WM__LockGuard Lock;
  if (!WM__CheckHandle(hWin, "WM_SetId")) {
    return;
  }
  WM_MESSAGE Msg = {};
  Msg.MsgId = WM_SET_ID;
  Msg.Data.v = Id;
  WM__SendMessage(hWin, &Msg);
}

void WM_GetInsideRectEx(WM_HWIN hWin, GUI_RECT* pRect) {
  WM__LockGuard Lock;
  if (!pRect || !WM__CheckHandle(hWin, "WM_GetInsideRectEx")) {
    return;
  }
  WM_MESSAGE Msg = {};
  Msg.MsgId = WM_GET_INSIDE_RECT;
  Msg.Data.p = pRect;
  WM__SendMessage(hWin, &Msg);
}

void WM_GetInsideRect(GUI_RECT* pRect) {
  WM_GetInsideRectEx(GUI_pContext->hAWin, pRect);
}

WM_HWIN WM_GetClientWindow(WM_HWIN hWin) {
  WM__LockGuard Lock;
  if (!WM__CheckHandle(hWin, "WM_GetClientWindow")) {
    return 0;
  }
  WM_MESSAGE Msg = {};
  Msg.MsgId = WM_GET_CLIENT_WINDOW;
  WM__SendMessage(hWin, &Msg);
  return (WM_HWIN)Msg.Data.v;
}

GUI_COLOR WM_GetBkColor(WM_HWIN hWin) {
  WM__LockGuard Lock;
  if (!WM__CheckHandle(hWin, "WM_GetBkColor")) {
    return WM_NO_COLOR;
  }
  WM_MESSAGE Msg = {};
  Msg.MsgId = WM_GET_BKCOLOR;
  WM__SendMessage(hWin, &Msg);
  return (GUI_COLOR)Msg.Data.v;
}

int WM_IsFocusable(WM_HWIN hWin) {
  WM__LockGuard Lock;
  if (!WM__CheckHandle(hWin, "WM_IsFocusable")) {
    return 0;
  }
  WM_MESSAGE Msg = {};
  Msg.MsgId = WM_GET_ACCEPT_FOCUS;
  WM__SendMessage(hWin, &Msg);
  return (int)Msg.Data.v;
}

void WM_GetScrollState(WM_HWIN hObj, WM_SCROLL_STATE* pScrollState) {
  WM__LockGuard Lock;
  if (!pScrollState || !WM__CheckHandle(hObj, "WM_GetScrollState")) {
    return;
  }
  WM_MESSAGE Msg = {};
  Msg.MsgId = WM_GET_SCROLL_STATE;
  Msg.Data.p = pScrollState;
  WM__SendMessage(hObj, &Msg);
}

void WM_SetScrollState(WM_HWIN hWin, const WM_SCROLL_STATE* pState) {
  WM__LockGuard Lock;
  if (!pState || !WM__CheckHandle(hWin, "WM_SetScrollState")) {
    return;
  }
  WM_MESSAGE Msg = {};
  Msg.MsgId = WM_SET_SCROLL_STATE;
  Msg.Data.p = (void*)pState;
  WM__SendMessage(hWin, &Msg);
}
