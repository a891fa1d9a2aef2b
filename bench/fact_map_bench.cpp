#include <benchmark/benchmark.h>

#include <QDir>

#include "core/answer_record.h"
#include "core/app_state.h"
#include "real_services.h"
#include "results_generator.h"
#include "teacher/fact_map.h"

namespace {

constexpr qint64 kAnswers = 5000000;  // 160 MB of log
constexpr int kPupils = 5000;
constexpr int kDays = 730;

// A school's data folder with a log of five million answers over two years, made once per process
// so that the timed passes read the log from the page cache.
struct AnswerLogSetup : RealServices {
  AnswerLogSetup() {
    AppState& s = *state;
    s.dataRoot = dir.path() + QDir::separator();
    s.programDataFolder = s.dataRoot;
    writeLargeAnswerLog(answerLogPath(s), kAnswers, kPupils, clock.dateNumber(), kDays);
  }
  static AnswerLogSetup& instance() {
    static AnswerLogSetup setup;
    return setup;
  }
};

void timeMap(benchmark::State& bench, const FactGroup& group, FactPeriod period) {
  AnswerLogSetup& setup = AnswerLogSetup::instance();
  const QDate today = setup.clock.today();
  buildFactMap(*setup.state, setup.pause, group, period, today);  // warms the page cache
  for (auto _ : bench) {
    const FactMap map = buildFactMap(*setup.state, setup.pause, group, period, today);
    benchmark::DoNotOptimize(map.cell(12, 7).answers);
  }
}

// Every answer of the log goes into the map: the heaviest a teacher can ask for.
void schoolMap(benchmark::State& bench) { timeMap(bench, FactGroup::school(), FactPeriod::Everything); }
// One pupil's answers are one in five thousand, but every record's pupil number must still be read.
void pupilMap(benchmark::State& bench) { timeMap(bench, FactGroup::pupil(2500), FactPeriod::Everything); }
// What the teacher's screen opens on.
void schoolMap30Days(benchmark::State& bench) { timeMap(bench, FactGroup::school(), FactPeriod::Days30); }

}  // namespace

BENCHMARK(schoolMap)->Name("fact_map_school_5m")->Unit(benchmark::kMillisecond);
BENCHMARK(pupilMap)->Name("fact_map_pupil_5m")->Unit(benchmark::kMillisecond);
BENCHMARK(schoolMap30Days)->Name("fact_map_school_30d_5m")->Unit(benchmark::kMillisecond);
