// The file list with its dialogs installed, driven by touches: loading function data through the load options,
// deleting after a confirmation, the result dialog, and sending a file to a node with its progress.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>
#include <sys/stat.h>

#include "APP_Host.h"
#include "CAN_Node.h"
#include "DAT_File.h"
#include "FKT_Access.h"
#include "FKT_Base.h"
#include "SDO_Client.h"
#include "UI_Dialog.h"
#include "UI_Element.h"
#include "UI_ElementFile.h"
#include "UI_ElementLine.h"
#include "UI_GraphicsCache.h"
#include "UI_MenuPage.h"
#include "UI_SelectList.h"
#include "Unwritable.h"
#include "entry_fake_node.h"
#include "main_fixture.h"

namespace {

int g_Slept;
void _Delay(int Ms) { g_Slept += Ms; }

class DialogFileListTest : public MainScreenTest {
 protected:
  void SetUp() override {
    MainScreenTest::SetUp();
    ASSERT_EQ(UI_LoadGraphics(), 0);
    UI_InstallMenuPages();
    UI_InstallDialogs();
    APP_HostHooks.pfDelay = _Delay;
    snprintf(SavedDocs, sizeof(SavedDocs), "%s", APP_DocumentsFolder);
    char Tmp[] = "/tmp/ui_dialogs_XXXXXX";
    ASSERT_TRUE(mkdtemp(Tmp));
    Folder = Tmp;
    snprintf(APP_DocumentsFolder, sizeof(APP_DocumentsFolder), "%s", Tmp);
    mkdir((Folder + "/Intern").c_str(), 0700);
    fakenode::Install();
  }
  void TearDown() override {
    UI_WaitFirmwareTransfer();
    CAN_FirmwareProgress = 0;
    SDO_TimeoutMs = 1000;
    for (auto& e : CAN_NodeTable) e = {};
    fakenode::Remove();
    UI_DialogHooks = {};
    APP_HostHooks.pfDelay = nullptr;
    snprintf(APP_DocumentsFolder, sizeof(APP_DocumentsFolder), "%s", SavedDocs);
    EXPECT_EQ(system(("rm -rf '" + Folder + "'").c_str()), 0);
    UI_DeleteGraphicsCache();
    MainScreenTest::TearDown();
  }
  // Node 5's root page: one file entry listing the internal memory, with result, action and rename objects.
  void OpenNodeFiles() {
    fakenode::Objects()[{0x5800, 0}] = {0x60, 0, 0, 0, 0, 7, 0, 0, 0, 7, 0, 0, 0x40, 0, 0x10, 0x01, 0, 0, 0, 0};
    const char s[] = "M0:\\?E00000122?A00000120?R00000121?LHeating.dat?BBoard.bin";
    std::vector<uint8_t> v = {0x18, 0};
    fakenode::Objects()[{0x0110, 0}] = (v.insert(v.end(), s, s + sizeof(s)), v);
    ASSERT_EQ(UI_MenuStackInstance.Open(uint32_t(fakenode::kNode) << 24 | UI_ROOT_MENU, 0), UI_SHOW_OK);
    Settle();
  }
  void WriteFile(const char* Name, const std::string& Bytes) {
    FILE* f = fopen((Folder + "/Intern/" + Name).c_str(), "wb");
    ASSERT_TRUE(f);
    fwrite(Bytes.data(), 1, Bytes.size(), f);
    fclose(f);
  }
  static WM_HWIN Line(int i) {
    WM_HWIN h = WM_GetFirstChild(Page());
    while (h && i--) h = WM_GetNextSibling(h);
    return h;
  }
  void Ok() { Touch(460, 205); }
  void Cancel() { Touch(460, 90); }
  static WM_CALLBACK* Shown() { return UI_hEntryDialog ? WM_GetCallback(UI_hEntryDialog) : nullptr; }
  std::string Written(uint16_t Index) {
    for (auto it = fakenode::Writes().rbegin(); it != fakenode::Writes().rend(); ++it)
      if (it->Index == Index) return std::string(it->Data.begin(), it->Data.end() - 1);
    return "(none)";
  }
  // The save and the factory reset lines of the own controller's file page.
  static std::vector<WM_HWIN> ConfirmedLines() {
    std::vector<WM_HWIN> v;
    for (WM_HWIN h = WM_GetFirstChild(Page()); h; h = WM_GetNextSibling(h)) {
      const UI_LINE_BLOCK* p = (const UI_LINE_BLOCK*)UI_GetElementData(h);
      if (WM_GetCallback(h) == UI_ValueLineCallback && p && p->Code == 'f') v.push_back(h);
    }
    return v;
  }
  // Marks a user designation that a reset would clear, then touches the factory reset line: its confirmation shows.
  void AskForFactoryReset() {
    FKT_UserDesignations[6][0] = u'Q';
    ASSERT_EQ(UI_MenuStackInstance.Open(0x5808, 0), UI_SHOW_OK);
    Settle();
    std::vector<WM_HWIN> Lines = ConfirmedLines();
    ASSERT_EQ(Lines.size(), 2u);
    TouchIn(Lines[1], 100, 20);
    ASSERT_EQ(Shown(), UI_ConfirmDialogCallback);
  }
  static int ShownTitle() {
    UI_ConfirmInfo Info = {};
    if (Shown() == UI_ConfirmDialogCallback) WM_GetUserData(UI_hEntryDialog, &Info, sizeof(Info));
    return Shown() == UI_ConfirmDialogCallback ? Info.TextIndex : -1;
  }
  std::string ReadIntern(const char* Name) {
    std::string s;
    if (FILE* f = fopen((Folder + "/Intern/" + Name).c_str(), "rb")) {
      char a[4096];
      size_t n;
      while ((n = fread(a, 1, sizeof(a), f)) > 0) s.append(a, n);
      fclose(f);
    }
    return s;
  }
  char SavedDocs[APP_PATH_MAX];
  std::string Folder;
};

TEST_F(DialogFileListTest, FunctionDataAreLoadedWithTheChosenOptions) {
  FKT_UserDesignations[6][0] = u'Z';
  ASSERT_EQ(DAT_SaveFunctionDataFile("M0:\\Heating.dat"), DAT_OK);
  FKT_UserDesignations[6][0] = u'A';
  ASSERT_EQ(UI_MenuStackInstance.Open(0x5808, 0), UI_SHOW_OK);
  Settle();
  TouchIn(Line(0), 200, 20);
  ASSERT_EQ(Shown(), UI_LoadOptionsCallback);
  EXPECT_TRUE(golden::Matches("controller/ui/dialog_load_options", golden::CaptureLCD()));
  // "Reset" for the function meter readings, picked in the list that the row's box opens.
  WM_HWIN hBox = Child(Child(UI_hEntryDialog, 1), 0);
  TouchIn(hBox, 150, 20);
  ASSERT_TRUE(UI_hListWin);
  TouchIn(WM_GetFirstChild(UI_hListWin), 100, 40 + 20);
  EXPECT_FALSE(UI_hListWin);
  EXPECT_EQ(UI_ChoiceBoxIndex(hBox), 1u);
  EXPECT_EQ(WM_GetCallback(UI_hBackButton), UI_SideButtonForwardCallback);  // the list gave the buttons back
  Ok();
  EXPECT_FALSE(UI_hEntryDialog);
  EXPECT_EQ(FKT_UserDesignations[6][0], u'Z');  // the controller holds the loaded data
  EXPECT_EQ(WM_GetCallback(UI_hBackButton), UI_SideButtonCallback);
  EXPECT_EQ(UI_hEntryShield, 0);
}

TEST_F(DialogFileListTest, CancelledDeleteKeepsTheFileAndTheResultsOkGoesBack) {
  OpenNodeFiles();
  TouchIn(Line(0), 20, 20);  // the action row
  TouchIn(Child(Line(0), 0), 50, 20);
  ASSERT_EQ(Shown(), UI_ConfirmDialogCallback);
  EXPECT_TRUE(golden::Matches("controller/ui/dialog_confirm_delete", golden::CaptureLCD()));
  EXPECT_TRUE(UI_ScreenFlags & UI_SCREEN_NO_HOME);
  Cancel();
  EXPECT_FALSE(UI_hEntryDialog);
  EXPECT_EQ(Written(0x0120), "(none)");
  EXPECT_FALSE(UI_ScreenFlags & UI_SCREEN_NO_HOME);
  TouchIn(Child(Line(0), 0), 50, 20);
  Ok();
  EXPECT_EQ(Written(0x0120), "000M0:\\Heating.dat");
  // Loading: all retained, the node reports success in a dialog that only has OK.
  fakenode::Objects()[{0x4FF5, 6}] = {2, 0, 0, 0};
  TouchIn(Line(0), 200, 20);
  ASSERT_EQ(Shown(), UI_LoadOptionsCallback);
  Ok();
  EXPECT_EQ(Written(0x0120), "000M0:\\Heating.dat");
  ASSERT_EQ(Shown(), UI_ConfirmDialogCallback);
  EXPECT_EQ(WM_GetCallback(UI_hHomeButton), UI_SideButtonInactiveCallback);
  Cancel();  // inactive
  ASSERT_TRUE(UI_hEntryDialog);
  Ok();
  EXPECT_FALSE(UI_hEntryDialog);
  EXPECT_EQ(UI_MenuStackInstance.GetNode(), uint32_t(UI_ROOT_MENU));
}

TEST_F(DialogFileListTest, AFileGoesToANodeOfItsTypeAndASilentNodeEndsInTheFailure) {
  WriteFile("Board.bin", "ORVALDI_KLIMAREGELWERK_DAT_FILE\r\n     DEVICE: 87\r\nfirmware bytes");
  CAN_NodeTable[fakenode::kNode] = {1, 0x87, 0, {}};
  CAN_NodeTable[7] = {1, 0x88, 0, {}};   // another type
  CAN_NodeTable[12] = {1, 0x87, 0, {}};  // does not answer: not listed
  SDO_TimeoutMs = 0;
  std::vector<uint8_t> Name = {0x18, 0};
  for (char16_t c : std::u16string(u"Pump")) Name.insert(Name.end(), {uint8_t(c), 0});
  fakenode::Objects()[{0x2512, 0}] = Name;
  fakenode::Objects()[{0x23E2, 1}] = {0x87, 0, 0, 0};
  OpenNodeFiles();
  // As the own controller lists it, a firmware file has a send button.
  ((UI_FILE_BLOCK*)UI_GetElementData(Line(1)))->Target &= 0xFFFFFF;
  TouchIn(Line(1), 20, 20);
  TouchIn(Child(Line(1), 2), 50, 20);
  ASSERT_EQ(Shown(), UI_SendFileCallback);
  EXPECT_EQ(WM_GetCallback(UI_hBackButton), UI_SideButtonInactiveCallback);  // no node yet
  WM_HWIN hChooser = WM_GetFirstChild(UI_hEntryDialog);
  TouchIn(hChooser, 150, 20);
  ASSERT_TRUE(UI_hListWin);
  EXPECT_EQ(UI_EntryItemValues.Count, 1);
  EXPECT_EQ(std::u16string(UI_EntryItemTexts.ppTexts[5]), u"5: Pump");
  TouchIn(WM_GetFirstChild(UI_hListWin), 100, 20);
  EXPECT_EQ(WM_GetCallback(UI_hBackButton), UI_SideButtonForwardCallback);
  EXPECT_TRUE(golden::Matches("controller/ui/dialog_send_file", golden::CaptureLCD()));
  Ok();
  ASSERT_EQ(Shown(), UI_ProgressDialogCallback);
  UI_WaitFirmwareTransfer();
  EXPECT_EQ(fakenode::Writes().back().Index, 0x1F50);
  EXPECT_EQ(CAN_FirmwareProgress, 100);
  Advance(UI_PROGRESS_PERIOD_MS);
  Ok();
  EXPECT_FALSE(UI_hEntryDialog);
  // The same file to node 12, which never answers: the dialog shows the failure and only Cancel leaves it.
  UI_DialogHooks.pfSendFirmware(Line(1), 12, "M0:\\Board.bin");
  ASSERT_EQ(Shown(), UI_ProgressDialogCallback);
  EXPECT_EQ(WM_GetCallback(UI_hHomeButton), UI_SideButtonInactiveCallback);
  UI_WaitFirmwareTransfer();
  EXPECT_EQ(CAN_FirmwareProgress, -1);
  Advance(UI_PROGRESS_PERIOD_MS);
  EXPECT_TRUE(golden::Matches("controller/ui/dialog_progress_failed", golden::CaptureLCD()));
  Ok();  // inactive
  ASSERT_TRUE(UI_hEntryDialog);
  Cancel();
  EXPECT_FALSE(UI_hEntryDialog);
  EXPECT_EQ(WM_GetCallback(UI_hHomeButton), UI_SideButtonCallback);
}

TEST_F(DialogFileListTest, SavingAsksAboutReplacingOnlyWhenTheFileExists) {
  ASSERT_EQ(UI_MenuStackInstance.Open(0x5808, 0), UI_SHOW_OK);
  Settle();
  std::vector<WM_HWIN> Lines = ConfirmedLines();
  ASSERT_FALSE(Lines.empty());
  WM_HWIN hSave = Lines[0];
  TouchIn(hSave, 100, 20);
  ASSERT_EQ(Shown(), UI_ConfirmDialogCallback);
  EXPECT_EQ(ShownTitle(), 5);  // no file yet: only whether the user is sure
  // The title stands clear of the dialog's background.
  EXPECT_TRUE(golden::Matches("controller/ui/dialog_confirm_save", golden::CaptureLCD()));
  Cancel();
  ASSERT_EQ(DAT_SaveFunctionDataFile(APP_FunctionDataPath), DAT_OK);
  TouchIn(hSave, 100, 20);
  ASSERT_EQ(Shown(), UI_ConfirmDialogCallback);
  EXPECT_EQ(ShownTitle(), 0);  // "Replace the existing file?"
  Cancel();
}

// The own node saves in its next control cycle: the page lists the new file once it is written.
TEST_F(DialogFileListTest, SavedFunctionDataIsListedOnceTheControlCycleWroteIt) {
  auto FileLines = [] {
    int n = 0;
    for (WM_HWIN h = WM_GetFirstChild(Page()); h; h = WM_GetNextSibling(h))
      n += WM_GetCallback(h) == UI_FileLineCallback;
    return n;
  };
  ASSERT_EQ(UI_MenuStackInstance.Open(0x5808, 0), UI_SHOW_OK);
  Settle();
  std::vector<WM_HWIN> Lines = ConfirmedLines();
  ASSERT_FALSE(Lines.empty());
  WM_HWIN hSave = Lines[0];
  int Before = FileLines();
  TouchIn(hSave, 100, 20);
  ASSERT_EQ(Shown(), UI_ConfirmDialogCallback);
  Ok();
  EXPECT_FALSE(UI_hEntryDialog);
  ASSERT_NE(APP_SaveRequested.load(), 0);
  Advance(500);
  EXPECT_EQ(FileLines(), Before);  // not written yet
  APP_ControlCycle();
  ASSERT_EQ(APP_SaveRequested.load(), 0);
  Advance(200);
  EXPECT_EQ(FileLines(), Before + 1);
  Advance(500);
  EXPECT_EQ(FileLines(), Before + 1);  // built once
}

// Saving into a folder that cannot be written (a full disk alike): "Saving failed." with only OK, and the file
// saved before stays as it was.
TEST_F(DialogFileListTest, ASaveThatFailsSaysSoAndKeepsTheOldFile) {
  ASSERT_EQ(DAT_SaveFunctionDataFile(APP_FunctionDataPath), DAT_OK);
  std::string Before = ReadIntern("funktionsdaten.dat");
  ASSERT_EQ(Before.size(), size_t(DAT_FILE_SIZE));
  FKT_UserDesignations[6][0] = u'Q';  // a change the save would have kept
  ASSERT_EQ(UI_MenuStackInstance.Open(0x5808, 0), UI_SHOW_OK);
  Settle();
  chmod(Folder.c_str(), 0755);
  TouchIn(ConfirmedLines().at(0), 100, 20);
  ASSERT_EQ(Shown(), UI_ConfirmDialogCallback);
  Ok();
  EXPECT_FALSE(UI_hEntryDialog);
  {
    UnwritableFolder ReadOnly(Folder + "/Intern");
    APP_ControlCycle();
  }
  Advance(200);
  EXPECT_EQ(ShownTitle(), 13);  // "Saving failed."
  EXPECT_EQ(WM_GetCallback(UI_hHomeButton), UI_SideButtonInactiveCallback);  // only OK
  EXPECT_TRUE(golden::Matches("controller/ui/dialog_saving_failed", golden::CaptureLCD()));
  Ok();
  EXPECT_FALSE(UI_hEntryDialog);
  EXPECT_EQ(ReadIntern("funktionsdaten.dat"), Before);
  FKT_UserDesignations[6][0] = 0;
}

// A new file named on the file page that cannot be written: "Saving failed.", and no file.
TEST_F(DialogFileListTest, ANewFileThatCannotBeSavedSaysSo) {
  ASSERT_EQ(UI_MenuStackInstance.Open(0x5808, 0), UI_SHOW_OK);
  Settle();
  WM_HWIN hNew = 0;
  for (WM_HWIN h = WM_GetFirstChild(Page()); h; h = WM_GetNextSibling(h)) {
    const UI_FILE_BLOCK* p = (const UI_FILE_BLOCK*)UI_GetElementData(h);
    if (WM_GetCallback(h) == UI_FileLineCallback && p && p->Type == UI_FILE_NEW) hNew = h;
  }
  ASSERT_TRUE(hNew);
  std::copy_n(u"Plant", 6, UI_TextBuffer);
  WM_MESSAGE Msg = {};
  Msg.MsgId = UI_MSG_TEXT_DONE;
  chmod(Folder.c_str(), 0755);
  {
    UnwritableFolder ReadOnly(Folder + "/Intern");
    WM_SendMessage(hNew, &Msg);
  }
  Settle();
  EXPECT_EQ(ShownTitle(), 13);
  EXPECT_EQ(ReadIntern("Plant.dat"), "");
  Ok();
  EXPECT_FALSE(UI_hEntryDialog);
}

// A factory reset saves a backup first and resets nothing without one: the user is told that saving failed.
TEST_F(DialogFileListTest, AFactoryResetWithoutItsBackupSaysSoAndResetsNothing) {
  FKT_AccessLevels[0].Level = FKT_LEVEL_EXPERT;
  ASSERT_NO_FATAL_FAILURE(AskForFactoryReset());
  chmod(Folder.c_str(), 0755);
  {
    UnwritableFolder ReadOnly(Folder + "/Intern");
    Ok();
  }
  Settle();
  EXPECT_EQ(ShownTitle(), 13);
  EXPECT_EQ(FKT_UserDesignations[6][0], u'Q');  // nothing was reset
  EXPECT_EQ(ReadIntern("_Backup.dat"), "");
  Ok();
  FKT_UserDesignations[6][0] = 0;
  FKT_AccessLevels[0].Level = FKT_LEVEL_USER;
}

// Below the expert level the node refuses the reset: the user is told that the level is too low, not that saving
// failed, and nothing is reset or saved.
TEST_F(DialogFileListTest, AFactoryResetBelowTheExpertLevelSaysTheLevelIsTooLow) {
  FKT_AccessLevels[0].Level = FKT_LEVEL_TECHNICIAN;
  ASSERT_NO_FATAL_FAILURE(AskForFactoryReset());
  Ok();
  Settle();
  EXPECT_EQ(ShownTitle(), UI_TITLE_LEVEL_TOO_LOW);
  EXPECT_EQ(FKT_UserDesignations[6][0], u'Q');
  EXPECT_EQ(ReadIntern("_Backup.dat"), "");
  Ok();
  EXPECT_FALSE(UI_hEntryDialog);
  FKT_UserDesignations[6][0] = 0;
  FKT_AccessLevels[0].Level = FKT_LEVEL_USER;
}

TEST_F(DialogFileListTest, AFactoryResetAsksWhetherTheUserIsSureEvenWhenTheDataFileExists) {
  ASSERT_EQ(DAT_SaveFunctionDataFile(APP_FunctionDataPath), DAT_OK);
  ASSERT_EQ(UI_MenuStackInstance.Open(0x5808, 0), UI_SHOW_OK);
  Settle();
  std::vector<WM_HWIN> Confirmed = ConfirmedLines();
  ASSERT_EQ(Confirmed.size(), 2u);  // save, then the factory reset
  int aTitle[2] = {-1, -1};
  for (int i = 0; i < 2; i++) {
    TouchIn(Confirmed[size_t(i)], 100, 20);
    ASSERT_EQ(Shown(), UI_ConfirmDialogCallback);
    aTitle[i] = ShownTitle();
    Cancel();
  }
  EXPECT_EQ(aTitle[0], 0);  // the save replaces the file
  EXPECT_EQ(aTitle[1], 5);  // the reset replaces no file
}

}  // namespace
