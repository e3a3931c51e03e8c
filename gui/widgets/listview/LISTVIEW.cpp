// LISTVIEW: creation, typed locking, the layout of rows and scroll bars, the selection and the callback
// with its key, pointer, header and scroll-bar handling.
#include "LISTVIEW.h"

LISTVIEW_PROPS LISTVIEW__DefaultProps = {{0xFFFFFF, 0x808080, 0xFF0000, 0xD3D3D3},
                                         {0x000000, 0xFFFFFF, 0xFFFFFF, 0x808080},
                                         0xD3D3D3,
                                         &GUI_Font13,
                                         10,
                                         0};

namespace {

void _OnDelete(WM_HWIN hObj) {
  LISTVIEW__FreeSort(hObj);
  int n = LISTVIEW__NumRows(hObj), nCol = LISTVIEW__NumColumns(hObj);
  for (int r = 0; r < n; r++) {
    for (int c = 0; c < nCol; c++) {
      if (LISTVIEW_CELL* pCell = LISTVIEW__Cell(hObj, c, r)) {
        GUI_ALLOC_FreePtr(&pCell->hCellInfo);
      }
    }
    if (LISTVIEW_ROW* pRow = LISTVIEW__Row(hObj, r)) {
      GUI_ARRAY hCells = pRow->hCells;
      pRow->hCells = 0;
      GUI_ARRAY_Delete(hCells);
    }
  }
  LISTVIEW_OBJ* pObj = LISTVIEW__Obj(hObj);
  GUI_ARRAY hRows = pObj->hRows, hColumns = pObj->hColumns;
  pObj->hRows = pObj->hColumns = 0;
  GUI_ARRAY_Delete(hRows);
  GUI_ARRAY_Delete(hColumns);
}

// Moves the selection by Step to the next enabled row; leaving the list changes nothing.
void _MoveSel(WM_HWIN hObj, int Step) {
  int n = LISTVIEW__NumRows(hObj);
  for (int r = LISTVIEW__Obj(hObj)->Sel + Step; r >= 0 && r < n; r += Step) {
    const LISTVIEW_ROW* pRow = LISTVIEW__Row(hObj, LISTVIEW__StorageRow(hObj, r));
    if (pRow && !pRow->Disabled) {
      LISTVIEW__SelectRow(hObj, r, true);
      return;
    }
  }
}

int _ColumnX(WM_HWIN hObj, int Column) { // from the left edge of column 0
  int x = 0;
  for (int c = 0; c < Column; c++) {
    x += HEADER_GetItemWidth(LISTVIEW__Obj(hObj)->hHeader, (unsigned)c);
  }
  return x;
}

// Scrolls horizontally so that the column shows.
void _ShowColumn(WM_HWIN hObj, int Column) {
  LISTVIEW_OBJ* pObj = LISTVIEW__Obj(hObj);
  int x0 = _ColumnX(hObj, Column);
  int x1 = x0 + HEADER_GetItemWidth(pObj->hHeader, (unsigned)Column);
  pObj = LISTVIEW__Obj(hObj);
  int Pos = pObj->ScrollStateH.Value, Inside = pObj->ScrollStateH.PageSize;
  if (x0 < Pos) {
    Pos = x0;
  } else if (x1 > Pos + Inside - 1) {
    Pos = x1 - (Inside - 1);
  }
  if (WM_SetScrollValue(&pObj->ScrollStateH, Pos)) {
    LISTVIEW__UpdateAndInvalidate(hObj);
  }
}

void _PageMove(WM_HWIN hObj, bool Down) {
  LISTVIEW_OBJ* pObj = LISTVIEW__Obj(hObj);
  int Sel = pObj->Sel, First = pObj->ScrollStateV.Value, Page = pObj->ScrollStateV.PageSize;
  int n = LISTVIEW__NumRows(hObj);
  if (!Down) {
    if (Sel == First) {
      Sel >= Page ? _MoveSel(hObj, -Page) : LISTVIEW__SelectRow(hObj, 0, true);
    } else {
      LISTVIEW__SelectRow(hObj, First, true);
    }
    return;
  }
  int Last = First + Page - 1;
  if (Sel == Last) {
    Sel < n - Page - 1 ? _MoveSel(hObj, Page) : LISTVIEW__SelectRow(hObj, n - 1, true);
  } else {
    LISTVIEW__SelectRow(hObj, Last < n ? Last : n - 1, true);
  }
}

bool _OnKey(WM_HWIN hObj, const GUI_KEY_MSG* pKey) {
  if (!pKey || pKey->PressedCnt <= 0) {
    return false;
  }
  LISTVIEW_OBJ* pObj = LISTVIEW__Obj(hObj);
  bool CellMode = (pObj->Flags & LISTVIEW_FLAG_CELLSELECT) && pObj->SelCol >= 0;
  WM__WATCH Watch(hObj); // a new selection or scroll position is told to the parent, which may delete the view
  switch (pKey->Key) {
  case GUI_KEY_HOME:
    LISTVIEW__SelectRow(hObj, 0, true);
    return true;
  case GUI_KEY_END:
    LISTVIEW__SelectRow(hObj, LISTVIEW__NumRows(hObj) - 1, true);
    return true;
  case GUI_KEY_PGUP:
  case GUI_KEY_PGDOWN:
    _PageMove(hObj, pKey->Key == GUI_KEY_PGDOWN);
    return true;
  case GUI_KEY_UP:
  case GUI_KEY_DOWN:
    _MoveSel(hObj, pKey->Key == GUI_KEY_UP ? -1 : 1);
    if (CellMode && Watch.Alive()) {
      _ShowColumn(hObj, LISTVIEW__Obj(hObj)->SelCol);
    }
    return true;
  case GUI_KEY_LEFT:
  case GUI_KEY_RIGHT: {
    int Step = pKey->Key == GUI_KEY_LEFT ? -1 : 1;
    if (CellMode) {
      int Col = pObj->SelCol + Step, n = LISTVIEW__NumColumns(hObj);
      Col = Col < 0 ? 0 : Col >= n ? n - 1 : Col;
      _ShowColumn(hObj, Col);
      if (Watch.Alive()) {
        LISTVIEW__Obj(hObj)->SelCol = Col;
        WM_InvalidateWindow(hObj);
      }
    } else if (WM_SetScrollValue(&pObj->ScrollStateH, pObj->ScrollStateH.Value + Step * pObj->Props.ScrollStepH)) {
      LISTVIEW__UpdateAndInvalidate(hObj);
    }
    return true;
  }
  }
  return false;
}

void _OnPointer(WM_HWIN hObj, const GUI_POINTER_STATE* pState) {
  if (!WIDGET__NotifyPointer(hObj, pState)) {
    return;
  }
  WM__WATCH Watch(hObj);
  GUI_RECT r;
  WM_GetInsideRectExScrollbar(hObj, &r);
  int yRows = LISTVIEW__Obj(hObj)->Widget.pEffect->EffectSize + LISTVIEW__HeaderHeight(hObj);
  int Dist = LISTVIEW__RowDistY(hObj);
  int Row = -1;
  if (pState->x >= r.x0 && pState->x <= r.x1 && pState->y >= yRows && pState->y <= r.y1 && Dist > 0) {
    Row = (pState->y - yRows) / Dist + LISTVIEW__Obj(hObj)->ScrollStateV.Value;
    if (Row < LISTVIEW__NumRows(hObj)) {
      LISTVIEW__SelectRow(hObj, Row, true);
    } else {
      Row = -1;
    }
  }
  if (!Watch.Alive()) {
    return;
  }
  // The column under the pointer where it is drawn: fixed columns unscrolled and over the others.
  int SelCol = -1;
  if (Row >= 0) {
    const LISTVIEW_OBJ* pObj = LISTVIEW__Obj(hObj);
    int E = pObj->Widget.pEffect->EffectSize, n = LISTVIEW__NumColumns(hObj), Fixed = pObj->Fixed;
    int xScroll = E - pObj->ScrollStateH.Value, xFixed = E;
    for (int c = 0; c < n; c++) {
      int w = HEADER_GetItemWidth(pObj->hHeader, (unsigned)c);
      if (c < Fixed && pState->x >= xFixed && pState->x < xFixed + w) {
        SelCol = c;
        break;
      }
      if (c >= Fixed && SelCol < 0 && pState->x >= xScroll && pState->x < xScroll + w && pState->x >= xFixed) {
        SelCol = c;
      }
      xFixed += c < Fixed ? w : 0;
      xScroll += w;
    }
  }
  LISTVIEW__Obj(hObj)->SelCol = SelCol;
  WM_InvalidateWindow(hObj);
  WM_SetFocus(hObj);
  if (Watch.Alive()) {
    WIDGET__NotifyParent(hObj, WM_NOTIFICATION_CLICKED);
  }
}

void _OnNotify(WM_HWIN hObj, const WM_MESSAGE* pMsg) {
  LISTVIEW_OBJ* pObj = LISTVIEW__Obj(hObj);
  WM_HWIN hSrc = pMsg->hWinSrc;
  int Code = (int)pMsg->Data.v;
  if (hSrc && hSrc == pObj->hHeader) {
    if (Code == WM_NOTIFICATION_RELEASED && pObj->hSort) {
      LISTVIEW__OnHeaderClick(hObj);
    } else if (Code == WM_NOTIFICATION_CHILD_DELETED) {
      pObj->hHeader = 0;
    }
    return;
  }
  if (Code == WM_NOTIFICATION_SCROLLBAR_ADDED) {
    LISTVIEW__UpdateLayout(hObj);
    return;
  }
  if (Code != WM_NOTIFICATION_VALUE_CHANGED || !hSrc) {
    return;
  }
  bool Vertical = hSrc == WM_GetScrollbarV(hObj);
  if (!Vertical && hSrc != WM_GetScrollbarH(hObj)) {
    return;
  }
  WM_SCROLL_STATE State;
  WM_GetScrollState(hSrc, &State);
  pObj = LISTVIEW__Obj(hObj);
  WM__WATCH Watch(hObj);
  if (Vertical) {
    pObj->ScrollStateV.Value = State.Value;
  } else {
    pObj->ScrollStateH.Value = State.Value;
    LISTVIEW__UpdateLayout(hObj);
  }
  if (Watch.Alive()) {
    LISTVIEW__InvalidateInside(hObj);
    WIDGET__NotifyParent(hObj, WM_NOTIFICATION_SCROLL_CHANGED);
  }
}

int _OnMessage(WM_HWIN hObj, WM_MESSAGE* pMsg) {
  switch (pMsg->MsgId) {
  case WM_KEY:
    return _OnKey(hObj, (const GUI_KEY_MSG*)pMsg->Data.p) ? 1 : 0;
  case WM_NOTIFY_PARENT:
    _OnNotify(hObj, pMsg);
    return 1;
  case WM_SIZE:
  case WM_CLIENT_CHANGED:
    LISTVIEW__UpdateAndInvalidate(hObj);
    return pMsg->MsgId == WM_CLIENT_CHANGED;
  }
  return 0;
}

} // namespace

