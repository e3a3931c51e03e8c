// Rows of 5-6-5 values widened to XRGB: every SIMD path against the plain one over all values, odd lengths and
// offsets, and a 16-bit bitmap drawn into the 32-bit display buffer against the per-pixel colour conversion.
#include <vector>

#include "GUI_Private.h"
#include "GuiTest.h"
#include "LCD_SIMDRV.h"

namespace {

std::vector<U16> AllValues() {
  std::vector<U16> v(0x10000 + 37);
  for (size_t i = 0; i < v.size(); i++) v[i] = U16(i * 40503u);  // every value once, in a scattered order
  return v;
}

TEST(ConvertRow, EveryPathGivesThePlainResultForEveryValueLengthAndOffset) {
  std::vector<U16> Src = AllValues();
  for (int Swap = 0; Swap <= 1; Swap++) {
    std::vector<U32> Plain(Src.size());
    GUI__ConvertRow565ToXRGBEx(Src.data(), Plain.data(), int(Src.size()), Swap, GUI_SIMD_PLAIN);
    for (int Path : {GUI_SIMD_SSE2, GUI_SIMD_AVX2, GUI_SIMD_BEST}) {
      if (!GUI__ConvertRow565Supported(Path) && Path != GUI_SIMD_BEST) continue;
      std::vector<U32> Got(Src.size(), 0xDEADBEEF);
      GUI__ConvertRow565ToXRGBEx(Src.data(), Got.data(), int(Src.size()), Swap, Path);
      ASSERT_EQ(Got, Plain) << "path " << Path << " swap " << Swap;
      // Short rows and unaligned starts: every tail length, nothing written past the end.
      for (int Off = 0; Off < 3; Off++)
        for (int n = 0; n <= 40; n++) {
          std::vector<U32> Row(n + 1, 0xDEADBEEF);
          GUI__ConvertRow565ToXRGBEx(Src.data() + Off, Row.data(), n, Swap, Path);
          for (int i = 0; i < n; i++) ASSERT_EQ(Row[i], Plain[Off + i]) << "path " << Path << " n " << n;
          ASSERT_EQ(Row[n], 0xDEADBEEFu);
        }
    }
  }
}

TEST(ConvertRow, ThePlainPathIsTheColourConversionWithRedAndBlueInBitmapOrder) {
  std::vector<U16> Src = AllValues();
  std::vector<U32> Bgr(Src.size()), Rgb(Src.size());
  GUI__ConvertRow565ToXRGBEx(Src.data(), Bgr.data(), int(Src.size()), 1, GUI_SIMD_PLAIN);
  GUI__ConvertRow565ToXRGBEx(Src.data(), Rgb.data(), int(Src.size()), 0, GUI_SIMD_PLAIN);
  auto Swapped = [](GUI_COLOR c) { return (c & 0xFF00u) | (c & 0xFF) << 16 | (c >> 16 & 0xFF); };
  for (size_t i = 0; i < Src.size(); i++) {
    ASSERT_EQ(Bgr[i], Swapped(LCD_CC_BGR565_Index2Color(Src[i])));
    ASSERT_EQ(Rgb[i], Swapped(LCD_CC_RGB565_Index2Color(Src[i])));
  }
}

TEST(ConvertRow, ColoursNarrowTo565AsTheColourConversionOnEveryPathAndInPlace) {
  std::vector<U32> Colors(4096 + 13);
  for (size_t i = 0; i < Colors.size(); i++) Colors[i] = U32(i * 2654435761u);  // alpha bytes set too
  for (int RedHigh = 0; RedHigh <= 1; RedHigh++) {
    tLCDDEV_Color2Index pf = RedHigh ? LCD_CC_RGB565_Color2Index : LCD_CC_BGR565_Color2Index;
    for (int Path : {GUI_SIMD_PLAIN, GUI_SIMD_BEST}) {
      for (int n : {0, 1, 7, 8, 9, 15, 16, 17, int(Colors.size())}) {
        std::vector<U16> Out(n + 1, 0xBEEF);
        GUI__ConvertColorsTo565Ex(Colors.data(), Out.data(), n, RedHigh, Path);
        for (int i = 0; i < n; i++) ASSERT_EQ(Out[i], pf(Colors[i])) << "path " << Path << " n " << n << " i " << i;
        ASSERT_EQ(Out[n], 0xBEEF);
        // In place, as the alpha copy does it with its line buffer.
        std::vector<U32> Buf(Colors.begin(), Colors.begin() + n);
        GUI__ConvertColorsTo565Ex(Buf.data(), reinterpret_cast<U16*>(Buf.data()), n, RedHigh, Path);
        const U16* p = reinterpret_cast<const U16*>(Buf.data());
        for (int i = 0; i < n; i++) ASSERT_EQ(p[i], pf(Colors[i])) << "in place, path " << Path << " n " << n;
      }
    }
  }
}

using ConvertRowDisplayTest = GuiTest;

TEST_F(ConvertRowDisplayTest, A16BitBitmapLandsInThe32BitBufferAsItsColours) {
  std::vector<U32> Pixels(480 * 544, 0x11111111);
  LCD_SIMDRV_BUFFER Buf = {Pixels.data(), 480, 272, 480, 544, 480 * 4, nullptr, LCD_SIMDRV_STORAGE_XRGB, 0};
  ASSERT_EQ(LCD_SIMDRV_SetBuffer(0, &Buf), 0);
  const int W = 37, H = 3;
  std::vector<U16> Src(W * H);
  for (int i = 0; i < W * H; i++) Src[i] = U16(i * 1777u + 3);
  LCD_DrawBitmap(5, 7, W, H, 1, 1, 16, W * 2, reinterpret_cast<const U8*>(Src.data()), nullptr);
  for (int y = 0; y < H; y++)
    for (int x = 0; x < W; x++) {
      ASSERT_EQ(LCD_GetPixelIndex(5 + x, 7 + y), Src[y * W + x]) << x << "," << y;
    }
  EXPECT_EQ(Pixels[7 * 480 + 4], 0x11111111u);
  EXPECT_EQ(Pixels[7 * 480 + 5 + W], 0x11111111u);
  ASSERT_EQ(LCD_SIMDRV_SetBuffer(0, nullptr), 0);
}

}  // namespace
