#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <QFile>

#include "core/app_state.h"
#include "core/result_record.h"
#include "core/results_file.h"
#include "teacher/records_list.h"
#include "platform/file_error.h"
#include "platform/record_file.h"
#include "support/fakes.h"
#include "support/held_write_lock.h"
#include "support/temp_installation.h"

namespace {
struct ResultsFixture : ::testing::Test {
  ResultsFixture() {
    s.programDataFolder = inst.programDataFolder();
    s.schoolCode = u"12345"_qs;
    clock.set(QDate(2026, 12, 9), QTime(18, 0));
  }
  TempInstallation inst;
  AppState s;
  FakeClock clock;
  FakePause pause{&clock};
};

const double kToday = 46365;  // 2026-12-09
}  // namespace

TEST(ResultRecord, EncodesEveryFieldAtItsOffset) {
  ResultRecord r;
  r.date = kToday;
  r.timeOfDay = 0.75;
  r.pupilNo = 12;
  r.level = 3;
  r.runTime = 85;
  r.schoolCode = "12345";
  const QByteArray b = r.encode();
  ASSERT_EQ(b.size(), 44);
  EXPECT_EQ(b.mid(0, 8), QByteArray::fromHex("00000000a0a3e640"));  // 46365.0 as a little-endian double
  EXPECT_EQ(b.mid(8, 8), QByteArray::fromHex("000000000000e83f"));  // 0.75
  EXPECT_EQ(b.mid(16, 2), QByteArray::fromHex("0c00"));
  EXPECT_EQ(b.mid(18, 2), QByteArray::fromHex("0300"));
  EXPECT_EQ(b.mid(20, 4), QByteArray::fromHex("55000000"));
  EXPECT_EQ(b.mid(24, 5), "12345");
  EXPECT_EQ(b.mid(29, 5), "     ");
  EXPECT_EQ(b.mid(34, 5), "0    ");
  EXPECT_EQ(b.mid(39, 5), QByteArray(5, '\0'));
  EXPECT_EQ(ResultRecord::decode(b.constData()), r);
}

TEST_F(ResultsFixture, AppendResultWritesTheRunOfTheSharedState) {
  s.currentPupilNo = 12;
  s.currentLevel = 3;
  s.runTime = 85;
  appendResult(s, clock);
  s.schoolCode.clear();
  appendResult(s, clock);
  const auto records = inst.readResults();
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0].date, kToday);
  EXPECT_DOUBLE_EQ(records[0].timeOfDay, 0.75);
  EXPECT_EQ(records[0].pupilNo, 12);
  EXPECT_EQ(records[0].level, 3);
  EXPECT_EQ(records[0].runTime, 85);
  EXPECT_EQ(records[0].schoolCode, "12345");
  EXPECT_EQ(records[1].schoolCode, "     ");
}

// Other computers list the field as the clock time: 12:34:59.6 is 12:34:59, never 12:35:00, and a run
// recorded a moment before midnight keeps the date it was run on.
TEST_F(ResultsFixture, TheTimeOfDayIsStoredInWholeSecondsFromTheSameReadingAsTheDate) {
  const struct {
    QTime at;
    int seconds;
    const char* listed;  // as the records browser lists it
  } cases[] = {{QTime(12, 34, 59, 600), 12 * 3600 + 34 * 60 + 59, "12:34:59"},
               {QTime(23, 59, 59, 999), 86399, "23:59:59"},
               {QTime(0, 0, 0, 400), 0, "0:00:00"}};
  s.currentPupilNo = 1;
  s.currentLevel = 1;
  for (const auto& c : cases) {
    clock.set(QDate(2026, 12, 9), c.at);
    appendResult(s, clock);
    const ResultRecord r = inst.readResults().back();
    EXPECT_EQ(r.date, dateNumberOf(QDate(2026, 12, 9)));
    EXPECT_DOUBLE_EQ(r.timeOfDay * 86400, c.seconds) << c.listed;
    EXPECT_EQ(listTimeOfDayText(r.timeOfDay).trimmed(), QString::fromLatin1(c.listed));
  }
}

