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

#include <cstring>

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

// Lane i of c[k] is value k of line i; out[k] gets output k of every line, descaled by Descale as soon as it
// is known (fewer values live at once: no spills to memory).
template <class FDescale>
__attribute__((always_inline)) inline void _PassSSE2(const __m128i* c, __m128i* out, FDescale Descale) {
  _V2 o0 = _Madd(c[1], c[3], 2260, -6436) + _Madd(c[5], c[7], 9633, -11363);
  _V2 o1 = _Madd(c[1], c[3], 6437, -11362) + _Madd(c[5], c[7], 2261, 9633);
  _V2 o2 = _Madd(c[1], c[3], 9633, -2259) + _Madd(c[5], c[7], -11362, -6436);
  _V2 o3 = _Madd(c[1], c[3], 11363, 9633) + _Madd(c[5], c[7], 6437, 2260);
  _V2 t0 = _Madd(c[0], c[4], 8192, 8192), t3 = _Madd(c[2], c[6], 10703, 4433);
  _V2 e10 = t0 + t3, e13 = t0 - t3;
  out[0] = Descale(e10 + o3);
  out[7] = Descale(e10 - o3);
  out[3] = Descale(e13 + o0);
  out[4] = Descale(e13 - o0);
  _V2 t1 = _Madd(c[0], c[4], 8192, -8192), t2 = _Madd(c[2], c[6], 4433, -10704);
  _V2 e11 = t1 + t2, e12 = t1 - t2;
  out[1] = Descale(e11 + o2);
  out[6] = Descale(e11 - o2);
  out[2] = Descale(e12 + o1);
  out[5] = Descale(e12 - o1);
}

// (v + 1024) >> 11, kept in 16 bits by truncation as the plain form does.
__attribute__((always_inline)) inline __m128i _Descale1(_V2 v) {
  const __m128i Round = _mm_set1_epi32(1024);
  __m128i lo = _mm_srai_epi32(_mm_add_epi32(v.lo, Round), 11);
  __m128i hi = _mm_srai_epi32(_mm_add_epi32(v.hi, Round), 11);
  lo = _mm_srai_epi32(_mm_slli_epi32(lo, 16), 16);
  hi = _mm_srai_epi32(_mm_slli_epi32(hi, 16), 16);
  return _mm_packs_epi32(lo, hi);
}

// ((v + 131072) >> 18) + 128 as 16-bit values (the shift leaves at most 14 bits: no saturation).
__attribute__((always_inline)) inline __m128i _Descale2(_V2 v) {
  const __m128i Round = _mm_set1_epi32(131072);
  __m128i lo = _mm_srai_epi32(_mm_add_epi32(v.lo, Round), 18);
  __m128i hi = _mm_srai_epi32(_mm_add_epi32(v.hi, Round), 18);
  return _mm_add_epi16(_mm_packs_epi32(lo, hi), _mm_set1_epi16(128));
}

void _IDCTSSE2(const I16* pCoeff, U8* pOut) {
  __m128i r[8], w[8];
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
  _PassSSE2(r, w, _Descale1);  // lane i of w[k]: output k of row i
  _Transpose(w);  // lane x of w[k]: row k's output x, that is value k of column x
  _PassSSE2(w, r, _Descale2);  // lane x of r[y]: pixel (x, y) less the clamp
  for (int y = 0; y < 8; y += 2) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(pOut + 8 * y), _mm_packus_epi16(r[y], r[y + 1]));
  }
}

#endif

#if defined(__x86_64__) || defined(__i386__)
#define JPEG_AVX2 __attribute__((target("avx2"), always_inline)) inline
#include <immintrin.h>

