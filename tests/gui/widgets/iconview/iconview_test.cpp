// The icon view: grid arithmetic, keys and scrolling, pointer hits, refused indexes, the selection when
// items come and go, both item kinds, and a golden image.
#include "GUI_Stream.h"
#include "ICONVIEW.h"
#include "TREEVIEW.h"
#include "widget_support.h"

namespace {

// A 12 x 10 streamed bitmap of palette indexes, 4 bits each, in two colours.
std::vector<U8> Stream() {
  std::vector<U8> s = {0x42, 0x4D, GUI_STREAM_FORMAT_INDEXED, 0, 12, 0, 10, 0, 6, 0, 4, 0, 2, 0, 0, 0,
                       0x00, 0x80, 0x00, 0x00, 0x00, 0x00, 0xC0, 0x00};
  for (int y = 0; y < 10; y++) {
    for (int x = 0; x < 12; x += 2) {
      s.push_back((U8)(((x + y) % 4 < 2) ? 0x01 : 0x10));
    }
  }
  return s;
}

class IconviewTest : public WidgetParentTest<> {
protected:
  // 100 x 85 inside: cells 40 x 35 with 5 pixel gaps give two per row and two visible rows.
  WM_HWIN Make(int NumItems, int Flags = 0, int Width = 100) {
    Heard().clear();
    WM_HWIN h = ICONVIEW_CreateEx(10, 10, Width, 85, hParent, WM_CF_SHOW, Flags, 4, 40, 35);
    for (int i = 0; i < NumItems; i++) {
      ICONVIEW_AddBitmapItem(h, &TREEVIEW__abmDefault[i % 3], std::to_string(i).c_str());
    }
    return h;
  }
};

TEST_F(IconviewTest, CreationSelectsTheFirstItemToBe) {
  WM_HWIN h = Make(0);
  EXPECT_EQ(Heard(), (std::vector<std::string>{"4:4"}));
  EXPECT_EQ(ICONVIEW_GetSel(h), 0);
  EXPECT_EQ(ICONVIEW_GetNumItems(h), 0);
  EXPECT_EQ(ICONVIEW_GetNumItems(0), -1);
  WIDGET_CREATE_INFO Info = {ICONVIEW_CreateIndirect, "", 5, 0, 0, 100, 60, 0, (30 << 16) | 20, 0};
  WM_HWIN h2 = ICONVIEW_CreateIndirect(&Info, hParent, 0, 0, nullptr);
  EXPECT_EQ(ICONVIEW_LockH(h2)->xSizeItem, 20);
  EXPECT_EQ(ICONVIEW_LockH(h2)->ySizeItem, 30);
}

TEST_F(IconviewTest, KeysMoveInTheGridAndScrollTheRows) {
  WM_HWIN h = Make(7, ICONVIEW_CF_AUTOSCROLLBAR_V, 110);
  WM_Exec();
  // The scroll bar narrows the inside to 110 less its width: still two per row.
  EXPECT_NE(WM_GetScrollbarV(h), 0);
  WM_SetFocus(h);
  ICONVIEW_SetSel(h, 5);
  Heard().clear();
  Key(GUI_KEY_DOWN);
  EXPECT_EQ(ICONVIEW_GetSel(h), 5) << "no item 7";
  ICONVIEW_SetSel(h, 4);
  Key(GUI_KEY_DOWN);
  EXPECT_EQ(ICONVIEW_GetSel(h), 6);
  WM_SCROLL_STATE s;
  WM_GetScrollState(WM_GetScrollbarV(h), &s);
  EXPECT_EQ(s.NumItems, 4);
  EXPECT_EQ(s.PageSize, 2);
  EXPECT_EQ(s.Value, 2);
  std::vector<int> Seen;
  for (int k : {GUI_KEY_UP, GUI_KEY_LEFT, GUI_KEY_RIGHT, GUI_KEY_RIGHT, GUI_KEY_HOME, GUI_KEY_LEFT, GUI_KEY_END}) {
    Key(k);
    Seen.push_back(ICONVIEW_GetSel(h));
  }
  EXPECT_EQ(Seen, (std::vector<int>{4, 3, 4, 5, 0, 0, 6}));
  Key(GUI_KEY_ENTER);
  EXPECT_EQ(Heard().back(), "key 13");
  SCROLLBAR_SetValue(WM_GetScrollbarV(h), 1);
  EXPECT_EQ(Heard().back(), "4:10");
}

TEST_F(IconviewTest, PressesSelectWhatTheyHit) {
  WM_HWIN h = Make(3);
  Heard().clear();
  Press(10 + 5 + 45 + 10, 10 + 5 + 10); // item 1
  Release(10 + 5 + 45 + 10, 10 + 5 + 10);
  EXPECT_EQ(ICONVIEW_GetSel(h), 1);
  EXPECT_EQ(Heard(), (std::vector<std::string>{"4:8", "4:4", "4:1", "4:2"}));
  Heard().clear();
  Press(10 + 98, 10 + 10); // right margin beyond the last column
  Release(10 + 98, 10 + 10);
  EXPECT_EQ(ICONVIEW_GetSel(h), 1);
  EXPECT_EQ(Heard(), (std::vector<std::string>{"4:1", "4:2"}));
  Press(10 + 5 + 10, 10 + 5 + 40 + 3); // the gap below item 0's row: row 1, where item 2 is
  Release(10 + 5 + 10, 10 + 5 + 40 + 3);
  EXPECT_EQ(ICONVIEW_GetSel(h), 2);
}

TEST_F(IconviewTest, ItemsComeAndGoAndIndexesAreChecked) {
  WM_HWIN h = Make(4);
  ICONVIEW_SetSel(h, 2);
  ICONVIEW_DeleteItem(h, 0);
  EXPECT_EQ(ICONVIEW_GetSel(h), 1) << "the selection stays with its item";
  ICONVIEW_DeleteItem(h, 1);
  EXPECT_EQ(ICONVIEW_GetSel(h), -1) << "deleting the selected item leaves no selection";
  ICONVIEW_DeleteItem(h, 9);
  EXPECT_EQ(ICONVIEW_GetNumItems(h), 2);
  std::vector<U8> s = Stream();
  EXPECT_EQ(ICONVIEW_InsertStreamedBitmapItem(h, s.data(), "S", 2), 1) << "only before an item";
  EXPECT_EQ(ICONVIEW_InsertStreamedBitmapItem(h, s.data(), "S", 0), 0);
  EXPECT_EQ(ICONVIEW_SetBitmapItem(h, 0, &TREEVIEW__abmDefault[0]), 1) << "a streamed item stays streamed";
  EXPECT_EQ(ICONVIEW_SetStreamedBitmapItem(h, 0, s.data()), 0);
  EXPECT_EQ(ICONVIEW_SetBitmapItem(h, 1, &TREEVIEW__abmDefault[0]), 0);
  ICONVIEW_SetItemUserData(h, 1, 77);
  ICONVIEW_SetItemText(h, 1, "renamed");
  EXPECT_EQ(ICONVIEW_GetItemUserData(h, 1), 77u);
  char ab[5];
  EXPECT_EQ(ICONVIEW_GetItemText(h, 1, ab, 5), 4);
  EXPECT_STREQ(ab, "rena");
  EXPECT_EQ(ICONVIEW_GetItemText(h, 3, ab, 5), -1);
  EXPECT_EQ(ICONVIEW_GetItemUserData(h, 3), 0u);
  ICONVIEW_SetSel(h, 3);
  EXPECT_EQ(ICONVIEW_GetSel(h), -1) << "no item 3";
  EXPECT_EQ(ICONVIEW_LockH(h)->ScrollStateV.NumItems, 2);
}

TEST_F(IconviewTest, CellsOfNoSizeDivideByNothing) {
  WM_HWIN h = ICONVIEW_CreateEx(0, 0, 50, 50, hParent, WM_CF_SHOW, 0, 4, 0, 0);
  ICONVIEW_SetSpace(h, 0, 0);
  ICONVIEW_SetSpace(h, 1, 0);
  ICONVIEW_AddBitmapItem(h, &TREEVIEW__abmDefault[0], "a");
  WM_SetFocus(h);
  Key(GUI_KEY_DOWN);
  Press(20, 20);
  Release(20, 20);
  WM_Exec();
  EXPECT_EQ(ICONVIEW_GetNumItems(h), 1);
}

// A frame or spacing beyond the coordinates puts the cells beyond them, not back into view.
TEST_F(IconviewTest, FramesBeyondTheCoordinatesShowNoCell) {
  WM_HWIN h = Make(3);
  WM_Exec();
  LCD_PIXELINDEX Bk = LCD_GetPixelIndex(10 + 99, 10 + 84);
  ICONVIEW_SetFrame(h, 0, INT32_MAX - 10);
  ICONVIEW_SetSpace(h, 1, INT32_MAX);
  WM_InvalidateWindow(h);
  WM_Exec();
  int Drawn = 0;
  for (int y = 10; y < 10 + 85; y++) {
    for (int x = 10; x < 10 + 100; x++) {
      Drawn += LCD_GetPixelIndex(x, y) != Bk;
    }
  }
  EXPECT_EQ(Drawn, 0);
}

TEST_F(IconviewTest, Golden) {
  WM_HWIN h = Make(5);
  std::vector<U8> s = Stream();
  ICONVIEW_AddStreamedBitmapItem(h, s.data(), "stream");
  ICONVIEW_SetTextColor(h, 0, 0x000000);
  ICONVIEW_SetSel(h, 4); // scrolls to the rows of items 2 to 5
  WM_SetFocus(h);
  WM_HWIN h2 = ICONVIEW_CreateEx(120, 10, 110, 85, hParent, WM_CF_SHOW, 0, 5, 50, 38);
  ICONVIEW_AddBitmapItem(h2, &TREEVIEW__abmDefault[0], "left top");
  ICONVIEW_AddBitmapItem(h2, &TREEVIEW__abmDefault[1], "right");
  ICONVIEW_SetIconAlign(h2, ICONVIEW_IA_LEFT | ICONVIEW_IA_TOP);
  ICONVIEW_SetTextColor(h2, 2, 0x0000FF);
  ICONVIEW_SetBkColor(h2, 0, 0xE0E0FF);
  WM_DisableWindow(h2);
  WM_Exec();
  EXPECT_TRUE(wmtest::Errors.empty());
  EXPECT_TRUE(golden::Matches("widgets/iconview/states", golden::CaptureLCD(0, 0, 239, 109)));
}

} // namespace
