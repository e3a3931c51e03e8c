// DROPDOWN: creation, typed locking, items, the selection, opening and closing the list and the callback
// with its key, pointer and list handling.
#include <cctype>
#include <cstring>

#include "DROPDOWN.h"
#include "LISTBOX.h"

namespace {

// Whether the list was open when the field was pressed: the press moves the focus to the field, which
// closes the list before the press itself is handled, and such a press must not open it again.
bool s_OpenAtPress;

int _NumItems(WM_HWIN hObj) {
  return GUI_ARRAY_GetNumItems(DROPDOWN__Obj(hObj)->hItems);
}

bool _IsDisabled(WM_HWIN hObj, int Index) {
  GUI_HMEM hBits = DROPDOWN__Obj(hObj)->hDisabled;
  const U8* p = hBits ? (const U8*)GUI_ALLOC_h2p(hBits) : nullptr;
  if (!p || Index < 0) {
    return false;
  }
  U16 NumBits;
  memcpy(&NumBits, p, sizeof(NumBits));
  return Index < NumBits && (p[2 + (Index >> 3)] >> (Index & 7)) & 1;
}

// Takes the open list's selection (when it has one). -> 0 when the parent deleted the drop-down on hearing
// of the new selection.
int _TakeListSel(WM_HWIN hObj) {
  int Sel = LISTBOX_GetSel(DROPDOWN__Obj(hObj)->hListWin);
  if (Sel < 0) {
    return 1;
  }
  WM__WATCH Watch(hObj);
  DROPDOWN_SetSel(hObj, Sel);
  return Watch.Alive();
}

void _OnListNotify(WM_HWIN hObj, int Code) {
  switch (Code) {
  case WM_NOTIFICATION_CLICKED:
    if (LISTBOX_GetSel(DROPDOWN__Obj(hObj)->hListWin) >= 0 && _TakeListSel(hObj)) {
      WM_SetFocus(hObj);
    }
    break;
  case WM_NOTIFICATION_SCROLL_CHANGED:
    WIDGET__NotifyParent(hObj, WM_NOTIFICATION_SCROLL_CHANGED);
    break;
  case LISTBOX_NOTIFICATION_FOCUS:
    DROPDOWN_Collapse(hObj);
    break;
  }
}

int _OnMessage(WM_HWIN hObj, WM_MESSAGE* pMsg) {
  DROPDOWN_OBJ* pObj = DROPDOWN__Obj(hObj);
  switch (pMsg->MsgId) {
  case WM_NOTIFY_PARENT:
    if (pMsg->hWinSrc && pMsg->hWinSrc == pObj->hListWin) {
      _OnListNotify(hObj, (int)pMsg->Data.v);
      return 1;
    }
    break;
  case LISTBOX_MSG_KEY_UNUSED: {
    const GUI_KEY_MSG* pKey = (const GUI_KEY_MSG*)pMsg->Data.p;
    if (pKey && pKey->PressedCnt > 0 && pKey->Key == GUI_KEY_ENTER && pMsg->hWinSrc == pObj->hListWin &&
        _TakeListSel(hObj)) {
      WM__WATCH Watch(hObj);
      DROPDOWN_Collapse(hObj);
      if (Watch.Alive()) {
        WM_SetFocus(hObj);
      }
    }
    return 1;
  }
  case WM_KEY: {
    const GUI_KEY_MSG* pKey = (const GUI_KEY_MSG*)pMsg->Data.p;
    if (!pKey || pKey->PressedCnt <= 0) {
      break;
    }
    switch (pKey->Key) {
    case GUI_KEY_TAB:
      if (pObj->hListWin && WM_HasFocus(pObj->hListWin)) {
        WM_SetFocus(hObj);
        return 1;
      }
      break;
    case GUI_KEY_ESCAPE:
    case 10:
      break;
    case GUI_KEY_SPACE:
      DROPDOWN_Expand(hObj);
      return 1;
    default:
      DROPDOWN_AddKey(hObj, pKey->Key);
      return 1;
    }
    break;
  }
  case WM_POINTER_STATE_CHANGED: {
    const WM_POINTER_STATE_CHANGE* pInfo = (const WM_POINTER_STATE_CHANGE*)pMsg->Data.p;
    if (pInfo && pInfo->Pressed && !pObj->hListWin && !s_OpenAtPress) {
      DROPDOWN_Expand(hObj);
    }
    break;
  }
  case WM_POINTER: {
    WIDGET__NotifyClicks(hObj, (const GUI_POINTER_STATE*)pMsg->Data.p);
    return 1;
  }
  }
  return 0;
}

void _OnDelete(WM_HWIN hObj) {
  DROPDOWN_OBJ* pObj = DROPDOWN__Obj(hObj);
  GUI_ARRAY hItems = pObj->hItems;
  WM_HWIN hList = pObj->hListWin;
  pObj->hItems = 0;
  pObj->hListWin = 0;
  GUI_ALLOC_FreePtr(&pObj->hDisabled);
  GUI_ARRAY_Delete(hItems);
  if (hList) {
    WM_DeleteWindow(hList);
  }
}

} // namespace

