// Software timers and GUI_Exec driven by a test clock.
#include <gtest/gtest.h>

#include "GuiTest.h"
#include "timer_clock.h"

#include <vector>

namespace {

std::vector<PTR_ADDR> g_Fired;
std::vector<GUI_TIMER_TIME> g_FiredAt;

void _Record(GUI_TIMER_MSG* pMsg) {
  g_Fired.push_back(pMsg->Context);
  g_FiredAt.push_back(pMsg->Time);
}

void _RecordAndRestart(GUI_TIMER_MSG* pMsg) {
  _Record(pMsg);
  GUI_TIMER_Restart(pMsg->hTimer);
}

void _RecordAndDelete(GUI_TIMER_MSG* pMsg) {
  _Record(pMsg);
  GUI_TIMER_Delete(pMsg->hTimer);
}

class Timer : public GuiTest {
protected:
  TestClock Clock;
  void SetUp() override {
    GuiTest::SetUp();
    Clock.Install();
    g_Fired.clear();
    g_FiredAt.clear();
  }
  static int RunAll() {
    int n = 0;
    while (GUI_TIMER_Exec()) ++n;
    return n;
  }
};

TEST_F(Timer, FiresOncePerArmingInDueOrder) {
  Clock.Set(1000);
  GUI_TIMER_Create(_Record, 1030, 3, 0);
  GUI_TIMER_Create(_Record, 1010, 1, 0);
  GUI_TIMER_Create(_Record, 1020, 2, 0);
  GUI_TIMER_Create(_Record, 1010, 4, 0); // same due time: after the one armed first
  Clock.Set(1009);
  EXPECT_EQ(RunAll(), 0);
  Clock.Set(1020);
  EXPECT_EQ(RunAll(), 3);
  Clock.Set(5000);
  EXPECT_EQ(RunAll(), 1);
  EXPECT_EQ(RunAll(), 0) << "a fired timer stays quiet until it is armed again";
  EXPECT_EQ(g_Fired, (std::vector<PTR_ADDR>{1, 4, 2, 3}));
  EXPECT_EQ(g_FiredAt, (std::vector<GUI_TIMER_TIME>{1020, 1020, 1020, 5000}));
}

TEST_F(Timer, RestartArmsAtNowPlusPeriod) {
  Clock.Set(0);
  GUI_TIMER_HANDLE h = GUI_TIMER_Create(_RecordAndRestart, 100, 7, 0);
  GUI_TIMER_SetPeriod(h, 250);
  EXPECT_EQ(GUI_TIMER_GetPeriod(h), 250);
  EXPECT_EQ(GUI_TIMER_GetPeriod(0), 0);
  Clock.Set(100);
  EXPECT_EQ(RunAll(), 1);
  EXPECT_TRUE(GUI_TIMER_IsActive(h));
  Clock.Set(349);
  EXPECT_EQ(RunAll(), 0);
  Clock.Set(350);
  EXPECT_EQ(RunAll(), 1);
  Clock.Set(10000); // late: it fires once, not once per missed period
  EXPECT_EQ(RunAll(), 1);
  EXPECT_EQ(g_FiredAt, (std::vector<GUI_TIMER_TIME>{100, 350, 10000}));
}

TEST_F(Timer, ExecRunsEachTimerOncePerCallEvenWithPeriodZero) {
  Clock.Set(0);
  GUI_TIMER_Create(_RecordAndRestart, 0, 1, 0); // period 0: re-armed at once by its callback
  GUI_TIMER_Create(_Record, 0, 2, 0);
  EXPECT_EQ(GUI_Exec(), 1);
  EXPECT_EQ(g_Fired, (std::vector<PTR_ADDR>{1, 2}));
  EXPECT_EQ(GUI_Exec(), 1);
  EXPECT_EQ(g_Fired, (std::vector<PTR_ADDR>{1, 2, 1}));
}

TEST_F(Timer, ExecReportsIdleWhenNothingIsDue) {
  Clock.Set(0);
  GUI_TIMER_Create(_Record, 50, 1, 0);
  EXPECT_EQ(GUI_Exec(), 0);
  Clock.Set(50);
  EXPECT_EQ(GUI_Exec(), 1);
  EXPECT_EQ(GUI_Exec(), 0);
}

TEST_F(Timer, DueTimesAcrossTheClockWrap) {
  Clock.Set(0xFFFFFFF0u);
  GUI_TIMER_Create(_Record, static_cast<GUI_TIMER_TIME>(0xFFFFFFF0u + 0x20), 2, 0); // after the wrap
  GUI_TIMER_Create(_Record, static_cast<GUI_TIMER_TIME>(0xFFFFFFF8u), 1, 0);
  EXPECT_EQ(RunAll(), 0);
  Clock.Set(0x10);
  EXPECT_EQ(RunAll(), 2);
  EXPECT_EQ(g_Fired, (std::vector<PTR_ADDR>{1, 2}));
}

TEST_F(Timer, CallbackMayDeleteItsTimer) {
  Clock.Set(0);
  GUI_TIMER_HANDLE h1 = GUI_TIMER_Create(_RecordAndDelete, 0, 1, 0);
  GUI_TIMER_HANDLE h2 = GUI_TIMER_Create(_Record, 0, 2, 0);
  EXPECT_EQ(RunAll(), 2);
  PTR_ADDR Context = 0;
  EXPECT_EQ(GUI_TIMER_GetFirst(&Context), h2);
  EXPECT_EQ(Context, 2);
  (void)h1;
}

TEST_F(Timer, WalksAllTimersWithTheirContextsAndFlags) {
  Clock.Set(0);
  GUI_TIMER_HANDLE a = GUI_TIMER_Create(_Record, 500, 10, GUI_TIMER_CF_WINDOW);
  GUI_TIMER_HANDLE b = GUI_TIMER_Create(_Record, 0, 20, 0);
  GUI_TIMER_HANDLE c = GUI_TIMER_Create(_Record, 100, 30, GUI_TIMER_CF_CURSOR);
  RunAll(); // b has fired and is no longer armed, but still exists
  std::vector<PTR_ADDR> Contexts;
  PTR_ADDR Context;
  for (GUI_TIMER_HANDLE h = GUI_TIMER_GetFirst(&Context); h; h = GUI_TIMER_GetNext(h, &Context))
    Contexts.push_back(Context);
  EXPECT_EQ(Contexts, (std::vector<PTR_ADDR>{10, 20, 30}));
  EXPECT_EQ(GUI_TIMER_GetFlag(a, GUI_TIMER_CF_WINDOW), 1);
  EXPECT_EQ(GUI_TIMER_GetFlag(b, GUI_TIMER_CF_WINDOW), 0);
  EXPECT_EQ(GUI_TIMER_GetFlag(c, GUI_TIMER_CF_CURSOR | GUI_TIMER_CF_WINDOW), 1);
  EXPECT_EQ(GUI_TIMER_GetFlag(0, 1), 0);
  GUI_TIMER_Delete(0);
  GUI_TIMER_Delete(b);
  Contexts.clear();
  for (GUI_TIMER_HANDLE h = GUI_TIMER_GetFirst(&Context); h; h = GUI_TIMER_GetNext(h, &Context))
    Contexts.push_back(Context);
  EXPECT_EQ(Contexts, (std::vector<PTR_ADDR>{10, 30}));
}

TEST_F(Timer, SetTimeAndDelayReArm) {
  Clock.Set(100);
  GUI_TIMER_HANDLE h = GUI_TIMER_Create(_Record, 1000, 1, 0);
  GUI_TIMER_SetDelay(h, 10);
  Clock.Set(110);
  EXPECT_EQ(RunAll(), 1);
  GUI_TIMER_SetTime(h, 120);
  Clock.Set(119);
  EXPECT_EQ(RunAll(), 0);
  Clock.Set(120);
  EXPECT_EQ(RunAll(), 1);
}

int g_WMSteps;
int _WMExec(void) { return g_WMSteps > 0 ? (--g_WMSteps, 1) : 0; }

TEST_F(Timer, ExecRunsTheWindowManagerUntilItIsIdle) {
  g_WMSteps = 3;
  GUI__pfExecWM = _WMExec;
  EXPECT_EQ(GUI_Exec(), 1);
  EXPECT_EQ(g_WMSteps, 0);
  EXPECT_EQ(GUI_Exec(), 0);
  GUI__pfExecWM = nullptr;
}

TEST_F(Timer, DelayLetsTimersRunWhileTheClockAdvances) {
  Clock.Set(0);
  GUI_TIMER_Create(_Record, 40, 1, 0);
  GUI_TIMER_Create(_Record, 70, 2, 0);
  GUI_Delay(100);
  EXPECT_GE(Clock.Now(), 100u);
  EXPECT_EQ(g_Fired, (std::vector<PTR_ADDR>{1, 2}));
  EXPECT_EQ(GUI_GetTime(), static_cast<int>(Clock.Now()));
}

} // namespace
