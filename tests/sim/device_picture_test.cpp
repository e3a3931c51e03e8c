// The picture of the device window that the README shows (docs/device-window.png): the device window as the
// simulator opens it without words, its display showing the controller's main screen at factory settings in
// English and its status light green, as the controller reports once it runs its control cycles, grabbed from the
// window as the host paints it. What the window's shape cuts away is white. A change of the device picture, the
// host's painting or the main screen makes the test fail until the picture is made anew with GOLDEN_UPDATE=1.
#include <gtest/gtest.h>

#include <vector>

#include "../controller/ui/main_fixture.h"
#include "Golden.h"
#include "LCDSIM.h"
#include "SIM.h"
#include "SIM_Bridge.h"
#include "SIM_Device.h"
#include "SIM_Windows.h"
#include "SimTestHost.h"

namespace {

// The main screen's fixture, drawn onto the simulated display of a device window made before it.
class DevicePictureTest : public MainScreenTest {
 protected:
  void SetUp() override {
    SimTest_InitPlatform();
    SimTest_StopHost();
    ASSERT_EQ(LCDSIM_PreInit(), 0);
    SIM_Zoom = 1;
    SIM__AppConfig();
    ASSERT_TRUE(SIM_CreateDeviceWindow());
    PLAT_ShowWindow(SIM_hDeviceWnd, 1);
    PLAT_ProcessEvents();
    MainScreenTest::SetUp();
  }
  void TearDown() override {
    MainScreenTest::TearDown();
    SIM_SetStatusLED(0);
    if (SIM_hDeviceWnd) PLAT_DestroyWindow(SIM_hDeviceWnd);
    PLAT_ProcessEvents();
    SIM__FreeDevicePictures();
    LCDSIM_Exit();
    SIM_SetLCDPos(0, 0);
    SIM__GuiInstall();  // the host's routines again in place of the fixture's
  }
};

TEST_F(DevicePictureTest, TheReadmePictureShowsTheMainScreenInTheDeviceWindow) {
  PLAT_HWIN hLCD = PLAT_FindChild(SIM_hDeviceWnd, "GUI LCD", nullptr);
  ASSERT_TRUE(hLCD);
  SIM_SetStatusLED(0x82);  // green and on
  for (int i = 0; i < 2; i++) {  // the LCD window's poll sees the change and paints
    PLAT_SendMessage(hLCD, PLAT_MSG_TIMER, 0, 0);
    PLAT_ProcessEvents();
  }
  golden::Image Img;
  PLAT_GetClientSize(SIM_hDeviceWnd, &Img.Width, &Img.Height);
  Img.Pixels.resize(size_t(Img.Width) * size_t(Img.Height));
  ASSERT_EQ(PLAT_GrabWindow(SIM_hDeviceWnd, Img.Pixels.data(), Img.Width, Img.Height), 0);
  PLAT_HREGION hShape = PLAT_GetWindowShape(SIM_hDeviceWnd);
  ASSERT_TRUE(hShape);
  for (int y = 0; y < Img.Height; y++) {
    for (int x = 0; x < Img.Width; x++) {
      uint32_t& c = Img.Pixels[size_t(y) * size_t(Img.Width) + size_t(x)];
      c = PLAT_RegionContains(hShape, x, y) ? c & 0xFFFFFF : 0xFFFFFF;
    }
  }
  PLAT_DeleteRegion(hShape);
  // A pixel inside the status light (70..180 x 425..440 at zoom 1).
  EXPECT_EQ(Img.Pixels[size_t(432) * size_t(Img.Width) + 125], SIM__GetLEDColor(0x82));
  // The display's corner pixels are the main screen's, so the picture holds the screen and not an empty display.
  EXPECT_EQ(Img.Pixels[size_t(71 + 5) * size_t(Img.Width) + 124 + 5] & 0xFFFFFF,
            golden::CaptureLCD(5, 5, 5, 5).Pixels[0]);
  EXPECT_TRUE(golden::MatchesFile("docs/device-window.png", Img));
}

}  // namespace
