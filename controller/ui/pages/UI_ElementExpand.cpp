// Expansion buttons of value lines and the rows they open under their line.
#include <cstring>

#include "GUI.h"
#include "OBJ_Access.h"
#include "UI_Draw.h"
#include "UI_ElementLine.h"
#include "UI_GraphicsCache.h"
#include "UI_Main.h"

namespace {

enum { _ROW_H = 20, _ROW_H_TALL = 35, _ROW_MIN_ARENA = 336 };

void _PaintRow(WM_HWIN hWin, const UI_ROW_BLOCK* p) {
  int w = WM_GetWindowSizeX(hWin), h = WM_GetWindowSizeY(hWin);
  static const GUI_COLOR aNormal[] = {0x10B5FF, 0x21B5FF, 0x31BDFF, 0x10B5FF, 0x00ADFF};
  static const GUI_COLOR aHigh[] = {0x00A5F7, 0x00A5EF, 0x009CE7, 0x00A5F7, 0x00ADFF};
  const GUI_COLOR* c = p->Highlight ? aHigh : aNormal;
  GUI_SetColor(c[2]);
  GUI_FillRect(0, 0, w - 1, h - 1);
  GUI_SetColor(c[0]);
  GUI_DrawHLine(0, 0, w - 1);
  GUI_SetColor(c[1]);
  GUI_DrawHLine(1, 0, w - 1);
  GUI_DrawHLine(h - 3, 0, w - 1);
  GUI_SetColor(c[3]);
  GUI_DrawHLine(h - 2, 0, w - 1);
  GUI_SetColor(c[4]);
  GUI_DrawHLine(h - 1, 0, w - 1);
  GUI_SetFont(&UI_Font15);
  GUI_SetTextMode(GUI_TM_TRANS);
  GUI_SetColor(GUI_BLACK);
  GUI_GotoXY(10, 2);
  GUI_UC_DispString(p->acLabel);
  if (p->acLabel[0]) GUI_DispString(":");
  int Align = GUI_SetTextAlign(GUI_TA_RIGHT);
  GUI_GotoXY(w - 10, 2);
  UI_DrawMultilineText(p->acValue, 0);
  GUI_SetTextAlign(Align);
}

// Stacks the rows of a row window without gaps and sizes it; returns its height.
int _StackRows(WM_HWIN hRows) {
  int y = 0, i = 0;
  for (WM_HWIN h = WM_GetFirstChild(hRows); h; h = WM_GetNextSibling(h), i++) {
    UI_ROW_BLOCK* p = (UI_ROW_BLOCK*)UI_GetElementData(h);
    if (p) p->Highlight = uint8_t(i & 1);
    WM_MoveChildTo(h, 0, y);
    y += WM_GetWindowSizeY(h);
  }
  WM_SetYSize(hRows, y > 0 ? y : 1);
  return y;
}

void _RowsCallback(WM_MESSAGE* pMsg) {
  if (pMsg->MsgId == UI_MSG_RELAYOUT) {
    WM_HWIN hRows = pMsg->hWin;
    int Before = WM_GetWindowSizeY(hRows);
    int dy = _StackRows(hRows) - Before;
    if (dy) {
      UI_GrowLine(WM_GetParent(hRows), dy);
      WM_HWIN hPage = WM_GetParent(WM_GetParent(hRows));
      if (hPage) WM_SendMessageNoPara(hPage, UI_MSG_RELAYOUT);
    }
    return;
  }
  if (pMsg->MsgId == WM_PAINT) return;
  if (pMsg->MsgId == WM_POINTER || pMsg->MsgId == WM_WHEEL) {
    WM_SendToParent(pMsg->hWin, pMsg);
    return;
  }
  if (pMsg->MsgId >= UI_MSG_SELECTION_DONE) return;
  WM_DefaultProc(pMsg);
}

struct _BUTTON {
  uint32_t Address;
  uint8_t Open;
  WM_HWIN hRows;
};

void _Open(WM_HWIN hWin, _BUTTON* b) {
  WM_HWIN hLine = WM_GetParent(hWin);
  if (!b->hRows) {
    // The expansion's description goes to the free end of the arena: the page's own description stays.
    UI_MenuStack* s = &UI_MenuStackInstance;
    uint8_t* pFill = s->GetFillPointer();
    int Free = s->GetFreeSpace();
    int Room = Free / 2 < UI_MENU_BUFFER_SIZE ? Free / 2 : UI_MENU_BUFFER_SIZE;
    if (Room < 32) return;
    uint8_t* pMenu = pFill + (Free - Room);
    memset(pMenu, 0, size_t(Room));
    int n = UI_ReadObject(b->Address, pMenu, Room);
    if (n <= 0 || pMenu[0] != 0x60) return;  // an unreadable expansion opens nothing
    b->hRows = WM_CreateWindowAsChild(2, UI_LINE_H, WM_GetWindowSizeX(hLine) - 4, 1, hLine,
                                      WM_CF_SHOW | WM_CF_HASTRANS, _RowsCallback, 0);
    if (!b->hRows) return;
    int Start = (pMenu[8] | pMenu[9] | pMenu[10] | pMenu[11]) ? 12 : 24;
    uint8_t* pLimit = pMenu;  // rows take their blocks in front of the description
    for (const uint8_t* r = pMenu + Start; r + 4 <= pMenu + Room && (r[0] || r[1]); r += 4)
      UI_BuildExpansionRow(b->hRows, UI_MenuStackInstance.GetNode(), r, &pFill, pLimit);
    s->SetFillPointer(pFill);
    WM_SendMessageNoPara(b->hRows, UI_MSG_REFRESH);
    for (WM_HWIN h = WM_GetFirstChild(b->hRows); h; h = WM_GetNextSibling(h)) UI_SendLoad(h, 0);
  }
  WM_ShowWindow(b->hRows);
  UI_GrowLine(hLine, _StackRows(b->hRows));
  b->Open = 1;
}

void _Close(WM_HWIN hWin, _BUTTON* b) {
  WM_HWIN hLine = WM_GetParent(hWin);
  WM_HideWindow(b->hRows);
  UI_GrowLine(hLine, -WM_GetWindowSizeY(b->hRows));
  b->Open = 0;
  // The page never ends above the bottom of the screen.
  WM_HWIN hPage = WM_GetParent(hLine);
  int Bottom = WM_GetWindowPosY(hPage) + WM_GetWindowSizeY(hPage);
  if (Bottom < UI_SCREEN_H && WM_GetWindowPosY(hPage) < WM_GetWindowPosY(UI_hPageArea)) {
    int dy = UI_SCREEN_H - Bottom;
    int Max = WM_GetWindowPosY(UI_hPageArea) - WM_GetWindowPosY(hPage);
    WM_MoveWindow(hPage, 0, dy < Max ? dy : Max);
  }
}

}  // namespace

