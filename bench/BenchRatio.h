// Shared main of the benchmark programs: runs every registered benchmark, then prints for each pair
// "<name>" / "<name>_Reference" the time ratio (below 1 means ours is faster).
#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace benchratio {

class Reporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& Runs) override {
    for (const Run& r : Runs) {
      if (r.run_type == Run::RT_Iteration && r.iterations > 0) {
        Times[r.benchmark_name()] = r.GetAdjustedRealTime();
      }
    }
    ConsoleReporter::ReportRuns(Runs);
  }
  std::map<std::string, double> Times;
};

inline int Main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  Reporter r;
  benchmark::RunSpecifiedBenchmarks(&r);
  for (const auto& [Name, Time] : r.Times) {
    auto It = r.Times.find(Name + "_Reference");
    if (It != r.Times.end() && It->second > 0) {
      std::printf("%s: %.3g ns, reference %.3g ns, ratio ours/reference %.2f\n", Name.c_str(), Time, It->second,
                  Time / It->second);
    }
  }
  benchmark::Shutdown();
  return 0;
}

}  // namespace benchratio

#define BENCH_RATIO_MAIN() \
  int main(int argc, char** argv) { return benchratio::Main(argc, argv); }
