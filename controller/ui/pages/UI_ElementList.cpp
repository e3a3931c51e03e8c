// List pages: title lines and rows of page buttons, and what the containers of the list and panel pages share.
#include "UI_ElementList.h"

#include "GUI.h"
#include "UI_Draw.h"
#include "UI_Main.h"

namespace {

constexpr int _BUTTON_GAP = 2;  // between buttons and rows, and around them in the row
constexpr int _TITLE_TEXT_X = 10;
constexpr int _MAX_BUTTONS = 256;  // a row never holds more than a description can name

int _IsLoadMessage(int Id) { return Id == UI_MSG_REFRESH || Id == UI_MSG_LOAD || Id == UI_MSG_LOADED; }

// Records of a container from pRec + 1 up to its end code (included) or the end of the description.
int _ContainerRecords(const uint8_t* pRec, const uint8_t* pEnd, int EndCode) {
  int Used = 1;
  for (const uint8_t* r = pRec + 4; r < pEnd && (r[0] || r[1]); r += 4) {
    Used++;
    if (r[0] == EndCode) break;
  }
  return Used;
}

UI_TITLE_BLOCK* _Title(WM_HWIN hWin) { return (UI_TITLE_BLOCK*)UI_GetElementData(hWin); }

// The title line grows with its text (at least 35 high) and lets the page stack its lines again.
void _FitTitle(WM_HWIN hWin, const UI_TITLE_BLOCK* p) {
  GUI_SetFont(&UI_Font15);
  int Want = UI_TextBlockHeight(p->acText, WM_GetWindowSizeX(hWin) - 2 * _TITLE_TEXT_X, 0) + 10;
  if (Want < UI_LIST_TITLE_H) Want = UI_LIST_TITLE_H;
  if (Want == WM_GetWindowSizeY(hWin)) return;
  WM_SetYSize(hWin, Want);
  WM_HWIN hPage = WM_GetParent(hWin);
  if (hPage) WM_SendMessageNoPara(hPage, UI_MSG_RELAYOUT);
}

void _PaintTitle(WM_HWIN hWin, const UI_TITLE_BLOCK* p) {
  int w = WM_GetWindowSizeX(hWin), h = WM_GetWindowSizeY(hWin);
  GUI_SetColor(GUI_WHITE);
  GUI_FillRoundedRect(0, 0, w - 1, h - 1, 4);
  GUI_DrawGradientRoundedV(0, h / 2, w - 1, h - 1, 4, GUI_WHITE, 0xD8D8D8);
  GUI_SetColor(GUI_BLACK);
  GUI_DrawRoundedRect(0, 0, w - 1, h - 1, 4);
  GUI_SetFont(&UI_Font15);
  GUI_SetTextMode(GUI_TM_TRANS);
  int Align = GUI_SetTextAlign(GUI_TA_LEFT);
  GUI_GotoXY(_TITLE_TEXT_X, h / 2);
  UI_DrawTextBlock(p->acText, w - 2 * _TITLE_TEXT_X, 0);
  GUI_SetTextAlign(Align);
}

UI_PAGE_BUTTON_BLOCK* _Button(WM_HWIN hWin) { return (UI_PAGE_BUTTON_BLOCK*)UI_GetElementData(hWin); }

void _PaintButton(WM_HWIN hWin, const UI_PAGE_BUTTON_BLOCK* p) {
  int w = WM_GetWindowSizeX(hWin), h = WM_GetWindowSizeY(hWin);
  int Shown = p->Code == 0x14;  // the page being shown
  UI_DrawLabelledButton(w, h, Shown ? 0x99FF99 : 0xE8CFB5, Shown ? 0x13BF13 : 0xD2B599, p->acText, w - 5,
                        UI_TEXT_LONG_FORM);
}

// Places the k-th of n buttons: four to a row, each (row width - 2k - 4) / k wide for the k buttons of its row,
// centred and 2 pixels apart.
void _ButtonRect(int i, int n, int RowW, int* px, int* py, int* pw) {
  int Row = i / UI_PAGE_BUTTONS_PER_ROW, InRow = i % UI_PAGE_BUTTONS_PER_ROW;
  int k = n - Row * UI_PAGE_BUTTONS_PER_ROW;
  if (k > UI_PAGE_BUTTONS_PER_ROW) k = UI_PAGE_BUTTONS_PER_ROW;
  int w = (RowW - 2 * k - 4) / k;
  int Total = k * w + (k - 1) * _BUTTON_GAP;
  *px = (RowW - Total) / 2 + InRow * (w + _BUTTON_GAP);
  *py = _BUTTON_GAP + Row * (UI_PAGE_BUTTON_H + _BUTTON_GAP);
  *pw = w;
}

}  // namespace

void UI_ListContainerCommon(WM_MESSAGE* pMsg) {
  switch (pMsg->MsgId) {
    case WM_POINTER:
    case WM_WHEEL: WM_SendToParent(pMsg->hWin, pMsg); return;
  }
  if (_IsLoadMessage(pMsg->MsgId)) {
    UI_FanOutMessage(pMsg);
  } else if (pMsg->MsgId <= WM_USER) {
    WM_DefaultProc(pMsg);
  }
}

