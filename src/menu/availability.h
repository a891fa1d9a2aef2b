#pragma once

#include <vector>

struct AppState;

// Which levels a pupil may start. A level practised too much within its over-practice window is
// barred until the pupil reaches the goal of the last level; the last level is never barred.
struct LevelAvailability {
  bool finalQuotaMet = false;
  std::vector<bool> banned;  // by level, 0..levelCount; index 0 is no level

  bool enabled(int level) const { return !banned.at(level); }
};

// True when the pupil's recent runs and points on the target level reach its goal.
bool finalQuotaReached(const AppState& state, int pupil);

LevelAvailability levelAvailability(const AppState& state, int pupil);
