#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QFile>
#include <QTextStream>
#include <functional>

#include "core/app_state.h"
#include "core/result_record.h"
#include "core/results_file.h"
#include "support/fakes.h"
#include "support/held_write_lock.h"
#include "support/qstring_printer.h"
#include "support/temp_installation.h"
#include "teacher/record_edit.h"

namespace {

const double kToday = 46365;  // 2026-12-09

QByteArray fileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray withoutRecord(const QByteArray& bytes, int recordNo) {
  QByteArray rest = bytes.left(bytes.size() / ResultRecord::kSize * ResultRecord::kSize);
  return rest.remove(qsizetype(recordNo - 1) * ResultRecord::kSize, ResultRecord::kSize);
}

// Another computer of the school: a child process running one action on the files.
class OtherComputer {
 public:
  explicit OtherComputer(const std::function<void()>& action) {
    pid_ = fork();
    if (pid_ == 0) {
      action();
      _exit(0);
    }
  }
  ~OtherComputer() { wait(); }

  // True once the process waits for a lock held by someone else; false when it ended instead.
  bool waitsForALock() const {
    for (int tries = 0; tries < 1000; ++tries) {
      if (listedAsWaiting()) return true;
      siginfo_t info{};
      if (waitid(P_PID, id_t(pid_), &info, WEXITED | WNOHANG | WNOWAIT) == 0 && info.si_pid == pid_) return false;
      usleep(5000);
    }
    return false;
  }

  void kill() const {
    if (pid_ > 0) ::kill(pid_, SIGKILL);
  }

  // Waits for the end; the exit status, or -signal when a signal ended it.
  int wait() {
    if (pid_ > 0) {
      int status = 0;
      waitpid(pid_, &status, 0);
      status_ = WIFSIGNALED(status) ? -WTERMSIG(status) : WEXITSTATUS(status);
      pid_ = -1;
    }
    return status_;
  }

 private:
  // A blocked lock request is listed with "->" before it, with the waiting process's id.
  bool listedAsWaiting() const {
    QFile locks(QStringLiteral("/proc/locks"));
    if (!locks.open(QIODevice::ReadOnly)) return false;
    for (const QByteArray& line : locks.readAll().split('\n')) {
      const QList<QByteArray> fields = line.simplified().split(' ');
      if (fields.size() > 5 && fields[1] == "->" && fields[5].toInt() == pid_) return true;
    }
    return false;
  }

  pid_t pid_ = -1;
  int status_ = 0;
};

struct EditFixture : ::testing::Test {
  EditFixture() {
    s.programDataFolder = inst.programDataFolder();
    s.schoolCode = u"12345"_qs;
  }

  // Records 1..count: pupil k % 3 + 1, level k % 25 + 1, time 100 + k, each at its own time of day.
  void writeRecords(int count) {
    std::vector<ResultRecord> rs;
    for (int k = 1; k <= count; ++k)
      rs.push_back(TempInstallation::record(kToday - k, k % 3 + 1, k % 25 + 1, 100 + k, k / 100.0));
    inst.writeResults(rs);
  }
  OpenedRecord opened(int recordNo) const {
    return {recordNo, fileBytes(inst.resultsPath()).mid(qsizetype(recordNo - 1) * ResultRecord::kSize, 44)};
  }
  QByteArray results() const { return fileBytes(inst.resultsPath()); }
  QByteArray copy() const { return fileBytes(resultsCopyPath(s)); }
  bool copyExists() const { return QFile::exists(resultsCopyPath(s)); }

  TempInstallation inst;
  AppState s;
};

}  // namespace

TEST(CorrectionInput, ReadsThePupilBeforeTheSlashAndRoundsTheTimeOrRefuses) {
  struct Case {
    QString pupil;
    QString time;
    std::optional<std::pair<int, int>> expected;
  };
  const Case cases[] = {
      {u"12 /  山田"_qs, u"85"_qs, std::pair{12, 85}},
      {u"12 /  山田"_qs, u"12.5"_qs, std::pair{12, 12}},  // halves go to the even neighbour
      {u"12 /  山田"_qs, u"13.5"_qs, std::pair{12, 14}},
      {u"１２ / 全角"_qs, u" ８５ "_qs, std::pair{12, 85}},
      {u"7/"_qs, u"99999"_qs, std::pair{7, 99999}},
      {u"12 山田"_qs, u"85"_qs, std::nullopt},  // no "/"
      {u" /  山田"_qs, u"85"_qs, std::nullopt},
      {u"0 /  x"_qs, u"85"_qs, std::nullopt},
      {u"5001 /  x"_qs, u"85"_qs, std::nullopt},
      {u"12 /  山田"_qs, u""_qs, std::nullopt},
      {u"12 /  山田"_qs, u"abc"_qs, std::nullopt},
      {u"12 /  山田"_qs, u"85秒"_qs, std::nullopt},
      {u"12 /  山田"_qs, u"-1"_qs, std::nullopt},
      {u"12 /  山田"_qs, u"100000"_qs, std::nullopt},
      {u"12 /  山田"_qs, u"1e12"_qs, std::nullopt},
  };
  for (const Case& c : cases) {
    const std::optional<Correction> got = parseCorrection(c.pupil, c.time);
    ASSERT_EQ(got.has_value(), c.expected.has_value()) << c.pupil.toStdString() << " " << c.time.toStdString();
    if (got) {
      EXPECT_EQ(got->pupilNo, c.expected->first);
      EXPECT_EQ(got->runTime, c.expected->second);
    }
  }
}

