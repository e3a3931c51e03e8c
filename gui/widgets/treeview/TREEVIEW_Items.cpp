// TREEVIEW: items of their own in GUI memory, linked into a tree, taken out with their subtree, moved and
// freed. A subtree is an item and the following items of a higher level; a detached subtree is a chain of
// its own whose head has level 0 and no previous item.
#include <cstring>

#include "TREEVIEW.h"

namespace {

using Item = TREEVIEW_ITEM_OBJ;

bool _IsNode(const Item* p) {
  return p->Flags & TREEVIEW_ITEM_FLAG_NODE;
}

TREEVIEW_OBJ* _Tree(WM_HWIN hObj) {
  return hObj ? (TREEVIEW_OBJ*)WIDGET__GetObj(&TREEVIEW__Type, hObj) : nullptr;
}

// Unlinks the subtree of hItem from the list it is in (the tree's or a detached chain) and leaves it a
// chain of its own at level 0. A selected item inside the subtree hands the selection on, so that no tree
// keeps naming an item that has left it.
void _Unlink(GUI_HMEM hItem) {
  Item* pItem = TREEVIEW__Item(hItem);
  WM_HWIN hTree = pItem->hTree;
  GUI_HMEM hEnd = TREEVIEW__GetSubtreeEnd(hItem);
  GUI_HMEM hPrev = pItem->hPrev, hNext = TREEVIEW__Item(hEnd)->hNext;
  TREEVIEW_OBJ* pObj = _Tree(hTree);
  if (hPrev) {
    TREEVIEW__Item(hPrev)->hNext = hNext;
  } else if (pObj) {
    if (pObj->hFirst != hItem) {
      GUI_Warn("TREEVIEW:\nIllegal handle in TREEVIEW_ITEM_Detach()!");
    }
    pObj->hFirst = hNext;
  }
  if (hNext) {
    TREEVIEW__Item(hNext)->hPrev = hPrev;
  } else if (pObj) {
    pObj->hLast = hPrev;
  }
  pItem->hPrev = 0;
  TREEVIEW__Item(hEnd)->hNext = 0;
  bool SelInside = false;
  int Level0 = pItem->Level;
  for (GUI_HMEM h = hItem; h; h = TREEVIEW__Item(h)->hNext) {
    Item* p = TREEVIEW__Item(h);
    p->Level = (U8)(p->Level - Level0);
    p->hTree = 0;
    if (pObj) {
      pObj->NumItems--;
      SelInside |= pObj->hSel == h;
    }
  }
  if (!pObj) {
    return;
  }
  if (SelInside) {
    GUI_HMEM hSel = hNext;
    while (hSel && !TREEVIEW__IsShown(hSel)) {
      hSel = TREEVIEW__Item(hSel)->hNext;
    }
    for (hSel = hSel ? hSel : hPrev; hSel && !TREEVIEW__IsShown(hSel);) {
      hSel = TREEVIEW__Item(hSel)->hPrev;
    }
    pObj->hSel = hSel;
  }
  TREEVIEW__Invalidate(hTree);
}

// Links the chain headed by hItem at Position relative to hItemPos; -> 0 done, 1 refused (with its text).
int _Link(WM_HWIN hObj, TREEVIEW_OBJ* pObj, GUI_HMEM hItem, GUI_HMEM hItemPos, int Position) {
  GUI_HMEM hEnd = TREEVIEW__GetSubtreeEnd(hItem);
  GUI_HMEM hPrev = 0, hNext = 0;
  int Level = 0;
  if (pObj->NumItems == 0) {
    if (pObj->hFirst) {
      GUI_Warn("TREEVIEW:\nFirst item already exists in _LinkItem()!");
      return 1;
    }
  } else {
    Item* pPos = TREEVIEW__Item(hItemPos);
    if (!pPos) {
      GUI_Warn("TREEVIEW:\nPosition has not been defined in _LinkItem()!");
      return 1;
    }
    // A position outside this tree (a detached item, maybe one of the chain being attached) would link
    // the chain into itself or into another list.
    if (pPos->hTree != hObj) {
      GUI_Warn("TREEVIEW:\nPosition is not an item of this tree in _LinkItem()!");
      return 1;
    }
    switch (Position) {
    case TREEVIEW_INSERT_ABOVE:
      Level = pPos->Level;
      hPrev = pPos->hPrev;
      hNext = hItemPos;
      break;
    case TREEVIEW_INSERT_BELOW:
      Level = pPos->Level;
      hPrev = TREEVIEW__GetSubtreeEnd(hItemPos);
      hNext = TREEVIEW__Item(hPrev)->hNext;
      break;
    case TREEVIEW_INSERT_FIRST_CHILD:
      if (!_IsNode(pPos)) {
        GUI_Warn("TREEVIEW:\nCan not be indented at a leaf in _LinkItem()!");
        return 1;
      }
      Level = pPos->Level + 1;
      hPrev = hItemPos;
      hNext = pPos->hNext;
      break;
    default:
      GUI_Warn("TREEVIEW:\nUnknown position in _LinkItem()!");
      return 1;
    }
  }
  int MaxLevel = 0;
  for (GUI_HMEM h = hItem; h; h = TREEVIEW__Item(h)->hNext) {
    MaxLevel = TREEVIEW__Item(h)->Level > MaxLevel ? TREEVIEW__Item(h)->Level : MaxLevel;
  }
  if (MaxLevel + Level > 255) {
    GUI_Warn("TREEVIEW:\nToo many levels in _LinkItem()!");
    return 1;
  }
  Item* pItem = TREEVIEW__Item(hItem);
  pItem->hPrev = hPrev;
  TREEVIEW__Item(hEnd)->hNext = hNext;
  if (hPrev) {
    TREEVIEW__Item(hPrev)->hNext = hItem;
  } else {
    pObj->hFirst = hItem;
  }
  if (hNext) {
    TREEVIEW__Item(hNext)->hPrev = hEnd;
  } else {
    pObj->hLast = hEnd;
  }
  if (pObj->NumItems == 0) {
    pObj->hSel = hItem;
  }
  for (GUI_HMEM h = hItem;; h = TREEVIEW__Item(h)->hNext) {
    Item* p = TREEVIEW__Item(h);
    p->Level = (U8)(p->Level + Level);
    p->hTree = hObj;
    pObj->NumItems++;
    if (h == hEnd) {
      break;
    }
  }
  return 0;
}

void _FreeChain(GUI_HMEM hItem) {
  while (hItem) {
    GUI_HMEM hNext = TREEVIEW__Item(hItem)->hNext;
    GUI_ALLOC_FreePtr(&TREEVIEW__Item(hItem)->hImages);
    GUI_ALLOC_Free(hItem);
    hItem = hNext;
  }
}

void _SetExpanded(GUI_HMEM hItem, bool Expand, bool All) {
  WM__LockGuard Lock;
  Item* pItem = TREEVIEW__Item(hItem);
  if (!pItem) {
    return;
  }
  bool Changed = false;
  int Level = pItem->Level;
  for (GUI_HMEM h = hItem; h; h = TREEVIEW__Item(h)->hNext) {
    Item* p = TREEVIEW__Item(h);
    if (h != hItem && p->Level <= Level) {
      break;
    }
    if (_IsNode(p) && ((p->Flags & TREEVIEW_ITEM_FLAG_EXPANDED) != 0) != Expand) {
      p->Flags ^= TREEVIEW_ITEM_FLAG_EXPANDED;
      Changed = true;
    }
    if (!All) {
      break;
    }
  }
  if (Changed && pItem->hTree) {
    TREEVIEW__Invalidate(pItem->hTree);
  }
}

} // namespace

