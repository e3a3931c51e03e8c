// The image widget: every source drawn where it belongs, files read only within the size given, pictures
// that cannot be read refused, the cache reused, tiling, covering the parent, and an animated GIF stepping
// through its frames at their delays under the test clock.
#include <fstream>
#include <iterator>

#include "GUI_JPEG.h"
#include "IMAGE.h"
#include "widget_support.h"

namespace {

void Put16(std::vector<U8>& v, unsigned x) {
  v.push_back((U8)x);
  v.push_back((U8)(x >> 8));
}

void Put32(std::vector<U8>& v, U32 x) {
  Put16(v, x & 0xFFFF);
  Put16(v, x >> 16);
}

// A 24-bit BMP of w x h pixels, colour f(x, y) as 0xRRGGBB.
template <class F> std::vector<U8> Bmp(int w, int h, F f) {
  int Line = (w * 3 + 3) & ~3;
  std::vector<U8> v = {'B', 'M'};
  Put32(v, (U32)(54 + Line * h));
  Put32(v, 0);
  Put32(v, 54);
  Put32(v, 40);
  Put32(v, (U32)w);
  Put32(v, (U32)h);
  Put16(v, 1);
  Put16(v, 24);
  for (int i = 0; i < 6; i++) {
    Put32(v, 0);
  }
  for (int y = h - 1; y >= 0; y--) {
    for (int x = 0; x < w; x++) {
      U32 c = f(x, y);
      v.push_back((U8)c);
      v.push_back((U8)(c >> 8));
      v.push_back((U8)(c >> 16));
    }
    for (int p = w * 3; p < Line; p++) {
      v.push_back(0);
    }
  }
  return v;
}

// A GIF of w x h pixels with one frame per colour (0xRRGGBB) and delay (hundredths of a second). The LZW
// data are literal codes only, with a clear code every two pixels, so that the code width stays 3 bits.
std::vector<U8> Gif(int w, int h, const std::vector<U32>& Colors, const std::vector<int>& Delays) {
  std::vector<U8> v = {'G', 'I', 'F', '8', '9', 'a'};
  Put16(v, (unsigned)w);
  Put16(v, (unsigned)h);
  v.insert(v.end(), {0x81, 0, 0}); // a global table of 4 colours
  for (int i = 0; i < 4; i++) {
    U32 c = i < (int)Colors.size() ? Colors[i] : 0;
    v.insert(v.end(), {(U8)(c >> 16), (U8)(c >> 8), (U8)c});
  }
  for (size_t f = 0; f < Delays.size(); f++) {
    v.insert(v.end(), {0x21, 0xF9, 4, 0});
    Put16(v, (unsigned)Delays[f]);
    v.insert(v.end(), {0, 0, 0x2C});
    Put16(v, 0);
    Put16(v, 0);
    Put16(v, (unsigned)w);
    Put16(v, (unsigned)h);
    v.push_back(0);
    v.push_back(2); // minimum code size
    std::vector<U8> Bits;
    U32 Acc = 0;
    int n = 0;
    auto Code = [&](unsigned c) {
      Acc |= c << n;
      n += 3;
      while (n >= 8) {
        Bits.push_back((U8)Acc);
        Acc >>= 8;
        n -= 8;
      }
    };
    for (int i = 0; i < w * h; i++) {
      if (i % 2 == 0) {
        Code(4);
      }
      Code((unsigned)f % 4);
    }
    Code(5);
    if (n) {
      Bits.push_back((U8)Acc);
    }
    for (size_t i = 0; i < Bits.size(); i += 255) {
      size_t Len = std::min<size_t>(255, Bits.size() - i);
      v.push_back((U8)Len);
      v.insert(v.end(), Bits.begin() + (long)i, Bits.begin() + (long)(i + Len));
    }
    v.push_back(0);
  }
  v.push_back(0x3B);
  return v;
}

struct Reader {
  std::vector<U8> Data;
  int NumCalls = 0;
};

int GetData(void* p, const U8** ppData, unsigned NumBytes, U32 Off) {
  Reader* r = (Reader*)p;
  r->NumCalls++;
  if (Off >= r->Data.size()) {
    return 0;
  }
  *ppData = r->Data.data() + Off;
  return (int)std::min<size_t>(NumBytes, r->Data.size() - Off);
}

// Display colours are read back as 0xBBGGRR.
GUI_COLOR Pixel(int x, int y) {
  WM__LockGuard Lock;
  return LCD_GetPixelColor(x, y);
}

class ImageTest : public WidgetParentTest<240, 120> {
protected:
  WM_HWIN Make(int w, int h, int Flags = 0) { return IMAGE_CreateEx(10, 10, w, h, hParent, WM_CF_SHOW, Flags, 3); }
  static int Current(WM_HWIN h) {
    IMAGE_OBJ* p = IMAGE__LockH(h);
    int n = p->CurrentImage;
    GUI_ALLOC_UnlockH(&p);
    return n;
  }
};

TEST_F(ImageTest, BitmapsAreTiledOverTheWindow) {
  static const U8 aData[] = {0xFF, 0xC0, 0x80, 0x40, 0x80, 0x40, 0x80, 0x40, 0x80, 0x40,
                             0x80, 0x40, 0x80, 0x40, 0x80, 0x40, 0x80, 0x40, 0xFF, 0xC0};
  static const GUI_COLOR aColor[] = {0xFFFFFF, 0x0000FF};
  static const GUI_PALETTE Pal = {2, 0, aColor};
  static const GUI_BITMAP Bm = {10, 10, 2, 1, aData, &Pal, nullptr};
  WM_HWIN h = Make(25, 12, IMAGE_CF_TILE);
  EXPECT_EQ(IMAGE_SetBitmap(h, &Bm), 0);
  WM_Exec();
  // Tiles at (0,0), (10,0), (20,0), (0,10), (10,10), (20,10): each with its corner set and the pixel inside
  // clear.
  for (int x : {0, 10, 20}) {
    for (int y : {0, 10}) {
      EXPECT_EQ(Pixel(10 + x, 10 + y), 0x0000FFu) << x << "," << y;
      EXPECT_EQ(Pixel(10 + x + 1, 10 + y + 1), 0xFFFFFFu) << x << "," << y;
    }
  }
  EXPECT_NE(Pixel(35, 10), 0x0000FFu) << "nothing beyond the window";
}

TEST_F(ImageTest, FilesInMemoryAreReadOnlyWithinTheirSize) {
  std::vector<U8> File = Bmp(6, 4, [](int x, int y) { return x < 3 ? 0xFF0000u : (y < 2 ? 0x00FF00u : 0x0000FFu); });
  WM_HWIN h = Make(20, 20, IMAGE_CF_AUTOSIZE);
  EXPECT_EQ(IMAGE_SetBMP(h, File.data(), (U32)File.size()), 0);
  EXPECT_EQ(WM_GetWindowSizeX(h), 6);
  EXPECT_EQ(WM_GetWindowSizeY(h), 4);
  WM_Exec();
  EXPECT_EQ(Pixel(10, 10), 0x0000FFu);
  EXPECT_EQ(Pixel(15, 10), 0x00FF00u);
  EXPECT_EQ(Pixel(15, 13), 0xFF0000u);
  // The same file cut short: its header promises more than the caller's bytes hold. The reader stops at
  // the size given (a read beyond the copy would be caught by the address sanitizer).
  std::vector<U8> Cut(File.begin(), File.begin() + 60);
  IMAGE_SetBMP(h, Cut.data(), (U32)Cut.size());
  WM_InvalidateWindow(h);
  WM_Exec();
  std::vector<U8> Junk = {'B', 'X', 1, 2, 3};
  EXPECT_EQ(IMAGE_SetBMP(h, Junk.data(), (U32)Junk.size()), 1) << "a file that cannot be read is refused";
  EXPECT_EQ(IMAGE_SetBMP(h, File.data(), 0), 1);
  EXPECT_EQ(IMAGE_SetBitmap(h, nullptr), 1);
  EXPECT_EQ(IMAGE_SetBMP(0, File.data(), (U32)File.size()), 1);
  Reader r{File};
  EXPECT_EQ(IMAGE_SetBMPEx(h, GetData, &r), 0);
  WM_Exec();
  EXPECT_EQ(Pixel(15, 13), 0xFF0000u);
}

TEST_F(ImageTest, StreamedBitmapsWithTheirHeaderChecked) {
  std::vector<U8> s = {0x42, 0x4D, 100, 0, 4, 0, 2, 0, 1, 0, 1, 0, 2, 0, 0, 0};
  Put32(s, 0x0000FF);
  Put32(s, 0x00FF00);
  s.push_back(0x50); // 0101: red, green, red, green
  s.push_back(0xA0);
  WM_HWIN h = Make(10, 10);
  EXPECT_EQ(IMAGE_SetStreamedBitmap(h, s.data(), (U32)s.size() - 1), 1) << "one byte short";
  EXPECT_EQ(IMAGE_SetStreamedBitmap(h, s.data(), (U32)s.size()), 0);
  WM_Exec();
  EXPECT_EQ(Pixel(10, 10), 0x0000FFu);
  EXPECT_EQ(Pixel(11, 10), 0x00FF00u);
  EXPECT_EQ(Pixel(10, 11), 0x00FF00u);
  Reader r{s};
  EXPECT_EQ(IMAGE_SetStreamedBitmapEx(h, GetData, &r), 0);
  WM_Exec();
  EXPECT_EQ(Pixel(11, 11), 0x0000FFu);
}

TEST_F(ImageTest, AnimatedGifStepsAtItsDelays) {
  std::vector<U8> g = Gif(4, 4, {0xFF0000, 0x00FF00, 0x0000FF}, {10, 20, 0});
  WM_HWIN h = Make(4, 4);
  EXPECT_EQ(IMAGE_SetGIF(h, g.data(), (U32)g.size()), 0);
  WM_Exec();
  std::vector<std::pair<int, GUI_COLOR>> Seen;
  for (int t = 0; t < 500; t += 10) {
    Seen.push_back({Current(h), Pixel(11, 11)});
    Advance(10);
  }
  // Frame 0 for 100 ms, frame 1 for 200 ms, frame 2 (delay 0) for 100 ms, then frame 0 again.
  for (int i = 0; i < 50; i++) {
    int t = i * 10;
    int Expect = t < 100 ? 0 : t < 300 ? 1 : t < 400 ? 2 : 0;
    static const GUI_COLOR aColor[] = {0x0000FF, 0x00FF00, 0xFF0000};
    EXPECT_EQ(Seen[i].first, Expect) << "at " << t << " ms";
    EXPECT_EQ(Seen[i].second, aColor[Expect]) << "at " << t << " ms";
  }
  // A still picture stops the animation.
  std::vector<U8> One = Gif(4, 4, {0xFF0000}, {5});
  EXPECT_EQ(IMAGE_SetGIF(h, One.data(), (U32)One.size()), 0);
  IMAGE_OBJ* p = IMAGE__LockH(h);
  EXPECT_EQ(p->hTimer, 0);
  GUI_ALLOC_UnlockH(&p);
  std::vector<U8> Bad = g;
  Bad[0] = 'X';
  EXPECT_EQ(IMAGE_SetGIF(h, Bad.data(), (U32)Bad.size()), 1);
  EXPECT_EQ(IMAGE_SetGIF(h, g.data(), 10), 1) << "a file cut inside its header";
}

TEST_F(ImageTest, GifThroughAGetDataRoutineAnimatesToo) {
  Reader r{Gif(4, 4, {0xFF0000, 0x00FF00}, {0, 0})};
  WM_HWIN h = Make(4, 4);
  EXPECT_EQ(IMAGE_SetGIFEx(h, GetData, &r), 0);
  Advance(100);
  EXPECT_EQ(Current(h), 1);
  WM_DeleteWindow(h);
  Advance(100); // the timer went with the window
}

TEST_F(ImageTest, JpegFromMemoryAndThroughAGetDataRoutine) {
  std::string Dir = golden::PathOf("x");
  Dir = Dir.substr(0, Dir.find("/tests/golden/"));
  std::ifstream In(Dir + "/tests/fuzz/corpus/jpeg/baseline_420.jpg", std::ios::binary);
  std::vector<U8> j((std::istreambuf_iterator<char>(In)), std::istreambuf_iterator<char>());
  ASSERT_GT(j.size(), 100u);
  GUI_JPEG_INFO Info = {};
  ASSERT_EQ(GUI_JPEG_GetInfo(j.data(), (int)j.size(), &Info), 0);
  WM_HWIN h = Make(1, 1, IMAGE_CF_AUTOSIZE);
  EXPECT_EQ(IMAGE_SetJPEG(h, j.data(), (U32)j.size()), 0);
  EXPECT_EQ(WM_GetWindowSizeX(h), Info.XSize);
  EXPECT_EQ(WM_GetWindowSizeY(h), Info.YSize);
  WM_Exec();
  GUI_COLOR FromMemory = Pixel(12, 12);
  Reader r{j};
  EXPECT_EQ(IMAGE_SetJPEGEx(h, GetData, &r), 0);
  WM_Exec();
  EXPECT_EQ(Pixel(12, 12), FromMemory);
  std::vector<U8> Cut(j.begin(), j.begin() + (long)j.size() / 2);
  EXPECT_EQ(IMAGE_SetJPEG(h, Cut.data(), (U32)Cut.size()), 0) << "the header is whole";
  WM_Exec(); // draws what its data complete
  std::vector<U8> Head(j.begin(), j.begin() + 20);
  EXPECT_EQ(IMAGE_SetJPEG(h, Head.data(), (U32)Head.size()), 1);
}

TEST_F(ImageTest, TheCacheIsReusedAndFollowsMoves) {
  Reader r{Bmp(8, 8, [](int, int) { return 0xFFFF00u; })};
  WM_HWIN h = Make(8, 8, IMAGE_CF_MEMDEV);
  IMAGE_SetBMPEx(h, GetData, &r);
  WM_Exec();
  int Calls = r.NumCalls;
  EXPECT_GT(Calls, 0);
  WM_InvalidateWindow(h);
  WM_Exec();
  WM_MoveWindow(h, 20, 5);
  WM_Exec();
  EXPECT_EQ(r.NumCalls, Calls) << "repaints and moves on the display come from the cache";
  EXPECT_EQ(Pixel(30, 15), 0x00FFFFu);
  WM_SetSize(h, 9, 9);
  WM_Exec();
  EXPECT_GT(r.NumCalls, Calls) << "a new size draws the picture again";
  WM_HWIN h32 = Make(8, 8, IMAGE_CF_MEMDEV | IMAGE_CF_ALPHA);
  IMAGE_SetBMPEx(h32, GetData, &r);
  WM_Exec();
  EXPECT_EQ(Pixel(12, 12), 0x00FFFFu);
}

TEST_F(ImageTest, CoversItsParentAndTellsOfPresses) {
  WM_HWIN hFrame = WM_CreateWindowAsChild(100, 20, 60, 40, hParent, WM_CF_SHOW, widgettest::cbParent, 0);
  WM_HWIN h = IMAGE_CreateEx(5, 5, 10, 10, hFrame, WM_CF_SHOW, IMAGE_CF_ATTACHED, 3);
  EXPECT_EQ(WM_GetWindowPosX(h), 100);
  EXPECT_EQ(WM_GetWindowSizeX(h), 60);
  WM_SetSize(hFrame, 80, 50);
  EXPECT_EQ(WM_GetWindowSizeX(h), 80);
  EXPECT_EQ(WM_GetWindowSizeY(h), 50);
  Heard().clear();
  Press(110, 30);
  Release(110, 30);
  EXPECT_EQ(Heard(), (std::vector<std::string>{"3:1", "3:2"}));
  EXPECT_EQ(WM_GetWindowSizeX(Make(0, 0)), 1) << "a size of 0 becomes 1";
}

// Sources side by side: a BMP tiled through the cache, the second frame of a GIF and a progressive JPEG.
TEST_F(ImageTest, Golden) {
  std::vector<U8> File = Bmp(20, 20, [](int x, int y) { return ((x / 5 + y / 5) % 2) ? 0x2040C0u : 0xF0E020u; });
  WM_HWIN h = IMAGE_CreateEx(4, 4, 50, 30, hParent, WM_CF_SHOW, IMAGE_CF_TILE | IMAGE_CF_MEMDEV, 1);
  IMAGE_SetBMP(h, File.data(), (U32)File.size());
  std::vector<U8> g = Gif(16, 16, {0xFF0000, 0x00A000}, {10, 10});
  WM_HWIN hGif = IMAGE_CreateEx(60, 4, 16, 16, hParent, WM_CF_SHOW, 0, 2);
  IMAGE_SetGIF(hGif, g.data(), (U32)g.size());
  std::string Dir = golden::PathOf("x");
  Dir = Dir.substr(0, Dir.find("/tests/golden/"));
  std::ifstream In(Dir + "/tests/fuzz/corpus/jpeg/progressive_444.jpg", std::ios::binary);
  std::vector<U8> j((std::istreambuf_iterator<char>(In)), std::istreambuf_iterator<char>());
  WM_HWIN hJpeg = IMAGE_CreateEx(90, 4, 60, 60, hParent, WM_CF_SHOW, 0, 4);
  IMAGE_SetJPEG(hJpeg, j.data(), (U32)j.size());
  WM_Exec();
  Advance(100);
  EXPECT_TRUE(wmtest::Errors.empty());
  EXPECT_TRUE(golden::Matches("widgets/image/sources", golden::CaptureLCD(0, 0, 159, 69)));
}

} // namespace
