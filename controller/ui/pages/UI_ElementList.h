// Elements of the kind-2 list pages, full page width: title lines, rows of page buttons and grids of value
// cells. The containers (button rows, grids) pass the load messages on to their children and the pointer and
// the wheel to the page.
#pragma once
#include <cstdint>

#include "UI_Element.h"
#include "WM_Timer.h"

enum {
  UI_LIST_PAGE_X = 5,        // list pages stand 5 pixels in from the page area, 10 narrower
  UI_LIST_TITLE_H = 35,
  UI_PAGE_BUTTON_H = 40,
  UI_PAGE_BUTTONS_PER_ROW = 4,
  UI_GRID_CELL_H = 40,
  UI_GRID_CELLS_PER_ROW = 4,
  UI_GRID_LONG_PRESS_MS = 1000,
};

struct UI_TITLE_BLOCK {
  uint32_t TextAddress;
  uint8_t ReadDone;
  char16_t acText[UI_LINE_TEXT_LEN];
};

struct UI_PAGE_BUTTON_BLOCK {
  uint32_t Address;       // the page the button shows
  uint32_t LabelAddress;  // 0: no label (no 0x12 record before the button)
  uint8_t Code;           // 0x13, or 0x14 for the page being shown
  char16_t acText[UI_LINE_TEXT_LEN];
};

struct UI_CELL_BLOCK {
  uint32_t ValueAddress;  // 0: an empty cell filling the last row
  uint32_t TextAddress;
  uint32_t LinkAddress;   // opened by a long press
  uint32_t aLimit[2];     // lower and upper limit (0xA1 records)
  uint8_t NumLimits;
  uint8_t Level;          // record sub-index + 1
  uint8_t Selected;
  uint8_t ReadDone;
  uint8_t HasValue;
  uint8_t OutOfLimits;    // the value lies outside its limits
  int32_t Value;
  WM_HTIMER hLongPress;   // runs while a press may become a long press
  char16_t acValue[UI_VALUE_TEXT_LEN];
  char16_t acText[UI_LINE_TEXT_LEN];
};

// Builds the element of a kind-2 record (code 1 title, 16 page-button row, 32 grid; other codes make none and
// use one record). Rows and grids use their records up to their end record (0x11, 0x21) or the end of the
// description. Never reads at or beyond pEnd (the menu buffer's end).
int UI_BuildListElement(WM_HWIN hPage, uint32_t Menu, const uint8_t* pRec, uint8_t** ppFill, const uint8_t* pEnd);
int UI_BuildButtonRow(WM_HWIN hPage, uint32_t Menu, const uint8_t* pRec, uint8_t** ppFill, const uint8_t* pEnd);
int UI_BuildGrid(WM_HWIN hPage, uint32_t Menu, const uint8_t* pRec, uint8_t** ppFill, const uint8_t* pEnd);

// The text view of a value address: 0x3xxx -> 0x0xxx, 0x7xxx -> 0x6xxx; 0 for other views.
uint32_t UI_TextAddressOf(uint32_t ValueAddress);
void UI_FetchCellValue(UI_CELL_BLOCK* p);

// Containers: load messages to the children, pointer and wheel to the parent.
void UI_ListContainerCommon(WM_MESSAGE* pMsg);

void UI_TitleLineCallback(WM_MESSAGE* pMsg);
void UI_ButtonRowCallback(WM_MESSAGE* pMsg);
void UI_PageButtonCallback(WM_MESSAGE* pMsg);
void UI_GridCallback(WM_MESSAGE* pMsg);
void UI_GridCellCallback(WM_MESSAGE* pMsg);
