// The main frame's accelerators: F4 pauses and F5 resumes the application thread, in the framed main window
// and in the device window alike; the main frame's title shows the state, the device window's keeps its name.
#include <gtest/gtest.h>

#include "LCDSIM.h"
#include "SIM.h"
#include "SIM_Device.h"
#include "SIM_Windows.h"
#include "SimTestHost.h"

namespace {

void _IdleTask(void) {
  for (;;) SIM_Delay(10);
}

void _PressKey(PLAT_HWIN hWin, uint32_t Key) {
  PLAT_InjectKey(hWin, Key, "", 0, 1);
  PLAT_InjectKey(hWin, Key, "", 0, 0);
}

void _PauseAndResume(PLAT_HWIN hWin, bool TitleShowsState) {
  SIM__SetAccelerators();
  SIM_SetAppTask(_IdleTask);
  SIM_StartApp();
  ASSERT_TRUE(SIM_IsAppRunning());
  EXPECT_FALSE(SIM_IsAppSuspended());
  _PressKey(hWin, PLAT_VK_F1 + 3);   // F4
  EXPECT_TRUE(SIM_IsAppSuspended());
  PLAT_SendMessage(hWin, PLAT_MSG_TIMER, 0, 0);
  char acTitle[64];
  PLAT_GetWindowText(hWin, acTitle, sizeof(acTitle));
  EXPECT_STREQ(acTitle, TitleShowsState ? "Q7-Simulator(Suspended)" : "Q7-Simulator");
  _PressKey(hWin, PLAT_VK_F1 + 2);   // F3 does nothing
  EXPECT_TRUE(SIM_IsAppSuspended());
  _PressKey(hWin, PLAT_VK_F1 + 4);   // F5
  EXPECT_FALSE(SIM_IsAppSuspended());
  PLAT_SendMessage(hWin, PLAT_MSG_TIMER, 0, 0);
  PLAT_GetWindowText(hWin, acTitle, sizeof(acTitle));
  EXPECT_STREQ(acTitle, TitleShowsState ? "Q7-Simulator(Executing)" : "Q7-Simulator");
  SIM_StopApp();
  SIM_SetAppTask(nullptr);
}

}  // namespace

TEST(FrameAccelerators, F4PausesAndF5ResumesInTheMainFrame) {
  PLAT_HWIN hMain = SimTest_StartHost();
  ASSERT_TRUE(hMain);
  _PauseAndResume(hMain, true);
}

TEST(FrameAccelerators, F4PausesAndF5ResumesInTheDeviceWindow) {
  SimTest_InitPlatform();
  SimTest_StopHost();
  ASSERT_EQ(LCDSIM_PreInit(), 0);
  ASSERT_TRUE(SIM_CreateDeviceWindow());
  _PauseAndResume(SIM_hDeviceWnd, false);
  PLAT_DestroyWindow(SIM_hDeviceWnd);
  PLAT_ProcessEvents();
  SIM__FreeDevicePictures();
  LCDSIM_Exit();
}
