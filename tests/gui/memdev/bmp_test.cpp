// BMP files: what ImageMagick writes decodes to ImageMagick's own pixels; what we write reads back; files
// that are malformed or cut short are refused with nothing drawn.
#include "image_TestSupport.h"

#include "GUI_BMP.h"
#include "GUI_BMP_Private.h"
#include "GUI_ImageDrawObj.h"

#include <climits>
#include <cstring>
#include <memory>

using namespace image_test;

namespace {

// A BMP file with a 40-byte info header; Rows are the stored rows, padded, in file order.
std::vector<uint8_t> MakeBmp(int XSize, int YSize, unsigned Bpp, unsigned Compression,
                             const std::vector<GUI_COLOR>& Palette, const std::vector<uint8_t>& Rows,
                             unsigned ClrUsed = 0) {
  std::vector<uint8_t> f;
  auto Put16 = [&](unsigned v) {
    f.push_back(uint8_t(v));
    f.push_back(uint8_t(v >> 8));
  };
  auto Put32 = [&](uint32_t v) {
    Put16(v & 0xFFFF);
    Put16(v >> 16);
  };
  uint32_t DataOff = 54 + 4 * uint32_t(Palette.size());
  Put16(0x4D42);
  Put32(DataOff + uint32_t(Rows.size()));
  Put32(0);
  Put32(DataOff);
  Put32(40);
  Put32(uint32_t(XSize));
  Put32(uint32_t(YSize));
  Put16(1);
  Put16(Bpp);
  Put32(Compression);
  Put32(uint32_t(Rows.size()));
  Put32(0);
  Put32(0);
  Put32(ClrUsed);
  Put32(0);
  for (GUI_COLOR c : Palette) {
    f.push_back(uint8_t(c >> 16));
    f.push_back(uint8_t(c >> 8));
    f.push_back(uint8_t(c));
    f.push_back(0);
  }
  f.insert(f.end(), Rows.begin(), Rows.end());
  return f;
}

uint32_t Get32(const std::vector<uint8_t>& f, size_t Off) {
  return f[Off] | f[Off + 1] << 8 | f[Off + 2] << 16 | uint32_t(f[Off + 3]) << 24;
}
void Set32(std::vector<uint8_t>& f, size_t Off, uint32_t v) {
  for (int i = 0; i < 4; i++) {
    f[Off + i] = uint8_t(v >> (8 * i));
  }
}

// The same picture stored top-down: rows reversed, height negative.
std::vector<uint8_t> TopDown(const std::vector<uint8_t>& f) {
  uint32_t DataOff = Get32(f, 10);
  int32_t YSize = int32_t(Get32(f, 22));
  size_t RowBytes = (f.size() - DataOff) / YSize;
  std::vector<uint8_t> g(f.begin(), f.begin() + DataOff);
  for (int32_t r = YSize - 1; r >= 0; r--) {
    g.insert(g.end(), f.begin() + DataOff + r * RowBytes, f.begin() + DataOff + (r + 1) * RowBytes);
  }
  Set32(g, 22, uint32_t(-YSize));
  return g;
}

// A 124-byte header file turned into a 108-byte header file.
std::vector<uint8_t> ToHeader108(const std::vector<uint8_t>& f) {
  std::vector<uint8_t> g(f.begin(), f.begin() + 14 + 108);
  g.insert(g.end(), f.begin() + 14 + 124, f.end());
  Set32(g, 14, 108);
  Set32(g, 10, Get32(f, 10) - 16);
  Set32(g, 2, uint32_t(g.size()));
  return g;
}

constexpr int kX = 5, kY = 3;

class BmpTest : public ImageTest {
 protected:
  // Draws the file and compares it with ImageMagick's reading; Tolerance per 8-bit channel.
  void ExpectLikeMagick(const std::vector<uint8_t>& File, const std::string& Name, int Tolerance) {
    std::string Path = TempDir() + "/" + Name + ".bmp";
    WriteFile(Path, File);
    std::vector<uint8_t> Rgba = MagickRGBA(Path);
    int XSize = GUI_BMP_GetXSize(File.data()), YSize = GUI_BMP_GetYSize(File.data());
    ASSERT_EQ(Rgba.size(), size_t(XSize) * YSize * 4) << Name;
    ClearDisplay();
    ASSERT_EQ(GUI_BMP_Draw(File.data(), kX, kY), 0) << Name;
    auto Shown = Read(kX, kY, XSize, YSize);
    for (int i = 0; i < XSize * YSize; i++) {
      GUI_COLOR Want = OnDisplay(Rgba[4 * i] | Rgba[4 * i + 1] << 8 | Rgba[4 * i + 2] << 16);
      for (int Shift : {0, 8, 16}) {
        int d = int((Shown[i] >> Shift) & 0xFF) - int((Want >> Shift) & 0xFF);
        ASSERT_LE(std::abs(d), Tolerance) << Name << " pixel " << i % XSize << "," << i / XSize << " shown "
                                          << std::hex << Shown[i] << " want " << Want;
      }
    }
    // Through a get-data routine, a byte at a time, the same.
    Source Src;
    Src.Data = File;
    Src.How = Source::ONE_BYTE;
    ClearDisplay();
    ASSERT_EQ(GUI_BMP_DrawEx(GetData, &Src, kX, kY), 0) << Name;
    EXPECT_EQ(Read(kX, kY, XSize, YSize), Shown) << Name;
  }

