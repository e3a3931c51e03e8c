// The main screen as the start-up builds it: windows, the own root menu, golden images, language switch.
#include "main_fixture.h"

#include "UI_MainListPage.h"

namespace {

TEST_F(MainScreenTest, StartsIntoTheOwnRootMenuWithTitleBarAndSideButtons) {
  EXPECT_EQ(UI_MenuStackInstance.GetNode(), uint32_t(UI_ROOT_MENU));
  EXPECT_TRUE(WM_IsVisible(UI_hBackgroundWin));
  EXPECT_FALSE(WM_IsVisible(UI_hMainWin));
  EXPECT_EQ(WM_GetParent(UI_hTitleBar), UI_hBackgroundWin);
  EXPECT_EQ(WM_GetWindowPosX(UI_hHomeButton), 430);
  EXPECT_EQ(WM_GetWindowPosY(UI_hHomeButton), 45);
  EXPECT_EQ(WM_GetWindowPosY(UI_hBackButton), 160);
  EXPECT_EQ(WM_GetId(UI_hHomeButton), UI_ID_HOME);
  EXPECT_EQ(WM_GetId(UI_hBackButton), UI_ID_BACK);
  ASSERT_NE(Page(), 0u);
  EXPECT_EQ(UI_MenuStackInstance.GetHistoryDepth(), 0);
  EXPECT_TRUE(Errors().empty());
  EXPECT_TRUE(golden::Matches("controller/ui/main_screen", golden::CaptureLCD()));
}

}  // namespace
