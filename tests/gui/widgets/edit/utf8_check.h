// Strict UTF-8 check for the text widgets' random tests: well-formed sequences of at most three bytes (the
// GUI's 16-bit characters), no overlong forms, no surrogates. -> number of characters, -1 when malformed.
#pragma once
#include <random>
#include <vector>

inline int Utf8Chars(const char* s) {
  const unsigned char* p = (const unsigned char*)s;
  int n = 0;
  while (*p) {
    unsigned c = *p;
    int Size = c < 0x80 ? 1 : (c >= 0xC2 && c <= 0xDF) ? 2 : (c >= 0xE0 && c <= 0xEF) ? 3 : 0;
    if (!Size) {
      return -1;
    }
    unsigned Code = Size == 1 ? c : Size == 2 ? c & 0x1F : c & 0x0F;
    for (int i = 1; i < Size; i++) {
      if ((p[i] & 0xC0) != 0x80) {
        return -1;
      }
      Code = Code << 6 | (p[i] & 0x3F);
    }
    if ((Size == 3 && Code < 0x800) || (Code >= 0xD800 && Code <= 0xDFFF)) {
      return -1;
    }
    p += Size;
    n++;
  }
  return n;
}

// A random key of the kinds a user or a broken host might send: printable, multi-byte (surrogates and
// non-characters included), editing and control keys, and values outside 16 bits.
inline int RandomKey(std::mt19937& Rng) {
  static const int aControl[] = {8, 9, 13, 16, 17, 18, 19, 23, 24, 27, 29, 30, 1, 31, 127};
  switch (Rng() % 8) {
  case 0:
  case 1:
  case 2:
    return 32 + (int)(Rng() % 95);
  case 3:
    return 0x80 + (int)(Rng() % 0x780);
  case 4:
    return 0x800 + (int)(Rng() % 0xF800);
  case 5:
    return (int)(Rng() % 3) == 0 ? 0xD800 + (int)(Rng() % 0x800) : 0x10000 + (int)(Rng() % 0x10000);
  default:
    return aControl[Rng() % (sizeof(aControl) / sizeof(aControl[0]))];
  }
}
