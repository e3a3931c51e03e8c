// The title bar (480x30): the numbered status indicators, the message and bus flags, the weekday, date and time
// of the node whose menu is shown (its user data holds the node number, 0 = the own controller). It reads the
// node status object 0x57E2 every second for the own node and every 5 s for another one.
#pragma once
#include <cstdint>

#include "WM.h"

enum {
  UI_NODE_STATUS_SIZE = 64,
  UI_MAX_INDICATORS = 18,  // their flag bytes end where the calendar fields begin
  UI_TITLE_REFRESH_OWN_MS = 1000,
  UI_TITLE_REFRESH_REMOTE_MS = 5000,
};

// Indicator flag bits.
enum {
  UI_IND_ACTIVE = 0x01,  // number in black, else light grey
  UI_IND_BOX = 0x02,     // green box with a dark blue frame
  UI_IND_MARK = 0x04,    // small picture below
  UI_IND_RED = 0x08,     // red frame
  UI_IND_DOT = 0x10,     // black dot
};

// The node status as the title bar shows it, decoded from the 64-byte answer.
struct UI_NODE_STATUS {
  int64_t Seconds;  // 0: no clock shown
  uint8_t Flags;    // bit 0 message indicator, bit 1 second indicator
  uint8_t NumIndicators;
  uint8_t aIndicator[UI_MAX_INDICATORS];
  int32_t Min, Hour, Day, Month, Year, WeekDay;  // local calendar time: month 0-11, years since 1900
};
extern UI_NODE_STATUS UI_NodeStatus;

// Decodes a node status answer of n bytes; a short answer leaves the missing fields 0.
void UI_DecodeNodeStatus(const uint8_t* pAnswer, int n, UI_NODE_STATUS* pStatus);

void UI_TitleBarCallback(WM_MESSAGE* pMsg);
