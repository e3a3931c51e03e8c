// Decoding a 640x480 two-frame animated GIF onto a 640x480 display, against giflib reading the same file
// (DGifSlurp) and expanding its frames through their palettes into 32-bit pixels. And a 480x272 GIF painted in
// its window with four small windows over its top rows, against the same window uncovered: the paint draws once
// per visible rectangle, and the image is decoded to its end only once per paint, the other rectangles stopping
// after the last row they show, so the covered paint costs about two uncovered ones.
#include "BenchRatio.h"

#include "GUI.h"
#include "GUI_GIF.h"
#include "WM.h"
#include "gif_TestSupport.h"

#include <vector>

namespace {

constexpr int kW = 640, kH = 480, kWinW = 480, kWinH = 272;
std::vector<uint8_t> _Gif, _WinGif;

// Photo-like frames: smooth gradients with a little noise, 256 colours.
std::vector<uint8_t> _MakeGif(int W, int H, int NumFrames) {
  gif_test::File f;
  f.w = W, f.h = H;
  for (int i = 0; i < 256; i++) {
    f.GlobalColors.push_back(uint32_t(i) | uint32_t(255 - i) << 8 | uint32_t(i * 7 & 255) << 16);
  }
  uint32_t Seed = 1;
  for (int n = 0; n < NumFrames; n++) {
    gif_test::Frame fr;
    fr.w = W, fr.h = H, fr.Disposal = 1, fr.Trans = n ? 0 : -1;
    fr.Pixels.resize(size_t(W) * H);
    for (int y = 0; y < H; y++) {
      for (int x = 0; x < W; x++) {
        Seed = Seed * 1664525u + 1013904223u;
        fr.Pixels[size_t(y) * W + x] = uint8_t((n ? x / 3 + y / 2 : x / 4 + y / 3) + (Seed >> 29));
      }
    }
    f.Frames.push_back(fr);
  }
  return gif_test::Write(f);
}

void _ConfigLCD() {
  GUI_DEVICE_CreateAndLink(&LCD_SIMDRV_API, &LCD_aColorConvAPI[LCD_CC_BGR565], 0, 0);
  LCD_SetSizeEx(0, kW, kH);
  LCD_SetVSizeEx(0, kW, kH);
}

void BM_GifDecode(benchmark::State& State) {
  for (auto _ : State) {
    for (int i = 0; i < 2; i++) {
      GUI_GIF_DrawSub(_Gif.data(), U32(_Gif.size()), 0, 0, i);
    }
    benchmark::ClobberMemory();
  }
}

void BM_GifDecode_Reference(benchmark::State& State) {
  std::vector<uint32_t> Out(size_t(kW) * kH);
  for (auto _ : State) {
    std::vector<gif_test::Image> Images = gif_test::Read(_Gif);
    for (const gif_test::Image& im : Images) {
      uint32_t aColor[256] = {};
      for (size_t k = 0; k < im.Colors.size(); k++) {
        aColor[k] = im.Colors[k] | 0xFF000000u;
      }
      for (int y = 0; y < im.h; y++) {
        const uint8_t* pSrc = &im.Pixels[size_t(y) * im.w];
        uint32_t* pDst = &Out[size_t(im.y + y) * kW + im.x];
        for (int x = 0; x < im.w; x++) {
          if (pSrc[x] != im.Trans) {
            pDst[x] = aColor[pSrc[x]];
          }
        }
      }
    }
    benchmark::DoNotOptimize(Out.data());
    benchmark::ClobberMemory();
  }
}

void _PaintGif(WM_MESSAGE* pMsg) {
  if (pMsg->MsgId == WM_PAINT) {
    GUI_GIF_Draw(_WinGif.data(), U32(_WinGif.size()), 0, 0);
  } else {
    WM_DefaultProc(pMsg);
  }
}

void _PaintPlain(WM_MESSAGE* pMsg) {
  if (pMsg->MsgId == WM_PAINT) {
    GUI_Clear();
  } else {
    WM_DefaultProc(pMsg);
  }
}

// Paints the GIF window again and again; NumCovers small windows lie over its top rows.
void _PaintWindow(benchmark::State& State, int NumCovers) {
  WM_HWIN h = WM_CreateWindow(0, 0, kWinW, kWinH, WM_CF_SHOW, _PaintGif, 0);
  std::vector<WM_HWIN> Covers;
  for (int i = 0; i < NumCovers; i++) {
    Covers.push_back(WM_CreateWindow(40 + i * 110, 0, 60, 24, WM_CF_SHOW, _PaintPlain, 0));
  }
  WM_Exec();
  for (auto _ : State) {
    WM_InvalidateWindow(h);
    WM_Exec();
  }
  for (WM_HWIN c : Covers) {
    WM_DeleteWindow(c);
  }
  WM_DeleteWindow(h);
  WM_Exec();
}

void BM_GifWindowCovered(benchmark::State& State) { _PaintWindow(State, 4); }
void BM_GifWindowCovered_Reference(benchmark::State& State) { _PaintWindow(State, 0); }

}  // namespace

BENCHMARK(BM_GifDecode);
BENCHMARK(BM_GifDecode_Reference);
BENCHMARK(BM_GifWindowCovered);
BENCHMARK(BM_GifWindowCovered_Reference);

int main(int argc, char** argv) {
  static const GUI_CONFIG_API Config = {GUI_ConfigDefaultGUI, _ConfigLCD};
  GUI_SetConfigAPI(&Config);
  GUI_Init();
  WM_Init();
  _Gif = _MakeGif(kW, kH, 2);
  _WinGif = _MakeGif(kWinW, kWinH, 1);
  int r = benchratio::Main(argc, argv);
  GUI_Exit();
  return r;
}