int UI_BuildButtonRow(WM_HWIN hPage, uint32_t Menu, const uint8_t* pRec, uint8_t** ppFill, const uint8_t* pEnd) {
  int Used = _ContainerRecords(pRec, pEnd, 0x11);
  int n = 0;
  for (int i = 1; i < Used; i++) n += pRec[4 * i] == 0x13 || pRec[4 * i] == 0x14;
  if (n > _MAX_BUTTONS) n = _MAX_BUTTONS;
  int RowW = WM_GetWindowSizeX(hPage);
  int Rows = n ? (n + UI_PAGE_BUTTONS_PER_ROW - 1) / UI_PAGE_BUTTONS_PER_ROW : 1;
  int H = 2 * _BUTTON_GAP + UI_PAGE_BUTTON_H + (Rows - 1) * (UI_PAGE_BUTTON_H + _BUTTON_GAP);
  WM_HWIN hRow = WM_CreateWindowAsChild(0, 0, RowW, H, hPage, WM_CF_SHOW | WM_CF_HASTRANS,
                                        UI_ButtonRowCallback, 0);
  if (!hRow) return Used;
  int k = 0;
  uint32_t Label = 0;
  for (int i = 1; i < Used && k < n; i++) {
    const uint8_t* r = pRec + 4 * i;
    if (r[0] == 0x12) {
      Label = UI_ValueAddress(Menu, r, 0);
      continue;
    }
    if (r[0] != 0x13 && r[0] != 0x14) {
      Label = 0;
      continue;
    }
    int x, y, w;
    _ButtonRect(k++, n, RowW, &x, &y, &w);
    UI_PAGE_BUTTON_BLOCK* p = (UI_PAGE_BUTTON_BLOCK*)UI_ArenaTake(ppFill, int(sizeof(UI_PAGE_BUTTON_BLOCK)));
    if (!p) break;  // the arena is full: the row keeps the buttons it has
    p->Address = UI_LinkAddress(Menu, r);
    p->LabelAddress = Label;  // only a 0x12 record right before the button names a label
    p->Code = r[0];
    Label = 0;
    WM_HWIN h = WM_CreateWindowAsChild(x, y, w, UI_PAGE_BUTTON_H, hRow, WM_CF_SHOW | WM_CF_HASTRANS,
                                       UI_PageButtonCallback, sizeof(p));
    if (h) WM_SetUserData(h, &p, sizeof(p));
  }
  return Used;
}

int UI_BuildListElement(WM_HWIN hPage, uint32_t Menu, const uint8_t* pRec, uint8_t** ppFill, const uint8_t* pEnd) {
  switch (pRec[0]) {
    case 16: return UI_BuildButtonRow(hPage, Menu, pRec, ppFill, pEnd);
    case 32: return UI_BuildGrid(hPage, Menu, pRec, ppFill, pEnd);
    case 1: break;
    default: return 1;  // a record without an element
  }
  UI_TITLE_BLOCK* p = (UI_TITLE_BLOCK*)UI_ArenaTake(ppFill, int(sizeof(UI_TITLE_BLOCK)));
  if (!p) return 1;
  p->TextAddress = UI_ValueAddress(Menu, pRec, 0);
  WM_HWIN h = WM_CreateWindowAsChild(0, 0, WM_GetWindowSizeX(hPage), UI_LIST_TITLE_H, hPage,
                                     WM_CF_SHOW | WM_CF_HASTRANS, UI_TitleLineCallback, sizeof(p));
  if (h) WM_SetUserData(h, &p, sizeof(p));
  return 1;
}

void UI_TitleLineCallback(WM_MESSAGE* pMsg) {
  WM_HWIN hWin = pMsg->hWin;
  UI_TITLE_BLOCK* p = _Title(hWin);
  if (!p) {
    WM_DefaultProc(pMsg);
    return;
  }
  switch (pMsg->MsgId) {
    case WM_PAINT: _PaintTitle(hWin, p); break;
    case UI_MSG_LOAD:
      if (pMsg->Data.v) break;  // the title is read once, when the page loads
      UI_ReadTextAnswer(p->TextAddress, p->acText, UI_LINE_TEXT_LEN);
      p->ReadDone = 1;
      UI_SendLoaded(hWin, 0);
      WM_InvalidateWindow(hWin);
      break;
    case UI_MSG_LOADED:
      if (!p->ReadDone) break;
      p->ReadDone = 0;
      _FitTitle(hWin, p);
      break;
    case WM_POINTER:
    case WM_WHEEL: WM_SendToParent(hWin, pMsg); break;
    case UI_MSG_REFRESH:
    case UI_MSG_HIGHLIGHT: break;
    default: WM_DefaultProc(pMsg);
  }
}

void UI_ButtonRowCallback(WM_MESSAGE* pMsg) {
  if (pMsg->MsgId == WM_PAINT) {
    int w = WM_GetWindowSizeX(pMsg->hWin), h = WM_GetWindowSizeY(pMsg->hWin);
    GUI_SetColor(0xB0B0B0);
    GUI_FillRoundedRect(0, 0, w - 1, h - 1, 4);
    GUI_SetColor(GUI_BLACK);
    GUI_DrawRoundedRect(0, 0, w - 1, h - 1, 4);
    return;
  }
  UI_ListContainerCommon(pMsg);
}

void UI_PageButtonCallback(WM_MESSAGE* pMsg) {
  WM_HWIN hWin = pMsg->hWin;
  UI_PAGE_BUTTON_BLOCK* p = _Button(hWin);
  if (!p) {
    WM_DefaultProc(pMsg);
    return;
  }
  switch (pMsg->MsgId) {
    case WM_PAINT: _PaintButton(hWin, p); break;
    case WM_POINTER:
      if (UI_ElementTouched(hWin, pMsg)) UI_MenuStackInstance.Show(p->Address, UI_PageScroll());
      break;
    case UI_MSG_REFRESH:
      UI_ReadTextAnswer(p->LabelAddress, p->acText, UI_LINE_TEXT_LEN);
      WM_InvalidateWindow(hWin);
      break;
    case WM_WHEEL: WM_SendToParent(hWin, pMsg); break;
    case UI_MSG_LOAD:
    case UI_MSG_LOADED:
    case UI_MSG_HIGHLIGHT: break;
    default: WM_DefaultProc(pMsg);
  }
}