const WIDGET_TYPE LISTVIEW__Type = {.pName = "LISTVIEW",
                                    .cb = LISTVIEW_Callback,
                                    .ObjSize = sizeof(LISTVIEW_OBJ),
                                    .TagOffset = offsetof(LISTVIEW_OBJ, DebugId),
                                    .Tag = LISTVIEW_ID,
                                    .InitialState = WIDGET_STATE_FOCUSABLE,
                                    .pDefaultProps = &LISTVIEW__DefaultProps,
                                    .PropsOffset = offsetof(LISTVIEW_OBJ, Props),
                                    .PropsSize = sizeof(LISTVIEW_PROPS),
                                    .pfOnMessage = _OnMessage,
                                    .pfOnPaint = LISTVIEW__Paint,
                                    .pfOnDelete = _OnDelete,
                                    .pfOnPointer = _OnPointer};

LISTVIEW_OBJ* LISTVIEW__Obj(WM_HWIN hObj) {
  return (LISTVIEW_OBJ*)WM_H2P(hObj);
}

bool LISTVIEW__Valid(WM_HWIN hObj) {
  return WIDGET__GetObj(&LISTVIEW__Type, hObj) != nullptr;
}

int LISTVIEW__RowDistY(WM_HWIN hObj) {
  const LISTVIEW_OBJ* pObj = LISTVIEW__Obj(hObj);
  return pObj->RowDistY ? pObj->RowDistY : GUI_GetYDistOfFont(pObj->Props.pFont) + (pObj->ShowGrid ? 1 : 0);
}

