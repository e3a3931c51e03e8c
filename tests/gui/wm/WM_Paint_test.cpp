// Invalidation, the clip rectangles of WM_PAINT, transparent overlays, the paint loop's termination and
// the banding hook.
#include <climits>

#include "WM_Intern.h"
#include "WM_TestSupport.h"

using namespace wmtest;

namespace {

class WmPaint : public WmTest {
protected:
  void SetUp() override {
    WmTest::SetUp();
    WM_Exec(); // the desktop's first paint
    Trace.clear();
  }
};

std::string _Rect(const GUI_RECT& r) {
  return std::to_string(r.x0) + "," + std::to_string(r.y0) + "," + std::to_string(r.x1) + "," + std::to_string(r.y1);
}

// Records each paint with the clip rectangle, and whether it ran as an overlay of another window.
void _cbPaintTrace(WM_MESSAGE* pMsg) {
  switch (pMsg->MsgId) {
  case WM_PAINT: {
    std::string s = Name(pMsg->hWin) + " paint " + _Rect(GUI_pContext->ClipRect);
    if (WM_GetActiveWindow() != pMsg->hWin) {
      s += " over " + Name(WM_GetActiveWindow());
    }
    Trace.push_back(s);
    GUI_SetBkColor(0x123456);
    GUI_Clear();
    return;
  }
  case WM_PRE_PAINT: Trace.push_back(Name(pMsg->hWin) + " pre"); return;
  case WM_POST_PAINT: Trace.push_back(Name(pMsg->hWin) + " post"); return;
  }
  WM_DefaultProc(pMsg);
}

} // namespace

TEST_F(WmPaint, OpaqueChildSplitsTheParentIntoStripes) {
  WM_HWIN hP = WM_CreateWindow(10, 10, 100, 100, WM_CF_SHOW, _cbPaintTrace, 0);
  WM_HWIN hC = WM_CreateWindowAsChild(40, 30, 20, 20, hP, WM_CF_SHOW, nullptr, 0);
  SetName(hP, "P");
  (void)hC;
  WM_Exec();
  EXPECT_EQ(Trace, (std::vector<std::string>{"P pre", "P paint 10,10,109,39", "P paint 10,40,49,59",
                                             "P paint 70,40,109,59", "P paint 10,60,109,109", "P post"}));
}

// An obstacle that reaches an end of the coordinate range ends the stripe it covers there: no column or row
// follows it.
TEST_F(WmPaint, ObstaclesReachingTheEndsOfTheRange) {
  WM_HWIN hP = WM_CreateWindow(10, 10, 100, 100, WM_CF_SHOW, _cbPaintTrace, 0);
  SetName(hP, "P");
  WM_CreateWindow(-40000, 0, 80000, 20, WM_CF_SHOW, nullptr, 0); // every column of the range, rows 0 to 19
  WM_Exec();
  EXPECT_EQ(Trace, (std::vector<std::string>{"P pre", "P paint 10,20,109,109", "P post"}));
  // Under a desktop that reaches the last row, a window down to that row under a child as large: covered,
  // so not painted.
  WM_SetYSize(WM_GetDesktopWindow(), INT_MAX);
  Trace.clear();
  WM_HWIN hTall = WM_CreateWindow(0, 0, 100, INT_MAX, WM_CF_SHOW, _cbPaintTrace, 0);
  SetName(hTall, "T");
  WM_CreateWindowAsChild(0, 0, 100, INT_MAX, hTall, WM_CF_SHOW, nullptr, 0);
  WM_Exec();
  EXPECT_EQ(Trace, (std::vector<std::string>{}));
}

TEST_F(WmPaint, TwoInvalidAreasArePaintedAsTheirUnion) {
  WM_HWIN hP = WM_CreateWindow(0, 0, 100, 100, WM_CF_SHOW, _cbPaintTrace, 0);
  SetName(hP, "P");
  WM_Exec();
  Trace.clear();
  GUI_RECT a = {5, 5, 9, 9}, b = {20, 30, 24, 34};
  WM_InvalidateRect(hP, &a);
  WM_InvalidateRect(hP, &b);
  EXPECT_EQ(WM_Exec(), 1);
  EXPECT_EQ(Trace, (std::vector<std::string>{"P pre", "P paint 5,5,24,34", "P post"}));
  EXPECT_EQ(WM_Exec(), 0);
}

