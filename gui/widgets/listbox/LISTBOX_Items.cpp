// LISTBOX: items, their sizes, the selection and the update of scroll bars and scroll states. Sizes and
// positions are only ever measured from the first visible item onwards, so a long list costs no more per
// paint, selection or scroll than a short one.
#include <cstring>
#include <string>

#include "LISTBOX.h"
#include "SCROLLBAR.h"

namespace {

using _Access = WIDGET_ACCESS<LISTBOX_OBJ, &LISTBOX__Type>;

LISTBOX_ITEM* _Item(WM_HWIN hObj, int Index) {
  GUI_ARRAY hItems = LISTBOX__Obj(hObj)->hItems;
  if (Index < 0 || Index >= GUI_ARRAY_GetNumItems(hItems)) {
    return nullptr;
  }
  return (LISTBOX_ITEM*)GUI_ALLOC_h2p(GUI_ARRAY_GethItem(hItems, (U32)Index));
}

int _NumItems(WM_HWIN hObj) {
  return GUI_ARRAY_GetNumItems(LISTBOX__Obj(hObj)->hItems);
}

// Asks the owner-draw routine for a size with the list's font selected. An answer outside what a size
// can hold is cut to it, so a routine answering too much never wraps the layout around.
int _AskSize(WM_HWIN hObj, int Index, int Cmd) {
  LISTBOX_OBJ* pObj = LISTBOX__Obj(hObj);
  WIDGET_DRAW_ITEM_FUNC* pfDraw = pObj->pfDrawItem ? pObj->pfDrawItem : LISTBOX_OwnerDraw;
  const GUI_FONT* pOldFont = GUI_SetFont(pObj->Props.pFont);
  WIDGET_ITEM_DRAW_INFO Info = {};
  Info.hWin = hObj;
  Info.Cmd = Cmd;
  Info.ItemIndex = Index;
  int r = pfDraw(&Info);
  GUI_SetFont(pOldFont);
  return WIDGET__Limit(r, 0, 0xFFFF);
}

// Every cached size and the content width are forgotten.
void _ResetSizes(WM_HWIN hObj) {
  int n = _NumItems(hObj);
  for (int i = 0; i < n; i++) {
    if (LISTBOX_ITEM* pItem = _Item(hObj, i)) {
      pItem->xSize = pItem->ySize = 0;
    }
  }
  LISTBOX__Obj(hObj)->ContentSizeX = 0;
}

void _GetInside(WM_HWIN hObj, GUI_RECT* pRect) {
  WM_GetInsideRectExScrollbar(hObj, pRect);
}

// Items that fit, counted from the last item upwards.
int _GetPageSize(WM_HWIN hObj) {
  int n = _NumItems(hObj);
  if (n < 2) {
    return 1;
  }
  GUI_RECT r;
  _GetInside(hObj, &r);
  int ySize = r.y1 - r.y0 + 1, Sum = 0, Page = 0;
  for (int i = n - 1; i >= 0; i--) {
    Sum += LISTBOX__GetItemSizeY(hObj, i);
    if (Sum > ySize) {
      break;
    }
    Page++;
  }
  return Page ? Page : 1;
}

// Inserts a new item before Index (at the end for Index at or beyond the count); 0 when there was no memory.
bool _Insert(WM_HWIN hObj, const char* s, int Index) {
  size_t Len = s ? strlen(s) : 0;
  int Size = (int)(offsetof(LISTBOX_ITEM, acText) + Len + 1);
  GUI_ARRAY hItems = LISTBOX__Obj(hObj)->hItems;
  int n = GUI_ARRAY_GetNumItems(hItems);
  GUI_HMEM hItem;
  if (Index >= n) {
    if (GUI_ARRAY_AddItem(hItems, nullptr, Size)) {
      return false;
    }
    hItem = GUI_ARRAY_GethItem(hItems, (U32)n);
  } else {
    hItem = GUI_ARRAY_InsertItem(hItems, (U32)Index, Size);
  }
  LISTBOX_ITEM* pItem = (LISTBOX_ITEM*)GUI_ALLOC_h2p(hItem);
  if (!pItem) {
    return false;
  }
  memset(pItem, 0, (size_t)Size);
  if (Len) {
    memcpy(pItem->acText, s, Len);
  }
  return true;
}

void _AfterInsert(WM_HWIN hObj, int Index) {
  LISTBOX_OBJ* pObj = LISTBOX__Obj(hObj);
  if (pObj->ContentSizeX) {
    int xSize = LISTBOX__GetItemSizeX(hObj, Index);
    pObj = LISTBOX__Obj(hObj);
    if (xSize > pObj->ContentSizeX) {
      pObj->ContentSizeX = (U16)xSize;
    }
  }
  if (pObj->Sel >= Index && Index < _NumItems(hObj) - 1) {
    pObj->Sel++; // the same item stays selected
  }
  WM__WATCH Watch(hObj);
  LISTBOX__Update(hObj);
  if (Watch.Alive()) {
    LISTBOX__InvalidateItem(hObj, Index);
  }
}

// Y of an item's top inside the list, relative to the first visible item; -1 when it lies above it.
int _ItemY(WM_HWIN hObj, int Index, GUI_RECT* pInside) {
  _GetInside(hObj, pInside);
  int First = LISTBOX__Obj(hObj)->ScrollStateV.Value;
  if (Index < First) {
    return -1;
  }
  int y = pInside->y0;
  for (int i = First; i < Index && y <= pInside->y1; i++) {
    y += LISTBOX__GetItemSizeY(hObj, i);
  }
  return y;
}

// Moves the selection by Step to the next enabled item; at the end of the list the view scrolls instead.
void _MoveSel(WM_HWIN hObj, int Step) {
  WM__LockGuard Lock;
  if (!WIDGET__GetObj(&LISTBOX__Type, hObj)) {
    return;
  }
  LISTBOX_OBJ* pObj = LISTBOX__Obj(hObj);
  int n = _NumItems(hObj);
  for (int i = pObj->Sel + Step; i >= 0 && i < n; i += Step) {
    const LISTBOX_ITEM* pItem = _Item(hObj, i);
    if (pItem && !(pItem->Status & LISTBOX_ITEM_DISABLED)) {
      LISTBOX_SetSel(hObj, i);
      return;
    }
  }
  pObj = LISTBOX__Obj(hObj);
  if (WM_SetScrollValue(&pObj->ScrollStateV, pObj->ScrollStateV.Value + Step)) {
    LISTBOX__UpdateAndInvalidate(hObj);
  }
}

} // namespace

