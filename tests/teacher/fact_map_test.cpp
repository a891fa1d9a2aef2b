#include <gtest/gtest.h>

#include "core/app_state.h"
#include "support/answer_log_file.h"
#include "support/fakes.h"
#include "support/temp_installation.h"
#include "teacher/fact_map.h"

namespace {
const double kToday = 46365;  // 2026-12-09
const QDate kTodayDate(2026, 12, 9);
using Result = AnswerRecord::Result;

FactCell cellOf(const std::vector<AnswerRecord>& answers) {
  FactMapBuilder builder;
  for (const AnswerRecord& a : answers) builder.add(a);
  return builder.finish().cell(12, 7);
}
AnswerRecord a127(Result result, int ms) { return answerOf(kToday, 1, 12, 7, result, ms); }
}  // namespace

TEST(FactMapCell, CountsAndTheMedianOfFirstTryRightAnswers) {
  struct Case {
    const char* what;
    std::vector<AnswerRecord> answers;
    int answers_, wrong, retried;
    double medianMs;
    QString text;
    SpeedBand band;
  } cases[] = {
      {"none", {}, 0, 0, 0, -1, u""_qs, SpeedBand::NoAnswers},
      {"one", {a127(Result::Right, 1500)}, 1, 0, 0, 1500, u"1.5秒"_qs, SpeedBand::UpTo2s},
      {"odd count takes the middle",
       {a127(Result::Right, 5000), a127(Result::Right, 1000), a127(Result::Right, 2500)},
       3, 0, 0, 2500, u"2.5秒"_qs, SpeedBand::UpTo3s},
      {"even count takes the mean of the middle two",
       {a127(Result::Right, 3000), a127(Result::Right, 4000), a127(Result::Right, 1000),
        a127(Result::Right, 9000)},
       4, 0, 0, 3500, u"3.5秒"_qs, SpeedBand::UpTo4s},
      {"wrong and retried answers count but stay out of the median",
       {a127(Result::Wrong, 100), a127(Result::RightOnRetry, 200), a127(Result::Right, 6000)},
       3, 1, 1, 6000, u"6.0秒"_qs, SpeedBand::UpTo6s},
      {"only wrong answers: no median",
       {a127(Result::Wrong, 1000), a127(Result::Wrong, 1000)}, 2, 2, 0, -1, u""_qs, SpeedBand::NoAnswers},
      {"long answers beyond the per-millisecond counts",
       {a127(Result::Right, 25000), a127(Result::Right, 61000), a127(Result::Right, 19999)},
       3, 0, 0, 25000, u"25.0秒"_qs, SpeedBand::Over6s},
      {"band edges belong to the quicker band",
       {a127(Result::Right, 2000)}, 1, 0, 0, 2000, u"2.0秒"_qs, SpeedBand::UpTo2s},
      {"just over an edge", {a127(Result::Right, 6001)}, 1, 0, 0, 6001, u"6.0秒"_qs, SpeedBand::Over6s},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const FactCell cell = cellOf(c.answers);
    EXPECT_EQ(cell.answers, c.answers_);
    EXPECT_EQ(cell.wrong, c.wrong);
    EXPECT_EQ(cell.retried, c.retried);
    EXPECT_DOUBLE_EQ(cell.medianMs, c.medianMs);
    EXPECT_EQ(medianSecondsText(cell), c.text);
    EXPECT_EQ(speedBandOf(cell), c.band);
  }
}

TEST(FactMapWeakest, MostWrongPerAnswerThenSlowestThenTableOrder) {
  FactMapBuilder builder;
  auto add = [&builder](int m, int n, Result r, int ms = 1000) { builder.add(answerOf(kToday, 1, m, n, r, ms)); };
  // 11×2: 1 of 2 wrong; 13×5: 2 of 4 wrong, slower; 12×3: 1 of 3 wrong; 11×9 and 12×9 all right.
  add(11, 2, Result::Wrong);
  add(11, 2, Result::Right, 2000);
  for (Result r : {Result::Wrong, Result::Wrong, Result::Right, Result::Right}) add(13, 5, r, 4000);
  for (Result r : {Result::Wrong, Result::Right, Result::RightOnRetry}) add(12, 3, r);
  add(11, 9, Result::Right, 3000);
  add(12, 9, Result::Right, 5000);
  add(13, 1, Result::Wrong);  // every answer wrong: weakest
  const FactMap map = builder.finish();
  EXPECT_EQ(map.weakest(), (std::vector<Fact>{{13, 1}, {13, 5}, {11, 2}, {12, 3}, {12, 9}, {11, 9}}));
  EXPECT_EQ(map.weakest(2), (std::vector<Fact>{{13, 1}, {13, 5}}));
}

namespace {
struct FactMapFixture : ::testing::Test {
  FactMapFixture() {
    s.programDataFolder = inst.programDataFolder();
    s.schoolYear = 2026;
    // Pupils 1 and 2 in 小３ (born 2017), pupil 3 in 中１ (born 2013).
    const std::vector<std::pair<int, int>> roster = {{1, 2017}, {2, 2017}, {3, 2013}};
    for (const auto& [no, birth] : roster) {
      s.rosterPupilNo[std::size_t(++s.rosterCount)] = no;
      s.pupilBirthYear[no] = birth;
    }
    std::vector<AnswerRecord> answers;
    // One answer of 11×1 per pupil on today, 29, 30, 89, 90 and 400 days back.
    for (int back : {0, 29, 30, 89, 90, 400})
      for (int pupil = 1; pupil <= 4; ++pupil) answers.push_back(answerOf(kToday - back, pupil, 11, 1));
    answers.push_back(answerOf(kToday + 1, 1, 11, 1));  // a computer whose date ran ahead
    writeAnswerLog(answerLogPath(s), answerLogBytes(answers) + QByteArray(32, '\0'));
  }
  int answersOf(const FactGroup& group, FactPeriod period) {
    const FactMap map = buildFactMap(s, pause, group, period, kTodayDate);
    EXPECT_EQ(map.damagedRecords, 1);
    return map.cell(11, 1).answers;
  }
  TempInstallation inst;
  AppState s;
  FakeClock clock;
  FakePause pause{&clock};
};
}  // namespace

TEST_F(FactMapFixture, GroupsAndPeriodsChooseTheAnswers) {
  struct Case {
    FactGroup group;
    FactPeriod period;
    int answers;
  } cases[] = {
      {FactGroup::school(), FactPeriod::Days30, 4 * 2},
      {FactGroup::school(), FactPeriod::Days90, 4 * 4},
      {FactGroup::school(), FactPeriod::Everything, 4 * 6 + 1},
      {FactGroup::grade(u"小３"_qs), FactPeriod::Days30, 2 * 2},
      {FactGroup::grade(u"小学生全体"_qs), FactPeriod::Days90, 2 * 4},
      {FactGroup::grade(u"中学生全体"_qs), FactPeriod::Everything, 6},
      {FactGroup::grade(u"中２"_qs), FactPeriod::Everything, 0},
      {FactGroup::pupil(3), FactPeriod::Days30, 2},
      {FactGroup::pupil(1), FactPeriod::Everything, 7},
      {FactGroup::pupil(4), FactPeriod::Days90, 4},  // a pupil no longer on the roster keeps their answers
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << int(c.group.kind) << c.group.gradeFilter.toStdString() << " "
                                    << c.group.pupilNo << " period " << int(c.period));
    EXPECT_EQ(answersOf(c.group, c.period), c.answers);
  }
}
