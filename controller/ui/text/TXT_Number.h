// Number texts of the controller's values: decimals by unit index and the digit routines under the value
// formatter. Every routine writes 8-bit digits widened to UTF-16 into a buffer of OutLen units, terminates
// it, and returns the characters written (the terminator not counted); what does not fit is dropped.
#pragma once
#include <cstddef>
#include <cstdint>

enum {
  TXT_NUM_UNITS = 68,      // unit indices 0..67; 255 counts as 0
  TXT_UNIT_NONE_ALIAS = 255,
};

// Decimals arguments: the unit's own decimals, or the integer part followed by the decimal point.
enum { TXT_DECIMALS_TABLE = -1, TXT_DECIMALS_POINT_ONLY = -2 };

// Decimals of a unit index (255 as 0; the value is stored in the smallest step of its unit); 0 for indices
// outside the table.
int TXT_GetUnitDecimals(int Unit);

// The decimal separator of number texts (the GUI's, a point by default).
char16_t TXT_GetDecimalSeparator();

// Characters of a number with the given decimals at its natural width: sign, a digit before the point,
// the point and the decimals (5 with 1 decimal is "0.5", 3 characters; -5 with 2 is "-0.05", 5).
uint8_t TXT_NumberWidth(int Decimals, int32_t Value);

// Value with Decimals decimals, zero-padded to Width characters (sign and point included).
int TXT_DecShiftToText(int32_t Value, int Width, int Decimals, char16_t* pOut, size_t OutLen);
// Value zero-padded to at least Digits characters, a minus sign of a negative value included.
int TXT_FixedDigits(int32_t Value, int Digits, char16_t* pOut, size_t OutLen);
// Value in decimal without padding.
int TXT_PlainNumber(int32_t Value, char16_t* pOut, size_t OutLen);
// Value with the unit's decimals, zero-padded to Width characters.
int TXT_FixedDecimal(int32_t Value, int Width, int Unit, char16_t* pOut, size_t OutLen);
// Value with the unit's decimals at its natural width.
int TXT_UnitNumber(int32_t Value, int Unit, char16_t* pOut, size_t OutLen);
// As TXT_UnitNumber; Decimals >= 0 shows exactly that many decimals, cutting or padding with zeros;
// TXT_DECIMALS_POINT_ONLY shows the integer part and the decimal point.
int TXT_UnitNumberOverride(int32_t Value, int Unit, char16_t* pOut, size_t OutLen, int Decimals);
