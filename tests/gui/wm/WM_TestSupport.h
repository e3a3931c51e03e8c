// Shared set-up of the window-manager tests: a fresh GUI with the window manager on the headless display,
// captured error and warning texts, a message trace and frame-buffer access.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "WM.h"

namespace wmtest {

extern std::vector<std::string> Errors;   // error and warning texts since the fixture started
extern std::vector<std::string> Trace;    // filled by the trace callback

// Starts the GUI and the window manager with error capture; stops both at the end.
class WmTest : public testing::Test {
protected:
  void SetUp() override;
  void TearDown() override;
};

// Name of a message id for traces ("WM_POINTER" ...).
std::string MsgName(int MsgId);
// Names a window for traces; windows without a name print their handle.
void SetName(WM_HWIN hWin, const std::string& Name);
std::string Name(WM_HWIN hWin);
// Callback that appends "<window> <message>[ data]" to Trace for the input, focus and life-cycle
// messages, then answers through WM_DefaultProc.
void cbTrace(WM_MESSAGE* pMsg);
// Stores a pointer state and lets the window manager handle it.
void Pointer(int x, int y, int Pressed);

// Pixel index of the display at (x, y) and the index a colour becomes.
unsigned PixelIndex(int x, int y);
unsigned ColorIndex(GUI_COLOR Color);

} // namespace wmtest
