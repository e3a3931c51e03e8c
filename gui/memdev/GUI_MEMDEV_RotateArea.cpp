// Area-average sampling of the rotation. The general sampler walks every cell of the square; when one
// destination pixel covers at most one source pixel (magnification 1000 or more) and the four source pixels
// under it are opaque, the average has a short form, which the row routine takes in plain code or eight
// pixels at a time with AVX2. Every form gives the same bytes as the general sampler.
#include "GUI_MEMDEV_RotateArea.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <type_traits>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace {

inline U32 _Round(U64 a, U64 b) {
  // Most sums fit 32 bits, whose division is much the cheaper.
  if ((a | b) >> 31) return (U32)((a + b / 2) / b);
  return ((U32)a + (U32)b / 2) / (U32)b;
}

// Weight of a cell side: 1/4096 of a pixel, a whole pixel or more counting 4096.
inline U32 _Side(I64 Len) { return Len >= 65536 ? 4096u : (U32)(Len >> 4); }

// Sample of a square no larger than one pixel whose four pixels lie inside the source and are opaque;
// false when that does not hold (the general sampler then decides).
inline bool _SampleOpaque4(const U32* pSrc, int W, int H, I64 sx, I64 sy, I64 Box, U32* pResult) {
  const I64 x0 = sx - (Box >> 1), y0 = sy - (Box >> 1);
  const I64 ix = x0 >> 16, iy = y0 >> 16;
  if (ix < 0 || iy < 0 || ix + 1 >= W || iy + 1 >= H) return false;
  const U32* p = pSrc + iy * W + ix;
  const U32 p00 = p[0], p01 = p[1], p10 = p[W], p11 = p[W + 1];
  if ((p00 | p01 | p10 | p11) >> 24) return false;
  const I64 fx = x0 & 0xFFFF, fy = y0 & 0xFFFF;
  const U32 wx0 = _Side(std::min<I64>(Box, 65536 - fx)), wx1 = _Side(std::max<I64>(Box + fx - 65536, 0));
  const U32 wy0 = _Side(std::min<I64>(Box, 65536 - fy)), wy1 = _Side(std::max<I64>(Box + fy - 65536, 0));
  const U32 w00 = (wx0 * wy0) >> 12, w01 = (wx1 * wy0) >> 12, w10 = (wx0 * wy1) >> 12, w11 = (wx1 * wy1) >> 12;
  const U32 cw = w00 + w01 + w10 + w11;
  if (!cw) return false;
  U32 r = 0;
  for (int Shift = 0; Shift < 24; Shift += 8) {
    U32 Sum = w00 * ((p00 >> Shift) & 0xFF) + w01 * ((p01 >> Shift) & 0xFF) + w10 * ((p10 >> Shift) & 0xFF) +
              w11 * ((p11 >> Shift) & 0xFF);
    r |= _Round(Sum, cw) << Shift;
  }
  *pResult = r;
  return true;
}

inline void _Pixel(const U32* pSrc, int W, int H, U32* pDst, I64 sx, I64 sy, I64 Box) {
  U32 q;
  if (Box <= 65536 && _SampleOpaque4(pSrc, W, H, sx, sy, Box, &q)) {
    *pDst = q;
  } else {
    GUI_MEMDEV__PutPlain(pDst, GUI_MEMDEV__SampleArea(pSrc, W, H, sx, sy, Box));
  }
}

#if defined(__x86_64__)
// One colour channel (bits Shift .. Shift + 7) of the weighted average, in place.
template <int Shift>
__attribute__((target("avx2"), always_inline)) inline __m256i _Channel(__m256i p00, __m256i p01, __m256i p10, __m256i p11,
                                                        __m256i w00, __m256i w01, __m256i w10, __m256i w11,
                                                        __m256i HalfW, __m256 Recip) {
  const __m256i vFF = _mm256_set1_epi32(0xFF);
  const __m256i c00 = _mm256_and_si256(_mm256_srli_epi32(p00, Shift), vFF);
  const __m256i c01 = _mm256_and_si256(_mm256_srli_epi32(p01, Shift), vFF);
  const __m256i c10 = _mm256_and_si256(_mm256_srli_epi32(p10, Shift), vFF);
  const __m256i c11 = _mm256_and_si256(_mm256_srli_epi32(p11, Shift), vFF);
  __m256i Sum = _mm256_add_epi32(_mm256_add_epi32(_mm256_mullo_epi32(w00, c00), _mm256_mullo_epi32(w01, c01)),
                                 _mm256_add_epi32(_mm256_mullo_epi32(w10, c10), _mm256_mullo_epi32(w11, c11)));
  Sum = _mm256_add_epi32(Sum, HalfW);
  const __m256 q = _mm256_add_ps(_mm256_mul_ps(_mm256_cvtepi32_ps(Sum), Recip), _mm256_set1_ps(1.0f / 8192.0f));
  return _mm256_slli_epi32(_mm256_cvttps_epi32(q), Shift);
}

