#pragma once

#include <QString>

struct AppState;
class Clock;
class Pause;

inline const QString kResultsFileName = QStringLiteral("成績累積データ.dat");

QString resultsPath(const AppState& state);

// Appends one record of the run in the shared state (today, now, currentPupilNo, currentLevel,
// runTime, schoolCode) while holding the whole-file write lock. Any failure is a FileError.
void appendResult(AppState& state, const Clock& clock);

// The one way a run is recorded: sets clearedBefore from the tallies as they stood before the run,
// the newRecord flags and the bests in memory, and appends the record.
void recordRun(AppState& state, const Clock& clock, int level);

// Reads the newest 20000 records into the result slots and works out personalBest and levelBest.
// A missing file is waited for (5 s, four tries) and a file held by another computer's writer is
// retried every second; other failures give the diagnostic message. Records whose level lies
// outside 0..35 or whose pupil number lies outside 0..5000 are skipped and left in the file.
void loadResults(AppState& state, Pause& pause);
