// State shared by the value entry's field logic and its dialog.
#pragma once
#include <cstdint>

#include "GUI.h"
#include "UI_ValueEntry.h"

struct UI_VALUE_ENTRY_STATE {
  uint8_t aTyped[4];  // digits typed after the decimal point
  uint8_t aPoint[4];  // decimal point typed
  uint8_t Negative, Fresh, TwoRow, UpperByTouch;
  int Current, Count;
  int Pressed;   // key 0..29, -1 none
  int32_t Sv;    // step of field 1 in mode 1
  GUI_RECT rMin, rMax;  // the limits in the title line, for touch
  UI_SIDE_BUTTON_SAVE SideButtons;
};
extern UI_VALUE_ENTRY_STATE UI__ValueEntryState;

int64_t UI__Pow10(int n);
int UI__FieldDecimals(int k);
int64_t UI__FieldScale(int k);
int64_t UI__FieldScaled(int k);
int UI__FieldOutside(int k);
int64_t UI__ValueEntryTotal(int Mode);
void UI__ValueEntrySetup(const UI_ValueEntryInfo* pInfo);
void UI__ValueEntrySetLimit(const UI_ValueEntryInfo* pInfo, int Upper);
void UI__SplitTotal(int64_t T);
