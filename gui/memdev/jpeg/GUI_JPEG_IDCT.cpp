// Integer inverse DCT of one 8 x 8 block: 13-bit fixed-point constants, two extra bits of precision between
// the row pass and the column pass, results shifted by 128 and clamped to 0..255. Rows and columns whose AC
// entries are all zero take a shortcut with the same result.
#include "GUI_JPEG_Private.h"

namespace {

inline U8 _Clamp(I32 v) { return U8(v < 0 ? 0 : v > 255 ? 255 : v); }

// One 1-D pass over 8 values that lie Step apart; Store receives each output before descaling.
template <class FStore>
inline void _Pass(const I16* c, int Step, FStore Store) {
  I32 c0 = c[0], c1 = c[Step], c2 = c[2 * Step], c3 = c[3 * Step];
  I32 c4 = c[4 * Step], c5 = c[5 * Step], c6 = c[6 * Step], c7 = c[7 * Step];
  // Even part.
  I32 z1 = (c2 + c6) * 4433;
  I32 t2 = z1 - c6 * 15137;
  I32 t3 = z1 + c2 * 6270;
  I32 t0 = (c0 + c4) * 8192;
  I32 t1 = (c0 - c4) * 8192;
  I32 e10 = t0 + t3, e13 = t0 - t3, e11 = t1 + t2, e12 = t1 - t2;
  // Odd part.
  I32 z5 = (c7 + c3 + c5 + c1) * 9633;
  I32 za = (c7 + c1) * -7373;
  I32 zb = (c5 + c3) * -20995;
  I32 zc = (c7 + c3) * -16069 + z5;
  I32 zd = (c5 + c1) * -3196 + z5;
  I32 o0 = c7 * 2446 + za + zc;
  I32 o1 = c5 * 16819 + zb + zd;
  I32 o2 = c3 * 25172 + zb + zc;
  I32 o3 = c1 * 12299 + za + zd;
  Store(0, e10 + o3);
  Store(7, e10 - o3);
  Store(1, e11 + o2);
  Store(6, e11 - o2);
  Store(2, e12 + o1);
  Store(5, e12 - o1);
  Store(3, e13 + o0);
  Store(4, e13 - o0);
}

}  // namespace

void GUI_JPEG__IDCTPlain(const I16* pCoeff, U8* pOut) {
  I16 aWork[64];
  // Rows.
  for (int y = 0; y < 8; y++) {
    const I16* c = pCoeff + y * 8;
    I16* w = aWork + y * 8;
    if (!(c[1] | c[2] | c[3] | c[4] | c[5] | c[6] | c[7])) {
      I16 v = I16(c[0] * 4);
      for (int x = 0; x < 8; x++) {
        w[x] = v;
      }
      continue;
    }
    _Pass(c, 1, [w](int i, I32 v) { w[i] = I16((v + 1024) >> 11); });
  }
  // Columns.
  for (int x = 0; x < 8; x++) {
    const I16* c = aWork + x;
    if (!(c[8] | c[16] | c[24] | c[32] | c[40] | c[48] | c[56])) {
      U8 v = _Clamp(((c[0] + 16) >> 5) + 128);
      for (int y = 0; y < 8; y++) {
        pOut[y * 8 + x] = v;
      }
      continue;
    }
    _Pass(c, 8, [pOut, x](int i, I32 v) { pOut[i * 8 + x] = _Clamp(((v + 131072) >> 18) + 128); });
  }
}

void GUI_JPEG__IDCT(const I16* pCoeff, U8* pOut) { GUI_JPEG__IDCTPlain(pCoeff, pOut); }
