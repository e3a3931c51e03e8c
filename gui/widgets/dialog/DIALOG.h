// Dialogs: a table of create records builds a dialog window (the first record, a WINDOW or a frame window)
// and its items; a dialog may run modally in the calling task until GUI_EndDialog hands back a value through
// the status record that the dialog window keeps.
#pragma once
#include "WIDGET_Type.h"

struct GUI_DIALOG_STATUS {
  I32 Done;        // 0 while the dialog runs, 1 once ended
  I32 ReturnValue; // the value given to GUI_EndDialog
};

// Builds the dialog and returns at once; 0 when the window or any item cannot be made (nothing is left).
// hParent 0 is the desktop; -1 leaves the dialog unattached and the focus where it is.
WM_HWIN GUI_CreateDialogBox(const WIDGET_CREATE_INFO* paWidget, int NumWidgets, WM_CALLBACK* cb, WM_HWIN hParent,
                            int x0, int y0);
// GUI_CreateDialogBox, then the modal loop; a dialog that could not be built answers -1.
int GUI_ExecDialogBox(const WIDGET_CREATE_INFO* paWidget, int NumWidgets, WM_CALLBACK* cb, WM_HWIN hParent,
                      int x0, int y0);
// Runs timers, messages and repaints until the dialog is ended, waiting with the GUI lock released while
// nothing is to do; -> the value passed to GUI_EndDialog. A handle that is not a window answers -1 at once.
int GUI_ExecCreatedDialog(WM_HWIN hDialog);
// Hands r to a waiting modal loop and marks the dialog for deletion (deleted by the next window-manager pass,
// so it may be called from the dialog's own callbacks). A handle that is no longer a window is ignored.
void GUI_EndDialog(WM_HWIN hDialog, int r);

GUI_DIALOG_STATUS* GUI__GetDialogStatus(WM_HWIN hDialog);
void GUI__SetDialogStatus(WM_HWIN hDialog, GUI_DIALOG_STATUS* pStatus);

// The background of widgets whose parent has none (0xC0C0C0 at start).
GUI_COLOR DIALOG_GetBkColor(void);
GUI_COLOR DIALOG_SetBkColor(GUI_COLOR Color); // -> the previous colour

// Position and size of a dialog that asks for the defaults: a size below 1 becomes half the display's, a
// position below 0 centres the dialog on the display.
void GUI__DialogDefaultRect(int* px0, int* py0, int* pxSize, int* pySize);
