// GIF decoder: files that giflib and ImageMagick write (animations with every disposal, interlaced,
// transparent, local colour tables, odd sizes, 1 to 8 bits per pixel) draw sub-image by sub-image the pixels
// of giflib's own decoding composited as the decoder composites; bad files draw at most what they held and
// report failure.
#include "image_TestSupport.h"

#include "GUI_GIF.h"

#include <functional>
#include <map>
#include <memory>

#ifdef SIM_HAVE_GIFLIB
#include "gif_TestSupport.h"
#endif

using namespace image_test;

namespace {

constexpr int kX = 7, kY = 5, kRW = 120, kRH = 90;  // where the screen goes, the area compared
constexpr GUI_COLOR kGifBk = 0x00605040;

// A picture of runs and noise in n colours.
std::vector<uint8_t> Pixels(int w, int h, int NumColors, uint32_t Seed) {
  std::vector<uint8_t> r = Bytes(size_t(w) * h, Seed), v(size_t(w) * h);
  for (size_t i = 0; i < v.size(); i++) {
    v[i] = uint8_t((r[i] < 128 && i ? v[i - 1] : r[i]) % NumColors);
  }
  return v;
}

std::vector<uint32_t> Palette(int n, uint32_t Seed) {
  std::vector<uint32_t> p;
  for (int i = 0; i < n; i++) {
    Seed = Seed * 1664525u + 1013904223u;
    p.push_back(Seed >> 8);
  }
  return p;
}

// The picture painted in a window of its logical screen's size at kX, kY, under small windows that keep what
// lies below them: over its top rows and across its middle. The window's paint draws once per visible rectangle,
// each of which shows part of the screen.
class CoveredWindow {
 public:
  static constexpr GUI_RECT kCovers[] = {{kX + 2, kY, kX + 11, kY + 2},
                                         {kX + 20, kY - 2, kX + 27, kY + 3},
                                         {kX + 36, kY + 1, kX + 40, kY + 2},
                                         {kX + 10, kY + 16, kX + 21, kY + 19}};

  CoveredWindow(int W, int H) {
    _hWin = WM_CreateWindow(kX, kY, W, H, WM_CF_SHOW, _cbPicture, 0);
    for (const GUI_RECT& r : kCovers) {
      _aCover.push_back(WM_CreateWindow(r.x0, r.y0, r.x1 - r.x0 + 1, r.y1 - r.y0 + 1, WM_CF_SHOW, _cbCover, 0));
    }
  }
  ~CoveredWindow() {
    for (WM_HWIN h : _aCover) {
      WM_DeleteWindow(h);
    }
    WM_DeleteWindow(_hWin);
  }

  // The results of the draws of one paint of the window.
  std::vector<int> Paint(std::function<int()> Draw) {
    _Draw = std::move(Draw);
    _Results.clear();
    WM_InvalidateWindow(_hWin);
    WM_Exec();
    return _Results;
  }

  static bool Hides(int x, int y) {
    for (const GUI_RECT& r : kCovers) {
      if (x >= r.x0 && x <= r.x1 && y >= r.y0 && y <= r.y1) {
        return true;
      }
    }
    return false;
  }

 private:
  static void _cbPicture(WM_MESSAGE* pMsg) {
    if (pMsg->MsgId == WM_PAINT) {
      GUI_SetBkColor(kGifBk);  // a paint starts from the default attributes
      _Results.push_back(_Draw());
    } else {
      WM_DefaultProc(pMsg);
    }
  }
  static void _cbCover(WM_MESSAGE* pMsg) {
    if (pMsg->MsgId != WM_PAINT) {
      WM_DefaultProc(pMsg);
    }
  }

  WM_HWIN _hWin;
  std::vector<WM_HWIN> _aCover;
  static inline std::function<int()> _Draw;
  static inline std::vector<int> _Results;
};

class GifTest : public ImageTest {
 protected:
  void SetUp() override {
    ImageTest::SetUp();
    GUI_GIF_SetDrawBackground(1);
  }

