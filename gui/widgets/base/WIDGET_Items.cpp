// Item lists of widgets over GUI_ARRAY: one 8-bit text per item, a blank item standing for an empty text.
// Every index is checked against the list; what lies outside is refused, never written.
#include <cstring>

#include "WIDGET_Type.h"

GUI_ARRAY WIDGET__CreateItems(int NumItems) {
  WM__LockGuard Lock;
  GUI_ARRAY hItems = GUI_ARRAY_Create();
  if (!hItems) {
    return 0;
  }
  for (int i = 0; i < NumItems; i++) {
    if (GUI_ARRAY_AddItem(hItems, nullptr, 0)) {
      GUI_ARRAY_Delete(hItems);
      return 0;
    }
  }
  return hItems;
}

static bool _IsIndex(GUI_ARRAY hItems, int Index) {
  return hItems && Index >= 0 && Index < GUI_ARRAY_GetNumItems(hItems);
}

int WIDGET__SetItemText(GUI_ARRAY hItems, int Index, const char* pText) {
  WM__LockGuard Lock;
  if (!_IsIndex(hItems, Index)) {
    return 1;
  }
  int Len = (pText && *pText) ? (int)strlen(pText) + 1 : 0;
  if (!Len) {
    GUI_ARRAY__SethItem((GUI_ARRAY_OBJ*)GUI_ALLOC_h2p(hItems), (U32)Index, 0); // frees the old text
    return 0;
  }
  return GUI_ARRAY_SetItem(hItems, (U32)Index, pText, Len) ? 0 : 1;
}

const char* WIDGET__ItemText(GUI_ARRAY hItems, int Index, char* pBuffer, int MaxLen) {
  WIDGET__GetItemText(hItems, Index, pBuffer, MaxLen);
  return pBuffer;
}

int WIDGET__GetItemText(GUI_ARRAY hItems, int Index, char* pBuffer, int MaxLen) {
  WM__LockGuard Lock;
  if (!pBuffer || MaxLen < 1) {
    return 0;
  }
  pBuffer[0] = 0;
  if (!_IsIndex(hItems, Index)) {
    return 0;
  }
  return WIDGET__CopyText(GUI_ARRAY_GethItem(hItems, (U32)Index), pBuffer, MaxLen);
}
