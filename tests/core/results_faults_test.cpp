#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <cerrno>
#include <optional>

#include "core/app_state.h"
#include "core/result_record.h"
#include "core/results_file.h"
#include "platform/file_error.h"
#include "platform/file_fault.h"
#include "platform/record_file.h"
#include "support/fakes.h"
#include "support/scratch_mount.h"
#include "support/temp_installation.h"

namespace {

const double kToday = 46365;  // 2026-12-09

TEST(FileFault, EachErrorIsToldInItsOwnWordsWithTheSystemsTextAfter) {
  struct Case {
    int errorNumber;
    FileFault fault;
    const char* words;
  };
  const Case cases[] = {
      {EROFS, FileFault::ReadOnly, "読み取り専用"},
      {EACCES, FileFault::NoPermission, "許可がありません"},
      {EPERM, FileFault::NoPermission, "許可がありません"},
      {ENOENT, FileFault::Missing, "共有フォルダが見つかりません"},
      {ESTALE, FileFault::Missing, "共有フォルダが見つかりません"},
      {ENOSPC, FileFault::Full, "共有フォルダがいっぱいです"},
      {EDQUOT, FileFault::Full, "共有フォルダがいっぱいです"},
      {EFBIG, FileFault::Full, "共有フォルダがいっぱいです"},
      {EIO, FileFault::DeviceError, "ディスクかネットワーク"},
      {EBADF, FileFault::Other, "読み書きできません"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.errorNumber);
    EXPECT_EQ(faultOf(c.errorNumber), c.fault);
    const QString message = faultMessage(u"成績ファイルに記録できません。"_qs, u"/share/成績累積データ.dat"_qs, c.errorNumber);
    const QStringList lines = message.split(u'\n');
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0], u"成績ファイルに記録できません。"_qs);
    EXPECT_EQ(lines[1], u"/share/成績累積データ.dat"_qs);
    EXPECT_TRUE(lines[2].contains(QString::fromUtf8(c.words))) << lines[2].toStdString();
    EXPECT_TRUE(lines[2].contains(u"先生"_qs));
    EXPECT_EQ(lines[3], u"（%1 %2）"_qs.arg(systemErrorText(c.errorNumber)).arg(c.errorNumber));
  }
}