// The same two passes on two blocks at once: one block in each 128-bit half of the AVX2 registers (every
// operation used works within the halves).
struct _W2 {
  __m256i lo, hi;
};
JPEG_AVX2 _W2 _Add(_W2 a, _W2 b) { return {_mm256_add_epi32(a.lo, b.lo), _mm256_add_epi32(a.hi, b.hi)}; }
JPEG_AVX2 _W2 _Sub(_W2 a, _W2 b) { return {_mm256_sub_epi32(a.lo, b.lo), _mm256_sub_epi32(a.hi, b.hi)}; }
JPEG_AVX2 _W2 _Madd256(__m256i a, __m256i b, I16 ka, I16 kb) {
  __m256i k = _mm256_set1_epi32(I32(U32(U16(kb)) << 16 | U16(ka)));
  return {_mm256_madd_epi16(_mm256_unpacklo_epi16(a, b), k), _mm256_madd_epi16(_mm256_unpackhi_epi16(a, b), k)};
}

JPEG_AVX2 void _Transpose256(__m256i* r) {
  __m256i a0 = _mm256_unpacklo_epi16(r[0], r[1]), a1 = _mm256_unpackhi_epi16(r[0], r[1]);
  __m256i a2 = _mm256_unpacklo_epi16(r[2], r[3]), a3 = _mm256_unpackhi_epi16(r[2], r[3]);
  __m256i a4 = _mm256_unpacklo_epi16(r[4], r[5]), a5 = _mm256_unpackhi_epi16(r[4], r[5]);
  __m256i a6 = _mm256_unpacklo_epi16(r[6], r[7]), a7 = _mm256_unpackhi_epi16(r[6], r[7]);
  __m256i b0 = _mm256_unpacklo_epi32(a0, a2), b1 = _mm256_unpackhi_epi32(a0, a2);
  __m256i b2 = _mm256_unpacklo_epi32(a1, a3), b3 = _mm256_unpackhi_epi32(a1, a3);
  __m256i b4 = _mm256_unpacklo_epi32(a4, a6), b5 = _mm256_unpackhi_epi32(a4, a6);
  __m256i b6 = _mm256_unpacklo_epi32(a5, a7), b7 = _mm256_unpackhi_epi32(a5, a7);
  r[0] = _mm256_unpacklo_epi64(b0, b4);
  r[1] = _mm256_unpackhi_epi64(b0, b4);
  r[2] = _mm256_unpacklo_epi64(b1, b5);
  r[3] = _mm256_unpackhi_epi64(b1, b5);
  r[4] = _mm256_unpacklo_epi64(b2, b6);
  r[5] = _mm256_unpackhi_epi64(b2, b6);
  r[6] = _mm256_unpacklo_epi64(b3, b7);
  r[7] = _mm256_unpackhi_epi64(b3, b7);
}

JPEG_AVX2 __m256i _Descale1_256(_W2 v) {
  const __m256i Round = _mm256_set1_epi32(1024);
  __m256i lo = _mm256_srai_epi32(_mm256_add_epi32(v.lo, Round), 11);
  __m256i hi = _mm256_srai_epi32(_mm256_add_epi32(v.hi, Round), 11);
  lo = _mm256_srai_epi32(_mm256_slli_epi32(lo, 16), 16);
  hi = _mm256_srai_epi32(_mm256_slli_epi32(hi, 16), 16);
  return _mm256_packs_epi32(lo, hi);
}

JPEG_AVX2 __m256i _Descale2_256(_W2 v) {
  const __m256i Round = _mm256_set1_epi32(131072);
  __m256i lo = _mm256_srai_epi32(_mm256_add_epi32(v.lo, Round), 18);
  __m256i hi = _mm256_srai_epi32(_mm256_add_epi32(v.hi, Round), 18);
  return _mm256_add_epi16(_mm256_packs_epi32(lo, hi), _mm256_set1_epi16(128));
}

template <int Pass>
JPEG_AVX2 __m256i _Descale256(_W2 v) {
  return Pass == 1 ? _Descale1_256(v) : _Descale2_256(v);
}

