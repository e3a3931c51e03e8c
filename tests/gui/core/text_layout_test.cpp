// Text layout in the current font: line lengths, widths, wrapping and text rectangles.
#include <gtest/gtest.h>

#include "GuiTest.h"

#include <string>
#include <vector>

namespace {

class TextLayout : public GuiTest {
protected:
  void SetUp() override {
    GuiTest::SetUp();
    GUI_Lock();
    GUI_SetFont(&GUI_Font13);
  }
  void TearDown() override {
    GUI_Unlock();
    GuiTest::TearDown();
  }
  // The lines of a wrapped text as drawn.
  static std::vector<std::string> Wrap(const char* s, int xSize, int Mode) {
    std::vector<std::string> Lines;
    while (*s && Lines.size() < 100) {
      int Disp = GUI__WrapGetNumCharsDisp(s, xSize, Mode);
      Lines.emplace_back(s, GUI_UC__CountBytes(s, Disp));
      s += GUI_UC__CountBytes(s, GUI__WrapLineChars(s, xSize, Mode));
    }
    return Lines;
  }
};

TEST_F(TextLayout, LinesEndAtLineBreaks) {
  EXPECT_EQ(GUI__GetLineNumChars("Äpfel\nBirnen", 100), 5);
  EXPECT_EQ(GUI__GetLineNumChars("ab\r\ncd", 100), 2);
  EXPECT_EQ(GUI__GetLineNumChars("abcdef", 3), 3);
  EXPECT_EQ(GUI__GetNumChars("Žluť\n"), 5);
}

TEST_F(TextLayout, WidthsAddUpAdvances) {
  int a = GUI_GetCharDistX('A'), b = GUI_GetCharDistX('b');
  EXPECT_EQ(GUI__GetWidthOfChars("Ab", 2, 2), a + b);
  EXPECT_EQ(GUI__GetWidthOfChars("Ab", 5, 1), a);
  EXPECT_GE(GUI__GetLineDistX("Ab", 2), a + b);
  EXPECT_EQ(GUI_GetStringDistX("Ab\nAbAb"), GUI__GetLineDistX("AbAb", 4)) << "the widest line counts";
  EXPECT_EQ(GUI__GetCharsInWidth("AbAb", a + b, 10), 2);
  EXPECT_EQ(GUI__GetCharsInWidth("AbAb", a + b - 1, 10), 1);
  int IsRTL = 7;
  EXPECT_EQ(GUI__GetCharAtIndex("aŘc", 1, 3, &IsRTL), u'Ř');
  EXPECT_EQ(IsRTL, 0);
  EXPECT_EQ(GUI__BidiEnabled, 0);
  EXPECT_EQ(GUI__pfBidiHook1, nullptr);
}

TEST_F(TextLayout, WordWrapBreaksAtBlanksAndDropsThem) {
  int w = GUI_GetStringDistX("Heizkreis ");
  EXPECT_EQ(Wrap("Heizkreis  Mischer auf\nSolar", w, GUI_WRAPMODE_WORD), (std::vector<std::string>{"Heizkreis", "Mischer", "auf", "Solar"}));
  EXPECT_EQ(GUI_WrapGetNumLines("Heizkreis  Mischer auf\nSolar", w, GUI_WRAPMODE_WORD), 4);
}

TEST_F(TextLayout, LongWordsAndCharacterWrapCutByCharacters) {
  int w = GUI_GetStringDistX("Kůň");
  std::vector<std::string> Lines = Wrap("Kůňů Xy", w, GUI_WRAPMODE_CHAR);
  EXPECT_EQ(Lines, (std::vector<std::string>{"Kůň", "ů X", "y"}));
  EXPECT_EQ(GUI_WrapGetNumLines("Kůňů Xy", w, GUI_WRAPMODE_CHAR), static_cast<int>(Lines.size()));
  EXPECT_EQ(GUI_WrapGetNumLines("Donaudampfschiff", 1, GUI_WRAPMODE_WORD), 16) << "one character per line at least";
  EXPECT_EQ(GUI_WrapGetNumLines("a b c", 1000, GUI_WRAPMODE_NONE), 1);
  EXPECT_EQ(GUI_WrapGetNumLines("", 10, GUI_WRAPMODE_WORD), 0);
}

TEST_F(TextLayout, TextRectanglesFollowTheAlignment) {
  GUI_RECT r = {10, 20, 109, 69}, t;
  const char* s = "ab\nabc";
  int w = GUI_GetStringDistX(s);
  GUI__CalcTextRect(s, &r, &t, GUI_TA_LEFT | GUI_TA_TOP);
  EXPECT_EQ(t.x0, 10);
  EXPECT_EQ(t.y0, 20);
  EXPECT_EQ(t.x1, 10 + w - 1);
  EXPECT_EQ(t.y1, 20 + 26 - 1);
  GUI__CalcTextRect(s, &r, &t, GUI_TA_RIGHT | GUI_TA_BOTTOM);
  EXPECT_EQ(t.x1, 109);
  EXPECT_EQ(t.y1, 69);
  GUI__CalcTextRect(s, &r, &t, GUI_TA_HCENTER | GUI_TA_VCENTER);
  EXPECT_EQ(t.x0, 10 + (100 - w) / 2);
  EXPECT_EQ(t.y0, 20 + (50 - 26) / 2);
  GUI__CalcTextRect(nullptr, &r, &t, GUI_TA_RIGHT);
  EXPECT_EQ(t.x0, r.x0);
  EXPECT_EQ(t.y1, r.y1);
  GUI_GotoXY(5, 6);
  GUI_GetTextExtent(&t, s, 100);
  EXPECT_EQ(t.x0, 5);
  EXPECT_EQ(t.y0, 6);
  EXPECT_EQ(t.x1, 5 + w - 1);
  EXPECT_EQ(t.y1, 6 + 13 + 13 - 1);
}

} // namespace
