// The sample design as the build packs it: its live values follow the controller while the page is shown.
#include <fstream>
#include <iterator>

#include "overview_test_util.h"

using namespace ovtest;

namespace {

#ifdef SIM_SAMPLE_DESIGN
class SampleDesignTest : public OverviewTest {
 protected:
  // The measurement records stand for the host's inputs and outlive the controller's reset: put input 1 back.
  void SetUp() override {
    OverviewTest::SetUp();
    Saved = IO_InputRecords[0];
  }
  void TearDown() override {
    IO_InputRecords[0] = Saved;
    APP_ControlCycle();  // the input's own value follows the record back
    IO_InputRecords[0] = Saved;
    OverviewTest::TearDown();
  }
  IO_INPUT_RECORD Saved{};
  void ShowSample() {
    SYS_UpdateClock(MAIN_TEST_SECONDS);
    std::ifstream f(SIM_SAMPLE_DESIGN, std::ios::binary);
    ASSERT_TRUE(f) << SIM_SAMPLE_DESIGN;
    DSG_BYTES b((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    DSG_REPORT r;
    ASSERT_EQ(DSG_ImportDesignBytes(b.data(), b.size(), 1, &r), DSG_IMPORT_OK) << r.acText;
    GUI_Lock();
    ASSERT_EQ(UI_GoHome(), 1);
    GUI_Unlock();
    Advance(10);
  }
  // The element of the shown page that reads the object at Address.
  static int ElementOf(uint32_t Address) {
    for (int i = 0; i < Elements(); i++) {
      UI_ELEMENT_REF r = UI_GetElementRef(Child(UI_hOverviewWin, i));
      if (r.pElement && r.pElement->Address() == Address) return i;
    }
    return -1;
  }
  static std::u16string State(int i) { return UI_GetElementRef(Child(UI_hOverviewWin, i)).pState->acText; }
  static void SetInput1(int32_t Raw) {
    IO_InputRecords[0].Raw = Raw;
    APP_ControlCycle();
  }
};

TEST_F(SampleDesignTest, InputOneMovesOnThePageWithoutLeavingIt) {
  ASSERT_EQ(IO_Inputs[0].SetParameter(IO_IN_PAR_TYPE, 2, 0), 1);  // analog
  SetInput1(215);
  ShowSample();
  int i = ElementOf(kInput1);
  ASSERT_GE(i, 0);
  EXPECT_EQ(State(i), u"21.5 °C");
  SetInput1(237);
  Advance(1100);  // the page's periodic read, no forced one
  EXPECT_EQ(State(i), u"23.7 °C");
  EXPECT_TRUE(golden::Matches("controller/ui/sample_design_page1", golden::CaptureLCD()));
  // Read-only: a touch opens no entry.
  TouchIn(Child(UI_hOverviewWin, i), 20, 10);
  EXPECT_FALSE(UI_hEntryDialog || UI_hListWin);
}
#endif

}  // namespace
