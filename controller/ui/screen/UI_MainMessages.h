// Application messages of the controller's screens. The window manager's own ids end at 1024 (WM_WHEEL);
// every callback of the screens consumes these ids itself: UI_MSG_REFRESH and UI_MSG_LOAD never reach
// WM_DefaultProc. Results carry the caller's tag in hWinSrc and the result in Data.v.
#pragma once
#include <cstdint>

enum : int32_t {
  UI_MSG_SELECTION_DONE = 1025,   // list choice made
  UI_MSG_VALUE_DONE = 1034,       // numeric value confirmed
  UI_MSG_OPENED = 1035,           // sent to a new screen or dialog after creation
  UI_MSG_CLOSED = 1036,           // sent to the carrier when a dialog is closed
  UI_MSG_TEXT_DONE = 1037,        // text entry confirmed
  UI_MSG_DATE_DONE = 1038,        // date confirmed
  UI_MSG_DIALOG_RESULT = 1039,    // dialog answered
  UI_MSG_REFRESH = 1040,          // re-read values; Data.v 1 = only children visible in the page area
  UI_MSG_LOAD = 1041,             // first read of values and text look-ups
  UI_MSG_BUILD_NODE_LIST = 1042,  // build the node list of the network page
  UI_MSG_NODE_CHOSEN = 1043,      // node chosen
  UI_MSG_CONFIRMED = 1044,        // confirmation given
  UI_MSG_HOME = 1045,             // upper side button released while a screen is open
  UI_MSG_BACK = 1046,             // lower side button released while a screen is open
  UI_MSG_UNCHECK = 1047,          // clear a selection mark
  UI_MSG_BITS_DONE = 1048,        // bit selection confirmed
  UI_MSG_CONTENT_HEIGHT = 1049,   // Data.v = content height of a page
  UI_MSG_RELAYOUT = 1050,         // lay the children out again
  UI_MSG_HIGHLIGHT = 1051,        // highlight an element
  UI_MSG_LOADED = 1052,           // values loaded
  UI_MSG_SORT_MESSAGES = 1064,    // re-order the message pop-ups
};