int LISTVIEW__HeaderHeight(WM_HWIN hObj) {
  WM_HWIN hHeader = LISTVIEW__Obj(hObj)->hHeader;
  return hHeader ? WM_GetWindowSizeY(hHeader) : 0;
}

void LISTVIEW__InvalidateInside(WM_HWIN hObj) {
  WM_InvalidateWindow(hObj);
}

void LISTVIEW__InvalidateRow(WM_HWIN hObj, int DisplayRow) {
  const LISTVIEW_OBJ* pObj = LISTVIEW__Obj(hObj);
  if (DisplayRow < pObj->ScrollStateV.Value || DisplayRow > pObj->ScrollStateV.Value + pObj->ScrollStateV.PageSize) {
    return;
  }
  GUI_RECT r;
  WM_GetInsideRectExScrollbar(hObj, &r);
  int Dist = LISTVIEW__RowDistY(hObj);
  I64 y = LISTVIEW__RowTop(hObj, DisplayRow);
  r.y0 = WM__ClampI16(y);
  r.y1 = WM__ClampI16(y + Dist - 1);
  WM_InvalidateRect(hObj, &r);
}

// Rows far below the view lie further down than an int reaches (65,535 rows of up to 32,767 lines).
I64 LISTVIEW__RowTop(WM_HWIN hObj, int DisplayRow) {
  const LISTVIEW_OBJ* pObj = LISTVIEW__Obj(hObj);
  return pObj->Widget.pEffect->EffectSize + LISTVIEW__HeaderHeight(hObj) +
         ((I64)DisplayRow - pObj->ScrollStateV.Value) * LISTVIEW__RowDistY(hObj);
}

