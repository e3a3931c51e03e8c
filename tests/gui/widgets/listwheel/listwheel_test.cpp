// The list wheel under the test clock: resting positions on the snap line, a slow drag snapping to the
// nearer edge in steps of 3 then 2 or 1, a flick coasting and snapping, no flick after a pause, animated
// moves the shorter way round with bounded speed, leaving while pressed, and a golden image.
#include "LISTWHEEL.h"
#include "widget_support.h"

namespace {

const char* const apText[] = {"Zero", "One", "Two", "Three", "Four", "Five", "Six", "Seven", "Eight", "Nine", nullptr};

class ListwheelTest : public WidgetParentTest<> {
protected:
  void SetUp() override {
    WidgetParentTest::SetUp();
    // Ten items of 20 pixels: the wheel turns once in 200 pixels; item tops rest on y 40.
    h = LISTWHEEL_CreateUser(10, 10, 80, 100, hParent, WM_CF_SHOW, 0, 6, apText, 0);
    LISTWHEEL_SetLineHeight(h, 20);
    LISTWHEEL_SetSnapPosition(h, 40);
  }
  int Pos() { return LISTWHEEL__Obj(h)->Pos; }
  // The offset of the snap line into the item under it (0: the wheel rests on an item).
  int SnapOffset() {
    int Offset = -1;
    LISTWHEEL__ItemAt(h, 40, &Offset, nullptr);
    return Offset;
  }
  WM_HWIN h = 0;
};

TEST_F(ListwheelTest, RestingPositionsLieOnTheSnapLine) {
  EXPECT_EQ(LISTWHEEL__Obj(h)->TotalHeight, 200);
  EXPECT_EQ(LISTWHEEL_GetPos(h), 0);
  LISTWHEEL_SetPos(h, 2);
  EXPECT_EQ(LISTWHEEL_GetPos(h), 2);
  EXPECT_EQ(LISTWHEEL_GetItemFromPos(h, 40), 2);
  EXPECT_EQ(LISTWHEEL_GetItemFromPos(h, 39), 1);
  EXPECT_EQ(SnapOffset(), 0);
  EXPECT_EQ(LISTWHEEL_GetItemFromPos(h, 40 + 200 * 7 + 20), 3) << "the wheel repeats";
  LISTWHEEL_SetPos(h, 10); // no such item
  EXPECT_EQ(LISTWHEEL_GetPos(h), 2);
  WM_HWIN hEmpty = LISTWHEEL_CreateUser(100, 10, 60, 60, hParent, WM_CF_SHOW, 0, 7, nullptr, 0);
  EXPECT_EQ(LISTWHEEL_GetPos(hEmpty), -1);
  WM_Exec(); // draws nothing, and does not hang
}

TEST_F(ListwheelTest, ASlowDragSnapsToTheNearerEdge) {
  Press(50, 60);
  Advance(50);
  Press(50, 66);
  Advance(50);
  Press(50, 68); // the last step moved 2 pixels: no flick
  EXPECT_EQ(Pos(), 48);
  EXPECT_EQ(LISTWHEEL__Obj(h)->Velocity, 0);
  Heard().clear();
  Release(50, 68);
  EXPECT_EQ(Heard(), (std::vector<std::string>{"6:2"}));
  std::vector<int> aPos;
  for (int i = 0; i < 5; i++) {
    Advance(25);
    aPos.push_back(Pos());
  }
  EXPECT_EQ(aPos, (std::vector<int>{45, 42, 40, 40, 40})) << "12 pixels into the item above: up by 3, 3, 2";
  EXPECT_EQ(Heard(), (std::vector<std::string>{"6:2", "6:4"}));
  EXPECT_EQ(LISTWHEEL_GetPos(h), 0);
}

TEST_F(ListwheelTest, AReleaseAfterAPauseDoesNotFlick) {
  Press(50, 60);
  Advance(30);
  Press(50, 90); // fast
  EXPECT_GT(LISTWHEEL__Obj(h)->Velocity, 0);
  Advance(150);
  Release(50, 90);
  EXPECT_EQ(Pos(), 70);
  for (int i = 0; i < 10; i++) {
    Advance(25);
  }
  EXPECT_EQ(Pos(), 80) << "only snapped: 10 pixels into item 9, the top comes down";
  EXPECT_EQ(SnapOffset(), 0);
}

TEST_F(ListwheelTest, AFlickCoastsThenSnaps) {
  Heard().clear();
  LISTWHEEL_SetVelocity(h, 300);
  int Start = GUI_GetTime(), Rest = -1, Last = Pos(), Moved = 0;
  for (int t = 0; t < 3000 && Rest < 0; t += 25) {
    Advance(25);
    int d = (Pos() - Last + 200) % 200; // forward only, across the wrap
    EXPECT_LT(d, 100);
    Moved += d;
    Last = Pos();
    if (!widgettest::HeardCodes(4).empty()) {
      Rest = GUI_GetTime() - Start;
    }
  }
  EXPECT_GT(Rest, 1800) << "it coasts nearly the whole run";
  EXPECT_LE(Rest, 2000 + 7 * 25) << "then snaps within an item";
  EXPECT_GT(Moved, 2900) << "300 pixels per 100 ms slowing to 0 over 2 s is 3000 pixels";
  EXPECT_LE(Moved, 3000 + 20);
  EXPECT_EQ(SnapOffset(), 0);
  EXPECT_EQ(LISTWHEEL__Obj(h)->hTimer, 0);
}

TEST_F(ListwheelTest, AnimatedMovesTakeTheShorterWayAtBoundedSpeed) {
  LISTWHEEL_MoveToPos(h, 4); // resting position 160: 80 pixels backwards through 0 is shorter than 120 forwards
  std::vector<int> aStep;
  int Last = Pos();
  for (int i = 0; i < 60 && LISTWHEEL__Obj(h)->Dest >= 0; i++) {
    Advance(25);
    aStep.push_back((Pos() - Last + 300) % 200 - 100);
    Last = Pos();
  }
  EXPECT_EQ(LISTWHEEL__Obj(h)->Dest, -1);
  EXPECT_EQ(Pos(), 160);
  EXPECT_EQ(LISTWHEEL_GetPos(h), 4);
  int Sum = 0;
  for (int s : aStep) {
    EXPECT_LE(s, 0);
    EXPECT_GE(s, -5) << "at most TotalHeight / 64, at least 5";
    Sum += s;
  }
  EXPECT_EQ(Sum, -80);
  EXPECT_TRUE(widgettest::HeardCodes(4).empty()) << "an animated move ends quietly";
}

TEST_F(ListwheelTest, LeavingWhilePressedEndsTheDrag) {
  Press(50, 60);
  Heard().clear();
  Press(50, 130); // below the wheel
  EXPECT_EQ(Heard(), (std::vector<std::string>{"6:3", "6:4"}));
  EXPECT_FALSE(WM_HasCaptured(h));
}

TEST_F(ListwheelTest, SettersGuardTheirValues) {
  LISTWHEEL_SetDeceleration(h, 0);
  EXPECT_EQ(LISTWHEEL__Obj(h)->Props.Deceleration, 15);
  LISTWHEEL_SetTimerPeriod(h, 0);
  EXPECT_EQ(LISTWHEEL__Obj(h)->Period, 25);
  char ac[4];
  LISTWHEEL_GetItemText(h, 3, ac, sizeof(ac));
  EXPECT_STREQ(ac, "Thr");
  LISTWHEEL_GetItemText(h, 30, ac, sizeof(ac));
  EXPECT_STREQ(ac, "");
  EXPECT_EQ(LISTWHEEL_GetItemData(h, 30), nullptr);
  LISTWHEEL_SetText(h, nullptr); // keeps the items
  EXPECT_EQ(LISTWHEEL_GetNumItems(h), 10u);
  // A margin beyond the coordinates leaves no room for the text, and a snap line anywhere rests an item.
  LISTWHEEL_SetLBorder(h, INT32_MAX);
  LISTWHEEL_SetSnapPosition(h, INT32_MAX);
  LISTWHEEL_SetPos(h, 3);
  EXPECT_EQ(LISTWHEEL_GetPos(h), 3);
  WM_Exec();
  int Text = 0;
  for (int y = 10; y < 110; y++) {
    for (int x = 10; x < 90; x++) {
      Text += LCD_GetPixelIndex(x, y) == LCD_Color2Index(LISTWHEEL__Obj(h)->Props.aTextColor[0]);
    }
  }
  EXPECT_EQ(Text, 0);
}

int _ZeroHeight(const WIDGET_ITEM_DRAW_INFO* pInfo) {
  return pInfo->Cmd == WIDGET_ITEM_GET_YSIZE ? 0 : LISTWHEEL_OwnerDraw(pInfo);
}

TEST_F(ListwheelTest, ADrawingRoutineAnsweringNoHeightCannotStallTheWheel) {
  LISTWHEEL_SetOwnerDraw(h, _ZeroHeight);
  EXPECT_EQ(LISTWHEEL__Obj(h)->TotalHeight, 10) << "every item takes a pixel at least";
  WM_Exec();
  EXPECT_GE(LISTWHEEL_GetPos(h), 0);
}

TEST_F(ListwheelTest, APressStopsTheMotionAndMovesGiveWayToNothing) {
  LISTWHEEL_SetSel(h, 5);
  EXPECT_EQ(LISTWHEEL_GetPos(h), 0) << "selecting does not turn the wheel";
  LISTWHEEL_MoveToPos(h, 0); // already there
  EXPECT_EQ(LISTWHEEL__Obj(h)->hTimer, 0);
  LISTWHEEL_MoveToPos(h, 3);
  LISTWHEEL_SetVelocity(h, 500); // ignored during an animated move
  EXPECT_EQ(LISTWHEEL__Obj(h)->Velocity, 0);
  Advance(100);
  Press(50, 60);
  EXPECT_EQ(LISTWHEEL__Obj(h)->hTimer, 0);
  EXPECT_EQ(LISTWHEEL__Obj(h)->Dest, -1);
  int Pos0 = Pos();
  Advance(200);
  EXPECT_EQ(Pos(), Pos0) << "stopped where it was pressed";
  Release(50, 60);
  for (int i = 0; i < 10; i++) {
    Advance(25);
  }
  EXPECT_EQ(SnapOffset(), 0);
}

TEST_F(ListwheelTest, AHugeVelocityRunsWithoutOverflow) {
  LISTWHEEL_SetVelocity(h, 2000000000);
  for (int i = 0; i < 40; i++) {
    Advance(1000);
    ASSERT_GE(Pos(), 0);
    ASSERT_LT(Pos(), 200);
  }
  LISTWHEEL_SetVelocity(h, 0); // a run of no speed snaps at once
  for (int i = 0; i < 10; i++) {
    Advance(25);
  }
  EXPECT_EQ(SnapOffset(), 0);
}

TEST_F(ListwheelTest, AVelocityRunStartsWhereTheWheelStands) {
  LISTWHEEL_SetPos(h, 5); // Pos 140; the last free run began at 40
  LISTWHEEL_SetVelocity(h, -100);
  Advance(25);
  EXPECT_LT(Pos(), 140);
  EXPECT_GT(Pos(), 100) << "no jump back to where an earlier run began";
}

TEST_F(ListwheelTest, DeletingAMovingWheelGivesEveryBlockBack) {
  I32 Used = GUI_ALLOC_GetNumUsedBlocks();
  WM_HWIN h2 = LISTWHEEL_CreateUser(100, 10, 60, 60, hParent, WM_CF_SHOW, 0, 7, apText, 0);
  LISTWHEEL_SetVelocity(h2, 200);
  Advance(50);
  WM_DeleteWindow(h2);
  Advance(50); // no timer of the deleted wheel runs
  EXPECT_EQ(GUI_ALLOC_GetNumUsedBlocks(), Used);
}

TEST_F(ListwheelTest, Golden) {
  LISTWHEEL_SetSel(h, 2);
  LISTWHEEL_SetPos(h, 2);
  LISTWHEEL_SetLBorder(h, 4);
  LISTWHEEL_SetTextAlign(h, 2 | 12);
  WM_HWIN h2 = LISTWHEEL_CreateUser(100, 10, 60, 100, hParent, WM_CF_SHOW, 0, 7, apText, 0);
  LISTWHEEL_SetBkColor(h2, 0, 0xE0E0E0);
  LISTWHEEL_SetSnapPosition(h2, 30);
  LISTWHEEL_SetPos(h2, 9);
  WM_Exec();
  EXPECT_TRUE(golden::Matches("widgets/listwheel/wheels", golden::CaptureLCD(0, 0, 169, 119)));
}

} // namespace
