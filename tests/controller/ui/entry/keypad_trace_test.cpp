// The keypad driven as a user drives it: pointer traces over its keys (a finger that slides), the PC keyboard
// after a side button was touched, one keypad replacing another.
#include "UI_GraphicsCache.h"
#include "UI_SelectList.h"
#include "UI_ValueEntry.h"
#include "main_fixture.h"

namespace {

class KeypadTraceTest : public MainScreenTest {
 protected:
  void SetUp() override {
    MainScreenTest::SetUp();
    hReceiver = WM_CreateWindowAsChild(0, 0, 10, 10, UI_hPageArea, 0, _cbReceiver, 0);
    Received.clear();
  }
  void TearDown() override {
    if (UI_hEntryDialog) WM_SendMessageNoPara(UI_hEntryDialog, UI_MSG_CLOSED);
    UI_DeleteGraphicsCache();
    MainScreenTest::TearDown();
  }
  void Open(int32_t Value, int32_t Lower, int32_t Upper, uint8_t Unit) {
    Limits = {Lower, Upper, Value, Unit};
    Info = {u"Setpoint", &Limits, hReceiver, 7, 0, Value};
    UI_CreateValueEntry(0, &Info);
    Settle();
  }
  // Screen point in the middle of key k of the open keypad.
  static int KeyX(int k) { return WM_GetWindowPosX(UI_hEntryDialog) + (UI_ValueEntryKeys[k][0] + UI_ValueEntryKeys[k][2]) / 2; }
  static int KeyY(int k) { return WM_GetWindowPosY(UI_hEntryDialog) + (UI_ValueEntryKeys[k][1] + UI_ValueEntryKeys[k][3]) / 2; }
  static void Key(int c) {
    GUI_StoreKeyMsg(c, 1);
    GUI_StoreKeyMsg(c, 0);
    Settle();
  }
  static void _cbReceiver(WM_MESSAGE* pMsg) {
    if (pMsg->MsgId == UI_MSG_VALUE_DONE) Received.push_back(int32_t(pMsg->Data.v));
  }
  WM_HWIN hReceiver = 0;
  UI_ValueLimits Limits;
  UI_ValueEntryInfo Info;
  static std::vector<int32_t> Received;
};
std::vector<int32_t> KeypadTraceTest::Received;

TEST_F(KeypadTraceTest, AKeyHeldAndSlidOffStopsRepeating) {
  Open(0, 0, 1000, 0);
  Pointer(KeyX(16), KeyY(16), 1);  // "+"
  Advance(650);                     // the first repetition
  EXPECT_EQ(UI_EntryFields[0].Value, 1);
  Pointer(200, 20, 1);  // slid into the title line, still pressed
  for (int i = 0; i < 20; i++) Advance(100);
  EXPECT_EQ(UI_EntryFields[0].Value, 1);
  Pointer(200, 20, 0);
  Advance(100);
  EXPECT_EQ(UI_EntryFields[0].Value, 1);
}

TEST_F(KeypadTraceTest, AKeySlidOntoAnotherAppliesTheOneReleased) {
  Open(0, 0, 1000, 0);
  Pointer(KeyX(1), KeyY(1), 1);
  Advance(50);
  Pointer(KeyX(2), KeyY(2), 1);
  Advance(50);
  Pointer(KeyX(2), KeyY(2), 0);
  Advance(50);
  EXPECT_EQ(UI_EntryFields[0].Value, 2);
}

TEST_F(KeypadTraceTest, ThePcKeyboardStillReachesTheKeypadAfterASideButton) {
  Open(0, 0, 100, 0);
  Key('5');
  Key('0');
  Key('0');  // 500: above the upper limit
  Touch(UI_SIDE_BUTTON_X + 20, UI_BACK_BUTTON_Y + 40);  // OK, refused
  ASSERT_TRUE(UI_hEntryDialog);
  EXPECT_TRUE(Received.empty());
  Key(GUI_KEY_BACKSPACE);
  EXPECT_EQ(UI_EntryFields[0].Value, 50);
  Key(GUI_KEY_ENTER);
  EXPECT_EQ(Received, std::vector<int32_t>{50});
  EXPECT_FALSE(UI_hEntryDialog);
}

TEST_F(KeypadTraceTest, AKeypadReplacingAnotherEntryLeavesNoStaleHandle) {
  Open(0, 0, 100, 0);
  Open(5, 0, 100, 0);
  alignas(2) static const uint8_t aItem[] = {0, 3, 'A', 0, 0, 0};
  const char16_t* apItems[] = {reinterpret_cast<const char16_t*>(aItem)};
  UI_ItemTexts Items = {apItems, 1};
  UI_BitSelectionInfo Bits = {hReceiver, u"Bits", 0, 0, 0, 1, &Items};
  UI_CreateBitSelection(hReceiver, &Bits);
  Settle();
  Open(7, 0, 100, 0);
  EXPECT_EQ(Errors(), std::vector<std::string>{});
  EXPECT_EQ(Warnings(), std::vector<std::string>{});
  // The side buttons are the keypad's: Cancel closes it and gives them back to the page.
  Touch(UI_SIDE_BUTTON_X + 20, UI_HOME_BUTTON_Y + 40);
  EXPECT_FALSE(UI_hEntryDialog);
  EXPECT_EQ(WM_GetCallback(UI_hHomeButton), UI_SideButtonCallback);
  EXPECT_EQ(Errors(), std::vector<std::string>{});
}

}  // namespace
