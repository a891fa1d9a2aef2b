#include "core/tallies.h"

#include <algorithm>
#include <cmath>

#include "core/app_state.h"
#include "core/results_file.h"
#include "platform/clock.h"

namespace {
// Records of 6000 seconds or more (time-outs, cut-off runs) earn points but are not runs.
constexpr int kCountedBelow = 6000;
// Keeps a mistyped point factor from overflowing the sums of 20000 records.
constexpr float kMostPointsPerRun = 100000;
}  // namespace

int basePoints(int passTime, int runTime) {
  if (isTimeless(runTime)) return 0;
  // Without a pass time every run is at least ten times it: nothing to score.
  if (passTime <= 0) return 0;
  const double T = passTime;
  // A negative time can only come from a damaged record; it scores no better than an instant run.
  const double t = std::max(runTime, 0);
  if (t <= T) {
    const double share = (T - t) / T;
    return int(std::floor(share * share * share * 50 + 5));
  }
  if (t < 2 * T) return 4;
  if (t < 10 * T) return 1;
  return 0;
}

int runPoints(const AppState& state, int level, int runTime) {
  // In single precision, as the factor is kept: 1.4f x 5 must give 7, not 6.9999...
  const float points = state.pointFactor[level] * float(basePoints(state.passTime[level], runTime));
  if (std::isnan(points)) return 0;
  return int(std::floor(std::clamp(points, -kMostPointsPerRun, kMostPointsPerRun)));
}

bool clearConditionMet(const AppState& state, int level, int pupil) {
  return state.recentPoints(level, pupil) >= state.clearPoints[level] &&
         state.recentRuns(level, pupil) >= state.clearCount[level];
}

bool overPracticeLimitReached(const AppState& state, int level, int pupil) {
  const double runLimit = state.overPracticeCount[level];
  const double pointLimit = state.overPracticePoints[level];
  return (runLimit != 0 && state.overWindowRuns(level, pupil) >= runLimit) ||
         (pointLimit != 0 && state.overWindowPoints(level, pupil) >= pointLimit);
}

int todayRunsSum(const AppState& state, int pupil) {
  float sum = 0;
  for (int level = 1; level <= kMaxLevel; ++level) sum += state.todayRuns(level, pupil);
  return int(std::lround(sum));
}

void recountTallies(AppState& state, const Clock& clock, Pause& pause) {
  state.totalRuns.fill(0);
  state.recentRuns.fill(0);
  state.overWindowRuns.fill(0);
  state.totalPoints.fill(0);
  state.recentPoints.fill(0);
  state.overWindowPoints.fill(0);
  state.todayPoints.fill(0);
  state.todayRuns.fill(0);

  loadResults(state, pause);

  const double today = clock.dateNumber();
  const double now = today + clock.timeOfDay();
  // A run lies within a window of d days when it is dated later than now minus d days: today and
  // the d - 1 days before it for a whole d, nothing for 0.
  PerLevel<double> judgeFrom{}, overPracticeFrom{};
  for (int l = 1; l <= kMaxLevel; ++l) {
    judgeFrom[l] = now - state.judgeDays[l];
    overPracticeFrom[l] = now - state.overPracticeDays[l];
  }

  for (int k = 1; k <= state.resultCount; ++k) {
    const int l = state.resultLevel[k];
    if (l < 1 || l > kMaxLevel) continue;
    const int p = state.resultPupilNo[k];
    const int t = state.resultRunTime[k];
    const double D = state.resultDate[k];
    const bool counted = t < kCountedBelow;
    const int points = runPoints(state, l, t);
    if (counted) ++state.totalRuns(l, p);
    if (D > judgeFrom[l]) {
      if (counted) ++state.recentRuns(l, p);
      state.recentPoints(l, p) += points;
    }
    if (D > overPracticeFrom[l]) {
      if (counted) ++state.overWindowRuns(l, p);
      state.overWindowPoints(l, p) += points;
    }
    state.totalPoints(l, p) += points;
    if (D == today) {
      if (counted) state.todayRuns(l, p) += 1;
      state.todayPoints(l, p) += points;
    }
  }
}
