// The message function: raised by its input, acknowledged and reset by its commands, kept in the function data.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "Controller.h"
#include "FUNKTION_Meldung.h"

namespace {

class MessageFunction : public ::testing::Test {
 protected:
  void SetUp() override {
    FKT_InstallFunctionModules();
    APP_InitController();
    ASSERT_EQ(FKT_CreateObject(FKT_TYPE_MESSAGE, 6, &msg), FKT_OK);
    // Trigger: fixed value 0, digital.
    IO_FixedValues[0].SetParameter(0, 1, 0);
    ASSERT_EQ(msg->SetParameter(FKT_PAR_INPUT + FKT_IN_SOURCE_KIND, FKT_SRC_FIXED, 0), 1);
    ASSERT_EQ(msg->SetParameter(FKT_PAR_INPUT + FKT_IN_SOURCE_INDEX, 0, 0), 1);
  }
  void TearDown() override { APP_InitController(); }
  void Trigger(int v) {
    IO_FixedValues[0].SetParameter(2, v, 0);
    APP_ControlCycle();
  }
  FUNKTION_BASIS_PAR* msg = nullptr;
};

}  // namespace

TEST_F(MessageFunction, BecomesActiveFromItsInputAndResetClearsIt) {
  SYS_ClockSeconds = 123456;
  Trigger(0);
  EXPECT_EQ(msg->GetPoolWord(MSG_POOL_ACTIVE), 0u);
  EXPECT_EQ(msg->GetParameter(FKT_PAR_OUTPUT), 0);
  Trigger(1);
  EXPECT_NE(msg->GetPoolWord(MSG_POOL_ACTIVE), 0u);
  EXPECT_NE(msg->GetPoolWord(MSG_POOL_PENDING), 0u);
  EXPECT_EQ(msg->GetPoolWord(MSG_POOL_COMMANDS) & 7u, 7u);
  EXPECT_EQ(msg->GetParameter(MSG_PAR_TIME), 123456 + 3600);  // shown an hour earlier: the moment it arose
  EXPECT_EQ(msg->GetParameter(FKT_PAR_OUTPUT), 1);
  EXPECT_EQ(std::u16string(msg->GetStatusText(MSG_CMD_RESET)), u"Reset");
  // Only value 1 executes a command.
  EXPECT_EQ(msg->SetCommand(MSG_CMD_RESET, 0, 0), 0);
  EXPECT_EQ(msg->SetCommand(MSG_CMD_RESET, 1, 0), 1);
  EXPECT_EQ(msg->GetPoolWord(MSG_POOL_ACTIVE), 0u);
  EXPECT_EQ(msg->GetPoolWord(MSG_POOL_COMMANDS) & 7u, 0u);
  // The trigger is still set: no new message until it falls and rises again.
  Trigger(1);
  EXPECT_EQ(msg->GetPoolWord(MSG_POOL_ACTIVE), 0u);
  Trigger(0);
  Trigger(1);
  EXPECT_NE(msg->GetPoolWord(MSG_POOL_ACTIVE), 0u);
  // Through the parameter number of command 1.
  EXPECT_EQ(msg->SetParameter(FKT_PAR_COMMAND + MSG_CMD_RESET, 1, 0), 1);
  EXPECT_EQ(msg->GetPoolWord(MSG_POOL_ACTIVE), 0u);
}

TEST_F(MessageFunction, AcknowledgeKeepsTheMessageButEndsThePopup) {
  Trigger(1);
  msg->SetCommand(MSG_CMD_ACKNOWLEDGE, 1, 0);
  EXPECT_NE(msg->GetPoolWord(MSG_POOL_ACTIVE), 0u);
  EXPECT_EQ(msg->GetPoolWord(MSG_POOL_PENDING), 0u);
  EXPECT_EQ(msg->GetPoolWord(MSG_POOL_COMMANDS) & 7u, 2u);  // only reset left
  EXPECT_EQ(msg->GetParameter(FKT_PAR_COMMAND + MSG_CMD_ACKNOWLEDGE), 0);
  // The title bar's acknowledgement word is served by the next step.
  msg->SetCommand(MSG_CMD_RESET, 1, 0);
  Trigger(0);
  Trigger(1);
  msg->GetPoolBlock()[MSG_POOL_ACK_REQUEST] = 1;
  APP_ControlCycle();
  EXPECT_EQ(msg->GetPoolWord(MSG_POOL_PENDING), 0u);
  EXPECT_EQ(msg->GetPoolWord(MSG_POOL_ACK_REQUEST), 0u);
}

TEST_F(MessageFunction, ParametersAndChoiceTexts) {
  EXPECT_EQ(msg->GetParameter(MSG_PAR_PRIORITY), 5);
  EXPECT_EQ(msg->SetParameter(MSG_PAR_PRIORITY, 0, 0), 0);
  EXPECT_EQ(msg->SetParameter(MSG_PAR_PRIORITY, 10, 0), 1);
  EXPECT_EQ(msg->SetParameter(MSG_PAR_KIND, 2, 0), 1);
  EXPECT_EQ(std::u16string(msg->GetChoiceText(MSG_PAR_KIND)), u"Fault");
  EXPECT_EQ(msg->SetParameter(MSG_PAR_KIND, 4, 0), 0);
  EXPECT_EQ(msg->SetParameter(MSG_PAR_TIME, 5, 0), 0);  // set by the function itself
  // The trigger's own value is off or on.
  EXPECT_EQ(msg->SetParameter(FKT_PAR_INPUT + FKT_IN_OWN_VALUE, 2, 0), 0);
  EXPECT_EQ(msg->SetParameter(FKT_PAR_INPUT + FKT_IN_OWN_VALUE, -1, 0), 0);
  EXPECT_EQ(msg->SetParameter(FKT_PAR_INPUT + FKT_IN_OWN_VALUE, 1, 0), 1);
  EXPECT_EQ(msg->GetChoiceText(FKT_PAR_DESIGNATION), nullptr);
  EXPECT_EQ(msg->SetParameter(FKT_PAR_DESIGNATION, 19, 0), 1);
  EXPECT_EQ(std::u16string(msg->GetChoiceText(FKT_PAR_DESIGNATION)), u"Alarm");
  // Without the pop-up parameter no acknowledgement is asked for.
  msg->SetParameter(MSG_PAR_POPUP, 0, 0);
  Trigger(1);
  EXPECT_EQ(msg->GetPoolWord(MSG_POOL_PENDING), 0u);
}

TEST_F(MessageFunction, SurvivesTheFunctionDataFile) {
  msg->SetParameter(MSG_PAR_KIND, 3, 0);
  msg->SetParameter(MSG_PAR_PRIORITY, 9, 0);
  std::vector<uint8_t> file(DAT_FILE_SIZE);
  ASSERT_EQ(DAT_EncodeFile(file.data()), 1);
  APP_InitController();
  EXPECT_EQ(FKT_GetRegistryCount(), 0);
  ASSERT_EQ(DAT_LoadFunctionDataBytes(file.data(), file.size()), DAT_OK);
  FUNKTION_BASIS_PAR* p = FKT_GetFunction(7);
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(p->GetTypeCode(), FKT_TYPE_MESSAGE);
  EXPECT_EQ(p->GetParameter(MSG_PAR_KIND), 3);
  EXPECT_EQ(p->GetParameter(MSG_PAR_PRIORITY), 9);
  EXPECT_EQ(p->GetParameter(FKT_PAR_INPUT + FKT_IN_SOURCE_KIND), FKT_SRC_FIXED);
  EXPECT_EQ(p->GetPoolBlock(), FKT_ValuePool);
}
