// The multipage: the tab scroll bar and its range, selection by pointer and keys with notifications,
// deleting pages, disabled pages, refused indexes, what the skins change, and golden images of both looks
// in every alignment.
#include "MULTIPAGE.h"
#include "TREEVIEW.h"
#include "widget_support.h"

namespace {

void cbPage(WM_MESSAGE* pMsg) {
  if (pMsg->MsgId == WM_PAINT) {
    GUI_SetBkColor(0xE8F0E8);
    GUI_Clear();
    GUI_SetColor(0x404040);
    GUI_DrawRect(4, 4, 20, 12);
    return;
  }
  WM_DefaultProc(pMsg);
}

class MultipageTest : public WidgetParentTest<240, 200> {
protected:
  void SetUp() override {
    WidgetParentTest::SetUp();
    MULTIPAGE_SetDefaultSkinClassic();
  }
  WM_HWIN Page() { return WM_CreateWindowAsChild(0, 0, 300, 200, WM_GetDesktopWindow(), WM_CF_SHOW, cbPage, 0); }
  WM_HWIN Make(int x, int y, int w, int h, int Flags, int NumPages) {
    WM_HWIN hObj = MULTIPAGE_CreateEx(x, y, w, h, hParent, WM_CF_SHOW, Flags, 9);
    static const char* const apText[] = {"One", "Two", "Three", "Four"};
    for (int i = 0; i < NumPages; i++) {
      MULTIPAGE_AddPage(hObj, Page(), apText[i]);
    }
    return hObj;
  }
  WM_HWIN Bar(WM_HWIN hObj) {
    for (WM_HWIN h = WM_GetFirstChild(hObj); h; h = WM_GetNextSibling(h)) {
      if (WM_GetId(h) == MULTIPAGE_ID_SCROLLBAR) {
        return h;
      }
    }
    return 0;
  }
};

TEST_F(MultipageTest, CreateMakesOneWithoutUserDataAndReportsAMissingWindow) {
  WM_HWIN h = MULTIPAGE_Create(5, 6, 100, 60, hParent, WM_CF_SHOW, MULTIPAGE_CF_ROTATE_CW, 4);
  ASSERT_NE(h, 0);
  EXPECT_EQ(WM_GetId(h), 4);
  EXPECT_EQ(WM_GetWindowPosX(h), 5);
  EXPECT_NE(MULTIPAGE__Obj(h)->Widget.State & MULTIPAGE_STATE_ROTATED, 0);
  char ab[4];
  EXPECT_EQ(MULTIPAGE_GetUserData(h, ab, 4), 0);
  GUI_ALLOC__FailNth(1);
  EXPECT_EQ(MULTIPAGE_Create(5, 6, 100, 60, hParent, WM_CF_SHOW, 0, 4), 0);
  GUI_ALLOC__FailNth(0);
  ASSERT_FALSE(wmtest::Errors.empty());
  EXPECT_EQ(wmtest::Errors.back(), "E:MULTIPAGE_Create failed");
}

TEST_F(MultipageTest, TabsThatDoNotFitGetAScrollBarOfTheirRange) {
  WM_HWIN h = Make(0, 0, 120, 80, 0, 3);
  MULTIPAGE_SetTabWidth(h, 40, 0);
  MULTIPAGE_SetTabWidth(h, 50, 1);
  MULTIPAGE_SetTabWidth(h, 60, 2);
  WM_HWIN hBar = Bar(h);
  ASSERT_NE(hBar, 0);
  EXPECT_EQ(WM_GetWindowSizeX(hBar), 28);
  EXPECT_EQ(WM_GetWindowSizeY(hBar), 14);
  WM_SCROLL_STATE s;
  WM_GetScrollState(hBar, &s);
  EXPECT_EQ(s.NumItems, 3);
  EXPECT_EQ(s.PageSize, 1);
  SCROLLBAR_SetValue(hBar, 2);
  EXPECT_EQ(MULTIPAGE__Obj(h)->ScrollState, 2);
  MULTIPAGE_SetTabWidth(h, 10, 2);
  MULTIPAGE_SetTabWidth(h, 10, 1);
  WM_Exec();
  EXPECT_EQ(Bar(h), 0) << "the tabs fit again";
  EXPECT_EQ(MULTIPAGE__Obj(h)->ScrollState, 0);
  // Tabs of the largest widths: their sum stays what it is, far beyond the row, and the bar comes back.
  MULTIPAGE_SetTabWidth(h, INT32_MAX, 0);
  MULTIPAGE_SetTabWidth(h, INT32_MAX, 1);
  MULTIPAGE_SetTabHeight(h, INT32_MAX);
  WM_Exec();
  EXPECT_NE(Bar(h), 0);
}

TEST_F(MultipageTest, PointerSelectsEnabledTabsAndTellsTheParent) {
  WM_HWIN h = Make(10, 10, 200, 100, 0, 3);
  EXPECT_EQ(MULTIPAGE_GetSelection(h), 2) << "an added page is selected";
  MULTIPAGE_DisablePage(h, 1);
  Heard().clear();
  Press(15, 15); // tab 0
  Release(15, 15);
  EXPECT_EQ(MULTIPAGE_GetSelection(h), 0);
  EXPECT_TRUE(WM_IsVisible(MULTIPAGE_GetWindow(h, 0)));
  EXPECT_FALSE(WM_IsVisible(MULTIPAGE_GetWindow(h, 2)));
  int x1 = 10 + MULTIPAGE__GetTabWidth(MULTIPAGE__Obj(h), 0) + 3; // tab 1, disabled
  Press(x1, 15);
  Release(x1, 15);
  EXPECT_EQ(MULTIPAGE_GetSelection(h), 0);
  EXPECT_EQ(Heard(), (std::vector<std::string>{"9:5", "9:1", "9:2", "9:5", "9:1", "9:2"}));
  Heard().clear();
  Press(150, 15); // beside the tabs: no tab
  Release(150, 15);
  EXPECT_EQ(Heard(), (std::vector<std::string>{"9:1", "9:2"}));
}

TEST_F(MultipageTest, PageKeysSkipDisabledPagesAndScrollAtTheEnd) {
  WM_HWIN h = Make(0, 0, 100, 80, 0, 4);
  MULTIPAGE_SelectPage(h, 0);
  MULTIPAGE_DisablePage(h, 1);
  WM_SetFocus(MULTIPAGE_GetWindow(h, 0));
  Heard().clear();
  Key(GUI_KEY_PGDOWN);
  EXPECT_EQ(MULTIPAGE_GetSelection(h), 2);
  Key(GUI_KEY_PGDOWN);
  EXPECT_EQ(MULTIPAGE_GetSelection(h), 3);
  ASSERT_NE(Bar(h), 0);
  SCROLLBAR_SetValue(Bar(h), 0);
  Key(GUI_KEY_PGDOWN);
  EXPECT_EQ(MULTIPAGE_GetSelection(h), 3) << "no page after the last";
  EXPECT_EQ(MULTIPAGE__Obj(h)->ScrollState, 1) << "the row scrolls instead";
  Key(GUI_KEY_PGUP);
  EXPECT_EQ(MULTIPAGE_GetSelection(h), 2);
  EXPECT_TRUE(widgettest::HeardCodes(5).empty()) << "keys select without notification";
  Key(GUI_KEY_ENTER);
  EXPECT_EQ(Heard().back(), "key 13");
}

TEST_F(MultipageTest, DeletingAndRefusedIndexes) {
  WM_HWIN h = Make(0, 0, 200, 80, 0, 3);
  WM_HWIN hLast = MULTIPAGE_GetWindow(h, 2);
  MULTIPAGE_DeletePage(h, 2, 1);
  EXPECT_FALSE(WM_IsWindow(hLast));
  EXPECT_EQ(MULTIPAGE_GetSelection(h), 1);
  EXPECT_TRUE(WM_IsVisible(MULTIPAGE_GetWindow(h, 1)));
  MULTIPAGE_SelectPage(h, 0);
  MULTIPAGE_DeletePage(h, 0, 0);
  EXPECT_EQ(MULTIPAGE_GetSelection(h), 0) << "the next page takes the place";
  MULTIPAGE_DeletePage(h, 0, 1);
  EXPECT_EQ(MULTIPAGE_GetSelection(h), MULTIPAGE_NO_SEL) << "no page left, none selected";
  MULTIPAGE_AddPage(h, Page(), "Setup");
  char ab[8];
  EXPECT_EQ(MULTIPAGE_GetPageText(h, 0, ab, 3), 2);
  EXPECT_STREQ(ab, "Se");
  EXPECT_EQ(MULTIPAGE_GetPageText(h, 1, ab, 3), 0);
  MULTIPAGE_SelectPage(h, 5);
  MULTIPAGE_DeletePage(h, 5, 1);
  MULTIPAGE_SetText(h, "x", 5);
  MULTIPAGE_SetTabWidth(h, 10, 5);
  EXPECT_EQ(MULTIPAGE_SetBitmap(h, &TREEVIEW__abmDefault[2], 5, 0), 1);
  EXPECT_EQ(MULTIPAGE_SetBitmap(h, &TREEVIEW__abmDefault[2], 0, 3), 1);
  EXPECT_EQ(MULTIPAGE_GetWindow(h, 5), 0);
  EXPECT_EQ(MULTIPAGE_IsPageEnabled(h, 5), 0);
  // The window of the page removed without deleting it is still a child of the client window: it is the
  // one child that is no page, and then there is none.
  MULTIPAGE_AddPageEx(h, 0, "again");
  EXPECT_EQ(MULTIPAGE__NumPages(MULTIPAGE__Obj(h)), 2);
  MULTIPAGE_AddPageEx(h, 0, "none");
  EXPECT_EQ(MULTIPAGE__NumPages(MULTIPAGE__Obj(h)), 2);
  EXPECT_TRUE(wmtest::Errors.empty());
}

TEST_F(MultipageTest, BitmapsAreGivenBackWithTheWidget) {
  WM_DeleteWindow(Make(0, 0, 200, 80, 0, 1));
  I32 Blocks = GUI_ALLOC_GetNumUsedBlocks();
  WM_HWIN h = Make(0, 0, 200, 80, 0, 2);
  EXPECT_EQ(MULTIPAGE_SetBitmap(h, &TREEVIEW__abmDefault[2], 0, 0), 0);
  EXPECT_EQ(MULTIPAGE_SetBitmap(h, &TREEVIEW__abmDefault[2], 0, 0), 0);
  EXPECT_EQ(MULTIPAGE_SetBitmap(h, &TREEVIEW__abmDefault[2], 1, 1), 0);
  WM_HWIN ah[2] = {MULTIPAGE_GetWindow(h, 0), MULTIPAGE_GetWindow(h, 1)};
  WM_DeleteWindow(h);
  WM_Exec();
  EXPECT_FALSE(WM_IsWindow(ah[0]));
  EXPECT_FALSE(WM_IsWindow(ah[1]));
  EXPECT_EQ(GUI_ALLOC_GetNumUsedBlocks(), Blocks) << "pages, their windows and bitmaps";
}

TEST_F(MultipageTest, FlexibleSkinTurnsTheClientWhiteForGood) {
  WM_HWIN h = Make(0, 0, 200, 80, 0, 2);
  EXPECT_EQ(MULTIPAGE__Obj(h)->Props.aBkColor[1], 0xC0C0C0u);
  MULTIPAGE_SetSkin(h, MULTIPAGE_DrawSkinFlex);
  EXPECT_EQ(MULTIPAGE__Obj(h)->Props.aBkColor[1], 0xFFFFFFu);
  MULTIPAGE_SetSkinClassic(h);
  EXPECT_EQ(MULTIPAGE__Obj(h)->Props.aBkColor[1], 0xFFFFFFu);
  MULTIPAGE_SKINFLEX_PROPS Props = {};
  Props.BkColor = 0x123456;
  MULTIPAGE_GetSkinFlexProps(&Props, 3);
  EXPECT_EQ(Props.BkColor, 0x123456u);
  MULTIPAGE_GetSkinFlexProps(&Props, 1);
  EXPECT_EQ(Props.BkColor, 0xFFFFFFu);
}

// The flexible look lays right-aligned tabs from the right end, tab 0 rightmost, and its hit test follows;
// rotated tabs are hit along y.
TEST_F(MultipageTest, HitTestsFollowTheLayoutOfEachLook) {
  WM_HWIN h = Make(0, 0, 200, 100, 0, 3);
  MULTIPAGE_SetAlign(h, MULTIPAGE_ALIGN_RIGHT);
  MULTIPAGE_SetSkin(h, MULTIPAGE_DrawSkinFlex);
  MULTIPAGE_OBJ* p = MULTIPAGE__Obj(h);
  EXPECT_EQ(p->Props.pfGetTabIndex(h, 195, 8), 0);
  int w0 = MULTIPAGE__GetTabWidth(p, 0), w1 = MULTIPAGE__GetTabWidth(p, 1);
  EXPECT_EQ(p->Props.pfGetTabIndex(h, 199 - w0 - w1 / 2, 8), 1);
  EXPECT_EQ(p->Props.pfGetTabIndex(h, 20, 8), -1);
  EXPECT_EQ(p->Props.pfGetTabIndex(h, 195, 60), -1) << "below the row";
  MULTIPAGE_SetSkinClassic(h);
  EXPECT_EQ(p->Props.pfGetTabIndex(h, 200 - w0 - w1 - MULTIPAGE__GetTabWidth(p, 2) + 3, 8), 0)
      << "the classic look keeps tab 0 at the left of its group";
  WM_HWIN hRot = Make(0, 0, 120, 160, MULTIPAGE_CF_ROTATE_CW, 2);
  Heard().clear();
  Press(115, 3 + MULTIPAGE__GetTabWidth(MULTIPAGE__Obj(hRot), 0));
  Release(115, 3 + MULTIPAGE__GetTabWidth(MULTIPAGE__Obj(hRot), 0));
  EXPECT_EQ(MULTIPAGE_GetSelection(hRot), 1);
  EXPECT_EQ(Heard(), (std::vector<std::string>{"9:5", "9:1", "9:2"}));
}

// Every alignment, rotated or not, with a disabled page and a bitmap tab, in one look.
class MultipageGolden : public MultipageTest, public testing::WithParamInterface<bool> {};

TEST_P(MultipageGolden, Alignments) {
  bool Flex = GetParam();
  if (Flex) {
    MULTIPAGE_SetDefaultSkin(MULTIPAGE_DrawSkinFlex);
  }
  const int aFlags[4] = {0, MULTIPAGE_ALIGN_BOTTOM | MULTIPAGE_ALIGN_RIGHT, MULTIPAGE_CF_ROTATE_CW,
                         MULTIPAGE_CF_ROTATE_CW | MULTIPAGE_ALIGN_BOTTOM};
  for (int i = 0; i < 4; i++) {
    WM_HWIN h = Make(4 + (i % 2) * 118, 4 + (i / 2) * 98, 114, 94, aFlags[i] & MULTIPAGE_CF_ROTATE_CW, 3);
    MULTIPAGE_SetAlign(h, aFlags[i] & ~MULTIPAGE_CF_ROTATE_CW);
    MULTIPAGE_DisablePage(h, 2);
    MULTIPAGE_SelectPage(h, 1);
    if (i == 3) {
      MULTIPAGE_SetBitmap(h, &TREEVIEW__abmDefault[2], 0, 0);
    }
  }
  WM_Exec();
  EXPECT_TRUE(golden::Matches(Flex ? "widgets/multipage/flex" : "widgets/multipage/classic",
                              golden::CaptureLCD(0, 0, 239, 199)));
  MULTIPAGE_SetDefaultSkinClassic();
}

INSTANTIATE_TEST_SUITE_P(Looks, MultipageGolden, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& i) { return i.param ? "Flex" : "Classic"; });

} // namespace
