// The png2stream converter: a PNG drawn by ImageMagick, converted, and drawn as a streamed bitmap shows the
// PNG's pixels (within the display's 5-6-5 steps), with its alpha blended over the background.
#include "image_TestSupport.h"

using namespace image_test;

namespace {

class Png2StreamTest : public ImageTest {};

TEST_F(Png2StreamTest, ConvertedPicturesShowThePngsPixels) {
#ifndef PNG2STREAM_EXE
  GTEST_SKIP() << "png2stream is not built";
#else
  if (!HaveConvert()) {
    GTEST_SKIP() << "ImageMagick (convert) is not installed";
  }
  std::string Png = TempDir() + "/picture.png";
  ASSERT_EQ(Shell("convert -size 21x13 gradient:'#FF8000'-'#0040C0' -alpha set -fill '#20E0407F' "
                  "-draw 'rectangle 3,3 9,9' -region 2x2+19+11 -alpha transparent +region '" +
                  Png + "'"),
            0);
  std::vector<uint8_t> Rgba = MagickRGBA(Png);
  ASSERT_EQ(Rgba.size(), 21u * 13 * 4);
  for (const char* pFormat : {"A8_BGR565", "ABGR8888", "BGR888", "BGR565"}) {
    std::string Out = TempDir() + "/picture_" + pFormat + ".bin";
    ASSERT_EQ(Shell(std::string(PNG2STREAM_EXE) + " -f " + pFormat + " '" + Png + "' '" + Out + "'"), 0);
    std::vector<uint8_t> Stream = ReadFile(Out);
    GUI_SetBkColor(GUI_BLACK);
    GUI_Clear();
    GUI_DrawStreamedBitmapAuto(Stream.data(), 2, 3);
    auto Shown = Read(2, 3, 21, 13);
    bool Alpha = std::string(pFormat).rfind("A", 0) == 0;
    for (int i = 0; i < 21 * 13; i++) {
      GUI_COLOR c = Rgba[4 * i] | Rgba[4 * i + 1] << 8 | Rgba[4 * i + 2] << 16;
      unsigned a = Alpha ? Rgba[4 * i + 3] : 255;
      GUI_COLOR Want = OnDisplay(GUI__MixColors(c, GUI_BLACK, U8(a)));
      for (int Shift : {0, 8, 16}) {
        int d = int((Shown[i] >> Shift) & 0xFF) - int((Want >> Shift) & 0xFF);
        ASSERT_LE(std::abs(d), 9) << pFormat << " pixel " << i % 21 << "," << i / 21 << std::hex << " shown "
                                  << Shown[i] << " want " << Want;
      }
    }
  }
  // Few colours: an indexed stream whose transparent pixels show the background.
  std::string Few = TempDir() + "/few.png";
  ASSERT_EQ(Shell("convert -size 6x4 xc:red -fill lime -draw 'rectangle 0,0 2,3' -alpha set "
                  "-region 1x1+5+3 -alpha transparent +region '" + Few + "'"),
            0);
  std::string Out = TempDir() + "/few.bin";
  ASSERT_EQ(Shell(std::string(PNG2STREAM_EXE) + " -f Indexed '" + Few + "' '" + Out + "'"), 0);
  std::vector<uint8_t> Stream = ReadFile(Out);
  GUI_STREAMED_BITMAP_INFO Info;
  GUI_GetStreamedBitmapInfo(Stream.data(), &Info);
  EXPECT_EQ(Info.BitsPerPixel, 2);
  EXPECT_EQ(Info.NumColors, 3);
  EXPECT_EQ(Info.HasTrans, 1);
  ClearDisplay();
  GUI_DrawStreamedBitmapAuto(Stream.data(), 0, 0);
  auto Shown = Read(0, 0, 6, 4);
  EXPECT_EQ(Shown[0], OnDisplay(GUI_GREEN));
  EXPECT_EQ(Shown[3], OnDisplay(GUI_RED));
  EXPECT_EQ(Shown[23], OnDisplay(kBk));
  // And the C++ source form holds the same bytes.
  std::string Src = TempDir() + "/few.cpp";
  ASSERT_EQ(Shell(std::string(PNG2STREAM_EXE) + " -f Indexed -c acFew '" + Few + "' '" + Src + "'"), 0);
  std::vector<uint8_t> Text = ReadFile(Src);
  EXPECT_NE(std::string(Text.begin(), Text.end()).find("alignas(4) const unsigned char acFew[" +
                                                       std::to_string(Stream.size()) + "]"),
            std::string::npos);
#endif
}

}  // namespace
