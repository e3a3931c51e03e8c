// Message delivery: the nesting limit, the default procedure, keys climbing to the desktop, broadcasts.
#include "WM_Intern.h"
#include "WM_TestSupport.h"

using namespace wmtest;

namespace {

class WmMessage : public WmTest {};

std::vector<WM_HWIN> _Chain;
int _NumDelivered;

// Each window of the chain passes the message on to the next one from inside its callback.
void _cbChain(WM_MESSAGE* pMsg) {
  if (pMsg->MsgId != WM_USER + 1) {
    WM_DefaultProc(pMsg);
    return;
  }
  _NumDelivered++;
  for (size_t i = 0; i + 1 < _Chain.size(); i++) {
    if (_Chain[i] == pMsg->hWin) {
      WM_MESSAGE Msg = {};
      Msg.MsgId = WM_USER + 1;
      WM__SendMessage(_Chain[i + 1], &Msg);
    }
  }
}

} // namespace

TEST_F(WmMessage, NestingStopsAtTwentyLevels) {
  _Chain.clear();
  _NumDelivered = 0;
  for (int i = 0; i < 30; i++) {
    _Chain.push_back(WM_CreateWindow(0, 0, 10, 10, 0, _cbChain, 0));
  }
  WM_MESSAGE Msg = {};
  Msg.MsgId = WM_USER + 1;
  WM_SendMessage(_Chain[0], &Msg);
  EXPECT_EQ(_NumDelivered, 20); // the first delivery and 19 nested ones
  ASSERT_EQ(Errors.size(), 1u);
  EXPECT_EQ(Errors[0], "E:WM__SendMessage:\nMax. message nesting exceeded, Message skipped in WM__SendMessage().");
  // The count is back to 0 afterwards.
  _NumDelivered = 0;
  WM_SendMessage(_Chain[10], &Msg);
  EXPECT_EQ(_NumDelivered, 20);
}

TEST_F(WmMessage, DefaultAnswers) {
  WM_HWIN hWin = WM_CreateWindow(10, 20, 30, 40, WM_CF_SHOW, nullptr, 0);
  EXPECT_EQ(WM_GetBkColor(hWin), WM_NO_COLOR);
  EXPECT_EQ(WM_GetBkColor(0), WM_NO_COLOR);
  EXPECT_EQ(WM_GetClientWindow(hWin), hWin);
  EXPECT_EQ(WM_GetId(hWin), 0);
  EXPECT_EQ(WM_IsFocusable(hWin), 0);
  GUI_RECT r = {};
  WM_MESSAGE Msg = {};
  Msg.MsgId = WM_GET_INSIDE_RECT;
  Msg.Data.p = &r;
  WM_SendMessage(hWin, &Msg);
  EXPECT_EQ(Msg.Data.v, 0);
  EXPECT_EQ(r.x1, 29);
  EXPECT_EQ(r.y1, 39);
  // A window that accepts the focus by the default answer of WM_SET_FOCUS.
  EXPECT_EQ(WM_SetFocus(hWin), 0);
  EXPECT_EQ(WM_GetFocusWindow(), hWin);
}

TEST_F(WmMessage, UnconsumedKeysClimbToTheDesktop) {
  WM_HWIN hP = WM_CreateWindow(0, 0, 100, 100, WM_CF_SHOW, cbTrace, 0);
  WM_HWIN hC = WM_CreateWindowAsChild(0, 0, 10, 10, hP, WM_CF_SHOW, cbTrace, 0);
  SetName(hP, "P");
  SetName(hC, "C");
  EXPECT_EQ(WM_OnKey('A', 1), 0); // no focus: dropped
  WM_SetFocus(hC);
  Trace.clear();
  EXPECT_EQ(WM_OnKey('A', 1), 1);
  EXPECT_EQ(WM_OnKey('B', 2), 1);
  EXPECT_EQ(Trace, (std::vector<std::string>{"C WM_KEY 65,1", "P WM_KEY 65,1", "C WM_KEY 66,2", "P WM_KEY 66,2"}));
  // Only the press with a count of exactly 1 became the pending key at the desktop.
  EXPECT_EQ(GUI_GetKey(), 'A');
  EXPECT_EQ(GUI_GetKey(), 0);
}

