// The numeric value entry: the modal keypad dialog in which the user types or steps a new value within its limits.
// One dialog at a time; its state is static. On OK the value goes to the receiver as UI_MSG_VALUE_DONE with the
// tag in hWinSrc and the value in Data.v; a value outside the limits is shown red and refused.
#pragma once
#include <cstdint>

#include "UI_EntryDispatch.h"
#include "WM.h"
#include "WM_Timer.h"

struct UI_ValueEntryInfo {
  const char16_t* pTitle;          // shown before the range; null = none
  const UI_ValueLimits* pLimits;   // null = nothing to edit
  WM_HWIN hReceiver;
  uint32_t Tag;
  int32_t Mode;                    // 0 digits, 1 two fields, 2 time fields
  int32_t Value;
};

struct UI_EntryField {
  int32_t Min, Max, Value, Step;
  int8_t Unit;
};

enum {
  UI_VE_KEYS = 30,
  UI_VE_KEY_POINT = 10,
  UI_VE_KEY_SIGN = 11,
  UI_VE_KEY_BACKSPACE = 12,
  UI_VE_KEY_CLEAR = 13,
  UI_VE_DIALOG_W = 412,
  UI_VE_DIALOG_H = 224,
};

extern UI_EntryField UI_EntryFields[4];
extern WM_HTIMER UI_hTimerValueEntry;
extern const int16_t UI_ValueEntryKeys[UI_VE_KEYS][4];

// Creates the carrier and the dialog; the first argument is not used (the record names the receiver).
int UI_CreateValueEntry(WM_HWIN hReceiver, const UI_ValueEntryInfo* pInfo);
void UI_ValueEntryCallback(WM_MESSAGE* pMsg);
void UI_ValueEntryApplyKey(int Key, const UI_ValueEntryInfo* pInfo);
// The value the fields compose now, and whether OK would accept it.
int32_t UI_ValueEntryResult(const UI_ValueEntryInfo* pInfo);
int UI_ValueEntryAcceptable(const UI_ValueEntryInfo* pInfo);
int UI_OpenValueEditor(uint8_t Type, WM_HWIN hParent, const UI_ValueLimits* pLimits, const UI_EntryOptions* pOptions);