GUI_HMEM TREEVIEW__GetSubtreeEnd(GUI_HMEM hItem) {
  int Level = TREEVIEW__Item(hItem)->Level;
  GUI_HMEM hEnd = hItem;
  for (GUI_HMEM h = TREEVIEW__Item(hItem)->hNext; h && TREEVIEW__Item(h)->Level > Level;
       h = TREEVIEW__Item(h)->hNext) {
    hEnd = h;
  }
  return hEnd;
}

GUI_HMEM TREEVIEW__NextShown(GUI_HMEM hItem) {
  const Item* p = TREEVIEW__Item(hItem);
  if (_IsNode(p) && !(p->Flags & TREEVIEW_ITEM_FLAG_EXPANDED)) {
    return TREEVIEW__Item(TREEVIEW__GetSubtreeEnd(hItem))->hNext;
  }
  return p->hNext;
}

// The shown item before a shown item: its parent, or the topmost collapsed node on the way down the previous
// sibling's subtree to the item just before.
GUI_HMEM TREEVIEW__PrevShown(GUI_HMEM hItem) {
  int Level = TREEVIEW__Item(hItem)->Level;
  GUI_HMEM hPrev = TREEVIEW__Item(hItem)->hPrev;
  if (!hPrev) {
    return 0;
  }
  GUI_HMEM hShown = hPrev;
  int MinLevel = TREEVIEW__Item(hPrev)->Level;
  for (GUI_HMEM h = TREEVIEW__Item(hPrev)->hPrev; h && MinLevel > Level; h = TREEVIEW__Item(h)->hPrev) {
    const Item* p = TREEVIEW__Item(h);
    if (p->Level < MinLevel) {
      MinLevel = p->Level;
      if (!(p->Flags & TREEVIEW_ITEM_FLAG_EXPANDED)) {
        hShown = h;
      }
    }
  }
  return hShown;
}

