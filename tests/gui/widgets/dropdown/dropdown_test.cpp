// The drop-down: its open list placed below or above, items chosen by pointer, Enter and letters with the
// notifications sent, the list closing when the focus leaves it, limits of indexes and buffers, and golden
// images of both looks closed and open.
#include "DROPDOWN.h"
#include "LISTBOX.h"
#include "widget_support.h"

namespace {

class DropdownTest : public WidgetParentTest<> {
protected:
  WM_HWIN Make(int y0 = 10, int Flags = 0) {
    WM_HWIN h = DROPDOWN_CreateUser(10, y0, 100, 60, hParent, WM_CF_SHOW, Flags, 5, 0);
    for (const char* s : {"Apple", "banana", "Cherry", "Date", "Elder", "Fig", "Grape"}) {
      DROPDOWN_AddString(h, s);
    }
    return h;
  }
};

TEST_F(DropdownTest, TheListOpensBelowOrAbove) {
  WM_HWIN h = Make(70);
  int ySize = WM_GetWindowSizeY(h);
  EXPECT_EQ(ySize, GUI_GetYDistOfFont(GUI_DEFAULT_FONT) + 2 + 2 * 2);
  Heard().clear();
  DROPDOWN_Expand(h);
  WM_HWIN hList = DROPDOWN_GetListbox(h);
  ASSERT_NE(hList, 0);
  EXPECT_EQ(WM_GetParent(hList), hParent);
  EXPECT_EQ(WM_GetWindowPosY(hList), 70 + ySize - 1) << "the list overlaps the field's last row";
  EXPECT_EQ(WM_GetWindowSizeY(hList), 60);
  EXPECT_EQ(LISTBOX_GetNumItems(hList), 7);
  EXPECT_EQ(LISTBOX_GetSel(hList), 0);
  EXPECT_TRUE(WM_HasFocus(hList));
  EXPECT_EQ(widgettest::HeardCodes(1), std::vector<std::string>{"5:1"});
  DROPDOWN_Collapse(h);
  EXPECT_EQ(DROPDOWN_GetListbox(h), 0);
  EXPECT_EQ(DROPDOWN_SetUpMode(h, 1), 0);
  DROPDOWN_Expand(h);
  hList = DROPDOWN_GetListbox(h);
  EXPECT_EQ(WM_GetWindowPosY(hList) + WM_GetWindowSizeY(hList), 70) << "its bottom edge right above the field";
}

TEST_F(DropdownTest, ClickingAnItemSelectsItAndTheListCloses) {
  WM_HWIN h = Make();
  Press(30, 15); // opens
  Release(30, 15);
  WM_HWIN hList = DROPDOWN_GetListbox(h);
  ASSERT_NE(hList, 0);
  WM_Exec();
  Heard().clear();
  int yItem = WM_GetWindowPosY(hList) + 2 + 2 * GUI_GetYDistOfFont(GUI_DEFAULT_FONT) + 3;
  Press(30, yItem);
  Release(30, yItem);
  EXPECT_EQ(DROPDOWN_GetSel(h), 2);
  EXPECT_EQ(widgettest::HeardCodes(4), std::vector<std::string>{"5:4"});
  EXPECT_EQ(DROPDOWN_GetListbox(h), 0) << "the focus came back: the list is gone";
  EXPECT_FALSE(WM_IsWindow(hList));
  EXPECT_TRUE(WM_HasFocus(h));
  Press(30, 15); // opens
  Release(30, 15);
  ASSERT_NE(DROPDOWN_GetListbox(h), 0);
  Press(30, 15); // a press on the field of an open list closes it
  Release(30, 15);
  EXPECT_EQ(DROPDOWN_GetListbox(h), 0);
}

TEST_F(DropdownTest, KeysOpenChooseAndSelectByLetter) {
  WM_HWIN h = Make();
  WM_SetFocus(h);
  Key('c');
  EXPECT_EQ(DROPDOWN_GetSel(h), 2);
  Key('B');
  EXPECT_EQ(DROPDOWN_GetSel(h), 1);
  Key(GUI_KEY_UP);
  Key(GUI_KEY_UP);
  EXPECT_EQ(DROPDOWN_GetSel(h), 0) << "not below 0";
  Key(GUI_KEY_SPACE);
  ASSERT_NE(DROPDOWN_GetListbox(h), 0);
  Key(GUI_KEY_DOWN); // to the list
  Key(GUI_KEY_DOWN);
  EXPECT_EQ(DROPDOWN_GetSelExp(h), 2);
  Heard().clear();
  Key(GUI_KEY_ENTER);
  EXPECT_EQ(DROPDOWN_GetSel(h), 2);
  EXPECT_EQ(DROPDOWN_GetListbox(h), 0);
  EXPECT_EQ(widgettest::HeardCodes(4).size(), 1u);
  // Focus elsewhere closes the list.
  DROPDOWN_Expand(h);
  WM_HWIN hOther = BUTTON_CreateEx(150, 10, 40, 20, hParent, WM_CF_SHOW, 0, 9);
  WM_SetFocus(hOther);
  EXPECT_EQ(DROPDOWN_GetListbox(h), 0);
}

TEST_F(DropdownTest, IndexesBuffersAndDisabledItems) {
  I32 Used = GUI_ALLOC_GetNumUsedBlocks();
  WM_HWIN h = Make();
  char ac[4] = {'z', 'z', 'z', 'z'};
  EXPECT_EQ(DROPDOWN_GetItemText(h, 0, ac, 4), 0);
  EXPECT_STREQ(ac, "App");
  EXPECT_EQ(DROPDOWN_GetItemText(h, 7, ac, 4), 1);
  EXPECT_EQ(DROPDOWN_GetItemText(h, 0, ac, 0), 1);
  DROPDOWN_SetSel(h, 99);
  EXPECT_EQ(DROPDOWN_GetSel(h), 6);
  DROPDOWN_DeleteItem(h, 6);
  EXPECT_EQ(DROPDOWN_GetSel(h), 5) << "the selection never names a missing item";
  DROPDOWN_SetSel(h, -4);
  EXPECT_EQ(DROPDOWN_GetSel(h), -1);
  DROPDOWN_SetItemDisabled(h, 1, 1);
  DROPDOWN_SetItemDisabled(h, 12, 1); // beyond the items: ignored
  DROPDOWN_SetItemDisabled(h, 4, 1);  // the block grows, keeping bit 1
  EXPECT_EQ(DROPDOWN_GetItemDisabled(h, 1), 1);
  EXPECT_EQ(DROPDOWN_GetItemDisabled(h, 4), 1);
  EXPECT_EQ(DROPDOWN_GetItemDisabled(h, 3), 0);
  DROPDOWN_Expand(h);
  EXPECT_EQ(LISTBOX_GetItemDisabled(DROPDOWN_GetListbox(h), 4), 1);
  DROPDOWN_InsertString(h, "Zero", 0);
  EXPECT_EQ(LISTBOX_GetNumItems(DROPDOWN_GetListbox(h)), 7);
  WM_DeleteWindow(h); // the open list goes with it
  WM_Exec();
  EXPECT_EQ(GUI_ALLOC_GetNumUsedBlocks(), Used);
  EXPECT_EQ(GUI_ALLOC__Check(), 0);
}

TEST_F(DropdownTest, TheOpenListFollowsChanges) {
  WM_HWIN h = Make(10, DROPDOWN_CF_AUTOSCROLLBAR);
  DROPDOWN_Expand(h);
  WM_HWIN hList = DROPDOWN_GetListbox(h);
  ASSERT_NE(WM_GetScrollbarV(hList), 0);
  EXPECT_EQ(DROPDOWN_SetListHeight(h, 80), 60);
  EXPECT_EQ(WM_GetWindowSizeY(hList), 80);
  DROPDOWN_DeleteItem(h, 0);
  EXPECT_EQ(LISTBOX_GetNumItems(hList), 6);
  DROPDOWN_InsertString(h, "Last", 99);
  EXPECT_EQ(LISTBOX_GetNumItems(hList), 7);
  Heard().clear();
  SCROLLBAR_SetValue(WM_GetScrollbarV(hList), 2);
  EXPECT_EQ(widgettest::HeardCodes(10), std::vector<std::string>{"5:10"}) << "passed on to the parent";
  DROPDOWN_SetFont(h, &GUI_Font8); // another line distance: the list opens again under the new field
  WM_HWIN hNew = DROPDOWN_GetListbox(h);
  ASSERT_NE(hNew, 0);
  EXPECT_EQ(WM_GetWindowPosY(hNew), 10 + WM_GetWindowSizeY(h) - 1);
  EXPECT_EQ(LISTBOX_GetFont(hNew), &GUI_Font8);
  DROPDOWN_SetTextHeight(h, 30);
  EXPECT_EQ(WM_GetWindowSizeY(h), 30 + 2 + 4);
}

TEST_F(DropdownTest, FlexibleColourSetsByIndex) {
  DROPDOWN_SKINFLEX_PROPS Props;
  DROPDOWN_GetSkinFlexProps(&Props, DROPDOWN_SKINFLEX_PI_DISABLED);
  EXPECT_EQ(Props.aColorFrame[0], 0xB5B2ADu);
  Props.Radius = 4;
  DROPDOWN_SetSkinFlexProps(&Props, 4); // no such set
  DROPDOWN_SetSkinFlexProps(&Props, DROPDOWN_SKINFLEX_PI_DISABLED);
  DROPDOWN_SKINFLEX_PROPS Back;
  DROPDOWN_GetSkinFlexProps(&Back, DROPDOWN_SKINFLEX_PI_DISABLED);
  EXPECT_EQ(Back.Radius, 4);
  Props.Radius = 2;
  DROPDOWN_SetSkinFlexProps(&Props, DROPDOWN_SKINFLEX_PI_DISABLED);
  EXPECT_EQ(DROPDOWN_SetDefaultColor(2, 0), 0u);
  EXPECT_EQ(DROPDOWN_GetDefaultColor(1), 0xC0C0C0u);
  WM_HWIN h = Make();
  DROPDOWN_SetSkin(h, DROPDOWN_DrawSkinFlex);
  EXPECT_TRUE(WM_GetHasTrans(h)) << "the flexible look has round corners";
  DROPDOWN_SetSkinClassic(h);
  EXPECT_FALSE(WM_GetHasTrans(h));
}

class DropdownGolden : public DropdownTest, public testing::WithParamInterface<bool> {};

TEST_P(DropdownGolden, ClosedAndOpen) {
  if (GetParam()) {
    DROPDOWN_SetDefaultSkin(DROPDOWN_DrawSkinFlex);
    SCROLLBAR_SetDefaultSkin(SCROLLBAR_DrawSkinFlex);
  }
  WM_HWIN ah[4];
  for (int i = 0; i < 4; i++) {
    ah[i] = DROPDOWN_CreateUser(4 + (i % 2) * 116, 4 + (i / 2) * 30, 110, 70, hParent, WM_CF_SHOW,
                                i == 3 ? DROPDOWN_CF_AUTOSCROLLBAR : 0, 5 + i, 0);
    for (const char* s : {"Apple", "banana", "Cherry", "Date", "Elder", "Fig", "Grape"}) {
      DROPDOWN_AddString(ah[i], s);
    }
  }
  WM_DisableWindow(ah[1]);
  DROPDOWN_SetSel(ah[2], 2);
  WM_SetFocus(ah[2]);
  DROPDOWN_SetSel(ah[3], 4);
  DROPDOWN_Expand(ah[3]);
  WM_Exec();
  EXPECT_TRUE(golden::Matches(GetParam() ? "widgets/dropdown/flex" : "widgets/dropdown/classic",
                              golden::CaptureLCD(0, 0, 231, 119)));
  DROPDOWN_SetDefaultSkinClassic();
}

INSTANTIATE_TEST_SUITE_P(Looks, DropdownGolden, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& i) { return i.param ? "Flex" : "Classic"; });

} // namespace
