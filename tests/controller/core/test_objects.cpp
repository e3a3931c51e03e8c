// The object model: parameter numbers and range checks, input bindings, the factory and the value pool.
#include <climits>

#include "CoreTestSupport.h"

using namespace coretest;

using ObjectModel = ControllerTest;

TEST_F(ObjectModel, HeaderFieldsAndParameterNumberSpace) {
  FUNKTION_BASIS_PAR* p = nullptr;
  ASSERT_EQ(FKT_CreateObject(TestFunction::kType, 4, &p), FKT_OK);
  EXPECT_EQ(p->GetParameter(FKT_PAR_TYPE), TestFunction::kType);
  EXPECT_EQ(p->GetParameter(FKT_PAR_NUMBER), 5);
  EXPECT_EQ(p->GetFunctionNumber(), 5);
  EXPECT_EQ(p->GetParameter(0), 2);  // default
  EXPECT_EQ(p->GetParameter(FKT_PAR_OUTPUT), 0);
  EXPECT_EQ(p->GetParameterFlags(2) & FKT_PF_UNUSED, FKT_PF_UNUSED);
  EXPECT_EQ(p->GetParameterFlags(FKT_PAR_INPUT + FKT_INPUT_FIELDS) & FKT_PF_UNUSED, FKT_PF_UNUSED);
  EXPECT_EQ(p->GetParameterFlags(FKT_PAR_TYPE) & FKT_PF_READONLY, FKT_PF_READONLY);
  EXPECT_EQ(IO_Inputs[3].GetFunctionNumber(), -1);
  EXPECT_EQ(IO_Inputs[3].GetParameter(FKT_PAR_TABLE_INDEX), 3);
  EXPECT_EQ(IO_Inputs[3].GetParameter(FKT_PAR_TYPE), FKT_TYPE_INPUT);
}

TEST_F(ObjectModel, SetParameterChecksRangeAndLeavesRefusedValuesAlone) {
  FUNKTION_BASIS_PAR* p = nullptr;
  ASSERT_EQ(FKT_CreateObject(TestFunction::kType, 0, &p), FKT_OK);
  EXPECT_EQ(p->SetParameter(0, 50, 0), 1);
  EXPECT_EQ(p->GetParameter(0), 50);
  EXPECT_EQ(p->SetParameter(0, 51, 0), 0);
  EXPECT_EQ(p->SetParameter(0, -51, 0), 0);
  EXPECT_EQ(p->GetParameter(0), 50);
  EXPECT_EQ(p->SetParameter(2, 1, 0), 0);              // not in use
  EXPECT_EQ(p->SetParameter(FKT_PAR_TYPE, 24, 0), 0);  // read-only header
  EXPECT_EQ(p->GetParameter(FKT_PAR_TYPE), TestFunction::kType);
  // Negative values survive the 16-bit storage.
  EXPECT_EQ(p->SetParameter(0, -17, 0), 1);
  EXPECT_EQ(p->GetParameter(0), -17);
  // Raw writes skip the check.
  EXPECT_EQ(p->SetParameterRaw(0, 99), 1);
  EXPECT_EQ(p->GetParameter(0), 99);
}

TEST_F(ObjectModel, ChoiceTextsAndDynamicLimits) {
  FUNKTION_BASIS_PAR* p = nullptr;
  ASSERT_EQ(FKT_CreateObject(TestFunction::kType, 0, &p), FKT_OK);
  p->SetParameter(1, 2, 0);
  ASSERT_NE(p->GetChoiceText(1), nullptr);
  EXPECT_EQ(std::u16string(p->GetChoiceText(1)), u"Auto");
  EXPECT_EQ(p->GetChoiceText(0), nullptr);
  EXPECT_EQ(p->GetChoiceList(1)->NumItems, 3);
  // Fixed value: the value is bounded by its own minimum and maximum.
  FUNKTION_Festwert& f = IO_FixedValues[5];
  ASSERT_EQ(f.SetParameter(0, 2, 0), 1);
  ASSERT_EQ(f.SetParameter(4, 300, 0), 1);
  EXPECT_EQ(f.SetParameter(2, 301, 0), 0);
  EXPECT_EQ(f.SetParameter(2, 300, 0), 1);
  // Lowering the maximum pulls the value down with it; the minimum may not pass the maximum.
  ASSERT_EQ(f.SetParameter(4, 100, 0), 1);
  EXPECT_EQ(f.GetParameter(2), 100);
  EXPECT_EQ(f.SetParameter(3, 101, 0), 0);
  // User designation text by header field -13.
  FKT_UserDesignations[2][0] = u'K';
  FKT_UserDesignations[2][1] = 0;
  EXPECT_EQ(f.SetParameter(FKT_PAR_USER_TEXT, 3, 0), 1);
  EXPECT_EQ(std::u16string(f.GetChoiceText(FKT_PAR_USER_TEXT)), u"K");
  EXPECT_EQ(f.SetParameter(FKT_PAR_USER_TEXT, FKT_NUM_USER_TEXTS + 1, 0), 0);
}

