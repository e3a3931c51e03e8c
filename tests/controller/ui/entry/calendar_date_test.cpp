// The calendar's dates: Gregorian month lengths, steps across the year and at the ends of the range, days limited
// to their month, and the entry's limits.
#include <gtest/gtest.h>

#include "UI_Calendar.h"

namespace {

uint32_t D(int Day, int Month, int Year) { return UI_PackDate(Day, Month, Year); }
uint32_t After(uint32_t Date, int Cell) {
  UI_CalendarParams p = {0, 0x51, Date, 0, 0};
  return UI_CalendarApplyCell(&p, Cell);
}

TEST(CalendarDate, LeapYearsAndTheFirstColumn) {
  EXPECT_EQ(UI_CalendarMonthLength(2, 2024), 29);
  EXPECT_EQ(UI_CalendarMonthLength(2, 2100), 28);  // a century is no leap year unless divisible by 400
  EXPECT_EQ(UI_CalendarMonthLength(2, 2000), 29);
  EXPECT_EQ(UI_CalendarMonthLength(13, 2024), 0);
  EXPECT_EQ(UI_CalendarFirstColumn(3, 2026), 6);  // 1 March 2026 is a Sunday
}

TEST(CalendarDate, StepsCrossTheYearStopAtTheRangeAndKeepTheDayInItsMonth) {
  EXPECT_EQ(After(D(5, 12, 2024), UI_CAL_MONTH_FORWARD), D(5, 1, 2025));
  EXPECT_EQ(After(D(5, 1, 2025), UI_CAL_MONTH_BACK), D(5, 12, 2024));
  EXPECT_EQ(After(D(5, 1, 1900), UI_CAL_MONTH_BACK), D(5, 1, 1900));
  EXPECT_EQ(After(D(5, 6, 2200), UI_CAL_YEAR_FORWARD), D(5, 6, 2200));
  EXPECT_EQ(After(D(31, 3, 2024), UI_CAL_MONTH_FORWARD), D(30, 4, 2024));
  EXPECT_EQ(After(D(29, 2, 2024), UI_CAL_YEAR_FORWARD), D(28, 2, 2025));
  EXPECT_EQ(After(D(17, 4, 2026), 1), D(17, 4, 2026));  // a blank cell before the 1st changes nothing
  EXPECT_EQ(UI_CalendarStartDate(D(31, 6, 2300)), D(30, 6, 2300));
}

TEST(CalendarDate, DaysOutsideTheLimitsAreInactive) {
  UI_CalendarParams p = {0, 0x51, D(20, 6, 2024), D(15, 6, 2024), D(20, 12, 2025)};
  EXPECT_EQ(UI_CalendarDayCellState(&p, 5 + 13), UI_CAL_INACTIVE);  // June 2024 starts on a Saturday: the 14th
  EXPECT_EQ(UI_CalendarDayCellState(&p, 5 + 14), UI_CAL_NORMAL);
  EXPECT_EQ(UI_CalendarDayCellState(&p, 5 + 19), UI_CAL_SELECTED);
  EXPECT_EQ(UI_CalendarApplyCell(&p, 5 + 9), p.Date);  // the 10th cannot be chosen
  EXPECT_FALSE(UI_CalendarDateAllowed(&p, D(21, 12, 2025)));
  p.Upper = 0;  // no upper limit
  EXPECT_TRUE(UI_CalendarDateAllowed(&p, D(21, 12, 2025)));
}

}  // namespace
