#include "WM_Timer.h"
#include "clocked_wm_test.h"

namespace {

std::vector<int> g_Fired; // user ids of the WM_TIMER messages, in order
bool g_Restart;

void _cbTimers(WM_MESSAGE* pMsg) {
  if (pMsg->MsgId == WM_TIMER) {
    WM_HTIMER hTimer = (WM_HTIMER)pMsg->Data.v;
    g_Fired.push_back(WM_GetTimerId(hTimer));
    if (g_Restart) {
      WM_RestartTimer(hTimer, 0);
    }
    return;
  }
  WM_DefaultProc(pMsg);
}

int _NumGuiTimers() {
  int n = 0;
  for (GUI_TIMER_HANDLE h = GUI_TIMER_GetFirst(nullptr); h; h = GUI_TIMER_GetNext(h, nullptr)) {
    n++;
  }
  return n;
}

class TimerTest : public ClockedWmTest {
protected:
  void SetUp() override {
    ClockedWmTest::SetUp();
    g_Fired.clear();
    g_Restart = false;
    hWin = WM_CreateWindow(0, 0, 10, 10, WM_CF_SHOW, _cbTimers, 0);
  }
  WM_HWIN hWin = 0;
};

TEST_F(TimerTest, FiresOnceAfterItsPeriod) {
  WM_HTIMER h = WM_CreateTimer(hWin, 7, 500);
  ASSERT_NE(h, 0u);
  Advance(499);
  EXPECT_TRUE(g_Fired.empty());
  Advance(1);
  EXPECT_EQ(g_Fired, std::vector<int>{7});
  Advance(5000);
  EXPECT_EQ(g_Fired.size(), 1u);
  WM_DeleteTimer(h);
}

TEST_F(TimerTest, RestartFromTheMessageKeepsThePeriod) {
  g_Restart = true;
  WM_CreateTimer(hWin, 3, 100);
  for (int i = 0; i < 5; i++) {
    Advance(100);
  }
  EXPECT_EQ(g_Fired.size(), 5u);
  Advance(99);
  EXPECT_EQ(g_Fired.size(), 5u);
}

TEST_F(TimerTest, RestartWithNewPeriodRearmsFromNow) {
  WM_HTIMER h = WM_CreateTimer(hWin, 1, 100);
  Advance(90);
  WM_RestartTimer(h, 300);
  Advance(299);
  EXPECT_TRUE(g_Fired.empty());
  Advance(1);
  EXPECT_EQ(g_Fired.size(), 1u);
  EXPECT_EQ(GUI_TIMER_GetPeriod(*(GUI_TIMER_HANDLE*)GUI_ALLOC_h2p(h)), 300);
}

TEST_F(TimerTest, DeletingTheWindowDeletesAllItsTimers) {
  WM_HWIN hOther = WM_CreateWindow(0, 0, 10, 10, WM_CF_SHOW, _cbTimers, 0);
  int Before = _NumGuiTimers();
  WM_CreateTimer(hWin, 1, 100);
  WM_CreateTimer(hWin, 2, 200);
  WM_CreateTimer(hOther, 9, 100);
  WM_CreateTimer(hWin, 3, 300);
  EXPECT_EQ(_NumGuiTimers(), Before + 4);
  WM_DeleteWindow(hWin);
  EXPECT_EQ(_NumGuiTimers(), Before + 1);
  Advance(1000);
  EXPECT_EQ(g_Fired, std::vector<int>{9});
}

TEST_F(TimerTest, ZeroHandlesAreHarmless) {
  EXPECT_EQ(WM_GetTimerId(0), 0);
  WM_DeleteTimer(0);
  WM_RestartTimer(0, 10);
}

TEST_F(TimerTest, FailedAllocationGivesZero) {
  GUI_ALLOC__FailNth(1);
  EXPECT_EQ(WM_CreateTimer(hWin, 1, 10), 0u);
  GUI_ALLOC__FailNth(2); // the record is had, the GUI timer is not: nothing may stay behind
  I32 Used = GUI_ALLOC_GetNumUsedBlocks();
  EXPECT_EQ(WM_CreateTimer(hWin, 1, 10), 0u);
  EXPECT_EQ(GUI_ALLOC_GetNumUsedBlocks(), Used);
  GUI_ALLOC__FailNth(0);
}

} // namespace
