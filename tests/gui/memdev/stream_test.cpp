// Streamed bitmaps: the same picture from memory and through get-data routines of every kind; headers and
// data that do not fit are refused with nothing drawn.
#include "image_TestSupport.h"

#include "GUI_ImageRead.h"

using namespace image_test;

namespace {

struct FormatCase {
  unsigned Format, BytesPerPixel, BitsPerPixel;
};

const FormatCase kPacked[] = {{8, 2, 16},  {9, 2, 16},  {10, 2, 16}, {11, 2, 16}, {16, 4, 32}, {17, 3, 24},
                              {19, 2, 16}, {20, 2, 16}, {21, 2, 16}, {22, 2, 16}, {23, 2, 16}, {24, 2, 16}};

constexpr int kX = 13, kY = 7, kW = 23, kH = 17;

class StreamTest : public ImageTest {
 protected:
  std::vector<GUI_COLOR> DrawFromMemory(const std::vector<uint8_t>& Stream) {
    ClearDisplay();
    GUI_DrawStreamedBitmapAuto(Stream.data(), kX, kY);
    return Read(0, 0, 60, 40);
  }

  std::vector<GUI_COLOR> DrawThrough(const std::vector<uint8_t>& Stream, Source::Kind How, int* pResult) {
    ClearDisplay();
    Source Src;
    Src.Data = Stream;
    Src.How = How;
    *pResult = GUI_DrawStreamedBitmapExAuto(GetData, &Src, kX, kY);
    return Read(0, 0, 60, 40);
  }

