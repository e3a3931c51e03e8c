// JPEG drawing: scaled drawing equals the unscaled decoding stepped by the test's own model of the scaling;
// every way a get-data routine may deliver gives the same pixels; damaged and unsupported files are refused
// with 1, draw nothing outside the image and at most what was decoded, and always end.
#include "jpeg_TestSupport.h"

#include <array>
#include <initializer_list>

using namespace jpeg_test;

namespace {

// Offset of the first marker FF Code at or after From (stuffed bytes and entropy data included); npos if none.
size_t FindMarker(const std::vector<uint8_t>& f, uint8_t Code, size_t From = 2) {
  for (size_t i = From; i + 1 < f.size(); i++) {
    if (f[i] == 0xFF && f[i + 1] == Code) {
      return i;
    }
  }
  return std::string::npos;
}

std::vector<uint8_t> Segment(uint8_t Code, const std::vector<uint8_t>& Payload) {
  std::vector<uint8_t> s = {0xFF, Code, uint8_t((Payload.size() + 2) >> 8), uint8_t(Payload.size() + 2)};
  s.insert(s.end(), Payload.begin(), Payload.end());
  return s;
}

std::vector<uint8_t> Concat(std::initializer_list<std::vector<uint8_t>> Parts) {
  std::vector<uint8_t> v;
  for (const auto& p : Parts) {
    v.insert(v.end(), p.begin(), p.end());
  }
  return v;
}

const std::vector<uint8_t> kSOI = {0xFF, 0xD8};
const std::vector<uint8_t> kEOI = {0xFF, 0xD9};

// A frame header of XSize x YSize with components {id, HV, quant}.
std::vector<uint8_t> SOF(uint8_t Code, int XSize, int YSize, std::vector<std::array<uint8_t, 3>> Comps) {
  std::vector<uint8_t> p = {8, uint8_t(YSize >> 8), uint8_t(YSize), uint8_t(XSize >> 8), uint8_t(XSize),
                            uint8_t(Comps.size())};
  for (auto& c : Comps) {
    p.insert(p.end(), c.begin(), c.end());
  }
  return Segment(Code, p);
}

// The test's own model of drawing scaled by Num / Denom: source items are stepped with an accumulator; rows
// take the item reached, columns the first item stepped over; each covers the target extent it reached.
struct Step {
  int Src, Extent;
};
std::vector<Step> Steps(int n, unsigned Num, unsigned Denom, bool FirstOfGroup) {
  std::vector<Step> v;
  uint64_t A = Denom / 2, T = Denom;
  int Src = 0;
  for (;;) {
    A += Num;
    int First = Src;
    while (A < T) {
      Src++;
      A += Num;
    }
    if (Src >= n) {
      break;
    }
    int Extent = 1;
    T += Denom;
    while (T <= A) {
      T += Denom;
      Extent++;
    }
    v.push_back({FirstOfGroup ? First : Src, Extent});
    Src++;
  }
  return v;
}

std::vector<GUI_COLOR> ScaleModel(const std::vector<GUI_COLOR>& Image, int XSize, int YSize, unsigned Num,
                                  unsigned Denom, int XOut, int YOut, GUI_COLOR Fill) {
  std::vector<GUI_COLOR> v(size_t(XOut) * YOut, Fill);
  int y = 0;
  for (Step Row : Steps(YSize, Num, Denom, false)) {
    int x = 0;
    for (Step Col : Steps(XSize, Num, Denom, true)) {
      for (int dy = 0; dy < Row.Extent; dy++) {
        for (int dx = 0; dx < Col.Extent; dx++) {
          if (x + dx < XOut && y + dy < YOut) {
            v[size_t(y + dy) * XOut + x + dx] = Image[size_t(Row.Src) * XSize + Col.Src];
          }
        }
      }
      x += Col.Extent;
    }
    y += Row.Extent;
  }
  return v;
}

// The scaled drawing's XOut x YOut rectangle, drawn with a margin of 2 pixels around it that must stay as it was.
std::vector<GUI_COLOR> DecodeScaled(const std::vector<uint8_t>& Jpeg, int XOut, int YOut, int Num, int Denom,
                                    int* pResult) {
  const int m = 2, XDev = XOut + 2 * m, YDev = YOut + 2 * m;
  GUI_HMEM hMem = GUI_MEMDEV_Create32(0, 0, XDev, YDev);
  GUI_MEMDEV_Select(hMem);
  GUI_SetBkColor(0x00FF00FF);
  GUI_Clear();
  GUI_SetColor(0x00654321);
  *pResult = GUI_JPEG_DrawScaled(Jpeg.data(), int(Jpeg.size()), m, m, Num, Denom);
  EXPECT_EQ(GUI_GetColor(), 0x00654321u) << "the foreground colour is restored";
  GUI_MEMDEV_Select(0);
  std::vector<GUI_COLOR> Dev = DevicePixels(hMem);
  GUI_MEMDEV_Delete(hMem);
  std::vector<GUI_COLOR> v;
  int Outside = 0;
  for (int y = 0; y < YDev; y++) {
    for (int x = 0; x < XDev; x++) {
      if (x >= m && x < m + XOut && y >= m && y < m + YOut) {
        v.push_back(Dev[size_t(y) * XDev + x]);
      } else {
        Outside += Dev[size_t(y) * XDev + x] != 0x00FF00FF;
      }
    }
  }
  EXPECT_EQ(Outside, 0) << "pixels drawn outside the " << XOut << " x " << YOut << " rectangle";
  return v;
}

class JpegDraw : public JpegTest {
 protected:
  void SetUp() override {
    JpegTest::SetUp();
    if (!HaveJpegTools()) {
      GTEST_SKIP() << "cjpeg is not installed";
    }
  }
  std::vector<uint8_t> Make(int XSize, int YSize, const char* Sampling, bool Progressive, int Restart = 0) {
    return Encode(MakePicture(XSize, YSize, 11), "cjpeg", Sampling, 80, Progressive, Restart);
  }
};

TEST_F(JpegDraw, ScaledDrawingFollowsTheSteppingModel) {
  const int XSize = 37, YSize = 23;
  for (const char* Sampling : {"grey", "2x2", "1x1"}) {
    for (bool Progressive : {false, true}) {
      std::vector<uint8_t> Jpeg = Make(XSize, YSize, Sampling, Progressive);
      std::vector<GUI_COLOR> Image = Decode(Jpeg, XSize, YSize);
      const unsigned aScale[][2] = {{1, 1}, {1, 2}, {2, 1}, {3, 4}, {5, 3}, {1, 3}, {7, 7}};
      for (const auto& s : aScale) {
        SCOPED_TRACE(std::string(Sampling) + (Progressive ? " progressive " : " baseline ") +
                     std::to_string(s[0]) + "/" + std::to_string(s[1]));
        int XOut = XSize * s[0] / s[1], YOut = YSize * s[0] / s[1];
        int Result = -1;
        std::vector<GUI_COLOR> v = DecodeScaled(Jpeg, XOut, YOut, int(s[0]), int(s[1]), &Result);
        EXPECT_EQ(Result, 0);
        EXPECT_EQ(v, ScaleModel(Image, XSize, YSize, s[0], s[1], XOut, YOut, 0x00FF00FF));
      }
    }
  }
  // Halving draws source lines 0, 2, 4 ... and in each the pixels 0, 1, 3, 5 ...
  std::vector<Step> Cols = Steps(8, 1, 2, true), Rows = Steps(8, 1, 2, false);
  EXPECT_EQ(Cols[1].Src, 1);
  EXPECT_EQ(Cols[2].Src, 3);
  EXPECT_EQ(Rows[1].Src, 2);
}

TEST_F(JpegDraw, EveryWayOfDeliveringGivesTheSamePixels) {
  for (bool Progressive : {false, true}) {
    std::vector<uint8_t> Jpeg = Make(180, 70, "2x2", Progressive, 2);
    ASSERT_GT(Jpeg.size(), 4096u) << "the file spans several pieces";
    std::vector<GUI_COLOR> Expected = Decode(Jpeg, 180, 70);
    for (Source::Kind How : {Source::COPY, Source::ONE_BYTE, Source::SHORT_READS}) {
      Source s;
      s.Data = Jpeg;
      s.How = How;
      int Result = -1;
      EXPECT_EQ(Decode(GetData, &s, 180, 70, &Result), Expected) << "delivery " << How;
      EXPECT_EQ(Result, 0);
    }
  }
}

// The image lands exactly on its rectangle: a 17 x 17 4:2:0 image (2 x 2 MCUs of 16 x 16) draws 17 lines of
// 17 pixels and nothing beside them.
TEST_F(JpegDraw, DrawsExactlyTheImageRectangle) {
  std::vector<uint8_t> Jpeg = Make(17, 17, "2x2", false);
  GUI_HMEM hMem = GUI_MEMDEV_Create32(0, 0, 40, 40);
  GUI_MEMDEV_Select(hMem);
  GUI_SetBkColor(0x00FF00FF);
  GUI_Clear();
  GUI_SetColor(0x00123456);
  EXPECT_EQ(GUI_JPEG_Draw(Jpeg.data(), int(Jpeg.size()), 5, 7), 0);
  EXPECT_EQ(GUI_GetColor(), 0x00123456u) << "the foreground colour is restored";
  GUI_MEMDEV_Select(0);
  std::vector<GUI_COLOR> v = DevicePixels(hMem);
  GUI_MEMDEV_Delete(hMem);
  std::vector<GUI_COLOR> Image = Decode(Jpeg, 17, 17);
  for (int y = 0; y < 40; y++) {
    for (int x = 0; x < 40; x++) {
      bool Inside = x >= 5 && x < 22 && y >= 7 && y < 24;
      GUI_COLOR Want = Inside ? Image[(y - 7) * 17 + x - 5] : 0x00FF00FF;
      ASSERT_EQ(v[y * 40 + x], Want) << x << "," << y;
    }
  }
}

// Drawn on the 16-bit display: the same colours as on a 32-bit device, in the display's rendering.
TEST_F(JpegDraw, DrawsOnTheDisplay) {
  std::vector<uint8_t> Jpeg = Make(30, 20, "grey", false);
  std::vector<GUI_COLOR> Image = Decode(Jpeg, 30, 20);
  EXPECT_EQ(GUI_JPEG_Draw(Jpeg.data(), int(Jpeg.size()), 100, 50), 0);
  std::vector<GUI_COLOR> v = Read(100, 50, 30, 20);
  for (size_t i = 0; i < v.size(); i++) {
    ASSERT_EQ(v[i], OnDisplay(Image[i])) << i;
    ASSERT_EQ(Image[i] & 0xFF, (Image[i] >> 8) & 0xFF) << "grey is drawn as equal red, green and blue";
  }
}

// Over a window that covers part of it, the image is drawn once per visible rectangle, each pass reading the
// stream again from its first byte, and the window keeps its pixels.
TEST_F(JpegDraw, EveryVisibleRectangleReadsTheStreamAgain) {
  std::vector<uint8_t> Jpeg = Make(40, 40, "2x2", false);
  WM_HWIN hWin = WM_CreateWindow(60, 60, 20, 20, WM_CF_SHOW, [](WM_MESSAGE* pMsg) { WM_DefaultProc(pMsg); }, 0);
  WM_SelectWindow(WM_GetDesktopWindow());
  std::vector<GUI_COLOR> Before = Read(60, 60, 20, 20);
  struct Counting {
    Source Src;
    int Passes = 0;
  } c;
  c.Src.Data = Jpeg;
  auto Get = [](void* p, const U8** pp, unsigned n, U32 Off) {
    Counting* pc = static_cast<Counting*>(p);
    pc->Passes += Off == 0;
    return GetData(&pc->Src, pp, n, Off);
  };
  EXPECT_EQ(GUI_JPEG_DrawEx(Get, &c, 50, 50), 0);
  EXPECT_GE(c.Passes, 1 + 2) << "the size, then one pass per visible rectangle";
  EXPECT_EQ(Read(60, 60, 20, 20), Before);
  std::vector<GUI_COLOR> Image = Decode(Jpeg, 40, 40);
  EXPECT_EQ(Read(50, 50, 1, 1)[0], OnDisplay(Image[0]));
  WM_DeleteWindow(hWin);
}

//
// Damaged and unsupported files
//

// A baseline file without its end marker draws every line but those of its last MCU row and reports 1.
TEST_F(JpegDraw, MissingEndDrawsAllButTheLastRow) {
  std::vector<uint8_t> Jpeg = Make(24, 32, "2x2", false);
  std::vector<GUI_COLOR> Image = Decode(Jpeg, 24, 32);
  std::vector<uint8_t> Cut(Jpeg.begin(), Jpeg.end() - 2);
  int Result = -1;
  std::vector<GUI_COLOR> v = Decode(Cut, 24, 32, &Result);
  EXPECT_EQ(Result, 1);
  EXPECT_TRUE(std::equal(v.begin(), v.begin() + 16 * 24, Image.begin()));
  EXPECT_TRUE(std::all_of(v.begin() + 16 * 24, v.end(), [](GUI_COLOR c) { return c == 0x00FF00FF; }));
}

// Cut anywhere, a file is refused or drawn partly, always within its rectangle, and the call ends. A baseline
// file draws only the MCU rows that its data completed, each as the whole file draws it.
TEST_F(JpegDraw, FilesCutAnywhereEndAndStayInTheirRectangle) {
  for (bool Progressive : {false, true}) {
    std::vector<uint8_t> Jpeg = Make(20, 12, "2x1", Progressive, 1);
    std::vector<GUI_COLOR> Image = Decode(Jpeg, 20, 12);
    for (size_t n = 0; n + 2 < Jpeg.size(); n += 7) {
      std::vector<uint8_t> Cut(Jpeg.begin(), Jpeg.begin() + n);
      GUI_HMEM hMem = GUI_MEMDEV_Create32(0, 0, 30, 20);
      GUI_MEMDEV_Select(hMem);
      GUI_SetBkColor(0x00FF00FF);
      GUI_Clear();
      int Result = GUI_JPEG_Draw(Cut.data(), int(Cut.size()), 2, 3);
      GUI_MEMDEV_Select(0);
      std::vector<GUI_COLOR> v = DevicePixels(hMem);
      GUI_MEMDEV_Delete(hMem);
      for (int y = 0; y < 20; y++) {
        for (int x = 0; x < 30; x++) {
          if (x < 2 || x >= 22 || y < 3 || y >= 15) {
            ASSERT_EQ(v[y * 30 + x], 0x00FF00FFu) << n << ": " << x << "," << y;
          }
        }
      }
      if (Progressive) {
        continue;  // a progressive image ends its scans where the stream ends and draws what its DC data reached
      }
      EXPECT_EQ(Result, 1) << n;
      int Drawn = 0;  // lines drawn, from the top
      while (Drawn < 12 && v[(3 + Drawn) * 30 + 2] != 0x00FF00FFu) {
        Drawn++;
      }
      EXPECT_EQ(Drawn % 8, 0) << n << ": whole MCU rows";
      for (int y = 0; y < 12; y++) {
        for (int x = 0; x < 20; x++) {
          ASSERT_EQ(v[(3 + y) * 30 + 2 + x], y < Drawn ? Image[y * 20 + x] : 0x00FF00FFu) << n << ": " << x << "," << y;
        }
      }
    }
  }
  EXPECT_EQ(GUI_ALLOC__Check(), 0);
}

// A frame that claims far more pixels than its data hold ends where its data end, whether a marker or the
// file's end comes first: no row that the data do not complete is drawn, the call fails, and the stream is
// read once, not once per band of a progressive frame too large to hold.
TEST_F(JpegDraw, ClaimedSizeBeyondTheDataEndsWithTheData) {
  for (bool Progressive : {false, true}) {
    std::vector<uint8_t> Jpeg = Make(32, 32, "2x2", Progressive);
    size_t Sof = FindMarker(Jpeg, Progressive ? 0xC2 : 0xC0);
    ASSERT_NE(Sof, std::string::npos);
    const int XSize = 8200, YSize = 11272;
    Jpeg[Sof + 5] = uint8_t(YSize >> 8);
    Jpeg[Sof + 6] = uint8_t(YSize);
    Jpeg[Sof + 7] = uint8_t(XSize >> 8);
    Jpeg[Sof + 8] = uint8_t(XSize);
    std::vector<uint8_t> Cut(Jpeg.begin(), Jpeg.end() - 2);  // no EOI: the data end with the file
    for (const auto* pFile : {&Jpeg, &Cut}) {
      std::string What = std::string(Progressive ? "progressive" : "baseline") + (pFile == &Cut ? ", cut" : "");
      Source s;
      s.Data = *pFile;
      ClearDisplay();
      EXPECT_EQ(GUI_JPEG_DrawEx(GetData, &s, 0, 0), 1) << What;
      EXPECT_TRUE(AllBackground(Read(0, 0, 480, 272))) << What;
      EXPECT_LE(s.NumCalls, 3) << What;
      s.NumCalls = 0;
      EXPECT_EQ(GUI_JPEG_DrawScaledEx(GetData, &s, 0, 0, 1, 40), 1) << What;
      EXPECT_TRUE(AllBackground(Read(0, 0, 480, 272))) << What;
      EXPECT_LE(s.NumCalls, 3) << What;
    }
  }
  EXPECT_EQ(GUI_ALLOC__Check(), 0);
}

// A wrongly numbered restart marker is passed over without resetting the predictors; decoding goes on, and
// only the MCUs behind it may differ.
TEST_F(JpegDraw, WrongRestartNumberDecodingGoesOn) {
  std::vector<uint8_t> Jpeg = Make(64, 16, "1x1", false, 1);
  std::vector<GUI_COLOR> Image = Decode(Jpeg, 64, 16);
  size_t Rst = FindMarker(Jpeg, 0xD0);
  ASSERT_NE(Rst, std::string::npos);
  std::vector<uint8_t> Bad = Jpeg;
  Bad[Rst + 1] = 0xD5;
  int Result = -1;
  std::vector<GUI_COLOR> v = Decode(Bad, 64, 16, &Result);
  EXPECT_EQ(Result, 0);
  EXPECT_TRUE(std::equal(v.begin(), v.begin() + 64 * 8, Image.begin())) << "the first MCU row is untouched";
}

// Huffman data that matches no code of its table ends the decoding, with failure: a scan cannot be followed
// past it. Nothing outside the image is touched and the heap stays sound.
TEST_F(JpegDraw, CodesMatchingNoSymbol) {
  for (bool Progressive : {false, true}) {
    std::vector<uint8_t> Jpeg = Make(32, 16, "grey", Progressive);
    // Every DC table becomes one code '0' of length 1 and the rest of length 16: most bit patterns of the
    // real data match nothing.
    for (size_t Off = FindMarker(Jpeg, 0xC4); Off != std::string::npos; Off = FindMarker(Jpeg, 0xC4, Off + 2)) {
      if ((Jpeg[Off + 4] & 0x10) == 0) {
        int n = 0;
        for (int i = 5; i < 21; i++) {
          n += Jpeg[Off + i];
          Jpeg[Off + i] = 0;
        }
        Jpeg[Off + 5] = 1;
        Jpeg[Off + 20] = uint8_t(n - 1);
      }
    }
    int Result = -1;
    std::vector<GUI_COLOR> v = Decode(Jpeg, 32, 16, &Result);
    EXPECT_EQ(Result, 1) << (Progressive ? "progressive" : "baseline");
    EXPECT_EQ(GUI_ALLOC__Check(), 0);
  }
}

TEST_F(JpegDraw, ProgressiveScanHeadersOutsideTheRules) {
  std::vector<uint8_t> Jpeg = Make(16, 16, "1x1", true);
  // The first AC scan (Ss > 0) gets a spectral end beyond 63, then two components.
  size_t Sos = FindMarker(Jpeg, 0xDA);
  while (Sos != std::string::npos && Jpeg[Sos + 4] != 1) {
    Sos = FindMarker(Jpeg, 0xDA, Sos + 2);
  }
  ASSERT_NE(Sos, std::string::npos);
  std::vector<uint8_t> Bad = Jpeg;
  Bad[Sos + 8] = 64;
  int Result = -1;
  Decode(Bad, 16, 16, &Result);
  EXPECT_EQ(Result, 1) << "spectral selection past 63";
  Bad = Jpeg;
  Bad[Sos + 7] = 9;  // Ss 9 > Se
  Bad[Sos + 8] = 5;
  Decode(Bad, 16, 16, &Result);
  EXPECT_EQ(Result, 1) << "spectral start behind its end";
}

// Headers built by hand: what the marker loop refuses and what it passes.
TEST_F(JpegDraw, HeaderSegments) {
  GUI_JPEG_INFO Info;
  auto Info1 = [&](const std::vector<uint8_t>& f) {
    Info = {-1, -1};
    return GUI_JPEG_GetInfo(f.data(), int(f.size()), &Info);
  };
  const auto Grey = SOF(0xC0, 8, 8, {{{1, 0x11, 0}}});
  EXPECT_EQ(Info1(Concat({kSOI, Grey, kEOI})), 0);
  EXPECT_EQ(Info.XSize, 8);
  // No SOI, nothing at all.
  EXPECT_EQ(Info1(Concat({Grey, kEOI})), 1);
  EXPECT_EQ(Info1({}), 1);
  // A lossless or arithmetic frame, or EOI before any frame: success without a size.
  for (uint8_t Code : {0xC3, 0xC9, 0xD9}) {
    EXPECT_EQ(Info1(Concat({kSOI, SOF(Code, 8, 8, {{{1, 0x11, 0}}})})), 0);
    EXPECT_EQ(Info.XSize, 0);
  }
  // Huffman counts adding up to 256, a table byte beyond the slots.
  std::vector<uint8_t> Dht(1 + 16 + 256, 0);
  Dht[16] = 255;
  Dht[15] = 1;
  EXPECT_EQ(Info1(Concat({kSOI, Segment(0xC4, Dht), Grey})), 1);
  std::vector<uint8_t> Dht1 = {0x14, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 7};
  EXPECT_EQ(Info1(Concat({kSOI, Segment(0xC4, Dht1), Grey})), 1);
  Dht1[0] = 0x05;  // DC table 5 is a valid slot
  EXPECT_EQ(Info1(Concat({kSOI, Segment(0xC4, Dht1), Grey})), 0);
  // A quantisation segment whose rest does not add up; a selector beyond 3.
  std::vector<uint8_t> Dqt(66, 1);
  Dqt[0] = 0;
  EXPECT_EQ(Info1(Concat({kSOI, Segment(0xDB, Dqt), Grey})), 1);
  Dqt.pop_back();
  EXPECT_EQ(Info1(Concat({kSOI, Segment(0xDB, Dqt), Grey})), 0);
  Dqt[0] = 4;
  EXPECT_EQ(Info1(Concat({kSOI, Segment(0xDB, Dqt), Grey})), 1);
  // APP14 too short, or with a transform other than YCbCr.
  std::vector<uint8_t> App14(12, 0);
  EXPECT_EQ(Info1(Concat({kSOI, Segment(0xEE, std::vector<uint8_t>(11, 1)), Grey})), 1);
  EXPECT_EQ(Info1(Concat({kSOI, Segment(0xEE, App14), Grey})), 1);
  App14[11] = 1;
  EXPECT_EQ(Info1(Concat({kSOI, Segment(0xEE, App14), Grey})), 0);
  // A restart marker outside entropy data; a restart interval segment of the wrong length.
  EXPECT_EQ(Info1(Concat({kSOI, {0xFF, 0xD3}, Grey})), 1);
  EXPECT_EQ(Info1(Concat({kSOI, Segment(0xDD, {0, 1, 0}), Grey})), 1);
  // A segment whose length runs past the data: the skip ends with the source.
  EXPECT_EQ(Info1(Concat({kSOI, {0xFF, 0xE1, 0xFF, 0xFF, 1, 2, 3}})), 1);
  // Frame headers: size 0, more than four components, a length that does not match.
  EXPECT_EQ(Info1(Concat({kSOI, SOF(0xC0, 0, 8, {{{1, 0x11, 0}}})})), 1);
  EXPECT_EQ(Info1(Concat({kSOI, SOF(0xC0, 8, 8, std::vector<std::array<uint8_t, 3>>(5, {1, 0x11, 0}))})), 1);
  auto Short = Grey;
  Short[3]--;
  EXPECT_EQ(Info1(Concat({kSOI, Short})), 1);
  EXPECT_EQ(GUI_ALLOC__Check(), 0);
}

// A grey frame whose component claims sampling factors 2 x 2 is still drawn in 8 x 8 blocks, the same pixels.
TEST_F(JpegDraw, GreyFrameWithSamplingFactors) {
  for (bool Progressive : {false, true}) {
    std::vector<uint8_t> Jpeg = Make(21, 13, "grey", Progressive);
    size_t Sof = FindMarker(Jpeg, Progressive ? 0xC2 : 0xC0);
    ASSERT_NE(Sof, std::string::npos);
    std::vector<uint8_t> Sampled = Jpeg;
    Sampled[Sof + 11] = 0x22;
    int Result = -1;
    EXPECT_EQ(Decode(Sampled, 21, 13, &Result), Decode(Jpeg, 21, 13));
    EXPECT_EQ(Result, 0);
  }
}

// Frames the decoder does not draw are refused at set-up and draw nothing.
TEST_F(JpegDraw, UnsupportedFramesAreRefused) {
  std::vector<uint8_t> Jpeg = Make(16, 16, "2x2", false);
  size_t Sof = FindMarker(Jpeg, 0xC0);
  ASSERT_NE(Sof, std::string::npos);
  auto Refused = [&](const std::vector<uint8_t>& f) {
    int Result = -1;
    std::vector<GUI_COLOR> v = Decode(f, 16, 16, &Result);
    return Result == 1 && std::all_of(v.begin(), v.end(), [](GUI_COLOR c) { return c == 0x00FF00FF; });
  };
  std::vector<uint8_t> Bad = Jpeg;
  Bad[Sof + 11] = 0x31;  // luminance 3 x 1
  EXPECT_TRUE(Refused(Bad));
  Bad = Jpeg;
  Bad[Sof + 14] = 0x21;  // chroma 2 x 1
  EXPECT_TRUE(Refused(Bad));
  Bad = Jpeg;
  Bad[Sof + 11] = 0x00;  // sampling factor 0
  EXPECT_TRUE(Refused(Bad));
  Bad = Jpeg;
  Bad[Sof + 4] = 12;  // 12-bit samples
  EXPECT_TRUE(Refused(Bad));
  // The scan names DC table 9 (beyond the slots) or table 3 that no segment defined.
  size_t Sos = FindMarker(Jpeg, 0xDA);
  Bad = Jpeg;
  Bad[Sos + 6] = 0x90;
  EXPECT_TRUE(Refused(Bad));
  Bad = Jpeg;
  Bad[Sos + 6] = 0x33;
  EXPECT_TRUE(Refused(Bad));
  // A scan naming a component the frame does not have.
  Bad = Jpeg;
  Bad[Sos + 5] = 77;
  EXPECT_TRUE(Refused(Bad));
  // Two components.
  std::vector<uint8_t> Two = Concat({kSOI, SOF(0xC0, 16, 16, {{{1, 0x11, 0}, {2, 0x11, 0}}}), kEOI});
  EXPECT_TRUE(Refused(Two));
}

}  // namespace
