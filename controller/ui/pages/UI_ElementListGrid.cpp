// Grids of the list pages: four value cells a row; a tap selects a cell, a long press opens its page.
#include "GUI.h"
#include "UI_Draw.h"
#include "UI_ElementList.h"
#include "UI_Main.h"
#include "UI_MenuPage.h"

namespace {

enum { _MAX_CELLS = 1024, _TIMER_LONG_PRESS = 1 };

UI_CELL_BLOCK* _Cell(WM_HWIN hWin) { return (UI_CELL_BLOCK*)UI_GetElementData(hWin); }

void _PaintCell(WM_HWIN hWin, const UI_CELL_BLOCK* p) {
  int w = WM_GetWindowSizeX(hWin), h = WM_GetWindowSizeY(hWin);
  GUI_SetColor(p && p->Selected ? 0x99FF99 : 0xF4F4F4);
  GUI_FillRoundedRect(1, 1, w - 2, h - 2, 4);
  GUI_SetColor(p && p->OutOfLimits ? 0x1517E5 : 0xB0B0B0);
  GUI_DrawRoundedFrame(1, 1, w - 2, h - 2, 4, p && p->OutOfLimits ? 2 : 1);
  if (!p) return;  // an empty cell filling the last row
  GUI_SetFont(&UI_Font15);
  GUI_SetTextMode(GUI_TM_TRANS);
  GUI_SetColor(GUI_BLACK);
  int Align = GUI_SetTextAlign(GUI_TA_HCENTER);
  GUI_GotoXY(w / 2, 4);
  UI_DrawTextEllipsis(p->acText, w - 8);
  GUI_GotoXY(w / 2, 21);
  UI_DrawTextEllipsis(p->acValue, w - 8);
  GUI_SetTextAlign(Align);
}

void _StopLongPress(UI_CELL_BLOCK* p) {
  if (!p->hLongPress) return;
  WM_DeleteTimer(p->hLongPress);
  p->hLongPress = 0;
}

void _OnPointer(WM_HWIN hWin, UI_CELL_BLOCK* p, WM_MESSAGE* pMsg) {
  const GUI_POINTER_STATE* s = (const GUI_POINTER_STATE*)pMsg->Data.p;
  if (s && s->Pressed && !p->hLongPress && UI_GrantedLevel(p->LinkAddress) != 0) {
    p->hLongPress = WM_CreateTimer(hWin, _TIMER_LONG_PRESS, UI_GRID_LONG_PRESS_MS);
  }
  if (s && !s->Pressed) _StopLongPress(p);
  if (!UI_ElementTouched(hWin, pMsg)) return;
  p->Selected ^= 1;
  WM_InvalidateWindow(hWin);
}

// The press lasted a second: the background takes the pointer (so that the release selects nothing) and the
// cell's page opens as a submenu.
void _OnLongPress(WM_HWIN hWin, UI_CELL_BLOCK* p) {
  _StopLongPress(p);
  if (!WM_IsVisible(hWin) || UI_PointerMoved()) return;
  if (UI_hBackgroundWin) WM_SetCapture(UI_hBackgroundWin, 1);
  UI_MenuStackInstance.Open(p->LinkAddress, UI_PageScroll());
}

}  // namespace

uint32_t UI_TextAddressOf(uint32_t ValueAddress) {
  switch (ValueAddress & 0x7000) {
    case 0x3000: return ValueAddress & ~0x3000u;  // 0x3xxx -> 0x0xxx
    case 0x7000: return ValueAddress & ~0x1000u;  // 0x7xxx -> 0x6xxx, the absolute text view
  }
  return 0;
}

void UI_FetchCellValue(UI_CELL_BLOCK* p) {
  uint8_t a[UI_VALUE_ANSWER_SIZE];
  int n = UI_ReadObject(p->ValueAddress, a, sizeof(a));
  p->HasValue = uint8_t(UI_DecodeValue(a, n, &p->Value, nullptr, p->acValue, UI_VALUE_TEXT_LEN));
  p->OutOfLimits = 0;
  for (int i = 0; i < p->NumLimits && p->HasValue; i++) {
    int32_t Limit = 0;
    n = UI_ReadObject(p->aLimit[i], a, sizeof(a));
    if (!UI_DecodeValue(a, n, &Limit, nullptr, nullptr, 0)) continue;  // an unreadable limit limits nothing
    if (i == 0 ? p->Value < Limit : p->Value > Limit) p->OutOfLimits = 1;
  }
  p->ReadDone = 1;
}

