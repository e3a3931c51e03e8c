// The current language: look-ups of the named texts in every language, keyboards, symbols, user names,
// and the committed tables matching their source.
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>

#include "TXT_Language.h"
#include "TXT_UserDesignations.h"
#include "txt_test_util.h"

namespace {

class TxtLanguage : public ::testing::Test {
protected:
  void TearDown() override { TXT_SelectLanguage(TXT_LANG_ENGLISH); }
  static std::string Text(int Group, int Item) { return TxtUtf8(TXT_GetText(Group, Item)); }
};

TEST_F(TxtLanguage, EnglishTextsStandAsTheScreensUseThem) {
  ASSERT_EQ(TXT_SelectLanguage(TXT_LANG_ENGLISH), 0);
  EXPECT_EQ(TXT_GetLanguage(), TXT_LANG_ENGLISH);
  EXPECT_EQ(Text(8, 0), "unused");
  EXPECT_EQ(Text(10, 0), "No");
  EXPECT_EQ(Text(10, 1), "Yes");
  EXPECT_EQ(Text(11, 0), "OFF");
  EXPECT_EQ(Text(11, 1), "ON");
  EXPECT_EQ(Text(15, 1), "unused");
  EXPECT_EQ(Text(15, 11), "Designation");
  EXPECT_EQ(Text(29, 2), "CLOSE");
  EXPECT_EQ(Text(61, 0), "Time/auto");
  EXPECT_EQ(Text(61, 3), "Standby/frost pr");
  EXPECT_EQ(Text(68, 5), "Old password");
  EXPECT_EQ(Text(68, 6), "New password");
  EXPECT_EQ(Text(68, 7), "Enter password");
  EXPECT_EQ(Text(70, 0), "Do you really want to send the file to the selected node?");
  EXPECT_EQ(Text(70, 1), "Please select");
  EXPECT_EQ(Text(80, 3), "Status");
  EXPECT_EQ(Text(80, 12), "Node number");
  EXPECT_EQ(Text(107, 12), "Enter file name");
  EXPECT_EQ(Text(135, 0), "Inactive (0)");
  EXPECT_EQ(Text(136, 0), "Special mode (0)");
  EXPECT_EQ(Text(2, 0), "Retain");
  EXPECT_EQ(Text(2, 2), "Load function data");
  EXPECT_EQ(Text(3, 2), "Calibration values (HM) ...");
  EXPECT_EQ(Text(13, 0), "Su");
  EXPECT_EQ(Text(14, 11), "December");
  EXPECT_EQ(Text(12, 9), ": ");
  EXPECT_EQ(Text(12, 18), "kΩ");
  EXPECT_EQ(Text(12, 24), " ");
  EXPECT_EQ(Text(12, 66), "Pa");
}

TEST_F(TxtLanguage, EveryLanguageHasTheSameGroupsAndFillsThem) {
  std::vector<int> aCount(TXT_UI_NUM_GROUPS);
  ASSERT_EQ(TXT_SelectLanguage(TXT_LANG_ENGLISH), 0);
  for (int g = 0; g < TXT_UI_NUM_GROUPS; g++) {
    aCount[size_t(g)] = TXT_GetItemCount(g);
  }
  EXPECT_EQ(aCount[TXT_GROUP_UNITS], 67);
  EXPECT_EQ(aCount[TXT_GROUP_WEEKDAYS], 7);
  EXPECT_EQ(aCount[TXT_GROUP_MONTHS], 12);
  EXPECT_EQ(aCount[TXT_GROUP_DIALOG_TITLES], 24);
  EXPECT_EQ(aCount[TXT_GROUP_MIXER_STATES], aCount[TXT_GROUP_MIXER]);
  for (int Lang = 0; Lang < TXT_NUM_LANGUAGES; Lang++) {
    ASSERT_EQ(TXT_SelectLanguage(Lang), 0);
    for (int g = 0; g < TXT_UI_NUM_GROUPS; g++) {
      ASSERT_EQ(TXT_GetItemCount(g), aCount[size_t(g)]) << "language " << Lang << " group " << g;
      for (int i = 0; i < aCount[size_t(g)]; i++) {
        // Only units without a unit text are empty.
        if (g != TXT_GROUP_UNITS) {
          EXPECT_NE(Text(g, i), "") << "language " << Lang << " group " << g << " item " << i;
        }
      }
    }
  }
}

TEST_F(TxtLanguage, SwitchingChangesTheTexts) {
  const char* aYes[] = {"Ja", "Yes", "Oui", "Sì", "Sí", "Ja", "Ano"};
  const char* aPassword[] = {"Passwort eingeben",    "Enter password",      "Saisir le mot de passe",
                             "Inserire la password", "Introducir contraseña", "Wachtwoord invoeren",
                             "Zadejte heslo"};
  const char* aMonth2[] = {"März", "March", "Mars", "Marzo", "Marzo", "Maart", "Březen"};
  for (int Lang = 0; Lang < TXT_NUM_LANGUAGES; Lang++) {
    ASSERT_EQ(TXT_SelectLanguage(Lang), 0);
    EXPECT_EQ(Text(TXT_GROUP_NO_YES, 1), aYes[Lang]);
    EXPECT_EQ(Text(TXT_GROUP_PASSWORD, 7), aPassword[Lang]);
    EXPECT_EQ(Text(TXT_GROUP_MONTHS, 2), aMonth2[Lang]);
    EXPECT_EQ(Text(TXT_GROUP_UNITS, 1), "°C");
  }
}

TEST_F(TxtLanguage, UnknownLanguageKeepsTheCurrentTable) {
  ASSERT_EQ(TXT_SelectLanguage(TXT_LANG_DUTCH), 0);
  TXT_TABLE* pBefore = TXT_CurrentTable;
  EXPECT_EQ(TXT_SelectLanguage(7), 1);
  EXPECT_EQ(TXT_SelectLanguage(-1), 1);
  EXPECT_EQ(TXT_CurrentTable, pBefore);
  EXPECT_EQ(TXT_GetLanguage(), TXT_LANG_DUTCH);
  EXPECT_EQ(Text(TXT_GROUP_NO_YES, 0), "Nee");
}

TEST_F(TxtLanguage, MainTaskBuildKeepsAKnownLanguage) {
  TXT_BuildTexts(TXT_LANG_ITALIAN);
  EXPECT_EQ(TXT_GetLanguage(), TXT_LANG_ITALIAN);
  TXT_BuildTexts(42);
  EXPECT_EQ(TXT_GetLanguage(), TXT_LANG_ITALIAN);
  EXPECT_EQ(Text(TXT_GROUP_NO_YES, 1), "Sì");
}

TEST_F(TxtLanguage, MissingGroupsAndItemsGiveTheEmptyText) {
  ASSERT_EQ(TXT_SelectLanguage(TXT_LANG_ENGLISH), 0);
  EXPECT_EQ(TXT_GetText(TXT_GROUP_UNITS, 67), TXT_EmptyText);
  EXPECT_EQ(TXT_GetText(TXT_GROUP_UNITS, -1), TXT_EmptyText);
  EXPECT_EQ(TXT_GetText(TXT_UI_NUM_GROUPS, 0), TXT_EmptyText);
  EXPECT_EQ(TXT_GetText(-1, 0), TXT_EmptyText);
  EXPECT_EQ(TXT_GetText(0, 0), TXT_EmptyText); // a group without items
  EXPECT_EQ(TXT_GetGroup(TXT_UI_NUM_GROUPS), nullptr);
  EXPECT_EQ(TXT_GetItemCount(-5), 0);
}

std::string _Keys(const TXT_GROUP* pGroup, int From, int Count) {
  std::string s;
  for (int i = From; i < From + Count; i++) {
    s += TxtUtf8(pGroup->papText[i]);
  }
  return s;
}

TEST_F(TxtLanguage, KeyboardsFollowTheLanguage) {
  for (int Lang = 0; Lang < TXT_NUM_LANGUAGES; Lang++) {
    ASSERT_EQ(TXT_SelectLanguage(Lang), 0);
    const TXT_GROUP* pLetters = TXT_KeyboardTable[TXT_KB_LETTERS];
    ASSERT_EQ(pLetters->NumItems, 52);
    std::string Lower = _Keys(pLetters, 0, 26), Upper = _Keys(pLetters, 26, 26);
    EXPECT_EQ(Lower, Lang == TXT_LANG_FRENCH ? "azertyuiopqsdfghjklwxcvbnm" : "qwertzuiopasdfghjklyxcvbnm");
    for (size_t i = 0; i < 26; i++) {
      EXPECT_EQ(Upper[i], Lower[i] - 'a' + 'A');
    }
    const TXT_GROUP* pExtraLower = TXT_KeyboardTable[TXT_KB_EXTRA_LOWER];
    const TXT_GROUP* pExtraUpper = TXT_KeyboardTable[TXT_KB_EXTRA_UPPER];
    if (Lang == TXT_LANG_GERMAN) {
      ASSERT_EQ(pExtraLower->NumItems, 4);
      ASSERT_EQ(pExtraUpper->NumItems, 3);
      EXPECT_EQ(_Keys(pExtraLower, 0, 4), "äöüß");
      EXPECT_EQ(_Keys(pExtraUpper, 0, 3), "ÄÖÜ");
    } else {
      EXPECT_EQ(pExtraLower->NumItems, 0);
      EXPECT_EQ(pExtraUpper->NumItems, 0);
    }
  }
}

TEST(TxtKeyboardSymbols, FiftyOneDistinctSymbolsAfterTheDigits) {
  ASSERT_NE(TXT_KeyboardSymbols, nullptr);
  ASSERT_EQ(TXT_KeyboardSymbols->NumChars, 51u);
  EXPECT_EQ(std::u16string(TXT_KeyboardSymbols->acChar, 10), u"1234567890");
  std::set<char16_t> Seen(TXT_KeyboardSymbols->acChar, TXT_KeyboardSymbols->acChar + 51);
  EXPECT_EQ(Seen.size(), 51u);
  EXPECT_EQ(Seen.count(u' '), 0u);
  EXPECT_EQ(Seen.count(0), 0u);
}

TEST(TxtUserDesignations, HundredNamesOfTheControllersList) {
  EXPECT_EQ(TXT_UserDesignations.NumItems, 100);
  EXPECT_EQ(TXT_SetUserDesignation(0, u"Boiler room"), 0);
  EXPECT_EQ(TxtUtf8(TXT_UserDesignations.papText[0]), "Boiler room");
  EXPECT_EQ(TXT_SetUserDesignation(99, u"A name that is far longer than its slot"), 0);
  EXPECT_EQ(TxtUtf8(TXT_UserDesignations.papText[99]),
            std::string("A name that is far longer than its slot").substr(0, TXT_USER_DESIGNATION_CHARS));
  EXPECT_EQ(TXT_UserDesignations.papText[5], FKT_UserDesignations[5]); // the controller's own list
  EXPECT_EQ(TXT_GetUserDesignation(99), TXT_UserDesignations.papText[99]);
  EXPECT_EQ(TXT_SetUserDesignation(100, u"x"), -1);
  EXPECT_EQ(TXT_SetUserDesignation(-1, u"x"), -1);
  EXPECT_EQ(TXT_GetUserDesignation(100), nullptr);
  EXPECT_EQ(TXT_SetUserDesignation(0, nullptr), 0);
  EXPECT_EQ(TXT_UserDesignations.papText[0][0], 0);
}

TEST(TxtGeneratedTables, MatchTheirSource) {
  if (std::system("python3 --version >/dev/null 2>&1") != 0) {
    GTEST_SKIP() << "python3 is not installed";
  }
  std::string Cmd = std::string("python3 ") + SIM_SOURCE_DIR + "/tools/texts/gen_texts.py --check";
  EXPECT_EQ(std::system(Cmd.c_str()), 0) << "run: python3 tools/texts/gen_texts.py";
}

} // namespace
