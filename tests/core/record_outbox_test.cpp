#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>

#include "core/app_state.h"
#include "core/record_outbox.h"
#include "core/result_record.h"
#include "core/results_file.h"
#include "support/fakes.h"
#include "support/temp_installation.h"

namespace {

const double kToday = 46365;  // 2026-12-09

QByteArray encoded(int pupil, int level, int runTime) {
  return TempInstallation::record(kToday, pupil, level, runTime, 0.75).encode();
}

QByteArray contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).path());
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(bytes);
}

struct OutboxFixture : ::testing::Test {
  OutboxFixture() {
    s.programDataFolder = inst.programDataFolder();
    s.outboxFolder = inst.outboxFolder();
    s.schoolCode = u"12345"_qs;
    clock.set(QDate(2026, 12, 9), QTime(18, 0));
  }
  // Runs that the share could not take, waiting in the outbox.
  void keepWaiting(std::initializer_list<int> runTimes) {
    const QString away = inst.root() + u"/away"_qs;
    ASSERT_TRUE(QDir().rename(inst.programDataFolder(), away));
    for (int t : runTimes) {
      s.currentPupilNo = 3;
      s.currentLevel = 4;
      s.runTime = t;
      ASSERT_TRUE(appendResult(s, clock).keptHere);
    }
    ASSERT_TRUE(QDir().rename(away, inst.programDataFolder()));
  }
  std::vector<int> runTimesOnTheShare() const {
    std::vector<int> times;
    for (const ResultRecord& r : inst.readResults()) times.push_back(r.runTime);
    return times;
  }
  TempInstallation inst;
  AppState s;
  FakeClock clock;
  FakePause pause{&clock};
};

TEST_F(OutboxFixture, TheOutboxIsAFileOfTheSameRecordsNamedAfterItsResultsFile) {
  keepWaiting({40, 41});
  const QString path = resultsOutboxPath(s);
  EXPECT_TRUE(path.startsWith(inst.outboxFolder() + u"送信待ち-"_qs));
  EXPECT_TRUE(path.endsWith(u"-成績累積データ.dat"_qs));
  const QByteArray bytes = contents(path);
  ASSERT_EQ(bytes.size(), 2 * ResultRecord::kSize);
  EXPECT_EQ(ResultRecord::decode(bytes.constData()).runTime, 40);
  EXPECT_EQ(ResultRecord::decode(bytes.constData() + ResultRecord::kSize).runTime, 41);
  EXPECT_EQ(ResultRecord::decode(bytes.constData()).schoolCode, "12345");

  AppState elsewhere = s;
  elsewhere.programDataFolder = inst.root() + u"/other/"_qs;
  EXPECT_NE(resultsOutboxPath(elsewhere), path);
  EXPECT_EQ(waitingResultsCount(elsewhere), 0);
}

TEST_F(OutboxFixture, StartUpAndTheMenuDeliverTheWaitingRunsInTheirOrder) {
  inst.writeResults({TempInstallation::record(kToday, 1, 1, 10)});
  keepWaiting({40, 41, 42});
  loadResults(s, pause);
  EXPECT_EQ(s.resultCount, 4);
  EXPECT_EQ(deliverWaitingResults(s), QString());
  EXPECT_EQ(runTimesOnTheShare(), (std::vector<int>{10, 40, 41, 42}));
  EXPECT_EQ(QFile(resultsOutboxPath(s)).size(), 0);
  loadResults(s, pause);
  EXPECT_EQ(s.resultCount, 4);  // counted once, now from the share
}

TEST_F(OutboxFixture, TheWaitingRunsAreTheNewestOfTheLoadedTwentyThousand) {
  std::vector<ResultRecord> records;
  for (int i = 1; i <= kMaxResults; ++i) records.push_back(TempInstallation::record(kToday, 1, 1, i));
  inst.writeResults(records);
  keepWaiting({90001, 90002});
  loadResults(s, pause);
  EXPECT_EQ(s.resultCount, kMaxResults);
  EXPECT_EQ(s.resultRunTime[1], 3);
  EXPECT_EQ(s.resultRunTime[kMaxResults], 90002);
  const std::vector<ResultRecord> newest = readNewestResults(s, pause, 3);
  ASSERT_EQ(newest.size(), 3u);
  EXPECT_EQ(newest[0].runTime, kMaxResults);
  EXPECT_EQ(newest[2].runTime, 90002);
}

