// Bounded formatted print of UTF-16 text for the dialogs' labels.
#include <cstdarg>
#include <cstdio>

#include "UI_Dialog.h"

int UI_FormatText(char16_t* pBuf, int Count, const char* sFormat, ...) {
  if (!pBuf || Count <= 0) return 0;
  int n = 0;
  auto Put = [&](char16_t c) {
    if (n < Count - 1) pBuf[n++] = c;
  };
  va_list Args;
  va_start(Args, sFormat);
  for (const char* f = sFormat; f && *f; f++) {
    if (*f != '%') {
      Put(char16_t(uint8_t(*f)));
      continue;
    }
    f++;
    if (!*f) break;
    if (*f == 'l' && f[1] == 's') {
      f++;
      const char16_t* s = va_arg(Args, const char16_t*);
      for (; s && *s; s++) Put(*s);
    } else if ((*f == 'h' && f[1] == 's') || *f == 's') {
      if (*f == 'h') f++;
      const char* s = va_arg(Args, const char*);
      for (; s && *s; s++) Put(char16_t(uint8_t(*s)));
    } else if (*f == 'd') {
      char ac[16];
      snprintf(ac, sizeof(ac), "%d", va_arg(Args, int));
      for (const char* s = ac; *s; s++) Put(char16_t(*s));
    } else if (*f == '%') {
      Put(u'%');
    } else {
      break;  // an unknown conversion ends the text
    }
  }
  va_end(Args);
  pBuf[n] = 0;
  return n;
}
