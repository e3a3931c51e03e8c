// The compiled fonts: line distance, baseline, lower-case and capital height, coverage, and glyph data that
// agrees with the metrics.
#include <gtest/gtest.h>

#include "GuiTest.h"

#include <string>

namespace {

struct FontSpec {
  const char* Name;
  const GUI_FONT* pFont;
  int YSize, YDist, Baseline, LHeight, CHeight, Bpp;
};

const FontSpec kFonts[] = {
    {"GUI_Font13", &GUI_Font13, 13, 13, 11, 6, 8, 1}, {"UI_Font15", &UI_Font15, 15, 15, 12, 7, 9, 4},
    {"UI_Font15B", &UI_Font15B, 15, 15, 12, 7, 9, 4}, {"UI_Font15C", &UI_Font15C, 15, 15, 12, 7, 9, 4},
    {"UI_Font18", &UI_Font18, 18, 18, 14, 9, 12, 4},  {"UI_Font20", &UI_Font20, 20, 20, 16, 10, 13, 4},
    {"UI_Font24", &UI_Font24, 24, 24, 19, 11, 14, 4},
};

class Fonts : public GuiTest, public ::testing::WithParamInterface<FontSpec> {
protected:
  void SetUp() override {
    GuiTest::SetUp();
    GUI_SetFont(GetParam().pFont);
  }
};

TEST_P(Fonts, MetricsAreAsSpecified) {
  const FontSpec& f = GetParam();
  EXPECT_EQ(GUI_GetFontSizeY(), f.YSize);
  EXPECT_EQ(GUI_GetFontDistY(), f.YDist);
  EXPECT_EQ(GUI_GetYSizeOfFont(f.pFont), f.YSize);
  EXPECT_EQ(GUI_GetYDistOfFont(f.pFont), f.YDist);
  GUI_FONTINFO Info;
  GUI_GetFontInfo(f.pFont, &Info);
  EXPECT_EQ(Info.Baseline, f.Baseline);
  EXPECT_EQ(Info.LHeight, f.LHeight);
  EXPECT_EQ(Info.CHeight, f.CHeight);
  EXPECT_TRUE(Info.Flags & GUI_FONTINFO_FLAG_PROP);
  EXPECT_EQ((Info.Flags & GUI_FONTINFO_FLAG_AA4) != 0, f.Bpp == 4);
  EXPECT_EQ(f.pFont->pType->BitsPerPixel, f.Bpp);
}

// The ink of 'H' stands on the baseline and is CHeight tall; 'x' is LHeight tall; 'g' descends below it.
TEST_P(Fonts, GlyphInkAgreesWithTheMetrics) {
  const FontSpec& f = GetParam();
  GUI_CHARINFO_EXT H, x, g;
  ASSERT_EQ(f.pFont->pType->pfGetCharInfo('H', &H), 0);
  ASSERT_EQ(f.pFont->pType->pfGetCharInfo('x', &x), 0);
  ASSERT_EQ(f.pFont->pType->pfGetCharInfo('g', &g), 0);
  EXPECT_EQ(H.YPos + H.YSize, f.Baseline);
  EXPECT_EQ(H.YSize, f.CHeight);
  EXPECT_EQ(x.YPos + x.YSize, f.Baseline);
  EXPECT_EQ(x.YSize, f.LHeight);
  EXPECT_GT(g.YPos + g.YSize, f.Baseline);
  EXPECT_LE(g.YPos + g.YSize, f.YSize) << "glyphs stay inside the cell";
}

TEST_P(Fonts, CoversTheLettersAndSymbolsOfTheScreens) {
  const FontSpec& f = GetParam();
  const std::u16string Needed =
      u"AZaz09 ÄÖÜäöüß ÁČĎÉĚÍŇÓŘŠŤÚŮÝŽáčďéěíňóřšťúůýž ĄĆĘŁŃŚŹŻąćęłńśźż àâçèêëîïôùûœ ñ¿¡ "
      u"°²³µΩΩ€$%‰–—…•←↑→↓−×·≤≥≠ ";
  for (char16_t c : Needed) EXPECT_TRUE(GUI_IsInFont(f.pFont, c)) << f.Name << " lacks U+" << std::hex << int(c);
  EXPECT_FALSE(GUI_IsInFont(f.pFont, 0x0085)) << "the forced line break is no glyph";
  EXPECT_FALSE(GUI_IsInFont(f.pFont, 0x4E00));
  EXPECT_EQ(GUI_GetCharDistX(0x4E00), 0);
}

INSTANTIATE_TEST_SUITE_P(Compiled, Fonts, ::testing::ValuesIn(kFonts),
                         [](const ::testing::TestParamInfo<FontSpec>& i) { return std::string(i.param.Name); });

using FontSelection = GuiTest;

TEST_F(FontSelection, DigitsOfTheTitleBarFontHaveOneWidth) {
  GUI_SetFont(&UI_Font15C);
  int w = GUI_GetCharDistX('0');
  for (char c = '1'; c <= '9'; ++c) EXPECT_EQ(GUI_GetCharDistX(c), w) << c;
  EXPECT_EQ(GUI_GetStringDistX("07.12.2026"), 8 * w + 2 * GUI_GetCharDistX('.'));
}

TEST_F(FontSelection, NullKeepsTheFontAndMagnificationScalesMetrics) {
  GUI_SetFont(&UI_Font18);
  EXPECT_EQ(GUI_SetFont(nullptr), &UI_Font18);
  EXPECT_EQ(GUI_GetFont(), &UI_Font18);
  GUI_FONT Big = GUI_Font13;
  Big.XMag = 2;
  Big.YMag = 3;
  GUI_SetFont(&Big);
  EXPECT_EQ(GUI_GetFontSizeY(), 39);
  EXPECT_EQ(GUI_GetFontDistY(), 13) << "the line distance byte, not magnified";
  EXPECT_EQ(GUI_GetYDistOfFont(&Big), 39);
  GUI_SetFont(&GUI_Font13);
  int w = GUI_GetCharDistX('W');
  GUI_SetFont(&Big);
  EXPECT_EQ(GUI_GetCharDistX('W'), 2 * w);
}

} // namespace
