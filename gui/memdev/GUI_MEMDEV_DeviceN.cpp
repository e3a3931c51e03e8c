// Drivers of the 8, 16 and 32-bit memory devices: the device operations of the chain on a device's pixel
// buffer, with XOR and transparent draw modes, usage marking and bitmaps of every source depth.
//
// Bitmaps: the first pixel drawn is source pixel Diff of the row, at x0; formats below 8 bits per pixel pack
// their pixels most significant bits first. Every access is checked against the device: what lies
// outside is reported and left out, never written.
#include <cstring>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "GUI_MEMDEV_Private.h"

namespace {

template <class T> struct Traits;
template <> struct Traits<U8> {
  static constexpr int BPP = 8;
  static constexpr const char* sOut = "GUIDEV_8:\nParameters out of bounds in _XY2PTR";
  static constexpr const char* sLeft = "GUIDEV:\nx < pDev->x0, Act= %d, Border= %d, Clip= %d in DrawBitLine1BPP()";
};
template <> struct Traits<U16> {
  static constexpr int BPP = 16;
  static constexpr const char* sOut = "GUIDEV_8:\nParameters out of bounds in _XY2PTR";
  static constexpr const char* sLeft = "GUIDEV:\nx < pDev->x0, Act= %d, Border= %d, Clip= %d in DrawBitLine1BPP()";
};
template <> struct Traits<U32> {
  static constexpr int BPP = 32;
  static constexpr const char* sOut = "GUIDEV_32:\nParameters out of bounds in _XY2PTR()";
  static constexpr const char* sLeft = "GUIDEV_32:\nx < pDev->x0: Act= %d, Border= %d, Clip= %d in _DrawBitLine1BPP()";
};

// Identity table for bitmaps without a colour-index table.
struct IdentityTable {
  LCD_PIXELINDEX a[256];
  IdentityTable() {
    for (int i = 0; i < 256; i++) a[i] = (LCD_PIXELINDEX)i;
  }
};
const IdentityTable _Identity;

// Device routines run under the GUI lock of the drawing call.
inline GUI_MEMDEV* _Dev(GUI_DEVICE* pDevice) { return (GUI_MEMDEV*)GUI_ALLOC__h2pLocked(pDevice->u.hContext); }
inline int _DrawMode(void) { return GUI_pContext->DrawMode; }
inline LCD_PIXELINDEX _FgIndex(void) { return *GUI_pContext->LCD_pColorIndex; }
inline LCD_PIXELINDEX _Mask(GUI_DEVICE* pDevice) { return pDevice->pColorConvAPI->pfGetIndexMask(); }

template <class T> struct Driver {
  static T* _XY2PTR(GUI_MEMDEV* pDev, int x, int y) {
    return (T*)(GUI_MEMDEV__GetPixels(pDev) + (U32)(y - pDev->y0) * pDev->BytesPerLine) + (x - pDev->x0);
  }
  static bool _Inside(GUI_MEMDEV* pDev, int x, int y) {
    if (x < pDev->x0 || y < pDev->y0 || x >= pDev->x0 + pDev->XSize || y >= pDev->y0 + pDev->YSize) {
      GUI_ErrorOut2(Traits<T>::sOut, x, y);
      return false;
    }
    return true;
  }
  static bool _ClipRect(GUI_MEMDEV* pDev, int& x0, int& y0, int& x1, int& y1) {
    return GUI_MEMDEV__ClipToDevice(pDev, x0, y0, x1, y1, Traits<T>::sOut);
  }

  static void _Fill(T* p, T Value, int n) {
    if constexpr (sizeof(T) == 1) {
      GUI__memset(p, Value, n);
    } else if constexpr (sizeof(T) == 2) {
      GUI__memset16(p, Value, n);
    } else {
      GUI__memset32(p, Value, n);
    }
  }

  static void FillRect(GUI_DEVICE* pDevice, int x0, int y0, int x1, int y1) {
    GUI_MEMDEV* pDev = _Dev(pDevice);
    if (!_ClipRect(pDev, x0, y0, x1, y1)) return;
    int n = x1 - x0 + 1;
    GUI_MEMDEV__MarkRect(pDev, x0, y0, n, y1 - y0 + 1);
    if (_DrawMode() & GUI_DRAWMODE_XOR) {
      T Mask = (T)_Mask(pDevice);
      for (int y = y0; y <= y1; y++) {
        T* p = _XY2PTR(pDev, x0, y);
        for (int i = 0; i < n; i++) p[i] ^= Mask;
      }
    } else {
      T Index = (T)_FgIndex();
      for (int y = y0; y <= y1; y++) _Fill(_XY2PTR(pDev, x0, y), Index, n);
    }
  }
  static void DrawHLine(GUI_DEVICE* pDevice, int x0, int y, int x1) { FillRect(pDevice, x0, y, x1, y); }
  static void DrawVLine(GUI_DEVICE* pDevice, int x, int y0, int y1) {
    GUI_MEMDEV* pDev = _Dev(pDevice);
    int x1 = x;
    if (!_ClipRect(pDev, x, y0, x1, y1)) return;
    bool Xor = _DrawMode() & GUI_DRAWMODE_XOR;
    T Value = Xor ? (T)_Mask(pDevice) : (T)_FgIndex();
    for (int y = y0; y <= y1; y++) {
      T* p = _XY2PTR(pDev, x, y);
      *p = Xor ? (T)(*p ^ Value) : Value;
      GUI_MEMDEV__MarkPixel(pDev, x, y);
    }
  }
  static LCD_PIXELINDEX GetPixelIndex(GUI_DEVICE* pDevice, int x, int y) {
    GUI_MEMDEV* pDev = _Dev(pDevice);
    return _Inside(pDev, x, y) ? (LCD_PIXELINDEX)*_XY2PTR(pDev, x, y) : 0;
  }
  static void SetPixelIndex(GUI_DEVICE* pDevice, int x, int y, LCD_PIXELINDEX Index) {
    GUI_MEMDEV* pDev = _Dev(pDevice);
    if (!_Inside(pDev, x, y)) return;
    *_XY2PTR(pDev, x, y) = (T)Index;
    GUI_MEMDEV__MarkPixel(pDev, x, y);
  }
  static void XorPixel(GUI_DEVICE* pDevice, int x, int y) {
    GUI_MEMDEV* pDev = _Dev(pDevice);
    if (!_Inside(pDev, x, y)) return;
    T* p = _XY2PTR(pDev, x, y);
    *p = (T)(*p ^ (T)_Mask(pDevice));
    GUI_MEMDEV__MarkPixel(pDev, x, y);
  }

  // One row of a palette-based source of 1, 2, 4 or 8 bits per pixel; i0 is the first source pixel.
  static void _RowIndexed(GUI_DEVICE* pDevice, GUI_MEMDEV* pDev, T* pDst, int x, int y, int n, int bpp, const U8* pSrc,
                          int i0, const LCD_PIXELINDEX* pTrans, int Mode, bool Marked) {
    bool Xor = Mode & GUI_DRAWMODE_XOR, Trans = Mode & GUI_DRAWMODE_TRANS;
    if (Xor && (bpp == 8 || Trans) && bpp != 1) return;  // nothing to draw in these modes
    // A device without a usage bitmap has nothing to mark.
    Marked = Marked || !pDev->hUsage;
    switch (bpp) {
      case 1: _RowBits<1>(pDevice, pDev, pDst, x, y, n, pSrc, i0, pTrans, Xor, Trans, Marked); break;
      case 2: _RowBits<2>(pDevice, pDev, pDst, x, y, n, pSrc, i0, pTrans, Xor, Trans, Marked); break;
      case 4: _RowBits<4>(pDevice, pDev, pDst, x, y, n, pSrc, i0, pTrans, Xor, Trans, Marked); break;
      default: _RowBits<8>(pDevice, pDev, pDst, x, y, n, pSrc, i0, pTrans, Xor, Trans, Marked); break;
    }
  }

  template <int BPP>
  static void _RowBits(GUI_DEVICE* pDevice, GUI_MEMDEV* pDev, T* pDst, int x, int y, int n, const U8* pSrc, int i0,
                       const LCD_PIXELINDEX* pTrans, bool Xor, bool Trans, bool Marked) {
    constexpr int PerByte = 8 / BPP;
    constexpr unsigned ValueMask = (1u << BPP) - 1;
    auto Value = [pSrc, i0](int k) -> unsigned {
      int i = i0 + k;
      return (pSrc[i / PerByte] >> ((PerByte - 1 - i % PerByte) * BPP)) & ValueMask;
    };
    if (!Xor && !Trans) {
      for (int k = 0; k < n; k++) pDst[k] = (T)pTrans[Value(k)];
      return;
    }
    if (!Xor) {
      const T Ink1 = (T)pTrans[1];
      for (int k = 0; k < n; k++) {
        unsigned v = Value(k);
        if (v) {
          pDst[k] = BPP == 1 ? Ink1 : (T)pTrans[v];
          if (!Marked) GUI_MEMDEV__MarkPixel(pDev, x + k, y);
        }
      }
      return;
    }
    T Mask = (T)_Mask(pDevice);
    for (int k = 0; k < n; k++) {
      if (Value(k)) {
        pDst[k] = (T)(pDst[k] ^ Mask);
        if (!Marked) GUI_MEMDEV__MarkPixel(pDev, x + k, y);
      }
    }
  }

  static void _Row16(GUI_DEVICE* pDevice, T* pDst, int n, const U8* pSrc) {
    if constexpr (sizeof(T) == 2) {
      memcpy(pDst, pSrc, (size_t)n * 2);
    } else if constexpr (sizeof(T) == 4) {
      tLCDDEV_Index2Color pf = pDevice->pColorConvAPI->pfIndex2Color;
      for (int k = 0; k < n; k++) {
        U16 v;
        memcpy(&v, pSrc + 2 * k, 2);
        pDst[k] = (T)pf(v);
      }
    }
  }

  // Mixes c0 into c1 with intensity i, each byte (c0 * i + c1 * (255 - i)) >> 8: the result of
  // GUI__MixColors, two bytes at a time (no byte product can spill into its neighbour).
  static inline U32 _Mix(U32 c0, U32 c1, U32 i) {
    if ((c1 >> 24) == 0xFF) return c0;
    U32 j = 255 - i;
    U32 rb = (((c0 & 0x00FF00FFu) * i + (c1 & 0x00FF00FFu) * j) >> 8) & 0x00FF00FFu;
    U32 ga = (((c0 >> 8) & 0x00FF00FFu) * i + ((c1 >> 8) & 0x00FF00FFu) * j) & 0xFF00FF00u;
    return rb | ga;
  }
  static inline U32 _Load(const U8* p, int k) {
    U32 v;
    memcpy(&v, p + 4 * k, 4);
    return v;
  }

  static inline void _Blend1(U32* pDst, U32 c) {
    U32 a = c >> 24;
    if (a == 0) {
      *pDst = c;
    } else if (a != 0xFF) {
      *pDst = _Mix(c, *pDst, 255 - a);
    }
  }

#ifdef __SSE2__
  // _Blend1 for four pixels at once.
  static inline __m128i _Blend4(__m128i c, __m128i d) {
    const __m128i Zero = _mm_setzero_si128(), Full = _mm_set1_epi32(0xFF);
    __m128i a = _mm_srli_epi32(c, 24);
    __m128i i = _mm_sub_epi32(Full, a);
    __m128i i16 = _mm_or_si128(i, _mm_slli_epi32(i, 16));
    __m128i j16 = _mm_sub_epi16(_mm_set1_epi16(255), i16);
    __m128i iLo = _mm_unpacklo_epi32(i16, i16), iHi = _mm_unpackhi_epi32(i16, i16);
    __m128i jLo = _mm_unpacklo_epi32(j16, j16), jHi = _mm_unpackhi_epi32(j16, j16);
    __m128i Lo = _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(_mm_unpacklo_epi8(c, Zero), iLo),
                                              _mm_mullo_epi16(_mm_unpacklo_epi8(d, Zero), jLo)), 8);
    __m128i Hi = _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(_mm_unpackhi_epi8(c, Zero), iHi),
                                              _mm_mullo_epi16(_mm_unpackhi_epi8(d, Zero), jHi)), 8);
    __m128i r = _mm_packus_epi16(Lo, Hi);
    // Opaque source or invisible target: the source as it is; invisible source: the target unchanged.
    __m128i TakeSrc = _mm_or_si128(_mm_cmpeq_epi32(a, Zero), _mm_cmpeq_epi32(_mm_srli_epi32(d, 24), Full));
    r = _mm_or_si128(_mm_and_si128(TakeSrc, c), _mm_andnot_si128(TakeSrc, r));
    __m128i Keep = _mm_cmpeq_epi32(a, Full);
    return _mm_or_si128(_mm_and_si128(Keep, d), _mm_andnot_si128(Keep, r));
  }
