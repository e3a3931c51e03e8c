// GRAPH: what point and value series share: creation with a zero-filled item buffer, appending like a
// recorder (the oldest item is dropped once the buffer is full), deletion, and the tag check that keeps an
// operation of one kind off the record of another. No item is ever written outside the buffer.
#include <algorithm>
#include <cstring>
#include <string>

#include "GRAPH_Private.h"

void* GRAPH__GetObj(GUI_HMEM h, U32 Tag, const char* pFunc) {
  if (!h) {
    return nullptr;
  }
  void* p = GUI_ALLOC_h2p(h);
  if (!p || GUI_ALLOC_GetSize(h) < (I32)sizeof(GRAPH_OBJ_HEAD) || ((GRAPH_OBJ_HEAD*)p)->Tag != Tag) {
    GUI_ErrorOut((std::string("GRAPH:\nWrong handle type in ") + pFunc + "()").c_str());
    return nullptr;
  }
  return p;
}

GUI_HMEM GRAPH__CreateData(U32 Tag, int ObjSize, int ItemSize, GUI_COLOR Color, int MaxNumItems, const void* pItems,
                           int NumItems) {
  WM__LockGuard Lock;
  MaxNumItems = std::max(MaxNumItems, 0);
  NumItems = (pItems && NumItems > 0) ? NumItems : 0;
  GUI_HMEM hObj = GUI_ALLOC_AllocZero(ObjSize);
  if (!hObj) {
    return 0;
  }
  // The buffer may be missing (no memory, or a size beyond what a block can hold, which must not be cut to
  // a small one): such a series draws nothing and drops what is added.
  I64 BufferSize = (I64)MaxNumItems * ItemSize;
  GUI_HMEM hItems = (MaxNumItems && BufferSize <= 0x7FFFFFFF) ? GUI_ALLOC_AllocZero((I32)BufferSize) : 0;
  int Keep = hItems ? std::min(NumItems, MaxNumItems) : 0;
  if (Keep) {
    // More items than the buffer holds: the newest that fit are kept, as adding them one by one would.
    memcpy(GUI_ALLOC_h2p(hItems), (const U8*)pItems + (size_t)(NumItems - Keep) * (size_t)ItemSize,
           (size_t)Keep * (size_t)ItemSize);
  }
  GRAPH_DATA_OBJ* pObj = (GRAPH_DATA_OBJ*)GUI_ALLOC_h2p(hObj);
  pObj->Head.Tag = Tag;
  pObj->NumItems = Keep;
  pObj->MaxNumItems = hItems ? MaxNumItems : 0;
  pObj->Color = Color;
  pObj->hItems = hItems;
  return hObj;
}

void GRAPH__AddItem(GUI_HMEM hData, U32 Tag, const void* pItem, int ItemSize, const char* pFunc) {
  WM__LockGuard Lock;
  GRAPH_DATA_OBJ* pObj = (GRAPH_DATA_OBJ*)GRAPH__GetObj(hData, Tag, pFunc);
  if (!pObj || !pItem || !pObj->hItems || !GRAPH__Obj(pObj->Head.hGraph)) {
    return;
  }
  U8* pItems = (U8*)GUI_ALLOC_h2p(pObj->hItems);
  if (pObj->NumItems < pObj->MaxNumItems) {
    memcpy(pItems + (size_t)pObj->NumItems * (size_t)ItemSize, pItem, (size_t)ItemSize);
    pObj->NumItems++;
    if (pObj->pfOnAdd) {
      pObj->pfOnAdd(pObj);
    } else {
      GRAPH__InvalidateDataArea(pObj->Head.hGraph);
    }
    return;
  }
  size_t Size = (size_t)pObj->MaxNumItems * (size_t)ItemSize;
  memmove(pItems, pItems + ItemSize, Size - (size_t)ItemSize);
  memcpy(pItems + Size - (size_t)ItemSize, pItem, (size_t)ItemSize);
  GRAPH__InvalidateDataArea(pObj->Head.hGraph);
}

void GRAPH__DeleteData(GUI_HMEM hData, U32 Tag, const char* pFunc) {
  WM__LockGuard Lock;
  GRAPH_DATA_OBJ* pObj = (GRAPH_DATA_OBJ*)GRAPH__GetObj(hData, Tag, pFunc);
  if (!pObj) {
    return;
  }
  // Still attached: the graph would paint and later free a block that is gone.
  if (GRAPH__Obj(pObj->Head.hGraph)) {
    GRAPH_DetachData(pObj->Head.hGraph, hData);
    pObj = (GRAPH_DATA_OBJ*)GUI_ALLOC_h2p(hData);
  }
  GUI_ALLOC_FreePtr(&pObj->hItems);
  GUI_ALLOC_Free(hData);
}