void UI_FetchRowValue(UI_ROW_BLOCK* p) {
  uint8_t a[UI_VALUE_ANSWER_SIZE];
  int n = UI_ReadObject(p->Address & ~0x7000u, a, sizeof(a));  // the value's name
  if (n > 2) {
    UI_TakeTextAnswer(a, n, p->acLabel, UI_LINE_TEXT_LEN);
  } else {
    p->acLabel[0] = 0;
  }
  n = UI_ReadObject(p->Address, a, sizeof(a));
  int Unit = 0;
  UI_DecodeValue(a, n, nullptr, &Unit, p->acValue, UI_VALUE_TEXT_LEN);
  p->Unit = Unit;
  p->ReadDone = 1;
}

int UI_BuildExpansionRow(WM_HWIN hParent, uint32_t Menu, const uint8_t* pRec, uint8_t** ppFill,
                         const uint8_t* pLimit) {
  if ((pRec[0] & 0x0F) != 6) return 1;
  if (pLimit - *ppFill < _ROW_MIN_ARENA) return 1;
  UI_ROW_BLOCK* p = (UI_ROW_BLOCK*)UI_ArenaTake(ppFill, int(sizeof(UI_ROW_BLOCK)));
  if (!p) return 1;
  p->Address = UI_ValueAddress(Menu, pRec, 0);
  int Nibble = pRec[0] >> 4;
  if (Nibble == 4 || Nibble == 8) p->Second = p->Address;
  WM_HWIN h = WM_CreateWindowAsChild(0, 0, WM_GetWindowSizeX(hParent), _ROW_H, hParent, WM_CF_SHOW | WM_CF_HASTRANS,
                                     UI_ExpansionRowCallback, sizeof(p));
  if (h) WM_SetUserData(h, &p, sizeof(p));
  return 1;
}

