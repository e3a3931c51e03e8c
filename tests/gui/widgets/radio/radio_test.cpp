// Radio buttons: selection limits, groups of sibling widgets moved through by keys and values, item texts
// and indexes, pointer hits, default sizes, and golden images of both looks.
#include "widget_support.h"

namespace {

class RadioTest : public WidgetParentTest<> {
protected:
  WM_HWIN Radio(int x, int y, int Id, int NumItems = 3) {
    return RADIO_CreateEx(x, y, 80, 0, hParent, WM_CF_SHOW, 0, Id, NumItems, 20);
  }
};

TEST_F(RadioTest, DefaultsAndSize) {
  WM_HWIN h = RADIO_CreateEx(0, 0, 0, 0, hParent, WM_CF_SHOW, 0, 5, 0, 0);
  EXPECT_EQ(WM_GetWindowSizeX(h), 16);
  EXPECT_EQ(WM_GetWindowSizeY(h), 36) << "two items 20 apart";
  EXPECT_EQ(RADIO_GetValue(h), 0);
  WM_HWIN hPara = RADIO_Create(0, 0, 0, 0, hParent, 6, WM_CF_SHOW, 0x1E04); // 4 items, 30 apart
  EXPECT_EQ(WM_GetWindowSizeY(hPara), 12 + 4 + 3 * 30);
}

TEST_F(RadioTest, ValueWithoutAGroupIsClamped) {
  WM_HWIN h = Radio(0, 0, 5);
  Heard().clear();
  RADIO_SetValue(h, 99);
  EXPECT_EQ(RADIO_GetValue(h), 2);
  RADIO_Inc(h);
  EXPECT_EQ(RADIO_GetValue(h), 2);
  RADIO_SetValue(h, 0);
  RADIO_Dec(h);
  EXPECT_EQ(RADIO_GetValue(h), 0);
  RADIO_SetValue(h, -5);
  EXPECT_EQ(RADIO_GetValue(h), 0);
  EXPECT_EQ(Heard(), (std::vector<std::string>{"5:5", "5:5"}));
}

TEST_F(RadioTest, GroupMovesAcrossMembersAndSkipsDisabledOnes) {
  WM_HWIN hA = Radio(0, 0, 1), hB = Radio(0, 70, 2), hC = Radio(100, 0, 3);
  RADIO_SetGroupId(hA, 1);
  RADIO_SetGroupId(hB, 1);
  RADIO_SetGroupId(hC, 1);
  EXPECT_EQ(RADIO_GetValue(hA), 0) << "the first member keeps its selection";
  EXPECT_EQ(RADIO_GetValue(hB), -1);
  EXPECT_EQ(RADIO_GetValue(hC), -1);
  RADIO_SetValue(hA, 99); // beyond the last item: the next member takes item 0
  EXPECT_EQ(RADIO_GetValue(hA), -1);
  EXPECT_EQ(RADIO_GetValue(hB), 0);
  EXPECT_EQ(WM_GetFocusWindow(), hB);
  WM_DisableWindow(hB);
  RADIO_SetValue(hA, 1);
  EXPECT_EQ(RADIO_GetValue(hB), -1) << "selecting clears every other member";
  WM_SetFocus(hA);
  RADIO_SetValue(hA, 2);
  Key(GUI_KEY_DOWN); // past A's last item: B is disabled, C takes item 0
  EXPECT_EQ(RADIO_GetValue(hA), -1);
  EXPECT_EQ(RADIO_GetValue(hC), 0);
  Key(GUI_KEY_UP); // before C's first item: back to A's last
  EXPECT_EQ(RADIO_GetValue(hA), 2);
  EXPECT_EQ(RADIO_GetValue(hC), -1);
  RADIO_SetValue(hA, 0);
  RADIO_Dec(hA); // nothing before A
  EXPECT_EQ(RADIO_GetValue(hA), 0);
}

TEST_F(RadioTest, LeavingAGroupHandsTheSelectionOn) {
  WM_HWIN hA = Radio(0, 0, 1), hB = Radio(0, 70, 2);
  RADIO_SetGroupId(hA, 4);
  RADIO_SetGroupId(hB, 4);
  RADIO_SetGroupId(hA, 0);
  EXPECT_EQ(RADIO_GetValue(hB), 0) << "the remaining member selects item 0";
  EXPECT_EQ(RADIO_GetValue(hA), 0);
  RADIO_SetValue(hA, 2);
  EXPECT_EQ(RADIO_GetValue(hB), 0) << "no longer linked";
}

TEST_F(RadioTest, PointerHitsItemsAndClampsBelowTheLast) {
  WM_HWIN h = Radio(10, 10, 5);
  Heard().clear();
  Press(15, 10 + 20 + 5);
  EXPECT_EQ(RADIO_GetValue(h), 1);
  Release(15, 10 + 20 + 5);
  EXPECT_EQ(Heard(), (std::vector<std::string>{"5:8", "5:5", "5:1", "5:2"})) << "focus, value, clicked, released";
  EXPECT_EQ(GUI_GetKey(), 5);
  Press(15, 10 + 20 + 18); // between the rows, below the button's hit height
  Release(15, 10 + 20 + 18);
  EXPECT_EQ(RADIO_GetValue(h), 1);
  Press(15, 10 + 55); // y 55 lies inside a row below the last item
  Release(15, 10 + 55);
  EXPECT_EQ(RADIO_GetValue(h), 2);
}

TEST_F(RadioTest, TextsAndIndexesAreChecked) {
  WM_HWIN h = Radio(0, 0, 5);
  RADIO_SetText(h, "First", 0);
  RADIO_SetText(h, "Beyond", 3); // no such item
  char ab[8] = {'q', 'q', 'q', 'q', 'q', 'q', 'q', 'q'};
  EXPECT_EQ(RADIO_GetText(h, 0, ab, 4), 3);
  EXPECT_STREQ(ab, "Fir");
  EXPECT_EQ(ab[4], 'q');
  EXPECT_EQ(RADIO_GetText(h, 3, ab, 8), 0);
  EXPECT_EQ(RADIO_GetText(h, 1, ab, 8), 0);
  RADIO_SetText(h, nullptr, 0);
  EXPECT_EQ(RADIO_GetText(h, 0, ab, 8), 0);
  EXPECT_EQ(RADIO_GetImage(h, 3), nullptr);
  EXPECT_NE(RADIO_GetImage(h, RADIO_BI_CHECK), nullptr);
  RADIO_SetImage(h, nullptr, 7);
  EXPECT_EQ(RADIO_SetFocusColor(h, 0x0000FF), 0u);
  EXPECT_EQ(RADIO_SetDefaultFocusColor(0x123456), 0u);
  EXPECT_EQ(RADIO_SetDefaultFocusColor(0), 0x123456u);
}

// Selected and unselected items, enabled, disabled and focused, at two spacings; classic and flexible.
class RadioGolden : public RadioTest, public testing::WithParamInterface<bool> {};

TEST_P(RadioGolden, States) {
  bool Flex = GetParam();
  const char* apText[] = {"One", "Two", "Three"};
  for (int Variant = 0; Variant < 3; Variant++) {
    for (int Size = 0; Size < 2; Size++) {
      WM_HWIN h = RADIO_CreateEx(4 + Variant * 76, 4 + Size * 66, 72, 0, hParent, WM_CF_SHOW, 0, 10, 3,
                                 Size ? 22 : 17);
      if (Flex) {
        RADIO_SetSkin(h, RADIO_DrawSkinFlex);
      }
      for (int i = 0; i < 3; i++) {
        RADIO_SetText(h, apText[i], (unsigned)i);
      }
      if (Size) {
        RADIO_SetFont(h, &UI_Font15);
      }
      RADIO_SetValue(h, Variant);
      if (Variant == 1) {
        WM_DisableWindow(h);
      }
      if (Variant == 2 && Size == 1) {
        WM_SetFocus(h);
      }
    }
  }
  WM_Exec();
  EXPECT_TRUE(golden::Matches(Flex ? "widgets/radio/flex" : "widgets/radio/classic",
                              golden::CaptureLCD(0, 0, 231, 143)));
}

INSTANTIATE_TEST_SUITE_P(Looks, RadioGolden, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& i) { return i.param ? "Flex" : "Classic"; });

} // namespace
