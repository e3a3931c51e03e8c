// The whole life of the simulator: start-up, the application thread, the end of the message loop, the saved
// function data, and the display mapping removed afterwards.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "APP_Hooks.h"
#include "LCDSIM.h"
#include "PLAT_Shm.h"
#include "SIM.h"
#include "SimTestHost.h"

// Ends the loop once the application has finished its start-up (only then is its function data saved).
static void _Quit(void*) {
  if (UI_StartupDone) PLAT_PostQuit(0);
  else PLAT_PostCall(_Quit, nullptr);
}

TEST(HostStartup, RunsStopsAndSavesTheFunctionData) {
  SimTest_InitPlatform();
  SimTest_StopHost();
  std::string Home = SimTest_MakeTempDir();
  setenv("HOME", Home.c_str(), 1);
  setenv("APPDATA", (Home + "/appdata").c_str(), 1);
  unsetenv("XDG_CONFIG_HOME");
  char acArg0[] = "meridox-sim";
  char acArg1[] = "Mag2";
  char* apArg[] = {acArg0, acArg1, nullptr};
  PLAT_PostCall(_Quit, nullptr);
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
