// The input-simulation window driven like a user would (keys and clicks on its controls) and by a stand-in
// simulation board; the controller's tick reads what the rows wrote.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <thread>

#include "APP_Hooks.h"
#include "IO_Objects.h"
#include "PLAT_Controls.h"
#include "SIM.h"
#include "SIM_InputSim.h"
#include "SIM_Windows.h"
#include "SimTestHost.h"
#include "hid_FakeBoard.h"

namespace {

enum { ID_MIN = 1, ID_MAX = 2, ID_UB = 3, ID_KS = 4, ID_MODE = 5, ID_SLIDER = 6 };

class InputSimWindow : public ::testing::Test {
protected:
  void SetUp() override {
    SimTest_InitPlatform();
    FakeHid_Install();
    APP_InitController();
    for (auto& v : SIM_InputValues) SIM_SetInputDefaults(&v);
    // Input 1 analog in tenths (unit 1), input 2 digital, input 3 a room sensor (unit 46), inputs 15 and 16
    // digital; the others unused.
    Configure(0, 2, 1);
    Configure(1, 1, 0);
    Configure(2, 2, SIM_UNIT_ROOM_SENSOR);
    Configure(14, 1, 0);
    Configure(15, 1, 0);
    IO_WriteSimInputDesc();  // the controller announces its inputs (posted to the main thread)
    PLAT_ProcessEvents();
  }
  void TearDown() override {
    SIM_CloseInputSim();
    PLAT_ProcessEvents();
    HID_SetDriver(&FakeHid_Driver);
    APP_InitController();
    memset(SIM_InputDescs, 0, sizeof(SIM_InputDescs));
    for (auto& v : SIM_InputValues) SIM_SetInputDefaults(&v);
  }
  static void Configure(int i, int Type, int Unit) {
    IO_Inputs[i].SetParameter(IO_IN_PAR_TYPE, Type, 0);
    IO_Inputs[i].SetParameter(IO_IN_PAR_UNIT, Unit, 0);
  }
  static PLAT_HCTL Ctl(int Input, int Id) { return SIM__GetInputControl(Input, Id); }
  static std::string Text(PLAT_HCTL h) {
    char ac[64];
    PLAT_GetControlText(h, ac, sizeof(ac));
    return ac;
  }
  static void Type(PLAT_HCTL h, const char* s) {
    for (; *s; s++) {
      char ac[2] = {*s, 0};
      PLAT_InjectControlKey(h, 0, ac);
    }
  }
};

TEST_F(InputSimWindow, OpensWithTheConfiguredRowsOnly) {
  PLAT_HWIN hWin = SIM_OpenInputSim();
  ASSERT_TRUE(hWin);
  EXPECT_EQ(SIM_hInputSimWnd, hWin);
  EXPECT_EQ(SIM_OpenInputSim(), hWin);  // one window at a time
  EXPECT_STREQ(PLAT_GetClassName(hWin), "Input-Simulation");
  char ac[64];
  PLAT_GetWindowText(SIM__GetInputRow(2), ac, sizeof(ac));
  EXPECT_STREQ(ac, "Eingang 3");
  int Min, Max;
  PLAT_GetControlRange(Ctl(0, ID_SLIDER), &Min, &Max);
  EXPECT_EQ(Min, 0);
  EXPECT_EQ(Max, 1000);   // "0" to "100" with one decimal
  PLAT_GetControlRange(Ctl(1, ID_SLIDER), &Min, &Max);
  EXPECT_EQ(Max, 1);      // digital
  EXPECT_FALSE(PLAT_IsControlVisible(Ctl(1, ID_MIN)));
  EXPECT_FALSE(PLAT_IsControlVisible(Ctl(1, ID_UB)));
  EXPECT_TRUE(PLAT_IsControlVisible(Ctl(2, ID_MODE)));
  EXPECT_FALSE(PLAT_IsControlVisible(Ctl(0, ID_MODE)));
  EXPECT_EQ(PLAT_GetControlItemCount(Ctl(2, ID_MODE)), 4);
  // Rows of configured inputs fill the first column, then the second.
  int x, y, w, h;
  PLAT_GetWindowRect(SIM__GetInputRow(2), &x, &y, &w, &h);
  EXPECT_EQ(x, 0);
  EXPECT_EQ(y, 160);
  PLAT_GetWindowRect(SIM__GetInputRow(14), &x, &y, &w, &h);
  EXPECT_EQ(x, 230);
  EXPECT_EQ(y, 0);
  PLAT_GetWindowRect(SIM__GetInputRow(15), &x, &y, &w, &h);
  EXPECT_EQ(x, 230);
  EXPECT_EQ(y, 80);
  SIM_CloseInputSim();
  PLAT_ProcessEvents();
  EXPECT_EQ(SIM_hInputSimWnd, nullptr);
}

TEST_F(InputSimWindow, MovingTheSliderReachesTheControllerInTheNextTick) {
  SIM_OpenInputSim();
  PLAT_HCTL hSlider = Ctl(0, ID_SLIDER);
  PLAT_InjectControlKey(hSlider, PLAT_VK_RIGHT, nullptr);
  EXPECT_EQ(SIM_InputValues[0].Value, 1);
  PLAT_InjectControlKey(hSlider, PLAT_VK_END, nullptr);
  EXPECT_EQ(SIM_InputValues[0].Value, 1000);
  APP_Tick10ms();
  EXPECT_EQ(IO_InputRecords[0].Raw, 1000);
  PLAT_InjectControlKey(Ctl(1, ID_SLIDER), PLAT_VK_RIGHT, nullptr);
  APP_Tick10ms();
  EXPECT_EQ(IO_InputRecords[1].Raw, 1);
}

TEST_F(InputSimWindow, FaultBoxesExcludeEachOtherAndGiveTheFaultValue) {
  SIM_OpenInputSim();
  SIM_InputValues[0].Value = 215;
  PLAT_InjectControlClick(Ctl(0, ID_KS));
  EXPECT_EQ(SIM_InputValues[0].Fault, SIM_FAULT_SHORT);
  APP_Tick10ms();
  EXPECT_EQ(IO_InputRecords[0].Raw, IO_RAW_SHORT_CIRCUIT);
  PLAT_InjectControlClick(Ctl(0, ID_UB));
  EXPECT_EQ(PLAT_GetControlValue(Ctl(0, ID_KS)), 0);
  EXPECT_EQ(SIM_InputValues[0].Fault, SIM_FAULT_INTERRUPTION);
  APP_Tick10ms();
  EXPECT_EQ(IO_InputRecords[0].Raw, IO_RAW_INTERRUPTION);
  EXPECT_EQ(IO_InputRecords[0].Fault, IO_FAULT_INTERRUPTION);
  PLAT_InjectControlClick(Ctl(0, ID_UB));
  EXPECT_EQ(SIM_InputValues[0].Fault, SIM_FAULT_NONE);
  APP_Tick10ms();
  EXPECT_EQ(IO_InputRecords[0].Raw, 215);
}

TEST_F(InputSimWindow, RoomSensorModeGoesToTheRecord) {
  SIM_OpenInputSim();
  PLAT_InjectControlKey(Ctl(2, ID_MODE), PLAT_VK_DOWN, nullptr);
  PLAT_InjectControlKey(Ctl(2, ID_MODE), PLAT_VK_DOWN, nullptr);
  EXPECT_EQ(SIM_InputValues[2].RoomMode, 2);
  APP_Tick10ms();
  EXPECT_EQ(IO_InputRecords[2].Mode, 2);
}

TEST_F(InputSimWindow, LimitEditsFilterWhatIsTypedAndTakeItOnEnter) {
  SIM_OpenInputSim();
  PLAT_HCTL hMin = Ctl(0, ID_MIN);
  PLAT_SetControlText(hMin, "");
  Type(hMin, "-20,5");
  EXPECT_EQ(Text(hMin), "-20.5");
  Type(hMin, "-.x");            // a second sign, a second point and letters are refused
  EXPECT_EQ(Text(hMin), "-20.5");
  PLAT_SetControlText(hMin, "");
  Type(hMin, ".5");             // no point at the start
  EXPECT_EQ(Text(hMin), "5");
  PLAT_SetControlText(hMin, "-20.5");
  PLAT_InjectControlKey(hMin, PLAT_VK_ENTER, nullptr);
  EXPECT_STREQ(SIM_InputValues[0].acMin, "-20.5");
  int Min, Max;
  PLAT_GetControlRange(Ctl(0, ID_SLIDER), &Min, &Max);
  EXPECT_EQ(Min, -205);
  EXPECT_EQ(SIM_InputValues[0].Value, 0);   // inside the new range: kept

  // A maximum below the value pulls the value down.
  SIM_InputValues[0].Value = 900;
  PLAT_SetControlValue(Ctl(0, ID_SLIDER), 900);
  PLAT_HCTL hMax = Ctl(0, ID_MAX);
  PLAT_SetControlText(hMax, "");
  Type(hMax, "1.15");
  PLAT_InjectControlKey(hMax, PLAT_VK_ENTER, nullptr);
  EXPECT_STREQ(SIM_InputValues[0].acMax, "1.15");
  EXPECT_EQ(SIM_InputValues[0].Value, 11);  // 1.1 in tenths
}

TEST_F(InputSimWindow, RefreshFromAnotherThreadIsPostedAndRebuildsTheRows) {
  SIM_OpenInputSim();
  SIM_InputDescs[5].Type = 2;
  SIM_InputDescs[5].Unit = 1;
  SIM_InputDescs[0].Type = 0;
  std::thread App([] { SIM_RefreshInputSim(); });
  App.join();
  int x, y, w, h;
  PLAT_GetWindowRect(SIM__GetInputRow(2), &x, &y, &w, &h);
  EXPECT_EQ(y, 160);   // nothing happened in the other thread
  PLAT_ProcessEvents();
  PLAT_GetWindowRect(SIM__GetInputRow(2), &x, &y, &w, &h);
  EXPECT_EQ(y, 80);    // input 1 left the first column
  PLAT_GetWindowRect(SIM__GetInputRow(5), &x, &y, &w, &h);
  EXPECT_EQ(y, 160);
}

TEST_F(InputSimWindow, ScrollsWhenTheRowsDoNotFit) {
  PLAT_HWIN hWin = SIM_OpenInputSim();
  PLAT_SetClientSize(hWin, 300, 130);   // one column of five rows, one of them visible
  PLAT_ProcessEvents();
  PLAT_HCTL hScroll = SIM__GetInputScrollBar();
  int Min, Max;
  PLAT_GetControlRange(hScroll, &Min, &Max);
  EXPECT_EQ(Max, 4);
  EXPECT_TRUE(PLAT_IsControlVisible(hScroll));
  PLAT_InjectControlKey(hScroll, PLAT_VK_PAGEDOWN, nullptr);
  EXPECT_EQ(PLAT_GetControlValue(hScroll), 4);
  int x, y, w, h;
  PLAT_GetWindowRect(SIM__GetInputRow(15), &x, &y, &w, &h);
  EXPECT_EQ(y, 0);       // the last row is the one in view
  PLAT_GetWindowRect(SIM__GetInputRow(0), &x, &y, &w, &h);
  EXPECT_EQ(y, -320);
  PLAT_SetClientSize(hWin, 480, 480);   // everything fits again: back to the top
  PLAT_ProcessEvents();
  PLAT_GetWindowRect(SIM__GetInputRow(0), &x, &y, &w, &h);
  EXPECT_EQ(y, 0);
  EXPECT_FALSE(PLAT_IsControlVisible(hScroll));
}

// The columns count the whole client width: 16 inputs in a window 470 x 300 stand in two columns of eight, the
// scroll maximum 8 - 300 / 80 = 5.
TEST_F(InputSimWindow, SixteenInputsInA470PixelWindowStandInTwoColumns) {
  PLAT_HWIN hWin = SIM_OpenInputSim();
  for (auto& d : SIM_InputDescs) d.Type = 2;
  SIM_RefreshInputSim();
  PLAT_ProcessEvents();
  PLAT_SetClientSize(hWin, 470, 300);
  PLAT_ProcessEvents();
  int x, y, w, h;
  PLAT_GetWindowRect(SIM__GetInputRow(8), &x, &y, &w, &h);
  EXPECT_EQ(x, 230);  // one row width
  EXPECT_EQ(y, 0);
  PLAT_GetWindowRect(SIM__GetInputRow(7), &x, &y, &w, &h);
  EXPECT_EQ(x, 0);
  EXPECT_EQ(y, 7 * 80);
  int Min, Max;
  PLAT_GetControlRange(SIM__GetInputScrollBar(), &Min, &Max);
  EXPECT_EQ(Max, 5);
}

TEST(InputSimLayout, ColumnsRowsAndScrollMaximum) {
  int Columns, Rows, Max, Pos = 7;
  SIM__LayoutInputRows(16, 460, 300, &Columns, &Rows, &Max, &Pos);
  EXPECT_EQ(Columns, 2);
  EXPECT_EQ(Rows, 8);
  EXPECT_EQ(Max, 5);
  EXPECT_EQ(Pos, 5);
  SIM__LayoutInputRows(16, 689, 640, &Columns, &Rows, &Max, &Pos);
  EXPECT_EQ(Columns, 2);
  EXPECT_EQ(Max, 0);
  EXPECT_EQ(Pos, 0);
  SIM__LayoutInputRows(5, 100, 100, &Columns, &Rows, &Max, &Pos);
  EXPECT_EQ(Columns, 1);
  EXPECT_EQ(Rows, 5);
  EXPECT_EQ(Max, 4);
  SIM__LayoutInputRows(0, 0, 0, &Columns, &Rows, &Max, &Pos);
  EXPECT_EQ(Rows, 0);
  EXPECT_EQ(Max, 0);
}

class InputSimBoardWindow : public InputSimWindow {};

TEST_F(InputSimBoardWindow, ReportsMoveTheSlidersAndUnpluggingLeavesThem) {
  FAKE_HID_DEVICE& Other = FakeHid_AddBoard("/dev/hidraw0");
  Other.Product = u"Another vendor device";
  FakeHid_AddBoard("/dev/hidraw1");
  PLAT_HWIN hWin = SIM_OpenInputSim();
  ASSERT_EQ(SIM_SimBoardOpen, 1);
  EXPECT_EQ(HID_GetSelected(), 1);
  EXPECT_FALSE(PLAT_IsControlEnabled(Ctl(0, ID_SLIDER)));  // the board drives the sliders

  uint16_t aRaw[16] = {2046, 4093, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 4093, 0};
  FakeHid_Devices[1].Reports.push_back(FakeHid_MakeReport(aRaw, 0x8000));
  aRaw[0] = 4093;
  FakeHid_Devices[1].Reports.push_back(FakeHid_MakeReport(aRaw, 0x8000, 2));  // not an input report
  PLAT_SendMessage(hWin, PLAT_MSG_TIMER, 0, 0);   // the 50 ms timer
  EXPECT_EQ(SIM_InputValues[0].Value, 499);   // 2046 x 1000 / 4093
  EXPECT_EQ(PLAT_GetControlValue(Ctl(0, ID_SLIDER)), 499);
  EXPECT_EQ(SIM_InputValues[14].Value, 0);    // digital: bit 14 of the state word, not the raw value
  EXPECT_EQ(SIM_InputValues[15].Value, 1);    // bit 15
  EXPECT_EQ(SIM_InputValues[3].Value, 0);     // unused inputs follow their raw value over "0".."100"
  APP_Tick10ms();
  EXPECT_EQ(IO_InputRecords[0].Raw, 499);

  FakeHid_Devices[1].Unplugged = true;
  PLAT_SendMessage(hWin, PLAT_MSG_TIMER, 0, 0);
  EXPECT_EQ(SIM_InputValues[0].Value, 499);
  EXPECT_EQ(PLAT_GetControlValue(Ctl(0, ID_SLIDER)), 499);
}

TEST_F(InputSimBoardWindow, AnalogInputsFifteenAndSixteenFollowTheirRawValues) {
  Configure(14, 2, 0);
  IO_WriteSimInputDesc();
  PLAT_ProcessEvents();
  FakeHid_AddBoard("/dev/hidraw0");
  SIM_OpenInputSim();
  uint16_t aRaw[16] = {};
  aRaw[14] = 4093;
  uint8_t Report[36];
  memcpy(Report, FakeHid_MakeReport(aRaw, 0).data(), 36);
  EXPECT_EQ(SIM_ApplyBoardReport(Report), 1);
  EXPECT_EQ(SIM_InputValues[14].Value, 100);
  Report[1] = 2;
  EXPECT_EQ(SIM_ApplyBoardReport(Report), 0);
}

TEST_F(InputSimBoardWindow, NoBoardLeavesTheSlidersToTheUser) {
  FakeHid_AddBoard("/dev/hidraw0").Product = u"MERIDOX Sim-Boar";
  SIM_OpenInputSim();
  EXPECT_EQ(SIM_SimBoardOpen, 0);
  EXPECT_TRUE(PLAT_IsControlEnabled(Ctl(0, ID_SLIDER)));
  EXPECT_EQ(SIM_PollSimBoard(), 0);
}

}  // namespace
