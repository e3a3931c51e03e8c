// Full-screen fill and 16-bit bitmap copy through the display driver, against memcpy of the same bytes.
#include <cstring>
#include <vector>

#include "BenchRatio.h"
#include "GUI.h"

namespace {

const int XSize = 480, YSize = 272;

void InitOnce() {
  static bool Done = false;
  if (!Done) {
    GUI_Init();
    Done = true;
  }
}

void Fill(benchmark::State& State) {
  InitOnce();
  GUI_COLOR c = 0;
  for (auto _ : State) {
    GUI_SetColor(c += 0x010203);
    GUI_FillRect(0, 0, XSize - 1, YSize - 1);
  }
  State.SetBytesProcessed(State.iterations() * XSize * YSize * 2);
}

void Fill_Reference(benchmark::State& State) {
  std::vector<U16> Src((size_t)XSize * YSize, 0x1234), Dst((size_t)XSize * YSize);
  for (auto _ : State) {
    std::memcpy(Dst.data(), Src.data(), Dst.size() * 2);
    benchmark::DoNotOptimize(Dst.data());
    benchmark::ClobberMemory();
  }
  State.SetBytesProcessed(State.iterations() * XSize * YSize * 2);
}

void Copy16(benchmark::State& State) {
  InitOnce();
  std::vector<U16> Bitmap((size_t)XSize * YSize);
  for (size_t i = 0; i < Bitmap.size(); i++) {
    Bitmap[i] = (U16)(i * 7);
  }
  GUI_Lock();
  for (auto _ : State) {
    LCD_DrawBitmap(0, 0, XSize, YSize, 1, 1, 16, XSize * 2, reinterpret_cast<const U8*>(Bitmap.data()), nullptr);
  }
  GUI_Unlock();
  State.SetBytesProcessed(State.iterations() * XSize * YSize * 2);
}

void Copy16_Reference(benchmark::State& State) { Fill_Reference(State); }

}  // namespace

BENCHMARK(Fill);
BENCHMARK(Fill_Reference);
BENCHMARK(Copy16);
BENCHMARK(Copy16_Reference);
BENCH_RATIO_MAIN()