  static void Start() {
    ClearDisplay();
    GUI_SetBkColor(kGifBk);
  }

  static int DrawSub(const std::vector<uint8_t>& Gif, int Index, Source::Kind How, int x = kX, int y = kY) {
    if (How == Source::POINT_AT) {
      return GUI_GIF_DrawSub(Gif.data(), U32(Gif.size()), x, y, Index);
    }
    Source Src;
    Src.Data = Gif;
    Src.How = How;
    return GUI_GIF_DrawSubEx(GetData, &Src, x, y, Index);
  }

#ifdef SIM_HAVE_GIFLIB
  // giflib's images composited as the decoder does for sub-image n drawn over what is shown.
  static void Compose(std::vector<GUI_COLOR>& Canvas, const std::vector<gif_test::Image>& Images, size_t n,
                      int W, int H, bool DrawBk) {
    const gif_test::Image& im = Images[n];
    GUI_COLOR Bk = OnDisplay(kGifBk);
    bool Bg = im.Disposal == 2 && DrawBk;
    auto Put = [&](int sx, int sy, GUI_COLOR c) {
      if (sx >= 0 && sy >= 0 && sx < W && sy < H && kX + sx < kRW && kY + sy < kRH) {
        Canvas[size_t(kY + sy) * kRW + kX + sx] = c;
      }
    };
    if (Bg && n > 0) {
      const gif_test::Image& p = Images[n - 1];
      for (int y = p.y; y < p.y + p.h; y++) {
        for (int x = p.x; x < p.x + p.w; x++) {
          if (!(x >= im.x && x < im.x + im.w && y >= im.y && y < im.y + im.h)) {
            Put(x, y, Bk);
          }
        }
      }
    }
    for (int j = 0; j < im.h; j++) {
      for (int i = 0; i < im.w; i++) {
        int v = im.Pixels[size_t(j) * im.w + i];
        if (v == im.Trans) {
          if (Bg) {
            Put(im.x + i, im.y + j, Bk);
          }
          continue;
        }
        Put(im.x + i, im.y + j, OnDisplay(im.Colors[v]));
      }
    }
  }

