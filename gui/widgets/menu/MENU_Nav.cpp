// MENU: navigation. Selection and its announcements, opening and closing submenus beside their items,
// popups, choosing an item (which closes the whole chain), pointer handling across the menus of a chain
// and key handling. A menu holds the pointer capture while it is open so that a press anywhere reaches it.
#include "MENU.h"

int MENU__HitTest(WM_HWIN hObj, int x, int y);

namespace {

// Whether the pointer was pressed before the event in hand: one pointer, so one record for all menus. A
// change of the button comes first as WM_POINTER_STATE_CHANGED with the state before it; the pointer
// message that follows takes that, any other pointer message had no change. The record is set when the
// outermost menu takes the event, so that every menu of a chain that sees it judges it alike.
U8 _PrevPressed;
U8 _ChangePending;
U8 _PrevBeforeChange;
int _PointerDepth;

MENU_OBJ* _Obj(WM_HWIN hObj) {
  return MENU__Obj(hObj);
}

bool _Vertical(WM_HWIN hObj) {
  return _Obj(hObj)->Flags & MENU_CF_VERTICAL;
}

bool _IsMenu(WM_HWIN hWin) {
  return hWin && WM__IsWindow(hWin) && MENU__SendMenuMessage(hWin, 0, MENU_IS_MENU, 0);
}

WM_HWIN _Owner(WM_HWIN hObj) {
  WM_HWIN hOwner = _Obj(hObj)->hOwner;
  return hOwner ? hOwner : WM_GetParent(hObj);
}

// The top-level menu of the chain: owners are followed while they are menus.
WM_HWIN _TopLevel(WM_HWIN hObj) {
  for (int Guard = 0; Guard < 32; Guard++) {
    WM_HWIN hOwner = _Owner(hObj);
    if (!_IsMenu(hOwner)) {
      break;
    }
    hObj = hOwner;
  }
  return hObj;
}

void _Notify(WM_HWIN hObj, U16 MsgType, U16 Id) {
  MENU__SendMenuMessage(_Owner(hObj), hObj, MsgType, Id);
}

void _Capture(WM_HWIN hObj) {
  if (!_Obj(hObj)->IsSubmenuActive && !WM_HasCaptured(hObj)) {
    WM_SetCapture(hObj, 0);
  }
}

void _ReleaseCapture(WM_HWIN hObj) {
  if (WM_HasCaptured(hObj) && MENU__IsTopLevel(hObj) && !(_Obj(hObj)->Flags & MENU_SF_POPUP)) {
    WM_ReleaseCapture();
  }
}

void _SetSelEx(WM_HWIN hObj, int Index, int NoNotify) {
  MENU_OBJ* pObj = _Obj(hObj);
  if (Index == pObj->Sel) {
    return;
  }
  WM_InvalidateWindow(hObj);
  pObj->Sel = Index;
  MENU_ITEM Item;
  if (!pObj->IsSubmenuActive && Index >= 0 && !NoNotify && MENU__GetItem(hObj, Index, &Item) &&
      !(Item.Flags & MENU_IF_SEPARATOR)) {
    _Notify(hObj, MENU_ON_ITEMACTIVATE, Item.Id);
  }
}

void _MoveSel(WM_HWIN hObj, int Dir, int NoNotify) {
  int n = MENU__GetNumItems(hObj);
  if (n <= 0) {
    return;
  }
  // Wide, as the application may have stored any negative selection.
  I64 Sel = _Obj(hObj)->Sel;
  int Wraps = 0;
  for (;;) {
    Sel += Dir;
    if (Sel >= n) {
      Sel = 0;
      Wraps++;
    } else if (Sel < 0) {
      Sel = n - 1;
      Wraps++;
    }
    if (Wraps >= 2) {
      return; // separators only: the selection stays
    }
    MENU_ITEM Item;
    if (MENU__GetItem(hObj, (int)Sel, &Item) && !(Item.Flags & MENU_IF_SEPARATOR)) {
      break;
    }
  }
  _SetSelEx(hObj, (int)Sel, NoNotify);
}

void _CloseSubmenu(WM_HWIN hObj) {
  MENU_OBJ* pObj = _Obj(hObj);
  if (!(pObj->Flags & MENU_SF_ACTIVE) || !pObj->IsSubmenuActive) {
    return;
  }
  MENU_ITEM Item;
  if (MENU__GetItem(hObj, pObj->Sel, &Item) && Item.hSubmenu && WM__IsWindow(Item.hSubmenu)) {
    MENU__SendMenuMessage(Item.hSubmenu, hObj, MENU_ON_CLOSE, 0);
    if (WM_HasCaptured(Item.hSubmenu)) {
      WM_ReleaseCapture();
    }
    WM_DetachWindow(Item.hSubmenu);
  }
  _Obj(hObj)->IsSubmenuActive = 0;
  _Capture(hObj);
  WM_InvalidateWindow(hObj);
}

void _OpenSubmenu(WM_HWIN hObj, int Index) {
  if (!(_Obj(hObj)->Flags & MENU_SF_ACTIVE)) {
    return;
  }
  bool WasOpen = _Obj(hObj)->IsSubmenuActive;
  _CloseSubmenu(hObj);
  MENU_ITEM Item;
  if (!MENU__GetItem(hObj, Index, &Item) || !Item.hSubmenu || (Item.Flags & MENU_IF_DISABLED) ||
      !WIDGET__GetObj(&MENU__Type, Item.hSubmenu)) {
    return;
  }
  WM_HWIN hSub = Item.hSubmenu;
  WM_HWIN hTop = _TopLevel(hObj);
  WM_HWIN hDest = WM_GetParent(hTop);
  if (!hDest) {
    hDest = WM_GetDesktopWindow();
  }
  int e = MENU__GetEffectSize(hObj);
  int x, y;
  MENU__GetItemPos(hObj, Index, &x, &y);
  int dx, dy;
  if (_Vertical(hObj)) {
    dx = MENU__GetNaturalWidth(hObj) + x - 2 * e;
    dy = y - e;
  } else {
    dx = x - e;
    dy = MENU__GetNaturalHeight(hObj) + y - 2 * e;
  }
  int xPos = WM_GetWindowPosX(hObj) + dx - WM_GetWindowPosX(hDest);
  int yPos = WM_GetWindowPosY(hObj) + dy - WM_GetWindowPosY(hDest);
  // Open the submenu as it will show (its own frame counts) before placing it inside the parent window.
  _Obj(hSub)->hOwner = hObj;
  MENU__Resize(hSub);
  int wSub = WM_GetWindowSizeX(hSub), hSubSize = WM_GetWindowSizeY(hSub);
  if (xPos - 1 + wSub > WM_GetWindowSizeX(hDest)) {
    xPos = WM_GetWindowSizeX(hDest) - wSub;
  }
  if (yPos - 1 + hSubSize > WM_GetWindowSizeY(hDest)) {
    yPos = WM_GetWindowSizeY(hDest) - hSubSize;
  }
  // The owner may delete the menu (and with it its submenus) on either announcement.
  WM__WATCH Watch(hObj), WatchSub(hSub);
  if (!WasOpen && MENU__IsTopLevel(hObj)) {
    _Notify(hObj, MENU_ON_INITMENU, 0);
  }
  if (Watch.Alive()) {
    _Notify(hObj, MENU_ON_INITSUBMENU, Item.Id);
  }
  if (!Watch.Alive() || !WatchSub.Alive()) {
    return;
  }
  WM_AttachWindowAt(hSub, hDest, xPos, yPos);
  MENU__SendMenuMessage(hSub, hObj, MENU_ON_OPEN, 0);
  _Obj(hObj)->IsSubmenuActive = 1;
  WM_InvalidateWindow(hObj);
}

void _SelectItem(WM_HWIN hObj, int Index) {
  if (Index == _Obj(hObj)->Sel) {
    return;
  }
  WM__WATCH Watch(hObj);
  _Capture(hObj);
  _OpenSubmenu(hObj, Index);
  if (Watch.Alive()) {
    _SetSelEx(hObj, Index, 0);
  }
}

void _Deactivate(WM_HWIN hObj) {
  _CloseSubmenu(hObj);
  MENU_OBJ* pObj = _Obj(hObj);
  if (!(pObj->Flags & MENU_CF_OPEN_ON_POINTER)) {
    pObj->Flags &= (U16)~MENU_SF_ACTIVE;
  }
}

void _Reset(WM_HWIN hObj) {
  if (!_Obj(hObj)->IsSubmenuActive) {
    _SetSelEx(hObj, -1, 1);
    _ReleaseCapture(hObj);
  }
}

void _EndPopup(WM_HWIN hObj) {
  MENU_OBJ* pObj = _Obj(hObj);
  if (pObj->Flags & MENU_SF_POPUP) {
    pObj->Flags &= (U16)~MENU_SF_POPUP;
    // Keys must not go on to a window that is no longer shown: the focus returns to the owner (and the
    // parent, told that the menu lost it, may delete the menu).
    if (WM_HasFocus(hObj) && _Owner(hObj)) {
      WM__WATCH Watch(hObj);
      WM_SetFocus(_Owner(hObj));
      if (!Watch.Alive()) {
        return;
      }
    }
    WM_DetachWindow(hObj);
    if (WM_HasCaptured(hObj)) {
      WM_ReleaseCapture();
    }
  }
}

void _ActivateItem(WM_HWIN hObj, int Index) {
  MENU_ITEM Item;
  if (!MENU__GetItem(hObj, Index, &Item) || Item.hSubmenu || (Item.Flags & (MENU_IF_DISABLED | MENU_IF_SEPARATOR))) {
    return;
  }
  WM__WATCH Watch(hObj);
  _EndPopup(hObj);
  if (Watch.Alive()) {
    _Notify(hObj, MENU_ON_ITEMSELECT, Item.Id);
  }
}

void _ActivateMenu(WM_HWIN hObj, int Index) {
  MENU_ITEM Item;
  if (!MENU__GetItem(hObj, Index, &Item) || !Item.hSubmenu || (Item.Flags & MENU_IF_DISABLED)) {
    return;
  }
  MENU_OBJ* pObj = _Obj(hObj);
  if (!(pObj->Flags & MENU_SF_ACTIVE)) {
    pObj->Flags |= MENU_SF_ACTIVE;
    WM__WATCH Watch(hObj);
    _OpenSubmenu(hObj, Index);
    if (Watch.Alive()) {
      _SetSelEx(hObj, Index, 0);
    }
  } else if ((pObj->Flags & MENU_CF_CLOSE_ON_SECOND_CLICK) && Index == pObj->Sel) {
    _CloseSubmenu(hObj);
    _Obj(hObj)->Flags &= (U16)~MENU_SF_ACTIVE;
  }
}

void _OpenSubmenuByKey(WM_HWIN hObj, int Index) {
  _Obj(hObj)->Flags |= MENU_SF_ACTIVE;
  MENU_ITEM Item;
  if (!MENU__GetItem(hObj, Index, &Item) || !Item.hSubmenu || !WIDGET__GetObj(&MENU__Type, Item.hSubmenu)) {
    _SetSelEx(hObj, Index, 0);
    return;
  }
  // Opening, highlighting and the focus are announced up the chain; its owner may delete it meanwhile.
  WM__WATCH Watch(hObj), WatchSub(Item.hSubmenu);
  _OpenSubmenu(hObj, Index);
  if (Watch.Alive() && WatchSub.Alive() && _Obj(hObj)->IsSubmenuActive) {
    _Obj(Item.hSubmenu)->Flags |= MENU_SF_ACTIVE;
    _SetSelEx(Item.hSubmenu, 0, 0);
    if (WatchSub.Alive()) {
      WM_SetFocus(Item.hSubmenu);
    }
  }
  if (Watch.Alive()) {
    _SetSelEx(hObj, Index, 0);
  }
}

// Hands a pointer message on to another window in that window's coordinates.
void _PassPointer(WM_HWIN hObj, WM_HWIN hDest, WM_MESSAGE* pMsg) {
  if (!hDest || !WM__IsWindow(hDest)) {
    return;
  }
  int dx = WM_GetWindowPosX(hObj) - WM_GetWindowPosX(hDest);
  int dy = WM_GetWindowPosY(hObj) - WM_GetWindowPosY(hDest);
  WM_MESSAGE Msg = *pMsg;
  GUI_POINTER_STATE State;
  WM_POINTER_STATE_CHANGE Change;
  if (pMsg->MsgId == WM_POINTER_STATE_CHANGED && pMsg->Data.p) {
    Change = *(const WM_POINTER_STATE_CHANGE*)pMsg->Data.p;
    Change.x += dx;
    Change.y += dy;
    Msg.Data.p = &Change;
  } else if (pMsg->Data.p) {
    State = *(const GUI_POINTER_STATE*)pMsg->Data.p;
    State.x += dx;
    State.y += dy;
    Msg.Data.p = &State;
  }
  Msg.hWin = hDest;
  WM_SendMessage(hDest, &Msg);
}

WM_HWIN _WindowAt(WM_HWIN hObj, int x, int y) {
  return WM_GetWindowAt(WM_GetWindowPosX(hObj) + x, WM_GetWindowPosY(hObj) + y);
}

} // namespace

