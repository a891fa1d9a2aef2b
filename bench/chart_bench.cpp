#include <benchmark/benchmark.h>

#include <QDir>
#include <memory>

#include "core/result_record.h"
#include "core/results_file.h"
#include "menu/chart_panel.h"
#include "menu/chart_picture.h"
#include "platform/record_file.h"
#include "real_services.h"
#include "results_generator.h"

namespace {

constexpr int kRecordsInFile = 20000;
constexpr int kPupils = 2000;
constexpr int kChartedPupil = 7;
constexpr int kPupilRuns = 300;  // a hundred on each of the page's three levels

// A school of 2000 pupils with 20000 runs, one of them with 300 runs on the first three levels, and
// the chart panel at its size on the menu.
struct ChartSetup : RealServices {
  ChartSetup() {
    AppState& s = *state;
    s.programDataFolder = dir.path() + QDir::separator();
    s.programTitle = QStringLiteral("カケドリ１");
    s.levelCount = 25;
    s.schoolYear = 2026;
    s.rosterCount = kPupils;
    for (int level = 1; level <= 25; ++level) s.levelName[level] = QStringLiteral("%1の段").arg(level);
    for (int p = 1; p <= kPupils; ++p) {
      s.rosterPupilNo[p] = p;
      s.pupilName[p] = QStringLiteral("生徒%1").arg(p);
      s.pupilBirthYear[p] = 2012 + p % 8;
      for (int level = 1; level <= 25; ++level) {
        s.personalBest(level, p) = 40 + (p * 7 + level) % 60;
        s.totalPoints(level, p) = (p * 13 + level) % 300;
        s.todayPoints(level, p) = (p + level) % 20;
      }
    }
    s.currentPupilNo = kChartedPupil;
    const double today = clock.dateNumber();
    writeLargeResultsFile(resultsPath(s), kRecordsInFile - kPupilRuns, kPupils, today);
    QByteArray runs;
    for (int i = 0; i < kPupilRuns; ++i) {
      ResultRecord r;
      r.date = today - (kPupilRuns - i) / 3;
      r.timeOfDay = 0.6;
      r.pupilNo = kChartedPupil;
      r.level = int16_t(1 + i % 3);
      r.runTime = 40 + (i * 37) % 80;
      runs += r.encode();
    }
    RecordFile file;
    file.open(resultsPath(s));
    file.write(file.size(), runs);
    file.close();

    ChartPanel::Hooks hooks;
    hooks.newestResults = [this] { return readNewestResults(*state, pause, kMaxResults); };
    hooks.audience = [this] { return ReportAudience(*state, QStringLiteral("全学年")); };
    panel = std::make_unique<ChartPanel>(context, hooks);
    panel->resize(1000, 550);
    panel->setLevels(25);
    panel->show();
  }

  std::unique_ptr<ChartPanel> panel;
};

// Opening the chart panel: the newest records read, and for each of three levels both rankings of
// the roster, the block computed and drawn into the panel's picture.
void chartPage(benchmark::State& bench) {
  ChartSetup setup;
  setup.panel->open();  // warms the page cache
  for (auto _ : bench) {
    setup.panel->open();
    benchmark::DoNotOptimize(setup.panel->Picture12->image().bits());
  }
  if (setup.panel->chartLevel != 3 || setup.panel->List4[2].size() != kPupils)
    bench.SkipWithError("the page did not rank every pupil on three levels");
}

}  // namespace

BENCHMARK(chartPage)->Name("chart_page_20k")->Unit(benchmark::kMillisecond);
