#include <gtest/gtest.h>

#include <memory>

#include "core/app_state.h"
#include "core/tallies.h"
#include "support/fakes.h"
#include "support/temp_installation.h"

namespace {

struct PointsCase {
  const char* name;
  int passTime;
  float pointFactor;
  int runTime;
  int points;
};

class RunPoints : public ::testing::TestWithParam<PointsCase> {};

TEST_P(RunPoints, ScoresTheRunAgainstThePassTime) {
  const PointsCase& c = GetParam();
  auto state = std::make_unique<AppState>();
  state->passTime[4] = c.passTime;
  state->pointFactor[4] = c.pointFactor;
  EXPECT_EQ(runPoints(*state, 4, c.runTime), c.points);
}

INSTANTIATE_TEST_SUITE_P(
    Table, RunPoints,
    ::testing::Values(
        PointsCase{"Instant", 60, 1, 0, 55},
        PointsCase{"HalfThePassTime", 60, 1, 30, 11},
        PointsCase{"AtThePassTime", 60, 1, 60, 5},
        PointsCase{"JustOverThePassTime", 60, 1, 61, 4},
        PointsCase{"JustUnderTwiceThePassTime", 60, 1, 119, 4},
        PointsCase{"TwiceThePassTime", 60, 1, 120, 1},
        PointsCase{"JustUnderTenTimes", 60, 1, 599, 1},
        PointsCase{"TenTimesThePassTime", 60, 1, 600, 0},
        PointsCase{"TimedOut", 60, 1, 99999, 0},
        PointsCase{"TimedOutWithAHugePassTime", 200000, 1, 99999, 0},
        PointsCase{"LastTimeStillScored", 200000, 1, 99997, 11},
        PointsCase{"FactorOneAndAHalfOfFive", 60, 1.5f, 60, 7},
        PointsCase{"FactorOneAndAHalfOfEleven", 60, 1.5f, 30, 16},
        // 1.4 is not exact in binary; the teacher still expects 1.4 x 5 = 7.
        PointsCase{"FactorNotExactInBinary", 60, 1.4f, 60, 7},
        PointsCase{"FactorZero", 60, 0, 0, 0},
        // A slow run must never outscore a quicker one, however long the pass time.
        PointsCase{"FourDigitRunTime", 2000, 1, 1234, 7},
        // A level without a pass time scores nothing, so it can neither clear nor bar a level.
        PointsCase{"PassTimeZeroScoresNothing", 0, 1, 45, 0},
        PointsCase{"PassTimeZeroInstantRun", 0, 1, 0, 0},
        PointsCase{"PassTimeZeroTimedOut", 0, 1, 99999, 0},
        PointsCase{"NegativePassTimeScoresNothing", -60, 1.5f, 45, 0},
        PointsCase{"DamagedNegativeRunTimeScoresAsInstant", 60, 1, -500, 55},
        PointsCase{"AbsurdFactorStaysBounded", 60, 1e12f, 0, 100000}),
    [](const auto& info) { return std::string(info.param.name); });

// A results file of hand-made records, recounted on a fake clock.
class Recount : public ::testing::Test {
 protected:
  static constexpr int kLevel = 3;
  static constexpr int kPupil = 12;

  void SetUp() override {
    state->programDataFolder = installation.programDataFolder();
    for (int level = 1; level <= 25; ++level) {
      state->passTime[level] = 60;
      state->pointFactor[level] = 1;
      state->judgeDays[level] = 7;
      state->overPracticeDays[level] = 7;
    }
  }

  double today() const { return clock.dateNumber(); }

  void recount(const std::vector<ResultRecord>& records) {
    installation.writeResults(records);
    recountTallies(*state, clock, pause);
  }

  static ResultRecord run(double date, int runTime, int level = kLevel, int pupil = kPupil) {
    return TempInstallation::record(date, pupil, level, runTime);
  }

