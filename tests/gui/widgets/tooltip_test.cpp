#include "GoldenLCD.h"
#include "WM_Tooltip.h"
#include "widget_support.h"

namespace {

class TooltipTest : public WidgetTest {
protected:
  void SetUp() override {
    WidgetTest::SetUp();
    hDlg = WM_CreateWindow(0, 0, 480, 272, WM_CF_SHOW, nullptr, 0);
    hTool1 = BUTTON_Create(10, 10, 60, 30, hDlg, 1, WM_CF_SHOW);
    hTool2 = BUTTON_Create(100, 10, 60, 30, hDlg, 2, WM_CF_SHOW);
    hCorner = BUTTON_Create(400, 240, 80, 32, hDlg, 3, WM_CF_SHOW);
    hPlain = BUTTON_Create(200, 10, 60, 30, hDlg, 4, WM_CF_SHOW);
    const TOOLTIP_INFO aInfo[] = {{1, "First tool"}, {2, "Second"}, {3, "Corner tip text"}, {99, "missing"}};
    hSet = WM_TOOLTIP_Create(hDlg, aInfo, 4);
    ASSERT_NE(hSet, 0u);
    WM_Exec();
  }
  // The tooltip window: a stay-on-top child of the desktop.
  WM_HWIN Tip() {
    WM_HWIN hFound = 0;
    for (WM_HWIN h = WM_GetFirstChild(WM_GetDesktopWindow()); h; h = WM_GetNextSibling(h)) {
      if (WM_GetStayOnTop(h)) {
        hFound = h;
      }
    }
    return hFound;
  }
  int TextWidth(const char* s) {
    GUI_SetFont(GUI_DEFAULT_FONT);
    return GUI_GetStringDistX(s);
  }
  WM_HWIN hDlg = 0, hTool1 = 0, hTool2 = 0, hCorner = 0, hPlain = 0;
  WM_TOOLTIP_HANDLE hSet = 0;
};

TEST_F(TooltipTest, AppearsAfterTheDelayBelowThePointerAndGoesAfterTheDisplayTime) {
  wmtest::Pointer(40, 20, 0);
  Advance(999);
  EXPECT_EQ(Tip(), 0u);
  Advance(1);
  WM_HWIN h = Tip();
  ASSERT_NE(h, 0u);
  int w = TextWidth("First tool") + 10;
  EXPECT_EQ(WM_GetWindowSizeX(h), w);
  EXPECT_EQ(WM_GetWindowSizeY(h), GUI_Font13.YSize + 4);
  EXPECT_EQ(WM_GetWindowPosX(h), 40 - w / 3);
  EXPECT_EQ(WM_GetWindowPosY(h), 40);
  Advance(4999);
  EXPECT_EQ(Tip(), h);
  Advance(1);
  EXPECT_EQ(Tip(), 0u);
  Advance(10000); // resting on the same tool does not bring it back
  EXPECT_EQ(Tip(), 0u);
}

TEST_F(TooltipTest, TheNextToolFollowsQuickly) {
  wmtest::Pointer(40, 20, 0);
  Advance(1000);
  ASSERT_NE(Tip(), 0u);
  wmtest::Pointer(130, 25, 0);
  EXPECT_EQ(Tip(), 0u);
  Advance(50);
  WM_HWIN h = Tip();
  ASSERT_NE(h, 0u);
  EXPECT_EQ(WM_GetWindowSizeX(h), TextWidth("Second") + 10);
  EXPECT_EQ(WM_GetWindowPosX(h), 130 - WM_GetWindowSizeX(h) / 3);
}

TEST_F(TooltipTest, FollowsThePointerUntilItRests) {
  wmtest::Pointer(20, 20, 0);
  Advance(600);
  wmtest::Pointer(50, 30, 0);
  Advance(600);
  EXPECT_EQ(Tip(), 0u);
  Advance(400);
  WM_HWIN h = Tip();
  ASSERT_NE(h, 0u);
  EXPECT_EQ(WM_GetWindowPosY(h), 50);
  EXPECT_EQ(WM_GetWindowPosX(h), 50 - WM_GetWindowSizeX(h) / 3);
}

TEST_F(TooltipTest, StaysOnTheDisplayNearItsEdges) {
  wmtest::Pointer(470, 260, 0);
  Advance(1000);
  WM_HWIN h = Tip();
  ASSERT_NE(h, 0u);
  int w = WM_GetWindowSizeX(h), hgt = WM_GetWindowSizeY(h);
  EXPECT_EQ(WM_GetWindowPosX(h), 480 - w);
  EXPECT_EQ(WM_GetWindowPosY(h), 260 - hgt - 5);
}

TEST_F(TooltipTest, APressClosesItAndRestoresTheFirstDelay) {
  wmtest::Pointer(40, 20, 0);
  Advance(1000);
  ASSERT_NE(Tip(), 0u);
  wmtest::Pointer(40, 20, 1);
  EXPECT_EQ(Tip(), 0u);
  wmtest::Pointer(130, 25, 0);
  Advance(50);
  EXPECT_EQ(Tip(), 0u);
  Advance(950);
  EXPECT_NE(Tip(), 0u);
}

TEST_F(TooltipTest, WindowsWithoutAToolShowNothing) {
  wmtest::Pointer(230, 20, 0);
  Advance(5000);
  EXPECT_EQ(Tip(), 0u);
}

TEST_F(TooltipTest, DeletingTheSetClosesItsTooltip) {
  wmtest::Pointer(40, 20, 0);
  Advance(1000);
  ASSERT_NE(Tip(), 0u);
  WM_TOOLTIP_Delete(hSet);
  EXPECT_EQ(Tip(), 0u);
  wmtest::Pointer(130, 25, 0);
  Advance(2000);
  EXPECT_EQ(Tip(), 0u);
}

TEST_F(TooltipTest, AddToolRefusesMissingParts) {
  EXPECT_EQ(WM_TOOLTIP_AddTool(0, hPlain, "x"), 1);
  EXPECT_EQ(WM_TOOLTIP_AddTool(hSet, 0, "x"), 1);
  EXPECT_EQ(WM_TOOLTIP_AddTool(hSet, hPlain, nullptr), 1);
  EXPECT_EQ(WM_TOOLTIP_AddTool(hSet, hPlain, "Plain"), 0);
  wmtest::Pointer(230, 20, 0);
  Advance(1000);
  EXPECT_NE(Tip(), 0u);
}

TEST_F(TooltipTest, SettingsReturnThePreviousValue) {
  EXPECT_EQ(WM_TOOLTIP_SetDefaultPeriod(3, 10), 0);
  EXPECT_EQ(WM_TOOLTIP_SetDefaultPeriod(WM_TOOLTIP_PI_NEXT, 80), 50);
  EXPECT_EQ(WM_TOOLTIP_SetDefaultPeriod(WM_TOOLTIP_PI_NEXT, 50), 80);
  EXPECT_EQ(WM_TOOLTIP_SetDefaultColor(WM_TOOLTIP_CI_BK, 0x123456), 0xE0FFFFu);
  EXPECT_EQ(WM_TOOLTIP_SetDefaultColor(WM_TOOLTIP_CI_BK, 0xE0FFFF), 0x123456u);
  EXPECT_EQ(WM_TOOLTIP_SetDefaultColor(7, 1), 0u);
  EXPECT_EQ(WM_TOOLTIP_SetDefaultFont(GUI_DEFAULT_FONT), GUI_DEFAULT_FONT);
}

TEST_F(TooltipTest, Golden) {
  wmtest::Pointer(40, 20, 0);
  Advance(1000);
  WM_Exec();
  EXPECT_TRUE(golden::Matches("wm/tooltip", golden::CaptureLCD(0, 0, 99, 59)));
}

} // namespace

namespace {

TEST_F(TooltipTest, APressOnTheTooltipReachesTheWindowBelow) {
  WM_HWIN hBelow = BUTTON_Create(0, 45, 200, 20, hDlg, 5, WM_CF_SHOW);
  wmtest::Pointer(40, 20, 0);
  Advance(1000);
  WM_HWIN hTip = Tip();
  ASSERT_NE(hTip, 0u);
  ASSERT_EQ(WM_GetWindowAt(40, 50), hTip);
  wmtest::Pointer(40, 50, 1);
  EXPECT_EQ(Tip(), 0u);
  EXPECT_TRUE(BUTTON_IsPressed(hBelow));
}

} // namespace
