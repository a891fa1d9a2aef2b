#include "menu/availability.h"

#include <algorithm>

#include "core/app_state.h"
#include "core/tallies.h"

bool finalQuotaReached(const AppState& state, int pupil) {
  const int target = state.quotaLevel.toInt();
  // Without a target level in the tables there is no goal to have reached.
  if (target < 1 || target > kMaxLevel) return false;
  return clearConditionMet(state, target, pupil);
}

LevelAvailability levelAvailability(const AppState& state, int pupil) {
  LevelAvailability result;
  const int count = std::clamp(state.levelCount, 0, kMaxLevel);
  result.banned.assign(count + 1, false);
  result.finalQuotaMet = finalQuotaReached(state, pupil);
  if (result.finalQuotaMet) return result;
  for (int level = 1; level < count; ++level) result.banned[level] = overPracticeLimitReached(state, level, pupil);
  return result;
}
