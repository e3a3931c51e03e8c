// Display orientation: for every orientation, with and without the cache and on displays of 8, 16 and 32 bits
// per pixel, a scene of lines, fills, text, bitmaps and XOR drawing drawn through the orientation device
// shows on the physical display exactly as the same scene drawn unturned and turned by the test; reading back
// (pixels, LCD_ReadRect) answers in logical coordinates.
#include <gtest/gtest.h>

#include "GUI.h"
#include "GUI_Bitmap.h"
#include "GUI_MEMDEV.h"
#include "GUI_Orient.h"
#include "GUI_Stream.h"
#include "image_TestSupport.h"

#include <string>
#include <vector>

namespace {

struct Display {
  int W = 0, H = 0;
  int ColorConv = LCD_CC_BGR565;
  bool OtherDriver = false;  // a driver that is not the simulation's own
};

Display _Display;
std::vector<U32> _XrgbBuffer;
std::vector<std::string> _Warnings;

const GUI_DEVICE_API* _OtherDriverAPI() {
  static const GUI_DEVICE_API Api = LCD_SIMDRV_API;  // same routines, another operations record
  return &Api;
}

void _ConfigLCD() {
  const Display& d = _Display;
  GUI_DEVICE_CreateAndLink(d.OtherDriver ? _OtherDriverAPI() : &LCD_SIMDRV_API, &LCD_aColorConvAPI[d.ColorConv], 0,
                           0);
  LCD_SetSizeEx(0, d.W, d.H);
  LCD_SetVSizeEx(0, d.W, d.H);
  if (d.ColorConv == LCD_CC_8888) {
    _XrgbBuffer.assign(size_t(d.W) * d.H, 0);
    LCD_SIMDRV_BUFFER b = {_XrgbBuffer.data(), d.W, d.H, d.W, d.H, d.W * 4, nullptr, LCD_SIMDRV_STORAGE_XRGB,
                           U32(_XrgbBuffer.size() * 4)};
    LCD_SIMDRV_SetBuffer(0, &b);
  }
}

void _Warn(const char* s) { _Warnings.push_back(s); }

class OrientTest : public ::testing::Test {
 protected:
  void Start(const Display& d) {
    GUI_Exit();
    _Display = d;
    static const GUI_CONFIG_API Config = {GUI_ConfigDefaultGUI, _ConfigLCD};
    static GUI_OS_API Os = {};
    Os.pfWarn = _Warn;
    Os.pfErrorOut = _Warn;
    GUI_OS_SetAPI(&Os);
    GUI_SetConfigAPI(&Config);
    ASSERT_EQ(GUI_Init(), 0);
    _Warnings.clear();
  }

  void TearDown() override {
    GUI_Exit();
    LCD_SIMDRV_SetBuffer(0, nullptr);
    GUI_SetConfigAPI(nullptr);
    GUI_OS_SetAPI(nullptr);
  }

  static int NumOrientDevices() {
    int n = 0;
    for (GUI_DEVICE* p = GUI_DEVICE__GetHead(0); p; p = p->pNext) {
      n += p->pDeviceAPI == &GUI_OrientDeviceAPI;
    }
    return n;
  }

