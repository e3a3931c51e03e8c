// JPEG decoding against djpeg's integer inverse DCT: files that cjpeg and ImageMagick write from pictures the
// test makes (baseline and progressive; grey, 4:4:4, 4:2:2, 4:2:0; with and without restart markers; odd
// sizes; quality 50 to 100) decode to within kTolerance of djpeg over every pixel. Progressive files decode
// to the same pixels as their baseline twins, also in bands when the GUI heap is small.
//
// The tolerance: the inverse DCT passes rows before columns and the colour tables round their constants a
// little differently from djpeg's, which moves a channel by at most 3 steps (measured: 1 to 3); the mean
// difference stays below 0.25 (measured: up to 0.22).
#include "jpeg_TestSupport.h"

using namespace jpeg_test;

namespace {

constexpr int kTolerance = 3;
constexpr double kMeanTolerance = 0.25;

struct Case {
  const char* Tool;
  const char* Sampling;
  bool Progressive;
  int Restart;
  int XSize, YSize;
  int Quality;
};

std::string CaseName(const ::testing::TestParamInfo<Case>& Info) {
  const Case& c = Info.param;
  std::string s = std::string(c.Tool) + "_" + c.Sampling + (c.Progressive ? "_prog" : "_base") +
                  (c.Restart > 0 ? "_rst" + std::to_string(c.Restart) : "") +
                  (c.Restart < 0 ? "_rstmcu" + std::to_string(-c.Restart) : "") + "_" + std::to_string(c.XSize) + "x" +
                  std::to_string(c.YSize) + "_q" + std::to_string(c.Quality);
  for (char& ch : s) {
    ch = std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
  }
  return s;
}

std::vector<Case> AllCases() {
  std::vector<Case> v;
  const int aSize[][2] = {{1, 1}, {17, 9}, {801, 479}, {64, 48}};
  const int aQuality[] = {50, 75, 85, 100};
  int i = 0;
  for (const char* Tool : {"cjpeg", "convert"}) {
    for (const char* Sampling : {"grey", "1x1", "2x1", "2x2", "1x2"}) {
      if (std::string(Sampling) == "1x2" && std::string(Tool) == "convert") {
        continue;  // vertical-only subsampling is written by cjpeg
      }
      for (bool Progressive : {false, true}) {
        for (int Restart : {0, 1, -3}) {
          if (Restart && std::string(Tool) == "convert") {
            continue;  // restart intervals are written by cjpeg
          }
          for (const auto& Size : aSize) {
            v.push_back({Tool, Sampling, Progressive, Restart, Size[0], Size[1], aQuality[i++ % 4]});
          }
        }
      }
    }
  }
  return v;
}

class JpegDifferential : public JpegTest, public ::testing::WithParamInterface<Case> {};

TEST_P(JpegDifferential, MatchesDjpegOverEveryPixel) {
  const Case& c = GetParam();
  Picture Pic = MakePicture(c.XSize, c.YSize, uint32_t(c.XSize * 31 + c.Quality));
  std::vector<uint8_t> Jpeg = Encode(Pic, c.Tool, c.Sampling, c.Quality, c.Progressive, c.Restart);
  if (Jpeg.empty()) {
    GTEST_SKIP() << c.Tool << " is not installed";
  }
  Picture Ref = Reference(Jpeg);
  ASSERT_EQ(Ref.XSize, c.XSize) << "djpeg could not read the file";
  GUI_JPEG_INFO Info = {};
  ASSERT_EQ(GUI_JPEG_GetInfo(Jpeg.data(), int(Jpeg.size()), &Info), 0);
  EXPECT_EQ(Info.XSize, c.XSize);
  EXPECT_EQ(Info.YSize, c.YSize);
  int Result = -1;
  std::vector<GUI_COLOR> v = Decode(Jpeg, c.XSize, c.YSize, &Result);
  EXPECT_EQ(Result, 0);
  double Mean = 0;
  EXPECT_LE(MaxDiff(Ref, v, &Mean), kTolerance);
  EXPECT_LE(Mean, kMeanTolerance);
}

INSTANTIATE_TEST_SUITE_P(Files, JpegDifferential, ::testing::ValuesIn(AllCases()), CaseName);

// Progressive files hold the same coefficients as their baseline twins: the pixels are the same, whether the
// coefficients of the whole image fit into GUI memory or the image is decoded in bands.
class JpegProgressiveTwin : public JpegTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(JpegProgressiveTwin, EqualsBaselineWholeAndBanded) {
  const int XSize = 320, YSize = 200;
  Picture Pic = MakePicture(XSize, YSize, 5);
  std::vector<uint8_t> Base = Encode(Pic, "cjpeg", GetParam(), 85, false);
  std::vector<uint8_t> Prog = Encode(Pic, "cjpeg", GetParam(), 85, true);
  if (Base.empty() || Prog.empty()) {
    GTEST_SKIP() << "cjpeg is not installed";
  }
  std::vector<GUI_COLOR> vBase = Decode(Base, XSize, YSize);
  std::vector<GUI_COLOR> vProg = Decode(Prog, XSize, YSize);
  ASSERT_FALSE(vBase.empty());
  EXPECT_EQ(MaxDiff(vBase, vProg), 0);
  // A heap with room for the device and the row buffers but not for the coefficients of the whole image.
  TearDown();
  SetUpWithHeap(XSize * YSize * 4 + 160 * 1024);
  struct Counting {
    Source Src;
    int Passes = 0;  // requests from offset 0
  } c;
  c.Src.Data = Prog;
  c.Src.How = Source::POINT_AT;
  auto Get = [](void* p, const U8** pp, unsigned n, U32 Off) {
    Counting* pc = static_cast<Counting*>(p);
    pc->Passes += Off == 0;
    return GetData(&pc->Src, pp, n, Off);
  };
  int Result = -1;
  std::vector<GUI_COLOR> vBanded = Decode(Get, &c, XSize, YSize, &Result);
  EXPECT_EQ(Result, 0);
  EXPECT_EQ(MaxDiff(vBase, vBanded), 0);
  EXPECT_GE(c.Passes, 1 + 2) << "the size, then one pass per band";
  // Every banded draw gives back all it took, so later draws find the same room and still refine their AC
  // coefficients.
  I32 UsedBefore = GUI_ALLOC_GetNumUsedBytes();
  for (int Draw = 0; Draw < 6; Draw++) {
    Result = -1;
    EXPECT_EQ(MaxDiff(vBase, Decode(Get, &c, XSize, YSize, &Result)), 0) << "draw " << Draw;
    EXPECT_EQ(Result, 0) << "draw " << Draw;
    EXPECT_EQ(GUI_ALLOC_GetNumUsedBytes(), UsedBefore) << "draw " << Draw;
  }
  EXPECT_EQ(GUI_ALLOC__Check(), 0);
}

INSTANTIATE_TEST_SUITE_P(Samplings, JpegProgressiveTwin, ::testing::Values("grey", "1x1", "2x1", "2x2"),
                         [](const ::testing::TestParamInfo<const char*>& i) {
                           std::string s = i.param;
                           return s == "grey" ? s : "h" + s.substr(0, 1) + "v" + s.substr(2, 1);
                         });

}  // namespace