void UI_ExpansionRowCallback(WM_MESSAGE* pMsg) {
  WM_HWIN hWin = pMsg->hWin;
  UI_ROW_BLOCK* p = (UI_ROW_BLOCK*)UI_GetElementData(hWin);
  if (!p) {
    WM_DefaultProc(pMsg);
    return;
  }
  switch (pMsg->MsgId) {
    case WM_PAINT: _PaintRow(hWin, p); break;
    case UI_MSG_LOAD:
      UI_FetchRowValue(p);
      UI_SendLoaded(hWin, 0);
      WM_InvalidateWindow(hWin);
      break;
    case UI_MSG_LOADED:
      if (p->ReadDone) {
        p->ReadDone = 0;
        int Want = (p->Unit == 46 || p->Unit == 55) ? _ROW_H_TALL : _ROW_H;
        if (Want != WM_GetWindowSizeY(hWin)) {
          WM_SetYSize(hWin, Want);
          WM_SendMessageNoPara(WM_GetParent(hWin), UI_MSG_RELAYOUT);
        }
      }
      break;
    case WM_POINTER:
    case WM_WHEEL: WM_SendToParent(hWin, pMsg); break;
    case UI_MSG_REFRESH:
    case UI_MSG_HIGHLIGHT: break;
    default: WM_DefaultProc(pMsg);
  }
}

WM_HWIN UI_CreateExpansionButton(WM_HWIN hLine, uint32_t Address, uint8_t** ppFill) {
  _BUTTON* b = (_BUTTON*)UI_ArenaTake(ppFill, int(sizeof(_BUTTON)));
  if (!b) return 0;
  b->Address = Address;
  WM_HWIN h = WM_CreateWindowAsChild(327, 0, 43, 43, hLine, WM_CF_SHOW | WM_CF_HASTRANS, UI_ExpansionButtonCallback,
                                     sizeof(b));
  if (h) WM_SetUserData(h, &b, sizeof(b));
  return h;
}

void UI_ExpansionButtonCallback(WM_MESSAGE* pMsg) {
  WM_HWIN hWin = pMsg->hWin;
  _BUTTON* b = (_BUTTON*)UI_GetElementData(hWin);
  if (!b) {
    WM_DefaultProc(pMsg);
    return;
  }
  switch (pMsg->MsgId) {
    case WM_PAINT: {
      GUI_HMEM h = UI_ahMemdevSquare[b->Open ? 1 : 0];
      if (h) {
        UI_DrawCached(h, 6, 6);
      } else {
        GUI_SetColor(0x00ADFF);
        GUI_FillRoundedRect(6, 6, 35, 35, 4);
      }
      GUI_SetColor(GUI_WHITE);
      GUI_FillRect(13, 19, 28, 22);
      if (!b->Open) GUI_FillRect(19, 13, 22, 28);
      break;
    }
    case WM_POINTER:
      if (!UI_ElementTouched(hWin, pMsg)) break;
      if (b->Open) {
        _Close(hWin, b);
      } else {
        _Open(hWin, b);
      }
      WM_InvalidateWindow(hWin);
      break;
    case WM_WHEEL: WM_SendToParent(hWin, pMsg); break;
    case UI_MSG_REFRESH:
    case UI_MSG_LOAD:
    case UI_MSG_LOADED: break;
    default: WM_DefaultProc(pMsg);
  }
}
