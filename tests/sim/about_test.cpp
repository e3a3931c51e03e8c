// The About box: its caption and texts, and the buttons that end it.
#include <gtest/gtest.h>

#include <string>

#include "PLAT_Dialog.h"
#include "SIM_Frames.h"
#include "SIM_Windows.h"
#include "SimTestHost.h"

namespace {

struct SEEN {
  std::string Caption, Title, Version, Text, Ok;
  int xTitle = -1, xOk = -1, yText = -1, yOk = -1;
};
SEEN _Seen;

std::string _Item(PLAT_HWIN hDlg, uint32_t Id) {
  char acText[256];
  PLAT_GetDlgItemText(hDlg, Id, acText, sizeof(acText));
  return acText;
}

// Runs inside the dialog's own loop: reads what it shows, then presses OK (or closes it when it is missing).
void _ReadAndPressOk(void*) {
  PLAT_HWIN hDlg = PLAT_GetActiveDialog();
  if (!hDlg) return;
  char acCaption[64];
  PLAT_GetWindowText(hDlg, acCaption, sizeof(acCaption));
  _Seen.Caption = acCaption;
  _Seen.Title = _Item(hDlg, 1002);
  _Seen.Version = _Item(hDlg, 1001);
  _Seen.Text = _Item(hDlg, 1000);
  _Seen.Ok = _Item(hDlg, PLAT_ID_OK);
  int x, y, w, h;
  if (PLAT_GetDlgItemRect(hDlg, 1002, &x, &y, &w, &h) == 0) _Seen.xTitle = x;
  if (PLAT_GetDlgItemRect(hDlg, 1000, &x, &y, &w, &h) == 0) _Seen.yText = y;
  if (PLAT_GetDlgItemRect(hDlg, PLAT_ID_OK, &x, &y, &w, &h) == 0) {
    _Seen.xOk = x;
    _Seen.yOk = y;
  }
  PLAT_InjectDlgClick(hDlg, PLAT_ID_OK);
}

void _Cancel(void*) {
  if (PLAT_HWIN hDlg = PLAT_GetActiveDialog()) PLAT_SendMessage(hDlg, PLAT_MSG_COMMAND, PLAT_ID_CANCEL, 0);
}

}  // namespace

TEST(AboutBox, ShowsTitleVersionAndTextAndEndsWithOk) {
  PLAT_HWIN hMain = SimTest_StartHost();
  ASSERT_TRUE(hMain);
  _Seen = SEEN();
  ASSERT_EQ(PLAT_PostCall(_ReadAndPressOk, nullptr), 0);
  EXPECT_EQ(SIM__ShowAbout(hMain), PLAT_ID_OK);
  EXPECT_EQ(_Seen.Caption, "\xc3\x9c" "ber Q7-Simulator");
  EXPECT_EQ(_Seen.Title, "MERIDOX Simulator");
  EXPECT_EQ(_Seen.Version, "Version: 1.18");
  EXPECT_EQ(_Seen.Text, SIM_GetAboutText());
  EXPECT_FALSE(_Seen.Text.empty());
  EXPECT_EQ(_Seen.Ok, "OK");
  EXPECT_GT(_Seen.xOk, _Seen.xTitle);   // the button right of the title, the text below both
  EXPECT_GT(_Seen.yText, _Seen.yOk);
  EXPECT_FALSE(PLAT_GetActiveDialog());
}

TEST(AboutBox, CancelEndsItAndTheMenuCommandOpensIt) {
  PLAT_HWIN hMain = SimTest_StartHost();
  ASSERT_TRUE(hMain);
  ASSERT_EQ(PLAT_PostCall(_Cancel, nullptr), 0);
  EXPECT_EQ(SIM__ShowAbout(hMain), PLAT_ID_CANCEL);
  _Seen = SEEN();
  ASSERT_EQ(PLAT_PostCall(_ReadAndPressOk, nullptr), 0);
  SIM__OnCommand(hMain, SIM_ID_ABOUT);
  EXPECT_EQ(_Seen.Version, "Version: 1.18");
}

// The main frame asks to quit whenever it finds no application running; with no message loop to end, that must
// not end the dialogs opened afterwards.
TEST(AboutBox, AQuitWithoutAMessageLoopLeavesLaterDialogsOpen) {
  PLAT_HWIN hMain = SimTest_StartHost();
  ASSERT_TRUE(hMain);
  PLAT_PostQuit(0);
  PLAT_ProcessEvents();
  _Seen = SEEN();
  ASSERT_EQ(PLAT_PostCall(_ReadAndPressOk, nullptr), 0);
  EXPECT_EQ(SIM__ShowAbout(hMain), PLAT_ID_OK);
  EXPECT_EQ(_Seen.Version, "Version: 1.18");
}
