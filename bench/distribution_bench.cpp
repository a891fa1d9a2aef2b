#include <benchmark/benchmark.h>

#include <QDir>
#include <QTemporaryDir>

#include "core/results_file.h"
#include "platform/clock.h"
#include "platform/pause.h"
#include "results_generator.h"
#include "teacher/result_distribution.h"

namespace {

constexpr int kRecordsInFile = 100000;
constexpr int kPupils = 5000;

// A large school's results file, written once; every timed refresh reads it from the page cache.
struct DistributionSetup {
  DistributionSetup() {
    path = dir.path() + QDir::separator() + kResultsFileName;
    writeLargeResultsFile(path, kRecordsInFile, kPupils, clock.dateNumber());
  }

  QTemporaryDir dir;
  QString path;
  SystemClock clock;
  EventLoopPause pause{clock};
};

// One refresh of the panel beside the criteria grid, as after every key: the whole file read and
// counted, and the two charts of the level under the cursor built.
void refreshDistributionOfLargeFile(benchmark::State& bench) {
  static DistributionSetup s;
  int level = 0;
  qsizetype lines = 0;
  for (auto _ : bench) {
    level = level % 25 + 1;
    const ResultDistribution d = readDistribution(s.path, s.pause);
    lines += allTimesChart(d, level).size() + bestTimesChart(d, level).size();
    benchmark::DoNotOptimize(lines);
  }
}

}  // namespace

BENCHMARK(refreshDistributionOfLargeFile)->Name("distribution_refresh_100k")->Unit(benchmark::kMillisecond);
