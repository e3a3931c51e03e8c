// LISTVIEW: the sort object. Its table maps display rows to storage rows; it is kept a valid mapping
// through every insert and delete, so that display indexes mean the same rows until the next sort. A sort
// starts from storage order and is stable (std::stable_sort, O(n log n)), so rows that compare equal keep
// the order in which they were added; a click on the sorted column's header only reverses the table.
#include <algorithm>
#include <cstring>
#include <vector>

#include "LISTVIEW.h"

namespace {

LISTVIEW_SORT* _Sort(WM_HWIN hObj) {
  GUI_HMEM hSort = LISTVIEW__Obj(hObj)->hSort;
  return hSort ? (LISTVIEW_SORT*)GUI_ALLOC_h2p(hSort) : nullptr;
}

U16* _Table(const LISTVIEW_SORT* pSort) {
  return pSort && pSort->hSortTable ? (U16*)GUI_ALLOC_h2p(pSort->hSortTable) : nullptr;
}

void _Free(GUI_HMEM hSort) {
  if (LISTVIEW_SORT* pSort = hSort ? (LISTVIEW_SORT*)GUI_ALLOC_h2p(hSort) : nullptr) {
    GUI_ALLOC_FreePtr(&pSort->hSortTable);
  }
  GUI_ALLOC_Free(hSort);
}

// The table always holds the storage rows 0 .. NumItems-1 in display order; rows from NumItems on show
// unmapped (display index = storage index), as rows added since the last sort do.

// Keeps the display row of the selected storage row visible after the order changed. -> false when the
// parent, told of the scrolled view, deleted it.
bool _Reselect(WM_HWIN hObj, int SelStorage) {
  LISTVIEW_OBJ* pObj = LISTVIEW__Obj(hObj);
  pObj->Sel = SelStorage >= 0 ? LISTVIEW__DisplayRow(hObj, SelStorage) : -1;
  WM__WATCH Watch(hObj);
  LISTVIEW__UpdateLayout(hObj);
  return Watch.Alive();
}

int _DoSort(WM_HWIN hObj) {
  LISTVIEW_OBJ* pObj = LISTVIEW__Obj(hObj);
  if (pObj->IsPresorted && pObj->IsSorted) {
    return 0;
  }
  int n = LISTVIEW__NumRows(hObj);
  int SelStorage = pObj->Sel >= 0 ? LISTVIEW__StorageRow(hObj, pObj->Sel) : -1;
  LISTVIEW_SORT* pSort = _Sort(hObj);
  bool Complete = pSort->NumItems == (U32)n;
  if (!Complete) {
    GUI_HMEM hTable = GUI_ALLOC_Realloc(pSort->hSortTable, n ? n * (I32)sizeof(U16) : (I32)sizeof(U16));
    if (!hTable) {
      return 1;
    }
    pSort = _Sort(hObj);
    pSort->hSortTable = hTable;
  }
  pObj = LISTVIEW__Obj(hObj);
  U16* pTable = _Table(pSort);
  if (pObj->ReverseSort && pObj->IsPresorted && Complete) {
    std::reverse(pTable, pTable + n);
  } else {
    // Every text of the sort column once, then the indexes sorted by them.
    std::vector<const char*> aText((size_t)n, "");
    for (int r = 0; r < n; r++) {
      if (const LISTVIEW_CELL* pCell = LISTVIEW__Cell(hObj, pObj->SortIndex, r)) {
        aText[(size_t)r] = pCell->acText;
      }
    }
    const LISTVIEW_COLUMN* pCol = LISTVIEW__Column(hObj, pObj->SortIndex);
    LISTVIEW_COMPARE_FUNC* pfCompare = pCol ? pCol->pfCompare : nullptr;
    pSort = _Sort(hObj);
    pTable = _Table(pSort);
    for (int r = 0; r < n; r++) {
      pTable[r] = (U16)r;
    }
    if (pfCompare && n > 1) {
      bool Reverse = pSort->Reverse != 0;
      std::stable_sort(pTable, pTable + n, [&](U16 a, U16 b) {
        int c = pfCompare(aText[a], aText[b]);
        return Reverse ? c > 0 : c < 0;
      });
    }
  }
  pSort->NumItems = (U32)n;
  pObj = LISTVIEW__Obj(hObj);
  pObj->ReverseSort = 0;
  pObj->IsPresorted = pObj->IsSorted = 1;
  if (!_Reselect(hObj, SelStorage)) {
    return 0;
  }
  pObj = LISTVIEW__Obj(hObj);
  HEADER_SetDirIndicator(pObj->hHeader, pObj->SortIndex, _Sort(hObj)->Reverse);
  return 0;
}

// Creates the sort object when there is none; false when memory is short.
bool _EnableSort(WM_HWIN hObj) {
  if (LISTVIEW__Obj(hObj)->hSort) {
    return true;
  }
  GUI_HMEM hSort = GUI_ALLOC_AllocZero((I32)sizeof(LISTVIEW_SORT));
  if (!hSort) {
    return false;
  }
  LISTVIEW_SORT* pSort = (LISTVIEW_SORT*)GUI_ALLOC_h2p(hSort);
  pSort->pfSort = _DoSort;
  pSort->pfFree = _Free;
  LISTVIEW_OBJ* pObj = LISTVIEW__Obj(hObj);
  pObj->hSort = hSort;
  pObj->SortIndex = -1;
  pObj->IsSorted = pObj->IsPresorted = 0;
  return true;
}

int _Sign(int v) {
  return v > 0 ? 1 : v < 0 ? -1 : 0;
}

// A decimal integer: an optional '-', then digits up to the first non-digit (saturating, never overflowing).
long long _ReadDec(const char* s) {
  bool Neg = *s == '-';
  s += Neg;
  long long v = 0;
  for (; *s >= '0' && *s <= '9'; s++) {
    v = v < 100000000000000000LL ? v * 10 + (*s - '0') : v;
  }
  return Neg ? -v : v;
}

} // namespace

