// Rotation and scaling of 32-bit memory devices in fixed point: 16.16 sample positions stepped incrementally
// over the destination box that the turned source can cover, nearest or area-average sampling, and the
// per-pixel rules (plain, masked, global alpha). Nothing is read outside the source and nothing written
// outside the destination: samples beyond the source are transparent, and the box is clipped to the
// destination before the first pixel is visited.
#include "GUI_MEMDEV_Rotate.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "GUI_MEMDEV_Private.h"
#include "GUI_MEMDEV_RotateArea.h"

namespace {

enum { _NEAREST = 0, _AREA = 1, _AREA_SPARSE = 2 };
enum { _PLAIN = 0, _MASKED = 1, _ALPHA = 2 };

// One rotation on plain pixel arrays (rows of XSize pixels). Rule _MASKED: Extra is the AND mask; _ALPHA:
// Extra is the global alpha. Subpixel: x, y in 1/8 pixel.
struct _JOB {
  const U32* pSrc;
  int SrcXSize, SrcYSize;
  U32* pDst;
  int DstXSize, DstYSize;
  int x, y, Angle, Mag;
  int Sampling, Rule, Subpixel;
  U32 Extra;
};

bool _PlainOnly = false;

// Where the loops start and how far they go.
struct _SETUP {
  I64 c, s;            // source step per destination pixel along a row (sx += c, sy += s)
  I64 sxRow, syRow;    // sample position of the box's upper left destination pixel
  int x0, y0, x1, y1;  // destination box, inclusive, inside the destination
  I64 Box;             // area sampling: source extent of one destination pixel
};

bool _Prepare(const _JOB& j, _SETUP& st) {
  if (j.Mag == 0 || j.SrcXSize < 1 || j.SrcYSize < 1 || j.DstXSize < 1 || j.DstYSize < 1) return false;
  const I64 Sin = GUI__Sin1000(j.Angle), Cos = GUI__Cos1000(j.Angle), Mag = j.Mag;
  // 64-bit throughout: small magnifications make the steps large enough to leave 32 bits within a row.
  st.c = Cos * 1000 / Mag;
  st.s = Sin * 1000 / Mag;
  const I64 cM = Cos * Mag / 1000, sM = Sin * Mag / 1000;
  const I64 W = j.SrcXSize, H = j.SrcYSize;
  const bool Area = j.Sampling != _NEAREST;
  const I64 Wc = Area ? W : W - 1, Hc = Area ? H : H - 1;
  const I64 x = j.x, y = j.y;
  I64 X0 = j.Subpixel ? (x + 4 * Wc) * 8192 : (Wc + 2 * x) * 32768;
  I64 Y0 = j.Subpixel ? (y + 4 * Hc) * 8192 : (Hc + 2 * y) * 32768;
  X0 += -((sM * H) >> 1) - ((cM * W) >> 1);
  Y0 += -((cM * H) >> 1) + ((sM * W) >> 1);
  const I64 ax[4] = {X0, X0 + cM * W, X0 + cM * W + sM * H, X0 + sM * H};
  const I64 ay[4] = {Y0, Y0 - sM * W, Y0 - sM * W + cM * H, Y0 + cM * H};
  I64 xMin = *std::min_element(ax, ax + 4), xMax = *std::max_element(ax, ax + 4);
  I64 yMin = *std::min_element(ay, ay + 4), yMax = *std::max_element(ay, ay + 4);
  I64 bx0 = std::max<I64>((xMin + 0x8000) >> 16, 0), bx1 = std::min<I64>((xMax - 0x8000) >> 16, j.DstXSize - 1);
  I64 by0 = std::max<I64>((yMin + 0x8000) >> 16, 0), by1 = std::min<I64>((yMax - 0x8000) >> 16, j.DstYSize - 1);
  if (bx0 > bx1 || by0 > by1) return false;
  st.x0 = (int)bx0;
  st.y0 = (int)by0;
  st.x1 = (int)bx1;
  st.y1 = (int)by1;
  const I64 c = st.c, s = st.s;
  const I64 cx = j.Subpixel ? (c >> 3) * x : c * x, sx = j.Subpixel ? (s >> 3) * x : s * x;
  const I64 cy = j.Subpixel ? (c >> 3) * y : c * y, sy = j.Subpixel ? (s >> 3) * y : s * y;
  I64 SX = Wc * 32768 + ((s * Hc) >> 1) - ((c * Wc) >> 1) - cx + sy;
  I64 SY = Hc * 32768 - ((c * Hc) >> 1) - ((s * Wc) >> 1) - sx - cy;
  if (Area) {
    // The centre of the destination pixel rather than its corner.
    SX += (c >> 1) - (s >> 1);
    SY += (c >> 1) + (s >> 1);
  }
  st.sxRow = SX + bx0 * c - by0 * s;
  st.syRow = SY + by0 * c + bx0 * s;
  st.Box = std::max<I64>(((I64)1000 << 16) / (Mag < 0 ? -Mag : Mag), 1);
  return true;
}

// Narrows [k0, k1] to the steps k at which v0 + k * Step may lie strictly between Lo and Hi; a step or two
// more is harmless (such pixels sample nothing and stay as they are), a step less would lose pixels.
void _NarrowSpan(I64 v0, I64 Step, I64 Lo, I64 Hi, I64& k0, I64& k1) {
  if (Step == 0) {
    if (v0 <= Lo || v0 >= Hi) k1 = k0 - 1;
    return;
  }
  double a = (double)(Lo - v0) / (double)Step, b = (double)(Hi - v0) / (double)Step;
  if (a > b) std::swap(a, b);
  k0 = std::max<I64>(k0, (I64)std::floor(a) - 1);
  k1 = std::min<I64>(k1, (I64)std::ceil(b) + 1);
}

U32 _SampleNearest(const U32* pSrc, int W, int H, I64 sx, I64 sy) {
  I64 col = (sx + 0x8000) >> 16, row = (sy + 0x8000) >> 16;
  if (col < 0 || row < 0 || col >= W || row >= H) return GUI_TRANSPARENT;
  return pSrc[row * W + col];
}

template <int Rule>
inline void _Put(U32* pDst, U32 q, U32 Extra) {
  U32 a = q >> 24;
  if (Rule == _ALPHA) {
    a = (a + (255 - a) * Extra / 255) & 0xFF;
    q = (q & 0x00FFFFFF) | (a << 24);
  }
  if (a == 255) return;
  U32 v = a ? GUI__MixColors(q, *pDst, (U8)(255 - a)) : q;
  if (Rule == _MASKED) v &= Extra;
  *pDst = v;
}

template <int Sampling, int Rule>
void _Loop(const _JOB& j, const _SETUP& st) {
  const U32* pSrc = j.pSrc;
  const int W = j.SrcXSize, H = j.SrcYSize;
  // Open interval of sample positions that reach the source at all, per axis.
  const I64 Half = st.Box >> 1;
  const I64 LoX = Sampling == _NEAREST ? -0x8001 : Half - st.Box, HiX = ((I64)W << 16) + (Sampling == _NEAREST ? -0x8000 : Half);
  const I64 LoY = Sampling == _NEAREST ? -0x8001 : Half - st.Box, HiY = ((I64)H << 16) + (Sampling == _NEAREST ? -0x8000 : Half);
  I64 sxRow = st.sxRow, syRow = st.syRow;
  for (int Y = st.y0; Y <= st.y1; Y++, sxRow -= st.s, syRow += st.c) {
    U32* pDst = j.pDst + (size_t)Y * j.DstXSize;
    I64 k0 = 0, k1 = st.x1 - st.x0;
    _NarrowSpan(sxRow, st.c, LoX, HiX, k0, k1);
    _NarrowSpan(syRow, st.s, LoY, HiY, k0, k1);
    if (k0 > k1) continue;
    const int xa = st.x0 + (int)k0, xb = st.x0 + (int)k1;
    I64 sx = sxRow + k0 * st.c, sy = syRow + k0 * st.s;
    if (Sampling == _AREA && Rule == _PLAIN) {
      GUI_MEMDEV__RotateAreaRow(pSrc, W, H, pDst, xa, xb, sx, sy, st.c, st.s, st.Box, _PlainOnly);
      continue;
    }
    for (int X = xa; X <= xb; X++, sx += st.c, sy += st.s) {
      U32 q;
      if (Sampling == _NEAREST) {
        q = _SampleNearest(pSrc, W, H, sx, sy);
      } else {
        if (Sampling == _AREA_SPARSE) {
          I64 col = sx >> 16, row = sy >> 16;
          if (col < 0 || row < 0 || col >= W || row >= H || (pSrc[row * W + col] >> 24) == 0xFF) continue;
        }
        q = GUI_MEMDEV__SampleArea(pSrc, W, H, sx, sy, st.Box);
      }
      _Put<Rule>(pDst + X, q, j.Extra);
    }
  }
}

template <int Sampling>
void _Dispatch(const _JOB& j, const _SETUP& st) {
  switch (j.Rule) {
    case _MASKED: _Loop<Sampling, _MASKED>(j, st); break;
    case _ALPHA: _Loop<Sampling, _ALPHA>(j, st); break;
    default: _Loop<Sampling, _PLAIN>(j, st); break;
  }
}

GUI_MEMDEV* _Get32(GUI_HMEM hMem) {
  GUI_MEMDEV* p = GUI_MEMDEV__Check(hMem);
  return (p && p->BitsPerPixel == 32) ? p : nullptr;
}

void _Rotate(GUI_HMEM hSrc, GUI_HMEM hDst, int x, int y, int Angle, int Mag, int Sampling, int Rule, int Subpixel,
             U32 Extra) {
  GUI_MEMDEV__LockGuard Lock;
  if (!_Get32(hSrc) || !_Get32(hDst) || Mag == 0) return;
  GUI_MEMDEV__Pin PinSrc(hSrc), PinDst(hDst);
  GUI_MEMDEV* pSrc = GUI_MEMDEV__h2p(hSrc);
  GUI_MEMDEV* pDst = GUI_MEMDEV__h2p(hDst);
  _JOB j{};
  j.pSrc = (const U32*)GUI_MEMDEV__GetPixels(pSrc);
  j.SrcXSize = pSrc->XSize;
  j.SrcYSize = pSrc->YSize;
  j.pDst = (U32*)GUI_MEMDEV__GetPixels(pDst);
  j.DstXSize = pDst->XSize;
  j.DstYSize = pDst->YSize;
  j.x = x;
  j.y = y;
  j.Angle = Angle;
  j.Mag = Mag;
  j.Sampling = Sampling;
  j.Rule = Rule;
  j.Subpixel = Subpixel;
  j.Extra = Extra;
  // A device turned into itself is read from a copy, so no sample sees a pixel already written.
  std::vector<U32> Copy;
  if (hSrc == hDst) {
    Copy.assign(j.pSrc, j.pSrc + (size_t)j.SrcXSize * j.SrcYSize);
    j.pSrc = Copy.data();
  }
  _SETUP st;
  if (!_Prepare(j, st)) return;
  switch (j.Sampling) {
    case _AREA: _Dispatch<_AREA>(j, st); break;
    case _AREA_SPARSE: _Dispatch<_AREA_SPARSE>(j, st); break;
    default: _Dispatch<_NEAREST>(j, st); break;
  }
}

}  // namespace

