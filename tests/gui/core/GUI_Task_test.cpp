// The GUI lock and the per-task contexts.
#include <atomic>
#include <mutex>
#include <thread>

#include "GuiTest.h"

namespace {

using TaskTest = GuiTest;

TEST_F(TaskTest, RecursiveLockExcludesOtherThread) {
  std::atomic<int> Phase{0};
  std::atomic<bool> InsideWhileHeld{false};
  GUI_Lock();
  GUI_Lock();
  EXPECT_EQ(GUITASK_GetEntranceCnt(), 2);
  std::thread Other([&] {
    Phase = 1;
    GUI_Lock();
    GUI_Lock();
    if (Phase.load() == 1) {
      InsideWhileHeld = true;  // got in while the main thread still held the lock
    }
    EXPECT_EQ(GUITASK_GetEntranceCnt(), 2);
    GUI_Unlock();
    GUI_Unlock();
  });
  while (Phase.load() != 1) {
    std::this_thread::yield();
  }
  // The other thread is now blocked (or about to be) in GUI_Lock; it cannot enter before the last unlock.
  GUI_Unlock();
  EXPECT_EQ(GUITASK_GetEntranceCnt(), 1);
  Phase = 2;
  GUI_Unlock();
  Other.join();
  EXPECT_FALSE(InsideWhileHeld.load());
  EXPECT_TRUE(Errors().empty());
}

TEST_F(TaskTest, CountersStayBalancedUnderContention) {
  int Counter = 0;
  auto Work = [&] {
    for (int i = 0; i < 2000; i++) {
      GUI_Lock();
      GUI_Lock();
      int v = Counter;
      GUI_Unlock();
      Counter = v + 1;
      GUI_Unlock();
    }
  };
  std::thread a(Work), b(Work);
  a.join();
  b.join();
  EXPECT_EQ(Counter, 4000);
  EXPECT_EQ(GUITASK_GetEntranceCnt(), 0);
}

TEST_F(TaskTest, UnderflowIsReported) {
  GUI_Unlock();
  ASSERT_EQ(Errors().size(), 1u);
  EXPECT_EQ(Errors()[0], "GUI_Task:\nGUI_Unlock() GUITASK__EntranceCnt underflow in GUI_Unlock()");
  GUI_Lock();
  GUI_Unlock();
  EXPECT_EQ(Errors().size(), 1u);
}

TEST_F(TaskTest, EachTaskHasItsOwnContext) {
  GUI_SetColor(GUI_RED);
  GUI_SetPenSize(3);
  GUI_COLOR SeenColor = 0;
  int SeenPen = 0;
  std::thread Other([&] {
    GUI_Lock();
    SeenColor = GUI_GetColor();  // inherits the first task's attributes
    GUI_SetColor(GUI_BLUE);
    GUI_SetPenSize(7);
    SeenPen = GUI_GetPenSize();
    GUI_Unlock();
  });
  Other.join();
  EXPECT_EQ(SeenColor, GUI_RED);
  EXPECT_EQ(SeenPen, 7);
  EXPECT_EQ(GUI_GetColor(), GUI_RED);
  EXPECT_EQ(GUI_GetPenSize(), 3);
}

TEST_F(TaskTest, SaveAndRestoreContext) {
  GUI_CONTEXT Saved;
  GUI_SetColor(GUI_GREEN);
  GUI_SaveContext(&Saved);
  GUI_SetColor(GUI_YELLOW);
  GUI_SetDrawMode(GUI_DRAWMODE_XOR);
  GUI_RestoreContext(&Saved);
  EXPECT_EQ(GUI_GetColor(), GUI_GREEN);
  EXPECT_EQ(GUI_GetDrawMode(), 0);
  EXPECT_EQ(GUI_pContext->LCD_pColorIndex, &GUI_pContext->aColorIndex[1]);
  EXPECT_EQ(LCD_GetColorIndex(), LCD_Color2Index(GUI_GREEN));
}

TEST_F(TaskTest, SleepUnlockedLetsOthersIn) {
  std::atomic<bool> Entered{false};
  GUI_Lock();
  GUI_Lock();
  std::thread Other([&] {
    GUI_Lock();
    Entered = true;
    GUI_Unlock();
  });
  while (!Entered.load()) {
    GUI__SleepUnlocked(0);
  }
  EXPECT_EQ(GUITASK_GetEntranceCnt(), 2);
  GUI_Unlock();
  GUI_Unlock();
  Other.join();
}

// The main thread takes the lock first (as a host does while configuring), another thread initialises the
// library; the main thread's GUI_Init then still gives it a context to draw with.
TEST_F(TaskTest, ATaskThatLockedBeforeAnotherInitialisedGetsItsContextFromGUI_Init) {
  GUI_Exit();
  GUI_Lock();
  GUI_Unlock();
  std::thread Other([] { EXPECT_EQ(GUI_Init(), 0); });
  Other.join();
  ASSERT_EQ(GUI_Init(), 0);
  GUI_SetColor(GUI_RED);
  GUI_FillRect(10, 10, 19, 19);
  EXPECT_EQ(LCD_GetPixelIndex(15, 15), LCD_Color2Index(GUI_RED));
  EXPECT_NE(GUI_pContext->pAFont, nullptr);
  EXPECT_TRUE(Errors().empty());
}

int ExitCalls;
void CountExit(void) { ExitCalls++; }

TEST_F(TaskTest, ExitRoutinesRunOnce) {
  static GUI_REGISTER_EXIT Rec = {nullptr, CountExit};
  ExitCalls = 0;
  GUI__RegisterExit(&Rec);
  GUI__RegisterExit(&Rec);
  GUI_Exit();
  EXPECT_EQ(ExitCalls, 1);
  ASSERT_EQ(GUI_Init(), 0);
}

TEST_F(TaskTest, TheOSLayerHandsErrorsAndWarningsToTheHostUnchanged) {
  GUI_OS_ErrorOut("E:\n%s %n");
  GUI_OS_Warn("W: %d");
  ASSERT_EQ(Errors().size(), 1u);
  EXPECT_EQ(Errors()[0], "E:\n%s %n");
  ASSERT_EQ(Warnings().size(), 1u);
  EXPECT_EQ(Warnings()[0], "W: %d");
}

TEST_F(TaskTest, ErrorValuesAreAppendedAsData) {
  GUI_ErrorOut3("X:\n%s %n in f()", 1, -2, 3);
  GUI_Warn("W:\nwarn");
  ASSERT_EQ(Errors().size(), 1u);
  EXPECT_EQ(Errors()[0], "X:\n%s %n in f(): 1, -2, 3");
  ASSERT_EQ(Warnings().size(), 1u);
  EXPECT_EQ(Warnings()[0], "W:\nwarn");
}

}  // namespace

