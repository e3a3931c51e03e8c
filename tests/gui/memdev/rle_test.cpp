// Run-length bitmaps: every format draws exactly the pixels of the same picture in its plain format, from
// memory and through get-data routines of every kind, plain, magnified and clipped; streams that end early or
// whose runs reach past the picture draw what they held and report failure.
#include "image_TestSupport.h"

#include "GUI_RLE.h"
#include "RLEEncode.h"

using namespace image_test;

namespace {

constexpr int kW = 37, kH = 23;

struct Picture {
  unsigned RleFormat, PlainFormat;
  std::vector<uint8_t> Rle, Plain;
};

// Values in runs of random lengths, some longer than a row, with single pixels between.
std::vector<uint32_t> RunValues(uint32_t Seed, uint32_t Mask, size_t n) {
  std::vector<uint8_t> r = Bytes(2 * n, Seed);
  std::vector<uint32_t> v;
  for (size_t i = 0; v.size() < n; i += 2) {
    uint32_t Value = (r[i] * 0x9E3779B1u + r[i + 1] * 0x85EBCA6Bu) & Mask;
    size_t Len = r[i + 1] < 100 ? 1 : r[i + 1] < 200 ? r[i] % 9 + 1 : r[i] % 60 + 3;
    for (size_t k = 0; k < Len && v.size() < n; k++) {
      v.push_back(Value);
    }
  }
  return v;
}

std::vector<uint8_t> Le(const std::vector<uint32_t>& v, int Bytes) {
  std::vector<uint8_t> Out;
  for (uint32_t x : v) {
    for (int i = 0; i < Bytes; i++) {
      Out.push_back(uint8_t(x >> (8 * i)));
    }
  }
  return Out;
}

std::vector<GUI_COLOR> SomePalette(unsigned n) {
  std::vector<GUI_COLOR> p;
  for (unsigned i = 0; i < n; i++) {
    p.push_back((i * 0x3F1D57u + 0x102030) & 0xFFFFFF);
  }
  return p;
}

Picture Indexed(unsigned Bpp, unsigned HasTrans, unsigned NumColors) {
  auto v = RunValues(Bpp + HasTrans, (1u << Bpp) - 1, kW * kH);
  unsigned BytesPerLine = (kW * Bpp + 7) / 8;
  std::vector<uint8_t> Rows(BytesPerLine * kH);
  for (int y = 0; y < kH; y++) {
    for (int x = 0; x < kW; x++) {
      unsigned Bit = x * Bpp;
      Rows[y * BytesPerLine + Bit / 8] |= uint8_t(v[y * kW + x] << (8 - Bpp - Bit % 8));
    }
  }
  auto Pal = SomePalette(NumColors);
  auto Runs = rle_encode::Encode(v, Bpp == 4 ? rle_encode::RLE4 : rle_encode::RLE8);
  unsigned Code = Bpp == 4 ? 6 : 7;
  return {Code, 100, MakeStream(Code, kW, kH, BytesPerLine, Bpp, Pal, HasTrans, Runs),
          MakeStream(100, kW, kH, BytesPerLine, Bpp, Pal, HasTrans, Rows)};
}

Picture HighColor(unsigned Code) {
  auto v = RunValues(Code, 0xFFFF, kW * kH);
  return {Code, Code == 12 ? 8u : 9u, MakeStream(Code, kW, kH, kW * 2, 16, {}, 0, rle_encode::Encode(v, rle_encode::RLE16)),
          MakeStream(Code == 12 ? 8 : 9, kW, kH, kW * 2, 16, {}, 0, Le(v, 2))};
}

// Colours opaque, invisible and half transparent.
Picture TrueColor() {
  auto v = RunValues(15, 0xFFFFFFFF, kW * kH);
  for (uint32_t& c : v) {
    uint32_t t = c >> 24;
    c = (c & 0xFFFFFF) | (t < 60 ? 0xFF000000u : t < 120 ? 0x80000000u : t < 130 ? 0x30000000u : 0);
  }
  return {15, 16, MakeStream(15, kW, kH, kW * 4, 32, {}, 0, rle_encode::Encode(v, rle_encode::RLE32)),
          MakeStream(16, kW, kH, kW * 4, 32, {}, 0, Le(v, 4))};
}

// The alpha format paints the current colour; its plain twin holds that colour with the same transparency.
Picture Alpha(GUI_COLOR Color) {
  auto v = RunValues(18, 0xFF, kW * kH);
  for (uint32_t& a : v) {
    a = a < 50 ? 0xFF : a < 120 ? 0 : a;
  }
  std::vector<uint32_t> Colors;
  for (uint32_t a : v) {
    Colors.push_back(Color | a << 24);
  }
  return {18, 16, MakeStream(18, kW, kH, kW, 8, {}, 0, rle_encode::Encode(v, rle_encode::RLE8)),
          MakeStream(16, kW, kH, kW * 4, 32, {}, 0, Le(Colors, 4))};
}

class RleTest : public ImageTest {
 protected:
  static constexpr GUI_COLOR kPaint = 0x0030C0E0;