TEST_F(ResultsFixture, AppendingAfterATrailingPartialRecordKeepsTheRecordsAligned) {
  inst.writeResults({TempInstallation::record(kToday, 1, 1, 50)});
  inst.appendRawBytes("partial");
  s.currentPupilNo = 2;
  s.currentLevel = 1;
  s.runTime = 60;
  appendResult(s, clock);
  EXPECT_EQ(QFile(inst.resultsPath()).size(), 88);
  EXPECT_EQ(inst.readResults()[1].pupilNo, 2);
}

TEST_F(ResultsFixture, ANewFileLoadsEmptyWithNoBests) {
  loadResults(s, pause);
  EXPECT_EQ(s.resultCount, 0);
  EXPECT_EQ(s.personalBest(1, 1), kNoTime);
  EXPECT_EQ(s.personalBest(35, 5000), kNoTime);
  EXPECT_EQ(s.levelBest[25], kNoTime);
  EXPECT_TRUE(QFile::exists(inst.resultsPath()));
}

TEST_F(ResultsFixture, KeepsTheNewest20000Records) {
  std::vector<ResultRecord> records;
  for (int i = 1; i <= 20001; ++i) records.push_back(TempInstallation::record(kToday, 1 + i % 50, 1, i));
  inst.writeResults(records);
  loadResults(s, pause);
  EXPECT_EQ(s.resultCount, 20000);
  EXPECT_EQ(s.resultRunTime[1], 2);  // record 1 is not read
  EXPECT_EQ(s.resultRunTime[20000], 20001);
}

TEST_F(ResultsFixture, SkipsRecordsThatCannotBeHeldAndLeavesThemInTheFile) {
  inst.writeResults({
      TempInstallation::record(kToday, 1, 2, 70),
      TempInstallation::record(kToday, 0, 2, 10),     // no pupil: a best, no slot
      TempInstallation::record(kToday, 2, 0, 10),     // no level: a best, no slot
      TempInstallation::record(-1, 3, 2, 30),         // negative date: a best, no slot
      TempInstallation::record(kToday, 4, 36, 10),    // damaged: level out of range
      TempInstallation::record(kToday, 5001, 2, 10),  // damaged: pupil out of range
      TempInstallation::record(kToday, -7, 2, 10),
      TempInstallation::record(kToday, 1, 2, 65),
  });
  inst.appendRawBytes("trailing");
  loadResults(s, pause);
  EXPECT_EQ(s.resultCount, 2);
  EXPECT_EQ(s.resultRunTime[1], 70);
  EXPECT_EQ(s.resultRunTime[2], 65);
  EXPECT_EQ(s.personalBest(2, 1), 65);
  EXPECT_EQ(s.personalBest(2, 3), 30);
  EXPECT_EQ(s.levelBest[2], 30);
  EXPECT_EQ(inst.readResults().size(), 8u);
}

TEST_F(ResultsFixture, LevelBestOnLoadComesFromPupilsUpTo1000) {
  inst.writeResults({TempInstallation::record(kToday, 1001, 4, 20), TempInstallation::record(kToday, 1000, 4, 40)});
  loadResults(s, pause);
  EXPECT_EQ(s.personalBest(4, 1001), 20);
  EXPECT_EQ(s.levelBest[4], 40);
}

TEST_F(ResultsFixture, RecordRunSetsTheFlagsAndBestsAndATieIsNoRecord) {
  inst.writeResults({TempInstallation::record(kToday - 1, 7, 5, 50), TempInstallation::record(kToday - 1, 8, 5, 40)});
  loadResults(s, pause);
  s.currentPupilNo = 7;
  s.currentLevel = 5;
  s.clearCount[5] = 1;
  s.clearPoints[5] = 0;
  s.totalRuns(5, 7) = 1;

  s.runTime = 50;  // equals the personal best
  recordRun(s, clock, 5);
  EXPECT_EQ(s.newRecord, (std::array<int, 2>{0, 0}));
  EXPECT_EQ(s.clearedBefore, 1);

  s.runTime = 45;  // a personal best, not the level's
  recordRun(s, clock, 5);
  EXPECT_EQ(s.newRecord, (std::array<int, 2>{1, 0}));
  EXPECT_EQ(s.personalBest(5, 7), 45);

  s.newRecord = {0, 0};
  s.runTime = 39;
  recordRun(s, clock, 5);
  EXPECT_EQ(s.newRecord, (std::array<int, 2>{1, 1}));
  EXPECT_EQ(s.levelBest[5], 39);
  EXPECT_EQ(inst.readResults().size(), 5u);
}