TEST_F(ObjectModel, InputBindingPullsFromItsSource) {
  FUNKTION_BASIS_PAR *a = nullptr, *b = nullptr;
  ASSERT_EQ(FKT_CreateObject(TestFunction::kType, 0, &a), FKT_OK);
  ASSERT_EQ(FKT_CreateObject(TestFunction::kType, 1, &b), FKT_OK);
  IO_FixedValues[0].SetParameter(0, 2, 0);
  IO_FixedValues[0].SetParameter(2, 21, 0);
  const int kind = FKT_PAR_INPUT + FKT_IN_SOURCE_KIND, index = FKT_PAR_INPUT + FKT_IN_SOURCE_INDEX;
  ASSERT_EQ(a->SetParameter(kind, FKT_SRC_FIXED, 0), 1);
  ASSERT_EQ(a->SetParameter(index, 0, 0), 1);
  EXPECT_EQ(a->SetParameter(index, IO_NUM_FIXED_VALUES, 0), 0);  // outside the table
  // b takes a's output: function number 1, output 0.
  ASSERT_EQ(b->SetParameter(kind, FKT_SRC_FUNCTION, 0), 1);
  ASSERT_EQ(b->SetParameter(index, 1, 0), 1);
  APP_ControlCycle();
  EXPECT_EQ(a->GetParameter(FKT_PAR_INPUT + FKT_IN_VALUE), 21);
  EXPECT_EQ(a->GetParameter(FKT_PAR_OUTPUT), 42);
  EXPECT_EQ(b->GetParameter(FKT_PAR_OUTPUT), 84);
  // A source that disappears falls back to the variable's default.
  FKT_DeleteObject(0);
  APP_ControlCycle();
  EXPECT_EQ(b->GetParameter(FKT_PAR_INPUT + FKT_IN_VALUE), 0);
  // Changing the kind resets the index, so it never points outside the new table.
  ASSERT_EQ(b->SetParameter(index, 100, 0), 1);
  ASSERT_EQ(b->SetParameter(kind, FKT_SRC_INPUT, 0), 1);
  EXPECT_EQ(b->GetParameter(index), 0);
}

TEST_F(ObjectModel, FactoryRefusesWithClearStatus) {
  EXPECT_EQ(FKT_CreateObject(0, 0, nullptr), FKT_ERR_TYPE_UNKNOWN);
  EXPECT_EQ(FKT_CreateObject(42, 0, nullptr), FKT_ERR_TYPE_UNKNOWN);
  EXPECT_EQ(FKT_CreateObject(-2, 0, nullptr), FKT_ERR_TYPE_UNKNOWN);
  EXPECT_EQ(FKT_CreateObject(1, 0, nullptr), FKT_ERR_TYPE_NOT_BUILT);
  EXPECT_EQ(FKT_CreateObject(TestFunction::kType, 128, nullptr), FKT_ERR_SLOT);
  EXPECT_EQ(FKT_CreateObject(TestFunction::kType, 3, nullptr), FKT_OK);
  EXPECT_EQ(FKT_CreateObject(TestFunction::kType, 3, nullptr), FKT_ERR_SLOT_BUSY);
  EXPECT_EQ(FKT_GetRegistryCount(), 1);
  // The object lives inside its slot.
  auto* p = reinterpret_cast<uint8_t*>(FKT_GetSlotObject(3));
  EXPECT_GE(p, FKT_FunctionSlots[3].aData);
  EXPECT_LT(p, FKT_FunctionSlots[3].aData + FKT_SLOT_SIZE);
}

