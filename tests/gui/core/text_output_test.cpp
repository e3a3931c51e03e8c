// Text output on the display: positions, alignment, text modes, styles, clipping, number output.
#include "GuiTest.h"

#include <string>
#include <vector>

namespace {

class TextOutput : public GuiTest {
protected:
  void SetUp() override {
    GuiTest::SetUp();
    GUI_SetBkColor(GUI_WHITE);
    GUI_SetColor(GUI_BLACK);
    GUI_Clear();
    GUI_SetFont(&GUI_Font13);
  }
  static GUI_COLOR Pixel(int x, int y) {
    GUI_Lock();
    GUI_COLOR c = LCD_GetPixelColor(x, y);
    GUI_Unlock();
    return c;
  }
  // Bounding box of the pixels that differ from the colour c (x0 > x1 when there are none).
  static GUI_RECT InkBox(GUI_COLOR c = GUI_WHITE) {
    GUI_RECT r = {32767, 32767, -32768, -32768};
    for (int y = 0; y < 272; ++y)
      for (int x = 0; x < 480; ++x)
        if (Pixel(x, y) != c) {
          if (x < r.x0) r.x0 = static_cast<I16>(x);
          if (x > r.x1) r.x1 = static_cast<I16>(x);
          if (y < r.y0) r.y0 = static_cast<I16>(y);
          if (y > r.y1) r.y1 = static_cast<I16>(y);
        }
    return r;
  }
  static std::vector<GUI_COLOR> Screen() {
    std::vector<GUI_COLOR> v;
    for (int y = 0; y < 272; ++y)
      for (int x = 0; x < 480; ++x) v.push_back(Pixel(x, y));
    return v;
  }
};

TEST_F(TextOutput, StringAdvancesThePositionAndStaysInItsCell) {
  GUI_DispStringAt("Hxg", 10, 20);
  EXPECT_EQ(GUI_GetDispPosX(), 10 + GUI_GetStringDistX("Hxg"));
  EXPECT_EQ(GUI_GetDispPosY(), 20);
  GUI_RECT r = InkBox();
  EXPECT_GE(r.x0, 10);
  EXPECT_EQ(r.y0, 20 + 11 - 8) << "capitals start CHeight above the baseline";
  EXPECT_LE(r.y1, 20 + 12);
  EXPECT_GT(r.y1, 20 + 10) << "the descender of g reaches below the baseline";
}

TEST_F(TextOutput, LineBreaksReturnToTheLeftBorder) {
  GUI_SetLBorder(30);
  GUI_GotoXY(50, 10);
  GUI_DispString("A\nB");
  EXPECT_EQ(GUI_GetDispPosX(), 30 + GUI_GetCharDistX('B'));
  EXPECT_EQ(GUI_GetDispPosY(), 23);
  GUI_DispChar('\n');
  EXPECT_EQ(GUI_GetDispPosX(), 30);
  EXPECT_EQ(GUI_GetDispPosY(), 36);
  GUI_DispStringAt("C\r\nD", 70, 100);
  EXPECT_EQ(GUI_GetDispPosX(), 70 + GUI_GetCharDistX('D')) << "a text placed at x continues its lines at x";
  EXPECT_EQ(GUI_GetDispPosY(), 113);
}

TEST_F(TextOutput, AlignmentPlacesTheLineAroundThePosition) {
  const char* s = "Ťuk";
  int w = GUI__GetLineDistX(s, 3);
  GUI_SetTextAlign(GUI_TA_RIGHT);
  GUI_DispStringAt(s, 200, 50);
  GUI_RECT r = InkBox();
  EXPECT_LE(r.x1, 199);
  EXPECT_GE(r.x0, 200 - w);
  EXPECT_EQ(GUI_GetTextAlign() & GUI_TA_HORIZONTAL, GUI_TA_LEFT) << "cleared after the output";
  GUI_Clear();
  GUI_SetTextAlign(GUI_TA_LEFT | GUI_TA_VCENTER);
  GUI_DispStringHCenterAt(s, 100, 100);
  r = InkBox();
  EXPECT_NEAR((r.x0 + r.x1) / 2.0, 100, 2);
  EXPECT_LT(r.y0, 100);
  EXPECT_EQ(GUI_GetTextAlign(), GUI_TA_LEFT | GUI_TA_VCENTER) << "the centring call restores the alignment";
}

TEST_F(TextOutput, TransparentModeKeepsTheBackgroundNormalModeFillsTheCell) {
  GUI_SetColor(GUI_BLUE);
  GUI_FillRect(0, 0, 100, 30);
  GUI_SetColor(GUI_BLACK);
  GUI_SetTextMode(GUI_TM_TRANS);
  GUI_DispStringAt("i", 10, 10);
  EXPECT_EQ(Pixel(10 + GUI_GetCharDistX('i') - 1, 10), GUI_BLUE);
  GUI_SetTextMode(GUI_TM_NORMAL);
  GUI_DispStringAt("i", 40, 10);
  EXPECT_EQ(Pixel(40, 10), GUI_WHITE) << "the cell gets the background colour";
  EXPECT_EQ(Pixel(40, 10 + 12), GUI_WHITE);
}

TEST_F(TextOutput, NormalModeKeepsTheOverhangOfThePreviousGlyph) {
  GUI_SetFont(&UI_Font15B); // the caron of d reaches into the next cell
  GUI_DispStringAt("\xC4\x8F", 10, 10);
  std::vector<GUI_COLOR> Alone = Screen();
  GUI_Clear();
  GUI_DispStringAt("\xC4\x8F.", 10, 10);
  int x0 = 10 + GUI_GetCharDistX(0x10F);
  for (int y = 10; y < 10 + 6; ++y)
    for (int x = x0; x < x0 + 3; ++x) EXPECT_EQ(Pixel(x, y), Alone[y * 480 + x]) << x << "," << y;
  EXPECT_NE(Alone[12 * 480 + x0 + 1], GUI_WHITE) << "the caron does overhang";
}

TEST_F(TextOutput, XorTwiceRestoresAndReverseSwapsColours) {
  std::vector<GUI_COLOR> Before = Screen();
  GUI_SetTextMode(GUI_TM_XOR);
  GUI_DispStringAt("XOR ž", 5, 5);
  EXPECT_NE(Screen(), Before);
  GUI_DispStringAt("XOR ž", 5, 5);
  EXPECT_EQ(Screen(), Before);
  GUI_SetTextMode(GUI_TM_REV);
  GUI_DispStringAt(" ", 5, 40);
  EXPECT_EQ(Pixel(6, 45), GUI_BLACK) << "reverse text fills its cell with the foreground colour";
}

TEST_F(TextOutput, UnderlineRunsUnderTheWholeLine) {
  GUI_SetTextStyle(GUI_TS_UNDERLINE);
  GUI_DispStringAt("a b", 20, 40);
  int w = GUI__GetWidthOfChars("a b", 3, 3);
  for (int x = 20; x < 20 + w; ++x) EXPECT_EQ(Pixel(x, 40 + 11), GUI_BLACK) << x;
  EXPECT_EQ(Pixel(20 + w, 40 + 11), GUI_WHITE);
}

TEST_F(TextOutput, RectangleOutputIsClippedToTheRectangle) {
  GUI_RECT r = {50, 50, 80, 60};
  GUI_SetFont(&UI_Font24);
  GUI_DispStringInRect("WWWWWWW", &r, GUI_TA_HCENTER | GUI_TA_VCENTER);
  GUI_RECT Ink = InkBox();
  EXPECT_GE(Ink.x0, 50);
  EXPECT_LE(Ink.x1, 80);
  EXPECT_GE(Ink.y0, 50);
  EXPECT_LE(Ink.y1, 60);
  EXPECT_EQ(Ink.x0, 50);
  EXPECT_EQ(Ink.x1, 80) << "the letters are cut at both sides";
  EXPECT_LE(Ink.x0, Ink.x1) << "something was drawn";
}

TEST_F(TextOutput, MaxCharsLimitsTheRectangleOutput) {
  GUI_RECT r = {0, 0, 479, 271};
  GUI_DispStringInRectMax("AB", &r, GUI_TA_LEFT, 1);
  std::vector<GUI_COLOR> OneChar = Screen();
  GUI_Clear();
  GUI_DispStringInRect("A", &r, GUI_TA_LEFT);
  EXPECT_EQ(Screen(), OneChar);
}

TEST_F(TextOutput, QuarterTurnKeepsTheTextInsideTheRectangle) {
  GUI_RECT r = {100, 20, 100 + 12, 20 + 80};
  GUI_DispStringInRectEx("Kůň", &r, GUI_TA_HCENTER | GUI_TA_VCENTER, 100, GUI_ROTATE_CW);
  GUI_RECT Ink = InkBox();
  EXPECT_GE(Ink.x0, r.x0);
  EXPECT_LE(Ink.x1, r.x1);
  EXPECT_GT(Ink.y1 - Ink.y0, Ink.x1 - Ink.x0) << "the text runs downwards";
}

TEST_F(TextOutput, UTF16AndUTF8DrawTheSamePixels) {
  GUI_RECT r = {10, 10, 300, 100};
  GUI_SetFont(&UI_Font15);
  GUI_DispStringInRect("Příliš žluťoučký kůň\nGrüße 23,5 °C €", &r, GUI_TA_HCENTER);
  std::vector<GUI_COLOR> Utf8 = Screen();
  GUI_Clear();
  GUI_UC_DispStringInRect(u"Příliš žluťoučký kůň\nGrüße 23,5 °C €", &r, GUI_TA_HCENTER);
  EXPECT_EQ(Screen(), Utf8);
  GUI_Clear();
  GUI_UC_DispStringAt(u"Ω", 5, 5);
  std::vector<GUI_COLOR> a = Screen();
  GUI_Clear();
  GUI_DispStringAt("Ω", 5, 5);
  EXPECT_EQ(Screen(), a);
}

TEST_F(TextOutput, MagnifiedFontsDrawBlocks) {
  GUI_FONT Big = GUI_Font13;
  Big.XMag = 2;
  Big.YMag = 2;
  GUI_SetFont(&GUI_Font13);
  GUI_SetTextMode(GUI_TM_TRANS);
  GUI_DispStringAt("I", 0, 0);
  GUI_RECT Small = InkBox();
  GUI_Clear();
  GUI_SetFont(&Big);
  GUI_DispStringAt("I", 0, 0);
  GUI_RECT Large = InkBox();
  EXPECT_EQ(Large.x0, 2 * Small.x0);
  EXPECT_EQ(Large.y0, 2 * Small.y0);
  EXPECT_EQ(Large.y1, 2 * Small.y1 + 1);
}

TEST_F(TextOutput, NumbersAsWorkedExamples) {
  auto Drawn = [&](auto f) {
    GUI_Clear();
    f();
    return Screen();
  };
  auto Text = [&](const char* s) { return Drawn([&] { GUI_DispStringAt(s, 10, 10); }); };
  EXPECT_EQ(Drawn([] { GUI_DispDecAt(-42, 10, 10, 5); }), Text("-0042"));
  EXPECT_EQ(Drawn([] { GUI_GotoXY(10, 10); GUI_DispDecShift(-1234, 7, 2); }), Text("-012.34"));
  EXPECT_EQ(Drawn([] { GUI_GotoXY(10, 10); GUI_DispDecMin(0); }), Text("0"));
  EXPECT_EQ(Drawn([] { GUI_GotoXY(10, 10); GUI_DispFloatMin(-3.14159f, 3); }), Text("-3.142"));
  EXPECT_EQ(Drawn([] { GUI_GotoXY(10, 10); GUI_DispFloatMin(-0.0004f, 2); }), Text("0.00"));
  EXPECT_EQ(Drawn([] { GUI_GotoXY(10, 10); GUI_DispHex(0xAF, 4); }), Text("00AF"));
  char Old = GUI__DecimalSeparator;
  GUI__DecimalSeparator = ',';
  EXPECT_EQ(Drawn([] { GUI_GotoXY(10, 10); GUI_DispFloatMin(2.5f, 1); }), Text("2,5"));
  GUI__DecimalSeparator = Old;
  EXPECT_EQ(Drawn([] { GUI_GotoXY(10, 10); GUI_DispChars('x', 3); }), Text("xxx"));
}

} // namespace
