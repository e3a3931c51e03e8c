// Fixture of the main-screen tests: the GUI with captured errors and a test clock, the controller at factory
// settings with its clock at a fixed time, English texts, and the screens' start-up as the main task runs it.
#pragma once
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "../../gui/core/timer_clock.h"
#include "APP_Hooks.h"
#include "FKT_Registry.h"
#include "GuiTest.h"
#include "GoldenLCD.h"
#include "GUI_MEMDEV.h"
#include "WM_Motion.h"
#include "SIM_Input.h"
#include "SYS_Clock.h"
#include "TXT_Language.h"
#include "UI_Main.h"
#include "UI_MenuPage.h"
#include "UI_Startup.h"

// 2026-03-17 (a Tuesday) 14:05:00 on the controller's clock, as the node status answers it.
constexpr int64_t MAIN_TEST_SECONDS = 1773756300;

class MainScreenTest : public GuiTest {
 protected:
  void SetUp() override {
    setenv("TZ", "UTC", 1);
    tzset();
    GuiTest::SetUp();
    Clock.Install(1000);
    APP_InitController();
    APP_CreateKernelObjects();
    // Earlier tests may have set the controller's clock or moved the simulated inputs: every test starts from the
    // same clock and inputs.
    SYS_ClockOffset = 0;
    SYS_UpdateClock(MAIN_TEST_SECONDS);
    memset(SIM_InputValues, 0, sizeof(SIM_InputValues));
    UI_StartupDone = 1;
    UI_pPointerMoved = &PointerMoved;
    PointerMoved = 0;
    ASSERT_EQ(TXT_SelectLanguage(TXT_LANG_ENGLISH), 0);
    WM_Init();
    GUI_MEMDEV__Init();
    WM_MOTION_Enable(1);
    UI_InstallMenuPages();  // as the running program: the menu pages are built from their descriptions
    UI_CreateMainScreen();
    Settle();
  }
  void TearDown() override {
    UI_DeleteMainWindows();
    UI_pPointerMoved = nullptr;
    UI_SetPageHandler(nullptr);
    UI_OverviewHooks = {};
    GuiTest::TearDown();
    APP_InitController();
  }
  // Lets time pass and runs what became due until nothing is left.
  void Advance(int ms) {
    Clock.Advance(ms);
    Settle();
  }
  static void Settle() {
    for (int i = 0; i < 50 && GUI_Exec(); i++) {
    }
  }
  // A touch: press and release at one point, with time for the debounce in between and after.
  void Touch(int x, int y) {
    Pointer(x, y, 1);
    Advance(50);
    Pointer(x, y, 0);
    Advance(200);
  }
  static void Pointer(int x, int y, int Pressed) {
    GUI_POINTER_STATE s = {};
    s.x = x;
    s.y = y;
    s.Pressed = U8(Pressed);
    GUI_POINTER_StoreState(&s);
    Settle();
  }
  static WM_HWIN Page() { return WM_GetFirstChild(UI_hPageArea); }
  // The i-th child of a window, bottom first; 0 past the last.
  static WM_HWIN Child(WM_HWIN h, int i) {
    h = WM_GetFirstChild(h);
    while (h && i--) h = WM_GetNextSibling(h);
    return h;
  }
  static int ChildCount(WM_HWIN h) {
    int n = 0;
    for (WM_HWIN c = WM_GetFirstChild(h); c; c = WM_GetNextSibling(c)) n++;
    return n;
  }
  // A touch at (x, y) inside the window.
  void TouchIn(WM_HWIN h, int x, int y) { Touch(WM_GetWindowPosX(h) + x, WM_GetWindowPosY(h) + y); }
  // The i-th element window of the shown page (a tile of the root menu, a line of a value-line page).
  static WM_HWIN Element(int i) { return Child(Page(), i); }
  // Screen point in the middle of the i-th element of the shown page.
  static int ElementX(int i) { return WM_GetWindowPosX(Element(i)) + WM_GetWindowSizeX(Element(i)) / 2; }
  static int ElementY(int i) { return WM_GetWindowPosY(Element(i)) + WM_GetWindowSizeY(Element(i)) / 2; }
  void TouchElement(int i) { Touch(ElementX(i), ElementY(i)); }

  TestClock Clock;
  volatile uint8_t PointerMoved = 0;
};
