#include <gtest/gtest.h>

#include <QFileInfo>

#include "core/answer_log_reader.h"
#include "core/app_state.h"
#include "platform/file_error.h"
#include "support/answer_log_file.h"
#include "support/fakes.h"
#include "support/held_write_lock.h"
#include "support/temp_installation.h"

namespace {
const double kToday = 46365;  // 2026-12-09
using Result = AnswerRecord::Result;

struct AnswerLogFixture : ::testing::Test {
  AnswerLogFixture() { s.programDataFolder = inst.programDataFolder(); }
  void write(const QByteArray& bytes) { writeAnswerLog(answerLogPath(s), bytes); }
  std::vector<AnswerRecord> readAll(const AnswerLogFilter& filter = {}) {
    std::vector<AnswerRecord> seen;
    last = readAnswerLog(s, pause, filter, [&seen](const AnswerRecord& a) { seen.push_back(a); });
    return seen;
  }
  TempInstallation inst;
  AppState s;
  FakeClock clock;
  FakePause pause{&clock};
  AnswerLogReading last;
};
}  // namespace

TEST_F(AnswerLogFixture, AMissingLogGivesNoAnswersAndIsNotCreated) {
  EXPECT_TRUE(readAll().empty());
  EXPECT_EQ(last.damaged, 0);
  EXPECT_FALSE(QFileInfo::exists(answerLogPath(s)));
}

TEST_F(AnswerLogFixture, DamagedRecordsAreSkippedAndCountedAndAPartialTailIgnored) {
  AnswerRecord badMultiplier = answerOf(kToday, 2, 12, 21);
  AnswerRecord badResult = answerOf(kToday, 3, 12, 5);
  badResult.result = Result(7);
  const AnswerRecord good1 = answerOf(kToday, 1, 11, 3);
  const AnswerRecord good2 = answerOf(kToday - 1, 4, 13, 20, Result::Wrong, 4000);
  QByteArray bytes = answerLogBytes({good1, badMultiplier, good2, badResult});
  bytes += QByteArray(32, '\xff');                  // a record of nothing but damage
  bytes += good1.encode().left(17);                 // an append cut short
  write(bytes);

  EXPECT_EQ(readAll(), (std::vector<AnswerRecord>{good1, good2}));
  EXPECT_EQ(last.delivered, 2);
  EXPECT_EQ(last.damaged, 3);
  EXPECT_EQ(damagedAnswersNotice(3), u"解答記録.dat に読めない記録が 3件ありました。その記録は使わずに表示しています。"_qs);
  EXPECT_TRUE(damagedAnswersNotice(0).isEmpty());
}

TEST_F(AnswerLogFixture, FiltersByDatesPupilsAndPredicateWhileReading) {
  std::vector<AnswerRecord> answers;
  for (int day = 0; day < 5; ++day)
    for (int pupil = 1; pupil <= 3; ++pupil) answers.push_back(answerOf(kToday - day, pupil, 11, day + 1));
  write(answerLogBytes(answers));

  AnswerLogFilter filter;
  filter.firstDate = kToday - 2;
  filter.lastDate = kToday - 1;
  filter.onlyPupil(2);
  EXPECT_EQ(readAll(filter), (std::vector<AnswerRecord>{answers[4], answers[7]}));

  AnswerLogFilter odd;
  odd.accepts = [](const AnswerRecord& a) { return a.multiplier % 2 == 1; };
  odd.pupils.assign(kMaxPupil + 1, false);
  odd.pupils[1] = odd.pupils[3] = true;
  EXPECT_EQ(readAll(odd).size(), 6u);  // days 0, 2, 4 for pupils 1 and 3
}

TEST_F(AnswerLogFixture, ALogSpanningSeveralChunksIsReadWhole) {
  // Over two chunks of 1 MiB, ending in the middle of the third.
  const int count = (2 << 20) / AnswerRecord::kSize + 1234;
  QByteArray bytes;
  bytes.reserve(qsizetype(count) * AnswerRecord::kSize);
  for (int i = 0; i < count; ++i) bytes += answerOf(kToday, 1 + i % 5000, 11 + i % 3, 1 + i % 20).encode();
  write(bytes);
  qint64 pupilSum = 0, expectedSum = 0;
  for (int i = 0; i < count; ++i) expectedSum += 1 + i % 5000;
  last = readAnswerLog(s, pause, {}, [&pupilSum](const AnswerRecord& a) { pupilSum += a.pupilNo; });
  EXPECT_EQ(last.delivered, count);
  EXPECT_EQ(pupilSum, expectedSum);
}

TEST_F(AnswerLogFixture, AWriterOnAnotherComputerIsWaitedForEverySecond) {
  write(answerLogBytes({answerOf(kToday, 1, 11, 1)}));
  HeldWriteLock otherComputer(answerLogPath(s));
  ASSERT_TRUE(otherComputer.held());
  pause.onPause = [&](int) {
    if (pause.pauses.size() == 2) otherComputer.release();
  };
  EXPECT_EQ(readAll().size(), 1u);
  EXPECT_EQ(pause.pauses, (std::vector<int>{1000, 1000}));
}
