#include <benchmark/benchmark.h>

#include <QDir>
#include <QTemporaryDir>
#include <memory>

#include "core/app_state.h"
#include "core/result_record.h"
#include "core/results_file.h"
#include "core/tallies.h"
#include "platform/clock.h"
#include "platform/pause.h"
#include "platform/record_file.h"
#include "results_generator.h"

namespace {

constexpr int kRecordsInFile = 100000;
constexpr int kPupils = 5000;

// A year of a large school's runs in a temporary data folder, and the state that tallies it. Made
// once: the first benchmark pays for writing the file, so every timed pass reads it from the page
// cache as a busy school computer would.
struct RecountSetup {
  RecountSetup() {
    state->programDataFolder = dir.path() + QDir::separator();
    setLargeSchoolCriteria(*state);
    writeLargeResultsFile(resultsPath(*state), kRecordsInFile, kPupils, clock.dateNumber());
  }

  QTemporaryDir dir;
  SystemClock clock;
  EventLoopPause pause{clock};
  std::unique_ptr<AppState> state = std::make_unique<AppState>();
};

RecountSetup& setup() {
  static RecountSetup instance;
  return instance;
}

void recountTalliesOfLargeFile(benchmark::State& bench) {
  RecountSetup& s = setup();
  recountTallies(*s.state, s.clock, s.pause);  // warms the page cache
  for (auto _ : bench) {
    recountTallies(*s.state, s.clock, s.pause);
    benchmark::DoNotOptimize(s.state->totalPoints(1, 1));
  }
  if (s.state->resultCount != kMaxResults) bench.SkipWithError("the newest 20000 records were not all held");
}

// The floor under any recount: the same newest 20000 records read into memory and nothing more.
void readNewestRecords(benchmark::State& bench) {
  RecountSetup& s = setup();
  const QString path = resultsPath(*s.state);
  const qint64 count = qint64(kMaxResults) * ResultRecord::kSize;
  QByteArray bytes;
  for (auto _ : bench) {
    RecordFile file;
    if (file.open(path) != RecordFile::Status::Ok) {
      bench.SkipWithError("cannot open the results file");
      break;
    }
    file.read(file.size() - count, count, bytes);
    benchmark::DoNotOptimize(bytes.constData());
  }
  if (bytes.size() != count) bench.SkipWithError("short read");
}

}  // namespace

BENCHMARK(recountTalliesOfLargeFile)->Name("recount_20k")->Unit(benchmark::kMillisecond);
BENCHMARK(readNewestRecords)->Name("raw_read_20k")->Unit(benchmark::kMillisecond);
