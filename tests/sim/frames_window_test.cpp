// The frames of the framed main window: where they are made, that each is made once, that the log frame comes
// back after it was closed, the main frame growing to hold them, squeezing, and the menus: their items and greying.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "PLAT_Image.h"
#include "SIM.h"
#include "SIM_Frames.h"
#include "SIM_Log.h"
#include "SIM_Windows.h"
#include "SimTestHost.h"

namespace {

const char _acLCDTitle[] = "LCD #0 480*272 16bpp";

struct RECT {
  int x, y, xSize, ySize;
};

RECT _Rect(PLAT_HWIN hWin) {
  RECT r;
  PLAT_GetWindowRect(hWin, &r.x, &r.y, &r.xSize, &r.ySize);
  return r;
}

int _CountChildren(PLAT_HWIN hParent, const char* pClass) {
  PLAT_HWIN ahChild[64];
  int n = std::min(PLAT_GetChildren(hParent, ahChild, 64), 64), Count = 0;
  for (int i = 0; i < n; i++) Count += std::string(PLAT_GetClassName(ahChild[i])) == pClass;
  return Count;
}

class FramesTest : public ::testing::Test {
protected:
  void SetUp() override {
    SimTest_StopHost();   // a main frame of this test's own
    hMain = SimTest_StartHost();
    ASSERT_TRUE(hMain);
    f = PLAT_GetSystemMetric(PLAT_SM_CXFRAME);
    Caption = PLAT_GetSystemMetric(PLAT_SM_CYCAPTION);
  }
  void TearDown() override { SimTest_StopHost(); }
  void Close(PLAT_HWIN hWin) {
    PLAT_SendMessage(hWin, PLAT_MSG_CLOSE, 0, 0);
    PLAT_ProcessEvents();
  }
  PLAT_HWIN hMain = nullptr;
  int f = 0, Caption = 0;
};

}  // namespace

TEST_F(FramesTest, LayerColourAndLogFramesLieWhereTheLayoutSays) {
  PLAT_HWIN hLCDFrame = PLAT_FindChild(hMain, SIM_CLASS_LCD_FRAME, _acLCDTitle);
  ASSERT_TRUE(hLCDFrame);
  RECT r = _Rect(hLCDFrame);
  EXPECT_EQ(r.x, 0);
  EXPECT_EQ(r.y, 0);
  EXPECT_EQ(r.xSize, 480 + 2 * f);
  EXPECT_EQ(r.ySize, 272 + Caption + 2 * f);
  PLAT_HWIN hLCD = PLAT_FindChild(hLCDFrame, "GUI LCD", "LCD window");
  ASSERT_TRUE(hLCD);
  EXPECT_EQ(PLAT_GetUserData(hLCD), 0);
  int xSize, ySize;
  PLAT_GetClientSize(hLCD, &xSize, &ySize);
  EXPECT_EQ(xSize, 480);
  EXPECT_EQ(ySize, 272);

  PLAT_HWIN hColors = PLAT_FindChild(hMain, SIM_CLASS_COLOR_FRAME, "Colors #0");
  ASSERT_TRUE(hColors);
  RECT c = _Rect(hColors);
  EXPECT_EQ(c.x, r.xSize);   // right of the LCD frame, at its height
  EXPECT_EQ(c.y, 0);
  EXPECT_EQ(c.xSize, 128 + 2 * f);
  EXPECT_TRUE(PLAT_FindChild(hColors, "GUI LCD Info", "LCD info window"));

  PLAT_HWIN hLogFrame = PLAT_FindChild(hMain, SIM_CLASS_LOG_FRAME, "Log");
  ASSERT_TRUE(hLogFrame);
  RECT l = _Rect(hLogFrame);
  EXPECT_EQ(l.x, 0);
  EXPECT_EQ(l.y, r.ySize);   // below the LCD frames
  EXPECT_EQ(l.xSize, SIM_LOG_XSIZE);
  EXPECT_EQ(l.ySize, SIM_LOG_YSIZE);
  EXPECT_EQ(PLAT_GetParent(LOG_GetWindow()), hLogFrame);
  PLAT_GetClientSize(LOG_GetWindow(), &xSize, &ySize);
  EXPECT_EQ(xSize, SIM_LOG_XSIZE - 2 * f);
  EXPECT_EQ(ySize, SIM_LOG_YSIZE - Caption - 2 * f);
}

