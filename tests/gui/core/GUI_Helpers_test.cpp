// Small helpers: rounded division, trigonometry, square root, rectangles, little-endian reads, fills, texts.
#include <cmath>
#include <cstring>

#include "GuiTest.h"

namespace {

TEST(Helpers, DivideRoundIsSymmetricAndSafe) {
  EXPECT_EQ(GUI__DivideRound32(5, 2), 3);
  EXPECT_EQ(GUI__DivideRound32(-5, 2), -3);
  EXPECT_EQ(GUI__DivideRound32(5, -2), -3);
  EXPECT_EQ(GUI__DivideRound32(-5, -2), 3);
  EXPECT_EQ(GUI__DivideRound32(4, 3), 1);
  EXPECT_EQ(GUI__DivideRound32(-4, 3), -1);
  EXPECT_EQ(GUI__DivideRound32(7, 0), 0);
  EXPECT_EQ(GUI__DivideRound32(0x7FFFFFFF, 1), 0x7FFFFFFF);
  EXPECT_EQ(GUI__DivideRound64(3000000000LL, 3), 1000000000LL);
}

TEST(Helpers, SineCosineAndArcTangent) {
  EXPECT_EQ(GUI__Sin1000(0), 0);
  EXPECT_EQ(GUI__Sin1000(90000), 65536);
  EXPECT_EQ(GUI__Sin1000(-90000), -65536);
  EXPECT_EQ(GUI__Sin1000(450000), 65536);
  EXPECT_EQ(GUI__Cos1000(0), 65536);
  EXPECT_EQ(GUI__Cos1000(180000), -65536);
  EXPECT_EQ(GUI__Sin1000(30000), 32768);
  for (int a = -720000; a <= 720000; a += 7919) {
    EXPECT_NEAR(GUI__Sin1000(a), std::sin(a * M_PI / 180000) * 65536, 0.5001);
    EXPECT_NEAR(GUI__Cos1000(a), std::cos(a * M_PI / 180000) * 65536, 0.5001);
  }
  EXPECT_EQ(GUI__Atan2(1, 0), 0);
  EXPECT_EQ(GUI__Atan2(0, 1), 90 << 16);
  EXPECT_EQ(GUI__Atan2(-1, 0), 180 << 16);
  EXPECT_EQ(GUI__Atan2(0, -1), 270 << 16);
  EXPECT_EQ(GUI__Atan2(1, 1), 45 << 16);
  EXPECT_EQ(GUI__Atan2(0, 0), 0);
}

TEST(Helpers, IntegerSquareRoot) {
  for (U32 v : {0u, 1u, 2u, 3u, 4u, 15u, 16u, 17u, 65535u, 65536u, 4294836225u, 4294967295u}) {
    U32 r = GUI__Sqrt32(v);
    EXPECT_LE((U64)r * r, v);
    EXPECT_GT((U64)(r + 1) * (r + 1), v);
  }
}

TEST(Helpers, Rectangles) {
  GUI_RECT a = {0, 0, 10, 10}, b = {5, 5, 20, 20}, c = {11, 0, 12, 1}, r;
  EXPECT_TRUE(GUI_RectsIntersect(&a, &b));
  EXPECT_FALSE(GUI_RectsIntersect(&a, &c));
  EXPECT_TRUE(GUI__IntersectRects(&r, &a, &b));
  EXPECT_EQ(r.x0, 5);
  EXPECT_EQ(r.x1, 10);
  EXPECT_FALSE(GUI__IntersectRects(&r, &a, &c));
  GUI__MergeRect(&r, &a, &c);
  EXPECT_EQ(r.x1, 12);
  GUI__MergeRect(&r, nullptr, &b);
  EXPECT_EQ(r.x1, 20);
  GUI__ShrinkRect(&r, &a, 2);
  EXPECT_EQ(r.x0, 2);
  EXPECT_EQ(r.y1, 8);
  GUI__ShrinkRect(&r, -1);
  EXPECT_EQ(r.x0, 1);
  GUI_MoveRect(&r, 100, -1);
  EXPECT_EQ(r.x0, 101);
  EXPECT_EQ(r.y0, 0);
  GUI_RECT d = a;
  GUI__IntersectRect(&d, &b);
  EXPECT_EQ(d.y0, 5);
  GUI_RECT Far = {32000, 0, 32700, 0};
  GUI_MoveRect(&Far, 1000, 0);
  EXPECT_EQ(Far.x1, 32767);  // clamped, never wrapped
}

TEST(Helpers, ReadsAndFills) {
  const U8 a[] = {0x34, 0x12, 0x78, 0x56, 0x34, 0x12};
  const U8* p = a;
  EXPECT_EQ(GUI__Read16(&p), 0x1234);
  EXPECT_EQ(GUI__Read32(&p), 0x12345678u);
  EXPECT_EQ(p, a + 6);
  U16 w[11] = {};
  GUI__memset16(w + 1, 0xABCD, 9);
  EXPECT_EQ(w[0], 0);
  EXPECT_EQ(w[1], 0xABCD);
  EXPECT_EQ(w[9], 0xABCD);
  EXPECT_EQ(w[10], 0);
  U32 d[7] = {};
  GUI__memset32(d + 1, 0x11223344, 5);
  EXPECT_EQ(d[0], 0u);
  EXPECT_EQ(d[5], 0x11223344u);
  EXPECT_EQ(d[6], 0u);
  EXPECT_EQ(GUI__strlen(nullptr), 0);
  EXPECT_EQ(GUI__strlen("abc"), 3);
}

using TextHandleTest = GuiTest;

TEST_F(TextHandleTest, SetTextReportsChanges) {
  GUI_HMEM h = 0;
  EXPECT_EQ(GUI__SetText(&h, "abc"), 1);
  GUI_HMEM First = h;
  EXPECT_EQ(GUI__SetText(&h, "abc"), 0);
  EXPECT_EQ(GUI__SetText(&h, "xyz"), 1);
  EXPECT_EQ(h, First);  // same length: the block is reused
  EXPECT_EQ(GUI__SetText(&h, "longer text"), 1);
  EXPECT_STREQ(static_cast<const char*>(GUI_ALLOC_h2p(h)), "longer text");
  EXPECT_EQ(GUI__SetText(&h, nullptr), 1);
  EXPECT_EQ(h, 0);
  EXPECT_EQ(GUI__SetText(&h, nullptr), 0);
}

TEST_F(TextHandleTest, PolygonFarApartDoesNotOverflow) {
  const GUI_POINT aTri[] = {{-32000, -32000}, {32000, 0}, {-32000, 32000}};
  GUI_SetColor(GUI_WHITE);
  GUI_FillPolygon(aTri, 3, 0, 0);
  // The display lies inside the triangle: every pixel is set.
  EXPECT_EQ(LCD_GetPixelIndex(0, 0), 0xFFFFu);
  EXPECT_EQ(LCD_GetPixelIndex(479, 543), 0xFFFFu);
}

}  // namespace