  // Covered: painted in a CoveredWindow, compared where the covers leave it visible.
  void ExpectSameAsGiflib(const std::vector<uint8_t>& Gif, const std::string& What,
                          Source::Kind How = Source::POINT_AT, bool DrawBk = true, bool Covered = false) {
    int W = 0, H = 0;
    std::vector<gif_test::Image> Images = gif_test::Read(Gif, &W, &H);
    ASSERT_FALSE(Images.empty()) << What << ": giflib refuses the file";
    GUI_GIF_SetDrawBackground(DrawBk);
    Start();
    std::unique_ptr<CoveredWindow> Window(Covered ? new CoveredWindow(W, H) : nullptr);
    std::vector<GUI_COLOR> Canvas = Read(0, 0, kRW, kRH);
    for (size_t n = 0; n < Images.size(); n++) {
      if (Window) {
        std::vector<int> Results = Window->Paint([&] { return DrawSub(Gif, int(n), How, 0, 0); });
        ASSERT_GE(Results.size(), 6u);
        ASSERT_EQ(Results, std::vector<int>(Results.size(), 0)) << What << ", sub-image " << n;
      } else {
        ASSERT_EQ(DrawSub(Gif, int(n), How), 0) << What << ", sub-image " << n;
      }
      Compose(Canvas, Images, n, W, H, DrawBk);
      std::vector<GUI_COLOR> Shown = Read(0, 0, kRW, kRH);
      for (size_t i = 0; i < Shown.size(); i++) {
        if (Window && CoveredWindow::Hides(int(i % kRW), int(i / kRW))) {
          continue;
        }
        ASSERT_EQ(Shown[i], Canvas[i]) << What << ", sub-image " << n << ", delivery " << How << ": pixel "
                                       << int(i % kRW) - kX << "," << int(i / kRW) - kY << " of the screen";
      }
    }
    GUI_GIF_INFO Info;
    EXPECT_EQ(GUI_GIF_GetInfo(Gif.data(), U32(Gif.size()), &Info), 0);
    EXPECT_EQ(Info.NumImages, int(Images.size()));
    EXPECT_EQ(Info.xSize, W);
    EXPECT_EQ(Info.ySize, H);
  }

#endif
};

#ifdef SIM_HAVE_GIFLIB

// An animation with every disposal, transparency, local tables of every size, interlaced images and an image
// without a table of its own after one with it (it takes the global table).
gif_test::File Animation() {
  gif_test::File f;
  f.w = 53, f.h = 37;
  f.GlobalColors = Palette(256, 1);
  f.Comments = {"first comment", "second"};
  auto Add = [&](int x, int y, int w, int h, int Bits, bool Interlaced, int Disposal, int Trans, int Seed) {
    gif_test::Frame fr;
    fr.x = x, fr.y = y, fr.w = w, fr.h = h, fr.Interlaced = Interlaced, fr.Disposal = Disposal, fr.Trans = Trans;
    fr.Delay = 10 + Seed;
    int n = Bits ? 1 << Bits : 256;
    if (Bits) {
      fr.LocalColors = Palette(n, Seed * 7 + 3);
    }
    fr.Pixels = Pixels(w, h, n, Seed);
    f.Frames.push_back(fr);
  };
  Add(0, 0, 53, 37, 0, false, 1, -1, 1);    // the whole screen, global colours
  Add(5, 3, 21, 17, 1, false, 0, 1, 2);     // 1 bit, index 1 transparent
  Add(9, 11, 30, 20, 2, true, 2, 0, 3);     // 2 bits, interlaced, restore to background
  Add(1, 2, 13, 9, 0, false, 2, 7, 4);      // global table again, restore to background
  Add(40, 30, 13, 7, 3, false, 3, -1, 5);   // 3 bits, restore previous (nothing to do when drawing)
  Add(2, 1, 50, 35, 4, true, -1, -1, 6);    // 4 bits, interlaced, no control extension
  Add(0, 0, 1, 1, 5, false, 1, -1, 7);      // a single pixel, 5 bits
  Add(17, 4, 36, 1, 6, false, 2, 5, 8);     // one row, 6 bits
  Add(30, 0, 1, 37, 7, true, 1, 2, 9);      // one column, 7 bits, interlaced
  Add(3, 5, 47, 31, 8, false, 2, 200, 10);  // 8 bits
  return f;
}

TEST_F(GifTest, GiflibAnimationDrawsGiflibsPixelsSubImageBySubImageEveryDeliveryAndBackgroundSetting) {
  std::vector<uint8_t> Gif = gif_test::Write(Animation());
  ASSERT_GT(Gif.size(), 100u);
  for (Source::Kind How : {Source::POINT_AT, Source::COPY, Source::ONE_BYTE, Source::SHORT_READS}) {
    ExpectSameAsGiflib(Gif, "giflib animation", How);
  }
  ExpectSameAsGiflib(Gif, "giflib animation, no background", Source::POINT_AT, false);
  ExpectSameAsGiflib(Gif, "giflib animation under windows", Source::POINT_AT, true, true);
  ExpectSameAsGiflib(Gif, "giflib animation under windows", Source::ONE_BYTE, true, true);
}

TEST_F(GifTest, EveryDepthInterlacedAndOddSizesFromGiflib) {
  for (int Bits = 1; Bits <= 8; Bits++) {
    for (bool Interlaced : {false, true}) {
      gif_test::File f;
      f.w = 3 + 7 * Bits, f.h = 1 + 5 * Bits;
      f.GlobalColors = Palette(1 << Bits, Bits);
      gif_test::Frame fr;
      fr.w = f.w, fr.h = f.h, fr.Interlaced = Interlaced;
      fr.Pixels = Pixels(f.w, f.h, 1 << Bits, Bits);
      f.Frames = {fr};
      ExpectSameAsGiflib(gif_test::Write(f), "depth " + std::to_string(Bits) + (Interlaced ? ", interlaced" : ""));
    }
  }
}

TEST_F(GifTest, QueriesAnswerFromTheFile) {
  std::vector<uint8_t> Gif = gif_test::Write(Animation());
  U32 n = U32(Gif.size());
  EXPECT_EQ(GUI_GIF_GetXSize(Gif.data()), 53);
  EXPECT_EQ(GUI_GIF_GetYSize(Gif.data()), 37);
  GUI_GIF_IMAGE_INFO Info = {};
  ASSERT_EQ(GUI_GIF_GetImageInfo(Gif.data(), n, &Info, 2), 0);
  EXPECT_EQ(Info.xPos, 9);
  EXPECT_EQ(Info.yPos, 11);
  EXPECT_EQ(Info.xSize, 30);
  EXPECT_EQ(Info.ySize, 20);
  EXPECT_EQ(Info.Delay, 13);
  ASSERT_EQ(GUI_GIF_GetImageInfo(Gif.data(), n, &Info, 5), 0);
  EXPECT_EQ(Info.Delay, 0);  // no control extension in front of it
  GUI_GIF_IMAGE_INFO Untouched = {-1, -1, -1, -1, -1};
  EXPECT_EQ(GUI_GIF_GetImageInfo(Gif.data(), n, &Untouched, 10), 1);  // there is no eleventh image
  EXPECT_EQ(Untouched.xPos, -1);
  U8 aBuffer[32] = {};
  ASSERT_EQ(GUI_GIF_GetComment(Gif.data(), n, aBuffer, 5, 0), 0);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(aBuffer)), "first");
  ASSERT_EQ(GUI_GIF_GetComment(Gif.data(), n, aBuffer, sizeof(aBuffer), 1), 0);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(aBuffer), 6), "second");
  EXPECT_EQ(GUI_GIF_GetComment(Gif.data(), n, aBuffer, sizeof(aBuffer), 2), 1);
  Source Src;
  Src.Data = Gif;
  Src.How = Source::ONE_BYTE;
  GUI_GIF_INFO GifInfo;
  EXPECT_EQ(GUI_GIF_GetInfoEx(GetData, &Src, &GifInfo), 0);
  EXPECT_EQ(GifInfo.NumImages, 10);
  EXPECT_EQ(GUI_GIF_GetXSizeEx(GetData, &Src), 53);
  // Drawing an image beyond the last draws nothing and fails.
  Start();
  auto Before = Read(0, 0, kRW, kRH);
  EXPECT_EQ(DrawSub(Gif, 10, Source::POINT_AT), 1);
  EXPECT_EQ(Read(0, 0, kRW, kRH), Before);
}