TEST_F(ResultsFixture, RecordRunUpdatesTheLevelBestForAnyPupilInMemory) {
  loadResults(s, pause);
  s.currentPupilNo = 1500;
  s.currentLevel = 2;
  s.runTime = 33;
  recordRun(s, clock, 2);
  EXPECT_EQ(s.levelBest[2], 33);
  EXPECT_EQ(s.newRecord[1], 1);
}

TEST_F(ResultsFixture, AMissingFolderIsWaitedForFourTimesThenReported) {
  s.programDataFolder = inst.root() + u"/gone/"_qs;
  try {
    loadResults(s, pause);
    FAIL();
  } catch (const FileError& e) {
    EXPECT_TRUE(e.message().startsWith(u"ファイルがありません3"_qs)) << e.what();
  }
  EXPECT_EQ(pause.pauses, (std::vector<int>{5000, 5000, 5000, 5000}));
}

TEST_F(ResultsFixture, AFolderThatAppearsWhileWaitingIsRead) {
  const QString folder = inst.root() + u"/late/"_qs;
  s.programDataFolder = folder;
  pause.onPause = [&](int) { QDir().mkpath(folder); };
  loadResults(s, pause);
  EXPECT_EQ(pause.pauses, std::vector<int>{5000});
  EXPECT_EQ(s.resultCount, 0);
}

TEST_F(ResultsFixture, ALoaderMeetingAHeldLockRetriesEverySecondUntilItIsReleased) {
  inst.writeResults({TempInstallation::record(kToday, 1, 1, 50)});
  HeldWriteLock otherComputer(inst.resultsPath());
  ASSERT_TRUE(otherComputer.held());
  pause.onPause = [&](int) {
    if (pause.pauses.size() == 3) otherComputer.release();
  };
  loadResults(s, pause);
  EXPECT_EQ(pause.pauses, (std::vector<int>{1000, 1000, 1000}));
  EXPECT_EQ(s.resultCount, 1);
}

TEST_F(ResultsFixture, ConcurrentAppendsFromSeveralProcessesLoseNothing) {
  constexpr int kProcesses = 4;
  constexpr int kRuns = 150;
  std::vector<pid_t> children;
  for (int p = 1; p <= kProcesses; ++p) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      AppState mine;
      mine.programDataFolder = inst.programDataFolder();
      mine.schoolCode = u"12345"_qs;
      mine.currentPupilNo = p;
      for (int run = 1; run <= kRuns; ++run) {
        mine.currentLevel = 1 + run % 25;
        mine.runTime = run;
        appendResult(mine, clock);
      }
      _exit(0);
    }
    children.push_back(child);
  }
  for (pid_t child : children) {
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  EXPECT_EQ(QFile(inst.resultsPath()).size(), kProcesses * kRuns * 44);
  std::vector<std::vector<int>> seen(kProcesses + 1);
  for (const ResultRecord& r : inst.readResults()) {
    ASSERT_GE(r.pupilNo, 1);
    ASSERT_LE(r.pupilNo, kProcesses);
    EXPECT_EQ(r.level, 1 + r.runTime % 25);  // whole, not torn
    EXPECT_EQ(r.schoolCode, "12345");
    seen[r.pupilNo].push_back(r.runTime);
  }
  for (int p = 1; p <= kProcesses; ++p) {
    ASSERT_EQ(seen[p].size(), size_t(kRuns));
    for (int run = 1; run <= kRuns; ++run) EXPECT_EQ(seen[p][run - 1], run);  // in order, none lost
  }
}
