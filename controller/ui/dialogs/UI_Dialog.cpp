// What the small dialogs share: the side buttons while one is open, its closing, its title and quoted text.
#include "UI_Dialog.h"

#include "GUI.h"
#include "UI_Draw.h"
#include "UI_EntryDialog.h"
#include "UI_Main.h"
#include "UI_SelectList.h"

namespace {

enum { _TEXT_X = 206, _TEXT_Y = 20, _TEXT_W = 392, _GAP = 34, _LIST_MARGIN = 6 };
const GUI_COLOR _BOX_TOP = 0xE8CFB5, _BOX_BOTTOM = 0xD2B599;

UI_SIDE_BUTTON_SAVE _Sides;
int _Taken;

// The record UI_CloseEntryDialog takes when the buttons were never taken: nothing to give back or hide.
UI_SIDE_BUTTON_SAVE _NoSides(void) {
  UI_SIDE_BUTTON_SAVE s = {};
  s.HomeVisible = 1;
  return s;
}

}  // namespace

void UI__DialogSetSide(WM_HWIN hButton, int Active) {
  if (hButton) WM_SetCallback(hButton, Active ? UI_SideButtonForwardCallback : UI_SideButtonInactiveCallback);
}

void UI__DialogTakeSides(int HomeActive, int BackActive) {
  if (_Taken) UI_GiveSideButtons(&_Sides);  // a dialog that left without closing: its buttons go back first
  UI_TakeSideButtons(&_Sides, 1);
  _Taken = 1;
  UI__DialogSetSide(UI_hHomeButton, HomeActive);
  UI__DialogSetSide(UI_hBackButton, BackActive);
}

void UI__DialogClose(WM_HWIN hWin) {
  UI_ScreenFlags &= ~UI_SCREEN_NO_HOME;
  if (_Taken) {
    _Taken = 0;
    UI_CloseEntryDialog(hWin, &_Sides);
  } else {
    UI_SIDE_BUTTON_SAVE s = _NoSides();
    UI_CloseEntryDialog(hWin, &s);
  }
}

void UI__DialogDeleted(WM_HWIN hWin) {
  if (UI_hEntryDialog != hWin) return;  // closed the ordinary way
  UI_hEntryDialog = 0;
  UI_ScreenFlags &= ~UI_SCREEN_NO_HOME;
  if (_Taken) {
    _Taken = 0;
    UI_GiveSideButtons(&_Sides);
  }
}

int UI__DialogTitle(const char16_t* s) {
  if (!s) return _TEXT_Y;
  GUI_SetColor(GUI_BLACK);
  GUI_SetFont(&UI_Font24);
  GUI_SetTextMode(GUI_TM_TRANS);
  GUI_GotoXY(_TEXT_X, _TEXT_Y);
  UI_DrawWordWrappedCentred(s, _TEXT_W, 0, 0);
  return GUI_GetDispPosY() + _GAP;
}

int UI__DialogQuoted(const char16_t* s, int y) {
  if (!s) return y;
  GUI_SetColor(0x0000FF);
  GUI_SetTextMode(GUI_TM_TRANS);
  GUI_GotoXY(_TEXT_X, y);
  UI_DrawWordWrappedCentred(s, _TEXT_W, u'"', u'"');
  int yNext = GUI_GetDispPosY() + _GAP;
  GUI_SetColor(GUI_BLACK);
  return yNext;
}

void UI__DialogPlaceChild(WM_HWIN hChild, int y) {
  WM_HWIN hParent = WM_GetParent(hChild);
  if (!hChild || !hParent) return;
  int yNow = WM_GetWindowPosY(hChild) - WM_GetWindowPosY(hParent);
  if (yNow != y) WM_MoveWindow(hChild, 0, y - yNow);
}

WM_HWIN UI__DialogOpen(WM_CALLBACK* cb, const void* pInfo, int Size) {
  if (!pInfo) return 0;
  WM_HWIN hWin = UI_NewEntryDialog(cb, Size);
  if (!hWin) return 0;
  WM_SetUserData(hWin, pInfo, Size);
  WM_SendMessageNoPara(hWin, UI_MSG_OPENED);
  return WM_IsWindow(hWin) ? hWin : 0;
}

void UI__DialogDefault(WM_MESSAGE* pMsg) {
  switch (pMsg->MsgId) {
    case WM_DELETE:
      UI__DialogDeleted(pMsg->hWin);
      WM_DefaultProc(pMsg);
      break;
    case WM_WHEEL: WM_SendToParent(pMsg->hWin, pMsg); break;
    case UI_MSG_REFRESH:
    case UI_MSG_LOAD:
    case UI_MSG_LOADED: break;
    default: WM_DefaultProc(pMsg);
  }
}

void UI__PaintChoiceFace(WM_HWIN hWin, const char16_t* s) {
  int w = WM_GetWindowSizeX(hWin), h = WM_GetWindowSizeY(hWin);
  UI_DrawTwoToneButton(0, 0, w, h, _BOX_TOP, _BOX_BOTTOM);
  GUI_SetColor(GUI_BLACK);
  GUI_SetFont(&UI_Font15);
  GUI_SetTextMode(GUI_TM_TRANS);
  GUI_GotoXY(8, h / 2);
  UI_DrawTextBlock(s ? s : u"", w - 16, 0);
}

void UI__OpenChoiceList(WM_HWIN hBox, const UI_ItemTexts* pTexts, const UI_ItemValues* pValues, int Current) {
  UI_ListInfo Info = {};
  Info.pTexts = pTexts;
  Info.pValues = pValues;
  Info.Current = int16_t(Current);
  Info.Margin = _LIST_MARGIN;
  UI_CreateScrollList(hBox, &Info, nullptr, 0);  // an empty list opens nothing
}
