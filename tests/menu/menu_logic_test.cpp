#include <gtest/gtest.h>

#include <algorithm>

#include "core/app_state.h"
#include "core/minutes_since.h"
#include "core/tallies.h"
#include "menu/availability.h"
#include "menu/column_layout.h"
#include "menu/level_cells.h"
#include "menu/start_keys.h"
#include "platform/twips.h"

TEST(ColumnLayout, FourLevelsShareTheWidthAndMoreScroll) {
  const ColumnLayout four = columnLayoutFor(4);
  EXPECT_EQ(four.columnWidth, 14592 / 4);
  EXPECT_FALSE(four.scrolls);
  const ColumnLayout three = columnLayoutFor(3);
  EXPECT_EQ(three.columnWidth, 4864);
  const ColumnLayout all = columnLayoutFor(25);
  EXPECT_EQ(all.columnWidth, 3456);
  EXPECT_TRUE(all.scrolls);
  EXPECT_EQ(all.scrollMaximum, 22);
  EXPECT_EQ(columnLayoutFor(5).scrollMaximum, 2);
}

TEST(ColumnLayout, ColumnsLeftOfTheScrollPositionGoBeyondTheRightEdge) {
  EXPECT_EQ(columnLeft(1, 1, 3456), kColumnsLeft);
  EXPECT_EQ(columnLeft(5, 3, 3456), kColumnsLeft + 2 * 3456);
  EXPECT_EQ(columnLeft(2, 3, 3456), TwipsGeometry::kCanvasWidth);
  // The column just before the position still starts inside the margin and stays where it is.
  EXPECT_EQ(columnLeft(2, 2, 3456), kColumnsLeft);
  EXPECT_TRUE(columnFullyShown(4, 1, 3456));
  EXPECT_FALSE(columnFullyShown(5, 1, 3456));
  EXPECT_FALSE(columnFullyShown(1, 2, 3456));
}

namespace {
// Level 3 with its criteria and the pupil's tallies, the target level 25 with its goal.
struct CellsFixture {
  AppState state;
  static constexpr int kPupil = 7;
  CellsFixture() {
    state.levelCount = 25;
    state.quotaLevel = Value(25);
  }
};
}  // namespace

TEST(LevelCells, GoalText) {
  struct Case {
    int passTime, clearCount, clearPoints;
    float factor;
    const char* expected;
  };
  const Case cases[] = {
      {30, 5, 100, 1.5f, "目標=30秒 5回/100点(×1.5)"},
      {45, 3, 80, 2.0f, "目標=45秒 3回/80点(×2)"},
      {60, 5, 100, 1.1f, "目標=60秒 5回/100点(×1.1)"},
      {30, 5, 9999, 1.5f, "目標=30秒 --------"},
  };
  for (const Case& c : cases) {
    CellsFixture f;
    f.state.passTime[3] = c.passTime;
    f.state.clearCount[3] = c.clearCount;
    f.state.clearPoints[3] = c.clearPoints;
    f.state.pointFactor[3] = c.factor;
    EXPECT_EQ(goalText(f.state, 3), QString::fromUtf8(c.expected));
  }
}

TEST(LevelCells, CountsWithAndWithoutRuns) {
  CellsFixture f;
  const int p = CellsFixture::kPupil;
  EXPECT_EQ(todayCell(f.state, 3, p), u"-----"_qs);
  EXPECT_EQ(allTimeCell(f.state, 3, p), u"------"_qs);

  f.state.judgeDays[3] = 7;
  f.state.recentRuns(3, p) = 3;
  f.state.recentPoints(3, p) = 120;
  f.state.todayRuns(3, p) = 2;
  f.state.todayPoints(3, p) = 16;
  f.state.totalRuns(3, p) = 12;
  f.state.totalPoints(3, p) = 80;
  EXPECT_EQ(recentWindowText(f.state, 3, p), u"最近7日=3回 / 120点"_qs);
  EXPECT_EQ(todayCell(f.state, 3, p), u"2回/16点"_qs);
  EXPECT_EQ(allTimeCell(f.state, 3, p), u"12回/80点"_qs);

  // Points without a counted run (a timed-out run) still show no count.
  f.state.totalRuns(4, p) = 0;
  f.state.totalPoints(4, p) = 3;
  EXPECT_EQ(allTimeCell(f.state, 4, p), u"------"_qs);

  f.state.todayRuns(25, p) = 1;
  f.state.todayRuns(30, p) = 1;  // levels beyond the catalogue still add up
  EXPECT_EQ(todayRunsSum(f.state, p), 4);
  EXPECT_EQ(todayRunsSum(f.state, p + 1), 0);
}

