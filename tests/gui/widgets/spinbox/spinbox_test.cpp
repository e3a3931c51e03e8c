// The spin box: stepping by buttons with auto-repeat under the test clock, by keys, limits of its range
// and step, a pointer that changes buttons, notifications, and golden images of both looks.
#include <climits>

#include "EDIT.h"
#include "SPINBOX.h"
#include "widget_support.h"

namespace {

class SpinboxTest : public WidgetParentTest<> {
protected:
  void SetUp() override {
    WidgetParentTest::SetUp();
    SPINBOX_SetDefaultSkin(nullptr);
    SPINBOX_SetDefaultSkinClassic();
  }
};

TEST_F(SpinboxTest, NoRangeNoWidgetAnySizeAWidget) {
  I32 Before = GUI_ALLOC_GetNumUsedBlocks();
  EXPECT_EQ(SPINBOX_CreateUser(10, 10, 80, 24, hParent, WM_CF_SHOW, 3, 7, 7, 0), 0);
  EXPECT_EQ(SPINBOX_CreateUser(10, 10, 80, 24, hParent, WM_CF_SHOW, 3, 8, 7, 0), 0);
  EXPECT_EQ(GUI_ALLOC_GetNumUsedBlocks(), Before);
  // Heights at the ends of int lay the spin box out without overflow; the window stops at the range's end.
  WM_HWIN hHigh = SPINBOX_CreateUser(10, 10, 80, INT_MAX, hParent, WM_CF_SHOW, 4, 0, 9, 0);
  WM_HWIN hLow = SPINBOX_CreateUser(10, 10, 80, INT_MIN, hParent, WM_CF_SHOW, 5, 0, 9, 0);
  ASSERT_NE(hHigh, 0u);
  ASSERT_NE(hLow, 0u);
  EXPECT_EQ(WM_GetWindowSizeY(hHigh), 32767 - 10 + 1);
  EXPECT_NE(SPINBOX_GetEditHandle(hHigh), 0u);
  WM_Exec();
}

TEST_F(SpinboxTest, HeldButtonRepeatsAtOnceAfter400msThenEvery50ms) {
  WM_HWIN h = SPINBOX_CreateUser(10, 10, 80, 24, hParent, WM_CF_SHOW, 3, -10, 100, 0);
  EXPECT_EQ(SPINBOX_GetValue(h), -10) << "starts at Min";
  SPINBOX_SetValue(h, 0);
  SPINBOX_SetStep(h, 5);
  Heard().clear();
  // The up button is the upper half of the button column at the right.
  Press(85, 14);
  EXPECT_EQ(SPINBOX_GetValue(h), 5) << "a press steps at once";
  Advance(399);
  EXPECT_EQ(SPINBOX_GetValue(h), 5);
  Advance(1);
  EXPECT_EQ(SPINBOX_GetValue(h), 10) << "the first repeat after 400 ms";
  std::vector<int> aSeen;
  for (int i = 0; i < 20; i++) {
    Advance(50);
    aSeen.push_back(SPINBOX_GetValue(h));
  }
  EXPECT_EQ(aSeen[0], 15);
  EXPECT_EQ(aSeen[1], 20);
  EXPECT_EQ(aSeen[17], 100);
  EXPECT_EQ(aSeen[19], 100) << "and stops at Max";
  Release(85, 14);
  Advance(500);
  EXPECT_EQ(SPINBOX_GetValue(h), 100);
  EXPECT_EQ(widgettest::HeardCodes(1), (std::vector<std::string>{"3:1"}));
  EXPECT_EQ(Heard().back(), "3:2");
  EXPECT_EQ(widgettest::HeardCodes(5).size(), 20u) << "every change from 0 to 100 is passed on";
}

TEST_F(SpinboxTest, MovingToTheOtherButtonSkipsOneStep) {
  WM_HWIN h = SPINBOX_CreateUser(10, 10, 80, 24, hParent, WM_CF_SHOW, 3, -100, 100, 0);
  SPINBOX_SetValue(h, 0);
  Press(85, 14);
  EXPECT_EQ(SPINBOX_GetValue(h), 1);
  Press(85, 30); // onto the down button
  Advance(400);
  EXPECT_EQ(SPINBOX_GetValue(h), 1) << "the step after a change of buttons is skipped";
  Advance(50);
  EXPECT_EQ(SPINBOX_GetValue(h), 0) << "then the down button repeats";
  Press(40, 22); // off both buttons: released
  Advance(200);
  EXPECT_EQ(SPINBOX_GetValue(h), 0);
  Release(40, 22);
}

TEST_F(SpinboxTest, KeysStepAndLimits) {
  WM_HWIN h = SPINBOX_CreateUser(10, 10, 80, 24, hParent, WM_CF_SHOW, 3, 0, 50, 0);
  WM_SetFocus(h);
  EXPECT_EQ(SPINBOX_SetStep(h, 20), 1);
  EXPECT_EQ(SPINBOX_SetStep(h, 0), 20) << "step 0 is ignored";
  Key(GUI_KEY_UP);
  Key(GUI_KEY_UP);
  EXPECT_EQ(SPINBOX_GetValue(h), 40);
  Key(GUI_KEY_UP);
  EXPECT_EQ(SPINBOX_GetValue(h), 50);
  Key(GUI_KEY_DOWN);
  EXPECT_EQ(SPINBOX_GetValue(h), 30);
  SPINBOX_SetRange(h, 10, 5);
  SPINBOX_SetValue(h, 500);
  EXPECT_EQ(SPINBOX_GetValue(h), 50) << "a range without room is refused";
  SPINBOX_SetRange(h, INT32_MAX - 10, INT32_MAX);
  EXPECT_EQ(SPINBOX_GetValue(h), INT32_MAX - 10);
  SPINBOX_SetValue(h, INT32_MAX);
  Key(GUI_KEY_UP);
  EXPECT_EQ(SPINBOX_GetValue(h), INT32_MAX) << "no wrap past 32 bits";
  // A focusable edit takes the keys itself and steps its digits.
  SPINBOX_SetRange(h, 0, 999);
  SPINBOX_SetValue(h, 5);
  SPINBOX_SetEditFocusable(h, 1);
  WM_HWIN hEdit = SPINBOX_GetEditHandle(h);
  WM_SetFocus(hEdit);
  EDIT_SetCursorAtChar(hEdit, 1);
  Key(GUI_KEY_UP);
  EXPECT_EQ(SPINBOX_GetValue(h), 15);
}

class SpinboxGolden : public SpinboxTest, public testing::WithParamInterface<bool> {};

TEST_P(SpinboxGolden, EdgesAndStates) {
  bool Flex = GetParam();
  if (Flex) {
    SPINBOX_SetDefaultSkin(SPINBOX_DrawSkinFlex);
  }
  WM_HWIN a[6];
  for (int i = 0; i < 6; i++) {
    a[i] = SPINBOX_CreateUser(4 + (i % 2) * 110, 4 + (i / 2) * 36, 100, 30, hParent, WM_CF_SHOW, 3 + i, -50, 500, 0);
    SPINBOX_SetValue(a[i], 42 * i);
  }
  SPINBOX_SetEdge(a[1], SPINBOX_EDGE_LEFT);
  SPINBOX_SetEdge(a[2], SPINBOX_EDGE_CENTER);
  WM_DisableWindow(a[3]);
  SPINBOX_SetFont(a[4], &GUI_Font8);
  WM_SetFocus(a[5]);
  WM_Exec();
  Press(4 + 110 + 95, 4 + 72 + 24); // the down button of the last one, held
  WM_Exec();
  EXPECT_TRUE(golden::Matches(Flex ? "widgets/spinbox/flex" : "widgets/spinbox/classic",
                              golden::CaptureLCD(0, 0, 219, 111)));
  Release(4 + 110 + 95, 4 + 72 + 24);
}

INSTANTIATE_TEST_SUITE_P(Looks, SpinboxGolden, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& i) { return i.param ? "Flex" : "Classic"; });

} // namespace

