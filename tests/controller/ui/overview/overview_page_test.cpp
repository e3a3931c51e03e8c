// Overview pages: every element kind drawn, live values, switches, links with levels and passwords, the history,
// page files without a design, and the limits of a page.
#include "overview_test_util.h"

#include "FKT_Access.h"
#include "UI_Startup.h"
#include "UI_EntryDispatch.h"
#include "WHIRL.h"
#include "../entry_fake_node.h"

using namespace ovtest;

namespace {

TEST_F(OverviewTest, EveryElementKindIsShown) {
  IO_FixedValues[0].SetParameter(2, 1, 0);  // the first switch and the push button show state 1
  ShowDesign({EveryKind(), {Link(10, 10, 40, 40, 0)}});
  EXPECT_TRUE(WM_IsVisible(UI_hMainWin));
  EXPECT_EQ(UI_OverviewPageInstance.GetCurrentPage(), 0);
  EXPECT_EQ(Elements(), 8);
  // The right-aligned field keeps its right edge as it fits its text; the remote one read nothing.
  const UI_ElementState* pRemote = UI_OverviewPageInstance.GetState(3);
  EXPECT_EQ(pRemote->aDesc[0], 0);
  WM_HWIN hInput = Child(UI_hOverviewWin, 2);
  EXPECT_EQ(WM_GetWindowPosX(hInput) + WM_GetWindowSizeX(hInput), 470);
  EXPECT_TRUE(golden::Matches("controller/ui/overview_page_every_kind", golden::CaptureLCD()));
}

TEST_F(OverviewTest, ASwitchWritesTheInverseAndShowsItAfterTheReread) {
  ShowDesign({EveryKind()});
  IO_FixedValues[0].SetParameter(2, 0, 0);
  Advance(1000);
  ASSERT_EQ(UI_OverviewPageInstance.GetState(5)->Value, 0);
  TouchIn(Child(UI_hOverviewWin, 5), 20, 20);
  Advance(400);
  EXPECT_EQ(IO_FixedValues[0].GetParameter(2), 1);
  EXPECT_EQ(UI_OverviewPageInstance.GetState(5)->Value, 1);
  // The push button writes 1 while held and 0 at the release.
  WM_HWIN hPush = Child(UI_hOverviewWin, 7);
  int x = WM_GetWindowPosX(hPush) + 20, y = WM_GetWindowPosY(hPush) + 20;
  Pointer(x, y, 1);
  EXPECT_EQ(IO_FixedValues[0].GetParameter(2), 1);
  EXPECT_EQ(UI_hTimerMomentary, 0);  // the own node hears the push: no repeat
  IO_FixedValues[0].SetParameter(2, 0, 0);
  Pointer(x, y, 1);  // held: no second write
  EXPECT_EQ(IO_FixedValues[0].GetParameter(2), 0);
  Pointer(x, y, 0);
  EXPECT_EQ(IO_FixedValues[0].GetParameter(2), 0);
  EXPECT_EQ(UI_hQuickLayer, 0);
}

TEST_F(OverviewTest, AFieldOpensTheEntryScreenAndWritesTheValueBack) {
  ShowDesign({EveryKind()});
  WM_HWIN hField = Child(UI_hOverviewWin, 1);
  TouchIn(hField, 5, 5);
  EXPECT_TRUE(UI_hEntryDialog || UI_hListWin);  // the selection of the mode
  WM_MESSAGE Msg = {};
  Msg.MsgId = UI_MSG_VALUE_DONE;
  Msg.hWinSrc = WM_HWIN(UI_OverviewPageInstance.GetState(1)->aDesc[0]);
  Msg.Data.v = 0;
  WM_SendMessage(hField, &Msg);
  EXPECT_EQ(UI_OverviewPageInstance.GetState(1)->Changed, 0);  // shown at once
}

TEST_F(OverviewTest, LinksFollowTheLevelAndGrowTheHistory) {
  std::vector<DSG_ELEMENT> p0 = {Link(0, 0, 50, 50, 1), Link(60, 0, 110, 50, 2, 1), Link(120, 0, 170, 50, 0xFFFFFFFF)};
  ShowDesign({p0, {Link(0, 0, 50, 50, 0)}, {}});
  EXPECT_EQ(Elements(), 2);  // a link to no page gets no window
  Touch(80, 20);             // technician level needed
  EXPECT_EQ(UI_OverviewPageInstance.GetCurrentPage(), 0);
  Touch(20, 20);
  EXPECT_EQ(UI_OverviewPageInstance.GetCurrentPage(), 1);
  EXPECT_EQ(UI_OverviewPageInstance.PeekHistory(), 0);
  FKT_AccessLevels[0].Level = FKT_LEVEL_TECHNICIAN;
  Touch(20, 20);
  Touch(80, 20);
  EXPECT_EQ(UI_OverviewPageInstance.GetCurrentPage(), 2);
  // Back (the design layout hides the side buttons: the host's back command) walks the history back.
  UI_SendBack();
  Settle();
  EXPECT_EQ(UI_OverviewPageInstance.GetCurrentPage(), 0);
  FKT_AccessLevels[0].Level = FKT_LEVEL_USER;
}

TEST_F(OverviewTest, APasswordLinkOpensOnlyForTheRightText) {
  DSG_ELEMENT e = Link(0, 0, 50, 50, 1, DSG_LEVEL_PASSWORD);
  const uint8_t Bytes[] = {'a', 0, 'b', 0};
  WHIRL_Hash(Bytes, 4, e.a + 18);
  ShowDesign({{e}, {}});
  WM_HWIN hLink = Child(UI_hOverviewWin, 0);
  for (const char16_t* s : {u"", u"ab ", u"a", u"ab"}) {
    std::u16string t = s;
    std::copy(t.begin(), t.end(), UI_TextBuffer);
    UI_TextBuffer[t.size()] = 0;
    WM_SendMessageNoPara(hLink, UI_MSG_TEXT_DONE);
    Settle();
    EXPECT_EQ(UI_OverviewPageInstance.GetCurrentPage(), t == u"ab" ? 1 : 0) << t.size();
  }
}

TEST(OverviewHistory, KeepsTheLastNineteenPages) {
  UI_OverviewPage Page;
  EXPECT_EQ(Page.PopHistory(), -1);
  for (int i = 0; i < 25; i++) {
    // Each push stores the page shown before, as the loader leaves it.
    struct Access : UI_OverviewPage {};
    Page.PushHistory();
  }
  int n = 0;
  while (Page.PopHistory() >= 0) n++;
  EXPECT_EQ(n, 19);
  EXPECT_EQ(Page.PeekHistory(), -1);
}

TEST_F(OverviewTest, PushedPagesComeBackNewestFirst) {
  std::vector<std::vector<DSG_ELEMENT>> Pages;
  for (int i = 0; i < 26; i++) Pages.push_back({Link(0, 0, 50, 50, uint32_t(i + 1))});
  ShowDesign(Pages);
  for (int i = 0; i < 25; i++) Touch(20, 20);
  ASSERT_EQ(UI_OverviewPageInstance.GetCurrentPage(), 25);
  for (int i = 24; i >= 6; i--) EXPECT_EQ(UI_OverviewPageInstance.PopHistory(), i);
  EXPECT_EQ(UI_OverviewPageInstance.PopHistory(), -1);
}

TEST_F(OverviewTest, PageLimitsAndBrokenElements) {
  std::vector<DSG_ELEMENT> Many;
  for (int i = 0; i < 70; i++) Many.push_back(Action(DSG_EL_DISPLAY, i, 0, i + 5, 5, kDate, u""));
  DSG_ELEMENT BadFont = Value(DSG_EL_TOGGLE, 0, 0, 10, 10, kFixed1, u"", u"");
  BadFont.a[32] = 7;
  ShowDesign({Many, {BadFont}});
  EXPECT_EQ(Elements(), 64);
  size_t n;
  EXPECT_NE(UI_OverviewPageInstance.GetPicture(&n), nullptr);
  EXPECT_EQ(n, PagePicture(0).size());  // found behind all 70 records
  EXPECT_EQ(UI_OverviewPageInstance.Load(1), 0);
  EXPECT_EQ(Elements(), 0);
  EXPECT_EQ(UI_OverviewPageInstance.Load(2), 1);  // no such page: the shown one stays
  EXPECT_EQ(UI_OverviewPageInstance.GetCurrentPage(), 1);
}

TEST_F(OverviewTest, PageFilesServeWithoutADesign) {
  std::string Folder = this->Folder.Path.string();
  DSG_pPagesFolder = Folder.c_str();
  this->Folder.Write("1.q7f", DSG_WritePage({Action(DSG_EL_DISPLAY, 10, 10, 200, 34, kDate, u"Date ")}, PagePicture(0xEF5D)));
  DSG_BYTES Bad = DSG_WritePage({Link(0, 0, 5, 5, 0)}, PagePicture(0));
  Bad.resize(Bad.size() - 1);  // the picture is cut short
  this->Folder.Write("2.q7f", Bad);
  GUI_Lock();
  EXPECT_EQ(UI_GoHome(), 1);
  GUI_Unlock();
  EXPECT_EQ(Elements(), 1);
  EXPECT_EQ(UI_OverviewPageInstance.Load(1), 0);  // taken over, but nothing of it is built
  EXPECT_EQ(UI_OverviewPageInstance.GetCurrentPage(), 1);
  EXPECT_EQ(Elements(), 0);
  size_t n;
  EXPECT_EQ(UI_OverviewPageInstance.GetPicture(&n), nullptr);
  EXPECT_EQ(UI_OverviewPageInstance.Load(2), 1);
  DSG_pPagesFolder = nullptr;
}

}  // namespace

namespace {

// A push button of another node is written again every second while held: the node forgets a push it does not
// hear again.
TEST_F(OverviewTest, AHeldPushButtonOfAnotherNodeRepeatsEverySecond) {
  fakenode::Install();
  ShowDesign({{Value(DSG_EL_MOMENTARY, 10, 10, 200, 60, uint32_t(fakenode::kNode) << 24 | 0x3601, u"a", u"b")}});
  SDO_TimeoutMs = 1000;  // the node answers at once
  Pointer(50, 30, 1);
  ASSERT_NE(UI_hTimerMomentary, 0);
  EXPECT_EQ(WM_GetTimerId(UI_hTimerMomentary), 1);
  for (int i = 0; i < 35; i++) Advance(100);
  Pointer(50, 30, 0);
  EXPECT_EQ(UI_hTimerMomentary, 0);
  std::vector<int> Values;
  for (const auto& w : fakenode::Writes()) Values.push_back(w.Data.size() > 1 ? w.Data[1] : -1);
  EXPECT_EQ(Values, (std::vector<int>{1, 1, 1, 1, 0}));
  EXPECT_EQ(UI_hQuickLayer, 0);  // a push is no long press
  fakenode::Remove();
}

}  // namespace