const WIDGET_TYPE DROPDOWN__Type = {.pName = "DROPDOWN",
                                    .cb = DROPDOWN_Callback,
                                    .ObjSize = sizeof(DROPDOWN_OBJ),
                                    .TagOffset = offsetof(DROPDOWN_OBJ, DebugId),
                                    .Tag = DROPDOWN_ID,
                                    .InitialState = WIDGET_STATE_FOCUSABLE,
                                    .pDefaultProps = &DROPDOWN__DefaultProps,
                                    .PropsOffset = offsetof(DROPDOWN_OBJ, Props),
                                    .PropsSize = sizeof(DROPDOWN_PROPS),
                                    .ppDefaultSkin = &DROPDOWN__pDefaultSkin,
                                    .SkinOffset = offsetof(DROPDOWN_OBJ, pSkin),
                                    .DrawSkinOffset = offsetof(DROPDOWN_OBJ, Props.pfDrawSkin),
                                    .pfOnMessage = _OnMessage,
                                    .pfOnDelete = _OnDelete};

DROPDOWN_OBJ* DROPDOWN__Obj(WM_HWIN hObj) {
  return (DROPDOWN_OBJ*)WM_H2P(hObj);
}

bool DROPDOWN__Valid(WM_HWIN hObj) {
  return WIDGET__GetObj(&DROPDOWN__Type, hObj) != nullptr;
}

void DROPDOWN__AdjustHeight(WM_HWIN hObj) {
  const DROPDOWN_OBJ* pObj = DROPDOWN__Obj(hObj);
  int h = pObj->TextHeight ? pObj->TextHeight : GUI_GetYDistOfFont(pObj->Props.pFont);
  WM_SetSize(hObj, WM_GetWindowSizeX(hObj), h + pObj->Widget.pEffect->EffectSize + 2 * pObj->Props.Border);
}

void DROPDOWN_Callback(WM_MESSAGE* pMsg) {
  if (pMsg->MsgId == WM_POINTER_STATE_CHANGED && WM__IsWindow(pMsg->hWin)) {
    s_OpenAtPress = DROPDOWN__Obj(pMsg->hWin)->hListWin != 0;
  }
  WIDGET__Callback(&DROPDOWN__Type, pMsg);
}

WM_HWIN DROPDOWN_CreateUser(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id,
                            int NumExtraBytes) {
  WM__LockGuard Lock;
  WM_HWIN hObj = WIDGET__CreateUser(&DROPDOWN__Type, x0, y0, xSize, -1, hParent, (U32)WinFlags, Id, NumExtraBytes);
  if (!hObj) {
    return 0;
  }
  GUI_ARRAY hItems = GUI_ARRAY_Create();
  if (!hItems) {
    return WIDGET__CreateFailed(&DROPDOWN__Type, hObj);
  }
  DROPDOWN_OBJ* pObj = DROPDOWN__Obj(hObj);
  pObj->hItems = hItems;
  pObj->ySizeEx = (I16)ySize;
  pObj->Flags = (U8)ExFlags;
  DROPDOWN__AdjustHeight(hObj);
  return WIDGET__FinishCreate(&DROPDOWN__Type, hObj);
}

WM_HWIN DROPDOWN_Create(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id) {
  return DROPDOWN_CreateUser(x0, y0, xSize, ySize, hParent, WinFlags, ExFlags, Id, 0);
}

WM_HWIN DROPDOWN_CreateAsChild(WM_HWIN hParent, int x0, int y0, int xSize, int ySize, int Flags) {
  return DROPDOWN_CreateUser(x0, y0, xSize, ySize, hParent, Flags, 0, 0, 0);
}

