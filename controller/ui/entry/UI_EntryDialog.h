// The dialog window of the modal entry screens (keypad, keyboard, bit selection): a 412x224 window on a new
// carrier, its prerendered background, the hit test of its keys and its closing. Only one entry dialog exists
// at a time (UI_hEntryDialog).
#pragma once
#include <cstdint>

#include "GUI.h"
#include "UI_EntryDispatch.h"
#include "WM.h"

enum { UI_ENTRY_DIALOG_W = 412, UI_ENTRY_DIALOG_H = 224 };

// Deletes the open entry dialog, puts a new carrier on the desktop and the dialog on it (stay on top, not yet
// visible) at (10, 25) in the design layout of the main window, else at (10, 40), with NumExtraBytes of user
// data; it becomes UI_hEntryDialog. 0 (and no carrier is left) when a window could not be made. The caller
// fills the user data and sends UI_MSG_OPENED.
WM_HWIN UI_NewEntryDialog(WM_CALLBACK* cb, int NumExtraBytes);
// The cached dialog background of the shown layout at 0,0 of the selected window (plain grey without the cache).
void UI_DrawEntryDialogBackground(void);
// The thin rule under the keypad's title line, drawn over the dialog picture (nothing without the picture).
void UI_DrawEntryTitleRule(void);
// A key from its cached picture at the key rectangle's corner {x0, y0, x1, y1}, its square corners rounded
// against the screen's background; a plain grey rounded key over the rectangle without the picture.
void UI_DrawEntryKey(GUI_HMEM hPicture, const int16_t* r);
// Whether x, y lies strictly inside a key rectangle {x0, y0, x1, y1}.
inline int UI_PointOnKey(const int16_t* r, int x, int y) { return x > r[0] && x < r[2] && y > r[1] && y < r[3]; }
// Gives the side buttons back and closes the dialog with its carrier; UI_hEntryDialog is cleared when it is
// this dialog.
void UI_CloseEntryDialog(WM_HWIN hWin, UI_SIDE_BUTTON_SAVE* pSideButtons);
