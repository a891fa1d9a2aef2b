#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

struct AppState;

inline const QString kBadCorrectionText = QStringLiteral("生徒番号とタイムを正しく入力して下さい");

// The record the edit panel opened: its number and its 44 bytes as they were listed. An action
// goes ahead only while the file still holds exactly these bytes under that number, so a record
// that another computer changed or moved meanwhile is never overwritten or deleted by mistake.
struct OpenedRecord {
  int recordNo = 0;
  QByteArray bytes;
};

struct Correction {
  int pupilNo = 0;
  int runTime = 0;
};

// The pupil is the number before the first "/" of the pupil text (1..5000); the time a number of
// seconds rounded to a whole one, halves to the even neighbour (0..99999). Full-width digits count.
// Anything else gives nothing, and nothing may be written.
std::optional<Correction> parseCorrection(const QString& pupilText, const QString& timeText);

enum class EditResult {
  Done,
  RecordChanged,  // the file no longer holds the opened record under its number
  CopyLeftOver,   // an earlier deletion left its copy; see leftoverCopyNotice()
};

// Writes the pupil number (bytes 16-17) and the run time (bytes 20-23) into the opened record,
// holding the results file's write lock throughout; every other byte stays as it was.
EditResult correctRecord(const AppState& state, const OpenedRecord& opened, const Correction& correction);

// The moments of a deletion, in order, for tests that stop it half-way.
enum class DeletionStep { Locked, CopyWritten, CopyFlushed, Rewritten, Truncated, Flushed, CopyRemoved };
using DeletionObserver = std::function<void(DeletionStep)>;

// Removes the opened record; the records behind it move up by one. The results file's write lock is
// held from start to end, so an append from another computer waits and lands after the rebuild.
// Every record is on disk at every moment: the whole file is copied to the copy file and flushed,
// then the file is rewritten in place (never replaced by another file, which a waiting writer would
// still hold open), cut, flushed, and only then is the copy removed. While a copy from an earlier
// deletion is left over, nothing is done.
EditResult deleteRecord(const AppState& state, const OpenedRecord& opened,
                        const DeletionObserver& afterStep = {});
