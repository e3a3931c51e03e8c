// Pointer and key input: the message traces of presses, moves, releases, capture, modal windows, disabled
// windows, wheel steps and focus moves.
#include "WM_Intern.h"
#include "WM_TestSupport.h"

using namespace wmtest;

namespace {

class WmInput : public WmTest {
protected:
  WM_HWIN hA = 0, hB = 0;
  void SetUp() override {
    WmTest::SetUp();
    hA = WM_CreateWindow(10, 10, 50, 50, WM_CF_SHOW, cbTrace, 0);
    hB = WM_CreateWindow(100, 10, 50, 50, WM_CF_SHOW, cbTrace, 0);
    SetName(hA, "A");
    SetName(hB, "B");
    Pointer(300, 200, 0); // over the desktop
    Trace.clear();
  }
  std::vector<std::string> Take() {
    std::vector<std::string> t = Trace;
    Trace.clear();
    return t;
  }
};

using V = std::vector<std::string>;

} // namespace

TEST_F(WmInput, PressMoveOffAndReleaseElsewhere) {
  Pointer(20, 20, 0);
  EXPECT_EQ(Take(), V{"A WM_POINTER_HOVER 10,10,0"});
  Pointer(20, 20, 1);
  EXPECT_EQ(Take(), (V{"A WM_POINTER_STATE_CHANGED 10,10,1<-0", "A WM_POINTER 10,10,1"}));
  Pointer(110, 20, 1);
  EXPECT_EQ(Take(), (V{"A WM_POINTER_HOVER_END 100,10,1", "A WM_POINTER null", "B WM_POINTER 10,10,1"}));
  Pointer(110, 20, 0);
  EXPECT_EQ(Take(), (V{"B WM_POINTER_STATE_CHANGED 10,10,0<-1", "B WM_POINTER 10,10,0"}));
  // The same state again changes nothing.
  Pointer(110, 20, 0);
  EXPECT_EQ(Take(), V{});
}

TEST_F(WmInput, PointerChildReachesTheAncestorsFirst) {
  WM_HWIN hC = WM_CreateWindowAsChild(5, 5, 10, 10, hA, WM_CF_SHOW, cbTrace, 0);
  SetName(hC, "C");
  Take();
  Pointer(16, 16, 1);
  EXPECT_EQ(Take(), (V{"C WM_POINTER_STATE_CHANGED 1,1,1<-0", "A WM_POINTER_CHILD from C WM_POINTER",
                       "C WM_POINTER 1,1,1"}));
}

TEST_F(WmInput, CaptureTakesEveryStateUntilTheRelease) {
  WM_SetCapture(hA, 1);
  Pointer(110, 20, 1);
  EXPECT_EQ(Take(), (V{"A WM_POINTER_STATE_CHANGED 100,10,1<-0", "A WM_POINTER 100,10,1"}));
  Pointer(120, 30, 1);
  EXPECT_EQ(Take(), (V{"A WM_POINTER 110,20,1"}));
  Pointer(120, 30, 0);
  EXPECT_EQ(Take(), (V{"A WM_POINTER_STATE_CHANGED 110,20,0<-1", "A WM_CAPTURE_RELEASED", "A WM_POINTER 110,20,0"}));
  EXPECT_FALSE(WM_HasCaptured(hA));
  Pointer(121, 30, 0);
  EXPECT_EQ(Take(), (V{"A WM_POINTER_HOVER_END 111,20,0", "B WM_POINTER_HOVER 21,20,0"}));
  // Without auto-release the capture stays; another capture releases the first.
  WM_SetCapture(hA, 0);
  Pointer(121, 30, 1);
  Pointer(121, 30, 0);
  EXPECT_TRUE(WM_HasCaptured(hA));
  Take();
  WM_SetCapture(hB, 0);
  EXPECT_EQ(Take(), V{"A WM_CAPTURE_RELEASED"});
  WM_ReleaseCapture();
  EXPECT_EQ(Take(), V{"B WM_CAPTURE_RELEASED"});
}

TEST_F(WmInput, ModalWindowShutsOutTheRest) {
  Pointer(20, 20, 1);
  Take();
  WM_MakeModal(hB);
  EXPECT_EQ(Take(), V{"A WM_POINTER null"});
  Pointer(30, 30, 1);
  Pointer(30, 30, 0);
  EXPECT_EQ(Take(), V{});
  GUI_POINTER_STATE Last;
  WM__GetLastPointerState(&Last, 0);
  EXPECT_EQ(Last.x, 30);
  EXPECT_EQ(Last.Pressed, 0);
  Pointer(110, 20, 1);
  EXPECT_EQ(Take(), (V{"B WM_POINTER_STATE_CHANGED 10,10,1<-0", "B WM_POINTER 10,10,1"}));
  Pointer(110, 20, 0);
  WM_MakeModal(0);
  Take();
  Pointer(20, 20, 0);
  EXPECT_EQ(Take(), (V{"B WM_POINTER_HOVER_END -80,10,0", "A WM_POINTER_HOVER 10,10,0"}));
}

