// Numbers of the input simulation: the typed minimum and maximum as values in the unit's smallest step, and the
// board's raw readings (whole reports of the board) scaled between them. Integer arithmetic throughout, so a typed "1.15" is exactly 115
// hundredths and no product can wrap.
#include <cstdint>

#include "SIM_InputSimInternal.h"
#include "TXT_Number.h"

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

int SIM__GetInputDecimals(int Index) {
  uint32_t Unit = SIM_InputDescs[Index].Unit;
  return Unit < 0x10000 ? TXT_GetUnitDecimals(int(Unit)) : 0;
}

void SIM__GetInputRange(int Index, int32_t* pMin, int32_t* pMax) {
  int Decimals = SIM__GetInputDecimals(Index);
  *pMin = SIM_ParseLimit(SIM_InputValues[Index].acMin, Decimals);
  *pMax = SIM_ParseLimit(SIM_InputValues[Index].acMax, Decimals);
}

int SIM_DecodeBoardReport(const uint8_t* pReport, int NumBytes, int32_t* paValue) {
  if (!pReport || NumBytes != SIM_BOARD_REPORT_SIZE || pReport[0] != 0x00 || pReport[1] != 0x01) return 0;
  uint16_t Digital = uint16_t(pReport[34] | pReport[35] << 8);
  for (int i = 0; i < SIM_NUM_INPUTS; i++) {
    int Raw = pReport[2 + 2 * i] | pReport[3 + 2 * i] << 8;
    if (i >= 14 && SIM_InputDescs[i].Type == SIM_INPUT_DIGITAL) {
      paValue[i] = (Digital >> i) & 1;  // bit 14 for input 15, bit 15 for input 16
    } else {
      int32_t Min, Max;
      SIM__GetInputRange(i, &Min, &Max);
      paValue[i] = SIM_ScaleBoardValue(Raw, Min, Max);
    }
  }
  return 1;
}
