// MENU: the items (kept in a GUI_ARRAY, one block per item with its text) and the operations on them by
// index or by Id; an Id is searched in the menu and, depth first, in its submenus. A missing Id, a zero
// handle or a null record does nothing; a failed allocation leaves the menu as it was.
#include <cstring>

#include "MENU.h"

namespace {

constexpr int _HeadSize = (int)offsetof(MENU_ITEM, acText);

// Fills the item block at Index from the application's description; false when no block could be had.
bool _SetItem(WM_HWIN hObj, int Index, const MENU_ITEM_DATA* pData) {
  const char* pText = pData->pText ? pData->pText : "";
  int Len = (int)strlen(pText);
  bool Separator = pData->Flags & MENU_IF_SEPARATOR;
  WM_HWIN hSubmenu = Separator ? 0 : pData->hSubmenu;
  const GUI_FONT* pOld = GUI_SetFont(MENU__Obj(hObj)->Props.pFont);
  int TextWidth = GUI_GetStringDistX(pText);
  GUI_SetFont(pOld);
  MENU_ITEM* pItem = (MENU_ITEM*)GUI_ARRAY_ResizeItemLocked(MENU__Obj(hObj)->hItems, (U32)Index, _HeadSize + Len + 1);
  if (!pItem) {
    return false;
  }
  pItem->hSubmenu = hSubmenu;
  pItem->Id = pData->Id;
  pItem->Flags = pData->Flags;
  pItem->TextWidth = TextWidth;
  memcpy(pItem->acText, pText, (size_t)Len + 1);
  GUI_ALLOC_UnlockH(&pItem);
  if (hSubmenu && WM__IsWindow(hSubmenu) && WIDGET__GetObj(&MENU__Type, hSubmenu)) {
    MENU__Obj(hSubmenu)->hOwner = hObj;
    WM_DetachWindow(hSubmenu); // invisible until opened
  }
  return true;
}

MENU_OBJ* _Get(WM_HWIN hObj) {
  return (MENU_OBJ*)WIDGET__GetObj(&MENU__Type, hObj);
}

template <class F> void _ByIdLocked(WM_HWIN hObj, U16 Id, F f) {
  WM__LockGuard Lock;
  if (!_Get(hObj)) {
    return;
  }
  int Index;
  WM_HWIN hMenu = MENU__FindItem(hObj, Id, &Index);
  if (hMenu) {
    f(hMenu, Index);
  }
}

void _SetItemFlag(WM_HWIN hObj, U16 Id, U16 Flag, bool On) {
  _ByIdLocked(hObj, Id, [&](WM_HWIN hMenu, int Index) {
    MENU_ITEM* pItem = (MENU_ITEM*)GUI_ARRAY_GetpItemLocked(MENU__Obj(hMenu)->hItems, (U32)Index);
    if (pItem) {
      pItem->Flags = (U16)(On ? pItem->Flags | Flag : pItem->Flags & ~Flag);
      GUI_ALLOC_UnlockH(&pItem);
    }
    WM_InvalidateWindow(hMenu);
  });
}

} // namespace

bool MENU__GetItem(WM_HWIN hObj, int Index, MENU_ITEM* pItem, std::string* pText) {
  if (Index < 0 || Index >= MENU__GetNumItems(hObj)) {
    return false;
  }
  MENU_ITEM* p = (MENU_ITEM*)GUI_ARRAY_GetpItemLocked(MENU__Obj(hObj)->hItems, (U32)Index);
  if (!p) {
    return false;
  }
  memcpy(pItem, p, (size_t)_HeadSize);
  pItem->acText[0] = 0;
  if (pText) {
    *pText = p->acText;
  }
  GUI_ALLOC_UnlockH(&p);
  return true;
}

int MENU__GetNumItems(WM_HWIN hObj) {
  GUI_ARRAY hItems = MENU__Obj(hObj)->hItems;
  return hItems ? GUI_ARRAY_GetNumItems(hItems) : 0;
}

WM_HWIN MENU__FindItem(WM_HWIN hObj, U16 Id, int* pIndex) {
  int n = MENU__GetNumItems(hObj);
  for (int i = 0; i < n; i++) {
    MENU_ITEM Item;
    if (MENU__GetItem(hObj, i, &Item) && Item.Id == Id) {
      *pIndex = i;
      return hObj;
    }
  }
  for (int i = 0; i < n; i++) {
    MENU_ITEM Item;
    if (MENU__GetItem(hObj, i, &Item) && Item.hSubmenu && WIDGET__GetObj(&MENU__Type, Item.hSubmenu)) {
      if (WM_HWIN hFound = MENU__FindItem(Item.hSubmenu, Id, pIndex)) {
        return hFound;
      }
    }
  }
  return 0;
}