TEST_F(WmInput, DisabledWindowsGetNoPointerMessagesNorWheelSteps) {
  WM_DisableWindow(hA);
  EXPECT_EQ(Take(), V{"A WM_NOTIFY_ENABLE 0"});
  EXPECT_FALSE(WM_IsEnabled(hA));
  SIM_WheelDelta = 2;
  Pointer(20, 20, 0);
  Pointer(20, 20, 1);
  Pointer(20, 20, 0);
  EXPECT_EQ(Take(), V{});
  EXPECT_EQ(SIM_WheelDelta.load(), 2); // kept for a window that can take them
  Pointer(110, 20, 0);
  EXPECT_EQ(Take(), (V{"B WM_WHEEL 2", "B WM_POINTER_HOVER 10,10,0"}));
  EXPECT_EQ(SIM_WheelDelta.load(), 0);
  // Wheel steps alone, without a new pointer state.
  SIM_WheelDelta = -1;
  WM_Exec();
  EXPECT_EQ(Take(), V{"B WM_WHEEL -1"});
  WM_EnableWindow(hA);
  EXPECT_EQ(Take(), V{"A WM_NOTIFY_ENABLE 1"});
}

TEST_F(WmInput, ButtonOnlyStateActsAtTheLastPosition) {
  Pointer(110, 20, 0);
  Take();
  Pointer(-1, -1, 1);
  EXPECT_EQ(Take(), (V{"B WM_POINTER_STATE_CHANGED 10,10,1<-0", "B WM_POINTER 10,10,1"}));
  Pointer(-1, -1, 1); // nothing changed
  EXPECT_EQ(Take(), V{});
}

namespace {

// A window that can take the focus.
void _cbFocusable(WM_MESSAGE* pMsg) {
  if (pMsg->MsgId == WM_GET_ACCEPT_FOCUS) {
    pMsg->Data.v = 1;
    return;
  }
  cbTrace(pMsg);
}

// A window that refuses the focus.
void _cbRefuse(WM_MESSAGE* pMsg) {
  bool Refuse = pMsg->MsgId == WM_SET_FOCUS && pMsg->Data.v == 1;
  cbTrace(pMsg);
  if (Refuse) {
    pMsg->Data.v = 1;
  }
}

} // namespace

TEST_F(WmInput, FocusMovesWithTheirMessages) {
  WM_HWIN hP = WM_CreateWindow(200, 0, 100, 100, WM_CF_SHOW, cbTrace, 0);
  WM_HWIN hF1 = WM_CreateWindowAsChild(0, 0, 10, 10, hP, WM_CF_SHOW, _cbFocusable, 0);
  WM_HWIN hN = WM_CreateWindowAsChild(20, 0, 10, 10, hP, WM_CF_SHOW, cbTrace, 0);
  WM_HWIN hF2 = WM_CreateWindowAsChild(40, 0, 10, 10, hP, WM_CF_SHOW, _cbFocusable, 0);
  WM_HWIN hR = WM_CreateWindowAsChild(60, 0, 10, 10, hP, WM_CF_SHOW, _cbRefuse, 0);
  SetName(hP, "P");
  SetName(hF1, "F1");
  SetName(hN, "N");
  SetName(hF2, "F2");
  SetName(hR, "R");
  Take();
  EXPECT_EQ(WM_SetFocus(hF1), 0);
  EXPECT_EQ(Take(), (V{"F1 WM_SET_FOCUS 1", "P WM_CHILD_FOCUS_CHANGED 0->F1"}));
  EXPECT_EQ(WM_SetFocus(hF1), 1);
  EXPECT_EQ(WM_SetFocusOnNextChild(hP), hF2);
  EXPECT_EQ(Take(), (V{"F1 WM_SET_FOCUS 0", "F2 WM_SET_FOCUS 1", "P WM_CHILD_FOCUS_CHANGED F1->F2",
                       "P WM_CHILD_FOCUS_CHANGED F1->F2"}));
  // R refuses: F2 was told it lost the focus but stays recorded.
  EXPECT_EQ(WM_SetFocus(hR), 1);
  EXPECT_EQ(Take(), (V{"F2 WM_SET_FOCUS 0", "R WM_SET_FOCUS 1"}));
  EXPECT_EQ(WM_GetFocusWindow(), hF2);
  // Next wraps around to the first child; previous goes back.
  EXPECT_EQ(WM_SetFocusOnNextChild(hP), hF1);
  EXPECT_EQ(WM_SetFocusOnPrevChild(hP), hF2);
  EXPECT_TRUE(WM_HasFocus(hF2));
  Take();
  // Keys go to the focus window; unconsumed ones climb.
  WM_OnKey(13, 1);
  EXPECT_EQ(Take(), (V{"F2 WM_KEY 13,1", "P WM_KEY 13,1"}));
  // Deleting the focus window leaves no focus and sends no focus message.
  WM_DeleteWindow(hF2);
  EXPECT_EQ(WM_GetFocusWindow(), 0);
  EXPECT_EQ(Take(), (V{"F2 WM_DELETE", "P WM_NOTIFY_PARENT F2 7"}));
  EXPECT_EQ(WM_OnKey(13, 1), 0);
}

TEST_F(WmInput, DraggingAWindowKeepsTheGrabPointUnderThePointer) {
  GUI_POINTER_STATE s = {5, 5, 1, 0};
  WM__MoveByPointer(hA, &s, 0, 0);
  EXPECT_TRUE(WM_HasCaptured(hA));
  s.x = 15; // window-relative: the pointer moved 10 to the right
  WM__MoveByPointer(hA, &s, 0, 0);
  EXPECT_EQ(WM_GetWindowPosX(hA), 20);
  // Refused when the moved window would leave the parent shrunk by the margin.
  s.x = 5 - 1000;
  WM__MoveByPointer(hA, &s, 10, 0);
  EXPECT_EQ(WM_GetWindowPosX(hA), 20);
}
