#include <climits>

#include "WM_Motion.h"
#include "clocked_wm_test.h"

namespace {

struct Step {
  int dx, dy, IsFinal;
};

std::vector<Step> g_Steps;
int g_SnapY;
U32 g_InitFlags;
I32 g_Period;

void _cbList(WM_MESSAGE* pMsg) {
  if (pMsg->MsgId == WM_MOTION) {
    WM_MOTION_INFO* pInfo = (WM_MOTION_INFO*)pMsg->Data.p;
    if (pInfo->Cmd == WM_MOTION_INIT) {
      pInfo->SnapY = g_SnapY;
      pInfo->Flags |= g_InitFlags;
      if (g_Period >= 0) {
        pInfo->Period = g_Period;
      }
    } else if (pInfo->Cmd == WM_MOTION_MOVE) {
      g_Steps.push_back({pInfo->dx, pInfo->dy, pInfo->IsFinal});
    } else if (pInfo->Cmd == WM_MOTION_GETPOS && (g_InitFlags & WM_MOTION_MANAGE_BY_WINDOW)) {
      pInfo->yPos = 0;
    }
    return;
  }
  WM_DefaultProc(pMsg);
}

class MotionTest : public ClockedWmTest {
protected:
  void SetUp() override {
    ClockedWmTest::SetUp();
    g_Steps.clear();
    g_SnapY = 0;
    g_InitFlags = 0;
    g_Period = -1;
    hParent = WM_CreateWindow(0, 20, 200, 100, WM_CF_SHOW, nullptr, 0);
    hList = WM_CreateWindowAsChild(0, 0, 200, 400, hParent, WM_CF_SHOW, _cbList, 0);
    WM_MOTION_SetMoveable(hList, WM_CF_MOTION_Y, 1);
    WM_MOTION_Enable(1);
  }
  void TearDown() override {
    WM_MOTION_Enable(0);
    ClockedWmTest::TearDown();
  }
  // Relative y of the list in its parent.
  int ListY() { return WM_GetWindowPosY(hList) - WM_GetWindowPosY(hParent); }
  void PointerAt(int Dt, int x, int y, int Pressed) {
    Clock.Advance(Dt);
    wmtest::Pointer(x, y, Pressed);
  }
  // Runs execution steps 10 ms apart until the movement is over (or a bound is hit).
  int RunToRest(int MaxSteps = 2000) {
    int n = 0;
    while (n < MaxSteps && !(!g_Steps.empty() && g_Steps.back().IsFinal)) {
      size_t Before = g_Steps.size();
      Advance(10);
      n++;
      if (g_Steps.size() == Before && n > 200 && !GUI_TIMER_GetFirst(nullptr)) {
        break;
      }
    }
    return n;
  }
  int Sum() {
    int s = 0;
    for (const Step& st : g_Steps) {
      s += st.dy;
    }
    return s;
  }
  WM_HWIN hParent = 0, hList = 0;
};

TEST_F(MotionTest, DragMovesTheWindowWithThePointer) {
  PointerAt(0, 50, 80, 1);
  PointerAt(20, 50, 70, 1);
  EXPECT_EQ(ListY(), -10);
  PointerAt(20, 50, 40, 1);
  EXPECT_EQ(ListY(), -40);
  PointerAt(5, 50, 30, 1); // closer than 10 ms to the last sample: ignored
  EXPECT_EQ(ListY(), -40);
  PointerAt(20, 55, 35, 1); // x does not move a window movable along y
  EXPECT_EQ(ListY(), -45);
  EXPECT_EQ(WM_GetWindowPosX(hList), 0);
  PointerAt(300, 55, 35, 0); // released long after the last sample: no fling
  Advance(10);
  Advance(10);
  EXPECT_EQ(ListY(), -45);
}

TEST_F(MotionTest, DragKeepsTheParentCovered) {
  PointerAt(0, 50, 30, 1);
  PointerAt(20, 50, 90, 1); // pulling down beyond the top
  EXPECT_EQ(ListY(), 0);
  for (int i = 0; i < 10; i++) {
    PointerAt(20, 50, 90 - 40 * (i + 1), 1);
  }
  EXPECT_EQ(ListY(), -300); // the bottom of the list at the bottom of the parent
}

TEST_F(MotionTest, ShortSlowDragGivesNoFling) {
  PointerAt(0, 50, 80, 1);
  PointerAt(20, 50, 77, 1);
  EXPECT_EQ(ListY(), -3);
  PointerAt(1, 50, 77, 0);
  RunToRest(50);
  EXPECT_EQ(ListY(), -3);
}

TEST_F(MotionTest, FlingDeceleratesAndStopsOnASnapMultiple) {
  g_SnapY = 30;
  PointerAt(0, 50, 110, 1);
  PointerAt(20, 50, 100, 1);
  PointerAt(20, 50, 80, 1);
  PointerAt(20, 50, 60, 1); // 1000 pixels per second upwards
  PointerAt(5, 50, 60, 0);
  size_t DragSteps = g_Steps.size();
  RunToRest();
  ASSERT_FALSE(g_Steps.empty());
  EXPECT_TRUE(g_Steps.back().IsFinal);
  EXPECT_EQ(ListY() % 30, 0);
  EXPECT_LE(ListY(), -90);
  EXPECT_GE(ListY(), -300);
  // The glide goes on upwards with steps that shrink.
  int Last = 1 << 20;
  int Growing = 0;
  for (size_t i = DragSteps; i + 1 < g_Steps.size(); i++) {
    EXPECT_LE(g_Steps[i].dy, 0);
    if (-g_Steps[i].dy > Last + 1) {
      Growing++;
    }
    Last = -g_Steps[i].dy;
  }
  EXPECT_EQ(Growing, 0);
}

TEST_F(MotionTest, SlowReleaseSnapsToTheNearerMultiple) {
  g_SnapY = 40;
  PointerAt(0, 50, 80, 1);
  PointerAt(20, 50, 60, 1);
  PointerAt(20, 50, 53, 1); // at -27: nearer to -40
  PointerAt(200, 50, 53, 0);
  RunToRest();
  EXPECT_EQ(ListY(), -40);
  g_Steps.clear();
  PointerAt(0, 50, 80, 1);
  PointerAt(20, 50, 70, 1); // at -50: nearer to -40
  PointerAt(200, 50, 70, 0);
  RunToRest();
  EXPECT_EQ(ListY(), -40);
}

TEST_F(MotionTest, APressStopsAGlide) {
  PointerAt(0, 50, 110, 1);
  PointerAt(20, 50, 90, 1);
  PointerAt(20, 50, 70, 1);
  PointerAt(5, 50, 70, 0);
  Advance(10);
  Advance(10);
  int y = ListY();
  PointerAt(10, 50, 70, 1);
  for (int i = 0; i < 20; i++) {
    Advance(10);
  }
  EXPECT_EQ(ListY(), y);
}

TEST_F(MotionTest, TimedMovesReachTheirExactTarget) {
  WM_MOTION_SetMotion(hList, 1, 300, -137);
  int n = RunToRest();
  EXPECT_EQ(ListY(), -137);
  EXPECT_TRUE(g_Steps.back().IsFinal);
  EXPECT_GE(n, 45); // 137 px at 300 px/s take about 457 ms
  EXPECT_LE(n, 48);
  g_Steps.clear();
  WM_MOTION_SetMotion(hList, 1, 1000, 37);
  RunToRest();
  EXPECT_EQ(ListY(), -100);
  EXPECT_EQ(Sum(), 37);
}

TEST_F(MotionTest, ZeroMotionMarksMovableAndEndsAtOnce) {
  WM_HWIN h = WM_CreateWindowAsChild(0, 0, 200, 300, hParent, WM_CF_SHOW, _cbList, 0);
  WM_MOTION_SetMotion(h, 1, 0, 0);
  EXPECT_EQ(WM_H2P(h)->Status & WM_CF_MOTION_Y, WM_CF_MOTION_Y);
  Advance(0);
  ASSERT_EQ(g_Steps.size(), 1u);
  EXPECT_EQ(g_Steps[0].dy, 0);
  EXPECT_EQ(g_Steps[0].IsFinal, 1);
}

TEST_F(MotionTest, SpeedWithDecelerationStopsAfterItsDistance) {
  WM_MOTION_SetSpeedDecel(hList, 1, -300, 600); // 300^2 / (2 * 600) = 75 pixels
  RunToRest(200);
  EXPECT_NEAR(ListY(), -75, 1);
}

TEST_F(MotionTest, ZeroDecelerationWithSnappingDividesNothingByZero) {
  g_SnapY = 25;
  WM_MOTION_SetSpeed(hList, 1, -200);
  RunToRest();
  EXPECT_EQ(ListY(), -25);
  g_SnapY = 0;
  g_Steps.clear();
  WM_MOTION_SetSpeed(hList, 1, -200); // constant speed until the edge, stopped by a press
  for (int i = 0; i < 300; i++) {
    Advance(10);
  }
  EXPECT_EQ(ListY(), -300);
  PointerAt(0, 50, 60, 1);
  PointerAt(10, 50, 60, 0);
  size_t n = g_Steps.size();
  Advance(10);
  Advance(10);
  EXPECT_EQ(g_Steps.size(), n);
}

TEST_F(MotionTest, ZeroPeriodSnapsInsteadOfGliding) {
  g_SnapY = 20;
  g_Period = 0;
  PointerAt(0, 50, 110, 1);
  PointerAt(20, 50, 90, 1);
  PointerAt(20, 50, 63, 1); // fast, but without a period: only the snap to -40
  PointerAt(5, 50, 63, 0);
  RunToRest();
  EXPECT_EQ(ListY(), -40);
}

TEST_F(MotionTest, WindowThatMovesItsContentsIsNotMoved) {
  g_InitFlags = WM_MOTION_MANAGE_BY_WINDOW;
  PointerAt(0, 50, 80, 1);
  PointerAt(20, 50, 60, 1);
  PointerAt(20, 50, 50, 1);
  EXPECT_EQ(ListY(), 0);
  ASSERT_EQ(g_Steps.size(), 2u);
  EXPECT_EQ(g_Steps[0].dy, -20);
  EXPECT_EQ(g_Steps[1].dy, -10);
}

TEST_F(MotionTest, DeletingTheWindowEndsItsMovement) {
  WM_MOTION_SetMotion(hList, 1, 100, -200);
  Advance(10);
  WM_DeleteWindow(hList);
  for (int i = 0; i < 5; i++) {
    Advance(10);
  }
  EXPECT_EQ(GUI_TIMER_GetFirst(nullptr), 0u);
}

TEST_F(MotionTest, OwnContextOfAWindow) {
  GUI_HMEM hContext = WM_MOTION__CreateContext();
  ASSERT_NE(hContext, 0u);
  WM_SetCallback(hList, [](WM_MESSAGE* pMsg) {
    if (pMsg->MsgId == WM_MOTION && ((WM_MOTION_INFO*)pMsg->Data.p)->Cmd == WM_MOTION_GETCONTEXT) {
      WM_HWIN h = pMsg->hWin;
      GUI_HMEM hc = 0;
      WM_GetUserData(h, &hc, sizeof(hc));
      ((WM_MOTION_INFO*)pMsg->Data.p)->hContext = hc;
      return;
    }
    _cbList(pMsg);
  });
  WM_HWIN hList2 = WM_CreateWindowAsChild(0, 0, 200, 400, hParent, WM_CF_SHOW, WM_GetCallback(hList),
                                          sizeof(GUI_HMEM));
  WM_SetUserData(hList2, &hContext, sizeof(hContext));
  WM_MOTION_SetMotion(hList2, 1, 500, -50);
  RunToRest();
  EXPECT_EQ(WM_GetWindowPosY(hList2) - WM_GetWindowPosY(hParent), -50);
  WM_MOTION_SetMotion(hList2, 1, 10, -50);
  Advance(10);
  WM_MOTION__DeleteContext(hContext); // the running timer ends itself
  Advance(10);
  Advance(10);
  EXPECT_EQ(GUI_TIMER_GetFirst(nullptr), 0u);
}

TEST(MotionMath, WideProducts) {
  EXPECT_EQ(WM_MOTION__Sqrt(0), 0);
  EXPECT_EQ(WM_MOTION__Sqrt(-5), 0);
  EXPECT_EQ(WM_MOTION__Sqrt(15), 3);
  EXPECT_EQ(WM_MOTION__Sqrt(16), 4);
  EXPECT_EQ(WM_MOTION__Sqrt(10000000000LL), 100000);
  EXPECT_EQ(WM_MOTION__Sqrt(10000000001LL), 100000);
  EXPECT_EQ(WM_MOTION__Sqrt(9999999999LL), 99999);
  // 100000 px/s for 30 s overflows 32 bits in the product.
  EXPECT_EQ(WM_MOTION__DecelPos(100000, 0, 30000), 3000000);
  EXPECT_EQ(WM_MOTION__DecelPos(1000, 2000, 500), 250);
  EXPECT_EQ(WM_MOTION__Mod(-7, 5), 3);
  EXPECT_EQ(WM_MOTION__Mod(7, 0), 0);
}

TEST(MotionMath, SnapFlingEndsOnAMultiple) {
  for (int Pos : {0, 7, 29, -13}) {
    for (int Dir : {1, -1}) {
      I32 V = 1000, A = 2000;
      WM_MOTION__SnapFling(&V, &A, Dir, Pos, 30, 500);
      ASSERT_GT(A, 0);
      I64 Dist = (I64)V * V / (2 * (I64)A);
      I64 End = Pos + Dir * Dist;
      I32 r = WM_MOTION__FinalCorrection((I32)End, 30, Dir);
      EXPECT_EQ(((End + r) % 30 + 30) % 30, 0) << Pos << " " << Dir;
      EXPECT_LE(std::abs(r), 15);
    }
  }
  I32 V = 2000000000, A = 1;
  WM_MOTION__SnapFling(&V, &A, 1, 0, 30, 100000); // huge speed, period beyond the square limit
  EXPECT_GT(V, 0);
  EXPECT_GT(A, 0);
  V = 100;
  A = 0; // no deceleration: to the next multiple
  WM_MOTION__SnapFling(&V, &A, 1, 10, 30, 500);
  EXPECT_NEAR((double)V * V / (2.0 * A), 20.0, 2.0);
  V = 5;
  A = 5;
  WM_MOTION__SnapFling(&V, &A, 1, 10, 30, 0);
  EXPECT_EQ(A, 100000);
  EXPECT_EQ(V, 1000);
}

TEST(MotionMath, FinalCorrectionTakesTheNearerWay) {
  EXPECT_EQ(WM_MOTION__FinalCorrection(-28, 30, -1), -2);
  EXPECT_EQ(WM_MOTION__FinalCorrection(-28, 30, 1), -2);
  EXPECT_EQ(WM_MOTION__FinalCorrection(-31, 30, -1), 1);
  EXPECT_EQ(WM_MOTION__FinalCorrection(-60, 30, 1), 0);
  EXPECT_EQ(WM_MOTION__FinalCorrection(INT_MIN, 30, 1) % 1, 0); // no overflow
  EXPECT_EQ(WM_MOTION__FinalCorrection(5, 0, 1), 0);
}

} // namespace

namespace {

TEST_F(MotionTest, RotationStepsAreAnglesTakenTheShortWay) {
  WM_HWIN hKnob = WM_CreateWindow(200, 100, 101, 101, WM_CF_SHOW, _cbList, 0);
  g_InitFlags = WM_CF_MOTION_R | WM_MOTION_MANAGE_BY_WINDOW;
  PointerAt(0, 290, 150, 1); // right of the centre (250, 150)
  PointerAt(20, 250, 190, 1); // below it
  ASSERT_EQ(g_Steps.size(), 1u);
  EXPECT_EQ(std::abs(g_Steps[0].dx), 900);
  EXPECT_EQ(g_Steps[0].dy, 0);
  EXPECT_EQ(WM_GetWindowPosX(hKnob), 200);
}

} // namespace