TEST_F(GifTest, ScaledDrawingTakesTheNearestPixel) {
  gif_test::File f;
  f.w = 19, f.h = 13;
  f.GlobalColors = Palette(16, 5);
  gif_test::Frame fr;
  fr.x = 2, fr.y = 1, fr.w = 15, fr.h = 11, fr.Disposal = 1, fr.Trans = 3, fr.Interlaced = true;
  fr.Pixels = Pixels(15, 11, 16, 9);
  f.Frames = {fr};
  std::vector<uint8_t> Gif = gif_test::Write(f);
  std::vector<gif_test::Image> Images = gif_test::Read(Gif);
  ASSERT_EQ(Images.size(), 1u);
  const gif_test::Image& im = Images[0];
  for (auto [Num, Denom] : {std::pair{1, 1}, std::pair{2, 1}, std::pair{5, 3}, std::pair{1, 2}, std::pair{2, 3}}) {
    Start();
    ASSERT_EQ(GUI_GIF_DrawSubScaled(Gif.data(), U32(Gif.size()), kX, kY, 0, Num, Denom), 0);
    auto Shown = Read(0, 0, kRW, kRH);
    auto Map = [&](int v) { return (v * Num + Denom / 2) / Denom; };
    for (int ty = 0; ty < kRH; ty++) {
      for (int tx = 0; tx < kRW; tx++) {
        GUI_COLOR Want = OnDisplay(kBk);
        for (int j = 0; j < im.h; j++) {
          for (int i = 0; i < im.w; i++) {
            int v = im.Pixels[j * im.w + i];
            if (v != im.Trans && tx - kX >= Map(im.x + i) && tx - kX < Map(im.x + i + 1) &&
                ty - kY >= Map(im.y + j) && ty - kY < Map(im.y + j + 1)) {
              Want = OnDisplay(im.Colors[v]);
            }
          }
        }
        ASSERT_EQ(Shown[ty * kRW + tx], Want) << Num << "/" << Denom << " at " << tx << "," << ty;
      }
    }
  }
}

