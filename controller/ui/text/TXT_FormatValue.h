// Value-to-text formatting: a controller value (an integer in the smallest step of its unit) and its unit
// index become the text that the screens show.
#pragma once
#include <cstddef>
#include <cstdint>

#include "TXT_Number.h"

// Unit indices with a presentation of their own; every other index below TXT_NUM_UNITS is a plain number.
enum {
  TXT_UNIT_NONE = 0,
  TXT_UNIT_TEMPERATURE = 1,
  TXT_UNIT_SECONDS = 4,      // duration: days, hours, minutes, seconds
  TXT_UNIT_MINUTES = 5,      // duration: days, hours, minutes
  TXT_UNIT_HOURS = 15,
  TXT_UNIT_DAYS = 16,
  TXT_UNIT_OFF_ON = 43,
  TXT_UNIT_NO_YES = 44,
  TXT_UNIT_ROOM_MODE = 45,
  TXT_UNIT_ROOM_SENSOR = 46, // temperature in the low 9 bits, room-sensor mode in bits 9-10
  TXT_UNIT_MIXER = 47,
  TXT_UNIT_OPERATING_MODE = 48,
  TXT_UNIT_MODE_SOURCE = 49,
  TXT_UNIT_TWO_PERCENT = 55, // bits 8-14 and bits 0-6
  TXT_UNIT_TENTHS = 57,      // duration in tenths of a second
  TXT_UNIT_PERCENT7 = 59,    // bits 0-6
  TXT_UNIT_TIME_OF_DAY = 60, // minutes since midnight
  TXT_UNIT_DAY_MONTH = 61,   // (month - 1) * 31 + (day - 1)
  TXT_UNIT_DATE = 62,        // day bits 0-7, month bits 8-15, year bits 16-27
  TXT_UNIT_MONTH_YEAR = 64,  // year * 12 + month - 1
};

// Sensor codes of a temperature input: interruption and short circuit.
constexpr int32_t TXT_SENSOR_OPEN = 16383;
constexpr int32_t TXT_SENSOR_SHORT = -16384;

// Buffer length (UTF-16 units) that holds every value text.
constexpr size_t TXT_VALUE_TEXT_MAX = 64;

// Writes the text of Value in Unit into pOut (OutLen units) and returns the units written including the
// terminator, 0 when nothing was written (unit index out of range, enumeration value without a text, a
// negative date). WithUnit non-zero appends a blank and the unit text to plain numbers; Decimals -1 takes
// the unit's decimals, 0 or more shows exactly that many (cut or padded, never rounded), -2 the integer part
// and the decimal point. FirstPartOnly
// non-zero stops a room-sensor value after its temperature. Text that does not fit is cut.
int TXT_FormatValue(int32_t Value, int Unit, char16_t* pOut, size_t OutLen, int FirstPartOnly, int WithUnit,
                    int Decimals);

// The time fields of a value entry: field a, the value, field b, the unit index.
struct TXT_VALUE_RECORD {
  uint32_t FieldA;
  int32_t Value;
  uint32_t FieldB;
  uint32_t Unit;
};

// Seconds become whole minutes (at most 59), unit 5.
void TXT_SecondsToMinutes(TXT_VALUE_RECORD* pRec);
// Seconds are limited to 59, unit 4.
void TXT_LimitSeconds(TXT_VALUE_RECORD* pRec);
// Seconds become whole hours (at most 23), unit 15.
void TXT_SecondsToHours(TXT_VALUE_RECORD* pRec);
// Seconds become whole days, unit 16.
void TXT_SecondsToDays(TXT_VALUE_RECORD* pRec);