  std::vector<Picture> All() {
    return {Indexed(4, 0, 16), Indexed(4, 1, 16), Indexed(4, 0, 5), Indexed(8, 0, 256), Indexed(8, 1, 200),
            Indexed(8, 0, 0),  HighColor(12),     HighColor(13),    TrueColor(),        Alpha(kPaint)};
  }

  std::vector<GUI_COLOR> Memory(const std::vector<uint8_t>& s, int x, int y) {
    ClearDisplay();
    GUI_SetColor(kPaint);
    GUI_DrawStreamedBitmapAuto(s.data(), x, y);
    return Read(0, 0, 80, 60);
  }

  std::vector<GUI_COLOR> Through(const std::vector<uint8_t>& s, Source::Kind How, int* pResult, int x = 5,
                                 int y = 4, uint32_t FailOff = 0) {
    ClearDisplay();
    GUI_SetColor(kPaint);
    Source Src;
    Src.Data = s;
    Src.How = How;
    Src.FailOff = FailOff;
    *pResult = GUI_DrawStreamedBitmapExAuto(GetData, &Src, x, y);
    return Read(0, 0, 80, 60);
  }
};

TEST_F(RleTest, EveryFormatDrawsThePixelsOfItsPlainTwinFromMemoryAndThroughEveryDelivery) {
  for (const Picture& p : All()) {
    SCOPED_TRACE("format " + std::to_string(p.RleFormat) + ", stream of " + std::to_string(p.Rle.size()));
    for (auto [x, y] : {std::pair{5, 4}, std::pair{-9, -6}, std::pair{60, 50}}) {
      std::vector<GUI_COLOR> Want = Memory(p.Plain, x, y);
      ASSERT_FALSE(AllBackground(Want));
      EXPECT_EQ(Memory(p.Rle, x, y), Want) << "from memory at " << x << "," << y;
      for (Source::Kind How : {Source::POINT_AT, Source::COPY, Source::ONE_BYTE, Source::SHORT_READS}) {
        int r = -1;
        EXPECT_EQ(Through(p.Rle, How, &r, x, y), Want) << "delivery " << How << " at " << x << "," << y;
        EXPECT_EQ(r, 0);
      }
    }
    EXPECT_TRUE(Warnings().empty());
  }
}

TEST_F(RleTest, MagnifiedIndexFormatsMatchTheirPlainTwinsAndTheOthersStayUnmagnified) {
  for (const Picture& p : All()) {
    SCOPED_TRACE("format " + std::to_string(p.RleFormat));
    GUI_BITMAP Rle, Plain;
    GUI_PALETTE RlePal, PlainPal;
    ASSERT_EQ(GUI_CreateBitmapFromStream(&Rle, &RlePal, p.Rle.data()), 0);
    ASSERT_EQ(GUI_CreateBitmapFromStream(&Plain, &PlainPal, p.Plain.data()), 0);
    bool Magnifies = p.RleFormat != 15 && p.RleFormat != 18;
    ClearDisplay();
    GUI_SetColor(kPaint);
    if (Magnifies) {
      GUI_DrawBitmapMag(&Plain, 3, 2, 3, 2);
    } else {
      GUI_DrawBitmap(&Plain, 3, 2);
    }
    auto Want = Read(0, 0, 130, 60);
    ClearDisplay();
    GUI_SetColor(kPaint);
    GUI_DrawBitmapMag(&Rle, 3, 2, 3, 2);
    EXPECT_EQ(Read(0, 0, 130, 60), Want);
  }
}

TEST_F(RleTest, StreamsThatEndEarlyOrFailDrawAPrefixAndReportFailure) {
  for (const Picture& p : All()) {
    SCOPED_TRACE("format " + std::to_string(p.RleFormat));
    std::vector<GUI_COLOR> Full = Memory(p.Plain, 5, 4), Bk = Memory({}, 0, 0);
    uint32_t DataOff = 16 + 4 * (p.Rle[12] | p.Rle[13] << 8);
    for (uint32_t Cut : {uint32_t(DataOff + (p.Rle.size() - DataOff) / 3), uint32_t(p.Rle.size() - 1)}) {
      int r = -1;
      Through(p.Rle, Source::FAIL_AT, &r, 5, 4, Cut);
      EXPECT_EQ(r, 1) << "failing read at " << Cut;
      std::vector<uint8_t> Short(p.Rle.begin(), p.Rle.begin() + Cut);
      for (Source::Kind How : {Source::COPY, Source::ONE_BYTE}) {
        auto Shown = Through(Short, How, &r, 5, 4);
        EXPECT_EQ(r, 1) << "cut at " << Cut;
        int Drawn = 0;
        for (size_t i = 0; i < Shown.size(); i++) {
          ASSERT_TRUE(Shown[i] == Full[i] || Shown[i] == Bk[i]) << "pixel " << i % 80 << "," << i / 80;
          Drawn += Shown[i] != Bk[i];
        }
        EXPECT_GT(Drawn, 0);
      }
    }
  }
}

TEST_F(RleTest, RunEdgeCases) {
  std::vector<GUI_COLOR> Pal = {0x0000FF, 0x00FF00, 0xFF0000, 0xFFFFFF};
  GUI_COLOR Red = OnDisplay(0x0000FF), Green = OnDisplay(0x00FF00), Blue = OnDisplay(0xFF0000);
  // RLE4: an empty run 0,0; a literal of 3 pixels reads 2 bytes and leaves the last low nibble alone; a run
  // longer than the row goes on at the next row's left.
  auto s = MakeStream(6, 4, 2, 2, 4, Pal, 0, {0, 0, 0, 3, 0x12, 0x2F, 5, 1});
  Memory(s, 0, 0);
  EXPECT_EQ(Read(0, 0, 4, 2), (std::vector<GUI_COLOR>{Green, Blue, Blue, Green, Green, Green, Green, Green}));
  // RLE16: 0xF800 is red in RGB565 values and blue in BGR565 values.
  for (unsigned Code : {12u, 13u}) {
    Memory(MakeStream(Code, 2, 1, 4, 16, {}, 0, {2, 0x00, 0xF8}), 0, 0);
    EXPECT_EQ(Read(0, 0, 2, 1), std::vector<GUI_COLOR>(2, Code == 13 ? Red : Blue));
  }
  // RLE32: a repeat of a fully transparent colour leaves the display as it was.
  Memory(MakeStream(15, 3, 1, 12, 32, {}, 0, {2, 0, 0, 0xFF, 0xFF, 1, 0xFF, 0, 0, 0}), 0, 0);
  EXPECT_EQ(Read(0, 0, 3, 1), (std::vector<GUI_COLOR>{OnDisplay(kBk), OnDisplay(kBk), Red}));
  // A run past the picture's last pixel: what fits is drawn, the stream is reported as failed.
  int r = -1;
  auto Shown = Through(MakeStream(7, 2, 2, 2, 8, Pal, 0, {9, 2}), Source::COPY, &r, 0, 0);
  EXPECT_EQ(r, 1);
  Shown = Read(0, 0, 3, 3);
  EXPECT_EQ(Shown, (std::vector<GUI_COLOR>{Blue, Blue, OnDisplay(kBk), Blue, Blue, OnDisplay(kBk),
                                           OnDisplay(kBk), OnDisplay(kBk), OnDisplay(kBk)}));
}

TEST_F(RleTest, GetDataRecordsWithoutASourceWarnAndDrawNothing) {
  static const U8 Data = 0;
  GUI_BITMAP b = {4, 4, 0, 16, &Data, nullptr, &GUI_DRAW_RLE16_EX};
  LCD__RLE16_SetFunc(nullptr, nullptr, 0);
  GUI_DrawBitmap(&b, 0, 0);
  EXPECT_TRUE(AllBackground(Read(0, 0, 4, 4)));
  ASSERT_EQ(Warnings().size(), 1u);
  EXPECT_EQ(Warnings()[0], "LCD_RLE16:\nNo context available in _DrawBitmap_Ex()!");
  EXPECT_EQ(LCD__RLE_TakeFailure(), 1);
  // Scaled drawing cannot read run-length data in place and leaves them alone.
  GUI_BITMAP m = {4, 4, 0, 16, &Data, nullptr, &GUI_DRAW_RLE16};
  GUI_DrawBitmapEx(&m, 0, 0, 0, 0, 2000, 2000);
  EXPECT_TRUE(AllBackground(Read(0, 0, 8, 8)));
}

TEST_F(RleTest, BoundedMemoryDrawingNeverReadsPastItsBlock) {
  Picture p = Indexed(8, 0, 256);
  size_t Data = 16 + 4 * 256;
  GUI_BITMAP b;
  GUI_PALETTE Pal;
  ASSERT_EQ(GUI_CreateBitmapFromStream(&b, &Pal, p.Rle.data()), 0);
  GUI_Lock();
  EXPECT_EQ(GUI__DrawRLEBounded(b.pMethods, 0, 0, kW, kH, b.pData, p.Rle.size() - Data, &Pal, 1, 1), 0);
  // A copy exactly as long as half the runs: the sanitizers see any read beyond it.
  std::vector<uint8_t> Half(b.pData, b.pData + (p.Rle.size() - Data) / 2);
  EXPECT_EQ(GUI__DrawRLEBounded(b.pMethods, 0, 0, kW, kH, Half.data(), Half.size(), &Pal, 1, 1), 1);
  GUI_Unlock();
}

}  // namespace

