// The composite view: hidden layers show the background, a visible opaque layer shows itself, the colour range
// and the transparency byte blend as they should, and a moved layer leaves the uncovered part to the background.
#include <gtest/gtest.h>

#include <vector>

#include "LCDSIM.h"
#include "LCDSIM_Composite.h"
#include "SimTestHost.h"

namespace {

class CompositeTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(SimTest_StartHost());
    LCDSIM_SetCompositeColor(0x204060);   // GUI colour: red 0x60 ... in bitmap order 0x604020
    LCDSIM_SetCompositeMode(0, 0);
    LCDSIM_SetLayerPos(0, 0, 0);
    LCDSIM_SetLayerVis(0, 0);
    LCDSIM_SetOrg(0, 0, 0);
    for (int y = 0; y < 272; y++)
      for (int x = 0; x < 480; x++) LCDSIM_SetPixelColor(x, y, uint32_t(x) << 8 | uint32_t(y), 0);
    LCDSIM_SetPixelColor(5, 5, 0xFF00FF, 0);    // magenta
    LCDSIM_SetPixelColor(6, 5, 0x80FFFFFF, 0);  // white with transparency byte 128
  }
  void TearDown() override { LCDSIM_SetLayerVis(0, 0); }
  std::vector<uint32_t> View(int xSize = 480, int ySize = 272) {
    std::vector<uint32_t> v(size_t(xSize) * ySize);
    LCDSIM__Composite(v.data(), xSize, ySize);
    return v;
  }
};

const uint32_t _BK = 0x604020;

}  // namespace

TEST_F(CompositeTest, HiddenLayerShowsTheBackground) {
  std::vector<uint32_t> v = View(20, 10);
  for (uint32_t c : v) ASSERT_EQ(c, _BK);
}

TEST_F(CompositeTest, VisibleOpaqueLayerShowsItself) {
  LCDSIM_SetLayerVis(1, 0);
  std::vector<uint32_t> v = View();
  for (int y = 0; y < 272; y++) {
    for (int x = 0; x < 480; x++) {
      if (y == 5 && (x == 5 || x == 6)) continue;
      ASSERT_EQ(v[size_t(y) * 480 + x], uint32_t(x) << 8 | uint32_t(y)) << x << ", " << y;
    }
  }
  EXPECT_EQ(v[5 * 480 + 5], 0xFF00FFu);
  // Transparency byte 128 over the background: each channel (c * 128 + background * 128) >> 8.
  EXPECT_EQ(v[5 * 480 + 6], ((0xFF * 128 + 0x60 * 128) >> 8) << 16 | ((0xFF * 128 + 0x40 * 128) >> 8) << 8 |
                                ((0xFF * 128 + 0x20 * 128) >> 8));
}

TEST_F(CompositeTest, ColourRangeMakesMagentaTransparent) {
  LCDSIM_SetLayerVis(1, 0);
  LCDSIM_SetCompositeMode(0, 1);
  LCDSIM_SetTransparencyRange(0, 0xFF00FF, 0xFF00FF);
  std::vector<uint32_t> v = View(10, 10);
  EXPECT_EQ(v[5 * 10 + 5], _BK);
  EXPECT_EQ(v[5 * 10 + 4], 4u << 8 | 5u);
  LCDSIM_SetCompositeMode(0, 0);
}

TEST_F(CompositeTest, MovedLayerLeavesTheRestToTheBackground) {
  LCDSIM_SetLayerVis(1, 0);
  LCDSIM_SetLayerPos(100, 50, 0);
  std::vector<uint32_t> v = View(600, 400);
  EXPECT_EQ(v[0], _BK);
  EXPECT_EQ(v[50 * 600 + 99], _BK);
  EXPECT_EQ(v[50 * 600 + 100], 0u);
  EXPECT_EQ(v[(50 + 271) * 600 + 100 + 479], 479u << 8 | 271u);
  EXPECT_EQ(v[(50 + 272) * 600 + 100], _BK);
  EXPECT_EQ(v[399 * 600 + 599], _BK);
  LCDSIM_SetLayerPos(0, 0, 0);
}
