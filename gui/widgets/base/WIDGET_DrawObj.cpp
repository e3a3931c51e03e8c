// Pictures of widgets kept as drawable objects in GUI memory: the widget owns each object it holds.
#include "WIDGET_Type.h"

void WIDGET__SetDrawObj(WM_HWIN hObj, GUI_HMEM* phSlot, GUI_HMEM hDrawObj) {
  if (!phSlot) {
    GUI_ALLOC_Free(hDrawObj); // nobody would own it
    return;
  }
  GUI_HMEM hOld = *phSlot;
  *phSlot = hDrawObj;
  GUI_ALLOC_Free(hOld);
  WM_InvalidateWindow(hObj);
}
