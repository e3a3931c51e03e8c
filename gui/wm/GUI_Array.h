// Growable array of items in GUI memory: each item is a block of its own, reached through a table of
// handles. Items move with the heap; a pointer to one is valid only while the item is locked.
#pragma once
#include "GUI.h"

typedef GUI_HMEM GUI_ARRAY;

// The array record behind a GUI_ARRAY handle.
struct GUI_ARRAY_OBJ {
  U16 NumItems;
  GUI_HMEM hTable; // one GUI_HMEM per item, 0 = blank item, then spare slots of 0; 0 while there is no table
};

GUI_ARRAY GUI_ARRAY_Create(void);
void GUI_ARRAY_Delete(GUI_ARRAY hArray);
int GUI_ARRAY_GetNumItems(GUI_ARRAY hArray);
int GUI_ARRAY_AddItem(GUI_ARRAY hArray, const void* pNew, int Len); // 0 success, 1 failure
bool GUI_ARRAY_InsertBlankItem(GUI_ARRAY hArray, U32 Index);
GUI_HMEM GUI_ARRAY_InsertItem(GUI_ARRAY hArray, U32 Index, int Len);
GUI_HMEM GUI_ARRAY_SetItem(GUI_ARRAY hArray, U32 Index, const void* pData, int Len);
void GUI_ARRAY_DeleteItem(GUI_ARRAY hArray, U32 Index);
GUI_HMEM GUI_ARRAY_GethItem(GUI_ARRAY hArray, U32 Index);
void* GUI_ARRAY_GetpItemLocked(GUI_ARRAY hArray, U32 Index);  // unlock with GUI_ALLOC_UnlockH
void* GUI_ARRAY_ResizeItemLocked(GUI_ARRAY hArray, U32 Index, int Len);
// The same on a record the caller has locked.
GUI_HMEM GUI_ARRAY__GethItem(const GUI_ARRAY_OBJ* pThis, U32 Index);
void* GUI_ARRAY__GetpItemLocked(const GUI_ARRAY_OBJ* pThis, U32 Index);
int GUI_ARRAY__SethItem(GUI_ARRAY_OBJ* pThis, U32 Index, GUI_HMEM hItem); // 0 done, 1 out of range
