// Kind-2 list pages: the title line, rows of page buttons (four a row), grids of value cells with their
// selection and long press, on the own service pages and on pages of node 5.
#include <string>

#include "CAN_Node.h"
#include "FKT_Access.h"
#include "UI_ElementList.h"
#include "entry_fake_node.h"
#include "main_fixture.h"

namespace {

constexpr uint32_t kService = 0x5805;

class ListPageTest : public MainScreenTest {
 protected:
};

TEST_F(ListPageTest, TheServicePageShowsTitleButtonsAndGrid) {
  ASSERT_EQ(UI_MenuStackInstance.Open(kService, 0), UI_SHOW_OK);
  Settle();
  EXPECT_EQ(WM_GetWindowPosX(Page()), UI_LIST_PAGE_X);
  EXPECT_EQ(WM_GetWindowSizeX(Page()), 420);
  ASSERT_EQ(ChildCount(Page()), 3);
  EXPECT_EQ(WM_GetWindowSizeY(Element(0)), UI_LIST_TITLE_H);
  EXPECT_EQ(WM_GetWindowPosY(Element(1)) - WM_GetWindowPosY(Page()), 6 + UI_LIST_TITLE_H + 6);
  EXPECT_TRUE(golden::Matches("controller/ui/listpage_service", golden::CaptureLCD()));
  // The page buttons name the inputs of their pages, the cells the input each one shows.
  auto Label = [](WM_HWIN h) {
    std::u16string s = ((UI_PAGE_BUTTON_BLOCK*)UI_GetElementData(h))->acText;
    return s.substr(s.find(u'\uFFFC') + 1);
  };
  EXPECT_EQ(Label(Child(Element(1), 0)), u"Inputs 1 - 8");
  EXPECT_EQ(Label(Child(Element(1), 1)), u"Inputs 9 - 16");
  for (int i = 0; i < 8; i++) {
    auto* pCell = (UI_CELL_BLOCK*)UI_GetElementData(Child(Element(2), i));
    ASSERT_TRUE(pCell);
    EXPECT_EQ(std::u16string(pCell->acText), u"Input " + std::u16string(1, char16_t(u'1' + i)));
  }
  // The second page button shows the second service page in place of this one.
  TouchIn(Child(Element(1), 1), 50, 20);
  EXPECT_EQ(UI_MenuStackInstance.GetNode(), 0x015805u);
  EXPECT_EQ(UI_MenuStackInstance.GetHistoryDepth(), 1);  // the root only: shown, not opened
  auto* pButton = (UI_PAGE_BUTTON_BLOCK*)UI_GetElementData(Child(Element(1), 1));
  EXPECT_EQ(pButton->Code, 0x14);
  EXPECT_TRUE(Errors().empty());
}

// Node 5's list page: a long title, six page buttons, five cells (the first with a lower limit).
class RemoteListTest : public ListPageTest {
 protected:
  void SetUp() override {
    ListPageTest::SetUp();
    fakenode::Install();
    CAN_NodeTable[fakenode::kNode] = {1, 135, 0, {}};
    std::vector<uint8_t> m = {0x60, 0, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, 1, 0, 0x00, 0x61, 16, 0, 0, 0};
    for (uint8_t i = 0; i < 6; i++) m.insert(m.end(), {0x13, i, 0x01, 0x58});
    m.insert(m.end(), {0x11, 0, 0, 0, 32, 0, 0, 0});
    for (uint8_t i = 0; i < 5; i++) {
      m.insert(m.end(), {0x22, 0, uint8_t(0x10 + i), 0x01});  // relative: values 0x3110.., links 0x0110..
      if (i == 0) m.insert(m.end(), {0xA1, 0, 0x20, 0x01});
    }
    m.insert(m.end(), {0x21, 0, 0, 0, 0, 0, 0, 0});
    Serve(0x5800, 0, m);
    Serve(0x6100, 0, fakenode::Text(u"A title long enough to need a second line on this list page, and then some"));
    for (uint8_t i = 0; i < 5; i++) Serve(uint16_t(0x3110 + i), 0, {0x10, uint8_t(10 * i)});
    Serve(0x3120, 0, {0x10, 5});  // the first cell's lower limit: its 0 lies below
    Serve(0x0110, 0, {0x60, 0, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0});  // the first cell's page
    ASSERT_EQ(UI_MenuStackInstance.Open(kRoot5, 0), UI_SHOW_OK);
    Settle();
  }
  void TearDown() override {
    fakenode::Remove();
    CAN_NodeTable[fakenode::kNode] = {};
    FKT_AccessLevels[fakenode::kNode].Level = 0;
    ListPageTest::TearDown();
  }
  static void Serve(uint16_t Index, uint8_t Sub, std::vector<uint8_t> v) { fakenode::Objects()[{Index, Sub}] = v; }
  static UI_CELL_BLOCK* Cell(int i) { return (UI_CELL_BLOCK*)UI_GetElementData(Child(Element(2), i)); }
  static constexpr uint32_t kRoot5 = uint32_t(fakenode::kNode) << 24 | UI_ROOT_MENU;
};

TEST_F(RemoteListTest, SixButtonsMakeTwoRowsAndFiveCellsTwoRowsWithThreeEmpty) {
  EXPECT_GT(WM_GetWindowSizeY(Element(0)), UI_LIST_TITLE_H);  // the title grew with its text ...
  EXPECT_EQ(WM_GetWindowPosY(Element(1)), WM_GetWindowPosY(Element(0)) + WM_GetWindowSizeY(Element(0)) + 6);
  WM_HWIN hRow = Element(1);
  ASSERT_EQ(ChildCount(hRow), 6);
  EXPECT_EQ(WM_GetWindowSizeY(hRow), 2 + 40 + 2 + 40 + 2);
  EXPECT_EQ(WM_GetWindowSizeX(Child(hRow, 0)), (420 - 8 - 4) / 4);
  EXPECT_EQ(WM_GetWindowSizeX(Child(hRow, 4)), (420 - 4 - 4) / 2);  // the second row: two wider buttons
  EXPECT_EQ(WM_GetWindowPosY(Child(hRow, 4)) - WM_GetWindowPosY(hRow), 44);
  EXPECT_EQ(WM_GetWindowPosX(Child(hRow, 5)) - WM_GetWindowPosX(Child(hRow, 4)), 206 + 2);
  WM_HWIN hGrid = Element(2);
  ASSERT_EQ(ChildCount(hGrid), 8);
  EXPECT_EQ(WM_GetWindowSizeY(hGrid), 80);
  EXPECT_EQ(WM_GetWindowPosX(Child(hGrid, 4)) - WM_GetWindowPosX(hGrid), 0);
  EXPECT_EQ(WM_GetWindowPosY(Child(hGrid, 4)) - WM_GetWindowPosY(hGrid), 40);
  EXPECT_EQ(Cell(5), nullptr);  // empty cells fill the last row
  EXPECT_EQ(Cell(4)->Value, 40);
  EXPECT_EQ(Cell(4)->Level, 1);
  EXPECT_EQ(Cell(0)->NumLimits, 1);
  EXPECT_EQ(Cell(0)->OutOfLimits, 1);
  EXPECT_EQ(Cell(1)->OutOfLimits, 0);
  EXPECT_TRUE(golden::Matches("controller/ui/listpage_remote", golden::CaptureLCD()));
}

TEST_F(RemoteListTest, ATapSelectsACellAndALongPressOpensItOnlyWithALevel) {
  WM_HWIN hCell = Child(Element(2), 0);
  TouchIn(hCell, 50, 20);
  EXPECT_EQ(Cell(0)->Selected, 1);
  // Without a granted level a long press is a tap.
  int x = WM_GetWindowPosX(hCell) + 50, y = WM_GetWindowPosY(hCell) + 20;
  Pointer(x, y, 1);
  Advance(1500);
  Pointer(x, y, 0);
  EXPECT_EQ(Cell(0)->Selected, 0);
  EXPECT_EQ(UI_MenuStackInstance.GetNode(), kRoot5);
  // With one, the press opens the cell's page after a second and its release selects nothing.
  FKT_AccessLevels[fakenode::kNode].Level = 1;
  Pointer(x, y, 1);
  Advance(999);
  EXPECT_EQ(UI_MenuStackInstance.GetNode(), kRoot5);
  Advance(1);
  EXPECT_EQ(UI_MenuStackInstance.GetNode(), 0x05000110u);
  Pointer(x, y, 0);
  EXPECT_EQ(UI_MenuStackInstance.GetHistoryDepth(), 2);
  // A swipe holds the long press back.
  UI_MenuStackInstance.Back();
  Settle();
  hCell = Child(Element(2), 1);
  Pointer(WM_GetWindowPosX(hCell) + 50, WM_GetWindowPosY(hCell) + 20, 1);
  PointerMoved = 1;
  Advance(1000);
  PointerMoved = 0;
  EXPECT_EQ(UI_MenuStackInstance.GetNode(), kRoot5);
  Pointer(WM_GetWindowPosX(hCell) + 50, WM_GetWindowPosY(hCell) + 20, 0);
  EXPECT_TRUE(Errors().empty());
}

TEST_F(RemoteListTest, AFullArenaEndsAGridButItsRecordsAreUsed) {
  uint8_t* pEnd = UI_MenuStackInstance.GetPageArea() + UI_MenuStack::GetPageAreaSize();
  uint8_t* pFill = pEnd - 16;
  const uint8_t aRec[] = {32, 0, 0, 0, 0x22, 0, 0x10, 0x01, 0x22, 0, 0x11, 0x01, 0x21, 0, 0, 0};
  int Before = ChildCount(Page());
  EXPECT_EQ(UI_BuildGrid(Page(), kRoot5, aRec, &pFill, aRec + sizeof(aRec)), 4);
  EXPECT_EQ(pFill, pEnd - 16);
  ASSERT_EQ(ChildCount(Page()), Before + 1);
  // The grid stands, with its one row of empty cells.
  WM_HWIN hGrid = Element(Before);
  EXPECT_EQ(ChildCount(hGrid), 4);
  EXPECT_EQ(UI_GetElementData(WM_GetFirstChild(hGrid)), nullptr);
  // A row without its end record ends at the end of the description.
  const uint8_t aRow[] = {16, 0, 0, 0, 0x13, 0, 0x01, 0x58, 0, 0, 0, 0};
  pFill = UI_MenuStackInstance.GetFillPointer();
  EXPECT_EQ(UI_BuildButtonRow(Page(), kRoot5, aRow, &pFill, aRow + 8), 2);
}

}  // namespace
