#pragma once

#include <QCollatorSortKey>
#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

struct AppState;
class Clock;
class Pause;

// The four ways the name list shows a pupil's counters.
enum class DisplayMode { RunsTodayAndEver = 0, PointsTodayAndEver = 1, TodayPointsAndRuns = 2, EverPointsAndRuns = 3 };
constexpr int kDisplayModeCount = 4;
QString displayModeCaption(int mode);

inline const QString kDashesLine = QStringLiteral("－－－－－－");
inline const QString kAllGrades = QStringLiteral("全学年");

// The grade filter's entries, in the order offered.
QStringList gradeFilterEntries();
// The grades a filter entry shows; a text that is no entry shows everybody.
struct GradeRange {
  int low;
  int high;
  bool admits(int grade) const { return grade >= low && grade <= high; }
};
GradeRange gradeFilterRange(const QString& filter);
inline bool gradeFilterAdmits(const QString& filter, int grade) { return gradeFilterRange(filter).admits(grade); }

// A pupil's counters summed over all levels.
struct PupilCounters {
  float runsToday = 0;
  int pointsToday = 0;
  int runsEver = 0;
  int pointsEver = 0;
};
// Every pupil's counters, indexed by pupil number.
std::vector<PupilCounters> allPupilCounters(const AppState& state);

// Each counter's text has one width in a font where a full-width character takes two columns; 0 shows
// as blanks. A number wider than its column is shown whole rather than cut.
QString runsTodayText(int runs);
QString pointsTodayText(int points);
QString runsEverText(int runs);
QString pointsEverText(int points);
// "A/B" as the display mode chooses them.
QString counterPairText(int mode, const PupilCounters& counters);

// The visible part of a pupil's line: grade label, a space, the name padded with full-width spaces,
// then the counters.
QString pupilLineText(int grade, const QString& name, const QString& counters);

// The name list: line 0 the dashes line, then one line per listed pupil admitted by the filter,
// by birth year (older first), then by the rest of the line in Japanese collation.
struct RosterListing {
  QStringList lines;
  std::vector<int> pupilNo;  // the pupil of each line; 0 for the dashes line
  QString problem;           // for the user when the roster could not be read whole

  int pupilAt(int line) const {
    return line >= 0 && line < int(pupilNo.size()) ? pupilNo[std::size_t(line)] : 0;
  }
};

// The collation keys of the last listing's lines. The name screen lists the roster as it opens and
// again as it is shown, and working out the keys of thousands of names was most of that work; a
// line that is the same text again has the same key.
using RosterSortKeys = QHash<QString, QCollatorSortKey>;

// Works out the school year, recounts the tallies, reads the roster and builds the list. With
// `keptKeys`, keys of lines seen last time are taken from it, and it is left with this listing's.
RosterListing buildRosterListing(AppState& state, const Clock& clock, Pause& pause, int mode,
                                 const QString& gradeFilter, RosterSortKeys* keptKeys = nullptr);