int MENU__HandlePointer(WM_HWIN hObj, int x, int y, int Pressed) {
  bool PrevPressed = _PrevPressed;
  WM__WATCH Watch(hObj); // what the menu announces, or the focus it moves, may have it deleted
  int xSize = WM_GetWindowSizeX(hObj), ySize = WM_GetWindowSizeY(hObj);
  if (x >= 0 && y >= 0 && x < xSize && y < ySize) {
    int n = MENU__HitTest(hObj, x, y);
    if (n >= 0) {
      MENU_ITEM Item;
      MENU__GetItem(hObj, n, &Item);
      if (Pressed == 0) {
        if (PrevPressed) {
          _ActivateItem(hObj, n);
        }
      } else if (Pressed < 0) {
        WM_HWIN hUnder = _WindowAt(hObj, x, y);
        MENU_OBJ* pObj = _Obj(hObj);
        if (hUnder && hUnder != hObj && WM__IsInModalArea(hUnder) && MENU__IsTopLevel(hObj) &&
            !pObj->IsSubmenuActive && !(pObj->Flags & MENU_SF_POPUP)) {
          _Reset(hObj);
        } else {
          _SelectItem(hObj, n);
        }
      } else if (PrevPressed) {
        _SelectItem(hObj, n);
      } else {
        _ActivateMenu(hObj, n);
        if (Watch.Alive()) {
          _SelectItem(hObj, n);
        }
        if (Watch.Alive() && !(Item.Flags & MENU_IF_SEPARATOR)) {
          _Notify(hObj, MENU_ON_ITEMPRESSED, Item.Id);
        }
      }
    } else if (Pressed > 0) {
      if (!PrevPressed) {
        _Deactivate(hObj);
      }
      _Reset(hObj);
    } else if (Pressed < 0 && !WM_HasFocus(hObj)) {
      _Reset(hObj);
    }
    return 0;
  }
  if (Pressed > 0 && !PrevPressed) {
    _Reset(hObj);
    _Deactivate(hObj);
    _EndPopup(hObj);
    if (!Watch.Alive()) {
      return 1;
    }
    _SetSelEx(hObj, -1, 1);
    if (WM_HasFocus(hObj)) {
      WM_HWIN hTop = _TopLevel(hObj);
      WM__WATCH WatchTop(hTop);
      WM_SetFocus(hTop);
      if (WatchTop.Alive()) {
        _SetSelEx(hTop, -1, 1);
        if (WM_HasCaptured(hTop)) {
          WM_ReleaseCapture();
        }
      }
    }
  }
  if (Watch.Alive() && !WM_HasFocus(hObj)) {
    _Reset(hObj);
  }
  return 1;
}

