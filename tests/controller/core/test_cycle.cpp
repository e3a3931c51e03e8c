// Tick and control cycle with a test clock: input simulation and faults, run order, clock and access countdown.
#include <atomic>
#include <chrono>
#include <thread>

#include "CoreTestSupport.h"

using namespace coretest;

using ControlCycle = ControllerTest;

TEST_F(ControlCycle, TickMapsSimulatedInputsAndFaults) {
  FUNKTION_Eingang& a = IO_Inputs[0];
  FUNKTION_Eingang& b = IO_Inputs[1];
  FUNKTION_Eingang& d = IO_Inputs[2];
  a.SetParameter(IO_IN_PAR_TYPE, 2, 0);
  a.SetParameter(IO_IN_PAR_CORRECTION, 5, 0);
  b.SetParameter(IO_IN_PAR_TYPE, 2, 0);
  b.SetParameter(IO_IN_PAR_SHORT_SUBST, 1, 0);
  b.SetParameter(IO_IN_PAR_SHORT_VALUE, -300, 0);
  b.SetParameter(IO_IN_PAR_BREAK_SUBST, 1, 0);
  b.SetParameter(IO_IN_PAR_BREAK_VALUE, 999, 0);
  d.SetParameter(IO_IN_PAR_TYPE, 1, 0);

  SIM_InputValues[0].Value = 0x7FFF0000 | 215;  // only the low 16 bits count
  SIM_InputValues[1].Value = 100;
  SIM_InputValues[2].Value = 1;
  APP_Tick10ms();
  APP_ControlCycle();
  EXPECT_EQ(a.GetParameter(FKT_PAR_OUTPUT), 220);
  EXPECT_EQ(a.GetParameter(FKT_PAR_SPECIAL + 0), 215);
  EXPECT_EQ(b.GetParameter(FKT_PAR_OUTPUT), 100);
  EXPECT_EQ(d.GetParameter(FKT_PAR_OUTPUT), 1);

  SIM_InputValues[0].Value = -20;
  SIM_InputValues[0].Fault = IO_FAULT_INTERRUPTION;
  SIM_InputValues[1].Fault = IO_FAULT_SHORT;
  APP_Tick10ms();
  APP_ControlCycle();
  EXPECT_EQ(a.GetParameter(FKT_PAR_OUTPUT), IO_RAW_INTERRUPTION);
  EXPECT_EQ(a.GetParameter(FKT_PAR_SPECIAL + 1), IO_FAULT_INTERRUPTION);
  EXPECT_EQ(b.GetParameter(FKT_PAR_OUTPUT), -300);

  SIM_InputValues[0].Fault = IO_FAULT_SHORT;
  SIM_InputValues[1].Fault = IO_FAULT_INTERRUPTION;
  APP_Tick10ms();
  APP_ControlCycle();
  EXPECT_EQ(a.GetParameter(FKT_PAR_OUTPUT), IO_RAW_SHORT_CIRCUIT);
  EXPECT_EQ(b.GetParameter(FKT_PAR_OUTPUT), 999);

  SIM_InputValues[0].Fault = 0;
  SIM_InputValues[0].Value = -20;
  SIM_InputValues[3].RoomMode = 2;
  APP_Tick10ms();
  APP_ControlCycle();
  EXPECT_EQ(a.GetParameter(FKT_PAR_OUTPUT), -15);
  EXPECT_EQ(IO_GetInputMode(&IO_InputRecords[3]), 2);
}

TEST_F(ControlCycle, TickEventEveryTenthTickReleasesTheCycle) {
  APP_CreateKernelObjects();
  OS_EventReset(APP_hTickEvent);
  for (int i = 0; i < 9; i++) APP_Tick10ms();
  EXPECT_EQ(OS_EventWait(APP_hTickEvent, 0), OS_WAIT_TIMEOUT);
  APP_Tick10ms();
  EXPECT_EQ(OS_EventWait(APP_hTickEvent, 0), OS_WAIT_TAKEN);
  EXPECT_EQ(OS_EventWait(APP_hTickEvent, 0), OS_WAIT_TIMEOUT);  // consumed
}

