// Drawing value texts: each drawing must put the same pixels as the text it stands for, drawn directly.
#include "GuiTest.h"

#include <vector>

#include "TXT_DrawValue.h"
#include "TXT_FormatValue.h"
#include "TXT_Language.h"
#include "txt_test_object.h"

namespace {

class TxtDraw : public GuiTest {
protected:
  void SetUp() override {
    GuiTest::SetUp();
    ASSERT_EQ(TXT_SelectLanguage(TXT_LANG_ENGLISH), 0);
    Reset();
  }
  static void Reset() {
    GUI_SetBkColor(GUI_WHITE);
    GUI_SetColor(GUI_BLACK);
    GUI_SetTextMode(GUI_TM_TRANS);
    GUI_SetTextAlign(GUI_TA_LEFT);
    GUI_SetFont(&UI_Font15);
    GUI_Clear();
  }
  static std::vector<GUI_COLOR> Screen() {
    std::vector<GUI_COLOR> v;
    GUI_Lock();
    for (int y = 0; y < 272; ++y) {
      for (int x = 0; x < 480; ++x) {
        v.push_back(LCD_GetPixelColor(x, y));
      }
    }
    GUI_Unlock();
    return v;
  }
  static bool Blank(const std::vector<GUI_COLOR>& v) {
    for (GUI_COLOR c : v) {
      if (c != GUI_WHITE) {
        return false;
      }
    }
    return true;
  }
  // Compares what the drawing routine puts on the screen with the expected direct drawing.
  template <class DRAW, class EXPECT>
  static void Same(DRAW Draw, EXPECT Expect) {
    Reset();
    Expect();
    std::vector<GUI_COLOR> Want = Screen();
    ASSERT_FALSE(Blank(Want));
    Reset();
    Draw();
    EXPECT_TRUE(Screen() == Want);
  }
  static constexpr int x0 = 200, y0 = 100;
};

TEST_F(TxtDraw, ValueWithItsUnit) {
  Same([] { GUI_GotoXY(x0, y0), TXT_DrawValue(215, 1, -1); },
       [] { GUI_UC_DispStringAt(u"21.5 °C", x0, y0); });
  EXPECT_EQ(GUI_GetDispPosX(), x0 + GUI_UC_GetStringDistX(u"21.5 °C"));
  Same([] { GUI_GotoXY(x0, y0), TXT_DrawValue(215, 1, TXT_DECIMALS_POINT_ONLY); },
       [] { GUI_UC_DispStringAt(u"21. °C", x0, y0); });
  Same([] { GUI_GotoXY(x0, y0), TXT_DrawValue(3725, 4, -1); },
       [] { GUI_UC_DispStringAt(u"01h 02m 05s", x0, y0); });
  Same([] { GUI_GotoXY(x0, y0), TXT_DrawValue(1, 44, -1); }, [] { GUI_UC_DispStringAt(u"Yes", x0, y0); });
}

TEST_F(TxtDraw, FirstPartsOnly) {
  Same([] { GUI_GotoXY(x0, y0), TXT_DrawValue(2 << 9 | 215, 46, -1); },
       [] { GUI_UC_DispStringAt(u"21.5 °C", x0, y0); });
  Same([] { GUI_GotoXY(x0, y0), TXT_DrawValue(50 << 8 | 20, 55, -1); },
       [] { GUI_UC_DispStringAt(u"50 %", x0, y0); });
  Reset();
  GUI_GotoXY(x0, y0);
  TXT_DrawValue(7, 47, -1); // no text for a mixer state outside its group
  EXPECT_TRUE(Blank(Screen()));
}

TEST_F(TxtDraw, SecondLines) {
  Same([] { GUI_GotoXY(x0, y0), TXT_DrawValueLines(2 << 9 | 215, 46, -1); },
       [] {
         int dy = GUI_GetFontDistY();
         GUI_UC_DispStringAt(u"21.5 °C", x0, y0 - dy / 2);
         GUI_UC_DispStringAt(u"Setback", x0, y0 - dy / 2 + dy);
       });
  Same([] { GUI_GotoXY(x0, y0), TXT_DrawValueLines(50 << 8 | 20, 55, -1); },
       [] { GUI_UC_DispStringAt(u"50 % 20 %", x0, y0); });
  // The second percentage keeps all eight bits of the low byte.
  Same([] { GUI_GotoXY(x0, y0), TXT_DrawValueLines(50 << 8 | 200, 55, -1); },
       [] { GUI_UC_DispStringAt(u"50 % 200 %", x0, y0); });
  Same([] { GUI_GotoXY(x0, y0), TXT_DrawValueLines(1234, 10, -1); },
       [] { GUI_UC_DispStringAt(u"12.34 kW", x0, y0); });
}

TEST_F(TxtDraw, RightAligned) {
  Same([] { GUI_GotoXY(x0, y0), TXT_DrawValueRight(1234, 10); },
       [] { GUI_UC_DispStringAt(u"12.34 kW", x0 - GUI_UC_GetStringDistX(u"12.34 kW"), y0); });
  EXPECT_EQ(GUI_GetTextAlign(), GUI_TA_LEFT);
  Same([] { GUI_GotoXY(x0, y0), TXT_DrawValueRight(1 << 9 | 200, 46); },
       [] {
         int dy = GUI_GetFontDistY();
         GUI_UC_DispStringAt(u"20.0 °C", x0 - GUI_UC_GetStringDistX(u"20.0 °C"), y0 - dy / 2);
         GUI_UC_DispStringAt(u"Standard", x0 - GUI_UC_GetStringDistX(u"Standard"), y0 - dy / 2 + dy);
       });
  Same([] { GUI_GotoXY(x0, y0), TXT_DrawValueRight(50 << 8 | 20, 55); },
       [] {
         GUI_UC_DispStringAt(u"50 %", x0 - GUI_UC_GetStringDistX(u"50 %"), y0);
         GUI_UC_DispStringAt(u"20 %", x0 - GUI_UC_GetStringDistX(u"20 %"), y0 + GUI_GetFontDistY());
       });
}

TEST_F(TxtDraw, BelowKeepsTheAlignment) {
  Same([] { GUI_GotoXY(x0, y0), TXT_DrawValueBelow(3 << 9 | 215, 46, -1); },
       [] {
         GUI_UC_DispStringAt(u"21.5 °C", x0, y0);
         GUI_UC_DispStringAt(u"Standby/frost pr", x0 - GUI_UC_GetStringDistX(u"Standby/frost pr"), y0 + 21);
       });
  EXPECT_EQ(GUI_GetTextAlign(), GUI_TA_LEFT);
  Same([] { GUI_GotoXY(x0, y0), TXT_DrawValueBelow(50 << 8 | 0x80 | 20, 55, -1); },
       [] {
         GUI_UC_DispStringAt(u"50 %", x0, y0);
         GUI_UC_DispStringAt(u"20 %", x0 - GUI_UC_GetStringDistX(u"20 %"), y0 + 21);
       });
}

TEST_F(TxtDraw, NumbersAndParameters) {
  Same([] { GUI_GotoXY(x0, y0), TXT_DrawNumber(5, 2); }, [] { GUI_UC_DispStringAt(u"0.05", x0, y0); });
  Same([] { GUI_GotoXY(x0, y0), TXT_DrawNumber(-1234, 0); }, [] { GUI_UC_DispStringAt(u"-1234", x0, y0); });
  TxtTestObject Obj;
  Same([&] { GUI_GotoXY(x0, y0), TXT_DrawParameter(0, &Obj); },
       [] { GUI_UC_DispStringAt(u"21.5 °C", x0, y0); });
  Same([&] { GUI_GotoXY(x0, y0), TXT_DrawParameter(1, &Obj); }, [] { GUI_UC_DispStringAt(u"Manual", x0, y0); });
  Same([&] { GUI_GotoXY(x0, y0), TXT_DrawParameterRight(1, &Obj); },
       [] { GUI_UC_DispStringAt(u"Manual", x0 - GUI_UC_GetStringDistX(u"Manual"), y0); });
  Same([&] { GUI_GotoXY(x0, y0), TXT_DrawParameterRight(0, &Obj); },
       [] { GUI_UC_DispStringAt(u"21.5 °C", x0 - GUI_UC_GetStringDistX(u"21.5 °C"), y0); });
  Obj.Choice = 5; // outside its choices: nothing
  Reset();
  GUI_GotoXY(x0, y0);
  TXT_DrawParameter(1, &Obj);
  TXT_DrawParameter(0, nullptr);
  EXPECT_TRUE(Blank(Screen()));
  EXPECT_TRUE(Errors().empty());
}

} // namespace
