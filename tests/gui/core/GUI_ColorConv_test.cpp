// Colour conversions: round trips, bulk routines against single conversions, palettes and mixing.
#include <vector>

#include "GuiTest.h"

namespace {

using ColorConvTest = GuiTest;

TEST(ColorConv, EveryIndexRoundTrips) {
  struct Case {
    int Id;
    U32 NumIndices;
    U32 Step;
  };
  const Case aCase[] = {{LCD_CC_1, 2, 1},      {LCD_CC_BGR565, 0x10000, 1}, {LCD_CC_RGB565, 0x10000, 1},
                        {LCD_CC_GRAY8, 256, 1}, {LCD_CC_888, 0x1000000, 97}, {LCD_CC_8888, 0xFFFFFFFF, 65521}};
  for (const Case& c : aCase) {
    const LCD_COLOR_CONV_API& cc = LCD_aColorConvAPI[c.Id];
    for (U64 i = 0; i < c.NumIndices; i += c.Step) {
      ASSERT_EQ(cc.pfColor2Index(cc.pfIndex2Color((U32)i)), (U32)i) << "format " << c.Id;
    }
    EXPECT_EQ(cc.pfGetIndexMask() & (c.NumIndices - 1), c.NumIndices - 1);
  }
}

TEST(ColorConv, FormatsPlaceComponentsAsDocumented) {
  const LCD_COLOR_CONV_API& bgr = LCD_aColorConvAPI[LCD_CC_BGR565];
  const LCD_COLOR_CONV_API& rgb = LCD_aColorConvAPI[LCD_CC_RGB565];
  EXPECT_EQ(bgr.pfColor2Index(GUI_RED), 0x001Fu);
  EXPECT_EQ(bgr.pfColor2Index(GUI_GREEN), 0x07E0u);
  EXPECT_EQ(bgr.pfColor2Index(GUI_BLUE), 0xF800u);
  EXPECT_EQ(rgb.pfColor2Index(GUI_RED), 0xF800u);
  EXPECT_EQ(rgb.pfColor2Index(GUI_BLUE), 0x001Fu);
  EXPECT_EQ(bgr.pfIndex2Color(0xFFFF), GUI_WHITE);
  EXPECT_EQ(bgr.pfIndex2Color(0x0010), 0x000084u);  // 5-bit 16 expands to 0x84
  EXPECT_EQ(LCD_aColorConvAPI[LCD_CC_888].pfColor2Index(0x80123456u), 0x123456u);
  EXPECT_EQ(LCD_aColorConvAPI[LCD_CC_8888].pfColor2Index(0x80123456u), 0x80123456u);
  EXPECT_EQ(LCD_aColorConvAPI[LCD_CC_8888].Flags, 0);
  EXPECT_EQ(LCD_aColorConvAPI[LCD_CC_GRAY8].pfColor2Index(0x00306090u), (0x30u + 0x60 + 0x90) / 3);
  EXPECT_EQ(LCD_aColorConvAPI[LCD_CC_1].pfColor2Index(0x00808080u), 1u);
  EXPECT_EQ(LCD_aColorConvAPI[LCD_CC_1].pfColor2Index(0x007F7F7Fu), 0u);
}

TEST(ColorConv, BulkRoutinesMatchSingleConversions) {
  GUI_COLOR aColor[64];
  for (int i = 0; i < 64; i++) {
    aColor[i] = (GUI_COLOR)(i * 0x01030507u);
  }
  for (int Id = 0; Id < LCD_CC_NUM; Id++) {
    const LCD_COLOR_CONV_API& cc = LCD_aColorConvAPI[Id];
    if (!(cc.Flags & LCD_CC_FLAG_BULK)) {
      continue;
    }
    for (U8 Bytes : {U8(1), U8(2), U8(4)}) {
      if (Bytes * 8 < LCD__GetBPP(cc.pfGetIndexMask())) {
        continue;
      }
      U32 aIndex[64] = {};
      cc.pfColor2IndexBulk(aColor, aIndex, 64, Bytes);
      GUI_COLOR aBack[64];
      cc.pfIndex2ColorBulk(aIndex, aBack, 64, Bytes);
      for (int i = 0; i < 64; i++) {
        ASSERT_EQ(aBack[i], cc.pfIndex2Color(cc.pfColor2Index(aColor[i]))) << "format " << Id << " bytes " << +Bytes;
      }
    }
  }
}

TEST(ColorConv, DeviceDepthFromMask) {
  EXPECT_EQ(LCD__GetBPPDevice(0x1), 1);
  EXPECT_EQ(LCD__GetBPPDevice(0x3), 8);
  EXPECT_EQ(LCD__GetBPPDevice(0xFF), 8);
  EXPECT_EQ(LCD__GetBPPDevice(0x1FF), 16);
  EXPECT_EQ(LCD__GetBPPDevice(0xFFFF), 16);
  EXPECT_EQ(LCD__GetBPPDevice(0xFFFFFF), 32);
  EXPECT_EQ(LCD__GetBPPDevice(0xFFFFFFFF), 32);
  EXPECT_EQ(LCD__GetBPPDevice(0), 0);
}

TEST(ColorConv, MixingFollowsTheByteFormula) {
  EXPECT_EQ(GUI__MixColors(0x00FFFFFF, 0x00000000, 255), 0x00FEFEFEu);
  EXPECT_EQ(GUI__MixColors(0x00000000, 0x00FFFFFF, 0), 0x00FEFEFEu);
  EXPECT_EQ(GUI__MixColors(0x40102030, 0xFF000000, 10), 0x40102030u);  // fully transparent background
  EXPECT_EQ(GUI__MixColors(0x80C86432, 0x00000000, 128), (0x40u << 24) | (0x64u << 16) | (0x32u << 8) | 0x19u);
  EXPECT_EQ(LCD_MixColorsNoAlpha(0x80C86432, 0x00000000, 128) >> 24, 0u);
  U32 aFG[4] = {0x00FF0000, 0xFF00FF00, 0x80FFFFFF, 0x000000FF};
  U32 aBG[6] = {0x000000FF, 0x000000FF, 0x00000000, 0x00FF0000, 0x11111111, 0x22222222};
  U32 aDst[4];
  GUI__MixColorsBulk(aFG, aBG, aDst, 99, 2, 99, 2, 2, 255);
  EXPECT_EQ(aDst[0], GUI__MixColors(0x00FF0000, 0x000000FF, 255) & 0xFFFFFF);
  EXPECT_EQ(aDst[1], GUI__MixColors(0xFF00FF00, 0x000000FF, 0) & 0xFFFFFF);
  EXPECT_EQ(aDst[2], GUI__MixColors(0x80FFFFFF, 0x11111111, (0x7F * 255) / 255) & 0xFFFFFF);  // BG skips 2 pixels
  EXPECT_EQ(aDst[3], GUI__MixColors(0x000000FF, 0x22222222, 255) & 0xFFFFFF);
}

TEST_F(ColorConvTest, PaletteTableConvertsIntoLayerIndices) {
  const GUI_COLOR aColors[] = {GUI_BLACK, GUI_RED, GUI_WHITE};
  GUI_PALETTE Pal = {3, 0, aColors};
  LCD_PIXELINDEX* p = LCD_GetPalConvTable(&Pal);
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(p[1], 0x1Fu);
  EXPECT_EQ(p[2], 0xFFFFu);
  GUI_PALETTE Big = {257, 0, aColors};
  EXPECT_EQ(LCD_GetPalConvTable(&Big), nullptr);
  GUI_PALETTE Empty = {3, 0, nullptr};
  EXPECT_EQ(GUI__pfDrawBitmapHook(&Empty, nullptr, 0), nullptr);
  EXPECT_EQ(GUI__pfDrawBitmapHook(nullptr, nullptr, 0), nullptr);
}

TEST_F(ColorConvTest, LayerConversionFollowsTheHeadDevice) {
  EXPECT_EQ(LCD_Color2Index(GUI_BLUE), 0xF800u);
  EXPECT_EQ(LCD__GetpfIndex2Color(0), LCD_CC_BGR565_Index2Color);
  EXPECT_EQ(LCD_GetpfColor2IndexEx(0), LCD_CC_BGR565_Color2Index);
  EXPECT_EQ(LCD_GetpfColor2IndexEx(3), nullptr);
  GUI_SetColor(GUI_GREEN);
  EXPECT_EQ(LCD_GetColorIndex(), 0x07E0u);
  GUI_EnableAlpha(1);
  EXPECT_EQ(LCD_GetColorIndex(), GUI_GREEN);  // indices are colours while alpha blending is on
  EXPECT_EQ(LCD_GetpfColor2IndexEx(0), LCD_CC_BGR565_Color2Index);
  GUI_EnableAlpha(0);
  EXPECT_EQ(LCD_GetColorIndex(), 0x07E0u);
}

}  // namespace

