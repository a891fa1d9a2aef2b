#pragma once

struct AppState;
class Clock;
class Pause;

// The points one record earns at a level: a cubic curve against the level's pass time for runs
// within it, 4, 1 or 0 beyond it, 0 for a timed-out run, times the level's point factor. The tallies
// and the outcome screen score by this one rule, so the points a pupil is told are the points the
// menu counts. A pass time of 0 or less (a typo in the criteria) scores the run as one exactly at the
// pass time.
int runPoints(const AppState& state, int level, int runTime);
// The base of runPoints, before the point factor.
int basePoints(int passTime, int runTime);

// The level's clear condition on the pupil's recounted tallies: enough runs and enough points within
// the level's judging window.
bool clearConditionMet(const AppState& state, int level, int pupil);
// True when the pupil's runs or points within the level's over-practice window have reached one of
// the level's limits; a limit of 0 is no limit.
bool overPracticeLimitReached(const AppState& state, int level, int pupil);

// The pupil's counted runs today over every level, as a whole number.
int todayRunsSum(const AppState& state, int pupil);

// The one way the tallies are refreshed: reloads the results file and recounts all eight tables.
void recountTallies(AppState& state, const Clock& clock, Pause& pause);