struct FaultFixture : ::testing::Test {
  FaultFixture() {
    s.programDataFolder = inst.programDataFolder();
    s.outboxFolder = inst.outboxFolder();
    s.schoolCode = u"12345"_qs;
    clock.set(QDate(2026, 12, 9), QTime(18, 0));
  }
  RecordingReport run(int pupil, int level, int runTime) {
    s.currentPupilNo = pupil;
    s.currentLevel = level;
    s.runTime = runTime;
    return appendResult(s, clock);
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

#define REQUIRE_MOUNTED(m) \
  if (!(m).mounted()) GTEST_SKIP() << "this test needs the right to mount"

TEST_F(FaultFixture, AReadOnlyShareIsReadWithoutWaitingToldAtStartUpAndItsRunsWaitHere) {
  inst.writeResults({TempInstallation::record(kToday, 1, 1, 50)});
  std::optional<ScratchMount> readOnly = ScratchMount::readOnly(inst.programDataFolder());
  REQUIRE_MOUNTED(*readOnly);

  const QString notice = resultsWriteNotice(s);
  EXPECT_TRUE(notice.startsWith(u"成績ファイルに記録できません。\n"_qs + inst.resultsPath())) << notice.toStdString();
  EXPECT_TRUE(notice.contains(u"読み取り専用"_qs));

  loadResults(s, pause);
  EXPECT_EQ(s.resultCount, 1);
  EXPECT_TRUE(pause.pauses.empty());

  const RecordingReport report = run(2, 3, 61);
  EXPECT_TRUE(report.keptHere);
  EXPECT_TRUE(report.message.startsWith(kKeptHereText)) << report.message.toStdString();
  EXPECT_TRUE(report.message.contains(u"読み取り専用"_qs));
  EXPECT_EQ(waitingResultsCount(s), 1);
  loadResults(s, pause);  // the tallies count the waiting run
  ASSERT_EQ(s.resultCount, 2);
  EXPECT_EQ(s.resultRunTime[2], 61);
  EXPECT_EQ(readNewestResults(s, pause, 10).size(), 2u);
  EXPECT_EQ(readNewestResults(s, pause, 10, WaitingRuns::Left).size(), 1u);
  EXPECT_EQ(deliverWaitingResults(s), QString());  // still read-only: no news, it goes on waiting
  EXPECT_EQ(waitingResultsCount(s), 1);

  readOnly.reset();
  EXPECT_EQ(resultsWriteNotice(s), QString());
  EXPECT_EQ(deliverWaitingResults(s), QString());
  EXPECT_EQ(runTimesOnTheShare(), (std::vector<int>{50, 61}));
  EXPECT_EQ(waitingResultsCount(s), 0);
}

TEST_F(FaultFixture, AReadOnlyShareWithoutAResultsFileLoadsEmpty) {
  QFile::remove(inst.resultsPath());
  ScratchMount readOnly = ScratchMount::readOnly(inst.programDataFolder());
  REQUIRE_MOUNTED(readOnly);
  loadResults(s, pause);
  EXPECT_EQ(s.resultCount, 0);
  EXPECT_TRUE(pause.pauses.empty());
  EXPECT_TRUE(readNewestResults(s, pause, 10).empty());
}

TEST_F(FaultFixture, WithoutAnOutboxARefusedRunIsAFileErrorInJapanese) {
  s.outboxFolder.clear();
  ScratchMount readOnly = ScratchMount::readOnly(inst.programDataFolder());
  REQUIRE_MOUNTED(readOnly);
  try {
    run(1, 1, 50);
    FAIL();
  } catch (const FileError& e) {
    EXPECT_TRUE(e.message().startsWith(u"成績ファイルに記録できません。\n"_qs + inst.resultsPath()));
    EXPECT_TRUE(e.message().contains(u"読み取り専用"_qs));
  }
}

TEST_F(FaultFixture, AFullShareKeepsTheRunHereAndLeavesNoTornRecord) {
  ScratchMount full = ScratchMount::small(inst.programDataFolder(), 64);
  REQUIRE_MOUNTED(full);
  inst.writeResults({});
  full.fill();
  const RecordingReport report = run(1, 1, 50);
  EXPECT_TRUE(report.keptHere);
  EXPECT_TRUE(report.message.contains(u"共有フォルダがいっぱいです"_qs)) << report.message.toStdString();
  EXPECT_TRUE(report.message.contains(inst.resultsPath()));
  EXPECT_EQ(QFile(inst.resultsPath()).size(), 0);
  EXPECT_EQ(waitingResultsCount(s), 1);

  QFile::remove(inst.programDataFolder() + u"filler"_qs);
  run(1, 1, 51);
  EXPECT_EQ(runTimesOnTheShare(), (std::vector<int>{50, 51}));
}

// A process may grow no file past a limit: the write fails with EFBIG, as on a share whose quota
// is spent, without any mount.
TEST_F(FaultFixture, AFileThatMayGrowNoMoreKeepsTheRunHere) {
  inst.writeResults({TempInstallation::record(kToday, 1, 1, 50)});
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{ResultRecord::kSize, ResultRecord::kSize};
    setrlimit(RLIMIT_FSIZE, &limit);
    const RecordingReport report = run(2, 1, 60);
    _exit(report.keptHere && report.message.contains(u"共有フォルダがいっぱいです"_qs) ? 0 : 1);
  }
  int status = 0;
  waitpid(child, &status, 0);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(runTimesOnTheShare(), std::vector<int>{50});
  EXPECT_EQ(waitingResultsCount(s), 1);
}

// A pupil account without write access: the real EACCES, from a process that is not root.
TEST_F(FaultFixture, APupilWithoutWriteAccessReadsTheResultsAndKeepsTheRunHere) {
  if (geteuid() != 0) GTEST_SKIP() << "needs root to become another user";
  inst.writeResults({TempInstallation::record(kToday, 1, 1, 50)});
  for (QString folder = inst.programDataFolder(); folder.size() > 1; folder = QFileInfo(folder).path()) {
    QFile::setPermissions(folder, QFile::permissions(folder) | QFile::ExeOther | QFile::ReadOther);
    if (folder == QDir::tempPath()) break;
  }
  QDir().mkpath(inst.outboxFolder());
  QFile::setPermissions(inst.outboxFolder(), QFileDevice::Permissions(0x7777));
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (setgid(65534) != 0 || setuid(65534) != 0) _exit(9);
    if (!resultsWriteNotice(s).contains(u"許可がありません"_qs)) _exit(1);
    loadResults(s, pause);
    if (s.resultCount != 1 || !pause.pauses.empty()) _exit(2);
    const RecordingReport report = run(2, 1, 60);
    _exit(report.keptHere && report.message.contains(u"許可がありません"_qs) ? 0 : 3);
  }
  int status = 0;
  waitpid(child, &status, 0);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(runTimesOnTheShare(), std::vector<int>{50});
  deliverWaitingResults(s);  // the teacher's account may write
  EXPECT_EQ(runTimesOnTheShare(), (std::vector<int>{50, 60}));
}

TEST_F(FaultFixture, AVanishedShareKeepsTheRunsHereUntilItIsBack) {
  const QString away = inst.root() + u"/away"_qs;
  ASSERT_TRUE(QDir().rename(inst.programDataFolder(), away));
  const RecordingReport first = run(1, 2, 70);
  EXPECT_TRUE(first.keptHere);
  EXPECT_TRUE(first.message.contains(u"共有フォルダが見つかりません"_qs)) << first.message.toStdString();
  EXPECT_TRUE(run(1, 2, 71).keptHere);
  EXPECT_EQ(waitingResultsCount(s), 2);

  ASSERT_TRUE(QDir().rename(away, inst.programDataFolder()));
  inst.writeResults({TempInstallation::record(kToday, 9, 1, 10)});  // another computer's run meanwhile
  const RecordingReport back = run(1, 2, 72);
  EXPECT_FALSE(back.keptHere);
  EXPECT_EQ(back.message, QString());
  EXPECT_EQ(runTimesOnTheShare(), (std::vector<int>{10, 70, 71, 72}));  // the waiting ones first, in order
  EXPECT_EQ(waitingResultsCount(s), 0);
}

TEST_F(FaultFixture, TheLoaderWaitsForNothingButTheLock) {
  // A results file that is a folder: not a busy file, so no endless retries.
  QFile::remove(inst.resultsPath());
  QDir().mkpath(inst.resultsPath());
  try {
    loadResults(s, pause);
    FAIL();
  } catch (const FileError& e) {
    EXPECT_TRUE(e.message().startsWith(u"成績ファイルを読めません。\n"_qs + inst.resultsPath())) << e.what();
    EXPECT_TRUE(e.message().contains(u"成績ランダムファイル表示3"_qs));
  }
  EXPECT_TRUE(pause.pauses.empty());
}

}  // namespace
