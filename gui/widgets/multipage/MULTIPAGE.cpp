// MULTIPAGE: creation, the callbacks of the widget and of its client window, the geometry of the tab row
// and its layout with the tab scroll bar.
#include "MULTIPAGE.h"

#include "SCROLLBAR.h"

void MULTIPAGE__MoveSel(WM_HWIN hObj, int Dir);

namespace {

void _FreePages(WM_HWIN hObj) {
  MULTIPAGE_OBJ* pObj = MULTIPAGE__Obj(hObj);
  for (int i = 0; i < MULTIPAGE__NumPages(pObj); i++) {
    MULTIPAGE_PAGE* pPage = MULTIPAGE__GetPage(MULTIPAGE__Obj(hObj), i);
    GUI_ALLOC_FreePtrArray(pPage->ahDrawObj, 3);
  }
  GUI_ARRAY_Delete(MULTIPAGE__Obj(hObj)->hPages);
  MULTIPAGE__Obj(hObj)->hPages = 0;
}

void _OnPointer(WM_HWIN hObj, WM_MESSAGE* pMsg) {
  const GUI_POINTER_STATE* pState = (const GUI_POINTER_STATE*)pMsg->Data.p;
  if (!WIDGET__NotifyPointer(hObj, pState)) {
    return;
  }
  MULTIPAGE_GET_TAB_INDEX_FUNC* pf = MULTIPAGE__Obj(hObj)->Props.pfGetTabIndex;
  int Tab = pf ? pf(hObj, pState->x, pState->y) : -1;
  // The page that takes the focus, the parent told of the new page, the window below handling the press:
  // each may lead to the deletion of the widget.
  WM__WATCH Watch(hObj);
  if (Tab >= 0) {
    MULTIPAGE_SelectPage(hObj, (unsigned)Tab);
    if (!Watch.Alive() || !WIDGET__NotifyParent(hObj, WM_NOTIFICATION_VALUE_CHANGED)) {
      return;
    }
    WM_BringToTop(hObj);
  } else {
    // A press beside the tabs belongs to the window under it (a page, the client window, the scroll bar).
    int x = pState->x + WM_GetWindowPosX(hObj), y = pState->y + WM_GetWindowPosY(hObj);
    WM_HWIN hBelow = WM_GetWindowAtEx(hObj, x, y);
    if (hBelow && hBelow != hObj) {
      GUI_POINTER_STATE State = *pState;
      State.x = x - WM_GetWindowPosX(hBelow);
      State.y = y - WM_GetWindowPosY(hBelow);
      WM_MESSAGE Msg = *pMsg;
      Msg.hWin = hBelow;
      Msg.Data.p = &State;
      WM_SendMessage(hBelow, &Msg);
    }
  }
  if (Watch.Alive()) {
    WIDGET__NotifyParent(hObj, WM_NOTIFICATION_CLICKED);
  }
}

int _OnMessage(WM_HWIN hObj, WM_MESSAGE* pMsg) {
  switch (pMsg->MsgId) {
  case WM_GET_CLIENT_WINDOW:
    pMsg->Data.v = MULTIPAGE__Obj(hObj)->hClient;
    return 1;
  case WM_SIZE:
    MULTIPAGE__UpdatePositions(hObj);
    break;
  case WM_DELETE:
    _FreePages(hObj);
    break;
  case WM_NOTIFY_PARENT:
    if (WM_GetId(pMsg->hWinSrc) == MULTIPAGE_ID_SCROLLBAR && pMsg->Data.v == WM_NOTIFICATION_VALUE_CHANGED) {
      WM_SCROLL_STATE s;
      WM_GetScrollState(pMsg->hWinSrc, &s);
      MULTIPAGE__Obj(hObj)->ScrollState = s.Value;
      WM_InvalidateWindow(hObj);
    }
    return 1;
  case WM_POINTER:
    _OnPointer(hObj, pMsg);
    return 1;
  }
  return 0;
}

void _cbClient(WM_MESSAGE* pMsg) {
  WM__LockGuard Lock;
  WM_HWIN hWin = pMsg->hWin, hObj = WM_GetParent(hWin);
  switch (pMsg->MsgId) {
  case WM_KEY: {
    const GUI_KEY_MSG* pKey = (const GUI_KEY_MSG*)pMsg->Data.p;
    if (pKey && pKey->PressedCnt > 0 && (pKey->Key == GUI_KEY_PGUP || pKey->Key == GUI_KEY_PGDOWN)) {
      MULTIPAGE__MoveSel(hObj, pKey->Key == GUI_KEY_PGUP ? -1 : 1);
      return;
    }
    break;
  }
  case WM_PAINT:
    if (MULTIPAGE_OBJ* pObj = (MULTIPAGE_OBJ*)WIDGET__GetObj(&MULTIPAGE__Type, hObj)) {
      GUI_SetBkColor(pObj->Props.aBkColor[1]);
      GUI_Clear();
    }
    return;
  case WM_POINTER: {
    WM__WATCH Watch(hObj); // the window that loses the focus may have the widget deleted
    WM_SetFocus(hObj);
    if (Watch.Alive()) {
      WM_BringToTop(hObj);
    }
    return;
  }
  }
  WM_DefaultProc(pMsg);
}

} // namespace