TEST_F(WmMessage, BroadcastReachesEveryWindowOnce) {
  WM_HWIN hA = WM_CreateWindow(0, 0, 10, 10, 0, cbTrace, 0);
  WM_HWIN hB = WM_CreateWindowAsChild(0, 0, 10, 10, hA, 0, cbTrace, 0);
  SetName(hA, "A");
  SetName(hB, "B");
  Trace.clear();
  WM_MESSAGE Msg = {};
  Msg.MsgId = WM_USER + 7;
  Msg.Data.v = 5;
  EXPECT_EQ(WM_BroadcastMessage(&Msg), 0);
  EXPECT_EQ(Trace, (std::vector<std::string>{"B MSG1031", "A MSG1031"}));
}

TEST_F(WmMessage, ScrollStateArithmetic) {
  WM_SCROLL_STATE s = {100, 95, 10};
  WM_CheckScrollBounds(&s);
  EXPECT_EQ(s.Value, 90);
  EXPECT_EQ(WM_SetScrollValue(&s, -5), -90);
  EXPECT_EQ(s.Value, 0);
  EXPECT_EQ(WM_CheckScrollPos(&s, 15, 1, 2), 8);
  EXPECT_EQ(s.Value, 8);
  EXPECT_EQ(WM_CheckScrollPos(&s, 3, 1, 2), -6);
  WM_SCROLL_STATE Small = {5, 3, 10};
  WM_CheckScrollBounds(&Small);
  EXPECT_EQ(Small.Value, 0);
}

namespace {

WM_HWIN _hBarParent;
int _BarFlags = -1;

void _cbBar(WM_MESSAGE* pMsg) {
  if (pMsg->MsgId == WM_GET_ID) {
    pMsg->Data.v = GUI_ID_VSCROLL;
    return;
  }
  if (pMsg->MsgId == WM_GET_SCROLL_STATE) {
    *(WM_SCROLL_STATE*)pMsg->Data.p = WM_SCROLL_STATE{100, 7, 10};
    return;
  }
  WM_DefaultProc(pMsg);
}

WM_HWIN _CreateBar(WM_HWIN hParent, int Flags) {
  _hBarParent = hParent;
  _BarFlags = Flags;
  return WM_CreateWindowAsChild(90, 0, 10, 100, hParent, WM_CF_SHOW | WM_STATUS_ANCHOR_RIGHT, _cbBar, 0);
}

} // namespace

TEST_F(WmMessage, ScrollBarsComeFromTheWidgetCollection) {
  WM_HWIN hWin = WM_CreateWindow(0, 0, 100, 100, WM_CF_SHOW, nullptr, 0);
  // Without the widget collection no scroll bar is made.
  EXPECT_EQ(WM_SetScrollbarV(hWin, 1), 0);
  EXPECT_EQ(WM_GetScrollbarV(hWin), 0);
  WM_WIDGET_API Api = {};
  Api.pfCreateScrollbarAttached = _CreateBar;
  WM__SetWidgetAPI(&Api);
  EXPECT_EQ(WM__GetDialogBkColor(), 0xC0C0C0u);
  EXPECT_EQ(WM_SetScrollbarV(hWin, 1), 0);
  EXPECT_EQ(_hBarParent, hWin);
  EXPECT_EQ(_BarFlags, 8);
  WM_HWIN hBar = WM_GetScrollbarV(hWin);
  ASSERT_NE(hBar, 0);
  EXPECT_EQ(WM_GetScrollPosV(hWin), 7);
  GUI_RECT r;
  WM_GetInsideRectExScrollbar(hWin, &r);
  EXPECT_EQ(r.x1, 89);
  // Switching it off hides it and deletes it at the next execution step.
  EXPECT_EQ(WM_SetScrollbarV(hWin, 0), 1);
  EXPECT_TRUE(WM_IsWindow(hBar));
  WM_Exec();
  EXPECT_FALSE(WM_IsWindow(hBar));
  WM__SetWidgetAPI(nullptr);
}
