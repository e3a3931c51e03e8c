// The language setting on the main screen: written as the settings page writes it and followed by the main task,
// it changes the controller's texts of the shown page at once (root menu, object names) and back again; the core
// texts are there in every language and fit the screen.
#include <unistd.h>

#include <filesystem>
#include <string>

#include "APP_Host.h"
#include "OBJ_Access.h"
#include "OBJ_Map.h"
#include "SET_Objects.h"
#include "main_fixture.h"
#include "txt_test_util.h"

namespace {

class LangMainScreen : public MainScreenTest {
 protected:
  void SetUp() override {
    MainScreenTest::SetUp();
    // The language write is logged in the change log of the internal memory: keep it in a folder of the test.
    Docs = std::filesystem::temp_directory_path() / ("lang-main-" + std::to_string(getpid()));
    std::filesystem::create_directories(Docs / "Intern");
    snprintf(APP_DocumentsFolder, sizeof(APP_DocumentsFolder), "%s", Docs.c_str());
    APP_UiHooks.pfBuildTexts = UI_BuildTexts;
    SET_General.SetParameter(SET_GEN_PAR_LANGUAGE, TXT_LANG_ENGLISH, 0);
    APP_FollowLanguage(1);  // as at start-up: the English texts, the root menu
    Settle();
  }
  void TearDown() override {
    APP_UiHooks = {};
    MainScreenTest::TearDown();
    TXT_SelectLanguage(TXT_LANG_ENGLISH);
    APP_DocumentsFolder[0] = 0;
    std::filesystem::remove_all(Docs);
  }
  // The settings page's write of the language, then one pass of the main task's loop.
  void ChooseLanguage(int Language) {
    uint8_t v[2] = {0x10, uint8_t(Language)};
    uint32_t a = OBJ_MakeAddress(0, 0, OBJ_ValueIndex(OBJ_VIEW_VALUE, OBJ_FAM_GENERAL, SET_GEN_PAR_LANGUAGE));
    ASSERT_EQ(OBJ_Write(a, v, 2), 1);
    APP_FollowLanguage(0);
    Settle();
  }
  // The title that the node answers for a menu, as a link or the page's own title reads it.
  static std::string Title(uint32_t Address) {
    uint8_t b[64] = {};
    int n = OBJ_Read(Address, b, sizeof(b), 0);
    std::u16string s;
    for (int i = 2; i + 1 < n && (b[i] || b[i + 1]); i += 2) s += char16_t(b[i] | b[i + 1] << 8);
    return TxtUtf8(s.c_str());
  }
  std::filesystem::path Docs;
};

TEST_F(LangMainScreen, TheRootMenuFollowsTheLanguageSettingAtOnce) {
  golden::Image English = golden::CaptureLCD();
  ChooseLanguage(TXT_LANG_GERMAN);
  EXPECT_EQ(TXT_GetLanguage(), TXT_LANG_GERMAN);
  EXPECT_EQ(Title(UI_MenuStackInstance.GetNode()), "Hauptmenü");
  EXPECT_EQ(Title(0x5801), "Eingänge");
  EXPECT_TRUE(golden::Matches("controller/ui/main_screen_german", golden::CaptureLCD()));
  ChooseLanguage(TXT_LANG_ENGLISH);
  EXPECT_EQ(Title(UI_MenuStackInstance.GetNode()), "Main menu");
  EXPECT_EQ(golden::CaptureLCD().Pixels, English.Pixels);
  EXPECT_TRUE(Errors().empty());
}

TEST_F(LangMainScreen, TheShownPageIsReadAgainAtItsScrollPosition) {
  TouchElement(0);  // Inputs: one line per input, named by the controller
  ASSERT_EQ(UI_MenuStackInstance.GetNode(), 0x5801u);
  WM_MESSAGE Msg = {};
  Msg.MsgId = WM_WHEEL;
  Msg.Data.v = -2;
  WM_SendMessage(Page(), &Msg);
  Settle();
  int Offset = UI_GetPageScrollOffset();
  ASSERT_LT(Offset, 0);
  golden::Image English = golden::CaptureLCD();
  ChooseLanguage(TXT_LANG_GERMAN);
  EXPECT_EQ(UI_MenuStackInstance.GetNode(), 0x5801u);
  EXPECT_EQ(UI_GetPageScrollOffset(), Offset);
  EXPECT_EQ(Title(OBJ_MakeAddress(0, 0, OBJ_MenuIndex(OBJ_FAM_INPUT, 0))), "Eingang 1");
  EXPECT_TRUE(golden::Matches("controller/ui/lang_inputs_german", golden::CaptureLCD()));
  ChooseLanguage(TXT_LANG_ENGLISH);
  EXPECT_EQ(golden::CaptureLCD().Pixels, English.Pixels);
  // Back returns to the root menu, shown in the language chosen last.
  Touch(450, 200);
  EXPECT_EQ(UI_MenuStackInstance.GetNode(), uint32_t(UI_ROOT_MENU));
  EXPECT_EQ(Title(0x5801), "Inputs");
}

TEST_F(LangMainScreen, TheControllersTextsAreThereInEveryLanguageAndFitARow) {
  const char* aMain[TXT_NUM_LANGUAGES] = {"Hauptmenü",   "Main menu", "Menu principal", "Menu principale",
                                          "Menú principal", "Hoofdmenu", "Hlavní menu"};
  GUI_SetFont(&UI_Font15);
  for (int Lang = 0; Lang < TXT_NUM_LANGUAGES; Lang++) {
    ASSERT_EQ(TXT_SelectLanguage(Lang), 0);
    EXPECT_EQ(TxtUtf8(TXT_GetText(TXT_GROUP_MENUS, TXT_MENUS_MAIN)), aMain[Lang]);
    for (int Group : TXT_CoreGroups) {
      ASSERT_GT(TXT_GetItemCount(Group), 0) << "group " << Group;
      for (int i = 0; i < TXT_GetItemCount(Group); i++) {
        EXPECT_NE(TXT_GetText(Group, i)[0], 0) << "language " << Lang << " group " << Group << " item " << i;
      }
    }
    // A list row has 370 pixels for its title: menu titles and object names with the highest numbers fit.
    for (int i = 0; i < TXT_MENUS_COUNT; i++) {
      EXPECT_LE(GUI_UC_GetStringDistX(TXT_GetText(TXT_GROUP_MENUS, i)), 370) << "language " << Lang;
    }
    for (int i = 0; i < TXT_CLASSES_COUNT; i++) {
      std::u16string Name = std::u16string(TXT_GetText(TXT_GROUP_CLASSES, i)) + u" 128: ";
      Name += TXT_GetText(TXT_GROUP_DESIGNATION_LIST, 15);
      EXPECT_LE(GUI_UC_GetStringDistX(Name.c_str()), 370) << "language " << Lang << " class " << i;
    }
  }
}

}  // namespace
