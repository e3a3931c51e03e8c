// The keyboard dialog on its own: length and width limits, capitals, pages, backspace and cursor, held keys,
// host keys, the result modes, file names and buffers without a terminator.
#include <string>
#include <vector>

#include "FKT_Base.h"
#include "UI_EntryDispatch.h"
#include "UI_SelectList.h"
#include "UI_TextEntry.h"
#include "main_fixture.h"

namespace {

std::vector<WM_MESSAGE> g_Messages;
void _cbReceiver(WM_MESSAGE* pMsg) {
  if (pMsg->MsgId == UI_MSG_TEXT_DONE || pMsg->MsgId == UI_MSG_HOME) g_Messages.push_back(*pMsg);
}

class TextEntryDialogTest : public MainScreenTest {
 protected:
  void SetUp() override {
    MainScreenTest::SetUp();
    g_Messages.clear();
    hReceiver = WM_CreateWindow(0, 0, 1, 1, 0, _cbReceiver, 0);
  }
  void Open(int Mode, int MaxLen, const char16_t* pInitial = u"") {
    std::u16string s(pInitial);
    std::copy(s.c_str(), s.c_str() + s.size() + 1, aBuffer);
    UI_TextEntryParams p = {};
    p.pBuffer = aBuffer;
    p.Index = 7;
    p.Mode = uint8_t(Mode);
    p.Id = 0x18;
    p.hNotify = hReceiver;
    p.MaxLen = MaxLen;
    Open(p);
  }
  void Open(const UI_TextEntryParams& p) {
    UI_CreateTextEntry(hReceiver, &p);
    Settle();
    ASSERT_TRUE(UI_hEntryDialog);
  }
  static int X(int k) { return WM_GetWindowPosX(UI_hEntryDialog) + (UI_TextEntryKeys[k][0] + UI_TextEntryKeys[k][2]) / 2; }
  static int Y(int k) { return WM_GetWindowPosY(UI_hEntryDialog) + (UI_TextEntryKeys[k][1] + UI_TextEntryKeys[k][3]) / 2; }
  void Key(int k) { Touch(X(k), Y(k)); }
  void Hold(int k, int ms) {
    Pointer(X(k), Y(k), 1);
    for (int t = 0; t < ms; t += 10) Advance(10);
    Pointer(X(k), Y(k), 0);
    Settle();
  }
  static void Type(const char16_t* s) {
    for (; *s; s++) HostKey(*s);
  }
  static void HostKey(int c) {
    GUI_StoreKeyMsg(c, 1);
    Settle();
    GUI_StoreKeyMsg(c, 0);
    Settle();
  }
  static std::u16string Text() { return UI_TextEntryState.acText; }
  void Ok() { WM_SendMessageNoPara(UI_hEntryDialog, UI_MSG_BACK); Settle(); }
  void Cancel() { WM_SendMessageNoPara(UI_hEntryDialog, UI_MSG_CLOSED); Settle(); }

