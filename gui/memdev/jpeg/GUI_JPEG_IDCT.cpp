// Integer inverse DCT of one 8 x 8 block: 13-bit fixed-point constants, two extra bits of precision between
// the row pass and the column pass (whose results are kept in 16 bits), results shifted by 128 and clamped to
// 0..255.
//
// Two forms with bit-identical results for every input: the plain one, and an SSE2 one that runs all eight
// rows (then all eight columns) at once. Both compute modulo 2^32, so even coefficients of damaged files that
// overflow 32 bits give the same pixels; the vector form folds the shared products into one constant per
// coefficient, which modulo 2^32 is the same sum. Rows and columns whose AC entries are zero need no
// shortcut: the full formula gives the same value; the vector form still fills a block without AC
// coefficients at once.
#include "GUI_JPEG_Private.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

inline U8 _Clamp(I32 v) { return U8(v < 0 ? 0 : v > 255 ? 255 : v); }

// One 1-D pass over 8 values that lie Step apart; Store receives each output before descaling.
template <class FStore>
inline void _Pass(const I16* c, int Step, FStore Store) {
  // Products and sums wrap like the vector form's.
  U32 c0 = U32(I32(c[0])), c1 = U32(I32(c[Step])), c2 = U32(I32(c[2 * Step])), c3 = U32(I32(c[3 * Step]));
  U32 c4 = U32(I32(c[4 * Step])), c5 = U32(I32(c[5 * Step])), c6 = U32(I32(c[6 * Step])), c7 = U32(I32(c[7 * Step]));
  // Even part.
  U32 z1 = (c2 + c6) * 4433u;
  U32 t2 = z1 - c6 * 15137u;
  U32 t3 = z1 + c2 * 6270u;
  U32 t0 = (c0 + c4) * 8192u;
  U32 t1 = (c0 - c4) * 8192u;
  U32 e10 = t0 + t3, e13 = t0 - t3, e11 = t1 + t2, e12 = t1 - t2;
  // Odd part.
  U32 z5 = (c7 + c3 + c5 + c1) * 9633u;
  U32 za = (c7 + c1) * U32(-7373);
  U32 zb = (c5 + c3) * U32(-20995);
  U32 zc = (c7 + c3) * U32(-16069) + z5;
  U32 zd = (c5 + c1) * U32(-3196) + z5;
  U32 o0 = c7 * 2446u + za + zc;
  U32 o1 = c5 * 16819u + zb + zd;
  U32 o2 = c3 * 25172u + zb + zc;
  U32 o3 = c1 * 12299u + za + zd;
  Store(0, e10 + o3);
  Store(7, e10 - o3);
  Store(1, e11 + o2);
  Store(6, e11 - o2);
  Store(2, e12 + o1);
  Store(5, e12 - o1);
  Store(3, e13 + o0);
  Store(4, e13 - o0);
}

#if defined(__SSE2__)

struct _V2 {  // eight 32-bit lanes
  __m128i lo, hi;
};
inline _V2 operator+(_V2 a, _V2 b) { return {_mm_add_epi32(a.lo, b.lo), _mm_add_epi32(a.hi, b.hi)}; }
inline _V2 operator-(_V2 a, _V2 b) { return {_mm_sub_epi32(a.lo, b.lo), _mm_sub_epi32(a.hi, b.hi)}; }
// a x ka + b x kb per lane.
__attribute__((always_inline)) inline _V2 _Madd(__m128i a, __m128i b, I16 ka, I16 kb) {
  __m128i k = _mm_set_epi16(kb, ka, kb, ka, kb, ka, kb, ka);
  return {_mm_madd_epi16(_mm_unpacklo_epi16(a, b), k), _mm_madd_epi16(_mm_unpackhi_epi16(a, b), k)};
}

__attribute__((always_inline)) inline void _Transpose(__m128i* r) {
  __m128i a0 = _mm_unpacklo_epi16(r[0], r[1]), a1 = _mm_unpackhi_epi16(r[0], r[1]);
  __m128i a2 = _mm_unpacklo_epi16(r[2], r[3]), a3 = _mm_unpackhi_epi16(r[2], r[3]);
  __m128i a4 = _mm_unpacklo_epi16(r[4], r[5]), a5 = _mm_unpackhi_epi16(r[4], r[5]);
  __m128i a6 = _mm_unpacklo_epi16(r[6], r[7]), a7 = _mm_unpackhi_epi16(r[6], r[7]);
  __m128i b0 = _mm_unpacklo_epi32(a0, a2), b1 = _mm_unpackhi_epi32(a0, a2);
  __m128i b2 = _mm_unpacklo_epi32(a1, a3), b3 = _mm_unpackhi_epi32(a1, a3);
  __m128i b4 = _mm_unpacklo_epi32(a4, a6), b5 = _mm_unpackhi_epi32(a4, a6);
  __m128i b6 = _mm_unpacklo_epi32(a5, a7), b7 = _mm_unpackhi_epi32(a5, a7);
  r[0] = _mm_unpacklo_epi64(b0, b4);
  r[1] = _mm_unpackhi_epi64(b0, b4);
  r[2] = _mm_unpacklo_epi64(b1, b5);
  r[3] = _mm_unpackhi_epi64(b1, b5);
  r[4] = _mm_unpacklo_epi64(b2, b6);
  r[5] = _mm_unpackhi_epi64(b2, b6);
  r[6] = _mm_unpacklo_epi64(b3, b7);
  r[7] = _mm_unpackhi_epi64(b3, b7);
}

