// The confirmation dialog: a title of text group 69, a red message or a choice box below it, OK and Cancel on
// the side buttons (either may be inactive).
#include <cstring>

#include "GUI.h"
#include "TXT_Current.h"
#include "UI_Dialog.h"
#include "UI_Draw.h"
#include "UI_EntryDialog.h"
#include "UI_Main.h"

namespace {

// The record; one that did not arrive whole counts as all flags set: no title, both buttons inactive.
void _GetInfo(WM_HWIN hWin, UI_ConfirmInfo* p) {
  memset(p, 0, sizeof(*p));
  if (WM_GetUserData(hWin, p, sizeof(*p)) < int(sizeof(*p))) {
    memset(p, 0, sizeof(*p));
    p->Flags = UI_CONFIRM_UNREAD;
  }
}

void _Opened(WM_HWIN hWin, const UI_ConfirmInfo* p) {
  UI_ScreenFlags |= UI_SCREEN_NO_HOME;
  UI__DialogTakeSides(!(p->Flags & UI_CONFIRM_NO_CANCEL), !(p->Flags & UI_CONFIRM_NO_OK));
  WM_ShowWindow(hWin);
  WM_BringToTop(hWin);
  if (p->pChoices) {
    UI_CreateChoiceBox(hWin, WM_GetWindowSizeX(hWin) / 2 - UI_CHOICE_BOX_W / 2, 0, uint32_t(p->Initial),
                       p->pChoices);
  }
  WM_InvalidateWindow(hWin);
}

void _Paint(WM_HWIN hWin, const UI_ConfirmInfo* p) {
  UI_DrawEntryDialogBackground();
  GUI_SetFont(&UI_Font24);
  int HasTitle = !(p->Flags & UI_CONFIRM_NO_TITLE);
  int y = UI__DialogTitle(HasTitle ? TXT_GetText(UI_GROUP_DIALOG_TITLES, p->TextIndex) : nullptr);
  if (p->pChoices) {
    UI__DialogPlaceChild(WM_GetFirstChild(hWin), y);
  } else if (p->pMessage && HasTitle) {
    UI__DialogQuoted(p->pMessage, y);
  } else if (p->pMessage) {
    GUI_SetColor(0x0000FF);
    GUI_SetTextMode(GUI_TM_TRANS);
    GUI_GotoXY(206, 20);
    UI_DrawWordWrappedCentred(p->pMessage, 392, 0, 0);
  }
}

// OK or Cancel: the dialog closes before the receiver hears of it, so that the receiver may open the next one.
void _Answer(WM_HWIN hWin, const UI_ConfirmInfo* p, int MsgId) {
  intptr_t v = p->pChoices ? intptr_t(UI_ChoiceBoxIndex(WM_GetFirstChild(hWin))) : intptr_t(p->Value);
  if (WM_IsWindow(hWin)) UI__DialogClose(hWin);
  UI_SendResult(p->Receiver, MsgId, uint32_t(uint16_t(p->TextIndex)), v);
}

}  // namespace

void UI_ConfirmDialogCallback(WM_MESSAGE* pMsg) {
  WM_HWIN hWin = pMsg->hWin;
  UI_ConfirmInfo Info;
  _GetInfo(hWin, &Info);
  switch (pMsg->MsgId) {
    case UI_MSG_OPENED: _Opened(hWin, &Info); break;
    case WM_PAINT: _Paint(hWin, &Info); break;
    case UI_MSG_BACK: _Answer(hWin, &Info, UI_MSG_CONFIRMED); break;
    case UI_MSG_HOME: _Answer(hWin, &Info, UI_MSG_HOME); break;
    case UI_MSG_CLOSED: WM_SendMessageNoPara(hWin, UI_MSG_HOME); break;
    default: UI__DialogDefault(pMsg);
  }
}

WM_HWIN UI_CreateConfirmDialog(WM_HWIN hReceiver, const UI_ConfirmInfo* pInfo) {
  if (!pInfo) return 0;
  UI_ConfirmInfo Info = *pInfo;
  if (hReceiver) Info.Receiver = hReceiver;
  return UI__DialogOpen(UI_ConfirmDialogCallback, &Info, sizeof(Info));
}
