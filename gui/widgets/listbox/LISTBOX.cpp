// LISTBOX: creation, typed locking, notifications to the owner and the callback with its key, pointer and
// scroll-bar handling.
#include <cctype>

#include "LISTBOX.h"
#include "SCROLLBAR.h"

LISTBOX_PROPS LISTBOX__DefaultProps = {GUI_DEFAULT_FONT,
                                       10,
                                       {0xFFFFFF, 0x808080, 0xFF0000, 0xC0C0C0},
                                       {0x000000, 0xFFFFFF, 0xFFFFFF, 0x808080},
                                       {WM_NO_COLOR, WM_NO_COLOR, WM_NO_COLOR},
                                       0};

namespace {

void _OnDelete(WM_HWIN hObj) {
  LISTBOX_OBJ* pObj = LISTBOX__Obj(hObj);
  GUI_ARRAY hItems = pObj->hItems;
  pObj->hItems = 0;
  GUI_ARRAY_Delete(hItems);
}

// Marking (space key and pointer press): only enabled items in multi-selection mode.
void _ToggleMark(WM_HWIN hObj, int Index) {
  LISTBOX_OBJ* pObj = LISTBOX__Obj(hObj);
  if (!(pObj->Flags & LISTBOX_FLAG_MULTISEL) || Index < 0 || Index >= GUI_ARRAY_GetNumItems(pObj->hItems)) {
    return;
  }
  LISTBOX_ITEM* pItem = (LISTBOX_ITEM*)GUI_ALLOC_h2p(GUI_ARRAY_GethItem(pObj->hItems, (U32)Index));
  if (!pItem || (pItem->Status & LISTBOX_ITEM_DISABLED)) {
    return;
  }
  pItem->Status ^= LISTBOX_ITEM_SELECTED;
  if (LISTBOX__Notify(hObj, WM_NOTIFICATION_SEL_CHANGED)) {
    LISTBOX__InvalidateItem(hObj, Index);
  }
}

void _OnKey(WM_HWIN hObj, WM_MESSAGE* pMsg) {
  const GUI_KEY_MSG* pKey = (const GUI_KEY_MSG*)pMsg->Data.p;
  if (!pKey) {
    return;
  }
  WM__WATCH Watch(hObj);
  if (pKey->PressedCnt > 0 && LISTBOX_AddKey(hObj, pKey->Key)) {
    return;
  }
  // A release, or a key the list does not use: the owner (or the parent) hears of it first.
  LISTBOX_OBJ* pObj = LISTBOX__Obj(hObj);
  WM_HWIN hDest = pObj->hOwner ? pObj->hOwner : WM_GetParent(hObj);
  if (hDest) {
    WM_MESSAGE Msg = {};
    Msg.MsgId = LISTBOX_MSG_KEY_UNUSED;
    Msg.hWinSrc = hObj;
    Msg.Data.p = pMsg->Data.p;
    WM_SendMessage(hDest, &Msg);
  }
  if (Watch.Alive()) {
    WM_DefaultProc(pMsg);
  }
}

void _OnPress(WM_HWIN hObj, const WM_POINTER_STATE_CHANGE* pInfo) {
  if (!pInfo || !pInfo->Pressed) {
    return;
  }
  int Index = LISTBOX__ItemAt(hObj, pInfo->x, pInfo->y);
  if (Index < 0) {
    return;
  }
  WM__WATCH Watch(hObj);
  _ToggleMark(hObj, Index);
  if (!Watch.Alive()) {
    return;
  }
  LISTBOX_SetSel(hObj, Index);
  if (Watch.Alive()) {
    LISTBOX__Notify(hObj, WM_NOTIFICATION_CLICKED);
  }
}

void _OnPointer(WM_HWIN hObj, const GUI_POINTER_STATE* pState) {
  if (!pState) {
    LISTBOX__Notify(hObj, WM_NOTIFICATION_MOVED_OUT);
  } else if (!pState->Pressed) {
    LISTBOX__Notify(hObj, WM_NOTIFICATION_RELEASED);
  }
}

// Hover selects only for an owner (the open list of a drop-down), and only items that show in full.
void _OnHover(WM_HWIN hObj, const GUI_POINTER_STATE* pState) {
  LISTBOX_OBJ* pObj = LISTBOX__Obj(hObj);
  if (!pState || !pObj->hOwner) {
    return;
  }
  int Index = LISTBOX__ItemAt(hObj, pState->x, pState->y);
  pObj = LISTBOX__Obj(hObj);
  if (Index >= 0 && Index < pObj->ScrollStateV.Value + pObj->ScrollStateV.PageSize) {
    LISTBOX_SetSel(hObj, Index);
  }
}

void _OnScrollbar(WM_HWIN hObj, WM_HWIN hBar) {
  LISTBOX_OBJ* pObj = LISTBOX__Obj(hObj);
  bool Vertical = hBar == WM_GetScrollbarV(hObj);
  if (!Vertical && hBar != WM_GetScrollbarH(hObj)) {
    return;
  }
  WM_SCROLL_STATE State;
  WM_GetScrollState(hBar, &State);
  pObj = LISTBOX__Obj(hObj);
  (Vertical ? pObj->ScrollStateV : pObj->ScrollStateH).Value = State.Value;
  WM_InvalidateWindow(hObj);
  LISTBOX__Notify(hObj, WM_NOTIFICATION_SCROLL_CHANGED);
}

int _OnMessage(WM_HWIN hObj, WM_MESSAGE* pMsg) {
  switch (pMsg->MsgId) {
  case WM_KEY:
    _OnKey(hObj, pMsg);
    return 1;
  case WM_POINTER_STATE_CHANGED:
    _OnPress(hObj, (const WM_POINTER_STATE_CHANGE*)pMsg->Data.p);
    break;
  case WM_POINTER_HOVER:
    _OnHover(hObj, (const GUI_POINTER_STATE*)pMsg->Data.p);
    return 1;
  case WM_NOTIFY_PARENT:
    if (pMsg->Data.v == WM_NOTIFICATION_VALUE_CHANGED) {
      _OnScrollbar(hObj, pMsg->hWinSrc);
      return 1;
    }
    if (pMsg->Data.v == WM_NOTIFICATION_SCROLLBAR_ADDED) {
      LISTBOX__Update(hObj);
      return 1;
    }
    break;
  case WM_SIZE:
    LISTBOX__UpdateAndInvalidate(hObj);
    break;
  }
  return 0;
}

} // namespace

