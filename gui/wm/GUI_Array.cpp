// Growable array of items in GUI memory.
#include <cstring>

#include "GUI_Array.h"

namespace {

constexpr U32 MAX_ITEMS = 0xFFFF; // NumItems is 16 bits wide
constexpr U32 EXACT_UP_TO = 8;     // short tables grow one slot at a time and keep their exact size

GUI_ARRAY_OBJ* _h2p(GUI_ARRAY hArray) {
  return (GUI_ARRAY_OBJ*)GUI_ALLOC_h2p(hArray);
}

GUI_HMEM* _GetTable(const GUI_ARRAY_OBJ* pThis) {
  return pThis->hTable ? (GUI_HMEM*)GUI_ALLOC_h2p(pThis->hTable) : nullptr;
}

// Makes room in the table for one more item. The table's block size is its capacity: beyond a few items it
// doubles, so that filling a long list costs a copy of the table only now and then. When the heap has no room
// for the doubled table, the one more slot that is needed is tried. 0 when not even that fits.
GUI_HMEM _ReserveSlot(GUI_HMEM hTable, U32 NumItems) {
  if (hTable && (U32)GUI_ALLOC_GetSize(hTable) >= (NumItems + 1) * sizeof(GUI_HMEM)) {
    return hTable;
  }
  U32 Need = NumItems + 1;
  U32 Want = NumItems < EXACT_UP_TO ? Need : (NumItems * 2 < MAX_ITEMS ? NumItems * 2 : MAX_ITEMS);
  GUI_HMEM hNew = GUI_ALLOC_Realloc(hTable, (I32)(Want * sizeof(GUI_HMEM)));
  if (!hNew && Want > Need) {
    hNew = GUI_ALLOC_Realloc(hTable, (I32)(Need * sizeof(GUI_HMEM)));
  }
  return hNew;
}

struct LockGuard {
  LockGuard() { GUI_Lock(); }
  ~LockGuard() { GUI_Unlock(); }
};

} // namespace

GUI_ARRAY GUI_ARRAY_Create(void) {
  return GUI_ALLOC_AllocZero((I32)sizeof(GUI_ARRAY_OBJ));
}

void GUI_ARRAY_Delete(GUI_ARRAY hArray) {
  if (!hArray) {
    return;
  }
  LockGuard Lock;
  GUI_ARRAY_OBJ* pThis = _h2p(hArray);
  if (pThis->hTable) {
    for (U32 i = 0; i < pThis->NumItems; i++) {
      GUI_ALLOC_Free(_GetTable(pThis)[i]);
    }
    GUI_ALLOC_Free(pThis->hTable);
    pThis->hTable = 0;
    pThis->NumItems = 0;
  }
  GUI_ALLOC_Free(hArray);
}

int GUI_ARRAY_GetNumItems(GUI_ARRAY hArray) {
  if (!hArray) {
    return 0;
  }
  LockGuard Lock;
  return _h2p(hArray)->NumItems;
}

int GUI_ARRAY_AddItem(GUI_ARRAY hArray, const void* pNew, int Len) {
  if (!hArray) {
    return 0;
  }
  LockGuard Lock;
  U32 NumItems = _h2p(hArray)->NumItems;
  if (NumItems >= MAX_ITEMS || Len < 0) {
    GUI_Warn("GUI_ARRAY:\nFailed to alloc buffer in GUI_ARRAY_AddItem()");
    return 1;
  }
  GUI_HMEM hItem = 0;
  if (Len) {
    hItem = GUI_ALLOC_AllocInit(pNew, Len);
    if (!hItem) {
      GUI_Warn("GUI_ARRAY:\nFailed to alloc buffer in GUI_ARRAY_AddItem()");
      return 1;
    }
  }
  GUI_HMEM hTable = _ReserveSlot(_h2p(hArray)->hTable, NumItems);
  if (!hTable) {
    GUI_ALLOC_Free(hItem);
    GUI_Warn("GUI_ARRAY:\nFailed to alloc buffer in GUI_ARRAY_AddItem()");
    return 1;
  }
  GUI_ARRAY_OBJ* pThis = _h2p(hArray);
  pThis->hTable = hTable;
  ((GUI_HMEM*)GUI_ALLOC_h2p(hTable))[NumItems] = hItem;
  pThis->NumItems = (U16)(NumItems + 1);
  return 0;
}

bool GUI_ARRAY_InsertBlankItem(GUI_ARRAY hArray, U32 Index) {
  if (!hArray) {
    return false;
  }
  LockGuard Lock;
  U32 NumItems = _h2p(hArray)->NumItems;
  if (Index >= NumItems) {
    GUI_ErrorOut("GUI_ARRAY_InsertItem:\nIllegal index in GUI_ARRAY_InsertBlankItem()");
    return false;
  }
  if (NumItems >= MAX_ITEMS) {
    GUI_ErrorOut("GUI_ARRAY_InsertItem:\nFailed to alloc buffer in GUI_ARRAY_InsertBlankItem()");
    return false;
  }
  GUI_HMEM hNew = GUI_ALLOC_AllocZero((I32)((NumItems + 1) * sizeof(GUI_HMEM)));
  if (!hNew) {
    GUI_ErrorOut("GUI_ARRAY_InsertItem:\nFailed to alloc buffer in GUI_ARRAY_InsertBlankItem()");
    return false;
  }
  GUI_ARRAY_OBJ* pThis = _h2p(hArray);
  GUI_HMEM* pNew = (GUI_HMEM*)GUI_ALLOC_h2p(hNew);
  const GUI_HMEM* pOld = _GetTable(pThis);
  if (pOld) {
    memcpy(pNew, pOld, Index * sizeof(GUI_HMEM));
    memcpy(pNew + Index + 1, pOld + Index, (NumItems - Index) * sizeof(GUI_HMEM));
  }
  GUI_ALLOC_Free(pThis->hTable);
  pThis->hTable = hNew;
  pThis->NumItems = (U16)(NumItems + 1);
  return true;
}