TEST_F(GifTest, BadFilesDrawAtMostWhatTheyHeldAndFail) {
  gif_test::File f = Animation();
  f.Frames.resize(1);
  std::vector<uint8_t> Gif = gif_test::Write(f);
  Start();
  ASSERT_EQ(DrawSub(Gif, 0, Source::POINT_AT), 0);
  auto Full = Read(0, 0, kRW, kRH);
  Start();
  auto Empty = Read(0, 0, kRW, kRH);
  // Cut anywhere: never a pixel that the whole file would not show.
  for (size_t Cut = 0; Cut + 1 < Gif.size(); Cut += Cut < 900 ? 97 : 401) {
    std::vector<uint8_t> Short(Gif.begin(), Gif.begin() + Cut);
    for (Source::Kind How : {Source::POINT_AT, Source::ONE_BYTE}) {
      Start();
      EXPECT_EQ(DrawSub(Short, 0, How), 1) << "cut at " << Cut;
      auto Shown = Read(0, 0, kRW, kRH);
      for (size_t i = 0; i < Shown.size(); i++) {
        ASSERT_TRUE(Shown[i] == Full[i] || Shown[i] == Empty[i]) << "cut at " << Cut;
      }
    }
  }
  // Cut behind any complete data sub-block, the file ends inside the image. The result does not depend on what
  // is visible: with only the picture's top rows inside the clip rectangle, the rows missing below are missing
  // all the same.
  size_t Off = 13 + 3 * 256;
  while (Off < Gif.size() && Gif[Off] == 0x21) {  // extensions in front of the image
    for (Off += 2; Off < Gif.size() && Gif[Off]; Off += Gif[Off] + 1) {
    }
    Off++;
  }
  ASSERT_LT(Off, Gif.size());
  ASSERT_EQ(Gif[Off], 0x2C);
  const GUI_RECT TopRows = {0, 0, kRW, kY + 2};
  int NumCuts = 0;
  for (Off += 10 + 1; Off < Gif.size() && Gif[Off]; Off += Gif[Off] + 1) {
    if (Off + Gif[Off] + 1 >= Gif.size() || !Gif[Off + Gif[Off] + 1]) {
      break;  // the last sub-block: a file cut behind it holds every pixel
    }
    std::vector<uint8_t> Short(Gif.begin(), Gif.begin() + Off + Gif[Off] + 1);
    for (const GUI_RECT* pClip : {static_cast<const GUI_RECT*>(nullptr), &TopRows}) {
      std::string What = "cut at " + std::to_string(Short.size()) + (pClip ? ", top rows visible" : "");
      WM_SetUserClipRect(pClip);
      EXPECT_EQ(DrawSub(Short, 0, Source::POINT_AT), 1) << What;
      EXPECT_EQ(GUI_GIF_DrawSubScaled(Short.data(), U32(Short.size()), kX, kY, 0, 3, 2), 1) << What << ", scaled";
      WM_SetUserClipRect(nullptr);
    }
    // Painted under windows, once per visible rectangle: each draw fails, though most stop above the cut.
    std::vector<int> Results =
        CoveredWindow(f.w, f.h).Paint([&] { return DrawSub(Short, 0, Source::POINT_AT, 0, 0); });
    EXPECT_EQ(Results, std::vector<int>(Results.size(), 1)) << "cut at " << Short.size() << ", under windows";
    NumCuts++;
  }
  EXPECT_GE(NumCuts, 3);
  // Damaged LZW data: every byte of the first data block flipped in turn.
  size_t Data = 13 + 3 * 256 + 2 + 5 + 2 + 14 + 10 + 2;  // header, table, comments, image descriptor, code size
  for (size_t i = Data; i < Data + 120 && i < Gif.size(); i++) {
    std::vector<uint8_t> Bad = Gif;
    Bad[i] ^= 0xA5;
    Start();
    DrawSub(Bad, 0, Source::POINT_AT);  // may draw or fail; must stay inside its buffers
  }
  // Refused before anything is drawn: another signature, a screen beyond 2000 pixels.
  for (auto Patch : {std::pair{4, '8'}, std::pair{7, char(0x08)}}) {
    std::vector<uint8_t> Bad = Gif;
    Bad[Patch.first] = uint8_t(Patch.second);
    Start();
    EXPECT_EQ(DrawSub(Bad, 0, Source::POINT_AT), 1);
    EXPECT_EQ(Read(0, 0, kRW, kRH), Empty);
  }
}

