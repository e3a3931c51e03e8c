// The menu: a bar and a popup opened by pointer and keys, submenus opened beside their items, navigation
// into a sub-submenu and back, the messages its owner receives, item operations and their limits, a menu
// in a frame window, and golden images of both looks.
#include <algorithm>

#include "FRAMEWIN.h"
#include "MENU.h"
#include "widget_support.h"

namespace {

// What the application heard: "<type>:<id>" for every WM_MENU, with the sending menu.
std::vector<std::string> _Menu;
WM_HWIN _hLastSrc;

void _cbApp(WM_MESSAGE* pMsg) {
  if (pMsg->MsgId == WM_MENU) {
    const MENU_MSG_DATA* p = (const MENU_MSG_DATA*)pMsg->Data.p;
    if (p->MsgType == MENU_IS_MENU) {
      return; // a query: this window is no menu
    }
    _Menu.push_back(std::to_string(p->MsgType) + ":" + std::to_string(p->ItemId));
    _hLastSrc = pMsg->hWinSrc;
    return;
  }
  widgettest::cbParent(pMsg);
}

class MenuTest : public WidgetTest {
protected:
  void SetUp() override {
    WidgetTest::SetUp();
    MENU_SetDefaultSkin(nullptr);
    MENU_SetDefaultSkinClassic();
    _Menu.clear();
    hApp = WM_CreateWindow(0, 0, 300, 200, WM_CF_SHOW, _cbApp, 0);
  }
  WM_HWIN Sub(std::initializer_list<MENU_ITEM_DATA> a) {
    WM_HWIN h = MENU_CreateEx(0, 0, 0, 0, 0, 0, MENU_CF_VERTICAL, 0);
    for (const MENU_ITEM_DATA& d : a) {
      MENU_AddItem(h, &d);
    }
    return h;
  }
  // File (New, Open, -, Recent (R1, R2), Exit), Edit (Cut, Copy), Help.
  WM_HWIN Bar() {
    hRecent = Sub({{"R1", 131, 0, 0}, {"R2", 132, 0, 0}});
    hFile = Sub({{"New", 11, 0, 0}, {"Open", 12, 0, 0}, {nullptr, 0, MENU_IF_SEPARATOR, 0}, {"Recent", 13, 0, hRecent},
                 {"Exit", 14, 0, 0}});
    hEdit = Sub({{"Cut", 21, 0, 0}, {"Copy", 22, 0, 0}});
    WM_HWIN h = MENU_CreateEx(0, 0, 0, 0, hApp, WM_CF_SHOW, 0, 7);
    MENU_ITEM_DATA a[] = {{"File", 1, 0, hFile}, {"Edit", 2, 0, hEdit}, {"Help", 3, 0, 0}};
    for (const MENU_ITEM_DATA& d : a) {
      MENU_AddItem(h, &d);
    }
    return h;
  }
  static bool IsOpen(WM_HWIN hMenu) { return WM_GetParent(hMenu) != 0; }
  // Where an item lies on the display.
  static GUI_POINT ItemPos(WM_HWIN hMenu, int Index) {
    int x, y;
    GUI_Lock();
    MENU__GetItemPos(hMenu, Index, &x, &y);
    GUI_Unlock();
    return {(I16)(WM_GetWindowPosX(hMenu) + x), (I16)(WM_GetWindowPosY(hMenu) + y)};
  }
  static int ItemX(WM_HWIN hMenu, int Index) { return ItemPos(hMenu, Index).x; }
  static int ItemY(WM_HWIN hMenu, int Index) { return ItemPos(hMenu, Index).y; }
  static void Click(int x, int y) {
    Press(x, y);
    Release(x, y);
  }
  WM_HWIN hApp = 0, hFile = 0, hEdit = 0, hRecent = 0;
};

TEST_F(MenuTest, BarOpenedByPointerAnItemChosen) {
  WM_HWIN hBar = Bar();
  EXPECT_FALSE(IsOpen(hFile)) << "a submenu is detached while closed";
  Press(ItemX(hBar, 0) + 3, 5);
  EXPECT_EQ(_Menu, (std::vector<std::string>{"1:0", "2:1", "7:1"})) << "init, init submenu, pressed";
  ASSERT_TRUE(IsOpen(hFile));
  EXPECT_EQ(WM_GetWindowPosX(hFile), ItemX(hBar, 0)) << "below the item";
  EXPECT_EQ(WM_GetWindowPosY(hFile), WM_GetWindowSizeY(hBar));
  Release(ItemX(hBar, 0) + 3, 5);
  EXPECT_TRUE(IsOpen(hFile));
  _Menu.clear();
  wmtest::Pointer(ItemX(hBar, 1) + 3, 5, 0); // hover over Edit
  EXPECT_FALSE(IsOpen(hFile));
  EXPECT_TRUE(IsOpen(hEdit));
  EXPECT_EQ(_Menu, (std::vector<std::string>{"2:2"})) << "no second init";
  _Menu.clear();
  Click(WM_GetWindowPosX(hEdit) + 5, ItemY(hEdit, 0) + 3);
  EXPECT_EQ(_Menu, (std::vector<std::string>{"6:21", "7:21", "0:21"})) << "highlighted, pressed, then chosen";
  EXPECT_EQ(_hLastSrc, hBar) << "announced by the bar";
  EXPECT_FALSE(IsOpen(hEdit)) << "choosing closes the chain";
  EXPECT_EQ(MENU__Obj(hBar)->Sel, -1);
  // A press outside an open menu closes it.
  Press(ItemX(hBar, 0) + 3, 5);
  Release(ItemX(hBar, 0) + 3, 5);
  Click(250, 150);
  EXPECT_FALSE(IsOpen(hFile));
}

TEST_F(MenuTest, KeysIntoASubSubmenuAndBack) {
  WM_HWIN hBar = Bar();
  WM_SetFocus(hBar);
  EXPECT_EQ(MENU__Obj(hBar)->Sel, 0) << "focus selects the first item";
  _Menu.clear();
  Key(GUI_KEY_DOWN); // opens File
  ASSERT_TRUE(IsOpen(hFile));
  EXPECT_EQ(WM_GetFocusWindow(), hFile);
  EXPECT_EQ(MENU__Obj(hFile)->Sel, 0);
  Key(GUI_KEY_DOWN);
  Key(GUI_KEY_DOWN); // over the separator
  EXPECT_EQ(MENU__Obj(hFile)->Sel, 3);
  Key(GUI_KEY_RIGHT); // opens Recent
  ASSERT_TRUE(IsOpen(hRecent));
  EXPECT_EQ(WM_GetFocusWindow(), hRecent);
  EXPECT_EQ(WM_GetWindowPosX(hRecent), WM_GetWindowPosX(hFile) + WM_GetWindowSizeX(hFile) - 1) << "beside its item";
  Key(GUI_KEY_DOWN);
  Key(GUI_KEY_DOWN);
  EXPECT_EQ(MENU__Obj(hRecent)->Sel, 0) << "wraps from the last item to the first";
  Key(GUI_KEY_ESCAPE);
  EXPECT_FALSE(IsOpen(hRecent));
  EXPECT_EQ(WM_GetFocusWindow(), hFile);
  Key(GUI_KEY_DOWN); // Exit
  Key(GUI_KEY_RIGHT); // no submenu: the bar's next item opens
  EXPECT_FALSE(IsOpen(hFile));
  ASSERT_TRUE(IsOpen(hEdit));
  EXPECT_EQ(MENU__Obj(hEdit)->Sel, 0);
  Key(GUI_KEY_LEFT); // back: the bar's previous item
  EXPECT_TRUE(IsOpen(hFile));
  Key(GUI_KEY_ESCAPE);
  EXPECT_EQ(WM_GetFocusWindow(), hBar);
  EXPECT_FALSE(IsOpen(hFile));
  Key(GUI_KEY_ESCAPE);
  EXPECT_EQ(MENU__Obj(hBar)->Sel, -1) << "closed";
  _Menu.clear();
  Key(GUI_KEY_RIGHT); // a closed bar selects its first item
  Key(GUI_KEY_RIGHT);
  Key(GUI_KEY_RIGHT);
  Key(GUI_KEY_ENTER); // Help has no submenu: chosen
  EXPECT_EQ(_Menu.back(), "7:3");
  EXPECT_NE(std::find(_Menu.begin(), _Menu.end(), "0:3"), _Menu.end());
}

TEST_F(MenuTest, PopupOpenedNavigatedAndAnswered) {
  WM_HWIN hPopup = Sub({{"One", 41, 0, 0}, {"Two", 42, MENU_IF_DISABLED, 0}, {"Three", 43, 0, 0}});
  MENU_Popup(hPopup, hApp, 30, 40, 0, 0);
  EXPECT_EQ(_Menu, (std::vector<std::string>{"1:0"}));
  EXPECT_TRUE(IsOpen(hPopup));
  EXPECT_EQ(WM_GetWindowPosX(hPopup), 30);
  EXPECT_EQ(WM_GetWindowPosY(hPopup), 40);
  WM_SetFocus(hPopup);
  EXPECT_EQ(MENU__Obj(hPopup)->Sel, 0) << "focus selects the first item";
  Key(GUI_KEY_DOWN);
  EXPECT_EQ(MENU__Obj(hPopup)->Sel, 1);
  _Menu.clear();
  Key(GUI_KEY_ENTER);
  EXPECT_TRUE(_Menu.empty()) << "a disabled item is not chosen";
  Key(GUI_KEY_DOWN);
  Key(GUI_KEY_ENTER);
  EXPECT_NE(std::find(_Menu.begin(), _Menu.end(), "0:43"), _Menu.end());
  EXPECT_FALSE(IsOpen(hPopup)) << "choosing ends the popup";
  MENU_Popup(hPopup, hApp, 30, 40, 0, 0);
  WM_SetFocus(hPopup);
  Key(GUI_KEY_DOWN);
  Key(GUI_KEY_ESCAPE);
  EXPECT_FALSE(IsOpen(hPopup)) << "escape ends it too";
  MENU_Popup(hPopup, hApp, 30, 40, 0, 0);
  Click(250, 180);
  EXPECT_FALSE(IsOpen(hPopup)) << "and a press outside";
  WM_DeleteWindow(hPopup);
}

TEST_F(MenuTest, ItemOperationsAndTheirLimits) {
  WM_HWIN hBar = Bar();
  char ac[4] = {'x', 'x', 'x', 'x'};
  MENU_GetItemText(hBar, 12, ac, sizeof(ac));
  EXPECT_STREQ(ac, "Ope") << "found in a submenu, cut to the buffer";
  ac[0] = 'x';
  MENU_GetItemText(hBar, 999, ac, sizeof(ac));
  EXPECT_EQ(ac[0], 'x') << "a missing Id does nothing";
  MENU_DeleteItem(hBar, 999);
  MENU_DisableItem(hBar, 999);
  EXPECT_EQ(MENU_GetNumItems(hFile), 5u);
  MENU_ITEM_DATA New = {"Save", 15, 0, 0};
  MENU_InsertItem(hBar, 14, &New);
  EXPECT_EQ(MENU_GetNumItems(hFile), 6u);
  MENU_ITEM_DATA Got = {"x", 0, 0, 0};
  MENU_GetItem(hBar, 13, &Got);
  EXPECT_EQ(Got.hSubmenu, hRecent);
  EXPECT_EQ(Got.pText, nullptr);
  MENU_DeleteItem(hBar, 15);
  EXPECT_EQ(MENU_GetNumItems(hFile), 5u);
  MENU_AddItem(hBar, nullptr);
  MENU_AddItem(0, &New);
  EXPECT_EQ(MENU_GetNumItems(hBar), 3u);
  MENU_SetSel(hFile, 1);
  MENU_DisableItem(hBar, 12);
  GUI_Lock();
  EXPECT_EQ(MENU__GetItemState(hFile, 1), MENU_CI_DISABLED_SEL);
  MENU__Obj(hFile)->Flags |= MENU_CF_HIDE_DISABLED_SEL;
  EXPECT_EQ(MENU__GetItemState(hFile, 1), MENU_CI_DISABLED);
  GUI_Unlock();
  EXPECT_EQ(MENU_SetSel(hFile, 9), 1) << "an index beyond the items is refused";
  EXPECT_EQ(MENU__Obj(hFile)->Sel, 1);
  EXPECT_EQ(MENU_SetSel(hFile, -5), 1) << "a negative index is kept as given";
  EXPECT_EQ(MENU_SetSel(hFile, 1), -5);
  EXPECT_EQ(MENU_GetDefaultTextColor(5), WM_NO_COLOR);
  WM_HWIN hSeps = Sub({{nullptr, 0, MENU_IF_SEPARATOR, 0}, {nullptr, 0, MENU_IF_SEPARATOR, 0}});
  WM_AttachWindowAt(hSeps, hApp, 200, 10);
  MENU_SetSel(hSeps, 1);
  WM_SetFocus(hSeps);
  Key(GUI_KEY_DOWN);
  EXPECT_EQ(MENU__Obj(hSeps)->Sel, 1) << "separators only: the selection stays";
}

TEST_F(MenuTest, SubmenuNearTheRightEdgeIsShiftedInside) {
  WM_HWIN hWide = Sub({{"A rather wide entry", 51, 0, 0}});
  WM_HWIN hBar = MENU_CreateEx(0, 0, 0, 0, hApp, WM_CF_SHOW, 0, 7);
  MENU_ITEM_DATA a[] = {{"Left", 1, 0, 0}, {"Far right", 2, 0, hWide}};
  for (const MENU_ITEM_DATA& d : a) {
    MENU_AddItem(hBar, &d);
  }
  WM_MoveTo(hBar, 300 - WM_GetWindowSizeX(hBar), 0);
  Press(ItemX(hBar, 1) + 3, 5);
  Release(ItemX(hBar, 1) + 3, 5);
  ASSERT_TRUE(IsOpen(hWide));
  EXPECT_EQ(WM_GetWindowPosX(hWide) + WM_GetWindowSizeX(hWide), 300);
}

TEST_F(MenuTest, FrameWindowCarriesAMenuBar) {
  WM_HWIN hFrame = FRAMEWIN_CreateEx(10, 10, 200, 120, hApp, WM_CF_SHOW, 0, 1, "Menu", nullptr);
  WM_HWIN hBar = Bar();
  int yClient = WM_GetWindowPosY(WM_GetClientWindow(hFrame));
  FRAMEWIN_AddMenu(hFrame, hBar);
  EXPECT_EQ(WM_GetParent(hBar), hFrame);
  EXPECT_EQ(WM_GetWindowPosY(WM_GetClientWindow(hFrame)), yClient + WM_GetWindowSizeY(hBar));
  EXPECT_EQ(WM_GetWindowPosY(hBar), yClient);
  EXPECT_EQ(WM_GetWindowSizeX(hBar), 200 - 6) << "as wide as the frame inside its borders";
  Press(ItemX(hBar, 0) + 3, WM_GetWindowPosY(hBar) + 4);
  Release(ItemX(hBar, 0) + 3, WM_GetWindowPosY(hBar) + 4);
  EXPECT_TRUE(IsOpen(hFile));
  FRAMEWIN_Minimize(hFrame);
  EXPECT_FALSE(WM_IsVisible(hBar));
  FRAMEWIN_Restore(hFrame);
  EXPECT_TRUE(WM_IsVisible(hBar));
}

class MenuGolden : public MenuTest, public testing::WithParamInterface<bool> {};

TEST_P(MenuGolden, BarWithOpenSubmenu) {
  bool Flex = GetParam();
  WM_HWIN hBar = Bar();
  MENU_DisableItem(hBar, 22);
  if (Flex) {
    MENU_SetSkin(hBar, MENU_DrawSkinFlex);
  }
  WM_SetFocus(hBar);
  Key(GUI_KEY_DOWN);
  Key(GUI_KEY_DOWN);
  Key(GUI_KEY_DOWN);
  Key(GUI_KEY_RIGHT);
  WM_HWIN hPopup = Sub({{"Cut", 61, 0, 0}, {"Copy", 62, MENU_IF_DISABLED, 0}, {nullptr, 0, MENU_IF_SEPARATOR, 0},
                        {"Paste", 63, 0, 0}});
  if (Flex) {
    MENU_SetSkin(hPopup, MENU_DrawSkinFlex);
  }
  MENU_Popup(hPopup, hApp, 190, 20, 0, 0);
  MENU_SetSel(hPopup, 1);
  WM_Exec();
  EXPECT_TRUE(golden::Matches(Flex ? "widgets/menu/flex" : "widgets/menu/classic", golden::CaptureLCD(0, 0, 259, 119)));
  WM_DeleteWindow(hPopup);
}

INSTANTIATE_TEST_SUITE_P(Looks, MenuGolden, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& i) { return i.param ? "Flex" : "Classic"; });

} // namespace

