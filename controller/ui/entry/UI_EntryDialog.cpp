// The dialog window of the modal entry screens.
#include "UI_EntryDialog.h"

#include "GUI.h"
#include "GUI_MEMDEV.h"
#include "UI_Background.h"
#include "UI_Carrier.h"
#include "UI_Draw.h"
#include "UI_GraphicsCache.h"
#include "UI_Main.h"

WM_HWIN UI_NewEntryDialog(WM_CALLBACK* cb, int NumExtraBytes) {
  if (UI_hEntryDialog && WM_IsWindow(UI_hEntryDialog)) {
    WM_HWIN hOld = UI_hEntryDialog, hOldCarrier = WM_GetParent(hOld);
    WM_DeleteWindow(hOld);  // first, so that it still knows itself as the open dialog and gives its buttons back
    UI_hEntryDialog = 0;    // gone: the carrier's closing must not ask about it
    // Its carrier goes as well: left behind it would lie over the screen and swallow the touches.
    if (hOldCarrier && WM_GetCallback(hOldCarrier) == UI_ScreenShieldCallback) {
      WM_SendMessageNoPara(hOldCarrier, UI_MSG_CLOSED);
    }
  }
  UI_hEntryDialog = 0;
  WM_HWIN hCarrier = UI_CreateCarrier();
  if (!hCarrier) return 0;
  int y = (WM_IsVisible(UI_hMainWin) && UI_IsDesignLayout()) ? 25 : 40;
  WM_HWIN hWin = WM_CreateWindowAsChild(10, y, UI_ENTRY_DIALOG_W, UI_ENTRY_DIALOG_H, hCarrier, WM_CF_STAYONTOP, cb,
                                        NumExtraBytes);
  if (!hWin) {
    WM_SendMessageNoPara(hCarrier, UI_MSG_CLOSED);
    return 0;
  }
  UI_hEntryDialog = hWin;
  return hWin;
}

void UI_DrawEntryDialogBackground(void) {
  GUI_HMEM hBg = WM_IsVisible(UI_hMainWin) ? UI_hMemdevDialogBgDesign : UI_hMemdevDialogBg;
  if (hBg) {
    UI_DrawCached(hBg, 0, 0);
  } else {
    GUI_SetBkColor(0xE0E0E0);
    GUI_Clear();
  }
}

void UI_DrawEntryTitleRule(void) {
  if (!(WM_IsVisible(UI_hMainWin) ? UI_hMemdevDialogBgDesign : UI_hMemdevDialogBg)) return;
  GUI_SetColor(0xC3BAB0);
  GUI_DrawHLine(34, 8, 403);
}

void UI_DrawEntryKey(GUI_HMEM hPicture, const int16_t* r) {
  if (!hPicture) {
    GUI_SetColor(0x707070);
    GUI_FillRoundedRect(r[0], r[1], r[2], r[3], 4);
    return;
  }
  UI_DrawCached(hPicture, r[0], r[1]);
  GUI_RECT Key = {r[0], r[1], I16(r[0] + GUI_MEMDEV_GetXSize(hPicture) - 1),
                  I16(r[1] + GUI_MEMDEV_GetYSize(hPicture) - 1)};
  UI_RenderCornerMask(&Key, UI_ScreenBgPixel);
}

void UI_CloseEntryDialog(WM_HWIN hWin, UI_SIDE_BUTTON_SAVE* pSideButtons) {
  UI_GiveSideButtons(pSideButtons);
  if (UI_hEntryDialog == hWin) UI_hEntryDialog = 0;
  WM_HWIN hParent = WM_GetParent(hWin);
  if (hParent) {
    WM_SendMessageNoPara(hParent, UI_MSG_CLOSED);
  } else {
    WM_DeleteWindow(hWin);
  }
}