TEST(LevelCells, MinutesSinceTheNameWasChosen) {
  EXPECT_EQ(minutesSinceNameChosen(36000, 36000), 0);
  EXPECT_EQ(minutesSinceNameChosen(36000.4, 36001), 0);  // the chosen second was rounded up
  EXPECT_EQ(minutesSinceNameChosen(36119.9, 36000), 1);
  EXPECT_EQ(minutesSinceNameChosen(36000 + 25 * 60, 36000), 25);
  // Chosen at 23:50, now 00:05: fifteen minutes, not a negative count.
  EXPECT_EQ(minutesSinceNameChosen(5 * 60, 23 * 3600 + 50 * 60), 15);
}

TEST(LevelCells, TimesListColourTakesTheLastDecidingEntry) {
  const QColor green(0, 192, 0), pale(192, 255, 192), grey(192, 192, 192);
  struct Case {
    QStringList entries;
    std::optional<QColor> expected;
  };
  const Case cases[] = {
      {{u"   85秒"_qs}, green},               // within the pass time of 90
      {{u"  100秒"_qs}, pale},                // within the lowest time of 120
      {{u"  130秒"_qs}, grey},
      {{u"   85秒"_qs, u"  130秒"_qs}, grey},  // the last entry decides
      {{u"1 ×  "_qs, u"2 ×  "_qs}, std::nullopt},
      {{u"  100秒"_qs, u"1 ×  "_qs}, pale},  // a failed run is skipped
      {{}, std::nullopt},
  };
  for (const Case& c : cases) {
    const auto colour = timesListColour(c.entries, 90, 120, green, pale);
    EXPECT_EQ(colour, c.expected) << c.entries.join(u'|').toStdString();
  }
}