int GUI_MEMDEV__RotatePlainOnly(int OnOff) {
  int Old = _PlainOnly ? 1 : 0;
  _PlainOnly = OnOff != 0;
  return Old;
}

void GUI_MEMDEV_Rotate(GUI_HMEM hSrc, GUI_HMEM hDst, int x, int y, int Angle, int Mag) {
  _Rotate(hSrc, hDst, x, y, Angle, Mag, _NEAREST, _MASKED, 0, 0xFFFFFFFFu);
}

void GUI_MEMDEV_RotateMasked(GUI_HMEM hSrc, GUI_HMEM hDst, int x, int y, int Angle, int Mag, U32 AndMask) {
  _Rotate(hSrc, hDst, x, y, Angle, Mag, _NEAREST, _MASKED, 0, AndMask);
}

void GUI_MEMDEV_RotateAlpha(GUI_HMEM hSrc, GUI_HMEM hDst, int x, int y, int Angle, int Mag, U8 Alpha) {
  _Rotate(hSrc, hDst, x, y, Angle, Mag, _NEAREST, _ALPHA, 0, Alpha);
}

void GUI_MEMDEV_RotateSubpixel(GUI_HMEM hSrc, GUI_HMEM hDst, int x, int y, int Angle, int Mag) {
  _Rotate(hSrc, hDst, x, y, Angle, Mag, _NEAREST, _MASKED, 1, 0xFFFFFFFFu);
}