// The topmost collapsed ancestor hides the item and is itself shown, as every ancestor above it is expanded.
GUI_HMEM TREEVIEW__NearestShown(GUI_HMEM hItem) {
  GUI_HMEM hShown = hItem;
  int MinLevel = TREEVIEW__Item(hItem)->Level;
  for (GUI_HMEM h = TREEVIEW__Item(hItem)->hPrev; h && MinLevel > 0; h = TREEVIEW__Item(h)->hPrev) {
    const Item* p = TREEVIEW__Item(h);
    if (p->Level < MinLevel) {
      if (!(p->Flags & TREEVIEW_ITEM_FLAG_EXPANDED)) {
        hShown = h;
      }
      MinLevel = p->Level;
    }
  }
  return hShown;
}

GUI_HMEM TREEVIEW__PrevShownFrom(GUI_HMEM hItem) {
  GUI_HMEM hShown = TREEVIEW__NearestShown(hItem);
  return hShown != hItem ? hShown : TREEVIEW__PrevShown(hItem);
}

GUI_HMEM TREEVIEW__NextShownFrom(GUI_HMEM hItem) {
  return TREEVIEW__NextShown(TREEVIEW__NearestShown(hItem));
}

int TREEVIEW__IsShown(GUI_HMEM hItem) {
  return TREEVIEW__NearestShown(hItem) == hItem;
}

TREEVIEW_ITEM_Handle TREEVIEW_ITEM_Create(int IsNode, const char* pText, U32 UserData) {
  WM__LockGuard Lock;
  int Len = pText ? (int)strlen(pText) : 0;
  GUI_HMEM hItem = GUI_ALLOC_AllocZero((I32)(sizeof(Item) + Len));
  if (!hItem) {
    return 0;
  }
  Item* p = TREEVIEW__Item(hItem);
  p->Flags = IsNode ? TREEVIEW_ITEM_FLAG_NODE : 0;
  p->UserData = UserData;
  if (Len) {
    memcpy(p->acText, pText, (size_t)Len);
  }
  return hItem;
}

int TREEVIEW_AttachItem(WM_HWIN hObj, TREEVIEW_ITEM_Handle hItem, TREEVIEW_ITEM_Handle hItemPos, int Position) {
  WM__LockGuard Lock;
  TREEVIEW_OBJ* pObj = _Tree(hObj);
  Item* pItem = TREEVIEW__Item(hItem);
  if (!pObj || !pItem) {
    return 1;
  }
  if (pItem->hPrev) {
    GUI_Warn("TREEVIEW:\nItem is not allowed to have previous items in TREEVIEW_AttachItem()!");
    return 1;
  }
  // The first item of a tree has no previous item either; linking it again would make its subtree part
  // of itself.
  if (pItem->hTree) {
    GUI_Warn("TREEVIEW:\nItem is already attached in TREEVIEW_AttachItem()!");
    return 1;
  }
  if (_Link(hObj, pObj, hItem, hItemPos, Position)) {
    return 1;
  }
  for (GUI_HMEM h = hItem; h && TREEVIEW__Item(h)->hTree == hObj; h = TREEVIEW__Item(h)->hNext) {
    int xSize = TREEVIEW__CalcItemXSize(hObj, h);
    TREEVIEW__Item(h)->xSize = (U16)xSize;
    if (h != hItem && TREEVIEW__Item(h)->Level <= TREEVIEW__Item(hItem)->Level) {
      break;
    }
  }
  TREEVIEW__Invalidate(hObj);
  return 0;
}