TEST_F(FramesTest, EachFrameIsMadeOnceAndAClosedOneAgainOnRequest) {
  SIM__OnCommand(hMain, SIM_ID_LAYER0);
  SIM__OnCommand(hMain, SIM_ID_COLORS0);
  SIM__OnCommand(hMain, SIM_ID_LOG);
  EXPECT_EQ(_CountChildren(hMain, SIM_CLASS_LCD_FRAME), 1);
  EXPECT_EQ(_CountChildren(hMain, SIM_CLASS_COLOR_FRAME), 1);
  EXPECT_EQ(_CountChildren(hMain, SIM_CLASS_LOG_FRAME), 1);
  SIM__OnCommand(hMain, SIM_ID_LAYER0 + 1);    // a layer the library does not have
  SIM__OnCommand(hMain, SIM_ID_COLORS0 + 5);
  EXPECT_EQ(_CountChildren(hMain, SIM_CLASS_LCD_FRAME), 1);
  EXPECT_EQ(_CountChildren(hMain, SIM_CLASS_COLOR_FRAME), 1);

  Close(PLAT_FindChild(hMain, SIM_CLASS_LCD_FRAME, _acLCDTitle));
  EXPECT_EQ(_CountChildren(hMain, SIM_CLASS_LCD_FRAME), 0);
  SIM__OnCommand(hMain, SIM_ID_LAYER0);
  PLAT_HWIN hLCDFrame = PLAT_FindChild(hMain, SIM_CLASS_LCD_FRAME, _acLCDTitle);
  ASSERT_TRUE(hLCDFrame);
  EXPECT_EQ(_Rect(hLCDFrame).x, 0);
  EXPECT_TRUE(PLAT_FindChild(hLCDFrame, "GUI LCD", nullptr));
}

TEST_F(FramesTest, LogFrameComesBackAfterItWasClosedAndKeepsTheLogFilled) {
  PLAT_HWIN hLogFrame = PLAT_FindChild(hMain, SIM_CLASS_LOG_FRAME, "Log");
  ASSERT_TRUE(hLogFrame);
  EXPECT_EQ(SIM__CreateLogFrame(hMain), hLogFrame);
  Close(hLogFrame);
  EXPECT_FALSE(PLAT_FindChild(hMain, SIM_CLASS_LOG_FRAME, nullptr));
  EXPECT_FALSE(LOG_GetWindow());
  LOG_AddEntry(0, "while closed");   // goes to the text only
  SIM__OnCommand(hMain, SIM_ID_LOG);
  hLogFrame = PLAT_FindChild(hMain, SIM_CLASS_LOG_FRAME, "Log");
  ASSERT_TRUE(hLogFrame);
  ASSERT_TRUE(LOG_GetWindow());
  EXPECT_EQ(PLAT_GetParent(LOG_GetWindow()), hLogFrame);
  PLAT_ShowWindow(hMain, 1);   // size changes reach shown windows
  PLAT_SetClientSize(hLogFrame, 300, 100);
  PLAT_ProcessEvents();
  int xSize, ySize;
  PLAT_GetClientSize(LOG_GetWindow(), &xSize, &ySize);
  EXPECT_EQ(xSize, 300);
  EXPECT_EQ(ySize, 100);
}

TEST_F(FramesTest, MainFrameGrowsToHoldTheFrames) {
  PLAT_SetClientSize(hMain, 300, 200);
  SIM__ArrangeFrames(hMain);
  int xRight, yBottom, xBorder, yBorder, xDesk, yDesk, xSize, ySize;
  SIM__GetFramesExtent(&xRight, &yBottom);
  EXPECT_EQ(xRight, 480 + 2 * f);
  EXPECT_EQ(yBottom, 272 + Caption + 2 * f);
  SIM__GetMainFrameBorder(&xBorder, &yBorder);
  PLAT_GetDesktopSize(&xDesk, &yDesk);
  PLAT_GetClientSize(hMain, &xSize, &ySize);
  EXPECT_EQ(xSize, std::min(xRight + SIM_COLUMN_GAP + xBorder, xDesk) - xBorder);
  EXPECT_EQ(ySize, std::min(yBottom + SIM_LOG_YSIZE + yBorder, yDesk) - yBorder);
  PLAT_SetClientSize(hMain, 1000, 900);   // large enough: left as it is
  SIM__ArrangeFrames(hMain);
  PLAT_GetClientSize(hMain, &xSize, &ySize);
  EXPECT_EQ(xSize, 1000);
  EXPECT_EQ(ySize, 900);
}