namespace {

class RlePng2StreamTest : public RleTest {};

TEST_F(RlePng2StreamTest, ConvertedRunLengthStreamsDrawAsTheConverterPlainFormats) {
#ifndef PNG2STREAM_EXE
  GTEST_SKIP() << "png2stream is not built";
#else
  if (!HaveConvert()) {
    GTEST_SKIP() << "ImageMagick (convert) is not installed";
  }
  std::string Few = TempDir() + "/rle_few.png", Many = TempDir() + "/rle_many.png";
  ASSERT_EQ(Shell("convert -size 41x19 xc:red -fill lime -draw 'rectangle 3,2 30,9' -fill blue -draw "
                  "'circle 20,10 25,14' -alpha set -region 4x3+36+15 -alpha transparent +region '" + Few + "'"),
            0);
  ASSERT_EQ(Shell("convert -size 41x19 gradient:'#FF8000'-'#0040C0' -alpha set -fill '#20E0407F' "
                  "-draw 'rectangle 3,3 9,9' -region 5x2+30+11 -alpha transparent +region '" + Many + "'"),
            0);
  auto Convert = [](const std::string& Png, const char* pFormat) {
    std::string Out = TempDir() + "/rle_" + pFormat + ".bin";
    EXPECT_EQ(Shell(std::string(PNG2STREAM_EXE) + " -f " + pFormat + " '" + Png + "' '" + Out + "'"), 0);
    return ReadFile(Out);
  };
  const struct {
    const char* pPng;
    const char *pRle, *pPlain;
  } aCase[] = {{"few", "RLE4", "Indexed"},          {"few", "RLE8", "Indexed"},
               {"many", "RLE16_BGR565", "BGR565"},  {"many", "RLE16_RGB565", "BGR565"},
               {"many", "RLE32", "ABGR8888"}};
  for (const auto& c : aCase) {
    SCOPED_TRACE(c.pRle);
    const std::string& Png = std::string(c.pPng) == "few" ? Few : Many;
    auto Rle = Convert(Png, c.pRle), Plain = Convert(Png, c.pPlain);
    ASSERT_GT(Rle.size(), 16u);
    auto Want = Memory(Plain, 2, 3);
    EXPECT_EQ(Memory(Rle, 2, 3), Want);
    int r = -1;
    EXPECT_EQ(Through(Rle, Source::SHORT_READS, &r, 2, 3), Want);
    EXPECT_EQ(r, 0);
  }
  // The alpha format keeps the picture's coverage: opaque where the picture is, nothing where it is clear.
  auto Alpha = Convert(Few, "RLEAlpha");
  auto Shown = Memory(Alpha, 0, 0);
  EXPECT_EQ(Shown[0], OnDisplay(kPaint));
  EXPECT_EQ(Shown[16 * 80 + 37], OnDisplay(kBk));
#endif
}

}  // namespace
