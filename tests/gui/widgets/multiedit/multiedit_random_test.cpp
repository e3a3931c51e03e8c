// Long random key sequences into multi-line edits of several limits, wrap modes and flags: the text stays
// valid UTF-8 within its limit, the prompt stays untouched and the cursor inside the text.
#include "../edit/utf8_check.h"
#include "MULTIEDIT.h"
#include "widget_support.h"

namespace {

class MultiEditRandomTest : public WidgetParentTest<> {};

TEST_F(MultiEditRandomTest, TextStaysValidWithinItsLimit) {
  std::mt19937 Rng(4321);
  struct Case {
    int MaxNumChars, Wrap, Flags;
  };
  for (Case c : {Case{0, 0, MULTIEDIT_CF_INSERT}, Case{5, 1, 0}, Case{40, 2, MULTIEDIT_CF_PASSWORD},
                 Case{120, 1, MULTIEDIT_CF_INSERT | MULTIEDIT_CF_AUTOSCROLLBAR_V | MULTIEDIT_CF_AUTOSCROLLBAR_H}}) {
    WM_HWIN h = MULTIEDIT_CreateEx(10, 10, 120, 60, hParent, WM_CF_SHOW, c.Flags, 3, 0, nullptr);
    MULTIEDIT_SetWrapMode(h, c.Wrap);
    MULTIEDIT_SetPrompt(h, "\xE2\x86\x92");
    MULTIEDIT_SetMaxNumChars(h, (unsigned)c.MaxNumChars);
    for (int i = 0; i < 1500; i++) {
      int k = RandomKey(Rng);
      if (i % 400 == 200) {
        MULTIEDIT_SetInsertMode(h, (int)(Rng() % 2));
      }
      MULTIEDIT_AddKey(h, k);
      char ac[1024], acPrompt[8];
      MULTIEDIT_GetText(h, ac, sizeof(ac));
      MULTIEDIT_GetPrompt(h, acPrompt, sizeof(acPrompt));
      int n = Utf8Chars(ac);
      ASSERT_GE(n, 0) << "after key " << k << " at step " << i;
      ASSERT_STREQ(acPrompt, "\xE2\x86\x92");
      if (c.MaxNumChars) {
        ASSERT_LE(n + 1, c.MaxNumChars);
      }
      int Pos = MULTIEDIT_GetCursorCharPos(h);
      ASSERT_GE(Pos, 1);
      ASSERT_LE(Pos, n + 1);
      if (i % 101 == 0) {
        WM_Exec();
      }
    }
    WM_DeleteWindow(h);
  }
}

} // namespace
