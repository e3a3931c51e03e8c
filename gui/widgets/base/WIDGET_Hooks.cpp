// The widget collection's hooks in the window manager: windows asking for a scroll bar get a real one, and
// widgets whose parent has no background use the dialog colour. Installed by every widget creation and every
// dialog, so that a window manager without widgets keeps its plain answers.
#include "DIALOG.h"
#include "SCROLLBAR.h"
#include "WIDGET_Type.h"

static WM_HWIN _CreateAttached(WM_HWIN hParent, int Flags) {
  return SCROLLBAR_CreateAttached(hParent, Flags);
}

static const WM_WIDGET_API _API = {_CreateAttached, DIALOG_GetBkColor};

void WIDGET__InstallHooks(void) {
  WM__SetWidgetAPI(&_API);
}
