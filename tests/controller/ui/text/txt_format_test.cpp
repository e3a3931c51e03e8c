// Value texts: every unit index, the sensor codes, durations, dates, decimals overrides and limits.
#include <gtest/gtest.h>

#include <climits>

#include "TXT_FormatValue.h"
#include "TXT_Language.h"
#include "txt_test_util.h"

namespace {

class TxtFormat : public ::testing::Test {
protected:
  void SetUp() override { ASSERT_EQ(TXT_SelectLanguage(TXT_LANG_ENGLISH), 0); }
  void TearDown() override { TXT_SelectLanguage(TXT_LANG_ENGLISH); }

  // The text and the result of TXT_FormatValue.
  static std::string Fmt(int32_t Value, int Unit, int WithUnit = 1, int Decimals = -1, int FirstOnly = 0,
                         int* pResult = nullptr) {
    char16_t ac[TXT_VALUE_TEXT_MAX];
    std::fill(std::begin(ac), std::end(ac), u'#');
    int r = TXT_FormatValue(Value, Unit, ac, TXT_VALUE_TEXT_MAX, FirstOnly, WithUnit, Decimals);
    if (pResult) {
      *pResult = r;
    }
    if (r == 0) {
      return "<none>";
    }
    EXPECT_EQ(ac[r - 1], 0) << "the result counts the terminator";
    return TxtUtf8(ac);
  }
};

TEST_F(TxtFormat, WorkedExamples) {
  EXPECT_EQ(Fmt(0, 1), "0.0 °C");
  EXPECT_EQ(Fmt(-5, 10), "-0.05 kW");
  EXPECT_EQ(Fmt(16383, 1), "9999.9 °C");
  EXPECT_EQ(Fmt(3725, 4), "01h 02m 05s");
  EXPECT_EQ(Fmt(59, 4), "59s");
  EXPECT_EQ(Fmt(-61, 4), "- 01m 01s");
  EXPECT_EQ(Fmt(1500, 5), "1d 01h 00m");
  EXPECT_EQ(Fmt(5 | 3 << 8 | 2024 << 16, 62), "05.03.2024");
  EXPECT_EQ(Fmt(123, 1, 0, 0), "12");
  EXPECT_EQ(Fmt(123, 1, 0, 3), "12.300");
  EXPECT_EQ(Fmt(3, 47), "<none>");
  EXPECT_EQ(TXT_NumberWidth(1, 5), 3);
  EXPECT_EQ(TXT_NumberWidth(2, -5), 5);
}

TEST_F(TxtFormat, EveryUnitIndex) {
  struct Case {
    int Unit;
    int32_t Value;
    const char* Text;
  };
  static const Case aCase[TXT_NUM_UNITS] = {
      {0, 1234, "1234"},
      {1, 1234, "123.4 °C"},
      {2, 1234, "1234 W/m²"},
      {3, 1234, "1234 l/h"},
      {4, 1234, "20m 34s"},
      {5, 1234, "20h 34m"},
      {6, 1234, "123.4 l/Imp"},
      {7, 1234, "123.4 K"},
      {8, 1234, "123.4 %"},
      {9, 1234, "1234 : "},
      {10, 1234, "12.34 kW"},
      {11, 1234, "123.4 kWh"},
      {12, 1234, "1234 MWh"},
      {13, 1234, "12.34 V"},
      {14, 1234, "123.4 mA"},
      {15, 1234, "1234 hr"},
      {16, 1234, "1234 Days"},
      {17, 1234, "1234 Imp"},
      {18, 1234, "12.34 kΩ"},
      {19, 1234, "1234 l"},
      {20, 1234, "1234 km/h"},
      {21, 1234, "12.34 Hz"},
      {22, 1234, "1234 l/min"},
      {23, 1234, "12.34 bar"},
      {24, 1234, "12.34  "},
      {25, 1234, "1234 km"},
      {26, 1234, "1234 m"},
      {27, 1234, "1234 mm"},
      {28, 1234, "1234 m³"},
      {29, 1234, "0.01234 Hz / km/h"},
      {30, 1234, "0.01234 Hz / m/s"},
      {31, 1234, "0.01234 kWh/imp"},
      {32, 1234, "0.01234 m³/imp"},
      {33, 1234, "0.01234 mm/imp"},
      {34, 1234, "0.01234 l/Imp"},
      {35, 1234, "1234 l/d"},
      {36, 1234, "1234 m/s"},
      {37, 1234, "1234 m³/min"},
      {38, 1234, "1234 m³/h"},
      {39, 1234, "1234 m³/d"},
      {40, 1234, "1234 mm/min"},
      {41, 1234, "1234 mm/h"},
      {42, 1234, "1234 mm/d"},
      {43, 1235, "ON"},
      {44, 1234, "No"},
      {45, 2, "Setback"},
      {46, 2 << 9 | 215, "21.5 °C \u0085Setback"},
      {47, 1, "OPEN"},
      {48, 0, "Inactive (0)"},
      {49, 0, "Special mode (0)"},
      {50, 1234, "12.34 €"},
      {51, 1234, "12.34 $"},
      {52, 1234, "123.4 g/m³"},
      {53, 1234, "0.01234"},
      {54, 1234, "123.4 °"},
      {55, 50 << 8 | 20, "50 %\u0085 20 %"},
      {56, 1234, "0.001234 °"},
      {57, 1234, "02m 03.4s"},
      {58, 1234, "123.4"},
      {59, 1234, "82 %"},
      {60, 1234, "20:34"},
      {61, 2 * 31 + 4, "5.3."},
      {62, 24 | 12 << 8 | 1999 << 16, "24.12.1999"},
      {63, 1234, "123.4 A"},
      {64, 2024 * 12 + 2, "03.2024"},
      {65, 1234, "123.4 mbar"},
      {66, 1234, "1234 Pa"},
      {67, 1234, "1234"},
  };
  for (const Case& c : aCase) {
    int r = 0;
    EXPECT_EQ(Fmt(c.Value, c.Unit, 1, -1, 0, &r), c.Text) << "unit " << c.Unit;
    char16_t ac[TXT_VALUE_TEXT_MAX];
    TXT_FormatValue(c.Value, c.Unit, ac, TXT_VALUE_TEXT_MAX, 0, 1, -1);
    EXPECT_EQ(size_t(r), std::char_traits<char16_t>::length(ac) + 1) << "unit " << c.Unit;
  }
}

TEST_F(TxtFormat, UnitIndexRange) {
  EXPECT_EQ(Fmt(42, 255), Fmt(42, 0));
  for (int Unit = TXT_NUM_UNITS; Unit < 255; Unit++) {
    EXPECT_EQ(Fmt(42, Unit), "<none>") << Unit;
  }
  EXPECT_EQ(Fmt(42, -1), "<none>");
  EXPECT_EQ(Fmt(42, 256), "<none>");
}

TEST_F(TxtFormat, PlainNumbersWithoutUnitTextAndDecimals) {
  EXPECT_EQ(Fmt(1234, 10, 0), "12.34");
  EXPECT_EQ(Fmt(5, 8, 0), "0.5");
  EXPECT_EQ(Fmt(-5, 8, 0), "-0.5");
  EXPECT_EQ(Fmt(0, 10, 0), "0.00");
  EXPECT_EQ(Fmt(7, 56, 0), "0.000007");
  // Units without a unit text get no trailing blank.
  EXPECT_EQ(Fmt(7, 0), "7");
  EXPECT_EQ(Fmt(7, 53), "0.00007");
}

TEST_F(TxtFormat, ExtremeValues) {
  EXPECT_EQ(Fmt(INT_MAX, 0), "2147483647");
  EXPECT_EQ(Fmt(INT_MIN, 0), "-2147483648");
  EXPECT_EQ(Fmt(INT_MAX, 56), "2147.483647 °");
  EXPECT_EQ(Fmt(INT_MIN, 56), "-2147.483648 °");
  EXPECT_EQ(Fmt(INT_MIN, 29, 0), "-21474.83648");
  EXPECT_EQ(Fmt(INT_MIN, 4), "- 24855d 03h 14m 08s");
  EXPECT_EQ(Fmt(INT_MIN, 60), "-35791394:08");
  EXPECT_EQ(TXT_NumberWidth(0, INT_MIN), 11);
  EXPECT_EQ(TXT_NumberWidth(0, INT_MAX), 10);
  EXPECT_EQ(TXT_NumberWidth(5, 1000000000), 11);
  EXPECT_EQ(TXT_NumberWidth(-3, 12), 2);
}

TEST_F(TxtFormat, Temperatures) {
  EXPECT_EQ(Fmt(-16384, 1), "-9999.9 °C");
  EXPECT_EQ(Fmt(-1, 1), "-0.1 °C");
  EXPECT_EQ(Fmt(-205, 1), "-20.5 °C");
  EXPECT_EQ(Fmt(16382, 1), "1638.2 °C");
  EXPECT_EQ(Fmt(16383, 1, 0, 0), "9999");
  // A negative temperature keeps its sign when its decimals are cut away.
  EXPECT_EQ(Fmt(-5, 1, 1, 0), "-0 °C");
  EXPECT_EQ(Fmt(-5, 1, 0, 2), "-0.50");
}

TEST_F(TxtFormat, DecimalsOverrideCutsAndPads) {
  EXPECT_EQ(Fmt(1239, 10, 0, 1), "12.3"); // cut, not rounded
  EXPECT_EQ(Fmt(1239, 10, 1, 4), "12.3900 kW");
  EXPECT_EQ(Fmt(123, 0, 0, 2), "123.00");
  EXPECT_EQ(Fmt(123, 0, 0, 0), "123");
  EXPECT_EQ(Fmt(-123456, 56, 0, 2), "-0.12");
  EXPECT_EQ(Fmt(123, 1, 1, TXT_DECIMALS_POINT_ONLY), "12. °C");
  EXPECT_EQ(Fmt(-5, 1, 0, TXT_DECIMALS_POINT_ONLY), "-0.");
}

TEST_F(TxtFormat, RoomSensor) {
  int r = 0;
  EXPECT_EQ(Fmt(1 << 9 | 215, 46, 1, -1, 1, &r), "21.5 °C");
  EXPECT_EQ(r, 8);
  EXPECT_EQ(Fmt(1 << 9 | 215, 46, 0, 3, 0, &r), "21.5 °C \u0085Standard");
  EXPECT_EQ(r, 18);
  // Low 9 bits are a signed temperature.
  EXPECT_EQ(Fmt(3 << 9 | (-50 & 0x1FF), 46), "-5.0 °C \u0085Standby/frost pr");
  EXPECT_EQ(Fmt(0x1FF, 46, 1, -1, 1), "-0.1 °C");
  // All low 11 bits set: the interrupted sensor.
  EXPECT_EQ(Fmt(0x7FF, 46), "9999.9 °C \u0085Standby/frost pr");
  EXPECT_EQ(Fmt(0x800 | 0x7FF, 46, 1, -1, 1), "9999.9 °C");
}

TEST_F(TxtFormat, Durations) {
  EXPECT_EQ(Fmt(0, 4), "0s");
  EXPECT_EQ(Fmt(60, 4), "01m 00s");
  EXPECT_EQ(Fmt(86405, 4), "1d 00h 00m 05s");
  EXPECT_EQ(Fmt(-5, 4), "- 05s");
  EXPECT_EQ(Fmt(59, 5), "59m");
  EXPECT_EQ(Fmt(-90, 5), "- 01h 30m");
  EXPECT_EQ(Fmt(1440 * 12 + 61, 5), "12d 01h 01m");
  EXPECT_EQ(Fmt(3, 57), "0.3s");
  EXPECT_EQ(Fmt(53, 57), "5.3s");
  EXPECT_EQ(Fmt(-53, 57), "- 05.3s");
  EXPECT_EQ(Fmt(864000 + 36000 + 600 + 12, 57), "1d 01h 01m 01.2s");
}

TEST_F(TxtFormat, TimesAndDates) {
  EXPECT_EQ(Fmt(0, 60), "00:00");
  EXPECT_EQ(Fmt(23 * 60 + 59, 60), "23:59");
  EXPECT_EQ(Fmt(-90, 60), "-01:30"); // the remainder of a negative time is shown without a sign
  EXPECT_EQ(Fmt(0, 61), "1.1.");
  EXPECT_EQ(Fmt(11 * 31 + 30, 61), "31.12.");
  EXPECT_EQ(Fmt(0, 64), "01.0000");
  // Negative values follow the same formulas with a truncating division and remainder.
  EXPECT_EQ(Fmt(-1, 61), "0.1.");
  EXPECT_EQ(Fmt(-32, 61), "0.0.");
  EXPECT_EQ(Fmt(-1, 64), "00.0000");
  EXPECT_EQ(Fmt(int32_t(0xF0000000u | 1 | 1 << 8 | 4095 << 16), 62), "01.01.4095");
}

TEST_F(TxtFormat, Percentages) {
  EXPECT_EQ(Fmt(0x80 | 5, 59), "5 %");
  EXPECT_EQ(Fmt(-1, 59), "127 %");
  EXPECT_EQ(Fmt(0x8000 | 100 << 8 | 0x80 | 7, 55), "100 %\u0085 7 %");
}

TEST_F(TxtFormat, EnumerationsStayInsideTheirGroups) {
  EXPECT_EQ(Fmt(2, 43), "OFF");
  EXPECT_EQ(Fmt(-1, 44), "Yes");
  EXPECT_EQ(Fmt(3, 45), "Standby/frost pr");
  EXPECT_EQ(Fmt(4, 45), "<none>");
  EXPECT_EQ(Fmt(-1, 45), "<none>");
  EXPECT_EQ(Fmt(2, 47), "CLOSE");
  EXPECT_EQ(Fmt(-1, 47), "<none>");
  EXPECT_EQ(Fmt(TXT_GetItemCount(TXT_GROUP_OPERATING_MODES), 48), "<none>");
  EXPECT_EQ(Fmt(TXT_GetItemCount(TXT_GROUP_MODE_SOURCES), 49), "<none>");
  EXPECT_EQ(Fmt(INT_MIN, 49), "<none>");
}

TEST_F(TxtFormat, LanguageChangesUnitAndEnumerationTexts) {
  ASSERT_EQ(TXT_SelectLanguage(TXT_LANG_GERMAN), 0);
  EXPECT_EQ(Fmt(5, 15), "5 Std");
  EXPECT_EQ(Fmt(1, 43), "EIN");
  EXPECT_EQ(Fmt(1 << 9 | 200, 46), "20.0 °C \u0085Normal");
  ASSERT_EQ(TXT_SelectLanguage(TXT_LANG_CZECH), 0);
  EXPECT_EQ(Fmt(1, 44), "Ano");
  EXPECT_EQ(Fmt(2, 16), "2 dní");
}

TEST_F(TxtFormat, SmallBuffersAreNeverOverrun) {
  char16_t ac[8];
  std::fill(std::begin(ac), std::end(ac), u'#');
  EXPECT_EQ(TXT_FormatValue(1234, 10, ac, 0, 0, 1, -1), 0);
  EXPECT_EQ(ac[0], u'#');
  EXPECT_EQ(TXT_FormatValue(1234, 10, nullptr, 8, 0, 1, -1), 0);
  EXPECT_EQ(TXT_FormatValue(1234, 10, ac, 5, 0, 1, -1), 5);
  EXPECT_EQ(TxtUtf8(ac), "12.3");
  EXPECT_EQ(ac[5], u'#');
  EXPECT_EQ(TXT_FormatValue(1, 47, ac, 1, 0, 1, -1), 1);
  EXPECT_EQ(ac[0], 0);
}

TEST_F(TxtFormat, NumberRoutines) {
  char16_t ac[32];
  EXPECT_EQ(TXT_DecShiftToText(5, 6, 2, ac, 32), 6);
  EXPECT_EQ(TxtUtf8(ac), "000.05");
  EXPECT_EQ(TXT_DecShiftToText(-5, 6, 2, ac, 32), 6);
  EXPECT_EQ(TxtUtf8(ac), "-00.05");
  EXPECT_EQ(TXT_DecShiftToText(123456, 2, 0, ac, 32), 6); // a narrow width never cuts digits
  EXPECT_EQ(TxtUtf8(ac), "123456");
  EXPECT_EQ(TXT_FixedDigits(7, 3, ac, 32), 3);
  EXPECT_EQ(TxtUtf8(ac), "007");
  EXPECT_EQ(TXT_FixedDigits(-7, 3, ac, 32), 3);
  EXPECT_EQ(TxtUtf8(ac), "-07");
  EXPECT_EQ(TXT_FixedDigits(-7, 1, ac, 32), 2);
  EXPECT_EQ(TxtUtf8(ac), "-7");
  EXPECT_EQ(TXT_PlainNumber(-42, ac, 32), 3);
  EXPECT_EQ(TxtUtf8(ac), "-42");
  EXPECT_EQ(TXT_FixedDecimal(215, 6, 1, ac, 32), 6);
  EXPECT_EQ(TxtUtf8(ac), "0021.5");
  EXPECT_EQ(TXT_UnitNumber(-5, 13, ac, 32), 5);
  EXPECT_EQ(TxtUtf8(ac), "-0.05");
  EXPECT_EQ(TXT_UnitNumberOverride(-5, 13, ac, 32, 3), 6);
  EXPECT_EQ(TxtUtf8(ac), "-0.050");
  EXPECT_EQ(TXT_GetUnitDecimals(255), 0);
  EXPECT_EQ(TXT_GetUnitDecimals(56), 6);
  EXPECT_EQ(TXT_GetUnitDecimals(68), 0);
}

TEST(TxtValueRecord, TimeFieldsAreLimitedAboveTheirBound) {
  TXT_VALUE_RECORD r = {7, 3599, 9, 0};
  TXT_SecondsToMinutes(&r);
  EXPECT_EQ(r.FieldA, 0u);
  EXPECT_EQ(r.Value, 59);
  EXPECT_EQ(r.Unit, 5u);
  r = {7, 3600, 9, 0};
  TXT_SecondsToMinutes(&r);
  EXPECT_EQ(r.Value, 60); // limited only above the bound
  r = {7, 61 * 60, 9, 0};
  TXT_SecondsToMinutes(&r);
  EXPECT_EQ(r.Value, 59);
  r = {7, 60, 9, 0};
  TXT_LimitSeconds(&r);
  EXPECT_EQ(r.Value, 60);
  r = {7, 61, 9, 0};
  TXT_LimitSeconds(&r);
  EXPECT_EQ(r.Value, 59);
  EXPECT_EQ(r.FieldA, 0u);
  EXPECT_EQ(r.Unit, 4u);
  r = {7, 45, 9, 0};
  TXT_LimitSeconds(&r);
  EXPECT_EQ(r.Value, 45);
  r = {7, 24 * 3600, 9, 0};
  TXT_SecondsToHours(&r);
  EXPECT_EQ(r.Value, 24);
  r = {7, 25 * 3600, 9, 0};
  TXT_SecondsToHours(&r);
  EXPECT_EQ(r.Value, 23);
  EXPECT_EQ(r.Unit, 15u);
  r = {7, 23 * 3600 + 3599, 9, 0};
  TXT_SecondsToHours(&r);
  EXPECT_EQ(r.Value, 23);
  r = {7, 3 * 86400 + 5, 9, 0};
  TXT_SecondsToDays(&r);
  EXPECT_EQ(r.Value, 3);
  EXPECT_EQ(r.Unit, 16u);
  EXPECT_EQ(r.FieldB, 9u);
}

} // namespace
