// The screens' text routines: blocks with the forced break, the soft hyphen and the short/long separator,
// wrapping, ellipsis; and the corner pattern of the shapes.
#include "GUI_MEMDEV.h"
#include "GoldenLCD.h"
#include "GuiTest.h"
#include "UI_Draw.h"

namespace {

class DrawText : public GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    GUI_SetBkColor(GUI_WHITE);
    GUI_Clear();
    GUI_SetColor(GUI_BLACK);
    GUI_SetFont(&UI_Font15);
    GUI_SetTextMode(GUI_TM_TRANS);
  }
};

TEST_F(DrawText, BlockBreaksAtBlanksForcedBreaksAndSoftHyphens) {
  const int Line = GUI_GetFontDistY();
  const char16_t* s = u"Vorlauf\u0085Temperatur";
  EXPECT_EQ(UI_TextBlockHeight(s, 300, 0), 2 * Line);
  EXPECT_EQ(UI_TextBlockHeight(s, 300, UI_TEXT_BREAK_AS_CHAR), Line);
  // A soft hyphen breaks only where the line is full.
  const char16_t* h = u"Heiz\u00ADkreis";
  EXPECT_EQ(UI_TextBlockHeight(h, 300, 0), Line);
  EXPECT_EQ(UI_TextBlockHeight(h, UI_TextWidth(u"Heiz-") + 2, 0), 2 * Line);
  EXPECT_EQ(UI_TextBlockHeight(h, UI_TextWidth(u"Heiz-") + 2, UI_TEXT_NO_SOFT_HYPHEN), Line);
  // A word wider than the block stays whole on its line.
  EXPECT_EQ(UI_TextBlockHeight(u"Ab Solarkreispumpe an", UI_TextWidth(u"Ab "), 0), 3 * Line);
  EXPECT_EQ(UI_TextBlockHeight(u"", 100, 0), 0);
  // The long form starts after U+FFFC.
  EXPECT_EQ(UI_TextBlockHeight(u"Kurz\uFFFCLang text hier", UI_TextWidth(u"Lang text"), UI_TEXT_LONG_FORM),
            2 * Line);
}

TEST_F(DrawText, TextBlocksWithTheSpecialCharactersMatchTheirGoldenImage) {
  GUI_SetTextAlign(GUI_TA_LEFT);
  GUI_GotoXY(10, 30);
  UI_DrawTextBlock(u"Vorlauf\u0085Temperatur", 200, 0);  // forced break, centred on y
  GUI_GotoXY(10, 80);
  UI_DrawTextBlock(u"Solar\u00ADkreis\u00ADpumpe Betrieb", UI_TextWidth(u"Solarkreis-"), 0);
  GUI_GotoXY(240, 30);
  GUI_SetTextAlign(GUI_TA_HCENTER);
  UI_DrawTextBlock(u"Kurz\uFFFCLange Form des Textes", 150, UI_TEXT_LONG_FORM);
  GUI_GotoXY(240, 80);
  UI_DrawTextBlockEx(u"Ohne\uFFFCFlag", 300, 0);  // U+FFFC drawn as a character
  GUI_SetTextAlign(GUI_TA_RIGHT | UI_TA_BLOCK_BOTTOM);
  GUI_GotoXY(470, 140);
  UI_DrawTextBlock(u"rechts unten ausgerichtet", 120, 0);
  GUI_SetTextAlign(GUI_TA_LEFT);
  GUI_GotoXY(10, 150);
  UI_DrawTextEllipsis(u"Ein viel zu langer Text", 120);
  GUI_GotoXY(10, 170);
  UI_DrawTextEllipsis(u"Passt", 120);
  GUI_GotoXY(80, 190);
  UI_DrawWordWrappedCentred(u"zentriert umbrochen", 80, u'[', u']');
  GUI_GotoXY(200, 170);
  UI_DrawTextWrapIndentStop(u"Zeichenweise umbrochen|nicht", 90, 20, u'|');
  GUI_GotoXY(320, 190);
  UI_DrawMultilineText(u"Zeile eins \u0085Zeile zwei", 0);
  EXPECT_TRUE(golden::Matches("ui/draw_text_blocks", golden::CaptureLCD()));
}