TEST_F(ControlCycle, RegistryRunsInOrderAndOutputsFollow) {
  FUNKTION_BASIS_PAR *a, *b, *c;
  ASSERT_EQ(FKT_CreateObject(TestFunction::kType, 20, &a), FKT_OK);
  ASSERT_EQ(FKT_CreateObject(TestFunction::kType, 3, &b), FKT_OK);
  ASSERT_EQ(FKT_CreateObject(TestFunction::kType, 11, &c), FKT_OK);
  c->SetParameter(FKT_PAR_ENABLED, 0, 0);
  a->SetParameter(FKT_PAR_INPUT + FKT_IN_SOURCE_KIND, FKT_SRC_OWN, 0);
  a->SetParameter(FKT_PAR_INPUT + FKT_IN_OWN_VALUE, 3, 0);
  FUNKTION_Ausgang& out = IO_Outputs[4];
  out.SetParameter(0, 1, 0);
  out.SetParameter(FKT_PAR_INPUT + FKT_IN_SOURCE_KIND, FKT_SRC_FUNCTION, 0);
  out.SetParameter(FKT_PAR_INPUT + FKT_IN_SOURCE_INDEX, 21, 0);
  std::vector<uint8_t> leds;
  APP_HostHooks.pfSetStatusLED = [](uint8_t s) { gRunOrder.push_back(1000 + s); };
  APP_ControlCycle();
  APP_ControlCycle();
  EXPECT_EQ(gRunOrder, (std::vector<int>{21, 4, 1000 + 0x82, 21, 4}));  // LED reported once
  EXPECT_EQ(IO_OutputChannels[4].State, 1);
  EXPECT_EQ(IO_OutputChannels[4].SwitchCount, 1u);
  EXPECT_EQ(out.GetParameter(FKT_PAR_OUTPUT), 1);
  out.SetParameter(1, 2, 0);  // manual off
  APP_ControlCycle();
  EXPECT_EQ(IO_OutputChannels[4].State, 0);
}

TEST_F(ControlCycle, OneSecondTickTakesTheClockAndCountsTheGrantDown) {
  setenv("TZ", "UTC", 1);
  tzset();
  gPcSeconds = 86400 * 365 + 3600 * 5 + 7;  // 1971-01-01 05:00:07
  FKT_AccessLevels[0].Level = 2;
  FKT_AccessLevels[9].Level = 1;
  FKT_AccessTimeout = 2;
  APP_Tick1s();
  EXPECT_EQ(SYS_ClockTm.Year, 71);
  EXPECT_EQ(SYS_ClockTm.Hour, 5);
  EXPECT_EQ(SYS_ClockTm.Sec, 7);
  EXPECT_EQ(FKT_AccessLevels[0].Level, 2u);
  APP_Tick1s();
  EXPECT_EQ(FKT_AccessLevels[0].Level, 0u);
  EXPECT_EQ(FKT_AccessLevels[9].Level, 0u);
  // A grant without a code does not expire.
  FKT_AccessLevels[0].Level = 1;
  FKT_AccessTimeout = -1;
  for (int i = 0; i < 5; i++) APP_Tick1s();
  EXPECT_EQ(FKT_AccessLevels[0].Level, 1u);
  // The user's clock setting is kept as an offset to the PC clock.
  ASSERT_EQ(SYS_SetLocalTime(2026, 12, 24, 18, 30, 0, gPcSeconds), 1);
  gPcSeconds += 60;
  APP_Tick1s();
  EXPECT_EQ(SYS_ClockTm.Min, 31);
  EXPECT_EQ(SYS_ClockTm.Day, 24);
  EXPECT_EQ(SYS_SetLocalTime(2026, 4, 31, 0, 0, 0, gPcSeconds), 0);
}

TEST_F(ControlCycle, SaveRequestIsServedByTheCycle) {
  IO_FixedValues[1].SetParameter(0, 1, 0);
  APP_SaveRequested = 1;
  APP_ControlCycle();
  EXPECT_EQ(APP_SaveRequested, 0);
  EXPECT_EQ(std::filesystem::file_size(dir / "docs" / "Intern" / "funktionsdaten.dat"), (uintmax_t)DAT_FILE_SIZE);
}

namespace {

std::atomic<int> gDelays;
std::vector<std::string> gSteps;

}  // namespace