namespace {

TEST_F(MenuTest, ArrowSpaceOfTheFlexibleLook) {
  MENU_SetDefaultSkin(MENU_DrawSkinFlex);
  WM_HWIN hSub = Sub({{"Item", 1, 0, 0}});
  WM_HWIN hMenu = Sub({{"Open", 2, 0, hSub}, {"Close", 3, 0, 0}});
  EXPECT_FALSE(MENU__Obj(hMenu)->Flags & MENU_SF_ARROW) << "created with the flexible default: no arrow space";
  int Width = WM_GetWindowSizeX(hMenu);
  MENU_SetSkin(hMenu, MENU_DrawSkinFlex);
  EXPECT_EQ(MENU__Obj(hMenu)->ArrowSize, (13 * 2 / 3) | 1);
  EXPECT_EQ(WM_GetWindowSizeX(hMenu), Width + 9) << "the natural width grows by the arrow";
  EXPECT_TRUE(MENU__Obj(hSub)->Flags & MENU_SF_ARROW) << "submenus follow";
  MENU_SKINFLEX_PROPS p = {};
  p.TextColor = 0x123456;
  MENU_GetSkinFlexProps(&p, 5);
  EXPECT_EQ(p.TextColor, 0x123456u) << "index 5 leaves the record untouched";
  MENU_GetSkinFlexProps(&p, 2);
  EXPECT_EQ(p.TextColor, 0x808080u);
  MENU_SetDefaultSkin(nullptr);
  MENU_SetDefaultSkinClassic();
}

TEST_F(MenuTest, DeletingABarDeletesItsSubmenusEvenWhileOpen) {
  I32 Before = GUI_ALLOC_GetNumUsedBlocks();
  WM_HWIN hBar = Bar();
  Press(ItemX(hBar, 0) + 3, 5);
  Release(ItemX(hBar, 0) + 3, 5);
  WM_SetFocus(hFile);
  Key(GUI_KEY_DOWN);
  Key(GUI_KEY_DOWN); // Recent
  Key(GUI_KEY_RIGHT);
  ASSERT_TRUE(IsOpen(hRecent));
  WM_DeleteWindow(hBar);
  WM_Exec();
  EXPECT_FALSE(WM_IsWindow(hFile));
  EXPECT_FALSE(WM_IsWindow(hRecent));
  EXPECT_FALSE(WM_IsWindow(hEdit));
  EXPECT_EQ(GUI_ALLOC_GetNumUsedBlocks(), Before);
  Click(20, 20); // nothing left holds the pointer
  EXPECT_TRUE(wmtest::Errors.empty());
}

TEST_F(MenuTest, SecondPressClosesWhenAskedAndDeletedItemsLeaveSubmenusAlive) {
  WM_HWIN hSub = Sub({{"A", 11, 0, 0}});
  WM_HWIN hBar = MENU_CreateEx(0, 0, 0, 0, hApp, WM_CF_SHOW, MENU_CF_CLOSE_ON_SECOND_CLICK, 7);
  MENU_ITEM_DATA d = {"Menu", 1, 0, hSub};
  MENU_AddItem(hBar, &d);
  Click(ItemX(hBar, 0) + 3, 5);
  EXPECT_TRUE(IsOpen(hSub));
  Click(ItemX(hBar, 0) + 3, 5);
  EXPECT_FALSE(IsOpen(hSub)) << "the second press on the open item closes it";
  MENU_DeleteItem(hBar, 1);
  EXPECT_EQ(MENU_GetNumItems(hBar), 0u);
  EXPECT_TRUE(WM_IsWindow(hSub)) << "the submenu stays for its application";
  WM_DeleteWindow(hSub);
}

} // namespace

