// Rotation and scaling of 32-bit devices against a plain floating-point resampler written here: nearest
// sampling must agree exactly except where the exact sample position lies on (or within the fixed-point
// error of) a rounding border; area sampling within a stated tolerance. Destination pixels that no sample
// reaches must keep their value. The vector paths must give the plain path's bytes.
#include <cmath>
#include <random>
#include <vector>

#include "GUI_MEMDEV_Rotate.h"
#include "memdev_fixture.h"

namespace {

class RotateTest : public MemdevTest {
 protected:
  static constexpr U32 kDstFill = 0x00336699u;
  GUI_HMEM Make(int w, int h) { return GUI_MEMDEV_Create32(0, 0, w, h); }
  static U32* Px(GUI_HMEM h) { return (U32*)Pixels(h); }
  static void FillRandom(GUI_HMEM h, std::mt19937& Rng, bool WithAlpha) {
    GUI_MEMDEV* p = Dev(h);
    for (int i = 0; i < p->XSize * p->YSize; i++) {
      U32 c = Rng() & 0xFFFFFF;
      U32 a = 0;
      if (WithAlpha) {
        int k = Rng() % 6;
        a = k == 0 ? 255 : (k == 1 ? Rng() % 256 : 0);
      }
      Px(h)[i] = c | a << 24;
    }
  }
  static void Fill(GUI_HMEM h, U32 v) {
    for (int i = 0; i < Dev(h)->XSize * Dev(h)->YSize; i++) Px(h)[i] = v;
  }
  static std::vector<U32> Copy(GUI_HMEM h) { return std::vector<U32>(Px(h), Px(h) + Dev(h)->XSize * Dev(h)->YSize); }

