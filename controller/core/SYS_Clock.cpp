#include "SYS_Clock.h"

#include <cstdio>
#include <ctime>

#include "APP_Hooks.h"

SYS_TM SYS_ClockTm;
int64_t SYS_ClockSeconds;
int64_t SYS_ClockOffset;
SYS_SHARED<uint32_t> SYS_MsCounter;

void SYS_LocalTime(int64_t Seconds, SYS_TM* p) {
  time_t t = (time_t)Seconds;
  struct tm tm {};
  localtime_r(&t, &tm);
  p->Sec = tm.tm_sec;
  p->Min = tm.tm_min;
  p->Hour = tm.tm_hour;
  p->Day = tm.tm_mday;
  p->Month = tm.tm_mon;
  p->Year = tm.tm_year;
  p->WeekDay = tm.tm_wday;
  p->YearDay = tm.tm_yday;
  p->IsDst = tm.tm_isdst;
}

void OS_LocalTimeMinusHour(int64_t Seconds, SYS_TM* p) {
  if (p) SYS_LocalTime(Seconds - 3600, p);
}

void SYS_FormatStamp(int64_t Seconds, char* pOut) {
  if (Seconds == 0) {  // no moment was kept (a message that never arose): no text, not the clock's origin
    pOut[0] = 0;
    return;
  }
  SYS_TM t;
  OS_LocalTimeMinusHour(Seconds, &t);
  // Fields are bounded to their digits, so the text always fits its room.
  auto d = [](int32_t v, unsigned m) { return unsigned(v) % m; };
  snprintf(pOut, SYS_STAMP_LEN, "%02u.%02u.%04u %02u:%02u:%02u", d(t.Day, 100), d(t.Month + 1, 100),
           d(t.Year + 1900, 10000), d(t.Hour, 100), d(t.Min, 100), d(t.Sec, 100));
}

void SYS_UpdateClock(int64_t PcSeconds) {
  SYS_ClockSeconds = PcSeconds + SYS_ClockOffset;
  SYS_LocalTime(SYS_ClockSeconds, &SYS_ClockTm);
}

SYS_TM SYS_GetClockTm() {
  APP_DATA_LOCK Lock;
  return SYS_ClockTm;
}

int SYS_SetLocalTime(int Year, int Month1, int Day, int Hour, int Min, int Sec, int64_t PcSeconds) {
  if (Year < 1970 || Year > 2199 || Month1 < 1 || Month1 > 12 || Day < 1 || Day > 31 || Hour < 0 || Hour > 23 ||
      Min < 0 || Min > 59 || Sec < 0 || Sec > 59)
    return 0;
  struct tm tm {};
  tm.tm_year = Year - 1900;
  tm.tm_mon = Month1 - 1;
  tm.tm_mday = Day;
  tm.tm_hour = Hour;
  tm.tm_min = Min;
  tm.tm_sec = Sec;
  tm.tm_isdst = -1;
  time_t t = mktime(&tm);
  if (t == (time_t)-1 || tm.tm_mday != Day) return 0;  // 31 April and the like
  SYS_ClockOffset = (int64_t)t - PcSeconds;
  SYS_UpdateClock(PcSeconds);
  return 1;
}

// Computed wide: the fields may come from another node's answer and hold any value.
int SYS_DayOfWeek(int Day, int Month, int Year) {
  static const int t[12] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
  int64_t y = int64_t(Year) + 1900;
  if (Month < 0 || Month > 11) return 0;
  if (Month < 2) y--;
  int64_t r = (y + y / 4 - y / 100 + y / 400 + t[Month] + Day) % 7;
  return int(r < 0 ? r + 7 : r);
}