namespace {

TEST_F(MenuTest, PopupNavigatedByKeysIntoASubmenuAndClosed) {
  WM_HWIN hMore = Sub({{"Small", 71, 0, 0}, {"Large", 72, 0, 0}});
  WM_HWIN hPopup = Sub({{"Zoom", 70, 0, hMore}, {"Reset", 73, 0, 0}});
  MENU_Popup(hPopup, hApp, 50, 30, 0, 0);
  WM_SetFocus(hPopup);
  _Menu.clear();
  Key(GUI_KEY_RIGHT); // Zoom has a submenu: it opens beside the item with its first item selected
  ASSERT_TRUE(IsOpen(hMore));
  EXPECT_EQ(WM_GetFocusWindow(), hMore);
  EXPECT_EQ(WM_GetWindowPosX(hMore), 50 + WM_GetWindowSizeX(hPopup) - 1);
  EXPECT_EQ(WM_GetWindowPosY(hMore), 30);
  EXPECT_EQ(_Menu, (std::vector<std::string>{"1:0", "2:70", "6:71"}))
      << "the first submenu of a closed top-level menu: init, init submenu, then its item announced";
  Key(GUI_KEY_DOWN);
  EXPECT_EQ(MENU__Obj(hMore)->Sel, 1);
  Key(GUI_KEY_ESCAPE);
  EXPECT_FALSE(IsOpen(hMore)) << "escape closes the submenu";
  EXPECT_TRUE(IsOpen(hPopup));
  EXPECT_EQ(WM_GetFocusWindow(), hPopup);
  Key(GUI_KEY_ESCAPE);
  EXPECT_FALSE(IsOpen(hPopup)) << "and then the popup";
  EXPECT_EQ(WM_GetFocusWindow(), hApp) << "keys go back to the owner, not to the hidden popup";
  // Chosen from the submenu: the whole chain closes and the popup's owner hears it.
  MENU_Popup(hPopup, hApp, 50, 30, 0, 0);
  WM_SetFocus(hPopup);
  Key(GUI_KEY_ENTER);
  ASSERT_TRUE(IsOpen(hMore));
  Key(GUI_KEY_DOWN);
  _Menu.clear();
  Key(GUI_KEY_ENTER);
  EXPECT_NE(std::find(_Menu.begin(), _Menu.end(), "0:72"), _Menu.end());
  EXPECT_EQ(_hLastSrc, hPopup);
  EXPECT_FALSE(IsOpen(hMore));
  EXPECT_FALSE(IsOpen(hPopup));
  WM_DeleteWindow(hPopup);
}

TEST_F(MenuTest, FrameWithMenuGolden) {
  WM_HWIN hFrame = FRAMEWIN_CreateEx(10, 10, 200, 100, hApp, WM_CF_SHOW, 0, 1, "Editor", nullptr);
  WM_HWIN hBar = Bar();
  FRAMEWIN_AddMenu(hFrame, hBar);
  FRAMEWIN_AddCloseButton(hFrame, FRAMEWIN_BUTTON_RIGHT, 0);
  Click(ItemX(hBar, 1) + 3, WM_GetWindowPosY(hBar) + 4);
  WM_Exec();
  EXPECT_TRUE(golden::Matches("widgets/menu/inframe", golden::CaptureLCD(0, 0, 219, 119)));
}

} // namespace