TEST(Availability, BansOverPractisedLevelsUntilTheFinalGoal) {
  struct Case {
    const char* name;
    int level;
    double runsLimit, pointsLimit;  // 禁回, 禁点
    int windowRuns, windowPoints;
    int targetRecentRuns, targetRecentPoints;  // on the last level, whose goal is 5 runs / 100 points
    bool banned, finalQuotaMet;
  };
  const Case cases[] = {
      {"runs limit reached", 3, 5, 0, 5, 40, 0, 0, true, false},
      {"one run below the runs limit", 3, 5, 0, 4, 40, 0, 0, false, false},
      {"points limit reached below the runs limit", 3, 5, 300, 2, 300, 0, 0, true, false},
      {"points just below the limit", 3, 0, 300, 9, 299, 0, 0, false, false},
      {"no limits", 3, 0, 0, 50, 5000, 0, 0, false, false},
      {"the last level is never barred", 25, 1, 1, 9, 900, 0, 0, false, false},
      {"final goal lifts the ban", 3, 5, 0, 9, 40, 5, 100, false, true},
      {"final goal short of points keeps it", 3, 5, 0, 9, 40, 5, 99, true, false},
      {"final goal short of runs keeps it", 3, 5, 0, 9, 40, 4, 500, true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CellsFixture f;
    const int p = CellsFixture::kPupil;
    f.state.clearCount[25] = 5;
    f.state.clearPoints[25] = 100;
    f.state.overPracticeCount[c.level] = c.runsLimit;
    f.state.overPracticePoints[c.level] = c.pointsLimit;
    f.state.overWindowRuns(c.level, p) = int16_t(c.windowRuns);
    f.state.overWindowPoints(c.level, p) = c.windowPoints;
    f.state.recentRuns(25, p) = int16_t(c.targetRecentRuns);
    f.state.recentPoints(25, p) = c.targetRecentPoints;

    const LevelAvailability a = levelAvailability(f.state, p);
    EXPECT_EQ(a.finalQuotaMet, c.finalQuotaMet);
    ASSERT_EQ(a.banned.size(), 26u);
    for (int level = 1; level <= 25; ++level)
      EXPECT_EQ(a.banned[level], level == c.level && c.banned) << "level " << level;
    // Another pupil's practice bars nothing.
    EXPECT_TRUE(levelAvailability(f.state, p + 1).enabled(c.level));
  }
}

TEST(Availability, NoPointsGoalOnTheLastLevelKeepsTheQuotaUnmet) {
  CellsFixture f;
  const int p = CellsFixture::kPupil;
  f.state.clearCount[25] = 5;
  f.state.clearPoints[25] = 9999;
  f.state.recentRuns(25, p) = 40;
  f.state.recentPoints(25, p) = 9998;
  EXPECT_FALSE(levelAvailability(f.state, p).finalQuotaMet);
  f.state.recentPoints(25, p) = 9999;
  EXPECT_TRUE(levelAvailability(f.state, p).finalQuotaMet);
}

TEST(StartKeys, TypedCharacters) {
  using A = MenuKey::Action;
  struct Case {
    QString typed;
    int levelCount;
    MenuKey expected;
  };
  const Case cases[] = {
      {u"1"_qs, 25, {A::StartLevel, 1}},  {u"9"_qs, 25, {A::StartLevel, 9}},
      {u"a"_qs, 25, {A::StartLevel, 10}}, {u"d"_qs, 25, {A::StartLevel, 13}},
      {u"0"_qs, 25, {A::Back, 0}},        {u"A"_qs, 25, {}},
      {u"D"_qs, 25, {}},                  {u"e"_qs, 25, {}},
      {u"１"_qs, 25, {}},                 {u""_qs, 25, {}},
      {u"12"_qs, 25, {}},                 {u"5"_qs, 4, {}},
      {u"4"_qs, 4, {A::StartLevel, 4}},   {u"a"_qs, 9, {}},
      {u"0"_qs, 4, {A::Back, 0}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(menuKeyFor(c.typed, c.levelCount), c.expected) << c.typed.toStdString() << " of " << c.levelCount;
}

TEST(StartKeys, SharedAcceleratorStartsTheLeftmostEnabledShownLevel) {
  EXPECT_EQ(acceleratorDigit(1), 1);
  EXPECT_EQ(acceleratorDigit(10), 1);
  EXPECT_EQ(acceleratorDigit(19), 1);
  EXPECT_EQ(acceleratorDigit(25), 2);
  EXPECT_EQ(acceleratorDigit(7), 7);

  struct Case {
    const char* name;
    int digit;
    int firstShown;  // four columns shown from here
    std::vector<int> disabled;
    int expected;
  };
  const Case cases[] = {
      {"first columns shown", 1, 1, {}, 1},
      {"level ten shown", 1, 8, {}, 10},
      {"level ten shown but barred", 1, 8, {10}, 11},
      {"none shown: the lowest enabled", 1, 3, {}, 1},
      {"none shown, level one barred", 1, 3, {1}, 10},
      {"every level of the digit barred", 3, 1, {3}, 0},
      {"two and the twenties", 2, 20, {}, 20},
      {"digit without a level", 0, 1, {}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto enabled = [&c](int level) {
      return std::find(c.disabled.begin(), c.disabled.end(), level) == c.disabled.end();
    };
    auto shown = [&c](int level) { return columnFullyShown(level, c.firstShown, kScrolledColumnWidth); };
    EXPECT_EQ(acceleratorLevel(c.digit, 25, enabled, shown), c.expected);
  }
}
