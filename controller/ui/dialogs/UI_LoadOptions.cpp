// The options of loading function data: for output meter readings, function meter readings and the heat
// meters' calibration values the user picks "Retain", "Reset" or "Load function data"; OK sends the three
// choices packed into one word (row 0 in bits 0-7, row 1 in bits 8-15, row 2 in bits 16-23).
#include <cstring>

#include "GUI.h"
#include "TXT_Current.h"
#include "UI_Dialog.h"
#include "UI_Draw.h"
#include "UI_EntryDialog.h"
#include "UI_Main.h"

namespace {

enum { _CHOICES = 3, _BOX_Y = 18 };

const char16_t* _apChoices[_CHOICES];
UI_ItemTexts _Choices = {_apChoices, _CHOICES};

WM_HWIN _Receiver(WM_HWIN hWin) {
  UI_LoadOptionsInfo Info = {};
  WM_GetUserData(hWin, &Info, sizeof(Info));
  return Info.Receiver;
}

int _RowNumber(WM_HWIN hRow) {
  int32_t n = 0;
  WM_GetUserData(hRow, &n, sizeof(n));
  return n;
}

void _Opened(WM_HWIN hWin) {
  for (int i = 0; i < _CHOICES; i++) _apChoices[i] = TXT_GetText(UI_GROUP_LOAD_CHOICES, i);  // the current language
  UI__DialogTakeSides(1, 1);
  WM_ShowWindow(hWin);
  WM_BringToTop(hWin);
  WM_HWIN ahRow[UI_LOAD_ROWS] = {};
  for (int32_t i = 0; i < UI_LOAD_ROWS; i++) {
    ahRow[i] = WM_CreateWindowAsChild(0, 0, WM_GetWindowSizeX(hWin), UI_LOAD_ROW_H, hWin,
                                      WM_CF_SHOW | WM_CF_HASTRANS, UI_LoadOptionRowCallback, sizeof(i));
    if (!ahRow[i]) continue;
    WM_SetUserData(ahRow[i], &i, sizeof(i));
    WM_SendMessageNoPara(ahRow[i], UI_MSG_OPENED);
  }
  for (int i = 0; i < UI_LOAD_ROWS; i++) {
    if (ahRow[i]) UI__DialogPlaceChild(ahRow[i], UI_LOAD_ROW_Y + UI_LOAD_ROW_H * i);
  }
  WM_InvalidateWindow(hWin);
}

// OK: the choices of the rows in row order; the dialog closes before the receiver starts the load.
void _Ok(WM_HWIN hWin) {
  uint32_t Result = 0;
  for (WM_HWIN hRow = WM_GetFirstChild(hWin); hRow; hRow = WM_GetNextSibling(hRow)) {
    int n = _RowNumber(hRow);
    if (WM_GetCallback(hRow) != UI_LoadOptionRowCallback || n < 0 || n >= UI_LOAD_ROWS) continue;
    Result |= (UI_ChoiceBoxIndex(WM_GetFirstChild(hRow)) & 0xFF) << (8 * n);
  }
  WM_HWIN hReceiver = _Receiver(hWin);
  WM_SendMessageNoPara(hWin, UI_MSG_CLOSED);
  UI_SendResult(hReceiver, UI_MSG_DIALOG_RESULT, UI_MSG_CONFIRMED, intptr_t(Result));
}

}  // namespace

void UI_LoadOptionsCallback(WM_MESSAGE* pMsg) {
  WM_HWIN hWin = pMsg->hWin;
  switch (pMsg->MsgId) {
    case UI_MSG_OPENED: _Opened(hWin); break;
    case WM_PAINT: UI_DrawEntryDialogBackground(); break;
    case UI_MSG_BACK: _Ok(hWin); break;
    case UI_MSG_HOME: WM_SendMessageNoPara(hWin, UI_MSG_CLOSED); break;
    case UI_MSG_CLOSED:
      if (WM_IsWindow(hWin)) UI__DialogClose(hWin);
      break;
    default: UI__DialogDefault(pMsg);
  }
}

void UI_LoadOptionRowCallback(WM_MESSAGE* pMsg) {
  WM_HWIN hWin = pMsg->hWin;
  switch (pMsg->MsgId) {
    case UI_MSG_OPENED:
      UI_CreateChoiceBox(hWin, WM_GetWindowSizeX(hWin) / 2 - UI_CHOICE_BOX_W / 2, _BOX_Y, 0, &_Choices);
      WM_InvalidateWindow(hWin);
      break;
    case WM_PAINT:
      GUI_SetColor(GUI_BLACK);
      GUI_SetFont(&UI_Font15);
      GUI_SetTextMode(GUI_TM_TRANS);
      GUI_GotoXY(206, 0);
      UI_DrawWordWrappedCentred(TXT_GetText(UI_GROUP_LOAD_ROWS, _RowNumber(hWin)), 392, 0, 0);
      break;
    default: UI__DialogDefault(pMsg);
  }
}

WM_HWIN UI_CreateLoadOptions(WM_HWIN hReceiver, const UI_LoadOptionsInfo* pInfo) {
  UI_LoadOptionsInfo Info = {};
  if (pInfo) Info = *pInfo;
  if (hReceiver) Info.Receiver = hReceiver;
  return UI__DialogOpen(UI_LoadOptionsCallback, &Info, sizeof(Info));
}