int LISTBOX__GetItemSizeY(WM_HWIN hObj, int Index) {
  LISTBOX_ITEM* pItem = _Item(hObj, Index);
  if (!pItem) {
    return 1;
  }
  if (!pItem->ySize) {
    int y = _AskSize(hObj, Index, WIDGET_ITEM_GET_YSIZE);
    if (!(pItem = _Item(hObj, Index))) {
      return 1;
    }
    pItem->ySize = (U16)y;
  }
  return pItem->ySize ? pItem->ySize : 1; // an unknown height still takes a line, so every walk ends
}

int LISTBOX__GetItemSizeX(WM_HWIN hObj, int Index) {
  LISTBOX_ITEM* pItem = _Item(hObj, Index);
  if (!pItem) {
    return 0;
  }
  if (!pItem->xSize) {
    int x = _AskSize(hObj, Index, WIDGET_ITEM_GET_XSIZE);
    if (!(pItem = _Item(hObj, Index))) {
      return 0;
    }
    pItem->xSize = (U16)x;
  }
  return pItem->xSize;
}

int LISTBOX__GetContentSizeX(WM_HWIN hObj) {
  LISTBOX_OBJ* pObj = LISTBOX__Obj(hObj);
  if (!pObj->ContentSizeX) {
    int Max = 0, n = _NumItems(hObj);
    for (int i = 0; i < n; i++) {
      int x = LISTBOX__GetItemSizeX(hObj, i);
      Max = x > Max ? x : Max;
    }
    LISTBOX__Obj(hObj)->ContentSizeX = (U16)Max;
  }
  return LISTBOX__Obj(hObj)->ContentSizeX;
}

