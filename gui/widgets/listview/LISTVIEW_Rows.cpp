// LISTVIEW: columns, rows and cells. Every index is checked against its array before anything is read or
// written; rows are reached by display index through the sort table, or by storage index directly.
#include <cstring>

#include "LISTVIEW.h"

namespace {

// A cell of Len text bytes (without the 0) in a zeroed block.
int _CellSize(size_t Len) {
  return (int)(offsetof(LISTVIEW_CELL, acText) + Len + 1);
}

bool _AddCell(GUI_ARRAY hCells, const char* pText) {
  size_t Len = pText ? strlen(pText) : 0;
  if (GUI_ARRAY_AddItem(hCells, nullptr, _CellSize(Len))) {
    return false;
  }
  LISTVIEW_CELL* pCell =
      (LISTVIEW_CELL*)GUI_ALLOC_h2p(GUI_ARRAY_GethItem(hCells, (U32)GUI_ARRAY_GetNumItems(hCells) - 1));
  memset(pCell, 0, (size_t)_CellSize(Len));
  if (Len) {
    memcpy(pCell->acText, pText, Len);
  }
  return true;
}

// Fills a new row's cells; on failure the cells added so far are removed again.
bool _FillCells(WM_HWIN hObj, int StorageRow, const char* const* ppText) {
  GUI_ARRAY hCells = GUI_ARRAY_Create();
  if (!hCells) {
    return false;
  }
  LISTVIEW__Row(hObj, StorageRow)->hCells = hCells;
  int nCol = LISTVIEW__NumColumns(hObj);
  bool Texts = ppText != nullptr;
  for (int c = 0; c < nCol; c++) {
    const char* pText = Texts ? ppText[c] : nullptr;
    Texts = Texts && pText;
    if (!_AddCell(hCells, pText)) {
      while (GUI_ARRAY_GetNumItems(hCells)) {
        GUI_ARRAY_DeleteItem(hCells, 0);
      }
      return false;
    }
  }
  return true;
}

void _FreeRow(WM_HWIN hObj, int StorageRow) {
  int nCol = LISTVIEW__NumColumns(hObj);
  for (int c = 0; c < nCol; c++) {
    if (LISTVIEW_CELL* pCell = LISTVIEW__Cell(hObj, c, StorageRow)) {
      GUI_ALLOC_FreePtr(&pCell->hCellInfo);
    }
  }
  if (LISTVIEW_ROW* pRow = LISTVIEW__Row(hObj, StorageRow)) {
    GUI_ARRAY hCells = pRow->hCells;
    pRow->hCells = 0;
    GUI_ARRAY_Delete(hCells);
  }
  GUI_ARRAY_DeleteItem(LISTVIEW__Obj(hObj)->hRows, (U32)StorageRow);
}

void _DeleteRow(WM_HWIN hObj, int StorageRow) {
  if (StorageRow < 0 || StorageRow >= LISTVIEW__NumRows(hObj)) {
    return;
  }
  int Display = LISTVIEW__DisplayRow(hObj, StorageRow);
  _FreeRow(hObj, StorageRow);
  LISTVIEW__OnRowDeleted(hObj, StorageRow);
  LISTVIEW_OBJ* pObj = LISTVIEW__Obj(hObj);
  if (pObj->Sel == Display) {
    pObj->Sel = -1;
  } else if (pObj->Sel > Display) {
    pObj->Sel--;
  }
  if (pObj->Sel >= LISTVIEW__NumRows(hObj)) {
    pObj->Sel = -1;
  }
  WM__WATCH Watch(hObj);
  if (LISTVIEW__UpdateLayout(hObj)) {
    LISTVIEW__InvalidateInside(hObj);
  } else if (Watch.Alive()) {
    LISTVIEW__InvalidateRowAndBelow(hObj, Display);
  }
}

void _SetText(WM_HWIN hObj, unsigned Column, int StorageRow, const char* pText) {
  LISTVIEW_ROW* pRow = LISTVIEW__Row(hObj, StorageRow);
  if (!pRow || !LISTVIEW__Cell(hObj, WIDGET__Index(Column), StorageRow)) {
    return;
  }
  size_t Len = pText ? strlen(pText) : 0;
  LISTVIEW_CELL* pCell = (LISTVIEW_CELL*)GUI_ARRAY_ResizeItemLocked(pRow->hCells, Column, _CellSize(Len));
  if (!pCell) {
    return;
  }
  memcpy(pCell->acText, pText ? pText : "", Len + 1);
  GUI_ALLOC_UnlockH((void**)&pCell);
  LISTVIEW__Obj(hObj)->IsPresorted = 0;
  LISTVIEW__InvalidateRow(hObj, LISTVIEW__DisplayRow(hObj, StorageRow));
}

void _GetText(WM_HWIN hObj, unsigned Column, int StorageRow, char* pBuffer, unsigned MaxSize) {
  if (!pBuffer || !MaxSize) {
    return;
  }
  memset(pBuffer, 0, MaxSize);
  if (!LISTVIEW__Valid(hObj)) {
    return;
  }
  if (const LISTVIEW_CELL* pCell = LISTVIEW__Cell(hObj, WIDGET__Index(Column), StorageRow)) {
    strncpy(pBuffer, pCell->acText, MaxSize - 1);
  }
}

void _SetDisabled(WM_HWIN hObj, unsigned Row, U8 OnOff) {
  WM__LockGuard Lock;
  if (!LISTVIEW__Valid(hObj)) {
    return;
  }
  LISTVIEW_ROW* pRow = LISTVIEW__Row(hObj, LISTVIEW__StorageRow(hObj, WIDGET__Index(Row)));
  if (!pRow) {
    return;
  }
  pRow->Disabled = OnOff;
  if (OnOff && LISTVIEW__Obj(hObj)->Sel == (int)Row) {
    LISTVIEW__Obj(hObj)->Sel = -1;
  }
  LISTVIEW__InvalidateRow(hObj, (int)Row);
}

} // namespace

