// The message function's own page: when the message arose, shown as a date and time, and one row per command
// headed by the command's name; its trigger's binding page, on which the trigger can be switched by hand.
#include <string>
#include <vector>

#include "Controller.h"
#include "FUNKTION_Meldung.h"
#include "OBJ_Map.h"
#include "UI_ElementLine.h"
#include "UI_ElementStruct.h"
#include "UI_GraphicsCache.h"
#include "UI_Panel.h"
#include "UI_SelectList.h"
#include "UI_ValueEntry.h"
#include "main_fixture.h"

namespace {

constexpr int kSlot = 2;

class MessagePageTest : public MainScreenTest {
 protected:
  void SetUp() override {
    MainScreenTest::SetUp();
    FKT_InstallFunctionModules();
    ASSERT_EQ(FKT_CreateObject(FKT_TYPE_MESSAGE, kSlot, &msg), FKT_OK);
    // Raised by a fixed value at the test's clock time.
    ASSERT_EQ(msg->SetParameter(FKT_PAR_INPUT + FKT_IN_SOURCE_KIND, FKT_SRC_FIXED, 0), 1);
    ASSERT_EQ(msg->SetParameter(FKT_PAR_INPUT + FKT_IN_SOURCE_INDEX, 0, 0), 1);
    IO_FixedValues[0].SetParameter(0, 1, 0);
    IO_FixedValues[0].SetParameter(2, 1, 0);
    APP_ControlCycle();
    ASSERT_NE(msg->GetPoolWord(MSG_POOL_ACTIVE), 0u);
  }
  void TearDown() override {
    UI_DeletePanelSnapshots();
    UI_DeleteGraphicsCache();
    MainScreenTest::TearDown();
  }
  // What each element of the page shows, its generated label included, row by row.
  static std::vector<std::u16string> Shown() {
    std::vector<std::u16string> v;
    for (WM_HWIN hRow = WM_GetFirstChild(UI_hPanelInner); hRow; hRow = WM_GetNextSibling(hRow))
      for (WM_HWIN h = WM_GetFirstChild(hRow); h; h = WM_GetNextSibling(h)) {
        auto* p = (UI_STRUCT_BLOCK*)UI_GetElementData(h);
        if (p) v.push_back(std::u16string(p->acText) + p->acLabel);
      }
    return v;
  }
  static bool Has(const std::vector<std::u16string>& v, const std::u16string& s) {
    for (const auto& t : v)
      if (t == s) return true;
    return false;
  }
  void OpenPage() {
    ASSERT_EQ(UI_MenuStackInstance.Open(uint32_t(kSlot) << 16 | OBJ_MenuIndex(OBJ_FAM_FUNCTION, 0), 0), UI_SHOW_OK);
    Settle();
    ASSERT_TRUE(UI_hPanelInner);
  }
  FUNKTION_BASIS_PAR* msg = nullptr;
};

}  // namespace

TEST_F(MessagePageTest, ShowsTheDateAndTimeWhenTheMessageArose) {
  OpenPage();
  std::vector<std::u16string> v = Shown();
  // The controller clock stood at 17.03.2026 14:05:00 when the trigger rose.
  EXPECT_TRUE(Has(v, u"17.03.2026 14:05:00"));
  for (const std::u16string& s : v) EXPECT_EQ(s.find(u"1773"), std::u16string::npos) << "raw seconds shown";
  EXPECT_TRUE(golden::Matches("controller/ui/message_page", golden::CaptureLCD()));
  EXPECT_TRUE(Errors().empty());
}

// A message that never arose has no time: its page shows none, not the clock's zero as a date.
TEST_F(MessagePageTest, AMessageThatNeverAroseShowsNoTime) {
  FUNKTION_BASIS_PAR* Quiet = nullptr;
  ASSERT_EQ(FKT_CreateObject(FKT_TYPE_MESSAGE, kSlot + 1, &Quiet), FKT_OK);
  ASSERT_EQ(Quiet->GetParameter(MSG_PAR_TIME), 0);
  ASSERT_EQ(UI_MenuStackInstance.Open(uint32_t(kSlot + 1) << 16 | OBJ_MenuIndex(OBJ_FAM_FUNCTION, 0), 0), UI_SHOW_OK);
  Settle();
  std::vector<std::u16string> v = Shown();
  ASSERT_TRUE(Has(v, u"Kind: Message"));
  for (const std::u16string& s : v) {
    EXPECT_EQ(s.find(u"1969"), std::u16string::npos) << std::string(s.begin(), s.end());
    EXPECT_EQ(s.find(u"1970"), std::u16string::npos) << std::string(s.begin(), s.end());
  }
}

