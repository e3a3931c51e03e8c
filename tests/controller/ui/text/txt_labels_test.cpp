// Labels of the controller's objects: designations, user texts, unused slots and out-of-range requests.
#include <gtest/gtest.h>

#include "Controller.h"
#include "TXT_Labels.h"
#include "TXT_Language.h"
#include "txt_test_object.h"
#include "txt_test_util.h"

namespace {

class TxtLabels : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_EQ(TXT_SelectLanguage(TXT_LANG_ENGLISH), 0);
    APP_InitController();
    ASSERT_EQ(FKT_RegisterClass(TxtTestObject::kType, sizeof(TxtTestObject), TxtTestObject::Construct), 1);
  }
  void TearDown() override { APP_InitController(); }
  static std::string S(const char16_t* s) { return s ? TxtUtf8(s) : "<null>"; }
};

TEST_F(TxtLabels, ObjectsWithoutADesignationListAreUnused) {
  typedef const char16_t* (*LABEL)(int, int);
  const struct {
    LABEL pf;
    int Count;
  } aTable[] = {
      {TXT_GetInputsLabel, IO_NUM_INPUTS},
      {TXT_GetOutputsLabel, IO_NUM_OUTPUTS},
      {TXT_GetDLInputsLabel, IO_NUM_DL_INPUTS},
      {TXT_GetDLOutputsLabel, IO_NUM_DL_OUTPUTS},
      {TXT_GetFixwerteLabel, IO_NUM_FIXED_VALUES},
      {TXT_GetCANAInputsLabel, IO_NUM_CAN_ANALOG_INPUTS},
      {TXT_GetCANDInputsLabel, IO_NUM_CAN_DIGITAL_INPUTS},
      {TXT_GetCANAOutputsLabel, IO_NUM_CAN_ANALOG_OUTPUTS},
      {TXT_GetCANDOutputsLabel, IO_NUM_CAN_DIGITAL_OUTPUTS},
  };
  for (auto& t : aTable) {
    for (int i : {0, t.Count - 1}) {
      EXPECT_EQ(S(t.pf(i, 0)), "unused");
      EXPECT_EQ(t.pf(i, 1), TXT_EmptyText);
      EXPECT_EQ(t.pf(i, 2), nullptr);
      EXPECT_EQ(t.pf(i, -1), nullptr);
    }
    EXPECT_EQ(t.pf(t.Count, 0), nullptr); // one past the table
    EXPECT_EQ(t.pf(-1, 0), nullptr);
  }
  ASSERT_EQ(TXT_SelectLanguage(TXT_LANG_GERMAN), 0);
  EXPECT_EQ(S(TXT_GetInputsLabel(3, 0)), "unbenutzt");
}

TEST_F(TxtLabels, ObjectWithADesignationList) {
  TxtTestObject Obj;
  EXPECT_EQ(S(TXT__GetObjectLabel(&Obj, 0)), "Collector");
  EXPECT_EQ(S(TXT__GetObjectLabel(&Obj, 1)), "Roof");
  Obj.Designation = nullptr; // a value outside its list
  Obj.UserText = nullptr;    // no user text chosen
  EXPECT_EQ(S(TXT__GetObjectLabel(&Obj, 0)), "unused");
  EXPECT_EQ(TXT__GetObjectLabel(&Obj, 1), TXT_EmptyText);
  Obj.HasList = false;
  Obj.UserText = u"Roof";
  EXPECT_EQ(TXT__GetObjectLabel(&Obj, 1), TXT_EmptyText); // without a list there is no user text
  EXPECT_EQ(TXT__GetObjectLabel(nullptr, 0), nullptr);
}

TEST_F(TxtLabels, SystemValueGroups) {
  EXPECT_EQ(S(TXT_GetSystemValuesLabel(0, 0)), "General");
  EXPECT_EQ(S(TXT_GetSystemValuesLabel(2, 0)), "Sun");
  EXPECT_EQ(TXT_GetSystemValuesLabel(TXT_GetItemCount(TXT_GROUP_SYSTEM_VALUES), 0), TXT_EmptyText);
  EXPECT_EQ(TXT_GetSystemValuesLabel(0, 1), TXT_EmptyText);
  EXPECT_EQ(TXT_GetSystemValuesLabel(0, 2), nullptr);
}

TEST_F(TxtLabels, FunctionSlots) {
  EXPECT_EQ(S(TXT_GetFunctionLabel(-1, 0)), "unused");
  EXPECT_EQ(TXT_GetFunctionLabel(-1, 1), nullptr);
  EXPECT_EQ(S(TXT_GetFunctionLabel(5, 0)), "unused"); // an empty slot
  EXPECT_EQ(S(TXT_GetFunctionLabel(FKT_NUM_SLOTS, 0)), "unused");
  FUNKTION_BASIS_PAR* pObj = nullptr;
  ASSERT_EQ(FKT_CreateObject(TxtTestObject::kType, 5, &pObj), FKT_OK);
  TxtTestObject* pTest = static_cast<TxtTestObject*>(pObj);
  EXPECT_EQ(S(TXT_GetFunctionLabel(5, 0)), "Collector");
  EXPECT_EQ(S(TXT_GetFunctionLabel(5, 1)), "Roof");
  EXPECT_EQ(TXT_GetFunctionLabel(5, 2), nullptr);
  pTest->Designation = u"";
  pTest->UserText = nullptr;
  EXPECT_EQ(S(TXT_GetFunctionLabel(5, 0)), "unused");
  EXPECT_EQ(TXT_GetFunctionLabel(5, 1), TXT_EmptyText);
  ASSERT_EQ(TXT_SelectLanguage(TXT_LANG_FRENCH), 0);
  EXPECT_EQ(S(TXT_GetFunctionLabel(-1, 0)), "inutilisé");
}

} // namespace
