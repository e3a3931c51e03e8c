// The calendar on the own node's "Date and time" page: a touch on the date opens it, a day of another month is
// chosen and confirmed, and the controller's clock holds the new date; Cancel leaves the clock as it was.
#include "OBJ_Map.h"
#include "UI_Calendar.h"
#include "UI_ElementLine.h"
#include "UI_EntryDispatch.h"
#include "UI_MenuPage.h"
#include "gfx_test_util.h"
#include "main_fixture.h"

namespace {

constexpr uint32_t kDateAndTime = 0x000D5800;
constexpr int kOkX = 460, kOkY = 205, kCancelX = 460, kCancelY = 90;  // the side buttons

// A receiver of the calendar's result.
int g_DoneCount;
WM_MESSAGE g_Done;
void _Receiver(WM_MESSAGE* pMsg) {
  if (pMsg->MsgId == UI_MSG_DATE_DONE) {
    g_Done = *pMsg;
    g_DoneCount++;
  } else {
    WM_DefaultProc(pMsg);
  }
}

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
    UI_pfOpenCalendar = nullptr;
    APP_UiHooks = {};
    MainScreenTest::TearDown();
    UI_DeleteGraphicsCache();
    GUI_SetConfigAPI(nullptr);
  }
  static bool CalendarOpen() { return UI_hEntryDialog && WM_GetCallback(UI_hEntryDialog) == UI_CalendarCallback; }
  // The value box of the date on the shown page.
  static WM_HWIN DateBox() {
    uint16_t Index = OBJ_ValueIndex(OBJ_VIEW_VALUE, OBJ_FAM_SYSTEM, OBJ_SYS_DATE);
    for (WM_HWIN hLine = WM_GetFirstChild(Page()); hLine; hLine = WM_GetNextSibling(hLine)) {
      for (WM_HWIN h = WM_GetFirstChild(hLine); h; h = WM_GetNextSibling(h)) {
        if (WM_GetCallback(h) != UI_ValueBoxCallback) continue;
        auto* b = (UI_BOX_BLOCK*)UI_GetElementData(h);
        if (b && (b->Address & 0xFFFF) == Index) return h;
      }
    }
    return 0;
  }
  void OpenCalendar() {
    ASSERT_EQ(UI_MenuStackInstance.Open(kDateAndTime, 0), UI_SHOW_OK);
    Settle();
    WM_HWIN h = DateBox();
    ASSERT_TRUE(h);
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

TEST_F(CalendarPageTest, CancelLeavesTheDateAndADateBeyondTheEntrysLimitIsRefused) {
  OpenCalendar();
  Cell(UI_CAL_YEAR_BACK);
  Cell(10);
  Touch(kCancelX, kCancelY);
  EXPECT_FALSE(UI_hEntryDialog);
  ExpectClock(17, 2, 2026);
  // The controller takes dates up to 2099: December 2100 cannot be confirmed, the dialog stays.
  OpenCalendar();
  for (int i = 0; i < 75; i++) Cell(UI_CAL_YEAR_FORWARD);
  Touch(kOkX, kOkY);
  EXPECT_TRUE(CalendarOpen());
  Touch(kCancelX, kCancelY);
  EXPECT_FALSE(UI_hEntryDialog);
  ExpectClock(17, 2, 2026);
}

TEST_F(CalendarPageTest, ADateBeforeTheLowerLimitIsRefusedUntilALaterDayIsChosen) {
  g_DoneCount = 0;
  WM_HWIN hReceiver = WM_CreateWindow(0, 0, 10, 10, 0, _Receiver, 0);
  const UI_CalendarParams p = {hReceiver, 0x51, UI_PackDate(10, 6, 2024), UI_PackDate(15, 6, 2024), 0};
  ASSERT_EQ(UI_CreateCalendar(hReceiver, &p), 1);
  Settle();
  Touch(kOkX, kOkY);
  EXPECT_TRUE(CalendarOpen());
  Cell(5 + 11);  // 1 June 2024 is a Saturday: the 12th is inactive and cannot be chosen
  Touch(kOkX, kOkY);
  EXPECT_TRUE(CalendarOpen());
  EXPECT_EQ(g_DoneCount, 0);
  Cell(5 + 19);  // the 20th
  Touch(kOkX, kOkY);
  EXPECT_FALSE(UI_hEntryDialog);
  ASSERT_EQ(g_DoneCount, 1);
  EXPECT_EQ(uint32_t(g_Done.Data.v), UI_PackDate(20, 6, 2024));
  EXPECT_EQ(g_Done.hWinSrc, WM_HWIN(0x51));
  WM_DeleteWindow(hReceiver);
}

TEST_F(CalendarPageTest, TheCalendarInGerman) {
  ASSERT_EQ(UI_SetLanguage(TXT_LANG_GERMAN), 0);
  OpenCalendar();
  for (int i = 0; i < 3; i++) Cell(UI_CAL_MONTH_BACK);  // December 2025: the month steps into the year before
  EXPECT_TRUE(golden::Matches("controller/ui/calendar_december_de", golden::CaptureLCD()));
  Touch(kCancelX, kCancelY);
}

}  // namespace
