// The edit widget: typing, cursor keys, backspace and delete over multi-byte characters, limits of the text
// and its copies, keys that go on to the parent, pointer placement, and golden images of its states.
#include <climits>

#include "EDIT.h"
#include "widget_support.h"

namespace {

class EditTest : public WidgetParentTest<> {
protected:
  WM_HWIN Edit(int MaxLen, int Id = 3) {
    WM_HWIN h = EDIT_CreateEx(10, 10, 100, 20, hParent, WM_CF_SHOW, 0, Id, MaxLen);
    WM_SetFocus(h);
    return h;
  }
  static std::string Text(WM_HWIN h) {
    char ac[256];
    EDIT_GetText(h, ac, sizeof(ac));
    return ac;
  }
};

TEST_F(EditTest, TypingAndCursorKeysOverMultiByteCharacters) {
  WM_HWIN h = Edit(20);
  Type({'a', 0xE4, 0x20AC, 'b'}); // a ä € b
  EXPECT_EQ(Text(h), "a\xC3\xA4\xE2\x82\xAC" "b");
  EXPECT_EQ(EDIT_GetNumChars(h), 4);
  EXPECT_EQ(EDIT_GetCursorCharPos(h), 4);
  Type({GUI_KEY_LEFT, GUI_KEY_LEFT, GUI_KEY_BACKSPACE}); // removes ä
  EXPECT_EQ(Text(h), "a\xE2\x82\xAC" "b");
  EXPECT_EQ(EDIT_GetCursorCharPos(h), 1);
  Type({GUI_KEY_DELETE}); // removes €
  EXPECT_EQ(Text(h), "ab");
  Type({0x3A9, GUI_KEY_LEFT, GUI_KEY_UP}); // Ω, then up on it: the next code of the same size
  EXPECT_EQ(Text(h), "a\xCE\xAA" "b");
  Type({GUI_KEY_LEFT, GUI_KEY_DOWN}); // 'a' down is '`'
  EXPECT_EQ(Text(h), "`\xCE\xAA" "b");
  EDIT_SetText(h, "\x7F");
  EDIT_SetCursorAtChar(h, 0);
  Type({GUI_KEY_UP});
  EXPECT_EQ(Text(h), "\x7F") << "0x80 takes two bytes: no step";
  Type({GUI_KEY_END});
  EXPECT_EQ(Text(h), "\x7F") << "unhandled codes below 32 do nothing";
}

TEST_F(EditTest, EdgesOfTheText) {
  WM_HWIN h = Edit(20);
  Heard().clear();
  Down({GUI_KEY_BACKSPACE, GUI_KEY_DELETE, GUI_KEY_LEFT});
  EXPECT_EQ(Text(h), "");
  EXPECT_TRUE(Heard().empty()) << "nothing changed, nothing told";
  Down({'x'});
  EXPECT_EQ(Heard(), (std::vector<std::string>{"3:5"}));
  Type({GUI_KEY_DELETE});
  EXPECT_EQ(Text(h), "x") << "delete at the end does nothing";
  EDIT_SetCursorAtChar(h, 99);
  EXPECT_EQ(EDIT_GetCursorCharPos(h), 1) << "a cursor past the end stands at the end";
  EDIT_SetCursorAtChar(h, -5);
  EXPECT_EQ(EDIT_GetCursorCharPos(h), 0);
  // Pixel positions at the ends of int, in every alignment: before the first or after the last character.
  for (int Align : {GUI_TA_LEFT, GUI_TA_HCENTER, GUI_TA_RIGHT}) {
    EDIT_SetTextAlign(h, Align | GUI_TA_VCENTER);
    EDIT_SetCursorAtPixel(h, INT_MAX);
    EXPECT_EQ(EDIT_GetCursorCharPos(h), 1) << Align;
    EDIT_SetCursorAtPixel(h, INT_MIN);
    EXPECT_EQ(EDIT_GetCursorCharPos(h), 0) << Align;
  }
}

TEST_F(EditTest, MaxLenInInsertAndOverwriteMode) {
  WM_HWIN h = Edit(3);
  Type({'a', 'b', 'c', 'd'});
  EXPECT_EQ(Text(h), "abc");
  EXPECT_EQ(EDIT_GetCursorCharPos(h), 3);
  WM_HWIN h2 = EDIT_CreateEx(10, 40, 100, 20, hParent, WM_CF_SHOW, 0, 4, 3);
  EDIT_SetInsertMode(h2, 0);
  WM_SetFocus(h2);
  Type({'a', 'b', 'c'});
  EXPECT_EQ(EDIT_GetCursorCharPos(h2), 2) << "overwrite mode stops on the last character";
  Type({'d'});
  EXPECT_EQ(Text(h2), "abd");
  Type({GUI_KEY_INSERT, GUI_KEY_RIGHT});
  EXPECT_EQ(EDIT_GetCursorCharPos(h2), 3) << "insert mode may stand after the last";
  Type({GUI_KEY_INSERT});
  EXPECT_EQ(EDIT_GetCursorCharPos(h2), 2) << "entering overwrite mode places the cursor again";
  // Multi-byte characters count as one each.
  EDIT_SetText(h, "\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC");
  EXPECT_EQ(Text(h), "\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC");
  EXPECT_EQ(EDIT_GetCursorCharPos(h), 3);
}

TEST_F(EditTest, SetTextGetTextAndMaxLen) {
  WM_HWIN h = Edit(5);
  EDIT_SetText(h, "abcdefgh");
  EXPECT_EQ(Text(h), "abcde");
  EXPECT_EQ(EDIT_GetCursorCharPos(h), 5);
  EDIT_SetInsertMode(h, 0);
  EDIT_SetText(h, "abcdefgh");
  EXPECT_EQ(EDIT_GetCursorCharPos(h), 4) << "overwrite mode: on the last character";
  char ac[4] = {'x', 'x', 'x', 'x'};
  EDIT_GetText(h, ac, 4);
  EXPECT_STREQ(ac, "abc");
  EDIT_SetText(h, "\xC3\xA4\xC3\xA4");
  EDIT_GetText(h, ac, 4);
  EXPECT_STREQ(ac, "\xC3\xA4") << "a copy never ends inside a character";
  EDIT_SetText(h, nullptr);
  ac[0] = 'x';
  EDIT_GetText(h, ac, 4);
  EXPECT_STREQ(ac, "");
  EXPECT_EQ(EDIT_GetNumChars(h), 0);
  Type({0x20AC, 'a'});
  EXPECT_EQ(Text(h), "\xE2\x82\xAC" "a") << "a freed text grows again on typing";
  EDIT_SetText(h, "abcde");
  EDIT_SetMaxLen(h, 2);
  EXPECT_EQ(Text(h), "ab");
  EXPECT_LE(EDIT_GetCursorCharPos(h), 2);
  EDIT_SetMaxLen(h, 10);
  EDIT_SetText(h, "\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC");
  EDIT_SetMaxLen(h, 3);
  EXPECT_EQ(Text(h), "\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC") << "shrinking keeps every character within the limit";
}

TEST_F(EditTest, KeysForTheParentAndDisabledEdits) {
  WM_HWIN h = Edit(8);
  Heard().clear();
  Down({GUI_KEY_TAB, GUI_KEY_ENTER, GUI_KEY_ESCAPE, 5});
  EXPECT_EQ(Heard(), (std::vector<std::string>{"key 9", "key 13", "key 27"}));
  WM_DisableWindow(h);
  WM_SetFocus(h);
  Heard().clear();
  Down({'a'});
  EXPECT_EQ(Text(h), "");
  EXPECT_EQ(Heard(), (std::vector<std::string>{"key 97"}));
}

TEST_F(EditTest, PointerPlacesTheCursor) {
  WM_HWIN h = Edit(20);
  EDIT_SetText(h, "iiii");
  Heard().clear();
  Press(5, 20); // left of the edit: outside, nothing
  Release(5, 20);
  Press(12, 20);
  Release(12, 20);
  EXPECT_EQ(EDIT_GetCursorCharPos(h), 0);
  Press(100, 20);
  Release(100, 20);
  EXPECT_EQ(EDIT_GetCursorCharPos(h), 4);
  EXPECT_EQ(widgettest::HeardCodes(1).size(), 2u);
  EXPECT_EQ(widgettest::HeardCodes(2).size(), 2u);
  int x = -1, y = -1;
  EDIT_GetCursorPixelPos(h, &x, &y);
  EXPECT_GT(x, 12);
  EDIT_SetText(h, "WWWW");
  GUI_Lock();
  GUI_SetFont(&GUI_Font13);
  int w = GUI_GetCharDistX('W');
  GUI_Unlock();
  Press(10 + 2 + 1 + 1 + 2 * w + 1, 20); // window, effect, border, gap, two characters
  Release(10 + 2 + 1 + 1 + 2 * w + 1, 20);
  EXPECT_EQ(EDIT_GetCursorCharPos(h), 2) << "the press counts in the edit's own coordinates";
}

TEST_F(EditTest, BlinkingShowsAndHidesTheCursor) {
  WM_HWIN h = Edit(20);
  EDIT_SetText(h, "ab");
  WM_Exec();
  int x = 0, y = 0;
  EDIT_GetCursorPixelPos(h, &x, &y);
  auto Cursor = [&] { return LCD_GetPixelColor(10 + x, 10 + y + 4); };
  GUI_COLOR Shown = Cursor();
  EDIT_EnableBlink(h, 200, 1);
  Advance(200);
  WM_Exec();
  GUI_COLOR Hidden = Cursor();
  EXPECT_NE(Shown, Hidden);
  Advance(200);
  WM_Exec();
  EXPECT_EQ(Cursor(), Shown);
  EDIT_EnableBlink(h, 0, 0);
  Advance(400);
  WM_Exec();
  EXPECT_EQ(Cursor(), Shown) << "without blinking the cursor stays";
}

TEST_F(EditTest, GoldenStates) {
  const GUI_FONT* pFont = &GUI_Font13;
  WM_HWIN a[6];
  for (int i = 0; i < 6; i++) {
    a[i] = EDIT_CreateEx(4, 4 + i * 22, 110, 20, hParent, WM_CF_SHOW, 0, 10 + i, 12);
    EDIT_SetFont(a[i], pFont);
    EDIT_SetText(a[i], "Gr\xC3\xBC\xC3\x9F" "e 12");
  }
  EDIT_SetCursorAtChar(a[0], 2);
  WM_DisableWindow(a[1]);
  EDIT_SetTextAlign(a[2], GUI_TA_RIGHT | GUI_TA_VCENTER);
  EDIT_SetTextAlign(a[3], GUI_TA_HCENTER | GUI_TA_VCENTER);
  EDIT_SetInsertMode(a[4], 0);
  EDIT_SetCursorAtChar(a[4], 3);
  EDIT_SetSel(a[5], 1, 3);
  WM_HWIN d = EDIT_CreateEx(120, 4, 110, 20, hParent, WM_CF_SHOW, 0, 20, 0);
  EDIT_SetDecMode(d, -1234, -9999, 9999, 2, 0);
  WM_HWIN x = EDIT_CreateEx(120, 26, 110, 20, hParent, WM_CF_SHOW, 0, 21, 0);
  EDIT_SetHexMode(x, 0xBEEF, 0, 0xFFFF);
  WM_HWIN b = EDIT_CreateEx(120, 48, 110, 20, hParent, WM_CF_SHOW, 0, 22, 8);
  EDIT_SetBinMode(b, 0x5A, 0, 0xFF);
  WM_HWIN u = EDIT_CreateEx(120, 70, 110, 20, hParent, WM_CF_SHOW, 0, 23, 6);
  EDIT_SetUlongMode(u, 4711, 0, 999999);
  WM_HWIN s = EDIT_CreateEx(120, 92, 110, 20, hParent, WM_CF_SHOW, 0, 24, 0);
  EDIT_SetDecMode(s, 5, -99, 99, 0, GUI_EDIT_SIGNED | GUI_EDIT_SUPPRESS_LEADING_ZEROES);
  WM_SetFocus(a[0]);
  WM_Exec();
  EXPECT_TRUE(golden::Matches("widgets/edit/states", golden::CaptureLCD(0, 0, 235, 139)));
  WM_SetFocus(a[4]);
  WM_Exec();
  EXPECT_TRUE(golden::Matches("widgets/edit/overwrite", golden::CaptureLCD(0, 0, 235, 139)));
  WM_SetFocus(a[5]);
  WM_Exec();
  EXPECT_TRUE(golden::Matches("widgets/edit/selection", golden::CaptureLCD(0, 0, 235, 139)));
}

} // namespace

