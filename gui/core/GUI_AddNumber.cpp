// Number formatting into 8-bit text: decimal with a shifted decimal separator, hexadecimal, binary.
#include "GUI.h"

char GUI__DecimalSeparator = '.';

namespace {

int _NumDigits(U32 v) {
  int n = 1;
  while (v >= 10) v /= 10, ++n;
  return n;
}

U32 _Magnitude(I32 v) { return v < 0 ? 0u - static_cast<U32>(v) : static_cast<U32>(v); }

} // namespace

int GUI_Long2Len(I32 v) { return _NumDigits(_Magnitude(v)) + (v < 0); }

void GUI_AddDecShift(I32 v, U8 Len, U8 Shift, char** ps) {
  char* s = *ps;
  int Room = Len;
  U32 Mag = _Magnitude(v); // also right for the most negative value
  if (v < 0) {
    *s++ = '-';
    --Room;
  }
  if (Shift > 9) Shift = 9;
  int NumDigits = Room - (Shift ? 1 : 0);
  int Need = _NumDigits(Mag);
  if (Need < Shift + 1) Need = Shift + 1;
  if (NumDigits < Need) NumDigits = Need;
  if (NumDigits > 10) NumDigits = 10;
  char aDigit[10];
  for (int i = NumDigits - 1; i >= 0; --i) {
    aDigit[i] = static_cast<char>('0' + Mag % 10);
    Mag /= 10;
  }
  for (int i = 0; i < NumDigits; ++i) {
    if (Shift && i == NumDigits - Shift) *s++ = GUI__DecimalSeparator;
    *s++ = aDigit[i];
  }
  *s = 0;
  *ps = s;
}

void GUI_AddDec(I32 v, U8 Len, char** ps) { GUI_AddDecShift(v, Len, 0, ps); }

void GUI_AddDecMin(I32 v, char** ps) { GUI_AddDecShift(v, 0, 0, ps); }

void GUI_AddHex(U32 v, U8 Len, char** ps) {
  static const char acHex[] = "0123456789ABCDEF";
  char* s = *ps;
  if (Len > 8) Len = 8;
  for (int i = Len - 1; i >= 0; --i) *s++ = acHex[v >> (4 * i) & 0xF];
  *s = 0;
  *ps = s;
}

void GUI_AddBin(U32 v, U8 Len, char** ps) {
  char* s = *ps;
  if (Len > 32) Len = 32;
  for (int i = Len - 1; i >= 0; --i) *s++ = static_cast<char>('0' + (v >> i & 1));
  *s = 0;
  *ps = s;
}

I32 GUI_AddPlusSign(I32 v, char** ps) {
  if (v >= 1) *(*ps)++ = '+';
  **ps = 0;
  return v;
}
