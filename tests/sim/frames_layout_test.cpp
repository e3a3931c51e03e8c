// Layout arithmetic of the framed main window: LCD frames stack downwards and wrap into columns; squeezed
// frames keep their share of the width, in single precision.
#include <gtest/gtest.h>

#include <vector>

#include "SIM_Frames.h"

namespace {

struct POS {
  int x, y;
};

POS _Pos(const std::vector<SIM_FRAME_SIZE>& aSize, int Layer, int AvailHeight) {
  POS p;
  SIM__GetLCDFramePos(aSize.data(), Layer, AvailHeight, &p.x, &p.y);
  return p;
}

}  // namespace

TEST(FramesLayout, FramesStackDownwardsAndWrapIntoColumns) {
  std::vector<SIM_FRAME_SIZE> aSize(4, SIM_FRAME_SIZE{488, 299});
  POS p = _Pos(aSize, 0, 800);
  EXPECT_EQ(p.x, 0);
  EXPECT_EQ(p.y, 0);
  p = _Pos(aSize, 1, 800);
  EXPECT_EQ(p.x, 0);
  EXPECT_EQ(p.y, 299);
  p = _Pos(aSize, 2, 800);   // 299 + 598 reaches 800: a new column, 170 right of the first
  EXPECT_EQ(p.x, 488 + 170);
  EXPECT_EQ(p.y, 0);
  p = _Pos(aSize, 3, 800);
  EXPECT_EQ(p.x, 488 + 170);
  EXPECT_EQ(p.y, 299);
  p = _Pos(aSize, 3, 2000);  // room enough: one column
  EXPECT_EQ(p.x, 0);
  EXPECT_EQ(p.y, 3 * 299);
}

TEST(FramesLayout, ColumnsStepByTheWidestFrameSoFar) {
  std::vector<SIM_FRAME_SIZE> aSize = {{100, 50}, {300, 50}, {200, 50}, {10, 50}};
  POS p = _Pos(aSize, 2, 120);
  EXPECT_EQ(p.x, 170 + 300);
  EXPECT_EQ(p.y, 0);
  p = _Pos(aSize, 3, 120);
  EXPECT_EQ(p.x, 170 + 300);
  EXPECT_EQ(p.y, 50);
  p = _Pos(aSize, 4, 120);   // the second step again adds the widest of all frames before it
  EXPECT_EQ(p.x, 2 * (170 + 300));
  EXPECT_EQ(p.y, 0);
  // The first frame alone never starts a column, however high it is.
  p = _Pos({{100, 500}}, 1, 100);
  EXPECT_EQ(p.x, 0);
  EXPECT_EQ(p.y, 500);
}

TEST(FramesLayout, SqueezeKeepsTheShareOfTheWidthInSinglePrecision) {
  EXPECT_EQ(SIM__SqueezeX(0, 200, 1000, 1500, 4), 0);          // the left column stays
  EXPECT_EQ(SIM__SqueezeX(300, 200, 1000, 1500, 4), 185);      // 300 * 800 / 1292 = 185.76
  EXPECT_EQ(SIM__SqueezeX(300, 1100, 1000, 1500, 4), -76);     // -76.53 truncates toward zero
  // Exactly 33555.998, but single precision rounds the quotient up to 33556 before truncating.
  EXPECT_EQ(SIM__SqueezeX(6629, 100, 2631, 608, 4), 33556);
  // No room was asked for: the frame stays where it is instead of dividing by zero.
  EXPECT_EQ(SIM__SqueezeX(50, 200, 1000, 208, 4), 50);
  EXPECT_EQ(SIM__SqueezeX(50, 300, 1000, 208, 4), 50);
}

TEST(FramesLayout, ColourFrameSizeFollowsThePalette) {
  SIM_FRAME_SIZE s = SIM__GetColorFrameSize(16);
  EXPECT_EQ(s.xSize, 170);
  EXPECT_EQ(s.ySize, 1 * 10 + 29);
  s = SIM__GetColorFrameSize(17);
  EXPECT_EQ(s.ySize, 2 * 10 + 29);
  s = SIM__GetColorFrameSize(256);
  EXPECT_EQ(s.ySize, 16 * 10 + 29);
  s = SIM__GetColorFrameSize(65536);   // no palette: the chart in a 128 x 128 client area
  EXPECT_EQ(s.xSize, 2 * PLAT_GetSystemMetric(PLAT_SM_CXFRAME) + 128);
  EXPECT_EQ(s.ySize, PLAT_GetSystemMetric(PLAT_SM_CYCAPTION) + 2 * (PLAT_GetSystemMetric(PLAT_SM_CYFRAME) + 64));
  EXPECT_EQ(SIM__GetColorFrameSize(0).xSize, s.xSize);
}