int LISTBOX__Update(WM_HWIN hObj) {
  static bool s_Busy; // showing or hiding a bar reports back here
  if (s_Busy || !WM__IsWindow(hObj)) {
    return 0;
  }
  WM__WATCH Watch(hObj);
  s_Busy = true;
  LISTBOX_OBJ* pObj = LISTBOX__Obj(hObj);
  int First = pObj->ScrollStateV.Value;
  int n = _NumItems(hObj);
  int ContentX = LISTBOX__GetContentSizeX(hObj);
  U8 Flags = LISTBOX__Obj(hObj)->Flags;
  if (Flags & LISTBOX_FLAG_AUTOSCROLL_V) {
    WM_SetScrollbarV(hObj, _GetPageSize(hObj) < n);
  }
  GUI_RECT r;
  if (Flags & LISTBOX_FLAG_AUTOSCROLL_H) {
    _GetInside(hObj, &r);
    WM_SetScrollbarH(hObj, ContentX > r.x1 - r.x0 + 1);
    if (Flags & LISTBOX_FLAG_AUTOSCROLL_V) { // the horizontal bar takes height from the page
      WM_SetScrollbarV(hObj, _GetPageSize(hObj) < n);
    }
  }
  pObj = LISTBOX__Obj(hObj);
  for (int i = 0; i < 2; i++) {
    WM_HWIN hBar = i ? WM_GetScrollbarH(hObj) : WM_GetScrollbarV(hObj);
    if (!hBar) {
      continue;
    }
    if (pObj->ScrollbarWidth) {
      SCROLLBAR_SetWidth(hBar, pObj->ScrollbarWidth);
    }
    for (unsigned c = 0; c < 3; c++) {
      if (LISTBOX__Obj(hObj)->Props.aScrollbarColor[c] != WM_NO_COLOR) {
        SCROLLBAR_SetColor(hBar, c, LISTBOX__Obj(hObj)->Props.aScrollbarColor[c]);
      }
    }
    pObj = LISTBOX__Obj(hObj);
  }
  _GetInside(hObj, &r);
  int Page = _GetPageSize(hObj);
  pObj = LISTBOX__Obj(hObj);
  pObj->ScrollStateV.NumItems = n;
  pObj->ScrollStateV.PageSize = Page;
  pObj->ScrollStateH.NumItems = ContentX;
  pObj->ScrollStateH.PageSize = r.x1 - r.x0 + 1;
  if (pObj->Sel >= n) {
    pObj->Sel = -1;
  }
  if (pObj->Sel >= 0) {
    GUI_RECT Inside;
    int y = _ItemY(hObj, pObj->Sel, &Inside);
    pObj = LISTBOX__Obj(hObj);
    if (y < 0) {
      pObj->ScrollStateV.Value = pObj->Sel;
    } else if (y + LISTBOX__GetItemSizeY(hObj, pObj->Sel) - 1 > Inside.y1) {
      pObj = LISTBOX__Obj(hObj);
      pObj->ScrollStateV.Value = pObj->Sel - Page + 1;
    }
  }
  pObj = LISTBOX__Obj(hObj);
  WM_CheckScrollBounds(&pObj->ScrollStateV);
  WM_CheckScrollBounds(&pObj->ScrollStateH);
  WM_SCROLL_STATE V = pObj->ScrollStateV, H = pObj->ScrollStateH;
  WIDGET__SetScrollState(hObj, &V, &H);
  s_Busy = false;
  return Watch.Alive() && LISTBOX__Obj(hObj)->ScrollStateV.Value != First;
}

