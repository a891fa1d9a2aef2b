#pragma once

#include <QList>
#include <QString>
#include <QStringList>

struct AppState;

inline const QString kCriteriaFileName = QStringLiteral("タイム回数データ.txt");
constexpr int kCriteriaFields = 12;  // fields of every line of the table

// The nine column headings of the criteria file, in column order.
const QStringList& criteriaHeadings();

// The table in the program data folder, found whatever the case of its name; a save writes there too.
QString criteriaPath(const AppState& state);

// Reads the heading line into index 0 and line k + 1 into level k, line by line: a line with fewer
// than twelve fields (a spreadsheet leaves off empty cells at a row's end) gets the rest empty, 0 for
// a number; fields past the twelfth are ignored. Levels the file does not reach keep their values;
// lines past level 35 are ignored. A missing or unreadable file is a FileError.
void loadCriteria(AppState& state);

// The fields of every line as text, twelve a line as loadCriteria() reads them, the heading line
// first; what the editor's grid shows. A missing or unreadable file is a FileError.
QList<QStringList> readCriteriaRows(const QString& path);

// Writes the heading row and one row per level, twelve cells a row, as the editor's grid holds them:
// cells joined by commas, no quoting, no trimming. The table is written to a temporary file in the
// same folder and renamed over the old one only when complete, so a failure half-way (a full disk, a
// dropped network share) leaves the old table whole. A failure is a FileError giving the reason.
void writeCriteria(const QString& path, const QList<QStringList>& rows);
