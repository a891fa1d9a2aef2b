#pragma once

#include <QDate>
#include <QList>
#include <QString>

#include "core/app_state.h"
#include "core/value.h"

inline const QString kRosterFileName = QStringLiteral("新名簿.txt");
constexpr int kRosterNameWidth = 20;  // the name and the reserved texts are 20-character fields

// The roster in the data root, found whatever the case of its name.
QString rosterPath(const AppState& state);

// One line of the roster file: the pupil's entry (name and reserved texts at their fixed width) and
// the status that says whether the line is listed.
struct RosterLine {
  RosterEntry entry;
  int status = 0;
};
// Reads the eight fields of one line: a field the line lacks is empty (0 for a number), as a
// spreadsheet leaves off empty cells at a row's end; fields past the eighth are ignored.
RosterLine readRosterLine(const QString& line);
// The records of the roster file's text, one a line (LF or CR LF, the last line's end optional);
// blank lines hold none.
QList<RosterLine> readRosterLines(const QString& text);

// The school year a date falls in: the calendar year, or the one before it until the month in which
// the school year begins.
int schoolYearOn(const QDate& date, const Value& startMonth);
int gradeNumber(int schoolYear, int birthYear);
// The grade as the name list shows it, with ASCII digits ("小1", "幼-", "大+").
QString gradeListLabel(int grade);
// The grade as the chosen pupil carries it, with full-width digits ("小１"); empty outside 0..10.
QString gradeStoredLabel(int grade);
// Kindergarten grades get a wider name column in the list.
inline bool isKindergartenGrade(int grade) { return grade <= 0; }

// Reads the roster file into the roster table (listed lines only, in file order) and the per-pupil
// name, birth year and grade, using state.schoolYear for the grades. A line is listed when its status
// is 0, or 2 while the roster setting is 1. A line whose pupil number lies outside the per-pupil tables,
// or that comes after the table is full, is skipped. Returns a message for the user when the file is
// missing or unreadable (its character encoding included); nothing is listed then.
QString loadRoster(AppState& state);