TEST_F(EditFixture, ACorrectionRewritesOnlyThePupilAndTheTimeOfItsRecord) {
  writeRecords(5);
  const QByteArray before = results();
  ASSERT_EQ(correctRecord(s, opened(3), {2, 77}), EditResult::Done);
  QByteArray expected = before;
  const qsizetype at = 2 * ResultRecord::kSize;
  expected.replace(at + 16, 2, QByteArray::fromHex("0200"));
  expected.replace(at + 20, 4, QByteArray::fromHex("4d000000"));
  EXPECT_EQ(results(), expected);

  const QByteArray corrected = results();
  EXPECT_EQ(correctRecord(s, opened(3), {2, 77}), EditResult::Done);
  EXPECT_EQ(results(), corrected) << "keeping pupil and time rewrites the record byte for byte";
}

TEST_F(EditFixture, ARecordChangedOrMovedSinceItWasOpenedIsLeftAlone) {
  writeRecords(5);
  OpenedRecord third = opened(3);
  ASSERT_EQ(deleteRecord(s, opened(1)), EditResult::Done);  // another teacher, meanwhile
  const QByteArray now = results();
  EXPECT_EQ(correctRecord(s, third, {2, 77}), EditResult::RecordChanged);
  EXPECT_EQ(deleteRecord(s, third), EditResult::RecordChanged);
  EXPECT_EQ(deleteRecord(s, {9, third.bytes}), EditResult::RecordChanged);
  EXPECT_EQ(results(), now);
  EXPECT_FALSE(copyExists());
}

TEST_F(EditFixture, ACorrectionWaitsForAnotherComputersWriteLock) {
  writeRecords(3);
  const OpenedRecord second = opened(2);
  HeldWriteLock other(inst.resultsPath());
  ASSERT_TRUE(other.held());
  const QByteArray before = results();
  OtherComputer teacher([&] { correctRecord(s, second, {1, 50}); });
  ASSERT_TRUE(teacher.waitsForALock());
  EXPECT_EQ(results(), before);
  other.release();
  EXPECT_EQ(teacher.wait(), 0);
  EXPECT_EQ(inst.readResults()[1].runTime, 50);
}

TEST_F(EditFixture, DeletingARecordMovesTheRecordsBehindItUpByOne) {
  struct Case {
    int count;
    int deleted;
  };
  for (const Case c : {Case{10, 5}, Case{10, 10}, Case{1, 1}}) {
    writeRecords(c.count);
    const QByteArray before = results();
    ASSERT_EQ(deleteRecord(s, opened(c.deleted)), EditResult::Done) << c.count << "/" << c.deleted;
    EXPECT_EQ(results(), withoutRecord(before, c.deleted)) << c.count << "/" << c.deleted;
    EXPECT_FALSE(copyExists());
  }
}

TEST_F(EditFixture, ADeletionDropsATrailingPartialRecord) {
  writeRecords(4);
  inst.appendRawBytes("partial");
  const QByteArray before = results();
  ASSERT_EQ(deleteRecord(s, opened(2)), EditResult::Done);
  EXPECT_EQ(results(), withoutRecord(before, 2));
}

TEST_F(EditFixture, ARecordAppendedByAnotherComputerDuringADeletionIsKept) {
  writeRecords(6);
  const QByteArray before = results();
  AppState otherState;
  otherState.programDataFolder = s.programDataFolder;
  otherState.schoolCode = s.schoolCode;
  otherState.currentPupilNo = 2;
  otherState.currentLevel = 7;
  otherState.runTime = 4321;
  FakeClock otherClock;
  std::unique_ptr<OtherComputer> pupil;
  bool appendWaited = false;
  const EditResult result = deleteRecord(s, opened(3), [&](DeletionStep step) {
    if (step != DeletionStep::CopyFlushed) return;
    pupil = std::make_unique<OtherComputer>([&] { appendResult(otherState, otherClock); });
    appendWaited = pupil->waitsForALock();
  });
  ASSERT_EQ(result, EditResult::Done);
  EXPECT_TRUE(appendWaited) << "the append must wait for the deletion's lock";
  ASSERT_EQ(pupil->wait(), 0);
  const QByteArray after = results();
  ASSERT_EQ(after.size(), before.size());
  EXPECT_EQ(after.left(5 * ResultRecord::kSize), withoutRecord(before, 3));
  const ResultRecord appended = ResultRecord::decode(after.constData() + 5 * ResultRecord::kSize);
  EXPECT_EQ(appended.runTime, 4321);
  EXPECT_EQ(appended.level, 7);
}