int LISTVIEW__NumRows(WM_HWIN hObj) {
  return GUI_ARRAY_GetNumItems(LISTVIEW__Obj(hObj)->hRows);
}

int LISTVIEW__NumColumns(WM_HWIN hObj) {
  return GUI_ARRAY_GetNumItems(LISTVIEW__Obj(hObj)->hColumns);
}

LISTVIEW_ROW* LISTVIEW__Row(WM_HWIN hObj, int StorageRow) {
  GUI_ARRAY hRows = LISTVIEW__Obj(hObj)->hRows;
  if (StorageRow < 0 || StorageRow >= GUI_ARRAY_GetNumItems(hRows)) {
    return nullptr;
  }
  return (LISTVIEW_ROW*)GUI_ALLOC_h2p(GUI_ARRAY_GethItem(hRows, (U32)StorageRow));
}

LISTVIEW_CELL* LISTVIEW__Cell(WM_HWIN hObj, int Column, int StorageRow) {
  const LISTVIEW_ROW* pRow = LISTVIEW__Row(hObj, StorageRow);
  if (!pRow || Column < 0 || Column >= GUI_ARRAY_GetNumItems(pRow->hCells)) {
    return nullptr;
  }
  return (LISTVIEW_CELL*)GUI_ALLOC_h2p(GUI_ARRAY_GethItem(pRow->hCells, (U32)Column));
}

LISTVIEW_COLUMN* LISTVIEW__Column(WM_HWIN hObj, int Column) {
  GUI_ARRAY hColumns = LISTVIEW__Obj(hObj)->hColumns;
  if (Column < 0 || Column >= GUI_ARRAY_GetNumItems(hColumns)) {
    return nullptr;
  }
  return (LISTVIEW_COLUMN*)GUI_ALLOC_h2p(GUI_ARRAY_GethItem(hColumns, (U32)Column));
}

