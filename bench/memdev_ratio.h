// Runs the registered benchmarks and prints the time of one against its reference as a ratio; these
// machines are noisy, so only ratios taken in one run are compared.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

class MemdevRatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& Runs) override {
    for (const Run& r : Runs) Times[r.benchmark_name()] = r.GetAdjustedRealTime();
    ConsoleReporter::ReportRuns(Runs);
  }
  std::map<std::string, double> Times;
};

// Runs everything registered; prints ours / reference and returns 0.
inline int MemdevRunAndCompare(int argc, char** argv, const char* pOurs, const char* pReference, const char* pWhat) {
  benchmark::Initialize(&argc, argv);
  MemdevRatioReporter Reporter;
  benchmark::RunSpecifiedBenchmarks(&Reporter);
  double Ours = Reporter.Times[pOurs], Ref = Reporter.Times[pReference];
  if (Ours > 0 && Ref > 0) {
    std::printf("%s: ours %.1f us, reference %.1f us, speed ratio (reference time / our time) %.2f\n", pWhat,
                Ours / 1000.0, Ref / 1000.0, Ref / Ours);
  }
  benchmark::Shutdown();
  return 0;
}
