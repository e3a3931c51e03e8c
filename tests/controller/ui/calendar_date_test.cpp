// The calendar's dates: month lengths and the grid, steps across the year and at the ends of the range, days
// limited to their month, and the entry's limits.
#include <gtest/gtest.h>

#include "SYS_Clock.h"
#include "UI_Calendar.h"

namespace {

uint32_t D(int Day, int Month, int Year) { return UI_PackDate(Day, Month, Year); }

// The date after a release on a cell, from Date with the given limits.
uint32_t After(uint32_t Date, int Cell, uint32_t Lower = 0, uint32_t Upper = 0) {
  UI_CalendarParams p = {0, 0x51, Date, Lower, Upper};
  return UI_CalendarApplyCell(&p, Cell);
}

TEST(CalendarDate, MonthLengthsFollowTheGregorianLeapYears) {
  EXPECT_EQ(UI_CalendarMonthLength(2, 2024), 29);
  EXPECT_EQ(UI_CalendarMonthLength(2, 2023), 28);
  EXPECT_EQ(UI_CalendarMonthLength(2, 2100), 28);  // a century is no leap year ...
  EXPECT_EQ(UI_CalendarMonthLength(2, 2000), 29);  // ... unless divisible by 400
  EXPECT_EQ(UI_CalendarMonthLength(4, 2024), 30);
  EXPECT_EQ(UI_CalendarMonthLength(12, 2024), 31);
  EXPECT_EQ(UI_CalendarMonthLength(0, 2024), 0);
  EXPECT_EQ(UI_CalendarMonthLength(13, 2024), 0);
  // The grid starts on Monday: 1 March 2026 is a Sunday, 1 April a Wednesday, 1 December 2025 a Monday.
  EXPECT_EQ(UI_CalendarFirstColumn(3, 2026), 6);
  EXPECT_EQ(UI_CalendarFirstColumn(4, 2026), 2);
  EXPECT_EQ(UI_CalendarFirstColumn(12, 2025), 0);
}

TEST(CalendarDate, StepsCrossTheYearAndStopAtTheEndsOfTheRange) {
  EXPECT_EQ(After(D(5, 12, 2024), UI_CAL_MONTH_FORWARD), D(5, 1, 2025));
  EXPECT_EQ(After(D(5, 1, 2025), UI_CAL_MONTH_BACK), D(5, 12, 2024));
  EXPECT_EQ(After(D(5, 1, 1900), UI_CAL_MONTH_BACK), D(5, 1, 1900));
  EXPECT_EQ(After(D(5, 12, 2200), UI_CAL_MONTH_FORWARD), D(5, 12, 2200));
  EXPECT_EQ(After(D(5, 6, 1900), UI_CAL_YEAR_BACK), D(5, 6, 1900));
  EXPECT_EQ(After(D(5, 6, 2200), UI_CAL_YEAR_FORWARD), D(5, 6, 2200));
  EXPECT_EQ(After(D(5, 6, 2024), UI_CAL_YEAR_FORWARD), D(5, 6, 2025));
  // A day the new month lacks becomes its last day, so no step leaves a date that does not exist.
  EXPECT_EQ(After(D(31, 3, 2024), UI_CAL_MONTH_FORWARD), D(30, 4, 2024));
  EXPECT_EQ(After(D(29, 2, 2024), UI_CAL_YEAR_FORWARD), D(28, 2, 2025));
  EXPECT_EQ(UI_CalendarShownDate(D(31, 4, 2024)), D(30, 4, 2024));
  EXPECT_EQ(UI_CalendarShownDate(D(0, 4, 2024)), D(1, 4, 2024));
}

TEST(CalendarDate, DayCellsTodayAndTheStartDate) {
  // April 2026 starts in column 2: cell 2 is the 1st, cell 31 the 30th; blank cells change nothing.
  EXPECT_EQ(After(D(17, 4, 2026), 2), D(1, 4, 2026));
  EXPECT_EQ(After(D(17, 4, 2026), 31), D(30, 4, 2026));
  EXPECT_EQ(After(D(17, 4, 2026), 1), D(17, 4, 2026));
  EXPECT_EQ(After(D(17, 4, 2026), 32), D(17, 4, 2026));
  SYS_TM Saved = SYS_ClockTm;
  SYS_ClockTm.Day = 9;
  SYS_ClockTm.Month = 10;
  SYS_ClockTm.Year = 125;
  EXPECT_EQ(After(D(17, 4, 2026), UI_CAL_TODAY), D(9, 11, 2025));
  // A date without a valid month (an entry never set) opens on today; others open as they are.
  EXPECT_EQ(UI_CalendarStartDate(0), D(9, 11, 2025));
  EXPECT_EQ(UI_CalendarStartDate(D(3, 13, 2025)), D(9, 11, 2025));
  EXPECT_EQ(UI_CalendarStartDate(D(31, 6, 2300)), D(30, 6, 2300));
  SYS_ClockTm = Saved;
}

TEST(CalendarDate, DaysOutsideTheLimitsAreInactiveAndCannotBeChosen) {
  const uint32_t Lower = D(15, 6, 2024), Upper = D(20, 12, 2025);
  UI_CalendarParams p = {0, 0x51, D(20, 6, 2024), Lower, Upper};
  // June 2024 starts on a Saturday (column 5): cells up to the 14th (cell 18) are inactive.
  EXPECT_EQ(UI_CalendarDayCellState(&p, 18), UI_CAL_INACTIVE);
  EXPECT_EQ(UI_CalendarDayCellState(&p, 19), UI_CAL_NORMAL);
  EXPECT_EQ(UI_CalendarDayCellState(&p, 24), UI_CAL_SELECTED);
  EXPECT_EQ(After(p.Date, 14, Lower, Upper), p.Date);  // the 10th
  EXPECT_FALSE(UI_CalendarDateAllowed(&p, D(10, 6, 2024)));
  EXPECT_TRUE(UI_CalendarDateAllowed(&p, Lower));
  // May 2024 lies wholly before the limit.
  p.Date = D(20, 5, 2024);
  for (int k = 0; k < UI_CAL_DAY_CELLS; k++) EXPECT_EQ(UI_CalendarDayCellState(&p, k), UI_CAL_INACTIVE) << k;
  // The upper limit greys the days after it; an upper limit below the lower one is none.
  p.Date = D(1, 12, 2025);
  EXPECT_EQ(UI_CalendarDayCellState(&p, 19), UI_CAL_NORMAL);  // the 20th
  EXPECT_EQ(UI_CalendarDayCellState(&p, 20), UI_CAL_INACTIVE);
  EXPECT_FALSE(UI_CalendarDateAllowed(&p, D(21, 12, 2025)));
  p.Upper = 0;
  EXPECT_TRUE(UI_CalendarDateAllowed(&p, D(21, 12, 2025)));
}

}  // namespace
