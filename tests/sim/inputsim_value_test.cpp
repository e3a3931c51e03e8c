// Numbers and texts of the input-simulation rows: typed limits, board scaling and the value texts by unit.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "SIM_InputSim.h"
#include "TXT_Language.h"

namespace {

TEST(InputSimLimit, ParsesExactlyWithoutRounding) {
  EXPECT_EQ(SIM_ParseLimit("1.15", 2), 115);  // a float would give 114
  EXPECT_EQ(SIM_ParseLimit("0.29", 2), 29);
  EXPECT_EQ(SIM_ParseLimit("100", 1), 1000);
  EXPECT_EQ(SIM_ParseLimit("-20.5", 1), -205);
  EXPECT_EQ(SIM_ParseLimit("-20,5", 1), -205);
  EXPECT_EQ(SIM_ParseLimit("1.5", 0), 1);     // truncated toward zero
  EXPECT_EQ(SIM_ParseLimit("-1.99", 1), -19);
  EXPECT_EQ(SIM_ParseLimit(".5", 1), 5);
  EXPECT_EQ(SIM_ParseLimit("7.", 2), 700);
  EXPECT_EQ(SIM_ParseLimit("3", 6), 3000000);
}

TEST(InputSimLimit, TextsThatAreNoNumbersCountAsZeroAndHugeOnesAreClamped) {
  EXPECT_EQ(SIM_ParseLimit("", 1), 0);
  EXPECT_EQ(SIM_ParseLimit("-", 1), 0);
  EXPECT_EQ(SIM_ParseLimit("abc", 1), 0);
  EXPECT_EQ(SIM_ParseLimit(nullptr, 1), 0);
  EXPECT_EQ(SIM_ParseLimit("12abc", 0), 12);
  EXPECT_EQ(SIM_ParseLimit("9999999999999999999", 0), INT32_MAX);
  EXPECT_EQ(SIM_ParseLimit("-99999", 6), INT32_MIN);
  EXPECT_EQ(SIM_ParseLimit("2147483647", 0), INT32_MAX);
  EXPECT_EQ(SIM_ParseLimit("-2147483648", 0), INT32_MIN);
}

// A board report is taken only whole: of the report's size and marked as an input report.
TEST(InputSimBoard, ReportsAreDecodedOnlyWhole) {
  uint8_t Report[SIM_BOARD_REPORT_SIZE + 1] = {0x00, 0x01};
  Report[2] = 0xFD;  // input 1 at the board's full scale, 4093
  Report[3] = 0x0F;
  for (auto& v : SIM_InputValues) SIM_SetInputDefaults(&v);  // range 0 .. 100
  for (auto& d : SIM_InputDescs) d = SIM_INPUT_DESC{};       // no unit, so no decimals, whatever ran before
  int32_t aValue[SIM_NUM_INPUTS] = {};
  EXPECT_EQ(SIM_DecodeBoardReport(Report, SIM_BOARD_REPORT_SIZE, aValue), 1);
  EXPECT_EQ(aValue[0], 100);
  EXPECT_EQ(aValue[1], 0);
  EXPECT_EQ(SIM_DecodeBoardReport(Report, SIM_BOARD_REPORT_SIZE - 1, aValue), 0);
  EXPECT_EQ(SIM_DecodeBoardReport(Report, SIM_BOARD_REPORT_SIZE + 1, aValue), 0);
  EXPECT_EQ(SIM_DecodeBoardReport(nullptr, SIM_BOARD_REPORT_SIZE, aValue), 0);
  Report[1] = 0x02;
  EXPECT_EQ(SIM_DecodeBoardReport(Report, SIM_BOARD_REPORT_SIZE, aValue), 0);
}

TEST(InputSimBoard, ScalesRawValuesIn64Bits) {
  EXPECT_EQ(SIM_ScaleBoardValue(4093, 0, 1000), 1000);
  EXPECT_EQ(SIM_ScaleBoardValue(2046, 0, 1000), 499);
  EXPECT_EQ(SIM_ScaleBoardValue(0, -200, 1000), -200);
  EXPECT_EQ(SIM_ScaleBoardValue(4093, -200, 1000), 1000);
  EXPECT_EQ(SIM_ScaleBoardValue(1, 0, -4093), -1);  // signed division truncates toward zero
  // 65535 x 4e9 overflows 32 and wraps nothing in 64 bits; the result is clamped.
  EXPECT_EQ(SIM_ScaleBoardValue(65535, INT32_MIN, INT32_MAX), INT32_MAX);
  EXPECT_EQ(SIM_ScaleBoardValue(65535, INT32_MAX, INT32_MIN), INT32_MIN);
  EXPECT_EQ(SIM_ScaleBoardValue(4093, INT32_MIN, INT32_MAX), INT32_MAX);
}

class InputSimFormat : public ::testing::Test {
protected:
  void SetUp() override { ASSERT_EQ(TXT_SelectLanguage(TXT_LANG_ENGLISH), 0); }
  std::u16string Format(int32_t Value, int Unit, int* pResult = nullptr) {
    char16_t ac[64];
    int r = SIM_FormatValue(Value, Unit, ac, 64);
    if (pResult) *pResult = r;
    return ac;
  }
  std::u16string Unit(int u) { return std::u16string(u" ") + TXT_GetText(12, u); }
};

TEST_F(InputSimFormat, DecimalsAndUnitText) {
  int r;
  EXPECT_EQ(Format(215, 1, &r), u"21.5" + Unit(1));
  EXPECT_EQ(r, int((u"21.5" + Unit(1)).size()) + 1);
  EXPECT_EQ(Format(-5, 10), u"-0.05" + Unit(10));
  EXPECT_EQ(Format(0, 0), u"0" + Unit(0));
  EXPECT_EQ(Format(42, 255), u"42" + Unit(0));  // 255 is formatted like 0
  EXPECT_EQ(Format(-1000000000, 0), u"-1000000000" + Unit(0));
  EXPECT_EQ(Format(123, 56), u"0.000123" + Unit(56));
}

TEST_F(InputSimFormat, UnitsOutsideTheTableWriteNothing) {
  int r;
  EXPECT_EQ(Format(5, 68, &r), u"");
  EXPECT_EQ(r, 0);
  EXPECT_EQ(Format(5, 254, &r), u"");
  EXPECT_EQ(r, 0);
  EXPECT_EQ(Format(5, -1, &r), u"");
  EXPECT_EQ(r, 0);
}

TEST_F(InputSimFormat, Durations) {
  EXPECT_EQ(Format(3725, 4), u"01:02:05" + Unit(4));
  EXPECT_EQ(Format(65, 4), u"01:05" + Unit(4));
  EXPECT_EQ(Format(-5, 4), u"-5" + Unit(4));
  EXPECT_EQ(Format(5, 4), u"5" + Unit(4));
  EXPECT_EQ(Format(90061, 4), u"1:01:01:01" + Unit(4));
  EXPECT_EQ(Format(INT32_MIN, 4), u"-24855:03:14:08" + Unit(4));
  EXPECT_EQ(Format(1505, 5), u"1:01:05" + Unit(5));
  EXPECT_EQ(Format(61, 5), u"01:01" + Unit(5));
  EXPECT_EQ(Format(-65, 5), u"-01:05" + Unit(5));
}

TEST_F(InputSimFormat, TimesDatesAndPercentages) {
  EXPECT_EQ(Format(7 * 60 + 5, 60), u"07:05");
  EXPECT_EQ(Format(31 + 4, 61), u"5.2.");
  EXPECT_EQ(Format(5 | 3 << 8 | 2024 << 16, 62), u"05.03.2024");
  EXPECT_EQ(Format(0x2A00 | 0x8000, 55), u"42 %");
  EXPECT_EQ(Format(0x1F0 | 0x80, 59), u"112 %");
}

TEST_F(InputSimFormat, WordLists) {
  EXPECT_EQ(Format(3, 43), TXT_GetText(11, 1));
  EXPECT_EQ(Format(2, 44), TXT_GetText(10, 0));
  EXPECT_EQ(Format(1, 45), TXT_GetText(61, 1));
  int r;
  EXPECT_EQ(Format(TXT_GetItemCount(61), 45, &r), u"");
  EXPECT_EQ(r, 0);
  EXPECT_EQ(Format(-1, 48, &r), u"");
  EXPECT_EQ(r, 0);
  if (TXT_GetItemCount(232) > 0 && TXT_GetItemCount(29) > 0) {
    EXPECT_EQ(Format(0, 47), TXT_GetText(29, 0));
  }
  EXPECT_EQ(Format(TXT_GetItemCount(232), 47, &r), u"");
  EXPECT_EQ(r, 0);
}

TEST_F(InputSimFormat, CutsToTheBuffer) {
  char16_t ac[4] = {u'x', u'x', u'x', u'x'};
  EXPECT_EQ(SIM_FormatValue(12345, 0, ac, 4), 4);
  EXPECT_EQ(std::u16string(ac), u"123");
  EXPECT_EQ(SIM_FormatValue(1, 0, ac, 0), 0);
}

}  // namespace
