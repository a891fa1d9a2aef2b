#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "core/answer_log.h"
#include "core/answer_record.h"
#include "core/app_state.h"
#include "core/results_file.h"
#include "support/fakes.h"
#include "support/temp_installation.h"

namespace {
struct AnswerLogWriting : ::testing::Test {
  AnswerLogWriting() {
    s.programDataFolder = inst.programDataFolder();
    s.schoolCode = u"12345"_qs;
    clock.set(QDate(2026, 12, 9), QTime(18, 0, 30, 400));
  }

  static AnswerRecord answer(int multiplicand, int multiplier, AnswerRecord::Result result, int ms, int typed) {
    AnswerRecord a;
    a.multiplicand = uint8_t(multiplicand);
    a.multiplier = uint8_t(multiplier);
    a.result = result;
    a.answerMs = ms;
    a.typed = int16_t(typed);
    return a;
  }

  std::vector<AnswerRecord> readLog() const {
    QFile file(answerLogPath(s));
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = file.readAll();
    std::vector<AnswerRecord> records;
    for (qsizetype at = 0; at + AnswerRecord::kSize <= bytes.size(); at += AnswerRecord::kSize)
      records.push_back(AnswerRecord::decode(bytes.constData() + at));
    return records;
  }

  TempInstallation inst;
  AppState s;
  FakeClock clock;
};
}  // namespace

TEST(AnswerRecord, EncodesEveryFieldAtItsOffset) {
  AnswerRecord a;
  a.date = 46365;
  a.timeOfDay = 0.75;
  a.pupilNo = 12;
  a.level = 3;
  a.multiplicand = 13;
  a.multiplier = 17;
  a.result = AnswerRecord::Result::RightOnRetry;
  a.answerMs = 4321;
  a.typed = 221;
  const QByteArray b = a.encode();
  ASSERT_EQ(b.size(), 32);
  EXPECT_EQ(b.mid(0, 8), QByteArray::fromHex("00000000a0a3e640"));
  EXPECT_EQ(b.mid(8, 8), QByteArray::fromHex("000000000000e83f"));
  EXPECT_EQ(b.mid(16, 8), QByteArray::fromHex("0c0003000d110300"));
  EXPECT_EQ(b.mid(24, 8), QByteArray::fromHex("e1100000dd000000"));
  EXPECT_EQ(AnswerRecord::decode(b.constData()), a);

  a.typed = -1;
  EXPECT_EQ(a.encode().mid(28, 2), QByteArray::fromHex("ffff"));
}

TEST(AnswerRecord, OnlyRecordsWithEveryFieldInRangeArePlausible) {
  AnswerRecord good;
  good.date = 46365;
  good.pupilNo = 1;
  good.level = 1;
  good.multiplicand = 11;
  good.multiplier = 1;
  ASSERT_TRUE(good.isPlausible());
  const std::function<void(AnswerRecord&)> spoilers[] = {
      [](AnswerRecord& a) { a.pupilNo = 0; },        [](AnswerRecord& a) { a.pupilNo = 5001; },
      [](AnswerRecord& a) { a.level = 36; },         [](AnswerRecord& a) { a.multiplicand = 14; },
      [](AnswerRecord& a) { a.multiplier = 0; },     [](AnswerRecord& a) { a.multiplier = 21; },
      [](AnswerRecord& a) { a.result = AnswerRecord::Result(4); },
      [](AnswerRecord& a) { a.answerMs = -1; },      [](AnswerRecord& a) { a.timeOfDay = 1; },
      [](AnswerRecord& a) { a.date = std::nan(""); },
  };
  for (const auto& spoil : spoilers) {
    AnswerRecord a = good;
    spoil(a);
    EXPECT_FALSE(a.isPlausible());
  }
}