// The main task's start-up order and its loop, with a host delay hook that advances the test clock and asks the
// task to stop after a few passes; nothing sleeps.
TEST_F(ControlCycle, MainTaskStartsInOrderAndStopsThroughTheHost) {
  gDelays = 0;
  gSteps.clear();
  static std::atomic<uint32_t> now{0};
  APP_HostHooks.pfGetTime = [] { return now.load(); };
  APP_HostHooks.pfDelay = [](int ms) {
    now += (uint32_t)(ms > 0 ? ms : 1);
    if (++gDelays > 40) APP_StopRequested = 1;
    std::this_thread::yield();
  };
  APP_UiHooks = {};
  APP_UiHooks.pfInitGui = [] { gSteps.push_back("gui"); };
  APP_UiHooks.pfBuildTexts = [](int lang) { gSteps.push_back("texts " + std::to_string(lang)); };
  APP_UiHooks.pfLoadDesign = [] { gSteps.push_back("design"); };
  APP_UiHooks.pfCreateMainScreen = [] {
    gSteps.push_back(APP_hDataMutex && APP_hUiSemaphore && APP_hTickEvent && APP_hMenuEvent ? "screen after objects"
                                                                                              : "screen too early");
  };
  // The data saved before start is what the task loads.
  SET_General.SetParameter(SET_GEN_PAR_LANGUAGE, 3, 0);
  DAT_SaveTmpFile();
  APP_InitController();
  APP_MainTask();
  APP_UiHooks = {};
  EXPECT_EQ(gSteps, (std::vector<std::string>{"gui", "texts 0", "design", "texts 3", "screen after objects"}));
  EXPECT_EQ(UI_StartupDone, 1);
  EXPECT_EQ(SET_General.GetParameter(SET_GEN_PAR_LANGUAGE), 3);
  EXPECT_TRUE(CAN_GetNodeState(&CAN_NodeState));
  EXPECT_TRUE(std::filesystem::exists(dir / "docs" / "Intern" / "change.log"));
  UI_StartupDone = 0;
}

// A stop asked for while the task is still starting must end it; a lost stop shows as GUI passes.
TEST_F(ControlCycle, StopAskedForDuringStartUpEndsTheTask) {
  static std::atomic<int> passes;
  passes = 0;
  APP_HostHooks.pfDelay = [](int) { std::this_thread::yield(); };
  APP_UiHooks = {};
  APP_UiHooks.pfLoadDesign = [] { APP_StopRequested = 1; };
  APP_UiHooks.pfExecGui = [] {
    if (++passes > 5) APP_StopRequested = 1;
  };
  APP_MainTask();
  APP_UiHooks = {};
  UI_StartupDone = 0;
  EXPECT_EQ(passes, 0);
}

// Started before its tick event exists, the control thread must wait, not spin: it asks the host for a delay.
TEST_F(ControlCycle, ControlThreadWithoutItsTickEventWaitsInsteadOfSpinning) {
  static std::atomic<int> delays;
  delays = 0;
  APP_HostHooks.pfDelay = [](int ms) {
    if (ms > 0) delays++;
    std::this_thread::yield();
  };
  OS_EVENT* saved = APP_hTickEvent;
  APP_hTickEvent = nullptr;
  std::thread control(APP_ControlThread, nullptr);
  auto until = std::chrono::steady_clock::now() + std::chrono::seconds(2);
  while (delays == 0 && std::chrono::steady_clock::now() < until) std::this_thread::yield();
  APP_StopRequested = 1;
  control.join();
  APP_hTickEvent = saved;
  EXPECT_GT(delays, 0);
}

// The 1-second tick writes the clock under the data mutex: while another thread holds it, the clock stays put.
TEST_F(ControlCycle, OneSecondTickWaitsForTheDataMutex) {
  APP_CreateKernelObjects();
  APP_Tick1s();
  int64_t before = SYS_ClockSeconds;
  static std::atomic<int64_t> pcNow;
  pcNow = gPcSeconds + 3600;
  APP_HostHooks.pfGetPcTime = [] { return pcNow.load(); };
  ASSERT_EQ(OS_MutexLock(APP_hDataMutex, OS_INFINITE), OS_WAIT_TAKEN);
  std::atomic<bool> done{false};
  std::thread tick([&] {
    APP_Tick1s();
    done = true;
  });
  auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(100);
  while (!done && std::chrono::steady_clock::now() < until) std::this_thread::yield();
  bool ranUnderOurLock = done;
  int64_t seenUnderLock = SYS_ClockSeconds;
  OS_MutexUnlock(APP_hDataMutex);
  tick.join();
  EXPECT_FALSE(ranUnderOurLock);
  EXPECT_EQ(seenUnderLock, before);
  EXPECT_EQ(SYS_ClockSeconds, before + 3600);
}