void MENU__DeleteItems(WM_HWIN hObj) {
  GUI_ARRAY hItems = MENU__Obj(hObj)->hItems;
  int n = MENU__GetNumItems(hObj);
  for (int i = 0; i < n; i++) {
    MENU_ITEM Item;
    if (MENU__GetItem(hObj, i, &Item) && Item.hSubmenu && WM__IsWindow(Item.hSubmenu)) {
      WM_DeleteWindow(Item.hSubmenu);
    }
  }
  GUI_ARRAY_Delete(hItems);
  MENU__Obj(hObj)->hItems = 0;
}

void MENU_AddItem(WM_HWIN hObj, const MENU_ITEM_DATA* pItemData) {
  WM__LockGuard Lock;
  MENU_OBJ* pObj = _Get(hObj);
  if (!pObj || !pItemData || !pObj->hItems) {
    return;
  }
  if (GUI_ARRAY_AddItem(pObj->hItems, nullptr, 0)) {
    return;
  }
  int Index = MENU__GetNumItems(hObj) - 1;
  if (!_SetItem(hObj, Index, pItemData)) {
    GUI_ARRAY_DeleteItem(MENU__Obj(hObj)->hItems, (U32)Index);
    return;
  }
  MENU__Resize(hObj);
}

void MENU_InsertItem(WM_HWIN hObj, U16 ItemId, const MENU_ITEM_DATA* pItemData) {
  if (!pItemData) {
    return;
  }
  _ByIdLocked(hObj, ItemId, [&](WM_HWIN hMenu, int Index) {
    if (!GUI_ARRAY_InsertBlankItem(MENU__Obj(hMenu)->hItems, (U32)Index)) {
      return;
    }
    if (!_SetItem(hMenu, Index, pItemData)) {
      GUI_ARRAY_DeleteItem(MENU__Obj(hMenu)->hItems, (U32)Index);
      return;
    }
    if (MENU__Obj(hMenu)->Sel >= Index) {
      MENU__Obj(hMenu)->Sel++; // the highlight stays on its item
    }
    MENU__Resize(hMenu);
  });
}

void MENU_SetItem(WM_HWIN hObj, U16 ItemId, const MENU_ITEM_DATA* pItemData) {
  if (!pItemData) {
    return;
  }
  _ByIdLocked(hObj, ItemId, [&](WM_HWIN hMenu, int Index) {
    if (_SetItem(hMenu, Index, pItemData)) {
      MENU__Resize(hMenu);
    }
  });
}

void MENU_DeleteItem(WM_HWIN hObj, U16 ItemId) {
  _ByIdLocked(hObj, ItemId, [&](WM_HWIN hMenu, int Index) {
    GUI_ARRAY_DeleteItem(MENU__Obj(hMenu)->hItems, (U32)Index);
    MENU_OBJ* pMenu = MENU__Obj(hMenu);
    if (pMenu->Sel == Index) {
      pMenu->Sel = -1;
    } else if (pMenu->Sel > Index) {
      pMenu->Sel--;
    }
    MENU__Resize(hMenu);
  });
}

void MENU_DisableItem(WM_HWIN hObj, U16 ItemId) {
  _SetItemFlag(hObj, ItemId, MENU_IF_DISABLED, true);
}

void MENU_EnableItem(WM_HWIN hObj, U16 ItemId) {
  _SetItemFlag(hObj, ItemId, MENU_IF_DISABLED, false);
}

void MENU_GetItem(WM_HWIN hObj, U16 ItemId, MENU_ITEM_DATA* pItemData) {
  if (!pItemData) {
    return;
  }
  _ByIdLocked(hObj, ItemId, [&](WM_HWIN hMenu, int Index) {
    MENU_ITEM Item;
    if (MENU__GetItem(hMenu, Index, &Item)) {
      pItemData->Flags = Item.Flags;
      pItemData->Id = Item.Id;
      pItemData->hSubmenu = Item.hSubmenu;
      pItemData->pText = nullptr;
    }
  });
}

void MENU_GetItemText(WM_HWIN hObj, U16 ItemId, char* pBuffer, unsigned BufferSize) {
  if (!pBuffer || !BufferSize) {
    return;
  }
  _ByIdLocked(hObj, ItemId, [&](WM_HWIN hMenu, int Index) {
    MENU_ITEM Item;
    std::string Text;
    if (MENU__GetItem(hMenu, Index, &Item, &Text)) {
      WIDGET__CopyString(Text.c_str(), pBuffer, BufferSize > INT32_MAX ? INT32_MAX : (int)BufferSize);
    }
  });
}

unsigned MENU_GetNumItems(WM_HWIN hObj) {
  WM__LockGuard Lock;
  return _Get(hObj) ? (unsigned)MENU__GetNumItems(hObj) : 0;
}
