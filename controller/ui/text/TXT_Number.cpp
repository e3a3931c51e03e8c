#include "TXT_Number.h"

#include "FKT_Base.h"
#include "GUI.h"
#include "TXT_TextOut.h"

namespace {

// Decimals beyond these are not asked for by any caller; they bound the work.
constexpr int _kMaxDecimals = 20;

} // namespace

int TXT_GetUnitDecimals(int Unit) {
  if (Unit == TXT_UNIT_NONE_ALIAS) {
    Unit = 0;
  }
  return PAR_UnitDecimals(Unit);
}

char16_t TXT_GetDecimalSeparator() { return char16_t(uint8_t(GUI__DecimalSeparator)); }

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

void TXT__PutDigits(TXT_TEXT_OUT* pOut, int32_t Value, int MinDigits) { TXT__PutDecShift(pOut, Value, MinDigits, 0); }

void TXT__PutDecShift(TXT_TEXT_OUT* pOut, int32_t Value, int Width, int Decimals) {
  char acText[24]; // sign, at most 10 digits, the separator, the terminator
  char* s = acText;
  GUI_AddDecShift(Value, uint8_t(Width < 0 ? 0 : Width > 12 ? 12 : Width),
                  uint8_t(Decimals < 0 ? 0 : Decimals > _kMaxDecimals ? _kMaxDecimals : Decimals), &s);
  TXT__PutAscii(pOut, acText);
}

uint8_t TXT_NumberWidth(int Decimals, int32_t Value) {
  int d = Decimals < 0 ? 0 : Decimals;
  int n = GUI_Long2Len(Value); // the digits and a sign
  if (Value >= 0 && n <= d) {
    n = d + 1;
  } else if (Value < 0 && n <= d + 1) {
    n = d + 2;
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
  return TXT_DecShiftToText(Value, Digits, 0, pOut, OutLen);
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
