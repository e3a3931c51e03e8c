// The calendar's dates: month lengths, the grid's first column, steps and the limits.
#include "SYS_Clock.h"
#include "UI_Calendar.h"

namespace {

int _HasUpper(const UI_CalendarParams* p) { return p->Upper >= p->Lower && p->Upper; }

uint32_t _Today(void) {
  SYS_TM t = SYS_GetClockTm();  // the tick sets the clock meanwhile
  return UI_PackDate(t.Day, t.Month + 1, t.Year + 1900);
}

}  // namespace

int UI_CalendarMonthLength(int Month, int Year) {
  static const uint8_t aDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (Month < 1 || Month > 12) return 0;
  if (Month == 2 && Year % 4 == 0 && (Year % 100 != 0 || Year % 400 == 0)) return 29;
  return aDays[Month - 1];
}

int UI_CalendarFirstColumn(int Month, int Year) { return (SYS_DayOfWeek(1, Month - 1, Year - 1900) + 6) % 7; }

uint32_t UI_CalendarShownDate(uint32_t Date) {
  int Month = UI_DateMonth(Date), Year = UI_DateYear(Date);
  int Day = UI_DateDay(Date), Len = UI_CalendarMonthLength(Month, Year);
  if (Day > Len) Day = Len;
  if (Day < 1) Day = 1;
  return UI_PackDate(Day, Month, Year);
}

uint32_t UI_CalendarStartDate(uint32_t Date) {
  int Month = UI_DateMonth(Date);
  return UI_CalendarShownDate(Month >= 1 && Month <= 12 ? Date : _Today());
}

int UI_CalendarDateAllowed(const UI_CalendarParams* p, uint32_t Date) {
  return Date >= p->Lower && (!_HasUpper(p) || Date <= p->Upper);
}

uint32_t UI_CalendarApplyCell(const UI_CalendarParams* p, int Cell) {
  uint32_t Date = UI_CalendarShownDate(p->Date);
  int Day = UI_DateDay(Date), Month = UI_DateMonth(Date), Year = UI_DateYear(Date);
  switch (Cell) {
    case UI_CAL_MONTH_BACK:
      if (Month > 1) {
        Month--;
      } else if (Year > UI_CAL_YEAR_MIN) {
        Month = 12;
        Year--;
      }
      break;
    case UI_CAL_MONTH_FORWARD:
      if (Month < 12) {
        Month++;
      } else if (Year < UI_CAL_YEAR_MAX) {
        Month = 1;
        Year++;
      }
      break;
    case UI_CAL_YEAR_BACK:
      if (Year > UI_CAL_YEAR_MIN) Year--;
      break;
    case UI_CAL_YEAR_FORWARD:
      if (Year < UI_CAL_YEAR_MAX) Year++;
      break;
    case UI_CAL_TODAY: return UI_CalendarShownDate(_Today());
    default:
      if (Cell < 0 || Cell >= UI_CAL_DAY_CELLS || UI_CalendarDayCellState(p, Cell) == UI_CAL_INACTIVE) return Date;
      return UI_PackDate(Cell - UI_CalendarFirstColumn(Month, Year) + 1, Month, Year);
  }
  return UI_CalendarShownDate(UI_PackDate(Day, Month, Year));
}

int UI_CalendarDayCellState(const UI_CalendarParams* p, int k) {
  uint32_t Date = UI_CalendarShownDate(p->Date);
  int Month = UI_DateMonth(Date), Year = UI_DateYear(Date);
  int Day = k - UI_CalendarFirstColumn(Month, Year) + 1;
  if (Day < 1 || Day > UI_CalendarMonthLength(Month, Year)) return UI_CAL_INACTIVE;
  if (!UI_CalendarDateAllowed(p, UI_PackDate(Day, Month, Year))) return UI_CAL_INACTIVE;
  return Day == UI_DateDay(Date) ? UI_CAL_SELECTED : UI_CAL_NORMAL;
}