TEST_F(OutboxFixture, DamagedWaitingRecordsAreMovedAsideAndToldNeverDropped) {
  const QByteArray good1 = encoded(3, 4, 40), good2 = encoded(3, 4, 41);
  const QByteArray badLevel = encoded(3, 99, 50), noPupil = encoded(0, 4, 50);
  writeBytes(resultsOutboxPath(s), good1 + badLevel + good2 + noPupil + "torn");
  loadResults(s, pause);
  EXPECT_EQ(s.resultCount, 2);  // only the sound ones count

  const RecordOutbox outbox = resultsOutbox(s);
  const QString notice = deliverWaitingResults(s);
  EXPECT_TRUE(notice.contains(u"3件が壊れていた"_qs)) << notice.toStdString();
  EXPECT_TRUE(notice.contains(outbox.damagedPath()));
  EXPECT_EQ(runTimesOnTheShare(), (std::vector<int>{40, 41}));
  EXPECT_EQ(contents(outbox.damagedPath()), badLevel + noPupil + "torn");
  EXPECT_EQ(QFile(resultsOutboxPath(s)).size(), 0);
}

TEST_F(OutboxFixture, ATornRecordAtTheEndIsMovedAsideBeforeTheNextRunIsKept) {
  writeBytes(resultsOutboxPath(s), encoded(3, 4, 40) + "torn");
  const QString away = inst.root() + u"/away"_qs;
  ASSERT_TRUE(QDir().rename(inst.programDataFolder(), away));
  s.currentPupilNo = 3;
  s.currentLevel = 4;
  s.runTime = 41;
  const RecordingReport report = appendResult(s, clock);
  EXPECT_TRUE(report.keptHere);
  EXPECT_TRUE(report.message.contains(u"1件が壊れていた"_qs)) << report.message.toStdString();
  EXPECT_EQ(waitingResultsCount(s), 2);
  EXPECT_EQ(contents(resultsOutbox(s).damagedPath()), "torn");
  ASSERT_TRUE(QDir().rename(away, inst.programDataFolder()));
  deliverWaitingResults(s);
  EXPECT_EQ(runTimesOnTheShare(), (std::vector<int>{40, 41}));
}

// A computer switched off at any point of a delivery: the next one leaves every record on the share
// exactly once, in order.
struct StoppedDelivery {
  RecordOutbox::Step step;
  bool withNewRun;
};

class OutboxStop : public OutboxFixture, public ::testing::WithParamInterface<StoppedDelivery> {};

TEST_P(OutboxStop, LeavesEachRecordOnTheShareExactlyOnce) {
  inst.writeResults({TempInstallation::record(kToday, 1, 1, 10)});
  keepWaiting({40, 41});
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    RecordOutbox outbox = resultsOutbox(s);
    outbox.setObserver([stopAt = GetParam().step](RecordOutbox::Step step) {
      if (step == stopAt) raise(SIGKILL);
    });
    if (GetParam().withNewRun)
      outbox.append(encoded(3, 4, 42));
    else
      outbox.deliver();
    _exit(0);
  }
  int status = 0;
  waitpid(child, &status, 0);
  ASSERT_TRUE(WIFSIGNALED(status));

  s.currentPupilNo = 3;
  s.currentLevel = 4;
  s.runTime = 43;
  EXPECT_FALSE(appendResult(s, clock).keptHere);
  const std::vector<int> expected =
      GetParam().withNewRun ? std::vector<int>{10, 40, 41, 42, 43} : std::vector<int>{10, 40, 41, 43};
  EXPECT_EQ(runTimesOnTheShare(), expected);
  EXPECT_EQ(waitingResultsCount(s), 0);

  // Whatever the stop left behind misleads no later delivery.
  keepWaiting({44});
  EXPECT_EQ(deliverWaitingResults(s), QString());
  EXPECT_EQ(runTimesOnTheShare().back(), 44);
  EXPECT_EQ(runTimesOnTheShare().size(), expected.size() + 1);
}

INSTANTIATE_TEST_SUITE_P(
    EveryStep, OutboxStop,
    ::testing::Values(StoppedDelivery{RecordOutbox::Step::JournalWritten, false},
                      StoppedDelivery{RecordOutbox::Step::TargetWritten, false},
                      StoppedDelivery{RecordOutbox::Step::TargetFlushed, false},
                      StoppedDelivery{RecordOutbox::Step::OutboxEmptied, false},
                      StoppedDelivery{RecordOutbox::Step::TargetFlushed, true}));

TEST_F(OutboxFixture, AStoppedDeliveryWhoseRecordsAnotherComputerFollowedIsStillFound) {
  inst.writeResults({TempInstallation::record(kToday, 1, 1, 10)});
  keepWaiting({40});
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    RecordOutbox outbox = resultsOutbox(s);
    outbox.setObserver([](RecordOutbox::Step step) {
      if (step == RecordOutbox::Step::TargetFlushed) raise(SIGKILL);
    });
    outbox.deliver();
    _exit(0);
  }
  waitpid(child, nullptr, 0);
  AppState other = s;
  other.outboxFolder.clear();
  other.currentPupilNo = 8;
  other.currentLevel = 1;
  other.runTime = 20;
  appendResult(other, clock);  // another computer's run lands behind the stopped delivery

  EXPECT_EQ(deliverWaitingResults(s), QString());
  EXPECT_EQ(runTimesOnTheShare(), (std::vector<int>{10, 40, 20}));
}

}  // namespace