void LISTBOX__UpdateAndInvalidate(WM_HWIN hObj) {
  WM__WATCH Watch(hObj);
  LISTBOX__Update(hObj);
  if (Watch.Alive()) {
    WM_InvalidateWindow(hObj);
  }
}

void LISTBOX__InvalidateItem(WM_HWIN hObj, int Index) {
  if (!WM__IsWindow(hObj)) {
    return;
  }
  GUI_RECT r;
  int y = _ItemY(hObj, Index, &r);
  if (y < 0 || y > r.y1) {
    return;
  }
  r.y0 = (I16)y;
  r.y1 = (I16)(y + LISTBOX__GetItemSizeY(hObj, Index) - 1);
  WM_InvalidateRect(hObj, &r);
}

int LISTBOX__ItemAt(WM_HWIN hObj, int x, int y) {
  GUI_RECT r;
  _GetInside(hObj, &r);
  if (x < r.x0 || x > r.x1 || y < r.y0 || y > r.y1) {
    return -1;
  }
  int n = _NumItems(hObj);
  int yItem = r.y0;
  for (int i = LISTBOX__Obj(hObj)->ScrollStateV.Value; i < n && yItem <= r.y1; i++) {
    int h = LISTBOX__GetItemSizeY(hObj, i);
    if (y < yItem + h) {
      return i;
    }
    yItem += h;
  }
  return -1;
}

void LISTBOX_AddString(WM_HWIN hObj, const char* s) {
  WM__LockGuard Lock;
  if (!s || !WIDGET__GetObj(&LISTBOX__Type, hObj)) {
    return;
  }
  int n = _NumItems(hObj);
  if (_Insert(hObj, s, n)) {
    _AfterInsert(hObj, n);
  }
}

void LISTBOX_AddStringH(WM_HWIN hObj, GUI_HMEM hString) {
  WM__LockGuard Lock;
  if (hString) {
    // Copied first: adding the item allocates, and the block may move meanwhile.
    std::string Text = WIDGET__Text(hString);
    LISTBOX_AddString(hObj, Text.c_str());
  }
}

void LISTBOX_InsertString(WM_HWIN hObj, const char* s, unsigned Index) {
  WM__LockGuard Lock;
  if (!s || !WIDGET__GetObj(&LISTBOX__Type, hObj)) {
    return;
  }
  int n = _NumItems(hObj);
  int i = Index < (unsigned)n ? (int)Index : n;
  if (_Insert(hObj, s, i)) {
    _AfterInsert(hObj, i);
  }
}

void LISTBOX_SetString(WM_HWIN hObj, const char* s, unsigned Index) {
  WM__LockGuard Lock;
  if (!s || !WIDGET__GetObj(&LISTBOX__Type, hObj) || Index >= (unsigned)_NumItems(hObj)) {
    return;
  }
  size_t Len = strlen(s);
  U8 Status = _Item(hObj, (int)Index)->Status;
  LISTBOX_ITEM* pItem = (LISTBOX_ITEM*)GUI_ARRAY_ResizeItemLocked(LISTBOX__Obj(hObj)->hItems, Index,
                                                                  (int)(offsetof(LISTBOX_ITEM, acText) + Len + 1));
  if (!pItem) {
    return;
  }
  pItem->xSize = pItem->ySize = 0;
  pItem->Status = Status;
  memcpy(pItem->acText, s, Len + 1);
  GUI_ALLOC_UnlockH((void**)&pItem);
  LISTBOX__Obj(hObj)->ContentSizeX = 0;
  WM__WATCH Watch(hObj);
  LISTBOX__Update(hObj);
  if (Watch.Alive()) {
    LISTBOX__InvalidateItem(hObj, (int)Index);
  }
}

