// Operations on whole memory devices: blurs, blending, making opaque, dithering, copying from and comparing
// with the display.
#include "image_TestSupport.h"

#include "GUI_MEMDEV_Ops.h"

using namespace image_test;

namespace {

class MemOpsTest : public ImageTest {
 protected:
  static GUI_HMEM Create32(int x0, int y0, int xSize, int ySize) {
    return GUI_MEMDEV_CreateFixed(x0, y0, xSize, ySize, GUI_MEMDEV_NOTRANS, &GUI_MEMDEV_DEVICE_32,
                                  &LCD_aColorConvAPI[LCD_CC_888]);
  }
  static U32* Pixels(GUI_HMEM h) { return static_cast<U32*>(GUI_MEMDEV_GetDataPtr(h)); }
  static void Fill(GUI_HMEM h, U32 c) {
    U32* p = Pixels(h);
    std::fill(p, p + GUI_MEMDEV_GetXSize(h) * GUI_MEMDEV_GetYSize(h), c);
  }
};

TEST_F(MemOpsTest, BlurOfAUniformDeviceIsUniform) {
  GUI_HMEM h = Create32(5, 7, 24, 21);
  Fill(h, 0x00336699);
  for (GUI_HMEM b : {GUI_MEMDEV_CreateBlurredRing(h, 3), GUI_MEMDEV_CreateBlurredStar(h, 3),
                     GUI_MEMDEV_CreateBlurred(h, 10)}) {
    ASSERT_NE(b, 0);
    EXPECT_EQ(GUI_MEMDEV_GetXPos(b), 5);
    EXPECT_EQ(GUI_MEMDEV_GetYPos(b), 7);
    EXPECT_EQ(GUI_MEMDEV_GetBitsPerPixel(b), 32);
    for (int i = 0; i < 24 * 21; i++) {
      ASSERT_EQ(Pixels(b)[i], 0x00336699u) << i;
    }
    GUI_MEMDEV_Delete(b);
  }
  GUI_MEMDEV_Delete(h);
}

TEST_F(MemOpsTest, RingBlurSpreadsAPointByItsKernel) {
  GUI_HMEM h = Create32(0, 0, 21, 21);
  Fill(h, 0);
  Pixels(h)[10 * 21 + 10] = 0x00FFFFFF;
  GUI_HMEM b = GUI_MEMDEV_CreateBlurredRing(h, 1);
  ASSERT_NE(b, 0);
  // Level 1: centre weight 16384, ring weight 8192; an inner pixel gathers 16384 + 8 * 8192.
  const U32* p = Pixels(b);
  U32 Centre = 255 * 16384 / (16384 + 8 * 8192), Ring = 255 * 8192 / (16384 + 8 * 8192);
  EXPECT_EQ(p[10 * 21 + 10], Centre * 0x010101u);
  for (int d : {-22, -21, -20, -1, 1, 20, 21, 22}) {
    EXPECT_EQ(p[10 * 21 + 10 + d], Ring * 0x010101u) << d;
  }
  EXPECT_EQ(p[10 * 21 + 12], 0u);
  EXPECT_EQ(p[8 * 21 + 10], 0u);
  GUI_MEMDEV_Delete(b);
  GUI_MEMDEV_Delete(h);
}

TEST_F(MemOpsTest, BlursRefuseWhatTheyCannotDo) {
  GUI_HMEM Narrow = Create32(0, 0, 19, 100);
  Fill(Narrow, 0x112233);
  EXPECT_EQ(GUI_MEMDEV_CreateBlurredRing(Narrow, 2), 0);
  GUI_HMEM Star = GUI_MEMDEV_CreateBlurredStar(Narrow, 2);
  EXPECT_NE(Star, 0);
  GUI_MEMDEV_Delete(Star);
  GUI_HMEM Big = Create32(0, 0, 20, 20);
  EXPECT_EQ(GUI_MEMDEV_CreateBlurredRing(Big, 0), 0);
  EXPECT_EQ(GUI_MEMDEV_CreateBlurredRing(Big, 11), 0);
  EXPECT_EQ(GUI_MEMDEV_CreateBlurredStar(Big, 11), 0);
  EXPECT_EQ(GUI_MEMDEV_CreateBlurredStar(0, 3), 0);
  GUI_HMEM Dev16 = GUI_MEMDEV_CreateFixed(0, 0, 20, 20, 0, &GUI_MEMDEV_DEVICE_16, &LCD_aColorConvAPI[LCD_CC_BGR565]);
  EXPECT_EQ(GUI_MEMDEV_CreateBlurredRing(Dev16, 2), 0);
  GUI_MEMDEV_Delete(Dev16);
  GUI_MEMDEV_Delete(Big);
  GUI_MEMDEV_Delete(Narrow);
}

TEST_F(MemOpsTest, StarBlurAtACornerUsesOnlyTheRaysThatFit) {
  GUI_HMEM h = Create32(0, 0, 5, 5);
  Fill(h, 0);
  U32* p = Pixels(h);
  p[0] = 0x00000060;             // the corner itself
  p[1] = 0x00000030;             // right, distance 1 (weight 3)
  p[5] = 0x00000030;             // down, distance 1 (weight 3)
  p[6] = 0x00000030;             // down-right, distance 1 (weight 3)
  p[4 * 5 + 4] = 0x000000FF;     // down-right, distance 4: beyond level 3
  GUI_HMEM b = GUI_MEMDEV_CreateBlurredStar(h, 3);
  ASSERT_NE(b, 0);
  // Weight: three rays of 3 + 2 + 1 plus the centre's 4 = 22.
  EXPECT_EQ(Pixels(b)[0] & 0xFF, (0x60u * 4 + 3 * 0x30u * 3) / 22);
  GUI_MEMDEV_Delete(b);
  GUI_MEMDEV_Delete(h);
}

TEST_F(MemOpsTest, BlendColourAndMakeOpaque) {
  GUI_HMEM h = Create32(0, 0, 9, 2);
  Fill(h, 0xFF204060);
  EXPECT_EQ(GUI_MEMDEV_BlendColor32(h, GUI_WHITE, 255), 0);
  EXPECT_EQ(Pixels(h)[0] & 0xFFFFFF, GUI__MixColors(GUI_WHITE, 0xFF204060, 255) & 0xFFFFFF);
  EXPECT_EQ(GUI_MEMDEV_BlendColor32(0, GUI_WHITE, 1), 1);
  Fill(h, 0xFF204060);
  // A mask of the wrong size is refused and nothing changes.
  GUI_HMEM Wrong = GUI_MEMDEV_CreateFixed(0, 0, 8, 2, 0, &GUI_MEMDEV_DEVICE_1, &LCD_aColorConvAPI[LCD_CC_1]);
  EXPECT_EQ(GUI_MEMDEV_MakeOpaque(h, Wrong), 1);
  EXPECT_EQ(Pixels(h)[0], 0xFF204060u);
  GUI_HMEM Mask = GUI_MEMDEV_CreateFixed(0, 0, 9, 2, 0, &GUI_MEMDEV_DEVICE_1, &LCD_aColorConvAPI[LCD_CC_1]);
  U8* pBits = static_cast<U8*>(GUI_MEMDEV_GetDataPtr(Mask));
  std::memset(pBits, 0, 2 * 2);
  pBits[0] = 0x81;  // pixels 0 and 7 of the first row
  pBits[1] = 0x80;  // pixel 8
  EXPECT_EQ(GUI_MEMDEV_MakeOpaque(h, Mask), 0);
  for (int x = 0; x < 9; x++) {
    bool Set = x == 0 || x == 7 || x == 8;
    EXPECT_EQ(Pixels(h)[x], Set ? 0x00204060u : 0xFF204060u) << x;
    EXPECT_EQ(Pixels(h)[9 + x], 0xFF204060u) << x;
  }
  EXPECT_EQ(GUI_MEMDEV_MakeOpaque(h, 0), 0);
  EXPECT_EQ(Pixels(h)[10], 0x00204060u);
  EXPECT_EQ(GUI_MEMDEV_MakeOpaque(Mask, 0), 1);
  GUI_MEMDEV_Delete(Mask);
  GUI_MEMDEV_Delete(Wrong);
  GUI_MEMDEV_Delete(h);
}

TEST_F(MemOpsTest, DitheringSpreadsOnlyTheQuantisationError) {
  GUI_HMEM h = Create32(0, 0, 3, 2);
  const LCD_COLOR_CONV_API* pConv = &LCD_aColorConvAPI[LCD_CC_BGR565];
  // A colour the 5-6-5 format holds exactly spreads nothing.
  GUI_COLOR Exact = pConv->pfIndex2Color(pConv->pfColor2Index(0x00808080));
  Fill(h, Exact);
  GUI_MEMDEV_Dither32(h, pConv);
  for (int i = 0; i < 6; i++) {
    EXPECT_EQ(Pixels(h)[i] & 0xFFFFFF, Exact & 0xFFFFFF) << i;
  }
  // One that it does not: the right neighbour gets 7/16 of the error.
  Fill(h, 0);
  Pixels(h)[0] = 0x00000004;  // red 4 becomes 0 in 5 bits
  GUI_MEMDEV_Dither32(h, pConv);
  EXPECT_EQ(Pixels(h)[0] & 0xFF, 0u);
  EXPECT_EQ(Pixels(h)[1] & 0xFF, 0u);  // 7 * 4 / 16 = 1, then quantised to 0 itself
  GUI_MEMDEV_Delete(h);
}

TEST_F(MemOpsTest, CopyFromTheDisplayAndCompare) {
  for (int y = 0; y < 20; y++) {
    for (int x = 0; x < 20; x++) {
      GUI_SetColor(GUI_COLOR(x * 12) | GUI_COLOR(y * 12) << 8);
      GUI_DrawPixel(x, y);
    }
  }
  // Device at (-10, -5): display (0, 0) lands in device column 10, row 5.
  GUI_HMEM h = GUI_MEMDEV_CreateFixed(-10, -5, 25, 20, 0, &GUI_MEMDEV_DEVICE_16, &LCD_aColorConvAPI[LCD_CC_BGR565]);
  ASSERT_NE(h, 0);
  GUI_MEMDEV_CopyFromLCD(h);
  const U16* p = static_cast<const U16*>(GUI_MEMDEV_GetDataPtr(h));
  GUI_Lock();
  EXPECT_EQ(p[5 * 25 + 10], LCD_GetPixelIndex(0, 0));
  EXPECT_EQ(p[6 * 25 + 13], LCD_GetPixelIndex(3, 1));
  GUI_Unlock();
  int x = -1, y = -1, Exp = 0, Act = 0;
  EXPECT_EQ(GUI_MEMDEV_CompareWithLCD(h, &x, &y, &Exp, &Act), 0);
  const_cast<U16*>(p)[7 * 25 + 12] ^= 0x1F;
  EXPECT_EQ(GUI_MEMDEV_CompareWithLCD(h, &x, &y, &Exp, &Act), 1);
  EXPECT_EQ(x, 2);
  EXPECT_EQ(y, 2);
  EXPECT_EQ(Exp ^ Act, 0x1F);
  // Into a 32-bit device the display's pixels arrive as colours.
  GUI_HMEM h32 = Create32(0, 0, 4, 4);
  GUI_MEMDEV_CopyFromLCD(h32);
  EXPECT_EQ(Pixels(h32)[1 * 4 + 2] & 0xFFFFFF, Read(2, 1, 1, 1)[0]);
  // A device narrower than the display's pixels gets nothing.
  GUI_HMEM h8 = GUI_MEMDEV_CreateFixed(0, 0, 4, 4, 0, &GUI_MEMDEV_DEVICE_8, &LCD_aColorConvAPI[LCD_CC_GRAY8]);
  std::memset(GUI_MEMDEV_GetDataPtr(h8), 0x5A, 16);
  GUI_MEMDEV_CopyFromLCD(h8);
  EXPECT_EQ(static_cast<U8*>(GUI_MEMDEV_GetDataPtr(h8))[0], 0x5A);
  EXPECT_EQ(GUI_MEMDEV_CompareWithLCD(0, &x, &y, &Exp, &Act), 1);  // nothing selected
  GUI_MEMDEV_Delete(h8);
  GUI_MEMDEV_Delete(h32);
  GUI_MEMDEV_Delete(h);
}

TEST_F(MemOpsTest, ClearedDeviceCopiesNothing) {
  GUI_HMEM h = GUI_MEMDEV_Create(10, 10, 8, 8);
  ASSERT_NE(h, 0);
  GUI_MEMDEV_Select(h);
  GUI_SetColor(GUI_RED);
  GUI_FillRect(10, 10, 17, 17);
  GUI_MEMDEV_Clear(0);  // the selected device
  GUI_MEMDEV_Select(0);
  GUI_MEMDEV_CopyToLCD(h);
  EXPECT_TRUE(AllBackground(Read(10, 10, 8, 8)));
  GUI_MEMDEV_Select(h);
  GUI_FillRect(10, 10, 17, 17);
  GUI_MEMDEV_Select(0);
  GUI_MEMDEV_CopyToLCD(h);
  EXPECT_EQ(Read(12, 12, 1, 1)[0], OnDisplay(GUI_RED));
  GUI_MEMDEV_Delete(h);
}

}  // namespace
