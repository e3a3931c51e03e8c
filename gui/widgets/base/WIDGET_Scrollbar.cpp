// Attached scroll bars of a widget: shown, hidden or shown while the content does not fit, kept in step with
// the widget's scroll state, and the widget kept in step with a bar the user moved.
#include "WIDGET_Type.h"

WM_HWIN WIDGET__UpdateScrollbar(WM_HWIN hObj, int Vertical, int Mode, const WM_SCROLL_STATE* pState) {
  WM__LockGuard Lock;
  if (!hObj || !WM__IsWindow(hObj)) {
    return 0;
  }
  int On =
      Mode == WIDGET_SCROLLBAR_ON || (Mode == WIDGET_SCROLLBAR_AUTO && pState && pState->NumItems > pState->PageSize);
  // A new bar reports to the widget, whose scroll state may then change and be told to its parent, which
  // may delete the widget.
  WM__WATCH Watch(hObj);
  Vertical ? WM_SetScrollbarV(hObj, On) : WM_SetScrollbarH(hObj, On);
  if (!Watch.Alive()) {
    return 0;
  }
  WM_HWIN hBar = Vertical ? WM_GetScrollbarV(hObj) : WM_GetScrollbarH(hObj);
  if (hBar && pState) {
    WM_SetScrollState(hBar, pState);
  }
  return hBar;
}

bool WIDGET__TakeScrollValue(WM_HWIN hObj, WM_HWIN hSrc, WM_SCROLL_STATE* pV, WM_SCROLL_STATE* pH) {
  int Id = WM_GetId(hSrc);
  if (Id != GUI_ID_VSCROLL && Id != GUI_ID_HSCROLL) {
    return false;
  }
  WM_SCROLL_STATE s = {};
  WM_GetScrollState(hSrc, &s);
  (Id == GUI_ID_VSCROLL ? pV : pH)->Value = s.Value;
  WM_InvalidateWindow(hObj);
  WIDGET__NotifyParent(hObj, WM_NOTIFICATION_SCROLL_CHANGED);
  return true;
}