TEST_F(DrawText, LineRoutinesReturnTheCharactersConsumed) {
  GUI_GotoXY(0, 0);
  EXPECT_EQ(UI_DrawTextEllipsis(u"Passt", 200), 5);
  EXPECT_EQ(UI_DrawTextN(u"abc", 2), 2);
  EXPECT_EQ(UI_DrawTextN(u"abc", 9), 3);
  EXPECT_EQ(UI_DrawTextWrapIndentStop(u"ab|cd", 100, 0, u'|'), 2);
  EXPECT_EQ(UI_DrawTextBlock(u"Kurz\uFFFCLang", 200, UI_TEXT_LONG_FORM), 9);
  int w = UI_TextWidth(u"ab");
  EXPECT_EQ(UI_DrawTextClipped(u"abcdef", w), 2);
  EXPECT_EQ(UI_TextWidthN(u"abcdef", 2), w);
  EXPECT_EQ(UI_TextWidth8N("ab", 2), w);
  EXPECT_EQ(UI_TextWidth8N("", 2), 0);
  EXPECT_EQ(UI_DrawTextBlock(nullptr, 10, 0), 0);
  // The ellipsis keeps as many characters as fit in width less two dots.
  int Avail = UI_TextWidth(u"Ein v");
  int n = UI_DrawTextEllipsis(u"Ein viel zu langer Text", Avail + 2 * UI_TextWidth(u"."));
  EXPECT_EQ(n, 5);
}

TEST_F(DrawText, SingleTabLeavesItsCornerPatternInTheCornerColour) {
  GUI_HMEM h = GUI_MEMDEV_CreateFixed(0, 0, 40, 20, GUI_MEMDEV_NOTRANS, &GUI_MEMDEV_DEVICE_16,
                                      &LCD_aColorConvAPI[LCD_CC_BGR565]);
  GUI_MEMDEV_Select(h);
  UI_RenderTabSingle(40, 20, 0xB0B0B0, 0x606060, 0x0000FF);
  GUI_MEMDEV_Select(0);
  int Count = 0;
  for (int y = 0; y < 20; y++) {
    for (int x = 0; x < 40; x++) Count += UI_MemdevPixel(h, x, y) == 0x0000FF;
  }
  EXPECT_EQ(Count, 4 * (4 + 2 + 1 + 1));
  EXPECT_EQ(UI_MemdevPixel(h, 4, 0), 0x000000u);  // the outline starts beside the pattern
  GUI_MEMDEV_Delete(h);
}

TEST_F(DrawText, ShapesMatchTheirGoldenImage) {
  GUI_RECT r = {10, 10, 109, 45};
  UI_DrawTwoToneBox(&r, 0xE8CFB5, 0xD2B599);
  UI_DrawTwoToneButton(120, 10, 100, 36, 0x99FF99, 0x13BF13);
  GUI_HMEM h = GUI_MEMDEV_CreateFixed(0, 0, 80, 30, GUI_MEMDEV_HASTRANS, &GUI_MEMDEV_DEVICE_32,
                                      &LCD_aColorConvAPI[LCD_CC_8888]);
  GUI_MEMDEV_Select(h);
  UI_RenderRoundButton(80, 30, 0xB0B0B0, 0x606060);
  GUI_MEMDEV_Select(0);
  GUI_MEMDEV_WriteAlphaAt(h, 255, 230, 10);
  GUI_MEMDEV_Delete(h);
  GUI_RECT rMask = {320, 10, 359, 40};
  GUI_SetColor(GUI_BLUE);
  GUI_FillRectEx(&rMask);
  UI_RenderCornerMask(&rMask, [](int x, int y) -> GUI_COLOR { return GUI_COLOR(x * 3) << 8 | GUI_COLOR(y * 5); });
  EXPECT_TRUE(golden::Matches("ui/draw_shapes", golden::CaptureLCD(0, 0, 379, 59)));
  EXPECT_EQ(GUI_GetColor(), GUI_BLUE);  // the routines restore the colour
}

}  // namespace
