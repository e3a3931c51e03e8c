// Host settings and the width of value texts.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "GUI.h"
#include "SIM.h"
#include "SIM_Windows.h"
#include "SimTestHost.h"

TEST(HostConfig, MagnificationOutsideOneToEightIsRefused) {
  EXPECT_EQ(SIM_SetMag(0, 2), 1);
  EXPECT_EQ(SIM_GetXMag(), 1);
  EXPECT_EQ(SIM_GetYMag(), 2);
  EXPECT_EQ(SIM_SetMag(3, 9), 1);
  EXPECT_EQ(SIM_GetXMag(), 3);
  EXPECT_EQ(SIM_GetYMag(), 2);
  EXPECT_EQ(SIM_SetMag(8, 1), 0);
  EXPECT_EQ(SIM_GetXMag(), 8);
  SIM_SetMag(1, 1);
}

TEST(HostConfig, SettersReturnWhatTheyPromise) {
  uint32_t Before = SIM_SetTransColor(0xFF0000);  // each setter answers the value it replaced
  EXPECT_EQ(SIM_SetTransColor(0x00FF00), 0xFF0000u);
  EXPECT_EQ(SIM_SetTransColor(Before), 0x00FF00u);
  EXPECT_EQ(SIM_SetTimeFactor(3), 3);
  EXPECT_EQ(SIM_SetTimeFactor(-1), 3);
  SIM_SetTimeFactor(1);
  SIM_SetDeviceMode(5);
  EXPECT_EQ(SIM_GetDeviceMode(), 1);
  SIM_SetDeviceMode(0);
  EXPECT_EQ(SIM_GetDeviceMode(), 2);
  EXPECT_EQ(SIM_SetAppByte(0), 0);
  EXPECT_EQ(SIM_SetAppByte(7), 7);
  EXPECT_EQ(SIM_SetAppByte(9), 9);  // returns its argument; the first non-zero value is kept
}

TEST(HostConfig, ValueTextWidth) {
  EXPECT_EQ(SIM__GetValueTextWidth(0, 0), 1);
  EXPECT_EQ(SIM__GetValueTextWidth(2, 5), 4);          // 0.05
  EXPECT_EQ(SIM__GetValueTextWidth(0, -1000000000), 11);
  EXPECT_EQ(SIM__GetValueTextWidth(2, 12345), 6);      // 123.45
  EXPECT_EQ(SIM__GetValueTextWidth(2, -5), 5);         // -0.05
  EXPECT_EQ(SIM__GetValueTextWidth(0, INT32_MIN), 11);
}

TEST(HostPaths, FoldersFollowAppDataAndTheDocumentsFolder) {
  std::string Home = SimTest_MakeTempDir();
  std::string AppData = SimTest_MakeTempDir();
  setenv("HOME", Home.c_str(), 1);
  setenv("XDG_CONFIG_HOME", (Home + "/cfg").c_str(), 1);
  setenv("APPDATA", AppData.c_str(), 1);
  SIM_InitFolders();
  EXPECT_EQ(std::string(SIM_UserFolder), AppData + "/Orvaldi Klimaregelwerk/MERIDOX-Simulator");
  EXPECT_EQ(std::string(SIM_HostText), Home + "/Documents/MERIDOX-Simulator");
  EXPECT_EQ(access((Home + "/Documents/MERIDOX-Simulator/SD-Card").c_str(), F_OK), 0);
  EXPECT_EQ(access((Home + "/Documents/MERIDOX-Simulator/Intern").c_str(), F_OK), 0);
  ASSERT_EQ(mkdir((Home + "/cfg").c_str(), 0755), 0);
  FILE* pDirs = fopen((Home + "/cfg/user-dirs.dirs").c_str(), "w");
  ASSERT_NE(pDirs, nullptr);
  fputs("# written by the desktop\nXDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n", pDirs);
  fclose(pDirs);
  unsetenv("APPDATA");
  SIM_InitFolders();
  EXPECT_EQ(std::string(SIM_UserFolder), Home + "/cfg/Orvaldi Klimaregelwerk/MERIDOX-Simulator");
  EXPECT_EQ(std::string(SIM_HostText), Home + "/Dokumente/MERIDOX-Simulator");
}

TEST(HostCommandLine, MagSetsTheZoomAndWizTheStartFlag) {
  struct {
    const char* pLine;
    int Zoom;
  } aCase[] = {{"Mag3", 3}, {"Mag0", 1}, {"Mag9", 1}, {"Mag-2", 1}, {"xyMag2z", 2}, {"Mag", 2}, {"Mag 8", 8}};
  for (auto& Case : aCase) {
    SIM__ParseCommandLine(Case.pLine);
    EXPECT_EQ(SIM_Zoom, Case.Zoom) << Case.pLine;
  }
  SIM_Zoom = 1;
  SIM_WizFlag = 0;
  SIM__ParseCommandLine("Mag1");
  EXPECT_EQ(SIM_WizFlag, 0);
  SIM__ParseCommandLine("aWizard");
  EXPECT_EQ(SIM_WizFlag, 1);
  SIM_WizFlag = 0;
}

static uint32_t _Now;
static uint32_t _TestClock(void) { return _Now; }

TEST(HostTime, TheTimeFactorSpeedsTheClock) {
  _Now = 5000;
  SIM__SetClock(_TestClock);
  _Now += 40;
  EXPECT_EQ(SIM_GetTime(), 40);
  SIM_SetTimeFactor(2);
  _Now += 10;
  EXPECT_EQ(SIM_GetTime(), 100);
  SIM_SetTimeFactor(1);
  SIM__SetClock(nullptr);
}

TEST(HostStartup, FrameBufferMustFitTheMapping) {
  SimTest_InitPlatform();
  GUI__ConfigOnce();
  EXPECT_EQ(SIM__CheckFrameBuffer(), 0);  // 480 x 544 at 32 bits per pixel
  LCD_SetSizeEx(0, 2048, 2048);
  LCD_SetVSizeEx(0, 2048, 2048);
  EXPECT_EQ(SIM__CheckFrameBuffer(), 0);  // exactly 16 MiB
  LCD_SetVSizeEx(0, 2048, 2049);
  EXPECT_EQ(SIM__CheckFrameBuffer(), 1);  // the virtual area counts
  LCD_SetSizeEx(0, 480, 272);
  LCD_SetVSizeEx(0, 480, 544);
}
