// The check box: state cycles by click and space key, limits of states and indexes, default size,
// notifications, the flexible check mark, and golden images of every state in both looks.
#include <algorithm>

#include "widget_support.h"

namespace {

class CheckboxTest : public WidgetParentTest<> {};

TEST_F(CheckboxTest, ClicksCycleThroughTheStates) {
  WM_HWIN h = CHECKBOX_CreateEx(10, 10, 60, 15, hParent, WM_CF_SHOW, 0, 3);
  Heard().clear();
  Press(15, 15);
  EXPECT_EQ(CHECKBOX_GetState(h), 1);
  Release(15, 15);
  EXPECT_EQ(Heard(), (std::vector<std::string>{"3:8", "3:5", "3:1", "3:2"}));
  EXPECT_EQ(GUI_GetKey(), 3) << "a click leaves the Id as the pending key";
  Press(15, 15);
  Release(15, 15);
  EXPECT_EQ(CHECKBOX_GetState(h), 0) << "two states: a checked box unchecks";
  CHECKBOX_SetNumStates(h, 3);
  int aSeen[4];
  for (int& s : aSeen) {
    Press(15, 15);
    Release(15, 15);
    s = CHECKBOX_GetState(h);
  }
  EXPECT_EQ(aSeen[0], 1);
  EXPECT_EQ(aSeen[1], 2);
  EXPECT_EQ(aSeen[2], 0);
  EXPECT_EQ(aSeen[3], 1);
}

TEST_F(CheckboxTest, DraggingWhileCapturedAndMovingOut) {
  CHECKBOX_CreateEx(10, 10, 60, 15, hParent, WM_CF_SHOW, 0, 3);
  Press(15, 15);
  Heard().clear();
  Press(200, 100); // captured: the box hears the move and reports 0
  Release(200, 100);
  EXPECT_EQ(Heard(), (std::vector<std::string>{"3:0", "3:2"}));
}

TEST_F(CheckboxTest, SetStateOnlyBelowTheNumberOfStates) {
  WM_HWIN h = CHECKBOX_CreateEx(10, 10, 60, 15, hParent, WM_CF_SHOW, 0, 3);
  Heard().clear();
  CHECKBOX_SetState(h, 2);
  EXPECT_EQ(CHECKBOX_GetState(h), 0);
  EXPECT_TRUE(Heard().empty());
  CHECKBOX_SetState(h, 1);
  CHECKBOX_SetState(h, 1); // stored again, told again
  EXPECT_EQ(Heard(), (std::vector<std::string>{"3:5", "3:5"}));
  EXPECT_TRUE(CHECKBOX_IsChecked(h));
  CHECKBOX_SetNumStates(h, 4);
  CHECKBOX_SetNumStates(h, 1);
  CHECKBOX_SetState(h, 2);
  EXPECT_EQ(CHECKBOX_GetState(h), 1) << "only 2 or 3 states exist";
}

TEST_F(CheckboxTest, SpaceKeyOnlyWhenEnabled) {
  WM_HWIN h = CHECKBOX_CreateEx(10, 10, 60, 15, hParent, WM_CF_SHOW, 0, 3);
  WM_SetFocus(h);
  Key(GUI_KEY_SPACE);
  EXPECT_EQ(CHECKBOX_GetState(h), 1);
  WM_DisableWindow(h);
  Key(GUI_KEY_SPACE);
  EXPECT_EQ(CHECKBOX_GetState(h), 1);
}

TEST_F(CheckboxTest, ZeroSizeTakesTheDefaultSize) {
  WM_HWIN h = CHECKBOX_CreateEx(0, 0, 0, 0, hParent, WM_CF_SHOW, 0, 3);
  EXPECT_EQ(WM_GetWindowSizeX(h), 15);
  EXPECT_EQ(WM_GetWindowSizeY(h), 15);
  CHECKBOX_SetDefaultSkin(CHECKBOX_DrawSkinFlex);
  CHECKBOX_SKINFLEX_PROPS Props;
  CHECKBOX_GetSkinFlexProps(&Props, 0);
  Props.ButtonSize = 19;
  CHECKBOX_SetSkinFlexProps(&Props, 0);
  WM_HWIN hFlex = CHECKBOX_CreateEx(0, 0, 0, 0, hParent, WM_CF_SHOW, 0, 4);
  EXPECT_EQ(WM_GetWindowSizeY(hFlex), 19);
  EXPECT_EQ(CHECKBOX_GetSkinFlexButtonSize(hFlex), 19) << "the flexible box follows the window height";
  Props.ButtonSize = 15;
  CHECKBOX_SetSkinFlexProps(&Props, 0);
}

TEST_F(CheckboxTest, TextAndSettersGuardTheirInput) {
  WM_HWIN h = CHECKBOX_CreateEx(0, 0, 80, 15, hParent, WM_CF_SHOW, 0, 3);
  CHECKBOX_SetText(h, "Option");
  CHECKBOX_SetText(h, nullptr); // ignored
  char ab[5] = {'z', 'z', 'z', 'z', 'z'};
  EXPECT_EQ(CHECKBOX_GetText(h, ab, 4), 3);
  EXPECT_STREQ(ab, "Opt");
  EXPECT_EQ(ab[4], 'z');
  EXPECT_EQ(CHECKBOX_SetBoxBkColor(h, 0x00FF00, 2), 0u);
  EXPECT_EQ(CHECKBOX_SetBoxBkColor(h, 0x00FF00, 1), 0xFFFFFFu);
  EXPECT_EQ(CHECKBOX_SetBoxBkColor(h, 0x00FF00, 1), 0u) << "unchanged";
  EXPECT_EQ(CHECKBOX_SetFocusColor(h, 0x0000FF), 0u) << "the previous colour was black";
  CHECKBOX_SetImage(h, nullptr, 6);
  CHECKBOX_SetBkColor(h, 0xFFFFFFF);
  EXPECT_TRUE(WM_GetHasTrans(h));
  EXPECT_EQ(CHECKBOX_SetDefaultFocusColor(0x112233), 0u);
  EXPECT_EQ(CHECKBOX_SetDefaultFocusColor(0), 0x112233u);
}

// The flexible mark of a 20-pixel box is 14 x 14 at (3, 3): the first and last columns and rows of that
// square stay clear around the strokes, and nothing is drawn outside it.
TEST_F(CheckboxTest, FlexibleMarkFitsItsBox) {
  WM_HWIN h = CHECKBOX_CreateEx(10, 10, 20, 20, hParent, WM_CF_SHOW, 0, 3);
  CHECKBOX_SetSkin(h, CHECKBOX_DrawSkinFlex);
  EXPECT_EQ(CHECKBOX_GetSkinFlexButtonSize(h), 20);
  WM_Exec();
  golden::Image Empty = golden::CaptureLCD(10, 10, 29, 29);
  CHECKBOX_SetState(h, 1);
  WM_Exec();
  golden::Image Checked = golden::CaptureLCD(10, 10, 29, 29);
  int xMin = 99, yMin = 99, xMax = -1, yMax = -1;
  for (int y = 0; y < 20; y++) {
    for (int x = 0; x < 20; x++) {
      if (Empty.Pixels[y * 20 + x] != Checked.Pixels[y * 20 + x]) {
        xMin = std::min(xMin, x), yMin = std::min(yMin, y);
        xMax = std::max(xMax, x), yMax = std::max(yMax, y);
      }
    }
  }
  EXPECT_GE(xMin, 3);
  EXPECT_GE(yMin, 3);
  EXPECT_LE(xMax, 16);
  EXPECT_LE(yMax, 16);
  EXPECT_LT(xMin, xMax);
}

TEST_F(CheckboxTest, FlexibleMarksAreBuiltOnceAndAMissingBlockIsReported) {
  WM_HWIN h = CHECKBOX_CreateEx(10, 10, 24, 24, hParent, WM_CF_SHOW, 0, 3);
  CHECKBOX_SetSkin(h, CHECKBOX_DrawSkinFlex);
  CHECKBOX_SetState(h, 1);
  GUI_ALLOC__FailNth(1);
  WM_Exec();
  GUI_ALLOC__FailNth(0);
  EXPECT_EQ(wmtest::Errors, std::vector<std::string>{
                                "E:Could not allocate memory for new SKINPROP_BITMAP structure. Size of "
                                "SKINPROP_BITMAP: 80"});
  WM_InvalidateWindow(h);
  WM_Exec();
  I32 Used = GUI_ALLOC_GetNumUsedBlocks();
  for (int i = 0; i < 3; i++) {
    WM_InvalidateWindow(h);
    WM_Exec();
  }
  WM_HWIN hSame = CHECKBOX_CreateEx(40, 10, 24, 24, hParent, WM_CF_SHOW, 0, 4);
  CHECKBOX_SetSkin(hSame, CHECKBOX_DrawSkinFlex);
  CHECKBOX_SetState(hSame, 1);
  I32 UsedWithSecond = GUI_ALLOC_GetNumUsedBlocks();
  WM_Exec();
  EXPECT_EQ(GUI_ALLOC_GetNumUsedBlocks(), UsedWithSecond) << "a box of the same size reuses the mark";
  EXPECT_GT(UsedWithSecond, Used);
}

// Every state, enabled and disabled, with and without text and focus, at two sizes; classic and flexible.
class CheckboxGolden : public CheckboxTest, public testing::WithParamInterface<bool> {};

TEST_P(CheckboxGolden, States) {
  bool Flex = GetParam();
  for (int Size = 0; Size < 2; Size++) {
    for (int State = 0; State < 3; State++) {
      for (int Variant = 0; Variant < 3; Variant++) { // enabled, disabled, focused with text
        int x = 4 + Size * 110 + Variant * 34, y = 4 + State * 26;
        WM_HWIN h = CHECKBOX_CreateEx(x, y, Variant == 2 ? 34 + Size * 20 : 15 + Size * 6, 15 + Size * 6, hParent,
                                      WM_CF_SHOW, 0, 10);
        if (Flex) {
          CHECKBOX_SetSkin(h, CHECKBOX_DrawSkinFlex);
        }
        CHECKBOX_SetNumStates(h, 3);
        CHECKBOX_SetState(h, (unsigned)State);
        if (Variant == 1) {
          WM_DisableWindow(h);
        }
        if (Variant == 2) {
          CHECKBOX_SetText(h, "Ok");
          WM_SetFocus(h);
        }
      }
    }
  }
  WM_Exec();
  EXPECT_TRUE(golden::Matches(Flex ? "widgets/checkbox/flex" : "widgets/checkbox/classic",
                              golden::CaptureLCD(0, 0, 219, 83)));
}

INSTANTIATE_TEST_SUITE_P(Looks, CheckboxGolden, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& i) { return i.param ? "Flex" : "Classic"; });

} // namespace
