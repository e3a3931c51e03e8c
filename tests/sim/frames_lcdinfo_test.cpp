// The LCD info window: palette squares in rows of 16, and the colour chart of a layer without a palette,
// stretched over the colour frame.
#include <gtest/gtest.h>

#include <vector>

#include "SIM_Frames.h"
#include "SimTestHost.h"

namespace {

const int _NUM_COLORS = 20;
uint32_t _aPalette[_NUM_COLORS];   // GUI colours: red in the low byte

intptr_t _WndProcPalette(PLAT_HWIN hWin, uint32_t Msg, uintptr_t wParam, intptr_t lParam) {
  if (Msg != PLAT_MSG_PAINT) return PLAT_DefaultProc(hWin, Msg, wParam, lParam);
  PLAT_HPAINT hdc = PLAT_BeginPaint(hWin);
  SIM__PaintLCDInfo(hdc, 162, 42, _NUM_COLORS, _aPalette);
  PLAT_EndPaint(hWin, hdc);
  return 0;
}

uint32_t _Chart(int x, int y) { return SIM__GetColorChart()[y * SIM_CHART_XSIZE + x]; }

}  // namespace

TEST(FramesLCDInfo, PaletteEntriesAreSquaresInRowsOfSixteen) {
  SimTest_InitPlatform();
  for (int i = 0; i < _NUM_COLORS; i++) _aPalette[i] = uint32_t(i * 10) | uint32_t(200 - i) << 8 | 0x40u << 16;
  PLAT_CREATE Create = {"Test", "", _WndProcPalette, nullptr, 0, 0, 162, 42, 0, 0xFFFFFF, 0};
  PLAT_HWIN hWin = PLAT_CreateWindow(&Create);
  ASSERT_TRUE(hWin);
  std::vector<uint32_t> Pixels(162 * 42);
  ASSERT_EQ(PLAT_GrabWindow(hWin, Pixels.data(), 162, 42), 0);
  auto At = [&](int x, int y) { return Pixels[size_t(y) * 162 + x] & 0xFFFFFF; };
  for (int i = 0; i < _NUM_COLORS; i++) {
    int x = 2 + 10 * (i % 16), y = 2 + 10 * (i / 16);
    uint32_t Want = 0x40u | uint32_t(200 - i) << 8 | uint32_t(i * 10) << 16;   // 0xRRGGBB
    EXPECT_EQ(At(x, y), Want) << i;
    EXPECT_EQ(At(x + 7, y + 7), Want) << i;   // 8 x 8
    EXPECT_EQ(At(x + 8, y + 8), 0xFFFFFFu) << i;   // then a gap of 2
  }
  EXPECT_EQ(At(1, 1), 0xFFFFFFu);
  EXPECT_EQ(At(2 + 10 * 4 + 3, 12 + 3), 0xFFFFFFu);   // no entry 20
  PLAT_DestroyWindow(hWin);
  PLAT_ProcessEvents();
}

TEST(FramesLCDInfo, ChartFadesEachColourToBlackAndToWhite) {
  EXPECT_EQ(_Chart(0, 0), 0x000000u);      // band 0: black to black
  EXPECT_EQ(_Chart(31, 0), 0x000000u);
  EXPECT_EQ(_Chart(0, 1), 0x000000u);      // and black to white: a grey ramp
  EXPECT_EQ(_Chart(16, 1), 0x848484u);     // 5 bits of 16 widened to 8
  EXPECT_EQ(_Chart(31, 1), 0xFFFFFFu);
  EXPECT_EQ(_Chart(0, 2), 0xFF0000u);      // band 1: red
  EXPECT_EQ(_Chart(31, 2), 0x000000u);
  EXPECT_EQ(_Chart(16, 3), 0xFF8484u);
  EXPECT_EQ(_Chart(0, 4), 0x00FF00u);      // band 2: green
  EXPECT_EQ(_Chart(1, 6), 0xF7F700u);      // band 3: yellow, one step darker
  EXPECT_EQ(_Chart(0, 8), 0x0000FFu);      // band 4: blue
  EXPECT_EQ(_Chart(0, 14), 0xFFFFFFu);     // band 7: white to black
  EXPECT_EQ(_Chart(31, 14), 0x000000u);
  for (int x = 0; x < SIM_CHART_XSIZE; x++) EXPECT_EQ(_Chart(x, 15), 0xFFFFFFu);
}

TEST(FramesLCDInfo, ColourFrameOfALayerWithoutPaletteShowsTheChartStretched) {
  PLAT_HWIN hMain = SimTest_StartHost();
  ASSERT_TRUE(hMain);
  PLAT_HWIN hInfo = PLAT_FindChild(hMain, "GUI LCD Info", "LCD info window");
  ASSERT_TRUE(hInfo);
  int xSize, ySize;
  PLAT_GetClientSize(hInfo, &xSize, &ySize);
  ASSERT_EQ(xSize, 128);
  ASSERT_EQ(ySize, 128);
  std::vector<uint32_t> Pixels(128 * 128);
  ASSERT_EQ(PLAT_GrabWindow(hInfo, Pixels.data(), 128, 128), 0);
  int Bad = 0;
  for (int y = 0; y < SIM_CHART_YSIZE; y++) {
    for (int x = 0; x < SIM_CHART_XSIZE; x++) {
      for (int Corner = 0; Corner < 2; Corner++) {   // each chart pixel covers 4 x 8
        uint32_t Got = Pixels[size_t(8 * y + 7 * Corner) * 128 + 4 * x + 3 * Corner] & 0xFFFFFF;
        if (Got != _Chart(x, y) && Bad++ < 5) ADD_FAILURE() << x << "," << y << ": " << std::hex << Got;
      }
    }
  }
  EXPECT_EQ(Bad, 0);
}