template <int Pass>
JPEG_AVX2 void _Pass256(const __m256i* c, __m256i* out) {
  _W2 o0 = _Add(_Madd256(c[1], c[3], 2260, -6436), _Madd256(c[5], c[7], 9633, -11363));
  _W2 o1 = _Add(_Madd256(c[1], c[3], 6437, -11362), _Madd256(c[5], c[7], 2261, 9633));
  _W2 o2 = _Add(_Madd256(c[1], c[3], 9633, -2259), _Madd256(c[5], c[7], -11362, -6436));
  _W2 o3 = _Add(_Madd256(c[1], c[3], 11363, 9633), _Madd256(c[5], c[7], 6437, 2260));
  _W2 t0 = _Madd256(c[0], c[4], 8192, 8192), t3 = _Madd256(c[2], c[6], 10703, 4433);
  _W2 e10 = _Add(t0, t3), e13 = _Sub(t0, t3);
  out[0] = _Descale256<Pass>(_Add(e10, o3));
  out[7] = _Descale256<Pass>(_Sub(e10, o3));
  out[3] = _Descale256<Pass>(_Add(e13, o0));
  out[4] = _Descale256<Pass>(_Sub(e13, o0));
  _W2 t1 = _Madd256(c[0], c[4], 8192, -8192), t2 = _Madd256(c[2], c[6], 4433, -10704);
  _W2 e11 = _Add(t1, t2), e12 = _Sub(t1, t2);
  out[1] = _Descale256<Pass>(_Add(e11, o2));
  out[6] = _Descale256<Pass>(_Sub(e11, o2));
  out[2] = _Descale256<Pass>(_Add(e12, o1));
  out[5] = _Descale256<Pass>(_Sub(e12, o1));
}

__attribute__((target("avx2"))) void _IDCTPairAVX2(const I16* pA, U8* pOutA, const I16* pB, U8* pOutB) {
  __m256i r[8], w[8];
  for (int i = 0; i < 8; i++) {
    __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pA + 8 * i));
    __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pB + 8 * i));
    r[i] = _mm256_inserti128_si256(_mm256_castsi128_si256(a), b, 1);
  }
  _Transpose256(r);
  _Pass256<1>(r, w);
  _Transpose256(w);
  _Pass256<2>(w, r);
  for (int y = 0; y < 8; y += 2) {
    __m256i Rows = _mm256_packus_epi16(r[y], r[y + 1]);  // per half: rows y and y + 1 of its block
    _mm_storeu_si128(reinterpret_cast<__m128i*>(pOutA + 8 * y), _mm256_castsi256_si128(Rows));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(pOutB + 8 * y), _mm256_extracti128_si256(Rows, 1));
  }
}

// Blocks with AC coefficients are worth the two-block form; a block without is filled at once.
bool _HasAC(const I16* p) {
  U64 a[16];
  std::memcpy(a, p, 128);
  U64 Any = a[0] & ~U64(0xFFFF);  // all but coefficient 0
  for (int i = 1; i < 16; i++) {
    Any |= a[i];
  }
  return Any != 0;
}

const bool _HaveAVX2 = __builtin_cpu_supports("avx2");
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

void GUI_JPEG__IDCTBlocks(const I16* pCoeff, U8* pOut, int NumBlocks) {
  int i = 0;
#if defined(__x86_64__) || defined(__i386__)
  if (_HaveAVX2) {
    const I16* pPending = nullptr;  // a block with AC coefficients waiting for its partner
    U8* pPendingOut = nullptr;
    for (; i < NumBlocks; i++) {
      const I16* p = pCoeff + 64 * i;
      if (!_HasAC(p)) {
        GUI_JPEG__IDCT(p, pOut + 64 * i);
      } else if (pPending) {
        _IDCTPairAVX2(pPending, pPendingOut, p, pOut + 64 * i);
        pPending = nullptr;
      } else {
        pPending = p;
        pPendingOut = pOut + 64 * i;
      }
    }
    if (pPending) {
      GUI_JPEG__IDCT(pPending, pPendingOut);
    }
    return;
  }
#endif
  for (; i < NumBlocks; i++) {
    GUI_JPEG__IDCT(pCoeff + 64 * i, pOut + 64 * i);
  }
}
