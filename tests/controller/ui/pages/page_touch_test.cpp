// Value-line pages on the main screen: a touch on a value opens the keypad and the confirmed value reaches the
// controller object; refused values, choice lists, the access prompt and the network page.
#include "FKT_Access.h"
#include "OBJ_Access.h"
#include "SET_Objects.h"
#include "UI_ElementLine.h"
#include "UI_EntryDispatch.h"
#include "UI_MenuPage.h"
#include "UI_SelectList.h"
#include "UI_ValueEntry.h"
#include "main_fixture.h"

namespace {

constexpr uint32_t kFixedValues = 0x5803;  // one line per fixed value, its value in an editable box
constexpr uint32_t kFixedValue1 = 0x50C0;  // the page of fixed value 1: a choice line first
constexpr int kBackX = 460, kBackY = 205, kHomeX = 460, kHomeY = 90;

// The text entry is another screen's: a stand-in remembers who asked.
WM_HWIN g_TextReceiver;
const char16_t* g_TextTitle;
int _FakeTextEntry(WM_HWIN hReceiver, const char16_t* pTitle, int, int) {
  g_TextReceiver = hReceiver;
  g_TextTitle = pTitle;
  return 1;
}

class PageTest : public MainScreenTest {
 protected:
  void SetUp() override {
    MainScreenTest::SetUp();
    UI_InstallMenuPages();
    UI_pfOpenTextEntry = _FakeTextEntry;
    UI_pfOpenFileNameEntry = nullptr;
    g_TextReceiver = 0;
    g_TextTitle = nullptr;
  }
  void TearDown() override {
    UI_pfOpenTextEntry = nullptr;
    UI_pfOpenFileNameEntry = nullptr;
    MainScreenTest::TearDown();
  }
  // Screen centre of a keypad key.
  static void KeyPos(int Key, int* px, int* py) {
    const int16_t* r = UI_ValueEntryKeys[Key];
    *px = WM_GetWindowPosX(UI_hEntryDialog) + (r[0] + r[2]) / 2;
    *py = WM_GetWindowPosY(UI_hEntryDialog) + (r[1] + r[3]) / 2;
  }
  void Key(int k) {
    int x, y;
    KeyPos(k, &x, &y);
    Touch(x, y);
  }
  static int32_t ValueOf(uint32_t Address) {
    uint8_t a[16] = {};
    int32_t v = 0;
    EXPECT_GT(OBJ_Read(Address, a, sizeof(a), 0), 0);
    UI_DecodeValue(a, 16, &v, nullptr, nullptr, 0);
    return v;
  }
  static WM_HWIN Line(int i) {
    WM_HWIN h = WM_GetFirstChild(Page());
    while (h && i--) h = WM_GetNextSibling(h);
    return h;
  }
  static UI_BOX_BLOCK* FirstBox(int i) { return (UI_BOX_BLOCK*)UI_GetElementData(WM_GetFirstChild(Line(i))); }
};

TEST_F(PageTest, ATouchedValueTakesTheTypedValue) {
  ASSERT_EQ(UI_MenuStackInstance.Open(kFixedValues, 0), UI_SHOW_OK);
  Settle();
  EXPECT_TRUE(golden::Matches("controller/ui/page_value_lines", golden::CaptureLCD()));
  Touch(30 + UI_BOX_X + 80, 36 + 5 + 17);  // the box of fixed value 1
  ASSERT_TRUE(UI_hEntryDialog);
  EXPECT_TRUE(golden::Matches("controller/ui/entry_keypad", golden::CaptureLCD()));
  Key(4);
  Key(2);
  Touch(kBackX, kBackY);  // OK
  EXPECT_FALSE(UI_hEntryDialog);
  EXPECT_EQ(ValueOf(0x7302), 42);
  // The page was read again: the box shows the new value.
  EXPECT_EQ(FirstBox(0)->Value, 42);
}

TEST_F(PageTest, AValueAboveItsLimitIsShownAndRefused) {
  ASSERT_EQ(UI_MenuStackInstance.Open(kFixedValues, 0), UI_SHOW_OK);
  Settle();
  Touch(30 + UI_BOX_X + 80, 36 + 5 + 17);
  ASSERT_TRUE(UI_hEntryDialog);
  for (int k : {2, 0, 0, 0}) Key(k);
  EXPECT_EQ(UI_EntryFields[0].Value, 2000);
  EXPECT_TRUE(golden::Matches("controller/ui/entry_keypad_refused", golden::CaptureLCD()));
  Touch(kBackX, kBackY);  // OK is refused: the dialog stays
  EXPECT_TRUE(UI_hEntryDialog);
  EXPECT_EQ(ValueOf(0x7302), 0);
  Touch(kHomeX, kHomeY);  // Cancel
  EXPECT_FALSE(UI_hEntryDialog);
  EXPECT_EQ(ValueOf(0x7302), 0);
}

TEST_F(PageTest, AChoiceIsChangedThroughItsList) {
  ASSERT_EQ(UI_MenuStackInstance.Open(kFixedValue1, 0), UI_SHOW_OK);
  Settle();
  WM_HWIN hLine = Line(1);  // the first line after the title is the choice line
  ASSERT_TRUE(hLine);
  UI_LINE_BLOCK* p = (UI_LINE_BLOCK*)UI_GetElementData(hLine);
  ASSERT_EQ(p->Code, 'v');
  int x = WM_GetWindowPosX(hLine) + 100, y = WM_GetWindowPosY(hLine) + 20;
  uint8_t d[160] = {};
  ASSERT_GT(OBJ_Read(UI_EntryDescAddress(p->LinkAddress), d, 160, 0), 0);
  int Before = d[1];
  Touch(x, y);
  ASSERT_TRUE(UI_hListWin);
  EXPECT_EQ(UI_ScrollListRow(), Before);
  EXPECT_TRUE(golden::Matches("controller/ui/select_list", golden::CaptureLCD()));
  // Touch the row below the current one.
  int Row = Before + 1 < UI_EntryItemTexts.Count ? Before + 1 : Before - 1;
  Touch(x, WM_GetWindowPosY(UI_hListWin) + 2 + 40 * Row + 20);
  EXPECT_FALSE(UI_hListWin);
  ASSERT_GT(OBJ_Read(UI_EntryDescAddress(p->LinkAddress), d, 160, 0), 0);
  EXPECT_EQ(d[1], Row);
}

TEST_F(PageTest, TheExpertLevelAsksForTheCodeAndTheRightCodeOpensThePage) {
  SET_General.SetParameterRaw(SET_GEN_PAR_NETWORK_LEVEL, FKT_LEVEL_EXPERT);
  FKT_AccessLevels[0].Level = FKT_LEVEL_USER;
  ASSERT_EQ(UI_MenuStackInstance.Open(kFixedValues, 0), UI_SHOW_OK);
  EXPECT_EQ(UI_MenuStackInstance.Open(0, 0), UI_SHOW_FAILED);
  ASSERT_TRUE(g_TextReceiver);
  EXPECT_EQ(std::u16string(g_TextTitle), u"Enter password");
  EXPECT_EQ(UI_MenuStackInstance.GetNode(), kFixedValues);  // the previous page stays
  // A wrong code asks again.
  WM_HWIN hReceiver = g_TextReceiver;
  g_TextReceiver = 0;
  std::u16string Wrong = u"1111";
  std::copy(Wrong.c_str(), Wrong.c_str() + 5, UI_TextBuffer);
  WM_SendMessageNoPara(hReceiver, UI_MSG_TEXT_DONE);
  EXPECT_EQ(g_TextReceiver, hReceiver);
  EXPECT_EQ(UI_TextBuffer[0], 0);
  EXPECT_EQ(UI_MenuStackInstance.GetNode(), kFixedValues);
  std::u16string Right = u"5678";
  std::copy(Right.c_str(), Right.c_str() + 5, UI_TextBuffer);
  WM_SendMessageNoPara(hReceiver, UI_MSG_TEXT_DONE);
  Settle();
  EXPECT_EQ(UI_MenuStackInstance.GetNode(), 0u);
  EXPECT_EQ(FKT_AccessLevels[0].Level, uint32_t(FKT_LEVEL_EXPERT));
  EXPECT_EQ(FKT_AccessTimeout, FKT_ACCESS_GRANT_SECONDS);
}

TEST_F(PageTest, TheNetworkPageListsTheOwnNode) {
  ASSERT_EQ(UI_MenuStackInstance.Show(0, 0), UI_SHOW_OK);
  Settle();
  WM_HWIN hTile = WM_GetFirstChild(Page());
  ASSERT_TRUE(hTile);
  UI_NODE_RECORD* r = (UI_NODE_RECORD*)UI_GetElementData(hTile);
  EXPECT_EQ(r->Node, 0);
  EXPECT_EQ(r->DeviceType, 135);
  EXPECT_EQ(WM_GetNextSibling(hTile), 0);
  EXPECT_TRUE(golden::Matches("controller/ui/page_network", golden::CaptureLCD()));
  Touch(100, 70);
  EXPECT_EQ(UI_MenuStackInstance.GetNode(), uint32_t(UI_ROOT_MENU));
}

}  // namespace
