// Shared main of the benchmark programs: runs every registered benchmark, then prints for each pair
// "<name>" / "<name>_Reference" the time ratio (below 1 means ours is faster), and, when a common reference is
// named, the ratio of every other benchmark to it. These machines are noisy, so only ratios taken in one run
// are compared (with --benchmark_repetitions, of the medians).
#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace benchratio {

class Reporter : public benchmark::ConsoleReporter {
 public:
  // With --benchmark_repetitions the median of the repetitions stands for the benchmark.
  void ReportRuns(const std::vector<Run>& Runs) override {
    for (const Run& r : Runs) {
      if (r.error_occurred) continue;
      if (r.run_type == Run::RT_Iteration && r.iterations > 0 && !Medians.count(r.run_name.str())) {
        Times[r.run_name.str()] = r.GetAdjustedRealTime() * _ToNs(r.time_unit);
      } else if (r.run_type == Run::RT_Aggregate && r.aggregate_name == "median") {
        Times[r.run_name.str()] = r.GetAdjustedRealTime() * _ToNs(r.time_unit);
        Medians[r.run_name.str()] = true;
      }
    }
    ConsoleReporter::ReportRuns(Runs);
  }
  std::map<std::string, double> Times;  // nanoseconds
  std::map<std::string, bool> Medians;

 private:
  static double _ToNs(benchmark::TimeUnit Unit) {
    switch (Unit) {
      case benchmark::kSecond: return 1e9;
      case benchmark::kMillisecond: return 1e6;
      case benchmark::kMicrosecond: return 1e3;
      default: return 1;
    }
  }
};

// pCommon: a benchmark every other one is also compared with (null: pairs only).
inline int Main(int argc, char** argv, const char* pCommon = nullptr) {
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
  auto Common = pCommon ? r.Times.find(pCommon) : r.Times.end();
  if (Common != r.Times.end() && Common->second > 0) {
    for (const auto& [Name, Time] : r.Times) {
      if (Name != pCommon) {
        std::printf("%s: %.3g ns, ratio to %s %.1f\n", Name.c_str(), Time, pCommon, Time / Common->second);
      }
    }
  }
  benchmark::Shutdown();
  return 0;
}

}  // namespace benchratio

#define BENCH_RATIO_MAIN() \
  int main(int argc, char** argv) { return benchratio::Main(argc, argv); }