void GUI_MEMDEV_RotateSubpixelMasked(GUI_HMEM hSrc, GUI_HMEM hDst, int x, int y, int Angle, int Mag, U32 AndMask) {
  _Rotate(hSrc, hDst, x, y, Angle, Mag, _NEAREST, _MASKED, 1, AndMask);
}

void GUI_MEMDEV_RotateSmooth(GUI_HMEM hSrc, GUI_HMEM hDst, int x, int y, int Angle, int Mag) {
  _Rotate(hSrc, hDst, x, y, Angle, Mag, _AREA, _PLAIN, 0, 0);
}

void GUI_MEMDEV_RotateSmoothAlpha(GUI_HMEM hSrc, GUI_HMEM hDst, int x, int y, int Angle, int Mag, U8 Alpha) {
  _Rotate(hSrc, hDst, x, y, Angle, Mag, _AREA, _ALPHA, 0, Alpha);
}

void GUI_MEMDEV_RotateSmoothSubpixel(GUI_HMEM hSrc, GUI_HMEM hDst, int x, int y, int Angle, int Mag) {
  _Rotate(hSrc, hDst, x, y, Angle, Mag, _AREA, _PLAIN, 1, 0);
}

void GUI_MEMDEV_RotateSmoothSparse(GUI_HMEM hSrc, GUI_HMEM hDst, int x, int y, int Angle, int Mag) {
  _Rotate(hSrc, hDst, x, y, Angle, Mag, _AREA_SPARSE, _PLAIN, 0, 0);
}
