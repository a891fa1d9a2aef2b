#include <gtest/gtest.h>

#include <memory>

#include "core/app_state.h"
#include "menu/chart_figures.h"
#include "menu/level_ranking.h"
#include "menu/report_lines.h"
#include "support/qstring_printer.h"

namespace {
constexpr int kLevel = 3;

// Four pupils of the roster at one level, ranked as the chart panel's hidden lists rank them.
class ChartFiguresTest : public ::testing::Test {
 protected:
  ChartFiguresTest() {
    AppState& s = *state;
    const QStringList names = {u"山田"_qs, u"田"_qs, u"佐藤花子"_qs, u"長谷川由美子"_qs};
    s.schoolYear = 2026;
    s.rosterCount = int(names.size());
    for (int i = 1; i <= s.rosterCount; ++i) {
      const int pupil = i * 10;
      s.rosterPupilNo[std::size_t(i)] = pupil;
      s.pupilName[std::size_t(pupil)] = names[i - 1];
      s.pupilBirthYear[std::size_t(pupil)] = 2015;
      s.personalBest(kLevel, pupil) = kNoTime;
    }
    s.currentPupilNo = 20;
  }

  void points(int pupil, int total, int today) {
    state->totalPoints(kLevel, pupil) = total;
    state->todayPoints(kLevel, pupil) = today;
  }

  QStringList lines(RankingKind kind, PointsOrder order = PointsOrder::Cumulative) const {
    return levelRankingLines(*state, ReportAudience(*state, u"全学年"_qs), kLevel, kind, order, 3).lines;
  }

  ChartFigures figuresOf(int pupil, PointsOrder order = PointsOrder::Cumulative) const {
    return chartFigures(lines(RankingKind::Times, order), lines(RankingKind::Points, order),
                        state->pupilName[std::size_t(pupil)]);
  }

  std::unique_ptr<AppState> state = std::make_unique<AppState>();
};
}  // namespace

TEST_F(ChartFiguresTest, TheFirstInThePointsRankingShowsRankOneAndTheirPoints) {
  points(10, 120, 0);
  points(20, 80, 30);
  points(30, 80, 10);
  state->personalBest(kLevel, 10) = 70;
  state->personalBest(kLevel, 30) = 55;
  const ChartFigures first = figuresOf(10);
  EXPECT_EQ(first.pointsRankText, u"  1"_qs);
  EXPECT_EQ(first.pupilPoints, 120);
  EXPECT_EQ(first.timeRankText, u"  2"_qs);
  // The school's average is over the three pupils with points, not the one without.
  EXPECT_EQ(first.schoolPointsCount, 3);
  EXPECT_EQ(first.schoolPointsSum, 280);
  // A pupil without a run is listed with hyphens for a rank.
  EXPECT_EQ(figuresOf(20).timeRankText, u"---"_qs);
}

TEST_F(ChartFiguresTest, TodaysOrderAveragesOverThePupilsWithPointsToday) {
  points(10, 120, 0);
  points(20, 80, 30);
  points(30, 60, 5);
  const ChartFigures figures = figuresOf(10, PointsOrder::Today);
  EXPECT_EQ(figures.pointsRankText, QString());  // no points today: not listed
  EXPECT_EQ(figures.pupilPoints, 0);
  EXPECT_EQ(figures.schoolPointsCount, 2);
  EXPECT_EQ(figures.schoolPointsSum, 140);
}

TEST_F(ChartFiguresTest, APupilIsFoundByTheirWholeNameOnly) {
  state->personalBest(kLevel, 10) = 40;
  state->personalBest(kLevel, 20) = 55;
  state->personalBest(kLevel, 40) = 60;
  points(40, 300, 0);
  // 田 comes after 山田, whose line also contains 田.
  EXPECT_EQ(figuresOf(20).timeRankText, u"  2"_qs);

  // A name longer than the five characters a line shows is never found.
  const ChartFigures longName = figuresOf(40);
  EXPECT_EQ(longName.timeRankText, QString());
  EXPECT_EQ(longName.pointsRankText, QString());
  EXPECT_EQ(longName.pupilPoints, 0);
  EXPECT_EQ(longName.schoolPointsSum, 300);

  EXPECT_EQ(chartFigures(lines(RankingKind::Times), {}, QString()).timeRankText, QString());
}
