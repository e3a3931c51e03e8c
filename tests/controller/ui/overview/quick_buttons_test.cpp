// Quick buttons of an overview page: the long press that opens them, where they stand, and the touches and
// the time-out that remove them.
#include "overview_test_util.h"

using namespace ovtest;

namespace {

class QuickButtonTest : public OverviewTest {
 protected:
  static std::vector<std::pair<int, int>> Buttons() {
    std::vector<std::pair<int, int>> v;
    for (WM_HWIN h = WM_GetFirstChild(UI_hQuickLayer); h; h = WM_GetNextSibling(h))
      v.push_back({WM_GetWindowPosX(h) - WM_GetWindowPosX(UI_hOverviewWin),
                   WM_GetWindowPosY(h) - WM_GetWindowPosY(UI_hOverviewWin)});
    return v;
  }
};

TEST_F(QuickButtonTest, ALongPressOpensThemAndFiveSecondsCloseThem) {
  ShowDesign({EveryKind()});
  Pointer(240, 220, 1);
  Advance(2900);
  EXPECT_EQ(UI_hQuickLayer, 0);
  Advance(200);
  ASSERT_NE(UI_hQuickLayer, 0);
  Pointer(240, 220, 0);
  using P = std::pair<int, int>;
  EXPECT_EQ(Buttons(), (std::vector<P>{{203 - 84, 99}, {203, 99}, {203 + 84, 99}}));
  EXPECT_TRUE(golden::Matches("controller/ui/overview_quick_buttons", golden::CaptureLCD()));
  Advance(4900);
  EXPECT_NE(UI_hQuickLayer, 0);
  Advance(200);
  EXPECT_EQ(UI_hQuickLayer, 0);
}

TEST_F(QuickButtonTest, ATouchBesideThemRemovesThemAndAButtonActs) {
  ShowDesign({EveryKind()});
  UI_CreateQuickButtons(UI_hOverviewWin, 450, 250);  // limited to (406, 198)
  Settle();
  using P = std::pair<int, int>;
  EXPECT_EQ(Buttons(), (std::vector<P>{{406 - 84, 198}, {406, 198}, {406 + 84, 198}}));
  Pointer(10, 10, 1);
  EXPECT_EQ(WM_GetFirstChild(UI_hQuickLayer), 0);  // gone at the press
  EXPECT_NE(UI_hQuickLayer, 0);
  Pointer(10, 10, 0);
  EXPECT_EQ(UI_hQuickLayer, 0);  // the layer goes with the release
  UI_CreateQuickButtons(UI_hOverviewWin, 203, 99);
  Settle();
  Touch(203 - 84 + 37, 99 + 37);  // the main menu
  EXPECT_EQ(UI_hQuickLayer, 0);
  EXPECT_TRUE(WM_IsVisible(UI_hBackgroundWin));
  // A page button opens its menu page in the menu layout.
  ASSERT_EQ(UI_GoHome(), 1);
  UI_CreateQuickButtons(UI_hOverviewWin, 203, 99);
  Settle();
  Touch(203 + 37, 99 + 37);  // page B
  EXPECT_EQ(UI_hQuickLayer, 0);
  EXPECT_TRUE(WM_IsVisible(UI_hBackgroundWin));
  EXPECT_EQ(UI_MenuStackInstance.GetNode(), 0xB5800u);
}

TEST_F(QuickButtonTest, WithoutDesignLayoutOnlyThePageButtonsAppearAbovethePoint) {
  ShowDesign({EveryKind()}, 0);
  UI_CreateQuickButtons(UI_hOverviewWin, 203, 99);
  using P = std::pair<int, int>;
  EXPECT_EQ(Buttons(), (std::vector<P>{{203 - 42, 99 - 30}, {203 + 42, 99 - 30}}));
}

}  // namespace
