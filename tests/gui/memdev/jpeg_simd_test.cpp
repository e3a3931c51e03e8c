// The vector forms of the JPEG inverse DCT and colour conversion give exactly the plain forms' bytes, for
// coefficients as real files have them and for the extremes that only damaged files reach.
#include <gtest/gtest.h>

#include "GUI_JPEG_Private.h"

#include <cstring>
#include <random>

namespace {

TEST(JpegSimd, InverseDCTEqualsThePlainForm) {
  std::mt19937 Rng(7);
  auto Block = [&](int Kind) {
    std::vector<I16> c(64, 0);
    for (int i = 0; i < 64; i++) {
      switch (Kind) {
      case 0:  // what quantised photographs give: large low frequencies, sparse small high ones
        if (i == 0) {
          c[i] = I16(int(Rng() % 2048) - 1024);
        } else if (Rng() % 4 == 0) {
          c[i] = I16(int(Rng() % (512 / (1 + i))) - 256 / (1 + i));
        }
        break;
      case 1:  // DC only
        c[i] = I16(i == 0 ? int(Rng() % 65536) - 32768 : 0);
        break;
      case 2:  // anything a damaged file may produce
        c[i] = I16(Rng());
        break;
      default:  // the extremes
        c[i] = Rng() % 2 ? 32767 : -32768;
        break;
      }
    }
    return c;
  };
  for (int Kind = 0; Kind < 4; Kind++) {
    for (int n = 0; n < 4000; n++) {
      std::vector<I16> c = Block(Kind);
      U8 aVec[64], aPlain[64];
      GUI_JPEG__IDCT(c.data(), aVec);
      GUI_JPEG__IDCTPlain(c.data(), aPlain);
      ASSERT_EQ(std::memcmp(aVec, aPlain, 64), 0) << "kind " << Kind << " block " << n;
    }
  }
  // Rows of blocks of every kind mixed, as the two-block form pairs them.
  const int NumBlocks = 999;
  std::vector<I16> Row;
  for (int n = 0; n < NumBlocks; n++) {
    std::vector<I16> c = Block(int(Rng() % 4));
    Row.insert(Row.end(), c.begin(), c.end());
  }
  std::vector<U8> Out(64 * NumBlocks), Want(64 * NumBlocks);
  GUI_JPEG__IDCTBlocks(Row.data(), Out.data(), NumBlocks);
  for (int n = 0; n < NumBlocks; n++) {
    GUI_JPEG__IDCTPlain(Row.data() + 64 * n, Want.data() + 64 * n);
  }
  EXPECT_EQ(Out, Want);
  // A flat block: DC 80 is (80 x 4 + 16) >> 5 = 10 above mid-grey everywhere.
  std::vector<I16> Flat(64, 0);
  Flat[0] = 80;
  U8 aOut[64];
  GUI_JPEG__IDCT(Flat.data(), aOut);
  for (U8 v : aOut) {
    ASSERT_EQ(v, 138);
  }
}

TEST(JpegSimd, ColourConversionEqualsThePlainForm) {
  std::mt19937 Rng(3);
  U8 aY[4][8], aCb[8], aCr[8];
  for (int n = 0; n < 20000; n++) {
    for (auto& Row : aY) {
      for (U8& v : Row) {
        v = U8(Rng());
      }
    }
    for (int i = 0; i < 8; i++) {
      // Mostly random, sometimes the ends of the range.
      aCb[i] = U8(n % 7 == 0 ? (Rng() % 2) * 255 : Rng());
      aCr[i] = U8(n % 5 == 0 ? (Rng() % 2) * 255 : Rng());
    }
    for (int Step : {1, 2}) {
      U8 aVec[2][64], aPlain[2][64];
      std::memset(aVec, 0xAA, sizeof(aVec));
      std::memset(aPlain, 0xAA, sizeof(aPlain));
      GUI_JPEG__ConvertMCULine(aY[0], aY[1], aY[2], aY[3], aCb, aCr, aVec[0], aVec[1], Step);
      GUI_JPEG__ConvertMCULinePlain(aY[0], aY[1], aY[2], aY[3], aCb, aCr, aPlain[0], aPlain[1], Step);
      ASSERT_EQ(std::memcmp(aVec, aPlain, sizeof(aVec)), 0) << "step " << Step << " case " << n;
    }
  }
  // Grey chroma leaves the luminance as it is; the fourth byte stays 0.
  U8 aGrey[8] = {128, 128, 128, 128, 128, 128, 128, 128}, aLum[8] = {0, 1, 77, 128, 200, 254, 255, 3}, aOut[32];
  GUI_JPEG__ConvertMCULine(aLum, nullptr, nullptr, nullptr, aGrey, aGrey, aOut, nullptr, 1);
  for (int i = 0; i < 8; i++) {
    EXPECT_EQ(aOut[4 * i], aLum[i]);
    EXPECT_EQ(aOut[4 * i + 1], aLum[i]);
    EXPECT_EQ(aOut[4 * i + 2], aLum[i]);
    EXPECT_EQ(aOut[4 * i + 3], 0);
  }
}

}  // namespace