  // The plain rule on one pixel (the library's own mix, as the rule prescribes it).
  static U32 Plain(U32 q, U32 d) {
    U32 a = q >> 24;
    return a == 0 ? q : (a == 255 ? d : GUI__MixColors(q, d, (U8)(255 - a)));
  }
};

// Source position (pixel-centre coordinates for nearest, edge coordinates for area) of destination point
// (px, py) in double precision, straight from the geometry: turn about the source centre placed at
// (x + Wc / 2, y + Hc / 2), scaled by Mag / 1000.
void SourceOf(double px, double py, int W, int H, double x, double y, int Angle, int Mag, bool Area, double* pu,
              double* pv) {
  double Wc = Area ? W : W - 1, Hc = Area ? H : H - 1;
  double a = Angle / 1000.0 * M_PI / 180.0, m = Mag / 1000.0;
  double dx = px - (x + Wc / 2), dy = py - (y + Hc / 2);
  *pu = Wc / 2 + (std::cos(a) * dx - std::sin(a) * dy) / m;
  *pv = Hc / 2 + (std::sin(a) * dx + std::cos(a) * dy) / m;
}

struct NearestCase {
  int W, H, x, y, Angle, Mag;
  bool Exact;  // positions free of fixed-point error: no tolerance at rounding borders
};

TEST_F(RotateTest, NearestMatchesFloatingPointReference) {
  const NearestCase Cases[] = {
      {17, 11, 5, 7, 0, 1000, true},      {17, 11, 5, 7, 90000, 1000, true},   {16, 12, 9, 3, 180000, 1000, true},
      {16, 12, 9, 3, 270000, 1000, true}, {20, 14, 10, 10, 0, 2000, true},     {20, 14, 10, 10, 90000, 500, true},
      {40, 30, 12, 8, 30000, 1000, false}, {40, 30, 12, 8, 210000, 1000, false}, {33, 21, -6, 4, 45000, 1500, false},
      {33, 21, 4, -6, 123456, 750, false}, {25, 25, 8, 8, -60000, 2300, false}, {64, 48, -20, -15, 17500, 1000, false},
  };
  std::mt19937 Rng(7);
  for (const NearestCase& k : Cases) {
    SCOPED_TRACE(testing::Message() << "angle " << k.Angle << " mag " << k.Mag);
    GUI_HMEM hSrc = Make(k.W, k.H), hDst = Make(70, 60);
    FillRandom(hSrc, Rng, true);
    FillRandom(hDst, Rng, false);
    std::vector<U32> Before = Copy(hDst), Src = Copy(hSrc);
    GUI_MEMDEV_Rotate(hSrc, hDst, k.x, k.y, k.Angle, k.Mag);
    int Ambiguous = 0;
    double Box[4] = {1e9, 1e9, -1e9, -1e9};  // the turned picture's extent: x0, y0, x1, y1
    double a = k.Angle / 1000.0 * M_PI / 180.0, m = k.Mag / 1000.0, cx = k.x + (k.W - 1) / 2.0, cy = k.y + (k.H - 1) / 2.0;
    for (double sx : {-1.0, 1.0})
      for (double sy : {-1.0, 1.0}) {
        double dx = sx * k.W / 2 * m, dy = sy * k.H / 2 * m;
        double px = cx + std::cos(a) * dx + std::sin(a) * dy, py = cy - std::sin(a) * dx + std::cos(a) * dy;
        Box[0] = std::min(Box[0], px), Box[1] = std::min(Box[1], py), Box[2] = std::max(Box[2], px), Box[3] = std::max(Box[3], py);
      }
    for (int Y = 0; Y < 60; Y++) {
      for (int X = 0; X < 70; X++) {
        double u, v;
        SourceOf(X, Y, k.W, k.H, k.x, k.y, k.Angle, k.Mag, false, &u, &v);
        if (k.Exact) {  // positions are multiples of 1/2 here; drop the last bits of the double arithmetic
          u = std::round(u * 1e6) / 1e6;
          v = std::round(v * 1e6) / 1e6;
        }
        // Candidates: the rounded position and, near a rounding border, its neighbour across it.
        double Eps = k.Exact ? 0 : 0.02;
        std::vector<U32> Allowed;
        for (double du : {0.0, -Eps, Eps})
          for (double dv : {0.0, -Eps, Eps}) {
            long col = (long)std::floor(u + du + 0.5), row = (long)std::floor(v + dv + 0.5);
            U32 q = (col < 0 || row < 0 || col >= k.W || row >= k.H) ? GUI_TRANSPARENT : Src[row * k.W + col];
            U32 e = Plain(q, Before[Y * 70 + X]);
            if (std::find(Allowed.begin(), Allowed.end(), e) == Allowed.end()) Allowed.push_back(e);
          }
        // Pixels within half a pixel of the turned picture's bounding box are left out by design.
        bool NearBox = X < Box[0] + 0.5 || X > Box[2] - 0.5 || Y < Box[1] + 0.5 || Y > Box[3] - 0.5;
        if (NearBox && std::find(Allowed.begin(), Allowed.end(), Before[Y * 70 + X]) == Allowed.end()) {
          Allowed.push_back(Before[Y * 70 + X]);
        }
        Ambiguous += Allowed.size() > 1;
        U32 Got = Px(hDst)[Y * 70 + X];
        ASSERT_NE(std::find(Allowed.begin(), Allowed.end(), Got), Allowed.end())
            << "pixel " << X << "," << Y << " got " << std::hex << Got << " expected " << Allowed[0] ;
      }
    }
    EXPECT_LT(Ambiguous, 70 * 60 / 20);
    GUI_MEMDEV_Delete(hSrc);
    GUI_MEMDEV_Delete(hDst);
  }
}

// Area average in double precision: overlap of the axis-parallel square of side 1000 / Mag (source pixels)
// around the sample with every source pixel, weighted by opacity.
U32 AreaReference(const std::vector<U32>& Src, int W, int H, double u, double v, double Side, double* pCover) {
  double x0 = u - Side / 2, x1 = u + Side / 2, y0 = v - Side / 2, y1 = v + Side / 2;
  double Sum[3] = {0, 0, 0}, Color = 0, Total = 0;
  for (long r = (long)std::floor(y0); r < y1; r++)
    for (long c = (long)std::floor(x0); c < x1; c++) {
      double w = (std::min(x1, c + 1.0) - std::max(x0, (double)c)) * (std::min(y1, r + 1.0) - std::max(y0, (double)r));
      if (w <= 0) continue;
      Total += w;
      if (c < 0 || r < 0 || c >= W || r >= H) continue;
      U32 p = Src[r * W + c];
      double o = (255 - (p >> 24)) / 255.0 * w;
      for (int i = 0; i < 3; i++) Sum[i] += o * ((p >> (8 * i)) & 0xFF);
      Color += o;
    }
  *pCover = Total > 0 ? Color / Total : 0;
  if (Color <= 0) return GUI_TRANSPARENT;
  U32 q = 0;
  for (int i = 0; i < 3; i++) q |= (U32)std::lround(Sum[i] / Color) << (8 * i);
  return q | (U32)std::lround(255 * (1 - *pCover)) << 24;
}

int MaxChannelDiff(U32 a, U32 b) {
  int d = 0;
  for (int i = 0; i < 32; i += 8) d = std::max(d, std::abs((int)((a >> i) & 0xFF) - (int)((b >> i) & 0xFF)));
  return d;
}

TEST_F(RotateTest, SmoothMatchesFloatingPointBoxFilterWithinTwo) {
  struct { int Angle, Mag; } Cases[] = {{0, 1000}, {30000, 1000}, {210000, 1000}, {45000, 1700}, {100000, 600}, {-20000, 350}};
  std::mt19937 Rng(11);
  const int W = 37, H = 29, DW = 90, DH = 80;
  for (auto k : Cases) {
    SCOPED_TRACE(testing::Message() << "angle " << k.Angle << " mag " << k.Mag);
    GUI_HMEM hSrc = Make(W, H), hDst = Make(DW, DH);
    FillRandom(hSrc, Rng, false);
    Fill(hDst, kDstFill);
    std::vector<U32> Src = Copy(hSrc);
    const int x = 25, y = 28;
    GUI_MEMDEV_RotateSmooth(hSrc, hDst, x, y, k.Angle, k.Mag);
    int Compared = 0;
    for (int Y = 0; Y < DH; Y++)
      for (int X = 0; X < DW; X++) {
        double u, v, Cover;
        SourceOf(X + 0.5, Y + 0.5, W, H, x, y, k.Angle, k.Mag, true, &u, &v);
        U32 q = AreaReference(Src, W, H, u, v, 1000.0 / k.Mag, &Cover);
        U32 Got = Px(hDst)[Y * DW + X];
        if (Cover == 0) {
          ASSERT_EQ(Got, kDstFill) << "untouched pixel " << X << "," << Y;
        } else if (Cover == 1) {
          ASSERT_LE(MaxChannelDiff(Got, q), 2) << "pixel " << X << "," << Y << std::hex << " got " << Got << " want " << q;
          Compared++;
        } else if (Cover > 0.01 && Cover < 0.99 && !(Cover < 0.5 && Got == kDstFill)) {
          // Partly covered: mixed over the destination; both sides' rounding add up. The box of pixels visited
          // takes in a pixel at the extremes of the turned picture only when at least half of it is covered.
          ASSERT_LE(MaxChannelDiff(Got & 0xFFFFFF, Plain(q, kDstFill) & 0xFFFFFF), 4) << "edge pixel " << X << "," << Y;
        }
      }
    EXPECT_GT(Compared, 100);
    GUI_MEMDEV_Delete(hSrc);
    GUI_MEMDEV_Delete(hDst);
  }
}

TEST_F(RotateTest, VectorPathGivesThePlainPathsBytes) {
  std::mt19937 Rng(3);
  for (int Round = 0; Round < 24; Round++) {
    int W = 2 + Rng() % 60, H = 2 + Rng() % 60, Angle = (int)(Rng() % 720000) - 360000;
    int Mag = Round % 3 == 0 ? 1000 : 300 + Rng() % 2500, x = (int)(Rng() % 60) - 20, y = (int)(Rng() % 60) - 20;
    SCOPED_TRACE(testing::Message() << W << "x" << H << " angle " << Angle << " mag " << Mag);
    GUI_HMEM hSrc = Make(W, H), hA = Make(80, 70), hB = Make(80, 70);
    FillRandom(hSrc, Rng, Round % 2);
    Fill(hA, kDstFill);
    Fill(hB, kDstFill);
    int Old = GUI_MEMDEV__RotatePlainOnly(1);
    GUI_MEMDEV_RotateSmooth(hSrc, hA, x, y, Angle, Mag);
    GUI_MEMDEV__RotatePlainOnly(0);
    GUI_MEMDEV_RotateSmooth(hSrc, hB, x, y, Angle, Mag);
    GUI_MEMDEV__RotatePlainOnly(Old);
    ASSERT_EQ(Copy(hA), Copy(hB));
    GUI_MEMDEV_Delete(hSrc);
    GUI_MEMDEV_Delete(hA);
    GUI_MEMDEV_Delete(hB);
  }
}

TEST_F(RotateTest, IdentityCopiesOneToOneAndTransparentPixelsKeepTheDestination) {
  GUI_HMEM hSrc = Make(4, 3), hDst = Make(10, 8);
  Fill(hDst, kDstFill);
  for (int i = 0; i < 12; i++) Px(hSrc)[i] = 0x010203u * (U32)(i + 1);
  Px(hSrc)[5] = GUI_TRANSPARENT;
  GUI_MEMDEV_Rotate(hSrc, hDst, 3, 2, 0, 1000);
  for (int Y = 0; Y < 8; Y++)
    for (int X = 0; X < 10; X++) {
      bool In = X >= 3 && X < 7 && Y >= 2 && Y < 5;
      int i = (Y - 2) * 4 + (X - 3);
      U32 Want = In && i != 5 ? 0x010203u * (U32)(i + 1) : kDstFill;
      EXPECT_EQ(Px(hDst)[Y * 10 + X], Want) << X << "," << Y;
    }
}

TEST_F(RotateTest, RefusesWhatItCannotDraw) {
  GUI_HMEM hSrc = Make(8, 8), hDst = Make(16, 16);
  GUI_HMEM h16 = GUI_MEMDEV_CreateFixed(0, 0, 16, 16, GUI_MEMDEV_NOTRANS, &GUI_MEMDEV_DEVICE_16,
                                        &LCD_aColorConvAPI[LCD_CC_BGR565]);
  Fill(hSrc, 0x00FFFFFF);
  Fill(hDst, kDstFill);
  GUI_MEMDEV_RotateSmooth(hSrc, hDst, 4, 4, 30000, 0);  // magnification 0
  GUI_MEMDEV_Rotate(hSrc, h16, 4, 4, 0, 1000);         // 16-bit destination
  GUI_MEMDEV_Rotate(h16, hDst, 4, 4, 0, 1000);         // 16-bit source
  GUI_MEMDEV_Rotate(0, hDst, 4, 4, 0, 1000);
  EXPECT_EQ(Copy(hDst), std::vector<U32>(256, kDstFill));
}

TEST_F(RotateTest, WritesNothingOutsideTheDestination) {
  // A big source turned and grown over a small destination: every write is inside (the sanitizers watch).
  GUI_HMEM hSrc = Make(120, 90), hDst = Make(7, 5);
  Fill(hSrc, 0x00ABCDEF);
  for (int Angle : {0, 33000, 210000}) {
    for (auto f : {GUI_MEMDEV_Rotate, GUI_MEMDEV_RotateSmooth, GUI_MEMDEV_RotateSmoothSparse}) {
      Fill(hDst, kDstFill);
      f(hSrc, hDst, -60, -40, Angle, 3000);
      EXPECT_EQ(Copy(hDst), std::vector<U32>(35, 0x00ABCDEFu));
    }
  }
}

TEST_F(RotateTest, SubpixelPositionOfFourMovesByHalfAPixel) {
  GUI_HMEM hSrc = Make(4, 1), hDst = Make(8, 1);
  U32 v[4] = {0x000000, 0x0000C8, 0x000064, 0x000000};
  for (int i = 0; i < 4; i++) Px(hSrc)[i] = v[i];
  Fill(hDst, 0);
  GUI_MEMDEV_RotateSmoothSubpixel(hSrc, hDst, 2 * 8 + 4, 0, 0, 1000);
  // Half of each of two neighbours: pixel 3 sees source 0 and 1, pixel 4 sees 1 and 2.
  EXPECT_EQ(Px(hDst)[3] & 0xFF, 100u);
  EXPECT_EQ(Px(hDst)[4] & 0xFF, 150u);
  EXPECT_EQ(Px(hDst)[5] & 0xFF, 50u);
}

TEST_F(RotateTest, GlobalAlphaMasksAndSparseSkipping) {
  GUI_HMEM hSrc = Make(2, 2), hDst = Make(4, 4);
  Fill(hSrc, 0x000000FF);
  Px(hSrc)[3] = GUI_TRANSPARENT;
  Fill(hDst, 0x00FF0000);
  GUI_MEMDEV_RotateAlpha(hSrc, hDst, 1, 1, 0, 1000, 128);
  EXPECT_EQ(Px(hDst)[1 * 4 + 1] & 0xFFFFFF, GUI__MixColors(0x000000FF, 0x00FF0000, 127) & 0xFFFFFF);
  EXPECT_EQ(Px(hDst)[2 * 4 + 2], 0x00FF0000u);  // transparent source pixel

  Fill(hDst, 0xFF000000);
  Px(hSrc)[0] = 0x800000FF;  // half transparent over a transparent destination: copied, then masked opaque
  GUI_MEMDEV_RotateMasked(hSrc, hDst, 1, 1, 0, 1000, 0x00FFFFFF);
  EXPECT_EQ(Px(hDst)[1 * 4 + 1], 0x000000FFu);
  EXPECT_EQ(Px(hDst)[2 * 4 + 2], 0xFF000000u);

  Fill(hDst, kDstFill);
  GUI_MEMDEV_RotateSmoothSparse(hSrc, hDst, 1, 1, 0, 1000);
  EXPECT_EQ(Px(hDst)[2 * 4 + 2], kDstFill);
  EXPECT_EQ(Px(hDst)[1 * 4 + 2], 0x000000FFu);
}

TEST_F(RotateTest, TurningADeviceIntoItselfReadsTheOriginal) {
  std::mt19937 Rng(5);
  GUI_HMEM hA = Make(30, 30), hB = Make(30, 30), hSrc = Make(30, 30);
  FillRandom(hA, Rng, false);
  std::vector<U32> Orig = Copy(hA);
  std::copy(Orig.begin(), Orig.end(), Px(hB));
  std::copy(Orig.begin(), Orig.end(), Px(hSrc));
  GUI_MEMDEV_RotateSmooth(hA, hA, 0, 0, 40000, 1000);
  GUI_MEMDEV_RotateSmooth(hSrc, hB, 0, 0, 40000, 1000);
  EXPECT_EQ(Copy(hA), Copy(hB));
}

}  // namespace