TEST_F(WmPaint, TransparentChildIsPaintedOverItsParent) {
  WM_HWIN hP = WM_CreateWindow(0, 0, 100, 100, WM_CF_SHOW, _cbPaintTrace, 0);
  WM_HWIN hT = WM_CreateWindowAsChild(10, 10, 20, 20, hP, WM_CF_SHOW | WM_CF_HASTRANS, _cbPaintTrace, 0);
  SetName(hP, "P");
  SetName(hT, "T");
  WM_Exec();
  Trace.clear();
  WM_InvalidateWindow(hT);
  WM_Exec();
  EXPECT_EQ(Trace, (std::vector<std::string>{"P pre", "P paint 10,10,29,29", "P post", "T pre",
                                             "T paint 10,10,29,29 over P", "T post"}));
}

TEST_F(WmPaint, WindowWithoutCallbackIsValidatedQuietly) {
  WM_HWIN hWin = WM_CreateWindow(0, 0, 10, 10, WM_CF_SHOW, nullptr, 0);
  WM_Exec();
  WM_InvalidateWindow(hWin);
  EXPECT_EQ(WM__NumInvalidWindows, 1);
  WM_Exec();
  EXPECT_EQ(WM__NumInvalidWindows, 0);
  GUI_RECT r;
  EXPECT_EQ(WM_GetInvalidRect(hWin, &r), 0);
}

TEST_F(WmPaint, HiddenAncestorsAndAreasOutsideTheParent) {
  WM_HWIN hP = WM_CreateWindow(0, 0, 50, 50, WM_CF_SHOW, _cbPaintTrace, 0);
  WM_HWIN hC = WM_CreateWindowAsChild(60, 0, 20, 20, hP, WM_CF_SHOW, _cbPaintTrace, 0);
  SetName(hP, "P");
  SetName(hC, "C");
  WM_Exec();
  Trace.clear();
  // An invalid area wholly outside the ancestors: pre and post paint, no WM_PAINT.
  WM_OBJ* pC = WM_H2P(hC);
  WM__MarkInvalid(hC, &pC->Rect, WM_STATUS_INVALID);
  WM_Exec();
  EXPECT_EQ(Trace, (std::vector<std::string>{"C pre", "C post"}));
  // Under a hidden parent: validated without any message.
  WM_MoveWindow(hC, -50, 0);
  WM_Exec();
  Trace.clear();
  WM_InvalidateWindow(hC);
  WM_HideWindow(hP);
  WM_Exec();
  EXPECT_EQ(Trace, (std::vector<std::string>{}));
  EXPECT_EQ(WM__NumInvalidWindows, 0);
}

namespace {

WM_HWIN _hPing, _hPong;

// Two windows that invalidate each other from their paints.
void _cbPingPong(WM_MESSAGE* pMsg) {
  if (pMsg->MsgId == WM_PAINT) {
    WM_InvalidateWindow(pMsg->hWin == _hPing ? _hPong : _hPing);
    WM_InvalidateWindow(pMsg->hWin);
    return;
  }
  WM_DefaultProc(pMsg);
}

} // namespace

TEST_F(WmPaint, ExecEndsWhenPaintsInvalidateEachOther) {
  _hPing = WM_CreateWindow(0, 0, 10, 10, WM_CF_SHOW, _cbPingPong, 0);
  _hPong = WM_CreateWindow(20, 0, 10, 10, WM_CF_SHOW, _cbPingPong, 0);
  EXPECT_EQ(WM_Exec(), 1);
  EXPECT_EQ(WM_Exec(), 1); // still work left for the next call, but each call ends
}

TEST_F(WmPaint, DeactivatedManagerDeliversInputButPaintsNothing) {
  WM_HWIN hWin = WM_CreateWindow(0, 0, 100, 100, WM_CF_SHOW, _cbPaintTrace, 0);
  WM_HWIN hOver = WM_CreateWindow(10, 10, 10, 10, WM_CF_SHOW, nullptr, 0);
  SetName(hWin, "W");
  (void)hOver;
  WM_Deactivate();
  Trace.clear();
  WM_Exec();
  EXPECT_TRUE(Trace.empty());
  EXPECT_GT(WM__NumInvalidWindows, 0);
  // Clip iteration yields the selected window once.
  GUI_Lock();
  WM_SelectWindow(hWin);
  int n = 0;
  if (WM__BeginClipIteration(nullptr)) {
    do {
      EXPECT_EQ(_Rect(GUI_pContext->ClipRect), "0,0,99,99");
      n++;
    } while (WM__NextClipRect());
  }
  GUI_Unlock();
  EXPECT_EQ(n, 1);
  WM_Activate();
  WM_Exec();
  EXPECT_EQ(WM__NumInvalidWindows, 0);
}

TEST_F(WmPaint, NoClipIterationPaintsOnce) {
  WM_HWIN hWin = WM_CreateWindow(0, 0, 100, 100, WM_CF_SHOW | WM_STATUS_NO_CLIP_ITERATION, _cbPaintTrace, 0);
  WM_CreateWindow(40, 40, 10, 10, WM_CF_SHOW, nullptr, 0);
  SetName(hWin, "W");
  WM_Exec();
  int n = 0;
  for (const std::string& s : Trace) {
    n += s.find("W paint") == 0;
  }
  EXPECT_EQ(n, 1);
}