void LISTVIEW__InvalidateRowAndBelow(WM_HWIN hObj, int DisplayRow) {
  const LISTVIEW_OBJ* pObj = LISTVIEW__Obj(hObj);
  GUI_RECT r;
  WM_GetInsideRectExScrollbar(hObj, &r);
  int Row = DisplayRow < pObj->ScrollStateV.Value ? pObj->ScrollStateV.Value : DisplayRow;
  I64 y = LISTVIEW__RowTop(hObj, Row);
  if (y <= r.y1) {
    r.y0 = (I16)y;
    WM_InvalidateRect(hObj, &r);
  }
}

int LISTVIEW__UpdateLayout(WM_HWIN hObj) {
  static bool s_Busy; // showing or hiding a scroll bar reports back here
  if (s_Busy || !WM__IsWindow(hObj)) {
    return 0;
  }
  WM__WATCH Watch(hObj);
  s_Busy = true;
  auto Visible = [&]() {
    GUI_RECT r;
    WM_GetInsideRectExScrollbar(hObj, &r);
    int Dist = LISTVIEW__RowDistY(hObj);
    int n = Dist ? (r.y1 - r.y0 + 1 - LISTVIEW__HeaderHeight(hObj) + 1) / Dist : 0;
    return Dist && n < 1 ? 1 : n;
  };
  auto InsideWidth = [&]() {
    GUI_RECT r;
    WM_GetInsideRectExScrollbar(hObj, &r);
    return r.x1 - r.x0 + 1;
  };
  int First = LISTVIEW__Obj(hObj)->ScrollStateV.Value;
  int Rows = LISTVIEW__NumRows(hObj);
  int Total = 0, nCol = HEADER_GetNumItems(LISTVIEW__Obj(hObj)->hHeader);
  for (int c = 0; c < nCol; c++) {
    Total += HEADER_GetItemWidth(LISTVIEW__Obj(hObj)->hHeader, (unsigned)c);
  }
  Total = nCol ? Total : 1;
  U8 Flags = LISTVIEW__Obj(hObj)->Flags;
  if (Flags & LISTVIEW_FLAG_AUTOSCROLL_V) {
    WM_SetScrollbarV(hObj, Visible() < Rows);
  }
  if (Flags & LISTVIEW_FLAG_AUTOSCROLL_H) {
    WM_SetScrollbarH(hObj, InsideWidth() < Total);
    if (Flags & LISTVIEW_FLAG_AUTOSCROLL_V) { // the horizontal bar takes height from the rows
      WM_SetScrollbarV(hObj, Visible() < Rows);
    }
  }
  int Page = Visible(), Width = InsideWidth();
  LISTVIEW_OBJ* pObj = LISTVIEW__Obj(hObj);
  pObj->ScrollStateV.NumItems = Rows ? Rows : 1;
  pObj->ScrollStateV.PageSize = Page;
  pObj->ScrollStateH.NumItems = Total;
  pObj->ScrollStateH.PageSize = Width;
  if (pObj->Sel >= 0) {
    WM_CheckScrollPos(&pObj->ScrollStateV, pObj->Sel, 0, 0);
  } else {
    WM_CheckScrollBounds(&pObj->ScrollStateV);
  }
  WM_CheckScrollBounds(&pObj->ScrollStateH);
  WM_SCROLL_STATE V = pObj->ScrollStateV, H = pObj->ScrollStateH;
  WIDGET__SetScrollState(hObj, &V, &H);
  if (Watch.Alive()) {
    HEADER_SetScrollPos(LISTVIEW__Obj(hObj)->hHeader, H.Value);
  }
  s_Busy = false;
  return Watch.Alive() ? LISTVIEW__Obj(hObj)->ScrollStateV.Value - First : 0;
}

