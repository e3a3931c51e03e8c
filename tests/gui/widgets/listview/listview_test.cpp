// The list view: layout and row heights, selection by keys and pointer with disabled rows, deletion that
// never leaves a stale selection, fixed columns, per-cell colours, indexes out of range, painting that
// costs the same for long lists, and golden images.
#include <set>

#include "LISTVIEW.h"
#include "widget_support.h"

namespace {

class ListviewTest : public WidgetTest {
protected:
  void SetUp() override {
    WidgetTest::SetUp();
    hParent = Parent(0, 0, 240, 160);
  }
  // Three columns, Rows rows "r<i>" / "<i>" / "x".
  WM_HWIN Make(int Rows, int ySize = 120) {
    WM_HWIN h = LISTVIEW_CreateUser(0, 0, 200, ySize, hParent, WM_CF_SHOW, 0, 7, 0);
    LISTVIEW_AddColumn(h, 60, "Name", 0);
    LISTVIEW_AddColumn(h, 50, "Value", 1);
    LISTVIEW_AddColumn(h, 70, "Note", -1);
    for (int i = 0; i < Rows; i++) {
      std::string a = "r" + std::to_string(i), b = std::to_string(i);
      const char* ap[] = {a.c_str(), b.c_str(), "x", nullptr};
      LISTVIEW_AddRow(h, ap);
    }
    return h;
  }
  static std::string Text(WM_HWIN h, int Col, int Row) {
    char ac[32];
    LISTVIEW_GetItemText(h, (unsigned)Col, (unsigned)Row, ac, sizeof(ac));
    return ac;
  }
  WM_HWIN hParent = 0;
};

TEST_F(ListviewTest, LayoutFillsTheParentAndRowsFollowFontGridAndHeight) {
  WM_HWIN h = LISTVIEW_CreateUser(0, 0, 0, 0, hParent, WM_CF_SHOW, 0, 7, 0);
  EXPECT_EQ(WM_GetWindowSizeX(h), 240);
  EXPECT_EQ(WM_GetWindowSizeY(h), 160);
  LISTVIEW_AddColumn(h, 40, "A", -1);
  EXPECT_EQ(LISTVIEW_GetTextAlign(h, 0), 14);
  EXPECT_EQ(LISTVIEW_GetTextAlign(h, 1), -1);
  LISTVIEW_SetGridVis(h, 1);
  EXPECT_EQ(LISTVIEW__RowDistY(h), GUI_GetYDistOfFont(&GUI_Font13) + 1);
  EXPECT_EQ(LISTVIEW_SetRowHeight(h, 20), 0);
  EXPECT_EQ(LISTVIEW__RowDistY(h), 20);
  EXPECT_EQ(LISTVIEW_GetHeader(h) != 0, true);
  EXPECT_EQ(HEADER_GetNumItems(LISTVIEW_GetHeader(h)), 1);
}

TEST_F(ListviewTest, KeysSkipDisabledRowsAndPageToTheEnds) {
  WM_HWIN h = Make(20);
  WM_SetFocus(h);
  LISTVIEW_DisableRow(h, 1);
  Heard().clear();
  LISTVIEW_SetSel(h, 1);
  EXPECT_EQ(LISTVIEW_GetSel(h), -1);
  EXPECT_TRUE(widgettest::HeardCodes(4).empty()) << "a disabled row is no change";
  LISTVIEW_SetSel(h, 0);
  Key(GUI_KEY_DOWN);
  EXPECT_EQ(LISTVIEW_GetSel(h), 2);
  Key(GUI_KEY_END);
  EXPECT_EQ(LISTVIEW_GetSel(h), 19);
  Key(GUI_KEY_DOWN); // past the end: nothing
  EXPECT_EQ(LISTVIEW_GetSel(h), 19);
  Key(GUI_KEY_HOME);
  EXPECT_EQ(LISTVIEW_GetSel(h), 0);
  int Page = LISTVIEW__Obj(h)->ScrollStateV.PageSize;
  Key(GUI_KEY_PGDOWN);
  EXPECT_EQ(LISTVIEW_GetSel(h), Page - 1) << "first to the last visible row";
  Key(GUI_KEY_PGDOWN);
  Key(GUI_KEY_PGDOWN);
  Key(GUI_KEY_PGDOWN);
  EXPECT_EQ(LISTVIEW_GetSel(h), 19) << "fewer than a page below: the last row";
  Key(GUI_KEY_PGUP);
  EXPECT_EQ(LISTVIEW_GetSel(h), LISTVIEW__Obj(h)->ScrollStateV.Value);
  EXPECT_EQ(widgettest::HeardCodes(4).size(), 8u);
}

TEST_F(ListviewTest, PointerSelectsRowAndCell) {
  WM_HWIN h = Make(5);
  int yRow2 = 2 + HEADER_GetHeight(LISTVIEW_GetHeader(h)) + 2 * LISTVIEW__RowDistY(h) + 2;
  Heard().clear();
  Press(70, yRow2);
  Release(70, yRow2);
  EXPECT_EQ(LISTVIEW_GetSel(h), 2);
  EXPECT_EQ(LISTVIEW_GetSelCol(h), 1);
  EXPECT_EQ(widgettest::HeardCodes(1).size(), 1u);
  EXPECT_EQ(widgettest::HeardCodes(2).size(), 1u);
  EXPECT_TRUE(WM_HasFocus(h));
  LISTVIEW_EnableCellSelect(h, 1);
  Key(GUI_KEY_RIGHT);
  EXPECT_EQ(LISTVIEW_GetSelCol(h), 2);
  Key(GUI_KEY_RIGHT);
  EXPECT_EQ(LISTVIEW_GetSelCol(h), 2) << "clamped to the last column";
}

TEST_F(ListviewTest, DeletingNeverLeavesAStaleSelection) {
  WM_HWIN h = Make(6);
  LISTVIEW_SetSel(h, 3);
  LISTVIEW_DeleteRow(h, 1);
  EXPECT_EQ(LISTVIEW_GetSel(h), 2);
  EXPECT_EQ(Text(h, 0, 2), "r3") << "the same row stays selected";
  LISTVIEW_DeleteRow(h, 2);
  EXPECT_EQ(LISTVIEW_GetSel(h), -1);
  LISTVIEW_InsertRow(h, 0, nullptr);
  LISTVIEW_SetSel(h, 4);
  LISTVIEW_InsertRow(h, 1, nullptr);
  EXPECT_EQ(LISTVIEW_GetSel(h), 5);
  EXPECT_EQ(Text(h, 0, 5), "r5");
  // With a sort: the selected row goes away while its display index would still name a row.
  LISTVIEW_SetCompareFunc(h, 0, LISTVIEW_CompareText);
  LISTVIEW_SetSort(h, 0, 1);
  WM_Exec();
  EXPECT_EQ(Text(h, 0, LISTVIEW_GetSel(h)), "r5");
  LISTVIEW_DeleteRowUnsorted(h, (unsigned)LISTVIEW_GetSelUnsorted(h));
  EXPECT_EQ(LISTVIEW_GetSel(h), -1);
  LISTVIEW_DeleteAllRows(h);
  EXPECT_EQ(LISTVIEW_GetNumRows(h), 0u);
  WM_Exec(); // the sort of an empty list
  EXPECT_EQ(LISTVIEW_GetSelUnsorted(h), -1);
  EXPECT_EQ(GUI_ALLOC__Check(), 0);
}

TEST_F(ListviewTest, IndexesOutOfRangeAreRefused) {
  WM_HWIN h = Make(3);
  char ac[6] = {'z', 'z', 'z', 'z', 'z', 'z'};
  LISTVIEW_GetItemText(h, 7, 0, ac, 4);
  EXPECT_EQ(std::string(ac, 4), std::string(4, '\0')) << "cleared to MaxSize bytes";
  EXPECT_EQ(ac[4], 'z');
  LISTVIEW_GetItemText(h, 0, 0xFFFFFFFF, ac, 4);
  EXPECT_STREQ(ac, "");
  LISTVIEW_GetItemText(h, 0, 1, ac, 3);
  EXPECT_STREQ(ac, "r1");
  EXPECT_EQ(LISTVIEW_GetItemTextLen(h, 3, 0), 0u);
  LISTVIEW_SetItemText(h, 9, 9, "no");
  LISTVIEW_SetItemBkColor(h, 0, 99, 0, 0xFF);
  LISTVIEW_SetItemBkColor(h, 0, 0, 4, 0xFF);
  LISTVIEW_DeleteColumn(h, 5);
  LISTVIEW_DeleteRowUnsorted(h, 0x80000000u);
  EXPECT_EQ(LISTVIEW_GetNumRows(h), 3u);
  EXPECT_EQ(LISTVIEW_GetBkColor(h, 4), 0xFFFFFFFu);
  EXPECT_EQ(LISTVIEW_GetUserDataRow(h, 9), 0u);
  EXPECT_EQ(LISTVIEW_SetSort(h, 1, 0), 1) << "no compare routine";
  EXPECT_EQ(LISTVIEW_SetSort(h, 8, 0), 1);
  LISTVIEW_DeleteColumn(h, 0);
  EXPECT_EQ(LISTVIEW_GetNumColumns(h), 2u);
  EXPECT_EQ(Text(h, 0, 2), "2");
  EXPECT_TRUE(wmtest::Errors.empty());
}

TEST_F(ListviewTest, ACellsOwnColourKeepsTheOthersOfThatMoment) {
  WM_HWIN h = Make(3);
  LISTVIEW_SetItemBkColor(h, 1, 1, 0, 0x00FF00);
  LISTVIEW_SetBkColor(h, 2, 0x123456); // later widget colours do not reach the cell
  const LISTVIEW_CELL* pCell = LISTVIEW__Cell(h, 1, 1);
  ASSERT_NE(pCell->hCellInfo, 0);
  const LISTVIEW_CELL_INFO* pInfo = (const LISTVIEW_CELL_INFO*)GUI_ALLOC_h2p(pCell->hCellInfo);
  EXPECT_EQ(pInfo->aBkColor[0], 0x00FF00u);
  EXPECT_EQ(pInfo->aBkColor[2], 0xFF0000u);
  EXPECT_EQ(pInfo->aTextColor[1], 0xFFFFFFu);
}

TEST_F(ListviewTest, FixedColumnsStayAtTheLeftEdge) {
  WM_HWIN h = Make(3);
  LISTVIEW_SetFixed(h, 1);
  LISTVIEW_SetAutoScrollH(h, 1);
  LISTVIEW_SetColumnWidth(h, 2, 200);
  WM_SetFocus(h);
  for (int i = 0; i < 3; i++) {
    Key(GUI_KEY_RIGHT);
  }
  EXPECT_EQ(LISTVIEW__Obj(h)->ScrollStateH.Value, 30);
  EXPECT_EQ(HEADER__GetColumnX(LISTVIEW_GetHeader(h), 0), 0);
  EXPECT_EQ(HEADER__GetColumnX(LISTVIEW_GetHeader(h), 1), 30);
  GUI_RECT r;
  LISTVIEW_GetItemRect(h, 1, 0, &r);
  EXPECT_EQ(r.x0, 2 + 60 - 30);
}

// Paint cost does not grow with the rows: the same cells are drawn for 100 and for 10,000 rows.
std::set<std::pair<int, int>> s_Cells;
int _Counting(const WIDGET_ITEM_DRAW_INFO* pInfo) {
  if (pInfo->Cmd == 1) {
    s_Cells.insert({pInfo->ItemIndex, pInfo->Col});
  }
  return LISTVIEW_OwnerDraw(pInfo);
}

// Ten thousand rows need more blocks than the built-in heap has handles for: a larger heap here.
void _ConfigLargeHeap(void) {
  GUI_ALLOC_SetAvBlockSize(32);
  GUI_ALLOC_AssignMemory(nullptr, 16 << 20);
}
const GUI_CONFIG_API _LargeHeap = {_ConfigLargeHeap, nullptr};

class ListviewLongTest : public ListviewTest {
protected:
  void SetUp() override {
    GUI_SetConfigAPI(&_LargeHeap);
    ListviewTest::SetUp();
  }
  void TearDown() override {
    ListviewTest::TearDown();
    GUI_SetConfigAPI(nullptr);
  }
};

TEST_F(ListviewLongTest, PaintingALongListDrawsOnlyTheVisibleRows) {
  size_t aDrawn[2];
  for (int i = 0; i < 2; i++) {
    int n = i ? 10000 : 100;
    WM_HWIN h = Make(n);
    ASSERT_EQ(LISTVIEW_GetNumRows(h), (unsigned)n);
    LISTVIEW_SetAutoScrollV(h, 1);
    LISTVIEW_SetOwnerDraw(h, _Counting);
    LISTVIEW_SetSel(h, i ? 5000 : 50);
    WM_Exec();
    s_Cells.clear();
    WM_InvalidateWindow(h);
    WM_Exec();
    aDrawn[i] = s_Cells.size();
    EXPECT_EQ(s_Cells.count({n / 2, 0}), 1u);
    WM_DeleteWindow(h);
  }
  EXPECT_EQ(aDrawn[0], aDrawn[1]);
  EXPECT_LE(aDrawn[0], 4u * 9) << "three columns and the area right of them, for the rows that show";
}

const GUI_COLOR _aBmColors[] = {0x0000FF, 0x00C000};
const GUI_PALETTE _BmPal = {2, 0, _aBmColors};
const U8 _acBm[] = {0xF0, 0x90, 0x90, 0xF0};
const GUI_BITMAP _Bm = {4, 4, 1, 1, _acBm, &_BmPal, nullptr};

// Selected with and without focus, a disabled row, grid lines, cell colours, a cell bitmap, a sort arrow
// and both scroll bars; classic and flexible looks.
class ListviewGolden : public ListviewTest, public testing::WithParamInterface<bool> {};

TEST_P(ListviewGolden, States) {
  if (GetParam()) {
    SCROLLBAR_SetDefaultSkin(SCROLLBAR_DrawSkinFlex);
    HEADER_SetDefaultSkin(HEADER_DrawSkinFlex);
  }
  WM_HWIN h = Make(12, 110);
  WM_SetSize(h, 150, 110);
  LISTVIEW_SetAutoScrollV(h, 1);
  LISTVIEW_SetAutoScrollH(h, 1);
  LISTVIEW_SetGridVis(h, 1);
  LISTVIEW_SetSel(h, 1);
  LISTVIEW_DisableRow(h, 2);
  LISTVIEW_SetItemBkColor(h, 0, 3, 0, 0x80FFFF);
  LISTVIEW_SetItemTextColor(h, 1, 3, 0, 0x0000FF);
  LISTVIEW_SetItemBitmap(h, 2, 4, 2, 2, &_Bm);
  LISTVIEW_SetCompareFunc(h, 1, LISTVIEW_CompareDec);
  LISTVIEW_SetSort(h, 1, 1);
  WM_HWIN h2 = Make(2, 60);
  WM_MoveTo(h2, 155, 0);
  WM_SetSize(h2, 80, 60);
  LISTVIEW_SetSel(h2, 0);
  WM_SetFocus(h2);
  WM_Exec();
  EXPECT_TRUE(golden::Matches(GetParam() ? "widgets/listview/flex" : "widgets/listview/classic",
                              golden::CaptureLCD(0, 0, 239, 111)));
  HEADER_SetDefaultSkinClassic();
}

INSTANTIATE_TEST_SUITE_P(Looks, ListviewGolden, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& i) { return i.param ? "Flex" : "Classic"; });

} // namespace
