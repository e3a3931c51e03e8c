// Shared set-up of the controller-core tests: a fresh controller in temporary folders, a test clock and a small
// function class registered under a free type code.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "Controller.h"
#include "FKT_ParamMacros.h"

namespace coretest {

inline uint32_t gNowMs;
inline int64_t gPcSeconds = 1700000000;
inline std::vector<int> gRunOrder;

// A function with two parameters, one input and one output (its input doubled), that logs its control steps.
class TestFunction : public FUNKTION_BASIS_PAR {
 public:
  static constexpr int kType = 7;
  explicit TestFunction(int Slot) : FUNKTION_BASIS_PAR(kType, Slot) {}
  struct PARAMS {
    int16_t Gain;
    uint8_t Mode, Reserved;
  };
  const char16_t* GetClassName() const override { return u"Test"; }
  int GetPoolWordCount() const override { return 3; }
  const FKT_ParamDesc* GetParamTable(int* pCount) const override {
    static const char16_t* const texts[] = {u"Off", u"On", u"Auto"};
    static const FKT_ChoiceList list = {texts, 3, 0, 0, {}};
    static const FKT_ParamDesc t[] = {
        FKT_PAR(FKT_ST_I16, PARAMS, Gain, -50, 50, 2, 1, 0, nullptr),
        FKT_PAR(FKT_ST_U8 | FKT_PF_CHOICE, PARAMS, Mode, 0, 2, 0, 0, 1, &list),
    };
    *pCount = 2;
    return t;
  }
  void* GetParamBlock() override { return &Par; }
  FKT_InputVar* GetInputVars(int* pCount) override {
    *pCount = 1;
    return &In;
  }
  void ControlStep() override {
    gRunOrder.push_back(GetFunctionNumber());
    Out = In.Value * Par.Gain;
    SetPoolWord(0, GetPoolWord(0) + 1);
  }
  int GetOutputCount() const override { return 1; }
  int32_t GetOutputValue(int) const override { return Out; }
  PARAMS Par{};
  FKT_InputVar In{};
  int32_t Out = 0;
};

inline FUNKTION_BASIS_PAR* NewTestFunction(void* p, int Slot) { return new (p) TestFunction(Slot); }

class ControllerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = std::filesystem::temp_directory_path() /
          ("ctl-core-" + std::to_string(::getpid()) + "-" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir / "user");
    std::filesystem::create_directories(dir / "docs");
    snprintf(APP_UserFolder, sizeof(APP_UserFolder), "%s", (dir / "user").c_str());
    snprintf(APP_DocumentsFolder, sizeof(APP_DocumentsFolder), "%s", (dir / "docs").c_str());
    gNowMs = 0;
    gPcSeconds = 1700000000;
    SYS_ClockOffset = 0;  // a clock the user set in an earlier test would move every time read from the test clock
    gRunOrder.clear();
    APP_HostHooks = {};
    APP_StopRequested = 0;
    APP_HostHooks.pfGetTime = [] { return gNowMs; };
    APP_HostHooks.pfGetPcTime = [] { return gPcSeconds; };
    FKT_RegisterClass(TestFunction::kType, sizeof(TestFunction), NewTestFunction);
    APP_InitController();
    memset(SIM_InputValues, 0, sizeof(SIM_InputValues));
  }
  void TearDown() override {
    APP_InitController();
    APP_HostHooks = {};
    std::filesystem::remove_all(dir);
  }
  std::string Path(const char* name) const { return (dir / name).string(); }
  std::filesystem::path dir;
};

}  // namespace coretest
