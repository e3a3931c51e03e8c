// Dialogs: creation from a table of create records, the modal loop and its end. The status record lives on
// the modal loop's stack; the dialog window holds its address until the dialog is ended.
#include "DIALOG.h"

#include "GUI_Timer.h"

static GUI_COLOR _BkColor = 0xC0C0C0;

// An ended dialog's window points here until it is deleted: the modal loop's record has left the stack by
// then, and a second end on the same handle must not write into it.
static GUI_DIALOG_STATUS _Ended = {1, 0};

GUI_COLOR DIALOG_GetBkColor(void) {
  return _BkColor;
}

GUI_COLOR DIALOG_SetBkColor(GUI_COLOR Color) {
  WM__LockGuard Lock;
  WIDGET__InstallHooks();
  GUI_COLOR Old = _BkColor;
  _BkColor = Color;
  return Old;
}

GUI_DIALOG_STATUS* GUI__GetDialogStatus(WM_HWIN hDialog) {
  WM_MESSAGE Msg = {};
  Msg.MsgId = WM_DIALOG_STATUS;
  Msg.Data.p = nullptr;
  WM_SendMessage(hDialog, &Msg);
  return (GUI_DIALOG_STATUS*)Msg.Data.p;
}

void GUI__SetDialogStatus(WM_HWIN hDialog, GUI_DIALOG_STATUS* pStatus) {
  WM_MESSAGE Msg = {};
  Msg.MsgId = WM_DIALOG_STATUS;
  Msg.Data.p = pStatus;
  WM_SendMessage(hDialog, &Msg);
}

// The focus stays where it is when it already lies inside the dialog; otherwise its first focusable child
// takes it.
static void _SetInitialFocus(WM_HWIN hDialog) {
  for (WM_HWIN h = WM_GetFocusWindow(); h; h = WM_GetParent(h)) {
    if (h == hDialog) {
      return;
    }
  }
  WM_SetFocusOnNextChild(hDialog);
}

WM_HWIN GUI_CreateDialogBox(const WIDGET_CREATE_INFO* paWidget, int NumWidgets, WM_CALLBACK* cb, WM_HWIN hParent,
                            int x0, int y0) {
  WM__LockGuard Lock;
  WIDGET__InstallHooks();
  if (!paWidget || NumWidgets < 1 || !paWidget->pfCreateIndirect) {
    return 0;
  }
  if (!hParent) {
    hParent = WM_GetDesktopWindow();
  }
  WM_HWIN hDialog = paWidget->pfCreateIndirect(paWidget, hParent, x0, y0, cb);
  if (!hDialog) {
    return 0;
  }
  WM_HWIN hClient = WM_GetClientWindow(hDialog);
  WIDGET_OrState(hDialog, paWidget->Flags);
  WM_ShowWindow(hDialog);
  WM_ShowWindow(hClient);
  for (int i = 1; i < NumWidgets; i++) {
    const WIDGET_CREATE_INFO* pInfo = &paWidget[i];
    WM_HWIN hItem = pInfo->pfCreateIndirect ? pInfo->pfCreateIndirect(pInfo, hClient, 0, 0, nullptr) : 0;
    if (!hItem) {
      WM_DeleteWindow(hDialog);
      return 0;
    }
    WM_ShowWindow(hItem);
  }
  // The dialog procedure may delete the dialog on WM_INIT_DIALOG (and make another window, which may get its
  // handle); the focus may have it deleted, too.
  WM__WATCH Watch(hDialog);
  WM_SendMessageNoPara(hClient, WM_INIT_DIALOG);
  if (hParent != (WM_HWIN)-1 && Watch.Alive()) {
    _SetInitialFocus(hDialog);
  }
  return Watch.Alive() ? hDialog : 0;
}

int GUI_ExecCreatedDialog(WM_HWIN hDialog) {
  GUI_DIALOG_STATUS Status = {0, 0};
  // The loop also ends when the dialog window disappears without an end (deleted, or ended before the loop
  // began): nobody could end it any more. The critical handle is cleared when the window is deleted.
  WM_CRITICAL_HANDLE Dialog = {nullptr, 0};
  GUI_Lock();
  int IsWindow = hDialog && WM__IsWindow(hDialog);
  if (IsWindow) {
    Dialog.hWin = hDialog;
    WM__AddCriticalHandle(&Dialog);
    GUI__SetDialogStatus(hDialog, &Status);
  }
  GUI_Unlock();
  if (!IsWindow) {
    return -1;
  }
  // Done and the handle are written under the lock, possibly by another task: read them under it too.
  auto Running = [&] {
    GUI_Lock();
    bool r = !Status.Done && Dialog.hWin;
    GUI_Unlock();
    return r;
  };
  while (Running()) {
    if (!GUI_Exec() && Running()) {
      GUI_WaitEvent();
    }
  }
  GUI_Lock();
  WM__RemoveCriticalHandle(&Dialog);
  GUI_Unlock();
  return Status.ReturnValue;
}

int GUI_ExecDialogBox(const WIDGET_CREATE_INFO* paWidget, int NumWidgets, WM_CALLBACK* cb, WM_HWIN hParent,
                      int x0, int y0) {
  WM_HWIN hDialog = GUI_CreateDialogBox(paWidget, NumWidgets, cb, hParent, x0, y0);
  return hDialog ? GUI_ExecCreatedDialog(hDialog) : -1;
}

void GUI_EndDialog(WM_HWIN hDialog, int r) {
  WM__LockGuard Lock;
  if (!hDialog || !WM__IsWindow(hDialog)) {
    return;
  }
  GUI_DIALOG_STATUS* pStatus = GUI__GetDialogStatus(hDialog);
  if (pStatus) {
    pStatus->ReturnValue = r;
    pStatus->Done = 1;
    GUI__SetDialogStatus(hDialog, &_Ended);
  }
  WM__MarkForDeletion(hDialog);
  GUI_SignalEvent(); // a loop waiting in another task wakes and sees Done

}