void LISTBOX_SetText(WM_HWIN hObj, const char* const* ppText) {
  WM__LockGuard Lock;
  if (!WIDGET__GetObj(&LISTBOX__Type, hObj)) {
    return;
  }
  _ResetSizes(hObj);
  WM__WATCH Watch(hObj);
  for (; ppText && *ppText && Watch.Alive(); ppText++) {
    LISTBOX_AddString(hObj, *ppText);
  }
  if (Watch.Alive()) {
    LISTBOX__UpdateAndInvalidate(hObj);
  }
}

void LISTBOX_DeleteItem(WM_HWIN hObj, unsigned Index) {
  WM__LockGuard Lock;
  if (!WIDGET__GetObj(&LISTBOX__Type, hObj) || Index >= (unsigned)_NumItems(hObj)) {
    return;
  }
  GUI_ARRAY_DeleteItem(LISTBOX__Obj(hObj)->hItems, Index);
  LISTBOX_OBJ* pObj = LISTBOX__Obj(hObj);
  if (pObj->Sel == (int)Index) {
    pObj->Sel = -1;
  } else if (pObj->Sel > (int)Index) {
    pObj->Sel--;
  }
  pObj->ContentSizeX = 0;
  LISTBOX__UpdateAndInvalidate(hObj);
}

int LISTBOX_GetItemText(WM_HWIN hObj, unsigned Index, char* pBuffer, int MaxSize) {
  WM__LockGuard Lock;
  if (!pBuffer || MaxSize < 1) {
    return 0;
  }
  pBuffer[0] = 0;
  if (!WIDGET__GetObj(&LISTBOX__Type, hObj)) {
    return 0;
  }
  const LISTBOX_ITEM* pItem = _Item(hObj, WIDGET__Index(Index));
  if (!pItem) {
    return 0;
  }
  return WIDGET__CopyString(pItem->acText, pBuffer, MaxSize);
}

int LISTBOX_GetNumItems(WM_HWIN hObj) {
  return _Access::Read(hObj, 0, [&](LISTBOX_OBJ* pObj) { return GUI_ARRAY_GetNumItems(pObj->hItems); });
}

void LISTBOX_InvalidateItem(WM_HWIN hObj, int Index) {
  WM__LockGuard Lock;
  if (!WIDGET__GetObj(&LISTBOX__Type, hObj) || Index >= _NumItems(hObj)) {
    return;
  }
  if (Index < 0) {
    _ResetSizes(hObj);
    LISTBOX__UpdateAndInvalidate(hObj);
    return;
  }
  LISTBOX_ITEM* pItem = _Item(hObj, Index);
  pItem->xSize = pItem->ySize = 0;
  WM__WATCH Watch(hObj);
  LISTBOX__Update(hObj);
  if (!Watch.Alive()) {
    return;
  }
  GUI_RECT r;
  int y = _ItemY(hObj, Index, &r);
  if (y >= 0 && y <= r.y1) {
    r.y0 = (I16)y;
    WM_InvalidateRect(hObj, &r);
  }
}

void LISTBOX_SetSel(WM_HWIN hObj, int Index) {
  WM__LockGuard Lock;
  if (!WIDGET__GetObj(&LISTBOX__Type, hObj)) {
    return;
  }
  int n = _NumItems(hObj);
  if (Index >= n) {
    Index = n ? n - 1 : 0;
  }
  const LISTBOX_ITEM* pItem = _Item(hObj, Index);
  if (Index < 0 || !pItem || (pItem->Status & LISTBOX_ITEM_DISABLED)) {
    Index = -1;
  }
  LISTBOX_OBJ* pObj = LISTBOX__Obj(hObj);
  int Old = pObj->Sel;
  if (Old == Index) {
    return;
  }
  pObj->Sel = Index;
  WM__WATCH Watch(hObj);
  if (LISTBOX__Update(hObj)) {
    WM_InvalidateWindow(hObj);
  } else if (Watch.Alive()) {
    LISTBOX__InvalidateItem(hObj, Old);
    LISTBOX__InvalidateItem(hObj, Index);
  }
  if (Watch.Alive()) {
    LISTBOX__Notify(hObj, WM_NOTIFICATION_SEL_CHANGED);
  }
}

