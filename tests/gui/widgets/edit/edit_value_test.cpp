// The edit's value modes: typed keys turn into the values each mode gives, within their limits, and the
// modal editors answer the edited or the given value.
#include "EDIT.h"
#include "modal_script.h"
#include "widget_support.h"

namespace {

class EditValueTest : public WidgetParentTest<> {
protected:
  void SetUp() override {
    WidgetParentTest::SetUp();
    h = EDIT_CreateEx(10, 10, 100, 20, hParent, WM_CF_SHOW, 0, 3, 0);
    WM_SetFocus(h);
  }
  std::string Text() const {
    char ac[64];
    EDIT_GetText(h, ac, sizeof(ac));
    return ac;
  }
  WM_HWIN h = 0;
};

TEST_F(EditValueTest, DecimalLengthDigitsAndSeparator) {
  EDIT_SetDecMode(h, 123, -999, 999, 1, 0);
  EXPECT_EQ(Text(), "012.3") << "sign, three digits and the separator";
  EDIT_SetCursorAtChar(h, 1);
  Type({'4', '5', '6'});
  EXPECT_EQ(EDIT_GetValue(h), 456);
  EXPECT_EQ(EDIT_GetCursorCharPos(h), 4) << "the cursor skips the separator";
  Type({'7'});
  EXPECT_EQ(Text(), "045.7");
  Type({GUI_KEY_LEFT});
  EXPECT_EQ(EDIT_GetCursorCharPos(h), 2) << "left over the separator";
  Type({GUI_KEY_UP, GUI_KEY_UP, GUI_KEY_UP, GUI_KEY_UP, GUI_KEY_UP});
  EXPECT_EQ(EDIT_GetValue(h), 507);
  EDIT_SetCursorAtChar(h, 0);
  Type({'-'});
  EXPECT_EQ(EDIT_GetValue(h), -507);
  Type({'-'});
  EXPECT_EQ(EDIT_GetValue(h), -507) << "'-' away from position 0 does nothing";
  EDIT_SetCursorAtChar(h, 0);
  Type({GUI_KEY_UP});
  EXPECT_EQ(EDIT_GetValue(h), 507) << "up on the sign changes it";
}

TEST_F(EditValueTest, DecimalLimitsAndOverflow) {
  EDIT_SetDecMode(h, 95, 0, 99, 0, 0);
  EDIT_SetCursorAtChar(h, 0);
  Type({GUI_KEY_UP});
  EXPECT_EQ(EDIT_GetValue(h), 99) << "105 is limited to Max";
  EDIT_SetValue(h, -5);
  EXPECT_EQ(EDIT_GetValue(h), 0);
  EDIT_SetDecMode(h, 2000000000, 0, INT32_MAX, 0, 0);
  EDIT_SetCursorAtChar(h, 0);
  Type({GUI_KEY_UP, GUI_KEY_UP});
  EXPECT_EQ(EDIT_GetValue(h), 2000000000) << "a step past 32 bits is not taken";
  EDIT_SetDecMode(h, 500, 100, 0, 0, 0);
  EXPECT_EQ(EDIT_GetValue(h), 100) << "reversed limits make a range; the value is kept inside";
}

TEST_F(EditValueTest, DecimalSignAndLeadingSpaces) {
  EDIT_SetDecMode(h, 0, -99, 99, 0, GUI_EDIT_SIGNED);
  EXPECT_EQ(Text(), "00");
  EDIT_SetCursorAtChar(h, 1);
  Type({GUI_KEY_UP});
  EXPECT_EQ(Text(), "+01");
  EXPECT_EQ(EDIT_GetCursorCharPos(h), 2) << "the cursor stays on the same digit";
  Type({GUI_KEY_DOWN});
  EXPECT_EQ(EDIT_GetValue(h), 0);
  EXPECT_EQ(EDIT_GetCursorCharPos(h), 1);
  EDIT_SetDecMode(h, 5, 0, 9999, 2, GUI_EDIT_SUPPRESS_LEADING_ZEROES);
  EXPECT_EQ(Text(), " 0.05") << "the digit before the separator always shows";
  EDIT_SetCursorAtChar(h, 0);
  Type({'3'});
  EXPECT_EQ(EDIT_GetValue(h), 3005);
}

TEST_F(EditValueTest, EveryValueOfTheRangeShowsInFull) {
  WM_HWIN hFixed = EDIT_CreateEx(10, 40, 100, 20, hParent, WM_CF_SHOW, 0, 4, -1); // 8 positions, not sized
  EDIT_SetDecMode(hFixed, 2000000000, 0, 2000000000, 0, 0);
  char ac[32];
  EDIT_GetText(hFixed, ac, sizeof(ac));
  EXPECT_STREQ(ac, "2000000000") << "the field grows instead of cutting digits";
  EDIT_SetDecMode(h, 50, 0, 99, 0, GUI_EDIT_SIGNED);
  EXPECT_EQ(Text(), "+50") << "room for the sign of the largest value";
}

TEST_F(EditValueTest, FloatMode) {
  EDIT_SetFloatMode(h, -2.5f, -10.0f, 10.0f, 0, 0);
  EXPECT_EQ(EDIT_GetValue(h), -2);
  EDIT_SetFloatValue(h, -2.5f);
  EXPECT_EQ(EDIT_GetValue(h), -3);
  EDIT_SetFloatMode(h, 1.25f, 0.0f, 99.0f, 2, 0);
  EXPECT_EQ(Text(), "01.25");
  Type({'4'});
  EXPECT_FLOAT_EQ(EDIT_GetFloatValue(h), 41.25f);
}

TEST_F(EditValueTest, HexMode) {
  EDIT_SetMaxLen(h, 0);
  EDIT_SetHexMode(h, 0x123, 0, 0xFFF);
  EXPECT_EQ(Text(), "123");
  Type({'b'});
  EXPECT_EQ(EDIT_GetValue(h), 0xB23);
  EDIT_SetCursorAtChar(h, 0);
  Type({'B'});
  EXPECT_EQ(EDIT_GetValue(h), 0xB23);
  Type({GUI_KEY_UP, GUI_KEY_UP});
  EXPECT_EQ(EDIT_GetValue(h), 0xB43);
  Type({'x', 'F', 'F'});
  EXPECT_EQ(Text(), "BFF");
  EDIT_SetCursorAtChar(h, 0);
  Type({GUI_KEY_UP, GUI_KEY_UP, GUI_KEY_UP, GUI_KEY_UP, GUI_KEY_UP});
  EXPECT_EQ(EDIT_GetValue(h), 0xFFF) << "limited to Max";
}

TEST_F(EditValueTest, BinaryMode) {
  EDIT_SetMaxLen(h, 4);
  EDIT_SetBinMode(h, 5, 0, 15);
  EXPECT_EQ(Text(), "0101");
  Type({'1', '0', GUI_KEY_UP});
  EXPECT_EQ(EDIT_GetValue(h), 0b1011) << "up toggles the bit under the cursor";
  Type({GUI_KEY_DOWN});
  EXPECT_EQ(Text(), "1001") << "and so does down";
  EDIT_SetMaxLen(h, 32);
  EDIT_SetBinMode(h, 0x80000000u, 0, 0xFFFFFFFFu);
  EXPECT_EQ((U32)EDIT_GetValue(h), 0x80000000u) << "the upper half of 32 bits is inside the range";
  Type({GUI_KEY_RIGHT, '1'});
  EXPECT_EQ((U32)EDIT_GetValue(h), 0xC0000000u);
}

TEST_F(EditValueTest, UnsignedMode) {
  EDIT_SetMaxLen(h, 4);
  EDIT_SetUlongMode(h, 7, 5, 9000);
  EXPECT_EQ(Text(), "0007");
  Type({'9', '9'});
  EXPECT_EQ(EDIT_GetValue(h), 9000) << "9907 is limited to Max";
  EDIT_SetCursorAtChar(h, 0);
  Type({GUI_KEY_DOWN, GUI_KEY_DOWN, GUI_KEY_DOWN, GUI_KEY_DOWN, GUI_KEY_DOWN, GUI_KEY_DOWN, GUI_KEY_DOWN,
        GUI_KEY_DOWN, GUI_KEY_DOWN, GUI_KEY_DOWN});
  EXPECT_EQ(EDIT_GetValue(h), 5) << "a step below 0 gives Min";
  EDIT_SetUlongMode(h, 4000000000u, 0, 0xFFFFFFFFu);
  EXPECT_EQ(Text(), "4000000000") << "the field grows to show every value of the range";
  EDIT_SetCursorAtChar(h, 0);
  Type({GUI_KEY_UP});
  EXPECT_EQ((U32)EDIT_GetValue(h), 0xFFFFFFFFu) << "a step past 32 bits gives Max";
  EDIT_SetCursorAtChar(h, 0);
  Type({'9'});
  EXPECT_EQ((U32)EDIT_GetValue(h), 0xFFFFFFFFu);
}

TEST_F(EditValueTest, TextModeClearsTheMode) {
  EDIT_SetDecMode(h, 12, 0, 99, 0, 0);
  EDIT_SetTextMode(h);
  EXPECT_EQ(Text(), "");
  Key('a');
  EXPECT_EQ(Text(), "a");
  EXPECT_EQ(EDIT_GetValue(h), 0);
}

TEST_F(EditValueTest, ModalEditors) {
  WM_DeleteWindow(h);
  GUI_GotoXY(10, 50);
  {
    modalscript::Script s;
    s.Keys("3").Key(GUI_KEY_ENTER);
    EXPECT_EQ(GUI_EditDec(12, 0, 99, 2, 0, 0, 0), 32);
  }
  {
    modalscript::Script s;
    s.Keys("3").Key(GUI_KEY_ESCAPE);
    EXPECT_EQ(GUI_EditDec(12, 0, 99, 2, 0, 0, 0), 12) << "Escape answers the given value";
  }
  {
    modalscript::Script s;
    s.Keys("f").Key(GUI_KEY_ENTER);
    EXPECT_EQ(GUI_EditHex(0x12, 0, 0xFF, 2, 0), 0xF2u);
  }
  {
    modalscript::Script s;
    s.Keys("1").Key(GUI_KEY_ENTER);
    EXPECT_EQ(GUI_EditBin(0, 0, 3, 2, 0), 2u);
  }
  {
    modalscript::Script s;
    s.Keys("5").Key(GUI_KEY_ESCAPE);
    EXPECT_FLOAT_EQ(GUI_EditFloat(1.5f, 0, 9.9f, 3, 0, 1, 0), 5.5f) << "the float editor answers the edit";
  }
  {
    char ac[6] = "ab";
    modalscript::Script s;
    s.Keys("cdefg").Key(GUI_KEY_ENTER);
    GUI_EditString(ac, 6, 0);
    EXPECT_STREQ(ac, "abcde");
  }
  EXPECT_EQ(WM_FindChildById(WM_GetDesktopWindow(), 0x1234), 0) << "the temporary edit is gone";
}

} // namespace