  // The scene, in logical coordinates of a display W x H.
  static void Scene(int W, int H) {
    static const U8 aOneBit[] = {0xF0, 0x3C, 0x81, 0xA5, 0x5A, 0xC3, 0x18, 0xE7, 0x99, 0x42};
    static const GUI_BITMAP OneBit = {13, 5, 2, 1, aOneBit, nullptr, nullptr};
    static const GUI_COLOR aPal[] = {0x000000, 0x00FFFF, 0xFF00FF, 0x808000};
    static const GUI_PALETTE Pal = {4, 1, aPal};
    static std::vector<U8> Eight = image_test::Bytes(9 * 7, 5);
    for (U8& v : Eight) {
      v &= 3;
    }
    static const GUI_BITMAP EightBit = {9, 7, 9, 8, Eight.data(), &Pal, nullptr};
    static const std::vector<U8> Sixteen = image_test::Bytes(7 * 6 * 2, 6);
    static const GUI_BITMAP High = {7, 6, 14, 16, Sixteen.data(), nullptr, &GUI_DRAW_BMPM565};
    static const std::vector<U8> Four = image_test::Bytes(3 * 4, 7);
    static const GUI_BITMAP FourBit = {5, 4, 3, 4, Four.data(), &Pal, nullptr};
    std::vector<U8> Alpha = image_test::Bytes(6 * 5 * 3, 8);
    for (size_t i = 0; i < Alpha.size(); i += 3) {
      Alpha[i] = Alpha[i] < 60 ? 0xFF : Alpha[i] < 140 ? 0x80 : 0;
    }
    static std::vector<uint8_t> AlphaStream;
    AlphaStream = image_test::MakeStream(27, 6, 5, 18, 24, {}, 0, Alpha);

    GUI_SetBkColor(0x00203040);
    GUI_Clear();
    GUI_SetColor(GUI_RED);
    GUI_DrawLine(0, 0, W - 1, H - 1);
    GUI_DrawLine(3, H - 2, W - 5, 4);
    GUI_DrawHLine(5, 2, W - 3);
    GUI_DrawVLine(7, 1, H - 2);
    GUI_DrawPixel(W - 1, 0);
    GUI_DrawPixel(0, H - 1);
    GUI_SetColor(0x0040C020);
    GUI_FillRect(10, 12, 40, 30);
    GUI_FillCircle(W / 2, H / 2, 11);
    GUI_DrawRect(2, H - 20, 25, H - 3);
    GUI_SetColor(GUI_WHITE);
    GUI_SetTextMode(GUI_TM_TRANS);
    GUI_DispStringAt("Turn 90", 12, 33);
    GUI_SetTextMode(GUI_TM_NORMAL);
    GUI_DispStringAt("Ag", W - 20, H - 18);
    GUI_SetColor(GUI_YELLOW);
    GUI_DrawBitmap(&OneBit, -3, 20);  // cut at the left: the first byte's bits are skipped
    GUI_DrawBitmap(&OneBit, 30, 45);
    GUI_DrawBitmap(&EightBit, W - 6, H - 5);
    GUI_DrawBitmap(&EightBit, 14, 2);
    GUI_DrawBitmap(&High, 20, H - 12);
    GUI_DrawBitmapMag(&FourBit, 33, 8, 2, 3);
    GUI_DrawStreamedBitmapAuto(AlphaStream.data(), 24, 22);  // blending reads the display back
    GUI_SetDrawMode(GUI_DRAWMODE_XOR);
    GUI_FillRect(20, 5, W - 8, 15);
    GUI_DrawBitmap(&OneBit, 8, 26);
    GUI_DrawHLine(H - 9, 1, W - 2);
    GUI_SetDrawMode(GUI_DRAWMODE_NORMAL);
    GUI_InvertRect(W - 15, 30, W - 3, H - 25);
  }

  // Every pixel of the layer, logical coordinates, row by row.
  static std::vector<LCD_PIXELINDEX> ReadLogical(int W, int H) {
    std::vector<LCD_PIXELINDEX> v(size_t(W) * H);
    GUI_Lock();
    LCD_SetClipRectToDevice();
    LCD_ReadRectEx(0, 0, W - 1, H - 1, v.data(), nullptr);
    GUI_Unlock();
    return v;
  }

  // The physical pixel that logical (x, y) turns into: swap first, then the mirrors on the physical axes.
  static void Turn(int o, int PW, int PH, int x, int y, int* px, int* py) {
    if (o & 4) {
      std::swap(x, y);
    }
    *px = (o & 1) ? PW - 1 - x : x;
    *py = (o & 2) ? PH - 1 - y : y;
  }

