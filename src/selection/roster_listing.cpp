#include "selection/roster_listing.h"

#include <QCollator>
#include <QLocale>
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "core/app_state.h"
#include "core/tallies.h"
#include "platform/clock.h"
#include "selection/roster_file.h"

namespace {
const QString kFullWidthSpace = QStringLiteral("　");

QString rightAligned(int number, int width) { return QString::number(number).rightJustified(width, u' '); }

// A name column ends at 9 characters, 11 for kindergarten lines.
int nameColumnEnd(int grade) { return isKindergartenGrade(grade) ? 11 : 9; }

struct SortItem {
  int birthYear;
  QCollatorSortKey key;
  QString line;
  int pupil;
};
}  // namespace

QString displayModeCaption(int mode) {
  static const std::array<QString, kDisplayModeCount> kCaptions = {
      QStringLiteral("回数(今日／今まで）"), QStringLiteral("ポイント（今日／今まで）"),
      QStringLiteral("本日（ポイント／回数）"), QStringLiteral("今まで（ポイント／回数）")};
  return mode >= 0 && mode < kDisplayModeCount ? kCaptions[std::size_t(mode)] : QString();
}

QStringList gradeFilterEntries() {
  return {kAllGrades,           QStringLiteral("中学生全体"), QStringLiteral("小学生全体"),
          QStringLiteral("中３"), QStringLiteral("中２"),       QStringLiteral("中１"),
          QStringLiteral("小６"), QStringLiteral("小５"),       QStringLiteral("小４"),
          QStringLiteral("小３"), QStringLiteral("小２"),       QStringLiteral("小１")};
}

GradeRange gradeFilterRange(const QString& filter) {
  if (filter == QStringLiteral("小学生全体")) return {1, 6};
  if (filter == QStringLiteral("中学生全体")) return {7, 9};
  // Entries 3.. are the single grades 中３ down to 小１.
  const int index = int(gradeFilterEntries().indexOf(filter));
  if (index >= 3) return {12 - index, 12 - index};
  return {std::numeric_limits<int>::min(), std::numeric_limits<int>::max()};
}

std::vector<PupilCounters> allPupilCounters(const AppState& state) {
  std::vector<PupilCounters> counters(kPupilSlots);
  // Level by level, the order the tables are laid out in.
  for (int level = 1; level <= kMaxLevel; ++level) {
    for (int pupil = 1; pupil <= kMaxPupil; ++pupil) {
      PupilCounters& c = counters[std::size_t(pupil)];
      c.runsToday += state.todayRuns(level, pupil);
      c.pointsToday += state.todayPoints(level, pupil);
      c.runsEver += state.totalRuns(level, pupil);
      c.pointsEver += state.totalPoints(level, pupil);
    }
  }
  return counters;
}

QString runsTodayText(int runs) {
  return runs != 0 ? rightAligned(runs, 3) + QStringLiteral("回") : QStringLiteral("     ");
}

QString pointsTodayText(int points) {
  return points != 0 ? rightAligned(points, 4) : QStringLiteral("  ") + kFullWidthSpace;
}

QString runsEverText(int runs) {
  return runs != 0 ? rightAligned(runs, 5) + QStringLiteral("回") : QStringLiteral("     ") + kFullWidthSpace;
}

QString pointsEverText(int points) {
  return points != 0 ? rightAligned(points, 7) : QStringLiteral("       ");
}

QString counterPairText(int mode, const PupilCounters& c) {
  const int runsToday = int(std::lround(c.runsToday));
  switch (DisplayMode(mode)) {
    case DisplayMode::RunsTodayAndEver:
      return runsTodayText(runsToday) + u'/' + runsEverText(c.runsEver);
    case DisplayMode::PointsTodayAndEver:
      return pointsTodayText(c.pointsToday) + u'/' + pointsEverText(c.pointsEver);
    case DisplayMode::TodayPointsAndRuns:
      return pointsTodayText(c.pointsToday) + u'/' + runsTodayText(runsToday);
    case DisplayMode::EverPointsAndRuns:
      return pointsEverText(c.pointsEver) + u'/' + runsEverText(c.runsEver);
  }
  return {};
}

QString pupilLineText(int grade, const QString& name, const QString& counters) {
  const QString label = gradeListLabel(grade);
  const QString trimmedName = name.trimmed();
  const qsizetype used = trimmedName.size() + 1 + label.size();
  const qsizetype padding = std::max<qsizetype>(0, nameColumnEnd(grade) - used);
  // Put together in one string: the name screen writes a line for every pupil twice as it opens.
  QString line;
  line.reserve(used + padding * kFullWidthSpace.size() + counters.size());
  line.append(label).append(u' ').append(trimmedName);
  for (qsizetype i = 0; i < padding; ++i) line.append(kFullWidthSpace);
  line.append(counters);
  return line;
}

RosterListing buildRosterListing(AppState& state, const Clock& clock, Pause& pause, int mode,
                                 const QString& gradeFilter, RosterSortKeys* keptKeys) {
  state.schoolYear = schoolYearOn(clock.today(), state.schoolYearStartMonth);
  recountTallies(state, clock, pause);

  RosterListing listing;
  listing.problem = loadRoster(state);

  // Same-year names follow the order a Japanese reader expects, not code points.
  QCollator collator{QLocale(QLocale::Japanese, QLocale::Japan)};
  const std::vector<PupilCounters> counters = allPupilCounters(state);
  std::vector<SortItem> items;
  items.reserve(std::size_t(state.rosterCount));
  RosterSortKeys keys;
  if (keptKeys) keys.reserve(state.rosterCount);
  auto sortKeyOf = [&](const QString& text) {
    if (!keptKeys) return collator.sortKey(text);
    const auto kept = keptKeys->constFind(text);
    QCollatorSortKey key = kept != keptKeys->cend() ? *kept : collator.sortKey(text);
    keys.insert(text, key);
    return key;
  };
  for (int k = 1; k <= state.rosterCount; ++k) {
    const RosterEntry& entry = state.roster[k];
    const int grade = gradeNumber(state.schoolYear, entry.birthYear);
    QString line =
        pupilLineText(grade, entry.name, counterPairText(mode, counters[std::size_t(entry.number)]));
    QCollatorSortKey key = sortKeyOf(line + u'*' + QString::number(entry.number));
    items.push_back({entry.birthYear, std::move(key), std::move(line), entry.number});
  }
  std::stable_sort(items.begin(), items.end(), [](const SortItem& a, const SortItem& b) {
    if (a.birthYear != b.birthYear) return a.birthYear < b.birthYear;
    return a.key.compare(b.key) < 0;
  });

  if (keptKeys) *keptKeys = std::move(keys);

  listing.lines.reserve(qsizetype(items.size()) + 1);
  listing.pupilNo.reserve(items.size() + 1);
  listing.lines.append(kDashesLine);
  listing.pupilNo.push_back(0);
  const GradeRange shown = gradeFilterRange(gradeFilter);
  for (SortItem& item : items) {
    if (!shown.admits(gradeNumber(state.schoolYear, item.birthYear))) continue;
    listing.lines.append(std::move(item.line));
    listing.pupilNo.push_back(item.pupil);
  }
  return listing;
}
