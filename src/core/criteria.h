#pragma once

#include <QList>
#include <QString>
#include <QStringList>

struct AppState;

inline const QString kCriteriaFileName = QStringLiteral("タイム回数データ.txt");

// The nine column headings of the criteria file, in column order.
const QStringList& criteriaHeadings();

QString criteriaPath(const AppState& state);

// Reads the heading line into index 0 and line k + 1 into level k. Levels the file does not reach
// keep their values; lines past level 35 are ignored. A missing file or a short last line is a
// FileError.
void loadCriteria(AppState& state);

// Writes the heading row and one row per level, twelve cells a row, as the editor's grid holds them:
// cells joined by commas, no quoting, no trimming.
void writeCriteria(const QString& path, const QList<QStringList>& rows);
