// TREEVIEW: creation, typed locking, the callback with keys, pointer and scroll bars, the layout of the
// shown items and the selection.
#include "TREEVIEW.h"

void TREEVIEW__FreeAll(TREEVIEW_OBJ* pObj);

namespace {

constexpr int _DOUBLE_CLICK_MS = 300;

TREEVIEW_OBJ* _Obj(WM_HWIN hObj) {
  return (TREEVIEW_OBJ*)WM_H2P(hObj);
}

bool _InScrollUpdate; // creating a scroll bar notifies the tree, which must not start over

int _InsideHeight(WM_HWIN hObj) {
  GUI_RECT r;
  WM_GetInsideRectExScrollbar(hObj, &r);
  return r.y1 - r.y0 + 1;
}

// A bar whose value changes tells the tree, which tells its parent (WIDGET__TakeScrollValue), and that may
// delete the tree: every step goes on only while it is there.
void _UpdateScrollbars(WM_HWIN hObj) {
  WM__WATCH Watch(hObj);
  for (int Pass = 0; Pass < 2; Pass++) { // a bar that appears narrows the inside area once
    GUI_RECT r;
    WM_GetInsideRectExScrollbar(hObj, &r);
    int w = r.x1 - r.x0 + 1, h = r.y1 - r.y0 + 1;
    TREEVIEW_OBJ* pObj = _Obj(hObj);
    WM_SCROLL_STATE V = pObj->ScrollStateV, H = pObj->ScrollStateH;
    bool NeedV = h < pObj->TotalHeight, NeedH = w < pObj->MaxWidth;
    if (NeedV) {
      int n = 0;
      I64 Sum = 0;
      for (GUI_HMEM hItem = pObj->hFirst; hItem && Sum < h; hItem = TREEVIEW__NextShown(hItem)) {
        Sum += TREEVIEW__GetItemHeight(hObj, hItem);
        n++;
      }
      pObj = _Obj(hObj); // the item routine that measured the rows may have allocated
      V.NumItems = pObj->NumShown + 1;
      V.PageSize = pObj->NumShown > 1 ? n : 0;
    } else {
      V.Value = 0;
    }
    if (NeedH) {
      H.NumItems = pObj->MaxWidth;
      H.PageSize = w;
    } else {
      H.Value = 0;
    }
    U16 Flags = pObj->Flags;
    pObj->ScrollStateV = V;
    pObj->ScrollStateH = H;
    const WM_SCROLL_STATE None = {1, 0, 1};
    if (Flags & TREEVIEW_CF_AUTOSCROLLBAR_V) {
      WIDGET__UpdateScrollbar(hObj, 1, NeedV ? WIDGET_SCROLLBAR_ON : WIDGET_SCROLLBAR_OFF, &V);
    } else if (WM_HWIN hBar = WM_GetScrollbarV(hObj)) {
      WM_SetScrollState(hBar, NeedV ? &V : &None);
    }
    if (!Watch.Alive()) {
      return;
    }
    if (Flags & TREEVIEW_CF_AUTOSCROLLBAR_H) {
      WIDGET__UpdateScrollbar(hObj, 0, NeedH ? WIDGET_SCROLLBAR_ON : WIDGET_SCROLLBAR_OFF, &H);
    } else if (WM_HWIN hBar = WM_GetScrollbarH(hObj)) {
      WM_SetScrollState(hBar, NeedH ? &H : &None);
    }
    if (!Watch.Alive()) {
      return;
    }
    GUI_RECT r2;
    WM_GetInsideRectExScrollbar(hObj, &r2);
    if (r2.x1 == r.x1 && r2.y1 == r.y1) {
      break;
    }
  }
}

// The shown index of hItem, -1 when it is not shown.
int _ShownIndex(const TREEVIEW_OBJ* pObj, GUI_HMEM hItem) {
  int i = 0;
  for (GUI_HMEM h = pObj->hFirst; h; h = TREEVIEW__NextShown(h), i++) {
    if (h == hItem) {
      return i;
    }
  }
  return -1;
}

GUI_HMEM _ShownAt(const TREEVIEW_OBJ* pObj, int Index) {
  GUI_HMEM h = pObj->hFirst;
  for (; h && Index > 0; Index--) {
    h = TREEVIEW__NextShown(h);
  }
  return h;
}

// Moves the first shown index by whole items until the item at shown index s is fully visible. Laying the
// tree out and scrolling it are told to the parent, which may delete the tree: -> false when it is gone.
bool _ScrollIntoView(WM_HWIN hObj, int s) {
  WM__WATCH Watch(hObj);
  TREEVIEW__UpdateLayout(hObj);
  if (!Watch.Alive()) {
    return false;
  }
  TREEVIEW_OBJ* pObj = _Obj(hObj);
  int F = pObj->ScrollStateV.Value, F0 = F;
  int h = _InsideHeight(hObj);
  if (s < F) {
    F = s;
  } else {
    int NumShown = pObj->NumShown;
    I64 y = 0; // the rows between may be many and tall
    GUI_HMEM hF = _ShownAt(pObj, F), hItem = hF;
    for (int i = F; hItem && i < s; i++, hItem = TREEVIEW__NextShown(hItem)) {
      y += TREEVIEW__GetItemHeight(hObj, hItem);
    }
    I64 hRow = hItem ? TREEVIEW__GetItemHeight(hObj, hItem) : 0;
    while (y + hRow > h && F < s && F < NumShown - 1) {
      y -= TREEVIEW__GetItemHeight(hObj, hF);
      hF = TREEVIEW__NextShown(hF);
      F++;
    }
  }
  pObj = _Obj(hObj);
  pObj->ScrollStateV.Value = F;
  if (F != F0) {
    WM_SCROLL_STATE V = pObj->ScrollStateV;
    WIDGET__SetScrollState(hObj, &V, nullptr);
  }
  return Watch.Alive();
}

void _Key(WM_HWIN hObj, int Key) {
  TREEVIEW_OBJ* pObj = _Obj(hObj);
  GUI_HMEM hSel = pObj->hSel;
  const TREEVIEW_ITEM_OBJ* pSel = TREEVIEW__Item(hSel);
  GUI_HMEM hNew = 0;
  switch (Key) {
  case GUI_KEY_LEFT: {
    if (!pSel) {
      return;
    }
    if ((pSel->Flags & TREEVIEW_ITEM_FLAG_NODE) && (pSel->Flags & TREEVIEW_ITEM_FLAG_EXPANDED)) {
      TREEVIEW__Toggle(hSel);
      return;
    }
    for (GUI_HMEM h = TREEVIEW__PrevShownFrom(hSel); h; h = TREEVIEW__PrevShown(h)) {
      const TREEVIEW_ITEM_OBJ* p = TREEVIEW__Item(h);
      if ((pSel->Flags & TREEVIEW_ITEM_FLAG_NODE) ? p->Level < pSel->Level : (p->Flags & TREEVIEW_ITEM_FLAG_NODE)) {
        hNew = h;
        break;
      }
    }
    break;
  }
  case GUI_KEY_RIGHT:
    if (!pSel || !(pSel->Flags & TREEVIEW_ITEM_FLAG_NODE)) {
      return;
    }
    if (!(pSel->Flags & TREEVIEW_ITEM_FLAG_EXPANDED)) {
      TREEVIEW__Toggle(hSel);
    } else if (pSel->hNext && TREEVIEW__Item(pSel->hNext)->Level > pSel->Level) {
      pObj->hSel = pSel->hNext;
      WM_InvalidateWindow(hObj);
      _ScrollIntoView(hObj, _ShownIndex(pObj, pObj->hSel));
    }
    return;
  case GUI_KEY_UP:
    hNew = pSel ? TREEVIEW__PrevShownFrom(hSel) : 0;
    break;
  case GUI_KEY_DOWN:
    hNew = pSel ? TREEVIEW__NextShownFrom(hSel) : 0;
    break;
  case GUI_KEY_HOME:
    hNew = pObj->hFirst;
    break;
  case GUI_KEY_END:
    if (pSel) {
      for (GUI_HMEM h = pObj->hFirst; h; h = TREEVIEW__NextShown(h)) {
        hNew = h;
      }
    }
    break;
  }
  if (hNew) {
    TREEVIEW__Select(hObj, hNew, 1);
  }
}

bool _IsTreeKey(int Key) {
  return Key == GUI_KEY_LEFT || Key == GUI_KEY_RIGHT || Key == GUI_KEY_UP || Key == GUI_KEY_DOWN ||
         Key == GUI_KEY_HOME || Key == GUI_KEY_END;
}

void _Press(WM_HWIN hObj, int x, int y) {
  WM__WATCH Watch(hObj);
  TREEVIEW__UpdateLayout(hObj);
  if (!Watch.Alive()) {
    return;
  }
  TREEVIEW_OBJ* pObj = _Obj(hObj);
  GUI_RECT r;
  WM_GetInsideRectExScrollbar(hObj, &r);
  // Rows are hit where they are painted: from the inside top on.
  int yRow = r.y0;
  GUI_HMEM hItem = _ShownAt(pObj, pObj->ScrollStateV.Value);
  for (; hItem; hItem = TREEVIEW__NextShown(hItem)) {
    int h = TREEVIEW__GetItemHeight(hObj, hItem);
    if (y >= yRow && y <= yRow + h - 1) {
      break;
    }
    yRow += h;
    if (yRow > y) {
      hItem = 0;
      break;
    }
  }
  if (!hItem) {
    return;
  }
  pObj = _Obj(hObj);
  const TREEVIEW_ITEM_OBJ* p = TREEVIEW__Item(hItem);
  int I = pObj->Props.Indent, L = p->Level;
  int xb = x + pObj->ScrollStateH.Value - pObj->xOffButton;
  bool IsNode = p->Flags & TREEVIEW_ITEM_FLAG_NODE;
  if (xb >= L * I && xb <= L * I + I - 1) {
    if (IsNode) {
      TREEVIEW__Toggle(hItem);
    }
    return;
  }
  int x0 = r.x0, x1 = r.x1;
  if (!(pObj->Flags & TREEVIEW_CF_ROWSELECT)) {
    const GUI_FONT* pOld = GUI_SetFont(pObj->Props.pFont);
    int wText = GUI_GetStringDistX(p->acText);
    GUI_SetFont(pOld);
    x0 = (L + 1) * I;
    x1 = x0 + pObj->Props.TextIndent + wText;
  }
  if (x < x0 || x > x1) {
    return;
  }
  if (!pObj->hTimer) {
    pObj->hSel = hItem;
    WM_InvalidateWindow(hObj);
    WM_HTIMER hTimer = WM_CreateTimer(hObj, 0, _DOUBLE_CLICK_MS);
    _Obj(hObj)->hTimer = hTimer;
  } else if (IsNode) {
    TREEVIEW__Toggle(hItem);
  }
}

void _OnDelete(WM_HWIN hObj) {
  TREEVIEW__FreeAll(_Obj(hObj));
}

int _OnMessage(WM_HWIN hObj, WM_MESSAGE* pMsg) {
  switch (pMsg->MsgId) {
  case WM_PRE_PAINT:
    TREEVIEW__UpdateLayout(hObj);
    return 1;
  case WM_TIMER:
    WM_DeleteTimer(_Obj(hObj)->hTimer);
    _Obj(hObj)->hTimer = 0;
    return 1;
  case WM_NOTIFY_PARENT: {
    int Code = (int)pMsg->Data.v;
    if (Code == WM_NOTIFICATION_SCROLLBAR_ADDED) {
      _Obj(hObj)->MaxWidth = 0;
    } else if (Code == WM_NOTIFICATION_VALUE_CHANGED) {
      TREEVIEW_OBJ* pObj = _Obj(hObj);
      WIDGET__TakeScrollValue(hObj, pMsg->hWinSrc, &pObj->ScrollStateV, &pObj->ScrollStateH);
    }
    return 1;
  }
  case WM_KEY: {
    const GUI_KEY_MSG* pKey = (const GUI_KEY_MSG*)pMsg->Data.p;
    if (!pKey || pKey->PressedCnt <= 0) {
      return 1;
    }
    if (_Obj(hObj)->hTimer) {
      return 1; // a double click may be under way
    }
    if (!_IsTreeKey(pKey->Key)) {
      return 0; // on to the parent
    }
    _Key(hObj, pKey->Key);
    return 1;
  }
  case WM_POINTER: {
    const GUI_POINTER_STATE* pState = (const GUI_POINTER_STATE*)pMsg->Data.p;
    if (WIDGET__NotifyPointer(hObj, pState)) {
      WM__WATCH Watch(hObj);
      if (!WM_HasCaptured(hObj)) {
        WM_SetCapture(hObj, 1);
        _Press(hObj, pState->x, pState->y);
      }
      if (Watch.Alive()) {
        WIDGET__NotifyParent(hObj, WM_NOTIFICATION_CLICKED);
      }
    }
    return 1;
  }
  case WM_SIZE:
    _Obj(hObj)->MaxWidth = 0;
    return 0;
  }
  return 0;
}

} // namespace