#endif  // SIM_HAVE_GIFLIB

// Hand-made data: a code past the table, a root code size that needs codes of 13 bits, an unknown extension.
TEST_F(GifTest, LzwCodesBeyondTheTableAndOversizedCodeSizesAreBadData) {
  auto Make = [](std::vector<uint8_t> Data, uint8_t CodeSize) {
    std::vector<uint8_t> g = {'G', 'I', 'F', '8', '9', 'a', 4, 0, 1, 0, 0x80, 0, 0, 0, 0, 0, 255, 255, 255,
                              0x2C, 0, 0, 0, 0, 4, 0, 1, 0, 0, CodeSize, uint8_t(Data.size())};
    for (uint8_t b : Data) {
      g.push_back(b);
    }
    g.push_back(0);
    g.push_back(0x3B);
    return g;
  };
  // Code size 2 (3-bit codes): clear (4), pixel 1, code 6 (the next free one: 1, 1), pixel 1, end (5, now 4
  // bits wide); the bad one has code 7 while the next free code is 6.
  std::vector<uint8_t> Good = Make({0x8C, 0x53}, 2), PastTable = Make({0xCC, 0x01}, 2);
  Start();
  EXPECT_EQ(DrawSub(Good, 0, Source::POINT_AT), 0);
  GUI_COLOR White = OnDisplay(GUI_WHITE);
  EXPECT_EQ(Read(kX, kY, 4, 1), std::vector<GUI_COLOR>(4, White));
  Start();
  EXPECT_EQ(DrawSub(PastTable, 0, Source::POINT_AT), 1);
  EXPECT_EQ(Read(kX, kY, 1, 1), std::vector<GUI_COLOR>(1, White));  // what was decoded before stays
  EXPECT_EQ(DrawSub(Make({0x8C, 0x53}, 12), 0, Source::POINT_AT), 1);
  std::vector<uint8_t> UnknownExt = Good;
  UnknownExt.insert(UnknownExt.begin() + 19, {0x21, 0x77, 0});
  EXPECT_EQ(DrawSub(UnknownExt, 0, Source::POINT_AT), 1);
}