TREEVIEW_ITEM_Handle TREEVIEW_InsertItem(WM_HWIN hObj, int IsNode, TREEVIEW_ITEM_Handle hItemPos, int Position,
                                         const char* pText) {
  WM__LockGuard Lock;
  if (!_Tree(hObj)) {
    return 0;
  }
  GUI_HMEM hItem = TREEVIEW_ITEM_Create(IsNode, pText, 0);
  if (!hItem) {
    GUI_Warn("TREEVIEW:\nAllocation failed in TREEVIEW_InsertItem()!");
    return 0;
  }
  if (TREEVIEW_AttachItem(hObj, hItem, hItemPos, Position)) {
    GUI_ALLOC_Free(hItem);
    return 0;
  }
  return hItem;
}

void TREEVIEW_ITEM_Detach(TREEVIEW_ITEM_Handle hItem) {
  WM__LockGuard Lock;
  const Item* p = TREEVIEW__Item(hItem);
  // An inner item of a detached chain is taken out of the chain as well, so that it can be attached.
  if (p && (p->hTree || p->hPrev)) {
    _Unlink(hItem);
  }
}

void TREEVIEW_ITEM_Delete(TREEVIEW_ITEM_Handle hItem) {
  WM__LockGuard Lock;
  if (!TREEVIEW__Item(hItem)) {
    return;
  }
  // Every item freed here leaves its list first: neither the tree nor a chain it was part of names it.
  _Unlink(hItem);
  _FreeChain(hItem);
}

void TREEVIEW__FreeAll(TREEVIEW_OBJ* pObj) {
  GUI_HMEM hFirst = pObj->hFirst;
  pObj->hFirst = pObj->hLast = pObj->hSel = 0;
  pObj->NumItems = 0;
  _FreeChain(hFirst);
}

TREEVIEW_ITEM_Handle TREEVIEW_GetItem(WM_HWIN hObj, TREEVIEW_ITEM_Handle hItem, int Relation) {
  WM__LockGuard Lock;
  TREEVIEW_OBJ* pObj = _Tree(hObj);
  if (!pObj) {
    return 0;
  }
  if (Relation == TREEVIEW_GET_FIRST) {
    return pObj->hFirst;
  }
  if (Relation == TREEVIEW_GET_LAST) {
    return pObj->hLast;
  }
  const Item* p = TREEVIEW__Item(hItem);
  if (!p) {
    GUI_Warn("TREEVIEW:\nZero handle not allowed in TREEVIEW_GetItem()!");
    return 0;
  }
  switch (Relation) {
  case TREEVIEW_GET_NEXT_SIBLING: {
    GUI_HMEM h = TREEVIEW__Item(TREEVIEW__GetSubtreeEnd(hItem))->hNext;
    return (h && TREEVIEW__Item(h)->Level == p->Level) ? h : 0;
  }
  case TREEVIEW_GET_PREV_SIBLING:
    for (GUI_HMEM h = p->hPrev; h; h = TREEVIEW__Item(h)->hPrev) {
      if (TREEVIEW__Item(h)->Level <= p->Level) {
        return TREEVIEW__Item(h)->Level == p->Level ? h : 0;
      }
    }
    return 0;
  case TREEVIEW_GET_FIRST_CHILD:
    if (!_IsNode(p)) {
      GUI_Warn("TREEVIEW:\nItem is not a node in TREEVIEW_GetItem()!");
      return 0;
    }
    // A node without children has no first child; the item after it is its sibling.
    return (p->hNext && TREEVIEW__Item(p->hNext)->Level > p->Level) ? p->hNext : 0;
  case TREEVIEW_GET_PARENT:
    if (p->Level == 0) {
      GUI_Warn("TREEVIEW:\nIllegal level in TREEVIEW_GetItem()!");
      return 0;
    }
    for (GUI_HMEM h = p->hPrev; h; h = TREEVIEW__Item(h)->hPrev) {
      if (TREEVIEW__Item(h)->Level == p->Level - 1) {
        return h;
      }
    }
    return 0;
  }
  return 0;
}

void TREEVIEW_ITEM_Expand(TREEVIEW_ITEM_Handle hItem) {
  _SetExpanded(hItem, true, false);
}

void TREEVIEW_ITEM_Collapse(TREEVIEW_ITEM_Handle hItem) {
  _SetExpanded(hItem, false, false);
}

void TREEVIEW_ITEM_ExpandAll(TREEVIEW_ITEM_Handle hItem) {
  _SetExpanded(hItem, true, true);
}

void TREEVIEW_ITEM_CollapseAll(TREEVIEW_ITEM_Handle hItem) {
  _SetExpanded(hItem, false, true);
}

void TREEVIEW__Toggle(GUI_HMEM hItem) {
  _SetExpanded(hItem, !(TREEVIEW__Item(hItem)->Flags & TREEVIEW_ITEM_FLAG_EXPANDED), false);
}

