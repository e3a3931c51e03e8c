// Decoding a 640x480 two-frame animated GIF onto a 640x480 display, against giflib reading the same file
// (DGifSlurp) and expanding its frames through their palettes into 32-bit pixels.
#include "BenchRatio.h"

#include "GUI.h"
#include "GUI_GIF.h"
#include "gif_TestSupport.h"

#include <vector>

namespace {

constexpr int kW = 640, kH = 480;
std::vector<uint8_t> _Gif;

// Photo-like frames: smooth gradients with a little noise, 256 colours.
std::vector<uint8_t> _MakeGif() {
  gif_test::File f;
  f.w = kW, f.h = kH;
  for (int i = 0; i < 256; i++) {
    f.GlobalColors.push_back(uint32_t(i) | uint32_t(255 - i) << 8 | uint32_t(i * 7 & 255) << 16);
  }
  uint32_t Seed = 1;
  for (int n = 0; n < 2; n++) {
    gif_test::Frame fr;
    fr.w = kW, fr.h = kH, fr.Disposal = 1, fr.Trans = n ? 0 : -1;
    fr.Pixels.resize(size_t(kW) * kH);
    for (int y = 0; y < kH; y++) {
      for (int x = 0; x < kW; x++) {
        Seed = Seed * 1664525u + 1013904223u;
        fr.Pixels[size_t(y) * kW + x] = uint8_t((n ? x / 3 + y / 2 : x / 4 + y / 3) + (Seed >> 29));
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

}  // namespace

BENCHMARK(BM_GifDecode);
BENCHMARK(BM_GifDecode_Reference);

int main(int argc, char** argv) {
  static const GUI_CONFIG_API Config = {GUI_ConfigDefaultGUI, _ConfigLCD};
  GUI_SetConfigAPI(&Config);
  GUI_Init();
  _Gif = _MakeGif();
  int r = benchratio::Main(argc, argv);
  GUI_Exit();
  return r;
}