  void ExpectSameEveryWay(const std::vector<uint8_t>& Stream, const char* pWhat) {
    std::vector<GUI_COLOR> Expected = DrawFromMemory(Stream);
    ASSERT_FALSE(AllBackground(Expected)) << pWhat;
    for (Source::Kind How : {Source::POINT_AT, Source::COPY, Source::ONE_BYTE, Source::SHORT_READS}) {
      int Result = -1;
      EXPECT_EQ(DrawThrough(Stream, How, &Result), Expected) << pWhat << ", delivery " << How;
      EXPECT_EQ(Result, 0) << pWhat << ", delivery " << How;
    }
  }
};

TEST_F(StreamTest, PackedFormatsDrawTheSameFromMemoryAndThroughGetData) {
  for (const FormatCase& f : kPacked) {
    auto Stream = MakeStream(f.Format, kW, kH, kW * f.BytesPerPixel, f.BitsPerPixel, {}, 0,
                             Bytes(kW * kH * f.BytesPerPixel, f.Format));
    if (f.Format == 16) {  // keep the 32-bit pixels mostly opaque, some invisible, some blended
      for (size_t i = 16 + 3; i < Stream.size(); i += 4) {
        Stream[i] = Stream[i] < 40 ? 0xFF : Stream[i] < 80 ? 0x80 : 0;
      }
    }
    ExpectSameEveryWay(Stream, ("format " + std::to_string(f.Format)).c_str());
  }
}

TEST_F(StreamTest, IndexedStreamsOfEveryDepthWithAndWithoutTransparency) {
  for (unsigned Bpp : {1u, 2u, 4u, 8u}) {
    for (unsigned HasTrans : {0u, 1u}) {
      unsigned NumColors = 1u << Bpp;
      std::vector<GUI_COLOR> Palette;
      for (unsigned i = 0; i < NumColors; i++) {
        Palette.push_back((i * 0x3F1D57u) & 0xFFFFFF);
      }
      unsigned BytesPerLine = (kW * Bpp + 7) / 8 + 1;  // rows may be longer than needed
      auto Stream = MakeStream(100, kW, kH, BytesPerLine, Bpp, Palette, HasTrans, Bytes(BytesPerLine * kH, Bpp));
      ExpectSameEveryWay(Stream, ("indexed, bpp " + std::to_string(Bpp)).c_str());
      // Index 0 shows the background exactly where the palette says it is transparent.
      std::vector<GUI_COLOR> Shown = DrawFromMemory(Stream);
      GUI_BITMAP Bitmap;
      GUI_PALETTE Pal;
      ASSERT_EQ(GUI_CreateBitmapFromStream(&Bitmap, &Pal, Stream.data()), 0);
      for (int y = 0; y < kH; y++) {
        for (int x = 0; x < kW; x++) {
          LCD_PIXELINDEX i = GUI_GetBitmapPixelIndex(&Bitmap, x, y);
          GUI_COLOR Want = (HasTrans && i == 0) ? OnDisplay(kBk) : OnDisplay(Palette[i]);
          ASSERT_EQ(Shown[(kY + y) * 60 + kX + x], Want) << "bpp " << Bpp << " at " << x << "," << y;
        }
      }
    }
  }
}

TEST_F(StreamTest, ControllerImageFormatDecodesAlphaAndColour) {
  // A8_BGR565: alpha byte (0 opaque), then the 5-6-5 value most significant byte first.
  std::vector<uint8_t> Pixels = {0x00, 0x00, 0x1F,   // opaque red
                                 0x00, 0xF8, 0x00,   // opaque blue
                                 0xFF, 0x07, 0xE0,   // invisible
                                 0x80, 0x07, 0xE0};  // green at intensity 127
  auto Stream = MakeStream(27, 4, 1, 12, 24, {}, 0, Pixels);
  GUI_SetBkColor(GUI_BLACK);
  GUI_Clear();
  GUI_DrawStreamedBitmapAuto(Stream.data(), 0, 0);
  auto Shown = Read(0, 0, 4, 1);
  EXPECT_EQ(Shown[0], OnDisplay(GUI_RED));
  EXPECT_EQ(Shown[1], OnDisplay(GUI_BLUE));
  EXPECT_EQ(Shown[2], OnDisplay(GUI_BLACK));
  EXPECT_EQ(Shown[3], OnDisplay(GUI__MixColors(GUI_GREEN, GUI_BLACK, 127)));
}

TEST_F(StreamTest, ControllerImageFormatIsRefusedByTheGetDataReader) {
  auto Stream = MakeStream(27, 2, 2, 6, 24, {}, 0, Bytes(12, 1));
  Source Src;
  Src.Data = Stream;
  GUI_Lock();
  int Nesting = GUITASK_GetEntranceCnt();
  EXPECT_EQ(GUI_DrawStreamedBitmapExAuto(GetData, &Src, 0, 0), 1);
  EXPECT_EQ(GUITASK_GetEntranceCnt(), Nesting);
  GUI_Unlock();
  ASSERT_EQ(Warnings().size(), 1u);
  EXPECT_EQ(Warnings()[0],
            "GUI_Stream:\nFormat of streamed bitmap not supported in GUI_DrawStreamedBitmapExAuto()!");
}

TEST_F(StreamTest, UnknownFormatWarnsTwiceAndDrawsNothing) {
  auto Stream = MakeStream(14, 2, 2, 4, 16, {}, 0, Bytes(8, 1));
  GUI_BITMAP Bitmap;
  GUI_PALETTE Pal;
  EXPECT_EQ(GUI_CreateBitmapFromStream(&Bitmap, &Pal, Stream.data()), 1);
  Warnings().clear();
  GUI_DrawStreamedBitmapAuto(Stream.data(), 0, 0);
  EXPECT_TRUE(AllBackground(Read(0, 0, 4, 4)));
  ASSERT_EQ(Warnings().size(), 2u);
  EXPECT_EQ(Warnings()[0], "GUI_StreamCreate:\nFormat of streamed bitmap not supported in GUI_CreateBitmapFromStream()!");
  EXPECT_EQ(Warnings()[1],
            "GUI_Stream:\nError on initializing bitmap and palette structure in GUI_DrawStreamedBitmapAuto()!");
}

TEST_F(StreamTest, FailingAndTruncatedReadsReportFailureAndKeepTheRowsReadBefore) {
  auto Stream = MakeStream(8, kW, kH, kW * 2, 16, {}, 0, Bytes(kW * kH * 2, 3));
  // Reads fail from various offsets: in the header, at the first row, in the middle, at the last byte.
  for (uint32_t FailOff : {0u, 10u, 16u, 200u, uint32_t(Stream.size() - 1)}) {
    ClearDisplay();
    Source Src;
    Src.Data = Stream;
    Src.How = Source::FAIL_AT;
    Src.FailOff = FailOff;
    EXPECT_EQ(GUI_DrawStreamedBitmapExAuto(GetData, &Src, kX, kY), 1) << FailOff;
    if (FailOff <= 16) {
      EXPECT_TRUE(AllBackground(Read(0, 0, 60, 40))) << FailOff;
    }
  }
  // A stream that ends early: the whole rows before its end are drawn, the call reports the failure.
  auto Full = DrawFromMemory(Stream);
  for (size_t Cut : {size_t(1), size_t(kW * 2 + 1), size_t(kW * 2 * 5)}) {
    for (Source::Kind How : {Source::POINT_AT, Source::COPY, Source::ONE_BYTE}) {
      Source Src;
      Src.Data.assign(Stream.begin(), Stream.end() - Cut);
      Src.How = How;
      ClearDisplay();
      EXPECT_EQ(GUI_DrawStreamedBitmapExAuto(GetData, &Src, kX, kY), 1) << Cut;
      auto Shown = Read(0, 0, 60, 40);
      int Rows = int((Src.Data.size() - 16) / (kW * 2));
      for (int y = 0; y < 40; y++) {
        bool Kept = y < kY + Rows;
        for (int x = 0; x < 60; x++) {
          ASSERT_EQ(Shown[y * 60 + x], Kept ? Full[y * 60 + x] : OnDisplay(kBk)) << "cut " << Cut << " at " << x << "," << y;
        }
      }
    }
  }
  // Header only.
  Source Src;
  Src.Data.assign(Stream.begin(), Stream.begin() + 16);
  GUI_STREAMED_BITMAP_INFO Info = {};
  EXPECT_EQ(GUI_GetStreamedBitmapInfoEx(GetData, &Src, &Info), 0);
  EXPECT_EQ(Info.XSize, kW);
  Src.Data.resize(15);
  EXPECT_EQ(GUI_GetStreamedBitmapInfoEx(GetData, &Src, &Info), 1);
  EXPECT_EQ(GUI_DrawStreamedBitmapEx(GetData, &Src, 0, 0), 1);
}

// True-colour, high-colour and alpha streams into 1-bit and 8-bit memory devices, from memory and through
// get-data routines.
TEST_F(StreamTest, PackedFormatsDrawIntoOneAndEightBitMemoryDevices) {
  const auto& Pic = MemdevPicture();
  struct Kind {
    unsigned Format, BytesPerPixel, Bpp;
  };
  for (Kind k : {Kind{8, 2, 16}, Kind{17, 3, 24}, Kind{16, 4, 32}, Kind{27, 3, 24}}) {
    std::vector<uint8_t> Pixels;
    for (GUI_COLOR c : Pic) {
      unsigned v565 = LCD_CC_BGR565_Color2Index(c);
      switch (k.Format) {
      case 8: Pixels.insert(Pixels.end(), {uint8_t(v565), uint8_t(v565 >> 8)}); break;
      case 17: Pixels.insert(Pixels.end(), {uint8_t(c), uint8_t(c >> 8), uint8_t(c >> 16)}); break;
      case 16: Pixels.insert(Pixels.end(), {uint8_t(c), uint8_t(c >> 8), uint8_t(c >> 16), 0}); break;
      default: Pixels.insert(Pixels.end(), {0, uint8_t(v565 >> 8), uint8_t(v565)}); break;
      }
    }
    auto Stream = MakeStream(k.Format, 4, 2, 4 * k.BytesPerPixel, k.Bpp, {}, 0, Pixels);
    Source Src;
    Src.Data = Stream;
    for (int DevBpp : {1, 8}) {
      std::string What = "format " + std::to_string(k.Format);
      ExpectInMemdev(DevBpp, 4, 2, Pic, [](const void* p) {
        GUI_DrawStreamedBitmapAuto(p, 2, 2);
        return 0;
      }, Stream.data(), What + " from memory");
      if (k.Format != 27) {
        ExpectInMemdev(DevBpp, 4, 2, Pic, [](const void* p) {
          return GUI_DrawStreamedBitmapExAuto(GetData, const_cast<void*>(p), 2, 2);
        }, &Src, What + " through get-data");
      }
    }
  }
}

TEST_F(StreamTest, HeadersThatDoNotFitTheirDataAreRefused) {
  struct Bad {
    const char* pWhat;
    unsigned Format, XSize, YSize, BytesPerLine, Bpp, NumColors;
  };
  const Bad aBad[] = {
      {"rows shorter than the width", 8, 10, 2, 18, 16, 0},
      {"rows longer than packed pixels", 17, 4, 2, 13, 24, 0},
      {"depth not of the format", 16, 4, 2, 16, 24, 0},
      {"indexed rows too short", 100, 17, 2, 2, 1, 2},
      {"indexed depth 3", 100, 8, 2, 3, 3, 8},
      {"palette of 257 colours", 100, 4, 2, 4, 8, 257},
      {"zero width", 8, 0, 2, 0, 16, 0},
  };
  for (const Bad& b : aBad) {
    std::vector<GUI_COLOR> Palette(b.NumColors, 0x123456);
    auto Stream = MakeStream(b.Format, b.XSize, b.YSize, b.BytesPerLine, b.Bpp, Palette, 0,
                             Bytes(b.BytesPerLine * b.YSize + 64, 9));
    GUI_BITMAP Bitmap;
    GUI_PALETTE Pal;
    EXPECT_EQ(GUI_CreateBitmapFromStream(&Bitmap, &Pal, Stream.data()), 1) << b.pWhat;
    Source Src;
    Src.Data = Stream;
    EXPECT_EQ(GUI_DrawStreamedBitmapExAuto(GetData, &Src, 0, 0), 1) << b.pWhat;
    GUI_DrawStreamedBitmapAuto(Stream.data(), 0, 0);
    EXPECT_TRUE(AllBackground(Read(0, 0, 20, 4))) << b.pWhat;
  }
}

TEST_F(StreamTest, PaletteIndicesBeyondThePaletteShowItsFirstColour) {
  // 4-bit data with a palette of two colours: indices 2..15 must not read past it.
  std::vector<uint8_t> Pixels = {0x01, 0x23, 0xEF};
  auto Stream = MakeStream(100, 6, 1, 3, 4, {GUI_RED, GUI_GREEN}, 0, Pixels);
  GUI_DrawStreamedBitmapAuto(Stream.data(), 0, 0);
  auto Shown = Read(0, 0, 6, 1);
  EXPECT_EQ(Shown[0], OnDisplay(GUI_RED));
  EXPECT_EQ(Shown[1], OnDisplay(GUI_GREEN));
  for (int i = 2; i < 6; i++) {
    EXPECT_EQ(Shown[i], OnDisplay(GUI_RED)) << i;
  }
}

TEST_F(StreamTest, FixedFormatReaderIgnoresTheCodeButChecksThePitch) {
  auto Stream = MakeStream(9, 4, 3, 12, 24, {}, 0, Bytes(36, 5));
  Source Src;
  Src.Data = Stream;
  EXPECT_EQ(GUI_DrawStreamedBitmap24Ex(GetData, &Src, 0, 0), 0);
  EXPECT_FALSE(AllBackground(Read(0, 0, 4, 3)));
  EXPECT_EQ(GUI_DrawStreamedBitmapBGR565Ex(GetData, &Src, 0, 0), 1);  // 12 bytes are not 4 pixels of 2
}

TEST_F(StreamTest, OnlyTheRowsOfTheVisibleAreaAreRead) {
  auto Stream = MakeStream(8, 10, 100, 20, 16, {}, 0, Bytes(2000, 4));
  struct Counting : Source {
    uint32_t MinOff = ~0u;
  } Src;
  Src.Data = Stream;
  // Placed so that only rows 95..99 are on the display: rows above its top edge are never fetched.
  auto Spy = [](void* p, const U8** pp, unsigned n, U32 Off) {
    auto* s = static_cast<Counting*>(p);
    if (Off >= 16) {
      s->MinOff = std::min<uint32_t>(s->MinOff, Off);
    }
    return GetData(p, pp, n, Off);
  };
  EXPECT_EQ(GUI_DrawStreamedBitmapExAuto(Spy, &Src, 0, -95), 0);
  EXPECT_EQ(Src.MinOff, 16u + 95 * 20);
  EXPECT_FALSE(AllBackground(Read(0, 0, 10, 5)));
}

TEST_F(StreamTest, MemorySourceNeverDeliversBeyondItsEnd) {
  std::vector<uint8_t> Data = {1, 2, 3};
  GUI__MEM_SOURCE Src = {Data.data(), Data.size()};
  const U8* p = nullptr;
  EXPECT_EQ(GUI__GetDataMem(&Src, &p, 10, 1), 2);
  EXPECT_EQ(p, Data.data() + 1);
  EXPECT_EQ(GUI__GetDataMem(&Src, &p, 10, 3), 0);
}

}  // namespace

