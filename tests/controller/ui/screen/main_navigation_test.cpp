// Navigation by touch: links of the page, the side buttons with their debounce, home and back, language.
#include "main_fixture.h"

#include "UI_Startup.h"

namespace {

constexpr int kBackX = 450, kBackY = 200, kHomeX = 450, kHomeY = 90;

using MainNavigationTest = MainScreenTest;

// The root menu's tiles: 0 inputs, 2 fixed values, 3 functions.
constexpr int kInputs = 0, kFixedValues = 2, kFunctions = 3;

TEST_F(MainNavigationTest, ALinkOpensItsPageAndBackReturnsAtTheScrollPosition) {
  WM_MESSAGE Msg = {};
  Msg.MsgId = WM_WHEEL;
  Msg.Data.v = -3;  // three notches down
  WM_SendMessage(Page(), &Msg);
  Settle();
  ASSERT_EQ(UI_GetPageScrollOffset(), -60);
  TouchElement(kFunctions);
  EXPECT_EQ(UI_MenuStackInstance.GetNode(), 0x5804u);
  EXPECT_EQ(UI_GetPageScrollOffset(), 0);
  Touch(kBackX, kBackY);
  EXPECT_EQ(UI_MenuStackInstance.GetNode(), uint32_t(UI_ROOT_MENU));
  EXPECT_EQ(UI_GetPageScrollOffset(), -60);
  EXPECT_TRUE(Errors().empty());
}

TEST_F(MainNavigationTest, ASwipeOrAReleaseOutsideOpensNothing) {
  Pointer(ElementX(kInputs), ElementY(kInputs), 1);
  PointerMoved = 1;
  Pointer(ElementX(kInputs), ElementY(kInputs), 0);
  PointerMoved = 0;
  EXPECT_EQ(UI_MenuStackInstance.GetNode(), uint32_t(UI_ROOT_MENU));
  Pointer(ElementX(kInputs), ElementY(kInputs), 1);
  Pointer(ElementX(kFixedValues), ElementY(kFixedValues), 0);  // released on another tile
  EXPECT_EQ(UI_MenuStackInstance.GetNode(), uint32_t(UI_ROOT_MENU));
}

TEST_F(MainNavigationTest, SideButtonReleasesWithin150MsAreIgnored) {
  TouchElement(kInputs);
  TouchElement(0);  // Inputs, then input 1
  ASSERT_EQ(UI_MenuStackInstance.GetHistoryDepth(), 2);
  Pointer(kBackX, kBackY, 1);
  Pointer(kBackX, kBackY, 0);
  EXPECT_EQ(UI_MenuStackInstance.GetHistoryDepth(), 1);
  Advance(100);
  Pointer(kBackX, kBackY, 1);
  Pointer(kBackX, kBackY, 0);  // 100 ms later: still latched
  EXPECT_EQ(UI_MenuStackInstance.GetHistoryDepth(), 1);
  EXPECT_EQ(UI_SideButtonLatch, 1);
  Advance(50);
  EXPECT_EQ(UI_SideButtonLatch, 0);
  Pointer(kBackX, kBackY, 1);
  Pointer(kBackX, kBackY, 0);
  EXPECT_EQ(UI_MenuStackInstance.GetNode(), uint32_t(UI_ROOT_MENU));
}

TEST_F(MainNavigationTest, SideButtonActsOnlyOnAReleaseInsideWithoutASwipe) {
  TouchElement(kInputs);
  Pointer(kBackX, kBackY, 1);
  Pointer(kBackX, 100, 0);  // released above the button (it holds the pointer)
  EXPECT_EQ(UI_MenuStackInstance.GetNode(), 0x5801u);
  Advance(200);
  Pointer(kBackX, kBackY, 1);
  PointerMoved = 1;
  Pointer(kBackX, kBackY, 0);
  PointerMoved = 0;
  EXPECT_EQ(UI_MenuStackInstance.GetNode(), 0x5801u);
  Advance(200);
  // A release one line under the button is outside; one on its bottom edge (y == height) still counts.
  int yEdge = WM_GetWindowPosY(UI_hBackButton) + WM_GetWindowSizeY(UI_hBackButton);
  Pointer(kBackX, kBackY, 1);
  Pointer(kBackX, yEdge + 1, 0);
  EXPECT_EQ(UI_MenuStackInstance.GetNode(), 0x5801u);
  Advance(200);
  Pointer(kBackX, kBackY, 1);
  Pointer(kBackX, yEdge, 0);
  EXPECT_EQ(UI_MenuStackInstance.GetNode(), uint32_t(UI_ROOT_MENU));
}

TEST_F(MainNavigationTest, HomeOnASubmenuGoesToTheRootAndForgetsTheWay) {
  TouchElement(kInputs);
  TouchElement(2);
  ASSERT_EQ(UI_MenuStackInstance.GetHistoryDepth(), 2);
  Touch(kHomeX, kHomeY);
  EXPECT_EQ(UI_MenuStackInstance.GetNode(), uint32_t(UI_ROOT_MENU));
  EXPECT_EQ(UI_MenuStackInstance.GetHistoryDepth(), 0);
  Touch(kHomeX, kHomeY);  // on the root without overview pages: the main menu again
  EXPECT_EQ(UI_MenuStackInstance.GetNode(), uint32_t(UI_ROOT_MENU));
}

TEST_F(MainNavigationTest, HomeDoesNothingWhileTheScreenLocksIt) {
  TouchElement(kInputs);
  UI_ScreenFlags |= UI_SCREEN_NO_HOME;
  Touch(kHomeX, kHomeY);
  EXPECT_EQ(UI_MenuStackInstance.GetNode(), 0x5801u);
  UI_ScreenFlags = 0;
}

TEST_F(MainNavigationTest, BackOnTheOwnRootWaitsForTheEndOfStartUp) {
  UI_StartupDone = 0;
  Touch(kBackX, kBackY);
  EXPECT_EQ(UI_MenuStackInstance.GetNode(), uint32_t(UI_ROOT_MENU));
  UI_StartupDone = 1;
  Touch(kBackX, kBackY);
  EXPECT_EQ(UI_MenuStackInstance.GetNode(), 0u);  // the network page
  TouchElement(0);  // the own device
  EXPECT_EQ(UI_MenuStackInstance.GetNode(), uint32_t(UI_ROOT_MENU));
}

TEST_F(MainNavigationTest, ForwardedSideButtonsReachTheOpenDialog) {
  static std::vector<int> s_Got;
  s_Got.clear();
  UI_hEntryDialog = WM_CreateWindow(10, 40, 100, 100, WM_CF_SHOW, [](WM_MESSAGE* pMsg) {
    if (pMsg->MsgId > WM_USER) s_Got.push_back(pMsg->MsgId);
  }, 0);
  UI_SetSideButtonCallbacks(UI_SideButtonForwardCallback);
  Touch(kHomeX, kHomeY);
  Touch(kBackX, kBackY);
  EXPECT_EQ(s_Got, (std::vector<int>{UI_MSG_CLOSED, UI_MSG_BACK}));
  WM_DeleteWindow(UI_hEntryDialog);
  UI_hEntryDialog = 0;
  Touch(kBackX, kBackY);  // no dialog: the side buttons go back to navigating
  EXPECT_EQ(WM_GetCallback(UI_hBackButton), UI_SideButtonCallback);
}

TEST_F(MainNavigationTest, LockedAndInactiveSideButtonsTriggerNothing) {
  TouchElement(kInputs);
  UI_SetSideButtonCallbacks(UI_SideButtonLockedCallback);
  Touch(kBackX, kBackY);
  EXPECT_EQ(UI_MenuStackInstance.GetNode(), 0x5801u);
  UI_SetSideButtonCallbacks(UI_SideButtonInactiveCallback);
  Touch(kBackX, kBackY);
  EXPECT_EQ(UI_MenuStackInstance.GetNode(), 0x5801u);
  UI_SetSideButtonCallbacks(UI_SideButtonCallback);
}

TEST_F(MainNavigationTest, SwitchingTheLanguageChangesTheScreensTexts) {
  golden::Image English = golden::CaptureLCD();
  ASSERT_EQ(UI_SetLanguage(TXT_LANG_GERMAN), 0);
  Settle();
  EXPECT_TRUE(golden::Matches("controller/ui/main_screen_german", golden::CaptureLCD()));
  golden::Image Title = golden::CaptureLCD(330, 0, 479, 29);
  ASSERT_EQ(UI_SetLanguage(TXT_LANG_ENGLISH), 0);
  Settle();
  EXPECT_TRUE(golden::Matches("controller/ui/main_screen", golden::CaptureLCD()));
  EXPECT_NE(Title.Pixels, golden::CaptureLCD(330, 0, 479, 29).Pixels);
  EXPECT_EQ(UI_SetLanguage(99), 1);
  (void)English;
}

}  // namespace

