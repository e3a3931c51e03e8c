// The message function: raised by its input, acknowledged and reset by its commands, kept in the function data,
// and named by text in the change log.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
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
  // The trigger's own value altered beyond off and on under a valid checksum: the file is refused whole.
  std::vector<uint8_t> image(DAT_IMAGE_SIZE);
  ASSERT_EQ(DAT_BuildImage(image.data()), 1);
  size_t at = DAT_IMAGE_RECORDS;  // the fixed objects' records (kind 1, type, index, length, bytes) come first
  while (image[at] == 1) at += 9 + DAT_Load32(&image[at + 5]);
  ASSERT_EQ(image[at], 2);
  ASSERT_EQ(DAT_Load16(&image[at + 1]), FKT_TYPE_MESSAGE);
  size_t own = at + 9 + 7 + 6 * DAT_Load16(&image[at + 9 + 5]) + 1 + 5;  // after the parameters, kind, index, output
  DAT_Store32(&image[own], 324478056);
  DAT_SealImage(image.data());
  DAT_EncodeImage(image.data(), file.data());
  p->SetParameter(MSG_PAR_PRIORITY, 4, 0);
  EXPECT_EQ(DAT_LoadFunctionDataBytes(file.data(), file.size()), DAT_ERR_CONTENT);
  EXPECT_EQ(FKT_GetFunction(7)->GetParameter(MSG_PAR_PRIORITY), 4);
}

namespace {

std::u16string LastLogLine(const std::filesystem::path& Log) {
  std::ifstream f(Log, std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
  std::u16string text;
  for (size_t i = 2; i + 1 < bytes.size(); i += 2)
    text += (char16_t)((unsigned char)bytes[i] | (unsigned char)bytes[i + 1] << 8);
  if (text.size() >= 2) text.resize(text.size() - 2);  // the line's CR LF
  size_t Start = text.rfind(u"\r\n");
  return Start == std::u16string::npos ? text : text.substr(Start + 2);
}

std::string Narrow(const std::u16string& s) {
  std::string r;
  for (char16_t c : s) r += c < 128 ? char(c) : '?';
  return r;
}

}  // namespace

// Every value of the message function and of the settings objects that a user (or another node) can change is named
// by its text in the change log, never by its number.
TEST_F(MessageFunction, EveryChangeIsLoggedUnderItsName) {
  std::filesystem::path Dir = std::filesystem::temp_directory_path() / ("meldung-log-" + std::to_string(getpid()));
  std::filesystem::remove_all(Dir);
  std::filesystem::create_directories(Dir);
  snprintf(APP_DocumentsFolder, sizeof(APP_DocumentsFolder), "%s", Dir.c_str());
  std::filesystem::path Log = Dir / "Intern" / "change.log";
  int Logged = 0;
  using P = FUNKTION_BASIS_PAR*;
  for (P p : {P(msg), P(&SET_General), P(&SET_Can), P(&IO_Inputs[0]), P(&IO_Outputs[0]), P(&IO_FixedValues[0]),
              P(&LOG_AnalogChannels[0])}) {
    std::vector<int> Numbers;
    for (int n = FKT_PAR_HEADER_FIRST; n <= FKT_PAR_HEADER_LAST; n++) Numbers.push_back(n);
    for (int n = 0; n < 128; n++) Numbers.push_back(n);
    for (int n = FKT_PAR_INPUT; n < FKT_PAR_INPUT + 4 * FKT_INPUT_FIELDS; n++) Numbers.push_back(n);
    for (int n : Numbers) {
      int32_t Lo = 0, Hi = 0;
      if ((p->GetParameterFlags(n) & (FKT_PF_UNUSED | FKT_PF_READONLY)) || !p->GetLimits(n, &Lo, &Hi) || Lo == Hi)
        continue;
      int32_t Old = p->GetParameter(n), New = Old != Lo ? Lo : Lo + 1;
      ASSERT_EQ(p->SetParameter(n, New, FKT_SET_NOTIFY), 1) << n;
      std::u16string Line = LastLogLine(Log);
      EXPECT_EQ(Line.find(u'#'), std::u16string::npos) << Narrow(Line);
      EXPECT_EQ(Line.find(u"Parameter "), std::u16string::npos) << Narrow(Line);
      EXPECT_NE(Line.find(u": "), std::u16string::npos) << Narrow(Line);
      Logged++;
      p->SetParameter(n, Old, 0);
    }
  }
  EXPECT_GE(Logged, 10);
  // The trigger goes by its name.
  msg->SetParameter(FKT_PAR_INPUT + FKT_IN_SOURCE_KIND, FKT_SRC_OWN, FKT_SET_NOTIFY);
  EXPECT_NE(LastLogLine(Log).find(u"Message 7 Trigger: Fixed value -> Own value"), std::u16string::npos)
      << Narrow(LastLogLine(Log));
  msg->SetParameter(FKT_PAR_INPUT + FKT_IN_OWN_VALUE, 1, FKT_SET_NOTIFY);
  EXPECT_NE(LastLogLine(Log).find(u"Message 7 Trigger: 0 -> 1"), std::u16string::npos) << Narrow(LastLogLine(Log));
  APP_DocumentsFolder[0] = 0;
  std::filesystem::remove_all(Dir);
}