WM_HWIN DROPDOWN_CreateIndirect(const WIDGET_CREATE_INFO* pCreateInfo, WM_HWIN hParent, int x0, int y0,
                                WM_CALLBACK*) {
  return WIDGET__CreateIndirect(DROPDOWN_CreateUser, pCreateInfo, hParent, x0, y0, 0);
}

DROPDOWN_OBJ* DROPDOWN_LockH(WM_HWIN hObj) {
  return (DROPDOWN_OBJ*)WIDGET__LockH(&DROPDOWN__Type, hObj);
}

void DROPDOWN_AddString(WM_HWIN hObj, const char* s) {
  WM__LockGuard Lock;
  if (s && DROPDOWN__Valid(hObj) && !GUI_ARRAY_AddItem(DROPDOWN__Obj(hObj)->hItems, s, (int)strlen(s) + 1)) {
    WM_InvalidateWindow(hObj);
  }
}

void DROPDOWN_InsertString(WM_HWIN hObj, const char* s, unsigned Index) {
  WM__LockGuard Lock;
  if (!s || !DROPDOWN__Valid(hObj)) {
    return;
  }
  WM_HWIN hList = DROPDOWN__Obj(hObj)->hListWin;
  if (Index >= (unsigned)_NumItems(hObj)) {
    DROPDOWN_AddString(hObj, s);
    LISTBOX_AddString(hList, s);
    return;
  }
  int Len = (int)strlen(s) + 1;
  GUI_HMEM hItem = GUI_ARRAY_InsertItem(DROPDOWN__Obj(hObj)->hItems, Index, Len);
  if (hItem) {
    memcpy(GUI_ALLOC_h2p(hItem), s, (size_t)Len);
    // What the open list reports (it scrolled) reaches the parent, which may delete the drop-down.
    WM__WATCH Watch(hObj);
    LISTBOX_InsertString(hList, s, Index);
    if (Watch.Alive()) {
      WM_InvalidateWindow(hObj);
    }
  }
}

void DROPDOWN_DeleteItem(WM_HWIN hObj, unsigned Index) {
  WM__LockGuard Lock;
  if (!DROPDOWN__Valid(hObj) || Index >= (unsigned)_NumItems(hObj)) {
    return;
  }
  GUI_ARRAY_DeleteItem(DROPDOWN__Obj(hObj)->hItems, Index);
  WM__WATCH Watch(hObj);
  LISTBOX_DeleteItem(DROPDOWN__Obj(hObj)->hListWin, Index);
  if (!Watch.Alive()) {
    return;
  }
  DROPDOWN_OBJ* pObj = DROPDOWN__Obj(hObj);
  if (pObj->Sel >= _NumItems(hObj)) { // the selection never names a missing item
    pObj->Sel = _NumItems(hObj) - 1;
  }
  WM_InvalidateWindow(hObj);
}

int DROPDOWN_GetNumItems(WM_HWIN hObj) {
  WM__LockGuard Lock;
  return DROPDOWN__Valid(hObj) ? _NumItems(hObj) : 0;
}

int DROPDOWN_GetItemText(WM_HWIN hObj, unsigned Index, char* pBuffer, int MaxSize) {
  WM__LockGuard Lock;
  if (!pBuffer || MaxSize < 1 || !DROPDOWN__Valid(hObj) || Index >= (unsigned)_NumItems(hObj) ||
      !GUI_ARRAY_GethItem(DROPDOWN__Obj(hObj)->hItems, Index)) {
    return 1;
  }
  WIDGET__GetItemText(DROPDOWN__Obj(hObj)->hItems, (int)Index, pBuffer, MaxSize);
  return 0;
}

