// The screens beside the controller's own threads: the tick and the control cycle run at full speed (a test clock
// that moves with every reading, a day further with every second) while this thread, as the application thread
// does, paints the calendar with today's date, takes today, reads access levels and gives them. The tick sets the
// clock and counts the grant down under the data mutex; the screens read and give them under it too, which the
// thread sanitizer checks.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "APP_Hooks.h"
#include "APP_Host.h"
#include "FKT_Access.h"
#include "GUI.h"
#include "GuiTest.h"
#include "SYS_Clock.h"
#include "TXT_Language.h"
#include "UI_Calendar.h"
#include "UI_Main.h"
#include "UI_MenuPage.h"
#include "UI_Overview.h"
#include "WM.h"

namespace {

std::atomic<uint32_t> _Ms;
std::atomic<int> _Seconds;  // one-second parts of the tick so far

class ScreensBesideTheTick : public GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    ASSERT_EQ(TXT_SelectLanguage(TXT_LANG_ENGLISH), 0);
    WM_Init();
    APP_InitController();
    APP_CreateKernelObjects();
    Saved = APP_HostHooks;
    APP_HostHooks.pfGetTime = [] { return _Ms.fetch_add(5, std::memory_order_relaxed); };
    APP_HostHooks.pfGetPcTime = [] { return int64_t(1773756300) + 86400 * int64_t(_Seconds++); };
    APP_HostHooks.pfDelay = [](int) { std::this_thread::yield(); };
    APP_StopRequested = 0;
  }
  void TearDown() override {
    APP_StopThreads();
    APP_StopRequested = 0;
    if (UI_hEntryDialog) WM_DeleteWindow(UI_hEntryDialog);
    APP_HostHooks = Saved;
    APP_InitController();
    GuiTest::TearDown();
  }
  APP_HOST_HOOKS Saved;
};

}  // namespace

TEST_F(ScreensBesideTheTick, ReadTheClockAndGiveGrantsUnderTheDataMutex) {
  UI_CalendarParams Params = {WM_GetDesktopWindow(), 0, UI_PackDate(1, 1, 2026), 0, 0};
  ASSERT_TRUE(UI_CreateCalendar(WM_GetDesktopWindow(), &Params));
  ASSERT_TRUE(UI_hEntryDialog);
  APP_StartThreads();
  int Rounds = 0;
  auto Until = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  while ((_Seconds < 30 || Rounds < 300) && std::chrono::steady_clock::now() < Until) {
    WM_InvalidateWindow(UI_hEntryDialog);
    GUI_Exec();  // paints today's date
    UI_CalendarApplyCell(&Params, UI_CAL_TODAY);
    UI_GrantLevel(0, FKT_LEVEL_EXPERT, 1 + Rounds % 3);  // runs out within a few seconds
    UI_GrantedLevel(0);
    UI_ElementAllowed(0, FKT_LEVEL_TECHNICIAN);
    Rounds++;
  }
  EXPECT_GE(_Seconds, 30);
  // A level granted without expiry stays while the tick goes on.
  UI_GrantLevel(0, FKT_LEVEL_TECHNICIAN, -1);
  for (int s = _Seconds; _Seconds < s + 3 && std::chrono::steady_clock::now() < Until;) std::this_thread::yield();
  EXPECT_EQ(UI_GrantedLevel(0), FKT_LEVEL_TECHNICIAN);
  APP_StopThreads();
  // Today is the clock's date.
  SYS_TM Now = SYS_GetClockTm();
  EXPECT_EQ(UI_CalendarApplyCell(&Params, UI_CAL_TODAY), UI_PackDate(Now.Day, Now.Month + 1, Now.Year + 1900));
  EXPECT_GT(Rounds, 0);
}
