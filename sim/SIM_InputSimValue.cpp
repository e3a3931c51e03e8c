// Numbers of the input simulation: the typed minimum and maximum as values in the unit's smallest step, and the
// board's raw readings scaled between them. Integer arithmetic throughout, so a typed "1.15" is exactly 115
// hundredths and no product can wrap.
#include <cstdint>

#include "SIM_InputSim.h"

static int32_t _Clamp32(int64_t v) {
  if (v > INT32_MAX) return INT32_MAX;
  if (v < INT32_MIN) return INT32_MIN;
  return int32_t(v);
}

int32_t SIM_ParseLimit(const char* s, int Decimals) {
  if (!s) return 0;
  if (Decimals < 0) Decimals = 0;
  while (*s == ' ' || *s == '\t') s++;
  bool Negative = false;
  if (*s == '-' || *s == '+') Negative = (*s++ == '-');
  // Beyond this every further digit would push the value out of 32 bits anyway: stop counting there.
  const int64_t Limit = int64_t(1) << 40;
  int64_t v = 0;
  bool Digits = false;
  for (; *s >= '0' && *s <= '9'; s++) {
    Digits = true;
    if (v < Limit) v = v * 10 + (*s - '0');
  }
  int NumFraction = 0;
  if (*s == '.' || *s == ',') {
    for (s++; *s >= '0' && *s <= '9'; s++) {
      Digits = true;
      if (NumFraction < Decimals) {  // further decimals are cut off: truncation toward zero
        if (v < Limit) v = v * 10 + (*s - '0');
        NumFraction++;
      }
    }
  }
  if (!Digits) return 0;
  for (; NumFraction < Decimals; NumFraction++) {
    if (v < Limit) v *= 10;
  }
  return _Clamp32(Negative ? -v : v);
}

int32_t SIM_ScaleBoardValue(int Raw, int32_t Min, int32_t Max) {
  int64_t v = int64_t(Raw) * (int64_t(Max) - int64_t(Min)) / 4093 + Min;  // 4093 is the board's full scale
  return _Clamp32(v);
}
