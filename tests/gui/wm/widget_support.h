// Fixture of the widget, timer, tooltip and motion tests: the window manager on the headless display with a
// test clock, and the module-wide widget settings back at their defaults.
#pragma once
#include "../core/timer_clock.h"
#include "BUTTON.h"
#include "WM_TestSupport.h"

class WidgetTest : public wmtest::WmTest {
protected:
  void SetUp() override {
    wmtest::WmTest::SetUp();
    Clock.Install(1000);
    BUTTON_SetReactOnTouch();
    BUTTON_SetDefaultSkin(nullptr);
    WIDGET_SetDefaultEffect(&WIDGET_Effect_3D);
  }
  // Lets time pass and runs what became due.
  void Advance(int ms) {
    Clock.Advance(ms);
    GUI_Exec();
  }
  TestClock Clock;
};
