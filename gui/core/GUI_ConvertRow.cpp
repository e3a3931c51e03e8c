// Row conversions between 5-6-5 pixels and 32-bit colours, several pixels at a time where the processor has
// SSE2 or AVX2: 5-6-5 to XRGB (0x00RRGGBB) for the 32-bit display buffer, widening each channel by repeating
// its top bits (the LCD_aExpand5/LCD_aExpand6 tables), and GUI colours (0xTTBBGGRR) to 5-6-5 indices, keeping
// the top bits of each channel (LCD_CC_BGR565_Color2Index). Every path gives exactly what the plain loop gives.
#include "GUI_Private.h"

#include <cstring>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define GUI_CONVERT_X86 1
#endif

namespace {

// Red and blue of a 5-6-5 value land in bits 16..23 and 0..7 of the result; with SwapRB the low 5 bits of the
// value are red (the BGR order of the display's pixel index).
inline U32 _Plain(U32 v, int SwapRB) {
  U32 Hi = LCD_aExpand5[(v >> 11) & 0x1F], G = LCD_aExpand6[(v >> 5) & 0x3F], Lo = LCD_aExpand5[v & 0x1F];
  return SwapRB ? (Lo << 16 | G << 8 | Hi) : (Hi << 16 | G << 8 | Lo);
}

void _ConvertPlain(const U16* pSrc, U32* pDst, int n, int SwapRB) {
  for (int i = 0; i < n; i++) {
    pDst[i] = _Plain(pSrc[i], SwapRB);
  }
}

// Forward order, so pDst may start where pSrc starts (each write lies at or behind what was read).
void _NarrowPlain(const U32* pSrc, U16* pDst, int n, int RedHigh) {
  for (int i = 0; i < n; i++) {
    U32 c;
    std::memcpy(&c, pSrc + i, 4);
    U16 v = GUI__ColorTo565(c, RedHigh);
    std::memcpy(pDst + i, &v, 2);  // the buffer may be the colours' own
  }
}

#ifdef GUI_CONVERT_X86
// Eight values in 16-bit lanes -> the two 16-bit halves of eight results.
inline void _Split8(__m128i v, int SwapRB, __m128i* pLow16, __m128i* pHigh16) {
  const __m128i M5 = _mm_set1_epi16(0x1F), M6 = _mm_set1_epi16(0x3F);
  __m128i Hi = _mm_srli_epi16(v, 11);
  __m128i G = _mm_and_si128(_mm_srli_epi16(v, 5), M6);
  __m128i Lo = _mm_and_si128(v, M5);
  Hi = _mm_or_si128(_mm_slli_epi16(Hi, 3), _mm_srli_epi16(Hi, 2));
  G = _mm_or_si128(_mm_slli_epi16(G, 2), _mm_srli_epi16(G, 4));
  Lo = _mm_or_si128(_mm_slli_epi16(Lo, 3), _mm_srli_epi16(Lo, 2));
  if (SwapRB) {
    __m128i t = Hi;
    Hi = Lo;
    Lo = t;
  }
  *pLow16 = _mm_or_si128(_mm_slli_epi16(G, 8), Lo);
  *pHigh16 = Hi;
}

void _ConvertSSE2(const U16* pSrc, U32* pDst, int n, int SwapRB) {
  int i = 0;
  for (; i + 8 <= n; i += 8) {
    __m128i L, H;
    _Split8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(pSrc + i)), SwapRB, &L, &H);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(pDst + i), _mm_unpacklo_epi16(L, H));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(pDst + i + 4), _mm_unpackhi_epi16(L, H));
  }
  _ConvertPlain(pSrc + i, pDst + i, n - i, SwapRB);
}

__attribute__((target("avx2"))) void _ConvertAVX2(const U16* pSrc, U32* pDst, int n, int SwapRB) {
  const __m256i M5 = _mm256_set1_epi16(0x1F), M6 = _mm256_set1_epi16(0x3F);
  int i = 0;
  for (; i + 16 <= n; i += 16) {
    __m256i v = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(pSrc + i));
    __m256i Hi = _mm256_srli_epi16(v, 11);
    __m256i G = _mm256_and_si256(_mm256_srli_epi16(v, 5), M6);
    __m256i Lo = _mm256_and_si256(v, M5);
    Hi = _mm256_or_si256(_mm256_slli_epi16(Hi, 3), _mm256_srli_epi16(Hi, 2));
    G = _mm256_or_si256(_mm256_slli_epi16(G, 2), _mm256_srli_epi16(G, 4));
    Lo = _mm256_or_si256(_mm256_slli_epi16(Lo, 3), _mm256_srli_epi16(Lo, 2));
    if (SwapRB) {
      __m256i t = Hi;
      Hi = Lo;
      Lo = t;
    }
    __m256i L = _mm256_or_si256(_mm256_slli_epi16(G, 8), Lo);
    // The unpacks work within each 128-bit half: pixels 0-3 and 8-11, then 4-7 and 12-15.
    __m256i A = _mm256_unpacklo_epi16(L, Hi), B = _mm256_unpackhi_epi16(L, Hi);
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(pDst + i), _mm256_permute2x128_si256(A, B, 0x20));
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(pDst + i + 8), _mm256_permute2x128_si256(A, B, 0x31));
  }
  _ConvertSSE2(pSrc + i, pDst + i, n - i, SwapRB);
}

