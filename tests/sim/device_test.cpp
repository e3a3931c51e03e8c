// The device window: skin regions by 4-connected growth, the window shaped by our picture with the display at
// its place, the status LED that survives repaints, and the generic frame's hard key.
#include <gtest/gtest.h>

#include <vector>

#include "LCDSIM.h"
#include "SIM.h"
#include "SIM_Device.h"
#include "SIM_Region.h"
#include "SIM_Windows.h"
#include "SimTestHost.h"

namespace {

const uint32_t _KEY = 0xFF0000;

// A picture from text rows: '#' is a pixel of the device, anything else the key colour.
std::vector<uint32_t> _Picture(const std::vector<const char*>& aRow, int* pxSize) {
  *pxSize = int(strlen(aRow[0]));
  std::vector<uint32_t> v;
  for (const char* s : aRow)
    for (int x = 0; x < *pxSize; x++) v.push_back(s[x] == '#' ? 0x808080 : _KEY);
  return v;
}

int _Regions(const std::vector<const char*>& aRow, int Max = 128) {
  int xSize;
  std::vector<uint32_t> v = _Picture(aRow, &xSize);
  return SIM_GetRegions(v.data(), xSize, int(aRow.size()), 0xAB000000 | _KEY, Max);  // only 24 bits count
}

}  // namespace

TEST(DeviceRegions, RingIsOneRegionWithItsHoleLeftOut) {
  ASSERT_EQ(_Regions({"#####", "#...#", "#...#", "#####"}), 1);
  const SIM_REGION* p = SIM__GetRegion(0);
  EXPECT_EQ(p->x0, 0);
  EXPECT_EQ(p->y1, 3);
  EXPECT_EQ(p->x1, 4);
  PLAT_HREGION h = SIM_SetBitmapRegion(0, 10, 20);
  EXPECT_TRUE(PLAT_RegionContains(h, 10, 20));
  EXPECT_TRUE(PLAT_RegionContains(h, 14, 22));
  EXPECT_FALSE(PLAT_RegionContains(h, 12, 21));   // the hole
  PLAT_DeleteRegion(h);
  SIM_FreeRegions();
}

TEST(DeviceRegions, CornersDoNotConnectButAUShapeMerges) {
  EXPECT_EQ(_Regions({"#..", ".#.", "..#"}), 3);
  ASSERT_EQ(_Regions({"#..#", "#..#", "####"}), 1);
  EXPECT_EQ(SIM__GetRegion(0)->Index, 0);
  EXPECT_EQ(SIM__GetRegion(0)->aLine.size(), 5u);
  SIM_FreeRegions();
}

TEST(DeviceRegions, NumberedByTopThenLeftEdge) {
  ASSERT_EQ(_Regions({"...##", "##...", "....#", "##..#"}), 4);
  int r[4];
  int aExpected[4][2] = {{3, 0}, {0, 1}, {4, 2}, {0, 3}};
  for (int n = 0; n < 4; n++) {
    ASSERT_EQ(SIM_GetRegionRect(n, r), 0);
    EXPECT_EQ(r[0], aExpected[n][0]) << n;
    EXPECT_EQ(r[1], aExpected[n][1]) << n;
  }
  r[0] = 77;
  EXPECT_EQ(SIM_GetRegionRect(4, r), 1);
  EXPECT_EQ(r[0], 77);
  EXPECT_EQ(SIM_SetBitmapRegion(4, 0, 0), nullptr);
  SIM_FreeRegions();
}

TEST(DeviceRegions, TooManyGiveNoneAndWidePicturesAreScanned) {
  EXPECT_EQ(_Regions({"#.#.#.#"}, 3), 0);
  EXPECT_EQ(SIM__GetRegion(0), nullptr);
  EXPECT_EQ(SIM_GetRegions(nullptr, 10, 10, _KEY, 128), 0);
  int xSize = 5000;   // wider than any fixed line buffer
  std::vector<uint32_t> v(size_t(xSize) * 2, _KEY);
  v[4990] = v[xSize + 4990] = v[xSize + 4991] = 0;
  ASSERT_EQ(SIM_GetRegions(v.data(), xSize, 2, _KEY, 128), 1);
  EXPECT_EQ(SIM__GetRegion(0)->x1, 4991);
  SIM_FreeRegions();
}

TEST(DeviceLED, CodesChooseTheColour) {
  EXPECT_EQ(SIM__GetLEDColor(129), 0xF00000u);
  EXPECT_EQ(SIM__GetLEDColor(130 | 0x40), 0x00F000u);   // the further flag is ignored
  EXPECT_EQ(SIM__GetLEDColor(131), 0xF07800u);
  EXPECT_EQ(SIM__GetLEDColor(3), 0x191919u);              // off
  EXPECT_EQ(SIM__GetLEDColor(0), 0x191919u);
}