int LISTVIEW_AddColumn(WM_HWIN hObj, int Width, const char* pText, int Align) {
  WM__LockGuard Lock;
  if (!LISTVIEW__Valid(hObj)) {
    return 1;
  }
  if (Align == -1) {
    Align = 14; // centred both ways
  }
  // Header items and column records stay one for one: what one of them cannot take, the other does not keep.
  WM_HWIN hHeader = LISTVIEW__Obj(hObj)->hHeader;
  int NumHeaderItems = HEADER_GetNumItems(hHeader);
  HEADER_AddItem(hHeader, Width, pText, Align);
  if (hHeader && HEADER_GetNumItems(hHeader) == NumHeaderItems) {
    return 1;
  }
  LISTVIEW_COLUMN Column = {(U8)Align, nullptr};
  if (GUI_ARRAY_AddItem(LISTVIEW__Obj(hObj)->hColumns, &Column, (int)sizeof(Column))) {
    HEADER_DeleteItem(hHeader, (unsigned)NumHeaderItems);
    return 1;
  }
  int Result = 0, n = LISTVIEW__NumRows(hObj);
  for (int r = 0; r < n; r++) {
    LISTVIEW_ROW* pRow = LISTVIEW__Row(hObj, r);
    if (!pRow->hCells || !_AddCell(pRow->hCells, nullptr)) {
      Result = 1;
    }
  }
  LISTVIEW__UpdateAndInvalidate(hObj);
  return Result;
}

void LISTVIEW_DeleteColumn(WM_HWIN hObj, unsigned Index) {
  WM__LockGuard Lock;
  if (!LISTVIEW__Valid(hObj) || WIDGET__Index(Index) < 0 || WIDGET__Index(Index) >= LISTVIEW__NumColumns(hObj)) {
    return;
  }
  HEADER_DeleteItem(LISTVIEW__Obj(hObj)->hHeader, Index);
  GUI_ARRAY_DeleteItem(LISTVIEW__Obj(hObj)->hColumns, Index);
  int n = LISTVIEW__NumRows(hObj);
  for (int r = 0; r < n; r++) {
    if (LISTVIEW_CELL* pCell = LISTVIEW__Cell(hObj, (int)Index, r)) {
      GUI_ALLOC_FreePtr(&pCell->hCellInfo);
      GUI_ARRAY_DeleteItem(LISTVIEW__Row(hObj, r)->hCells, Index);
    }
  }
  LISTVIEW_OBJ* pObj = LISTVIEW__Obj(hObj);
  if (pObj->SortIndex == (int)Index) { // the sort column went away: the order stays as it is
    pObj->SortIndex = -1;
    HEADER_SetDirIndicator(pObj->hHeader, -1, 0);
  } else if (pObj->SortIndex > (int)Index) {
    pObj->SortIndex--;
  }
  if (pObj->SelCol >= LISTVIEW__NumColumns(hObj)) {
    pObj->SelCol = -1;
  }
  LISTVIEW__UpdateAndInvalidate(hObj);
}

int LISTVIEW_AddRow(WM_HWIN hObj, const char* const* ppText) {
  WM__LockGuard Lock;
  if (!LISTVIEW__Valid(hObj)) {
    return 1;
  }
  LISTVIEW_ROW Row = {};
  if (GUI_ARRAY_AddItem(LISTVIEW__Obj(hObj)->hRows, &Row, (int)sizeof(Row))) {
    return 1;
  }
  int n = LISTVIEW__NumRows(hObj);
  int Result = _FillCells(hObj, n - 1, ppText) ? 0 : 1;
  LISTVIEW__Obj(hObj)->IsSorted = 0;
  WM__WATCH Watch(hObj); // a scroll bar that follows the new row is told to the parent, which may delete the view
  LISTVIEW__UpdateLayout(hObj);
  if (!Watch.Alive()) {
    return Result;
  }
  if (LISTVIEW__SortActive(hObj)) {
    LISTVIEW__InvalidateInside(hObj);
  } else {
    LISTVIEW__InvalidateRow(hObj, n - 1);
  }
  return Result;
}

