// The scroll bar: value limits, placement, attached bars and their corner, pointer traces with auto-repeat
// under the test clock, keys, and golden images of both looks.
#include <algorithm>

#include "widget_support.h"

namespace {

class ScrollbarTest : public WidgetParentTest<240, 120> {
protected:
  // A horizontal bar 100 x 11 at (10, 10): arrows 0..9 and 90..99, shaft 10..89.
  WM_HWIN Bar(int NumItems = 100, int PageSize = 10) {
    WM_HWIN h = SCROLLBAR_CreateUser(10, 10, 100, 11, hParent, WM_CF_SHOW, 0, 7, 0);
    SCROLLBAR_SetNumItems(h, NumItems);
    SCROLLBAR_SetPageSize(h, PageSize);
    Heard().clear();
    return h;
  }
  SCROLLBAR_POSITIONS Positions(WM_HWIN h) {
    SCROLLBAR_POSITIONS Pos = {};
    SCROLLBAR_OBJ* p = SCROLLBAR_LockH(h);
    p->pfCalcPositions(h, &Pos);
    GUI_ALLOC_UnlockH(&p);
    return Pos;
  }
};

TEST_F(ScrollbarTest, ValueStaysInsideTheRange) {
  WM_HWIN h = Bar(100, 10);
  SCROLLBAR_SetValue(h, 95);
  EXPECT_EQ(SCROLLBAR_GetValue(h), 90);
  SCROLLBAR_SetValue(h, -3);
  EXPECT_EQ(SCROLLBAR_GetValue(h), 0);
  SCROLLBAR_SetValue(h, 0); // unchanged: no notification
  EXPECT_EQ(Heard(), (std::vector<std::string>{"7:5", "7:5"}));
  SCROLLBAR_SetPageSize(h, 200); // NumItems not above PageSize: always 0
  SCROLLBAR_SetValue(h, 50);
  EXPECT_EQ(SCROLLBAR_GetValue(h), 0);
  SCROLLBAR_POSITIONS Pos = Positions(h);
  EXPECT_EQ(Pos.x0_Thumb, Pos.x1_LeftArrow + 1) << "the thumb fills the shaft";
  EXPECT_EQ(Pos.x1_Thumb, Pos.x0_RightArrow - 1);
  SCROLLBAR_AddValue(0, 1);
  EXPECT_EQ(SCROLLBAR_GetValue(0), 0);
}

TEST_F(ScrollbarTest, MillionsOfItemsKeepTheThumbOnTheBar) {
  WM_HWIN h = Bar(30000000, 10);
  SCROLLBAR_SetValue(h, 30000000);
  EXPECT_EQ(SCROLLBAR_GetValue(h), 29999990);
  SCROLLBAR_POSITIONS Pos = Positions(h);
  EXPECT_EQ(Pos.x1_Thumb, Pos.x0_RightArrow - 1) << "the last value puts the thumb at the far end";
  SCROLLBAR_SetValue(h, 14999995);
  Pos = Positions(h);
  EXPECT_EQ(Pos.x0_Thumb, Pos.x1_LeftArrow + 1 + Pos.xSizeMoveable / 2);
  WM_Exec();
  Press(10 + Pos.x0_Thumb + 1, 15);
  Press(10 + 70, 15);
  I64 Along = 70 - 1 - Pos.ThumbSize / 2 - Pos.x1_LeftArrow;
  EXPECT_EQ(SCROLLBAR_GetValue(h), (int)GUI__DivideRound64(Along * 29999990, Pos.xSizeMoveable));
  Release(10 + 70, 15);
  // The widest range there is: values, steps and positions stay in their ranges.
  WM_SCROLL_STATE Wide = {INT32_MAX, INT32_MAX, INT32_MIN};
  SCROLLBAR_SetState(h, &Wide);
  EXPECT_EQ(SCROLLBAR_GetValue(h), INT32_MAX);
  SCROLLBAR_Inc(h);
  Key(GUI_KEY_PGDOWN); // less a page of INT32_MIN
  EXPECT_EQ(SCROLLBAR_GetValue(h), INT32_MAX);
  Pos = Positions(h);
  EXPECT_LE(Pos.x1_Thumb, 0x7FFF);
  Press(10 + 95, 15); // the far arrow
  Release(10 + 95, 15);
  WM_Exec();
}

TEST_F(ScrollbarTest, SetStateAndScrollStateMessages) {
  WM_HWIN h = Bar();
  WM_SCROLL_STATE s = {50, 45, 20};
  SCROLLBAR_SetState(h, &s); // page size, items, then the value clamped
  EXPECT_EQ(SCROLLBAR_GetValue(h), 30);
  WM_SCROLL_STATE Raw = {10, 99, 5};
  WM_SetScrollState(h, &Raw); // stored as given
  WM_SCROLL_STATE Back = {};
  WM_GetScrollState(h, &Back);
  EXPECT_EQ(Back.NumItems, 10);
  EXPECT_EQ(Back.Value, 99);
  EXPECT_EQ(Back.PageSize, 5);
}

TEST_F(ScrollbarTest, ZeroSizeFitsTheParentsInsideEdge) {
  WM_HWIN hBox = WM_CreateWindowAsChild(0, 0, 100, 50, hParent, WM_CF_SHOW, nullptr, 0);
  WM_HWIN h = SCROLLBAR_CreateUser(0, 0, 0, 0, hBox, WM_CF_SHOW, SCROLLBAR_CF_VERTICAL, 3, 0);
  EXPECT_EQ(WM_GetWindowPosX(h), 89);
  EXPECT_EQ(WM_GetWindowSizeX(h), 11);
  EXPECT_EQ(WM_GetWindowSizeY(h), 50);
  EXPECT_TRUE(WIDGET_GetState(h) & WIDGET_STATE_VERTICAL);
  EXPECT_TRUE(WIDGET_GetState(h) & WIDGET_STATE_FOCUSABLE) << "free bars take the focus";
  // A bar that gets no window says so through the error output.
  GUI_ALLOC__FailNth(1);
  EXPECT_EQ(SCROLLBAR_CreateUser(0, 0, 0, 0, hBox, WM_CF_SHOW, 0, 4, 0), 0);
  GUI_ALLOC__FailNth(0);
  ASSERT_FALSE(wmtest::Errors.empty());
  EXPECT_EQ(wmtest::Errors.back(), "E:SCROLLBAR_Create failed");
}

TEST_F(ScrollbarTest, AttachedBarsShareTheCorner) {
  WM_HWIN hWin = WM_CreateWindowAsChild(10, 10, 120, 80, hParent, WM_CF_SHOW, widgettest::cbParent, 0);
  Heard().clear();
  WM_SetScrollbarV(hWin, 1);
  WM_SetScrollbarH(hWin, 1);
  WM_HWIN hV = WM_GetScrollbarV(hWin), hH = WM_GetScrollbarH(hWin);
  ASSERT_NE(hV, 0);
  ASSERT_NE(hH, 0);
  EXPECT_EQ(WM_GetId(hV), GUI_ID_VSCROLL);
  EXPECT_FALSE(WIDGET_GetState(hV) & WIDGET_STATE_FOCUSABLE) << "attached bars are not focusable";
  EXPECT_EQ(Heard(), (std::vector<std::string>{"client", "254:6", "client", "255:6"}));
  SCROLLBAR_POSITIONS PosH = Positions(hH);
  EXPECT_EQ(PosH.x1, 119);
  EXPECT_EQ(PosH.x1_RightArrow, 108) << "the horizontal bar stops before the vertical one";
  SCROLLBAR_POSITIONS PosV = Positions(hV);
  EXPECT_EQ(PosV.x1, 79);
  EXPECT_EQ(PosV.x1_RightArrow, 68) << "and the vertical one above the horizontal one";
  GUI_RECT r;
  WM_GetInsideRectExScrollbar(hWin, &r);
  EXPECT_EQ(r.x1, 108);
  EXPECT_EQ(r.y1, 68);
  Heard().clear();
  WM_SetScrollbarV(hWin, 0);
  WM_Exec();
  EXPECT_EQ(WM_GetScrollbarV(hWin), 0);
  EXPECT_NE(std::find(Heard().begin(), Heard().end(), "client"), Heard().end());
  EXPECT_EQ(Positions(hH).x1_RightArrow, 119) << "alone, the bar runs to the edge";
}

TEST_F(ScrollbarTest, HoldingTheFarArrowRepeatsAfterADelay) {
  WM_HWIN h = Bar(20, 10); // values 0..10
  Press(10 + 95, 15);
  EXPECT_EQ(SCROLLBAR_GetValue(h), 1);
  EXPECT_EQ(Heard(), (std::vector<std::string>{"7:8", "7:5", "7:1"})) << "focus, value, pressed";
  Advance(399);
  EXPECT_EQ(SCROLLBAR_GetValue(h), 1);
  Advance(1);
  EXPECT_EQ(SCROLLBAR_GetValue(h), 2);
  Advance(49);
  EXPECT_EQ(SCROLLBAR_GetValue(h), 2);
  Advance(1);
  EXPECT_EQ(SCROLLBAR_GetValue(h), 3);
  for (int i = 0; i < 20; i++) {
    Advance(50);
  }
  EXPECT_EQ(SCROLLBAR_GetValue(h), 10);
  Release(10 + 95, 15);
  EXPECT_EQ(Heard().back(), "7:2");
  EXPECT_FALSE(WIDGET_GetState(h) & SCROLLBAR_STATE_PRESSED);
}

TEST_F(ScrollbarTest, HoldingAPageAreaStopsAtThePointer) {
  WM_HWIN h = Bar(100, 10);
  // The shaft is 80 long, the thumb 8: a value v puts the thumb at 10 + v * 72 / 90.
  Press(10 + 70, 15); // right of the thumb: pages towards the pointer
  EXPECT_EQ(SCROLLBAR_GetValue(h), 10);
  SCROLLBAR_POSITIONS Pos = Positions(h);
  int Target = GUI__DivideRound32((70 - 1 - Pos.ThumbSize / 2 - Pos.x1_LeftArrow) * 90, Pos.xSizeMoveable);
  for (int i = 0; i < 40; i++) {
    Advance(50);
  }
  EXPECT_EQ(SCROLLBAR_GetValue(h), Target) << "the repeat ends where the thumb meets the pointer";
  Advance(400);
  EXPECT_EQ(SCROLLBAR_GetValue(h), Target);
  Release(10 + 70, 15);
}

TEST_F(ScrollbarTest, DraggingTheThumbFollowsThePointer) {
  WM_HWIN h = Bar(100, 10);
  SCROLLBAR_POSITIONS Pos = Positions(h);
  Press(10 + Pos.x0_Thumb + 2, 15);
  EXPECT_EQ(WM_HasCaptured(h), 1);
  Press(10 + 50, 15);
  int Expected = GUI__DivideRound32((50 - 1 - Pos.ThumbSize / 2 - Pos.x1_LeftArrow) * 90, Pos.xSizeMoveable);
  EXPECT_EQ(SCROLLBAR_GetValue(h), Expected);
  Press(10 + 200, 15); // far beyond the bar: captured, clamped
  EXPECT_EQ(SCROLLBAR_GetValue(h), 90);
  Advance(1000);
  EXPECT_EQ(SCROLLBAR_GetValue(h), 90) << "dragging does not repeat";
  Release(10 + 200, 15);
  EXPECT_EQ(Heard().back(), "7:2");
}

TEST_F(ScrollbarTest, VerticalBarReadsTheYAxis) {
  WM_HWIN h = SCROLLBAR_CreateUser(10, 10, 11, 100, hParent, WM_CF_SHOW, SCROLLBAR_CF_VERTICAL, 8, 0);
  SCROLLBAR_SetValue(h, 20);
  Press(15, 10 + 2); // near (up) arrow
  EXPECT_EQ(SCROLLBAR_GetValue(h), 19);
  Release(15, 10 + 2);
  Press(15, 10 + 97); // far (down) arrow
  EXPECT_EQ(SCROLLBAR_GetValue(h), 20);
  Release(15, 10 + 97);
}

TEST_F(ScrollbarTest, KeysStepAndStillReachTheParent) {
  WM_HWIN h = Bar(100, 10);
  WM_SetFocus(h);
  Heard().clear();
  Key(GUI_KEY_RIGHT);
  Key(GUI_KEY_DOWN);
  EXPECT_EQ(SCROLLBAR_GetValue(h), 2);
  Key(GUI_KEY_LEFT);
  EXPECT_EQ(SCROLLBAR_GetValue(h), 1);
  Key(GUI_KEY_PGUP);
  EXPECT_EQ(SCROLLBAR_GetValue(h), 11);
  Key(GUI_KEY_PGDOWN);
  EXPECT_EQ(SCROLLBAR_GetValue(h), 1);
  int Keys = 0;
  for (const std::string& s : Heard()) {
    Keys += s.rfind("key ", 0) == 0;
  }
  EXPECT_EQ(Keys, 10) << "presses and releases of all five keys";
}

TEST_F(ScrollbarTest, ColoursAndSizes) {
  WM_HWIN h = Bar();
  EXPECT_EQ(SCROLLBAR_SetColor(h, 1, 0x123456), 0x808080u);
  EXPECT_EQ(SCROLLBAR_GetColor(h, 1), 0x123456u);
  EXPECT_EQ(SCROLLBAR_SetColor(h, 3, 0x123456), 0u);
  EXPECT_EQ(SCROLLBAR_SetDefaultColor(0x111111, 7), 0u);
  EXPECT_EQ(SCROLLBAR_SetDefaultWidth(15), 11);
  EXPECT_EQ(SCROLLBAR_SetDefaultWidth(11), 15);
  EXPECT_EQ(SCROLLBAR_SetThumbSizeMin(6), 4);
  SCROLLBAR_SetThumbSizeMin(4);
  Heard().clear();
  EXPECT_EQ(SCROLLBAR_SetWidth(h, 15), 15);
  EXPECT_EQ(WM_GetWindowSizeY(h), 15);
  EXPECT_EQ(Heard(), (std::vector<std::string>{"client"}));
}

// Golden images: rows of bars (value 0, middle, end, pressed thumb), horizontal and vertical, at two
// thicknesses, with the classic and the flexible look.
class ScrollbarGolden : public ScrollbarTest, public testing::WithParamInterface<bool> {};

TEST_P(ScrollbarGolden, States) {
  bool Flex = GetParam();
  if (Flex) {
    SCROLLBAR_SetDefaultSkin(SCROLLBAR_DrawSkinFlex);
  }
  int y = 4;
  for (int Thickness : {11, 17}) {
    for (int i = 0; i < 3; i++) {
      WM_HWIN h = SCROLLBAR_CreateUser(4, y, 120, Thickness, hParent, WM_CF_SHOW, 0, 10 + i, 0);
      SCROLLBAR_SetValue(h, i * 45);
      y += Thickness + 3;
    }
    WM_HWIN hV = SCROLLBAR_CreateUser(Thickness == 11 ? 140 : 160, 4, Thickness, 100, hParent, WM_CF_SHOW,
                                      SCROLLBAR_CF_VERTICAL, 20, 0);
    SCROLLBAR_SetValue(hV, 30);
  }
  WM_HWIN hPressed = SCROLLBAR_CreateUser(4, y, 120, 11, hParent, WM_CF_SHOW, 0, 30, 0);
  WM_Exec();
  SCROLLBAR_POSITIONS Pos = Positions(hPressed);
  Press(4 + Pos.x0_Thumb + 1, y + 5);
  WM_Exec();
  EXPECT_TRUE(golden::Matches(Flex ? "widgets/scrollbar/flex" : "widgets/scrollbar/classic",
                              golden::CaptureLCD(0, 0, 199, 119)));
  Release(4 + Pos.x0_Thumb + 1, y + 5);
}

TEST_P(ScrollbarGolden, AttachedCorner) {
  if (GetParam()) {
    SCROLLBAR_SetDefaultSkin(SCROLLBAR_DrawSkinFlex);
  }
  WM_HWIN hWin = WM_CreateWindowAsChild(4, 4, 100, 60, hParent, WM_CF_SHOW, widgettest::cbParent, 0);
  WM_SetScrollbarV(hWin, 1);
  WM_SetScrollbarH(hWin, 1);
  WM_Exec();
  EXPECT_TRUE(golden::Matches(GetParam() ? "widgets/scrollbar/corner_flex" : "widgets/scrollbar/corner_classic",
                              golden::CaptureLCD(0, 0, 107, 67)));
}

INSTANTIATE_TEST_SUITE_P(Looks, ScrollbarGolden, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& i) { return i.param ? "Flex" : "Classic"; });

} // namespace
