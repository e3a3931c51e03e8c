// Getting the display out: BMP and run-length dumps read back as the display, failed writes are reported, and
// the clipboard copy holds the display at the layer's depth.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "GUI.h"
#include "LCDSIM.h"
#include "PLAT_Image.h"
#include "SIM_Dump.h"
#include "SimTestHost.h"
#include "WM.h"

namespace {

uint32_t _Get(const std::string& s, size_t Off, int NumBytes) {
  uint32_t v = 0;
  for (int i = 0; i < NumBytes; i++) v |= uint32_t(uint8_t(s.at(Off + i))) << (8 * i);
  return v;
}

// A display with areas of a few colours, and a pixel pattern that a wrong line order would show.
void _DrawScene(void) {
  ASSERT_TRUE(SimTest_StartHost());
  GUI_Init();
  GUI_SetBkColor(GUI_BLACK);
  GUI_Clear();
  GUI_SetColor(GUI_RED);
  GUI_FillRect(10, 20, 109, 69);
  GUI_SetColor(0x3080F0);
  GUI_FillRect(300, 0, 479, 30);
  GUI_SetColor(GUI_WHITE);
  GUI_DrawPixel(0, 271);
  GUI_DrawPixel(479, 0);
}

uint32_t _Display(int x, int y) { return LCD_GetPixelColor(x, y) & 0xFFFFFF; }  // red in the low byte

uint32_t _To5(uint32_t Channel) { return (Channel * 31 + 127) / 255; }

// A GUI colour as a 5-5-5 bitmap pixel holds it: red in bits 10-14.
uint32_t _To555(uint32_t c) { return _To5(c & 0xFF) << 10 | _To5((c >> 8) & 0xFF) << 5 | _To5((c >> 16) & 0xFF); }

class DumpTest : public ::testing::Test {
protected:
  void SetUp() override {
    WMWasActive = SimTest_DrawOnTheBareDisplay();
    _DrawScene();
    Dir = SimTest_MakeTempDir();
  }
  void TearDown() override {
    if (WMWasActive) WM_Activate();
  }
  std::string Dir;
  int WMWasActive = 0;
};

}  // namespace

TEST_F(DumpTest, BmpDumpReadsBackAsTheDisplay) {
  std::string Path = Dir + "/screen.bmp";
  ASSERT_EQ(SIM_SaveBMP(Path.c_str()), 0);
  std::string Bmp = SimTest_ReadFile(Path);
  ASSERT_GE(Bmp.size(), 54u);
  ASSERT_EQ(Bmp.substr(0, 2), "BM");
  int32_t xSize = int32_t(_Get(Bmp, 18, 4)), ySize = int32_t(_Get(Bmp, 22, 4));
  int Bpp = int(_Get(Bmp, 28, 2));
  ASSERT_EQ(xSize, 480);
  ASSERT_EQ(std::abs(ySize), 272);
  ASSERT_TRUE(Bpp == 16 || Bpp == 24);
  size_t Offset = _Get(Bmp, 10, 4), Line = (size_t(xSize) * Bpp / 8 + 3) & ~size_t(3);
  ASSERT_EQ(Bmp.size(), Offset + Line * 272);
  for (int y = 0; y < 272; y++) {
    size_t Row = Offset + Line * size_t(ySize > 0 ? 271 - y : y);
    for (int x = 0; x < 480; x++) {
      uint32_t c = _Display(x, y), Got;
      if (Bpp == 24) {
        Got = _Get(Bmp, Row + 3 * x + 2, 1) | _Get(Bmp, Row + 3 * x + 1, 1) << 8 | _Get(Bmp, Row + 3 * x, 1) << 16;
      } else {
        Got = _Get(Bmp, Row + 2 * x, 2) == _To555(c) ? c : ~c;
      }
      ASSERT_EQ(Got, c) << "pixel " << x << ", " << y;
    }
  }
}

