// The keyboard on the main screen: a menu that needs the expert level asks for the code, the code is typed by
// touching keys, and only the expert's code opens the menu; the keyboard's pages in English and German.
#include "FKT_Access.h"
#include "SET_Objects.h"
#include "UI_EntryDispatch.h"
#include "UI_MenuPage.h"
#include "UI_TextEntry.h"
#include "main_fixture.h"

namespace {

constexpr uint32_t kFixedValues = 0x5803;
constexpr int kOkX = 460, kOkY = 205, kCancelX = 460, kCancelY = 90;  // the side buttons

class TextEntryPageTest : public MainScreenTest {
 protected:
  void SetUp() override {
    MainScreenTest::SetUp();
    UI_InstallStartup();  // as the running program: the menu pages and the keyboard
    // The network page needs the expert level; the user has none.
    SET_General.SetParameterRaw(SET_GEN_PAR_NETWORK_LEVEL, FKT_LEVEL_EXPERT);
    FKT_AccessLevels[0].Level = FKT_LEVEL_USER;
  }
  void TearDown() override {
    UI_pfOpenTextEntry = nullptr;
    UI_pfOpenFileNameEntry = nullptr;
    APP_UiHooks = {};
    MainScreenTest::TearDown();
  }
  void Key(int k) {
    const int16_t* r = UI_TextEntryKeys[k];
    Touch(WM_GetWindowPosX(UI_hEntryDialog) + (r[0] + r[2]) / 2, WM_GetWindowPosY(UI_hEntryDialog) + (r[1] + r[3]) / 2);
  }
  // Types digits from the first symbol page (digits 1..9, 0 on keys 0..9) and goes back to the letters.
  void TypeDigits(const char* s) {
    Key(UI_TE_KEY_SYMBOLS);
    for (; *s; s++) Key(*s == '0' ? 9 : *s - '1');
    Key(UI_TE_KEY_SYMBOLS);
  }
  static bool KeyboardOpen() {
    return UI_hEntryDialog && WM_GetCallback(UI_hEntryDialog) == UI_TextEntryCallback;
  }
  void AskForTheNetworkPage() {
    ASSERT_EQ(UI_MenuStackInstance.Open(kFixedValues, 0), UI_SHOW_OK);
    Settle();
    UI_MenuStackInstance.Open(0, 0);
    Settle();
    ASSERT_TRUE(KeyboardOpen());
  }
};

TEST_F(TextEntryPageTest, TheExpertsCodeTypedOnTheKeyboardOpensTheMenu) {
  AskForTheNetworkPage();
  EXPECT_EQ(UI_MenuStackInstance.GetNode(), kFixedValues);
  TypeDigits("5678");
  EXPECT_EQ(std::u16string(UI_TextEntryState.acText), u"5678");
  Touch(kOkX, kOkY);
  EXPECT_FALSE(UI_hEntryDialog);
  EXPECT_EQ(UI_MenuStackInstance.GetNode(), 0u);
  EXPECT_EQ(FKT_AccessLevels[0].Level, uint32_t(FKT_LEVEL_EXPERT));
}

TEST_F(TextEntryPageTest, AWrongCodeKeepsTheMenuClosedAndCancelLeavesThePrompt) {
  AskForTheNetworkPage();
  TypeDigits("5677");
  Touch(kOkX, kOkY);
  // Asked again, with an empty line.
  ASSERT_TRUE(KeyboardOpen());
  EXPECT_EQ(UI_TextEntryState.acText[0], 0);
  EXPECT_EQ(UI_MenuStackInstance.GetNode(), kFixedValues);
  EXPECT_EQ(FKT_AccessLevels[0].Level, uint32_t(FKT_LEVEL_USER));
  // The technician's code is no expert's code either.
  TypeDigits("1234");
  Touch(kOkX, kOkY);
  ASSERT_TRUE(KeyboardOpen());
  EXPECT_EQ(UI_MenuStackInstance.GetNode(), kFixedValues);
  // Cancel leaves the user on the page they came from, its history as it was.
  int Depth = UI_MenuStackInstance.GetHistoryDepth();
  WM_HWIN hPage = Page();
  Touch(kCancelX, kCancelY);
  EXPECT_FALSE(UI_hEntryDialog);
  EXPECT_EQ(UI_MenuStackInstance.GetNode(), kFixedValues);
  EXPECT_EQ(UI_MenuStackInstance.GetHistoryDepth(), Depth);
  EXPECT_EQ(Page(), hPage);
  EXPECT_NE(FKT_AccessLevels[0].Level, uint32_t(FKT_LEVEL_EXPERT));
  // The back button then goes where it went before the prompt: the root menu.
  Touch(460, 205);
  EXPECT_EQ(UI_MenuStackInstance.GetNode(), uint32_t(UI_ROOT_MENU));
}

TEST_F(TextEntryPageTest, TheKeyboardsLetterAndSymbolPagesInEnglishAndGerman) {
  for (int German = 0; German <= 1; German++) {
    SCOPED_TRACE(German ? "German" : "English");
    if (German) {
      ASSERT_EQ(UI_SetLanguage(TXT_LANG_GERMAN), 0);
    }
    AskForTheNetworkPage();
    const char* Lang = German ? "de" : "en";
    Key(0);  // "Q": the first letter is a capital, then small letters
    Key(1);
    EXPECT_TRUE(golden::Matches(std::string("controller/ui/textentry_letters_") + Lang, golden::CaptureLCD()));
    Key(UI_TE_KEY_SYMBOLS);
    EXPECT_TRUE(golden::Matches(std::string("controller/ui/textentry_symbols_") + Lang, golden::CaptureLCD()));
    Touch(kCancelX, kCancelY);
    EXPECT_FALSE(UI_hEntryDialog);
  }
}

}  // namespace
