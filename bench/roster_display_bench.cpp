#include <benchmark/benchmark.h>

#include <QDir>
#include <QListWidget>
#include <memory>

#include "core/app_state.h"
#include "core/results_file.h"
#include "platform/text_codec.h"
#include "real_services.h"
#include "results_generator.h"
#include "selection/namesel.h"
#include "selection/roster_file.h"

namespace {

constexpr int kPupils = 5000;
constexpr int kRecordsInFile = 100000;

// A roster of a large school: pupils of the nine school years and kindergarten, with names made of
// common family and given names so that many share a birth year and the order needs collation.
QStringList largeRoster() {
  const QStringList family = {QStringLiteral("佐藤"), QStringLiteral("鈴木"), QStringLiteral("高橋"),
                              QStringLiteral("田中"), QStringLiteral("伊藤"), QStringLiteral("渡辺"),
                              QStringLiteral("山本"), QStringLiteral("中村"), QStringLiteral("小林"),
                              QStringLiteral("加藤"), QStringLiteral("いしだ"), QStringLiteral("ウエノ")};
  const QStringList given = {QStringLiteral("太郎"), QStringLiteral("花子"), QStringLiteral("翔"),
                             QStringLiteral("さくら"), QStringLiteral("ハルト"), QStringLiteral("結衣"),
                             QStringLiteral("大輝"), QStringLiteral("美咲")};
  QStringList lines;
  for (int pupil = 1; pupil <= kPupils; ++pupil) {
    const QString name = family[pupil % family.size()] + given[(pupil / family.size()) % given.size()];
    const int birthYear = 2008 + pupil % 14;
    lines.append(QStringLiteral("%1,%2,0,0,\"%3\",0,\"\",\"\"").arg(pupil).arg(birthYear).arg(name));
  }
  return lines;
}

// The name screen over a temporary data folder with a 5000-pupil roster and a results file of a
// year's runs. Made once, so the timed passes read the files from the page cache.
struct RosterSetup : RealServices {
  RosterSetup() {
    AppState& s = *state;
    s.dataRoot = dir.path() + QDir::separator();
    s.programDataFolder = s.dataRoot;
    s.schoolYearStartMonth = Value(4);
    s.programTitle = QStringLiteral("カケドリ１");
    setLargeSchoolCriteria(s);
    writeTextFile(rosterPath(s), largeRoster());
    writeLargeResultsFile(resultsPath(s), kRecordsInFile, kPupils, clock.dateNumber());
    host.resize(1024, 768);
    screen = std::make_unique<namesel>(context);
  }

  std::unique_ptr<namesel> screen;
};

void rosterDisplay(benchmark::State& bench) {
  RosterSetup setup;
  setup.screen->名簿表示();  // warms the page cache
  for (auto _ : bench) {
    setup.screen->名簿表示();
    benchmark::DoNotOptimize(setup.screen->List1->count());
  }
  if (setup.screen->List1->count() != kPupils + 1) bench.SkipWithError("not every pupil was listed");
}

}  // namespace

BENCHMARK(rosterDisplay)->Name("roster_display_5000")->Unit(benchmark::kMillisecond);
