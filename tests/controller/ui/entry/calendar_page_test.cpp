// The calendar on the own node's "Date and time" page: a touch on the date opens it, a day of another month is
// chosen and confirmed, and the controller's clock holds the new date; Cancel leaves the clock as it was.
#include "UI_Calendar.h"
#include "UI_ElementLine.h"
#include "UI_EntryDispatch.h"
#include "UI_MenuPage.h"
#include "gfx_test_util.h"
#include "main_fixture.h"

namespace {

constexpr uint32_t kDateAndTime = 0x000D5800;
constexpr int kOkX = 460, kOkY = 205, kCancelX = 460, kCancelY = 90;  // the side buttons

class CalendarPageTest : public MainScreenTest {
 protected:
  void SetUp() override {
    GUI_SetConfigAPI(&gfxtest::BigHeapConfig);  // room for the prerendered keys
    MainScreenTest::SetUp();
    ASSERT_EQ(UI_LoadGraphics(), 0);
    UI_InstallStartup();  // as the running program: the menu pages, the keyboard and the calendar
    SYS_ClockOffset = 0;
    SYS_UpdateClock(MAIN_TEST_SECONDS);
  }
  void TearDown() override {
    UI_pfOpenTextEntry = nullptr;
    UI_pfOpenFileNameEntry = nullptr;
    UI_pfOpenCalendar = nullptr;
    APP_UiHooks = {};
    MainScreenTest::TearDown();
    UI_DeleteGraphicsCache();
    GUI_SetConfigAPI(nullptr);
  }
  static bool CalendarOpen() { return UI_hEntryDialog && WM_GetCallback(UI_hEntryDialog) == UI_CalendarCallback; }
  // The value box of the date: the page's second line (under the title line) holds it.
  static WM_HWIN DateBox() { return WM_GetFirstChild(WM_GetNextSibling(WM_GetFirstChild(Page()))); }
  void OpenCalendar() {
    ASSERT_EQ(UI_MenuStackInstance.Open(kDateAndTime, 0), UI_SHOW_OK);
    Settle();
    WM_HWIN h = DateBox();
    ASSERT_EQ(WM_GetCallback(h), UI_ValueBoxCallback);
    Touch(WM_GetWindowPosX(h) + WM_GetWindowSizeX(h) / 2, WM_GetWindowPosY(h) + WM_GetWindowSizeY(h) / 2);
    ASSERT_TRUE(CalendarOpen());
  }
  void Cell(int k) {
    const int16_t* r = UI_CalendarCells[k];
    Touch(WM_GetWindowPosX(UI_hEntryDialog) + (r[0] + r[2]) / 2, WM_GetWindowPosY(UI_hEntryDialog) + (r[1] + r[3]) / 2);
  }
  static void ExpectClock(int Day, int Month0, int Year) {
    EXPECT_EQ(SYS_ClockTm.Day, Day);
    EXPECT_EQ(SYS_ClockTm.Month, Month0);
    EXPECT_EQ(SYS_ClockTm.Year + 1900, Year);
    EXPECT_EQ(SYS_ClockTm.Hour, 14);  // the time of day stays
    EXPECT_EQ(SYS_ClockTm.Min, 5);
  }
};

TEST_F(CalendarPageTest, ADayOfAnotherMonthConfirmedBecomesTheControllersDate) {
  ExpectClock(17, 2, 2026);
  OpenCalendar();
  EXPECT_TRUE(golden::Matches("controller/ui/calendar_march_en", golden::CaptureLCD()));
  Cell(UI_CAL_MONTH_FORWARD);
  Cell(2 + 19);  // 1 April 2026 is a Wednesday (column 2): the 20th
  Touch(kOkX, kOkY);
  EXPECT_FALSE(UI_hEntryDialog);
  ExpectClock(20, 3, 2026);
  // The page was read again and shows the new date.
  WM_HWIN h = DateBox();
  ASSERT_TRUE(h);
  EXPECT_EQ(uint32_t(((UI_BOX_BLOCK*)UI_GetElementData(h))->Value), UI_PackDate(20, 4, 2026));
}

TEST_F(CalendarPageTest, CancelLeavesTheDateADateBelowTheLimitIsRefusedAndTheCalendarInGerman) {
  OpenCalendar();
  Cell(10);
  Touch(kCancelX, kCancelY);
  EXPECT_FALSE(UI_hEntryDialog);
  ExpectClock(17, 2, 2026);
  // The controller takes dates from 1970 on: March 1969 cannot be confirmed, the dialog stays.
  OpenCalendar();
  for (int i = 0; i < 57; i++) Cell(UI_CAL_YEAR_BACK);
  Touch(kOkX, kOkY);
  EXPECT_TRUE(CalendarOpen());
  Touch(kCancelX, kCancelY);
  ExpectClock(17, 2, 2026);
  // In German, from March back to December of the year before.
  ASSERT_EQ(UI_SetLanguage(TXT_LANG_GERMAN), 0);
  OpenCalendar();
  for (int i = 0; i < 3; i++) Cell(UI_CAL_MONTH_BACK);
  EXPECT_TRUE(golden::Matches("controller/ui/calendar_december_de", golden::CaptureLCD()));
}

}  // namespace
