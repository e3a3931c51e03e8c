// Golden images of every compiled font: German and Czech sample text left, centred and right, wrapped by
// words and by characters, clipped in a rectangle, turned a quarter both ways, UTF-8 and UTF-16, and the
// text modes.
#include "GuiTest.h"
#include "GoldenLCD.h"

#include <string>

namespace {

struct GoldenFont {
  const char* Name;
  const GUI_FONT* pFont;
};

const GoldenFont kFonts[] = {
    {"GUI_Font13", &GUI_Font13}, {"UI_Font15", &UI_Font15}, {"UI_Font15B", &UI_Font15B}, {"UI_Font15C", &UI_Font15C},
    {"UI_Font18", &UI_Font18},   {"UI_Font20", &UI_Font20}, {"UI_Font24", &UI_Font24},
};

const char* const kGerman = "Vorlauf 23,5 °C – Grüße: Öl, Äpfel, Übermaß";
const char* const kCzech = "Příliš žluťoučký kůň úpěl ďábelské ódy";
const char16_t* const kSymbols = u"5 m³/h · 12 kΩ · 3 µA · 9 € · ≤ ≥ ≠ → ↑ ² ‰";
const char* const kWrap = "Heizkreis Mischer: Ř Ž Ů ä ö ü ß, Rücklauftemperaturbegrenzung und Solarvorrang";

class TextGolden : public GuiTest, public ::testing::WithParamInterface<GoldenFont> {};

void Frame(const GUI_RECT& r) {
  GUI_SetColor(0x00C0C0C0);
  GUI_DrawRect(r.x0 - 1, r.y0 - 1, r.x1 + 1, r.y1 + 1);
  GUI_SetColor(GUI_BLACK);
}

TEST_P(TextGolden, SampleTexts) {
  const GUI_FONT* pFont = GetParam().pFont;
  GUI_SetBkColor(GUI_WHITE);
  GUI_Clear();
  GUI_SetColor(GUI_BLACK);
  GUI_SetFont(pFont);
  int d = GUI_GetFontDistY();
  int y = 2;
  // Left, centred and right in one rectangle each.
  const int aAlign[] = {GUI_TA_LEFT, GUI_TA_HCENTER, GUI_TA_RIGHT};
  const char* apText[] = {kGerman, kCzech, kGerman};
  for (int i = 0; i < 3; ++i) {
    GUI_RECT r = {2, static_cast<I16>(y), 401, static_cast<I16>(y + d - 1)};
    Frame(r);
    GUI_DispStringInRect(apText[i], &r, aAlign[i] | GUI_TA_VCENTER);
    y += d + 2;
  }
  // UTF-16 at a position.
  GUI_UC_DispStringAt(kSymbols, 2, y);
  y += d + 2;
  // Wrapped by words and by characters, centred and right.
  GUI_RECT rWord = {2, static_cast<I16>(y), 198, static_cast<I16>(y + 3 * d - 1)};
  GUI_RECT rChar = {205, static_cast<I16>(y), 401, static_cast<I16>(y + 3 * d - 1)};
  Frame(rWord);
  Frame(rChar);
  GUI_DispStringInRectWrap(kWrap, &rWord, GUI_TA_HCENTER | GUI_TA_TOP, GUI_WRAPMODE_WORD);
  GUI_DispStringInRectWrap(kWrap, &rChar, GUI_TA_RIGHT | GUI_TA_BOTTOM, GUI_WRAPMODE_CHAR);
  y += 3 * d + 2;
  // Clipped at all four sides.
  GUI_RECT rClip = {40, static_cast<I16>(y + 2), 140, static_cast<I16>(y + d / 2 + 2)};
  GUI_DispStringInRect(kCzech, &rClip, GUI_TA_HCENTER | GUI_TA_VCENTER);
  // Text modes: transparent on colour, reverse, underline, XOR over a bar.
  int x = 150;
  GUI_SetColor(0x00A05000);
  GUI_FillRect(x, y, x + 80, y + d - 1);
  GUI_SetColor(GUI_WHITE);
  GUI_SetTextMode(GUI_TM_TRANS);
  GUI_DispStringAt("Trans ů", x + 2, y);
  GUI_SetColor(GUI_BLACK);
  GUI_SetTextMode(GUI_TM_REV);
  GUI_DispStringAt("Rev ß", x + 90, y);
  GUI_SetTextMode(GUI_TM_NORMAL);
  GUI_SetTextStyle(GUI_TS_UNDERLINE);
  GUI_DispStringAt("Unter", x + 160, y);
  GUI_SetTextStyle(GUI_TS_NORMAL);
  GUI_SetColor(0x0000C000);
  GUI_FillRect(2, y + d + 2, 120, y + 2 * d + 1);
  GUI_SetTextMode(GUI_TM_XOR);
  GUI_DispStringAt("XOR Ě", 4, y + d + 2);
  GUI_SetTextMode(GUI_TM_NORMAL);
  GUI_SetColor(GUI_BLACK);
  // A quarter turn both ways at the right.
  GUI_RECT rCW = {410, 2, static_cast<I16>(410 + 2 * d - 1), 269};
  GUI_RECT rCCW = {static_cast<I16>(rCW.x1 + 4), 2, static_cast<I16>(rCW.x1 + 3 + d), 269};
  Frame(rCW);
  Frame(rCCW);
  GUI_DispStringInRectEx("Kůň Grüße\nÚpěl", &rCW, GUI_TA_HCENTER | GUI_TA_VCENTER, 100, GUI_ROTATE_CW);
  GUI_DispStringInRectEx(kCzech, &rCCW, GUI_TA_LEFT | GUI_TA_TOP, 100, GUI_ROTATE_CCW);
  EXPECT_TRUE(golden::Matches(std::string("core/text_") + GetParam().Name, golden::CaptureLCD()));
}

INSTANTIATE_TEST_SUITE_P(Compiled, TextGolden, ::testing::ValuesIn(kFonts),
                         [](const ::testing::TestParamInfo<GoldenFont>& i) { return std::string(i.param.Name); });

} // namespace