// Lane i of c[k] is value k of line i; out[k] gets output k of every line.
__attribute__((always_inline)) inline void _PassSSE2(const __m128i* c, _V2* out) {
  _V2 t0 = _Madd(c[0], c[4], 8192, 8192), t1 = _Madd(c[0], c[4], 8192, -8192);
  _V2 t3 = _Madd(c[2], c[6], 10703, 4433), t2 = _Madd(c[2], c[6], 4433, -10704);
  _V2 e10 = t0 + t3, e13 = t0 - t3, e11 = t1 + t2, e12 = t1 - t2;
  _V2 o0 = _Madd(c[1], c[3], 2260, -6436) + _Madd(c[5], c[7], 9633, -11363);
  _V2 o1 = _Madd(c[1], c[3], 6437, -11362) + _Madd(c[5], c[7], 2261, 9633);
  _V2 o2 = _Madd(c[1], c[3], 9633, -2259) + _Madd(c[5], c[7], -11362, -6436);
  _V2 o3 = _Madd(c[1], c[3], 11363, 9633) + _Madd(c[5], c[7], 6437, 2260);
  out[0] = e10 + o3;
  out[7] = e10 - o3;
  out[1] = e11 + o2;
  out[6] = e11 - o2;
  out[2] = e12 + o1;
  out[5] = e12 - o1;
  out[3] = e13 + o0;
  out[4] = e13 - o0;
}

// (v + 1024) >> 11, kept in 16 bits by truncation as the plain form does.
inline __m128i _Descale1(_V2 v) {
  const __m128i Round = _mm_set1_epi32(1024);
  __m128i lo = _mm_srai_epi32(_mm_add_epi32(v.lo, Round), 11);
  __m128i hi = _mm_srai_epi32(_mm_add_epi32(v.hi, Round), 11);
  lo = _mm_srai_epi32(_mm_slli_epi32(lo, 16), 16);
  hi = _mm_srai_epi32(_mm_slli_epi32(hi, 16), 16);
  return _mm_packs_epi32(lo, hi);
}

// ((v + 131072) >> 18) + 128 as 16-bit values (the shift leaves at most 14 bits: no saturation).
inline __m128i _Descale2(_V2 v) {
  const __m128i Round = _mm_set1_epi32(131072);
  __m128i lo = _mm_srai_epi32(_mm_add_epi32(v.lo, Round), 18);
  __m128i hi = _mm_srai_epi32(_mm_add_epi32(v.hi, Round), 18);
  return _mm_add_epi16(_mm_packs_epi32(lo, hi), _mm_set1_epi16(128));
}

void _IDCTSSE2(const I16* pCoeff, U8* pOut) {
  __m128i r[8];
  _V2 v[8];
  for (int i = 0; i < 8; i++) {
    r[i] = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pCoeff + 8 * i));
  }
  // A block without AC coefficients (most blocks of smooth areas) is one value throughout.
  __m128i Any = _mm_and_si128(r[0], _mm_set_epi16(-1, -1, -1, -1, -1, -1, -1, 0));
  for (int i = 1; i < 8; i++) {
    Any = _mm_or_si128(Any, r[i]);
  }
  if (_mm_movemask_epi8(_mm_cmpeq_epi8(Any, _mm_setzero_si128())) == 0xFFFF) {
    I32 v = ((I16(U32(I32(pCoeff[0])) * 4u) + 16) >> 5) + 128;
    __m128i Fill = _mm_set1_epi8(char(_Clamp(v)));
    for (int i = 0; i < 64; i += 16) {
      _mm_storeu_si128(reinterpret_cast<__m128i*>(pOut + i), Fill);
    }
    return;
  }
  _Transpose(r);  // lane i of r[k]: coefficient k of row i
  _PassSSE2(r, v);
  for (int k = 0; k < 8; k++) {
    r[k] = _Descale1(v[k]);  // lane i: output k of row i
  }
  _Transpose(r);  // lane x of r[k]: row k's output x, that is value k of column x
  _PassSSE2(r, v);
  for (int y = 0; y < 8; y += 2) {
    __m128i Rows = _mm_packus_epi16(_Descale2(v[y]), _Descale2(v[y + 1]));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(pOut + 8 * y), Rows);
  }
}

#endif

}  // namespace

void GUI_JPEG__IDCTPlain(const I16* pCoeff, U8* pOut) {
  I16 aWork[64];
  for (int y = 0; y < 8; y++) {
    I16* w = aWork + y * 8;
    _Pass(pCoeff + y * 8, 1, [w](int i, U32 v) { w[i] = I16(I32(v + 1024u) >> 11); });
  }
  for (int x = 0; x < 8; x++) {
    _Pass(aWork + x, 8, [pOut, x](int i, U32 v) { pOut[i * 8 + x] = _Clamp((I32(v + 131072u) >> 18) + 128); });
  }
}

void GUI_JPEG__IDCT(const I16* pCoeff, U8* pOut) {
#if defined(__SSE2__)
  _IDCTSSE2(pCoeff, pOut);
#else
  GUI_JPEG__IDCTPlain(pCoeff, pOut);
#endif
}
