// The progress dialog: follows a transfer to another node once a second (CAN_FirmwareProgress) with a bar and
// its percentage; OK becomes active when the transfer is complete, Cancel when it failed.
#include <cstdio>
#include <cstring>

#include "CAN_Node.h"
#include "GUI.h"
#include "UI_Dialog.h"
#include "UI_Draw.h"
#include "UI_EntryDialog.h"
#include "UI_Main.h"

namespace {

enum { _TIMER_ID = 1, _BAR_W = 300, _BAR_Y = 80, _BAR_H = 30, _ERROR_Y = 140 };
const GUI_COLOR _BAR_TOP = 0x30AA30, _BAR_BOTTOM = 0x60DD30;

void _GetInfo(WM_HWIN hWin, UI_ProgressInfo* p) {
  memset(p, 0, sizeof(*p));
  if (WM_GetUserData(hWin, p, sizeof(*p)) < int(sizeof(*p))) memset(p, 0, sizeof(*p));
}

// The progress as the dialog shows it: any negative value is a failure, nothing runs past 100.
int _Progress(void) {
  int32_t P = CAN_FirmwareProgress;
  return P < 0 ? -1 : P > 100 ? 100 : int(P);
}

void _Opened(WM_HWIN hWin, const UI_ProgressInfo* p) {
  WM_CreateTimer(hWin, _TIMER_ID, UI_PROGRESS_PERIOD_MS);
  UI__DialogTakeSides(p->Flags & UI_PROGRESS_CANCEL, p->Flags & UI_PROGRESS_OK);
  WM_ShowWindow(hWin);
  WM_BringToTop(hWin);
  WM_InvalidateWindow(hWin);
}

void _Poll(WM_HWIN hWin) {
  int P = _Progress();
  if (P < 0) UI__DialogSetSide(UI_hHomeButton, 1);
  if (P == 100) UI__DialogSetSide(UI_hBackButton, 1);
  WM_InvalidateWindow(hWin);
}

void _Paint(WM_HWIN hWin, const UI_ProgressInfo* p) {
  UI_DrawEntryDialogBackground();
  UI__DialogTitle(p->pTitle);
  int xm = WM_GetWindowSizeX(hWin) / 2;
  int x0 = xm - _BAR_W / 2;
  int P = _Progress();
  GUI_SetColor(GUI_BLACK);
  GUI_DrawRoundedRect(x0, _BAR_Y, x0 + _BAR_W - 1, _BAR_Y + _BAR_H - 1, 4);
  if (P > 0) UI_DrawTwoToneButton(x0, _BAR_Y, _BAR_W * P / 100, _BAR_H, _BAR_TOP, _BAR_BOTTOM);
  GUI_SetColor(GUI_BLACK);
  GUI_SetTextMode(GUI_TM_TRANS);
  if (P < 0) {
    GUI_SetFont(&UI_Font15B);
    GUI_GotoXY(xm, _ERROR_Y);
    UI_DrawWordWrappedCentred(u"ERROR!", _BAR_W, 0, 0);
    return;
  }
  char ac[8];
  snprintf(ac, sizeof(ac), "%d %%", P);
  GUI_SetFont(&UI_Font15);
  GUI_RECT r = {I16(x0), I16(_BAR_Y), I16(x0 + _BAR_W - 1), I16(_BAR_Y + _BAR_H - 1)};
  GUI_DispStringInRect(ac, &r, GUI_TA_HCENTER | GUI_TA_VCENTER);
}

void _Close(WM_HWIN hWin, const UI_ProgressInfo* p) {
  UI__DialogClose(hWin);
  UI_SendResult(p->Receiver, UI_MSG_DIALOG_RESULT, UI_PROGRESS_SOURCE, 0);
}

}  // namespace

void UI_ProgressDialogCallback(WM_MESSAGE* pMsg) {
  WM_HWIN hWin = pMsg->hWin;
  UI_ProgressInfo Info;
  _GetInfo(hWin, &Info);
  switch (pMsg->MsgId) {
    case UI_MSG_OPENED: _Opened(hWin, &Info); break;
    case WM_TIMER:
      WM_RestartTimer(WM_HTIMER(pMsg->Data.v), UI_PROGRESS_PERIOD_MS);
      WM_SendMessageNoPara(hWin, UI_MSG_LOAD);
      break;
    case UI_MSG_LOAD: _Poll(hWin); break;
    case WM_PAINT: _Paint(hWin, &Info); break;
    case UI_MSG_BACK:
    case UI_MSG_HOME:
    case UI_MSG_CLOSED: _Close(hWin, &Info); break;
    case UI_MSG_REFRESH:
    case UI_MSG_LOADED: break;
    default: UI__DialogDefault(pMsg);
  }
}

WM_HWIN UI_CreateProgressDialog(WM_HWIN hReceiver, const UI_ProgressInfo* pInfo) {
  if (!pInfo) return 0;
  UI_ProgressInfo Info = *pInfo;
  if (hReceiver) Info.Receiver = hReceiver;
  return UI__DialogOpen(UI_ProgressDialogCallback, &Info, sizeof(Info));
}
