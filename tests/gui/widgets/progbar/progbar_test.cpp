// The progress bar: value limits, the percentage text and a user text, the range, what a value change
// repaints, and golden images of both looks, horizontal and vertical.
#include "widget_support.h"

namespace {

class ProgbarTest : public WidgetParentTest<> {
protected:
  std::string Text(WM_HWIN h) {
    char ab[32];
    PROGBAR_GetText(h, ab, sizeof(ab));
    return ab;
  }
};

TEST_F(ProgbarTest, PercentageFollowsTheValue) {
  WM_HWIN h = PROGBAR_CreateEx(0, 0, 100, 16, hParent, WM_CF_SHOW, 0, 3);
  EXPECT_EQ(Text(h), "0%");
  PROGBAR_SetValue(h, 42);
  EXPECT_EQ(Text(h), "42%");
  PROGBAR_SetValue(h, 1000);
  EXPECT_EQ(PROGBAR_GetValue(h), 100) << "stored as the maximum";
  EXPECT_EQ(Text(h), "100%");
  PROGBAR_SetMinMax(h, 50, 50); // ignored
  PROGBAR_SetMinMax(h, 60, 40); // ignored
  PROGBAR_SetMinMax(h, -100, 100);
  PROGBAR_SetValue(h, 0);
  EXPECT_EQ(Text(h), "50%");
  EXPECT_TRUE(Heard().empty() || Heard() == std::vector<std::string>{}) << "a progress bar never notifies";
}

TEST_F(ProgbarTest, UserTextStaysAcrossValueChanges) {
  WM_HWIN h = PROGBAR_CreateEx(0, 0, 100, 16, hParent, WM_CF_SHOW, 0, 3);
  PROGBAR_SetText(h, "Loading");
  PROGBAR_SetValue(h, 30);
  EXPECT_EQ(Text(h), "Loading");
  PROGBAR_SetText(h, "ab"); // shorter than the percentage buffer
  PROGBAR_SetText(h, nullptr);
  PROGBAR_SetValue(h, 77); // the percentage returns, written into a buffer grown back to fit
  EXPECT_EQ(Text(h), "77%");
  PROGBAR_SetValue(h, 100);
  EXPECT_EQ(Text(h), "100%");
  EXPECT_EQ(GUI_ALLOC__Check(), 0);
}

TEST_F(ProgbarTest, ValueChangeRepaintsOnlyTheStripAndTheText) {
  WM_HWIN h = PROGBAR_CreateEx(10, 10, 200, 16, hParent, WM_CF_SHOW, 0, 3);
  PROGBAR_SetText(h, "x");
  WM_Exec();
  PROGBAR_SetValue(h, 10); // user text: only the strip between the old and the new position
  GUI_RECT r;
  ASSERT_TRUE(WM_GetInvalidRect(h, &r));
  EXPECT_EQ(r.x0, 10 + 0);
  EXPECT_EQ(r.x1, 10 + 20);
  EXPECT_EQ(r.y0, 10);
  EXPECT_EQ(r.y1, 25);
}

TEST_F(ProgbarTest, VerticalBarsFillFromTheBottom) {
  WM_HWIN h = PROGBAR_CreateEx(10, 10, 16, 100, hParent, WM_CF_SHOW, PROGBAR_CF_VERTICAL, 3);
  PROGBAR_SetValue(h, 25);
  WM_Exec();
  EXPECT_EQ(wmtest::PixelIndex(15, 10 + 99), wmtest::ColorIndex(0x555555)) << "filled at the bottom";
  EXPECT_EQ(wmtest::PixelIndex(15, 10 + 10), wmtest::ColorIndex(0xAAAAAA)) << "empty at the top";
  EXPECT_EQ(wmtest::PixelIndex(15, 10 + 74), wmtest::ColorIndex(0xAAAAAA));
  EXPECT_EQ(wmtest::PixelIndex(15, 10 + 75), wmtest::ColorIndex(0x555555));
}

// Empty, part-filled, full, with a user text and an offset text, at two sizes, and vertical bars; classic
// and flexible.
class ProgbarGolden : public ProgbarTest, public testing::WithParamInterface<bool> {};

TEST_P(ProgbarGolden, States) {
  bool Flex = GetParam();
  if (Flex) {
    PROGBAR_SetDefaultSkin(PROGBAR_DrawSkinFlex);
  }
  for (int Size = 0; Size < 2; Size++) {
    int w = Size ? 150 : 90, hSize = Size ? 22 : 12;
    for (int i = 0; i < 4; i++) {
      WM_HWIN h = PROGBAR_CreateEx(4, 4 + Size * 60 + i * (hSize + 3) * (Size ? 1 : 1) - (Size ? 0 : 0), w, hSize,
                                   hParent, WM_CF_SHOW, 0, 1);
      PROGBAR_SetValue(h, i * 40);
      if (i == 3) {
        PROGBAR_SetText(h, "Text");
        PROGBAR_SetTextAlign(h, GUI_TA_RIGHT);
        PROGBAR_SetTextPos(h, -2, 0);
      }
      if (Size) {
        PROGBAR_SetFont(h, &GUI_Font13);
      }
    }
    WM_HWIN hV = PROGBAR_CreateEx(170 + Size * 30, 4, hSize, 100, hParent, WM_CF_SHOW, PROGBAR_CF_VERTICAL, 2);
    PROGBAR_SetValue(hV, 60);
  }
  WM_Exec();
  EXPECT_TRUE(golden::Matches(Flex ? "widgets/progbar/flex" : "widgets/progbar/classic",
                              golden::CaptureLCD(0, 0, 229, 159)));
}

INSTANTIATE_TEST_SUITE_P(Looks, ProgbarGolden, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& i) { return i.param ? "Flex" : "Classic"; });

} // namespace
