// The multi-line edit: typing, cursor keys, backspace and delete over multi-byte characters and line
// breaks; the prompt; limits of characters and buffer; read-only, password and overwrite; wrapping and
// scrolling; and golden images of its looks.
#include "MULTIEDIT.h"
#include "widget_support.h"

namespace {

class MultiEditTest : public WidgetParentTest<> {
protected:
  WM_HWIN Make(int ExFlags = MULTIEDIT_CF_INSERT, int BufferSize = 64, const char* pText = nullptr) {
    WM_HWIN h = MULTIEDIT_CreateEx(10, 10, 120, 60, hParent, WM_CF_SHOW, ExFlags, 3, BufferSize, pText);
    WM_SetFocus(h);
    return h;
  }
  static std::string Text(WM_HWIN h) {
    char ac[512];
    MULTIEDIT_GetText(h, ac, sizeof(ac));
    return ac;
  }
};

TEST_F(MultiEditTest, TypingAndCursorKeysOverLinesAndMultiByteCharacters) {
  WM_HWIN h = Make();
  Type({'a', 0xE4, 'b', GUI_KEY_ENTER, 0x20AC, 'x', 'y'});
  EXPECT_EQ(Text(h), "a\xC3\xA4" "b\n\xE2\x82\xAC" "xy");
  EXPECT_EQ(MULTIEDIT_GetCursorCharPos(h), 7);
  Type({GUI_KEY_UP});
  EXPECT_LE(MULTIEDIT_GetCursorCharPos(h), 3) << "up keeps the pixel x: the cursor is on the first line";
  EXPECT_GE(MULTIEDIT_GetCursorCharPos(h), 2);
  MULTIEDIT_SetCursorOffset(h, 3);
  Type({GUI_KEY_HOME, GUI_KEY_RIGHT, GUI_KEY_DELETE});
  EXPECT_EQ(Text(h), "ab\n\xE2\x82\xAC" "xy");
  Type({GUI_KEY_END, GUI_KEY_DELETE});
  EXPECT_EQ(Text(h), "ab\xE2\x82\xAC" "xy") << "delete at a line's end joins the lines";
  Type({GUI_KEY_RIGHT, GUI_KEY_BACKSPACE});
  EXPECT_EQ(Text(h), "abxy");
  Type({GUI_KEY_DOWN});
  EXPECT_EQ(MULTIEDIT_GetCursorCharPos(h), 2) << "no line below: the cursor stays";
  EXPECT_EQ(MULTIEDIT_GetTextSize(h), 5);
}

TEST_F(MultiEditTest, BufferGrowsFromNothingAndTheLimitHolds) {
  WM_HWIN h = Make(MULTIEDIT_CF_INSERT, 0);
  EXPECT_EQ(MULTIEDIT_GetTextSize(h), 0);
  Key('q');
  EXPECT_EQ(Text(h), "q");
  EXPECT_EQ(MULTIEDIT__Obj(h)->BufferSize, 0 + 2 + 16) << "what is missing plus 16";
  MULTIEDIT_SetText(h, "12345678");
  EXPECT_EQ(MULTIEDIT_GetCursorCharPos(h), 0) << "a new text puts the cursor after the prompt";
  MULTIEDIT_SetCursorOffset(h, 8);
  MULTIEDIT_SetMaxNumChars(h, 10);
  EXPECT_EQ(MULTIEDIT_AddText(h, "abcde"), 0);
  EXPECT_EQ(Text(h), "12345678ab") << "only what still fits";
  EXPECT_EQ(MULTIEDIT_AddText(h, "z"), 1);
  Key('z');
  EXPECT_EQ(Text(h), "12345678ab");
  MULTIEDIT_SetText(h, "1\n2\n3\n4");
  MULTIEDIT_SetMaxNumChars(h, 3);
  EXPECT_EQ(Text(h), "1\n2") << "a smaller limit cuts the text, its later lines too";
  EXPECT_EQ(MULTIEDIT_GetCursorCharPos(h), 3);
  char ac[3];
  MULTIEDIT_SetMaxNumChars(h, 0);
  MULTIEDIT_SetText(h, "\xC3\xA4\xC3\xA4");
  MULTIEDIT_GetText(h, ac, sizeof(ac));
  EXPECT_STREQ(ac, "\xC3\xA4") << "a copy never ends inside a character";
}

TEST_F(MultiEditTest, PromptStaysOutOfReach) {
  WM_HWIN h = Make();
  MULTIEDIT_SetPrompt(h, "> ");
  MULTIEDIT_AddText(h, "go");
  EXPECT_EQ(Text(h), "go");
  char ac[8];
  MULTIEDIT_GetPrompt(h, ac, sizeof(ac));
  EXPECT_STREQ(ac, "> ");
  Type({GUI_KEY_BACKSPACE, GUI_KEY_BACKSPACE, GUI_KEY_BACKSPACE, GUI_KEY_LEFT, GUI_KEY_HOME});
  EXPECT_EQ(Text(h), "");
  EXPECT_EQ(MULTIEDIT_GetCursorCharPos(h), 2) << "the cursor never enters the prompt";
  MULTIEDIT_SetCursorOffset(h, 0);
  EXPECT_EQ(MULTIEDIT_GetCursorCharPos(h), 2);
  MULTIEDIT_SetCursorOffset(h, 500);
  EXPECT_EQ(MULTIEDIT_GetCursorCharPos(h), 2) << "nor goes past the end";
}

TEST_F(MultiEditTest, ReadOnlyPassesEditingKeysOn) {
  WM_HWIN h = Make(MULTIEDIT_CF_READONLY, 64, "one\ntwo");
  MULTIEDIT_SetCursorOffset(h, 1);
  Heard().clear();
  Down({GUI_KEY_BACKSPACE, GUI_KEY_DELETE, 'x'});
  EXPECT_EQ(Text(h), "one\ntwo");
  EXPECT_EQ(Heard(), (std::vector<std::string>{"key 8", "key 30", "key 120"}));
  Down({GUI_KEY_ENTER});
  EXPECT_EQ(MULTIEDIT_GetCursorCharPos(h), 4) << "enter goes to the next line's start";
}

TEST_F(MultiEditTest, OverwriteKeepsLineBreaks) {
  WM_HWIN h = Make(0, 64, "ab\ncd");
  MULTIEDIT_SetCursorOffset(h, 1);
  Type({'X', 'Y', 'Z'});
  EXPECT_EQ(Text(h), "aXYZ\ncd") << "a line break is not overwritten";
  MULTIEDIT_SetPasswordMode(h, 1);
  MULTIEDIT_SetCursorOffset(h, 4);
  Key('Q');
  EXPECT_EQ(Text(h), "aXYZQcd") << "in password mode it is";
}

TEST_F(MultiEditTest, WrappingAndScrolling) {
  WM_HWIN h = Make(MULTIEDIT_CF_INSERT | MULTIEDIT_CF_AUTOSCROLLBAR_V);
  MULTIEDIT_SetWrapWord(h);
  MULTIEDIT_SetText(h, "the quick brown fox jumps over the lazy dog again and again, and once more over the dog");
  std::string Disp = MULTIEDIT__DisplayText(h);
  size_t NumLines = MULTIEDIT__GetLines(h, Disp).size();
  EXPECT_GT(NumLines, 3u);
  EXPECT_NE(WM_GetScrollbarV(h), 0) << "more lines than show: a scroll bar";
  EXPECT_EQ(MULTIEDIT__Obj(h)->ScrollStateV.Value, 0) << "a new text shows from its start";
  MULTIEDIT_SetCursorOffset(h, 1000);
  EXPECT_GT(MULTIEDIT__Obj(h)->ScrollStateV.Value, 0) << "the cursor at the end is in view";
  MULTIEDIT_SetCursorOffset(h, 0);
  EXPECT_EQ(MULTIEDIT__Obj(h)->ScrollStateV.Value, 0);
  MULTIEDIT_SetWrapNone(h);
  EXPECT_EQ(MULTIEDIT__GetLines(h, MULTIEDIT__DisplayText(h)).size(), 1u);
  WM_Exec();
  EXPECT_EQ(WM_GetScrollbarV(h), 0) << "all fits again: the bar goes";
  MULTIEDIT_SetWrapChar(h);
  size_t NumCharLines = MULTIEDIT__GetLines(h, MULTIEDIT__DisplayText(h)).size();
  EXPECT_GT(NumCharLines, 3u);
  EXPECT_LE(NumCharLines, NumLines) << "breaking anywhere never needs more lines than breaking at words";
  WM_DisableWindow(h);
  int Before = MULTIEDIT__Obj(h)->ScrollStateV.Value;
  Key(GUI_KEY_DOWN);
  EXPECT_EQ(MULTIEDIT__Obj(h)->ScrollStateV.Value, Before + 1) << "a disabled edit scrolls by keys";
}

TEST_F(MultiEditTest, PointerPlacesTheCursorAndNotifies) {
  WM_HWIN h = Make(MULTIEDIT_CF_INSERT, 64, "abc\ndef");
  Heard().clear();
  Press(10 + 2 + 1 + 1, 10 + 2 + 13 + 3); // second line, first character
  Release(10 + 2 + 1 + 1, 10 + 2 + 13 + 3);
  EXPECT_EQ(MULTIEDIT_GetCursorCharPos(h), 4);
  Press(125, 10 + 5);
  Release(125, 10 + 5);
  EXPECT_EQ(MULTIEDIT_GetCursorCharPos(h), 3) << "right of a line: its end before the break";
  EXPECT_EQ(widgettest::HeardCodes(1).size(), 2u);
  EXPECT_EQ(widgettest::HeardCodes(2).size(), 2u);
}

class MultiEditGolden : public MultiEditTest {};

TEST_F(MultiEditGolden, Looks) {
  WM_HWIN a = MULTIEDIT_CreateEx(4, 4, 110, 50, hParent, WM_CF_SHOW, MULTIEDIT_CF_INSERT, 1, 64, "Gr\xC3\xBC\xC3\x9F" "e\nzwei");
  WM_HWIN b = MULTIEDIT_CreateEx(118, 4, 110, 50, hParent, WM_CF_SHOW, 0, 2, 64, "words that wrap at the edge");
  MULTIEDIT_SetWrapWord(b);
  MULTIEDIT_SetCursorOffset(b, 3);
  WM_HWIN c = MULTIEDIT_CreateEx(4, 58, 110, 40, hParent, WM_CF_SHOW, MULTIEDIT_CF_PASSWORD, 3, 64, "secret");
  MULTIEDIT_SetPrompt(c, "pw: ");
  MULTIEDIT_CreateEx(118, 58, 110, 40, hParent, WM_CF_SHOW, MULTIEDIT_CF_READONLY, 4, 64, "read only");
  WM_HWIN e = MULTIEDIT_CreateEx(4, 102, 224, 40, hParent, WM_CF_SHOW,
                                 MULTIEDIT_CF_AUTOSCROLLBAR_V | MULTIEDIT_CF_AUTOSCROLLBAR_H, 5, 64,
                                 "1 a long line that runs past the edge\n2\n3\n4");
  MULTIEDIT_SetTextAlign(a, GUI_TA_RIGHT);
  WM_SetFocus(b);
  WM_Exec();
  EXPECT_TRUE(golden::Matches("widgets/multiedit/looks", golden::CaptureLCD(0, 0, 231, 145)));
  (void)e;
}

} // namespace

