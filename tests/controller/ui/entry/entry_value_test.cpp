// The keypad's field logic: fresh entry, digit and decimal limits, signs, steps, two-field and time-field values,
// room-sensor values and results beyond 32 bits.
#include <gtest/gtest.h>

#include <string>

#include "TXT_FormatValue.h"
#include "TXT_Language.h"
#include "UI_ValueEntryPrivate.h"

namespace {

class ValueEntryTest : public testing::Test {
 protected:
  void Open(int32_t Value, int32_t Lower, int32_t Upper, uint8_t Unit, int Mode = 0) {
    Limits = {Lower, Upper, Value, Unit};
    Info = {};
    Info.pLimits = &Limits;
    Info.Mode = Mode;
    Info.Value = Value;
    UI__ValueEntrySetup(&Info);
  }
  void Keys(std::initializer_list<int> Keys) {
    for (int k : Keys) UI_ValueEntryApplyKey(k, &Info);
  }
  int32_t Result() { return UI_ValueEntryResult(&Info); }
  int Ok() { return UI_ValueEntryAcceptable(&Info); }
  UI_ValueLimits Limits;
  UI_ValueEntryInfo Info;
  enum { POINT = UI_VE_KEY_POINT, SIGN = UI_VE_KEY_SIGN, BACK = UI_VE_KEY_BACKSPACE, CLEAR = UI_VE_KEY_CLEAR };
  enum { DOWN10 = 14, DOWN = 15, UP = 16, UP10 = 17, UPPER_DOWN = 19, LOWER_DOWN = 23, LOWER_UP = 24 };
};

TEST_F(ValueEntryTest, TheFirstDigitReplacesTheValue) {
  Open(250, -500, 1000, 1);  // 25.0 °C
  Keys({7});
  EXPECT_EQ(UI_EntryFields[0].Value, 7);
  EXPECT_EQ(Result(), 70);
  EXPECT_TRUE(Ok());
}

TEST_F(ValueEntryTest, DecimalsBeyondTheUnitsAreIgnored) {
  Open(0, 0, 1000, 1);
  Keys({1, POINT, 5, 5});
  EXPECT_EQ(Result(), 15);
  Keys({BACK});
  EXPECT_EQ(Result(), 10);
  Keys({BACK, BACK});
  EXPECT_EQ(Result(), 0);
}

TEST_F(ValueEntryTest, DigitsStopAtTheLimitsWidthAndAValueAboveIsRefused) {
  Open(0, 0, 1000, 1);  // 0 .. 100.0
  Keys({1, 0, 0, 0});
  EXPECT_EQ(Result(), 1000);  // "100"
  Keys({POINT, 5});
  EXPECT_EQ(Result(), 1005);
  EXPECT_FALSE(Ok());
  Keys({CLEAR});
  EXPECT_EQ(Result(), 0);
  EXPECT_TRUE(Ok());
}

TEST_F(ValueEntryTest, TheSignKeyMakesTypedDigitsNegative) {
  Open(0, -100, 100, 0);
  Keys({SIGN, 4, 2});
  EXPECT_EQ(Result(), -42);
  Keys({SIGN});
  EXPECT_EQ(Result(), 42);
}

// The lowest 32-bit value has no positive counterpart: "-" gives the highest, and steps stop at either end.
TEST_F(ValueEntryTest, TheEndsOfThe32BitRangeStayInRange) {
  Open(INT32_MIN, INT32_MIN, INT32_MAX, 0);
  Keys({SIGN});
  EXPECT_EQ(Result(), INT32_MAX);
  EXPECT_FALSE(UI__ValueEntryState.Negative);
  EXPECT_TRUE(Ok());
  Keys({SIGN});
  EXPECT_EQ(Result(), -INT32_MAX);
  Open(0, INT32_MIN, INT32_MAX, 0);
  UI__ValueEntrySetLimit(&Info, 0);  // the minimum touched in the title line
  Keys({SIGN});
  EXPECT_EQ(Result(), INT32_MAX);
  // Two fields without a step between them hold the whole value in the upper one.
  Open(INT32_MIN, INT32_MIN, INT32_MAX, 0, 1);
  Keys({SIGN});
  EXPECT_EQ(UI_EntryFields[1].Value, INT32_MAX);
  Open(INT32_MAX, INT32_MIN, INT32_MAX, 0, 1);
  Keys({UP, UP});
  EXPECT_EQ(UI_EntryFields[1].Value, INT32_MAX);
  Open(INT32_MIN, INT32_MIN, INT32_MAX, 0, 1);
  Keys({DOWN, DOWN});
  EXPECT_EQ(UI_EntryFields[1].Value, INT32_MIN);
}

TEST_F(ValueEntryTest, StepsMoveInTheCurrentPrecisionAndStopAtTheLimits) {
  Open(0, 0, 1000, 1);
  Keys({UP});
  EXPECT_EQ(Result(), 1);
  Keys({UP10});
  EXPECT_EQ(Result(), 11);
  Keys({DOWN10, DOWN10});
  EXPECT_EQ(Result(), 0);
  Keys({CLEAR, 9, 9});  // whole degrees now
  Keys({UP10, UP10});
  EXPECT_EQ(Result(), 1000);
}

TEST_F(ValueEntryTest, TwoFieldsShowHoursAboveMinutesAndBorrowAcrossThem) {
  Open(90, -60, 1440, 60, 1);
  EXPECT_EQ(UI_EntryFields[1].Value, 1);
  EXPECT_EQ(UI_EntryFields[0].Value, 30);
  EXPECT_EQ(UI__ValueEntryState.Current, 1);
  Open(60, -60, 1440, 60, 1);
  Keys({LOWER_DOWN});
  EXPECT_EQ(UI_EntryFields[1].Value, 0);
  EXPECT_EQ(UI_EntryFields[0].Value, 59);
  EXPECT_EQ(Result(), 59);
  Open(0, -60, 1440, 60, 1);
  Keys({LOWER_DOWN});
  EXPECT_EQ(Result(), -1);
  EXPECT_TRUE(UI__ValueEntryState.Negative);
}

TEST_F(ValueEntryTest, TimeFieldsFollowTheUpperLimit) {
  Open(3725, 0, 3000, 57, 2);  // 6 min 12.5 s, less than an hour allowed
  EXPECT_EQ(UI__ValueEntryState.Count, 2);
  EXPECT_EQ(UI_EntryFields[0].Value, 125);
  EXPECT_EQ(UI_EntryFields[1].Value, 6);
  EXPECT_EQ(Result(), 3725);
  Open(3725, 0, 864000 * 3, 57, 2);
  EXPECT_EQ(UI__ValueEntryState.Count, 4);
  EXPECT_EQ(UI_EntryFields[3].Value, 0);
  EXPECT_EQ(UI_EntryFields[2].Value, 0);
  EXPECT_EQ(UI_EntryFields[1].Value, 6);
  EXPECT_EQ(Result(), 3725);
  // One step up on the minutes adds a minute to the total.
  UI__ValueEntryState.Current = 1;
  Keys({UP});
  EXPECT_EQ(Result(), 3725 + 600);
}

TEST_F(ValueEntryTest, ARoomSensorTemperatureKeepsItsSign) {
  // -5.0 °C in the low 9 bits, mode 2 in bits 9-10, bit 14 set as the node delivers it.
  int32_t Value = (-50 & 0x1FF) | 2 << 9 | 0x4000;
  Open(Value, 0, 0x7FFF, 46);
  EXPECT_EQ(UI_EntryFields[0].Value, -50);
  EXPECT_EQ(UI_EntryFields[1].Value, 2);
  int32_t R = Result();
  int32_t t = R & 0x1FF;
  if (t & 0x100) t -= 0x200;
  EXPECT_EQ(t, -50);
  EXPECT_EQ((R >> 9) & 3, 2);
  EXPECT_EQ(R & 0x4000, 0);  // bit 14 inverted
  // The upper row steps the mode, the lower row the temperature.
  Keys({19 + 1});
  EXPECT_EQ(UI_EntryFields[1].Value, 3);
  Keys({LOWER_UP});
  EXPECT_EQ(UI_EntryFields[0].Value, -49);
}

TEST_F(ValueEntryTest, ARoomSensorTemperatureTakesItsSignFromItsOwnField) {
  char16_t a[40];
  // A negative temperature in a word whose sign bit is clear: typed digits stay below zero.
  Open((-50 & 0x1FF) | 1 << 9 | 0x4000, 0, 0x7FFF, 46);
  Keys({3});
  EXPECT_EQ(UI_EntryFields[0].Value, -3);
  ASSERT_GT(TXT_FormatValue(Result(), 46, a, 40, 1, 1, -1), 0);
  EXPECT_EQ(std::u16string(a).substr(0, 5), u"-3.0 ");
  // A positive temperature in a negative word: typed digits stay above zero, and the text agrees.
  Open(int32_t(0xFFFF0000u) | 120, 0, 0x7FFF, 46);
  EXPECT_EQ(UI_EntryFields[0].Value, 120);
  Keys({4});
  ASSERT_GT(TXT_FormatValue(Result(), 46, a, 40, 1, 1, -1), 0);
  EXPECT_EQ(std::u16string(a).substr(0, 4), u"4.0 ");
}

TEST_F(ValueEntryTest, ScaledValuesBeyond32BitsAreRefused) {
  // Five decimals: 99999 whole units are 9,999,900,000 steps, far above the limit.
  Open(0, 0, 2147483647, 53);
  Keys({9, 9, 9, 9, 9});
  EXPECT_EQ(UI_EntryFields[0].Value, 99999);
  EXPECT_EQ(UI__FieldScaled(0), 9999900000LL);
  EXPECT_FALSE(Ok());
}

TEST_F(ValueEntryTest, ALimitTouchSetsTheValueToIt) {
  Open(0, -200, 1000, 1);
  UI__ValueEntrySetLimit(&Info, 0);
  EXPECT_EQ(Result(), -200);
  UI__ValueEntrySetLimit(&Info, 1);
  EXPECT_EQ(Result(), 1000);
  EXPECT_TRUE(Ok());
}

}  // namespace
