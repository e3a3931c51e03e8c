// The scrolled selection list: wheel notches (the motion they start and the time the thread is busy with it,
// measured through the test clock), motion steps far out of range, and the numbered, image and edit modes.
#include <climits>
#include <string>
#include <vector>

#include "UI_GraphicsCache.h"
#include "UI_SelectList.h"
#include "main_fixture.h"

namespace {

const char16_t* _apRows[] = {u"Row 0",  u"Row 1",  u"Row 2",  u"Row 3",  u"Row 4",  u"Row 5",  u"Row 6",
                             u"Row 7",  u"Row 8",  u"Row 9",  u"Row 10", u"Row 11", u"Row 12", u"Row 13"};

const char16_t* _Provider(int Item, int Part) {
  static const char16_t* const aName[] = {u"Pump", u"Valve", u"Fan", u"Mixer", u"Burner", u"Boiler"};
  if (Item < 0 || Item > 5) return Part ? u"?" : u"None";
  return Part ? u"on" : aName[Item];
}

class SelectListTest : public MainScreenTest {
 protected:
  void SetUp() override {
    MainScreenTest::SetUp();
    hReceiver = WM_CreateWindowAsChild(20, 60, 200, 40, Page(), 0, _cbReceiver, 0);
    Chosen.clear();
  }
  void TearDown() override {
    if (UI_hListWin) WM_SendMessageNoPara(UI_hListWin, UI_MSG_CLOSED);
    UI_DeleteGraphicsCache();
    MainScreenTest::TearDown();
  }
  void Open(int Mode, const UI_ItemTexts* pTexts, const UI_ItemValues* pValues, int Current) {
    UI_ListInfo Info = {};
    Info.pTexts = pTexts;
    Info.pValues = pValues;
    Info.Mode = int16_t(Mode);
    Info.Current = int16_t(Current);
    Info.Margin = 6;
    UI_ELEMENT_RECT r = {20, 60, 220, 100};
    UI_CreateScrollList(hReceiver, &Info, &r, 1);
    Settle();
  }
  static WM_HWIN TouchLayer() { return WM_GetFirstChild(UI_hListWin); }
  static void Wheel(int n) {
    WM_MESSAGE Msg = {};
    Msg.MsgId = WM_WHEEL;
    Msg.Data.v = n;
    WM_SendMessage(TouchLayer(), &Msg);
  }
  static void Motion(int dy) {
    WM_MOTION_INFO m = {};
    m.Cmd = WM_MOTION_MOVE;
    m.dy = dy;
    WM_MESSAGE Msg = {};
    Msg.MsgId = WM_MOTION;
    Msg.Data.p = &m;
    WM_SendMessage(TouchLayer(), &Msg);
  }
  // Milliseconds in which the GUI had work, one millisecond at a time, until it has none left (at most Limit).
  int BusyMs(int Limit) {
    int Busy = 0;
    while (Busy < Limit && GUI_Exec()) {
      Clock.Advance(1);
      Busy++;
    }
    return Busy;
  }
  static void _cbReceiver(WM_MESSAGE* pMsg) {
    if (pMsg->MsgId == UI_MSG_SELECTION_DONE) Chosen.push_back(int(pMsg->Data.v));
  }
  WM_HWIN hReceiver = 0;
  UI_ItemTexts Rows = {_apRows, 14};
  static std::vector<int> Chosen;
};
std::vector<int> SelectListTest::Chosen;

TEST_F(SelectListTest, WheelNotchesAddUpAndTheThreadGoesIdleWhenTheListStops) {
  Open(0, &Rows, nullptr, 2);
  ASSERT_TRUE(UI_hListWin);
  ASSERT_EQ(UI_ScrollListRow(), 2);
  int y0 = WM_GetWindowPosY(UI_hListWin);
  for (int i = 0; i < 5; i++) Wheel(-1);  // five notches down, one after the other
  EXPECT_LT(BusyMs(60000), 300);
  EXPECT_EQ(UI_ScrollListRow(), 7);
  EXPECT_EQ(WM_GetWindowPosY(UI_hListWin), y0 - 5 * UI_LIST_ROW);
  // A thousand notches take no longer than one: the list stops at its last row.
  Wheel(-1000);
  EXPECT_LT(BusyMs(60000), 300);
  EXPECT_EQ(UI_ScrollListRow(), 13);
  // At the end a notch further moves nothing and keeps nothing running.
  Wheel(-1);
  EXPECT_EQ(BusyMs(60000), 0);
  Wheel(3);
  EXPECT_LT(BusyMs(60000), 300);
  EXPECT_EQ(UI_ScrollListRow(), 10);
}

TEST_F(SelectListTest, StepsFarOutOfRangeStopAtTheEnds) {
  Open(0, &Rows, nullptr, 2);
  Motion(INT_MIN);
  EXPECT_EQ(UI_ScrollListRow(), 13);
  Motion(INT_MAX);
  EXPECT_EQ(UI_ScrollListRow(), 0);
  Motion(-45);
  EXPECT_EQ(UI_ScrollListRow(), 1);
  Wheel(INT_MIN);
  BusyMs(1000);
  EXPECT_EQ(UI_ScrollListRow(), 13);
  Wheel(INT_MAX);
  BusyMs(1000);
  EXPECT_EQ(UI_ScrollListRow(), 0);
}

TEST_F(SelectListTest, NumberedRowsTakeTheirTextsFromTheProvider) {
  UI_ItemTexts Provided = {reinterpret_cast<const char16_t**>(_Provider), 3};
  Open(5, &Provided, nullptr, 1);  // without values: one row per item of the count
  ASSERT_TRUE(UI_hListWin);
  EXPECT_EQ(WM_GetWindowSizeY(UI_hListWin), 3 * UI_LIST_ROW + 4);
  EXPECT_EQ(UI_ScrollListRow(), 1);
  EXPECT_TRUE(golden::Matches("controller/ui/select_list_numbered", golden::CaptureLCD()));
  WM_SendMessageNoPara(UI_hListWin, UI_MSG_BACK);
  EXPECT_EQ(Chosen, std::vector<int>{1});
  // With values the number is the value's; -1 has none.
  uint32_t aValues[] = {4, uint32_t(-1), 5};
  UI_ItemValues Values = {aValues, 3};
  Open(5, &Provided, &Values, 5);
  ASSERT_TRUE(UI_hListWin);
  EXPECT_EQ(UI_ScrollListRow(), 2);
  EXPECT_TRUE(golden::Matches("controller/ui/select_list_numbered_values", golden::CaptureLCD()));
  WM_SendMessageNoPara(UI_hListWin, UI_MSG_BACK);
  EXPECT_EQ(Chosen, (std::vector<int>{1, 5}));
}

TEST_F(SelectListTest, ImageAndEditModesShowTheirPictures) {
  ASSERT_EQ(UI_LoadGraphics(), 0);
  UI_ItemTexts Three = {_apRows, 3};
  Open(4, &Three, nullptr, 0);
  ASSERT_TRUE(UI_hListWin);
  EXPECT_GE(WM_GetWindowSizeX(UI_hListWin), 30 + 12);
  EXPECT_TRUE(golden::Matches("controller/ui/select_list_image", golden::CaptureLCD()));
  WM_SendMessageNoPara(UI_hListWin, UI_MSG_CLOSED);
  Settle();
  Open(6, &Three, nullptr, 0);
  ASSERT_TRUE(UI_hListWin);
  EXPECT_TRUE(golden::Matches("controller/ui/select_list_edit", golden::CaptureLCD()));
}

}  // namespace