MULTIPAGE_PROPS MULTIPAGE__DefaultProps = {GUI_DEFAULT_FONT,
                                           MULTIPAGE_ALIGN_LEFT | MULTIPAGE_ALIGN_TOP,
                                           {0xD0D0D0, 0xC0C0C0},
                                           {0x808080, 0x000000},
                                           nullptr,
                                           6,
                                           6,
                                           GUI_TA_HCENTER | GUI_TA_VCENTER,
                                           1,
                                           MULTIPAGE__GetTabIndexClassic};

const WIDGET_TYPE MULTIPAGE__Type = {.pName = "MULTIPAGE",
                                     .cb = MULTIPAGE_Callback,
                                     .ObjSize = sizeof(MULTIPAGE_OBJ),
                                     .TagOffset = offsetof(MULTIPAGE_OBJ, DebugId),
                                     .Tag = MULTIPAGE_ID,
                                     .StyleBits = WM_CF_HASTRANS,
                                     .pDefaultProps = &MULTIPAGE__DefaultProps,
                                     .PropsOffset = offsetof(MULTIPAGE_OBJ, Props),
                                     .PropsSize = sizeof(MULTIPAGE_PROPS),
                                     .ppDefaultSkin = &MULTIPAGE__pDefaultSkin,
                                     .SkinOffset = offsetof(MULTIPAGE_OBJ, pSkin),
                                     .DrawSkinOffset = offsetof(MULTIPAGE_OBJ, Props.pfDrawSkin),
                                     .pfOnMessage = _OnMessage,
                                     .pNoWindowText = "MULTIPAGE_Create failed"};

// The inside rectangle the window manager asks for is the client area below (or beside) the tabs, which the
// widget base would answer with the whole inside; a new effect also reaches the tab scroll bar.
void MULTIPAGE_Callback(WM_MESSAGE* pMsg) {
  WM_HWIN hObj = pMsg->hWin;
  if (pMsg->MsgId == WM_GET_INSIDE_RECT && pMsg->Data.p) {
    MULTIPAGE__GetClientRect(hObj, (GUI_RECT*)pMsg->Data.p);
    return;
  }
  WM__WATCH Watch(hObj);
  WIDGET__Callback(&MULTIPAGE__Type, pMsg);
  if (pMsg->MsgId == WIDGET_SET_EFFECT && Watch.Alive()) {
    MULTIPAGE_OBJ* pObj = MULTIPAGE__Obj(hObj);
    for (WM_HWIN h = WM_GetFirstChild(hObj); h; h = WM_GetNextSibling(h)) {
      if (WM_GetId(h) == MULTIPAGE_ID_SCROLLBAR) {
        WIDGET_SetEffect(h, pObj->Widget.pEffect);
      }
    }
    MULTIPAGE__UpdatePositions(hObj);
  }
}

