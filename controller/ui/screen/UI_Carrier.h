// The carrier: a full-screen transparent window under every modal entry dialog and panel. It takes the side
// buttons while the dialog is open and, when the dialog closes, gives them back to the screen below as they
// were. Carriers stack: each remembers the one before it.
#pragma once
#include <cstdint>

#include "WM.h"

// The carrier's user data.
struct UI_CARRIER_DATA {
  uint32_t Mask;    // 1: the home button was visible, 2: the back button was visible
  WM_HWIN hReturn;  // previous carrier, or the background or the main window
};

// Creates a carrier on the desktop as UI_hEntryShield, remembering the side buttons' visibility and the screen
// below, and sends it UI_MSG_OPENED. Returns the carrier.
WM_HWIN UI_CreateCarrier(void);
void UI_ScreenShieldCallback(WM_MESSAGE* pMsg);