// Eight pixels of the short form at once; writes the lanes that qualify and returns their bit mask (bit i for
// pixel i). Positions in 32 bits (the caller checked the row's range); the source is at least 2 x 2.
// The rounded division n / d (n below 2^17 after rounding, d at most 4096) is n times the single-precision
// reciprocal of d plus 2^-13, truncated: both roundings together stay below 2^-14, an exact quotient k comes
// out at least k + 2^-14 and anything below k at most k - 2^-12 + 2^-13 + 2^-14, so truncation gives the
// integer quotient.
__attribute__((target("avx2"), always_inline)) inline unsigned _Opaque8(const U32* pSrc, int W, int H, U32* pDst, __m256i sx, __m256i sy,
                                                  int Box) {
  const __m256i vHalf = _mm256_set1_epi32(Box >> 1), vBox = _mm256_set1_epi32(Box);
  const __m256i v64k = _mm256_set1_epi32(65536), vFFFF = _mm256_set1_epi32(0xFFFF), Zero = _mm256_setzero_si256();
  const __m256i x0 = _mm256_sub_epi32(sx, vHalf), y0 = _mm256_sub_epi32(sy, vHalf);
  const __m256i ix = _mm256_srai_epi32(x0, 16), iy = _mm256_srai_epi32(y0, 16);
  const __m256i xMax = _mm256_set1_epi32(W - 2), yMax = _mm256_set1_epi32(H - 2);
  // Inside when 0 <= ix <= W - 2 and 0 <= iy <= H - 2; lanes outside fetch a clamped position and are dropped.
  const __m256i Out = _mm256_or_si256(_mm256_or_si256(_mm256_cmpgt_epi32(Zero, ix), _mm256_cmpgt_epi32(ix, xMax)),
                                      _mm256_or_si256(_mm256_cmpgt_epi32(Zero, iy), _mm256_cmpgt_epi32(iy, yMax)));
  if (_mm256_movemask_ps(_mm256_castsi256_ps(Out)) == 0xFF) return 0;
  const __m256i cx = _mm256_min_epi32(_mm256_max_epi32(ix, Zero), xMax);
  const __m256i cy = _mm256_min_epi32(_mm256_max_epi32(iy, Zero), yMax);
  const __m256i Idx = _mm256_add_epi32(_mm256_mullo_epi32(cy, _mm256_set1_epi32(W)), cx);
  // Left and right neighbours are loaded together as one 64-bit element (plain loads beat gathers here).
  // Pixels 0, 1, 4, 5 go to one vector and 2, 3, 6, 7 to the other, so that taking the low and the high
  // halves of the elements puts them back in order.
  alignas(32) int aIdx[8];
  _mm256_store_si256(reinterpret_cast<__m256i*>(aIdx), Idx);
  auto Pair = [pSrc](int i) {
    long long v;
    std::memcpy(&v, pSrc + i, 8);
    return v;
  };
  const int Wd = W;
  const __m256 TopA = _mm256_castsi256_ps(_mm256_setr_epi64x(Pair(aIdx[0]), Pair(aIdx[1]), Pair(aIdx[4]), Pair(aIdx[5])));
  const __m256 TopB = _mm256_castsi256_ps(_mm256_setr_epi64x(Pair(aIdx[2]), Pair(aIdx[3]), Pair(aIdx[6]), Pair(aIdx[7])));
  const __m256 BotA = _mm256_castsi256_ps(
      _mm256_setr_epi64x(Pair(aIdx[0] + Wd), Pair(aIdx[1] + Wd), Pair(aIdx[4] + Wd), Pair(aIdx[5] + Wd)));
  const __m256 BotB = _mm256_castsi256_ps(
      _mm256_setr_epi64x(Pair(aIdx[2] + Wd), Pair(aIdx[3] + Wd), Pair(aIdx[6] + Wd), Pair(aIdx[7] + Wd)));
  const __m256i p00 = _mm256_castps_si256(_mm256_shuffle_ps(TopA, TopB, _MM_SHUFFLE(2, 0, 2, 0)));
  const __m256i p01 = _mm256_castps_si256(_mm256_shuffle_ps(TopA, TopB, _MM_SHUFFLE(3, 1, 3, 1)));
  const __m256i p10 = _mm256_castps_si256(_mm256_shuffle_ps(BotA, BotB, _MM_SHUFFLE(2, 0, 2, 0)));
  const __m256i p11 = _mm256_castps_si256(_mm256_shuffle_ps(BotA, BotB, _MM_SHUFFLE(3, 1, 3, 1)));
  const __m256i Alpha = _mm256_srli_epi32(_mm256_or_si256(_mm256_or_si256(p00, p01), _mm256_or_si256(p10, p11)), 24);
  const __m256i fx = _mm256_and_si256(x0, vFFFF), fy = _mm256_and_si256(y0, vFFFF);
  // Sides never exceed one pixel here, so the 4096 cap is the plain shift.
  const __m256i wx0 = _mm256_srli_epi32(_mm256_min_epi32(vBox, _mm256_sub_epi32(v64k, fx)), 4);
  const __m256i wx1 = _mm256_srli_epi32(_mm256_max_epi32(_mm256_sub_epi32(_mm256_add_epi32(vBox, fx), v64k), Zero), 4);
  const __m256i wy0 = _mm256_srli_epi32(_mm256_min_epi32(vBox, _mm256_sub_epi32(v64k, fy)), 4);
  const __m256i wy1 = _mm256_srli_epi32(_mm256_max_epi32(_mm256_sub_epi32(_mm256_add_epi32(vBox, fy), v64k), Zero), 4);
  const __m256i w00 = _mm256_srli_epi32(_mm256_mullo_epi32(wx0, wy0), 12);
  const __m256i w01 = _mm256_srli_epi32(_mm256_mullo_epi32(wx1, wy0), 12);
  const __m256i w10 = _mm256_srli_epi32(_mm256_mullo_epi32(wx0, wy1), 12);
  const __m256i w11 = _mm256_srli_epi32(_mm256_mullo_epi32(wx1, wy1), 12);
  const __m256i cw = _mm256_add_epi32(_mm256_add_epi32(w00, w01), _mm256_add_epi32(w10, w11));
  const __m256i Good = _mm256_andnot_si256(
      _mm256_or_si256(Out, _mm256_or_si256(_mm256_cmpgt_epi32(Alpha, Zero), _mm256_cmpeq_epi32(cw, Zero))),
      _mm256_set1_epi32(-1));
  const unsigned Mask = (unsigned)_mm256_movemask_ps(_mm256_castsi256_ps(Good));
  if (!Mask) return 0;
  // Lanes with no weight divide by one instead (their result is dropped).
  const __m256 Recip = _mm256_div_ps(_mm256_set1_ps(1.0f), _mm256_cvtepi32_ps(_mm256_max_epi32(cw, _mm256_set1_epi32(1))));
  const __m256i HalfW = _mm256_srli_epi32(cw, 1);
  const __m256i Result =
      _mm256_or_si256(_mm256_or_si256(_Channel<0>(p00, p01, p10, p11, w00, w01, w10, w11, HalfW, Recip),
                                      _Channel<8>(p00, p01, p10, p11, w00, w01, w10, w11, HalfW, Recip)),
                      _Channel<16>(p00, p01, p10, p11, w00, w01, w10, w11, HalfW, Recip));
  if (Mask == 0xFF) {
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(pDst), Result);
  } else {
    _mm256_maskstore_epi32(reinterpret_cast<int*>(pDst), Good, Result);
  }
  return Mask;
}

