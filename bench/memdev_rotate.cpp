// Smooth rotation of a 256x256 32-bit device by 30 degrees into a 32-bit device large enough for the turned
// picture, against pixman's bilinear affine composite (OVER) of the same picture with the same turn. Both
// the vector path and the plain path are measured against the same reference.
#include <cmath>
#include <vector>

#include "GUI_MEMDEV.h"
#include "GUI_MEMDEV_Rotate.h"
#include "BenchRatio.h"
#ifdef HAVE_PIXMAN
#include <pixman.h>
#endif

namespace {

constexpr int kSrc = 256, kDst = 372, kAngle = 30000;
GUI_HMEM _hSrc, _hDst;

U32 _Pattern(int x, int y) {
  return (U32)((x * 3) & 0xFF) | (U32)((y * 5) & 0xFF) << 8 | (U32)(((x ^ y) * 7) & 0xFF) << 16;
}

void _Rotate(benchmark::State& State, int Plain) {
  int Old = GUI_MEMDEV__RotatePlainOnly(Plain);
  const int Pos = (kDst - kSrc) / 2;
  for (auto _ : State) {
    GUI_MEMDEV_RotateSmooth(_hSrc, _hDst, Pos, Pos, kAngle, 1000);
    benchmark::ClobberMemory();
  }
  GUI_MEMDEV__RotatePlainOnly(Old);
}

void BM_RotateSmooth(benchmark::State& State) { _Rotate(State, 0); }
void BM_RotateSmoothPlain(benchmark::State& State) { _Rotate(State, 1); }

#ifdef HAVE_PIXMAN
void _Pixman(benchmark::State& State) {
  std::vector<U32> Src((size_t)kSrc * kSrc), Dst((size_t)kDst * kDst, 0xFF204060u);
  for (int y = 0; y < kSrc; y++)
    for (int x = 0; x < kSrc; x++) {
      U32 c = _Pattern(x, y);  // 0xBBGGRR -> 0xAARRGGBB, opaque
      Src[(size_t)y * kSrc + x] = 0xFF000000u | (c & 0xFF) << 16 | (c & 0xFF00) | ((c >> 16) & 0xFF);
    }
  pixman_image_t* pSrc = pixman_image_create_bits(PIXMAN_a8r8g8b8, kSrc, kSrc, Src.data(), kSrc * 4);
  pixman_image_t* pDst = pixman_image_create_bits(PIXMAN_a8r8g8b8, kDst, kDst, Dst.data(), kDst * 4);
  // Destination to source: move the destination centre to the origin, turn back, move to the source centre.
  pixman_transform_t t;
  pixman_transform_init_translate(&t, pixman_double_to_fixed(-kDst / 2.0), pixman_double_to_fixed(-kDst / 2.0));
  double a = kAngle / 1000.0 * M_PI / 180.0;
  pixman_transform_rotate(nullptr, &t, pixman_double_to_fixed(std::cos(a)), pixman_double_to_fixed(std::sin(a)));
  pixman_transform_translate(nullptr, &t, pixman_double_to_fixed(kSrc / 2.0), pixman_double_to_fixed(kSrc / 2.0));
  pixman_image_set_transform(pSrc, &t);
  pixman_image_set_filter(pSrc, PIXMAN_FILTER_BILINEAR, nullptr, 0);
  pixman_image_set_repeat(pSrc, PIXMAN_REPEAT_NONE);
  for (auto _ : State) {
    pixman_image_composite32(PIXMAN_OP_OVER, pSrc, nullptr, pDst, 0, 0, 0, 0, 0, 0, kDst, kDst);
    benchmark::ClobberMemory();
  }
  pixman_image_unref(pSrc);
  pixman_image_unref(pDst);
}
BENCHMARK(_Pixman)->Name("BM_RotateSmooth_Reference");
BENCHMARK(_Pixman)->Name("BM_RotateSmoothPlain_Reference");
#endif

}  // namespace

BENCHMARK(BM_RotateSmooth);
BENCHMARK(BM_RotateSmoothPlain);

int main(int argc, char** argv) {
  GUI_Init();
  _hSrc = GUI_MEMDEV_Create32(0, 0, kSrc, kSrc);
  _hDst = GUI_MEMDEV_Create32(0, 0, kDst, kDst);
  if (!_hSrc || !_hDst) return 1;
  U32* pSrc = (U32*)GUI_MEMDEV_GetDataPtr(_hSrc);
  for (int y = 0; y < kSrc; y++)
    for (int x = 0; x < kSrc; x++) pSrc[(size_t)y * kSrc + x] = _Pattern(x, y);
  U32* pDst = (U32*)GUI_MEMDEV_GetDataPtr(_hDst);
  for (int i = 0; i < kDst * kDst; i++) pDst[i] = 0x00604020u;
  int r = benchratio::Main(argc, argv);
  GUI_MEMDEV_Delete(_hSrc);
  GUI_MEMDEV_Delete(_hDst);
  GUI_Exit();
  return r;
}