WM_HWIN MULTIPAGE_CreateUser(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id,
                             int NumExtraBytes) {
  WM__LockGuard Lock;
  WM_HWIN hObj =
      WIDGET__CreateUser(&MULTIPAGE__Type, x0, y0, xSize, ySize, hParent, (U32)WinFlags, Id, NumExtraBytes);
  if (!hObj) {
    return 0;
  }
  MULTIPAGE_OBJ* pObj = MULTIPAGE__Obj(hObj);
  pObj->Sel = MULTIPAGE_NO_SEL;
  pObj->pfDrawTab = MULTIPAGE__DrawTab;
  if (ExFlags & MULTIPAGE_CF_ROTATE_CW) {
    pObj->Widget.State |= MULTIPAGE_STATE_ROTATED;
    pObj->pfDrawTab = MULTIPAGE__DrawTabRotated;
  }
  WIDGET__FinishCreate(&MULTIPAGE__Type, hObj);
  // Without its page array or client window the widget could not keep a page; it is not left half made.
  GUI_ARRAY hPages = GUI_ARRAY_Create();
  if (!hPages) {
    return WIDGET__CreateFailed(&MULTIPAGE__Type, hObj);
  }
  MULTIPAGE__Obj(hObj)->hPages = hPages;
  GUI_RECT r;
  MULTIPAGE__GetClientRect(hObj, &r);
  WM_HWIN hClient = WM_CreateWindowAsChild(r.x0, r.y0, r.x1 - r.x0 + 1, r.y1 - r.y0 + 1, hObj,
                                           WM_CF_SHOW | WM_STATUS_ANCHOR_MASK, _cbClient, 0);
  if (!hClient) {
    return WIDGET__CreateFailed(&MULTIPAGE__Type, hObj);
  }
  MULTIPAGE__Obj(hObj)->hClient = hClient;
  MULTIPAGE__UpdatePositions(hObj);
  return hObj;
}

WM_HWIN MULTIPAGE_CreateEx(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id) {
  return MULTIPAGE_CreateUser(x0, y0, xSize, ySize, hParent, WinFlags, ExFlags, Id, 0);
}

WM_HWIN MULTIPAGE_Create(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id) {
  return MULTIPAGE_CreateUser(x0, y0, xSize, ySize, hParent, WinFlags, ExFlags, Id, 0);
}

WM_HWIN MULTIPAGE_CreateAsChild(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int Id, int WinFlags,
                                int ExFlags) {
  return MULTIPAGE_CreateEx(x0, y0, xSize, ySize, hParent, WinFlags, ExFlags, Id);
}

WM_HWIN MULTIPAGE_CreateIndirect(const WIDGET_CREATE_INFO* pCreateInfo, WM_HWIN hParent, int x0, int y0,
                                 WM_CALLBACK*) {
  return WIDGET__CreateIndirect(MULTIPAGE_CreateUser, pCreateInfo, hParent, x0, y0, 0);
}

MULTIPAGE_OBJ* MULTIPAGE_LockH(WM_HWIN hObj) {
  return (MULTIPAGE_OBJ*)WIDGET__LockH(&MULTIPAGE__Type, hObj);
}

int MULTIPAGE__NumPages(const MULTIPAGE_OBJ* pObj) {
  return pObj->hPages ? GUI_ARRAY_GetNumItems(pObj->hPages) : 0;
}

MULTIPAGE_PAGE* MULTIPAGE__GetPage(const MULTIPAGE_OBJ* pObj, int Index) {
  if (Index < 0 || Index >= MULTIPAGE__NumPages(pObj)) {
    return nullptr;
  }
  GUI_HMEM h = GUI_ARRAY_GethItem(pObj->hPages, (U32)Index);
  return h ? (MULTIPAGE_PAGE*)GUI_ALLOC_h2p(h) : nullptr;
}

int MULTIPAGE__IsRotated(const MULTIPAGE_OBJ* pObj) {
  return (pObj->Widget.State & MULTIPAGE_STATE_ROTATED) ? 1 : 0;
}

int MULTIPAGE__GetTabHeight(const MULTIPAGE_OBJ* pObj) {
  int h = pObj->FixedTabHeight ? pObj->FixedTabHeight : pObj->MaxBitmapSize;
  int hFont = GUI_GetYSizeOfFont(pObj->Props.pFont);
  return WM__ClampI16((I64)(h > hFont ? h : hFont) + pObj->Props.PadY);
}

