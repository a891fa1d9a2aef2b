#include "core/tallies.h"

#include <QString>
#include <cmath>

#include "core/app_state.h"
#include "core/results_file.h"
#include "platform/clock.h"

int basePoints(int passTime, int runTime) {
  const double T = passTime;
  const int t = runTime;
  int base;
  if (passTime <= 0) {
    base = 5;
  } else if (t <= passTime) {
    // Only the first three digits count, as the record format always did for long pass times.
    const double u = QString::number(t).left(3).toInt();
    const double share = (T - u) / T;
    base = int(std::floor(share * share * share * 50 + 5));
  } else if (t < 2 * T) {
    base = 4;
  } else if (t < 10 * T) {
    base = 1;
  } else {
    base = 0;
  }
  if (t > 99997) base = 0;
  return base;
}

int runPoints(const AppState& state, int level, int runTime) {
  return int(std::floor(double(state.pointFactor[level]) * basePoints(state.passTime[level], runTime)));
}

namespace {
bool withinWindow(double runDate, double now, double days) { return runDate > now - days; }
}  // namespace

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
  for (int k = 1; k <= state.resultCount; ++k) {
    const int l = state.resultLevel[k];
    if (l < 1 || l > kMaxLevel) continue;
    const int p = state.resultPupilNo[k];
    const int t = state.resultRunTime[k];
    const double D = state.resultDate[k];
    const bool counted = t < 6000;
    const int points = runPoints(state, l, t);
    if (counted) ++state.totalRuns(l, p);
    if (withinWindow(D, now, state.judgeDays[l])) {
      if (counted) ++state.recentRuns(l, p);
      state.recentPoints(l, p) += points;
    }
    if (withinWindow(D, now, state.overPracticeDays[l])) {
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