TEST_F(WmPaint, CoverageQueries) {
  WM_HWIN hA = WM_CreateWindow(0, 0, 100, 100, WM_CF_SHOW, nullptr, 0);
  WM_HWIN hB = WM_CreateWindow(0, 0, 100, 100, WM_CF_SHOW, nullptr, 0);
  EXPECT_TRUE(WM_IsCompletelyCovered(hA));
  EXPECT_FALSE(WM_IsCompletelyCovered(hB));
  EXPECT_TRUE(WM_IsCompletelyVisible(hB));
  EXPECT_FALSE(WM_IsCompletelyVisible(hA));
  WM_MoveWindow(hB, 50, 0);
  EXPECT_FALSE(WM_IsCompletelyCovered(hA));
  WM_HWIN hC = WM_CreateWindowAsChild(90, 0, 20, 20, hA, WM_CF_SHOW, nullptr, 0);
  EXPECT_FALSE(WM_IsCompletelyVisible(hC)); // sticks out of its parent
}

namespace {

int _NumBands;

// Stands in for the memory devices: paints the rectangle in bands of 16 rows through the band routine.
void _DrawBanded(const GUI_RECT* pRect, void (*pfBand)(void*), void* pData, int NumLines, int Flags) {
  for (int y = pRect->y0; y <= pRect->y1; y += 16) {
    GUI_RECT Band = {pRect->x0, (I16)y, pRect->x1, (I16)std::min<int>(y + 15, pRect->y1)};
    LCD_SetClipRectEx(&Band);
    pfBand(pData);
    _NumBands++;
  }
}

} // namespace

TEST_F(WmPaint, MemdevWindowsPaintThroughTheBandingPainter) {
  WM_MEMDEV_API Api = {};
  Api.pfDrawBanded = _DrawBanded;
  WM__SetMemdevAPI(&Api);
  _NumBands = 0;
  WM_HWIN hWin = WM_CreateWindow(0, 0, 100, 40, WM_CF_SHOW | WM_CF_MEMDEV, _cbPaintTrace, 0);
  SetName(hWin, "W");
  WM_Exec();
  EXPECT_EQ(_NumBands, 3);
  EXPECT_EQ(Trace, (std::vector<std::string>{"W pre", "W paint 0,0,99,15", "W post", "W pre", "W paint 0,16,99,31",
                                             "W post", "W pre", "W paint 0,32,99,39", "W post"}));
  EXPECT_EQ(PixelIndex(50, 35), ColorIndex(0x123456));
  WM__SetMemdevAPI(nullptr);
}

TEST_F(WmPaint, ValidatingCutsTheInvalidArea) {
  WM_HWIN hWin = WM_CreateWindow(0, 0, 100, 100, WM_CF_SHOW, _cbPaintTrace, 0);
  WM_Exec();
  GUI_RECT r = {10, 10, 59, 39};
  WM_InvalidateRect(hWin, &r);
  GUI_RECT Left = {0, 0, 29, 99}; // spans the full height: cuts in x
  WM_ValidateRect(hWin, &Left);
  GUI_RECT Inv;
  ASSERT_EQ(WM_GetInvalidRect(hWin, &Inv), 1);
  EXPECT_EQ(_Rect(Inv), "30,10,59,39");
  GUI_RECT Top = {0, 0, 99, 19}; // spans the full width: cuts in y
  WM_ValidateRect(hWin, &Top);
  WM_GetInvalidRect(hWin, &Inv);
  EXPECT_EQ(_Rect(Inv), "30,20,59,39");
  GUI_RECT All = {0, 0, 99, 99};
  WM_ValidateRect(hWin, &All);
  EXPECT_EQ(WM_GetInvalidRect(hWin, &Inv), 0);
  EXPECT_EQ(WM__NumInvalidWindows, 0);
}

TEST_F(WmPaint, ImmediatePaintOutsideExec) {
  WM_HWIN hWin = WM_CreateWindow(0, 0, 20, 20, WM_CF_SHOW, _cbPaintTrace, 0);
  WM_HWIN hChild = WM_CreateWindowAsChild(0, 0, 5, 5, hWin, WM_CF_SHOW, _cbPaintTrace, 0);
  SetName(hWin, "W");
  SetName(hChild, "C");
  WM_Exec();
  Trace.clear();
  WM_Update(hWin); // valid: nothing to do
  EXPECT_TRUE(Trace.empty());
  WM_PaintWindowAndDescs(hWin);
  EXPECT_EQ(Trace, (std::vector<std::string>{"W pre", "W paint 5,0,19,4", "W paint 0,5,19,19", "W post", "C pre",
                                             "C paint 0,0,4,4", "C post"}));
  EXPECT_EQ(WM__NumInvalidWindows, 0);
}