int MULTIPAGE__GetTabWidth(const MULTIPAGE_OBJ* pObj, int Index) {
  const MULTIPAGE_PAGE* pPage = MULTIPAGE__GetPage(pObj, Index);
  if (!pPage) {
    return 0;
  }
  if (pPage->FixedWidth) {
    return pPage->FixedWidth + pObj->Props.PadX;
  }
  const GUI_FONT* pOld = GUI_SetFont(pObj->Props.pFont);
  int w = GUI_GetStringDistX(pPage->acText) + pObj->Props.PadX;
  GUI_SetFont(pOld);
  for (GUI_HMEM hDraw : pPage->ahDrawObj) {
    if (hDraw) {
      int s = (MULTIPAGE__IsRotated(pObj) ? GUI_DRAWOBJ_GetYSize(hDraw) : GUI_DRAWOBJ_GetXSize(hDraw)) +
              pObj->Props.PadX;
      w = s > w ? s : w;
    }
  }
  return w;
}

I64 MULTIPAGE__SumTabWidths(const MULTIPAGE_OBJ* pObj, int First, int End) {
  I64 Sum = 0;
  for (int i = First; i < End; i++) {
    Sum += MULTIPAGE__GetTabWidth(pObj, i);
  }
  return Sum;
}

I64 MULTIPAGE__GetScrollOffset(const MULTIPAGE_OBJ* pObj) {
  return MULTIPAGE__SumTabWidths(pObj, 0, pObj->ScrollState);
}

static void _ReduceByTabs(const MULTIPAGE_OBJ* pObj, GUI_RECT* pRect) {
  int TH = MULTIPAGE__GetTabHeight(pObj);
  bool Bottom = pObj->Props.Align & MULTIPAGE_ALIGN_BOTTOM;
  if (MULTIPAGE__IsRotated(pObj)) {
    Bottom ? (pRect->x0 = WM__ClampI16(pRect->x0 + TH)) : (pRect->x1 = WM__ClampI16(pRect->x1 - TH));
  } else {
    Bottom ? (pRect->y1 = WM__ClampI16(pRect->y1 - TH)) : (pRect->y0 = WM__ClampI16(pRect->y0 + TH));
  }
}

void MULTIPAGE__GetFrameRect(WM_HWIN hObj, GUI_RECT* pRect) {
  WM_GetClientRectEx(hObj, pRect);
  _ReduceByTabs(MULTIPAGE__Obj(hObj), pRect);
}

void MULTIPAGE__GetClientRect(WM_HWIN hObj, GUI_RECT* pRect) {
  const MULTIPAGE_OBJ* pObj = MULTIPAGE__Obj(hObj);
  WIDGET__GetInsideRect(&pObj->Widget, pRect);
  _ReduceByTabs(pObj, pRect);
}

void MULTIPAGE__GetTabArea(WM_HWIN hObj, GUI_RECT* pRect) {
  const MULTIPAGE_OBJ* pObj = MULTIPAGE__Obj(hObj);
  GUI_RECT f;
  MULTIPAGE__GetFrameRect(hObj, &f);
  int TH = MULTIPAGE__GetTabHeight(pObj);
  bool Rotated = MULTIPAGE__IsRotated(pObj), Scroll = pObj->Widget.State & MULTIPAGE_STATE_SCROLLMODE;
  bool Bottom = pObj->Props.Align & MULTIPAGE_ALIGN_BOTTOM, Right = pObj->Props.Align & MULTIPAGE_ALIGN_RIGHT;
  int End = Rotated ? f.y1 : f.x1;
  I64 W = Scroll ? End - 32 : MULTIPAGE__SumTabWidths(pObj, 0, MULTIPAGE__NumPages(pObj));
  I64 a0 = Right ? End - W : 0, a1 = Right ? End : W;
  if (Rotated && Right && a0 < 0) {
    a0 = 0;
  }
  int c0 = Bottom ? (Rotated ? 0 : f.y1) : (Rotated ? f.x1 : 0);
  int c1 = c0 + TH;
  // A row of many tabs reaches beyond the coordinates.
  I16 A0 = WM__ClampI16(a0), A1 = WM__ClampI16(a1), C0 = WM__ClampI16(c0), C1 = WM__ClampI16(c1);
  *pRect = Rotated ? GUI_RECT{C0, A0, C1, A1} : GUI_RECT{A0, C0, A1, C1};
}

GUI_HMEM MULTIPAGE__GetDrawObj(const MULTIPAGE_OBJ* pObj, int Index) {
  const MULTIPAGE_PAGE* pPage = MULTIPAGE__GetPage(pObj, Index);
  if (!pPage) {
    return 0;
  }
  if (!(pPage->Status & MULTIPAGE_STATE_ENABLED)) {
    return pPage->ahDrawObj[MULTIPAGE_BI_DISABLED];
  }
  if (Index == pObj->Sel && pPage->ahDrawObj[MULTIPAGE_BI_SELECTED]) {
    return pPage->ahDrawObj[MULTIPAGE_BI_SELECTED];
  }
  return pPage->ahDrawObj[MULTIPAGE_BI_NORMAL];
}