namespace {

TEST_F(EditTest, SelectionStaysInsideTheText) {
  WM_HWIN h = Edit(20);
  EDIT_SetText(h, "abcdef");
  EDIT_SetSel(h, 2, 100);
  EXPECT_EQ(EDIT_GetCursorCharPos(h), 2);
  EDIT_OBJ* p = EDIT_LockH(h);
  EXPECT_EQ(p->SelSize, 4) << "to the last character, not beyond";
  GUI_ALLOC_UnlockH(&p);
  EDIT_SetSel(h, -1, 0);
  p = EDIT_LockH(h);
  EXPECT_EQ(p->SelSize, 0);
  GUI_ALLOC_UnlockH(&p);
  EDIT_SetSel(h, 3, -1);
  p = EDIT_LockH(h);
  EXPECT_EQ(p->SelSize, 3) << "-1 means the last character";
  GUI_ALLOC_UnlockH(&p);
  Key('x');
  EXPECT_EQ(Text(h), "abcxdef") << "moving the cursor by typing ends the selection";
}

TEST_F(EditTest, DialogRecordGivesLengthAndAlignment) {
  WIDGET_CREATE_INFO Info = {EDIT_CreateIndirect, nullptr, 9, 5, 5, 80, 20, GUI_TA_RIGHT, 4, 0};
  WM_HWIN h = EDIT_CreateIndirect(&Info, hParent, 0, 0, nullptr);
  ASSERT_NE(h, 0);
  EDIT_SetText(h, "abcdefg");
  EXPECT_EQ(Text(h), "abcd");
  EDIT_OBJ* p = EDIT_LockH(h);
  EXPECT_EQ(p->Props.Align, GUI_TA_RIGHT);
  GUI_ALLOC_UnlockH(&p);
}

} // namespace
