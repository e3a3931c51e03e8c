// Blending a full-screen 32-bit memory device whose pixels carry their own transparency over a 32-bit
// target device, and over the 5-6-5 display, against pixman's OVER of the same picture (premultiplied) onto a
// same-size a8r8g8b8 and r5g6b5 image.
#include <cmath>
#include <cstring>
#include <vector>

#include "GUI_MEMDEV.h"
#include "WM.h"
#include "BenchRatio.h"
#ifdef HAVE_PIXMAN
#include <pixman.h>
#endif

namespace {

int _XSize, _YSize;
GUI_HMEM _hSrc, _hDst;
std::vector<U8> _Alpha;  // opacity per pixel, 0 = invisible

// A picture as the user interface makes them: rounded panels with soft edges on a transparent ground and a
// translucent shadow band.
void _MakeAlpha(void) {
  _Alpha.resize((size_t)_XSize * _YSize);
  for (int y = 0; y < _YSize; y++) {
    for (int x = 0; x < _XSize; x++) {
      int px = x % 160, py = y % 90;
      double dx = std::max(0.0, std::max(20.0 - px, px - 140.0)), dy = std::max(0.0, std::max(20.0 - py, py - 70.0));
      double d = std::sqrt(dx * dx + dy * dy) - 12.0;  // distance outside the panel's rounded border
      int a = d <= 0 ? 255 : (d >= 2 ? 0 : (int)(255 * (1 - d / 2)));
      if (a == 0 && py >= 74 && py < 80) a = 96;  // shadow
      _Alpha[(size_t)y * _XSize + x] = (U8)a;
    }
  }
}

U32 _Rgb(int x, int y) { return (U32)((x * 3) & 0xFF) | (U32)((y * 5) & 0xFF) << 8 | (U32)(((x + y) * 7) & 0xFF) << 16; }

void BM_MemdevAlpha(benchmark::State& State) {
  GUI_MEMDEV_Select(_hDst);
  for (auto _ : State) {
    GUI_MEMDEV_CopyToLCD(_hSrc);
    benchmark::ClobberMemory();
  }
  GUI_MEMDEV_Select(0);
}

void BM_MemdevAlphaToDisplay(benchmark::State& State) {
  for (auto _ : State) {
    GUI_MEMDEV_CopyToLCD(_hSrc);
    benchmark::ClobberMemory();
  }
}

#ifdef HAVE_PIXMAN
// The picture premultiplied, as pixman takes it.
std::vector<U32> _PremultipliedSource() {
  std::vector<U32> Src((size_t)_XSize * _YSize);
  for (int y = 0; y < _YSize; y++)
    for (int x = 0; x < _XSize; x++) {
      U32 a = _Alpha[(size_t)y * _XSize + x];
      U32 c = _Rgb(x, y);
      U32 r = (c & 0xFF) * a / 255, g = ((c >> 8) & 0xFF) * a / 255, b = ((c >> 16) & 0xFF) * a / 255;
      Src[(size_t)y * _XSize + x] = a << 24 | r << 16 | g << 8 | b;
    }
  return Src;
}

template <class PIXEL>
void _PixmanOver(benchmark::State& State, pixman_format_code_t DstFormat, PIXEL Ground) {
  std::vector<U32> Src = _PremultipliedSource();
  std::vector<PIXEL> Dst((size_t)_XSize * _YSize, Ground);
  pixman_image_t* pSrc = pixman_image_create_bits(PIXMAN_a8r8g8b8, _XSize, _YSize, Src.data(), _XSize * 4);
  pixman_image_t* pDst =
      pixman_image_create_bits(DstFormat, _XSize, _YSize, (uint32_t*)Dst.data(), _XSize * (int)sizeof(PIXEL));
  for (auto _ : State) {
    pixman_image_composite32(PIXMAN_OP_OVER, pSrc, nullptr, pDst, 0, 0, 0, 0, 0, 0, _XSize, _YSize);
    benchmark::ClobberMemory();
  }
  pixman_image_unref(pSrc);
  pixman_image_unref(pDst);
}

void BM_MemdevAlpha_Reference(benchmark::State& State) { _PixmanOver<U32>(State, PIXMAN_a8r8g8b8, 0xFF204060u); }
void BM_MemdevAlphaToDisplay_Reference(benchmark::State& State) { _PixmanOver<U16>(State, PIXMAN_r5g6b5, 0x2208); }
BENCHMARK(BM_MemdevAlpha_Reference);
BENCHMARK(BM_MemdevAlphaToDisplay_Reference);
#endif

}  // namespace

BENCHMARK(BM_MemdevAlpha);
BENCHMARK(BM_MemdevAlphaToDisplay);

int main(int argc, char** argv) {
  GUI_Init();
  WM_Init();
  _XSize = LCD_GetXSize();
  _YSize = LCD_GetYSize();
  _MakeAlpha();
  _hSrc = GUI_MEMDEV_Create32(0, 0, _XSize, _YSize);
  _hDst = GUI_MEMDEV_Create32(0, 0, _XSize, _YSize);
  if (!_hSrc || !_hDst) return 1;
  U32* pSrc = (U32*)GUI_MEMDEV_GetDataPtr(_hSrc);
  for (int y = 0; y < _YSize; y++)
    for (int x = 0; x < _XSize; x++) pSrc[(size_t)y * _XSize + x] = (U32)(255 - _Alpha[(size_t)y * _XSize + x]) << 24 | _Rgb(x, y);
  U32* pDst = (U32*)GUI_MEMDEV_GetDataPtr(_hDst);
  for (int i = 0; i < _XSize * _YSize; i++) pDst[i] = 0x00604020u;
  int r = benchratio::Main(argc, argv);
  GUI_MEMDEV_Delete(_hSrc);
  GUI_MEMDEV_Delete(_hDst);
  GUI_Exit();
  return r;
}
