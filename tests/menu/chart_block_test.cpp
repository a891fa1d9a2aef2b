#include <gtest/gtest.h>

#include "menu/chart_block.h"
#include "menu/chart_window.h"
#include "platform/clock.h"
#include "support/qstring_printer.h"

namespace {
constexpr int kPupil = 7;
constexpr int kLevel = 2;

ResultRecord run(int runTime, QDate date = QDate(2026, 12, 1), int pupil = kPupil, int level = kLevel) {
  ResultRecord r;
  r.date = dateNumberOf(date);
  r.timeOfDay = 0.5;
  r.pupilNo = int16_t(pupil);
  r.level = int16_t(level);
  r.runTime = runTime;
  return r;
}

std::vector<QString> labelTexts(const ChartBlock& block) {
  std::vector<QString> texts;
  for (const ChartLabel& label : block.labels) texts.push_back(label.text);
  return texts;
}

bool hasLabel(const ChartBlock& block, const QString& text) {
  const auto texts = labelTexts(block);
  return std::find(texts.begin(), texts.end(), text) != texts.end();
}
}  // namespace

struct AxisCase {
  std::vector<int> runs;
  int axisMax;
};

class AxisMaximum : public ::testing::TestWithParam<AxisCase> {};

TEST_P(AxisMaximum, RoundsTheSlowestCountedRunUpAndCapsAtOneThousand) {
  std::vector<ResultRecord> window;
  for (int t : GetParam().runs) window.push_back(run(t));
  EXPECT_EQ(computeChartBlock(window, kPupil, kLevel, true, {}).axisMax, GetParam().axisMax);
}

INSTANTIATE_TEST_SUITE_P(Runs, AxisMaximum,
                         ::testing::Values(AxisCase{{85, 40}, 90}, AxisCase{{90}, 100}, AxisCase{{1234}, 1000},
                                           AxisCase{{}, 10},
                                           // Runs of 1800 s and more, and timed-out runs, are not charted.
                                           AxisCase{{50, 1800, 99999}, 60}));

TEST(ChartBlock, OnlyStrictlyFasterRunsAreNewBests) {
  const std::vector<ResultRecord> window = {run(80), run(90), run(80), run(70), run(75)};
  const ChartBlock block = computeChartBlock(window, kPupil, kLevel, true, {});
  ASSERT_EQ(block.points.size(), 5u);
  const std::vector<bool> red = {true, false, false, true, false};
  for (std::size_t i = 0; i < red.size(); ++i) EXPECT_EQ(block.points[i].red, red[i]) << i;
  ASSERT_EQ(block.bests.size(), 2u);
  EXPECT_EQ(block.bests[0].timeText, u"80秒"_qs);
  EXPECT_EQ(block.bests[1].timeText, u"70秒"_qs);
  // The last counted run lies at the end of the horizontal axis; 0 s at 0.8 H, axisMax at 0.1 H.
  EXPECT_DOUBLE_EQ(block.points.back().x, 0.9);
  EXPECT_DOUBLE_EQ(block.points[0].x, 0.2 + 0.7 / 5);
  EXPECT_NEAR(chartY(0, 90), 0.8, 1e-12);
  EXPECT_NEAR(chartY(90, 90), 0.1, 1e-12);
}

TEST(ChartBlock, CountsOnlyThePupilsRunsAtTheLevelButTheSchoolFiguresTakeEveryone) {
  const std::vector<ResultRecord> window = {run(85), run(60, QDate(2026, 12, 1), 8), run(70),
                                            run(30, QDate(2026, 12, 1), kPupil, 3), run(99999),
                                            run(2000, QDate(2026, 12, 1), 9)};
  const ChartBlock block = computeChartBlock(window, kPupil, kLevel, true, {});
  EXPECT_EQ(block.chartCount, 2);
  EXPECT_EQ(block.chartSum, 155);
  EXPECT_EQ(block.chartMax, 85);
  EXPECT_EQ(block.schoolCount, 3);  // 85, 60, 70: not the timed-out run nor 2000 s
  EXPECT_EQ(block.schoolSum, 215);
  EXPECT_EQ(block.schoolBest, 60);
}

TEST(ChartBlock, APupilTheGradeFilterHidesIsCountedButNotPlotted) {
  const ChartBlock block = computeChartBlock({run(85), run(70)}, kPupil, kLevel, false, {});
  EXPECT_EQ(block.chartCount, 2);
  EXPECT_TRUE(block.points.empty());
  EXPECT_TRUE(block.bests.empty());
  EXPECT_TRUE(block.labels.empty());
}

