// The controller's own texts by language: English while no table is built, the published table's texts once one
// is, per item back to English where that table lacks one; and the main task's rebuild when the language setting
// changes.
#include <fstream>
#include <iterator>
#include <vector>

#include "CoreTestSupport.h"
#include "OBJ_Access.h"
#include "OBJ_Map.h"
#include "TXT_Current.h"

using namespace coretest;

namespace {

std::u16string ReadText(uint32_t Address) {
  uint8_t b[160] = {};
  int n = OBJ_Read(Address, b, sizeof(b), 0);
  std::u16string s;
  for (int i = 2; i + 1 < n && (b[i] || b[i + 1]); i += 2) s += (char16_t)(b[i] | b[i + 1] << 8);
  return s;
}

std::u16string MenuTitle(int Sub, uint16_t Index) { return ReadText(OBJ_MakeAddress(0, Sub, Index)); }

std::u16string ObjectText(int Family, int Sub, int Code) {
  return ReadText(OBJ_MakeAddress(0, Sub, OBJ_ValueIndex(OBJ_VIEW_TEXT, Family, Code)));
}

// A table in which a few groups have texts of their own ("the other language") and the rest are the English
// groups; group MENUS carries its main-menu title only, so its other items come from the English texts.
class LangTable {
 public:
  LangTable() {
    for (int g = 0; g < TXT_UI_NUM_GROUPS; g++) apGroup[g] = TXT_EnglishTable[g];
    Set(TXT_GROUP_MENUS, aMenus, 1);
    Set(TXT_GROUP_CLASSES, aClasses, 1);
    Set(TXT_GROUP_OUTPUT_MODES, aModes, 3);
  }
  void Publish() { TXT_CurrentTable = apGroup; }

 private:
  void Set(int g, const char16_t** pTexts, int n) {
    aOwn[g] = {};
    aOwn[g].papText = pTexts;
    aOwn[g].NumItems = (uint16_t)n;
    apGroup[g] = &aOwn[g];
  }
  const char16_t* aMenus[1] = {u"Hauptmenü"};
  const char16_t* aClasses[1] = {u"Eingang"};
  const char16_t* aModes[3] = {u"Auto", u"Hand EIN", u"Hand AUS"};
  TXT_GROUP aOwn[TXT_UI_NUM_GROUPS] = {};
  TXT_GROUP* apGroup[TXT_UI_NUM_GROUPS];
};

class LangCoreTexts : public ControllerTest {
 protected:
  void TearDown() override {
    TXT_CurrentTable = nullptr;
    APP_UiHooks = {};
    ControllerTest::TearDown();
  }
};

std::vector<int> gBuilt;

}  // namespace

TEST_F(LangCoreTexts, WithoutATableTheControllerAnswersEnglish) {
  TXT_CurrentTable = nullptr;
  EXPECT_EQ(MenuTitle(0, 0x5800), u"Main menu");
  EXPECT_EQ(MenuTitle(0, 0x5801), u"Inputs");
  EXPECT_EQ(MenuTitle(0, 0x5808), u"Function data");
  EXPECT_EQ(MenuTitle(0, OBJ_MenuIndex(OBJ_FAM_GENERAL, 1)), u"General settings");
  EXPECT_EQ(ObjectText(OBJ_FAM_INPUT, 2, OBJ_VC_NAME), u"Input 3");
  EXPECT_EQ(ObjectText(OBJ_FAM_INPUT, 0, 4), u"Mean value");
  IO_Outputs[0].SetParameter(1, 1, 0);
  EXPECT_EQ(ObjectText(OBJ_FAM_OUTPUT, 0, 1), u"Mode: Manual on");
  EXPECT_EQ(ObjectText(OBJ_FAM_SYSTEM, 0, OBJ_SYS_LEVEL + 1), u"Technician");
  EXPECT_EQ(std::u16string(IO_CanAnalogInputs[0].GetParameterName(2)), u"Time-out");
  EXPECT_EQ(std::u16string(FKT_ChoiceItemText(&FKT_SourceKindList, 7)), u"Function");
  CAN_NODE_STATE s = {};
  EXPECT_EQ(std::u16string(CAN_GetNodeStateText(&s)), u"Initialising");
  s.State = CAN_STATE_STOPPED;
  EXPECT_EQ(std::u16string(CAN_GetNodeStateText(&s)), u"Stopped");
  // Fixed lists keep their own texts: every language is named in itself.
  EXPECT_EQ(ObjectText(OBJ_FAM_GENERAL, 0, SET_GEN_PAR_LANGUAGE), u"Language: Deutsch");
  SET_General.SetParameter(SET_GEN_PAR_LANGUAGE, 6, 0);
  EXPECT_EQ(ObjectText(OBJ_FAM_GENERAL, 0, SET_GEN_PAR_LANGUAGE), u"Language: Čeština");
  // The look-up never answers null, also for numbers that name nothing.
  EXPECT_EQ(TXT_GetText(TXT_UI_NUM_GROUPS, 0), TXT_EmptyText);
  EXPECT_EQ(TXT_GetText(TXT_GROUP_MENUS, TXT_MENUS_COUNT), TXT_EmptyText);
  EXPECT_EQ(FKT_ChoiceItemText(&FKT_NoYesList, 2), nullptr);
}

