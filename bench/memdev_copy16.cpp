// Copying a full-screen 16-bit memory device to the display, against memcpy of the same number of bytes.
#include <cstring>
#include <vector>

#include "GUI_MEMDEV.h"
#include "WM.h"
#include "BenchRatio.h"

namespace {

GUI_HMEM _hMem;

void BM_MemdevCopyToLCD(benchmark::State& State) {
  for (auto _ : State) {
    GUI_MEMDEV_CopyToLCD(_hMem);
    benchmark::ClobberMemory();
  }
}

void BM_MemdevCopyToLCD_Reference(benchmark::State& State) {
  size_t n = (size_t)LCD_GetXSize() * LCD_GetYSize() * 2;
  std::vector<U8> Src(n, 0x5A), Dst(n);
  for (auto _ : State) {
    std::memcpy(Dst.data(), Src.data(), n);
    benchmark::DoNotOptimize(Dst.data());
    benchmark::ClobberMemory();
  }
}

}  // namespace

BENCHMARK(BM_MemdevCopyToLCD);
BENCHMARK(BM_MemdevCopyToLCD_Reference);

int main(int argc, char** argv) {
  GUI_Init();
  WM_Init();
  _hMem = GUI_MEMDEV_CreateEx(0, 0, LCD_GetXSize(), LCD_GetYSize(), GUI_MEMDEV_NOTRANS);
  if (!_hMem) return 1;
  U16* p = (U16*)GUI_MEMDEV_GetDataPtr(_hMem);
  for (int i = 0; i < LCD_GetXSize() * LCD_GetYSize(); i++) p[i] = (U16)(i * 2654435761u >> 16);
  int r = benchratio::Main(argc, argv);
  GUI_MEMDEV_Delete(_hMem);
  GUI_Exit();
  return r;
}
