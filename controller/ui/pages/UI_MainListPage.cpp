// The plain list page of the menu stack.
#include "UI_MainListPage.h"

#include <cstring>

#include "APP_Hooks.h"
#include "OBJ_Access.h"
#include "UI_Main.h"
#include "UI_MainImages.h"

namespace {

enum { _TITLE_LEN = 48, _MAX_ROWS = 128 };

struct _ROW {
  uint32_t Address;
  char16_t acTitle[_TITLE_LEN];
};

struct _PAGE {
  int NumRows;
  int PressedRow;  // -1: none
  _ROW* pRows;
};

_PAGE* _GetPage(WM_HWIN hWin) {
  _PAGE* p = nullptr;
  WM_GetUserData(hWin, &p, sizeof(p));
  return p;
}

// A text answer: type byte, a byte, then UTF-16 text.
void _TakeText(const uint8_t* pAnswer, int n, char16_t* pDest) {
  int i = 0;
  for (int Pos = 2; Pos + 1 < n && i < _TITLE_LEN - 1; Pos += 2) {
    char16_t c = char16_t(pAnswer[Pos] | pAnswer[Pos + 1] << 8);
    if (!c) break;
    pDest[i++] = c;
  }
  pDest[i] = 0;
}

void _ReadTitle(uint32_t Address, char16_t* pDest) {
  uint8_t aAnswer[UI_NODE_NAME_SIZE] = {};
  int n = OBJ_Read(Address, aAnswer, sizeof(aAnswer), 0);
  pDest[0] = 0;
  if (n > 2) _TakeText(aAnswer, n, pDest);
}

// Collects the rows into the element arena.
int _CollectRows(UI_MenuStack* pStack, _ROW* pRows, int MaxRows) {
  uint32_t Address = pStack->GetNode();
  int n = 0;
  if (!Address) {
    pRows[0].Address = UI_ROOT_MENU;
    _ReadTitle(0x2512, pRows[0].acTitle);  // the device's name
    return 1;
  }
  const uint8_t* pMenu = pStack->GetNodeMenu();
  uint32_t Word2 = pMenu[8] | pMenu[9] << 8 | pMenu[10] << 16 | uint32_t(pMenu[11]) << 24;
  int Pos = Word2 ? 12 : 24;
  uint32_t Node = Address >> 24;
  for (; Pos + 4 <= UI_MENU_BUFFER_SIZE && n < MaxRows; Pos += 4) {
    const uint8_t* r = pMenu + Pos;
    if (!r[0] && !r[1]) break;
    uint16_t Index = uint16_t(r[2] | r[3] << 8);
    if ((Index & 0x7000) != 0x5000) continue;
    pRows[n].Address = Node << 24 | uint32_t(r[1]) << 16 | Index;
    _ReadTitle(pRows[n].Address, pRows[n].acTitle);
    if (!pRows[n].acTitle[0]) continue;  // a menu the node does not have
    n++;
  }
  return n;
}

int _RowAt(const _PAGE* p, int y) {
  int Row = (y - 6) / UI_LIST_ROW_H;
  return (y >= 6 && Row < p->NumRows) ? Row : -1;
}

void _Paint(WM_HWIN hWin, const _PAGE* p) {
  int ySize = WM_GetWindowSizeY(hWin);
  UI__DrawPageBackground(0, 0, WM_GetWindowSizeX(hWin), ySize);
  GUI_SetFont(&UI_Font15);
  GUI_SetTextMode(GUI_TM_TRANS);
  for (int i = 0; i < p->NumRows; i++) {
    int y = 6 + i * UI_LIST_ROW_H;
    GUI_SetColor(i == p->PressedRow ? 0xE8CFB5 : 0xF4F4F4);
    GUI_FillRoundedRect(10, y, 414, y + UI_LIST_ROW_H - 5, 4);
    GUI_SetColor(0xC0C0C0);
    GUI_DrawRoundedRect(10, y, 414, y + UI_LIST_ROW_H - 5, 4);
    GUI_SetColor(GUI_BLACK);
    GUI_UC_DispStringAt(p->pRows[i].acTitle, 22, y + 10);
    GUI_DispStringAt(">", 398, y + 10);
  }
  // Scroll mark when the page is taller than the page area.
  if (ySize > UI_PAGE_AREA_H) {
    int yPage = WM_GetWindowPosY(hWin);
    int s = UI_TITLE_H - yPage;
    int yTop = UI_TITLE_H + 2 + 182 * s / (ySize - UI_PAGE_AREA_H) - yPage;
    GUI_SetColor(0x808080);
    GUI_DrawRoundedRect(425, yTop, 428, yTop + 55, 1);
  }
}

void _OnPointer(WM_HWIN hWin, _PAGE* p, const GUI_POINTER_STATE* pState) {
  if (!pState) {  // the pointer left the window while pressed
    p->PressedRow = -1;
    WM_InvalidateWindow(hWin);
    return;
  }
  if (pState->Pressed) {
    WM_SetCapture(hWin, 1);
    if (p->PressedRow < 0) {
      p->PressedRow = _RowAt(p, pState->y);
      WM_InvalidateWindow(hWin);
    }
    return;
  }
  WM_ReleaseCapture();
  int Row = p->PressedRow;
  p->PressedRow = -1;
  WM_InvalidateWindow(hWin);
  int Inside = pState->x >= 0 && pState->x < WM_GetWindowSizeX(hWin) && pState->y >= 0 &&
               pState->y < WM_GetWindowSizeY(hWin);
  if (Row < 0 || !Inside || _RowAt(p, pState->y) != Row || UI_PointerMoved()) return;
  UI_MenuStackInstance.Open(p->pRows[Row].Address, UI_GetPageScrollOffset());
}

void _cbListPage(WM_MESSAGE* pMsg) {
  WM_HWIN hWin = pMsg->hWin;
  _PAGE* p = _GetPage(hWin);
  switch (pMsg->MsgId) {
    case WM_PAINT:
      if (p) _Paint(hWin, p);
      break;
    case WM_POINTER:
      if (p) _OnPointer(hWin, p, (const GUI_POINTER_STATE*)pMsg->Data.p);
      break;
    case WM_WHEEL:
      UI_ScrollChild(hWin, int(pMsg->Data.v) * UI_WHEEL_STEP, 2);
      break;
    case WM_MOVE:
      WM_InvalidateWindow(hWin);  // the scroll mark follows
      break;
    case UI_MSG_REFRESH:
    case UI_MSG_LOAD:
    case UI_MSG_LOADED:
    case UI_MSG_CONTENT_HEIGHT:
      break;
    default:
      WM_DefaultProc(pMsg);
  }
}

}  // namespace

