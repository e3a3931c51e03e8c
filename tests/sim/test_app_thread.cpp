// The application thread: delays in 10 ms steps scaled by the time factor, pause and resume at the sleep steps,
// stop within about 200 ms, and a thread that never sleeps is let go rather than killed.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "APP_Hooks.h"
#include "PLAT_Thread.h"
#include "SIM.h"
#include "SIM_Log.h"
#include "SimTestHost.h"

static std::atomic<int> _NumSteps;
static void _CountStep(void) { _NumSteps++; }

TEST(AppDelay, WaitsWholeStepsOfTheScaledTime) {
  SimTest_InitPlatform();
  SIM__SetStepWait(_CountStep);
  SIM_SetDelayHook(SIM__DelayHook);
  SIM_SetIdleHook(SIM__IdleHook);
  SIM_SetTimeFactor(2);
  _NumSteps = 0;
  SIM_Delay(25);  // asks for 12 ms
  EXPECT_EQ(_NumSteps, 2);
  _NumSteps = 0;
  SIM_SetTimeFactor(1);
  SIM_Delay(5);
  EXPECT_EQ(_NumSteps, 1);
  _NumSteps = 0;
  SIM_Delay(0);
  SIM_Delay(-5);
  EXPECT_EQ(_NumSteps, 0);
  SIM_Idle();
  EXPECT_EQ(_NumSteps, 1);
  EXPECT_EQ(SIM_SetTimeFactor(0), 1);  // refused, the factor in force is returned
  SIM__SetStepWait(nullptr);
}

static std::atomic<int> _Loops;
static PLAT_HEVENT _hLooped;

static void _SleepingTask(void) {
  for (;;) {
    _Loops++;
    PLAT_SetEvent(_hLooped);
    SIM_Delay(10);
  }
}

static void _StartSleepingApp(void) {
  SimTest_InitPlatform();
  SIM_SetDelayHook(SIM__DelayHook);
  SIM_SetIdleHook(SIM__IdleHook);
  if (!_hLooped) _hLooped = PLAT_CreateEvent(0, 0);
  SIM_SetAppTask(_SleepingTask);
  SIM_StartApp();
  ASSERT_EQ(PLAT_WaitEvent(_hLooped, 10000), 0);
}

static void _WaitUntilPaused(int n) {
  for (int i = 0; i < 1000000 && SIM__GetNumPaused() != n; i++) std::this_thread::yield();
}

TEST(AppThread, StopEndsASleepingApplicationInTime) {
  _StartSleepingApp();
  EXPECT_TRUE(SIM_IsAppRunning());
  uint32_t t0 = PLAT_GetTickMs();
  EXPECT_EQ(SIM_StopApp(), 0);
  EXPECT_LT(PLAT_GetTickMs() - t0, 200u);
  EXPECT_FALSE(SIM_IsAppRunning());
  SIM_SetAppTask(nullptr);
}

TEST(AppThread, PauseHoldsTheThreadAtItsNextSleepAndResumeLetsItGo) {
  _StartSleepingApp();
  SIM_SuspendApp();
  _WaitUntilPaused(1);
  ASSERT_EQ(SIM__GetNumPaused(), 1);
  EXPECT_TRUE(SIM_IsAppSuspended());
  int Loops = _Loops;
  SIM_SuspendApp();  // second press: a beep, nothing else
  EXPECT_EQ(SIM__GetNumPaused(), 1);
  EXPECT_EQ(_Loops, Loops);
  SIM_ResumeApp();   // one press is enough
  EXPECT_FALSE(SIM_IsAppSuspended());
  PLAT_ResetEvent(_hLooped);
  ASSERT_EQ(PLAT_WaitEvent(_hLooped, 10000), 0);
  EXPECT_GT(_Loops, Loops);
  SIM_ResumeApp();   // while running: a beep only
  EXPECT_FALSE(SIM_IsAppSuspended());
  char acLog[LOG_MAX_CHARS + 1];
  LOG_GetText(acLog, sizeof(acLog));
  EXPECT_NE(strstr(acLog, "Application suspended"), nullptr);
  EXPECT_NE(strstr(acLog, "Application continued"), nullptr);
  EXPECT_EQ(SIM_StopApp(), 0);
  SIM_SetAppTask(nullptr);
}

TEST(AppThread, StopAlsoEndsAPausedApplication) {
  _StartSleepingApp();
  SIM_SuspendApp();
  _WaitUntilPaused(1);
  EXPECT_EQ(SIM_StopApp(), 0);
  EXPECT_FALSE(SIM_IsAppRunning());
  EXPECT_FALSE(SIM_IsAppSuspended());
  SIM_SetAppTask(nullptr);
}

static std::atomic<bool> _Spin;

