// Bounded writing of UTF-16 text, shared by the number and value formatters of this library.
#pragma once
#include <cstddef>
#include <cstdint>

// Writes into a buffer of Cap units, always leaving room for the terminator; what does not fit is dropped.
struct TXT_TEXT_OUT {
  char16_t* p;
  size_t Cap;
  size_t Len;
};

inline TXT_TEXT_OUT TXT__Out(char16_t* p, size_t Cap) { return TXT_TEXT_OUT{p, p ? Cap : 0, 0}; }

inline void TXT__PutChar(TXT_TEXT_OUT* pOut, char16_t c) {
  if (pOut->Len + 1 < pOut->Cap) {
    pOut->p[pOut->Len++] = c;
  }
}

// Terminates the text; returns the characters written, the terminator not counted.
inline int TXT__Finish(TXT_TEXT_OUT* pOut) {
  if (pOut->Cap) {
    pOut->p[pOut->Len] = 0;
  }
  return int(pOut->Len);
}

// Magnitude of a signed number, also of the most negative one.
inline uint64_t TXT__Magnitude(int64_t v) { return v < 0 ? uint64_t(0) - uint64_t(v) : uint64_t(v); }

void TXT__PutString(TXT_TEXT_OUT* pOut, const char16_t* s);
void TXT__PutAscii(TXT_TEXT_OUT* pOut, const char* s);
// A number zero-padded to at least MinDigits characters (a sign included); never cut.
void TXT__PutDigits(TXT_TEXT_OUT* pOut, int32_t Value, int MinDigits);
// A signed number with the decimal point Decimals digits from the right, zero-padded to Width characters
// (sign and point included), always with a digit before the point; never cut (the GUI's number text).
void TXT__PutDecShift(TXT_TEXT_OUT* pOut, int32_t Value, int Width, int Decimals);
// The plain number of a unit: its decimals, its natural width; Override >= 0 shows exactly that many
// decimals, cutting or padding with zeros (never rounding); TXT_DECIMALS_POINT_ONLY the integer part and
// the point.
void TXT__PutUnitNumber(TXT_TEXT_OUT* pOut, int32_t Value, int Unit, int Override);
