#include <gtest/gtest.h>

#include <memory>

#include "core/app_state.h"
#include "menu/report_lines.h"
#include "platform/clock.h"
#include "support/qstring_printer.h"
#include "support/temp_installation.h"

namespace {
const QDate kWednesday(2026, 12, 9);

// Three pupils as the roster gives them (names padded to 20): the chosen pupil 1 in 小４, pupil 2
// in 小５ and a teacher without a grade mark.
struct Pupils {
  std::unique_ptr<AppState> state = std::make_unique<AppState>();
  Pupils() {
    state->schoolYear = 2026;
    state->currentPupilNo = 1;
    const std::tuple<int, int, const char*> roster[] = {
        {1, 2016, "山田太郎"}, {2, 2015, "佐藤花子"}, {3, 1980, "田中先生"}};
    for (const auto& [number, birthYear, name] : roster) {
      state->pupilName[std::size_t(number)] = QString::fromUtf8(name).leftJustified(20, u' ');
      state->pupilBirthYear[std::size_t(number)] = birthYear;
    }
  }
  ReportAudience audience(const char* filter = "全学年") const {
    return ReportAudience(*state, QString::fromUtf8(filter));
  }
};

ResultRecord run(const QDate& date, int pupil, int level, int time, QTime at = QTime(9, 5),
                 const char* points = "0    ") {
  ResultRecord r = TempInstallation::record(dateNumberOf(date), pupil, level, time,
                                            at.msecsSinceStartOfDay() / 86400000.0);
  r.text3 = points;
  return r;
}
}  // namespace

TEST(ReportLines, FixedWidthPieces) {
  EXPECT_EQ(rightAlignedText(u"85"_qs, 5), u"   85"_qs);
  EXPECT_EQ(rightAlignedText(u"123456"_qs, 5), u"23456"_qs);
  EXPECT_EQ(time5(85), u"  85秒"_qs);
  EXPECT_EQ(time5(1234), u"1234秒"_qs);
  EXPECT_EQ(time5(12345), u"2345秒"_qs);
  EXPECT_EQ(hhmm(QTime(9, 5, 59).msecsSinceStartOfDay() / 86400000.0), u"09:05"_qs);
  EXPECT_EQ(hhmm(QTime(17, 40).msecsSinceStartOfDay() / 86400000.0), u"17:40"_qs);
  EXPECT_EQ(mmdd(dateNumberOf(QDate(2026, 6, 15))), u"06/15"_qs);
  EXPECT_EQ(recordName5(u"  山田太郎      "_qs), u"山田太郎　"_qs);
  EXPECT_EQ(recordName5(u"長谷川まりこ"_qs), u"長谷川まり"_qs);
  EXPECT_EQ(rankingName5(u"  林   "_qs), u"  林　　"_qs);
  EXPECT_EQ(rankingName5(u""_qs), u"　　　　　"_qs);
}

TEST(ReportLines, TodayListsTodaysRunsInFileOrder) {
  Pupils pupils;
  const std::vector<ResultRecord> records = {
      run(kWednesday, 1, 3, 85, QTime(9, 5), "12   "),
      run(kWednesday.addDays(-1), 1, 3, 40),  // yesterday
      run(kWednesday, 1, 3, 99999, QTime(9, 7)),
      run(kWednesday, 2, 3, 61, QTime(9, 8)),
      run(kWednesday, 3, 1, 1234, QTime(14, 0)),
      run(kWednesday, 1, 3, 70, QTime(9, 10), "3.5  "),
      run(kWednesday, 0, 3, 50),   // no pupil
      run(kWednesday, 1, 0, 50),   // no level
      run(kWednesday, 1, 26, 50),  // no column on this menu
  };
  const LevelLines lines = todayLines(records, pupils.audience(), 25, dateNumberOf(kWednesday));
  ASSERT_EQ(lines.size(), 26u);
  EXPECT_EQ(lines[3], (QStringList{u"  85秒 09:05●山田太郎　●12"_qs, u"　　× 09:07●山田太郎　●"_qs,
                                   u"  61秒 09:08⑤佐藤花子　⑤0"_qs, u"  70秒 09:10●山田太郎　●3.5"_qs}));
  EXPECT_EQ(lines[1], (QStringList{u"1234秒 14:00　田中先生　　0"_qs}));
  for (int level : {0, 2, 25}) EXPECT_TRUE(lines[std::size_t(level)].isEmpty()) << level;

  const LevelLines fifth = todayLines(records, pupils.audience("小５"), 25, dateNumberOf(kWednesday));
  EXPECT_EQ(fifth[3], (QStringList{u"  61秒 09:08⑤佐藤花子　⑤0"_qs}));
  EXPECT_TRUE(fifth[1].isEmpty());
}

TEST(ReportLines, PeriodDaysStartTheWeekOnMonday) {
  const QDate monday(2026, 12, 7), sunday(2026, 12, 13);
  struct Case {
    int period;
    QDate today;
    int days;
  };
  const Case cases[] = {{1, monday, 1},     {1, kWednesday, 3}, {1, sunday, 7},  {2, monday, 8},
                        {2, sunday, 14},    {3, monday, 30},    {4, sunday, 365}, {5, kWednesday, 3650}};
  for (const Case& c : cases)
    EXPECT_EQ(periodDays(c.period, c.today), c.days) << c.period << " " << c.today.toString().toStdString();
}

TEST(ReportLines, AllResultsOfThisWeek) {
  Pupils pupils;
  const QDate monday(2026, 12, 7), sunday(2026, 12, 13);
  const std::vector<ResultRecord> untilMonday = {run(monday.addDays(-1), 2, 5, 50),
                                                 run(monday, 1, 5, 55, QTime(16, 0), "7    ")};
  std::vector<ResultRecord> untilSunday = untilMonday;
  untilSunday.push_back(run(sunday, 1, 5, 99999));
  auto weekOn = [&](const std::vector<ResultRecord>& records, const QDate& today, int displayMode) {
    const double now = dateNumberOf(today) + 0.75;
    return allResultsLines(records, pupils.audience(), 25, now - periodDays(1, today), displayMode)[5];
  };
  // On a Monday this week is today only; on the Sunday it is Monday to Sunday.
  EXPECT_EQ(weekOn(untilMonday, monday, 1), (QStringList{u"  55秒 12/07●山田太郎　●7"_qs}));
  EXPECT_EQ(weekOn(untilSunday, sunday, 1),
            (QStringList{u"  55秒 12/07●山田太郎　●7"_qs, u"　　× 12/13●山田太郎　●"_qs}));
  // The points view leads with the points and ends with the time; a failed run reads the same.
  EXPECT_EQ(weekOn(untilSunday, sunday, 2), (QStringList{u"    7 12/07●山田太郎　●55秒"_qs, u"　　× 12/13●山田太郎　●"_qs}));
}
