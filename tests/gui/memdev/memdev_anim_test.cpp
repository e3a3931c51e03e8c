// Memory-device animations under a test clock: every transition shows its frames at the prescribed times,
// lasts its period whatever a frame costs, can be stopped by the callback, leaves the window manager in its
// end state (the display then equals a fresh paint of it) and lets the GUI lock go while it waits; golden
// images of frames of each; the cross-fade and the window-background effects; failures for want of memory.
#include <map>
#include <string>
#include <vector>

#include "../core/timer_clock.h"
#include "GUI_MEMDEV_Anim.h"
#include "GUI_MEMDEV_Static.h"
#include "GoldenLCD.h"
#include "memdev_fixture.h"

namespace {

// The clock: waits advance it; each wait records the lock state and may capture the display.
struct AnimClock {
  static inline U32 Now;
  static inline std::vector<U32> WaitStarts;  // times at which the animation waited (a frame was just shown)
  static inline bool LockHeldInWait;
  static inline std::map<U32, golden::Image> Captures;
  static inline std::vector<U32> CaptureAt;
  static inline int CostPerRead;  // ms that pass with every reading of the clock (work between readings)
  static U32 GetTime() {
    Now += (U32)CostPerRead;
    return Now;
  }
  static void Delay(int ms) {
    WaitStarts.push_back(Now);
    if (GUITASK_GetEntranceCnt() > 0) LockHeldInWait = true;
    for (U32 t : CaptureAt)
      if (t == Now) Captures[t] = golden::CaptureLCD();
    Now += ms > 0 ? (U32)ms : 0;
  }
};

struct Hook {
  static inline std::vector<int> Remaining;
  static inline std::vector<U32> Times;
  static inline int Cost;      // ms a frame "takes": the clock moves on in the callback
  static inline int StopAfter;  // calls after which the callback stops the animation (0: never)
  static int Callback(int TimeRem, void*) {
    Remaining.push_back(TimeRem);
    Times.push_back(AnimClock::Now);
    AnimClock::Now += (U32)Cost;
    return StopAfter && (int)Remaining.size() >= StopAfter;
  }
};

void _cbDesktop(WM_MESSAGE* pMsg) {
  if (pMsg->MsgId != WM_PAINT) {
    WM_DefaultProc(pMsg);
    return;
  }
  GUI_DrawGradientV(0, 0, 479, 271, 0x402010, 0x60C0F0);
  GUI_SetColor(0x20A020);
  for (int x = 0; x < 480; x += 40) GUI_DrawVLine(x, 0, 271);
}

void _cbWin(WM_MESSAGE* pMsg) {
  if (pMsg->MsgId != WM_PAINT) {
    WM_DefaultProc(pMsg);
    return;
  }
  int w = WM_GetWindowSizeX(pMsg->hWin), h = WM_GetWindowSizeY(pMsg->hWin);
  GUI_SetColor(0x3050D0);
  GUI_FillRect(0, 0, w - 1, h - 1);
  GUI_SetColor(0xFFFFFF);
  GUI_DrawRect(2, 2, w - 3, h - 3);
  GUI_DrawLine(0, 0, w - 1, h - 1);
}

void _cbChild(WM_MESSAGE* pMsg) {
  if (pMsg->MsgId != WM_PAINT) {
    WM_DefaultProc(pMsg);
    return;
  }
  GUI_SetBkColor(0x104010);
  GUI_Clear();
  GUI_SetColor(0x00E0E0);
  GUI_FillCircle(15, 15, 14);
}

class AnimTest : public MemdevTest {
 protected:
  void SetUp() override {
    MemdevTest::SetUp();
    static GUI_OS_API Api;
    Api = *GUI_OS_GetAPI();
    Api.pfGetTime = AnimClock::GetTime;
    Api.pfDelay = AnimClock::Delay;
    GUI_OS_SetAPI(&Api);
    AnimClock::Now = 5000;
    AnimClock::WaitStarts.clear();
    AnimClock::LockHeldInWait = false;
    AnimClock::Captures.clear();
    AnimClock::CaptureAt.clear();
    AnimClock::CostPerRead = 0;
    Hook::Remaining.clear();
    Hook::Times.clear();
    Hook::Cost = 0;
    Hook::StopAfter = 0;
    GUI_MEMDEV_SetAnimationCallback(Hook::Callback, nullptr);
    WM_SetCallback(WM_GetDesktopWindow(), _cbDesktop);
    hWin = WM_CreateWindowAsChild(120, 70, 180, 110, 0, WM_CF_SHOW, _cbWin, 0);
    WM_CreateWindowAsChild(20, 40, 30, 30, hWin, WM_CF_SHOW, _cbChild, 0);
  }
  void TearDown() override {
    GUI_MEMDEV_SetAnimationCallback(nullptr, nullptr);
    MemdevTest::TearDown();
  }
  static void Exec() {
    while (WM_Exec()) {
    }
  }
  // The display as a fresh paint of the present window tree gives it.
  static std::vector<U16> Repainted() {
    WM_InvalidateWindow(WM_GetDesktopWindow());
    Exec();
    return Snapshot(0, 0, 479, 271);
  }
  // Ends in the state the transition implies: shown or hidden, nothing static, the desktop as large as
  // before, and the display showing what a fresh paint shows.
  void ExpectEndState(bool Shown) {
    EXPECT_EQ(WM_IsVisible(hWin) != 0, Shown);
    std::vector<WM_HWIN> All = {WM_GetDesktopWindow()};
    for (size_t i = 0; i < All.size(); i++) {
      EXPECT_FALSE(WM_H2P(All[i])->Status & WM_STATUS_STATIC);
      EXPECT_EQ(GUI_MEMDEV__GetStaticDevice(All[i]), 0);
      for (WM_HWIN h = WM_GetFirstChild(All[i]); h; h = WM_GetNextSibling(h)) All.push_back(h);
    }
    EXPECT_EQ(WM_GetWindowSizeX(WM_GetDesktopWindow()), 16383);
    std::vector<U16> Shown1 = Snapshot(0, 0, 479, 271);
    Exec();  // nothing left to paint but what looks the same
    EXPECT_EQ(Snapshot(0, 0, 479, 271), Shown1);
    EXPECT_EQ(Repainted(), Shown1);
    EXPECT_FALSE(AnimClock::LockHeldInWait);
  }
  WM_HWIN hWin = 0;
};

struct Transition {
  const char* Name;
  bool In;        // the window ends shown
  bool Hooked;    // the callback sees the frames
  bool WaitFirst; // one frame time passes before the first frame
  int (*Run)(WM_HWIN hWin, int Period);
};

const Transition kTransitions[] = {
    {"fade_in", true, true, true, [](WM_HWIN h, int P) { return GUI_MEMDEV_FadeInWindow(h, P); }},
    {"fade_out", false, true, true, [](WM_HWIN h, int P) { return GUI_MEMDEV_FadeOutWindow(h, P); }},
    {"move_in", true, false, true, [](WM_HWIN h, int P) { return GUI_MEMDEV_MoveInWindow(h, 40, 230, 90, P); }},
    {"move_out", false, false, true, [](WM_HWIN h, int P) { return GUI_MEMDEV_MoveOutWindow(h, 440, 20, -45, P); }},
    {"shift_in", true, true, false, [](WM_HWIN h, int P) { return GUI_MEMDEV_ShiftInWindow(h, P, 0); }},
    {"shift_out", false, true, false, [](WM_HWIN h, int P) { return GUI_MEMDEV_ShiftOutWindow(h, P, 3); }},
    {"push_in", true, true, false, [](WM_HWIN h, int P) { return GUI_MEMDEV_PushInWindow(h, P, 1); }},
};

class TransitionTest : public AnimTest, public testing::WithParamInterface<Transition> {
 protected:
  // Painted, with the window where the transition starts: hidden before it comes in, shown before it goes.
  void ToStartState(const Transition& t) {
    Exec();
    if (t.In) WM_HideWindow(hWin);
    else WM_ShowWindow(hWin);
    Exec();
  }
};

TEST_P(TransitionTest, FramesAtPrescribedTimesAndDurationEqualsPeriod) {
  const Transition& t = GetParam();
  ToStartState(t);
  const U32 t0 = AnimClock::Now;
  AnimClock::CaptureAt = {t0 + 30, t0 + 70};
  ASSERT_EQ(t.Run(hWin, 100), 0);
  EXPECT_EQ(AnimClock::Now - t0, 100u);  // frames cost nothing here
  // A frame every 10 ms; the first after one frame time, or at once without drawing for the slides.
  std::vector<U32> Want;
  for (U32 ms = t.WaitFirst ? 10 : 0; ms <= 100; ms += 10) Want.push_back(t0 + ms);
  if (t.Hooked) {
    EXPECT_EQ(Hook::Times, Want);
    EXPECT_EQ(Hook::Remaining.back(), 0);
  } else {
    EXPECT_TRUE(Hook::Times.empty());
  }
  ExpectEndState(t.In);
  for (U32 ms : {30u, 70u}) {
    ASSERT_TRUE(AnimClock::Captures.count(t0 + ms));
    EXPECT_TRUE(golden::Matches(std::string("memdev/anim_") + t.Name + "_" + std::to_string(ms), AnimClock::Captures[t0 + ms]));
  }
}

TEST_P(TransitionTest, DurationIsThePeriodWhateverAFrameCosts) {
  const Transition& t = GetParam();
  for (int Cost : {3, 7, 25}) {
    SCOPED_TRACE(testing::Message() << "cost " << Cost);
    ToStartState(t);
    Hook::Remaining.clear();
    Hook::Times.clear();
    const U32 t0 = AnimClock::Now;
    if (t.Hooked) {
      Hook::Cost = Cost;  // the frame's work, seen by the callback
    } else {
      AnimClock::CostPerRead = Cost / 2;  // no callback: the work passes between the clock's readings
    }
    ASSERT_EQ(t.Run(hWin, 200), 0);
    Hook::Cost = 0;
    AnimClock::CostPerRead = 0;
    // The last frame starts less than a frame's work late; the one before started within the period.
    EXPECT_GE(AnimClock::Now - t0, 200u);
    EXPECT_LE(AnimClock::Now - t0, 200u + 2 * Cost);
    if (t.Hooked) {
      ASSERT_GE(Hook::Remaining.size(), 2u);
      EXPECT_LE(Hook::Remaining.back(), 0);
      EXPECT_GT(Hook::Remaining.back(), -Cost);
      EXPECT_GT(Hook::Remaining[Hook::Remaining.size() - 2], 0);
      // Frames at least 10 ms apart, and no more than the period allows.
      for (size_t i = 1; i < Hook::Times.size(); i++) EXPECT_GE(Hook::Times[i] - Hook::Times[i - 1], 10u);
      EXPECT_LE(Hook::Times.size(), 200u / std::max(Cost, 10) + 2);
    }
    ExpectEndState(t.In);
  }
}

TEST_P(TransitionTest, CallbackStopsAfterTheFirstFrameAndTheWindowEndsInItsState) {
  const Transition& t = GetParam();
  ToStartState(t);
  Hook::StopAfter = 1;
  const U32 t0 = AnimClock::Now;
  ASSERT_EQ(t.Run(hWin, 300), 0);
  if (t.Hooked) {
    EXPECT_EQ(Hook::Times.size(), 1u);
    EXPECT_LT(AnimClock::Now - t0, 300u);
  }
  // The frame left on the display does not stand for the windows: they are painted again.
  Exec();
  ExpectEndState(t.In);
}

TEST_P(TransitionTest, WithoutMemoryTheWindowEndsInItsStateAndNothingLeaks) {
  const Transition& t = GetParam();
  ToStartState(t);
  I32 Blocks = GUI_ALLOC_GetNumUsedBlocks();
  for (U32 Room : {0u, 60000u, 200000u, 700000u}) {
    SCOPED_TRACE(testing::Message() << "room " << Room);
    ToStartState(t);
    GUI_ALLOC__SetTestLimit((U32)GUI_ALLOC_GetNumUsedBytes() + Room + 1);
    int r = t.Run(hWin, 50);
    GUI_ALLOC__SetTestLimit(0);
    if (Room < 200000u) {
      EXPECT_EQ(r, 1);
    }
    EXPECT_EQ(GUI_ALLOC_GetNumUsedBlocks(), Blocks);
    Exec();
    ExpectEndState(t.In);
  }
}

TEST_P(TransitionTest, RefusesTheDesktopAndHandlesThatNameNoWindow) {
  const Transition& t = GetParam();
  Exec();
  std::vector<U16> Before = Snapshot(0, 0, 479, 271);
  EXPECT_EQ(t.Run(WM_GetDesktopWindow(), 50), 1);
  EXPECT_EQ(t.Run(0, 50), 1);
  EXPECT_TRUE(WM_IsVisible(WM_GetDesktopWindow()));
  EXPECT_EQ(Snapshot(0, 0, 479, 271), Before);
  EXPECT_TRUE(Hook::Times.empty());
}

INSTANTIATE_TEST_SUITE_P(Memdev, TransitionTest, testing::ValuesIn(kTransitions),
                         [](const testing::TestParamInfo<Transition>& i) { return std::string(i.param.Name); });

TEST_F(AnimTest, ShiftInStartsBeyondTheLeftEdgeAndEasesAtBothEnds) {
  Exec();
  WM_HideWindow(hWin);
  Exec();
  // Where the window's left edge is in each frame, from its rightmost window-coloured column in a row that
  // the child does not cross (the last two columns are the window's own colour): -1000 while none shows.
  std::vector<int> Left;
  GUI_MEMDEV_SetAnimationCallback(
      [](int, void* p) {
        int x = 479;
        while (x >= 0 && Display(x, 70 + 100) != LCD_CC_BGR565_Color2Index(0x3050D0)) x--;
        ((std::vector<int>*)p)->push_back(x < 0 ? -1000 : x - 179);
        return 0;
      },
      &Left);
  GUI_MEMDEV_ShiftInWindow(hWin, 200, 0);
  ASSERT_EQ(Left.size(), 21u);
  EXPECT_EQ(Left.front(), -1000);  // the pass at 0 ms draws nothing
  EXPECT_EQ(Left[1], -179);        // 10 ms: (10 / 100)^3 of the way, the window still just beyond the edge
  EXPECT_EQ(Left.back(), 120);     // its own place
  int Largest = 0, At = 0;
  for (size_t i = 2; i < Left.size(); i++) {
    ASSERT_GE(Left[i], Left[i - 1]);
    if (Left[i] - Left[i - 1] > Largest) Largest = Left[i] - Left[i - 1], At = (int)i;
  }
  EXPECT_GE(At, 9);  // fastest at half the period
  EXPECT_LE(At, 11);
  EXPECT_LE(Left[20] - Left[19], 2);  // slow at the end
}

TEST_F(AnimTest, CrossFadeBlendsFromOneDeviceToTheOther) {
  GUI_HMEM hA = GUI_MEMDEV_Create32(10, 10, 40, 20), hB = GUI_MEMDEV_Create32(10, 10, 40, 20);
  GUI_HMEM hMoved = GUI_MEMDEV_Create32(11, 10, 40, 20);
  U32* a = (U32*)GUI_MEMDEV_GetDataPtr(hA);
  U32* b = (U32*)GUI_MEMDEV_GetDataPtr(hB);
  for (int i = 0; i < 800; i++) a[i] = 0x0000F800 >> 8 << 8 | 0x0000FF, b[i] = 0x00FF0000;
  FillDisplay(0);
  std::vector<U16> Before = Snapshot(0, 0, 479, 271);
  EXPECT_EQ(GUI_MEMDEV_FadeInDevices(hA, hMoved, 100), 1);
  EXPECT_EQ(Snapshot(0, 0, 479, 271), Before);
  EXPECT_TRUE(Hook::Times.empty());
  std::vector<U16> Seen;
  GUI_MEMDEV_SetAnimationCallback(
      [](int, void* p) {
        ((std::vector<U16>*)p)->push_back(Display(20, 20));
        return 0;
      },
      &Seen);
  const U32 t0 = AnimClock::Now;
  EXPECT_EQ(GUI_MEMDEV_FadeInDevices(hA, hB, 100), 0);  // from B to A
  EXPECT_EQ(AnimClock::Now - t0, 100u);
  ASSERT_EQ(Seen.size(), 10u);
  EXPECT_EQ(Seen.back(), LCD_CC_BGR565_Color2Index(a[0]));
  EXPECT_EQ(Seen[4], LCD_CC_BGR565_Color2Index(GUI__MixColors(a[0], b[0], 127)));  // 50 ms: 127 of 255
  Seen.clear();
  EXPECT_EQ(GUI_MEMDEV_FadeOutDevices(hA, hB, 100), 0);  // from A to B
  EXPECT_EQ(Seen.back(), LCD_CC_BGR565_Color2Index(b[0]));
  EXPECT_EQ(Display(9, 9), Before[9 * 480 + 9]);
  EXPECT_EQ(GUI_MEMDEV__FadeInRamp(0, 5), 255);
  EXPECT_EQ(GUI_MEMDEV__FadeOutRamp(0, 5), 0);
  EXPECT_EQ(GUI_MEMDEV__FadeOutRamp(100, 150), 0);
}

TEST_F(AnimTest, BackgroundFadesTowardAColourBehindASharpWindow) {
  Exec();
  WM_HideWindow(hWin);
  Exec();
  std::vector<U16> Desktop = Snapshot(0, 0, 479, 271);
  WM_ShowWindow(hWin);
  Exec();
  std::vector<U16> WithWindow = Snapshot(0, 0, 479, 271);
  AnimClock::CaptureAt = {AnimClock::Now + 50};
  ASSERT_EQ(GUI_MEMDEV_BlendWinBk(hWin, 100, 0x000000, 255), 0);
  EXPECT_EQ(Hook::Remaining.back(), 0);
  ASSERT_EQ(AnimClock::Captures.size(), 1u);
  EXPECT_TRUE(golden::Matches("memdev/anim_blend_winbk_50", AnimClock::Captures.begin()->second));
  for (int y = 0; y < 272; y += 7)
    for (int x = 0; x < 480; x += 5) {
      bool InWin = x >= 120 && x < 300 && y >= 70 && y < 180;
      ASSERT_EQ(Display(x, y), InWin ? WithWindow[y * 480 + x] : 0) << x << "," << y;
    }
  EXPECT_TRUE(WM_IsVisible(hWin));
  Exec();  // the faded background stands: nothing is painted over it
  EXPECT_EQ(Display(5, 5), 0);
  (void)Desktop;
}

TEST_F(AnimTest, BackgroundBlursBehindTheWindow) {
  Exec();
  AnimClock::CaptureAt = {AnimClock::Now + 50};
  ASSERT_EQ(GUI_MEMDEV_BlurAndBlendWinBk(hWin, 100, 4, 0x0000FF, 64), 0);
  ASSERT_EQ(AnimClock::Captures.size(), 1u);
  EXPECT_TRUE(golden::Matches("memdev/anim_blur_winbk_50", AnimClock::Captures.begin()->second));
  EXPECT_TRUE(golden::Matches("memdev/anim_blur_winbk_end", golden::CaptureLCD()));
  ASSERT_EQ(GUI_MEMDEV_BlurWinBk(hWin, 0, 0), 0);  // level 0 taken as 1, period 0: the end state at once
  EXPECT_FALSE(AnimClock::LockHeldInWait);
  GUI_ALLOC__SetTestLimit((U32)GUI_ALLOC_GetNumUsedBytes() + 100000);
  EXPECT_EQ(GUI_MEMDEV_BlurWinBk(hWin, 100, 3), 1);
  GUI_ALLOC__SetTestLimit(0);
  EXPECT_TRUE(WM_IsVisible(hWin));
}

}  // namespace