void DROPDOWN_SetItemDisabled(WM_HWIN hObj, unsigned Index, int OnOff) {
  WM__LockGuard Lock;
  if (!DROPDOWN__Valid(hObj) || Index >= (unsigned)_NumItems(hObj)) {
    return;
  }
  GUI_HMEM hBits = DROPDOWN__Obj(hObj)->hDisabled;
  U16 NumBits = 0;
  if (hBits) {
    memcpy(&NumBits, GUI_ALLOC_h2p(hBits), sizeof(NumBits));
  }
  if (Index >= NumBits) { // the block grows to hold the bit, keeping the old ones
    U16 NewBits = (U16)(Index + 1);
    GUI_HMEM hNew = GUI_ALLOC_AllocZero(2 + (NewBits + 7) / 8);
    if (!hNew) {
      return;
    }
    U8* p = (U8*)GUI_ALLOC_h2p(hNew);
    if (hBits) {
      memcpy(p + 2, (const U8*)GUI_ALLOC_h2p(hBits) + 2, (size_t)(NumBits + 7) / 8);
    }
    memcpy(p, &NewBits, sizeof(NewBits));
    GUI_ALLOC_Free(hBits);
    DROPDOWN__Obj(hObj)->hDisabled = hBits = hNew;
  }
  U8* p = (U8*)GUI_ALLOC_h2p(hBits) + 2 + (Index >> 3);
  *p = (U8)(OnOff ? *p | (1u << (Index & 7)) : *p & ~(1u << (Index & 7)));
  LISTBOX_SetItemDisabled(DROPDOWN__Obj(hObj)->hListWin, Index, OnOff);
}

int DROPDOWN_GetItemDisabled(WM_HWIN hObj, unsigned Index) {
  WM__LockGuard Lock;
  return DROPDOWN__Valid(hObj) && Index < 0x10000 && _IsDisabled(hObj, (int)Index) ? 1 : 0;
}

void DROPDOWN_SetSel(WM_HWIN hObj, int Sel) {
  WM__LockGuard Lock;
  if (!DROPDOWN__Valid(hObj)) {
    return;
  }
  int n = _NumItems(hObj);
  if (Sel >= n) {
    Sel = n ? n - 1 : 0;
  }
  DROPDOWN_OBJ* pObj = DROPDOWN__Obj(hObj);
  if (Sel < 0) {
    Sel = -1;
  }
  if (pObj->Sel != Sel) {
    pObj->Sel = Sel;
    WM_InvalidateWindow(hObj);
    WIDGET__NotifyParent(hObj, WM_NOTIFICATION_SEL_CHANGED);
  }
}

int DROPDOWN_GetSel(WM_HWIN hObj) {
  WM__LockGuard Lock;
  return DROPDOWN__Valid(hObj) ? DROPDOWN__Obj(hObj)->Sel : 0;
}

void DROPDOWN_IncSel(WM_HWIN hObj) {
  DROPDOWN_SetSel(hObj, DROPDOWN_GetSel(hObj) + 1);
}

void DROPDOWN_DecSel(WM_HWIN hObj) {
  int Sel = DROPDOWN_GetSel(hObj);
  DROPDOWN_SetSel(hObj, Sel > 0 ? Sel - 1 : 0);
}

void DROPDOWN_SetSelExp(WM_HWIN hObj, int Sel) {
  LISTBOX_SetSel(DROPDOWN_GetListbox(hObj), Sel);
}

int DROPDOWN_GetSelExp(WM_HWIN hObj) {
  WM_HWIN hList = DROPDOWN_GetListbox(hObj);
  return hList ? LISTBOX_GetSel(hList) : 0;
}

void DROPDOWN_IncSelExp(WM_HWIN hObj) {
  LISTBOX_IncSel(DROPDOWN_GetListbox(hObj));
}

void DROPDOWN_DecSelExp(WM_HWIN hObj) {
  LISTBOX_DecSel(DROPDOWN_GetListbox(hObj));
}

WM_HWIN DROPDOWN_GetListbox(WM_HWIN hObj) {
  WM__LockGuard Lock;
  return DROPDOWN__Valid(hObj) ? DROPDOWN__Obj(hObj)->hListWin : 0;
}