namespace {

int _NumSizeChanged;

void _cbScreen(WM_MESSAGE* pMsg) {
  if (pMsg->MsgId == WM_SCREEN_SIZE_CHANGED) {
    _NumSizeChanged++;
  }
  WM_DefaultProc(pMsg);
}

} // namespace

TEST_F(WmPaint, ScreenSizeChangeIsBroadcastOnce) {
  _NumSizeChanged = 0;
  WM_CreateWindow(0, 0, 10, 10, 0, _cbScreen, 0);
  WM_CreateWindow(0, 0, 10, 10, 0, _cbScreen, 0);
  WM_Exec();
  EXPECT_EQ(_NumSizeChanged, 0);
  WM_SetScreenSize(320, 240);
  WM_Exec();
  EXPECT_EQ(_NumSizeChanged, 2);
  WM_Exec();
  EXPECT_EQ(_NumSizeChanged, 2);
  WM_SetScreenSize(0, 0);
  WM_Exec();
  EXPECT_EQ(_NumSizeChanged, 4);
}

TEST_F(WmPaint, ValidatingAStaticMarkKeepsTheCountRight) {
  WM_HWIN hP = WM_CreateWindow(0, 0, 50, 50, WM_CF_SHOW | WM_STATUS_STATIC, nullptr, 0);
  WM_HWIN hC = WM_CreateWindowAsChild(0, 0, 10, 10, hP, WM_CF_SHOW, nullptr, 0);
  WM_Exec();
  WM_InvalidateWindow(hC); // below a static parent: the static mark
  EXPECT_EQ(WM_H2P(hC)->Status & WM__STATUS_ANY_INVALID, WM_STATUS_INVALID_STATIC);
  EXPECT_EQ(WM__NumInvalidWindows, 1);
  WM_ValidateWindow(hC); // clears only the plain mark, which it does not have
  EXPECT_EQ(WM__NumInvalidWindows, 1);
  WM_Exec();
  EXPECT_EQ(WM__NumInvalidWindows, 0);
  WM_ValidateWindow(hC);
  EXPECT_EQ(WM__NumInvalidWindows, 0);
}

// What opaque windows above hide entirely is not painted; a transparent window hides nothing, its opaque
// children do; a partly visible window is painted where it shows.
TEST_F(WmPaint, HiddenWindowsAreNotPainted) {
  WM_HWIN hBelow = WM_CreateWindow(20, 20, 40, 40, WM_CF_SHOW, _cbPaintTrace, 0);
  WM_HWIN hCover = WM_CreateWindow(10, 10, 60, 60, WM_CF_SHOW, _cbPaintTrace, 0);
  SetName(hBelow, "B");
  SetName(hCover, "C");
  WM_Exec();
  Trace.clear();
  WM_InvalidateWindow(hBelow);
  WM_Exec();
  EXPECT_TRUE(Trace.empty()) << Trace[0];
  EXPECT_FALSE(WM_H2P(hBelow)->Status & WM_STATUS_INVALID);  // the mark is gone all the same
  // Moved so that a corner shows: painted there only.
  WM_MoveWindow(hCover, 25, 25);
  WM_Exec();
  Trace.clear();
  WM_InvalidateWindow(hBelow);
  WM_Exec();
  EXPECT_EQ(Trace, (std::vector<std::string>{"B pre", "B paint 20,20,59,34", "B paint 20,35,34,59", "B post"}));
  WM_DeleteWindow(hCover);
  // Under a transparent window: painted; under its opaque child: hidden again.
  WM_HWIN hGlass = WM_CreateWindow(0, 0, 100, 100, WM_CF_SHOW | WM_CF_HASTRANS, nullptr, 0);
  WM_Exec();
  Trace.clear();
  WM_InvalidateWindow(hBelow);
  WM_Exec();
  EXPECT_EQ(Trace, (std::vector<std::string>{"B pre", "B paint 20,20,59,59", "B post"}));
  WM_CreateWindowAsChild(15, 15, 50, 50, hGlass, WM_CF_SHOW, nullptr, 0);
  WM_Exec();
  Trace.clear();
  WM_InvalidateWindow(hBelow);
  WM_Exec();
  EXPECT_TRUE(Trace.empty());
  // Deleting the cover paints the window again.
  WM_DeleteWindow(hGlass);
  WM_Exec();
  EXPECT_EQ(Trace, (std::vector<std::string>{"B pre", "B paint 20,20,59,59", "B post"}));
}
