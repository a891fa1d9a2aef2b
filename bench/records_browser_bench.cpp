#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include "core/app_state.h"
#include "core/result_record.h"
#include "core/results_file.h"
#include "platform/text_codec.h"
#include "real_services.h"
#include "results_generator.h"
#include "selection/roster_file.h"
#include "teacher/frm_data.h"
#include "teacher/record_edit.h"

namespace {

constexpr int kPupils = 5000;
constexpr int kRecordsInFile = 100000;

QStringList roster() {
  QStringList lines;
  for (int pupil = 1; pupil <= kPupils; ++pupil)
    lines.append(QStringLiteral("%1,%2,0,0,\"生徒%3\",0,\"\",\"\"").arg(pupil).arg(2008 + pupil % 14).arg(pupil));
  return lines;
}

// A school's data folder with a 5000-pupil roster and a results file of 100,000 records, made once
// so that the timed passes read the files from the page cache.
struct BrowserSetup : RealServices {
  BrowserSetup() {
    AppState& s = *state;
    s.dataRoot = dir.path() + QDir::separator();
    s.programDataFolder = s.dataRoot;
    s.schoolYearStartMonth = Value(4);
    s.schoolCode = QStringLiteral("12345");
    s.schoolName = QStringLiteral("テスト塾");
    s.programTitle = QStringLiteral("カケドリ１");
    writeTextFile(s.dataRoot + kRosterFileName, roster());
    writeLargeResultsFile(resultsPath(s), kRecordsInFile, kPupils, clock.dateNumber());
  }

  OpenedRecord middleRecord() const {
    QFile file(resultsPath(*state));
    file.open(QIODevice::ReadOnly);
    const int recordNo = int(file.size() / ResultRecord::kSize / 2);
    file.seek(qint64(recordNo - 1) * ResultRecord::kSize);
    return {recordNo, file.read(ResultRecord::kSize)};
  }
};

// The listing routine on the shown screen: roster and results read, the list refilled and the lines
// on screen drawn.
void browserList(benchmark::State& bench) {
  BrowserSetup setup;
  FrmData screen(setup.context);
  screen.resize(1024, 768);
  screen.show();
  screen.listRecords();  // warms the page cache
  QCoreApplication::processEvents();
  for (auto _ : bench) {
    screen.listRecords();
    QCoreApplication::processEvents();
    benchmark::DoNotOptimize(screen.listModel.rowCount());
  }
  if (screen.listModel.rowCount() != kRecordsInFile) bench.SkipWithError("not every record was listed");
}

// One record from the middle of the file, with the copy written and flushed and the file rewritten
// in place.
void deleteRecordFromTheMiddle(benchmark::State& bench) {
  BrowserSetup setup;
  for (auto _ : bench) {
    bench.PauseTiming();
    const OpenedRecord middle = setup.middleRecord();
    bench.ResumeTiming();
    if (deleteRecord(*setup.state, middle) != EditResult::Done) bench.SkipWithError("the record was not deleted");
  }
}

}  // namespace

BENCHMARK(browserList)->Name("browser_list_100k")->Unit(benchmark::kMillisecond);
BENCHMARK(deleteRecordFromTheMiddle)->Name("delete_record_100k")->Unit(benchmark::kMillisecond);
