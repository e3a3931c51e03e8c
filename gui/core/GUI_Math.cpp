// Integer arithmetic helpers: rounded division, sine and cosine, arc tangent and square root.
#include "GUI_Private.h"

#include <cmath>

I64 GUI__DivideRound64(I64 a, I64 b) {
  if (b == 0) {
    return 0;
  }
  if (b < 0) {
    a = -a;
    b = -b;
  }
  return (a >= 0) ? (a + b / 2) / b : -((-a + b / 2) / b);
}

I32 GUI__DivideRound32(I32 a, I32 b) { return (I32)GUI__DivideRound64(a, b); }

int GUI__DivideRound(int a, int b) { return (int)GUI__DivideRound32(a, b); }

I32 GUI__Sin1000(I32 Angle) {
  // Exact values at multiples of 90 degrees, everything else from the library sine, rounded.
  I32 a = Angle % 360000;
  if (a < 0) {
    a += 360000;
  }
  switch (a) {
    case 0:
    case 180000:
      return 0;
    case 90000:
      return 65536;
    case 270000:
      return -65536;
    default:
      return (I32)std::lround(std::sin((double)a * M_PI / 180000.0) * 65536.0);
  }
}

I32 GUI__Cos1000(I32 Angle) { return GUI__Sin1000((I32)(((I64)Angle + 90000) % 360000)); }

I32 GUI__Atan2(I32 x, I32 y) {
  if (x == 0 && y == 0) {
    return 0;
  }
  double Deg = std::atan2((double)y, (double)x) * 180.0 / M_PI;
  if (Deg < 0) {
    Deg += 360.0;
  }
  I64 v = std::llround(Deg * 65536.0);
  if (v >= 360LL * 65536) {
    v -= 360LL * 65536;
  }
  return (I32)v;
}

U32 GUI__Sqrt32(U32 v) {
  U32 r = 0;
  U32 Bit = 1u << 30;
  while (Bit > v) {
    Bit >>= 2;
  }
  while (Bit) {
    if (v >= r + Bit) {
      v -= r + Bit;
      r = (r >> 1) + Bit;
    } else {
      r >>= 1;
    }
    Bit >>= 2;
  }
  return r;
}
