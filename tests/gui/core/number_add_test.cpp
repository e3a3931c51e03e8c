// Number formatting into text: worked examples of the decimal, hexadecimal and binary routines.
#include <gtest/gtest.h>

#include "GUI.h"

#include <climits>
#include <string>

namespace {

std::string DecShift(I32 v, U8 Len, U8 Shift) {
  char ac[32];
  char* s = ac;
  GUI_AddDecShift(v, Len, Shift, &s);
  EXPECT_EQ(*s, 0) << "the pointer stops at the terminator";
  return std::string(ac, s);
}

struct SeparatorScope {
  char Old = GUI__DecimalSeparator;
  explicit SeparatorScope(char c) { GUI__DecimalSeparator = c; }
  ~SeparatorScope() { GUI__DecimalSeparator = Old; }
};

TEST(NumberAdd, DecShiftPadsToTheCharacterCountIncludingSignAndPoint) {
  EXPECT_EQ(DecShift(1234, 6, 2), "012.34");
  EXPECT_EQ(DecShift(-5, 5, 2), "-0.05");
  EXPECT_EQ(DecShift(7, 4, 1), "00.7");
  EXPECT_EQ(DecShift(0, 3, 0), "000");
  EXPECT_EQ(DecShift(-12, 4, 0), "-012");
  EXPECT_EQ(DecShift(163839, 7, 1), "16383.9");
}

TEST(NumberAdd, DecShiftNeverCutsDigits) {
  EXPECT_EQ(DecShift(123456, 3, 0), "123456");
  EXPECT_EQ(DecShift(-5, 0, 2), "-0.05");
  EXPECT_EQ(DecShift(5, 0, 3), "0.005");
  EXPECT_EQ(DecShift(INT_MIN, 0, 0), "-2147483648");
  EXPECT_EQ(DecShift(INT_MIN, 0, 3), "-2147483.648");
  EXPECT_EQ(DecShift(INT_MAX, 20, 0), "2147483647") << "at most ten digits";
}

TEST(NumberAdd, DecShiftUsesTheDecimalSeparator) {
  SeparatorScope Comma(',');
  EXPECT_EQ(DecShift(1234, 0, 2), "12,34");
  EXPECT_EQ(DecShift(-5, 0, 1), "-0,5");
}

TEST(NumberAdd, AppendsBehindEarlierText) {
  char ac[40] = "T=";
  char* s = ac + 2;
  GUI_AddDecShift(-215, 0, 1, &s);
  *s++ = ' ';
  GUI_AddDecMin(42, &s);
  GUI_AddPlusSign(3, &s);
  GUI_AddDec(-7, 3, &s);
  EXPECT_STREQ(ac, "T=-21.5 42+-07");
}

TEST(NumberAdd, DecMinAndLength) {
  char ac[16];
  char* s = ac;
  GUI_AddDecMin(-42, &s);
  EXPECT_STREQ(ac, "-42");
  EXPECT_EQ(GUI_Long2Len(0), 1);
  EXPECT_EQ(GUI_Long2Len(-10), 3);
  EXPECT_EQ(GUI_Long2Len(INT_MIN), 11);
}

TEST(NumberAdd, HexAndBinary) {
  char ac[40];
  char* s = ac;
  GUI_AddHex(0xBEEF, 4, &s);
  EXPECT_STREQ(ac, "BEEF");
  s = ac;
  GUI_AddHex(0x1A, 6, &s);
  EXPECT_STREQ(ac, "00001A");
  s = ac;
  GUI_AddHex(0x12345678, 12, &s);
  EXPECT_STREQ(ac, "12345678") << "at most eight digits";
  EXPECT_EQ(s, ac + 8);
  s = ac;
  GUI_AddBin(5, 4, &s);
  EXPECT_STREQ(ac, "0101");
  s = ac;
  GUI_AddBin(0x80000001u, 40, &s);
  EXPECT_STREQ(ac, "10000000000000000000000000000001");
}

TEST(NumberAdd, PlusSignOnlyForPositiveValues) {
  char ac[4];
  char* s = ac;
  EXPECT_EQ(GUI_AddPlusSign(1, &s), 1);
  EXPECT_STREQ(ac, "+");
  s = ac;
  EXPECT_EQ(GUI_AddPlusSign(0, &s), 0);
  EXPECT_STREQ(ac, "");
  EXPECT_EQ(GUI_AddPlusSign(-3, &s), -3);
  EXPECT_EQ(s, ac);
}

} // namespace