  void ExpectTurnedScene(int PW, int PH, int ColorConv, const GUI_ORIENT_RENDERER* pRenderer) {
    for (int o = 0; o < 8; o++) {
      SCOPED_TRACE("orientation " + std::to_string(o));
      int W = (o & 4) ? PH : PW, H = (o & 4) ? PW : PH;
      Start(Display{W, H, ColorConv, true});
      Scene(W, H);
      std::vector<LCD_PIXELINDEX> Want = ReadLogical(W, H);
      Start(Display{PW, PH, ColorConv, true});
      int r = pRenderer ? GUI_SetOrientationExCached(o, 0, pRenderer) : GUI_SetOrientationEx(o, 0);
      ASSERT_EQ(r, o ? 0 : 1);
      ASSERT_EQ(NumOrientDevices(), o ? 1 : 0);
      ASSERT_EQ(LCD_GetXSize(), W);
      ASSERT_EQ(LCD_GetYSize(), H);
      Scene(W, H);
      GUI_DEVICE* pDriver = GUI_DEVICE__GetDriver(0);
      for (int y = 0; y < H; y++) {
        for (int x = 0; x < W; x++) {
          int px, py;
          Turn(o, PW, PH, x, y, &px, &py);
          ASSERT_EQ(pDriver->pDeviceAPI->pfGetPixelIndex(pDriver, px, py), Want[size_t(y) * W + x])
              << "logical " << x << "," << y << " on physical " << px << "," << py;
        }
      }
      ASSERT_EQ(ReadLogical(W, H), Want) << "read back in logical coordinates";
      // XOR twice leaves a pixel as it was; packed read-back of a rectangle.
      GUI_Lock();
      LCD_PIXELINDEX Before = LCD_GetPixelIndex(3, 4);
      LCD_XorPixel(3, 4);
      EXPECT_NE(LCD_GetPixelIndex(3, 4), Before);
      LCD_XorPixel(3, 4);
      EXPECT_EQ(LCD_GetPixelIndex(3, 4), Before);
      if (ColorConv != LCD_CC_8888) {
        std::vector<U16> Packed(4 * 3);
        LCD_ReadRect(2, 5, 5, 7, Packed.data(), nullptr);
        if (ColorConv == LCD_CC_BGR565) {
          EXPECT_EQ(Packed[0], Want[size_t(5) * W + 2]);
          EXPECT_EQ(Packed[11], Want[size_t(7) * W + 5]);
        }
      }
      GUI_Unlock();
      EXPECT_TRUE(_Warnings.empty());
    }
  }
};

TEST_F(OrientTest, SixteenBitDisplayWithCacheShowsTheTurnedScene) {
  ExpectTurnedScene(61, 47, LCD_CC_BGR565, nullptr);
}

TEST_F(OrientTest, SixteenBitDisplayWithoutCacheShowsTheTurnedScene) {
  ExpectTurnedScene(61, 47, LCD_CC_BGR565, &GUI_OrientRendererPlain);
}

TEST_F(OrientTest, EightAndThirtyTwoBitDisplaysShowTheTurnedScene) {
  ExpectTurnedScene(53, 41, LCD_CC_GRAY8, nullptr);
  ExpectTurnedScene(53, 41, LCD_CC_8888, nullptr);
}

TEST_F(OrientTest, MemoryDeviceCopiedToATurnedDisplayShowsWhatDirectDrawingShows) {
  for (int o : {GUI_ROTATION_CW, GUI_MIRROR_Y, GUI_ROTATION_CCW | GUI_MIRROR_X}) {
    SCOPED_TRACE("orientation " + std::to_string(o));
    Start(Display{61, 47, LCD_CC_BGR565, true});
    ASSERT_EQ(GUI_SetOrientation(o), 0);  // at configuration, before the window manager starts
    WM_Init();
    GUI_MEMDEV__Init();
    int W = LCD_GetXSize(), H = LCD_GetYSize();
    Scene(W, H);
    std::vector<LCD_PIXELINDEX> Want = ReadLogical(W, H);
    ASSERT_NE(Want.back(), 0u);  // the whole logical area was drawn
    GUI_SetBkColor(GUI_BLACK);
    GUI_Clear();
    GUI_HMEM hMem = GUI_MEMDEV_Create(0, 0, W, H);
    ASSERT_NE(hMem, 0);
    GUI_MEMDEV_Select(hMem);
    Scene(W, H);
    GUI_MEMDEV_Select(0);
    GUI_MEMDEV_CopyToLCD(hMem);
    GUI_MEMDEV_Delete(hMem);
    EXPECT_EQ(ReadLogical(W, H), Want);
  }
}

TEST_F(OrientTest, DeviceAnswersLogicalSizesAndItsBitsAndIsReplacedNotAdded) {
  Start(Display{480, 272, LCD_CC_BGR565, true});
  ASSERT_EQ(GUI_SetOrientation(GUI_SWAP_XY), 0);
  EXPECT_EQ(LCD_GetXSize(), 272);
  EXPECT_EQ(LCD_GetYSize(), 480);
  EXPECT_EQ(LCD_GetPropertyDev(0, LCD_DEVCAP_SWAP_XY), 1);
  EXPECT_EQ(LCD_GetPropertyDev(0, LCD_DEVCAP_MIRROR_X), 0);
  GUI_SetColor(GUI_RED);
  GUI_DrawPixel(10, 20);
  GUI_DEVICE* pDriver = GUI_DEVICE__GetDriver(0);
  EXPECT_EQ(pDriver->pDeviceAPI->pfGetPixelIndex(pDriver, 20, 10), LCD_Color2Index(GUI_RED));
  ASSERT_EQ(GUI_SetOrientation(GUI_MIRROR_X | GUI_MIRROR_Y), 0);
  EXPECT_EQ(NumOrientDevices(), 1);
  EXPECT_EQ(LCD_GetXSize(), 480);
  EXPECT_EQ(LCD_GetPropertyDev(0, LCD_DEVCAP_MIRROR_Y), 1);
  GUI_SetColor(GUI_BLUE);
  GUI_DrawHLine(0, 0, 9);  // lands at the far end of the bottom physical row
  for (int x = 470; x < 480; x++) {
    EXPECT_EQ(pDriver->pDeviceAPI->pfGetPixelIndex(pDriver, x, 271), LCD_Color2Index(GUI_BLUE));
  }
  EXPECT_EQ(GUI_SetOrientation(0), 1);
  EXPECT_EQ(NumOrientDevices(), 0);
  EXPECT_EQ(GUI_SetOrientation(8), 1);
  EXPECT_EQ(NumOrientDevices(), 0);
}

TEST_F(OrientTest, SimulationDriverSwapsItsSizesOnceAndAddsNoDevice) {
  Start(Display{480, 272, LCD_CC_BGR565, false});
  EXPECT_EQ(GUI_SetOrientation(GUI_ROTATION_CW), 0);
  EXPECT_EQ(NumOrientDevices(), 0);
  EXPECT_EQ(LCD_GetXSize(), 272);
  EXPECT_EQ(GUI_SetOrientation(GUI_SWAP_XY), 0);  // still swapped, not swapped back
  EXPECT_EQ(LCD_GetXSize(), 272);
  EXPECT_EQ(GUI_SetOrientation(GUI_MIRROR_X), 0);
  EXPECT_EQ(LCD_GetXSize(), 480);
  EXPECT_EQ(LCD_GetYSize(), 272);
  EXPECT_EQ(NumOrientDevices(), 0);
}

TEST_F(OrientTest, FailedAllocationsWarnAndLeaveNoDevice) {
  Start(Display{64, 48, LCD_CC_BGR565, true});
  ASSERT_EQ(GUI_SetOrientation(GUI_ROTATION_180), 0);
  I32 Used = GUI_ALLOC_GetNumUsedBlocks();
  for (int Step = 1; Step <= 3; Step++) {
    _Warnings.clear();
    GUI_ALLOC__FailNth(Step);
    EXPECT_EQ(GUI_SetOrientation(GUI_ROTATION_CCW), 1);
    GUI_ALLOC__FailNth(0);
    ASSERT_EQ(_Warnings.size(), 1u);
    EXPECT_EQ(_Warnings[0], "GUI_SetOrientation:\nMemory allocation " + std::to_string(Step) +
                                " failed in GUI_SetOrientationExCached()");
    EXPECT_EQ(NumOrientDevices(), 0);  // the old device is gone as well
    EXPECT_EQ(GUI_ALLOC_GetNumUsedBlocks(), Used - 3);
    ASSERT_EQ(GUI_SetOrientation(GUI_ROTATION_180), 0);
  }
}

}  // namespace
