// Fixture of the widget tests: the clocked window manager with every module-wide widget setting back at its
// start value, so that no test sees what another changed.
#pragma once
#include "BUTTON.h"
#include "DIALOG.h"
#include "clocked_wm_test.h"

class WidgetTest : public ClockedWmTest {
protected:
  void SetUp() override {
    ClockedWmTest::SetUp();
    BUTTON_SetReactOnTouch();
    BUTTON_SetDefaultSkin(nullptr);
    DIALOG_SetBkColor(0xC0C0C0);
  }
};
