// The colour chooser: its grid geometry, selection by keys (wrapping at the ends) and by pointer (gaps do
// nothing), ending with OK, Enter, Cancel and Escape and what the parent hears, refused arguments, and a
// golden image.
#include "CHOOSECOLOR.h"
#include "FRAMEWIN.h"
#include "widget_support.h"

namespace {

const GUI_COLOR _aColors[16] = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0x808080,
                                0xC0C0C0, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};

class ChooseColorTest : public WidgetParentTest<260, 200> {
protected:
  WM_HWIN Create(int Sel) {
    return CHOOSECOLOR_Create(hParent, 0, 0, 250, 190, _aColors, 16, 8, Sel, nullptr, 0);
  }
  // The display position of a client point of the chooser.
  static void ClientPoint(WM_HWIN hFrame, int x, int y, int* px, int* py) {
    WM_HWIN hClient = WM_GetClientWindow(hFrame);
    *px = WM_GetWindowPosX(hClient) + x;
    *py = WM_GetWindowPosY(hClient) + y;
  }
  static CHOOSECOLOR_GRID Grid(WM_HWIN hFrame) {
    CHOOSECOLOR_CONTEXT c;
    FRAMEWIN_GetUserData(hFrame, &c, sizeof(c));
    WM_HWIN hClient = WM_GetClientWindow(hFrame);
    CHOOSECOLOR_GRID g;
    CHOOSECOLOR__GetGrid(&c, WM_GetWindowSizeX(hClient), WM_GetWindowSizeY(hClient), &g);
    return g;
  }
};

TEST_F(ChooseColorTest, GridGeometry) {
  CHOOSECOLOR_CONTEXT c = {};
  c.NumColors = 16;
  c.NumColorsPerLine = 8;
  c.Props = {{5, 5}, {4, 4}, {80, 20}, {0, 0}};
  CHOOSECOLOR_GRID g;
  CHOOSECOLOR__GetGrid(&c, 240, 160, &g);
  EXPECT_EQ(g.NumRows, 2);
  EXPECT_EQ(g.CellX, 25);
  EXPECT_EQ(g.CellY, 60);
  EXPECT_EQ(g.x0, 6);
  EXPECT_EQ(g.y0, 5);
  EXPECT_EQ(CHOOSECOLOR__CellAt(&c, g, 6, 5), 0);
  EXPECT_EQ(CHOOSECOLOR__CellAt(&c, g, 6 + 25, 5), -1) << "in the gap";
  EXPECT_EQ(CHOOSECOLOR__CellAt(&c, g, 6 + 29, 5 + 64), 9);
  c.Props.aSpace[0] = 0;
  c.NumColorsPerLine = 16;
  CHOOSECOLOR__GetGrid(&c, 10, 160, &g); // too narrow: cells below a pixel
  EXPECT_EQ(CHOOSECOLOR__CellAt(&c, g, 3, 10), -1);
}

TEST_F(ChooseColorTest, KeysWrapAtTheEnds) {
  WM_HWIN h = Create(15);
  ASSERT_NE(h, 0);
  EXPECT_EQ(CHOOSECOLOR_GetSel(h), 15);
  Key(GUI_KEY_RIGHT);
  EXPECT_EQ(CHOOSECOLOR_GetSel(h), 0);
  Key(GUI_KEY_LEFT);
  EXPECT_EQ(CHOOSECOLOR_GetSel(h), 15);
  Key(GUI_KEY_DOWN);
  EXPECT_EQ(CHOOSECOLOR_GetSel(h), 15) << "no row below";
  Key(GUI_KEY_UP);
  EXPECT_EQ(CHOOSECOLOR_GetSel(h), 7);
  Key(GUI_KEY_UP);
  EXPECT_EQ(CHOOSECOLOR_GetSel(h), 7);
  EXPECT_EQ(widgettest::HeardCodes(4).size(), 3u);
  CHOOSECOLOR_SetSel(h, -5);
  EXPECT_EQ(CHOOSECOLOR_GetSel(h), -1);
  CHOOSECOLOR_SetSel(h, 16);
  EXPECT_EQ(CHOOSECOLOR_GetSel(h), -1) << "beyond the table";
  EXPECT_EQ(widgettest::HeardCodes(4).size(), 3u) << "the setter does not notify";
  Key(GUI_KEY_RIGHT); // from no selection the keys start at 0
  EXPECT_EQ(CHOOSECOLOR_GetSel(h), 1);
}