namespace {

TEST_F(MainNavigationTest, TheHostsBackMessageActsAsTheBackButton) {
  TouchElement(kInputs);
  ASSERT_EQ(UI_MenuStackInstance.GetNode(), 0x5801u);
  UI_SendBack();
  EXPECT_EQ(UI_MenuStackInstance.GetNode(), uint32_t(UI_ROOT_MENU));
}

}  // namespace

namespace {

std::vector<int> g_Loaded;
int g_OverviewHistory;
UI_OVERVIEW_HOOKS OverviewHooks() {
  UI_OVERVIEW_HOOKS h = {};
  h.pfReset = [] {};
  h.pfLoad = [](int Page) {
    g_Loaded.push_back(Page);
    return 0;
  };
  h.pfPopHistory = [] { return g_OverviewHistory-- > 0 ? 7 : -1; };
  h.pfPeekHistory = [] { return g_OverviewHistory > 0 ? 7 : -1; };
  return h;
}

TEST_F(MainNavigationTest, HomeOnTheRootShowsOverviewPageZeroAndBackLeavesIt) {
  UI_OverviewHooks = OverviewHooks();
  g_Loaded.clear();
  g_OverviewHistory = 1;
  Touch(kHomeX, kHomeY);
  EXPECT_EQ(g_Loaded, std::vector<int>{0});
  EXPECT_TRUE(WM_IsVisible(UI_hMainWin));
  EXPECT_FALSE(WM_IsVisible(UI_hBackgroundWin));
  EXPECT_EQ(WM_GetParent(UI_hTitleBar), UI_hMainWin);
  EXPECT_EQ(WM_GetParent(UI_hBackButton), UI_hMainWin);
  Touch(kBackX, kBackY);  // the overview page before
  EXPECT_EQ(g_Loaded, (std::vector<int>{0, 7}));
  EXPECT_TRUE(WM_IsVisible(UI_hMainWin));
  Touch(kBackX, kBackY);  // no page before: the main menu
  EXPECT_TRUE(WM_IsVisible(UI_hBackgroundWin));
  EXPECT_EQ(WM_GetParent(UI_hTitleBar), UI_hBackgroundWin);
  EXPECT_EQ(UI_MenuStackInstance.GetNode(), uint32_t(UI_ROOT_MENU));
  UI_OverviewHooks = {};
}

}  // namespace