#endif

  // A row of colours with their transparency byte into a 32-bit device: opaque pixels are copied, fully
  // transparent ones leave the buffer, the others are mixed. Groups of four pixels that are all opaque or
  // all transparent are handled at once.
  static void _Row32Blend(U32* pDst, int n, const U8* pSrc) {
    int k = 0;
#ifdef __SSE2__
    // Eight pixels at a time: all opaque ones are copied, all invisible ones skipped, others mixed four by
    // four with the same per-byte arithmetic as one by one.
    const __m128i Zero = _mm_setzero_si128(), Full = _mm_set1_epi32(0xFF);
    for (; k + 8 <= n; k += 8) {
      __m128i v0 = _mm_loadu_si128((const __m128i*)(pSrc + 4 * k));
      __m128i v1 = _mm_loadu_si128((const __m128i*)(pSrc + 4 * k + 16));
      __m128i a0 = _mm_srli_epi32(v0, 24), a1 = _mm_srli_epi32(v1, 24);
      if (_mm_movemask_epi8(_mm_cmpeq_epi32(_mm_or_si128(a0, a1), Zero)) == 0xFFFF) {
        _mm_storeu_si128((__m128i*)(pDst + k), v0);
        _mm_storeu_si128((__m128i*)(pDst + k + 4), v1);
        continue;
      }
      if (_mm_movemask_epi8(_mm_cmpeq_epi32(_mm_and_si128(a0, a1), Full)) == 0xFFFF) continue;
      _mm_storeu_si128((__m128i*)(pDst + k), _Blend4(v0, _mm_loadu_si128((const __m128i*)(pDst + k))));
      _mm_storeu_si128((__m128i*)(pDst + k + 4), _Blend4(v1, _mm_loadu_si128((const __m128i*)(pDst + k + 4))));
    }
#endif
    for (; k < n; k++) _Blend1(pDst + k, _Load(pSrc, k));
  }

  static void _Row32(GUI_DEVICE* pDevice, T* pDst, int n, const U8* pSrc) {
    if constexpr (sizeof(T) == 2) {
      tLCDDEV_Color2Index pf = pDevice->pColorConvAPI->pfColor2Index;
      for (int k = 0; k < n; k++) {
        U32 c;
        memcpy(&c, pSrc + 4 * k, 4);
        pDst[k] = (T)pf(c);
      }
    } else if constexpr (sizeof(T) == 4) {
      if (pDevice->pColorConvAPI->Flags) {
        memcpy(pDst, pSrc, (size_t)n * 4);
      } else {
        _Row32Blend(pDst, n, pSrc);
      }
    }
  }

  static void DrawBitmap(GUI_DEVICE* pDevice, int x0, int y0, int xSize, int ySize, int BitsPerPixel, int BytesPerLine,
                         const U8* pData, int Diff, const LCD_PIXELINDEX* pTrans) {
    GUI_MEMDEV* pDev = _Dev(pDevice);
    int Mode = _DrawMode();
    bool Indexed = BitsPerPixel == 1 || BitsPerPixel == 2 || BitsPerPixel == 4 || BitsPerPixel == 8;
    bool Wide = BitsPerPixel == 16 || BitsPerPixel >= 24;
    if (!Indexed && !(Wide && sizeof(T) > 1)) return;  // a depth this device does not take
    if (BitsPerPixel > 32) return;
    if (BitsPerPixel == 1 && x0 < pDev->x0) {
      GUI_ErrorOut3(Traits<T>::sLeft, x0, pDev->x0, GUI_pContext->ClipRect.x0);
    }
    // Keep to the device: cut rows and columns that lie outside (a caller's fault, reported once).
    if (!GUI_MEMDEV__ClipBitmap(pDev, x0, y0, xSize, ySize, Diff, pData, BytesPerLine, Traits<T>::sOut)) return;
    int x = x0, i0 = Diff;
    if (!pTrans) pTrans = _Identity.a;
    // Premark the whole rectangle when every pixel of it is written.
    bool Premark = (sizeof(T) == 4) ? !(Mode & GUI_DRAWMODE_TRANS) && !(Mode & GUI_DRAWMODE_XOR)
                                    : !(Mode & (GUI_DRAWMODE_TRANS | GUI_DRAWMODE_XOR));
    if (Wide) Premark = true;
    if (Premark) GUI_MEMDEV__MarkRect(pDev, x, y0, xSize, ySize);
    int BytesPerSrcPixel = BitsPerPixel >= 24 ? 4 : 2;
    for (int row = 0; row < ySize; row++) {
      T* pDst = _XY2PTR(pDev, x, y0 + row);
      const U8* pSrc = pData + (I64)row * BytesPerLine;
      if (Indexed) {
        _RowIndexed(pDevice, pDev, pDst, x, y0 + row, xSize, BitsPerPixel, pSrc, i0, pTrans, Mode, Premark);
      } else if (BitsPerPixel == 16) {
        _Row16(pDevice, pDst, xSize, pSrc + (I64)i0 * BytesPerSrcPixel);
      } else {
        _Row32(pDevice, pDst, xSize, pSrc + (I64)i0 * BytesPerSrcPixel);
      }
    }
  }

  static void SetOrg(GUI_DEVICE* pDevice, int x, int y) {
    GUI_DEVICE* pNext = pDevice->pNext;
    if (pNext) pNext->pDeviceAPI->pfSetOrg(pNext, x, y);
  }
  static GUI_DEVICE_FUNC GetDevFunc(GUI_DEVICE** ppDevice, int Index) {
    if (Index != LCD_DEVFUNC_MEMDEV_TRANSFER) return nullptr;
    return sizeof(T) == 4 ? (GUI_DEVICE_FUNC)GUI_MEMDEV__WriteToActiveAlpha
                          : (GUI_DEVICE_FUNC)GUI_MEMDEV__WriteToActiveOpaque;
  }
  static I32 GetDevProp(GUI_DEVICE* pDevice, int Index) {
    if constexpr (sizeof(T) == 4) {
      return Index == LCD_DEVCAP_BITSPERPIXEL ? 32 : 0;
    } else {
      GUI_DEVICE* pNext = pDevice->pNext;
      return pNext ? pNext->pDeviceAPI->pfGetDevProp(pNext, Index) : 0;
    }
  }
  static void* GetDevData(GUI_DEVICE* pDevice, int Index);
  static void GetRect(GUI_DEVICE* pDevice, LCD_RECT* pRect) {
    GUI_MEMDEV* pDev = _Dev(pDevice);
    pRect->x0 = pDev->x0;
    pRect->y0 = pDev->y0;
    pRect->x1 = (I16)(pDev->x0 + pDev->XSize - 1);
    pRect->y1 = (I16)(pDev->y0 + pDev->YSize - 1);
  }

  static constexpr GUI_DEVICE_API API = {
      DEVICE_CLASS_MEMDEV, DrawBitmap, DrawHLine, DrawVLine, FillRect,   GetPixelIndex, SetPixelIndex,
      XorPixel,            SetOrg,     GetDevFunc, GetDevProp, GetDevData, GetRect,
  };
};

