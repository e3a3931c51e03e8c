// "Info1.sim": the byte layout, damaged rows, short files, and the round trip through the per-user folder.
#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <string>

#include <sys/resource.h>

#include "SIM_InputSim.h"
#include "SimTestHost.h"

namespace {

void PutI32(uint8_t* p, int32_t v) {
  for (int i = 0; i < 4; i++) p[i] = uint8_t(uint32_t(v) >> (8 * i));
}

// A file image whose row i has value 1000 + i, mode i % 4, fault 0 and range "-i" to "i.5".
void MakeImage(uint8_t* p) {
  memset(p, 0, SIM_INPUTSIM_FILE_SIZE);
  for (int i = 0; i < SIM_NUM_INPUTS; i++) {
    uint8_t* r = p + i * 64;
    PutI32(r, 1000 + i);
    PutI32(r + 4, i % 4);
    snprintf(reinterpret_cast<char*>(r + 12), 20, "-%d", i);
    snprintf(reinterpret_cast<char*>(r + 32), 20, "%d.5", i);
  }
}

bool IsDefault(const SIM_INPUT_VALUE& v) {
  return v.Value == 0 && v.RoomMode == 0 && v.Fault == 0 && std::string(v.acMin) == "0" &&
         std::string(v.acMax) == "100";
}

TEST(InputSimFile, EncodesFieldByFieldLittleEndian) {
  SIM_INPUT_VALUE a[SIM_NUM_INPUTS];
  for (auto& v : a) SIM_SetInputDefaults(&v);
  a[1].Value = -2;  // 0xFFFFFFFE
  a[1].RoomMode = 3;
  a[1].Fault = SIM_FAULT_INTERRUPTION;
  strcpy(a[1].acMin, "-20.5");
  strcpy(a[1].acMax, "1234567890123456789");  // 19 characters: the longest text a row keeps
  memset(a[1].aReserved, 0xAA, sizeof(a[1].aReserved));
  uint8_t File[SIM_INPUTSIM_FILE_SIZE];
  SIM__EncodeInputValues(a, File);
  const uint8_t* r = File + 64;
  const uint8_t Head[12] = {0xFE, 0xFF, 0xFF, 0xFF, 3, 0, 0, 0, 3, 0, 0, 0};
  EXPECT_EQ(memcmp(r, Head, 12), 0);
  EXPECT_STREQ(reinterpret_cast<const char*>(r + 12), "-20.5");
  EXPECT_STREQ(reinterpret_cast<const char*>(r + 32), "1234567890123456789");
  for (int i = 52; i < 64; i++) EXPECT_EQ(r[i], 0) << "reserved byte " << i;
  EXPECT_EQ(File[12], '0');
  EXPECT_EQ(File[13], 0);
  EXPECT_EQ(memcmp(File + 32, "100", 4), 0);
}

TEST(InputSimFile, DecodesWhatItEncodes) {
  uint8_t File[SIM_INPUTSIM_FILE_SIZE], Again[SIM_INPUTSIM_FILE_SIZE];
  MakeImage(File);
  SIM_INPUT_VALUE a[SIM_NUM_INPUTS];
  EXPECT_EQ(SIM__DecodeInputValues(File, sizeof(File), a), 0);
  EXPECT_EQ(a[7].Value, 1007);
  EXPECT_EQ(a[7].RoomMode, 3);
  EXPECT_STREQ(a[7].acMin, "-7");
  EXPECT_STREQ(a[15].acMax, "15.5");
  SIM__EncodeInputValues(a, Again);
  EXPECT_EQ(memcmp(File, Again, sizeof(File)), 0);
}

TEST(InputSimFile, DamagedRowsGetTheDefaults) {
  uint8_t File[SIM_INPUTSIM_FILE_SIZE];
  MakeImage(File);
  memset(File + 1 * 64 + 12, 'x', 20);  // minimum without its terminator
  memset(File + 2 * 64 + 32, 'y', 20);  // maximum without its terminator
  PutI32(File + 3 * 64 + 4, 4);         // mode out of range
  PutI32(File + 4 * 64 + 4, -1);
  PutI32(File + 5 * 64 + 8, 1);         // fault 1 does not exist
  PutI32(File + 6 * 64 + 8, 0x7FFFFFFF);
  PutI32(File + 7 * 64 + 8, SIM_FAULT_SHORT);  // a real fault is kept
  SIM_INPUT_VALUE a[SIM_NUM_INPUTS];
  EXPECT_EQ(SIM__DecodeInputValues(File, sizeof(File), a), 6);
  for (int i = 1; i <= 6; i++) EXPECT_TRUE(IsDefault(a[i])) << "row " << i;
  EXPECT_EQ(a[0].Value, 1000);
  EXPECT_EQ(a[7].Fault, SIM_FAULT_SHORT);
  EXPECT_EQ(a[8].Value, 1008);
}

TEST(InputSimFile, ShortFileFillsOnlyCompleteRows) {
  uint8_t File[SIM_INPUTSIM_FILE_SIZE];
  MakeImage(File);
  SIM_INPUT_VALUE a[SIM_NUM_INPUTS];
  EXPECT_EQ(SIM__DecodeInputValues(File, 3 * 64 + 40, a), 13);
  EXPECT_EQ(a[2].Value, 1002);
  for (int i = 3; i < SIM_NUM_INPUTS; i++) EXPECT_TRUE(IsDefault(a[i])) << "row " << i;
  EXPECT_EQ(SIM__DecodeInputValues(nullptr, 0, a), 16);
}

TEST(InputSimFile, SurvivesARestartThroughTheFolder) {
  std::string Dir = SimTest_MakeTempDir();
  EXPECT_EQ(SIM_LoadInputSim(Dir.c_str()), 16);  // no file yet: all defaults
  for (const auto& v : SIM_InputValues) EXPECT_TRUE(IsDefault(v));
  SIM_InputValues[4].Value = 215;
  SIM_InputValues[4].Fault = SIM_FAULT_INTERRUPTION;
  SIM_InputValues[9].RoomMode = 2;
  strcpy(SIM_InputValues[9].acMin, "-20.5");
  SIM_InputDescs[3].Type = 1;
  ASSERT_EQ(SIM_SaveInputSim(Dir.c_str()), 0);
  EXPECT_EQ(SimTest_ReadFile(Dir + "/Info1.sim").size(), 1024u);

  for (auto& v : SIM_InputValues) SIM_SetInputDefaults(&v);
  EXPECT_EQ(SIM_LoadInputSim(Dir.c_str()), 0);
  EXPECT_EQ(SIM_InputValues[4].Value, 215);
  EXPECT_EQ(SIM_InputValues[4].Fault, SIM_FAULT_INTERRUPTION);
  EXPECT_EQ(SIM_InputValues[9].RoomMode, 2);
  EXPECT_STREQ(SIM_InputValues[9].acMin, "-20.5");
  EXPECT_EQ(SIM_InputDescs[3].Type, 0u);  // descriptors start cleared: the application writes them

  EXPECT_EQ(SIM_SaveInputSim((Dir + "/no/such/folder").c_str()), 1);
  for (auto& v : SIM_InputValues) SIM_SetInputDefaults(&v);
}

// A save that fails part-way (here at a file-size limit) leaves the old file whole, not a torn one.
TEST(InputSimFile, ASaveThatFailsPartWayKeepsTheOldFile) {
  std::string Dir = SimTest_MakeTempDir();
  SIM_InputValues[0].Value = 111;
  ASSERT_EQ(SIM_SaveInputSim(Dir.c_str()), 0);
  std::string Before = SimTest_ReadFile(Dir + "/Info1.sim");
  SIM_InputValues[0].Value = 222;
  rlimit Old{}, Small{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &Old), 0);
  Small = Old;
  Small.rlim_cur = 100;
  auto pfOldHandler = signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &Small), 0);
  int r = SIM_SaveInputSim(Dir.c_str());
  setrlimit(RLIMIT_FSIZE, &Old);
  signal(SIGXFSZ, pfOldHandler);
  EXPECT_EQ(r, 1);
  EXPECT_EQ(SimTest_ReadFile(Dir + "/Info1.sim"), Before);
  for (auto& v : SIM_InputValues) SIM_SetInputDefaults(&v);
}

}  // namespace
