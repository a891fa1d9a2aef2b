#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdio>
#include <vector>

#include "teardown.h"

namespace {
std::vector<std::function<void()>>& teardowns() {
  static std::vector<std::function<void()>> list;
  return list;
}

// Prints "<name> <median in ms>" for every benchmark, in the order they were registered.
class MedianReporter : public benchmark::BenchmarkReporter {
 public:
  bool ReportContext(const Context&) override { return true; }
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type != Run::RT_Aggregate || run.aggregate_name != "median") continue;
      const double ms = run.GetAdjustedRealTime() * benchmark::GetTimeUnitMultiplier(run.time_unit) /
                        benchmark::GetTimeUnitMultiplier(benchmark::kMillisecond);
      std::printf("%s %.3f\n", run.run_name.function_name.c_str(), ms);
      std::fflush(stdout);
    }
  }
};
}  // namespace

void atBenchmarksEnd(std::function<void()> teardown) { teardowns().push_back(std::move(teardown)); }

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  MedianReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  for (auto it = teardowns().rbegin(); it != teardowns().rend(); ++it) (*it)();
  return 0;
}
