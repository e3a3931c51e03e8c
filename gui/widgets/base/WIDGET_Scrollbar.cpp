// Attached scroll bars of a widget: shown, hidden or shown while the content does not fit, and kept in step
// with the widget's scroll state.
#include "WIDGET_Type.h"

WM_HWIN WIDGET__UpdateScrollbar(WM_HWIN hObj, int Vertical, int Mode, const WM_SCROLL_STATE* pState) {
  WM__LockGuard Lock;
  if (!hObj || !WM__IsWindow(hObj)) {
    return 0;
  }
  int On =
      Mode == WIDGET_SCROLLBAR_ON || (Mode == WIDGET_SCROLLBAR_AUTO && pState && pState->NumItems > pState->PageSize);
  Vertical ? WM_SetScrollbarV(hObj, On) : WM_SetScrollbarH(hObj, On);
  WM_HWIN hBar = Vertical ? WM_GetScrollbarV(hObj) : WM_GetScrollbarH(hObj);
  if (hBar && pState) {
    WM_SetScrollState(hBar, pState);
  }
  return hBar;
}
