// The carrier under modal screens and the panel screen with its tab buttons.
#include "UI_Carrier.h"
#include "UI_Panel.h"
#include "main_fixture.h"
#include "panel_test_util.h"

namespace {

using CarrierTest = MainScreenTest;

// Puts a page-kind word into the shown description, as a tabbed page's description carries it.
void SetKindWord(uint32_t Word) {
  uint8_t* m = UI_MenuStackInstance.GetNodeMenu();
  for (int i = 0; i < 4; i++) m[8 + i] = uint8_t(Word >> (8 * i));
}

TEST_F(CarrierTest, TakesTheSideButtonsAndGivesThemBackWhenClosed) {
  WM_HWIN hCarrier = UI_CreateCarrier();
  ASSERT_NE(hCarrier, 0u);
  EXPECT_EQ(UI_hEntryShield, hCarrier);
  EXPECT_EQ(WM_GetParent(UI_hHomeButton), hCarrier);
  EXPECT_EQ(WM_GetParent(UI_hBackButton), hCarrier);
  EXPECT_EQ(WM_GetWindowPosY(UI_hBackButton), 160);
  WM_SendMessageNoPara(hCarrier, UI_MSG_CLOSED);
  EXPECT_FALSE(WM_IsWindow(hCarrier));
  EXPECT_EQ(UI_hEntryShield, 0u);
  EXPECT_EQ(WM_GetParent(UI_hHomeButton), UI_hBackgroundWin);
  EXPECT_EQ(WM_GetParent(UI_hBackButton), UI_hBackgroundWin);
  EXPECT_TRUE(WM_IsVisible(UI_hBackButton));
  EXPECT_TRUE(Errors().empty());
}

TEST_F(CarrierTest, ABackButtonHiddenBeforeTheDialogStaysHidden) {
  WM_HideWindow(UI_hBackButton);
  WM_HWIN hCarrier = UI_CreateCarrier();
  EXPECT_TRUE(WM_IsVisible(UI_hBackButton));  // the dialog uses it as its confirm button
  WM_SendMessageNoPara(hCarrier, UI_MSG_CLOSED);
  EXPECT_FALSE(WM_IsVisible(UI_hBackButton));
  EXPECT_TRUE(WM_IsVisible(UI_hHomeButton));
  WM_ShowWindow(UI_hBackButton);
}

TEST_F(CarrierTest, StackedCarriersReturnToTheOneBefore) {
  WM_HWIN hFirst = UI_CreateCarrier();
  WM_HWIN hSecond = UI_CreateCarrier();
  EXPECT_EQ(WM_GetParent(UI_hHomeButton), hSecond);
  WM_SendMessageNoPara(hSecond, UI_MSG_CLOSED);
  EXPECT_EQ(UI_hEntryShield, hFirst);
  EXPECT_EQ(WM_GetParent(UI_hHomeButton), hFirst);
  WM_SendMessageNoPara(hFirst, UI_MSG_CLOSED);
  EXPECT_EQ(UI_hEntryShield, 0u);
  EXPECT_EQ(WM_GetParent(UI_hHomeButton), UI_hBackgroundWin);
}

TEST_F(CarrierTest, TabWord00A3GivesTabsOneAndThreeWithTheSecondSelected) {
  SetKindWord(0x00A30B00);  // kind 11, tab mask 0x00A, selected tab 3
  uint32_t User = 0x12345678;
  WM_HWIN hInner = UI_CreatePanel(PanelTestInnerCallback, &User, 4, UI_PanelTabsCallback, 0);
  ASSERT_NE(hInner, 0u);
  EXPECT_EQ(WM_GetParent(UI_hPanel), UI_hPageArea);
  EXPECT_EQ(WM_GetWindowSizeX(UI_hPanel), UI_PANEL_W);
  EXPECT_EQ(WM_GetWindowSizeY(hInner), UI_PANEL_INNER_H);
  uint32_t Got = 0;
  WM_GetUserData(hInner, &Got, 4);
  EXPECT_EQ(Got, User);
  std::vector<UI_TAB_DATA> Tabs;
  for (WM_HWIN h = WM_GetFirstChild(UI_hPanelMiddle); h; h = WM_GetNextSibling(h)) {
    if (h == hInner) continue;
    UI_TAB_DATA d = {};
    WM_GetUserData(h, &d, sizeof(d));
    Tabs.push_back(d);
    EXPECT_EQ(WM_GetWindowPosY(h) - WM_GetWindowPosY(UI_hPanelMiddle), 5 + UI_TAB_STEP * (int(Tabs.size()) - 1));
  }
  ASSERT_EQ(Tabs.size(), 2u);
  EXPECT_EQ(Tabs[0].Tab, 1);
  EXPECT_EQ(Tabs[0].Selected, 0);
  EXPECT_EQ(Tabs[0].Address, 0x5801u);
  EXPECT_EQ(Tabs[1].Tab, 3);
  EXPECT_EQ(Tabs[1].Selected, 1);
  Settle();
  EXPECT_TRUE(golden::Matches("controller/ui/carrier_panel_tabs", golden::CaptureLCD()));
  // Touching a tab shows its address; the page that comes is no panel, so the panel goes.
  Touch(WM_GetWindowPosX(UI_hPanelMiddle) + UI_TAB_X + 10, WM_GetWindowPosY(UI_hPanelMiddle) + 15);
  EXPECT_EQ(UI_MenuStackInstance.GetNode(), 0x5801u);
  EXPECT_EQ(UI_hPanel, 0u);
  EXPECT_TRUE(Errors().empty());
}

TEST_F(CarrierTest, PagesWithoutTabsGetNoTabButtons) {
  SetKindWord(0x00A30700);  // kind 7 has no tabs
  WM_HWIN hInner = UI_CreatePanel(PanelTestInnerCallback, nullptr, 0, UI_PanelTabsCallback, -30);
  EXPECT_EQ(WM_GetFirstChild(UI_hPanelMiddle), hInner);
  EXPECT_EQ(WM_GetNextSibling(hInner), 0u);
  EXPECT_EQ(WM_GetWindowPosY(hInner) - WM_GetWindowPosY(UI_hPanelMiddle), -30);
}

TEST_F(CarrierTest, APanelOverTheOverviewStandsOnACarrierThatBackCloses) {
  UI_ApplyLayout();
  ASSERT_TRUE(WM_IsVisible(UI_hMainWin));
  SetKindWord(0x00230D00);  // kind 13, tab 1
  UI_CreatePanel(PanelTestInnerCallback, nullptr, 0, UI_PanelTabsCallback, 0);
  EXPECT_EQ(UI_ModalDepth, 1);
  ASSERT_NE(UI_hEntryShield, 0u);
  EXPECT_EQ(WM_GetParent(UI_hPanel), UI_hEntryShield);
  EXPECT_EQ(WM_GetWindowPosY(UI_hPanel), UI_TITLE_H);
  WM_HWIN hPanel = UI_hPanel;
  Touch(450, 200);  // back
  EXPECT_EQ(UI_ModalDepth, 0);
  EXPECT_FALSE(WM_IsWindow(hPanel));
  EXPECT_EQ(UI_hEntryShield, 0u);
  EXPECT_EQ(WM_GetParent(UI_hBackButton), UI_hMainWin);
  Touch(450, 200);  // no overview history: the main menu
  EXPECT_TRUE(WM_IsVisible(UI_hBackgroundWin));
  EXPECT_EQ(UI_MenuStackInstance.GetNode(), uint32_t(UI_ROOT_MENU));
}

}  // namespace