namespace {

TEST_F(TaskTest, DefaultsAfterInit) {
  EXPECT_EQ(GUI_GetColor(), GUI_WHITE);
  EXPECT_EQ(GUI_GetBkColor(), GUI_BLACK);
  EXPECT_EQ(GUI_GetPenSize(), 1);
  EXPECT_EQ(GUI_GetLineStyle(), GUI_LS_SOLID);
  EXPECT_EQ(GUI_GetDrawMode(), 0);
  EXPECT_EQ(GUI_pContext->pAFont, &GUI_Font13);
  EXPECT_EQ(GUI_pContext->ClipRect.x1, 479);
  EXPECT_EQ(GUI_pContext->ClipRect.y1, 543);
}

}  // namespace

namespace {

// A device of the memory-device class that draws nothing: enough to see which chain a task draws through.
const GUI_DEVICE_API* MemdevClassApi() {
  static GUI_DEVICE_API Api = [] {
    GUI_DEVICE_API a = LCD_SIMDRV_API;
    a.DeviceClassIndex = DEVICE_CLASS_MEMDEV;
    return a;
  }();
  return &Api;
}

TEST_F(TaskTest, SelectedMemoryDevicesBelongToTheirTask) {
  GUI_DEVICE* pDriver = GUI_aDevice[0];
  GUI_Lock();
  GUI_DEVICE* pMem = GUI_DEVICE_Create(MemdevClassApi(), &LCD_aColorConvAPI[LCD_CC_8888], 0, 0);
  GUI_DEVICE_Link(pMem);
  EXPECT_EQ(GUI_aDevice[0], pMem);
  GUI_Unlock();
  GUI_DEVICE* pSeenByOther = nullptr;
  GUI_DEVICE* pOtherTail = nullptr;
  std::thread Other([&] {
    GUI_Lock();
    pSeenByOther = GUI_aDevice[0];
    pOtherTail = pSeenByOther ? pSeenByOther->pNext : nullptr;
    GUI_Unlock();
  });
  Other.join();
  EXPECT_EQ(pSeenByOther, pDriver);
  EXPECT_EQ(pOtherTail, nullptr);
  GUI_Lock();
  EXPECT_EQ(GUI_aDevice[0], pMem);  // back on top for the task that selected it
  EXPECT_EQ(pMem->pNext, pDriver);
  GUI_DEVICE_Delete(pMem);
  EXPECT_EQ(GUI_aDevice[0], pDriver);
  GUI_Unlock();
}

GUI_ALPHA_HOOK InstalledHook;
void RecordHook(GUI_ALPHA_HOOK pf) { InstalledHook = pf; }

TEST_F(TaskTest, EnableAlphaReachesTheMemoryDevices) {
  GUI__pfMEMDEV_SetAlphaHook = RecordHook;
  EXPECT_EQ(GUI_EnableAlpha(1), 0u);
  EXPECT_EQ(InstalledHook, &GUI_EnableAlpha);
  EXPECT_EQ(GUI_DEVICE__GetByClass(0, DEVICE_CLASS_ALPHA), GUI_aDevice[0]);
  EXPECT_EQ(GUI_EnableAlpha(0), 1u);
  EXPECT_EQ(InstalledHook, nullptr);
  EXPECT_EQ(GUI_DEVICE__GetByClass(0, DEVICE_CLASS_ALPHA), nullptr);
  GUI__pfMEMDEV_SetAlphaHook = nullptr;
}

}  // namespace

namespace {

GUI_TASK_ID ZeroTaskId(void) { return 0; }
std::mutex HostMutex;
int HostLocks, HostUnlocks;
void CountingLock(void) {
  HostMutex.lock();
  HostLocks++;
}
void CountingUnlock(void) {
  HostUnlocks++;
  HostMutex.unlock();
}

TEST_F(TaskTest, HostTaskIdZeroStillTakesTheHostLock) {
  static GUI_OS_API Api = *guitest::CapturingOS();
  Api.pfGetTaskId = ZeroTaskId;
  Api.pfLock = CountingLock;
  Api.pfUnlock = CountingUnlock;
  HostLocks = HostUnlocks = 0;
  GUI_OS_SetAPI(&Api);
  GUI_Lock();
  GUI_Lock();
  EXPECT_EQ(HostLocks, 1);
  EXPECT_EQ(GUITASK_GetEntranceCnt(), 2);
  GUI_Unlock();
  GUI_Unlock();
  EXPECT_EQ(HostUnlocks, 1);
  GUI_OS_SetAPI(guitest::CapturingOS());
  EXPECT_TRUE(Errors().empty());
}

}  // namespace
