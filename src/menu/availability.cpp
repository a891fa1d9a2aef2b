#include "menu/availability.h"

#include <algorithm>

#include "core/app_state.h"

bool isOverPractised(const AppState& state, int level, int pupil) {
  const double runsLimit = state.overPracticeCount[level];
  const double pointsLimit = state.overPracticePoints[level];
  return (runsLimit != 0 && state.overWindowRuns(level, pupil) >= runsLimit) ||
         (pointsLimit != 0 && state.overWindowPoints(level, pupil) >= pointsLimit);
}

bool finalQuotaReached(const AppState& state, int pupil) {
  const int target = state.quotaLevel.toInt();
  // Without a target level in the tables there is no goal to have reached.
  if (target < 1 || target > kMaxLevel) return false;
  return state.recentPoints(target, pupil) >= state.clearPoints[target] &&
         state.recentRuns(target, pupil) >= state.clearCount[target];
}

LevelAvailability levelAvailability(const AppState& state, int pupil) {
  LevelAvailability result;
  const int count = std::clamp(state.levelCount, 0, kMaxLevel);
  result.banned.assign(count + 1, false);
  result.finalQuotaMet = finalQuotaReached(state, pupil);
  if (result.finalQuotaMet) return result;
  for (int level = 1; level < count; ++level) result.banned[level] = isOverPractised(state, level, pupil);
  return result;
}
