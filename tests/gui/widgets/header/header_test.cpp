// The header: dividers dragged with the parent told of each step, columns closed and opened again, the drag
// limit, clicks naming a column, fixed columns under a scroll position, and golden images of both looks
// with the sort arrow pointing either way.
#include "HEADER.h"
#include "widget_support.h"

namespace {

class HeaderTest : public WidgetParentTest<> {
protected:
  void SetUp() override {
    WidgetParentTest::SetUp();
    h = HEADER_CreateUser(0, 0, 200, 20, hParent, WM_CF_SHOW, 0, 4, 0);
    HEADER_AddItem(h, 50, "Name", 0);
    HEADER_AddItem(h, 40, "Size", 0);
    HEADER_AddItem(h, 60, "Date", 0);
  }
  std::vector<int> Widths() {
    std::vector<int> v;
    for (int i = 0; i < HEADER_GetNumItems(h); i++) {
      v.push_back(HEADER_GetItemWidth(h, (unsigned)i));
    }
    return v;
  }
  WM_HWIN h = 0;
};

TEST_F(HeaderTest, DraggingADividerWidensTheColumnStepByStep) {
  Heard().clear();
  Press(51, 10); // the divider of column 0 lies at x 50
  Press(56, 10);
  Press(61, 10);
  Release(61, 10);
  EXPECT_EQ(Widths(), (std::vector<int>{60, 40, 60}));
  std::vector<std::string> Expected = {"4:1", "client", "4:1", "client", "4:1", "4:2"};
  EXPECT_EQ(Heard(), Expected);
  Press(200, 100); // released: moving elsewhere changes nothing
  Release(200, 100);
  EXPECT_EQ(Widths(), (std::vector<int>{60, 40, 60}));
}

TEST_F(HeaderTest, AColumnClosesAtZeroAndOpensAgain) {
  Press(90, 10); // divider of column 1 at 90
  Press(40, 10); // 50 pixels left: the column closes
  EXPECT_EQ(HEADER_GetItemWidth(h, 1), 0);
  Press(45, 10); // still left of where it closed
  EXPECT_EQ(HEADER_GetItemWidth(h, 1), 0);
  Press(60, 10);
  EXPECT_EQ(HEADER_GetItemWidth(h, 1), 10);
  Release(60, 10);
  HEADER_SetItemWidth(h, 1, 0);
  Press(48, 10); // left of the shared edge at 50: column 0 is taken, not the closed one behind it
  Press(53, 10);
  Release(53, 10);
  EXPECT_EQ(Widths(), (std::vector<int>{55, 0, 60}));
  Press(57, 10); // right of the edge: the closed column opens
  Press(67, 10);
  Release(67, 10);
  EXPECT_EQ(Widths(), (std::vector<int>{55, 10, 60}));
}

TEST_F(HeaderTest, TheDragLimitKeepsTheColumnInsideTheBar) {
  HEADER_SetDragLimit(h, 1);
  Press(150, 10); // divider of the last column
  Press(230, 10);
  Release(230, 10);
  EXPECT_EQ(HEADER_GetItemWidth(h, 2), 106) << "ends at the inside's right edge (200 less the frame)";
}

TEST_F(HeaderTest, AReleaseNamesTheClickedColumn) {
  Press(70, 10);
  Release(70, 10);
  EXPECT_EQ(HEADER_GetSel(h), 1);
  Press(52, 10); // on a divider: no column
  Release(52, 10);
  EXPECT_EQ(HEADER_GetSel(h), -1);
}

TEST_F(HeaderTest, FixedColumnsStayWhileTheOthersScroll) {
  EXPECT_EQ(HEADER_SetFixed(h, 1), 0);
  HEADER_SetScrollPos(h, 50);
  EXPECT_EQ(HEADER__GetColumnX(h, 0), 0);
  EXPECT_EQ(HEADER__GetColumnX(h, 1), 0);
  EXPECT_EQ(HEADER__GetColumnX(h, 2), 40);
  Press(30, 10); // column 1 lies behind the fixed one: the click is column 0's
  Release(30, 10);
  EXPECT_EQ(HEADER_GetSel(h), 0);
  HEADER_SetScrollPos(h, -5); // ignored
  EXPECT_EQ(HEADER__GetColumnX(h, 2), 40);
}

TEST_F(HeaderTest, BadIndexesAndWidthsAreIgnored) {
  HEADER_SetItemWidth(h, 7, 30);
  HEADER_SetItemWidth(h, 0, -3);
  HEADER_AddItem(h, 0, nullptr, 0); // no width, no text: nothing
  HEADER_AddItem(h, -4, "x", 0);
  EXPECT_EQ(Widths(), (std::vector<int>{50, 40, 60}));
  HEADER_AddItem(h, 0, "Auto", 0);
  EXPECT_GT(HEADER_GetItemWidth(h, 3), 2 * (2 + 2));
  HEADER_SetDirIndicator(h, 2, 1);
  HEADER_DeleteItem(h, 0);
  HEADER_DeleteItem(h, 99);
  EXPECT_EQ(HEADER_GetNumItems(h), 3);
  EXPECT_EQ(HEADER__Obj(h)->DirIndicatorColumn, 1) << "the arrow stays with its column";
  HEADER_SetFont(h, &GUI_Font8);
  EXPECT_EQ(HEADER_GetHeight(h), GUI_GetYDistOfFont(&GUI_Font8) + 4);
  HEADER_SetHeight(h, INT32_MAX);
  EXPECT_EQ(HEADER_GetHeight(h), 0x7FFF) << "held to the coordinate range";
}

TEST_F(HeaderTest, ImagesAreReplacedAndFreedWithTheirColumns) {
  I32 Used = GUI_ALLOC_GetNumUsedBlocks();
  HEADER_SetBitmap(h, 0, &widgettest::Bm4x4);
  HEADER_SetBitmapEx(h, 0, &widgettest::Bm4x4, 1, 1); // replaces the first
  HEADER_SetBitmap(h, 2, &widgettest::Bm4x4);
  HEADER_SetBitmap(h, 9, &widgettest::Bm4x4); // no such column: nothing kept
  EXPECT_EQ(GUI_ALLOC_GetNumUsedBlocks(), Used + 2);
  HEADER_DeleteItem(h, 2);
  EXPECT_EQ(GUI_ALLOC_GetNumUsedBlocks(), Used) << "one image more, one column and its image less";
  WM_DeleteWindow(h);
  WM_Exec();
  EXPECT_EQ(GUI_ALLOC__Check(), 0);
}

TEST_F(HeaderTest, FlexibleColoursAndDefaults) {
  HEADER_SKINFLEX_PROPS Props, Other;
  HEADER_GetSkinFlexProps(&Props, 0);
  EXPECT_EQ(Props.ColorArrow, 0x404040u);
  Props.ColorArrow = 0x0000FF;
  HEADER_SetSkinFlexProps(&Props, 0);
  HEADER_SetSkinFlexProps(&Props, 1); // one set only
  HEADER_GetSkinFlexProps(&Other, 0);
  EXPECT_EQ(Other.ColorArrow, 0x0000FFu);
  Props.ColorArrow = 0x404040;
  HEADER_SetSkinFlexProps(&Props, 0);
  EXPECT_EQ(HEADER_SetDefaultBkColor(0x112233), 0xAAAAAAu);
  WM_HWIN h2 = HEADER_CreateUser(0, 30, 100, 0, hParent, WM_CF_SHOW, 0, 5, 0);
  EXPECT_EQ(HEADER_GetBkColor(h2), 0x112233u);
  EXPECT_EQ(HEADER_GetHeight(h2), GUI_GetYDistOfFont(GUI_DEFAULT_FONT) + 2 * 2);
  EXPECT_EQ(HEADER_SetDefaultBkColor(0xAAAAAA), 0x112233u);
}

class HeaderGolden : public HeaderTest, public testing::WithParamInterface<bool> {};

TEST_P(HeaderGolden, ColumnsArrowsAndFixedColumns) {
  WM_HWIN ah[3] = {h, HEADER_CreateUser(0, 24, 200, 20, hParent, WM_CF_SHOW, 0, 5, 0),
                   HEADER_CreateUser(0, 48, 200, 24, hParent, WM_CF_SHOW, 0, 6, 0)};
  for (int i = 1; i < 3; i++) {
    HEADER_AddItem(ah[i], 50, "Name", 0);
    HEADER_AddItem(ah[i], 40, "Size", 1);
    HEADER_AddItem(ah[i], 60, "Date", 2);
  }
  HEADER_SetDirIndicator(ah[0], 0, 0);
  HEADER_SetDirIndicator(ah[1], 2, 1);
  HEADER_SetFixed(ah[2], 1);
  HEADER_SetScrollPos(ah[2], 25);
  HEADER_SetBitmap(ah[1], 1, &widgettest::Bm4x4);
  HEADER_SetBitmap(ah[2], 2, &widgettest::Bm4x4);
  HEADER_SetTextAlign(ah[2], 2, 2 | 12);
  if (GetParam()) {
    for (WM_HWIN x : ah) {
      HEADER_SetSkin(x, HEADER_DrawSkinFlex);
    }
  }
  WM_Exec();
  EXPECT_TRUE(golden::Matches(GetParam() ? "widgets/header/flex" : "widgets/header/classic",
                              golden::CaptureLCD(0, 0, 209, 75)));
}

INSTANTIATE_TEST_SUITE_P(Looks, HeaderGolden, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& i) { return i.param ? "Flex" : "Classic"; });

} // namespace
