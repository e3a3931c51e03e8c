// A host for tests: the platform, the shared mapping in a namespace of this process, the main frame with its LCD
// and log windows (never shown), and what reaches the GUI library's input stores.
#pragma once
#include <string>
#include <vector>

#include "PLAT_Window.h"

struct SIM_TEST_KEY {
  int Key, Pressed;
};

extern std::vector<SIM_TEST_KEY> SimTest_Keys;
void SimTest_TakeKeys(void);         // moves the GUI library's queued key messages to SimTest_Keys

// The message boxes asked for since the platform was set up; none is shown (each is answered with OK).
struct SIM_TEST_BOX {
  PLAT_HWIN hOwner;
  std::string Text, Caption;
  uint32_t Style;
};
extern std::vector<SIM_TEST_BOX> SimTest_Boxes;
// The texts of the boxes asked for since the platform was set up, in order.
std::vector<std::string> SimTest_BoxTexts(void);

void SimTest_InitPlatform(void);     // the platform and the mapping namespace only
PLAT_HWIN SimTest_StartHost(void);   // all of the above plus the main frame; returns it (made once per process)
PLAT_HWIN SimTest_GetLCDWindow(void);
// Lets the calling task draw straight onto the display, however the GUI library was left: a controller application
// that ran earlier in this process leaves the window manager up, and its clipping keeps drawing that belongs to no
// window off the display. Calls GUI_Init; answers whether the window manager was on in this task's context.
int SimTest_DrawOnTheBareDisplay(void);
void SimTest_StopHost(void);         // closes the main frame and the mapping; the next start makes them anew
std::string SimTest_MakeTempDir(void);
std::string SimTest_ReadFile(const std::string& Path);