TEST_F(EditFixture, ADeletionKilledAtAnyStepLeavesEveryOtherRecordOnDisk) {
  enum class File { Original, Shifted, Rebuilt };  // Shifted: moved up, the last record still doubled
  struct Case {
    DeletionStep step;
    const char* name;
    File file;
    bool copyLeft;  // the copy then holds every record
  };
  const Case cases[] = {
      {DeletionStep::Locked, "locked", File::Original, false},
      {DeletionStep::CopyWritten, "copy written", File::Original, true},
      {DeletionStep::CopyFlushed, "copy flushed", File::Original, true},
      {DeletionStep::Rewritten, "rewritten", File::Shifted, true},
      {DeletionStep::Truncated, "truncated", File::Rebuilt, true},
      {DeletionStep::Flushed, "flushed", File::Rebuilt, true},
      {DeletionStep::CopyRemoved, "copy removed", File::Rebuilt, false},
  };
  for (const Case& c : cases) {
    QFile::remove(resultsCopyPath(s));
    writeRecords(40);
    const QByteArray before = results();
    const QByteArray rebuilt = withoutRecord(before, 17);
    const QByteArray expected[] = {before, rebuilt + before.right(ResultRecord::kSize), rebuilt};
    const OpenedRecord doomed = opened(17);
    OtherComputer teacher([&] {
      deleteRecord(s, doomed, [&](DeletionStep step) {
        if (step == c.step) raise(SIGKILL);
      });
    });
    ASSERT_EQ(teacher.wait(), -SIGKILL) << c.name;
    EXPECT_EQ(results(), expected[int(c.file)]) << c.name;
    EXPECT_EQ(copyExists(), c.copyLeft) << c.name;
    if (c.copyLeft) {
      EXPECT_EQ(copy(), before) << c.name;
      // Nothing is restored blindly: the teacher is told, and no further deletion runs over the copy.
      EXPECT_TRUE(leftoverCopyNotice(s).contains(u"成績累積データtemp.dat"_qs)) << c.name;
      const QByteArray now = results();
      EXPECT_EQ(deleteRecord(s, opened(1)), EditResult::CopyLeftOver) << c.name;
      EXPECT_EQ(results(), now) << c.name;
      EXPECT_EQ(copy(), before) << c.name;
    } else {
      EXPECT_TRUE(leftoverCopyNotice(s).isEmpty()) << c.name;
    }
  }
}

TEST_F(EditFixture, ACorrectionKilledAtAnyMomentLeavesEveryRecordWhole) {
  writeRecords(40);
  constexpr qsizetype kAt = 16 * ResultRecord::kSize;  // record 17
  // The corrections the teacher's computer makes over and over: each pupil goes with its own time.
  const Correction choices[] = {{1, 111}, {2, 2222}};
  for (int round = 0; round < 12; ++round) {
    const QByteArray before = results();
    OtherComputer teacher([&] {
      for (int k = 0;; ++k) correctRecord(s, opened(17), choices[k % 2]);
    });
    usleep(useconds_t(2000 + round * 1500));
    teacher.kill();
    ASSERT_EQ(teacher.wait(), -SIGKILL);

    const QByteArray now = results();
    ASSERT_EQ(now.size(), before.size()) << "round " << round;
    const ResultRecord corrected = ResultRecord::decode(now.constData() + kAt);
    const bool whole = now.mid(kAt, ResultRecord::kSize) == before.mid(kAt, ResultRecord::kSize) ||
                       (corrected.pupilNo == 1 && corrected.runTime == 111) ||
                       (corrected.pupilNo == 2 && corrected.runTime == 2222);
    EXPECT_TRUE(whole) << "round " << round << ": pupil " << corrected.pupilNo << ", time " << corrected.runTime;
    // Every other byte of the file is as it was.
    QByteArray masked = now;
    masked.replace(kAt, ResultRecord::kSize, before.mid(kAt, ResultRecord::kSize));
    EXPECT_EQ(masked, before) << "round " << round;
    // The lock died with the process: the next correction goes ahead.
    EXPECT_EQ(correctRecord(s, opened(17), {3, 333}), EditResult::Done);
  }
}
