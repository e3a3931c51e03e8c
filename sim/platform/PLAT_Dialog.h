// Modal dialogs laid out in dialog units (a quarter of the average character width, an eighth of the character
// height of the dialog's font): static texts, group boxes, push buttons and an icon. The dialog procedure gets
// PLAT_MSG_INITDIALOG before the dialog shows, PLAT_MSG_COMMAND with a button's id when it is pressed, and the
// id 2 when the user closes the dialog or presses Escape. Main thread only.
#pragma once
#include <cstdint>

#include "PLAT_Window.h"

enum {
  PLAT_DLG_STATIC,          // left-aligned text, wrapped
  PLAT_DLG_STATIC_CENTER,   // centred text, wrapped
  PLAT_DLG_GROUPBOX,        // a frame around other items; the text is its title
  PLAT_DLG_BUTTON,
  PLAT_DLG_DEFBUTTON,       // the button that Enter presses
  PLAT_DLG_ICON,            // the template's picture, scaled to the item
};

enum : uint32_t { PLAT_MSG_INITDIALOG = PLAT_MSG_USER + 0x200 };
enum { PLAT_ID_OK = 1, PLAT_ID_CANCEL = 2 };

struct PLAT_DLG_ITEM {
  int Kind;
  uint32_t Id;
  int x, y, xSize, ySize;   // dialog units
  const char* pText;
};

struct PLAT_DLG_TEMPLATE {
  const char* pCaption;
  int xSize, ySize;         // client size in dialog units
  const PLAT_DLG_ITEM* paItem;
  int NumItems;
  const PLAT_DIB* pIcon;    // for PLAT_DLG_ICON items; may be 0
};

extern const char PLAT_DIALOG_CLASS[];   // the class name of every dialog

// Shows the dialog and waits until PLAT_EndDialog; returns the result given there, or -1 when it was not made.
int PLAT_DialogBox(PLAT_HWIN hOwner, const PLAT_DLG_TEMPLATE* pTemplate, PLAT_WINPROC pfDlgProc);
void PLAT_EndDialog(PLAT_HWIN hDlg, int Result);
void PLAT_SetDlgItemText(PLAT_HWIN hDlg, uint32_t Id, const char* s);
int PLAT_GetDlgItemText(PLAT_HWIN hDlg, uint32_t Id, char* pBuffer, int BufferSize);  // bytes; 0 without the item
// The item's rectangle in pixels of the dialog's client area; 1 when there is no such item.
int PLAT_GetDlgItemRect(PLAT_HWIN hDlg, uint32_t Id, int* px, int* py, int* pxSize, int* pySize);

// Test support: the modal dialog open now (0 when none), and a click on one of its buttons.
PLAT_HWIN PLAT_GetActiveDialog(void);
void PLAT_InjectDlgClick(PLAT_HWIN hDlg, uint32_t Id);
