// Long random key sequences into edits of several limits and modes: the text stays valid UTF-8 within its
// limit and the cursor inside it, whatever arrives.
#include "EDIT.h"
#include "utf8_check.h"
#include "widget_support.h"

namespace {

class EditRandomTest : public WidgetParentTest<> {};

TEST_F(EditRandomTest, TextStaysValidWithinItsLimit) {
  std::mt19937 Rng(1234);
  for (int MaxLen : {1, 3, 12, 40}) {
    WM_HWIN h = EDIT_CreateEx(10, 10, 100, 20, hParent, WM_CF_SHOW, 0, 3, MaxLen);
    for (int i = 0; i < 3000; i++) {
      int k = RandomKey(Rng);
      if (i % 500 == 250) {
        EDIT_SetInsertMode(h, (int)(Rng() % 2));
      }
      EDIT_AddKey(h, k);
      char ac[256];
      EDIT_GetText(h, ac, sizeof(ac));
      int n = Utf8Chars(ac);
      ASSERT_GE(n, 0) << "after key " << k << " at step " << i;
      ASSERT_LE(n, MaxLen);
      ASSERT_EQ(n, EDIT_GetNumChars(h));
      ASSERT_LE(EDIT_GetCursorCharPos(h), n);
      if (i % 97 == 0) {
        WM_Exec();
      }
    }
    WM_DeleteWindow(h);
  }
}

} // namespace
