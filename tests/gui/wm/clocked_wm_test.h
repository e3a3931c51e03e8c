// Fixture of the timer, motion and widget tests: the window manager on the headless display with a test
// clock, and the widget base's default effect back at its start value.
#pragma once
#include "../core/timer_clock.h"
#include "WIDGET.h"
#include "WM_TestSupport.h"

class ClockedWmTest : public wmtest::WmTest {
protected:
  void SetUp() override {
    wmtest::WmTest::SetUp();
    Clock.Install(1000);
    WIDGET_SetDefaultEffect(&WIDGET_Effect_3D);
  }
  // Lets time pass and runs what became due.
  void Advance(int ms) {
    Clock.Advance(ms);
    GUI_Exec();
  }
  TestClock Clock;
};