const WIDGET_TYPE LISTBOX__Type = {.pName = "LISTBOX",
                                   .cb = LISTBOX_Callback,
                                   .ObjSize = sizeof(LISTBOX_OBJ),
                                   .TagOffset = offsetof(LISTBOX_OBJ, DebugId),
                                   .Tag = LISTBOX_ID,
                                   .InitialState = WIDGET_STATE_FOCUSABLE,
                                   .pDefaultProps = &LISTBOX__DefaultProps,
                                   .PropsOffset = offsetof(LISTBOX_OBJ, Props),
                                   .PropsSize = sizeof(LISTBOX_PROPS),
                                   .pfOnMessage = _OnMessage,
                                   .pfOnPaint = LISTBOX__Paint,
                                   .pfOnDelete = _OnDelete,
                                   .pfOnPointer = _OnPointer};

LISTBOX_OBJ* LISTBOX__Obj(WM_HWIN hObj) {
  return (LISTBOX_OBJ*)WM_H2P(hObj);
}

int LISTBOX__Notify(WM_HWIN hObj, int Code) {
  WM_HWIN hOwner = LISTBOX__Obj(hObj)->hOwner;
  if (!hOwner || !WM__IsWindow(hOwner)) {
    return WIDGET__NotifyParent(hObj, Code);
  }
  WM__WATCH Watch(hObj);
  WM_MESSAGE Msg = {};
  Msg.MsgId = WM_NOTIFY_PARENT;
  Msg.hWinSrc = hObj;
  Msg.Data.v = Code;
  WM_SendMessage(hOwner, &Msg);
  return Watch.Alive();
}

void LISTBOX_Callback(WM_MESSAGE* pMsg) {
  bool IsFocus = pMsg->MsgId == WM_SET_FOCUS;
  WM_HWIN hObj = pMsg->hWin;
  WM__WATCH Watch(hObj);
  WIDGET__Callback(&LISTBOX__Type, pMsg);
  if (IsFocus && pMsg->Data.v == 0 && Watch.Alive()) {
    LISTBOX__Notify(hObj, LISTBOX_NOTIFICATION_FOCUS);
  }
}

