// The slider: range and value limits, pointer positions to values, keys, ticks, notifications, and golden
// images of both looks, horizontal and vertical.
#include <climits>

#include "widget_support.h"

namespace {

class SliderTest : public WidgetParentTest<> {};

TEST_F(SliderTest, RangeAndValueLimits) {
  WM_HWIN h = SLIDER_CreateEx(0, 0, 100, 20, hParent, WM_CF_SHOW, 0, 4);
  Heard().clear();
  SLIDER_SetValue(h, 150);
  EXPECT_EQ(SLIDER_GetValue(h), 100);
  SLIDER_Inc(h); // at the maximum: nothing, no notification
  EXPECT_EQ(Heard(), (std::vector<std::string>{"4:5"}));
  SLIDER_SetRange(h, 20, 10); // Max below Min: the range Min..Min
  EXPECT_EQ(SLIDER_GetValue(h), 20);
  SLIDER_SetValue(h, 25);
  EXPECT_EQ(SLIDER_GetValue(h), 20);
  SLIDER_SetRange(h, -50, 50);
  SLIDER_Dec(h);
  EXPECT_EQ(SLIDER_GetValue(h), 19);
  EXPECT_EQ(Heard().size(), 2u) << "SetRange itself does not notify";
}

TEST_F(SliderTest, PointerPositionsGiveValues) {
  WM_HWIN h = SLIDER_CreateEx(10, 10, 210, 20, hParent, WM_CF_SHOW, 0, 4);
  // Thumb width 8: half 5, travel 200: value = (100 + p * 100) / 200 with p = x - 5.
  Heard().clear();
  Press(10 + 3, 15);
  EXPECT_EQ(SLIDER_GetValue(h), 0) << "left of the groove: the minimum";
  EXPECT_EQ(Heard(), (std::vector<std::string>{"4:8", "4:1"}));
  Press(10 + 105, 15);
  EXPECT_EQ(SLIDER_GetValue(h), 50);
  Press(10 + 106, 15);
  EXPECT_EQ(SLIDER_GetValue(h), 51) << "rounded to nearest";
  Press(10 + 209, 15);
  EXPECT_EQ(SLIDER_GetValue(h), 100) << "beyond the end: the maximum";
  Press(400, 15); // captured while dragging
  EXPECT_EQ(SLIDER_GetValue(h), 100);
  Release(400, 15);
  EXPECT_EQ(widgettest::HeardCodes(1).size(), 1u) << "one press";
  EXPECT_EQ(Heard().back(), "4:2");
}

TEST_F(SliderTest, WideRangesDoNotOverflow) {
  WM_HWIN h = SLIDER_CreateEx(10, 10, 210, 20, hParent, WM_CF_SHOW, 0, 4);
  SLIDER_SetRange(h, -2000000000, 2000000000);
  Press(10 + 105, 15);
  Release(10 + 105, 15);
  EXPECT_EQ(SLIDER_GetValue(h), 0);
  WM_Exec(); // the thumb position is computed without overflow either
}

TEST_F(SliderTest, VerticalSliderReadsY) {
  WM_HWIN h = SLIDER_CreateEx(10, 10, 20, 110, hParent, WM_CF_SHOW, SLIDER_CF_VERTICAL, 4);
  EXPECT_TRUE(WIDGET_GetState(h) & WIDGET_STATE_VERTICAL);
  Press(15, 10 + 55);
  Release(15, 10 + 55);
  EXPECT_EQ(SLIDER_GetValue(h), 50);
}

TEST_F(SliderTest, KeysStepInBothOrientations) {
  WM_HWIN h = SLIDER_CreateEx(0, 0, 20, 100, hParent, WM_CF_SHOW, SLIDER_CF_VERTICAL, 4);
  WM_SetFocus(h);
  Key(GUI_KEY_RIGHT);
  Key(GUI_KEY_RIGHT);
  Key(GUI_KEY_LEFT);
  Key(GUI_KEY_UP); // not a slider key
  EXPECT_EQ(SLIDER_GetValue(h), 1);
}

TEST_F(SliderTest, AutomaticTicks) {
  // Travel 200: 101 values would crowd it, so 11 ticks; a range of 10 gets one tick per value.
  WM_HWIN h = SLIDER_CreateEx(0, 0, 210, 20, hParent, WM_CF_SHOW, 0, 4);
  SLIDER_OBJ* p = SLIDER_LockH(h);
  EXPECT_EQ(SLIDER__GetGeometry(p).Size, 200);
  EXPECT_EQ(SLIDER__GetGeometry(p).NumTicks, 11);
  GUI_ALLOC_UnlockH(&p);
  SLIDER_SetRange(h, 0, 10);
  p = SLIDER_LockH(h);
  EXPECT_EQ(SLIDER__GetGeometry(p).NumTicks, 11);
  GUI_ALLOC_UnlockH(&p);
  SLIDER_SetRange(h, 0, 4);
  SLIDER_SetValue(h, 2);
  p = SLIDER_LockH(h);
  EXPECT_EQ(SLIDER__GetGeometry(p).NumTicks, 5);
  EXPECT_EQ(SLIDER__GetGeometry(p).xThumb, 100 - 4 + 5) << "the thumb's centre at half the travel";
  GUI_ALLOC_UnlockH(&p);
  SLIDER_SetNumTicks(h, 0);
  p = SLIDER_LockH(h);
  EXPECT_EQ(SLIDER__GetGeometry(p).NumTicks, 0);
  GUI_ALLOC_UnlockH(&p);
  // Ticks closer than a pixel add nothing: of any number set, one per pixel of the travel is drawn, which
  // marks every pixel from the first tick to the last.
  SLIDER_SetNumTicks(h, INT_MAX);
  p = SLIDER_LockH(h);
  ASSERT_EQ(SLIDER__GetGeometry(p).NumTicks, 201);
  GUI_ALLOC_UnlockH(&p);
  SLIDER_SetTickColor(h, 0x0000FF);
  WM_Exec();
  for (int x = 5; x <= 205; x++) {
    ASSERT_EQ(wmtest::PixelIndex(x, 2), wmtest::ColorIndex(0x0000FF)) << x;
  }
  EXPECT_NE(wmtest::PixelIndex(4, 2), wmtest::ColorIndex(0x0000FF));
  EXPECT_NE(wmtest::PixelIndex(206, 2), wmtest::ColorIndex(0x0000FF));
}

TEST_F(SliderTest, SettersAndFlags) {
  WM_HWIN h = SLIDER_CreateEx(0, 0, 100, 20, hParent, WM_CF_SHOW, 0, 4);
  EXPECT_EQ(SLIDER_GetFlag(h, SLIDER_FLAG_DRAW_FOCUS_RECT), SLIDER_FLAG_DRAW_FOCUS_RECT);
  SLIDER_EnableFocusRect(h, 0);
  EXPECT_EQ(SLIDER_GetFlag(h, SLIDER_FLAG_DRAW_FOCUS_RECT), 0u);
  EXPECT_EQ(SLIDER_SetFocusColor(h, 0x0000FF), 0u);
  EXPECT_EQ(SLIDER_SetFocusColor(h, 0x00FF00), 0x0000FFu);
  EXPECT_EQ(SLIDER_GetFocusColor(h), 0x00FF00u);
  SLIDER_SetBkColor(h, 0xFFFFFF);
  EXPECT_FALSE(WM_GetHasTrans(h));
  SLIDER_SetBkColor(h, 0xFFFFFFF);
  EXPECT_TRUE(WM_GetHasTrans(h));
  SLIDER_SetNumTicks(h, -4); // refused
  EXPECT_EQ(SLIDER_SetDefaultFocusColor(0x111111), 0u);
  EXPECT_EQ(SLIDER_SetDefaultFocusColor(0), 0x111111u);
  SLIDER_SKINFLEX_PROPS Props;
  SLIDER_GetSkinFlexProps(&Props, 1);
  EXPECT_EQ(Props.aColorFrame[0], 0x707070u);
  SLIDER_GetSkinFlexProps(&Props, 2); // ignored
}

// Values at both ends and in the middle, automatic and set ticks, focused and pressed, at two sizes,
// horizontal and vertical; classic and flexible.
class SliderGolden : public SliderTest, public testing::WithParamInterface<bool> {};

TEST_P(SliderGolden, States) {
  bool Flex = GetParam();
  if (Flex) {
    SLIDER_SetDefaultSkin(SLIDER_DrawSkinFlex);
  }
  hParent = Parent(0, 0, 240, 240);
  for (int Size = 0; Size < 2; Size++) {
    int w = Size ? 150 : 100, hSize = Size ? 30 : 20;
    for (int i = 0; i < 4; i++) {
      WM_HWIN h = SLIDER_CreateEx(4 + Size * 110 * 0, 4 + i * (hSize + 4) + Size * 100, w, hSize, hParent,
                                  WM_CF_SHOW, 0, 10 + i);
      SLIDER_SetBkColor(h, 0xD0D0D0);
      SLIDER_SetValue(h, i * 33 + (i == 3 ? 1 : 0));
      if (i == 1) {
        SLIDER_SetNumTicks(h, 5);
      }
      if (i == 2) {
        SLIDER_SetWidth(h, 12);
      }
      if (i == 3 && Size == 1) {
        WM_SetFocus(h);
      }
    }
    WM_HWIN hV = SLIDER_CreateEx(170 + Size * 36, 4, hSize, 120, hParent, WM_CF_SHOW, SLIDER_CF_VERTICAL, 20);
    SLIDER_SetValue(hV, 25);
  }
  WM_HWIN hPressed = SLIDER_CreateEx(120, 4, 40, 20, hParent, WM_CF_SHOW, 0, 30);
  WM_Exec();
  Press(120 + 20, 10);
  WM_Exec();
  EXPECT_TRUE(golden::Matches(Flex ? "widgets/slider/flex" : "widgets/slider/classic",
                              golden::CaptureLCD(0, 0, 239, 239)));
  Release(120 + 20, 10);
  (void)hPressed;
}

INSTANTIATE_TEST_SUITE_P(Looks, SliderGolden, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& i) { return i.param ? "Flex" : "Classic"; });

} // namespace
