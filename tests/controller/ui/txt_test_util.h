// Helpers of the text-table and value-text tests.
#pragma once
#include <string>

// UTF-16 to UTF-8, so that expectations are written and printed as plain strings.
inline std::string TxtUtf8(const char16_t* s) {
  std::string r;
  for (; s && *s; s++) {
    char32_t c = *s;
    if (c >= 0xD800 && c < 0xDC00 && s[1] >= 0xDC00 && s[1] < 0xE000) {
      c = 0x10000 + ((c - 0xD800) << 10) + (char32_t(*++s) - 0xDC00);
    }
    if (c < 0x80) {
      r += char(c);
    } else if (c < 0x800) {
      r += char(0xC0 | c >> 6);
      r += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      r += char(0xE0 | c >> 12);
      r += char(0x80 | (c >> 6 & 0x3F));
      r += char(0x80 | (c & 0x3F));
    } else {
      r += char(0xF0 | c >> 18);
      r += char(0x80 | (c >> 12 & 0x3F));
      r += char(0x80 | (c >> 6 & 0x3F));
      r += char(0x80 | (c & 0x3F));
    }
  }
  return r;
}