void LISTVIEW__UpdateAndInvalidate(WM_HWIN hObj) {
  WM__WATCH Watch(hObj);
  LISTVIEW__UpdateLayout(hObj);
  if (Watch.Alive()) {
    LISTVIEW__InvalidateInside(hObj);
  }
}

void LISTVIEW__SelectRow(WM_HWIN hObj, int Row, bool Notify) {
  int n = LISTVIEW__NumRows(hObj);
  Row = Row >= n ? n - 1 : Row < 0 ? -1 : Row;
  LISTVIEW_OBJ* pObj = LISTVIEW__Obj(hObj);
  int Old = pObj->Sel;
  if (Row == Old) {
    return;
  }
  if (Row >= 0) {
    const LISTVIEW_ROW* pRow = LISTVIEW__Row(hObj, LISTVIEW__StorageRow(hObj, Row));
    if (!pRow || pRow->Disabled) {
      return;
    }
  }
  LISTVIEW__Obj(hObj)->Sel = Row;
  WM__WATCH Watch(hObj);
  if (LISTVIEW__UpdateLayout(hObj)) {
    LISTVIEW__InvalidateInside(hObj);
  } else if (Watch.Alive()) {
    LISTVIEW__InvalidateRow(hObj, Old);
    LISTVIEW__InvalidateRow(hObj, Row);
  }
  if (Notify && Watch.Alive()) {
    WIDGET__NotifyParent(hObj, WM_NOTIFICATION_SEL_CHANGED);
  }
}

void LISTVIEW_Callback(WM_MESSAGE* pMsg) {
  WIDGET__Callback(&LISTVIEW__Type, pMsg);
}

