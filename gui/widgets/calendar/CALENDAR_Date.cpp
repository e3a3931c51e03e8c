// CALENDAR: Gregorian date arithmetic. The century rule applies: 1900 and 2100 have no 29 February.
#include "CALENDAR.h"

int CALENDAR__IsLeapYear(int Year) {
  return (Year % 4 == 0 && Year % 100 != 0) || Year % 400 == 0;
}

int CALENDAR__GetDaysOfMonth(int Year, int Month) {
  static const U8 aDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (Month < 1 || Month > 12) {
    return 0;
  }
  return aDays[Month - 1] + (Month == 2 && CALENDAR__IsLeapYear(Year) ? 1 : 0);
}

// Zeller's congruence: January and February count as months 13 and 14 of the year before.
int CALENDAR__GetWeekday(int Year, int Month, int Day) {
  if (Month < 3) {
    Month += 12;
    Year -= 1;
  }
  int c = Year / 100, r = Year % 100;
  return (r / 4 + 5 * c + Day + (Month + 1) * 26 / 10 + c / 4 + r) % 7;
}

int CALENDAR__IsValidDate(const CALENDAR_DATE& Date) {
  return Date.Year >= 1582 && Date.Year <= 9999 && Date.Month >= 1 && Date.Month <= 12 && Date.Day >= 0 &&
         Date.Day <= CALENDAR__GetDaysOfMonth(Date.Year, Date.Month);
}
