// Pages of the other element kinds: the access line with its level boxes, text lines, and the file list.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/stat.h>

#include "APP_Host.h"
#include "FKT_Access.h"
#include "OBJ_Map.h"
#include "UI_ElementFile.h"
#include "UI_ElementLine.h"
#include "UI_EntryDispatch.h"
#include "UI_MenuPage.h"
#include "UI_TextEntry.h"
#include "main_fixture.h"

namespace {

WM_HWIN g_TextReceiver;
int _FakeTextEntry(WM_HWIN hReceiver, const char16_t*, int, int) {
  g_TextReceiver = hReceiver;
  return 1;
}

class ElementPageTest : public MainScreenTest {
 protected:
  void SetUp() override {
    MainScreenTest::SetUp();
    UI_InstallMenuPages();
    UI_pfOpenTextEntry = _FakeTextEntry;
    UI_pfOpenFileNameEntry = nullptr;
    g_TextReceiver = 0;
    snprintf(SavedDocs, sizeof(SavedDocs), "%s", APP_DocumentsFolder);
    char Tmp[] = "/tmp/ui_pages_XXXXXX";
    ASSERT_TRUE(mkdtemp(Tmp));
    Folder = Tmp;
    snprintf(APP_DocumentsFolder, sizeof(APP_DocumentsFolder), "%s", Tmp);
    mkdir((Folder + "/Intern").c_str(), 0700);
  }
  void TearDown() override {
    UI_pfOpenTextEntry = nullptr;
    UI_pfOpenFileNameEntry = nullptr;
    snprintf(APP_DocumentsFolder, sizeof(APP_DocumentsFolder), "%s", SavedDocs);
    std::string Cmd = "rm -rf '" + Folder + "'";
    EXPECT_EQ(system(Cmd.c_str()), 0);
    MainScreenTest::TearDown();
  }
  char SavedDocs[APP_PATH_MAX];
  std::string Folder;
};

TEST_F(ElementPageTest, TheAccessLineGrantsAnOpenLevelAtOnceAndAsksForTheOthersCode) {
  // The access tab of the general settings.
  uint32_t Access = OBJ_MenuIndex(OBJ_FAM_GENERAL, 5);
  ASSERT_EQ(UI_MenuStackInstance.Open(Access, 0), UI_SHOW_OK);
  Settle();
  WM_HWIN hLine = WM_GetFirstChild(Page());
  ASSERT_TRUE(hLine);
  WM_HWIN hUser = WM_GetFirstChild(hLine);
  WM_HWIN hExpert = WM_GetNextSibling(WM_GetNextSibling(hUser));
  ASSERT_TRUE(hExpert);
  EXPECT_EQ(WM_GetWindowSizeY(hLine), UI_LINE_H + 2 * UI_BOX_STEP);
  EXPECT_TRUE(golden::Matches("controller/ui/page_access", golden::CaptureLCD()));
  Touch(WM_GetWindowPosX(hExpert) + 80, WM_GetWindowPosY(hExpert) + 17);
  ASSERT_TRUE(g_TextReceiver);
  std::u16string Code = u"5678";
  std::copy(Code.c_str(), Code.c_str() + 5, UI_TextBuffer);
  WM_SendMessageNoPara(g_TextReceiver, UI_MSG_TEXT_DONE);
  Settle();
  EXPECT_EQ(FKT_AccessLevels[0].Level, uint32_t(FKT_LEVEL_EXPERT));
  // The user level has no code: a touch grants it without expiry.
  hUser = WM_GetFirstChild(WM_GetFirstChild(Page()));
  Touch(WM_GetWindowPosX(hUser) + 80, WM_GetWindowPosY(hUser) + 17);
  EXPECT_EQ(FKT_AccessLevels[0].Level, uint32_t(FKT_LEVEL_USER));
  EXPECT_EQ(FKT_AccessTimeout, -1);
}

TEST_F(ElementPageTest, AGrantedLevelChangesItsCodeAfterTheOldOne) {
  FKT_AccessLevels[0].Level = FKT_LEVEL_EXPERT;
  FKT_AccessTimeout = FKT_ACCESS_GRANT_SECONDS;
  ASSERT_EQ(UI_MenuStackInstance.Open(OBJ_MenuIndex(OBJ_FAM_GENERAL, 5), 0), UI_SHOW_OK);
  Settle();
  // Access line, then the two code-change lines.
  WM_HWIN hExpertChange = WM_GetNextSibling(WM_GetNextSibling(WM_GetFirstChild(Page())));
  ASSERT_TRUE(hExpertChange);
  ASSERT_EQ(((UI_LINE_BLOCK*)UI_GetElementData(hExpertChange))->Code, 'T');
  auto Type = [](const char16_t* s) {
    std::u16string t = s;
    std::copy(t.c_str(), t.c_str() + t.size() + 1, UI_TextBuffer);
    WM_SendMessageNoPara(g_TextReceiver, UI_MSG_TEXT_DONE);
  };
  Touch(WM_GetWindowPosX(hExpertChange) + 100, WM_GetWindowPosY(hExpertChange) + 20);
  ASSERT_EQ(g_TextReceiver, hExpertChange);
  Type(u"0000");  // a wrong old code asks again
  EXPECT_EQ(UI_TextBuffer[0], 0);
  Type(u"5678");
  Type(u"2468");
  Settle();
  // The new code opens the expert level, the old one no longer does.
  FKT_AccessLevels[0].Level = FKT_LEVEL_USER;
  EXPECT_EQ(UI_CheckCode(0x57F0 | 2 << 16, 0, u"5678", nullptr), 0);
  EXPECT_EQ(UI_CheckCode(0x57F0 | 2 << 16, 0, u"2468", nullptr), 1);
}

TEST_F(ElementPageTest, TheFileListShowsTheFilesAndANewEntryWritesItsName) {
  for (const char* n : {"/Intern/Heating.dat", "/Intern/Solar.dat"}) {
    FILE* f = fopen((Folder + n).c_str(), "wb");
    ASSERT_TRUE(f);
    fclose(f);
  }
  ASSERT_EQ(UI_MenuStackInstance.Open(0x5808, 0), UI_SHOW_OK);
  Settle();
  std::vector<UI_FILE_BLOCK*> Files;
  for (WM_HWIN h = WM_GetFirstChild(Page()); h; h = WM_GetNextSibling(h))
    if (WM_GetCallback(h) == UI_FileLineCallback) Files.push_back((UI_FILE_BLOCK*)UI_GetElementData(h));
  ASSERT_EQ(Files.size(), 3u);
  EXPECT_EQ(std::u16string(Files[0]->acText), u"Heating.dat");
  EXPECT_EQ(std::string(Files[0]->pName), "000M0:\\Heating.dat");
  EXPECT_EQ(Files[0]->Type, UI_FILE_DATA);
  EXPECT_EQ(Files[2]->Type, UI_FILE_NEW);
  EXPECT_EQ(Files[2]->Target & 0xFFFF, uint32_t(OBJ_IDX_SAVE_FILE));
  EXPECT_TRUE(golden::Matches("controller/ui/page_files", golden::CaptureLCD()));
  WM_HWIN hNew = WM_GetFirstChild(Page());
  WM_GetNextSibling(hNew);
  hNew = WM_GetNextSibling(WM_GetNextSibling(hNew));
  Touch(WM_GetWindowPosX(hNew) + 200, WM_GetWindowPosY(hNew) + 20);
  ASSERT_TRUE(g_TextReceiver);
  std::u16string Name = u"Plant.txt";
  std::copy(Name.c_str(), Name.c_str() + Name.size() + 1, UI_TextBuffer);
  WM_SendMessageNoPara(g_TextReceiver, UI_MSG_TEXT_DONE);
  Settle();
  struct stat st;
  EXPECT_EQ(stat((Folder + "/Intern/Plant.dat").c_str(), &st), 0);
}

TEST_F(ElementPageTest, ANewFileNameRefusesCharactersAFileNameCannotHold) {
  UI_InstallTextEntry();  // the real keyboard
  ASSERT_EQ(UI_MenuStackInstance.Open(0x5808, 0), UI_SHOW_OK);
  Settle();
  WM_HWIN hNew = 0;
  for (WM_HWIN h = WM_GetFirstChild(Page()); h; h = WM_GetNextSibling(h))
    if (WM_GetCallback(h) == UI_FileLineCallback && ((UI_FILE_BLOCK*)UI_GetElementData(h))->Type == UI_FILE_NEW) hNew = h;
  ASSERT_TRUE(hNew);
  Touch(WM_GetWindowPosX(hNew) + 200, WM_GetWindowPosY(hNew) + 20);
  ASSERT_TRUE(UI_hEntryDialog);
  for (char16_t c : std::u16string(u"Test:")) UI_TextEntryInsert(c, UI_TEXT_BUFFER_LEN);
  WM_SendMessageNoPara(UI_hEntryDialog, UI_MSG_BACK);
  Settle();
  ASSERT_TRUE(UI_hEntryDialog);  // refused: the keyboard stays with the text shown red
  struct stat st;
  EXPECT_NE(stat((Folder + "/Intern/Test:.dat").c_str(), &st), 0);
  UI_TextEntryApplyKey(UI_TE_KEY_BACKSPACE, UI_TEXT_BUFFER_LEN);
  WM_SendMessageNoPara(UI_hEntryDialog, UI_MSG_BACK);
  Settle();
  EXPECT_FALSE(UI_hEntryDialog);
  EXPECT_EQ(stat((Folder + "/Intern/Test.dat").c_str(), &st), 0);
}

}  // namespace
