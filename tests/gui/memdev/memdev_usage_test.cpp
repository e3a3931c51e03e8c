// Usage bitmaps: row layout, run marking, the run finder, and runs or pixels outside the bitmap.
#include <cstring>

#include "memdev_fixture.h"

namespace {

class UsageTest : public MemdevTest {
 protected:
  GUI_USAGE* Make(int x0, int y0, int xSize, int ySize) {
    h = GUI_USAGE_BM_Create(x0, y0, xSize, ySize, 0);
    EXPECT_NE(h, 0);
    return (GUI_USAGE*)GUI_ALLOC_h2p(h);
  }
  U8* Bits(GUI_USAGE* p) { return (U8*)p + GUI_USAGE_HEADER_SIZE; }
  void TearDown() override {
    if (h) GUI_USAGE_DecUseCnt(h);
    MemdevTest::TearDown();
  }
  GUI_HMEM h = 0;
};

TEST_F(UsageTest, RowsArePaddedTo16Bits) {
  EXPECT_EQ(Make(0, 0, 1, 1)->BytesPerLine, 2u);
  GUI_USAGE_DecUseCnt(h);
  EXPECT_EQ(Make(0, 0, 16, 1)->BytesPerLine, 2u);
  GUI_USAGE_DecUseCnt(h);
  EXPECT_EQ(Make(0, 0, 17, 1)->BytesPerLine, 4u);
}

TEST_F(UsageTest, RunsSetByteMasks) {
  GUI_USAGE* p = Make(100, 50, 32, 3);
  p->pAPI->pfAddHLine(p, 103, 50, 2);
  EXPECT_EQ(Bits(p)[0], 0x18);
  p->pAPI->pfAddHLine(p, 106, 51, 4);
  EXPECT_EQ(Bits(p)[4], 0x03);
  EXPECT_EQ(Bits(p)[5], 0xC0);
  p->pAPI->pfAddHLine(p, 100, 52, 24);
  EXPECT_EQ(Bits(p)[8], 0xFF);
  EXPECT_EQ(Bits(p)[9], 0xFF);
  EXPECT_EQ(Bits(p)[10], 0xFF);
  EXPECT_EQ(Bits(p)[11], 0x00);
}

TEST_F(UsageTest, NextDirtyWalksRuns) {
  GUI_USAGE* p = Make(0, 0, 24, 2);
  Bits(p)[0] = 0x0F;
  Bits(p)[1] = 0xFF;
  Bits(p)[2] = 0xE0;
  int x = 0;
  EXPECT_EQ(p->pAPI->pfGetNextDirty(p, &x, 0), 15);
  EXPECT_EQ(x, 4);
  x = 19;
  EXPECT_EQ(p->pAPI->pfGetNextDirty(p, &x, 0), 0);
  x = 24;
  EXPECT_EQ(p->pAPI->pfGetNextDirty(p, &x, 0), 0);
  x = 0;
  EXPECT_EQ(p->pAPI->pfGetNextDirty(p, &x, 2), 0);
  EXPECT_EQ(p->pAPI->pfGetNextDirty(p, &x, 1), 0);
}

// A run that starts left of the bitmap or reaches past it is reported and cut: the bytes of the rows
// around it and of the neighbouring heap block stay as they were.
TEST_F(UsageTest, RunsOutsideAreClippedNotWrittenAtNegativeOffsets) {
  GUI_USAGE* p = Make(10, 10, 16, 3);
  GUI_HMEM hNext = GUI_ALLOC_AllocNoInit(64);
  p = (GUI_USAGE*)GUI_ALLOC_h2p(h);
  std::memset(GUI_ALLOC_h2p(hNext), 0xA5, 64);
  p->pAPI->pfAddHLine(p, 2, 11, 12);  // columns 2..13: only 10..13 lie inside
  EXPECT_EQ(Bits(p)[2], 0xF0);
  EXPECT_EQ(Bits(p)[0], 0);
  EXPECT_EQ(Bits(p)[1], 0);
  ASSERT_EQ(Errors().size(), 1u);
  EXPECT_NE(Errors()[0].find("Negative x offset"), std::string::npos);
  p->pAPI->pfAddHLine(p, 20, 12, 40);  // reaches far beyond the last column
  EXPECT_EQ(Bits(p)[4], 0x00);
  EXPECT_EQ(Bits(p)[5], 0x3F);
  p->pAPI->pfAddHLine(p, 10, 13, 5);  // a row below the bitmap
  p->pAPI->pfAddPixel(p, 9, 10);
  p->pAPI->pfAddPixel(p, 26, 10);
  const U8* q = (const U8*)GUI_ALLOC_h2p(hNext);
  for (int i = 0; i < 64; i++) ASSERT_EQ(q[i], 0xA5);
  EXPECT_EQ(Bits(p)[0] | Bits(p)[1], 0);
  EXPECT_EQ(Errors().size(), 3u);
  GUI_ALLOC_Free(hNext);
}

TEST_F(UsageTest, UseCountFreesAtZero) {
  Make(0, 0, 8, 8);
  I32 Used = GUI_ALLOC_GetNumUsedBlocks();
  GUI_USAGE_DecUseCnt(h);
  EXPECT_EQ(GUI_ALLOC_GetNumUsedBlocks(), Used - 1);
  h = 0;
}

}  // namespace
