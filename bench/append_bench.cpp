#include <benchmark/benchmark.h>

#include <QDir>
#include <QTemporaryDir>
#include <memory>

#include "core/answer_log.h"
#include "core/app_state.h"
#include "core/result_record.h"
#include "core/results_file.h"
#include "platform/clock.h"
#include "platform/record_file.h"

namespace {

// One run's append on a data folder of its own, with this computer's outbox folder set and empty,
// as on every school computer whose share takes its runs.
struct AppendSetup {
  AppendSetup() {
    state->programDataFolder = dir.path() + QStringLiteral("/share/");
    state->outboxFolder = dir.path() + QStringLiteral("/local/");
    QDir().mkpath(state->programDataFolder);
    state->schoolCode = QStringLiteral("12345");
    state->currentPupilNo = 12;
    state->currentLevel = 3;
    state->runTime = 85;
  }
  QTemporaryDir dir;
  SystemClock clock;
  std::unique_ptr<AppState> state = std::make_unique<AppState>();
};

void appendWithOutbox(benchmark::State& bench) {
  AppendSetup s;
  for (auto _ : bench) {
    const RecordingReport report = appendResult(*s.state, s.clock);
    if (report.keptHere) bench.SkipWithError("the run was kept on this computer");
  }
  if (waitingResultsCount(*s.state) != 0) bench.SkipWithError("runs wait in the outbox");
}

// The floor: the same record written as an append did before there was an outbox (open, lock,
// write at the end, flush, close), with nothing else.
void appendBare(benchmark::State& bench) {
  AppendSetup s;
  const QString path = resultsPath(*s.state);
  ResultRecord record;
  record.pupilNo = 12;
  record.level = 3;
  record.runTime = 85;
  record.schoolCode = "12345";
  const QByteArray bytes = record.encode();
  for (auto _ : bench) {
    RecordFile file;
    if (file.open(path) != RecordFile::Status::Ok || file.lockForWriting() != RecordFile::Status::Ok) {
      bench.SkipWithError("cannot open the results file");
      break;
    }
    const qint64 size = file.size();
    file.write(size / ResultRecord::kSize * ResultRecord::kSize, bytes);
    file.flush();
    file.unlock();
  }
}

// What the answer log adds to a run's recording: the run's 30 answers appended after its results
// record, as recordRun does. Its target is a few milliseconds beside append_with_outbox.
void answerLogAppend(benchmark::State& bench) {
  AppendSetup s;
  std::vector<AnswerRecord> answers(30);
  for (int i = 0; i < 30; ++i) {
    answers[i].multiplicand = uint8_t(11 + i % 3);
    answers[i].multiplier = uint8_t(i % 20 + 1);
    answers[i].answerMs = 1800 + 37 * i;
  }
  const RecordingReport run = appendResult(*s.state, s.clock);
  for (auto _ : bench) {
    const QString trouble = appendAnswers(*s.state, run.record, answers);
    if (!trouble.isEmpty()) bench.SkipWithError(qPrintable(trouble));
  }
  if (answerLogOutbox(*s.state).waitingCount() != 0) bench.SkipWithError("answers wait in the outbox");
}

}  // namespace

BENCHMARK(answerLogAppend)->Name("answer_log_append")->Unit(benchmark::kMillisecond);
BENCHMARK(appendWithOutbox)->Name("append_with_outbox")->Unit(benchmark::kMillisecond);
BENCHMARK(appendBare)->Name("append_bare")->Unit(benchmark::kMillisecond);