// Save requests from another thread while the cycle runs: each is taken once; under the thread sanitizer the flag's
// read and clear must not race with the request.
TEST_F(ControlCycle, SaveRequestsFromAnotherThreadAreTaken) {
  APP_CreateKernelObjects();
  std::atomic<bool> finished{false};
  std::atomic<int> served{0};
  std::thread requester([&] {
    for (int i = 0; i < 5; i++) {
      APP_SaveRequested = 1;
      auto until = std::chrono::steady_clock::now() + std::chrono::seconds(5);
      while (APP_SaveRequested && std::chrono::steady_clock::now() < until) std::this_thread::yield();
      if (!APP_SaveRequested) served++;
    }
    finished = true;
  });
  while (!finished) APP_ControlCycle();
  requester.join();
  EXPECT_EQ(served, 5);
  EXPECT_TRUE(std::filesystem::exists(dir / "docs" / "Intern" / "funktionsdaten.dat"));
}

TEST_F(ControlCycle, FactoryResetKeepsABackup) {
  IO_Inputs[4].SetParameter(IO_IN_PAR_TYPE, 2, 0);
  FUNKTION_BASIS_PAR* p;
  ASSERT_EQ(FKT_CreateObject(TestFunction::kType, 0, &p), FKT_OK);
  ASSERT_EQ(APP_FactoryReset(), 1);
  EXPECT_EQ(IO_Inputs[4].GetParameter(IO_IN_PAR_TYPE), 0);
  EXPECT_EQ(FKT_GetRegistryCount(), 0);
  ASSERT_EQ(DAT_LoadFunctionDataFile("M0:\\_Backup.dat", 1), DAT_OK);
  EXPECT_EQ(IO_Inputs[4].GetParameter(IO_IN_PAR_TYPE), 2);
  EXPECT_EQ(FKT_GetRegistryCount(), 1);
}

// The tick thread runs at full speed (a test clock that moves on every reading) while a host thread moves the
// simulated inputs, this thread loads and saves function data and reads the inputs through the object access, and
// the control cycle evaluates them. The tick takes no lock: what it shares with the others must not race, which the
// thread sanitizer checks.
TEST_F(ControlCycle, TickRunsAlongsideLoadsSavesAndReads) {
  APP_CreateKernelObjects();
  static std::atomic<uint32_t> clock{0};
  APP_HostHooks.pfGetTime = [] { return clock.fetch_add(5, std::memory_order_relaxed); };
  APP_HostHooks.pfDelay = [](int) { std::this_thread::yield(); };
  for (int i = 0; i < 4; i++) {
    IO_Inputs[i].SetParameter(IO_IN_PAR_TYPE, 2, 0);
    IO_Inputs[i].SetParameter(IO_IN_PAR_BREAK_SUBST, 1, 0);
    IO_Inputs[i].SetParameter(IO_IN_PAR_BREAK_VALUE, 100 + i, 0);
  }
  ASSERT_EQ(DAT_SaveFunctionDataFile("M0:\\stress.dat"), DAT_OK);
  std::atomic<bool> stop{false};
  std::thread host([&] {
    for (int n = 0; !stop; n++) {
      SIM_InputValues[0].Value = n & 0xFF;
      SIM_InputValues[1].Fault = (n & 1) ? IO_FAULT_INTERRUPTION : IO_FAULT_NONE;
      SIM_InputValues[2].RoomMode = n & 3;
      std::this_thread::yield();
    }
    SIM_InputValues[1].Fault = IO_FAULT_INTERRUPTION;
    SIM_InputValues[2].RoomMode = 2;
  });
  APP_StartThreads();
  int reads = 0;
  for (int round = 0; round < 6; round++) {
    EXPECT_EQ(DAT_LoadFunctionDataFile("M0:\\stress.dat", 1), DAT_OK);
    for (int i = 0; i < 4; i++)
      for (int s = 0; s < 3; s++) {
        uint8_t b[16];
        reads += OBJ_Read(OBJ_MakeAddress(0, i, OBJ_ValueIndex(OBJ_VIEW_VALUE, OBJ_FAM_INPUT, OBJ_VC_SPECIAL + s)), b,
                          sizeof(b), 0) > 0;
      }
    EXPECT_EQ(DAT_SaveFunctionDataFile("M0:\\stress.dat"), DAT_OK);
    APP_ControlCycle();
  }
  stop = true;
  host.join();
  uint32_t ms = SYS_MsCounter;
  auto until = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (SYS_MsCounter - ms < 20 && std::chrono::steady_clock::now() < until)
    std::this_thread::yield();  // two more ticks see the host's last values
  APP_StopThreads();
  EXPECT_EQ(reads, 6 * 4 * 3);
  EXPECT_EQ(IO_Inputs[1].GetSpecialValue(0), 101);  // the interruption's substitute
  EXPECT_EQ(IO_Inputs[2].GetSpecialValue(2), 2);
}