const bool _HasAVX2 = __builtin_cpu_supports("avx2");

// The vector walk over a row; returns the first pixel it left to the plain walk.
__attribute__((target("avx2"))) int _RowAVX2(const U32* pSrc, int W, int H, U32* pDstRow, int x0, int x1, I64 sx,
                                             I64 sy, I64 c, I64 s, I64 Box) {
  const I64 n = x1 - x0 + 1;
  const I64 Limit = (I64)1 << 30;
  const I64 sxEnd = sx + (n - 1) * c, syEnd = sy + (n - 1) * s;
  if (W < 2 || H < 2 || W >= 16384 || H >= 16384 || Box > 65536 || std::max(std::abs(sx), std::abs(sxEnd)) >= Limit ||
      std::max(std::abs(sy), std::abs(syEnd)) >= Limit || std::abs(c) >= (Limit >> 3) || std::abs(s) >= (Limit >> 3)) {
    return x0;
  }
  const __m256i Steps = _mm256_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7);
  const __m256i vc = _mm256_set1_epi32((int)c), vs = _mm256_set1_epi32((int)s);
  const __m256i vc8 = _mm256_set1_epi32((int)(8 * c)), vs8 = _mm256_set1_epi32((int)(8 * s));
  __m256i vx = _mm256_add_epi32(_mm256_set1_epi32((int)sx), _mm256_mullo_epi32(Steps, vc));
  __m256i vy = _mm256_add_epi32(_mm256_set1_epi32((int)sy), _mm256_mullo_epi32(Steps, vs));
  int X = x0;
  for (; X + 7 <= x1; X += 8) {
    const unsigned Done = _Opaque8(pSrc, W, H, pDstRow + X, vx, vy, (int)Box);
    const I64 k = X - x0;
    for (int i = 0; Done != 0xFF && i < 8; i++) {
      if (!(Done & (1u << i))) {
        GUI_MEMDEV__PutPlain(pDstRow + X + i, GUI_MEMDEV__SampleArea(pSrc, W, H, sx + (k + i) * c, sy + (k + i) * s, Box));
      }
    }
    vx = _mm256_add_epi32(vx, vc8);
    vy = _mm256_add_epi32(vy, vs8);
  }
  return X;
}
#endif

}  // namespace