void MENU__OnPointerMessage(WM_HWIN hObj, WM_MESSAGE* pMsg) {
  // A pointer message handed on, the focus moved, or what the menu announces may have it deleted.
  WM__WATCH Watch(hObj);
  _PointerDepth++;
  int x = -1, y = -1, Pressed = -1;
  bool Press = false;
  if (pMsg->MsgId == WM_POINTER_STATE_CHANGED) {
    const WM_POINTER_STATE_CHANGE* pInfo = (const WM_POINTER_STATE_CHANGE*)pMsg->Data.p;
    if (pInfo && _PointerDepth == 1) {
      _ChangePending = 1;
      _PrevBeforeChange = pInfo->PreviousPressed ? 1 : 0;
    }
    // Presses inside are handled with the pointer message that follows; a press outside goes on.
    if (pInfo && pInfo->Pressed) {
      int xSize = WM_GetWindowSizeX(hObj), ySize = WM_GetWindowSizeY(hObj);
      if (pInfo->x < 0 || pInfo->y < 0 || pInfo->x >= xSize || pInfo->y >= ySize) {
        if (MENU__IsTopLevel(hObj) && !(_Obj(hObj)->Flags & MENU_SF_POPUP)) {
          WM_HWIN hOwner = _Owner(hObj);
          WM__WATCH WatchOwner(hOwner);
          _PassPointer(hObj, hOwner, pMsg);
          if (Watch.Alive() && WM_HasFocus(hObj) && WatchOwner.Alive()) {
            WM_SetFocus(hOwner);
          }
        } else {
          WM_HWIN hUnder = _WindowAt(hObj, pInfo->x, pInfo->y);
          if (hUnder && hUnder != hObj) {
            _PassPointer(hObj, hUnder, pMsg);
          }
          if (Watch.Alive() && WM_HasCaptured(hObj)) {
            WM_ReleaseCapture();
          }
        }
      }
    }
    _PointerDepth--;
    return;
  }
  const GUI_POINTER_STATE* pState = (const GUI_POINTER_STATE*)pMsg->Data.p;
  if (pState) {
    x = pState->x;
    y = pState->y;
    Pressed = pMsg->MsgId == WM_POINTER_HOVER ? -1 : pState->Pressed ? 1 : 0;
    Press = Pressed > 0;
  } else if (pMsg->MsgId == WM_POINTER) {
    Pressed = -1;
  }
  if (_PointerDepth == 1) {
    if (pMsg->MsgId == WM_POINTER && pState) {
      _PrevPressed = _ChangePending ? _PrevBeforeChange : (Press ? 1 : 0);
    } else if (pMsg->MsgId == WM_POINTER_HOVER) {
      _PrevPressed = 0;
    }
    _ChangePending = 0;
  }
  int Outside = MENU__HandlePointer(hObj, x, y, Pressed);
  if (Outside && pState && Watch.Alive()) {
    if (!MENU__IsTopLevel(hObj)) {
      _PassPointer(hObj, _Owner(hObj), pMsg);
    } else if (pMsg->MsgId == WM_POINTER) {
      WM_HWIN hUnder = _WindowAt(hObj, x, y);
      if (WM_HasCaptured(hObj)) {
        WM_ReleaseCapture();
      }
      if (hUnder && hUnder != hObj) {
        WM__WATCH WatchUnder(hUnder);
        _PassPointer(hObj, hUnder, pMsg);
        if (WatchUnder.Alive()) {
          WM__SetPointerWindows(hUnder);
        }
      }
    }
  }
  _PointerDepth--;
}