TEST(ChartBlock, SevenBestsLabelTheFirstTheThirdAndTheLast) {
  // Seven ever faster runs, the year changing between the sixth and the seventh.
  std::vector<ResultRecord> window;
  for (int i = 0; i < 6; ++i) window.push_back(run(100 - 10 * i, QDate(2025, 3, 1 + i)));
  window.push_back(run(30, QDate(2026, 1, 5)));
  window.push_back(run(95, QDate(2026, 1, 6), 8));  // another pupil's run is read last
  const ChartBlock block = computeChartBlock(window, kPupil, kLevel, true, {});
  ASSERT_EQ(block.bests.size(), 7u);

  EXPECT_TRUE(hasLabel(block, u"100秒"_qs));
  EXPECT_TRUE(hasLabel(block, u"2025/03/01"_qs));  // the first best's date in full
  EXPECT_TRUE(hasLabel(block, u"80秒"_qs));
  EXPECT_TRUE(hasLabel(block, u"03/03"_qs));  // same year as the best before it
  EXPECT_TRUE(hasLabel(block, u"30秒"_qs));
  EXPECT_TRUE(hasLabel(block, u"2026/01/05"_qs));  // a new year is written in full
  EXPECT_TRUE(hasLabel(block, u"2026/01/06"_qs));  // the last record read, at the axis's end
  EXPECT_TRUE(hasLabel(block, u"0秒"_qs));
  EXPECT_TRUE(hasLabel(block, u"110秒"_qs));  // axisMax
  for (const QString& unlabelled : {u"90秒"_qs, u"70秒"_qs, u"50秒"_qs, u"03/06"_qs})
    EXPECT_FALSE(hasLabel(block, unlabelled)) << unlabelled.toStdString();

  // The first best's time stands beside the vertical axis, the last one's below its point.
  const auto& labels = block.labels;
  const auto first = std::find_if(labels.begin(), labels.end(), [](auto& l) { return l.text == u"100秒"_qs; });
  EXPECT_DOUBLE_EQ(first->x, 0.12);
  EXPECT_DOUBLE_EQ(first->y, block.bests[0].y - 0.01);
  const auto last = std::find_if(labels.begin(), labels.end(), [](auto& l) { return l.text == u"30秒"_qs; });
  EXPECT_DOUBLE_EQ(last->x, block.bests[6].x - 0.025);
  EXPECT_DOUBLE_EQ(last->y, block.bests[6].y + 0.04);
}

TEST(ChartBlock, ARunSlowerThanTheCappedAxisStaysInsideTheBlock) {
  const ChartBlock block = computeChartBlock({run(1500), run(300)}, kPupil, kLevel, true, {});
  EXPECT_EQ(block.axisMax, 1000);
  EXPECT_DOUBLE_EQ(block.points[0].y, 0.1);
  EXPECT_TRUE(block.points[1].red);
}

TEST(ChartStatistics, LinesOfAPupilWithRunsAndPoints) {
  const std::vector<ResultRecord> window = {run(85), run(60, QDate(2026, 12, 1), 8), run(70)};
  const ChartFigures figures{u"  2"_qs, u"  1"_qs, 120, 200, 2};
  const auto lines = computeChartBlock(window, kPupil, kLevel, true, figures).statistics;
  EXPECT_EQ(lines[0], u"回数　　　　　　　  2回"_qs);
  EXPECT_EQ(lines[1], u"タイム  　　 　    本人 / 塾全体"_qs);
  EXPECT_EQ(lines[2], u"　　順位　　　　    2位"_qs);
  EXPECT_EQ(lines[3], u"　　最高　　　　   70秒 /   60秒"_qs);
  // The pupil's average is rounded down (77.5), the school's to the nearest (71.67).
  EXPECT_EQ(lines[4], u"　　平均　　　　   77秒 /   72秒"_qs);
  EXPECT_EQ(lines[5], u"ポイント  　　　"_qs);
  EXPECT_EQ(lines[6], u"　　順位　　　　    1位"_qs);
  EXPECT_EQ(lines[7], u"　　獲得ポイント  120点"_qs);
  EXPECT_EQ(lines[8], u"　　　　　　　　　　　　/  100点"_qs);
  EXPECT_EQ(lines[9], u"　　　　　　　　　　　　 (塾平均)"_qs);
}

TEST(ChartStatistics, APupilWithoutRunsOrRanksLeavesTheAverageAndSchoolPointsEmpty) {
  const auto lines = computeChartBlock({run(60, QDate(2026, 12, 1), 8)}, kPupil, kLevel, true, {}).statistics;
  EXPECT_EQ(lines[0], u"回数　　　　　　　  0回"_qs);
  EXPECT_EQ(lines[2], u"　　順位　　　　     位"_qs);
  EXPECT_EQ(lines[3], u"　　最高　　　　       /   60秒"_qs);
  EXPECT_TRUE(lines[4].isEmpty());
  EXPECT_EQ(lines[6], u"　　順位　　　　     位"_qs);
  EXPECT_EQ(lines[7], u"　　獲得ポイント    0点"_qs);
  EXPECT_TRUE(lines[8].isEmpty());
  // A rank that is no number, such as the "---" of a pupil without a run, passes unchanged.
  EXPECT_EQ(wholeNumberText(u"---"_qs), u"---"_qs);
}

TEST(ChartStatistics, ThePrinterSetsTheLinesCloser) {
  EXPECT_DOUBLE_EQ(statisticsLineTop(1, false), 0.13);
  EXPECT_DOUBLE_EQ(statisticsLineTop(9, true), 0.05 + 9 * 0.06);
  EXPECT_DOUBLE_EQ(statisticsLineTop(10, false), 0.05 + 9.5 * 0.08);
}

TEST(ChartWindow, KeepsTheLastTenYearsOfLevelsWithAColumn) {
  const QDate today(2026, 12, 9);
  const double now = dateNumberOf(today) + 0.5;
  const std::vector<ResultRecord> newest = {run(50, today.addDays(-3650)), run(51, today.addDays(-3649)),
                                            run(52, today, kPupil, 26), run(53, today, kPupil, 0),
                                            run(54, today, kPupil, 25)};
  const auto window = chartWindow(newest, 25, now);
  ASSERT_EQ(window.size(), 2u);
  EXPECT_EQ(window[0].runTime, 51);
  EXPECT_EQ(window[1].runTime, 54);
}
