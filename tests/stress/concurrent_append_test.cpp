// Several computers of a school record runs into one results file and one answer log while others
// read them. Four processes (fcntl locks belong to processes, so threads would prove nothing) run
// the program's own append routines while this process keeps loading both files with the program's
// own readers.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <iostream>
#include <memory>
#include <thread>
#include <vector>

#include "core/answer_log.h"
#include "core/answer_log_reader.h"
#include "core/app_state.h"
#include "core/result_record.h"
#include "core/results_file.h"
#include "platform/pause.h"
#include "support/fakes.h"

namespace {

constexpr int kWriters = 4;
constexpr int kRecordsPerWriter = 2500;
const QDateTime kRunMoment(QDate(2026, 12, 9), QTime(10, 30));

// The locks are what is under test. On a disk every append's fsync costs a few milliseconds, and
// 10,000 of them in a row would take most of a minute, so the file lies in memory where one exists.
QString scratchParent() {
  const QFileInfo shm(QStringLiteral("/dev/shm"));
  return shm.isDir() && shm.isWritable() ? shm.filePath() : QDir::tempPath();
}

// Writer w is pupil w + 1; its n-th record (from 1) has run time n and level (n - 1) % 25 + 1, so a
// reader can tell from every record who wrote it and where it belongs in that writer's sequence.
int levelOf(int sequence) { return (sequence - 1) % 25 + 1; }

// Each run logs three answers; answer i of run n takes n * 10 + i milliseconds, so the log too tells
// whose run an answer belongs to and where.
constexpr int kAnswersPerRun = 3;
std::vector<AnswerRecord> answersOfRun(int sequence) {
  std::vector<AnswerRecord> answers(kAnswersPerRun);
  for (int i = 0; i < kAnswersPerRun; ++i) {
    answers[i].multiplicand = uint8_t(11 + i);
    answers[i].multiplier = uint8_t((sequence - 1) % 20 + 1);
    answers[i].answerMs = sequence * 10 + i;
  }
  return answers;
}

[[noreturn]] void runWriter(const QString& programDataFolder, int writer) {
  int exitCode = 0;
  try {
    auto state = std::make_unique<AppState>();
    state->programDataFolder = programDataFolder;
    state->schoolCode = QStringLiteral("12345");
    state->currentPupilNo = writer + 1;
    const FakeClock clock(kRunMoment);
    for (int n = 1; n <= kRecordsPerWriter; ++n) {
      state->currentLevel = levelOf(n);
      state->runTime = n;
      const RecordingReport report = appendResult(*state, clock);
      if (!appendAnswers(*state, report.record, answersOfRun(n)).isEmpty()) exitCode = 2;
    }
  } catch (...) {
    exitCode = 1;
  }
  _exit(exitCode);
}

// A wait that lets the writers on while the loader is turned away by a held lock.
class ShortSleep final : public Pause {
 public:
  void pause(int) override {
    ++busyWaits;
    std::this_thread::sleep_for(std::chrono::microseconds(200));
  }
  int busyWaits = 0;
};

// What one load held: each writer's records must be whole, in order and without gaps.
struct LoadCheck {
  int records = 0;
  QString fault;  // empty when every record was whole
};

LoadCheck checkLoaded(const AppState& state) {
  constexpr int kSentinel = 123456;
  LoadCheck check;
  check.records = state.resultCount;
  std::vector<int> seen(kWriters, 0);
  const FakeClock clock(kRunMoment);
  const double date = clock.dateNumber();
  const double timeOfDay = clock.timeOfDay();
  for (int k = 1; k <= state.resultCount; ++k) {
    const int writer = state.resultPupilNo[k] - 1;
    const int sequence = state.resultRunTime[k];
    if (writer < 0 || writer >= kWriters || sequence != seen[writer] + 1 ||
        state.resultLevel[k] != levelOf(sequence) || state.resultDate[k] != date ||
        state.resultTime[k] != timeOfDay) {
      check.fault = QStringLiteral("slot %1: pupil %2 level %3 time %4 after %5 whole records")
                        .arg(k)
                        .arg(state.resultPupilNo[k])
                        .arg(state.resultLevel[k])
                        .arg(sequence)
                        .arg(writer >= 0 && writer < kWriters ? seen[writer] : -1);
      return check;
    }
    seen[writer] = sequence;
  }
  // A record still zero-filled would have been dropped from the slots but counted here.
  if (state.personalBest(0, 0) != kSentinel) check.fault = QStringLiteral("a record of pupil 0 level 0");
  return check;
}

// What one reading of the answer log held: each run's answers together, each writer's runs in order.
LoadCheck checkLoggedAnswers(const AppState& state, Pause& pause) {
  LoadCheck check;
  std::vector<int> seen(kWriters, 0);
  int inRun = 0;  // answers of the current run read so far
  int runWriter = 0, runSequence = 0;
  const FakeClock clock(kRunMoment);
  const AnswerLogReading reading = readAnswerLog(state, pause, {}, [&](const AnswerRecord& a) {
    if (!check.fault.isEmpty()) return;
    const int writer = a.pupilNo - 1;
    const int sequence = a.answerMs / 10;
    if (inRun == 0 && writer >= 0 && writer < kWriters) {
      runWriter = writer;
      runSequence = seen[writer] + 1;
    }
    if (writer != runWriter || sequence != runSequence || a.answerMs % 10 != inRun ||
        a.level != levelOf(sequence) || a.date != clock.dateNumber() || a.timeOfDay != clock.timeOfDay()) {
      check.fault = QStringLiteral("answer %1: pupil %2 run %3 answer %4 where run %5 of pupil %6 was due")
                        .arg(check.records + 1)
                        .arg(a.pupilNo)
                        .arg(sequence)
                        .arg(a.answerMs % 10)
                        .arg(runSequence)
                        .arg(runWriter + 1);
      return;
    }
    ++check.records;
    if (++inRun == kAnswersPerRun) {
      inRun = 0;
      seen[writer] = sequence;
    }
  });
  if (check.fault.isEmpty() && reading.damaged != 0)
    check.fault = QStringLiteral("%1 damaged answers").arg(reading.damaged);
  if (check.fault.isEmpty() && inRun != 0) check.fault = QStringLiteral("the last run's answers were cut");
  return check;
}

TEST(ConcurrentAppend, FourWritersAndALoaderLeaveEveryRecordWhole) {
  QTemporaryDir dir(scratchParent() + QStringLiteral("/kakedori-stress-XXXXXX"));
  ASSERT_TRUE(dir.isValid());
  const QString folder = dir.path() + u'/';

  std::vector<pid_t> writers;
  for (int w = 0; w < kWriters; ++w) {
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) runWriter(folder, w);
    writers.push_back(pid);
  }