TEST_F(ObjectModel, PoolIsHandedOutInRegistryOrderAndKeptOnDelete) {
  FUNKTION_BASIS_PAR *a, *b, *c;
  ASSERT_EQ(FKT_CreateObject(TestFunction::kType, 10, &a), FKT_OK);
  ASSERT_EQ(FKT_CreateObject(TestFunction::kType, 2, &b), FKT_OK);
  ASSERT_EQ(FKT_CreateObject(TestFunction::kType, 5, &c), FKT_OK);
  EXPECT_EQ(FKT_Registry[0], a);
  EXPECT_EQ(FKT_Registry[3], nullptr);
  EXPECT_EQ(a->GetPoolBlock(), FKT_ValuePool);
  EXPECT_EQ(b->GetPoolBlock(), FKT_ValuePool + 3);
  EXPECT_EQ(c->GetPoolBlock(), FKT_ValuePool + 6);
  c->SetPoolWord(2, 77);
  EXPECT_EQ(c->GetPoolWord(3), 0u);  // outside the block
  FKT_DeleteObject(2);
  EXPECT_EQ(c->GetPoolBlock(), FKT_ValuePool + 3);
  EXPECT_EQ(c->GetPoolWord(2), 77u);
  EXPECT_EQ(FKT_PoolWordsUsed(), 6);
}

TEST(CoreHelpers, PowerOfTenAndInputRecord) {
  EXPECT_EQ(PAR_PowerOfTen(0), 1);
  EXPECT_EQ(PAR_PowerOfTen(6), 1000000);
  EXPECT_EQ(PAR_PowerOfTen(7), 1);
  EXPECT_EQ(PAR_PowerOfTen(-1), 1);
  IO_INPUT_RECORD r;
  memset(&r, 0xAB, sizeof(r));
  IO_InitInputRecord(&r);
  EXPECT_EQ(r.LimitLow, 0x7FFFFFFF);
  EXPECT_EQ(r.LimitHigh, 0x7FFFFFFF);
  EXPECT_EQ(r.Flags, 1);
  EXPECT_EQ(r.Raw, 0);
  r.Mode = 3;
  EXPECT_EQ(IO_GetInputMode(&r), 3);
}

TEST(CoreHelpers, CalendarHelpers) {
  EXPECT_EQ(SYS_DayOfWeek(7, 11, 126), 1);  // 7 December 2026: Monday
  EXPECT_EQ(SYS_DayOfWeek(1, 0, 100), 6);   // 1 January 2000: Saturday
  EXPECT_EQ(SYS_DayOfWeek(29, 1, 124), 4);  // 29 February 2024: Thursday
  // Fields from another node may hold anything: the result stays a weekday and nothing overflows.
  for (int Day : {INT_MIN, -505117665, INT_MAX})
    for (int Year : {INT_MIN, -2020470660, INT_MAX}) {
      int w = SYS_DayOfWeek(Day, 0, Year);
      EXPECT_TRUE(w >= 0 && w <= 6) << Day << " " << Year;
    }
  setenv("TZ", "UTC", 1);
  tzset();
  SYS_TM t;
  OS_LocalTimeMinusHour(3600 * 25 + 61, &t);  // 1970-01-02 00:01:01
  EXPECT_EQ(t.Day, 2);
  EXPECT_EQ(t.Month, 0);
  EXPECT_EQ(t.Year, 70);
  EXPECT_EQ(t.Hour, 0);
  EXPECT_EQ(t.Min, 1);
  EXPECT_EQ(t.Sec, 1);
}

TEST_F(ObjectModel, DesignationChoiceNamesTheObject) {
  FUNKTION_Eingang& in = IO_Inputs[0];
  EXPECT_EQ(in.GetChoiceText(FKT_PAR_DESIGNATION), nullptr);
  ASSERT_NE(in.GetChoiceList(FKT_PAR_DESIGNATION), nullptr);
  EXPECT_EQ(in.SetParameter(FKT_PAR_DESIGNATION, 8, 0), 1);
  EXPECT_EQ(std::u16string(in.GetChoiceText(FKT_PAR_DESIGNATION)), u"Boiler");
  EXPECT_EQ(in.SetParameter(FKT_PAR_DESIGNATION, FKT_DesignationList.NumItems, 0), 0);
  EXPECT_EQ(in.SetParameter(FKT_PAR_DESIGNATION, -1, 0), 0);
  // Kept by the function data.
  std::vector<uint8_t> file(DAT_FILE_SIZE);
  ASSERT_EQ(DAT_EncodeFile(file.data()), 1);
  APP_InitController();
  EXPECT_EQ(in.GetParameter(FKT_PAR_DESIGNATION), 0);
  ASSERT_EQ(DAT_LoadFunctionDataBytes(file.data(), file.size()), DAT_OK);
  EXPECT_EQ(in.GetParameter(FKT_PAR_DESIGNATION), 8);
}