TEST_F(FramesTest, SqueezeMovesOnlyLayerColourAndLogFrames) {
  PLAT_SetClientSize(hMain, 722, 400);
  PLAT_HWIN hColors = PLAT_FindChild(hMain, SIM_CLASS_COLOR_FRAME, "Colors #0");
  PLAT_HWIN hLCDFrame = PLAT_FindChild(hMain, SIM_CLASS_LCD_FRAME, _acLCDTitle);
  PLAT_HWIN hLCD = PLAT_FindChild(hLCDFrame, "GUI LCD", nullptr);
  ASSERT_TRUE(hColors && hLCDFrame && hLCD);
  PLAT_MoveWindow(hLCD, 10, 10, 480, 272);
  RECT c = _Rect(hColors);
  for (PLAT_HWIN hWin : {hColors, hLCDFrame, hLCD}) SIM__SqueezeFrame(hWin, 1500);
  RECT s = _Rect(hColors);
  EXPECT_EQ(s.x, int(float(c.x) * float(722 - c.xSize) / float(1500 - c.xSize - 2 * f)));
  EXPECT_LT(s.x, c.x);
  EXPECT_EQ(s.y, c.y);
  EXPECT_EQ(s.xSize, c.xSize);
  EXPECT_EQ(_Rect(hLCDFrame).x, 0);   // at the left edge: stays
  EXPECT_EQ(_Rect(hLCD).x, 10);       // not a frame
}

namespace {

// The items of a menu in order, one text each: a separator as "-", a submenu's text followed by ">".
std::vector<std::string> _MenuTexts(PLAT_HMENU hMenu) {
  std::vector<std::string> aText;
  PLAT_MENU_INFO Info;
  for (int i = 0; PLAT_GetMenuItem(hMenu, i, &Info) == 0; i++) {
    aText.push_back(Info.Separator ? "-" : std::string(Info.pText) + (Info.hSub ? ">" : ""));
  }
  return aText;
}

}  // namespace

TEST(FramesMenu, FileMenuHasOneSeparatorBeforeTheInputSimulation) {
  SimTest_InitPlatform();
  PLAT_MENU_INFO File;
  ASSERT_EQ(PLAT_GetMenuItem(SIM__GetMainMenu(), 0, &File), 0);
  EXPECT_STREQ(File.pText, "&File");
  std::vector<std::string> Want = {"Pause Application", "Resume Application", "-", "&View Input Simulation",
                                   "E&xit", "Copy to clipboard"};
  EXPECT_EQ(_MenuTexts(File.hSub), Want);
  Want = {"Eingangs-Simulation ...", "In Zwischenablage kopieren", "\xc3\x9c" "ber ...", "-", "Beenden"};
  EXPECT_EQ(_MenuTexts(SIM__GetPopupMenu()), Want);
}

TEST(FramesMenu, GreyingFollowsTheApplicationTheSysInfoWindowAndTheLayers) {
  SimTest_InitPlatform();
  PLAT_HMENU hMenu = SIM__GetMainMenu();
  SIM__UpdateMenuItems(hMenu, 1, 0, 0, 1);
  EXPECT_TRUE(PLAT_IsMenuItemEnabled(hMenu, SIM_ID_PAUSE));
  EXPECT_FALSE(PLAT_IsMenuItemEnabled(hMenu, SIM_ID_RESUME));
  EXPECT_TRUE(PLAT_IsMenuItemEnabled(hMenu, SIM_ID_INPUTSIM));
  EXPECT_TRUE(PLAT_IsMenuItemEnabled(hMenu, SIM_ID_LAYER0));
  EXPECT_TRUE(PLAT_IsMenuItemEnabled(hMenu, SIM_ID_COLORS0));
  SIM__UpdateMenuItems(hMenu, 1, 1, 1, 1);
  EXPECT_FALSE(PLAT_IsMenuItemEnabled(hMenu, SIM_ID_PAUSE));
  EXPECT_TRUE(PLAT_IsMenuItemEnabled(hMenu, SIM_ID_RESUME));
  EXPECT_FALSE(PLAT_IsMenuItemEnabled(hMenu, SIM_ID_INPUTSIM));
  SIM__UpdateMenuItems(hMenu, 0, 0, 0, 0);
  EXPECT_FALSE(PLAT_IsMenuItemEnabled(hMenu, SIM_ID_PAUSE));
  EXPECT_FALSE(PLAT_IsMenuItemEnabled(hMenu, SIM_ID_RESUME));
  EXPECT_FALSE(PLAT_IsMenuItemEnabled(hMenu, SIM_ID_LAYER0));
  EXPECT_FALSE(PLAT_IsMenuItemEnabled(hMenu, SIM_ID_COLORS0));
  EXPECT_TRUE(PLAT_IsMenuItemEnabled(hMenu, SIM_ID_LAYER0 + 1));   // only layer 0 is greyed
  EXPECT_TRUE(PLAT_IsMenuItemEnabled(hMenu, SIM_ID_COLORS0 + 5));
  EXPECT_TRUE(PLAT_IsMenuItemEnabled(hMenu, SIM_ID_LOG));
  // The popup menu has the input simulation too.
  PLAT_HMENU hPopup = SIM__GetPopupMenu();
  SIM__UpdateMenuItems(hPopup, 1, 0, 1, 1);
  EXPECT_FALSE(PLAT_IsMenuItemEnabled(hPopup, SIM_ID_INPUTSIM));
  EXPECT_TRUE(PLAT_IsMenuItemEnabled(hPopup, SIM_ID_ABOUT));
}