  void ExpectRefused(const std::vector<uint8_t>& File, const char* pWhat) {
    ClearDisplay();
    Source Src;
    Src.Data = File;
    EXPECT_EQ(GUI_BMP_DrawEx(GetData, &Src, 0, 0), 1) << pWhat;
    EXPECT_EQ(GUI_BMP_DrawScaledEx(GetData, &Src, 0, 0, 3, 2), 1) << pWhat;
    EXPECT_TRUE(AllBackground(Read(0, 0, 80, 40))) << pWhat;
  }
};

TEST_F(BmpTest, ImageMagickFilesDecodeToImageMagicksPixels) {
  if (!HaveConvert()) {
    GTEST_SKIP() << "ImageMagick (convert) is not installed";
  }
  std::string Dir = TempDir();
  std::string Base = Dir + "/base.png";
  // An odd width makes every depth pad its rows.
  ASSERT_EQ(Shell("convert -size 37x23 gradient:red-blue -fill '#30C050' -draw 'circle 18,11 18,3' "
                "-fill yellow -draw 'rectangle 2,2 6,20' '" + Base + "'"), 0);
  struct Variant {
    const char* pName;
    const char* pArgs;
    int Tolerance;
  };
  const Variant aVariant[] = {
      {"pal1", "-colors 2 -type palette BMP3:", 0},
      {"pal4", "-colors 16 -type palette BMP3:", 0},
      {"pal8", "-colors 200 -type palette -compress none BMP3:", 0},
      {"rle8", "-colors 200 -type palette -compress RLE BMP3:", 0},
      {"rgb24", "-type truecolor BMP3:", 0},
      {"rgb32", "-alpha set -channel A -evaluate set 60% +channel -define bmp3:alpha=true BMP3:", 0},
      {"core24", "-type truecolor BMP2:", 0},
      {"core4", "-colors 16 -type palette BMP2:", 0},
      {"core1", "-colors 2 -type palette BMP2:", 0},
      {"v5rgb24", "-type truecolor BMP:", 0},
      {"v5fields565", "-define bmp:subtype=RGB565 BMP:", 8},
      {"v5fields555", "-define bmp:subtype=RGB555 BMP:", 8},
      {"v5alpha32", "-alpha set -channel A -evaluate set 60% +channel BMP:", 0},
  };
  for (const Variant& v : aVariant) {
    std::string Path = Dir + "/" + v.pName + ".bmp";
    ASSERT_EQ(Shell("convert '" + Base + "' " + v.pArgs + "'" + Path + "'"), 0) << v.pName;
    std::vector<uint8_t> File = ReadFile(Path);
    ExpectLikeMagick(File, v.pName, v.Tolerance);
    if (Get32(File, 14) == 40 && Get32(File, 30) == 0) {
      ExpectLikeMagick(TopDown(File), std::string(v.pName) + "_topdown", v.Tolerance);
    }
    if (Get32(File, 14) == 124) {
      ExpectLikeMagick(ToHeader108(File), std::string(v.pName) + "_v4", v.Tolerance);
    }
  }
}

TEST_F(BmpTest, RunLength4FileDecodes) {
  // 6 x 3, bottom-up: row 2 (bottom) "run of 4 alternating 1,2 + absolute 3,4"; row 1 delta; row 0 end early.
  std::vector<uint8_t> Codes = {4, 0x12, 0, 3, 0x34, 0x50, 0, 0,  // bottom row: 1 2 1 2 3 4, then 5 (dropped)
                                0, 2, 2, 1,                        // delta 2 right, 1 up: rest of row stays 0
                                2, 0x77, 0, 1};                    // top row: two pixels of 7, end of bitmap
  std::vector<GUI_COLOR> Palette;
  for (int i = 0; i < 16; i++) {
    Palette.push_back(0x101010u * i);
  }
  auto File = MakeBmp(6, 3, 4, 2, Palette, Codes);
  ASSERT_EQ(GUI_BMP_Draw(File.data(), 0, 0), 0);
  auto Shown = Read(0, 0, 6, 3);
  const int aWant[3][6] = {{0, 0, 7, 7, 0, 0}, {0, 0, 0, 0, 0, 0}, {1, 2, 1, 2, 3, 4}};
  for (int y = 0; y < 3; y++) {
    for (int x = 0; x < 6; x++) {
      EXPECT_EQ(Shown[y * 6 + x], OnDisplay(Palette[aWant[y][x]])) << x << "," << y;
    }
  }
}

TEST_F(BmpTest, RunLength8EndingEarlyShowsPaletteColourZero) {
  std::vector<uint8_t> Codes = {3, 1, 0, 1};  // three pixels of 1 on the bottom row, end of bitmap
  auto File = MakeBmp(4, 2, 8, 1, {GUI_BLUE, GUI_RED}, Codes, 2);
  ASSERT_EQ(GUI_BMP_Draw(File.data(), 0, 0), 0);
  auto Shown = Read(0, 0, 4, 2);
  std::vector<GUI_COLOR> Want = {OnDisplay(GUI_BLUE), OnDisplay(GUI_BLUE), OnDisplay(GUI_BLUE), OnDisplay(GUI_BLUE),
                                 OnDisplay(GUI_RED),  OnDisplay(GUI_RED),  OnDisplay(GUI_RED),  OnDisplay(GUI_BLUE)};
  EXPECT_EQ(Shown, Want);
  // Codes that end before the picture does: the failure is reported, the rows completed before stay.
  ClearDisplay();
  auto Short = MakeBmp(4, 2, 8, 1, {GUI_BLUE, GUI_RED}, {3, 1, 0, 0}, 2);
  Source Src;
  Src.Data = Short;
  EXPECT_EQ(GUI_BMP_DrawEx(GetData, &Src, 0, 0), 1);
  Want = {OnDisplay(kBk), OnDisplay(kBk), OnDisplay(kBk), OnDisplay(kBk),
          OnDisplay(GUI_RED), OnDisplay(GUI_RED), OnDisplay(GUI_RED), OnDisplay(GUI_BLUE)};
  EXPECT_EQ(Read(0, 0, 4, 2), Want);
  // A few bytes that claim 32767 x 32767 pixels: the rows that the codes leave empty are handed on together,
  // so the work follows the codes present, not the size the header claims. Scaled to 1/100, the picture is
  // 327 x 327 pixels of palette colour 0 but for the red run at its bottom.
  for (unsigned Compression : {1u, 2u}) {
    uint8_t One = Compression == 1 ? 1 : 0x11;  // index 1 (RLE4: in both nibbles)
    std::vector<uint8_t> Codes = {3, One, 0, 2, 4, 200, 0, 0, 2, One, 0, 1};  // run, delta, end of line, end
    auto Huge = MakeBmp(32767, 32767, Compression == 1 ? 8 : 4, Compression, {GUI_BLUE, GUI_RED}, Codes, 2);
    ASSERT_LE(Huge.size(), 80u);
    ClearDisplay();
    EXPECT_EQ(GUI_BMP_DrawScaled(Huge.data(), 0, 0, 1, 100), 0) << Compression;
    EXPECT_EQ(Read(0, 0, 327, 272), std::vector<GUI_COLOR>(327 * 272, OnDisplay(GUI_BLUE))) << Compression;
    EXPECT_EQ(Read(327, 0, 1, 272), std::vector<GUI_COLOR>(272, OnDisplay(kBk))) << Compression;
    GUI_BMP__INFO Info;
    Src.Data = Huge;
    ASSERT_EQ(GUI_BMP__ReadInfo(GetData, &Src, &Info), 0);
    struct Counted {
      int Calls = 0, Rows = 0, RedRows = 0;
    } c;
    auto Count = [](void* p, int Row, int NumRows, const uint32_t* pValue) {
      Counted* pc = static_cast<Counted*>(p);
      pc->Calls++;
      pc->Rows += NumRows;
      pc->RedRows += Row == 32766 && pValue[0] == 1 && pValue[2] == 1 && pValue[3] == 0;
    };
    EXPECT_EQ(GUI_BMP__DecodeRLE(&Info, GetData, &Src, 0, 32766, 0, 32766, Count, &c), 0) << Compression;
    EXPECT_EQ(c.Rows, 32767) << Compression;
    EXPECT_EQ(c.RedRows, 1) << Compression;
    EXPECT_LE(c.Calls, 6) << Compression;
  }
}

TEST_F(BmpTest, ThreePixelWideRowsArePaddedToTwelveBytes) {
  std::vector<uint8_t> Rows = {0, 0, 255, 0, 255, 0, 255, 0, 0, 0xAA, 0xAA, 0xAA,  // bottom: red green blue
                               255, 255, 255, 0, 0, 0, 0, 255, 255, 0xAA, 0xAA, 0xAA};
  auto File = MakeBmp(3, 2, 24, 0, {}, Rows);
  ASSERT_EQ(GUI_BMP_Draw(File.data(), 0, 0), 0);
  auto Shown = Read(0, 0, 3, 2);
  EXPECT_EQ(Shown[0], OnDisplay(GUI_WHITE));
  EXPECT_EQ(Shown[1], OnDisplay(GUI_BLACK));
  EXPECT_EQ(Shown[2], OnDisplay(GUI_YELLOW));
  EXPECT_EQ(Shown[3], OnDisplay(GUI_RED));
  EXPECT_EQ(Shown[4], OnDisplay(GUI_GREEN));
  EXPECT_EQ(Shown[5], OnDisplay(GUI_BLUE));
}

TEST_F(BmpTest, BadHeadersAreRefused) {
  std::vector<uint8_t> Rows8(4 * 2, 1);
  std::vector<GUI_COLOR> Pal(16, GUI_RED);
  auto Good = MakeBmp(4, 2, 8, 0, Pal, Rows8, 16);
  Source Src;
  Src.Data = Good;
  ASSERT_EQ(GUI_BMP_DrawEx(GetData, &Src, 0, 0), 0);  // 16 colours used: 16 palette entries read
  EXPECT_EQ(Read(0, 0, 1, 1)[0], OnDisplay(GUI_RED));

  auto Bad = Good;
  Bad[0] = 'X';
  ExpectRefused(Bad, "not BM");
  ExpectRefused(MakeBmp(4, 2, 2, 0, Pal, Rows8), "2 bits per pixel");
  ExpectRefused(MakeBmp(4, 2, 8, 4, Pal, Rows8, 16), "compression 4");
  ExpectRefused(MakeBmp(4, 2, 8, 0, std::vector<GUI_COLOR>(300), Rows8, 300), "300 colours used");
  ExpectRefused(MakeBmp(0, 2, 8, 0, Pal, Rows8, 16), "width 0");
  ExpectRefused(MakeBmp(4, 0, 8, 0, Pal, Rows8, 16), "height 0");
  ExpectRefused(MakeBmp(0x10000, 2, 8, 0, Pal, Rows8, 16), "width beyond the coordinates");
  ExpectRefused(MakeBmp(4, 2, 4, 1, Pal, Rows8, 16), "RLE8 with 4 bits");
  Bad = Good;
  Set32(Bad, 14, 41);
  ExpectRefused(Bad, "unknown header size");
  auto TopDownRle = MakeBmp(4, -2, 8, 1, Pal, {4, 1, 0, 0, 4, 1, 0, 1}, 16);
  ExpectRefused(TopDownRle, "top-down run-length");
  // Bit fields whose mask has a gap.
  std::vector<uint8_t> Rows16(8 * 2, 0x55);
  auto Fields = MakeBmp(4, 2, 16, 3, {}, {});
  std::vector<uint8_t> Masks = {0x00, 0x7C, 0, 0, 0xE0, 0x03, 0, 0, 0x1D, 0, 0, 0};
  Fields.insert(Fields.end(), Masks.begin(), Masks.end());
  Fields.insert(Fields.end(), Rows16.begin(), Rows16.end());
  Set32(Fields, 10, 54 + 12);
  Set32(Fields, 2, uint32_t(Fields.size()));
  ExpectRefused(Fields, "mask with a gap");
  Fields[54 + 8] = 0x1F;
  Src.Data = Fields;
  EXPECT_EQ(GUI_BMP_DrawEx(GetData, &Src, 0, 0), 0);
}

TEST_F(BmpTest, EveryTruncationReportsFailureAndKeepsTheRowsReadBefore) {
  std::vector<GUI_COLOR> Pal = {GUI_RED, GUI_GREEN};
  auto File = MakeBmp(9, 3, 1, 0, Pal, {0xFF, 0x80, 0, 0, 0x55, 0x00, 0, 0, 0xAA, 0x80, 0, 0});
  Source Src;
  Src.Data = File;
  ASSERT_EQ(GUI_BMP_DrawEx(GetData, &Src, 0, 0), 0);
  auto Full = Read(0, 0, 9, 3);
  const size_t DataOff = 62, Pitch = 4, Used = 2;
  // Only the padding of the last stored row may be missing; stored rows (bottom first) that arrived are shown.
  for (size_t n = 0; n < File.size() - 2; n++) {
    ClearDisplay();
    Src.Data.assign(File.begin(), File.begin() + n);
    EXPECT_EQ(GUI_BMP_DrawEx(GetData, &Src, 0, 0), 1) << "cut at " << n;
    EXPECT_EQ(GUI_BMP_DrawScaledEx(GetData, &Src, 0, 0, 1, 1), 1) << "cut at " << n;
    auto Shown = Read(0, 0, 9, 3);
    for (int y = 0; y < 3; y++) {
      bool Arrived = n >= DataOff + (2 - y) * Pitch + Used;
      for (int x = 0; x < 9; x++) {
        EXPECT_EQ(Shown[y * 9 + x], Arrived ? Full[y * 9 + x] : OnDisplay(kBk)) << "cut at " << n << ", " << x << "," << y;
      }
    }
    if (n < DataOff) {
      ExpectRefused(Src.Data, ("cut at " + std::to_string(n)).c_str());
    }
  }
}

// The memory form reads within the file-size field; a field of 0 takes the file as its headers, palette and
// rows one behind the other. A field that cuts only the last row's padding draws the whole picture; one too
// short for the headers is refused.
TEST_F(BmpTest, MemoryFormIsBoundedByItsSizeFieldOrWithoutOneByItsHeaders) {
  std::vector<GUI_COLOR> Pal = {GUI_RED, GUI_GREEN};
  auto File = MakeBmp(9, 3, 1, 0, Pal, {0xFF, 0x80, 0, 0, 0x55, 0x00, 0, 0, 0xAA, 0x80, 0, 0});
  ASSERT_EQ(GUI_BMP_Draw(File.data(), 0, 0), 0);
  auto Want = Read(0, 0, 9, 3);
  for (uint32_t Field : {0u, uint32_t(File.size() - 2)}) {
    auto g = File;
    Set32(g, 2, Field);
    ClearDisplay();
    EXPECT_EQ(GUI_BMP_Draw(g.data(), 0, 0), 0) << Field;
    EXPECT_EQ(Read(0, 0, 9, 3), Want) << Field;
  }
  auto g = File;
  Set32(g, 2, 20);
  ClearDisplay();
  EXPECT_EQ(GUI_BMP_Draw(g.data(), 0, 0), 1);
  EXPECT_TRUE(AllBackground(Read(0, 0, 9, 3)));
  // Every seed of the fuzz corpus draws alike from memory and through a get-data routine.
  for (const char* pName : {"alpha32", "core24", "fields565", "pal1", "pal4", "rgb24", "rle4", "rle8"}) {
    auto Seed = ReadFile(std::string(SIM_SOURCE_DIR) + "/tests/fuzz/corpus/bmp/" + pName + ".bmp");
    ASSERT_FALSE(Seed.empty()) << pName;
    Source Src;
    Src.Data = Seed;
    ClearDisplay();
    int ViaGetData = GUI_BMP_DrawEx(GetData, &Src, 0, 0);
    auto Expected = Read(0, 0, 40, 30);
    ClearDisplay();
    EXPECT_EQ(GUI_BMP_Draw(Seed.data(), 0, 0), ViaGetData) << pName;
    EXPECT_EQ(ViaGetData, 0) << pName;
    EXPECT_EQ(Read(0, 0, 40, 30), Expected) << pName;
  }
  // A run-length file that names neither its data size nor its file size cannot be bounded: refused.
  std::vector<GUI_COLOR> Pal8 = {GUI_RED};
  auto Rle = MakeBmp(2, 1, 8, 1, Pal8, {2, 0, 0, 1}, 1);
  Set32(Rle, 2, 0);
  Set32(Rle, 34, 0);
  EXPECT_EQ(GUI_BMP_Draw(Rle.data(), 0, 0), 1);
}

// A heap block of exactly the file's bytes, so that the address sanitizer sees any read beyond them.
std::unique_ptr<uint8_t[]> ExactCopy(const std::vector<uint8_t>& f) {
  std::unique_ptr<uint8_t[]> p(new uint8_t[f.size()]);
  std::memcpy(p.get(), f.data(), f.size());
  return p;
}

// The pixel rows follow the headers and the palette whatever the pixel-data offset says. Pixel rows or a palette
// that the file's size field leaves outside the file are never read from memory: the rows inside are drawn and the
// call fails. Through a get-data routine that delivers the same bytes, the same.
TEST_F(BmpTest, PaletteAndRowsOutsideTheFileAreNotRead) {
  std::vector<uint8_t> Rows = {0, 0, 255, 0, 0, 255, 0, 0, 0, 0, 255, 0, 0, 255, 0, 0};  // two red rows
  auto File = MakeBmp(2, 2, 24, 0, {}, Rows);
  ASSERT_EQ(File.size(), 70u);
  auto Expect = [&](const std::vector<uint8_t>& f, int Result, int DrawnRows, const std::string& What) {
    std::vector<GUI_COLOR> Want(4, OnDisplay(kBk));
    for (int r = 0; r < DrawnRows; r++) {  // the bottom row, stored first, then the top one
      Want[2 - 2 * r] = OnDisplay(GUI_RED);
      Want[3 - 2 * r] = OnDisplay(GUI_RED);
    }
    auto Copy = ExactCopy(f);
    ClearDisplay();
    EXPECT_EQ(GUI_BMP_Draw(Copy.get(), 0, 0), Result) << What;
    EXPECT_EQ(Read(0, 0, 2, 2), Want) << What;
    ClearDisplay();
    EXPECT_EQ(GUI_BMP_DrawScaled(Copy.get(), 0, 0, 1, 1), Result) << What;
    EXPECT_EQ(Read(0, 0, 2, 2), Want) << What;
    Source Src;
    Src.Data = f;
    ClearDisplay();
    EXPECT_EQ(GUI_BMP_DrawEx(GetData, &Src, 0, 0), Result) << What;
    EXPECT_EQ(Read(0, 0, 2, 2), Want) << What;
  };
  for (uint32_t Off : {0u, 62u, 70u, 5000u, 0x10000000u}) {
    auto f = File;
    Set32(f, 10, Off);
    Expect(f, 0, 2, "pixel-data offset " + std::to_string(Off));
  }
  auto Half = File;
  Half.resize(62);  // the bottom row lies inside the file, the top row behind it
  Set32(Half, 2, 62);
  Expect(Half, 1, 1, "top row behind the file");
  // 8 bits, colours used 0: 256 palette entries that the file does not hold.
  std::vector<uint8_t> Rows8 = {1, 1, 0, 0, 1, 1, 0, 0};
  Expect(MakeBmp(2, 2, 8, 0, {}, Rows8), 1, 0, "no palette");
  // 200 colours used, the palette cut off by the file's end; 256 entries of which the file holds 100.
  auto Cut = MakeBmp(2, 2, 8, 0, {}, Rows8, 200);
  Expect(Cut, 1, 0, "200 entries beyond the file");
  auto Full = MakeBmp(2, 2, 8, 0, std::vector<GUI_COLOR>(256, GUI_RED), Rows8);
  Full.resize(54 + 4 * 100);
  Set32(Full, 2, uint32_t(Full.size()));
  Expect(Full, 1, 0, "256 entries, 100 in the file");
  EXPECT_EQ(GUI_BMP_GetXSize(ExactCopy(Full).get()), 2);
}

// Rows stored at each depth (bottom-up, padded); palette files index Palette.
std::vector<uint8_t> StoreRows(const std::vector<GUI_COLOR>& Pic, int XSize, int YSize, unsigned Bpp,
                               const std::vector<GUI_COLOR>& Palette) {
  size_t Pitch = ((XSize * Bpp + 31) / 32) * 4;
  std::vector<uint8_t> Rows(Pitch * YSize);
  for (int y = 0; y < YSize; y++) {
    uint8_t* r = &Rows[(YSize - 1 - y) * Pitch];
    for (int x = 0; x < XSize; x++) {
      GUI_COLOR c = Pic[y * XSize + x];
      unsigned R = c & 0xFF, G = (c >> 8) & 0xFF, B = (c >> 16) & 0xFF;
      if (Bpp <= 8) {
        unsigned i = unsigned(std::find(Palette.begin(), Palette.end(), c) - Palette.begin());
        r[x * Bpp / 8] |= uint8_t(i << (8 - Bpp - x * Bpp % 8));
      } else if (Bpp == 16) {
        unsigned v = (R >> 3) << 10 | (G >> 3) << 5 | B >> 3;
        r[2 * x] = uint8_t(v);
        r[2 * x + 1] = uint8_t(v >> 8);
      } else {
        uint8_t* p = r + x * Bpp / 8;
        p[0] = uint8_t(B);
        p[1] = uint8_t(G);
        p[2] = uint8_t(R);
        if (Bpp == 32) {
          p[3] = 0xFF;
        }
      }
    }
  }
  return Rows;
}

// Pictures of every depth into 1-bit and 8-bit memory devices, which pass the display's depth on as theirs.
TEST_F(BmpTest, EveryDepthDrawsIntoOneAndEightBitMemoryDevices) {
  const std::vector<GUI_COLOR> BlackWhite = {GUI_WHITE, GUI_BLACK, GUI_BLACK, GUI_WHITE,
                                             GUI_BLACK, GUI_WHITE, GUI_WHITE, GUI_BLACK};
  const std::vector<GUI_COLOR> Pal = {GUI_WHITE, GUI_BLACK, GUI_RED, GUI_GREEN, GUI_BLUE, GUI_YELLOW};
  for (unsigned Bpp : {1u, 4u, 8u, 16u, 24u, 32u}) {
    const auto& Pic = Bpp == 1 ? BlackWhite : MemdevPicture();
    std::vector<GUI_COLOR> FilePal;
    if (Bpp == 1) {
      FilePal = {GUI_BLACK, GUI_WHITE};
    } else if (Bpp <= 8) {
      FilePal = Pal;
    }
    auto File = MakeBmp(4, 2, Bpp, 0, FilePal, StoreRows(Pic, 4, 2, Bpp, FilePal), unsigned(FilePal.size()));
    for (int DevBpp : {1, 8}) {
      ExpectInMemdev(DevBpp, 4, 2, Pic, [](const void* p) { return GUI_BMP_Draw(p, 2, 2); }, File.data(),
                     std::to_string(Bpp) + "-bit file");
    }
  }
}

TEST_F(BmpTest, ScaledBottomUpFilesFillTheTargetFromTheBottom) {
  // 2 x 3, rows red, green, blue from the top: shrunk to 1 x 1, the row kept is counted in stored order.
  std::vector<GUI_COLOR> Pal = {GUI_RED, GUI_GREEN, GUI_BLUE};
  auto File = MakeBmp(2, 3, 8, 0, Pal, {2, 2, 0, 0, 1, 1, 0, 0, 0, 0, 0, 0}, 3);
  ASSERT_EQ(GUI_BMP_DrawScaled(File.data(), 0, 0, 1, 2), 0);
  EXPECT_EQ(Read(0, 0, 1, 1)[0], OnDisplay(GUI_BLUE));
  EXPECT_EQ(Read(0, 1, 1, 1)[0], OnDisplay(kBk));
  ClearDisplay();
  ASSERT_EQ(GUI_BMP_DrawScaled(TopDown(File).data(), 0, 0, 1, 2), 0);
  EXPECT_EQ(Read(0, 0, 1, 1)[0], OnDisplay(GUI_RED));
  // Enlarged, every row shows in its place either way.
  ClearDisplay();
  ASSERT_EQ(GUI_BMP_DrawScaled(File.data(), 0, 0, 2, 1), 0);
  EXPECT_EQ(Read(0, 0, 1, 6), (std::vector<GUI_COLOR>{OnDisplay(GUI_RED), OnDisplay(GUI_RED), OnDisplay(GUI_GREEN),
                                                     OnDisplay(GUI_GREEN), OnDisplay(GUI_BLUE), OnDisplay(GUI_BLUE)}));
}

// Near the limits of int, adding the origin of a window that is not at (0, 0) must not overflow.
TEST_F(BmpTest, PositionsNearTheIntLimitsInAMovedWindowDrawNothing) {
  WM_HWIN hWin = WM_CreateWindow(10, 10, 40, 30, WM_CF_SHOW, nullptr, 0);
  auto File = MakeBmp(2, 2, 24, 0, {}, std::vector<uint8_t>(16, 0xFF));
  auto Stream = MakeStream(8, 2, 2, 4, 16, {}, 0, std::vector<uint8_t>(8, 0xFF));
  GUI_BITMAP Bitmap;
  GUI_PALETTE Pal;
  ASSERT_EQ(GUI_CreateBitmapFromStream(&Bitmap, &Pal, Stream.data()), 0);
  Source Src;
  Src.Data = Stream;
  WM_SelectWindow(hWin);
  for (int Pos : {INT_MAX, INT_MAX - 5, INT_MIN, INT_MIN + 3}) {
    EXPECT_EQ(GUI_BMP_Draw(File.data(), Pos, 0), 1) << Pos;
    EXPECT_EQ(GUI_BMP_Draw(File.data(), 0, Pos), 1) << Pos;
    EXPECT_EQ(GUI_BMP_DrawScaled(File.data(), Pos, Pos, 3, 2), 1) << Pos;
    GUI_DrawBitmap(&Bitmap, Pos, 0);
    GUI_DrawBitmap(&Bitmap, 0, Pos);
    GUI_DrawBitmapMag(&Bitmap, Pos, Pos, 2, 2);
    GUI_DrawStreamedBitmapAuto(Stream.data(), Pos, Pos);
    EXPECT_EQ(GUI_DrawStreamedBitmapExAuto(GetData, &Src, Pos, 0), 0) << Pos;
  }
  WM_SelectWindow(WM_GetDesktopWindow());
  WM_DeleteWindow(hWin);
  EXPECT_TRUE(AllBackground(Read(0, 0, 60, 50)));
}

// 16-bit components: bit fields give value x 255 / (2^width - 1); uncompressed 5-5-5 pixels the 5-bit expansion.
TEST_F(BmpTest, SixteenBitComponentsFollowTheirRules) {
  std::vector<uint8_t> Masked = {0x00, 0xF8, 0, 0, 0xE0, 0x07, 0, 0, 0x1F, 0, 0, 0};  // red, green, blue
  std::vector<uint8_t> Plain;
  for (unsigned v = 0; v < 32; v++) {
    unsigned m = v << 11, p = v << 10;
    Masked.push_back(uint8_t(m));
    Masked.push_back(uint8_t(m >> 8));
    Plain.push_back(uint8_t(p));
    Plain.push_back(uint8_t(p >> 8));
  }
  auto Fields = MakeBmp(32, 1, 16, 3, {}, Masked);
  Set32(Fields, 10, 54 + 12);
  auto Uncompressed = MakeBmp(32, 1, 16, 0, {}, Plain);
  GUI_HMEM hMem = GUI_MEMDEV_CreateFixed(0, 0, 32, 2, 0, GUI_MEMDEV__GetDeviceAPI(32),
                                         &LCD_aColorConvAPI[LCD_CC_8888]);
  ASSERT_NE(hMem, 0);
  GUI_MEMDEV_Select(hMem);
  ASSERT_EQ(GUI_BMP_Draw(Fields.data(), 0, 0), 0);
  ASSERT_EQ(GUI_BMP_Draw(Uncompressed.data(), 0, 1), 0);
  GUI_Lock();
  for (unsigned v = 0; v < 32; v++) {
    EXPECT_EQ(LCD_GetPixelColor(int(v), 0) & 0xFF, v * 255 / 31) << "bit fields, level " << v;
    EXPECT_EQ(LCD_GetPixelColor(int(v), 1) & 0xFF, LCD_aExpand5[v]) << "5-5-5, level " << v;
  }
  GUI_Unlock();
  GUI_MEMDEV_Select(0);
  GUI_MEMDEV_Delete(hMem);
}

TEST_F(BmpTest, SizesOfTopDownFilesArePositiveAndUnreadableFilesGiveZero) {
  auto File = MakeBmp(7, -5, 24, 0, {}, std::vector<uint8_t>(24 * 5));
  EXPECT_EQ(GUI_BMP_GetXSize(File.data()), 7);
  EXPECT_EQ(GUI_BMP_GetYSize(File.data()), 5);
  Source Src;
  Src.Data.assign(File.begin(), File.begin() + 20);
  EXPECT_EQ(GUI_BMP_GetYSizeEx(GetData, &Src), 0);
  EXPECT_EQ(GUI_BMP_GetXSizeEx(GetData, &Src), 0);
}

TEST_F(BmpTest, ScaledDrawingRepeatsAndDropsPixels) {
  std::vector<GUI_COLOR> Pal = {GUI_RED, GUI_GREEN, GUI_BLUE, GUI_WHITE};
  // 4 x 2, 8 bits: top row 0 1 2 3, bottom row 3 2 1 0 (stored bottom-up).
  auto File = MakeBmp(4, 2, 8, 0, Pal, {3, 2, 1, 0, 0, 1, 2, 3}, 4);
  ASSERT_EQ(GUI_BMP_DrawScaled(File.data(), 0, 0, 2, 1), 0);
  auto Big = Read(0, 0, 8, 4);
  for (int y = 0; y < 4; y++) {
    for (int x = 0; x < 8; x++) {
      int Index = y < 2 ? x / 2 : 3 - x / 2;
      EXPECT_EQ(Big[y * 8 + x], OnDisplay(Pal[Index])) << x << "," << y;
    }
  }
  ClearDisplay();
  ASSERT_EQ(GUI_BMP_DrawScaled(File.data(), 0, 0, 1, 1), 0);
  auto One = Read(0, 0, 4, 2);
  ClearDisplay();
  ASSERT_EQ(GUI_BMP_Draw(File.data(), 0, 0), 0);
  EXPECT_EQ(Read(0, 0, 4, 2), One);
  ClearDisplay();
  ASSERT_EQ(GUI_BMP_DrawScaled(File.data(), 0, 0, 1, 2), 0);  // 2 x 1: one row and every second column
  auto Half = Read(0, 0, 3, 2);
  EXPECT_EQ(Half[2], OnDisplay(kBk));
  EXPECT_EQ(Half[3], OnDisplay(kBk));
  EXPECT_EQ(GUI_BMP_DrawScaled(File.data(), 0, 0, 0, 2), 1);
  EXPECT_EQ(GUI_BMP_DrawScaled(File.data(), 0, 0, 1, 0), 1);
}

void _CollectByte(U8 Byte, void* p) { static_cast<std::vector<uint8_t>*>(p)->push_back(Byte); }

TEST_F(BmpTest, WrittenFilesReadBackIdentically) {
  // Every pixel a different colour.
  for (int y = 0; y < 59; y++) {
    for (int x = 0; x < 99; x++) {
      GUI_SetColor(GUI_COLOR(x * 2 + 30 * (y & 1)) | GUI_COLOR(y * 4) << 8 | GUI_COLOR((x * y) & 0xFF) << 16);
      GUI_DrawPixel(x, y);
    }
  }
  auto Original = Read(0, 0, 99, 59);

  std::vector<uint8_t> File24;
  GUI_BMP_SerializeExBpp(_CollectByte, 0, 0, 99, 59, &File24, 24);
  EXPECT_EQ(File24.size(), 54u + 300u * 59);  // 99 * 3 = 297 bytes padded to 300
  ASSERT_EQ(GUI_BMP_Draw(File24.data(), 200, 100), 0);
  EXPECT_EQ(Read(200, 100, 99, 59), Original);

  // The display's own depth: 16 bits as 5-5-5.
  std::vector<uint8_t> File16;
  GUI_BMP_SerializeEx(_CollectByte, 0, 0, 99, 59, &File16);
  EXPECT_EQ(File16.size(), 54u + 200u * 59);
  EXPECT_EQ(File16[28], 16);
  ClearDisplay();
  ASSERT_EQ(GUI_BMP_Draw(File16.data(), 0, 0), 0);
  auto Back = Read(0, 0, 99, 59);
  for (size_t i = 0; i < Back.size(); i++) {
    GUI_COLOR c = Original[i];
    GUI_COLOR Want = 0;
    for (int Shift : {0, 8, 16}) {  // each component through 5 bits
      unsigned v5 = (((c >> Shift) & 0xFF) * 31 + 127) / 255;
      Want |= ((v5 * 255 + 15) / 31) << Shift;
    }
    ASSERT_EQ(Back[i], OnDisplay(Want)) << i;
  }
  if (HaveConvert()) {
    std::string Path = TempDir() + "/written24.bmp";
    WriteFile(Path, File24);
    auto Rgba = MagickRGBA(Path);
    ASSERT_EQ(Rgba.size(), Original.size() * 4);
    for (size_t i = 0; i < Original.size(); i++) {
      ASSERT_EQ(GUI_COLOR(Rgba[4 * i] | Rgba[4 * i + 1] << 8 | Rgba[4 * i + 2] << 16), Original[i]) << i;
    }
  }
}

TEST_F(BmpTest, WholeDisplayDumpHasTheDocumentedLayout) {
  std::vector<uint8_t> File;
  GUI_BMP_Serialize(_CollectByte, &File);
  ASSERT_EQ(File.size(), 54u + 960u * 272);
  EXPECT_EQ(Get32(File, 2), File.size());
  EXPECT_EQ(Get32(File, 10), 54u);
  EXPECT_EQ(Get32(File, 18), 480u);
  EXPECT_EQ(Get32(File, 22), 272u);
  std::vector<uint8_t> File12;
  GUI_BMP_SerializeExBpp(_CollectByte, 0, 0, 2, 2, &File12, 12);
  EXPECT_EQ(File12[28], 16);
  EXPECT_EQ(File12.size(), 54u + 4u * 2);
}

}  // namespace