int UI_BuildGrid(WM_HWIN hPage, uint32_t Menu, const uint8_t* pRec, uint8_t** ppFill, const uint8_t* pEnd) {
  int Used = 1;
  int n = 0;
  for (const uint8_t* r = pRec + 4; r < pEnd && (r[0] || r[1]); r += 4) {
    Used++;
    if (r[0] == 0x21) break;
    n += r[0] >= 0x22 && r[0] <= 0x24;
  }
  if (n > _MAX_CELLS) n = _MAX_CELLS;
  int Rows = (n + UI_GRID_CELLS_PER_ROW - 1) / UI_GRID_CELLS_PER_ROW;
  int W = WM_GetWindowSizeX(hPage), CellW = W / UI_GRID_CELLS_PER_ROW;
  WM_HWIN hGrid = WM_CreateWindowAsChild(0, 0, W, Rows * UI_GRID_CELL_H, hPage, WM_CF_SHOW | WM_CF_HASTRANS,
                                         UI_GridCallback, 0);
  if (!hGrid) return Used;
  int k = 0;
  UI_CELL_BLOCK* pLast = nullptr;
  for (int i = 1; i < Used; i++) {
    const uint8_t* r = pRec + 4 * i;
    if (r[0] == 0xA1) {
      if (pLast && pLast->NumLimits < 2) pLast->aLimit[pLast->NumLimits++] = UI_ValueAddress(Menu, r, 0);
      continue;
    }
    if (r[0] < 0x22 || r[0] > 0x24 || k >= n) continue;
    pLast = (UI_CELL_BLOCK*)UI_ArenaTake(ppFill, int(sizeof(UI_CELL_BLOCK)));
    if (!pLast) break;  // the arena is full: the grid keeps the cells it has
    pLast->ValueAddress = UI_ValueAddress(Menu, r, 0);
    pLast->TextAddress = UI_TextAddressOf(pLast->ValueAddress);
    pLast->LinkAddress = UI_LinkAddress(Menu, r);
    pLast->Level = uint8_t(r[1] + 1);
    WM_HWIN h = WM_CreateWindowAsChild(CellW * (k % UI_GRID_CELLS_PER_ROW), UI_GRID_CELL_H * (k / UI_GRID_CELLS_PER_ROW),
                                       CellW, UI_GRID_CELL_H, hGrid, WM_CF_SHOW | WM_CF_HASTRANS, UI_GridCellCallback,
                                       sizeof(pLast));
    if (h) WM_SetUserData(h, &pLast, sizeof(pLast));
    k++;
  }
  // The last row is filled with empty cells.
  for (; k < Rows * UI_GRID_CELLS_PER_ROW; k++) {
    WM_CreateWindowAsChild(CellW * (k % UI_GRID_CELLS_PER_ROW), UI_GRID_CELL_H * (k / UI_GRID_CELLS_PER_ROW), CellW,
                           UI_GRID_CELL_H, hGrid, WM_CF_SHOW | WM_CF_HASTRANS, UI_GridCellCallback, sizeof(void*));
  }
  return Used;
}

void UI_GridCallback(WM_MESSAGE* pMsg) { UI_ListContainerCommon(pMsg); }

void UI_GridCellCallback(WM_MESSAGE* pMsg) {
  WM_HWIN hWin = pMsg->hWin;
  UI_CELL_BLOCK* p = _Cell(hWin);
  if (pMsg->MsgId == WM_PAINT) {
    _PaintCell(hWin, p);
    return;
  }
  if (!p) {  // empty cells answer nothing but the paint; the pointer and the wheel go to the page
    if (pMsg->MsgId == WM_POINTER || pMsg->MsgId == WM_WHEEL) WM_SendToParent(hWin, pMsg);
    else if (pMsg->MsgId <= WM_USER) WM_DefaultProc(pMsg);
    return;
  }
  switch (pMsg->MsgId) {
    case WM_POINTER: _OnPointer(hWin, p, pMsg); break;
    case WM_TIMER: _OnLongPress(hWin, p); break;
    case UI_MSG_LOAD:
      UI_FetchCellValue(p);
      UI_SendLoaded(hWin, 0);
      WM_InvalidateWindow(hWin);
      break;
    case UI_MSG_REFRESH:
      UI_ReadTextAnswer(p->TextAddress, p->acText, UI_LINE_TEXT_LEN);
      WM_InvalidateWindow(hWin);
      break;
    case UI_MSG_LOADED: p->ReadDone = 0; break;
    case WM_DELETE:
      p->hLongPress = 0;  // the window's timers go with it
      WM_DefaultProc(pMsg);
      break;
    case WM_WHEEL: WM_SendToParent(hWin, pMsg); break;
    case UI_MSG_HIGHLIGHT: break;
    default: WM_DefaultProc(pMsg);
  }
}