int LISTBOX_GetSel(WM_HWIN hObj) {
  return _Access::Read(hObj, -1, [](LISTBOX_OBJ* pObj) { return (int)pObj->Sel; });
}

void LISTBOX_IncSel(WM_HWIN hObj) {
  _MoveSel(hObj, 1);
}

void LISTBOX_DecSel(WM_HWIN hObj) {
  _MoveSel(hObj, -1);
}

// The item of a list box (of one in multi-selection mode with MultiOnly); null for anything else.
static LISTBOX_ITEM* _ItemOf(WM_HWIN hObj, unsigned Index, bool MultiOnly) {
  if (!WIDGET__GetObj(&LISTBOX__Type, hObj) || (MultiOnly && !(LISTBOX__Obj(hObj)->Flags & LISTBOX_FLAG_MULTISEL))) {
    return nullptr;
  }
  return _Item(hObj, WIDGET__Index(Index));
}

static void _SetStatusBit(WM_HWIN hObj, unsigned Index, U8 Bit, int OnOff, bool MultiOnly) {
  WM__LockGuard Lock;
  LISTBOX_ITEM* pItem = _ItemOf(hObj, Index, MultiOnly);
  if (pItem && WIDGET__Store(&pItem->Status, OnOff ? pItem->Status | Bit : pItem->Status & ~Bit)) {
    LISTBOX__InvalidateItem(hObj, (int)Index);
  }
}

static int _GetStatusBit(WM_HWIN hObj, unsigned Index, U8 Bit, bool MultiOnly) {
  WM__LockGuard Lock;
  const LISTBOX_ITEM* pItem = _ItemOf(hObj, Index, MultiOnly);
  return pItem && (pItem->Status & Bit) ? 1 : 0;
}

void LISTBOX_SetItemDisabled(WM_HWIN hObj, unsigned Index, int OnOff) {
  _SetStatusBit(hObj, Index, LISTBOX_ITEM_DISABLED, OnOff, false);
}

int LISTBOX_GetItemDisabled(WM_HWIN hObj, unsigned Index) {
  return _GetStatusBit(hObj, Index, LISTBOX_ITEM_DISABLED, false);
}

void LISTBOX_SetItemSel(WM_HWIN hObj, unsigned Index, int OnOff) {
  _SetStatusBit(hObj, Index, LISTBOX_ITEM_SELECTED, OnOff, true);
}

int LISTBOX_GetItemSel(WM_HWIN hObj, unsigned Index) {
  return _GetStatusBit(hObj, Index, LISTBOX_ITEM_SELECTED, true);
}

void LISTBOX_SetItemSpacing(WM_HWIN hObj, unsigned Spacing) {
  WM__LockGuard Lock;
  if (WIDGET__GetObj(&LISTBOX__Type, hObj)) {
    LISTBOX__Obj(hObj)->ItemSpacing = (U16)Spacing;
    LISTBOX_InvalidateItem(hObj, -1);
  }
}

void LISTBOX_SetFont(WM_HWIN hObj, const GUI_FONT* pFont) {
  WM__LockGuard Lock;
  if (pFont && WIDGET__GetObj(&LISTBOX__Type, hObj)) {
    LISTBOX__Obj(hObj)->Props.pFont = pFont;
    LISTBOX_InvalidateItem(hObj, -1);
  }
}

void LISTBOX_SetOwnerDraw(WM_HWIN hObj, WIDGET_DRAW_ITEM_FUNC* pfDrawItem) {
  WM__LockGuard Lock;
  if (WIDGET__GetObj(&LISTBOX__Type, hObj)) {
    LISTBOX__Obj(hObj)->pfDrawItem = pfDrawItem ? pfDrawItem : LISTBOX_OwnerDraw;
    LISTBOX_InvalidateItem(hObj, -1);
  }
}