GUI_HMEM GUI_ARRAY_InsertItem(GUI_ARRAY hArray, U32 Index, int Len) {
  LockGuard Lock;
  if (!GUI_ARRAY_InsertBlankItem(hArray, Index)) {
    return 0;
  }
  return GUI_ARRAY_SetItem(hArray, Index, nullptr, Len);
}

GUI_HMEM GUI_ARRAY_SetItem(GUI_ARRAY hArray, U32 Index, const void* pData, int Len) {
  if (!hArray || Len < 0) {
    return 0;
  }
  LockGuard Lock;
  GUI_ARRAY_OBJ* pThis = _h2p(hArray);
  if (Index >= pThis->NumItems || !pThis->hTable) {
    return 0;
  }
  GUI_HMEM hItem = _GetTable(pThis)[Index];
  if (!hItem || GUI_ALLOC_GetSize(hItem) != Len) {
    GUI_HMEM hNew = GUI_ALLOC_AllocZero(Len);
    if (!hNew) {
      return 0;
    }
    pThis = _h2p(hArray);
    GUI_ALLOC_Free(hItem);
    _GetTable(pThis)[Index] = hNew;
    hItem = hNew;
  }
  if (pData && Len) {
    memcpy(GUI_ALLOC_h2p(hItem), pData, (size_t)Len);
  }
  return hItem;
}

void GUI_ARRAY_DeleteItem(GUI_ARRAY hArray, U32 Index) {
  if (!hArray) {
    return;
  }
  LockGuard Lock;
  GUI_ARRAY_OBJ* pThis = _h2p(hArray);
  if (Index >= pThis->NumItems || !pThis->hTable) {
    return;
  }
  GUI_HMEM* pTable = _GetTable(pThis);
  GUI_ALLOC_Free(pTable[Index]);
  pTable = _GetTable(pThis);
  memmove(pTable + Index, pTable + Index + 1, (pThis->NumItems - Index - 1) * sizeof(GUI_HMEM));
  pThis->NumItems--;
  pTable[pThis->NumItems] = 0;
}

GUI_HMEM GUI_ARRAY__GethItem(const GUI_ARRAY_OBJ* pThis, U32 Index) {
  if (!pThis || Index >= pThis->NumItems || !pThis->hTable) {
    return 0;
  }
  return _GetTable(pThis)[Index];
}

void* GUI_ARRAY__GetpItemLocked(const GUI_ARRAY_OBJ* pThis, U32 Index) {
  GUI_HMEM hItem = GUI_ARRAY__GethItem(pThis, Index);
  return hItem ? GUI_ALLOC_LockH(hItem) : nullptr;
}

int GUI_ARRAY__SethItem(GUI_ARRAY_OBJ* pThis, U32 Index, GUI_HMEM hItem) {
  if (!pThis || Index >= pThis->NumItems || !pThis->hTable) {
    return 1;
  }
  GUI_HMEM* pTable = _GetTable(pThis);
  GUI_HMEM hOld = pTable[Index];
  pTable[Index] = hItem;
  GUI_ALLOC_Free(hOld);
  return 0;
}

GUI_HMEM GUI_ARRAY_GethItem(GUI_ARRAY hArray, U32 Index) {
  if (!hArray) {
    return 0;
  }
  LockGuard Lock;
  return GUI_ARRAY__GethItem(_h2p(hArray), Index);
}

void* GUI_ARRAY_GetpItemLocked(GUI_ARRAY hArray, U32 Index) {
  if (!hArray) {
    return nullptr;
  }
  LockGuard Lock;
  return GUI_ARRAY__GetpItemLocked(_h2p(hArray), Index);
}

void* GUI_ARRAY_ResizeItemLocked(GUI_ARRAY hArray, U32 Index, int Len) {
  if (!hArray || Len < 0) {
    return nullptr;
  }
  LockGuard Lock;
  GUI_HMEM hNew = GUI_ALLOC_AllocZero(Len);
  if (!hNew) {
    return nullptr;
  }
  GUI_ARRAY_OBJ* pThis = _h2p(hArray);
  GUI_HMEM hOld = GUI_ARRAY__GethItem(pThis, Index);
  if (hOld) {
    I32 OldSize = GUI_ALLOC_GetSize(hOld);
    I32 n = OldSize < Len ? OldSize : Len;
    memcpy(GUI_ALLOC_h2p(hNew), GUI_ALLOC_h2p(hOld), (size_t)n);
  }
  if (GUI_ARRAY__SethItem(_h2p(hArray), Index, hNew)) {
    GUI_ALLOC_Free(hNew);
    return nullptr;
  }
  return GUI_ALLOC_LockH(hNew);
}
