// One display line of alpha blending (a 32-bit colour line with per-pixel transparency over a background line)
// against pixman's OVER operator on the same line.
#include <vector>

#include "BenchRatio.h"
#include "GUI.h"

#ifdef HAVE_PIXMAN
#include <pixman.h>
#endif

namespace {

const int Width = 480;

std::vector<U32> MakeLine(U32 Seed) {
  std::vector<U32> v((size_t)Width);
  for (int i = 0; i < Width; i++) {
    v[(size_t)i] = (Seed * (U32)(i + 1) * 2654435761u) ^ (U32)(i << 24);
  }
  return v;
}

void Blend(benchmark::State& State) {
  std::vector<U32> Fg = MakeLine(3), Bg = MakeLine(5), Dst((size_t)Width);
  for (auto _ : State) {
    GUI__MixColorsBulk(Fg.data(), Bg.data(), Dst.data(), 0, 0, 0, Width, 1, 255);
    benchmark::DoNotOptimize(Dst.data());
    benchmark::ClobberMemory();
  }
  State.SetItemsProcessed(State.iterations() * Width);
}

#ifdef HAVE_PIXMAN
void Blend_Reference(benchmark::State& State) {
  std::vector<U32> Fg = MakeLine(3), Bg = MakeLine(5), Dst = Bg;
  pixman_image_t* pSrc = pixman_image_create_bits(PIXMAN_a8r8g8b8, Width, 1, Fg.data(), Width * 4);
  pixman_image_t* pDst = pixman_image_create_bits(PIXMAN_x8r8g8b8, Width, 1, Dst.data(), Width * 4);
  for (auto _ : State) {
    pixman_image_composite32(PIXMAN_OP_OVER, pSrc, nullptr, pDst, 0, 0, 0, 0, 0, 0, Width, 1);
    benchmark::DoNotOptimize(Dst.data());
    benchmark::ClobberMemory();
  }
  pixman_image_unref(pSrc);
  pixman_image_unref(pDst);
  State.SetItemsProcessed(State.iterations() * Width);
}
BENCHMARK(Blend_Reference);
#endif

}  // namespace

BENCHMARK(Blend);
BENCH_RATIO_MAIN()