void MENU__OnPopup(WM_HWIN hObj, WM_HWIN hOwner, int x, int y) {
  WM_AttachWindowAt(hObj, WM_GetDesktopWindow(), WM_GetWindowPosX(hOwner) + x, WM_GetWindowPosY(hOwner) + y);
  MENU__SendMenuMessage(hObj, hOwner, MENU_ON_OPEN, 0);
  MENU__SendMenuMessage(hOwner, hObj, MENU_ON_INITMENU, 0);
}

void MENU__OnMenuMessage(WM_HWIN hObj, WM_MESSAGE* pMsg) {
  const MENU_MSG_DATA* pData = (const MENU_MSG_DATA*)pMsg->Data.p;
  if (!pData) {
    return;
  }
  switch (pData->MsgType) {
  case MENU_ON_ITEMSELECT: {
    WM__WATCH Watch(hObj); // ending a popup moves the focus, which the parent hears of
    _Deactivate(hObj);
    _Reset(hObj);
    _EndPopup(hObj);
    if (!Watch.Alive()) {
      break;
    }
  }
    [[fallthrough]];
  case MENU_ON_INITMENU:
  case MENU_ON_INITSUBMENU:
  case MENU_ON_ITEMACTIVATE:
  case MENU_ON_ITEMPRESSED: {
    MENU_MSG_DATA Data = *pData;
    WM_MESSAGE Msg = *pMsg;
    Msg.hWinSrc = hObj;
    Msg.Data.p = &Data;
    WM_HWIN hOwner = _Owner(hObj);
    if (hOwner && WM__IsWindow(hOwner)) {
      WM_SendMessage(hOwner, &Msg);
    }
    break;
  }
  case MENU_ON_OPEN: {
    MENU_OBJ* pObj = _Obj(hObj);
    pObj->Sel = -1;
    pObj->IsSubmenuActive = 0;
    pObj->Flags |= MENU_SF_ACTIVE | MENU_CF_OPEN_ON_POINTER;
    _Capture(hObj);
    MENU__Resize(hObj);
    break;
  }
  case MENU_ON_CLOSE:
    _CloseSubmenu(hObj);
    break;
  case MENU_IS_MENU:
    pMsg->Data.v = 1;
    break;
  }
}

