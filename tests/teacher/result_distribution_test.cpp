#include <gtest/gtest.h>

#include "core/result_record.h"
#include "support/fakes.h"
#include "support/held_write_lock.h"
#include "support/qstring_printer.h"
#include "support/temp_installation.h"
#include "teacher/result_distribution.h"

namespace {
struct PupilRun {
  int pupil, level, runTime;
};

ResultDistribution distributionOf(const std::vector<PupilRun>& runs) {
  QByteArray bytes;
  for (const PupilRun& run : runs) bytes += TempInstallation::record(46000, run.pupil, run.level, run.runTime).encode();
  return ResultDistribution::fromRecords(bytes);
}

int starsOn(const QString& line) { return int(line.count(u'★')); }
}  // namespace

TEST(ResultDistribution, WithNoRecordsTheChartsHaveHeadingsAndNoStars) {
  const ResultDistribution d = distributionOf({});
  const QStringList all = allTimesChart(d, 4);
  ASSERT_EQ(all.size(), 102);
  EXPECT_EQ(all[0], u"レベル4 今まで0回  （★=1）"_qs);
  EXPECT_EQ(all[1], u"   0～"_qs);
  EXPECT_EQ(all[7], u"  60～"_qs);
  EXPECT_EQ(all[101], u"1000～"_qs);
  const QStringList best = bestTimesChart(d, 4);
  ASSERT_EQ(best.size(), 102);
  EXPECT_EQ(best[0], u"レベル4 （★=1）"_qs);
  for (int c = 1; c <= 101; ++c) EXPECT_EQ(starsOn(all[c]) + starsOn(best[c]), 0);
}

TEST(ResultDistribution, OneStarStandsForATenthOfTheRunsRounded) {
  // 25 runs at level 2: 5 in class 4, 20 in class 7, each pupil once, so both charts count them all.
  std::vector<PupilRun> runs;
  for (int i = 0; i < 5; ++i) runs.push_back({i + 1, 2, 40 + i});
  for (int i = 0; i < 20; ++i) runs.push_back({i + 100, 2, 75});
  runs.push_back({1, 3, 75});  // another level
  const ResultDistribution d = distributionOf(runs);
  const QStringList all = allTimesChart(d, 2);
  EXPECT_EQ(all[0], u"レベル2 今まで25回  （★=2）"_qs);
  EXPECT_EQ(all[1 + 4], u"  40～★★★"_qs);  // 0.5 + 5 / 2
  EXPECT_EQ(starsOn(all[1 + 7]), 10);
  EXPECT_EQ(bestTimesChart(d, 2)[0], u"レベル2 （★=2）"_qs);
  EXPECT_EQ(starsOn(bestTimesChart(d, 2)[1 + 4]), 3);
}

TEST(ResultDistribution, BestTimesCountEachPupilOnceAtTheirLowestTime) {
  const ResultDistribution d = distributionOf({{7, 3, 85}, {7, 3, 62}, {8, 3, 62}, {7, 4, 30}});
  EXPECT_EQ(d.runCount(3), 3);
  EXPECT_EQ(d.allTimes(3, 8), 1);
  EXPECT_EQ(d.allTimes(3, 6), 2);
  EXPECT_EQ(d.bestTimes(3, 6), 2);  // pupils 7 and 8
  EXPECT_EQ(d.bestTimes(3, 8), 0);
  EXPECT_EQ(d.bestTimes(4, 3), 1);
}

TEST(ResultDistribution, LongTimesFallInTheLastClassOfEachChart) {
  const ResultDistribution d = distributionOf({{1, 5, 1234}, {2, 5, 456}, {3, 5, 99999}, {4, 5, 999}});
  EXPECT_EQ(d.allTimes(5, 100), 2);  // 1234 and the timed-out run
  EXPECT_EQ(d.allTimes(5, 99), 1);
  EXPECT_EQ(d.allTimes(5, 45), 1);
  EXPECT_EQ(d.bestTimes(5, 30), 4);
  EXPECT_EQ(starsOn(allTimesChart(d, 5)[1 + 100]), 2);
}

TEST(ResultDistribution, DamagedRecordsAreLeftOut) {
  // Level 0 holds no run; levels above 50 and negative times cannot be placed; a pupil number
  // outside the roster's range still counts once.
  const ResultDistribution d =
      distributionOf({{1, 0, 50}, {1, 51, 50}, {1, 300, 50}, {1, -2, 50}, {1, 6, -30},
                      {-4, 6, 50}, {-4, 6, 20}, {6000, 6, 70}, {1, 50, 10}});
  EXPECT_EQ(d.runCount(0), 0);
  EXPECT_EQ(d.runCount(6), 3);
  EXPECT_EQ(d.bestTimes(6, 2), 1);
  EXPECT_EQ(d.bestTimes(6, 5), 0);
  EXPECT_EQ(d.bestTimes(6, 7), 1);
  EXPECT_EQ(d.runCount(50), 1);
  EXPECT_EQ(d.runCount(51), 0);
  EXPECT_EQ(allTimesChart(d, 51)[0], u"レベル51 今まで0回  （★=1）"_qs);
}

TEST(ResultDistribution, ReadsTheWholeResultsFileAndWaitsForAWriter) {
  TempInstallation inst;
  std::vector<ResultRecord> records;
  for (int i = 0; i < 20010; ++i) records.push_back(TempInstallation::record(46000, 1 + i % 40, 1 + i % 25, 30 + i % 60));
  inst.writeResults(records);
  inst.appendRawBytes("partial");
  FakePause pause;
  const ResultDistribution d = readDistribution(inst.resultsPath(), pause);
  int runs = 0;
  for (int level = 1; level <= 25; ++level) runs += d.runCount(level);
  EXPECT_EQ(runs, 20010);  // not only the newest 20000 that the tallies keep
  EXPECT_TRUE(pause.pauses.empty());

  HeldWriteLock writer(inst.resultsPath());
  ASSERT_TRUE(writer.held());
  pause.onPause = [&writer](int) { writer.release(); };
  EXPECT_EQ(readDistribution(inst.resultsPath(), pause).runCount(1), d.runCount(1));
  EXPECT_FALSE(pause.pauses.empty());
}
