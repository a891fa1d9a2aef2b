#pragma once

#include <QList>
#include <QString>
#include <QStringList>

struct AppState;

inline const QString kCriteriaFileName = QStringLiteral("タイム回数データ.txt");
constexpr int kCriteriaFields = 12;  // fields of every line of the table

// The nine column headings of the criteria file, in column order.
const QStringList& criteriaHeadings();

QString criteriaPath(const AppState& state);

// Reads the heading line into index 0 and line k + 1 into level k. Levels the file does not reach
// keep their values; lines past level 35 are ignored. A missing file or a short last line is a
// FileError.
void loadCriteria(AppState& state);

// The fields of every line as text, twelve a line, the heading line first; what the editor's grid
// shows. A missing file or a short last line is a FileError.
QList<QStringList> readCriteriaRows(const QString& path);

// Writes the heading row and one row per level, twelve cells a row, as the editor's grid holds them:
// cells joined by commas, no quoting, no trimming. The table is written to a temporary file in the
// same folder and renamed over the old one only when complete, so a failure half-way (a full disk, a
// dropped network share) leaves the old table whole. A failure is a FileError giving the reason.
void writeCriteria(const QString& path, const QList<QStringList>& rows);
