// Selection lists: the scrolled list of 40-pixel rows dropped over the touched element, and the bit selection of
// up to sixteen toggle buttons. Both stand on a carrier, take the side buttons as Cancel (upper) and OK (lower)
// and report to a receiver: UI_MSG_SELECTION_DONE or UI_MSG_BITS_DONE with the tag in hWinSrc.
#pragma once
#include <cstdint>

#include "UI_EntryDispatch.h"
#include "UI_Main.h"
#include "WM.h"

enum { UI_LIST_ROW = 40, UI_BIT_BUTTONS = 16, UI_BITS_EXCLUSIVE = 34 };
enum { UI_LIST_TEXTS = 0, UI_LIST_TWO_GROUPS = 2, UI_LIST_IMAGE_ROW1 = 4, UI_LIST_NUMBERED = 5, UI_LIST_EDIT = 6 };

struct UI_ListInfo {
  WM_HWIN hReceiver;            // filled in by UI_CreateScrollList
  const UI_ItemTexts* pTexts;   // mode 5: a UI_LIST_TEXT_PROVIDER in place of the record
  const UI_ItemValues* pValues; // value of each row, or (mode 2) a second group of texts
  uint32_t Tag;
  int16_t Mode;
  int16_t Current;              // the current value (with values) or row
  uint8_t Align;                // 0 left, 1 right, 2 centred
  uint8_t Margin;
};
typedef const char16_t* UI_LIST_TEXT_PROVIDER(int Item, int Part);

struct UI_BitSelectionInfo {
  WM_HWIN hReceiver;
  const char16_t* pTitle;
  uint32_t Unused;
  uint32_t Bits;
  uint32_t Kind;  // UI_BITS_EXCLUSIVE: one choice, else independent switches
  uint32_t Tag;
  const UI_ItemTexts* pItems;  // entries point to item records: byte 1 the bit, the text from byte 2
};

// Creates the list over the receiver (Fit 0) or at the rectangle, as wide as its widest row (Fit 1).
void UI_CreateScrollList(WM_HWIN hReceiver, const UI_ListInfo* pInfo, const UI_ELEMENT_RECT* pRect, int Fit);
void UI_ScrollListCallback(WM_MESSAGE* pMsg);
void UI_ScrollListTouchCallback(WM_MESSAGE* pMsg);
void UI_ScrollListBackCallback(WM_MESSAGE* pMsg);
// Row under the highlight bar of the open list, -1 without one.
int UI_ScrollListRow(void);

void UI_CreateBitSelection(WM_HWIN hReceiver, const UI_BitSelectionInfo* pInfo);
void UI_BitSelectionCallback(WM_MESSAGE* pMsg);
void UI_BitButtonCallback(WM_MESSAGE* pMsg);

// The dispatcher's openers. pValues null: a plain list whose rows are the texts.
int UI_OpenListSelection(int ElementIndex, uint8_t Type, WM_HWIN hParent, int Current, const UI_ItemTexts* pTexts,
                         const UI_ItemValues* pValues, const UI_EntryOptions* pOptions);
int UI_OpenBitSelection(int ElementIndex, uint8_t Type, WM_HWIN hParent, int Mode, uint32_t Bits,
                        const UI_ItemTexts* pTexts, const UI_EntryOptions* pOptions);