// LZW data of Pixels at the given root code size, in data sub-blocks with their terminator: a clear code first,
// then the codes of a greedy encoder, each as wide as a decoder reads it (wider once the next free code needs
// another bit, counted from the code behind the clear code on), then the end code after NumCodes codes (all
// when negative). Pictures small enough that the table never fills.
std::vector<uint8_t> Lzw(const std::vector<uint8_t>& Pixels, int RootSize, int NumCodes = -1) {
  const int Clear = 1 << RootSize;
  std::map<std::pair<int, int>, int> Table;
  int Next = Clear + 2;  // the encoder's next entry; the decoder makes each one a code later
  int Width = RootSize + 1, Made = Clear + 2, Codes = 0;
  std::vector<uint8_t> Data;
  uint32_t Acc = 0;
  int NumBits = 0;
  auto Put = [&](int Code) {
    Acc |= uint32_t(Code) << NumBits;
    for (NumBits += Width; NumBits >= 8; NumBits -= 8) {
      Data.push_back(uint8_t(Acc));
      Acc >>= 8;
    }
  };
  auto PutCode = [&](int Code) {
    Put(Code);
    if (Codes++) {
      Made++;  // the decoder's entry of the code before
    }
    if (Made >= 1 << Width && Width < 12) {
      Width++;
    }
  };
  Put(Clear);
  int Cur = Pixels[0];
  for (size_t i = 1; i < Pixels.size() && Codes != NumCodes; i++) {
    auto It = Table.find({Cur, Pixels[i]});
    if (It != Table.end()) {
      Cur = It->second;
      continue;
    }
    PutCode(Cur);
    Table[{Cur, Pixels[i]}] = Next++;
    Cur = Pixels[i];
  }
  if (Codes != NumCodes) {
    PutCode(Cur);
  }
  Put(Clear + 1);
  if (NumBits) {
    Data.push_back(uint8_t(Acc));
  }
  std::vector<uint8_t> Blocks = {uint8_t(RootSize)};
  for (size_t i = 0; i < Data.size(); i += 255) {
    size_t n = std::min<size_t>(255, Data.size() - i);
    Blocks.push_back(uint8_t(n));
    Blocks.insert(Blocks.end(), Data.begin() + i, Data.begin() + i + n);
  }
  Blocks.push_back(0);
  return Blocks;
}

// A file of one W x H image in two colours (black, white) with the given image data.
std::vector<uint8_t> TwoColourGif(int W, int H, const std::vector<uint8_t>& ImageData) {
  std::vector<uint8_t> g = {'G', 'I', 'F', '8', '9', 'a', uint8_t(W), 0, uint8_t(H), 0, 0x80, 0, 0,
                            0, 0, 0, 255, 255, 255, 0x2C, 0, 0, 0, 0, uint8_t(W), 0, uint8_t(H), 0, 0};
  for (uint8_t b : ImageData) {
    g.push_back(b);
  }
  g.push_back(0x3B);
  return g;
}

// A root code size of 1 (two colours) starts with 2-bit codes that widen to 3 bits right behind the first
// code; the picture is drawn as giflib decodes it. Data whose end code comes before the last pixel fail, with
// the rows decoded before drawn.
TEST_F(GifTest, RootCodeSizeOneAndEarlyEndCodes) {
  const int W = 29, H = 11;
  std::vector<uint8_t> Pic = Pixels(W, H, 2, 21);
  GUI_COLOR Black = OnDisplay(GUI_BLACK), White = OnDisplay(GUI_WHITE);
  std::vector<GUI_COLOR> Want;
  for (uint8_t v : Pic) {
    Want.push_back(v ? White : Black);
  }
  for (int RootSize : {1, 2, 3}) {
    std::vector<uint8_t> Gif = TwoColourGif(W, H, Lzw(Pic, RootSize));
#ifdef SIM_HAVE_GIFLIB
    std::vector<gif_test::Image> Images = gif_test::Read(Gif);
    ASSERT_EQ(Images.size(), 1u) << "giflib refuses root size " << RootSize;
    ASSERT_EQ(Images[0].Pixels, Pic) << "giflib's decoding, root size " << RootSize;
#endif
    for (Source::Kind How : {Source::POINT_AT, Source::ONE_BYTE}) {
      Start();
      EXPECT_EQ(DrawSub(Gif, 0, How), 0) << "root size " << RootSize;
      EXPECT_EQ(Read(kX, kY, W, H), Want) << "root size " << RootSize;
      Start();
      EXPECT_EQ(GUI_GIF_DrawSubScaled(Gif.data(), U32(Gif.size()), kX, kY, 0, 1, 1), 0) << "root size " << RootSize;
      EXPECT_EQ(Read(kX, kY, W, H), Want) << "root size " << RootSize;
    }
  }
  // The end code after 40 codes: the first rows are drawn, the rest not, and the call fails.
  std::vector<uint8_t> Short = TwoColourGif(W, H, Lzw(Pic, 1, 40));
  Start();
  std::vector<GUI_COLOR> Empty = Read(kX, kY, W, H);
  EXPECT_EQ(DrawSub(Short, 0, Source::POINT_AT), 1);
  std::vector<GUI_COLOR> Shown = Read(kX, kY, W, H);
  auto Row = [W](const std::vector<GUI_COLOR>& v, int y) {
    return std::vector<GUI_COLOR>(v.begin() + y * W, v.begin() + (y + 1) * W);
  };
  EXPECT_EQ(Row(Shown, 0), Row(Want, 0));
  EXPECT_EQ(Row(Shown, H - 1), Row(Empty, H - 1));
  Start();
  EXPECT_EQ(GUI_GIF_DrawSubScaled(Short.data(), U32(Short.size()), kX, kY, 0, 2, 1), 1);
}