void MENU__OnFocusChanged(WM_HWIN hObj, int Focus) {
  if (Focus) {
    _CloseSubmenu(hObj);
    _Obj(hObj)->Flags &= (U16)~MENU_SF_ACTIVE;
    if (_Obj(hObj)->Sel < 1) {
      WM__WATCH Watch(hObj); // the highlighted item is announced
      _SetSelEx(hObj, 0, 0);
      if (Watch.Alive()) {
        _Capture(hObj);
      }
    }
  } else {
    _ReleaseCapture(hObj);
  }
}

int MENU__OnKey(WM_HWIN hObj, int Key) {
  bool Vertical = _Vertical(hObj);
  int Prev = Vertical ? GUI_KEY_UP : GUI_KEY_LEFT;
  int Next = Vertical ? GUI_KEY_DOWN : GUI_KEY_RIGHT;
  int Open = Vertical ? GUI_KEY_RIGHT : GUI_KEY_DOWN;
  int Back = Vertical ? GUI_KEY_LEFT : -1;
  WM_HWIN hTop = _TopLevel(hObj);
  MENU_OBJ* pObj = _Obj(hObj);
  int Sel = pObj->Sel;
  // What the menu announces, and the focus it moves, may have the chain deleted by its owner.
  WM__WATCH Watch(hObj);
  if (Sel < 0) {
    if (Key != GUI_KEY_ESCAPE) {
      _SetSelEx(hObj, Key == Prev ? MENU__GetNumItems(hObj) - 1 : 0, 0);
    }
    if (Watch.Alive()) {
      _Capture(hObj);
    }
    return 0;
  }
  MENU_ITEM Item = {};
  MENU__GetItem(hObj, Sel, &Item);
  if (!Item.hSubmenu && Key == GUI_KEY_ENTER) {
    if (!(Item.Flags & MENU_IF_DISABLED)) {
      WM_SetFocus(hTop);
      if (Watch.Alive()) {
        _ActivateItem(hObj, Sel);
      }
      if (!(Item.Flags & MENU_IF_SEPARATOR) && Watch.Alive()) {
        _Notify(hObj, MENU_ON_ITEMPRESSED, Item.Id);
      }
    }
    return 0;
  }
  if (Item.hSubmenu && (Key == Open || Key == GUI_KEY_ENTER)) {
    _OpenSubmenuByKey(hObj, Sel);
    return 0;
  }
  bool IsTop = hObj == hTop;
  if (IsTop && Key == GUI_KEY_ESCAPE) {
    if (pObj->Flags & MENU_SF_POPUP) {
      _EndPopup(hObj);
    } else {
      _CloseSubmenu(hObj);
      _SetSelEx(hObj, -1, 1);
      _ReleaseCapture(hObj);
    }
    return 0;
  }
  WM_HWIN hOwner = _Owner(hObj);
  if (!IsTop) {
    bool TopHorizontal = !_Vertical(hTop);
    if (TopHorizontal && ((Key == Open && !Item.hSubmenu) || (Key == Back && hOwner == hTop))) {
      _Obj(hObj)->Flags &= (U16)~MENU_SF_ACTIVE;
      WM__WATCH WatchTop(hTop);
      WM_SetFocus(hTop);
      if (WatchTop.Alive()) {
        _MoveSel(hTop, Key == Open ? 1 : -1, 1);
        _OpenSubmenuByKey(hTop, _Obj(hTop)->Sel);
      }
      return 0;
    }
    if (Key == GUI_KEY_ESCAPE || (Key == Back && (!TopHorizontal || (!Item.hSubmenu && hOwner != hTop)))) {
      WM__WATCH WatchOwner(hOwner);
      WM_SetFocus(hOwner);
      MENU_ITEM OwnerItem;
      if (WatchOwner.Alive() && WIDGET__GetObj(&MENU__Type, hOwner) &&
          MENU__GetItem(hOwner, _Obj(hOwner)->Sel, &OwnerItem) && !(OwnerItem.Flags & MENU_IF_SEPARATOR)) {
        _Notify(hOwner, MENU_ON_ITEMACTIVATE, OwnerItem.Id);
      }
      return 0;
    }
  }
  if (Key == Next || Key == Prev) {
    _CloseSubmenu(hObj);
    _MoveSel(hObj, Key == Next ? 1 : -1, 0);
    return 0;
  }
  return 1;
}
