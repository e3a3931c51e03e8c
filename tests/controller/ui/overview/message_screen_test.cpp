// Message pop-ups in the running program: a message function loaded from function data, raised by the input
// simulation, shown on top of the screens, acknowledged and closed; several pop-ups in their order.
#include <filesystem>

#include "../main_fixture.h"
#include "DAT_File.h"
#include "DAT_Image.h"
#include "FUNKTION_Meldung.h"
#include "IO_Objects.h"
#include "SIM_Input.h"
#include "UI_MessageScreen.h"
#include "dsg_test_files.h"

namespace {

constexpr int kAckX = 334, kAckY = 206, kResetX = 146, kResetY = 206;

class MessageScreenTest : public MainScreenTest {
 protected:
  void SetUp() override {
    MainScreenTest::SetUp();
    FKT_InstallFunctionModules();
    memset(SIM_InputValues, 0, sizeof(SIM_InputValues));
  }
  void TearDown() override {
    UI_DeleteMessageScreens();
    // The inputs read the cleared simulation once more, so that no value is left for the next test.
    memset(SIM_InputValues, 0, sizeof(SIM_InputValues));
    APP_InitController();
    APP_Tick10ms();
    APP_ControlCycle();
    MainScreenTest::TearDown();
  }
  // A message function in Slot raised by input Input (digital).
  static FUNKTION_BASIS_PAR* Message(int Slot, int Kind, int Priority, int Input) {
    FUNKTION_BASIS_PAR* p = nullptr;
    EXPECT_EQ(FKT_CreateObject(FKT_TYPE_MESSAGE, Slot, &p), FKT_OK);
    IO_Inputs[Input].SetParameter(IO_IN_PAR_TYPE, 1, 0);
    p->SetParameter(MSG_PAR_KIND, Kind, 0);
    p->SetParameter(MSG_PAR_POPUP, 1, 0);
    p->SetParameter(MSG_PAR_PRIORITY, Priority, 0);
    p->SetParameter(FKT_PAR_INPUT + FKT_IN_SOURCE_KIND, FKT_SRC_INPUT, 0);
    p->SetParameter(FKT_PAR_INPUT + FKT_IN_SOURCE_INDEX, Input, 0);
    return p;
  }
  // The controller runs one cycle with the input simulation's values, then the main task's pass.
  void Run() {
    for (int i = 0; i < 10; i++) APP_Tick10ms();
    APP_ControlCycle();
    UI_ShowMessages();
    Settle();
  }
  static WM_HWIN Top() {
    WM_HWIN h = UI_hMessageStack ? WM_GetFirstChild(UI_hMessageStack) : 0;
    while (h && WM_GetNextSibling(h)) h = WM_GetNextSibling(h);
    return h;
  }
  dsgtest::UserFolder Folder;
};

TEST_F(MessageScreenTest, AMessageFromFunctionDataRaisesItsPopUpAndTheAcknowledgementClosesIt) {
  Message(0, 1, 2, 0);
  std::string Path = Folder.File("messages.dat");
  ASSERT_EQ(DAT_SaveFunctionDataFile(Path.c_str()), DAT_OK);
  APP_InitController();
  ASSERT_EQ(DAT_LoadFunctionDataFile(Path.c_str(), 1), DAT_OK);
  FUNKTION_BASIS_PAR* p = FKT_Registry[0];
  ASSERT_NE(p, nullptr);
  Run();
  EXPECT_EQ(Top(), 0);  // the input is off
  SIM_InputValues[0].Value = 1;
  SYS_ClockSeconds = MAIN_TEST_SECONDS;
  Run();
  ASSERT_NE(Top(), 0);
  EXPECT_EQ(UI_GetMessageObject(Top()), p);
  EXPECT_EQ(p->GetPoolWord(MSG_POOL_PENDING), 1u);
  EXPECT_TRUE(golden::Matches("controller/ui/message_popup", golden::CaptureLCD()));
  Touch(kAckX, kAckY);
  EXPECT_EQ(Top(), 0);
  EXPECT_EQ(p->GetPoolWord(MSG_POOL_PENDING), 0u);  // the function sees the acknowledgement
  EXPECT_EQ(p->GetPoolWord(MSG_POOL_ACTIVE), 1u);   // the message itself stays until it is reset
  Run();
  EXPECT_EQ(Top(), 0);  // not raised again
  EXPECT_FALSE(WM_IsVisible(UI_hMessageStack));
  // The screens below take touches again.
  EXPECT_EQ(WM_GetWindowAt(240, 100) == UI_hMessageStack, false);
}

TEST_F(MessageScreenTest, TheHighestKindIsOnTopAndOnlyItIsPainted) {
  FUNKTION_BASIS_PAR* pWarn = Message(0, 1, 5, 0);
  FUNKTION_BASIS_PAR* pFault = Message(1, 3, 5, 1);
  FUNKTION_BASIS_PAR* pOld = Message(2, 1, 5, 2);
  SIM_InputValues[2].Value = 1;
  SYS_ClockSeconds = MAIN_TEST_SECONDS - 60;
  Run();
  SIM_InputValues[0].Value = SIM_InputValues[1].Value = 1;
  SYS_ClockSeconds = MAIN_TEST_SECONDS;
  Run();
  EXPECT_EQ(UI_GetMessageObject(Top()), pFault);
  EXPECT_EQ(UI_GetMessageObject(WM_GetFirstChild(UI_hMessageStack)), pOld);  // older ones lie lower
  Touch(kAckX, kAckY);
  EXPECT_EQ(UI_GetMessageObject(Top()), pWarn);  // the newer warning shows next
  (void)pOld;
}

TEST_F(MessageScreenTest, CommandsActOnTheFunctionAndAnEndedMessageClosesWithinASecond) {
  FUNKTION_BASIS_PAR* p = Message(0, 2, 1, 0);
  SIM_InputValues[0].Value = 1;
  Run();
  ASSERT_NE(Top(), 0);
  // Reset (command 1) is enabled while the message is active: it ends the message.
  ASSERT_TRUE((p->GetPoolWord(MSG_POOL_COMMANDS) >> 1) & 1);
  Touch(kResetX, kResetY);
  EXPECT_EQ(p->GetPoolWord(MSG_POOL_ACTIVE), 0u);
  EXPECT_NE(Top(), 0);  // commands leave it open
  Advance(1000);
  EXPECT_EQ(Top(), 0);
}

TEST_F(MessageScreenTest, APopUpOfAFunctionThatWasDeletedClosesWithoutReadingIt) {
  Message(0, 0, 1, 0);
  SIM_InputValues[0].Value = 1;
  Run();
  ASSERT_NE(Top(), 0);
  APP_InitController();  // other function data: the object is gone
  Advance(1000);
  EXPECT_EQ(Top(), 0);
}

}  // namespace