TEST_F(LangCoreTexts, APublishedTableIsWhatTheControllerServes) {
  static LangTable t;
  t.Publish();
  EXPECT_EQ(MenuTitle(0, 0x5800), u"Hauptmenü");
  EXPECT_EQ(MenuTitle(0, 0x5801), u"Inputs");  // the table lacks it: English
  EXPECT_EQ(ObjectText(OBJ_FAM_INPUT, 2, OBJ_VC_NAME), u"Eingang 3");
  IO_Outputs[0].SetParameter(1, 2, 0);
  EXPECT_EQ(std::u16string(IO_Outputs[0].GetChoiceText(1)), u"Hand AUS");
  // A selection list reads its items by position: they come in the table's language too.
  uint8_t c[8] = {};
  ASSERT_EQ(OBJ_Read(OBJ_MakeAddress(0, 0, OBJ_ValueIndex(OBJ_VIEW_ALIAS, OBJ_FAM_OUTPUT, 1)), c, sizeof(c), 0), 5);
  EXPECT_EQ(ReadText(OBJ_MakeAddress(0, 1, (uint16_t)(c[3] | c[4] << 8))), u"Hand EIN");
  TXT_CurrentTable = nullptr;
  EXPECT_EQ(MenuTitle(0, 0x5800), u"Main menu");
}

TEST_F(LangCoreTexts, TheMainTaskRebuildsTheTextsWhenTheLanguageSettingChanges) {
  static LangTable t;
  gBuilt.clear();
  APP_UiHooks.pfBuildTexts = [](int Language) {
    gBuilt.push_back(Language);
    if (Language == 0) t.Publish();
  };
  SET_General.SetParameter(SET_GEN_PAR_LANGUAGE, 1, 0);
  APP_FollowLanguage(1);
  APP_FollowLanguage(0);  // unchanged: nothing to build
  EXPECT_EQ(gBuilt, std::vector<int>{1});
  const char16_t* pName = SIM_InputDescs[0].pName1;
  EXPECT_EQ(std::u16string(pName), u"Input 1");
  // The settings page writes the language as a value of the general settings.
  uint8_t v[2] = {0x10, 0};
  ASSERT_EQ(OBJ_Write(OBJ_MakeAddress(0, 0, OBJ_ValueIndex(OBJ_VIEW_VALUE, OBJ_FAM_GENERAL, SET_GEN_PAR_LANGUAGE)),
                      v, 2),
            1);
  APP_FollowLanguage(0);
  EXPECT_EQ(gBuilt, (std::vector<int>{1, 0}));
  // The host's input names follow, in the controller's own buffers (the host reads them from its thread).
  EXPECT_EQ(SIM_InputDescs[0].pName1, pName);
  EXPECT_EQ(std::u16string(SIM_InputDescs[0].pName1), u"Eingang 1");
  EXPECT_EQ(std::u16string(SIM_InputDescs[0].pName2), u"Eingang");
  EXPECT_NE(SIM_InputDescs[0].pName2, IO_Inputs[0].GetClassName());  // a copy, not the table's text
  IO_Inputs[0].SetParameter(FKT_PAR_DESIGNATION, 8, 0);
  IO_WriteSimInputDesc();
  EXPECT_EQ(std::u16string(SIM_InputDescs[0].pName2), u"Boiler");
}

TEST_F(LangCoreTexts, TheChangeLogNamesTheDesignationInTheCurrentLanguage) {
  static LangTable t;
  t.Publish();
  ASSERT_EQ(IO_Inputs[0].SetParameter(FKT_PAR_DESIGNATION, 8, FKT_SET_NOTIFY), 1);
  std::ifstream f(Path("docs/Intern/change.log"), std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
  std::u16string text;
  for (size_t i = 2; i + 1 < bytes.size(); i += 2)
    text += (char16_t)((unsigned char)bytes[i] | (unsigned char)bytes[i + 1] << 8);
  EXPECT_NE(text.find(u" Eingang 1 Designation: - -> Boiler\r\n"), std::u16string::npos);
}
