// Panel pages: the own "About" page of headings and the node's picture (kind 3), the manual operation of an
// output in panel rows (kinds 10, 11): tabs, direct-write buttons, a value group, a label/value row and a
// selection box; the pair layout, wide headings and an unreadable picture on a page of node 5.
#include "CAN_Node.h"
#include "FKT_Access.h"
#include "IO_Objects.h"
#include "UI_Draw.h"
#include "UI_ElementPanel.h"
#include "UI_GraphicsCache.h"
#include "UI_Panel.h"
#include "entry_fake_node.h"
#include "main_fixture.h"

namespace {

constexpr uint32_t kAbout = 0x5806, kManual = 0x5807, kManualValues = 0x5809;

class PanelPageTest : public MainScreenTest {
 protected:
  void TearDown() override {
    UI_DeletePanelSnapshots();
    UI_DeleteGraphicsCache();  // the next test starts without the pictures, as all main-screen tests do
    MainScreenTest::TearDown();
  }
  static int X(WM_HWIN h) { return WM_GetWindowPosX(h) - WM_GetWindowPosX(UI_hPanelInner); }
  static int Y(WM_HWIN h) { return WM_GetWindowPosY(h) - WM_GetWindowPosY(UI_hPanelInner); }
  static UI_PANEL_BLOCK* Block(WM_HWIN h) { return (UI_PANEL_BLOCK*)UI_GetElementData(h); }
};

TEST_F(PanelPageTest, TheAboutPageStacksHeadingsAndTheNodesPicture) {
  ASSERT_EQ(UI_LoadGraphics(), 0);
  ASSERT_EQ(UI_MenuStackInstance.Open(kAbout, 0), UI_SHOW_OK);
  Settle();
  ASSERT_TRUE(UI_hPanel);
  WM_HWIN hInner = UI_hPanelInner;
  ASSERT_EQ(ChildCount(hInner), 3);
  EXPECT_EQ(Y(Child(hInner, 1)), UI_PANEL_HEADING_H);  // stacked without gaps
  EXPECT_EQ(Y(Child(hInner, 2)), UI_PANEL_HEADING_H + UI_PANEL_SUBHEADING_H);
  EXPECT_EQ(X(Child(hInner, 2)), (345 - 116) / 2);
  EXPECT_EQ(WM_GetWindowSizeY(hInner), UI_PANEL_MIDDLE_H);  // the content is shorter than the middle window
  EXPECT_EQ(std::u16string(Block(Child(hInner, 0))->acText), u"MERIDOX");
  EXPECT_TRUE(golden::Matches("controller/ui/panelpage_about", golden::CaptureLCD()));
  // Back closes the panel and shows the root menu again.
  Touch(450, 200);
  EXPECT_FALSE(UI_hPanel);
  EXPECT_EQ(UI_MenuStackInstance.GetNode(), uint32_t(UI_ROOT_MENU));
  EXPECT_TRUE(Errors().empty());
}

TEST_F(PanelPageTest, TheManualPageWritesItsButtonsAndTabsShowTheNextPage) {
  ASSERT_EQ(UI_MenuStackInstance.Open(kManual, 0), UI_SHOW_OK);
  Settle();
  WM_HWIN hInner = UI_hPanelInner;
  ASSERT_EQ(ChildCount(hInner), 5);  // tabs, label line, buttons, label/value row, selection box
  WM_HWIN hTabs = Child(hInner, 0), hButtons = Child(hInner, 2);
  ASSERT_EQ(ChildCount(hTabs), 2);
  EXPECT_EQ(WM_GetWindowSizeX(Child(hTabs, 0)), UI_PANEL_TAB_W);
  EXPECT_EQ(X(Child(hTabs, 0)), (345 - 2 * 45 - 1) / 2);
  // The tabs stand below the panel's top edge with their rounded tops whole: the corner shows the panel.
  EXPECT_EQ(Y(Child(hTabs, 0)), 5);
  int xTab = WM_GetWindowPosX(Child(hTabs, 0)), yTab = WM_GetWindowPosY(Child(hTabs, 0));
  EXPECT_EQ(LCD_GetPixelColor(xTab, yTab), LCD_GetPixelColor(xTab, yTab - 3));
  EXPECT_NE(LCD_GetPixelColor(xTab + 22, yTab), LCD_GetPixelColor(xTab + 22, yTab - 3));
  EXPECT_EQ(Block(Child(hTabs, 0))->Selected, 1);
  ASSERT_EQ(ChildCount(hButtons), 3);
  EXPECT_EQ(X(Child(hButtons, 1)) - X(Child(hButtons, 0)), UI_WRITE_BUTTON_W + 5);
  EXPECT_EQ(Block(Child(hButtons, 0))->Selected, 1);
  EXPECT_EQ(WM_GetWindowSizeX(Child(hInner, 4)), UI_SELECT_BOX_W);
  EXPECT_TRUE(golden::Matches("controller/ui/panelpage_manual", golden::CaptureLCD()));
  // The second button writes its own value; the row reads the object again, as radio buttons.
  TouchIn(Child(hButtons, 1), 20, 15);
  EXPECT_EQ(IO_Outputs[0].GetParameter(1), 1);
  EXPECT_EQ(Block(Child(hButtons, 0))->Selected, 0);
  EXPECT_EQ(Block(Child(hButtons, 1))->Selected, 1);
  // The second tab shows its page in the panel, in place of this one.
  int Depth = UI_MenuStackInstance.GetHistoryDepth();
  TouchIn(Child(hTabs, 1), 20, 14);
  EXPECT_EQ(UI_MenuStackInstance.GetNode(), kManualValues);
  EXPECT_EQ(UI_MenuStackInstance.GetHistoryDepth(), Depth);
  ASSERT_TRUE(UI_hPanelInner);
  EXPECT_TRUE(golden::Matches("controller/ui/panelpage_manual_values", golden::CaptureLCD()));
  // A value box of the group opens the keypad.
  WM_HWIN hGroup = Child(UI_hPanelInner, 1);
  WM_HWIN hBox = Child(hGroup, 2);
  ASSERT_EQ(Block(hBox)->Code, 7);
  TouchIn(hBox, 10, 10);
  EXPECT_TRUE(UI_hEntryDialog);
  IO_Outputs[0].SetParameter(1, 0, 0);
}

TEST_F(PanelPageTest, TheSelectionBoxWritesTheChosenItem) {
  FKT_AccessLevels[0].Level = FKT_LEVEL_TECHNICIAN;  // the node takes "Inverted" from a technician
  ASSERT_EQ(UI_MenuStackInstance.Open(kManual, 0), UI_SHOW_OK);
  Settle();
  WM_HWIN hBox = Child(UI_hPanelInner, 4);
  TouchIn(hBox, 100, 20);
  ASSERT_TRUE(UI_hListWin);
  Touch(WM_GetWindowPosX(UI_hListWin) + 50, WM_GetWindowPosY(UI_hListWin) + 2 + 40 * 1 + 20);  // item 1
  EXPECT_FALSE(UI_hListWin);
  EXPECT_EQ(IO_Outputs[0].GetParameter(2), 1);
  EXPECT_EQ(std::u16string(Block(hBox)->acText).find(u"Yes") != std::u16string::npos, true);
  IO_Outputs[0].SetParameter(2, 0, 0);
  FKT_AccessLevels[0].Level = FKT_LEVEL_USER;
}

// Node 5's panel pages.
class RemotePanelTest : public PanelPageTest {
 protected:
  void SetUp() override {
    PanelPageTest::SetUp();
    fakenode::Install();
    CAN_NodeTable[fakenode::kNode] = {1, 135, 0, {}};
  }
  void TearDown() override {
    fakenode::Remove();
    CAN_NodeTable[fakenode::kNode] = {};
    PanelPageTest::TearDown();
  }
  static void Serve(uint16_t Index, uint8_t Sub, std::vector<uint8_t> v) { fakenode::Objects()[{Index, Sub}] = v; }
  static void Show(uint8_t Kind, std::vector<uint8_t> Records) {
    std::vector<uint8_t> m = {0x60, 0, 0, 0, 0, Kind, 0, 0, 0, Kind, 0, 0};
    m.insert(m.end(), Records.begin(), Records.end());
    m.insert(m.end(), {0, 0, 0, 0});
    Serve(0x5800, 0, m);
    ASSERT_EQ(UI_MenuStackInstance.Open(uint32_t(fakenode::kNode) << 24 | UI_ROOT_MENU, 0), UI_SHOW_OK);
    Settle();
  }
};

TEST_F(RemotePanelTest, AWideHeadingGrowsAndAnUnreadablePictureIsWhite) {
  Serve(0x6100, 0, fakenode::Text(u"A heading far too wide for the panel"));
  Serve(0x6101, 0, fakenode::Text(u"Short\uFFFCThe long form of the sub-heading, which is far wider than the panel"));
  ASSERT_EQ(UI_LoadGraphics(), 0);
  std::vector<uint8_t> Black(72, 0xFF);
  UI_RenderIcon24(UI_hMemdevIcon24, Black.data());  // what a picture before left in the cached image
  ASSERT_EQ(UI_MemdevPixel(UI_hMemdevIcon24, 0, 0), GUI_BLACK);
  Show(3, {'0', 0, 0x00, 0x61, '2', 0, 0x01, 0x61, 0x51, 0, 0xC0, 0x57, 0x77, 0, 0, 0});
  WM_HWIN hInner = UI_hPanelInner;
  ASSERT_EQ(ChildCount(hInner), 3);  // the unknown code makes nothing
  EXPECT_EQ(WM_GetWindowSizeY(Child(hInner, 0)), UI_PANEL_HEADING_H + UI_PANEL_TEXT_GROWTH);
  EXPECT_EQ(WM_GetWindowSizeY(Child(hInner, 1)), UI_PANEL_SUBHEADING_H + UI_PANEL_TEXT_GROWTH);
  EXPECT_EQ(Y(Child(hInner, 2)), 30 + 17 + 2 * UI_PANEL_TEXT_GROWTH);
  EXPECT_EQ(UI_MemdevPixel(UI_hMemdevIcon24, 0, 0), GUI_WHITE);
  // A second refresh does not grow them again.
  WM_SendMessageNoPara(hInner, UI_MSG_REFRESH);
  EXPECT_EQ(WM_GetWindowSizeY(Child(hInner, 0)), UI_PANEL_HEADING_H + UI_PANEL_TEXT_GROWTH);
}

// A node that keeps the texts of its panel elements where the value rule points: 0x3xxx of the menu's sub-index.
TEST_F(RemotePanelTest, HeadingsAndRowTextsAreReadAtTheirValueAddresses) {
  for (uint16_t i = 0; i < 5; i++) Serve(uint16_t(0x0100 + i), 0, fakenode::Text(u"own index"));
  Serve(0x3100, 0, fakenode::Text(u"Heading"));
  Serve(0x3101, 0, fakenode::Text(u"Sub-heading"));
  Show(3, {'0', 0, 0x00, 0x01, '2', 0, 0x01, 0x01});
  EXPECT_EQ(std::u16string(Block(Child(UI_hPanelInner, 0))->acText), u"Heading");
  EXPECT_EQ(std::u16string(Block(Child(UI_hPanelInner, 1))->acText), u"Sub-heading");
  Serve(0x3102, 0, fakenode::Text(u"Label line"));
  Serve(0x3103, 0, fakenode::Text(u"Mode: off"));
  Serve(0x3104, 0, fakenode::Text(u"Set point"));
  Serve(0x4104, 0, {0x51, 1, 215, 0, 0, 0, 0, 0, 0, 0, 0xE8, 0x03, 0, 0});  // the entry: 21.5 °C, 0 to 100
  Serve(0x5800, 0, {0x60, 0, 0, 0, 0, 10, 0, 0, 0, 10, 0, 0, 17, 0, 0x02, 0x01, 16, 0, 0x03, 0x01, 15, 0, 0x04, 0x01,
                    0, 0, 0, 0});
  UI_MenuStackInstance.Reload(0);
  Settle();
  WM_HWIN hInner = UI_hPanelInner;
  ASSERT_EQ(ChildCount(hInner), 3);
  EXPECT_EQ(std::u16string(Block(Child(hInner, 0))->acText), u"Label line");
  EXPECT_EQ(std::u16string(Block(Child(hInner, 1))->acText), u"Mode: off");
  WM_HWIN hRow = Child(hInner, 2);
  EXPECT_EQ(std::u16string(Block(Child(hRow, 0))->acText), u"Set point");
  EXPECT_EQ(std::u16string(Block(Child(hRow, 1))->acText), u"21.5 °C");  // the box: its entry's value
  EXPECT_EQ(Block(Child(hRow, 1))->EntryAddress, uint32_t(fakenode::kNode) << 24 | 0x2104);
}

TEST_F(RemotePanelTest, NarrowElementsStandInCentredPairs) {
  Show(10, {5, 0, 0x00, 0x61, 10, 0, 0x10, 0x01, 6, 0, 0, 0,  // a group of one box: 120 wide
            16, 0, 0x11, 0x01,                               // a selection box, 200 wide: beside it
            16, 0, 0x12, 0x01,                               // another one: alone
            15, 0, 0x13, 0x01});                             // a label/value row, 345 wide
  WM_HWIN hInner = UI_hPanelInner;
  ASSERT_EQ(ChildCount(hInner), 4);
  WM_HWIN hGroup = Child(hInner, 0);
  EXPECT_EQ(WM_GetWindowSizeX(hGroup), 120);
  EXPECT_EQ(WM_GetWindowSizeY(hGroup), 45);
  EXPECT_EQ(X(Child(hGroup, 0)) - X(hGroup), (120 - 110) / 2);  // the first box of the first row
  int Margin = (345 - 120 - 200 - 5) / 2;
  EXPECT_EQ(X(hGroup), Margin);
  EXPECT_EQ(X(Child(hInner, 1)), Margin + 120 + 5);
  EXPECT_EQ(Y(Child(hInner, 1)), 0);
  EXPECT_EQ(X(Child(hInner, 2)), (345 - 200) / 2);
  EXPECT_EQ(Y(Child(hInner, 2)), 45 + 5);
  EXPECT_EQ(Y(Child(hInner, 3)), 45 + 5 + 40 + 5);
  EXPECT_EQ(WM_GetWindowSizeY(hInner), UI_PANEL_MIDDLE_H);
}

TEST_F(RemotePanelTest, AGroupWithACodeSevenBoxHasFourBoxesInItsFirstRow) {
  Show(11, {5, 0, 0x00, 0x61, 7, 0, 0x10, 0x01, 8, 0, 0x11, 0x01, 11, 0, 0x12, 0x01, 12, 0, 0x13, 0x01,
            9, 0, 0x14, 0x01, 6, 0, 0, 0});
  WM_HWIN hGroup = Child(UI_hPanelInner, 0);
  ASSERT_EQ(ChildCount(hGroup), 5);
  EXPECT_EQ(WM_GetWindowSizeX(hGroup), 190);
  EXPECT_EQ(WM_GetWindowSizeY(hGroup), 140);  // it has a label
  const int aOffset[] = {0, 35, 100, 135}, aWidth[] = {35, 45, 35, 45};
  for (int i = 0; i < 4; i++) {
    EXPECT_EQ(X(Child(hGroup, i)) - X(hGroup), 5 + aOffset[i]) << i;
    EXPECT_EQ(Y(Child(hGroup, i)) - Y(hGroup), 5) << i;
    EXPECT_EQ(WM_GetWindowSizeX(Child(hGroup, i)), aWidth[i]) << i;
  }
  EXPECT_EQ(WM_GetWindowSizeY(Child(hGroup, 4)), 20);
}

TEST_F(RemotePanelTest, AGroupGivesEachLabelItsRoom) {
  Show(10, {5, 0, 0x00, 0x61, 9, 0, 0x10, 0x01, 13, 0, 0x11, 0x01, 10, 0, 0x12, 0x01, 6, 0, 0, 0,
            5, 0, 0x00, 0x61, 9, 0, 0x10, 0x01, 9, 0, 0x11, 0x01, 13, 0, 0x12, 0x01, 6, 0, 0, 0});
  ASSERT_EQ(ChildCount(UI_hPanelInner), 2);
  EXPECT_EQ(WM_GetWindowSizeX(Child(UI_hPanelInner, 0)), 2 * 120);
  EXPECT_EQ(WM_GetWindowSizeX(Child(UI_hPanelInner, 1)), 345);  // three labels: as wide as the panel allows
}

TEST_F(RemotePanelTest, APanelOf900RowsKeepsTheRowsThatFit) {
  Serve(0x0101, 0, fakenode::Text(u"Row"));
  std::vector<uint8_t> r;
  for (int i = 0; i < 900; i++) r.insert(r.end(), {17, 0, 0x01, 0x01});
  Show(10, r);
  WM_HWIN hInner = UI_hPanelInner;
  int Rows = ChildCount(hInner);
  EXPECT_GT(Rows, 700);
  EXPECT_LT(Rows, 900);
  EXPECT_LE(WM_GetWindowSizeY(hInner), UI_PAGE_MAX_H);
  WM_HWIN hLast = Child(hInner, Rows - 1);
  EXPECT_GT(Y(hLast), 0);
  EXPECT_LE(Y(hLast) + WM_GetWindowSizeY(hLast), WM_GetWindowSizeY(hInner));
}

TEST_F(RemotePanelTest, APageKindWithoutElementsIsNotBuiltAndThePreviousPageStays) {
  Serve(0x5800, 0, {0x60, 0, 0, 0, 0, 5, 0, 0, 0, 5, 0, 0, 1, 0, 1, 0x58, 0, 0, 0, 0});
  WM_HWIN hPage = Page();
  EXPECT_EQ(UI_MenuStackInstance.Open(uint32_t(fakenode::kNode) << 24 | UI_ROOT_MENU, 0), UI_SHOW_FAILED);
  Settle();
  EXPECT_EQ(UI_MenuStackInstance.GetNode(), uint32_t(UI_ROOT_MENU));
  EXPECT_EQ(Page(), hPage);
  EXPECT_FALSE(UI_hPanel);
}

}  // namespace
