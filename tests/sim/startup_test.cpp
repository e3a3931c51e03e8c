// Start-up and shutdown: the command line words, the frame-buffer limit, the folders made, what is saved
// at exit (the input simulation always, the function data only after a finished start-up) and the display
// mapping given back.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "APP_Hooks.h"
#include "PLAT_Shm.h"
#include "SIM.h"
#include "SIM_Bridge.h"
#include "SIM_Windows.h"
#include "SimTestHost.h"

namespace {

int _Zoom(const char* pCommandLine, int Before = 1) {
  SIM_Zoom = Before;
  SIM__ParseCommandLine(pCommandLine);
  int r = SIM_Zoom;
  SIM_Zoom = 1;
  return r;
}

bool _IsDir(const std::string& Path) {
  struct stat St;
  return stat(Path.c_str(), &St) == 0 && S_ISDIR(St.st_mode);
}

void _EndAtOnce(void) {}   // an application that gives up before its start-up has loaded anything

// Ends the loop once the application has finished its start-up (only then is its function data saved).
void _QuitAfterStartup(void*) {
  if (UI_StartupDone) PLAT_PostQuit(0);
  else PLAT_PostCall(_QuitAfterStartup, nullptr);
}

std::string _PrepareHome(void) {
  SimTest_InitPlatform();
  SimTest_StopHost();
  std::string Home = SimTest_MakeTempDir();
  setenv("HOME", Home.c_str(), 1);
  setenv("APPDATA", (Home + "/appdata").c_str(), 1);
  unsetenv("XDG_CONFIG_HOME");
  return Home;
}

int _RunSimulator(const char* pArg) {
  char acArg0[] = "meridox-sim";
  std::string Arg = pArg;
  char* apArg[] = {acArg0, Arg.data(), nullptr};
  int r = SIM_Main(2, apArg);
  SIM_SetMag(1, 1);
  SIM_Zoom = 1;
  SIM_WizFlag = 0;
  SIM_SetErrorBox(0);
  return r;
}

}  // namespace

TEST(StartupCommandLine, MagSetsTheZoomWithinOneToEight) {
  EXPECT_EQ(_Zoom("Mag3"), 3);
  EXPECT_EQ(_Zoom("Mag8"), 8);
  EXPECT_EQ(_Zoom("Mag0"), 1);
  EXPECT_EQ(_Zoom("Mag9", 4), 1);
  EXPECT_EQ(_Zoom("Mag-2", 4), 1);
  EXPECT_EQ(_Zoom("Mag", 5), 5);         // no number: the zoom stays
  EXPECT_EQ(_Zoom("xyMag2abc"), 2);      // found inside a longer word
  EXPECT_EQ(_Zoom("mag2"), 1);           // the word is case-sensitive
}

TEST(StartupCommandLine, WizAnywhereSetsTheFlag) {
  SIM_WizFlag = 0;
  SIM__ParseCommandLine("Mag1 Wiz");
  EXPECT_EQ(SIM_WizFlag, 1);
  SIM_WizFlag = 0;
  SIM__ParseCommandLine("theWizard");
  EXPECT_EQ(SIM_WizFlag, 1);
  SIM_WizFlag = 0;
  SIM__ParseCommandLine("wiz");
  EXPECT_EQ(SIM_WizFlag, 0);
}

TEST(StartupFrameBuffer, LayersUpToTheMappingAreAccepted) {
  SIM_LAYER_INFO Info = {2048, 2048, 0, 0, 1, 1, 32, 0};
  EXPECT_EQ(SIM__GetLayerBufferSize(&Info), 0x1000000LL);   // exactly the frame-buffer area
  Info.YSize = 2049;
  EXPECT_GT(SIM__GetLayerBufferSize(&Info), 0x1000000LL);
  Info.BitsPerPixel = 16;                                    // stored at 4 bytes per pixel as well
  EXPECT_GT(SIM__GetLayerBufferSize(&Info), 0x1000000LL);
  SIM_LAYER_INFO Small = {480, 272, 480, 544, 1, 1, 16, 0};  // the virtual area is what the buffer holds
  EXPECT_EQ(SIM__GetLayerBufferSize(&Small), 480LL * 544 * 4);
  SIM_LAYER_INFO Palette = {301, 10, 0, 0, 1, 1, 8, 256};    // bytes per line padded to 4
  EXPECT_EQ(SIM__GetLayerBufferSize(&Palette), 304LL * 10);
  EXPECT_EQ(SIM__CheckFrameBuffer(), 0);                      // our own display fits
}

TEST(StartupShutdown, FailedStartMakesTheFoldersButKeepsTheFunctionData) {
  std::string Home = _PrepareHome();
  std::string User = Home + "/appdata/Orvaldi Klimaregelwerk/MERIDOX-Simulator";
  ASSERT_EQ(system(("mkdir -p '" + User + "'").c_str()), 0);
  FILE* pFile = fopen((User + "/tmp.dat").c_str(), "wb");
  ASSERT_TRUE(pFile);
  fputs("good data", pFile);
  fclose(pFile);
  SIM_SetAppTask(_EndAtOnce);
  EXPECT_EQ(_RunSimulator("Wiz"), 0);   // the window sees the application gone and ends the loop
  SIM_SetAppTask(nullptr);
  EXPECT_TRUE(_IsDir(Home + "/Documents/MERIDOX-Simulator/SD-Card"));
  EXPECT_TRUE(_IsDir(Home + "/Documents/MERIDOX-Simulator/Intern"));
  EXPECT_EQ(SimTest_ReadFile(User + "/tmp.dat"), "good data");
  EXPECT_EQ(SimTest_ReadFile(User + "/Info1.sim").size(), 1024u);   // 16 records of 64 bytes
}

TEST(StartupShutdown, RunsStopsAndSavesTheFunctionData) {
  std::string Home = _PrepareHome();
  PLAT_PostCall(_QuitAfterStartup, nullptr);
  char acArg0[] = "meridox-sim";
  char acArg1[] = "Mag2";
  char* apArg[] = {acArg0, acArg1, nullptr};
  EXPECT_EQ(SIM_Main(2, apArg), 0);
  EXPECT_STREQ(SIM_CommandLine, "Mag2");
  EXPECT_EQ(SIM_Zoom, 2);
  EXPECT_EQ(SIM_GetXMag(), 2);
  EXPECT_FALSE(SIM_IsAppRunning());
  std::string TmpDat = Home + "/appdata/Orvaldi Klimaregelwerk/MERIDOX-Simulator/tmp.dat";
  EXPECT_EQ(SimTest_ReadFile(TmpDat).size(), 256256u);
  PLAT_SHM Shm;
  EXPECT_EQ(PLAT_ShmCreate("PixraLCDMap", 4096, &Shm), PLAT_SHM_OK);  // the name was given back
  PLAT_ShmClose(&Shm);
  SIM_SetMag(1, 1);
  SIM_Zoom = 1;
  SIM_SetErrorBox(0);
}