  auto state = std::make_unique<AppState>();
  state->programDataFolder = folder;
  ShortSleep pause;
  auto load = [&] {
    state->personalBest(0, 0) = 123456;
    loadResults(*state, pause);
    return checkLoaded(*state);
  };

  int loads = 0, loadsWhileWriting = 0, lastCount = 0, lastAnswers = 0;
  bool writing = true;
  std::vector<int> exitStatus(kWriters, -1);
  while (writing) {
    const LoadCheck check = load();
    ++loads;
    ASSERT_EQ(check.fault, QString()) << "load " << loads << " saw a torn or misplaced record";
    ASSERT_GE(check.records, lastCount) << "a load lost records an earlier one saw";
    lastCount = check.records;
    const LoadCheck answers = checkLoggedAnswers(*state, pause);
    ASSERT_EQ(answers.fault, QString()) << "load " << loads << " saw a torn or split run in the answer log";
    ASSERT_GE(answers.records, lastAnswers) << "a reading lost answers an earlier one saw";
    lastAnswers = answers.records;
    if (check.records > 0 && check.records < kWriters * kRecordsPerWriter) ++loadsWhileWriting;

    writing = false;
    for (int w = 0; w < kWriters; ++w) {
      if (exitStatus[w] != -1) continue;
      int status = 0;
      if (waitpid(writers[w], &status, WNOHANG) == writers[w])
        exitStatus[w] = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
      else
        writing = true;
    }
  }
  for (int w = 0; w < kWriters; ++w) EXPECT_EQ(exitStatus[w], 0) << "writer " << w;
  EXPECT_GT(loadsWhileWriting, 0) << "no load ran while the writers were at work";

  const LoadCheck final = load();
  EXPECT_EQ(final.fault, QString());
  EXPECT_EQ(final.records, kWriters * kRecordsPerWriter);
  const LoadCheck finalAnswers = checkLoggedAnswers(*state, pause);
  EXPECT_EQ(finalAnswers.fault, QString());
  EXPECT_EQ(finalAnswers.records, kWriters * kRecordsPerWriter * kAnswersPerRun);
  EXPECT_EQ(QFileInfo(folder + kAnswerLogFileName).size(),
            qint64(kWriters) * kRecordsPerWriter * kAnswersPerRun * AnswerRecord::kSize);

  // Every record on disk is a whole 44 bytes with the texts of the layout.
  QFile file(folder + kResultsFileName);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  ASSERT_EQ(bytes.size(), qsizetype(kWriters) * kRecordsPerWriter * ResultRecord::kSize);
  for (qsizetype at = 0; at < bytes.size(); at += ResultRecord::kSize) {
    const ResultRecord r = ResultRecord::decode(bytes.constData() + at);
    ASSERT_EQ(r.schoolCode, QByteArray("12345")) << "record " << at / ResultRecord::kSize + 1;
    ASSERT_EQ(r.text2, QByteArray(5, ' '));
    ASSERT_EQ(r.text3, QByteArray("0    "));
    ASSERT_EQ(r.reserved, QByteArray(5, '\0'));
  }
  std::cout << loads << " loads, " << loadsWhileWriting << " while writing, " << pause.busyWaits
            << " turned away by a writer's lock\n";
}

}  // namespace
