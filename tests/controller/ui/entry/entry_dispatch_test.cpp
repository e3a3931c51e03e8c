// The menu-entry dispatcher against a remote node on a loopback bus: description aliases, the tables it fills
// for the selection screens, the limits it hands to the keypad, and the bytes it writes back.
#include <string>

#include "SDO_Client.h"
#include "UI_EntryDispatch.h"
#include "UI_SelectList.h"
#include "UI_ValueEntry.h"
#include "entry_fake_node.h"
#include "main_fixture.h"

namespace {

constexpr uint32_t kNode5 = uint32_t(fakenode::kNode) << 24;

std::vector<WM_MESSAGE> g_Results;
void _Receiver(WM_MESSAGE* pMsg) {
  if (pMsg->MsgId >= UI_MSG_SELECTION_DONE && pMsg->MsgId <= UI_MSG_BITS_DONE) g_Results.push_back(*pMsg);
  if (pMsg->MsgId == WM_PAINT || pMsg->MsgId >= UI_MSG_SELECTION_DONE) return;
  WM_DefaultProc(pMsg);
}

int g_TextMax;
int _FakeTextEntry(WM_HWIN, const char16_t*, int MaxLen, int) {
  g_TextMax = MaxLen;
  return 1;
}

class DispatchTest : public MainScreenTest {
 protected:
  void SetUp() override {
    MainScreenTest::SetUp();
    fakenode::Install();
    g_Results.clear();
    hReceiver = WM_CreateWindowAsChild(30, 40, 370, 43, UI_hPageArea, WM_CF_SHOW, _Receiver, 0);
  }
  void TearDown() override {
    fakenode::Remove();
    UI_pfOpenTextEntry = nullptr;
    UI_pfOpenFileNameEntry = nullptr;
    SDO_TimeoutMs = 1000;
    MainScreenTest::TearDown();
  }
  static void Serve(uint16_t Index, uint8_t Sub, std::vector<uint8_t> v) { fakenode::Objects()[{Index, Sub}] = v; }
  static std::u16string TextOf(const char16_t* p) { return p ? std::u16string(p) : u"(null)"; }
  WM_HWIN hReceiver = 0;
};

TEST(EntryAddress, DescriptionsAreReadAtTheirAliasAndOnlyView2IsWrittenThere) {
  EXPECT_EQ(UI_EntryDescAddress(0x05002345), 0x05004345u);
  EXPECT_EQ(UI_EntryDescAddress(0x05001345), 0x05004345u);
  EXPECT_EQ(UI_EntryDescAddress(0x05005345), 0x05005345u);
  EXPECT_EQ(UI_EntryDescAddress(0x05037345), 0x05037345u);
  EXPECT_EQ(UI_EntryWriteAddress(0x05002345), 0x05004345u);
  EXPECT_EQ(UI_EntryWriteAddress(0x05001345), 0x05001345u);
  EXPECT_EQ(UI_EntryWriteAddress(0x05005345), 0x05005345u);
}

TEST_F(DispatchTest, WritesCarryTheTypeAndTheValueInTheWidthOfTheClass) {
  EXPECT_EQ(UI_WriteMenuEntry(kNode5 | 0x2345, 0x41, 0x1234), 1);
  EXPECT_EQ(UI_WriteMenuEntry(kNode5 | 0x3345, 0x11, 3), 1);
  EXPECT_EQ(UI_WriteMenuEntry(kNode5 | 0x3345, 0x51, -2), 1);
  ASSERT_EQ(fakenode::Writes().size(), 3u);
  EXPECT_EQ(fakenode::Writes()[0].Index, 0x4345);
  EXPECT_EQ(fakenode::Writes()[0].Data, (std::vector<uint8_t>{0x41, 0x34, 0x12}));
  EXPECT_EQ(fakenode::Writes()[1].Index, 0x3345);
  EXPECT_EQ(fakenode::Writes()[1].Data, (std::vector<uint8_t>{0x11, 3}));
  EXPECT_EQ(fakenode::Writes()[2].Data, (std::vector<uint8_t>{0x51, 0xFE, 0xFF, 0xFF, 0xFF}));
}

TEST_F(DispatchTest, AValueTableListKeepsTheOrderOfTheDescription) {
  Serve(0x4100, 0, {0x12, 7, 3, 0x00, 0x11});
  Serve(0x1100, 0, fakenode::Item(3, u"three"));
  Serve(0x1100, 1, fakenode::Item(7, u"seven"));
  Serve(0x1100, 2, fakenode::Item(5, u"five"));
  EXPECT_NE(UI_EditMenuEntry(0, kNode5 | 0x2100, hReceiver, nullptr, 0), 0);
  EXPECT_EQ(UI_EntryItemTexts.Count, 8);
  ASSERT_EQ(UI_EntryItemValues.Count, 3);
  EXPECT_EQ(UI_EntryItemValues.pValues[0], 3u);
  EXPECT_EQ(UI_EntryItemValues.pValues[1], 7u);
  EXPECT_EQ(UI_EntryItemValues.pValues[2], 5u);
  EXPECT_EQ(TextOf(UI_EntryItemTexts.ppTexts[7]), u"seven");
  ASSERT_TRUE(UI_hListWin);
  EXPECT_EQ(UI_ScrollListRow(), 1);  // the current value 7 stands under the bar
  WM_SendMessageNoPara(UI_hListWin, UI_MSG_BACK);  // OK
  Settle();
  ASSERT_EQ(g_Results.size(), 1u);
  EXPECT_EQ(g_Results[0].MsgId, UI_MSG_SELECTION_DONE);
  EXPECT_EQ(g_Results[0].hWinSrc, 0x12);
  EXPECT_EQ(g_Results[0].Data.v, 7);
}

TEST_F(DispatchTest, APlainListStoresTextsByValueAndTheLastOfTwoEqualValuesWins) {
  Serve(0x4100, 0, {0x11, 0, 3, 0x00, 0x11});
  Serve(0x1100, 0, fakenode::Item(0, u"zero"));
  Serve(0x1100, 1, fakenode::Item(1, u"one"));
  Serve(0x1100, 2, fakenode::Item(1, u"uno"));
  UI_EditMenuEntry(0, kNode5 | 0x2100, hReceiver, nullptr, 0);
  EXPECT_EQ(TextOf(UI_EntryItemTexts.ppTexts[0]), u"zero");
  EXPECT_EQ(TextOf(UI_EntryItemTexts.ppTexts[1]), u"uno");
  // Cursor keys move the bar within the rows; the upper side button cancels without a result.
  GUI_StoreKeyMsg(GUI_KEY_DOWN, 1);
  Settle();
  EXPECT_EQ(UI_ScrollListRow(), 1);
  for (int i = 0; i < 4; i++) {
    GUI_StoreKeyMsg(GUI_KEY_DOWN, 1);
    Settle();
  }
  EXPECT_EQ(UI_ScrollListRow(), 2);
  Touch(460, 90);
  EXPECT_FALSE(UI_hListWin);
  EXPECT_TRUE(g_Results.empty());
}

TEST_F(DispatchTest, ListCountsNeverRunPastTheTables) {
  // A node that announces 200 items, each with its position as value and a long text.
  Serve(0x4100, 0, {0x11, 0, 200, 0x00, 0x11});
  std::u16string Long(60, u'x');
  for (int p = 0; p < 200; p++) Serve(0x1100, uint8_t(p), fakenode::Item(uint8_t(p), Long.c_str()));
  UI_EditMenuEntry(0, kNode5 | 0x2100, hReceiver, nullptr, 0);
  EXPECT_LE(UI_EntryItemTexts.Count, UI_MAX_ITEMS);
  // The item area holds what fits; every stored text ends inside it.
  int Stored = 0;
  for (int i = 0; i < UI_MAX_ITEMS; i++)
    if (UI_EntryItemTexts.ppTexts[i]) {
      EXPECT_EQ(TextOf(UI_EntryItemTexts.ppTexts[i]).size(), Long.size());
      Stored++;
    }
  EXPECT_GT(Stored, 0);
  EXPECT_LT(Stored, 200);
}

TEST_F(DispatchTest, ATextEntryIsLimitedTo25Characters) {
  UI_pfOpenTextEntry = _FakeTextEntry;
  UI_pfOpenFileNameEntry = nullptr;
  std::vector<uint8_t> d = {0x18, 40};
  std::u16string s(40, u'a');
  for (char16_t c : s) d.push_back(uint8_t(c)), d.push_back(0);
  d.push_back(0), d.push_back(0);
  Serve(0x4200, 0, d);
  UI_EditMenuEntry(0, kNode5 | 0x2200, hReceiver, nullptr, 0);
  EXPECT_EQ(g_TextMax, 25);
  EXPECT_EQ(std::u16string(UI_TextBuffer).size(), 24u);
}

TEST_F(DispatchTest, SignedLimitsAreSignExtendedAndHandedToTheKeypad) {
  Serve(0x4300, 0, {0x41, 1, 0x10, 0x00, 0x00, 0x80, 0xFF, 0xFF});
  UI_EditMenuEntry(0, kNode5 | 0x2300, hReceiver, nullptr, 0);
  EXPECT_EQ(UI_EntryLimits.Value, 16);
  EXPECT_EQ(UI_EntryLimits.Lower, -32768);
  EXPECT_EQ(UI_EntryLimits.Upper, -1);
  EXPECT_EQ(UI_EntryLimits.Unit, 1);
  ASSERT_TRUE(UI_hEntryDialog);
  WM_SendMessageNoPara(UI_hEntryDialog, UI_MSG_CLOSED);
  Settle();
  EXPECT_FALSE(UI_hEntryDialog);
  EXPECT_TRUE(g_Results.empty());
}

TEST_F(DispatchTest, ABitSetOpensTheBitSelectionAndAnExclusiveChoiceSendsOneBit) {
  Serve(0x4400, 0, {0x22, 0x04, 0, 0, 0, 3, 0x00, 0x14});
  Serve(0x1400, 0, fakenode::Item(0, u"A"));
  Serve(0x1400, 1, fakenode::Item(1, u"B"));
  Serve(0x1400, 2, fakenode::Item(2, u"C"));
  EXPECT_NE(UI_EditMenuEntry(0, kNode5 | 0x2400, hReceiver, nullptr, 0), 0);
  ASSERT_TRUE(UI_hEntryDialog);
  WM_HWIN hFirst = WM_GetFirstChild(UI_hEntryDialog);
  ASSERT_TRUE(hFirst);
  Settle();
  EXPECT_TRUE(golden::Matches("controller/ui/select_bits", golden::CaptureLCD()));
  Touch(WM_GetWindowPosX(hFirst) + 20, WM_GetWindowPosY(hFirst) + 20);
  WM_SendMessageNoPara(UI_hEntryDialog, UI_MSG_BACK);
  Settle();
  ASSERT_EQ(g_Results.size(), 1u);
  EXPECT_EQ(g_Results[0].MsgId, UI_MSG_BITS_DONE);
  EXPECT_EQ(g_Results[0].Data.v, 1);
}

TEST_F(DispatchTest, AnUnreadableDescriptionOpensNothing) {
  EXPECT_EQ(UI_EditMenuEntry(0, kNode5 | 0x2999, hReceiver, nullptr, 0), 0);
  fakenode::Remove();
  SDO_TimeoutMs = 0;  // a node that does not answer
  EXPECT_EQ(UI_EditMenuEntry(0, kNode5 | 0x2300, hReceiver, nullptr, 0), 0);
  EXPECT_FALSE(UI_hEntryDialog);
  EXPECT_FALSE(UI_hListWin);
  EXPECT_EQ(UI_WriteMenuEntry(kNode5 | 0x2300, 0x31, 1), 0);
}

}  // namespace
