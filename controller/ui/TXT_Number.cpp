#include "TXT_Number.h"

#include "TXT_TextOut.h"

namespace {

// Decimals and padded digits beyond these are not asked for by any caller; they bound the work.
constexpr int _kMaxDecimals = 20;
constexpr int _kMaxDigits = 32;

int _DigitCount(uint64_t m) {
  int n = 1;
  while (m >= 10) {
    m /= 10;
    n++;
  }
  return n;
}

} // namespace

const int8_t TXT_UnitDecimals[TXT_NUM_UNITS] = {
    0, 1, 0, 0, 0, 0, 1, 1, 1, 0, // 0-9
    2, 1, 0, 2, 1, 0, 0, 0, 2, 0, // 10-19
    0, 2, 0, 2, 2, 0, 0, 0, 0, 5, // 20-29
    5, 5, 5, 5, 5, 0, 0, 0, 0, 0, // 30-39
    0, 0, 0, 0, 0, 0, 1, 0, 0, 0, // 40-49
    2, 2, 1, 5, 1, 0, 6, 1, 1, 0, // 50-59
    0, 0, 0, 1, 0, 1, 0, 0,       // 60-67
};

int TXT_GetUnitDecimals(int Unit) {
  if (Unit == TXT_UNIT_NONE_ALIAS) {
    Unit = 0;
  }
  return Unit >= 0 && Unit < TXT_NUM_UNITS ? TXT_UnitDecimals[Unit] : 0;
}

char16_t TXT_GetDecimalSeparator() { return u'.'; }

void TXT__PutString(TXT_TEXT_OUT* pOut, const char16_t* s) {
  for (; s && *s; s++) {
    TXT__PutChar(pOut, *s);
  }
}

void TXT__PutAscii(TXT_TEXT_OUT* pOut, const char* s) {
  for (; s && *s; s++) {
    TXT__PutChar(pOut, char16_t(uint8_t(*s)));
  }
}

void TXT__PutDigits(TXT_TEXT_OUT* pOut, uint64_t Magnitude, int MinDigits) {
  int n = _DigitCount(Magnitude);
  for (int i = n; i < MinDigits; i++) {
    TXT__PutChar(pOut, u'0');
  }
  uint64_t Div = 1;
  for (int i = 1; i < n; i++) {
    Div *= 10;
  }
  for (; Div; Div /= 10) {
    TXT__PutChar(pOut, char16_t(u'0' + Magnitude / Div % 10));
  }
}

void TXT__PutDecShift(TXT_TEXT_OUT* pOut, int64_t Value, int Width, int Decimals) {
  Decimals = Decimals < 0 ? 0 : Decimals > _kMaxDecimals ? _kMaxDecimals : Decimals;
  int Digits = Width - (Value < 0) - (Decimals > 0);
  if (Digits < Decimals + 1) {
    Digits = Decimals + 1;
  }
  // Least significant digit first, then the padding zeros.
  char acDigit[_kMaxDigits];
  int n = 0;
  uint64_t m = TXT__Magnitude(Value);
  do {
    acDigit[n++] = char('0' + m % 10);
    m /= 10;
  } while (m);
  while (n < Digits && n < _kMaxDigits) {
    acDigit[n++] = '0';
  }
  if (Value < 0) {
    TXT__PutChar(pOut, u'-');
  }
  while (n--) {
    TXT__PutChar(pOut, char16_t(acDigit[n]));
    if (n == Decimals && Decimals > 0) {
      TXT__PutChar(pOut, TXT_GetDecimalSeparator());
    }
  }
}

uint8_t TXT_NumberWidth(int Decimals, int32_t Value) {
  int d = Decimals < 0 ? 0 : Decimals;
  int n = _DigitCount(TXT__Magnitude(Value));
  if (Value >= 0) {
    if (n <= d) {
      n = d + 1;
    }
  } else {
    n += 1;
    if (n <= d + 1) {
      n = d + 2;
    }
  }
  if (d >= 1) {
    n += 1;
  }
  return uint8_t(n);
}

void TXT__PutUnitNumber(TXT_TEXT_OUT* pOut, int32_t Value, int Unit, int Override) {
  int d = TXT_GetUnitDecimals(Unit);
  if (Override < 0 && Override != TXT_DECIMALS_POINT_ONLY) {
    TXT__PutDecShift(pOut, Value, TXT_NumberWidth(d, Value), d);
    return;
  }
  // Write the full text aside, then copy the integer part and exactly Override decimals.
  char16_t acFull[48];
  TXT_TEXT_OUT Full = TXT__Out(acFull, sizeof acFull / sizeof acFull[0]);
  TXT__PutDecShift(&Full, Value, TXT_NumberWidth(d, Value), d);
  const char16_t Sep = TXT_GetDecimalSeparator();
  size_t i = 0;
  for (; i < Full.Len && acFull[i] != Sep; i++) {
    TXT__PutChar(pOut, acFull[i]);
  }
  if (Override == TXT_DECIMALS_POINT_ONLY) {
    TXT__PutChar(pOut, Sep);
    return;
  }
  if (Override == 0) {
    return;
  }
  if (Override > _kMaxDecimals) {
    Override = _kMaxDecimals;
  }
  TXT__PutChar(pOut, Sep);
  i++; // past the separator, if there was one
  for (int k = 0; k < Override; k++, i++) {
    TXT__PutChar(pOut, i < Full.Len ? acFull[i] : u'0');
  }
}

int TXT_DecShiftToText(int32_t Value, int Width, int Decimals, char16_t* pOut, size_t OutLen) {
  TXT_TEXT_OUT Out = TXT__Out(pOut, OutLen);
  TXT__PutDecShift(&Out, Value, Width, Decimals);
  return TXT__Finish(&Out);
}

int TXT_FixedDigits(int32_t Value, int Digits, char16_t* pOut, size_t OutLen) {
  TXT_TEXT_OUT Out = TXT__Out(pOut, OutLen);
  if (Value < 0) {
    TXT__PutChar(&Out, u'-');
  }
  TXT__PutDigits(&Out, TXT__Magnitude(Value), Digits);
  return TXT__Finish(&Out);
}

int TXT_PlainNumber(int32_t Value, char16_t* pOut, size_t OutLen) { return TXT_FixedDigits(Value, 1, pOut, OutLen); }

int TXT_FixedDecimal(int32_t Value, int Width, int Unit, char16_t* pOut, size_t OutLen) {
  return TXT_DecShiftToText(Value, Width, TXT_GetUnitDecimals(Unit), pOut, OutLen);
}

int TXT_UnitNumber(int32_t Value, int Unit, char16_t* pOut, size_t OutLen) {
  return TXT_UnitNumberOverride(Value, Unit, pOut, OutLen, -1);
}

int TXT_UnitNumberOverride(int32_t Value, int Unit, char16_t* pOut, size_t OutLen, int Decimals) {
  TXT_TEXT_OUT Out = TXT__Out(pOut, OutLen);
  TXT__PutUnitNumber(&Out, Value, Unit, Decimals);
  return TXT__Finish(&Out);
}
