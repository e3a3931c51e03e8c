// The list view: layout and row heights, selection by keys and pointer with disabled rows, deletion that
// never leaves a stale selection, fixed columns, per-cell colours, indexes out of range, painting that
// costs the same for long lists, and golden images.
#include <set>

#include "LISTVIEW.h"
#include "large_heap.h"

namespace {

class ListviewTest : public WidgetParentTest<> {
protected:
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
};

TEST_F(ListviewTest, LayoutFillsTheParentAndRowsFollowFontGridAndHeight) {
  WM_HWIN h = LISTVIEW_CreateUser(0, 0, 0, 0, hParent, WM_CF_SHOW, 0, 7, 0);
  EXPECT_EQ(WM_GetWindowSizeX(h), 240);
  EXPECT_EQ(WM_GetWindowSizeY(h), 160);
  LISTVIEW_AddColumn(h, 40, "A", -1);
  EXPECT_EQ(LISTVIEW_GetTextAlign(h, 0), 14);
  LISTVIEW_SetColumnWidth(h, 0, 0x7FFFFFFF); // cut: sums of positions cannot overflow
  EXPECT_EQ(HEADER_GetItemWidth(LISTVIEW_GetHeader(h), 0), 0x7FFF);
  LISTVIEW_SetRowHeight(h, 0x7FFFFFFF);
  EXPECT_EQ(LISTVIEW__RowDistY(h), 0x7FFF);
  LISTVIEW_AddRow(h, nullptr);
  WM_Exec(); // paints and ends
  LISTVIEW_SetRowHeight(h, 0);
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
  // A click takes the column drawn under the pointer: the fixed one covers the scrolled column 1.
  int y = 2 + HEADER_GetHeight(LISTVIEW_GetHeader(h)) + 3;
  Press(40, y);
  Release(40, y);
  EXPECT_EQ(LISTVIEW_GetSelCol(h), 0);
  Press(70, y);
  Release(70, y);
  EXPECT_EQ(LISTVIEW_GetSelCol(h), 1);
}

TEST_F(ListviewTest, ScrollBarsAndColumnWidthsMoveTheView) {
  WM_HWIN h = Make(30);
  LISTVIEW_SetAutoScrollV(h, 1);
  LISTVIEW_SetAutoScrollH(h, 1);
  EXPECT_EQ(WM_GetScrollbarH(h), 0);
  WM_HWIN hBar = WM_GetScrollbarV(h);
  ASSERT_NE(hBar, 0);
  Heard().clear();
  SCROLLBAR_SetValue(hBar, 5);
  EXPECT_EQ(LISTVIEW__Obj(h)->ScrollStateV.Value, 5);
  EXPECT_EQ(widgettest::HeardCodes(10), std::vector<std::string>{"7:10"});
  GUI_RECT r;
  LISTVIEW_GetItemRect(h, 0, 5, &r);
  EXPECT_EQ(r.y0, 2 + HEADER_GetHeight(LISTVIEW_GetHeader(h)));
  LISTVIEW_SetColumnWidth(h, 2, 300); // the header reports the change: the bar appears
  EXPECT_NE(WM_GetScrollbarH(h), 0);
  EXPECT_EQ(LISTVIEW__Obj(h)->ScrollStateH.NumItems, 60 + 50 + 300);
  SCROLLBAR_SetValue(WM_GetScrollbarH(h), 40);
  EXPECT_EQ(HEADER__Obj(LISTVIEW_GetHeader(h))->ScrollPos, 40) << "the header scrolls along";
}

TEST_F(ListviewTest, ColumnsAndRowsGrowTogether) {
  WM_HWIN h = Make(3);
  EXPECT_EQ(LISTVIEW_AddColumn(h, 30, "New", 0), 0);
  EXPECT_EQ(LISTVIEW_GetItemTextLen(h, 3, 2), 0u);
  LISTVIEW_SetItemText(h, 3, 2, "cell");
  EXPECT_EQ(Text(h, 3, 2), "cell");
  const char* apShort[] = {"only", nullptr};
  EXPECT_EQ(LISTVIEW_AddRow(h, apShort), 0);
  EXPECT_EQ(Text(h, 0, 3), "only");
  EXPECT_EQ(Text(h, 1, 3), "") << "cells after a null entry stay empty";
  LISTVIEW_SetUserDataRow(h, 1, 77);
  EXPECT_EQ(LISTVIEW_GetUserDataRow(h, 1), 77u);
  // No memory for a cell: the row stays without cells, nothing leaks.
  I32 Used = GUI_ALLOC_GetNumUsedBlocks();
  GUI_ALLOC__FailNth(4);
  EXPECT_EQ(LISTVIEW_AddRow(h, apShort), 1);
  GUI_ALLOC__FailNth(0);
  EXPECT_EQ(LISTVIEW_GetNumRows(h), 5u);
  EXPECT_EQ(Text(h, 0, 4), "");
  LISTVIEW_DeleteRow(h, 4);
  WM_Exec();
  EXPECT_EQ(GUI_ALLOC_GetNumUsedBlocks(), Used);
  // No memory for a column, whichever allocation fails: the result tells, and the header keeps one item per
  // column (rows may lack the new cell).
  WM_HWIN hHeader = LISTVIEW_GetHeader(h);
  int Result = 1;
  for (int n = 1; n < 40 && Result; n++) {
    unsigned Columns = LISTVIEW_GetNumColumns(h);
    GUI_ALLOC__FailNth(n);
    Result = LISTVIEW_AddColumn(h, 20, "More", 0);
    GUI_ALLOC__FailNth(0);
    EXPECT_EQ(HEADER_GetNumItems(hHeader), (int)LISTVIEW_GetNumColumns(h)) << "allocation " << n << " failing";
    if (LISTVIEW_GetNumColumns(h) == Columns) {
      EXPECT_EQ(Result, 1) << "allocation " << n << " failing";
    }
  }
  EXPECT_EQ(Result, 0);
  EXPECT_EQ(LISTVIEW_AddColumn(h, 0, nullptr, 0), 1) << "a column the header refuses is not added";
  EXPECT_EQ(HEADER_GetNumItems(hHeader), (int)LISTVIEW_GetNumColumns(h));
}

TEST_F(ListviewTest, DisplayAndStorageIndexesUnderASort) {
  WM_HWIN h = Make(4);
  LISTVIEW_SetCompareFunc(h, 1, LISTVIEW_CompareDec);
  LISTVIEW_SetSort(h, 1, 0); // 3, 2, 1, 0
  LISTVIEW_SetSelUnsorted(h, 1);
  EXPECT_EQ(LISTVIEW_GetSel(h), 2);
  EXPECT_EQ(LISTVIEW_GetSelUnsorted(h), 1);
  LISTVIEW_SetItemText(h, 0, 0, "top");
  char ac[8];
  LISTVIEW_GetItemTextUnsorted(h, 0, 3, ac, sizeof(ac));
  EXPECT_STREQ(ac, "top") << "display row 0 is storage row 3";
  LISTVIEW_SetItemTextUnsorted(h, 1, 0, "9");
  WM_Exec();
  EXPECT_EQ(Text(h, 0, 0), "r0") << "an edited storage row sorts again";
  EXPECT_EQ(LISTVIEW_GetSelUnsorted(h), 1);
  LISTVIEW_DisableRow(h, 0);
  LISTVIEW_SetSelUnsorted(h, 0);
  EXPECT_EQ(LISTVIEW_GetSelUnsorted(h), 1) << "a disabled row is not selected";
}

// Paint cost does not grow with the rows: the same cells are drawn for 100 and for 10,000 rows.
std::set<std::pair<int, int>> s_Cells;
int _Counting(const WIDGET_ITEM_DRAW_INFO* pInfo) {
  if (pInfo->Cmd == WIDGET_ITEM_DRAW) {
    s_Cells.insert({pInfo->ItemIndex, pInfo->Col});
  }
  return LISTVIEW_OwnerDraw(pInfo);
}

using ListviewLongTest = WithLargeHeap<ListviewTest>;

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
    if (i) {
      GUI_RECT r;
      LISTVIEW_GetItemRect(h, 0, (unsigned)n - 1, &r);
      EXPECT_EQ(r.y0, 0x7FFF) << "a row further down than coordinates reach lies at their end";
    }
    WM_DeleteWindow(h);
  }
  EXPECT_EQ(aDrawn[0], aDrawn[1]);
  EXPECT_LE(aDrawn[0], 4u * 9) << "three columns and the area right of them, for the rows that show";
}