TEST_F(MessagePageTest, TheTimeOfTheMessageCannotBeEdited) {
  OpenPage();
  for (WM_HWIN hRow = WM_GetFirstChild(UI_hPanelInner); hRow; hRow = WM_GetNextSibling(hRow)) {
    WM_HWIN h = WM_GetFirstChild(hRow);
    auto* p = h ? (UI_STRUCT_BLOCK*)UI_GetElementData(h) : nullptr;
    if (!p || std::u16string(p->acText) != u"17.03.2026 14:05:00") continue;
    TouchIn(h, 40, 20);
    EXPECT_FALSE(UI_hEntryDialog);  // nothing opens: the time is the function's own
    return;
  }
  FAIL() << "no time row";
}

TEST_F(MessagePageTest, EachCommandIsHeadedByItsNameWithoutANumber) {
  OpenPage();
  std::vector<std::u16string> v = Shown();
  for (const char16_t* Name : {u"Acknowledge", u"Reset", u"Hide"}) {
    std::u16string n(Name);
    EXPECT_TRUE(Has(v, n)) << std::string(n.begin(), n.end());
    for (const std::u16string& s : v)
      EXPECT_FALSE(s.size() > n.size() && s.compare(0, n.size(), n) == 0) << std::string(s.begin(), s.end());
  }
}

// Bound to its own value, the trigger is switched on the binding page: the line after the source takes the own value,
// whose entry takes 1 (on), and the next cycle raises the message.
TEST_F(MessagePageTest, TheTriggersOwnValueIsSwitchedOnAndRaisesTheMessage) {
  msg->SetCommand(MSG_CMD_RESET, 1, 0);
  ASSERT_EQ(msg->SetParameter(FKT_PAR_INPUT + FKT_IN_SOURCE_KIND, FKT_SRC_NONE, 0), 1);  // the list opens at its top
  FKT_AccessLevels[0].Level = FKT_LEVEL_TECHNICIAN;
  ASSERT_EQ(UI_MenuStackInstance.Open(uint32_t(kSlot) << 16 | OBJ_MenuIndex(OBJ_FAM_FUNCTION, 1), 0), UI_SHOW_OK);
  Settle();
  auto Line = [](int i) { return Child(Page(), i); };
  // The source: "Own value" from the list of the first line after the title.
  ASSERT_TRUE(Line(1));
  ASSERT_EQ(((UI_LINE_BLOCK*)UI_GetElementData(Line(1)))->Code, 'v');
  TouchIn(Line(1), 100, 20);
  ASSERT_TRUE(UI_hListWin);
  TouchIn(UI_hListWin, 100, 2 + 40 * FKT_SRC_OWN + 20);
  EXPECT_FALSE(UI_hListWin);
  ASSERT_EQ(msg->GetParameter(FKT_PAR_INPUT + FKT_IN_SOURCE_KIND), FKT_SRC_OWN);
  APP_ControlCycle();  // the trigger reads its own value, 0
  EXPECT_EQ(msg->GetPoolWord(MSG_POOL_ACTIVE), 0u);
  // The next line's box: 1 is taken.
  WM_HWIN hBox = WM_GetFirstChild(Line(2));
  ASSERT_TRUE(hBox);
  TouchIn(hBox, 80, 17);
  ASSERT_TRUE(UI_hEntryDialog);
  const int16_t* r = UI_ValueEntryKeys[1];
  Touch(WM_GetWindowPosX(UI_hEntryDialog) + (r[0] + r[2]) / 2, WM_GetWindowPosY(UI_hEntryDialog) + (r[1] + r[3]) / 2);
  Touch(460, 205);  // OK
  EXPECT_FALSE(UI_hEntryDialog);
  EXPECT_EQ(msg->GetParameter(FKT_PAR_INPUT + FKT_IN_OWN_VALUE), 1);
  APP_ControlCycle();
  EXPECT_NE(msg->GetPoolWord(MSG_POOL_ACTIVE), 0u);
  FKT_AccessLevels[0].Level = FKT_LEVEL_USER;
}