// Four colours -> four 5-6-5 values in the low 16 bits of each 32-bit lane.
inline __m128i _Narrow4(__m128i c, int RedHigh) {
  __m128i G = _mm_and_si128(_mm_srli_epi32(c, 5), _mm_set1_epi32(0x07E0));
  __m128i R, B;
  if (RedHigh) {
    R = _mm_and_si128(_mm_slli_epi32(c, 8), _mm_set1_epi32(0xF800));
    B = _mm_and_si128(_mm_srli_epi32(c, 19), _mm_set1_epi32(0x1F));
  } else {
    R = _mm_and_si128(_mm_srli_epi32(c, 3), _mm_set1_epi32(0x1F));
    B = _mm_and_si128(_mm_srli_epi32(c, 8), _mm_set1_epi32(0xF800));
  }
  __m128i v = _mm_or_si128(_mm_or_si128(R, G), B);
  // Sign-extended from bit 15, so that the saturating pack keeps the 16 bits as they are.
  return _mm_srai_epi32(_mm_slli_epi32(v, 16), 16);
}

// Eight colours are read before their eight results are written: in place is safe.
void _NarrowSSE2(const U32* pSrc, U16* pDst, int n, int RedHigh) {
  int i = 0;
  for (; i + 8 <= n; i += 8) {
    __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pSrc + i));
    __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pSrc + i + 4));
    __m128i r = _mm_packs_epi32(_Narrow4(a, RedHigh), _Narrow4(b, RedHigh));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(pDst + i), r);
  }
  _NarrowPlain(pSrc + i, pDst + i, n - i, RedHigh);
}

int _Best(void) {
  static const int Best = __builtin_cpu_supports("avx2") ? GUI_SIMD_AVX2 : GUI_SIMD_SSE2;
  return Best;
}
#endif

}  // namespace

int GUI__ConvertRow565Supported(int Path) {
  if (Path == GUI_SIMD_PLAIN) {
    return 1;
  }
#ifdef GUI_CONVERT_X86
  return Path == GUI_SIMD_SSE2 || (Path == GUI_SIMD_AVX2 && _Best() == GUI_SIMD_AVX2);
#else
  return 0;
#endif
}

void GUI__ConvertRow565ToXRGBEx(const U16* pSrc, U32* pDst, int NumPixels, int SwapRB, int Path) {
  if (NumPixels <= 0) {
    return;
  }
#ifdef GUI_CONVERT_X86
  if (Path == GUI_SIMD_BEST) {
    Path = _Best();
  }
  if (Path == GUI_SIMD_AVX2 && _Best() == GUI_SIMD_AVX2) {
    _ConvertAVX2(pSrc, pDst, NumPixels, SwapRB);
    return;
  }
  if (Path == GUI_SIMD_SSE2 || Path == GUI_SIMD_AVX2) {
    _ConvertSSE2(pSrc, pDst, NumPixels, SwapRB);
    return;
  }
#endif
  _ConvertPlain(pSrc, pDst, NumPixels, SwapRB);
}

void GUI__ConvertColorsTo565Ex(const U32* pColors, U16* pDst, int NumPixels, int RedHigh, int Path) {
  if (NumPixels <= 0) {
    return;
  }
#ifdef GUI_CONVERT_X86
  if (Path != GUI_SIMD_PLAIN) {
    _NarrowSSE2(pColors, pDst, NumPixels, RedHigh);
    return;
  }
#endif
  _NarrowPlain(pColors, pDst, NumPixels, RedHigh);
}

void GUI__ConvertRow565ToXRGB(const U16* pSrc, U32* pDst, int NumPixels, int SwapRB) {
  GUI__ConvertRow565ToXRGBEx(pSrc, pDst, NumPixels, SwapRB, GUI_SIMD_BEST);
}
