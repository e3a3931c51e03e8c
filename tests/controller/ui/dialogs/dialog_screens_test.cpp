// The dialogs on their own: the choice box under a title of any height, the progress of a transfer, the
// packed load options, a dialog replaced by another, and the texts the node chooser builds.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "APP_Host.h"
#include "CAN_Node.h"
#include "UI_Dialog.h"
#include "UI_GraphicsCache.h"
#include "main_fixture.h"

namespace {

std::vector<WM_MESSAGE> g_Got;
void _cbReceiver(WM_MESSAGE* pMsg) {
  if (pMsg->MsgId >= UI_MSG_SELECTION_DONE) g_Got.push_back(*pMsg);
}

class DialogTest : public MainScreenTest {
 protected:
  void SetUp() override {
    MainScreenTest::SetUp();
    ASSERT_EQ(UI_LoadGraphics(), 0);
    g_Got.clear();
    hReceiver = WM_CreateWindow(0, 0, 1, 1, 0, _cbReceiver, 0);
  }
  void TearDown() override {
    CAN_FirmwareProgress = 0;
    UI_DeleteGraphicsCache();
    MainScreenTest::TearDown();
  }
  void Ok() { Touch(460, 205); }
  void Cancel() { Touch(460, 90); }
  static int BoxY() { return WM_GetWindowPosY(WM_GetFirstChild(UI_hEntryDialog)) - WM_GetWindowPosY(UI_hEntryDialog); }
  WM_HWIN hReceiver = 0;
};

TEST_F(DialogTest, TheChoiceBoxSitsUnderTheTitleAndOkReturnsTheChosenItem) {
  const char16_t* ap[3] = {u"One", u"Two", u"Three"};
  UI_ItemTexts Texts = {ap, 3};
  UI_ConfirmInfo Info = {};
  Info.TextIndex = UI_TITLE_FIRMWARE;  // three lines
  Info.Initial = 1;
  Info.pChoices = &Texts;
  ASSERT_TRUE(UI_CreateConfirmDialog(hReceiver, &Info));
  Settle();
  int yLong = BoxY();
  Info.TextIndex = 5;  // one line
  ASSERT_TRUE(UI_CreateConfirmDialog(hReceiver, &Info));
  Settle();
  EXPECT_EQ(BoxY(), 20 + 34);
  EXPECT_EQ(yLong - BoxY(), 2 * GUI_GetYDistOfFont(&UI_Font24));
  WM_HWIN hBox = WM_GetFirstChild(UI_hEntryDialog);
  Touch(WM_GetWindowPosX(hBox) + 100, WM_GetWindowPosY(hBox) + 20);
  ASSERT_TRUE(UI_hListWin);
  WM_MESSAGE m = {};
  m.MsgId = UI_MSG_SELECTION_DONE;
  m.Data.v = 2;
  WM_SendMessageNoPara(UI_hListWin, UI_MSG_CLOSED);
  WM_SendMessage(hBox, &m);
  Settle();
  Ok();
  ASSERT_EQ(g_Got.size(), 1u);
  EXPECT_EQ(g_Got[0].MsgId, UI_MSG_CONFIRMED);
  EXPECT_EQ(int(g_Got[0].hWinSrc), 5);
  EXPECT_EQ(g_Got[0].Data.v, 2);
  EXPECT_EQ(UI_hEntryShield, 0);  // the replaced dialog left no carrier behind
}

TEST_F(DialogTest, TheProgressShowsThePercentageAndOkOnlyAtTheEnd) {
  UI_ProgressInfo Info = {};
  Info.pTitle = u"Board.bin";
  CAN_FirmwareProgress = 40;
  ASSERT_TRUE(UI_CreateProgressDialog(hReceiver, &Info));
  Advance(UI_PROGRESS_PERIOD_MS);
  EXPECT_TRUE(golden::Matches("controller/ui/dialog_progress", golden::CaptureLCD()));
  EXPECT_EQ(WM_GetCallback(UI_hBackButton), UI_SideButtonInactiveCallback);
  EXPECT_EQ(WM_GetCallback(UI_hHomeButton), UI_SideButtonInactiveCallback);
  CAN_FirmwareProgress = 100;
  Advance(UI_PROGRESS_PERIOD_MS - 1);
  EXPECT_EQ(WM_GetCallback(UI_hBackButton), UI_SideButtonInactiveCallback);  // read once a second
  Advance(1);
  EXPECT_EQ(WM_GetCallback(UI_hBackButton), UI_SideButtonForwardCallback);
  Ok();
  ASSERT_EQ(g_Got.size(), 1u);
  EXPECT_EQ(g_Got[0].MsgId, UI_MSG_DIALOG_RESULT);
  EXPECT_EQ(int(g_Got[0].hWinSrc), UI_PROGRESS_SOURCE);
  EXPECT_EQ(g_Got[0].Data.v, 0);
}

TEST_F(DialogTest, LoadOptionsArePackedByRowAndCancelSendsNothing) {
  ASSERT_TRUE(UI_CreateLoadOptions(hReceiver, nullptr));
  Cancel();
  EXPECT_TRUE(g_Got.empty());
  ASSERT_TRUE(UI_CreateLoadOptions(hReceiver, nullptr));
  int Row = 0;
  for (WM_HWIN h = WM_GetFirstChild(UI_hEntryDialog); h; h = WM_GetNextSibling(h), Row++) {
    WM_MESSAGE m = {};
    m.MsgId = UI_MSG_SELECTION_DONE;
    m.Data.v = Row;  // "Reset" for function meter readings, "Load function data" for calibration values
    WM_SendMessage(WM_GetFirstChild(h), &m);
  }
  Ok();
  ASSERT_EQ(g_Got.size(), 1u);
  EXPECT_EQ(int(g_Got[0].hWinSrc), UI_MSG_CONFIRMED);
  EXPECT_EQ(g_Got[0].Data.v, 0x020100);
}

TEST_F(DialogTest, ADialogReplacedOrLeftByItsReceiverGivesTheScreenBack) {
  UI_ConfirmInfo Info = {};
  Info.TextIndex = UI_TITLE_DELETE;
  Info.pMessage = u"Heating.dat";
  ASSERT_TRUE(UI_CreateConfirmDialog(hReceiver, &Info));
  ASSERT_TRUE(UI_CreateLoadOptions(hReceiver, nullptr));  // the confirmation gives way
  EXPECT_FALSE(UI_ScreenFlags & UI_SCREEN_NO_HOME);
  WM_DeleteWindow(hReceiver);
  Ok();
  EXPECT_FALSE(UI_hEntryDialog);
  EXPECT_EQ(UI_hEntryShield, 0);
  EXPECT_EQ(WM_GetCallback(UI_hBackButton), UI_SideButtonCallback);
  EXPECT_EQ(WM_GetCallback(UI_hHomeButton), UI_SideButtonCallback);
  EXPECT_TRUE(g_Got.empty());
}

TEST(DialogTexts, FormattedTextsStayInsideTheirBuffer) {
  char16_t ac[8];
  EXPECT_EQ(UI_FormatText(ac, 8, "%d: %ls", 12, u"Pump"), 7);
  EXPECT_EQ(std::u16string(ac), u"12: Pum");
  EXPECT_EQ(UI_FormatText(ac, 8, "%d%%%hs%", 5, "ab"), 4);
  EXPECT_EQ(std::u16string(ac), u"5%ab");
}

TEST(DialogTexts, TheDeviceTypeIsReadFromTheFilesHeadOnly) {
  char Dir[] = "/tmp/ui_devtype_XXXXXX";
  ASSERT_TRUE(mkdtemp(Dir));
  auto Type = [&](const std::string& Bytes) {
    std::string Path = std::string(Dir) + "/f.dat";
    FILE* f = fopen(Path.c_str(), "wb");
    fwrite(Bytes.data(), 1, Bytes.size(), f);
    fclose(f);
    return UI_FileDeviceType(Path.c_str());
  };
  EXPECT_EQ(Type("HEAD\r\n     DEVICE: 8c\r\n"), 0x8C);
  EXPECT_EQ(Type("     DEVICE:MERIDOX\r\n"), 0);
  EXPECT_EQ(Type("     DEVICE: 8"), 0);  // cut short
  EXPECT_EQ(Type(std::string(160, ' ') + "DEVICE: 87"), 0);  // beyond the head
  EXPECT_EQ(UI_FileDeviceType((std::string(Dir) + "/none.dat").c_str()), 0);
  EXPECT_EQ(system(("rm -rf '" + std::string(Dir) + "'").c_str()), 0);
}

}  // namespace