namespace {

TEST_F(BmpTest, AlphaOfThirtyTwoBitFilesBlendsOnlyWhenEnabled) {
  // One row: opaque red, invisible green, half blue (alpha 255 = opaque in the file).
  std::vector<uint8_t> Row = {0, 0, 255, 255, 0, 255, 0, 0, 255, 0, 0, 128};
  auto File = MakeBmp(3, 1, 32, 0, {}, Row);
  GUI_SetBkColor(GUI_BLACK);
  GUI_Clear();
  ASSERT_EQ(GUI_BMP_Draw(File.data(), 0, 0), 0);
  auto Plain = Read(0, 0, 3, 1);
  EXPECT_EQ(Plain[1], OnDisplay(GUI_GREEN));
  EXPECT_EQ(Plain[2], OnDisplay(GUI_BLUE));
  GUI_Clear();
  GUI_BMP_EnableAlpha();
  ASSERT_EQ(GUI_BMP_Draw(File.data(), 0, 0), 0);
  GUI_BMP_DisableAlpha();
  auto Blended = Read(0, 0, 3, 1);
  EXPECT_EQ(Blended[0], OnDisplay(GUI_RED));
  EXPECT_EQ(Blended[1], OnDisplay(GUI_BLACK));
  EXPECT_EQ(Blended[2], OnDisplay(GUI__MixColors(GUI_BLUE, GUI_BLACK, 128)));
}

// Drawable objects of the image kinds draw and measure from their creation on, in a program that made no
// widget and installed nothing.
TEST_F(BmpTest, DrawableObjectsDrawImagesFromTheStart) {
  std::vector<GUI_COLOR> Pal = {GUI_RED, GUI_GREEN};
  auto File = MakeBmp(2, 3, 1, 0, Pal, {0x40, 0, 0, 0, 0x40, 0, 0, 0, 0x40, 0, 0, 0});
  GUI_HMEM hBmp = GUI_DRAWOBJ_CreateBMP(File.data(), 3, 4);
  EXPECT_EQ(GUI_DRAWOBJ_GetXSize(hBmp), 2);
  EXPECT_EQ(GUI_DRAWOBJ_GetYSize(hBmp), 3);
  GUI_DRAWOBJ_Draw(hBmp, 0, 10, 10);
  auto Shown = Read(13, 14, 2, 1);
  EXPECT_EQ(Shown[0], OnDisplay(GUI_RED));
  EXPECT_EQ(Shown[1], OnDisplay(GUI_GREEN));
  // Streamed bitmaps answer their size from the stream header.
  auto Stream = MakeStream(17, 1, 2, 3, 24, {}, 0, {0x00, 0x00, 0xFF, 0x00, 0x00, 0xFF});
  GUI_HMEM hStream = GUI_DRAWOBJ_CreateStreamedBitmap(Stream.data(), 0, 0);
  EXPECT_EQ(GUI_DRAWOBJ_GetXSize(hStream), 1);
  EXPECT_EQ(GUI_DRAWOBJ_GetYSize(hStream), 2);
  GUI_DRAWOBJ_Draw(hStream, 0, 20, 20);
  EXPECT_EQ(Read(20, 20, 1, 1)[0], OnDisplay(GUI_BLUE));
  // Bitmaps: offsets (2, -3) drawn at (30, 30) put the picture at (32, 27); none without a bitmap.
  EXPECT_EQ(GUI_DRAWOBJ_CreateBitmap(nullptr, 0, 0), 0);
  static const U8 acPixels[] = {0x40, 0x80};
  GUI_PALETTE BitmapPal = {2, 0, Pal.data()};
  GUI_BITMAP Bitmap = {2, 2, 1, 1, acPixels, &BitmapPal, nullptr};
  GUI_HMEM hBitmap = GUI_DRAWOBJ_CreateBitmap(&Bitmap, 2, -3);
  EXPECT_EQ(GUI_DRAWOBJ_GetXSize(hBitmap), 2);
  EXPECT_EQ(GUI_DRAWOBJ_GetYSize(hBitmap), 2);
  GUI_DRAWOBJ_Draw(hBitmap, 0, 30, 30);
  auto Top = Read(32, 27, 2, 1), Bottom = Read(32, 28, 2, 1);
  EXPECT_EQ(Top[0], OnDisplay(GUI_RED));
  EXPECT_EQ(Top[1], OnDisplay(GUI_GREEN));
  EXPECT_EQ(Bottom[0], OnDisplay(GUI_GREEN));
  EXPECT_EQ(Bottom[1], OnDisplay(GUI_RED));
  GUI_ALLOC_Free(hBmp);
  GUI_ALLOC_Free(hStream);
  GUI_ALLOC_Free(hBitmap);
}

}  // namespace