WM_HWIN LISTBOX_CreateUser(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int, int Id,
                           const char* const* ppText, int NumExtraBytes) {
  WM__LockGuard Lock;
  WM_HWIN hObj = WIDGET__CreateUser(&LISTBOX__Type, x0, y0, xSize, ySize, hParent, (U32)WinFlags, Id, NumExtraBytes);
  if (!hObj) {
    return 0;
  }
  GUI_ARRAY hItems = GUI_ARRAY_Create();
  if (!hItems) {
    return WIDGET__CreateFailed(&LISTBOX__Type, hObj);
  }
  LISTBOX_OBJ* pObj = LISTBOX__Obj(hObj);
  pObj->hItems = hItems;
  pObj->pfDrawItem = LISTBOX_OwnerDraw;
  pObj->Sel = -1;
  LISTBOX_SetText(hObj, ppText);
  LISTBOX__Update(hObj);
  return WIDGET__FinishCreate(&LISTBOX__Type, hObj);
}

WM_HWIN LISTBOX_Create(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id,
                       const char* const* ppText) {
  return LISTBOX_CreateUser(x0, y0, xSize, ySize, hParent, WinFlags, ExFlags, Id, ppText, 0);
}

WM_HWIN LISTBOX_CreateSimple(const char* const* ppText, int x0, int y0, int xSize, int ySize, int Flags) {
  return LISTBOX_CreateUser(x0, y0, xSize, ySize, 0, Flags, 0, 0, ppText, 0);
}

WM_HWIN LISTBOX_CreateAsChild(const char* const* ppText, WM_HWIN hParent, int x0, int y0, int xSize, int ySize,
                              int Flags) {
  return LISTBOX_CreateUser(x0, y0, xSize, ySize, hParent, Flags, 0, 0, ppText, 0);
}

WM_HWIN LISTBOX_CreateIndirect(const WIDGET_CREATE_INFO* pCreateInfo, WM_HWIN hParent, int x0, int y0,
                               WM_CALLBACK*) {
  if (!pCreateInfo) {
    return 0;
  }
  return LISTBOX_CreateUser(x0 + pCreateInfo->x0, y0 + pCreateInfo->y0, pCreateInfo->xSize, pCreateInfo->ySize,
                            hParent, 0, pCreateInfo->Flags, pCreateInfo->Id, nullptr, (int)pCreateInfo->NumExtraBytes);
}

LISTBOX_OBJ* LISTBOX_LockH(WM_HWIN hObj) {
  return (LISTBOX_OBJ*)WIDGET__LockH(&LISTBOX__Type, hObj);
}

int LISTBOX_AddKey(WM_HWIN hObj, int Key) {
  WM__LockGuard Lock;
  LISTBOX_OBJ* pObj = (LISTBOX_OBJ*)WIDGET__GetObj(&LISTBOX__Type, hObj);
  if (!pObj) {
    return 0;
  }
  switch (Key) {
  case GUI_KEY_LEFT:
  case GUI_KEY_RIGHT: {
    int Step = Key == GUI_KEY_LEFT ? -pObj->Props.ScrollStepH : pObj->Props.ScrollStepH;
    if (WM_SetScrollValue(&pObj->ScrollStateH, pObj->ScrollStateH.Value + Step)) {
      LISTBOX__UpdateAndInvalidate(hObj);
    }
    return 1;
  }
  case GUI_KEY_UP:
    LISTBOX_DecSel(hObj);
    return 1;
  case GUI_KEY_DOWN:
    LISTBOX_IncSel(hObj);
    return 1;
  case GUI_KEY_SPACE:
    _ToggleMark(hObj, pObj->Sel);
    return 1;
  }
  if (Key < 0 || Key > 0x7F || !isalnum(Key)) {
    return 0;
  }
  int c = tolower(Key);
  int n = GUI_ARRAY_GetNumItems(pObj->hItems);
  for (int i = 0; i < n; i++) {
    const LISTBOX_ITEM* pItem =
        (const LISTBOX_ITEM*)GUI_ALLOC_h2p(GUI_ARRAY_GethItem(LISTBOX__Obj(hObj)->hItems, (U32)i));
    if (pItem && tolower((unsigned char)pItem->acText[0]) == c) {
      LISTBOX_SetSel(hObj, i);
      break;
    }
  }
  return 1;
}
