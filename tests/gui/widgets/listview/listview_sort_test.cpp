// List view sorting: the compare routines, header clicks, the selection kept by content, and random tables
// of text and decimal columns checked against std::stable_sort, with the display/storage mapping staying
// one to one through random inserts and deletes.
#include <algorithm>
#include <numeric>
#include <random>

#include "LISTVIEW.h"
#include "widget_support.h"

namespace {

class ListviewSortTest : public WidgetParentTest<> {
protected:
  void SetUp() override {
    WidgetParentTest::SetUp();
    h = LISTVIEW_CreateUser(0, 0, 200, 120, hParent, WM_CF_SHOW, 0, 7, 0);
    LISTVIEW_AddColumn(h, 80, "Text", 0);
    LISTVIEW_AddColumn(h, 60, "Number", 0);
    LISTVIEW_SetCompareFunc(h, 0, LISTVIEW_CompareText);
    LISTVIEW_SetCompareFunc(h, 1, LISTVIEW_CompareDec);
  }
  void Add(const std::string& a, const std::string& b) {
    const char* ap[] = {a.c_str(), b.c_str(), nullptr};
    LISTVIEW_AddRow(h, ap);
  }
  std::string Text(int Col, int Row, bool Unsorted = false) {
    char ac[40];
    (Unsorted ? LISTVIEW_GetItemTextUnsorted : LISTVIEW_GetItemText)(h, (unsigned)Col, (unsigned)Row, ac, sizeof(ac));
    return ac;
  }
  std::vector<std::string> Column(int Col) {
    std::vector<std::string> v;
    for (unsigned r = 0; r < LISTVIEW_GetNumRows(h); r++) {
      v.push_back(Text(Col, (int)r));
    }
    return v;
  }
  void ClickHeader(int x) {
    int y = 2 + 5;
    Press(x, y);
    Release(x, y);
  }
  WM_HWIN h = 0;
};

using Strings = std::vector<std::string>;

TEST_F(ListviewSortTest, CompareRoutines) {
  EXPECT_GT(LISTVIEW_CompareText("a", "b"), 0) << "the smaller text first answers greater";
  EXPECT_LT(LISTVIEW_CompareText("b", "a"), 0);
  EXPECT_EQ(LISTVIEW_CompareText("a", "a"), 0);
  EXPECT_EQ(LISTVIEW_CompareDec("-5", "3"), 1);
  EXPECT_EQ(LISTVIEW_CompareDec("12", "3"), -1);
  EXPECT_EQ(LISTVIEW_CompareDec("12abc", "12"), 0);
  EXPECT_EQ(LISTVIEW_CompareDec("", "-"), 0);
  EXPECT_EQ(LISTVIEW_CompareDec("99999999999999999999999", "1"), -1) << "long numbers saturate, never overflow";
}

TEST_F(ListviewSortTest, DirectionsAndEqualTextsKeepTheirOrder) {
  Add("b", "1");
  Add("a", "2");
  Add("c", "3");
  Add("b", "4");
  EXPECT_EQ(LISTVIEW_SetSort(h, 0, 0), 0);
  WM_Exec();
  EXPECT_EQ(Column(0), (Strings{"c", "b", "b", "a"}));
  EXPECT_EQ(Column(1), (Strings{"3", "1", "4", "2"}));
  LISTVIEW_SetSort(h, 0, 1);
  WM_Exec();
  EXPECT_EQ(Column(0), (Strings{"a", "b", "b", "c"}));
  EXPECT_EQ(Column(1), (Strings{"2", "1", "4", "3"}));
  LISTVIEW_SetSort(h, 1, 1);
  Add("d", "-5");
  WM_Exec();
  EXPECT_EQ(Column(1), (Strings{"-5", "1", "2", "3", "4"}));
}

TEST_F(ListviewSortTest, HeaderClicksReverseAndSwitchColumns) {
  for (const char* s : {"3", "10", "7"}) {
    Add(std::string("t") + s, s);
  }
  LISTVIEW_EnableSort(h);
  ClickHeader(100); // the number column
  WM_Exec();
  EXPECT_EQ(Column(1), (Strings{"10", "7", "3"}));
  EXPECT_EQ(HEADER__Obj(LISTVIEW_GetHeader(h))->DirIndicatorColumn, 1);
  LISTVIEW_SetSel(h, 1);
  ClickHeader(100);
  WM_Exec();
  EXPECT_EQ(Column(1), (Strings{"3", "7", "10"}));
  EXPECT_EQ(HEADER__Obj(LISTVIEW_GetHeader(h))->DirIndicatorReverse, 1);
  EXPECT_EQ(Text(1, LISTVIEW_GetSel(h)), "7") << "the selection follows its row";
  ClickHeader(100);
  WM_Exec();
  EXPECT_EQ(Column(1), (Strings{"10", "7", "3"})) << "two clicks give the first order again";
  ClickHeader(30); // another column: not reversed
  WM_Exec();
  EXPECT_EQ(Column(0), (Strings{"t7", "t3", "t10"}));
  LISTVIEW_SetSel(h, 0);
  LISTVIEW_DisableSort(h);
  EXPECT_EQ(Column(1), (Strings{"3", "10", "7"}));
  EXPECT_EQ(LISTVIEW_GetSel(h), 2) << "the same row, now by its storage index";
  EXPECT_EQ(HEADER__Obj(LISTVIEW_GetHeader(h))->DirIndicatorColumn, -1);
}

// The display order the sort must give: std::stable_sort of the storage rows by the column's values.
std::vector<int> Reference(const std::vector<std::pair<std::string, std::string>>& aRow, int Col, bool Reverse) {
  std::vector<int> v(aRow.size());
  std::iota(v.begin(), v.end(), 0);
  auto Key = [&](int r) { return Col ? aRow[(size_t)r].second : aRow[(size_t)r].first; };
  std::stable_sort(v.begin(), v.end(), [&](int a, int b) {
    if (Col) {
      long long x = std::stoll(Key(a)), y = std::stoll(Key(b));
      return Reverse ? x < y : x > y;
    }
    return Reverse ? Key(a) < Key(b) : Key(a) > Key(b);
  });
  return v;
}

TEST_F(ListviewSortTest, RandomTablesMatchStableSortThroughInsertsAndDeletes) {
  std::mt19937 Rng(2026);
  std::vector<std::pair<std::string, std::string>> aRow; // storage order, as the reference sees it
  auto RandomRow = [&]() {
    std::string t(1 + Rng() % 3, 'a');
    for (char& c : t) {
      c = (char)('a' + Rng() % 4); // few letters: many equal texts
    }
    return std::make_pair(t, std::to_string((int)(Rng() % 41) - 20));
  };
  for (int i = 0; i < 300; i++) {
    aRow.push_back(RandomRow());
    Add(aRow.back().first, aRow.back().second);
  }
  for (int Round = 0; Round < 40; Round++) {
    int Col = (int)(Rng() % 2);
    bool Reverse = Rng() % 2;
    ASSERT_EQ(LISTVIEW_SetSort(h, (unsigned)Col, Reverse), 0);
    WM_Exec();
    std::vector<int> Expected = Reference(aRow, Col, Reverse);
    for (size_t d = 0; d < aRow.size(); d++) {
      ASSERT_EQ(LISTVIEW__StorageRow(h, (int)d), Expected[d]) << "round " << Round << " row " << d;
    }
    // A few changes, after each of which every display row names a distinct storage row with its text.
    LISTVIEW_SetSel(h, (int)(Rng() % aRow.size()));
    std::string SelText = Text(0, LISTVIEW_GetSel(h)) + "/" + Text(1, LISTVIEW_GetSel(h));
    int SelStorage = LISTVIEW_GetSelUnsorted(h);
    for (int k = 0; k < 4; k++) {
      unsigned Op = Rng() % 3;
      unsigned n = LISTVIEW_GetNumRows(h);
      if (Op == 0) {
        unsigned i = Rng() % (n + 1);
        auto Row = RandomRow();
        const char* ap[] = {Row.first.c_str(), Row.second.c_str(), nullptr};
        LISTVIEW_InsertRow(h, i, ap);
        aRow.insert(aRow.begin() + std::min<size_t>(i, aRow.size()), Row);
        SelStorage += SelStorage >= (int)i;
      } else if (Op == 1) {
        int d = (int)(Rng() % n);
        int s = LISTVIEW__StorageRow(h, d);
        LISTVIEW_DeleteRow(h, d);
        aRow.erase(aRow.begin() + s);
        SelStorage = s == SelStorage ? -1 : SelStorage - (SelStorage > s);
      } else {
        unsigned s = Rng() % n;
        LISTVIEW_DeleteRowUnsorted(h, s);
        aRow.erase(aRow.begin() + s);
        SelStorage = (int)s == SelStorage ? -1 : SelStorage - (SelStorage > (int)s);
      }
      n = LISTVIEW_GetNumRows(h);
      ASSERT_EQ(n, aRow.size());
      std::vector<bool> Seen(n);
      for (unsigned d = 0; d < n; d++) {
        int s = LISTVIEW__StorageRow(h, (int)d);
        ASSERT_TRUE(s >= 0 && s < (int)n && !Seen[(size_t)s]) << "display " << d;
        Seen[(size_t)s] = true;
        ASSERT_EQ(Text(0, (int)d), aRow[(size_t)s].first);
        ASSERT_EQ(LISTVIEW__DisplayRow(h, s), (int)d);
      }
      int Sel = LISTVIEW_GetSel(h);
      if (SelStorage < 0) {
        ASSERT_EQ(Sel, -1) << "a deleted row is not selected";
      } else {
        ASSERT_EQ(Text(0, Sel) + "/" + Text(1, Sel), SelText) << "the selection stays with its row";
      }
    }
  }
  EXPECT_EQ(GUI_ALLOC__Check(), 0);
}

TEST_F(ListviewSortTest, NoMemoryForTheTablePaintsNothingAndLosesNothing) {
  for (int i = 0; i < 20; i++) {
    Add("t" + std::to_string(i % 7), std::to_string(i));
  }
  LISTVIEW_SetSort(h, 0, 0);
  GUI_ALLOC__FailNth(1);
  EXPECT_EQ(LISTVIEW__Sort(h), 1);
  GUI_ALLOC__FailNth(0);
  EXPECT_EQ(Text(0, 0), "t0") << "unsorted still";
  WM_InvalidateWindow(h);
  WM_Exec();
  EXPECT_EQ(Text(0, 0), "t6");
  EXPECT_EQ(GUI_ALLOC__Check(), 0);
}

} // namespace
