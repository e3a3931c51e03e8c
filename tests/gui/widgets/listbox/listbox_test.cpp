// The list box: selection by pointer, keys and letters with the notifications it sends, disabled items,
// marks in multi-selection mode, deletion keeping the selection sound, scroll bars on demand, owner-draw
// sizes that cannot break the layout, a long list whose paint cost does not grow with it, and golden images.
#include <set>

#include "LISTBOX.h"
#include "large_heap.h"

namespace {

const char* const apText[] = {"Alpha", "beta",  "Gamma", "Delta", "Epsilon", "Zeta",
                              "Eta",   "Theta", "Iota",  "Kappa", nullptr};

class ListboxTest : public WidgetParentTest<> {
protected:
  // A list of ten 15-pixel items in a 100-pixel inside height (3D effect of 2 pixels).
  WM_HWIN Make(int Id = 3) {
    WM_HWIN h = LISTBOX_CreateUser(10, 10, 80, 104, hParent, WM_CF_SHOW, 0, Id, apText, 0);
    LISTBOX_SetItemSpacing(h, (unsigned)(15 - GUI_GetYDistOfFont(LISTBOX_GetFont(h))));
    return h;
  }
};

TEST_F(ListboxTest, PointerSelectsAndNotifies) {
  WM_HWIN h = Make();
  WM_Exec();
  Heard().clear();
  Press(20, 12 + 15 * 2 + 3); // third item
  Release(20, 12 + 15 * 2 + 3);
  EXPECT_EQ(LISTBOX_GetSel(h), 2);
  EXPECT_EQ(Heard(), (std::vector<std::string>{"3:8", "3:11", "3:4", "3:1", "3:2"}));
  Heard().clear();
  Press(20, 12 + 15 * 2 + 3);
  Press(200, 150); // moved out while pressed
  Release(200, 150);
  EXPECT_EQ(widgettest::HeardCodes(4).size(), 0u) << "the same item is no change";
  EXPECT_EQ(widgettest::HeardCodes(3).size(), 1u);
}

TEST_F(ListboxTest, KeysMoveSkipDisabledAndLettersSelect) {
  WM_HWIN h = Make();
  WM_SetFocus(h);
  LISTBOX_SetSel(h, 0);
  LISTBOX_SetItemDisabled(h, 1, 1);
  LISTBOX_SetItemDisabled(h, 2, 1);
  Key(GUI_KEY_DOWN);
  EXPECT_EQ(LISTBOX_GetSel(h), 3) << "disabled items are skipped";
  Key(GUI_KEY_UP);
  EXPECT_EQ(LISTBOX_GetSel(h), 0);
  LISTBOX_SetSel(h, 2);
  EXPECT_EQ(LISTBOX_GetSel(h), -1) << "a disabled item cannot be selected";
  Key('B');
  EXPECT_EQ(LISTBOX_GetSel(h), -1) << "'beta' is disabled";
  Key('z');
  EXPECT_EQ(LISTBOX_GetSel(h), 5);
  Heard().clear();
  Key(GUI_KEY_ENTER); // not used: the parent hears it
  EXPECT_EQ(Heard(), (std::vector<std::string>{"key 13", "key 13"}));
  // Only disabled items below: the view scrolls instead.
  for (int i = 6; i < 10; i++) {
    LISTBOX_SetItemDisabled(h, (unsigned)i, 1);
  }
  LISTBOX_SetAutoScrollV(h, 1);
  LISTBOX_SetSel(h, 0);
  Key(GUI_KEY_DOWN);
  EXPECT_EQ(LISTBOX_GetSel(h), 3);
  int First = WM_GetScrollPosV(h);
  Key(GUI_KEY_DOWN);
  Key(GUI_KEY_DOWN);
  EXPECT_EQ(LISTBOX_GetSel(h), 5);
  Key(GUI_KEY_DOWN);
  EXPECT_EQ(LISTBOX_GetSel(h), 5);
  EXPECT_GT(WM_GetScrollPosV(h), First);
}

TEST_F(ListboxTest, DeletingKeepsTheSelectionSound) {
  WM_HWIN h = Make();
  LISTBOX_SetSel(h, 4);
  LISTBOX_DeleteItem(h, 1);
  EXPECT_EQ(LISTBOX_GetSel(h), 3);
  char ac[16];
  LISTBOX_GetItemText(h, 3, ac, sizeof(ac));
  EXPECT_STREQ(ac, "Epsilon");
  LISTBOX_DeleteItem(h, 3);
  EXPECT_EQ(LISTBOX_GetSel(h), -1);
  LISTBOX_DeleteItem(h, 99); // ignored
  EXPECT_EQ(LISTBOX_GetNumItems(h), 8);
  LISTBOX_InsertString(h, "New", 0);
  LISTBOX_SetSel(h, 99);
  EXPECT_EQ(LISTBOX_GetSel(h), 8) << "limited to the last item";
  LISTBOX_InsertString(h, "Top", 0);
  EXPECT_EQ(LISTBOX_GetSel(h), 9) << "the same item stays selected";
  EXPECT_EQ(LISTBOX_GetItemText(h, 0, ac, 3), 2);
  EXPECT_STREQ(ac, "To");
  EXPECT_EQ(LISTBOX_GetItemText(h, 77, ac, 8), 0);
  EXPECT_STREQ(ac, "");
  LISTBOX_SetString(h, "Renamed", 1);
  LISTBOX_GetItemText(h, 1, ac, sizeof(ac));
  EXPECT_STREQ(ac, "Renamed");
}

TEST_F(ListboxTest, MarksOnlyInMultiSelectionMode) {
  WM_HWIN h = Make();
  WM_SetFocus(h);
  LISTBOX_SetItemSel(h, 1, 1);
  EXPECT_EQ(LISTBOX_GetItemSel(h, 1), 0);
  LISTBOX_SetMulti(h, 1);
  LISTBOX_SetSel(h, 2);
  Heard().clear();
  Key(GUI_KEY_SPACE);
  EXPECT_EQ(LISTBOX_GetItemSel(h, 2), 1);
  EXPECT_EQ(widgettest::HeardCodes(4).size(), 1u);
  LISTBOX_SetItemDisabled(h, 3, 1);
  LISTBOX_SetItemSel(h, 4, 1);
  Press(20, 12 + 15 * 3 + 3); // the disabled item stays unmarked
  Release(20, 12 + 15 * 3 + 3);
  EXPECT_EQ(LISTBOX_GetItemSel(h, 3), 0);
  EXPECT_EQ(LISTBOX_GetItemSel(h, 4), 1);
  EXPECT_EQ(LISTBOX_GetItemSel(h, 100), 0);
}

TEST_F(ListboxTest, ScrollBarsOnDemandAndTheSelectionStaysVisible) {
  WM_HWIN h = Make();
  LISTBOX_SetAutoScrollV(h, 1);
  EXPECT_NE(WM_GetScrollbarV(h), 0);
  SCROLLBAR_OBJ* pBar = SCROLLBAR_LockH(WM_GetScrollbarV(h));
  EXPECT_EQ(pBar->PageSize, 6);
  EXPECT_EQ(pBar->NumItems, 10);
  GUI_ALLOC_UnlockH(&pBar);
  LISTBOX_SetSel(h, 9);
  EXPECT_EQ(WM_GetScrollPosV(h), 4);
  LISTBOX_SetSel(h, 1);
  EXPECT_EQ(WM_GetScrollPosV(h), 1);
  for (int i = 0; i < 4; i++) {
    LISTBOX_DeleteItem(h, 0);
  }
  WM_Exec();
  EXPECT_EQ(WM_GetScrollbarV(h), 0) << "six items fit";
  LISTBOX_AddString(h, "A rather long text that does not fit");
  LISTBOX_SetAutoScrollH(h, 1);
  EXPECT_NE(WM_GetScrollbarH(h), 0);
  LISTBOX_SetAutoScrollH(h, 0);
  WM_Exec();
  EXPECT_EQ(WM_GetScrollbarH(h), 0);
}

int _HugeSizes(const WIDGET_ITEM_DRAW_INFO* pInfo) {
  if (pInfo->Cmd == WIDGET_ITEM_GET_YSIZE) {
    return pInfo->ItemIndex % 2 ? 0x7FFFFFF : -5;
  }
  if (pInfo->Cmd == WIDGET_ITEM_GET_XSIZE) {
    return 0x12345678;
  }
  return LISTBOX_OwnerDraw(pInfo);
}

TEST_F(ListboxTest, OwnerDrawAnswersOutOfRangeAreCut) {
  WM_HWIN h = Make();
  LISTBOX_SetAutoScrollV(h, 1);
  LISTBOX_SetAutoScrollH(h, 1);
  LISTBOX_SetOwnerDraw(h, _HugeSizes);
  WM_Exec();
  LISTBOX_SetSel(h, 5);
  Key(GUI_KEY_DOWN);
  WM_Exec();
  EXPECT_EQ(LISTBOX_GetSel(h), 5);
  WM_HWIN hBar = WM_GetScrollbarH(h);
  ASSERT_NE(hBar, 0);
  EXPECT_EQ(SCROLLBAR_GetNumItems(hBar), 0xFFFF);
  EXPECT_EQ(GUI_ALLOC__Check(), 0);
}

// Painting a long list scrolled to its middle draws only the items that show.
std::set<int> s_Drawn;
int _CountingDraw(const WIDGET_ITEM_DRAW_INFO* pInfo) {
  if (pInfo->Cmd == WIDGET_ITEM_DRAW) {
    s_Drawn.insert(pInfo->ItemIndex);
  }
  return LISTBOX_OwnerDraw(pInfo);
}

TEST_F(ListboxTest, LongListsDrawOnlyWhatShows) {
  WM_HWIN h = Make();
  LISTBOX_SetText(h, nullptr);
  for (int i = 0; i < 5000; i++) {
    LISTBOX_AddString(h, ("Item " + std::to_string(i)).c_str());
  }
  LISTBOX_SetAutoScrollV(h, 1);
  LISTBOX_SetOwnerDraw(h, _CountingDraw);
  LISTBOX_SetSel(h, 2500);
  WM_Exec();
  s_Drawn.clear();
  WM_InvalidateWindow(h);
  WM_Exec();
  EXPECT_LE(s_Drawn.size(), 7u) << "six items and a part of the seventh show";
  EXPECT_EQ(*s_Drawn.begin(), 2500 - 5);
  EXPECT_EQ(LISTBOX__ItemAt(h, 20, 4), 2500 - 5);
}

// An owner hears what the parent would, and hover selects for it; message 33 carries unused keys to it.
std::vector<std::string> s_OwnerHeard;
void _cbOwner(WM_MESSAGE* pMsg) {
  if (pMsg->MsgId == WM_NOTIFY_PARENT) {
    s_OwnerHeard.push_back(std::to_string((int)pMsg->Data.v));
  } else if (pMsg->MsgId == LISTBOX_MSG_KEY_UNUSED) {
    s_OwnerHeard.push_back("key " + std::to_string(((const GUI_KEY_MSG*)pMsg->Data.p)->Key));
  } else {
    WM_DefaultProc(pMsg);
  }
}

TEST_F(ListboxTest, AnOwnerHearsInsteadOfTheParentAndHoverSelects) {
  WM_HWIN h = Make();
  WM_HWIN hOwner = WM_CreateWindow(200, 0, 10, 10, WM_CF_SHOW, _cbOwner, 0);
  s_OwnerHeard.clear();
  wmtest::Pointer(20, 12 + 15 * 4 + 3, 0); // hover without an owner: nothing
  EXPECT_EQ(LISTBOX_GetSel(h), -1);
  LISTBOX_SetOwner(h, hOwner);
  WM_SetFocus(h);
  Heard().clear();
  wmtest::Pointer(20, 12 + 15 * 4 + 4, 0);
  EXPECT_EQ(LISTBOX_GetSel(h), 4);
  wmtest::Pointer(20, 12 + 15 * 6 + 14, 0); // the seventh item does not show in full
  EXPECT_EQ(LISTBOX_GetSel(h), 4);
  Key(GUI_KEY_ENTER);
  EXPECT_EQ(s_OwnerHeard, (std::vector<std::string>{"11", "4", "key 13", "key 13"})) << "focus, hover, Enter";
  EXPECT_TRUE(widgettest::HeardCodes(4).empty()) << "the parent hears no notification";
  WM_DeleteWindow(hOwner);
  LISTBOX_SetSel(h, 1); // the owner went away: the parent hears it again
  EXPECT_EQ(widgettest::HeardCodes(4).size(), 1u);
}

TEST_F(ListboxTest, TheScrollBarMovesTheViewAndKeysScrollSideways) {
  WM_HWIN h = Make();
  LISTBOX_SetAutoScrollV(h, 1);
  LISTBOX_SetScrollbarWidth(h, 15);
  LISTBOX_SetScrollbarColor(h, SCROLLBAR_CI_THUMB, 0x0000FF);
  WM_HWIN hBar = WM_GetScrollbarV(h);
  ASSERT_NE(hBar, 0);
  EXPECT_EQ(WM_GetWindowSizeX(hBar), 15);
  EXPECT_EQ(SCROLLBAR_GetColor(hBar, SCROLLBAR_CI_THUMB), 0x0000FFu);
  Heard().clear();
  SCROLLBAR_SetValue(hBar, 3);
  EXPECT_EQ(LISTBOX__ItemAt(h, 20, 4), 3);
  EXPECT_EQ(widgettest::HeardCodes(10), std::vector<std::string>{"3:10"});
  LISTBOX_AddString(h, "A text much wider than the list box is");
  LISTBOX_SetAutoScrollH(h, 1);
  WM_SetFocus(h);
  LISTBOX_SetScrollStepH(h, 7);
  Key(GUI_KEY_RIGHT);
  Key(GUI_KEY_RIGHT);
  EXPECT_EQ(WM_GetScrollPosH(h), 14);
  Key(GUI_KEY_LEFT);
  EXPECT_EQ(WM_GetScrollPosH(h), 7);
}

// Items of 15 and 30 pixels: the view scrolls by items and the selected one shows in full.
int _MixedHeights(const WIDGET_ITEM_DRAW_INFO* pInfo) {
  if (pInfo->Cmd == WIDGET_ITEM_GET_YSIZE) {
    return pInfo->ItemIndex % 2 ? 30 : 15;
  }
  return LISTBOX_OwnerDraw(pInfo);
}

TEST_F(ListboxTest, ItemsOfDifferentHeightsKeepTheSelectionInView) {
  WM_HWIN h = Make();
  LISTBOX_SetOwnerDraw(h, _MixedHeights);
  LISTBOX_SetAutoScrollV(h, 1);
  WM_SetFocus(h);
  for (int i = 0; i < 9; i++) {
    Key(GUI_KEY_DOWN);
    int First = WM_GetScrollPosV(h), Sel = LISTBOX_GetSel(h);
    int y = 2;
    for (int k = First; k < Sel; k++) {
      y += k % 2 ? 30 : 15;
    }
    EXPECT_LE(y + (Sel % 2 ? 30 : 15) - 1, 101) << "item " << Sel << " shows in full";
    EXPECT_LE(First, Sel);
  }
  EXPECT_EQ(LISTBOX_GetSel(h), 8);
}

TEST_F(ListboxTest, ColoursAndDefaultsGuardTheirIndexes) {
  WM_HWIN h = Make();
  EXPECT_EQ(LISTBOX_SetTextColor(h, 4, 0x123456), 0xFFFFFFFu);
  EXPECT_EQ(LISTBOX_SetTextColor(h, 1, 0x123456), 0x123456u);
  EXPECT_EQ(LISTBOX_GetDefaultBkColor(4), 0xFFFFFFFu);
  EXPECT_EQ(LISTBOX_SetDefaultBkColor(0, 0x00FFFF), 0xFFFFFFu);
  WM_HWIN h2 = LISTBOX_CreateUser(100, 10, 50, 50, hParent, WM_CF_SHOW, 0, 4, nullptr, 0);
  EXPECT_EQ(LISTBOX_GetDefaultBkColor(0), 0x00FFFFu);
  EXPECT_EQ(LISTBOX__Obj(h2)->Props.aBackColor[0], 0x00FFFFu);
  LISTBOX_SetDefaultBkColor(0, 0xFFFFFF);
  EXPECT_EQ(LISTBOX_GetSel(h2), -1);
  EXPECT_EQ(LISTBOX_GetNumItems(h2), 0);
  LISTBOX_IncSel(h2); // an empty list: nothing to select or scroll
  EXPECT_EQ(LISTBOX_GetSel(h2), -1);
  EXPECT_EQ(LISTBOX_GetSel(0), -1);
  EXPECT_EQ(LISTBOX_GetFont(0), nullptr);
}

using ListboxLongTest = WithLargeHeap<ListboxTest>;

TEST_F(ListboxLongTest, SelectionsBeyondItem32767StayPositive) {
  WM_HWIN h = Make();
  for (int i = 10; i < 40000; i++) {
    LISTBOX_AddString(h, "x");
  }
  ASSERT_EQ(LISTBOX_GetNumItems(h), 40000);
  LISTBOX_SetAutoScrollV(h, 1);
  LISTBOX_SetSel(h, 39000);
  EXPECT_EQ(LISTBOX_GetSel(h), 39000);
  EXPECT_EQ(WM_GetScrollPosV(h), 39000 - 6 + 1);
  LISTBOX_DeleteItem(h, 0);
  EXPECT_EQ(LISTBOX_GetSel(h), 38999);
}

// Unselected, selected with and without focus, disabled, multi-selection with its focus rectangle, and a
// list with its vertical scroll bar; both scroll-bar looks.
class ListboxGolden : public ListboxTest, public testing::WithParamInterface<bool> {};

TEST_P(ListboxGolden, States) {
  if (GetParam()) {
    SCROLLBAR_SetDefaultSkin(SCROLLBAR_DrawSkinFlex);
  }
  WM_HWIN aH[3];
  for (int i = 0; i < 3; i++) {
    aH[i] = LISTBOX_CreateUser(4 + i * 76, 4, 72, 80, hParent, WM_CF_SHOW, 0, 5 + i, apText, 0);
    LISTBOX_SetItemDisabled(aH[i], 1, 1);
  }
  LISTBOX_SetSel(aH[0], 2);
  LISTBOX_SetSel(aH[1], 3);
  WM_SetFocus(aH[1]);
  LISTBOX_SetAutoScrollV(aH[1], 1);
  LISTBOX_SetMulti(aH[2], 1);
  LISTBOX_SetItemSel(aH[2], 0, 1);
  LISTBOX_SetItemSel(aH[2], 4, 1);
  LISTBOX_SetSel(aH[2], 3);
  LISTBOX_SetAutoScrollV(aH[2], 1);
  LISTBOX_SetAutoScrollH(aH[2], 1);
  LISTBOX_SetString(aH[2], "A text too wide to show", 2);
  WM_Exec();
  EXPECT_NE(WM_GetScrollbarH(aH[2]), 0);
  EXPECT_TRUE(golden::Matches(GetParam() ? "widgets/listbox/flex" : "widgets/listbox/classic",
                              golden::CaptureLCD(0, 0, 235, 89)));
}

INSTANTIATE_TEST_SUITE_P(Looks, ListboxGolden, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& i) { return i.param ? "Flex" : "Classic"; });

} // namespace
