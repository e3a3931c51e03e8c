// Motion arithmetic: deceleration curve, snapping and the square root behind them. Speeds (pixels per
// second), decelerations (pixels per second squared) and times (ms) multiply beyond 32 bits, so every
// product is formed in 64 bits and results are clamped back into 32.
#include <climits>
#include <cmath>

#include "WM_Intern.h"
#include "WM_Motion.h"

namespace {

// Periods beyond this make the square of the period overflow 32 bits.
constexpr I32 MAX_SNAP_PERIOD = 46340;

I64 _SquaredPeriod(I32 Period) {
  I64 P = Period < 0 ? 0 : Period > MAX_SNAP_PERIOD ? MAX_SNAP_PERIOD : Period;
  return P * P / 1000;
}

// Square root of 2 * A * D, where the product may pass 64 bits.
I32 _SqrtTwice(I64 A, I64 D) {
  __int128 v = (__int128)A * D * 2;
  return v > INT64_MAX ? INT_MAX : WM_MOTION__Sqrt((I64)v);
}

} // namespace

I32 WM_MOTION__Sqrt(I64 v) {
  if (v <= 0) {
    return 0;
  }
  if (v <= (I64)UINT32_MAX) {
    return (I32)GUI__Sqrt32((U32)v);
  }
  I64 r = (I64)std::sqrt((long double)v);
  while (r * r > v) {
    r--;
  }
  while ((r + 1) * (r + 1) <= v) {
    r++;
  }
  return WM__ClampInt(r);
}

// In one division, so that short times with strong decelerations keep their second term (t * t / 1000
// alone is 0 below 32 ms).
I32 WM_MOTION__DecelPos(I32 V, I32 A, I32 t) {
  __int128 p = ((__int128)2000 * V * t - (__int128)A * t * t) / 2000000;
  return p > INT_MAX ? INT_MAX : p < INT_MIN ? INT_MIN : (I32)p;
}

I32 WM_MOTION__Mod(I32 Pos, I32 Snap) {
  if (Snap <= 0) {
    return 0;
  }
  I32 r = Pos % Snap;
  return r < 0 ? r + Snap : r;
}

void WM_MOTION__SnapFling(I32* pV, I32* pA, I32 Dir, I32 Pos, I32 Snap, I32 Period) {
  if (Snap <= 0) {
    return;
  }
  I32 p = WM_MOTION__Mod(Pos, Snap);
  I64 D;
  if (*pA > 0) {
    I64 d = (I64)*pV * *pV / (2 * (I64)*pA); // the natural stopping distance
    D = d / Snap * Snap + (Dir > 0 ? Snap - p : p);
  } else {
    // Without a deceleration the movement has no natural end: it goes to the next multiple.
    D = Dir > 0 ? Snap - p : (p ? p : Snap);
  }
  I64 T = _SquaredPeriod(Period);
  if (T == 0) {
    *pA = 100000;
    *pV = 1000;
    return;
  }
  I64 A = (I64)((__int128)D * 1000 / T);
  *pA = WM__ClampInt(A);
  *pV = _SqrtTwice(A, D);
}

void WM_MOTION__SnapRelease(I32* pV, I32* pA, I32* pDir, I32 Pos, I32 Snap, I32 Period) {
  if (Snap <= 0) {
    return;
  }
  I32 p = WM_MOTION__Mod(Pos, Snap);
  I64 D;
  if (p > Snap / 2) {
    *pDir = 1;
    D = Snap - p;
  } else {
    *pDir = -1;
    D = p;
  }
  I64 T = _SquaredPeriod(Period);
  if (T == 0) {
    *pA = 100000;
    *pV = 1000;
  } else if (D * 1000 < T) {
    *pA = 100;
    *pV = WM_MOTION__Sqrt(D * 200);
  } else {
    I64 A = D * 1000 / T;
    *pA = WM__ClampInt(A);
    *pV = _SqrtTwice(A, D);
  }
}

I32 WM_MOTION__FinalCorrection(I32 Pos, I32 Snap, I32 Dir) {
  if (Snap <= 0) {
    return 0;
  }
  I32 r = (I32)(((-(I64)Pos) % Snap + Snap) % Snap); // distance up to the next multiple
  if (Dir < 0) {
    r = (Snap - r) % Snap;
  }
  if (r > Snap / 2) {
    r -= Snap;
  }
  return r * (Dir < 0 ? -1 : 1);
}
