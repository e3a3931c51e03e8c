// The calendar: Gregorian weekdays and month lengths checked against std::chrono for 1900 to 2099, key steps
// across months, years and leap days, dates out of range refused, pointer selection with its notifications,
// the arrow buttons and the header, and golden images of two months.
#include <chrono>

#include "CALENDAR.h"
#include "widget_support.h"

static bool operator==(const CALENDAR_DATE& a, const CALENDAR_DATE& b) {
  return a.Year == b.Year && a.Month == b.Month && a.Day == b.Day;
}

static std::ostream& operator<<(std::ostream& os, const CALENDAR_DATE& d) {
  return os << d.Year << "-" << d.Month << "-" << d.Day;
}

namespace {

using namespace std::chrono;

class CalendarTest : public WidgetParentTest<> {
protected:
  static CALENDAR_DATE Sel(WM_HWIN h) {
    CALENDAR_DATE d = {};
    CALENDAR_GetSel(h, &d);
    return d;
  }
  static CALENDAR_DATE Date(WM_HWIN h) {
    CALENDAR_DATE d = {};
    CALENDAR_GetDate(h, &d);
    return d;
  }
  static std::string Header(WM_HWIN h) {
    char ac[64] = {};
    TEXT_GetText(WM_FindChildById(h, CALENDAR_ID_HEADER), ac, sizeof(ac));
    return ac;
  }
  static CALENDAR_OBJ Record(WM_HWIN h) {
    CALENDAR_OBJ* p = CALENDAR_LockH(h);
    CALENDAR_OBJ r = *p;
    GUI_ALLOC_UnlockH(&p);
    return r;
  }
  // The selection after a key pressed on a calendar selecting (y, m, d).
  CALENDAR_DATE AfterKey(int y, int m, int d, int Key) {
    WM_HWIN h = CALENDAR_Create(hParent, 0, 0, (unsigned)y, (unsigned)m, (unsigned)d, 2, 7, WM_CF_SHOW);
    WM_SetFocus(h);
    this->Key(Key);
    CALENDAR_DATE r = Sel(h);
    WM_DeleteWindow(h);
    return r;
  }
};

TEST(CalendarDates, WeekdaysAndMonthLengthsFollowTheGregorianCalendar) {
  for (int y = 1900; y <= 2099; y++) {
    for (unsigned m = 1; m <= 12; m++) {
      year_month_day First{year{y}, month{m}, day{1}};
      int Expected = (int)(weekday{sys_days{First}}.c_encoding() + 1) % 7; // ours: 0 Saturday, 1 Sunday
      ASSERT_EQ(CALENDAR__GetWeekday(y, (int)m, 1), Expected) << y << "-" << m;
      year_month_day_last Last{year{y}, month_day_last{month{m}}};
      ASSERT_EQ(CALENDAR__GetDaysOfMonth(y, (int)m), (int)(unsigned)Last.day()) << y << "-" << m;
    }
  }
  EXPECT_EQ(CALENDAR__GetDaysOfMonth(2100, 2), 28);
  EXPECT_EQ(CALENDAR__GetDaysOfMonth(2000, 2), 29);
  EXPECT_EQ(CALENDAR__GetWeekday(2024, 3, 1), 6) << "1 March 2024 is a Friday";
}

TEST_F(CalendarTest, KeysStepAcrossMonthsYearsAndLeapDays) {
  EXPECT_EQ(AfterKey(2024, 1, 31, GUI_KEY_RIGHT), (CALENDAR_DATE{2024, 2, 1}));
  EXPECT_EQ(AfterKey(2023, 3, 31, GUI_KEY_PGUP), (CALENDAR_DATE{2023, 3, 3}));
  EXPECT_EQ(AfterKey(2024, 3, 31, GUI_KEY_PGUP), (CALENDAR_DATE{2024, 3, 2}));
  EXPECT_EQ(AfterKey(1900, 3, 31, GUI_KEY_PGUP), (CALENDAR_DATE{1900, 3, 3})) << "1900 has no 29 February";
  EXPECT_EQ(AfterKey(2000, 3, 31, GUI_KEY_PGUP), (CALENDAR_DATE{2000, 3, 2}));
  EXPECT_EQ(AfterKey(2024, 3, 1, GUI_KEY_LEFT), (CALENDAR_DATE{2024, 2, 29}));
  EXPECT_EQ(AfterKey(2100, 3, 1, GUI_KEY_LEFT), (CALENDAR_DATE{2100, 2, 28}));
  EXPECT_EQ(AfterKey(2023, 12, 28, GUI_KEY_DOWN), (CALENDAR_DATE{2024, 1, 4}));
  EXPECT_EQ(AfterKey(2024, 1, 3, GUI_KEY_UP), (CALENDAR_DATE{2023, 12, 27}));
  EXPECT_EQ(AfterKey(2023, 12, 15, GUI_KEY_PGDOWN), (CALENDAR_DATE{2024, 1, 15}));
  EXPECT_EQ(AfterKey(2024, 1, 15, GUI_KEY_PGUP), (CALENDAR_DATE{2023, 12, 15}));
  EXPECT_EQ(AfterKey(9999, 12, 31, GUI_KEY_RIGHT), (CALENDAR_DATE{9999, 12, 31})) << "the last day stays";
  EXPECT_EQ(AfterKey(1582, 1, 1, GUI_KEY_PGUP), (CALENDAR_DATE{1582, 1, 1}));
}

TEST_F(CalendarTest, KeyMovesShowTheNewMonthAndNotify) {
  WM_HWIN h = CALENDAR_Create(hParent, 0, 0, 2024, 1, 31, 2, 7, WM_CF_SHOW);
  EXPECT_EQ(Header(h), "January 2024");
  Heard().clear();
  Key(GUI_KEY_RIGHT);
  EXPECT_EQ(Header(h), "February 2024");
  EXPECT_EQ(widgettest::HeardCodes(4), std::vector<std::string>{"7:4"});
  EXPECT_EQ(Date(h), (CALENDAR_DATE{2024, 1, 31})) << "the current date stays";
  WM_HWIN hNoDay = CALENDAR_Create(hParent, 130, 0, 2024, 4, 31, 2, 8, WM_CF_SHOW); // no day marked
  WM_SetFocus(hNoDay);
  Key('a');
  EXPECT_EQ(Sel(hNoDay), (CALENDAR_DATE{2024, 4, 0})) << "a key that is no step moves nothing";
  EXPECT_EQ(Header(hNoDay), "April 2024");
  WM_SetFocus(h);
  WM_DisableWindow(h);
  Key(GUI_KEY_RIGHT);
  EXPECT_EQ(Sel(h), (CALENDAR_DATE{2024, 2, 1})) << "a disabled calendar takes no keys";
}

TEST_F(CalendarTest, DatesOutOfRangeAreRefused) {
  EXPECT_EQ(CALENDAR_Create(hParent, 0, 0, 2024, 13, 1, 2, 7, WM_CF_SHOW), 0);
  EXPECT_EQ(CALENDAR_Create(hParent, 0, 0, 2024, 0, 1, 2, 7, WM_CF_SHOW), 0);
  EXPECT_EQ(CALENDAR_Create(hParent, 0, 0, 1581, 12, 1, 2, 7, WM_CF_SHOW), 0);
  EXPECT_EQ(CALENDAR_Create(hParent, 0, 0, 10000, 1, 1, 2, 7, WM_CF_SHOW), 0);
  WM_HWIN h = CALENDAR_Create(hParent, 0, 0, 2024, 1, 31, 2, 7, WM_CF_SHOW);
  EXPECT_EQ(Date(h), (CALENDAR_DATE{2024, 1, 31})) << "31 is a day of January";
  WM_HWIN hApril = CALENDAR_Create(hParent, 0, 0, 2024, 4, 31, 9, 8, WM_CF_SHOW);
  EXPECT_EQ(Date(hApril).Day, 0) << "April has no 31st: no day marked";
  EXPECT_EQ(Record(hApril).FirstDayOfWeek, 2) << "taken modulo 7";
  for (CALENDAR_DATE d : {CALENDAR_DATE{2024, 13, 1}, CALENDAR_DATE{2024, -1, 1}, CALENDAR_DATE{2023, 2, 29},
                          CALENDAR_DATE{2024, 2, 30}, CALENDAR_DATE{10000, 1, 1}, CALENDAR_DATE{2024, 5, -3}}) {
    CALENDAR_SetSel(h, &d);
    CALENDAR_SetDate(h, &d);
    CALENDAR_ShowDate(h, &d);
  }
  EXPECT_EQ(Sel(h), (CALENDAR_DATE{2024, 1, 31}));
  EXPECT_EQ(Date(h), (CALENDAR_DATE{2024, 1, 31}));
  EXPECT_EQ(Header(h), "January 2024");
  CALENDAR_DATE Leap = {2024, 2, 29};
  CALENDAR_SetSel(h, &Leap);
  EXPECT_EQ(Sel(h), Leap);
  EXPECT_EQ(Header(h), "February 2024");
  CALENDAR_SetDefaultSize(CALENDAR_SI_CELL_X, 0); // refused: the pointer divides by it
  WM_HWIN hOther = CALENDAR_Create(hParent, 0, 0, 2024, 1, 1, 2, 9, WM_CF_SHOW);
  EXPECT_EQ(WM_GetWindowSizeX(hOther), 7 * 18);
  WM_Exec();
}

TEST_F(CalendarTest, ShownAndFocusedWithoutTheShowFlag) {
  WM_HWIN h = CALENDAR_Create(hParent, 0, 0, 2024, 1, 1, 2, 7, 0);
  EXPECT_TRUE(WM_IsVisible(h)) << "a dialog is shown once made";
  EXPECT_EQ(WM_GetFocusWindow(), h);
}

TEST_F(CalendarTest, PointerSelectsDaysAndButtonsPageMonths) {
  // March 2024, weeks from Monday: the 1st (a Friday) sits in column 4.
  WM_HWIN h = CALENDAR_Create(hParent, 10, 10, 2024, 3, 10, 2, 7, WM_CF_SHOW);
  CALENDAR_OBJ Obj = Record(h);
  EXPECT_EQ(CALENDAR__FirstColumn(&Obj), 4);
  WM_Exec();
  Heard().clear();
  // The 14th: index 4 + 13 = 17, column 3, week row 2 (top 25 + 13 + 26).
  Press(10 + 3 * 18 + 5, 10 + 25 + 13 + 26 + 5);
  Release(10 + 3 * 18 + 5, 10 + 25 + 13 + 26 + 5);
  EXPECT_EQ(Sel(h), (CALENDAR_DATE{2024, 3, 14}));
  EXPECT_EQ(Heard(), (std::vector<std::string>{"7:4", "7:1", "7:2"}));
  Heard().clear();
  Press(10 + 1 * 18 + 5, 10 + 25 + 13 + 5); // before the 1st: no day there
  Release(10 + 1 * 18 + 5, 10 + 25 + 13 + 5);
  EXPECT_EQ(Sel(h), (CALENDAR_DATE{2024, 3, 14}));
  EXPECT_EQ(Heard(), (std::vector<std::string>{"7:1", "7:2"}));
  Heard().clear();
  WM_HWIN hNext = WM_FindChildById(h, CALENDAR_ID_NEXT);
  int xNext = WM_GetWindowPosX(hNext) + 3, yNext = WM_GetWindowPosY(hNext) + 3;
  Press(xNext, yNext);
  Release(xNext, yNext);
  EXPECT_EQ(Header(h), "April 2024");
  EXPECT_EQ(Sel(h), (CALENDAR_DATE{2024, 3, 14})) << "paging keeps the selection";
  EXPECT_EQ(Heard(), std::vector<std::string>{"7:10"});
  Heard().clear();
  WM_HWIN hPrev = WM_FindChildById(h, CALENDAR_ID_PREV);
  for (int i = 0; i < 4; i++) {
    Press(WM_GetWindowPosX(hPrev) + 3, WM_GetWindowPosY(hPrev) + 3);
    Release(WM_GetWindowPosX(hPrev) + 3, WM_GetWindowPosY(hPrev) + 3);
  }
  EXPECT_EQ(Header(h), "December 2023");
  Heard().clear();
  WM_HWIN hText = WM_FindChildById(h, CALENDAR_ID_HEADER);
  Press(WM_GetWindowPosX(hText) + 20, WM_GetWindowPosY(hText) + 3);
  Release(WM_GetWindowPosX(hText) + 20, WM_GetWindowPosY(hText) + 3);
  EXPECT_EQ(widgettest::HeardCodes(11), std::vector<std::string>{"7:11"});
  EXPECT_EQ(widgettest::HeardCodes(12), std::vector<std::string>{"7:12"});
}

// June 2024 from Monday with the 15th selected and the 3rd as today; and February 2100 from Sunday with
// changed colours, the selection in another month.
TEST_F(CalendarTest, GoldenMonths) {
  WM_DeleteWindow(hParent);
  hParent = Parent(0, 0, 264, 128);
  WM_HWIN h = CALENDAR_Create(hParent, 4, 4, 2024, 6, 3, 2, 1, WM_CF_SHOW);
  CALENDAR_DATE d = {2024, 6, 15};
  CALENDAR_SetSel(h, &d);
  CALENDAR_SetDefaultBkColor(CALENDAR_CI_HEADER, 0x804000);
  CALENDAR_SetDefaultBkColor(CALENDAR_CI_WEEKEND, 0xC0E0FF);
  CALENDAR_SetDefaultColor(CALENDAR_CI_FRAME, 0x0000C0);
  WM_HWIN h2 = CALENDAR_Create(hParent, 4 + 7 * 18 + 4, 4, 2100, 2, 28, 1, 2, WM_CF_SHOW);
  d = {2100, 3, 1};
  CALENDAR_SetSel(h2, &d);
  CALENDAR_ShowDate(h2, &(d = {2100, 2, 1}));
  WM_Exec();
  EXPECT_TRUE(golden::Matches("widgets/calendar/months", golden::CaptureLCD(0, 0, 263, 127)));
  CALENDAR_SetDefaultBkColor(CALENDAR_CI_HEADER, 0xFF8080);
  CALENDAR_SetDefaultBkColor(CALENDAR_CI_WEEKEND, 0xD3D3D3);
  CALENDAR_SetDefaultColor(CALENDAR_CI_FRAME, 0x008000);
}

} // namespace