bool LISTVIEW__SortActive(WM_HWIN hObj) {
  const LISTVIEW_OBJ* pObj = LISTVIEW__Obj(hObj);
  return pObj->hSort && pObj->SortIndex >= 0;
}

int LISTVIEW__StorageRow(WM_HWIN hObj, int DisplayRow) {
  if (DisplayRow < 0 || DisplayRow >= LISTVIEW__NumRows(hObj)) {
    return -1;
  }
  if (!LISTVIEW__SortActive(hObj)) {
    return DisplayRow;
  }
  const LISTVIEW_SORT* pSort = _Sort(hObj);
  const U16* pTable = _Table(pSort);
  return pTable && (U32)DisplayRow < pSort->NumItems ? pTable[DisplayRow] : DisplayRow;
}

int LISTVIEW__DisplayRow(WM_HWIN hObj, int StorageRow) {
  if (StorageRow < 0 || StorageRow >= LISTVIEW__NumRows(hObj)) {
    return -1;
  }
  if (!LISTVIEW__SortActive(hObj)) {
    return StorageRow;
  }
  const LISTVIEW_SORT* pSort = _Sort(hObj);
  const U16* pTable = _Table(pSort);
  for (U32 i = 0; pTable && i < pSort->NumItems; i++) {
    if (pTable[i] == StorageRow) {
      return (int)i;
    }
  }
  return StorageRow; // a row added since the last sort shows unmapped
}

void LISTVIEW__OnRowDeleted(WM_HWIN hObj, int StorageRow) {
  LISTVIEW__Obj(hObj)->IsPresorted = 0;
  LISTVIEW_SORT* pSort = _Sort(hObj);
  U16* pTable = _Table(pSort);
  if (!pTable) {
    return;
  }
  if (StorageRow < 0) {
    pSort->NumItems = 0;
    return;
  }
  U32 j = 0;
  for (U32 i = 0; i < pSort->NumItems; i++) {
    if (pTable[i] != StorageRow) {
      pTable[j++] = (U16)(pTable[i] > StorageRow ? pTable[i] - 1 : pTable[i]);
    }
  }
  pSort->NumItems = j;
}

void LISTVIEW__OnRowInserted(WM_HWIN hObj, int StorageRow) {
  LISTVIEW__Obj(hObj)->IsPresorted = 0;
  LISTVIEW_SORT* pSort = _Sort(hObj);
  U16* pTable = _Table(pSort);
  U32 K = pSort ? pSort->NumItems : 0;
  if (!pTable || (U32)StorageRow >= K) {
    return; // the new row lies among the rows that show unmapped
  }
  // The table holds the storage rows 0 .. K-1: those from StorageRow on moved one up, and the new row
  // joins at the end of the table, where it shows until the next sort.
  for (U32 i = 0; i < K; i++) {
    if (pTable[i] >= StorageRow) {
      pTable[i]++;
    }
  }
  GUI_HMEM hTable = GUI_ALLOC_Realloc(pSort->hSortTable, (I32)((K + 1) * sizeof(U16)));
  pSort = _Sort(hObj);
  if (!hTable) {
    pSort->NumItems = 0; // no room: storage order until the next sort
    return;
  }
  pSort->hSortTable = hTable;
  _Table(pSort)[K] = (U16)StorageRow;
  pSort->NumItems = K + 1;
}

int LISTVIEW__Sort(WM_HWIN hObj) {
  if (!LISTVIEW__SortActive(hObj)) {
    return 0;
  }
  LISTVIEW_SORT* pSort = _Sort(hObj);
  return pSort->pfSort ? pSort->pfSort(hObj) : 0;
}