template <class T> void* Driver<T>::GetDevData(GUI_DEVICE* pDevice, int Index) {
  if (Index != LCD_DEVDATA_MEMDEV) return nullptr;
  if constexpr (sizeof(T) == 1) return (void*)&GUI_MEMDEV_DEVICE_8;
  if constexpr (sizeof(T) == 2) return (void*)&GUI_MEMDEV_DEVICE_16;
  return (void*)&GUI_MEMDEV_DEVICE_32;
}

}  // namespace

const GUI_DEVICE_API GUI_MEMDEV_DEVICE_8 = Driver<U8>::API;
const GUI_DEVICE_API GUI_MEMDEV_DEVICE_16 = Driver<U16>::API;
const GUI_DEVICE_API GUI_MEMDEV_DEVICE_32 = Driver<U32>::API;

// Direct access for pixel-by-pixel drawing in the core: a 16-bit device without a usage bitmap keeps nothing
// but its pixels, so a write there is all that its SetPixelIndex does.
U16* GUI_MEMDEV__PixelRow16(GUI_DEVICE* pDevice, int x, int y, int n) {
  if (!pDevice || pDevice->pDeviceAPI != &GUI_MEMDEV_DEVICE_16 || n <= 0) return nullptr;
  GUI_MEMDEV* pDev = _Dev(pDevice);
  if (!pDev || pDev->hUsage || x < pDev->x0 || y < pDev->y0 || x + n > pDev->x0 + pDev->XSize ||
      y >= pDev->y0 + pDev->YSize) {
    return nullptr;
  }
  return Driver<U16>::_XY2PTR(pDev, x, y);
}