namespace {

TEST_F(MultiEditTest, TextsBeyondTheBufferSizeAreRefusedWhole) {
  WM_HWIN h = Make(MULTIEDIT_CF_INSERT, 16, "kept");
  std::string Huge(70000, 'x');
  MULTIEDIT_SetText(h, Huge.c_str());
  EXPECT_EQ(Text(h), "kept") << "a text the 16-bit buffer size cannot hold changes nothing";
  EXPECT_EQ(MULTIEDIT_AddText(h, Huge.c_str()), 1);
  EXPECT_EQ(Text(h), "kept");
  MULTIEDIT_SetBufferSize(h, 8);
  EXPECT_EQ(Text(h), "") << "a new buffer starts empty";
  EXPECT_EQ(MULTIEDIT_GetCursorCharPos(h), 0);
  Type({'a', 'b'});
  EXPECT_EQ(Text(h), "ab");
}

TEST_F(MultiEditTest, DeleteAtTheEndOfAWordWrappedLineTakesTheBlanks) {
  WM_HWIN h = Make(MULTIEDIT_CF_INSERT, 64, nullptr);
  MULTIEDIT_SetWrapWord(h);
  MULTIEDIT_SetText(h, "aaaaaaaaaaaa bbbbbbbbbbbb   cccc");
  std::vector<MULTIEDIT_LINE> aLine = MULTIEDIT__GetLines(h, MULTIEDIT__DisplayText(h));
  ASSERT_GE(aLine.size(), 2u);
  const MULTIEDIT_LINE& First = aLine[0];
  ASSERT_GT(First.NumChars, First.NumDisp) << "the line broke at a blank";
  MULTIEDIT_SetCursorOffset(h, First.Start + First.NumDisp);
  Key(GUI_KEY_DELETE);
  EXPECT_EQ(Text(h).substr(0, 13), "aaaaaaaaaaaab") << "the blanks up to the next line went";
}

TEST_F(MultiEditTest, PasswordCursorAndPixelPosition) {
  WM_HWIN h = Make(MULTIEDIT_CF_PASSWORD, 64, "abc");
  EXPECT_EQ(MULTIEDIT__DisplayText(h), "***");
  MULTIEDIT_SetCursorOffset(h, 2);
  int x = 0, y = 0;
  MULTIEDIT_GetCursorPixelPos(h, &x, &y);
  GUI_Lock();
  GUI_SetFont(&GUI_Font13);
  int Star = GUI_GetCharDistX('*');
  GUI_Unlock();
  EXPECT_EQ(x, 2 * Star + 1 + 2) << "two stars after the border and the frame";
  EXPECT_EQ(y, 2);
  MULTIEDIT_SetText(h, "a\nb");
  EXPECT_EQ(MULTIEDIT__DisplayText(h), "*\n*") << "line breaks stay";
}

} // namespace