int LISTVIEW_InsertRow(WM_HWIN hObj, unsigned Index, const char* const* ppText) {
  WM__LockGuard Lock;
  if (!LISTVIEW__Valid(hObj)) {
    return 1;
  }
  if (Index >= (unsigned)LISTVIEW__NumRows(hObj)) {
    return LISTVIEW_AddRow(hObj, ppText);
  }
  GUI_HMEM hRow = GUI_ARRAY_InsertItem(LISTVIEW__Obj(hObj)->hRows, Index, (int)sizeof(LISTVIEW_ROW));
  if (!hRow) {
    return 1;
  }
  memset(GUI_ALLOC_h2p(hRow), 0, sizeof(LISTVIEW_ROW));
  int Result = _FillCells(hObj, (int)Index, ppText) ? 0 : 1;
  bool Sorted = LISTVIEW__SortActive(hObj);
  LISTVIEW__OnRowInserted(hObj, (int)Index);
  LISTVIEW_OBJ* pObj = LISTVIEW__Obj(hObj);
  if (!Sorted && pObj->Sel >= (int)Index) {
    pObj->Sel++; // the same row stays selected
  }
  pObj->IsPresorted = 0;
  WM__WATCH Watch(hObj);
  bool Scrolled = LISTVIEW__UpdateLayout(hObj);
  if (!Watch.Alive()) {
    return Result;
  }
  if (Scrolled || Sorted) {
    LISTVIEW__InvalidateInside(hObj);
  } else {
    LISTVIEW__InvalidateRowAndBelow(hObj, (int)Index);
  }
  return Result;
}

void LISTVIEW_DeleteRow(WM_HWIN hObj, int Index) {
  WM__LockGuard Lock;
  if (LISTVIEW__Valid(hObj)) {
    _DeleteRow(hObj, LISTVIEW__StorageRow(hObj, Index < 0 ? 0 : Index));
  }
}

void LISTVIEW_DeleteRowUnsorted(WM_HWIN hObj, unsigned Index) {
  WM__LockGuard Lock;
  if (LISTVIEW__Valid(hObj)) {
    _DeleteRow(hObj, WIDGET__Index(Index));
  }
}

void LISTVIEW_DeleteAllRows(WM_HWIN hObj) {
  WM__LockGuard Lock;
  if (!LISTVIEW__Valid(hObj)) {
    return;
  }
  for (int r = LISTVIEW__NumRows(hObj) - 1; r >= 0; r--) {
    _FreeRow(hObj, r);
  }
  LISTVIEW__OnRowDeleted(hObj, -1);
  LISTVIEW__Obj(hObj)->Sel = -1;
  LISTVIEW__UpdateAndInvalidate(hObj);
}

unsigned LISTVIEW_GetNumRows(WM_HWIN hObj) {
  WM__LockGuard Lock;
  return LISTVIEW__Valid(hObj) ? (unsigned)LISTVIEW__NumRows(hObj) : 0;
}

unsigned LISTVIEW_GetNumColumns(WM_HWIN hObj) {
  WM__LockGuard Lock;
  return LISTVIEW__Valid(hObj) ? (unsigned)LISTVIEW__NumColumns(hObj) : 0;
}

void LISTVIEW_SetItemText(WM_HWIN hObj, unsigned Column, unsigned Row, const char* pText) {
  WM__LockGuard Lock;
  if (LISTVIEW__Valid(hObj)) {
    _SetText(hObj, Column, LISTVIEW__StorageRow(hObj, WIDGET__Index(Row)), pText);
  }
}

