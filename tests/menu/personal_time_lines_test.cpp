#include <gtest/gtest.h>

#include "menu/personal_time_lines.h"
#include "platform/clock.h"
#include "support/qstring_printer.h"

namespace {
ResultRecord run(int pupil, int level, int runTime, QTime at) {
  ResultRecord r;
  r.date = dateNumberOf(QDate(2026, 12, 9));
  r.timeOfDay = at.msecsSinceStartOfDay() / 86400000.0;
  r.pupilNo = int16_t(pupil);
  r.level = int16_t(level);
  r.runTime = runTime;
  return r;
}
}  // namespace

TEST(PersonalTimeLines, ListThePupilsRunsByLevelInFileOrder) {
  const std::vector<ResultRecord> window = {run(1, 2, 85, QTime(9, 5, 30)), run(2, 2, 70, QTime(9, 6)),
                                            run(1, 2, 99999, QTime(14, 0, 1)), run(1, 3, 999, QTime(23, 59, 59)),
                                            run(1, 4, 12, QTime(10, 0))};
  const auto lines = personalTimeLines(window, 1, true, 3);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_TRUE(lines[1].isEmpty());
  // A run that did not finish shows only when it was.
  EXPECT_EQ(lines[2], QStringList({u"2026/12/09 9:05:30  85秒"_qs, u"2026/12/09 14:00:01"_qs}));
  EXPECT_EQ(lines[3], QStringList({u"2026/12/09 23:59:59 999秒"_qs}));
}

TEST(PersonalTimeLines, APupilTheGradeFilterHidesGetsNoLines) {
  const auto lines = personalTimeLines({run(1, 1, 85, QTime(9, 0))}, 1, false, 2);
  EXPECT_TRUE(lines[1].isEmpty());
}
