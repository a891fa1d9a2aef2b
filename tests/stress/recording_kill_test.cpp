// A school computer switched off or killed while it records a run: whatever moment the kill comes,
// the results file and the answer log hold whole records only, and each run in the log has all its
// answers. A child process records runs without a pause and is killed with SIGKILL after a random
// delay, round after round, on a real disk so that each write and flush has its own moment.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <memory>
#include <random>
#include <thread>

#include "core/answer_record.h"
#include "core/app_state.h"
#include "core/result_record.h"
#include "core/results_file.h"
#include "platform/clock.h"

namespace {

constexpr int kPupil = 7;
constexpr int kAnswersPerRun = 30;
constexpr int kRounds = 25;

// Run n (from 1) has run time n; its answer i takes n * 100 + i milliseconds.
[[noreturn]] void recordRunsUntilKilled(const QString& folder, int firstRun) {
  auto state = std::make_unique<AppState>();
  state->programDataFolder = folder + QStringLiteral("share/");
  state->outboxFolder = folder + QStringLiteral("local/");
  state->schoolCode = QStringLiteral("12345");
  state->currentPupilNo = kPupil;
  const SystemClock clock;
  for (int n = firstRun;; ++n) {
    state->currentLevel = (n - 1) % 25 + 1;
    state->runTime = n;
    state->runAnswers.assign(kAnswersPerRun, AnswerRecord{});
    for (int i = 0; i < kAnswersPerRun; ++i) {
      AnswerRecord& a = state->runAnswers[i];
      a.multiplicand = uint8_t(11 + i % 3);
      a.multiplier = uint8_t(i % 20 + 1);
      a.result = i % 7 == 0 ? AnswerRecord::Result::Wrong : AnswerRecord::Result::Right;
      a.answerMs = n * 100 + i;
    }
    recordRun(*state, clock, state->currentLevel);
  }
}

QByteArray contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct Files {
  std::vector<int> runTimes;   // of the results records, in file order
  std::vector<int> loggedRuns; // runs whose answers the log holds, in file order
  QString fault;               // empty when every record of both files was whole
};

Files inspect(const QString& share) {
  Files files;
  const QByteArray results = contents(share + kResultsFileName);
  if (results.size() % ResultRecord::kSize != 0)
    return {{}, {}, QStringLiteral("results file of %1 bytes").arg(results.size())};
  for (qsizetype at = 0; at < results.size(); at += ResultRecord::kSize) {
    const ResultRecord r = ResultRecord::decode(results.constData() + at);
    if (r.pupilNo != kPupil || r.schoolCode != QByteArray("12345") || r.level != (r.runTime - 1) % 25 + 1)
      return {{}, {}, QStringLiteral("results record %1 is not whole").arg(at / ResultRecord::kSize + 1)};
    files.runTimes.push_back(r.runTime);
  }

  const QByteArray log = contents(share + kAnswerLogFileName);
  if (log.size() % (qsizetype(AnswerRecord::kSize) * kAnswersPerRun) != 0)
    return {{}, {}, QStringLiteral("answer log of %1 bytes").arg(log.size())};
  for (qsizetype at = 0; at < log.size(); at += AnswerRecord::kSize) {
    const AnswerRecord a = AnswerRecord::decode(log.constData() + at);
    const int index = int(at / AnswerRecord::kSize);
    const int run = a.answerMs / 100;
    const bool firstOfRun = index % kAnswersPerRun == 0;
    if (!a.isPlausible() || a.pupilNo != kPupil || a.answerMs % 100 != index % kAnswersPerRun ||
        (!firstOfRun && run != files.loggedRuns.back()))
      return {{}, {}, QStringLiteral("answer %1 is not whole or not with its run").arg(index + 1)};
    if (firstOfRun) files.loggedRuns.push_back(run);
  }
  return files;
}

TEST(RecordingKill, LeavesBothFilesWithWholeRecordsWheneverItComes) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString folder = dir.path() + u'/';
  ASSERT_TRUE(QDir().mkpath(folder + QStringLiteral("share")));
  const QString share = folder + QStringLiteral("share/");

  std::mt19937 random(20261210);
  std::uniform_int_distribution<int> delayUs(0, 20000);
  int nextRun = 1;
  for (int round = 1; round <= kRounds; ++round) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) recordRunsUntilKilled(folder, nextRun);
    // The kill is meant for the recording, not for the child's start: it comes at a random moment
    // once the child has recorded its first run of the round.
    const qint64 sizeBefore = QFileInfo(share + kResultsFileName).size();
    for (int wait = 0; wait < 10000 && QFileInfo(share + kResultsFileName).size() == sizeBefore; ++wait)
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    std::this_thread::sleep_for(std::chrono::microseconds(delayUs(random)));
    kill(child, SIGKILL);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL)
        << "round " << round << ": the recorder stopped by itself";

    const Files files = inspect(share);
    ASSERT_EQ(files.fault.toStdString(), "") << "round " << round;
    // Every logged run has its results record: the log is written after it, never before.
    for (const int run : files.loggedRuns)
      ASSERT_NE(std::find(files.runTimes.begin(), files.runTimes.end(), run), files.runTimes.end())
          << "round " << round << ": answers of run " << run << " without its results record";
    // A kill between the two appends costs at most that one run's answers.
    ASSERT_LE(files.runTimes.size() - files.loggedRuns.size(), size_t(round)) << "round " << round;
    if (!files.runTimes.empty()) nextRun = files.runTimes.back() + 1;
  }
  EXPECT_GE(nextRun, kRounds) << "the kills came before the recording";
}

}  // namespace
