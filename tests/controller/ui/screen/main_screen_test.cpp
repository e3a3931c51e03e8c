// The main screen as the start-up builds it: windows, the own root menu, golden images, language switch.
#include "main_fixture.h"

#include "UI_Background.h"

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

namespace {

TEST(MainParamRecord, DefaultsOnlyForARecordWithoutAFirstWord) {
  uint32_t a[12] = {};
  UI_InitParamRecord(a);
  EXPECT_EQ(a[8], 1u);
  EXPECT_EQ(a[10], 0x40000u);
  uint32_t b[12] = {5};
  UI_InitParamRecord(b);
  EXPECT_EQ(b[8], 0u);
  UI_InitParamRecord(nullptr);
}

TEST_F(MainScreenTest, PointerTrackStoresTheFirstPositionAndDropsItsChild) {
  UI_PointerTrack = {0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF};
  WM_HWIN hTrack = WM_CreateWindowAsChild(0, 0, UI_PAGE_AREA_W, 300, UI_hPageArea, WM_CF_SHOW | WM_CF_STAYONTOP,
                                          UI_PointerTrackCallback, 0);
  WM_SetYSize(hTrack, 280);
  EXPECT_EQ(WM_GetWindowSizeY(hTrack), UI_PAGE_AREA_H);
  WM_HWIN hChild = WM_CreateWindowAsChild(0, 0, 10, 10, hTrack, WM_CF_SHOW, nullptr, 0);
  Pointer(100, 80, 1);
  EXPECT_FALSE(WM_IsWindow(hChild));
  EXPECT_EQ(UI_PointerTrack.xPointer, 100);
  EXPECT_EQ(UI_PointerTrack.yPointer, 50);  // window-relative
  Pointer(120, 90, 1);
  EXPECT_EQ(UI_PointerTrack.xPointer, 100);
  Pointer(120, 90, 0);
  EXPECT_FALSE(WM_HasCaptured(hTrack));
  WM_DeleteWindow(hTrack);
}

}  // namespace