TEST_F(ChooseColorTest, PointerSelectsCellsNotGaps) {
  WM_HWIN h = Create(-1);
  WM_Exec();
  CHOOSECOLOR_GRID g = Grid(h);
  int x, y;
  ClientPoint(h, g.x0 + g.CellX + 1, g.y0 + 2, &x, &y); // the gap after cell 0
  Press(x, y);
  Release(x, y);
  EXPECT_EQ(CHOOSECOLOR_GetSel(h), -1);
  ClientPoint(h, g.x0 + 2 * (g.CellX + 4) + 1, g.y0 + g.CellY + 4 + 1, &x, &y); // cell 10
  Press(x, y);
  Release(x, y);
  EXPECT_EQ(CHOOSECOLOR_GetSel(h), 10);
  EXPECT_EQ(widgettest::HeardCodes(4), std::vector<std::string>{"0:4"});
}

TEST_F(ChooseColorTest, EndingTellsTheParentWhatChanged) {
  WM_HWIN h = Create(3);
  GUI_StoreKeyMsg(GUI_KEY_RIGHT, 1);
  GUI_StoreKeyMsg(GUI_KEY_RIGHT, 0);
  GUI_StoreKeyMsg(GUI_KEY_ENTER, 1);
  GUI_StoreKeyMsg(GUI_KEY_ENTER, 0);
  EXPECT_EQ(GUI_ExecCreatedDialog(h), 0);
  EXPECT_EQ(widgettest::HeardCodes(5), std::vector<std::string>{"0:5"});
  WM_Exec();
  EXPECT_FALSE(WM_IsWindow(h));
  Heard().clear();
  h = Create(3);
  GUI_StoreKeyMsg(GUI_KEY_RIGHT, 1);
  GUI_StoreKeyMsg(GUI_KEY_ESCAPE, 1);
  EXPECT_EQ(GUI_ExecCreatedDialog(h), 1);
  EXPECT_TRUE(widgettest::HeardCodes(5).empty()) << "Escape confirms nothing";
  Heard().clear();
  h = Create(3);
  WM_Exec();
  WM_HWIN hCancel = WM_FindChildById(WM_GetClientWindow(h), CHOOSECOLOR_ID_CANCEL);
  WM_HWIN hOk = WM_FindChildById(WM_GetClientWindow(h), CHOOSECOLOR_ID_OK);
  EXPECT_EQ(WM_GetWindowPosY(hOk), WM_GetWindowPosY(hCancel));
  EXPECT_LT(WM_GetWindowPosX(hOk), WM_GetWindowPosX(hCancel));
  Press(WM_GetWindowPosX(hCancel) + 5, WM_GetWindowPosY(hCancel) + 5);
  Release(WM_GetWindowPosX(hCancel) + 5, WM_GetWindowPosY(hCancel) + 5);
  EXPECT_FALSE(WM_IsWindow(h));
  EXPECT_TRUE(widgettest::HeardCodes(5).empty());
}

TEST_F(ChooseColorTest, RefusedArguments) {
  EXPECT_EQ(CHOOSECOLOR_Create(hParent, 0, 0, 200, 150, _aColors, 16, 0, 0, nullptr, 0), 0);
  EXPECT_EQ(CHOOSECOLOR_Create(hParent, 0, 0, 200, 150, _aColors, 4, 8, 0, nullptr, 0), 0);
  EXPECT_EQ(CHOOSECOLOR_Create(hParent, 0, 0, 200, 150, nullptr, 16, 8, 0, nullptr, 0), 0);
  WM_HWIN h = CHOOSECOLOR_Create(hParent, 0, 0, 200, 150, _aColors, 16, 8, 99, nullptr, 0);
  EXPECT_EQ(CHOOSECOLOR_GetSel(h), -1);
  EXPECT_EQ(CHOOSECOLOR_GetSel(hParent), -1) << "a window that is no chooser";
  WM_HWIN hTiny = CHOOSECOLOR_Create(hParent, 0, 0, 30, 30, _aColors, 16, 16, 0, nullptr, 0);
  ASSERT_NE(hTiny, 0);
  WM_Exec(); // cells below a pixel are not drawn
  Press(WM_GetWindowPosX(hTiny) + 15, WM_GetWindowPosY(hTiny) + 20);
  Release(WM_GetWindowPosX(hTiny) + 15, WM_GetWindowPosY(hTiny) + 20);
  EXPECT_EQ(CHOOSECOLOR_GetSel(hTiny), 0);
  char acTitle[32];
  FRAMEWIN_GetText(h, acTitle, sizeof(acTitle));
  EXPECT_STREQ(acTitle, "Choose Color");
}

TEST_F(ChooseColorTest, Golden) {
  CHOOSECOLOR_Create(hParent, 5, 5, 250, 150, _aColors, 16, 8, 5, "Colours", 0);
  WM_Exec();
  EXPECT_TRUE(golden::Matches("widgets/choosecolor/grid", golden::CaptureLCD(0, 0, 259, 159)));
}

} // namespace