namespace {

TEST_F(StreamTest, ControllerImageFormatIntoADeviceOfAnotherLayout) {
  // The same pixels into a 32-bit memory device take the general path: colours, not raw 5-6-5 values.
  std::vector<uint8_t> Pixels = {0x00, 0x00, 0x1F, 0x00, 0x07, 0xE0, 0xFF, 0xF8, 0x00};
  auto Stream = MakeStream(27, 3, 1, 9, 24, {}, 0, Pixels);
  GUI_HMEM h = GUI_MEMDEV_CreateFixed(0, 0, 3, 1, GUI_MEMDEV_NOTRANS, &GUI_MEMDEV_DEVICE_32,
                                      &LCD_aColorConvAPI[LCD_CC_888]);
  ASSERT_NE(h, 0);
  U32* p = static_cast<U32*>(GUI_MEMDEV_GetDataPtr(h));
  p[2] = 0x123456;
  GUI_MEMDEV_Select(h);
  GUI_DrawStreamedBitmapAuto(Stream.data(), 0, 0);
  GUI_MEMDEV_Select(0);
  EXPECT_EQ(p[0] & 0xFFFFFF, GUI_RED);
  EXPECT_EQ(p[1] & 0xFFFFFF, GUI_GREEN);
  EXPECT_EQ(p[2] & 0xFFFFFF, 0x123456u);  // invisible pixel
  GUI_MEMDEV_Delete(h);
}

}  // namespace