TEST_F(GifTest, ImageMagickFilesDrawAsGiflibDecodesThem) {
#ifndef SIM_HAVE_GIFLIB
  GTEST_SKIP() << "giflib is not installed";
#else
  if (!HaveConvert()) {
    GTEST_SKIP() << "ImageMagick (convert) is not installed";
  }
  const std::string Dir = TempDir();
  const struct {
    const char* pName;
    std::string Args;
  } aCase[] = {
      {"dispose", "-size 61x43 -delay 5 -dispose None gradient:red-blue -dispose Background -page +4+6 "
                  "\\( -size 23x17 xc:lime -fill none -draw 'rectangle 3,3 9,9' -alpha set -region 5x5+3+3 "
                  "-alpha transparent +region \\) -dispose Previous -page +30+20 \\( -size 17x9 plasma:fractal "
                  "-seed 3 \\) -dispose None -page +1+1 \\( -size 11x33 gradient:yellow-black -colors 4 \\)"},
      {"interlaced", "-size 57x41 plasma:fractal -seed 7 -colors 200 -interlace GIF"},
      {"transparent", "-size 33x21 xc:none -fill '#C02050' -draw 'circle 16,10 16,2' -fill blue "
                      "-draw 'rectangle 0,0 5,20'"},
      {"twocolours", "-size 45x19 pattern:checkerboard -colors 2"},
      {"local", "-size 31x23 -delay 10 gradient:white-green -page +3+2 \\( -size 20x15 gradient:red-navy "
                "-colors 16 \\) +map"},
  };
  for (const auto& c : aCase) {
    std::string File = Dir + "/" + c.pName + ".gif";
    ASSERT_EQ(Shell("convert " + c.Args + " '" + File + "'"), 0) << c.pName;
    std::vector<uint8_t> Gif = ReadFile(File);
    ExpectSameAsGiflib(Gif, c.pName);
    ExpectSameAsGiflib(Gif, c.pName, Source::SHORT_READS, false);
  }
  // giflib's own tools: a picture converted to GIF by gif2rgb (5 bits), interlaced by giftool.
  std::string Rgb = Dir + "/picture.rgb", Gif = Dir + "/tool.gif", Gif2 = Dir + "/tool2.gif";
  WriteFile(Rgb, Bytes(29 * 17 * 3, 3));
  if (Shell("(gif2rgb -1 -c 5 -s 29 17 '" + Rgb + "' > '" + Gif + "')") == 0) {
    ASSERT_EQ(Shell("(giftool -i on -x 2 < '" + Gif + "' > '" + Gif2 + "')"), 0);
    ExpectSameAsGiflib(ReadFile(Gif), "gif2rgb");
    ExpectSameAsGiflib(ReadFile(Gif2), "giftool", Source::ONE_BYTE);
  }
#endif
}

}  // namespace
