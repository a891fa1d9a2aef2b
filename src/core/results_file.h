#pragma once

#include <QString>
#include <vector>

#include "core/record_outbox.h"
#include "core/result_record.h"

struct AppState;
class Clock;
class Pause;

inline const QString kResultsFileName = QStringLiteral("成績累積データ.dat");
// The copy a record deletion keeps of the whole file until the file has been rewritten.
inline const QString kResultsCopyFileName = QStringLiteral("成績累積データtemp.dat");

QString resultsPath(const AppState& state);
QString resultsCopyPath(const AppState& state);

// The outbox of runs this computer keeps while the results file cannot take them: in the state's
// outboxFolder, named after the results file it belongs to, so that two installations used from one
// computer keep theirs apart. None when the state has no outbox folder.
QString resultsOutboxPath(const AppState& state);
// The outbox on this computer of a shared file of the program data folder; none without an outbox
// folder.
QString outboxPathFor(const AppState& state, const QString& targetPath, const QString& fileName);
RecordOutbox resultsOutbox(const AppState& state);
inline const QString kKeptHereText = QStringLiteral(
    "この記録はこのコンピュータに保存しました。共有フォルダが使えるようになると書き込まれます。");

// What a recording tells the pupil: empty when the run went onto the share as it should.
struct RecordingReport {
  bool keptHere = false;
  QString message;
  ResultRecord record;  // as written to the share or kept here
};

// Moves the runs this computer keeps onto the results file, in their order, and then their answers
// onto the answer log. Returns what must be
// told (damaged records of the outbox, a failure of this computer's own disk), empty otherwise; a
// share that still cannot take them is no news, as they simply go on waiting.
QString deliverWaitingResults(const AppState& state);
// How many runs wait on this computer; costs one look at the outbox's size.
qint64 waitingResultsCount(const AppState& state);

// Said at start-up when this computer cannot write the results file, so that nobody drills a run
// believing it goes onto the share; empty when it can.
QString resultsWriteNotice(const AppState& state);

// A deletion that died half-way leaves its copy behind. Restoring it blindly could bring back the
// deleted record or drop records appended since, so the copy stays until a teacher has looked: this
// is the message that tells them, or empty when there is no copy.
QString leftoverCopyNotice(const AppState& state);

// Appends one record of the run in the shared state (today, now, currentPupilNo, currentLevel,
// runTime, schoolCode) while holding the whole-file write lock, after the runs waiting on this
// computer. When the file cannot take it for any reason but the lock, the record is kept in the
// outbox and the report says so; without an outbox, or when the outbox fails too, it is a FileError.
RecordingReport appendResult(AppState& state, const Clock& clock);

// The one way a run is recorded: sets clearedBefore from the tallies as they stood before the run,
// the newRecord flags and the bests in memory, and appends the record, then the run's answers to the
// answer log (a log that cannot be written stops nothing and changes nothing of the report).
RecordingReport recordRun(AppState& state, const Clock& clock, int level);

// Reads the newest 20000 records into the result slots and works out personalBest and levelBest;
// the runs waiting on this computer count as the newest. A missing file is waited for (5 s, four
// tries) and a file held by another computer's writer is retried every second; other failures give
// the diagnostic message. A file this computer may only read is read. Records whose level lies
// outside 0..35 or whose pupil number lies outside 0..5000 are skipped and left in the file.
void loadResults(AppState& state, Pause& pause);

enum class WaitingRuns { Included, Left };
// The newest records of the results file, at most `newest` of them, in file order, read in one go
// under a shared lock (retried every second while another computer appends); with Included, the
// runs waiting on this computer follow as the newest. A missing file is created empty and gives no
// records; any other failure is a FileError.
std::vector<ResultRecord> readNewestResults(const AppState& state, Pause& pause, int newest,
                                            WaitingRuns waiting = WaitingRuns::Included);