void LISTVIEW__FreeSort(WM_HWIN hObj) {
  LISTVIEW_OBJ* pObj = LISTVIEW__Obj(hObj);
  GUI_HMEM hSort = pObj->hSort;
  if (!hSort) {
    return;
  }
  pObj->hSort = 0;
  pObj->SortIndex = -1;
  pObj->IsPresorted = pObj->IsSorted = 0;
  void (*pfFree)(GUI_HMEM) = ((LISTVIEW_SORT*)GUI_ALLOC_h2p(hSort))->pfFree;
  (pfFree ? pfFree : _Free)(hSort);
}

void LISTVIEW__OnHeaderClick(WM_HWIN hObj) {
  WM__WATCH Watch(hObj);
  WM_SetFocus(hObj);
  if (!Watch.Alive() || !LISTVIEW__Obj(hObj)->hSort) {
    return;
  }
  int Col = HEADER_GetSel(LISTVIEW__Obj(hObj)->hHeader);
  const LISTVIEW_COLUMN* pCol = LISTVIEW__Column(hObj, Col);
  if (!pCol || !pCol->pfCompare) {
    return;
  }
  LISTVIEW_OBJ* pObj = LISTVIEW__Obj(hObj);
  LISTVIEW_SORT* pSort = _Sort(hObj);
  if (Col == pObj->SortIndex) {
    pSort->Reverse ^= 1;
    pObj->ReverseSort = 1;
    pObj->IsSorted = 0;
  } else {
    pSort->Reverse = 0;
    pObj->SortIndex = Col;
    pObj->IsPresorted = 0;
  }
  LISTVIEW__InvalidateInside(hObj);
}

void LISTVIEW_EnableSort(WM_HWIN hObj) {
  WM__LockGuard Lock;
  if (LISTVIEW__Valid(hObj)) {
    _EnableSort(hObj);
  }
}

void LISTVIEW_DisableSort(WM_HWIN hObj) {
  WM__LockGuard Lock;
  if (!LISTVIEW__Valid(hObj) || !LISTVIEW__Obj(hObj)->hSort) {
    return;
  }
  int SelStorage = LISTVIEW__StorageRow(hObj, LISTVIEW__Obj(hObj)->Sel);
  LISTVIEW__FreeSort(hObj);
  HEADER_SetDirIndicator(LISTVIEW__Obj(hObj)->hHeader, -1, 0);
  LISTVIEW__Obj(hObj)->Sel = -1;
  WM__WATCH Watch(hObj);
  LISTVIEW__SelectRow(hObj, SelStorage, false);
  if (Watch.Alive()) {
    LISTVIEW__InvalidateInside(hObj);
  }
}

void LISTVIEW_SetCompareFunc(WM_HWIN hObj, unsigned Column, LISTVIEW_COMPARE_FUNC* pfCompare) {
  WM__LockGuard Lock;
  if (LISTVIEW_COLUMN* pCol =
          LISTVIEW__Valid(hObj) ? LISTVIEW__Column(hObj, WIDGET__Index(Column)) : nullptr) {
    pCol->pfCompare = pfCompare;
  }
}

int LISTVIEW_SetSort(WM_HWIN hObj, unsigned Column, unsigned Reverse) {
  WM__LockGuard Lock;
  const LISTVIEW_COLUMN* pCol =
      LISTVIEW__Valid(hObj) ? LISTVIEW__Column(hObj, WIDGET__Index(Column)) : nullptr;
  if (!pCol || !pCol->pfCompare || !_EnableSort(hObj)) {
    return 1;
  }
  LISTVIEW_OBJ* pObj = LISTVIEW__Obj(hObj);
  pObj->SortIndex = (int)Column;
  pObj->IsSorted = 0;
  pObj->ReverseSort = 0;
  _Sort(hObj)->Reverse = Reverse ? 1 : 0;
  LISTVIEW__InvalidateInside(hObj);
  return 0;
}

void LISTVIEW_SetSelUnsorted(WM_HWIN hObj, int Row) {
  WM__LockGuard Lock;
  if (!LISTVIEW__Valid(hObj)) {
    return;
  }
  WM__WATCH Watch(hObj); // sorting may scroll the view, which its parent hears of
  LISTVIEW__Sort(hObj);
  if (Watch.Alive()) {
    LISTVIEW__SelectRow(hObj, Row < 0 ? -1 : LISTVIEW__DisplayRow(hObj, Row), true);
  }
}

int LISTVIEW_GetSelUnsorted(WM_HWIN hObj) {
  WM__LockGuard Lock;
  if (!LISTVIEW__Valid(hObj)) {
    return -1;
  }
  WM__WATCH Watch(hObj);
  LISTVIEW__Sort(hObj);
  return Watch.Alive() ? LISTVIEW__StorageRow(hObj, LISTVIEW__Obj(hObj)->Sel) : -1;
}

int LISTVIEW_CompareText(const void* p0, const void* p1) {
  return _Sign(strcmp((const char*)p1, (const char*)p0));
}

int LISTVIEW_CompareDec(const void* p0, const void* p1) {
  long long a = _ReadDec((const char*)p0), b = _ReadDec((const char*)p1);
  return a > b ? -1 : a < b ? 1 : 0;
}
