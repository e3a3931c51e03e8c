// Elements of the value-line pages: value lines with their value boxes, access lines, password-change lines and
// text lines. Every element keeps its data block in the element arena; its window's user data points to it.
#pragma once
#include <cstdint>

#include "UI_Element.h"
#include "UI_EntryDispatch.h"

enum {
  UI_LINE_W = 370,
  UI_LINE_H = 43,
  UI_LINE_X = 30,
  UI_BOX_W = 165,
  UI_BOX_H = 34,
  UI_BOX_X = 200,
  UI_BOX_STEP = 36,
  UI_ACCESS_BOX_X = 102,
};

// Kinds of value boxes.
enum { UI_BOX_READONLY, UI_BOX_EDIT, UI_BOX_PUSH, UI_BOX_SWITCH };

struct UI_LINE_BLOCK {
  uint32_t MainAddress;
  uint32_t LinkAddress;
  uint32_t aFlagAddress[2];
  uint8_t FlagBits;
  uint8_t ReadDone;
  uint8_t Code;
  uint8_t NumFlags;
  uint8_t Stage;  // password change: 0 old code asked, 1 new code asked
  char16_t acText[UI_LINE_TEXT_LEN];
  char16_t acOldCode[UI_TEXT_BUFFER_LEN];
};

struct UI_BOX_BLOCK {
  uint32_t Address;
  int32_t Value;
  uint8_t Code;
  uint8_t LineCode;
  uint8_t Unit;
  uint8_t ReadDone;
  uint8_t Kind;
  uint8_t State;
  uint8_t Level;    // access boxes: the level the box grants
  uint8_t HasCode;  // access boxes: 1 when a code object checks the level
  uint32_t CheckAddress;
  char16_t acText[UI_LINE_TEXT_LEN];
};

// Builds the element of a kind-7 record; never reads at or beyond pEnd (the menu buffer's end).
int UI_BuildLineElement(WM_HWIN hPage, uint32_t Menu, const uint8_t* pRec, uint8_t** ppFill, const uint8_t* pEnd);
int UI_BuildValueLine(WM_HWIN hPage, uint32_t Menu, const uint8_t* pRec, uint8_t** ppFill, const uint8_t* pEnd);
int UI_BuildAccessLine(WM_HWIN hPage, uint32_t Menu, const uint8_t* pRec, uint8_t** ppFill, const uint8_t* pEnd);
int UI_BuildTextLine(WM_HWIN hPage, uint32_t Menu, const uint8_t* pRec, uint8_t** ppFill);
// The file entry (code 0x40): the listing of a folder object.
int UI_BuildFileEntry(WM_HWIN hPage, uint32_t Menu, const uint8_t* pRec, uint8_t** ppFill);

void UI_FetchLineFlags(UI_LINE_BLOCK* p);
void UI_FetchBoxValue(UI_BOX_BLOCK* p);

void UI_ValueLineCallback(WM_MESSAGE* pMsg);
void UI_ValueBoxCallback(WM_MESSAGE* pMsg);
void UI_AccessBoxCallback(WM_MESSAGE* pMsg);
void UI_TextLineCallback(WM_MESSAGE* pMsg);

// Writes a text confirmed on the keyboard back to its entry: {Tag, n, n UTF-16 characters} (2n + 2 bytes, at
// most 24 characters) at the entry's write address. 1 written, 0 failed.
int UI_WriteMenuText(uint32_t Address, uint8_t Tag, const char16_t* pText);

// Face colours of a line code: 0 when the code has a white face without gradient and frame.
int UI_LineFace(int Code, GUI_COLOR* pTop, GUI_COLOR* pBottom);
// The colours of an editable box of a line code.
void UI_BoxColors(int LineCode, GUI_COLOR* pTop, GUI_COLOR* pBottom, GUI_COLOR* pText);
// Grows a line by dy (negative: shrinks) and moves the lines below it.
void UI_GrowLine(WM_HWIN hLine, int dy);

// Expansion button (0x2A) of a value line and the rows it opens: records whose low nibble is 6 make a 20-pixel
// row of a name and a value; a row is refused when less than 336 bytes of the arena are left before pLimit.
struct UI_ROW_BLOCK {
  uint8_t Highlight;
  uint8_t ReadDone;
  int32_t Unit;
  uint32_t Address;  // the value; its name is the text view of the same object
  uint32_t Second;   // codes 4 and 8: a second address
  char16_t acLabel[UI_LINE_TEXT_LEN];
  char16_t acValue[UI_VALUE_TEXT_LEN];
};
// Reads a row's name and value (an unreadable name or value leaves it empty) and marks the row as read.
void UI_FetchRowValue(UI_ROW_BLOCK* p);
WM_HWIN UI_CreateExpansionButton(WM_HWIN hLine, uint32_t Address, uint8_t** ppFill);
int UI_BuildExpansionRow(WM_HWIN hParent, uint32_t Menu, const uint8_t* pRec, uint8_t** ppFill, const uint8_t* pLimit);
void UI_ExpansionButtonCallback(WM_MESSAGE* pMsg);
void UI_ExpansionRowCallback(WM_MESSAGE* pMsg);