void DROPDOWN_Expand(WM_HWIN hObj) {
  WM__LockGuard Lock;
  if (!DROPDOWN__Valid(hObj) || DROPDOWN__Obj(hObj)->hListWin) {
    return;
  }
  WM_HWIN hParent = WM_GetParent(hObj);
  int x0 = WM_GetWindowPosX(hObj), y0 = WM_GetWindowPosY(hObj);
  int xSize = WM_GetWindowSizeX(hObj), ySize = WM_GetWindowSizeY(hObj);
  DROPDOWN_OBJ* pObj = DROPDOWN__Obj(hObj);
  int yList = (pObj->Flags & DROPDOWN_CF_UP) ? y0 - pObj->ySizeEx : y0 + ySize - 1;
  // Until the drop-down owns it, the new list reports to the common parent (it scrolled, it has the focus),
  // and the parent may delete either of them meanwhile; notification 1 may delete the drop-down, too. Each
  // step goes on only while both are there, and a list whose drop-down is gone goes with it.
  WM__WATCH Watch(hObj);
  WM_HWIN hList = LISTBOX_CreateAsChild(nullptr, hParent, x0, yList, xSize, pObj->ySizeEx, WM_CF_SHOW);
  if (!hList) {
    return;
  }
  WM__WATCH WatchList(hList);
  auto Both = [&] { return Watch.Alive() && WatchList.Alive(); };
  if (Both() && (DROPDOWN__Obj(hObj)->Flags & DROPDOWN_CF_AUTOSCROLLBAR)) {
    LISTBOX_SetScrollbarWidth(hList, DROPDOWN__Obj(hObj)->ScrollbarWidth);
    if (Both()) {
      LISTBOX_SetAutoScrollV(hList, 1);
    }
  }
  for (int i = 0; Both() && i < _NumItems(hObj); i++) {
    LISTBOX_AddStringH(hList, GUI_ARRAY_GethItem(DROPDOWN__Obj(hObj)->hItems, (U32)i));
    if (Both() && _IsDisabled(hObj, i)) {
      LISTBOX_SetItemDisabled(hList, (unsigned)i, 1);
    }
  }
  DROPDOWN_PROPS Props = {};
  unsigned Spacing = 0;
  if (Both()) {
    Props = DROPDOWN__Obj(hObj)->Props;
    Spacing = DROPDOWN__Obj(hObj)->ItemSpacing;
  }
  for (unsigned i = 0; Both() && i < 3; i++) {
    LISTBOX_SetBkColor(hList, i, Props.aBackColor[i]);
    LISTBOX_SetTextColor(hList, i, Props.aTextColor[i]);
    if (Props.aScrollbarColor[i] != WM_NO_COLOR) {
      LISTBOX_SetScrollbarColor(hList, i, Props.aScrollbarColor[i]);
    }
  }
  if (Both()) {
    LISTBOX_SetItemSpacing(hList, Spacing);
  }
  if (Both()) {
    LISTBOX_SetFont(hList, Props.pFont);
  }
  if (Both()) {
    LISTBOX_SetTextAlign(hList, Props.Align);
  }
  // The list's focus message for gaining the focus goes to the common parent: only losing it closes.
  if (Both()) {
    WM_SetFocus(hList);
  }
  if (Both()) {
    LISTBOX_SetOwner(hList, hObj);
    LISTBOX_SetSel(hList, DROPDOWN__Obj(hObj)->Sel);
  }
  if (Both()) {
    WIDGET__NotifyParent(hObj, WM_NOTIFICATION_CLICKED);
  }
  if (Both()) {
    DROPDOWN__Obj(hObj)->hListWin = hList;
    WM_InvalidateWindow(hObj);
  } else if (WatchList.Alive()) {
    WM_DeleteWindow(hList);
  }
}

void DROPDOWN_Collapse(WM_HWIN hObj) {
  WM__LockGuard Lock;
  if (!DROPDOWN__Valid(hObj)) {
    return;
  }
  WM_HWIN hList = DROPDOWN__Obj(hObj)->hListWin;
  DROPDOWN__Obj(hObj)->hListWin = 0;
  WM__WATCH Watch(hObj); // the parent hears of the deleted list and may delete the drop-down, too
  if (hList) {
    WM_DeleteWindow(hList);
  }
  if (Watch.Alive()) {
    WM_InvalidateWindow(hObj);
  }
}

void DROPDOWN_AddKey(WM_HWIN hObj, int Key) {
  WM__LockGuard Lock;
  if (!DROPDOWN__Valid(hObj)) {
    return;
  }
  if (Key == GUI_KEY_UP || Key == GUI_KEY_DOWN) {
    Key == GUI_KEY_UP ? DROPDOWN_DecSel(hObj) : DROPDOWN_IncSel(hObj);
    return;
  }
  int c = Key >= 0 && Key < 0x80 ? tolower(Key) : Key;
  int n = _NumItems(hObj);
  for (int i = 0; i < n; i++) {
    const char* s = WIDGET__Text(GUI_ARRAY_GethItem(DROPDOWN__Obj(hObj)->hItems, (U32)i));
    if (tolower((unsigned char)s[0]) == c) {
      DROPDOWN_SetSel(hObj, i);
      return;
    }
  }
}
