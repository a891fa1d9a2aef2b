#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdio>

namespace {
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

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  MedianReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