namespace {

TEST_F(SpinboxTest, ButtonsOnBothSidesAndRangeFromADialogRecord) {
  WIDGET_CREATE_INFO Info = {SPINBOX_CreateIndirect, nullptr, 4, 10, 10, 100, 24, 0,
                             (I32)((200u << 16) | (U16)(I16)-50), 0};
  WM_HWIN h = SPINBOX_CreateIndirect(&Info, hParent, 0, 0, nullptr);
  ASSERT_NE(h, 0);
  EXPECT_EQ(SPINBOX_GetValue(h), -50) << "Min from the low half, signed";
  SPINBOX_SetValue(h, 1000);
  EXPECT_EQ(SPINBOX_GetValue(h), 200) << "Max from the high half";
  SPINBOX_SetEdge(h, SPINBOX_EDGE_CENTER);
  SPINBOX_SetValue(h, 0);
  Press(15, 20); // left: the down button
  Release(15, 20);
  EXPECT_EQ(SPINBOX_GetValue(h), -1);
  Press(104, 20); // right: the up button
  Release(104, 20);
  EXPECT_EQ(SPINBOX_GetValue(h), 0);
  WM_HWIN hEdit = SPINBOX_GetEditHandle(h);
  EXPECT_GT(WM_GetWindowPosX(hEdit), 10 + 20) << "the edit sits between the buttons";
  WIDGET_CREATE_INFO Zero = {SPINBOX_CreateIndirect, nullptr, 5, 10, 40, 100, 24, 0, 0, 0};
  WM_HWIN h2 = SPINBOX_CreateIndirect(&Zero, hParent, 0, 0, nullptr);
  SPINBOX_SetValue(h2, 1000);
  EXPECT_EQ(SPINBOX_GetValue(h2), 100) << "no range given: 0 to 100";
}

TEST_F(SpinboxTest, DisabledSpinBoxDisablesItsEdit) {
  WM_HWIN h = SPINBOX_CreateUser(10, 10, 80, 24, hParent, WM_CF_SHOW, 3, 0, 9, 0);
  WM_DisableWindow(h);
  EXPECT_FALSE(WM_IsEnabled(SPINBOX_GetEditHandle(h)));
  WM_EnableWindow(h);
  EXPECT_TRUE(WM_IsEnabled(SPINBOX_GetEditHandle(h)));
  EXPECT_EQ(SPINBOX_GetButtonColor(h, 15), 0u) << "index 15 is outside the table";
  SPINBOX_SetButtonColor(h, 14, 0x112233);
  EXPECT_EQ(SPINBOX_GetButtonColor(h, 14), 0x112233u);
}

} // namespace