static WM_HWIN _FindScrollbar(WM_HWIN hObj) {
  for (WM_HWIN h = WM_GetFirstChild(hObj); h; h = WM_GetNextSibling(h)) {
    if (WM_GetId(h) == MULTIPAGE_ID_SCROLLBAR) {
      return h;
    }
  }
  return 0;
}

void MULTIPAGE__UpdatePositions(WM_HWIN hObj) {
  if (!WM__IsWindow(hObj) || !MULTIPAGE__Obj(hObj)->hPages) {
    return;
  }
  MULTIPAGE_OBJ* pObj = MULTIPAGE__Obj(hObj);
  int N = MULTIPAGE__NumPages(pObj);
  I64 S = MULTIPAGE__SumTabWidths(pObj, 0, N);
  GUI_RECT f;
  MULTIPAGE__GetFrameRect(hObj, &f);
  bool Rotated = MULTIPAGE__IsRotated(pObj);
  bool Bottom = pObj->Props.Align & MULTIPAGE_ALIGN_BOTTOM, Right = pObj->Props.Align & MULTIPAGE_ALIGN_RIGHT;
  WM_HWIN hBar = _FindScrollbar(hObj);
  if (S <= (Rotated ? f.y1 : f.x1) || !pObj->Props.ScrollbarEnabled) {
    if (hBar) {
      WM_DeleteWindow(hBar);
    }
    pObj = MULTIPAGE__Obj(hObj);
    pObj->Widget.State &= (U16)~MULTIPAGE_STATE_SCROLLMODE;
    // Without the bar nothing is scrolled: painting and hit tests start at the first tab.
    pObj->ScrollState = 0;
  } else {
    int U = ((GUI_GetYSizeOfFont(pObj->Props.pFont) + 6) * 3) / 4;
    int x, y, w, h;
    if (!Rotated) {
      w = 2 * U, h = U;
      x = Right ? f.x0 : f.x1 - 2 * U + 1;
      y = Bottom ? f.y1 : f.y0 - U + 1;
    } else {
      w = U, h = 2 * U;
      x = Bottom ? f.x0 - U + 1 : f.x1;
      y = Right ? f.y0 : f.y1 - 2 * U + 1;
    }
    if (!hBar) {
      hBar = SCROLLBAR_CreateEx(x, y, w, h, hObj, WM_CF_SHOW, Rotated ? SCROLLBAR_CF_VERTICAL : 0,
                                MULTIPAGE_ID_SCROLLBAR);
      if (hBar) {
        WIDGET_SetEffect(hBar, MULTIPAGE__Obj(hObj)->Widget.pEffect);
      }
    } else {
      WM_SetSize(hBar, w, h);
      WM_MoveChildTo(hBar, x, y);
    }
    pObj = MULTIPAGE__Obj(hObj);
    if (hBar) {
      pObj->Widget.State |= MULTIPAGE_STATE_SCROLLMODE;
      GUI_RECT a;
      MULTIPAGE__GetTabArea(hObj, &a);
      int V = Rotated ? a.y1 - a.y0 : a.x1 - a.x0;
      V = V < 1 ? 1 : V;
      int k = 0;
      while (k < N && V <= S) {
        S -= MULTIPAGE__GetTabWidth(pObj, k++);
      }
      if (pObj->ScrollState >= k + 1) {
        pObj->ScrollState = Right ? k : 0;
      }
      WM_SCROLL_STATE State = {k + 1, pObj->ScrollState, 1};
      SCROLLBAR_SetState(hBar, &State);
    }
  }
  GUI_RECT r;
  MULTIPAGE__GetClientRect(hObj, &r);
  WM_HWIN hClient = MULTIPAGE__Obj(hObj)->hClient;
  if (hClient) {
    WM_SetSize(hClient, r.x1 - r.x0 + 1, r.y1 - r.y0 + 1);
    WM_MoveChildTo(hClient, r.x0, r.y0);
  }
  WM_InvalidateWindow(hObj);
}
