// The last screen of the controller: a fatal error code on a white display.
#pragma once
#include <cstdint>

// Stops the window manager's drawing and shows "ERROR <code>" (the code's low byte) in a red frame.
void UI_ShowErrorScreen(uint32_t Code);
