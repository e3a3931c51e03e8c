// Elements of the panel pages, built into the panel screen's 345-pixel inner window: headings, sub-headings and
// a picture (kind 3); tab rows, rows of direct-write buttons, value groups, label/value rows, selection boxes
// and label lines (kinds 10 and 11).
#pragma once
#include <cstdint>

#include "UI_Element.h"

enum {
  UI_PANEL_ELEMENT_W = 345,
  UI_PANEL_HEADING_H = 30,
  UI_PANEL_SUBHEADING_H = 17,
  UI_PANEL_TEXT_GROWTH = 15,  // a heading wider than its element grows by this
  UI_PANEL_PICTURE_SIZE = 116,
  UI_PANEL_TAB_W = 45,
  UI_PANEL_TAB_H = 28,
  UI_WRITE_BUTTON_W = 41,
  UI_WRITE_BUTTON_H = 30,
  UI_PANEL_ROW_H = 40,        // label/value rows and selection boxes
  UI_PANEL_LABEL_LINE_H = 35,
  UI_SELECT_BOX_W = 200,
  UI_PANEL_PAIR_GAP = 5,      // between the element windows of a pair, and between pairs
};

// Data block of every panel element.
struct UI_PANEL_BLOCK {
  uint32_t TextAddress;   // the text the element shows (0: none)
  uint32_t ValueAddress;  // the value it shows or writes (0: none)
  uint32_t EntryAddress;  // the entry it edits (description rule)
  uint8_t Code;
  uint8_t Own;            // tabs: their number; write buttons: the value they write
  uint8_t Selected;       // tabs: the page being shown; write buttons: the object holds their value
  uint8_t Grown;          // headings: grew once for a wide text
  uint8_t HasValue;
  int32_t Value;
  char16_t acText[UI_LINE_TEXT_LEN];  // the text, or the formatted value of a box
};

// Builders of the panel kinds (never reading at or beyond pEnd, the menu buffer's end).
int UI_BuildPanelLine(WM_HWIN hInner, uint32_t Menu, const uint8_t* pRec, uint8_t** ppFill, const uint8_t* pEnd);
int UI_BuildPanelRow(WM_HWIN hInner, uint32_t Menu, const uint8_t* pRec, uint8_t** ppFill, const uint8_t* pEnd);
int UI_BuildValueGroup(WM_HWIN hInner, uint32_t Menu, const uint8_t* pRec, uint8_t** ppFill, const uint8_t* pEnd);

// Layouts after the load: kind 3 stacks the element windows from y 0 without gaps (inner height: total + 5, at
// least the middle window's); kinds 10 and 11 place them in centred pairs (inner height: total, at least the
// middle window's).
void UI_LayoutPanelLines(WM_HWIN hInner);
void UI_LayoutPanelPairs(WM_HWIN hInner);

// The text an element of a value address shows: the text view of a value (0x3xxx -> 0x0xxx, 0x7xxx -> 0x6xxx),
// the address itself otherwise.
uint32_t UI_PanelTextAddress(uint32_t ValueAddress);
// Takes a panel block and makes its window; null block or window: nothing (the arena is full).
WM_HWIN UI_CreatePanelElement(WM_HWIN hParent, int x, int y, int w, int h, WM_CALLBACK* cb,
                              UI_PANEL_BLOCK** ppBlock, uint8_t** ppFill);
// Reads the value of a block (ValueAddress) into Value and its text.
void UI_FetchPanelValue(UI_PANEL_BLOCK* p);

// The inner window of the panel pages (kinds 3, 10, 11).
void UI_PanelInnerCallback(WM_MESSAGE* pMsg);

void UI_PanelTextCallback(WM_MESSAGE* pMsg);
void UI_PanelPictureCallback(WM_MESSAGE* pMsg);
void UI_RowContainerCallback(WM_MESSAGE* pMsg);
void UI_TabButtonCallback(WM_MESSAGE* pMsg);
void UI_WriteButtonCallback(WM_MESSAGE* pMsg);
void UI_GroupFrameCallback(WM_MESSAGE* pMsg);
void UI_GroupLabelCallback(WM_MESSAGE* pMsg);
void UI_GroupValueCallback(WM_MESSAGE* pMsg);
void UI_SelectBoxCallback(WM_MESSAGE* pMsg);