WM_HWIN LISTVIEW_CreateUser(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int, int Id,
                            int NumExtraBytes) {
  WM__LockGuard Lock;
  if (!x0 && !y0 && !xSize && !ySize && hParent) {
    GUI_RECT r;
    WM_GetClientRectEx(hParent, &r);
    xSize = r.x1 - r.x0 + 1;
    ySize = r.y1 - r.y0 + 1;
  }
  WM_HWIN hObj =
      WIDGET__CreateUser(&LISTVIEW__Type, x0, y0, xSize, ySize, hParent, (U32)WinFlags, Id, NumExtraBytes);
  if (!hObj) {
    return 0;
  }
  GUI_ARRAY hRows = GUI_ARRAY_Create();
  GUI_ARRAY hColumns = hRows ? GUI_ARRAY_Create() : 0;
  LISTVIEW_OBJ* pObj = LISTVIEW__Obj(hObj);
  pObj->hRows = hRows;
  pObj->hColumns = hColumns;
  pObj->pfDrawItem = LISTVIEW_OwnerDraw;
  pObj->Sel = pObj->SelCol = pObj->SortIndex = -1;
  pObj->LBorder = pObj->RBorder = 1;
  if (!hColumns) {
    return WIDGET__CreateFailed(&LISTVIEW__Type, hObj);
  }
  WM_HWIN hHeader = HEADER_Create(0, 0, 0, 0, hObj, WM_CF_SHOW, 0, 0);
  if (!hHeader) {
    return WIDGET__CreateFailed(&LISTVIEW__Type, hObj);
  }
  LISTVIEW__Obj(hObj)->hHeader = hHeader;
  LISTVIEW__UpdateLayout(hObj);
  return WIDGET__FinishCreate(&LISTVIEW__Type, hObj);
}

WM_HWIN LISTVIEW_CreateEx(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int WinFlags, int ExFlags, int Id) {
  return LISTVIEW_CreateUser(x0, y0, xSize, ySize, hParent, WinFlags, ExFlags, Id, 0);
}

WM_HWIN LISTVIEW_Create(int x0, int y0, int xSize, int ySize, WM_HWIN hParent, int Id, int WinFlags, int ExFlags) {
  return LISTVIEW_CreateUser(x0, y0, xSize, ySize, hParent, WinFlags, ExFlags, Id, 0);
}

WM_HWIN LISTVIEW_CreateAttached(WM_HWIN hParent, int Id, int ExFlags) {
  return LISTVIEW_CreateUser(0, 0, 0, 0, hParent, WM_CF_SHOW, ExFlags, Id, 0);
}

WM_HWIN LISTVIEW_CreateIndirect(const WIDGET_CREATE_INFO* pCreateInfo, WM_HWIN hParent, int x0, int y0,
                                WM_CALLBACK*) {
  return WIDGET__CreateIndirect(LISTVIEW_CreateUser, pCreateInfo, hParent, x0, y0, 0);
}

LISTVIEW_OBJ* LISTVIEW_LockH(WM_HWIN hObj) {
  return (LISTVIEW_OBJ*)WIDGET__LockH(&LISTVIEW__Type, hObj);
}

void LISTVIEW_SetSel(WM_HWIN hObj, int Row) {
  WM__LockGuard Lock;
  if (LISTVIEW__Valid(hObj)) {
    LISTVIEW__SelectRow(hObj, Row, true);
  }
}

int LISTVIEW_GetSel(WM_HWIN hObj) {
  WM__LockGuard Lock;
  return LISTVIEW__Valid(hObj) ? LISTVIEW__Obj(hObj)->Sel : -1;
}

int LISTVIEW_GetSelCol(WM_HWIN hObj) {
  WM__LockGuard Lock;
  return LISTVIEW__Valid(hObj) ? LISTVIEW__Obj(hObj)->SelCol : -1;
}

void LISTVIEW_IncSel(WM_HWIN hObj) {
  WM__LockGuard Lock;
  if (LISTVIEW__Valid(hObj)) {
    _MoveSel(hObj, 1);
  }
}

void LISTVIEW_DecSel(WM_HWIN hObj) {
  WM__LockGuard Lock;
  if (LISTVIEW__Valid(hObj)) {
    _MoveSel(hObj, -1);
  }
}
