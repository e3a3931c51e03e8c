// The controller clock and the system values the tick keeps.
#pragma once
#include <cstdint>

#include "SYS_Shared.h"

// Calendar fields in the order of the C library's calendar record: month 0-11, years since 1900, 0 = Sunday.
struct SYS_TM {
  int32_t Sec, Min, Hour, Day, Month, Year, WeekDay, YearDay, IsDst;
};
static_assert(sizeof(SYS_TM) == 36);

extern SYS_TM SYS_ClockTm;                  // controller clock as local calendar time (see SYS_GetClockTm)
extern int64_t SYS_ClockSeconds;            // controller clock: seconds since 1970-01-01 UTC
extern int64_t SYS_ClockOffset;             // set by the user: controller clock minus PC clock
extern SYS_SHARED<uint32_t> SYS_MsCounter;  // milliseconds since start, advanced by the tick

// Takes the clock from the PC clock plus the user's offset.
void SYS_UpdateClock(int64_t PcSeconds);
// A copy of SYS_ClockTm taken under the data mutex, under which the tick sets it once a second: for readers that
// do not hold the mutex already (the screens).
SYS_TM SYS_GetClockTm();
// Sets the controller clock to a local calendar time (the offset to the PC clock is kept from then on).
int SYS_SetLocalTime(int Year, int Month1, int Day, int Hour, int Min, int Sec, int64_t PcSeconds);
// Day of the week (0 = Sunday) of a date given as day of month, month 0-11, years since 1900.
int SYS_DayOfWeek(int Day, int Month, int Year);
// Local calendar time of Seconds - 3600.
void OS_LocalTimeMinusHour(int64_t Seconds, SYS_TM* pTm);
// Local calendar time of Seconds.
void SYS_LocalTime(int64_t Seconds, SYS_TM* pTm);
// "dd.mm.yyyy hh:mm:ss" of a time stamp kept as OS_LocalTimeMinusHour reads it (an hour ahead), terminated;
// at least SYS_STAMP_LEN characters of room. A stamp of 0 means none was kept: the text is empty.
constexpr int SYS_STAMP_LEN = 20;
void SYS_FormatStamp(int64_t Seconds, char* pOut);
