// CHOOSEFILE: the texts the dialog computes: entry sizes with their unit, the size comparison of the size
// column, and steps of the path. Every write stays inside its buffer: a path that would not fit is left as it
// was, never cut short.
#include <cstdio>
#include <cstring>

#include "CHOOSEFILE.h"

void CHOOSEFILE__SizeText(U32 SizeL, U32 SizeH, char* pBuffer, int MaxLen) {
  if (!pBuffer || MaxLen < 1) {
    return;
  }
  pBuffer[0] = 0;
  U32 Value;
  char Unit;
  if (SizeH) {
    if (SizeH > 255) {
      snprintf(pBuffer, (size_t)MaxLen, "???");
      return;
    }
    Value = (SizeL >> 20) | (SizeH << 12);
    Unit = 'M';
  } else if (SizeL <= 0x100000) {
    Value = SizeL, Unit = 'B';
  } else if (SizeL <= 0x40000000) {
    Value = SizeL >> 10, Unit = 'K';
  } else {
    Value = SizeL >> 20, Unit = 'M';
  }
  if (!Value) {
    return;
  }
  char acDigits[16];
  int n = snprintf(acDigits, sizeof(acDigits), "%u", (unsigned)Value);
  char ac[32];
  int j = 0;
  for (int i = 0; i < n; i++) {
    if (i && (n - i) % 3 == 0) {
      ac[j++] = '.';
    }
    ac[j++] = acDigits[i];
  }
  ac[j] = 0;
  snprintf(pBuffer, (size_t)MaxLen, "%s %c", ac, Unit);
}

namespace {

// B < K < M; an empty text (size 0) below all, "???" above all.
int _Rank(const char* s) {
  size_t n = strlen(s);
  switch (n ? s[n - 1] : 0) {
  case 0: return 0;
  case 'B': return 1;
  case 'K': return 2;
  case 'M': return 3;
  }
  return 4;
}

unsigned long long _Digits(const char* s) {
  unsigned long long v = 0;
  for (; *s; s++) {
    if (*s == '.') {
      continue;
    }
    if (*s < '0' || *s > '9') {
      break;
    }
    v = v * 10 + (unsigned)(*s - '0');
  }
  return v;
}

} // namespace

int CHOOSEFILE__CompareSize(const void* p0, const void* p1) {
  const char* s0 = p0 ? (const char*)p0 : "";
  const char* s1 = p1 ? (const char*)p1 : "";
  int r0 = _Rank(s0), r1 = _Rank(s1);
  if (r0 != r1) {
    return r0 > r1 ? -1 : 1;
  }
  unsigned long long v0 = _Digits(s0), v1 = _Digits(s1);
  return v0 > v1 ? -1 : v0 < v1 ? 1 : 0;
}

bool CHOOSEFILE__Up(char* pRoot, char Delim) {
  int n = (int)strnlen(pRoot, CHOOSEFILE_MAXLEN - 1);
  for (int i = n - 2; i >= 0; i--) {
    if (pRoot[i] == Delim) {
      pRoot[i + 1] = 0;
      return true;
    }
  }
  return false; // a root such as "C:\" has nowhere to go
}

bool CHOOSEFILE__Append(char* pRoot, const char* pName, const char* pSep, const char* pExt) {
  size_t n = strnlen(pRoot, CHOOSEFILE_MAXLEN - 1);
  size_t Add = strlen(pName ? pName : "") + strlen(pSep ? pSep : "") + strlen(pExt ? pExt : "");
  if (n + Add >= CHOOSEFILE_MAXLEN) {
    return false;
  }
  snprintf(pRoot + n, CHOOSEFILE_MAXLEN - n, "%s%s%s", pName ? pName : "", pSep ? pSep : "", pExt ? pExt : "");
  return true;
}
