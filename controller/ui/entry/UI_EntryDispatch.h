// The menu-entry dispatcher: reads the description of an editable entry (own node or another node), opens the
// entry screen that fits it, and writes the chosen value back. Its buffers are static and belong to the one open
// entry screen.
#pragma once
#include <cstdint>

#include "WM.h"

enum {
  UI_ENTRY_DESC_SIZE = 160,
  UI_ENTRY_ITEM_AREA = 7500,
  UI_MAX_ITEMS = 150,
  UI_TEXT_BUFFER_LEN = 25,  // 24 characters and the terminator
};

struct UI_ItemTexts {
  const char16_t** ppTexts;  // UI_MAX_ITEMS slots
  uint16_t Count;
};
struct UI_ItemValues {
  uint32_t* pValues;  // UI_MAX_ITEMS slots
  uint16_t Count;
};
struct UI_ValueLimits {
  int32_t Lower, Upper, Value;
  uint8_t Unit;
};
// Optional tuning block: mode, three presentation parameters, a caller value. The caller value is pointer-wide:
// the page elements pass their line text in it, which the screens show as their title.
struct UI_EntryOptions {
  intptr_t aWord[5];
};

extern uint8_t UI_EntryDesc[UI_ENTRY_DESC_SIZE];
extern UI_ItemTexts UI_EntryItemTexts;
extern UI_ItemValues UI_EntryItemValues;
extern UI_ValueLimits UI_EntryLimits;
extern char16_t UI_TextBuffer[UI_TEXT_BUFFER_LEN];

// Address at which an entry's description is read, and at which its value is written.
uint32_t UI_EntryDescAddress(uint32_t Address);
uint32_t UI_EntryWriteAddress(uint32_t Address);

// Reads the description and opens the screen: 0 when the description could not be read (nothing opens), else the
// screen's create result. ElementIndex picks the UI_ElementRects record a list is anchored to.
int UI_EditMenuEntry(int ElementIndex, uint32_t Address, WM_HWIN hParent, const UI_EntryOptions* pOptions,
                     int Context);
// Writes {type, value little-endian} (2, 3 or 5 bytes by class): 1 written, 0 failed.
int UI_WriteMenuEntry(uint32_t Address, uint8_t Type, int32_t Value);

// The text entry screen is another module's: it installs its opener here. Null: a text entry opens nothing.
// The opener edits UI_TextBuffer in place and sends UI_MSG_TEXT_DONE to hReceiver on confirmation.
typedef int UI_TEXT_ENTRY_OPENER(WM_HWIN hReceiver, const char16_t* pTitle, int MaxLen, int Id);
extern UI_TEXT_ENTRY_OPENER* UI_pfOpenTextEntry;
int UI_OpenTextEntry(WM_HWIN hReceiver, const char16_t* pTitle, int MaxLen, int Id);
// The same for a file name: the entry refuses characters that a file name cannot hold. Without an opener of its
// own the plain text entry opens.
extern UI_TEXT_ENTRY_OPENER* UI_pfOpenFileNameEntry;
int UI_OpenFileNameEntry(WM_HWIN hReceiver, const char16_t* pTitle, int MaxLen, int Id);
// The calendar is another module's as well (dates, unit 62).
typedef int UI_CALENDAR_OPENER(WM_HWIN hReceiver, uint8_t Type, int32_t Value, int32_t Lower, int32_t Upper);
extern UI_CALENDAR_OPENER* UI_pfOpenCalendar;

// The side buttons while an entry screen is open: both forward to the screen (upper Cancel, lower OK); closing
// gives them their callbacks back and, over an overview page, hides them again when they were hidden.
struct UI_SIDE_BUTTON_SAVE {
  WM_CALLBACK* pfHome;
  WM_CALLBACK* pfBack;
  int HomeVisible;
};
void UI_TakeSideButtons(UI_SIDE_BUTTON_SAVE* p, int Show);
void UI_GiveSideButtons(UI_SIDE_BUTTON_SAVE* p);
// Sends a result message with the tag in hWinSrc to a receiver that still exists.
void UI_SendResult(WM_HWIN hReceiver, int MsgId, uint32_t Tag, intptr_t Value);