TREEVIEW_PROPS TREEVIEW__DefaultProps = {
    GUI_DEFAULT_FONT,
    {0xFFFFFF, 0xFF0000, 0xC0C0C0},
    {0x000000, 0xFFFFFF, 0x808080},
    {0x000000, 0xFFFFFF, 0x808080},
    {&TREEVIEW__abmDefault[0], &TREEVIEW__abmDefault[1], &TREEVIEW__abmDefault[2], &TREEVIEW__abmDefault[3],
     &TREEVIEW__abmDefault[4]},
    16,
    20,
    16,
};

const WIDGET_TYPE TREEVIEW__Type = {.pName = "TREEVIEW",
                                    .cb = TREEVIEW_Callback,
                                    .ObjSize = sizeof(TREEVIEW_OBJ),
                                    .TagOffset = offsetof(TREEVIEW_OBJ, DebugId),
                                    .Tag = TREEVIEW_ID,
                                    .InitialState = WIDGET_STATE_FOCUSABLE,
                                    .pDefaultProps = &TREEVIEW__DefaultProps,
                                    .PropsOffset = offsetof(TREEVIEW_OBJ, Props),
                                    .PropsSize = sizeof(TREEVIEW_PROPS),
                                    .pfOnMessage = _OnMessage,
                                    .pfOnPaint = TREEVIEW__Paint,
                                    .pfOnDelete = _OnDelete};