static void _BusyTask(void) {
  PLAT_SetEvent(_hLooped);
  while (_Spin) {
  }
  SIM_Delay(10);  // the first sleep after being let go ends it
  _Loops = -1000;
}

TEST(AppThread, ABusyApplicationIsLetGoAfterAboutTwoHundredMs) {
  SimTest_InitPlatform();
  if (!_hLooped) _hLooped = PLAT_CreateEvent(0, 0);
  SIM_SetDelayHook(SIM__DelayHook);
  _Spin = true;
  _Loops = 0;
  SIM_SetAppTask(_BusyTask);
  SIM_StartApp();
  ASSERT_EQ(PLAT_WaitEvent(_hLooped, 10000), 0);
  uint32_t t0 = PLAT_GetTickMs();
  EXPECT_EQ(SIM_StopApp(), 1);
  EXPECT_GE(PLAT_GetTickMs() - t0, 190u);
  EXPECT_FALSE(SIM_IsAppRunning());
  _Spin = false;
  SIM_SetAppTask(nullptr);
}

TEST(AppThread, ApplicationEndingByItselfClearsTheThread) {
  SimTest_InitPlatform();
  static PLAT_HEVENT hDone = PLAT_CreateEvent(1, 0);
  SIM_SetAppTask([] { PLAT_SetEvent(hDone); });
  SIM_StartApp();
  ASSERT_EQ(PLAT_WaitEvent(hDone, 10000), 0);
  for (int i = 0; i < 1000000 && SIM_IsAppRunning(); i++) std::this_thread::yield();
  EXPECT_FALSE(SIM_IsAppRunning());
  char acLog[LOG_MAX_CHARS + 1];
  LOG_GetText(acLog, sizeof(acLog));
  EXPECT_NE(strstr(acLog, "\nApplication terminated."), nullptr);
  SIM_SetAppTask(nullptr);
}

TEST(HostLock, NestingOnTheHostLevelIsReported) {
  SimTest_InitPlatform();
  SIM_CreateLock();
  SIM_Lock();
  EXPECT_TRUE(SIM__IsLockOwner());
  SIM_Lock();
  SIM_Unlock();
  SIM_Unlock();
  EXPECT_FALSE(SIM__IsLockOwner());
  char acLog[LOG_MAX_CHARS + 1];
  LOG_GetText(acLog, sizeof(acLog));
  EXPECT_NE(strstr(acLog, "\x01" "Error in GUITASK module ..."), nullptr);
}

TEST(AppThread, TheControllerApplicationStopsWithItsThreadsInTime) {
  SimTest_InitPlatform();
  std::string Dir = SimTest_MakeTempDir();
  snprintf(SIM_UserFolder, sizeof(SIM_UserFolder), "%s", Dir.c_str());
  snprintf(SIM_HostText, sizeof(SIM_HostText), "%s", Dir.c_str());
  SIM_SetDelayHook(SIM__DelayHook);
  SIM_SetIdleHook(SIM__IdleHook);
  SIM_SetAppTask(nullptr);  // the controller's main task
  SIM_StartApp();
  for (int i = 0; i < 100000000 && !UI_StartupDone; i++) std::this_thread::yield();
  ASSERT_TRUE(UI_StartupDone);
  uint32_t t0 = PLAT_GetTickMs();
  EXPECT_EQ(SIM_StopApp(), 0);
  EXPECT_LT(PLAT_GetTickMs() - t0, 200u);
  EXPECT_FALSE(SIM_IsAppRunning());
  EXPECT_TRUE(APP_StopRequested);
}

static std::atomic<int> _TaskLoops;

static void _SleepingTaskThread(void) {
  for (;;) {
    _TaskLoops++;
    SIM_Delay(10);
  }
}

static void _ShortTask(void) {}

TEST(TaskThreads, PauseWithTheApplicationAndStopAtOneHundred) {
  _StartSleepingApp();
  EXPECT_EQ(SIM_CreateTask(nullptr, _SleepingTaskThread), 1);
  for (int i = 0; i < 1000000 && _TaskLoops == 0; i++) std::this_thread::yield();
  SIM_SuspendApp();
  _WaitUntilPaused(2);
  EXPECT_EQ(SIM__GetNumPaused(), 2);  // the application and its task
  SIM_ResumeApp();
  _WaitUntilPaused(0);
  EXPECT_EQ(SIM__GetNumPaused(), 0);
  for (int i = 1; i < 100; i++) EXPECT_EQ(SIM_CreateTask(nullptr, _ShortTask), 1);
  EXPECT_EQ(SIM_CreateTask(nullptr, _ShortTask), 100);  // the 101st is not started
  EXPECT_EQ(SIM_StopApp(), 0);
  SIM_SetAppTask(nullptr);
}
