// The text widget: its text copy and the buffer bounds, background and transparency, wrapping, pointer
// notifications and golden images.
#include "widget_support.h"

namespace {

class TextTest : public WidgetParentTest<240, 170> {};

TEST_F(TextTest, KeepsItsOwnCopyOfTheText) {
  char acSource[] = "Hello";
  WM_HWIN h = TEXT_CreateEx(0, 0, 60, 20, hParent, WM_CF_SHOW, 0, 4, acSource);
  acSource[0] = 'J';
  char ab[16];
  EXPECT_EQ(TEXT_GetText(h, ab, sizeof(ab)), 5);
  EXPECT_STREQ(ab, "Hello");
}

TEST_F(TextTest, GetTextStaysInsideTheBuffer) {
  WM_HWIN h = TEXT_CreateEx(0, 0, 60, 20, hParent, WM_CF_SHOW, 0, 4, "Hello");
  char ab[8] = {'x', 'x', 'x', 'x', 'x', 'x', 'x', 'x'};
  EXPECT_EQ(TEXT_GetText(h, ab, 4), 3);
  EXPECT_STREQ(ab, "Hel");
  EXPECT_EQ(ab[4], 'x');
  EXPECT_EQ(TEXT_GetText(h, ab, 0), 0);
  EXPECT_EQ(ab[0], 'H') << "MaxLen 0 writes nothing";
  char Untouched[4] = {'u', 'u', 'u', 'u'};
  EXPECT_EQ(TEXT_GetText(0, Untouched, 4), 0);
  EXPECT_EQ(Untouched[0], 'u');
  WM_HWIN hEmpty = TEXT_CreateEx(0, 0, 60, 20, hParent, WM_CF_SHOW, 0, 5, nullptr);
  EXPECT_EQ(TEXT_GetText(hEmpty, ab, 8), 0);
  EXPECT_STREQ(ab, "");
}

TEST_F(TextTest, SetTextAnswersWhetherItReplaced) {
  WM_HWIN h = TEXT_CreateEx(0, 0, 60, 20, hParent, WM_CF_SHOW, 0, 4, "One");
  WM_Exec();
  EXPECT_EQ(TEXT_SetText(h, "One"), 1);
  GUI_RECT r;
  EXPECT_FALSE(WM_GetInvalidRect(h, &r) || WM_GetInvalidRect(hParent, &r)) << "the same text does not repaint";
  EXPECT_EQ(TEXT_SetText(h, "Two words"), 0);
  EXPECT_TRUE(WM_GetInvalidRect(h, &r) || WM_GetInvalidRect(hParent, &r)); // transparent: the parent repaints too
  EXPECT_EQ(TEXT_SetText(0, "x"), 1);
}

TEST_F(TextTest, BackgroundSwitchesTransparency) {
  WM_HWIN h = TEXT_CreateEx(0, 0, 60, 20, hParent, WM_CF_SHOW, 0, 4, "A");
  EXPECT_TRUE(WM_GetHasTrans(h)) << "no background by default";
  TEXT_SetBkColor(h, 0xFFFFFF);
  EXPECT_FALSE(WM_GetHasTrans(h));
  TEXT_SetBkColor(h, 0xFFFFFFF);
  EXPECT_TRUE(WM_GetHasTrans(h));
}

TEST_F(TextTest, WrappedLinesFollowTheWidth) {
  WM_HWIN h = TEXT_CreateEx(0, 0, 40, 60, hParent, WM_CF_SHOW, 0, 4, "one two three four");
  EXPECT_EQ(TEXT_GetNumLines(h), 1);
  TEXT_SetWrapMode(h, GUI_WRAPMODE_WORD);
  EXPECT_GT(TEXT_GetNumLines(h), 2);
  EXPECT_EQ(TEXT_SetDefaultWrapMode(GUI_WRAPMODE_WORD), GUI_WRAPMODE_NONE);
  WM_HWIN hLater = TEXT_CreateEx(0, 0, 40, 60, hParent, WM_CF_SHOW, 0, 5, "one two three four");
  EXPECT_GT(TEXT_GetNumLines(hLater), 2) << "the default applies to labels created later";
  TEXT_SetDefaultWrapMode(GUI_WRAPMODE_NONE);
}

TEST_F(TextTest, PointerNotifiesPressReleaseAndMoveOut) {
  TEXT_CreateEx(10, 10, 60, 20, hParent, WM_CF_SHOW, 0, 4, "Tap");
  Heard().clear();
  Press(20, 15);
  Release(20, 15);
  Press(20, 15);
  Press(100, 100); // dragged out while pressed
  Release(100, 100);
  EXPECT_EQ(Heard(), (std::vector<std::string>{"4:1", "4:2", "4:1", "4:3"}));
  EXPECT_EQ(WM_GetFocusWindow() == WM_GetFirstChild(hParent), false) << "a label never takes the focus";
}

// Alignments, wrapping, colours and backgrounds at two sizes.
TEST_F(TextTest, Golden) {
  struct {
    const char* s;
    int Align;
    int Wrap;
    GUI_COLOR Bk;
    GUI_COLOR Text;
  } aCase[] = {
      {"Left top", GUI_TA_LEFT | GUI_TA_TOP, GUI_WRAPMODE_NONE, 0xFFFFFFF, 0x000000},
      {"Centred", GUI_TA_HCENTER | GUI_TA_VCENTER, GUI_WRAPMODE_NONE, 0xFFFFFF, 0xC00000},
      {"Right bottom", GUI_TA_RIGHT | GUI_TA_BOTTOM, GUI_WRAPMODE_NONE, 0x80FFFF, 0x000080},
      {"Wrapped by words here", GUI_TA_LEFT | GUI_TA_TOP, GUI_WRAPMODE_WORD, 0xE0E0E0, 0x008000},
  };
  int x = 4;
  for (int Size : {0, 1}) {
    int y = 4;
    for (const auto& c : aCase) {
      WM_HWIN h = TEXT_CreateEx(x, y, Size ? 100 : 60, Size ? 34 : 26, hParent, WM_CF_SHOW, c.Align, 1, c.s);
      TEXT_SetWrapMode(h, c.Wrap);
      TEXT_SetBkColor(h, c.Bk);
      TEXT_SetTextColor(h, c.Text);
      if (Size) {
        TEXT_SetFont(h, &UI_Font15);
      }
      y += (Size ? 34 : 26) + 4;
    }
    x += 70;
  }
  WM_Exec();
  EXPECT_TRUE(golden::Matches("widgets/text/states", golden::CaptureLCD(0, 0, 179, 159)));
}

} // namespace