TEST(FramesTitle, ShowsTheStateAndQuitsWithoutApplication) {
  PLAT_HWIN hMain = SimTest_StartHost();
  ASSERT_TRUE(hMain);
  PLAT_SetWindowText(hMain, "unchanged");
  SIM__UpdateTitle(hMain);   // no application thread: the loop is asked to end, the title stays
  char acTitle[64];
  PLAT_GetWindowText(hMain, acTitle, sizeof(acTitle));
  EXPECT_STREQ(acTitle, "unchanged");
}

TEST_F(FramesTest, CaptionMovesBorderResizesAndCloseBoxCloses) {
  PLAT_HWIN hColors = PLAT_FindChild(hMain, SIM_CLASS_COLOR_FRAME, "Colors #0");
  ASSERT_TRUE(hColors);
  RECT r = _Rect(hColors);
  PLAT_InjectFrameMouse(hColors, PLAT_MSG_LEFTDOWN, 30, f + 5, PLAT_BTN_LEFT);   // on the caption
  PLAT_InjectFrameMouse(hColors, PLAT_MSG_MOUSEMOVE, 30 + 40, f + 5 + 25, PLAT_BTN_LEFT);
  PLAT_InjectFrameMouse(hColors, PLAT_MSG_LEFTUP, 30 + 40, f + 5 + 25, 0);
  RECT m = _Rect(hColors);
  EXPECT_EQ(m.x, r.x + 40);
  EXPECT_EQ(m.y, r.y + 25);
  EXPECT_EQ(m.xSize, r.xSize);
  PLAT_InjectFrameMouse(hColors, PLAT_MSG_LEFTDOWN, m.xSize - 1, m.ySize - 1, PLAT_BTN_LEFT);   // lower right
  PLAT_InjectFrameMouse(hColors, PLAT_MSG_MOUSEMOVE, m.xSize + 19, m.ySize + 9, PLAT_BTN_LEFT);
  PLAT_InjectFrameMouse(hColors, PLAT_MSG_LEFTUP, m.xSize + 19, m.ySize + 9, 0);
  RECT s = _Rect(hColors);
  EXPECT_EQ(s.x, m.x);
  EXPECT_EQ(s.xSize, m.xSize + 20);
  EXPECT_EQ(s.ySize, m.ySize + 10);
  int xSize, ySize;
  PLAT_GetClientSize(hColors, &xSize, &ySize);
  EXPECT_EQ(xSize, s.xSize - 2 * f);   // the client area follows
  EXPECT_EQ(ySize, s.ySize - Caption - 2 * f);
  int xClose = s.xSize - f - 2 - (Caption - 4) / 2, yClose = f + 2 + (Caption - 4) / 2;
  PLAT_InjectFrameMouse(hColors, PLAT_MSG_LEFTDOWN, xClose, yClose, PLAT_BTN_LEFT);
  EXPECT_TRUE(PLAT_IsWindow(hColors));   // closes on release, not on press
  PLAT_InjectFrameMouse(hColors, PLAT_MSG_LEFTUP, xClose, yClose, 0);
  PLAT_ProcessEvents();
  EXPECT_FALSE(PLAT_FindChild(hMain, SIM_CLASS_COLOR_FRAME, nullptr));
}
