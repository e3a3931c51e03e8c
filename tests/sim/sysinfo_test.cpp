// The system-information window: its texts follow the GUI heap, it is made once, and the input simulation is
// greyed in the menus while it exists.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "GUI.h"
#include "SIM_Frames.h"
#include "SIM_Windows.h"
#include "SimTestHost.h"

namespace {

std::string _Text(const SIM_SYSINFO_TEXT& t) { return t.acText; }

}  // namespace

TEST(SysInfo, TextsShowTheGuiHeap) {
  SimTest_InitPlatform();
  GUI_HMEM hMem = GUI_ALLOC_AllocZero(1000);
  ASSERT_TRUE(hMem);
  SIM_SYSINFO_TEXT aText[SIM_SYSINFO_NUM_TEXTS];
  SIM__GetSysInfoTexts(aText);
  EXPECT_EQ(_Text(aText[0]), "Bytes [Free / Used]:");
  EXPECT_EQ(aText[0].x, 5);
  EXPECT_EQ(aText[0].y, 5);
  EXPECT_EQ(_Text(aText[1]), "Used memory blocks:");
  EXPECT_EQ(aText[1].x, 5);
  EXPECT_EQ(aText[1].y, 25);
  char acWant[48];
  snprintf(acWant, sizeof(acWant), "%d / %d", int(GUI_ALLOC_GetNumFreeBytes()), int(GUI_ALLOC_GetNumUsedBytes()));
  EXPECT_EQ(_Text(aText[2]), acWant);
  EXPECT_EQ(aText[2].x, 150);
  EXPECT_EQ(aText[2].y, 5);
  snprintf(acWant, sizeof(acWant), "%d", int(GUI_ALLOC_GetNumUsedBlocks()));
  EXPECT_EQ(_Text(aText[3]), acWant);
  EXPECT_EQ(aText[3].x, 150);
  EXPECT_EQ(aText[3].y, 25);
  int UsedBlocks = GUI_ALLOC_GetNumUsedBlocks();
  GUI_ALLOC_Free(hMem);
  SIM__GetSysInfoTexts(aText);
  snprintf(acWant, sizeof(acWant), "%d", UsedBlocks - 1);
  EXPECT_EQ(_Text(aText[3]), acWant);   // one block fewer once it is freed
}

TEST(SysInfo, WindowIsMadeOnceAndGreysTheInputSimulationWhileOpen) {
  SimTest_InitPlatform();
  PLAT_HWIN hWin = SIM__CreateSysInfo();
  ASSERT_TRUE(hWin);
  char acTitle[64];
  PLAT_GetWindowText(hWin, acTitle, sizeof(acTitle));
  EXPECT_STREQ(acTitle, "MERIDOX Simulator System Info");
  EXPECT_STREQ(PLAT_GetClassName(hWin), "GUI SysInfo");
  EXPECT_FALSE(PLAT_GetParent(hWin));
  EXPECT_EQ(SIM__CreateSysInfo(), hWin);
  SIM__OnCommand(hWin, SIM_ID_SYSINFO);
  EXPECT_EQ(PLAT_FindWindow("GUI SysInfo", nullptr), hWin);
  PLAT_SendMessage(hWin, PLAT_MSG_TIMER, 0, 0);   // a refresh repaints without harm
  PLAT_ProcessEvents();
  PLAT_HMENU hMenu = SIM__GetMainMenu();
  SIM__UpdateMenu();
  EXPECT_FALSE(PLAT_IsMenuItemEnabled(hMenu, SIM_ID_INPUTSIM));
  PLAT_SendMessage(hWin, PLAT_MSG_CLOSE, 0, 0);   // the user closes it
  PLAT_ProcessEvents();
  EXPECT_FALSE(PLAT_FindWindow("GUI SysInfo", nullptr));
  SIM__UpdateMenu();
  EXPECT_TRUE(PLAT_IsMenuItemEnabled(hMenu, SIM_ID_INPUTSIM));
}