void TREEVIEW_Callback(WM_MESSAGE* pMsg) {
  WIDGET__Callback(&TREEVIEW__Type, pMsg);
}

WM_HWIN TREEVIEW_CreateUser(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id,
                            int NumExtraBytes) {
  WM__LockGuard Lock;
  WM_HWIN hObj =
      WIDGET__CreateUser(&TREEVIEW__Type, x0, y0, xSize, ySize, hParent, (U32)WinFlags, Id, NumExtraBytes);
  if (!hObj) {
    return 0;
  }
  TREEVIEW_OBJ* pObj = _Obj(hObj);
  pObj->pfDrawItem = TREEVIEW_OwnerDraw;
  pObj->Flags = (U16)ExFlags;
  return WIDGET__FinishCreate(&TREEVIEW__Type, hObj);
}

WM_HWIN TREEVIEW_CreateEx(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id) {
  return TREEVIEW_CreateUser(x0, y0, xSize, ySize, hParent, WinFlags, ExFlags, Id, 0);
}

WM_HWIN TREEVIEW_CreateIndirect(const WIDGET_CREATE_INFO* pCreateInfo, WM_HWIN hParent, int x0, int y0,
                                WM_CALLBACK*) {
  return WIDGET__CreateIndirect(TREEVIEW_CreateUser, pCreateInfo, hParent, x0, y0, WM_CF_SHOW);
}