  TempInstallation installation;
  FakeClock clock{QDateTime(QDate(2026, 12, 9), QTime(10, 0))};
  FakePause pause{&clock};
  std::unique_ptr<AppState> state = std::make_unique<AppState>();
};

TEST_F(Recount, RunsOf6000SecondsOrMoreAddPointsButAreNotRuns) {
  state->passTime[kLevel] = 1000;  // so that 5999 and 6000 both earn 1 point
  recount({run(today(), 5999), run(today(), 6000), run(today(), 99999)});

  EXPECT_EQ(state->totalRuns(kLevel, kPupil), 1);
  EXPECT_EQ(state->recentRuns(kLevel, kPupil), 1);
  EXPECT_EQ(state->overWindowRuns(kLevel, kPupil), 1);
  EXPECT_EQ(state->todayRuns(kLevel, kPupil), 1.0f);
  EXPECT_EQ(state->totalPoints(kLevel, kPupil), 2);
  EXPECT_EQ(state->recentPoints(kLevel, kPupil), 2);
  EXPECT_EQ(state->overWindowPoints(kLevel, kPupil), 2);
  EXPECT_EQ(state->todayPoints(kLevel, kPupil), 2);
}

struct WindowCase {
  const char* name;
  double days;
  QTime timeOfDay;
  int runsInWindow;  // of runs dated today, yesterday, 6 and 7 days ago
};

class RecountWindow : public Recount, public ::testing::WithParamInterface<WindowCase> {};

TEST_P(RecountWindow, TakesInTodayAndTheDaysBefore) {
  const WindowCase& c = GetParam();
  clock.set(QDate(2026, 12, 9), c.timeOfDay);
  state->judgeDays[kLevel] = c.days;
  state->overPracticeDays[kLevel] = c.days;
  recount({run(today() - 7, 60), run(today() - 6, 60), run(today() - 1, 60), run(today(), 60)});

  EXPECT_EQ(state->recentRuns(kLevel, kPupil), c.runsInWindow);
  EXPECT_EQ(state->recentPoints(kLevel, kPupil), 5 * c.runsInWindow);
  EXPECT_EQ(state->overWindowRuns(kLevel, kPupil), c.runsInWindow);
  EXPECT_EQ(state->overWindowPoints(kLevel, kPupil), 5 * c.runsInWindow);
  EXPECT_EQ(state->totalRuns(kLevel, kPupil), 4);
  EXPECT_EQ(state->totalPoints(kLevel, kPupil), 20);
}

INSTANTIATE_TEST_SUITE_P(
    EdgesOfADay, RecountWindow,
    ::testing::Values(WindowCase{"NoDaysAtMidnight", 0, QTime(0, 0), 0},
                      WindowCase{"NoDaysLastSecond", 0, QTime(23, 59, 59), 0},
                      WindowCase{"OneDayAtMidnight", 1, QTime(0, 0), 1},
                      WindowCase{"OneDayLastSecond", 1, QTime(23, 59, 59), 1},
                      WindowCase{"SevenDaysAtMidnight", 7, QTime(0, 0), 3},
                      WindowCase{"SevenDaysLastSecond", 7, QTime(23, 59, 59), 3}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Recount, WindowsFollowEachLevelsOwnCriteria) {
  state->judgeDays[kLevel] = 1;
  state->overPracticeDays[kLevel] = 7;
  state->judgeDays[5] = 7;
  state->overPracticeDays[5] = 0;
  recount({run(today() - 2, 60), run(today(), 60), run(today() - 2, 60, 5), run(today(), 60, 5)});

  EXPECT_EQ(state->recentRuns(kLevel, kPupil), 1);
  EXPECT_EQ(state->overWindowRuns(kLevel, kPupil), 2);
  EXPECT_EQ(state->recentRuns(5, kPupil), 2);
  EXPECT_EQ(state->overWindowRuns(5, kPupil), 0);
}

TEST_F(Recount, TodayCountsEachPupilAndLevelApart) {
  recount({run(today(), 30), run(today(), 60), run(today() - 1, 60), run(today(), 99999),
           run(today(), 60, 5), run(today(), 0, kLevel, 13)});

  EXPECT_EQ(state->todayRuns(kLevel, kPupil), 2.0f);
  EXPECT_EQ(state->todayPoints(kLevel, kPupil), 11 + 5);
  EXPECT_EQ(state->totalRuns(kLevel, kPupil), 3);
  EXPECT_EQ(state->todayRuns(5, kPupil), 1.0f);
  EXPECT_EQ(state->todayRuns(kLevel, 13), 1.0f);
  EXPECT_EQ(state->todayPoints(kLevel, 13), 55);
}

TEST_F(Recount, StartsFromNothingEveryTime) {
  recount({run(today(), 60), run(today(), 60, 5)});
  ASSERT_EQ(state->totalRuns(kLevel, kPupil), 1);

  recount({run(today(), 60, kLevel, 13)});
  for (int level : {kLevel, 5}) {
    SCOPED_TRACE(level);
    EXPECT_EQ(state->totalRuns(level, kPupil), 0);
    EXPECT_EQ(state->totalPoints(level, kPupil), 0);
    EXPECT_EQ(state->recentRuns(level, kPupil), 0);
    EXPECT_EQ(state->recentPoints(level, kPupil), 0);
    EXPECT_EQ(state->overWindowRuns(level, kPupil), 0);
    EXPECT_EQ(state->overWindowPoints(level, kPupil), 0);
    EXPECT_EQ(state->todayRuns(level, kPupil), 0.0f);
    EXPECT_EQ(state->todayPoints(level, kPupil), 0);
  }
  EXPECT_EQ(state->totalRuns(kLevel, 13), 1);
}

TEST_F(Recount, CountsOnlyTheNewest20000Records) {
  // The oldest record is the only one of pupil 7; it falls outside what is held.
  std::vector<ResultRecord> records{run(today(), 60, kLevel, 7)};
  for (int i = 0; i < kMaxResults; ++i) records.push_back(run(today() - i % 10, 45 + i % 50));
  recount(records);

  EXPECT_EQ(state->resultCount, kMaxResults);
  EXPECT_EQ(state->totalRuns(kLevel, 7), 0);
  EXPECT_EQ(state->totalRuns(kLevel, kPupil), kMaxResults);
  EXPECT_EQ(state->todayRuns(kLevel, kPupil), float(kMaxResults / 10));
  EXPECT_EQ(state->personalBest(kLevel, kPupil), 45);
}

}  // namespace
