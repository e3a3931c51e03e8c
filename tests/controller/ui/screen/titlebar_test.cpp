// The title bar: node status decoding, the indicator states, the clock refresh and the touch columns.
#include <cstring>

#include "FUNKTION_Meldung.h"
#include "SDO_Client.h"
#include "UI_TitleBar.h"
#include "entry_fake_node.h"
#include "main_fixture.h"

namespace {

using TitleBarTest = MainScreenTest;

golden::Image TitleImage() { return golden::CaptureLCD(0, 0, UI_SCREEN_W - 1, UI_TITLE_H - 1); }

TEST(TitleBarDecode, ShortAnswersLeaveTheRestZeroAndTheCountIsBounded) {
  setenv("TZ", "UTC", 1);
  tzset();
  uint8_t a[64] = {};
  int64_t Secs = MAIN_TEST_SECONDS + 3600;  // the node answers one hour ahead
  for (int i = 0; i < 8; i++) a[i] = uint8_t(Secs >> (8 * i));
  a[8] = 3;
  a[9] = 200;  // more indicators than there are flag bytes
  for (int i = 10; i < 28; i++) a[i] = uint8_t(i);
  a[28] = 0xEE;  // the calendar fields are not indicator flags
  UI_NODE_STATUS s;
  UI_DecodeNodeStatus(a, 64, &s);
  EXPECT_EQ(s.NumIndicators, UI_MAX_INDICATORS);
  EXPECT_EQ(s.aIndicator[17], 27);
  EXPECT_EQ(s.Flags, 3);
  EXPECT_EQ(s.Hour, 14);
  EXPECT_EQ(s.Min, 5);
  EXPECT_EQ(s.Day, 17);
  EXPECT_EQ(s.Month, 2);
  EXPECT_EQ(s.Year, 126);
  EXPECT_EQ(s.WeekDay, 2);
  UI_DecodeNodeStatus(a, 9, &s);  // the answer ends before the count
  EXPECT_EQ(s.Flags, 3);
  EXPECT_EQ(s.NumIndicators, 0);
  UI_DecodeNodeStatus(nullptr, 0, &s);
  EXPECT_EQ(s.Seconds, 0);
}

TEST_F(TitleBarTest, IndicatorStates) {
  UI_NODE_STATUS& s = UI_NodeStatus;
  s.NumIndicators = 18;
  const uint8_t aFlags[18] = {0,
                              UI_IND_ACTIVE,
                              UI_IND_BOX,
                              UI_IND_ACTIVE | UI_IND_BOX,
                              UI_IND_RED,
                              UI_IND_ACTIVE | UI_IND_MARK,
                              UI_IND_DOT,
                              UI_IND_ACTIVE | UI_IND_BOX | UI_IND_RED | UI_IND_MARK | UI_IND_DOT,
                              0,
                              UI_IND_ACTIVE | UI_IND_BOX,
                              UI_IND_ACTIVE,
                              UI_IND_RED,
                              UI_IND_MARK,
                              UI_IND_DOT | UI_IND_ACTIVE,
                              0,
                              UI_IND_BOX,
                              UI_IND_ACTIVE,
                              UI_IND_ACTIVE | UI_IND_BOX | UI_IND_DOT};
  memcpy(s.aIndicator, aFlags, sizeof(aFlags));
  s.Flags = 3;
  WM_InvalidateWindow(UI_hTitleBar);
  Settle();
  EXPECT_TRUE(golden::Matches("controller/ui/titlebar_indicators", TitleImage()));
  s.NumIndicators = 0;
  s.Flags = 0;
  s.Seconds = 0;  // no clock
  WM_InvalidateWindow(UI_hTitleBar);
  Settle();
  EXPECT_TRUE(golden::Matches("controller/ui/titlebar_empty", TitleImage()));
}

TEST_F(TitleBarTest, TheOwnNodesClockIsReadEverySecond) {
  ASSERT_EQ(UI_NodeStatus.Min, 5);
  SYS_ClockSeconds += 60;
  Advance(990);
  EXPECT_EQ(UI_NodeStatus.Min, 5);
  Advance(10);
  EXPECT_EQ(UI_NodeStatus.Min, 6);
  WM_HideWindow(UI_hTitleBar);  // a hidden bar does not read
  SYS_ClockSeconds += 60;
  Advance(1000);
  EXPECT_EQ(UI_NodeStatus.Min, 6);
  WM_ShowWindow(UI_hTitleBar);
}

TEST_F(TitleBarTest, AMissedAnswerKeepsTheLastGoodStateOfItsNode) {
  fakenode::Install();
  std::vector<uint8_t> a(64, 0);
  for (int i = 0; i < 8; i++) a[i] = uint8_t(MAIN_TEST_SECONDS >> (8 * i));
  a[8] = 1;
  a[9] = 3;
  a[10] = UI_IND_ACTIVE;
  fakenode::Objects()[{0x57E2, 0}] = a;
  uint32_t Node = fakenode::kNode;
  WM_SetUserData(UI_hTitleBar, &Node, 4);
  WM_SendMessageNoPara(UI_hTitleBar, UI_MSG_REFRESH);
  ASSERT_EQ(UI_NodeStatus.NumIndicators, 3);
  fakenode::Objects().clear();  // the node stops answering for a while
  WM_SendMessageNoPara(UI_hTitleBar, UI_MSG_REFRESH);
  EXPECT_EQ(UI_NodeStatus.NumIndicators, 3);
  EXPECT_EQ(UI_NodeStatus.Flags, 1);
  EXPECT_EQ(UI_NodeStatus.Seconds, MAIN_TEST_SECONDS);
  // A node that never answered shows nothing, not the state of the node shown before.
  SDO_TimeoutMs = 0;
  Node = fakenode::kNode + 1;
  WM_SetUserData(UI_hTitleBar, &Node, 4);
  WM_SendMessageNoPara(UI_hTitleBar, UI_MSG_REFRESH);
  EXPECT_EQ(UI_NodeStatus.NumIndicators, 0);
  EXPECT_EQ(UI_NodeStatus.Seconds, 0);
  SDO_TimeoutMs = 1000;
  fakenode::Remove();
  Node = 0;
  WM_SetUserData(UI_hTitleBar, &Node, 4);
}

TEST_F(TitleBarTest, TouchColumnsOpenTheirMenus) {
  ASSERT_EQ(UI_NodeStatus.NumIndicators, 16);  // one per output
  Touch(100, 15);
  EXPECT_EQ(UI_MenuStackInstance.GetNode(), 0x45800u);
  Touch(400, 15);
  EXPECT_EQ(UI_MenuStackInstance.GetNode(), 0xD5800u);
  Touch(315, 15);
  EXPECT_EQ(UI_MenuStackInstance.GetNode(), 0x65800u);
  EXPECT_EQ(UI_MenuStackInstance.GetHistoryDepth(), 3);
}

TEST_F(TitleBarTest, TouchAt290DoesNothingWithoutAMessage) {
  UI_PendingMessage = 0;
  Touch(290, 15);
  EXPECT_EQ(UI_PendingMessage, 0u);
  EXPECT_EQ(UI_MenuStackInstance.GetNode(), uint32_t(UI_ROOT_MENU));
}

TEST_F(TitleBarTest, TouchAt290AcknowledgesTheActiveMessages) {
  FKT_InstallFunctionModules();
  FUNKTION_BASIS_PAR* p = nullptr;
  ASSERT_EQ(FKT_CreateObject(FKT_TYPE_MESSAGE, 0, &p), FKT_OK);
  p->GetPoolBlock()[0] = 1;  // active
  UI_NodeStatus.Flags |= 1;
  UI_PendingMessage = 0;
  Touch(290, 15);
  EXPECT_EQ(p->GetPoolBlock()[11], 1u);
  EXPECT_EQ(UI_PendingMessage, 1u);
  EXPECT_EQ(OS_EventWait(APP_hMenuEvent, 0), OS_WAIT_TAKEN);
}

TEST_F(TitleBarTest, ASwipeOrAnOpenDialogIgnoresTheTouch) {
  Pointer(400, 15, 1);
  PointerMoved = 1;
  Pointer(400, 15, 0);
  PointerMoved = 0;
  EXPECT_EQ(UI_MenuStackInstance.GetNode(), uint32_t(UI_ROOT_MENU));
  UI_hEntryDialog = UI_hTitleBar;  // any window stands for the dialog
  Touch(400, 15);
  UI_hEntryDialog = 0;
  EXPECT_EQ(UI_MenuStackInstance.GetNode(), uint32_t(UI_ROOT_MENU));
}

}  // namespace