// A run's answers name the run by its results record: the same date, time of day and pupil.
TEST_F(AnswerLogWriting, ARecordedRunAppendsItsAnswersStampedWithItsResultsRecord) {
  s.currentPupilNo = 12;
  s.currentLevel = 3;
  s.runTime = 85;
  s.runAnswers = {answer(13, 17, AnswerRecord::Result::Wrong, 2500, 211),
                  answer(12, 4, AnswerRecord::Result::Right, 900, 48)};
  recordRun(s, clock, 3);
  clock.advanceSeconds(100);
  s.currentPupilNo = 7;
  s.runAnswers = {answer(11, 2, AnswerRecord::Result::RightOnRetry, 1100, 22)};
  recordRun(s, clock, 3);

  const auto results = inst.readResults();
  const auto log = readLog();
  ASSERT_EQ(results.size(), 2u);
  ASSERT_EQ(log.size(), 3u);
  const std::size_t runOf[] = {0, 0, 1};
  for (std::size_t i = 0; i < log.size(); ++i) {
    SCOPED_TRACE(i);
    const ResultRecord& run = results[runOf[i]];
    EXPECT_EQ(log[i].date, run.date);
    EXPECT_EQ(log[i].timeOfDay, run.timeOfDay);
    EXPECT_EQ(log[i].pupilNo, run.pupilNo);
    EXPECT_EQ(log[i].level, 3);
    EXPECT_TRUE(log[i].isPlausible());
  }
  EXPECT_EQ(log[0].multiplier, 17);
  EXPECT_EQ(log[0].typed, 211);
  EXPECT_EQ(log[1].answerMs, 900);
  EXPECT_EQ(log[2].result, AnswerRecord::Result::RightOnRetry);
}

TEST_F(AnswerLogWriting, AppendingAfterATornTailKeepsTheAnswersAligned) {
  {
    QFile torn(answerLogPath(s));
    ASSERT_TRUE(torn.open(QIODevice::WriteOnly));
    torn.write(QByteArray(AnswerRecord::kSize + 5, '\x01'));
  }
  ResultRecord run;
  run.date = 46365;
  run.pupilNo = 4;
  run.level = 2;
  EXPECT_TRUE(appendAnswers(s, run, {answer(11, 3, AnswerRecord::Result::Right, 700, 33)}).isEmpty());
  const auto log = readLog();
  ASSERT_EQ(log.size(), 2u);
  EXPECT_EQ(log[1].multiplier, 3);
  EXPECT_EQ(QFile(answerLogPath(s)).size(), 2 * AnswerRecord::kSize);
}

// The run's record is what matters: a log that cannot be written must not stop or undo it.
TEST_F(AnswerLogWriting, ALogThatCannotBeWrittenLeavesTheRunRecorded) {
  ASSERT_TRUE(QDir().mkpath(answerLogPath(s)));  // a folder where the log should be
  s.currentPupilNo = 12;
  s.currentLevel = 3;
  s.runTime = 85;
  s.runAnswers = {answer(13, 17, AnswerRecord::Result::Wrong, 2500, 211)};
  EXPECT_NO_THROW(recordRun(s, clock, 3));
  ASSERT_EQ(inst.readResults().size(), 1u);
  EXPECT_EQ(inst.readResults()[0].runTime, 85);
}

TEST_F(AnswerLogWriting, ARunWithoutAnswersWritesNoLog) {
  s.currentPupilNo = 12;
  s.currentLevel = 3;
  recordRun(s, clock, 3);
  EXPECT_FALSE(QFile::exists(answerLogPath(s)));
}

// The answers wait on this computer like their runs, and reach the log first, in order, once it can
// take them again.
TEST_F(AnswerLogWriting, AnswersTheLogCannotTakeWaitHereAndGoFirstNextTime) {
  const QString outboxFolder = inst.root() + QStringLiteral("/local/");
  ASSERT_TRUE(QDir().mkpath(outboxFolder));
  s.outboxFolder = outboxFolder;
  ResultRecord first;
  first.date = 46365;
  first.pupilNo = 4;
  first.level = 2;
  ResultRecord second = first;
  second.pupilNo = 5;

  ASSERT_TRUE(QDir().mkpath(answerLogPath(s)));  // the share refuses the log
  EXPECT_FALSE(appendAnswers(s, first, {answer(11, 3, AnswerRecord::Result::Right, 700, 33),
                                        answer(11, 4, AnswerRecord::Result::Wrong, 900, 45)})
                   .isEmpty());
  EXPECT_EQ(answerLogOutbox(s).waitingCount(), 2);
  ASSERT_TRUE(QDir().rmdir(answerLogPath(s)));

  EXPECT_TRUE(appendAnswers(s, second, {answer(12, 9, AnswerRecord::Result::Right, 800, 108)}).isEmpty());
  const auto log = readLog();
  ASSERT_EQ(log.size(), 3u);
  EXPECT_EQ(log[0].pupilNo, 4);
  EXPECT_EQ(log[0].multiplier, 3);
  EXPECT_EQ(log[1].multiplier, 4);
  EXPECT_EQ(log[2].pupilNo, 5);
  EXPECT_EQ(answerLogOutbox(s).waitingCount(), 0);
}