TREEVIEW_OBJ* TREEVIEW_LockH(WM_HWIN hObj) {
  return (TREEVIEW_OBJ*)WIDGET__LockH(&TREEVIEW__Type, hObj);
}

void TREEVIEW__Invalidate(WM_HWIN hObj) {
  if (!WM__IsWindow(hObj)) {
    return;
  }
  _Obj(hObj)->MaxWidth = 0;
  _Obj(hObj)->TotalHeight = 0;
  WM_InvalidateWindow(hObj);
}

// Walks the shown items: widths, heights, the last child of every level and the vertical lines that pass
// through deeper rows on their way to a later sibling.
void TREEVIEW__UpdateLayout(WM_HWIN hObj) {
  if (!WM__IsWindow(hObj) || _Obj(hObj)->MaxWidth || _InScrollUpdate) {
    return;
  }
  GUI_HMEM ahLast[256] = {};
  int MaxWidth = 0, NumShown = 0, PrevLevel = -1;
  I64 Total = 0; // many tall rows pass the int range
  for (GUI_HMEM h = _Obj(hObj)->hFirst; h; h = TREEVIEW__NextShown(h)) {
    TREEVIEW_ITEM_OBJ* p = TREEVIEW__Item(h);
    int Level = p->Level;
    p->LineMask = 0;
    p->Flags &= (U16)~TREEVIEW_ITEM_FLAG_LAST;
    if (PrevLevel > Level) {
      for (int l = PrevLevel; l > Level; l--) {
        if (ahLast[l]) {
          TREEVIEW__Item(ahLast[l])->Flags |= TREEVIEW_ITEM_FLAG_LAST;
          ahLast[l] = 0;
        }
      }
      if (Level > 0 && Level <= 16) {
        for (GUI_HMEM x = p->hPrev; x && TREEVIEW__Item(x)->Level > Level; x = TREEVIEW__Item(x)->hPrev) {
          TREEVIEW__Item(x)->LineMask |= (U16)(1u << (Level - 1));
        }
      }
    }
    ahLast[Level] = h;
    PrevLevel = Level;
    MaxWidth = p->xSize > MaxWidth ? p->xSize : MaxWidth;
    Total += TREEVIEW__GetItemHeight(hObj, h);
    NumShown++;
  }
  for (int l = PrevLevel; l >= 1; l--) {
    if (ahLast[l]) {
      TREEVIEW__Item(ahLast[l])->Flags |= TREEVIEW_ITEM_FLAG_LAST;
    }
  }
  TREEVIEW_OBJ* pObj = _Obj(hObj);
  pObj->MaxWidth = MaxWidth;
  pObj->TotalHeight = WM__ClampInt(Total);
  pObj->NumShown = NumShown;
  // The first shown index never points past the shown items (a collapse may have hidden them).
  int MaxFirst = NumShown > 0 ? NumShown - 1 : 0;
  pObj->ScrollStateV.Value = pObj->ScrollStateV.Value > MaxFirst ? MaxFirst : pObj->ScrollStateV.Value;
  _InScrollUpdate = true;
  _UpdateScrollbars(hObj);
  _InScrollUpdate = false;
}

