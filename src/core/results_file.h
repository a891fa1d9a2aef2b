#pragma once

#include <QString>
#include <vector>

#include "core/result_record.h"

struct AppState;
class Clock;
class Pause;

inline const QString kResultsFileName = QStringLiteral("成績累積データ.dat");
// The copy a record deletion keeps of the whole file until the file has been rewritten.
inline const QString kResultsCopyFileName = QStringLiteral("成績累積データtemp.dat");

QString resultsPath(const AppState& state);
QString resultsCopyPath(const AppState& state);

// A deletion that died half-way leaves its copy behind. Restoring it blindly could bring back the
// deleted record or drop records appended since, so the copy stays until a teacher has looked: this
// is the message that tells them, or empty when there is no copy.
QString leftoverCopyNotice(const AppState& state);

// Appends one record of the run in the shared state (today, now, currentPupilNo, currentLevel,
// runTime, schoolCode) while holding the whole-file write lock and returns it as written. Any failure
// is a FileError.
ResultRecord appendResult(AppState& state, const Clock& clock);

// The one way a run is recorded: sets clearedBefore from the tallies as they stood before the run,
// the newRecord flags and the bests in memory, and appends the record, then the run's answers to the
// answer log (a log that cannot be written stops nothing).
void recordRun(AppState& state, const Clock& clock, int level);

// Reads the newest 20000 records into the result slots and works out personalBest and levelBest.
// A missing file is waited for (5 s, four tries) and a file held by another computer's writer is
// retried every second; other failures give the diagnostic message. Records whose level lies
// outside 0..35 or whose pupil number lies outside 0..5000 are skipped and left in the file.
void loadResults(AppState& state, Pause& pause);

// The newest records of the results file, at most `newest` of them, in file order, read in one go
// under a shared lock (retried every second while another computer appends). A missing file is
// created empty and gives no records; any other failure is a FileError.
std::vector<ResultRecord> readNewestResults(const AppState& state, Pause& pause, int newest);