// A margin beyond the coordinates leaves no room for the cell texts instead of wrapping them into view.
TEST_F(ListviewTest, MarginsBeyondTheCoordinatesHideTheTexts) {
  WM_HWIN h = Make(3);
  LISTVIEW_SetLBorder(h, INT32_MAX);
  LISTVIEW_SetRBorder(h, INT32_MIN);
  WM_Exec();
  int Text = 0;
  for (int y = LISTVIEW__HeaderHeight(h) + 2; y < 60; y++) { // the three rows, inside the frame
    for (int x = 5; x < 180; x++) {
      Text += LCD_GetPixelIndex(x, y) == LCD_Color2Index(LISTVIEW_GetTextColor(h, 0));
    }
  }
  EXPECT_EQ(Text, 0);
  EXPECT_EQ(LISTVIEW_GetLBorder(h), INT32_MAX) << "kept as given";
}

TEST_F(ListviewTest, DeletingGivesBackCellsInfosAndTheSortTable) {
  WM_DeleteWindow(Make(1));
  WM_Exec();
  I32 Used = GUI_ALLOC_GetNumUsedBlocks();
  WM_HWIN h = Make(20);
  LISTVIEW_SetItemBkColor(h, 0, 3, 1, 0x00FF00);
  LISTVIEW_SetItemBitmap(h, 2, 4, 0, 0, &widgettest::Bm4x4);
  LISTVIEW_SetCompareFunc(h, 0, LISTVIEW_CompareText);
  LISTVIEW_SetSort(h, 0, 0);
  LISTVIEW_SetAutoScrollV(h, 1);
  WM_Exec();
  LISTVIEW_DeleteColumn(h, 0); // with a cell info and the sort column
  EXPECT_EQ(LISTVIEW__Obj(h)->SortIndex, -1);
  WM_Exec();
  WM_DeleteWindow(h);
  WM_Exec();
  EXPECT_EQ(GUI_ALLOC_GetNumUsedBlocks(), Used);
  EXPECT_EQ(GUI_ALLOC__Check(), 0);
}

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
  LISTVIEW_SetItemBitmap(h, 2, 4, 2, 2, &widgettest::Bm4x4);
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