TREEVIEW_ITEM_Handle TREEVIEW_ITEM_SetText(TREEVIEW_ITEM_Handle hItem, const char* pText) {
  WM__LockGuard Lock;
  if (!TREEVIEW__Item(hItem)) {
    return 0;
  }
  int Len = pText ? (int)strlen(pText) : 0;
  GUI_HMEM hNew = GUI_ALLOC_AllocZero((I32)(sizeof(Item) + Len));
  if (!hNew) {
    GUI_Warn("TREEVIEW:\nAllocation failed in TREEVIEW_ITEM_SetText()!");
    return 0;
  }
  Item* pOld = TREEVIEW__Item(hItem);
  Item* pNew = TREEVIEW__Item(hNew);
  memcpy(pNew, pOld, offsetof(Item, acText));
  if (Len) {
    memcpy(pNew->acText, pText, (size_t)Len);
  }
  if (pNew->hPrev) {
    TREEVIEW__Item(pNew->hPrev)->hNext = hNew;
  }
  if (pNew->hNext) {
    TREEVIEW__Item(pNew->hNext)->hPrev = hNew;
  }
  WM_HWIN hTree = pNew->hTree;
  GUI_ALLOC_Free(hItem);
  if (TREEVIEW_OBJ* pObj = _Tree(hTree)) {
    pObj->hFirst = pObj->hFirst == hItem ? hNew : pObj->hFirst;
    pObj->hLast = pObj->hLast == hItem ? hNew : pObj->hLast;
    pObj->hSel = pObj->hSel == hItem ? hNew : pObj->hSel;
    TREEVIEW__Item(hNew)->xSize = (U16)TREEVIEW__CalcItemXSize(hTree, hNew);
    TREEVIEW__Invalidate(hTree);
    TREEVIEW__UpdateLayout(hTree);
  }
  return hNew;
}

void TREEVIEW_ITEM_GetText(TREEVIEW_ITEM_Handle hItem, char* pBuffer, int MaxNumBytes) {
  WM__LockGuard Lock;
  const Item* p = TREEVIEW__Item(hItem);
  if (p) {
    WIDGET__CopyString(p->acText, pBuffer, MaxNumBytes);
  }
}

void TREEVIEW_ITEM_SetUserData(TREEVIEW_ITEM_Handle hItem, U32 UserData) {
  WM__LockGuard Lock;
  if (Item* p = TREEVIEW__Item(hItem)) {
    p->UserData = UserData;
  }
}

U32 TREEVIEW_ITEM_GetUserData(TREEVIEW_ITEM_Handle hItem) {
  WM__LockGuard Lock;
  const Item* p = TREEVIEW__Item(hItem);
  return p ? p->UserData : 0;
}

void TREEVIEW_ITEM_SetImage(TREEVIEW_ITEM_Handle hItem, unsigned Index, const GUI_BITMAP* pBitmap) {
  WM__LockGuard Lock;
  if (!TREEVIEW__Item(hItem) || Index > TREEVIEW_BI_LEAF) {
    return;
  }
  if (!TREEVIEW__Item(hItem)->hImages) {
    GUI_HMEM hImages = GUI_ALLOC_AllocZero((I32)(3 * sizeof(const GUI_BITMAP*)));
    if (!hImages) {
      GUI_Warn("TREEVIEW:\nAllocation failed in TREEVIEW_ITEM_SetImage()!");
      return;
    }
    TREEVIEW__Item(hItem)->hImages = hImages;
  }
  Item* p = TREEVIEW__Item(hItem);
  ((const GUI_BITMAP**)GUI_ALLOC_h2p(p->hImages))[Index] = pBitmap;
  if (p->hTree) {
    TREEVIEW__Invalidate(p->hTree);
  }
}

void TREEVIEW_ITEM_GetInfo(TREEVIEW_ITEM_Handle hItem, TREEVIEW_ITEM_INFO* pInfo) {
  WM__LockGuard Lock;
  const Item* p = TREEVIEW__Item(hItem);
  if (!p || !pInfo) {
    return;
  }
  pInfo->IsNode = _IsNode(p) ? 1 : 0;
  pInfo->IsExpanded = (p->Flags & TREEVIEW_ITEM_FLAG_EXPANDED) ? 1 : 0;
  pInfo->IsLeaf = 1 - pInfo->IsNode;
  pInfo->IsOpen = pInfo->IsExpanded;
  pInfo->Level = p->Level;
}