namespace {

// The bulk mixer against the byte formula, on lengths that exercise the vector paths and their tails.
TEST(ColorConv, BulkMixingMatchesTheFormulaOnEveryPath) {
  U32 Seed = 12345;
  auto Next = [&] { return Seed = Seed * 1103515245u + 12345u; };
  for (unsigned Len : {1u, 3u, 4u, 7u, 8u, 9u, 31u, 480u}) {
    for (unsigned Intens : {0u, 1u, 127u, 128u, 254u, 255u}) {
      std::vector<U32> Fg(Len), Bg(Len + 5), Dst(Len);
      for (unsigned i = 0; i < Len; i++) {
        Fg[i] = Next();
        Bg[i] = Next();
        if (i % 5 == 0) Bg[i] |= 0xFF000000u;  // fully transparent background
        if (i % 7 == 0) Fg[i] &= 0x00FFFFFFu;
        if (i % 11 == 0) Fg[i] |= 0xFF000000u;
      }
      GUI__MixColorsBulk(Fg.data(), Bg.data(), Dst.data(), 0, 0, 0, Len, 1, (U8)Intens);
      for (unsigned i = 0; i < Len; i++) {
        U32 fg = Fg[i], bg = Bg[i];
        U32 k = (255 - (fg >> 24)) * Intens / 255;
        U32 Expect = 0;
        for (int Shift = 0; Shift < 24; Shift += 8) {
          U32 a = (fg >> Shift) & 0xFF, b = (bg >> Shift) & 0xFF;
          Expect |= ((a * k + b * (255 - k)) >> 8) << Shift;
        }
        if ((bg >> 24) == 0xFF) {
          Expect = fg & 0x00FFFFFFu;
        }
        ASSERT_EQ(Dst[i], Expect) << "length " << Len << " intensity " << Intens << " pixel " << i;
      }
    }
  }
}

}  // namespace