namespace {

// Sums of the area average; Add takes one cell.
struct _SUMS {
  U64 Sum[3] = {0, 0, 0}, ColorWeight = 0, TotalWeight = 0, AlphaSum = 0;
  inline void Add(const U32* pSrc, int W, int H, I64 ix, I64 iy, U32 w) {
    if (iy < 0 || iy >= H || ix < 0 || ix >= W) {
      TotalWeight += w;
      AlphaSum += 255ull * w;
      return;
    }
    const U32 p = pSrc[iy * W + ix], a = p >> 24;
    if (a == 255) {
      TotalWeight += w;
      AlphaSum += 255ull * w;
      return;
    }
    U32 wc = w;
    if (a) {
      wc = (U32)GUI__DivideRound32((I32)((255 - a) * w), 255);
      AlphaSum += (U64)wc * a;
    }
    Sum[0] += (U64)wc * (p & 0xFF);
    Sum[1] += (U64)wc * ((p >> 8) & 0xFF);
    Sum[2] += (U64)wc * ((p >> 16) & 0xFF);
    ColorWeight += wc;
    TotalWeight += wc;
  }
  U32 Result() const {
    if (!ColorWeight) return GUI_TRANSPARENT;
    U32 r = 0;
    for (int i = 0; i < 3; i++) r |= std::min<U32>(_Round(Sum[i], ColorWeight), 255) << (8 * i);
    const U32 Alpha = AlphaSum ? std::min<U32>(_Round(AlphaSum, TotalWeight), 255) : 0;
    return r | (Alpha << 24);
  }
};

}  // namespace

U32 GUI_MEMDEV__SampleArea(const U32* pSrc, int W, int H, I64 sx, I64 sy, I64 Box) {
  const I64 x0 = sx - (Box >> 1), x1 = x0 + Box, y0 = sy - (Box >> 1), y1 = y0 + Box;
  _SUMS s;
  if (Box <= 65536) {
    // At most two columns and two rows; a cell of no size weighs nothing and changes no sum.
    const I64 ix = x0 >> 16, iy = y0 >> 16, fx = x0 & 0xFFFF, fy = y0 & 0xFFFF;
    const U32 wx0 = _Side(std::min<I64>(Box, 65536 - fx)), wx1 = _Side(std::max<I64>(Box + fx - 65536, 0));
    const U32 wy0 = _Side(std::min<I64>(Box, 65536 - fy)), wy1 = _Side(std::max<I64>(Box + fy - 65536, 0));
    s.Add(pSrc, W, H, ix, iy, (wx0 * wy0) >> 12);
    if (wx1) s.Add(pSrc, W, H, ix + 1, iy, (wx1 * wy0) >> 12);
    if (wy1) {
      s.Add(pSrc, W, H, ix, iy + 1, (wx0 * wy1) >> 12);
      if (wx1) s.Add(pSrc, W, H, ix + 1, iy + 1, (wx1 * wy1) >> 12);
    }
    return s.Result();
  }
  const I64 ix0 = x0 >> 16, ix1 = (x1 - 1) >> 16, iy0 = y0 >> 16, iy1 = (y1 - 1) >> 16;
  for (I64 iy = iy0; iy <= iy1; iy++) {
    const U32 wy = _Side(std::min(y1, (iy + 1) << 16) - std::max(y0, iy << 16));
    for (I64 ix = ix0; ix <= ix1; ix++) {
      s.Add(pSrc, W, H, ix, iy, (_Side(std::min(x1, (ix + 1) << 16) - std::max(x0, ix << 16)) * wy) >> 12);
    }
  }
  return s.Result();
}

void GUI_MEMDEV__RotateAreaRow(const U32* pSrc, int W, int H, U32* pDstRow, int x0, int x1, I64 sx, I64 sy, I64 c,
                               I64 s, I64 Box, bool Plain) {
  int X = x0;
#if defined(__x86_64__)
  if (!Plain && _HasAVX2) {
    X = _RowAVX2(pSrc, W, H, pDstRow, x0, x1, sx, sy, c, s, Box);
  }
#endif
  for (; X <= x1; X++) {
    const I64 k = X - x0;
    if (Plain) {
      GUI_MEMDEV__PutPlain(pDstRow + X, GUI_MEMDEV__SampleArea(pSrc, W, H, sx + k * c, sy + k * s, Box));
    } else {
      _Pixel(pSrc, W, H, pDstRow + X, sx + k * c, sy + k * s, Box);
    }
  }
}