void LISTVIEW_SetItemTextUnsorted(WM_HWIN hObj, unsigned Column, unsigned Row, const char* pText) {
  WM__LockGuard Lock;
  if (LISTVIEW__Valid(hObj)) {
    _SetText(hObj, Column, WIDGET__Index(Row), pText);
  }
}

void LISTVIEW_GetItemText(WM_HWIN hObj, unsigned Column, unsigned Row, char* pBuffer, unsigned MaxSize) {
  WM__LockGuard Lock;
  _GetText(hObj, Column, LISTVIEW__Valid(hObj) ? LISTVIEW__StorageRow(hObj, WIDGET__Index(Row)) : -1, pBuffer, MaxSize);
}

void LISTVIEW_GetItemTextUnsorted(WM_HWIN hObj, unsigned Column, unsigned Row, char* pBuffer, unsigned MaxSize) {
  WM__LockGuard Lock;
  _GetText(hObj, Column, WIDGET__Index(Row), pBuffer, MaxSize);
}

unsigned LISTVIEW_GetItemTextLen(WM_HWIN hObj, unsigned Column, unsigned Row) {
  WM__LockGuard Lock;
  if (!LISTVIEW__Valid(hObj)) {
    return 0;
  }
  int StorageRow = LISTVIEW__StorageRow(hObj, WIDGET__Index(Row));
  const LISTVIEW_CELL* pCell = LISTVIEW__Cell(hObj, WIDGET__Index(Column), StorageRow);
  return pCell ? (unsigned)strlen(pCell->acText) : 0;
}

void LISTVIEW_GetItemRect(WM_HWIN hObj, unsigned Column, unsigned Row, GUI_RECT* pRect) {
  WM__LockGuard Lock;
  int Col = WIDGET__Index(Column), RowIndex = WIDGET__Index(Row);
  if (!pRect || !LISTVIEW__Valid(hObj) || Col < 0 || Col >= LISTVIEW__NumColumns(hObj) || RowIndex < 0 ||
      RowIndex >= LISTVIEW__NumRows(hObj)) {
    return;
  }
  const LISTVIEW_OBJ* pObj = LISTVIEW__Obj(hObj);
  int E = pObj->Widget.pEffect->EffectSize;
  int x = E - pObj->ScrollStateH.Value;
  for (unsigned c = 0; c < Column; c++) {
    x += HEADER_GetItemWidth(pObj->hHeader, c);
  }
  int Dist = LISTVIEW__RowDistY(hObj);
  I64 y = LISTVIEW__RowTop(hObj, (int)Row);
  *pRect = {WM__ClampI16(x), WM__ClampI16(y),
            WM__ClampI16((I64)x + HEADER_GetItemWidth(LISTVIEW__Obj(hObj)->hHeader, Column) - 1),
            WM__ClampI16(y + Dist - 1)};
}

void LISTVIEW_DisableRow(WM_HWIN hObj, unsigned Row) {
  _SetDisabled(hObj, Row, 1);
}

void LISTVIEW_EnableRow(WM_HWIN hObj, unsigned Row) {
  _SetDisabled(hObj, Row, 0);
}

void LISTVIEW_SetUserDataRow(WM_HWIN hObj, unsigned Row, U32 Data) {
  WM__LockGuard Lock;
  if (LISTVIEW_ROW* pRow = LISTVIEW__Valid(hObj) ? LISTVIEW__Row(hObj, WIDGET__Index(Row)) : nullptr) {
    pRow->UserData = Data;
  }
}

U32 LISTVIEW_GetUserDataRow(WM_HWIN hObj, unsigned Row) {
  WM__LockGuard Lock;
  const LISTVIEW_ROW* pRow = LISTVIEW__Valid(hObj) ? LISTVIEW__Row(hObj, WIDGET__Index(Row)) : nullptr;
  return pRow ? pRow->UserData : 0;
}
