#include "WINDOW.h"
#include "widget_support.h"

using wmtest::Trace;

namespace {

std::vector<std::string> g_UserMsgs;

void _cbUser(WM_MESSAGE* pMsg) {
  g_UserMsgs.push_back(wmtest::MsgName(pMsg->MsgId));
  WM_DefaultProc(pMsg);
}

class WindowTest : public WidgetTest {
protected:
  void SetUp() override {
    WidgetTest::SetUp();
    g_UserMsgs.clear();
    hWin = WINDOW_CreateEx(0, 0, 200, 100, 0, WM_CF_SHOW, 0, 5, _cbUser);
    hA = BUTTON_Create(10, 10, 40, 20, hWin, 1, WM_CF_SHOW);
    hB = BUTTON_Create(60, 10, 40, 20, hWin, 2, WM_CF_SHOW);
    hC = BUTTON_Create(110, 10, 40, 20, hWin, 3, WM_CF_SHOW);
    hOutside = BUTTON_Create(300, 10, 40, 20, 0, 9, WM_CF_SHOW);
  }
  WM_HWIN hWin = 0, hA = 0, hB = 0, hC = 0, hOutside = 0;
};

TEST_F(WindowTest, FocusGoesToAChild) {
  EXPECT_EQ(WM_SetFocus(hWin), 1);
  EXPECT_EQ(WM_GetFocusWindow(), hA);
}

TEST_F(WindowTest, FocusComesBackToTheChildThatHadIt) {
  WM_SetFocus(hB);
  WM_SetFocus(hOutside);
  EXPECT_EQ(WM_GetFocusWindow(), hOutside);
  WM_SetFocus(hWin);
  EXPECT_EQ(WM_GetFocusWindow(), hB);
}

TEST_F(WindowTest, TabAndBackTabCycle) {
  WM_SetFocus(hWin);
  WM_OnKey(GUI_KEY_TAB, 1); // keys of the buttons climb to the window
  EXPECT_EQ(WM_GetFocusWindow(), hB);
  WM_OnKey(GUI_KEY_TAB, 1);
  WM_OnKey(GUI_KEY_TAB, 1);
  EXPECT_EQ(WM_GetFocusWindow(), hA);
  WM_OnKey(GUI_KEY_BACKTAB, 1);
  EXPECT_EQ(WM_GetFocusWindow(), hC);
  WM_OnKey(GUI_KEY_TAB, 0); // a release moves nothing
  EXPECT_EQ(WM_GetFocusWindow(), hC);
}

TEST_F(WindowTest, NoBackgroundPaintsNothingBeforeTheUserCallback) {
  WINDOW_SetBkColor(hWin, 0x0000FF);
  WM_Exec();
  EXPECT_EQ(wmtest::PixelIndex(190, 90), wmtest::ColorIndex(0x0000FF));
  WINDOW_SetBkColor(hWin, WM_NO_COLOR);
  WM_SetDesktopColor(0x00FF00);
  WM_InvalidateWindow(WM_GetDesktopWindow());
  WM_InvalidateWindow(hWin);
  WM_Exec();
  // The red from before stays: neither the window nor its user callback painted.
  EXPECT_EQ(wmtest::PixelIndex(190, 90), wmtest::ColorIndex(0x0000FF));
  EXPECT_EQ(WM_GetBkColor(hWin), WM_NO_COLOR);
}

TEST_F(WindowTest, UserCallbackGetsWhatTheWidgetLeaves) {
  WM_Exec();
  EXPECT_NE(std::find(g_UserMsgs.begin(), g_UserMsgs.end(), "WM_PAINT"), g_UserMsgs.end());
  g_UserMsgs.clear();
  WM_SetFocus(hWin);
  EXPECT_EQ(std::count(g_UserMsgs.begin(), g_UserMsgs.end(), "WM_SET_FOCUS"), 0);
}

TEST_F(WindowTest, DataWordAndUserData) {
  WM_MESSAGE Msg = {};
  Msg.MsgId = WM_WINDOW_DATA;
  Msg.Data.v = (intptr_t)&Msg; // a pointer travels intact
  WM_SendMessage(hWin, &Msg);
  Msg.Data.v = 0;
  WM_SendMessage(hWin, &Msg);
  EXPECT_EQ(Msg.Data.p, (void*)&Msg);
  WM_HWIN h = WINDOW_CreateUser(0, 0, 10, 10, 0, 0, 0, 1, nullptr, 4);
  int In = 0x12345678, Out = 0;
  EXPECT_EQ(WINDOW_SetUserData(h, &In, 8), 4);
  EXPECT_EQ(WINDOW_GetUserData(h, &Out, 4), 4);
  EXPECT_EQ(Out, In);
}

} // namespace