  WM_HWIN hReceiver = 0;
  char16_t aBuffer[32] = {};
};

TEST_F(TextEntryDialogTest, TheLengthLimitCountsTheTerminatorAndStopsAt25) {
  Open(UI_TEXT_NOTIFY, 40);  // as 25: 24 characters
  Type(u"abcdefghijklmnopqrstuvwxyz");
  EXPECT_EQ(Text(), u"abcdefghijklmnopqrstuvwx");
  Ok();
  EXPECT_FALSE(UI_hEntryDialog);
  EXPECT_EQ(std::u16string(aBuffer), u"abcdefghijklmnopqrstuvwx");
  ASSERT_EQ(g_Messages.size(), 1u);
  EXPECT_EQ(g_Messages[0].MsgId, UI_MSG_TEXT_DONE);
  EXPECT_EQ(uint32_t(g_Messages[0].hWinSrc), 0x18u);
  EXPECT_EQ(g_Messages[0].Data.v, 7);
  Open(UI_TEXT_NOTIFY, 5);
  for (int k = 0; k < 6; k++) Key(k);
  EXPECT_EQ(Text(), u"Qwer");
}

TEST_F(TextEntryDialogTest, ALineWiderThanTheEditFieldTakesNoMoreCharacters) {
  Open(UI_TEXT_NOTIFY, 25);
  Type(u"WWWWWWWWWWWWWWWWWWWW");
  GUI_SetFont(&UI_Font24);
  size_t n = Text().size();
  EXPECT_LT(n, 20u);
  EXPECT_LE(GUI_GetStringDistX("W") * int(n), UI_TE_MAX_WIDTH);
  EXPECT_GT(GUI_GetStringDistX("W") * int(n + 1), UI_TE_MAX_WIDTH);
}

TEST_F(TextEntryDialogTest, OneCapitalThenSmallLettersCapsLockAndThePages) {
  Open(UI_TEXT_NOTIFY, 25);
  Key(0);
  Key(0);
  EXPECT_EQ(Text(), u"Qq");
  Key(UI_TE_KEY_SHIFT);
  Key(UI_TE_KEY_SHIFT);  // caps lock
  Key(10);
  Key(11);
  EXPECT_EQ(Text(), u"QqAS");
  Key(UI_TE_KEY_SHIFT);  // off again
  Key(UI_TE_KEY_SPACE);
  Key(25);
  EXPECT_EQ(Text(), u"QqAS m");
  Key(UI_TE_KEY_SYMBOLS);
  Key(UI_TE_KEY_SHIFT);  // second symbol page: key 25 has nothing
  EXPECT_EQ(UI_TextEntryKeyChar(25), 0);
  Key(25);
  Key(0);
  EXPECT_EQ(Text(), std::u16string(u"QqAS m") + TXT_KeyboardSymbols->acChar[26]);
  // English has no extra letters: an empty page whose keys type nothing and whose switch shows no label.
  Key(UI_TE_KEY_EXTRA);
  char16_t a[4];
  UI_TextEntryExtraLabel(a);
  EXPECT_EQ(a[0], 0);
  Key(0);
  EXPECT_EQ(Text().size(), 7u);
}

TEST_F(TextEntryDialogTest, BackspaceAndClearWorkAtTheCursor) {
  Open(UI_TEXT_NOTIFY, 25, u"abcd");
  EXPECT_EQ(UI_TextEntryState.Cursor, 4);
  Key(UI_TE_KEY_BACKSPACE);
  EXPECT_EQ(Text(), u"abc");
  HostKey(GUI_KEY_LEFT);
  HostKey(GUI_KEY_LEFT);
  HostKey(GUI_KEY_BACKSPACE);
  EXPECT_EQ(Text(), u"bc");
  EXPECT_EQ(UI_TextEntryState.Cursor, 0);
  Key(UI_TE_KEY_BACKSPACE);  // nothing before the cursor
  EXPECT_EQ(Text(), u"bc");
  Type(u"X");
  EXPECT_EQ(Text(), u"Xbc");
  // A touch on the edit line puts the cursor behind the touched character.
  GUI_SetFont(&UI_Font24);
  Touch(WM_GetWindowPosX(UI_hEntryDialog) + 20 + GUI_GetCharDistX('X') / 2, WM_GetWindowPosY(UI_hEntryDialog) + 30);
  EXPECT_EQ(UI_TextEntryState.Cursor, 1);
  Key(UI_TE_KEY_CLEAR);
  EXPECT_EQ(Text(), u"");
  EXPECT_EQ(UI_TextEntryState.Cursor, 0);
}

TEST_F(TextEntryDialogTest, HeldKeysBackspaceRepeatsOthersAreDroppedAndAReleaseElsewhereTypesNothing) {
  Open(UI_TEXT_NOTIFY, 25, u"abcdef");
  Hold(0, 750);
  EXPECT_EQ(Text(), u"abcdef");
  Hold(UI_TE_KEY_BACKSPACE, 690);  // a tap
  EXPECT_EQ(Text(), u"abcde");
  Hold(UI_TE_KEY_BACKSPACE, 710);  // one at 700 ms, and the release adds none
  EXPECT_EQ(Text(), u"abcd");
  Hold(UI_TE_KEY_BACKSPACE, 910);  // 700, 800, 900
  EXPECT_EQ(Text(), u"a");
  Pointer(X(0), Y(0), 1);
  Pointer(X(1), Y(1), 0);
  Settle();
  EXPECT_EQ(Text(), u"a");
}

TEST_F(TextEntryDialogTest, HostEnterConfirmsAndEscapeCancels) {
  Open(UI_TEXT_NOTIFY_CANCEL, 25, u"old");
  Type(u"er");
  HostKey(GUI_KEY_ESCAPE);
  EXPECT_FALSE(UI_hEntryDialog);
  EXPECT_EQ(std::u16string(aBuffer), u"old");  // nothing written
  ASSERT_EQ(g_Messages.size(), 1u);
  EXPECT_EQ(g_Messages[0].MsgId, UI_MSG_HOME);
  g_Messages.clear();
  Open(UI_TEXT_NOTIFY, 25, u"old");
  Cancel();
  EXPECT_TRUE(g_Messages.empty());  // mode 1 tells nobody of a cancel
  Open(UI_TEXT_SILENT, 25, u"old");
  Type(u"er");
  HostKey(GUI_KEY_ENTER);
  EXPECT_FALSE(UI_hEntryDialog);
  EXPECT_EQ(std::u16string(aBuffer), u"older");
  EXPECT_TRUE(g_Messages.empty());
}

TEST_F(TextEntryDialogTest, AFileNameWithAColonCannotBeConfirmed) {
  Open(UI_TEXT_FILE_NAME + UI_TEXT_NOTIFY, 25, u"a:b");
  Ok();
  EXPECT_TRUE(UI_hEntryDialog);  // stays open, the text red
  EXPECT_EQ(std::u16string(aBuffer), u"a:b");
  HostKey(GUI_KEY_LEFT);
  HostKey(GUI_KEY_BACKSPACE);
  Ok();
  EXPECT_FALSE(UI_hEntryDialog);
  EXPECT_EQ(std::u16string(aBuffer), u"ab");
  EXPECT_EQ(g_Messages.size(), 1u);
  // Mode 16 is the table mode asking for a file name: it writes the table string, not the table.
  char16_t aName[25] = u"x*";
  char16_t* apTable[1] = {aName};
  UI_TextEntryParams p = {};
  p.ppTable = apTable;
  p.Mode = UI_TEXT_FILE_NAME;
  p.MaxLen = 25;
  Open(p);
  EXPECT_EQ(Text(), u"x*");
  Ok();
  EXPECT_TRUE(UI_hEntryDialog);
  HostKey(GUI_KEY_BACKSPACE);
  Ok();
  EXPECT_EQ(std::u16string(aName), u"x");
  EXPECT_EQ(apTable[0], aName);
}

// The initial text shows whole (up to 24 characters) however short the result is to be; the confirmed result is
// cut to the maximum length and never written beyond it.
TEST_F(TextEntryDialogTest, TheInitialTextShowsWholeAndTheResultKeepsItsLength) {
  struct {
    char16_t aText[30];
    char16_t aGuard[4];
  } b;
  std::u16string Long = u"abcdefghijklmnopqrstuvwxyz";  // 26 characters
  std::copy(Long.c_str(), Long.c_str() + Long.size() + 1, b.aText);
  std::fill(std::begin(b.aGuard), std::end(b.aGuard), u'G');
  UI_TextEntryParams p = {};
  p.pBuffer = b.aText;
  p.Mode = UI_TEXT_SILENT;
  p.MaxLen = 6;
  Open(p);
  EXPECT_EQ(Text(), Long.substr(0, 24));
  EXPECT_EQ(UI_TextEntryState.Cursor, 24);
  Type(u"y");  // beyond the limit: nothing is added
  EXPECT_EQ(Text(), Long.substr(0, 24));
  Ok();
  EXPECT_EQ(std::u16string(b.aText), u"abcde");
  EXPECT_EQ(std::u16string(b.aGuard, 4), u"GGGG");
}

TEST_F(TextEntryDialogTest, TheEditMarkOfADesignationListRenamesTheDesignationWithTheSideButtons) {
  std::copy(u"Boiler", u"Boiler" + 7, FKT_UserDesignations[1]);
  const char16_t* apTexts[2] = {FKT_UserDesignations[0], FKT_UserDesignations[1]};
  UI_ItemTexts Texts = {apTexts, 2};
  UI_EntryOptions Options = {{UI_LIST_EDIT, 0, 6, 0, 0}};
  WM_SetWindowPos(hReceiver, 30, 100, 370, 40);  // the list opens under the line that asked
  ASSERT_TRUE(UI_OpenListSelection(0, 0x11, hReceiver, 0, &Texts, nullptr, &Options));
  Settle();
  WM_HWIN hTouch = WM_GetFirstChild(UI_hListWin);
  ASSERT_TRUE(hTouch);
  Touch(WM_GetWindowPosX(hTouch) + WM_GetWindowSizeX(hTouch) - 10, WM_GetWindowPosY(hTouch) + 40 + 20);
  EXPECT_FALSE(UI_hListWin);
  ASSERT_TRUE(UI_hEntryDialog);
  EXPECT_EQ(Text(), u"Boiler");
  Type(u" 2");
  Touch(460, 205);  // the lower side button confirms
  EXPECT_FALSE(UI_hEntryDialog);
  EXPECT_EQ(std::u16string(FKT_UserDesignations[1]), u"Boiler 2");
  EXPECT_EQ(WM_GetCallback(UI_hBackButton), UI_SideButtonCallback);
  EXPECT_EQ(UI_hEntryShield, 0);
  EXPECT_EQ(UI_EditUserDesignation(100), 0);
}

}  // namespace