void TREEVIEW__Select(WM_HWIN hObj, GUI_HMEM hItem, int Notify) {
  TREEVIEW_OBJ* pObj = _Obj(hObj);
  pObj->hSel = hItem;
  int s = hItem ? _ShownIndex(pObj, hItem) : -1;
  if (s >= 0 && !_ScrollIntoView(hObj, s)) {
    return;
  }
  WM_InvalidateWindow(hObj);
  if (Notify) {
    WIDGET__NotifyParent(hObj, WM_NOTIFICATION_SEL_CHANGED);
  }
}

TREEVIEW_ITEM_Handle TREEVIEW_GetSel(WM_HWIN hObj) {
  WM__LockGuard Lock;
  TREEVIEW_OBJ* pObj = (TREEVIEW_OBJ*)WIDGET__GetObj(&TREEVIEW__Type, hObj);
  return pObj ? pObj->hSel : 0;
}

void TREEVIEW_SetSel(WM_HWIN hObj, TREEVIEW_ITEM_Handle hItem) {
  WM__LockGuard Lock;
  TREEVIEW_OBJ* pObj = (TREEVIEW_OBJ*)WIDGET__GetObj(&TREEVIEW__Type, hObj);
  // Only an item of this tree can be selected; anything else would leave the tree naming a stranger.
  if (pObj && (!hItem || TREEVIEW__Item(hItem)->hTree == hObj)) {
    TREEVIEW__Select(hObj, hItem, 1);
  }
}

void TREEVIEW_IncSel(WM_HWIN hObj) {
  WM__LockGuard Lock;
  TREEVIEW_OBJ* pObj = (TREEVIEW_OBJ*)WIDGET__GetObj(&TREEVIEW__Type, hObj);
  if (pObj && pObj->hSel) {
    if (GUI_HMEM h = TREEVIEW__NextShownFrom(pObj->hSel)) {
      TREEVIEW__Select(hObj, h, 1);
    }
  }
}

void TREEVIEW_DecSel(WM_HWIN hObj) {
  WM__LockGuard Lock;
  TREEVIEW_OBJ* pObj = (TREEVIEW_OBJ*)WIDGET__GetObj(&TREEVIEW__Type, hObj);
  if (pObj && pObj->hSel) {
    if (GUI_HMEM h = TREEVIEW__PrevShownFrom(pObj->hSel)) {
      TREEVIEW__Select(hObj, h, 1);
    }
  }
}

void TREEVIEW_ScrollToSel(WM_HWIN hObj) {
  WM__LockGuard Lock;
  TREEVIEW_OBJ* pObj = (TREEVIEW_OBJ*)WIDGET__GetObj(&TREEVIEW__Type, hObj);
  if (pObj) {
    TREEVIEW__Select(hObj, pObj->hSel, 1);
  }
}
