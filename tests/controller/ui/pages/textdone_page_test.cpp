// A text entry opened through the dispatcher writes the typed text back: a value box or a list line of input 1's
// user designation, typed on the keyboard and confirmed, changes the designation the controller holds.
#include <string>
#include <vector>

#include "OBJ_Access.h"
#include "OBJ_Map.h"
#include "UI_ElementLine.h"
#include "UI_EntryDispatch.h"
#include "UI_MenuPage.h"
#include "UI_TextEntry.h"
#include "main_fixture.h"

namespace {

const uint32_t kInput1Page = OBJ_MakeAddress(0, 0, OBJ_MenuIndex(OBJ_FAM_INPUT, 0));
const uint16_t kUserText = OBJ_ValueIndex(OBJ_VIEW_VALUE, OBJ_FAM_INPUT, OBJ_VC_USER_TEXT);
const uint16_t kUserTextName = OBJ_ValueIndex(OBJ_VIEW_TEXT, OBJ_FAM_INPUT, OBJ_VC_USER_TEXT);
constexpr int kOkX = 460, kOkY = 205, kCancelX = 460, kCancelY = 90;  // the side buttons

class TextDoneTest : public MainScreenTest {
 protected:
  void SetUp() override {
    MainScreenTest::SetUp();
    UI_InstallStartup();  // as the running program: the menu pages and the keyboard
    ASSERT_EQ(UI_MenuStackInstance.Open(kInput1Page, 0), UI_SHOW_OK);
    Settle();
  }
  void TearDown() override {
    UI_pfOpenTextEntry = nullptr;
    APP_UiHooks = {};
    MainScreenTest::TearDown();
  }
  // Puts a value line of the given records on top of the shown page (the page's own lines stay below it).
  static WM_HWIN AddLine(std::vector<uint8_t> Rec) {
    for (int i = 0; i < 4; i++) Rec.push_back(0);
    uint8_t* pFill = UI_MenuStackInstance.GetPageArea() + UI_MenuStack::GetPageAreaSize() - 4096;
    UI_BuildValueLine(Page(), kInput1Page, Rec.data(), &pFill, Rec.data() + Rec.size() - 4);
    WM_HWIN h = WM_GetFirstChild(Page());
    while (WM_GetNextSibling(h)) h = WM_GetNextSibling(h);
    WM_SendMessageNoPara(h, UI_MSG_REFRESH);  // the name
    WM_SendMessageNoPara(h, UI_MSG_LOAD);     // the boxes
    Settle();
    return h;
  }
  // A value line: the designation's name and, with Box, an editable box of its value; or a list line.
  static WM_HWIN AddDesignationLine(int Box) {
    if (!Box) return AddLine({'v', 0, uint8_t(kUserTextName), uint8_t(kUserTextName >> 8), 1, 0, 0, 0});
    return AddLine({11, 0, uint8_t(kUserTextName), uint8_t(kUserTextName >> 8), 0x22, 0, uint8_t(kUserText),
                    uint8_t(kUserText >> 8), 1, 0, 0, 0});
  }
  void TouchCentre(WM_HWIN h) {
    Touch(WM_GetWindowPosX(h) + WM_GetWindowSizeX(h) / 2, WM_GetWindowPosY(h) + WM_GetWindowSizeY(h) / 2);
  }
  // Touches the keys of the letters (the keyboard starts with a capital, then small letters).
  void Type(const char16_t* s) {
    for (; *s; s++) {
      int k = 0;
      while (k < UI_TE_CHAR_KEYS && UI_TextEntryKeyChar(k) != *s) k++;
      ASSERT_LT(k, UI_TE_CHAR_KEYS) << char(*s);
      const int16_t* r = UI_TextEntryKeys[k];
      Touch(WM_GetWindowPosX(UI_hEntryDialog) + (r[0] + r[2]) / 2, WM_GetWindowPosY(UI_hEntryDialog) + (r[1] + r[3]) / 2);
    }
  }
  // The designation as the controller answers it.
  static std::u16string UserText() {
    uint8_t a[80] = {};
    char16_t s[32];
    UI_TakeTextAnswer(a, OBJ_Read(OBJ_MakeAddress(0, 0, kUserText), a, sizeof(a), 0), s, 32);
    return s;
  }
};

TEST_F(TextDoneTest, TheTypedDesignationIsWrittenThroughABoxOrAListLineAndCancelKeepsIt) {
  ASSERT_EQ(UserText(), u"");
  TouchCentre(WM_GetFirstChild(AddDesignationLine(1)));
  ASSERT_TRUE(UI_hEntryDialog);
  Type(u"Boiler");
  Touch(kOkX, kOkY);
  EXPECT_FALSE(UI_hEntryDialog);
  EXPECT_EQ(UserText(), u"Boiler");
  // The box shows the text, not a number; the keyboard opens on it, and Cancel writes nothing.
  WM_HWIN hBox = WM_GetFirstChild(AddDesignationLine(1));
  EXPECT_EQ(std::u16string(((UI_BOX_BLOCK*)UI_GetElementData(hBox))->acText), u"Boiler");
  TouchCentre(hBox);
  EXPECT_EQ(std::u16string(UI_TextEntryState.acText), u"Boiler");
  Type(u"S");
  Touch(kCancelX, kCancelY);
  EXPECT_FALSE(UI_hEntryDialog);
  EXPECT_EQ(UserText(), u"Boiler");
  // A list line whose entry is a text: typed on behind the text.
  TouchCentre(AddDesignationLine(0));
  ASSERT_TRUE(UI_hEntryDialog);
  Type(u"Pump");
  Touch(kOkX, kOkY);
  EXPECT_EQ(UserText(), u"BoilerPump");
}

}  // namespace
