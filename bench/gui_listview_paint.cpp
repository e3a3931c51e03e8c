// Painting a list view scrolled to the middle of 10,000 rows, against the same list view holding 100 rows:
// a paint touches only the rows that show, so the ratio stays near 1.
#include <string>

#include "BenchRatio.h"
#include "LISTVIEW.h"

namespace {

void ConfigHeap(void) {
  GUI_ALLOC_SetAvBlockSize(32); // four blocks per row of three cells, and then some
  GUI_ALLOC_AssignMemory(nullptr, 32 << 20);
}
const GUI_CONFIG_API HeapConfig = {ConfigHeap, nullptr};

void InitOnce() {
  static bool Done = false;
  if (!Done) {
    GUI_SetConfigAPI(&HeapConfig);
    GUI_Init();
    WM_Init();
    Done = true;
  }
}

WM_HWIN MakeList(int NumRows) {
  WM_HWIN h = LISTVIEW_CreateUser(0, 0, 320, 240, 0, WM_CF_SHOW, 0, 1, 0);
  LISTVIEW_AddColumn(h, 100, "Name", 0);
  LISTVIEW_AddColumn(h, 60, "Size", 1);
  LISTVIEW_AddColumn(h, 120, "Date", 0);
  LISTVIEW_SetAutoScrollV(h, 1);
  LISTVIEW_SetGridVis(h, 1);
  for (int i = 0; i < NumRows; i++) {
    std::string a = "File " + std::to_string(i), b = std::to_string(i * 37 % 1000);
    const char* ap[] = {a.c_str(), b.c_str(), "2026-12-07", nullptr};
    LISTVIEW_AddRow(h, ap);
  }
  LISTVIEW_SetSel(h, NumRows / 2);
  WM_Exec();
  return h;
}

void Paint(benchmark::State& State, int NumRows) {
  InitOnce();
  WM_HWIN h = MakeList(NumRows);
  if (LISTVIEW_GetNumRows(h) != (unsigned)NumRows) {
    State.SkipWithError("not all rows could be added");
  }
  for (auto _ : State) {
    WM_InvalidateWindow(h);
    WM_Exec();
  }
  WM_DeleteWindow(h);
  WM_Exec();
}

void ListviewPaint10000Rows(benchmark::State& State) { Paint(State, 10000); }
void ListviewPaint10000Rows_Reference(benchmark::State& State) { Paint(State, 100); }

}  // namespace

BENCHMARK(ListviewPaint10000Rows);
BENCHMARK(ListviewPaint10000Rows_Reference);

BENCH_RATIO_MAIN()