TEST_F(DumpTest, RunLengthDumpUnrollsToTheDisplay) {
  std::string Path = Dir + "/screen.sb";
  ASSERT_EQ(SIM_SaveSBMP(Path.c_str()), 0);
  std::string Sb = SimTest_ReadFile(Path);
  ASSERT_GE(Sb.size(), 8u);
  EXPECT_EQ(Sb.substr(0, 2), "SB");
  EXPECT_EQ(_Get(Sb, 2, 2), 480u);
  EXPECT_EQ(_Get(Sb, 4, 2), 272u);
  ASSERT_EQ(_Get(Sb, 6, 2), 0u);   // direct colour above 8 bits per pixel
  size_t Pos = 8;
  int Pixel = 0;
  while (Pos < Sb.size()) {
    ASSERT_LE(Pos + 5, Sb.size());
    int Count = int(_Get(Sb, Pos, 2));
    uint32_t Value = _Get(Sb, Pos + 2, 3);
    ASSERT_GT(Count, 0);
    for (int i = 0; i < Count; i++, Pixel++) {
      ASSERT_LT(Pixel, 480 * 272);
      ASSERT_EQ(Value, _Display(Pixel % 480, Pixel / 480)) << "pixel " << Pixel;
    }
    Pos += 5;
  }
  EXPECT_EQ(Pixel, 480 * 272);
}

TEST_F(DumpTest, OneColourScreenGivesTwoLongRuns) {
  GUI_SetBkColor(0x102030);
  GUI_Clear();
  std::string Path = Dir + "/plain.sb";
  ASSERT_EQ(SIM_SaveSBMP(Path.c_str()), 0);
  std::string Sb = SimTest_ReadFile(Path);
  ASSERT_EQ(Sb.size(), 8u + 2 * 5);
  uint32_t c = _Display(0, 0);
  EXPECT_EQ(_Get(Sb, 8, 2), 65535u);
  EXPECT_EQ(_Get(Sb, 10, 3), c);
  EXPECT_EQ(_Get(Sb, 13, 2), 65025u);
  EXPECT_EQ(_Get(Sb, 15, 3), c);
}

TEST_F(DumpTest, FailuresAreReported) {
  std::string Missing = Dir + "/no/such/folder/x.bmp";
  EXPECT_EQ(SIM_SaveBMP(Missing.c_str()), 1);
  EXPECT_EQ(SIM_SaveSBMP(Missing.c_str()), 1);
  // A disk that takes nothing: the bytes fail on the way, not on opening.
  if (FILE* p = fopen("/dev/full", "wb")) {
    fclose(p);
    EXPECT_EQ(SIM_SaveBMP("/dev/full"), 2);
    EXPECT_EQ(SIM_SaveSBMP("/dev/full"), 2);
  }
}

TEST_F(DumpTest, ClipboardCopyEqualsTheDisplay) {
  std::vector<uint8_t> Block = SIM__BuildClipboardBlock(0);
  ASSERT_EQ(Block.size(), 40u + 960u * 272);   // 16 bits, lines of 960 bytes, no palette
  EXPECT_EQ(Block[14], 16);
  EXPECT_EQ(Block[32], 0);
  EXPECT_TRUE(SIM__BuildClipboardBlock(7).empty());
  SIM_CopyToClipboard(0);
  std::vector<uint32_t> aPixel(480 * 272);
  ASSERT_EQ(PLAT_GetClipboardImage(aPixel.data(), 480, 272), 0);
  for (int y = 0; y < 272; y++) {
    for (int x = 0; x < 480; x++) {
      // Five bits per channel; the toolkit widens them again, keeping the five in the top bits.
      uint32_t p = aPixel[size_t(y) * 480 + x];
      uint32_t Got = ((p >> 19) & 31) << 10 | ((p >> 11) & 31) << 5 | ((p >> 3) & 31);
      ASSERT_EQ(Got, _To555(_Display(x, y))) << "pixel " << x << ", " << y;
    }
  }
}
