#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <vector>

#include "core/result_record.h"

struct AppState;

// The lines of the student menu's results views, built from the records and the roster, one list
// of lines per level column. The screen only puts them into its level lists.

// The text right-aligned in width characters: blanks in front, then only its last width characters.
QString rightAlignedText(const QString& text, int width);
// A name cut or padded with full-width blanks to five characters, for the record lists (blanks at
// both ends dropped) and for the rankings (trailing blanks dropped).
QString recordName5(const QString& name);
QString rankingName5(const QString& name);
// "  85秒": a run time and 秒 right-aligned in five characters.
QString time5(int runTime);
// "09:05": the time of day of a record.
QString hhmm(double timeOfDay);
// "06/15": the month and day of a record's date number.
QString mmdd(double dateNumber);
// The points a record carries in its third text field.
double recordPoints(const ResultRecord& record);

// Who the lines are about: the chosen pupil is marked "●", every other pupil by grade, and only the
// pupils whose grade passes the grade filter are listed.
class ReportAudience {
 public:
  ReportAudience(const AppState& state, QString filterText);

  int grade(int pupil) const;
  QString mark(int pupil) const;
  bool shown(int pupil) const;
  // The pupil's name from the roster.
  const QString& name(int pupil) const;
  int chosenPupil() const;
  // The grade filter the audience was made with.
  const QString& filterText() const { return filterText_; }
  // The mark and the ranking's five-character name, as a ranking line shows the pupil; worked out
  // once per pupil for as long as the audience lives, since a view ranks every pupil at every level.
  const QString& rankingWho(int pupil) const;
  // The same worked out elsewhere for the same mark and name; and what has been worked out so far.
  void adoptRankingWho(int pupil, const QString& who) const;
  const QString* knownRankingWho(int pupil) const;

 private:
  const AppState& state_;
  QString filterText_;
  mutable std::vector<QString> rankingWho_;
};

// Lines by level, index 0..levelCount; index 0 is no level and stays empty.
using LevelLines = std::vector<QStringList>;

// The runs recorded on today's date, in file order, in the columns of their levels.
LevelLines todayLines(const std::vector<ResultRecord>& records, const ReportAudience& audience,
                      int levelCount, double today);

// How many days back the all-results view reaches for a period 1..5 (this week, since last week,
// one month, one year, all): a week starts on Monday.
int periodDays(int period, const QDate& today);

// The runs dated later than `since` (now minus the period's days), in file order. The times view
// leads with the time, the points view with the points.
LevelLines allResultsLines(const std::vector<ResultRecord>& records, const ReportAudience& audience,
                           int levelCount, double since, int displayMode);
