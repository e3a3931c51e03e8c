// The About box: a modal dialog with our logo, the program's title and version, and a short text about it.
#include <cstdio>

#include "PLAT_Dialog.h"
#include "SIM_Frames.h"
#include "SIM_Windows.h"

enum { _ID_TEXT = 1000, _ID_VERSION = 1001, _ID_TITLE = 1002, _ID_NONE = 0xFFFF };

static const PLAT_DLG_ITEM _aItem[] = {
    {PLAT_DLG_ICON, _ID_NONE, 7, 7, 21, 20, nullptr},
    {PLAT_DLG_STATIC, _ID_TITLE, 40, 9, 119, 8, ""},
    {PLAT_DLG_STATIC, _ID_VERSION, 40, 19, 119, 8, ""},
    {PLAT_DLG_DEFBUTTON, PLAT_ID_OK, 178, 7, 32, 14, "OK"},
    {PLAT_DLG_GROUPBOX, _ID_NONE, 7, 33, 203, 58, ""},
    {PLAT_DLG_STATIC_CENTER, _ID_TEXT, 14, 44, 190, 41, ""},
};

const char* SIM_GetAboutText(void) {
  return "Runs the controller's application on this computer: its display, menus and control functions, "
         "with simulated inputs in place of the sensors.";
}

static intptr_t _DlgProcAbout(PLAT_HWIN hDlg, uint32_t Msg, uintptr_t wParam, intptr_t lParam) {
  char acText[64];
  switch (Msg) {
  case PLAT_MSG_INITDIALOG:
    snprintf(acText, sizeof(acText), "\xc3\x9c" "ber %s", SIM_GetAppName());
    PLAT_SetWindowText(hDlg, acText);
    PLAT_SetDlgItemText(hDlg, _ID_TITLE, SIM_GetTitle());
    snprintf(acText, sizeof(acText), "Version: %s", "1.18");
    PLAT_SetDlgItemText(hDlg, _ID_VERSION, acText);
    PLAT_SetDlgItemText(hDlg, _ID_TEXT, SIM_GetAboutText());
    return 1;
  case PLAT_MSG_COMMAND:
    if ((wParam & 0xFFFF) == PLAT_ID_OK || (wParam & 0xFFFF) == PLAT_ID_CANCEL) {
      PLAT_EndDialog(hDlg, int(wParam & 0xFFFF));
      return 1;
    }
    return 0;
  default:
    return 0;
  }
}

int SIM__ShowAbout(PLAT_HWIN hOwner) {
  int xSize, ySize;
  const uint32_t* pLogo = SIM__GetLogo(&xSize, &ySize);
  PLAT_DIB Icon = {pLogo, xSize, ySize, xSize * 4, 32, nullptr};
  PLAT_DLG_TEMPLATE Template = {"About", 217, 98, _aItem, int(sizeof(_aItem) / sizeof(_aItem[0])),
                                pLogo ? &Icon : nullptr};
  return PLAT_DialogBox(hOwner, &Template, _DlgProcAbout);
}