class DeviceWindowTest : public ::testing::Test {
protected:
  void SetUp() override {
    SimTest_InitPlatform();
    SimTest_StopHost();
    SIM_SetStatusLED(0);  // a controller application that ran before may have reported a state
    ASSERT_EQ(LCDSIM_PreInit(), 0);
  }
  void TearDown() override {
    if (SIM_hDeviceWnd) PLAT_DestroyWindow(SIM_hDeviceWnd);
    PLAT_ProcessEvents();
    SIM__FreeDevicePictures();
    LCDSIM_Exit();
    SIM_SetStatusLED(0);
    SIM_SetLCDPos(0, 0);
    SIM_Zoom = 1;
  }
  uint32_t Pixel(int x, int y) {
    int w, h;
    PLAT_GetClientSize(SIM_hDeviceWnd, &w, &h);
    std::vector<uint32_t> v(size_t(w) * h);
    if (PLAT_GrabWindow(SIM_hDeviceWnd, v.data(), w, h)) return 0xDEADBEEF;
    return v[size_t(y) * w + x] & 0xFFFFFF;
  }
};

TEST_F(DeviceWindowTest, OurPictureShapesTheWindowAndKeepsTheLED) {
  SIM_Zoom = 1;
  SIM_SetMag(1, 1);
  SIM_SetLCDPos(124, 71);
  SIM_SetTransColor(0xFF0000);
  ASSERT_TRUE(SIM_CreateDeviceWindow());
  PLAT_ShowWindow(SIM_hDeviceWnd, 1);
  PLAT_ProcessEvents();
  int w, h;
  PLAT_GetClientSize(SIM_hDeviceWnd, &w, &h);
  EXPECT_EQ(w, 727);
  EXPECT_EQ(h, 482);
  PLAT_HREGION hShape = PLAT_GetWindowShape(SIM_hDeviceWnd);
  ASSERT_TRUE(hShape);
  EXPECT_FALSE(PLAT_RegionContains(hShape, 0, 0));        // the corner is cut away
  EXPECT_TRUE(PLAT_RegionContains(hShape, 363, 240));
  PLAT_DeleteRegion(hShape);
  PLAT_HWIN hLCD = PLAT_FindChild(SIM_hDeviceWnd, "GUI LCD", nullptr);
  ASSERT_TRUE(hLCD);
  int x, y, xs, ys;
  PLAT_GetWindowRect(hLCD, &x, &y, &xs, &ys);
  EXPECT_EQ(x, 124);
  EXPECT_EQ(y, 71);
  EXPECT_EQ(xs, 480);
  EXPECT_EQ(ys, 272);
  EXPECT_EQ(Pixel(125, 432), 0x191919u);   // dark until the controller reports
  SIM_SetStatusLED(130);
  PLAT_ProcessEvents();
  EXPECT_EQ(Pixel(125, 432), 0x00F000u);
  PLAT_Invalidate(SIM_hDeviceWnd, 1);     // a repaint keeps what was reported
  PLAT_ProcessEvents();
  EXPECT_EQ(Pixel(125, 432), 0x00F000u);
}

namespace {
std::vector<int> _aEvent;
void _Record(int Key, int Event) { _aEvent.push_back(Key * 10 + Event); }
}  // namespace

TEST_F(DeviceWindowTest, GenericFrameHasOneHardKey) {
  SIM__SetDevicePicture(nullptr, 0, 0);
  SIM_SetMag(1, 1);
  ASSERT_TRUE(SIM_CreateDeviceWindow());
  SIM__SetDevicePicture(nullptr, -1, -1);
  PLAT_ShowWindow(SIM_hDeviceWnd, 1);
  PLAT_ProcessEvents();
  int w, h;
  PLAT_GetClientSize(SIM_hDeviceWnd, &w, &h);
  EXPECT_EQ(w, 480 + 70);
  EXPECT_EQ(h, 272 + 150);
  ASSERT_EQ(SIM_GetNumHardkeys(), 1);
  PLAT_HWIN hKey = SIM_Hardkeys[0].hWin;
  ASSERT_TRUE(hKey);
  _aEvent.clear();
  SIM_SetHardkeyCallback(0, _Record);
  PLAT_InjectMouse(hKey, PLAT_MSG_LEFTDOWN, 5, 5, PLAT_BTN_LEFT);
  EXPECT_EQ(SIM_GetHardkeyState(0), 1);
  PLAT_InjectMouse(hKey, PLAT_MSG_LEFTUP, 5, 5, 0);
  EXPECT_EQ(SIM_GetHardkeyState(0), 0);
  EXPECT_EQ(_aEvent, (std::vector<int>{1, 0}));
  EXPECT_EQ(SIM_SetHardkeyToggle(0, 1), 0);
  PLAT_InjectMouse(hKey, PLAT_MSG_LEFTDOWN, 5, 5, PLAT_BTN_LEFT);
  PLAT_InjectMouse(hKey, PLAT_MSG_LEFTUP, 5, 5, 0);
  EXPECT_EQ(SIM_GetHardkeyState(0), 1);   // toggled on by the press, kept on release
  PLAT_InjectMouse(hKey, PLAT_MSG_LEFTDOWN, 5, 5, PLAT_BTN_LEFT);
  EXPECT_EQ(SIM_GetHardkeyState(0), 0);
  PLAT_InjectMouse(hKey, PLAT_MSG_LEFTUP, 5, 5, 0);
  EXPECT_EQ(SIM_GetHardkeyState(129), 0);
  EXPECT_EQ(SIM_SetHardkeyCallback(129, _Record), nullptr);
}