int UI_BuildListPage(int ListPosition) {
  if (!UI_hPageArea) return UI_SHOW_FAILED;
  UI_MenuStack* pStack = &UI_MenuStackInstance;
  uint8_t* pArena = pStack->GetPageArea();
  _PAGE* pPage = (_PAGE*)pArena;
  _ROW* pRows = (_ROW*)(pArena + sizeof(_PAGE));
  int MaxRows = (UI_ELEMENT_ARENA_SIZE - int(sizeof(_PAGE))) / int(sizeof(_ROW));
  if (MaxRows > _MAX_ROWS) MaxRows = _MAX_ROWS;
  if (APP_hUiSemaphore && OS_SemWait(APP_hUiSemaphore, OS_INFINITE) != OS_WAIT_TAKEN) return UI_SHOW_FAILED;
  UI_DeleteChildren(UI_hPageArea);
  pPage->NumRows = _CollectRows(pStack, pRows, MaxRows);
  pPage->PressedRow = -1;
  pPage->pRows = pRows;
  pStack->SetFillPointer((uint8_t*)(pRows + pPage->NumRows));
  if (APP_hUiSemaphore) OS_SemSignal(APP_hUiSemaphore);
  int Height = 6 + pPage->NumRows * UI_LIST_ROW_H;
  if (Height < UI_PAGE_AREA_H) Height = UI_PAGE_AREA_H;
  WM_HWIN hPage = WM_CreateWindowAsChild(0, 0, UI_PAGE_AREA_W, Height, UI_hPageArea,
                                         WM_STATUS_VISIBLE | WM_STATUS_MOTION_Y, _cbListPage, sizeof(_PAGE*));
  if (!hPage) return UI_SHOW_FAILED;
  WM_SetUserData(hPage, &pPage, sizeof(pPage));
  UI_RestoreScrollPosition(hPage, ListPosition);
  return UI_SHOW_OK;
}
