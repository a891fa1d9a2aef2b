#include "menu/report_lines.h"

#include <cmath>

#include "core/app_state.h"
#include "core/value.h"
#include "menu/report_helpers.h"
#include "platform/clock.h"
#include "platform/field_reader.h"

namespace {
const QString kChosenMark = QStringLiteral("●");
const QString kFailedRun = QStringLiteral("　　× ");
// A recorded time from here on is a run that did not finish.
constexpr int kUnfinishedFrom = 90000;

QString name5(const QString& name, const QString& padding) { return (name + padding).left(5); }

QString trimmedEnd(const QString& text) {
  qsizetype end = text.size();
  while (end > 0 && text.at(end - 1).isSpace()) --end;
  return text.left(end);
}

// The record's pupil and level, when the record belongs in a column and to a pupil of the tables.
bool belongsInAColumn(const ResultRecord& record, int levelCount) {
  return record.level >= 1 && record.level <= levelCount && record.pupilNo >= 1 && record.pupilNo <= kMaxPupil;
}

QString markedName(const ReportAudience& audience, int pupil) {
  const QString mark = audience.mark(pupil);
  return mark + recordName5(audience.name(pupil)) + mark;
}
}  // namespace

QString rightAlignedText(const QString& text, int width) {
  return (QString(width, u' ') + text).right(width);
}

QString recordName5(const QString& name) { return name5(name.trimmed(), QStringLiteral("　　　　")); }

QString rankingName5(const QString& name) { return name5(trimmedEnd(name), QStringLiteral("　　　　　　")); }

QString time5(int runTime) { return rightAlignedText(QString::number(runTime) + QStringLiteral("秒"), 5); }

QString hhmm(double timeOfDay) {
  const qint64 seconds = std::llround(timeOfDay * 86400);
  const qint64 minutes = seconds / 60;
  return QStringLiteral("%1:%2")
      .arg((minutes / 60) % 24, 2, 10, QLatin1Char('0'))
      .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QString mmdd(double dateNumber) { return dateOfNumber(dateNumber).toString(QStringLiteral("MM/dd")); }

double recordPoints(const ResultRecord& record) {
  return leadingNumber(QString::fromLatin1(record.text3));
}

ReportAudience::ReportAudience(const AppState& state, QString filterText)
    : state_(state), filterText_(std::move(filterText)) {}

int ReportAudience::grade(int pupil) const { return state_.schoolYear - state_.pupilBirthYear[pupil] - 6; }

QString ReportAudience::mark(int pupil) const {
  return pupil == state_.currentPupilNo ? kChosenMark : gradeMark(grade(pupil));
}

bool ReportAudience::shown(int pupil) const { return gradeShown(filterText_, grade(pupil)); }

const QString& ReportAudience::name(int pupil) const { return state_.pupilName[pupil]; }

int ReportAudience::chosenPupil() const { return state_.currentPupilNo; }

const QString& ReportAudience::rankingWho(int pupil) const {
  if (pupil < 0) pupil = 0;
  if (std::size_t(pupil) >= rankingWho_.size()) rankingWho_.resize(std::size_t(pupil) + 1);
  QString& who = rankingWho_[std::size_t(pupil)];
  if (who.isNull()) who = mark(pupil) + rankingName5(name(pupil));
  return who;
}

void ReportAudience::adoptRankingWho(int pupil, const QString& who) const {
  if (pupil < 0) return;
  if (std::size_t(pupil) >= rankingWho_.size()) rankingWho_.resize(std::size_t(pupil) + 1);
  rankingWho_[std::size_t(pupil)] = who;
}

const QString* ReportAudience::knownRankingWho(int pupil) const {
  if (pupil < 0 || std::size_t(pupil) >= rankingWho_.size() || rankingWho_[std::size_t(pupil)].isNull())
    return nullptr;
  return &rankingWho_[std::size_t(pupil)];
}

LevelLines todayLines(const std::vector<ResultRecord>& records, const ReportAudience& audience,
                      int levelCount, double today) {
  LevelLines lines(std::size_t(std::max(levelCount, 0) + 1));
  for (const ResultRecord& record : records) {
    if (!belongsInAColumn(record, levelCount)) continue;
    if (record.date != today || !audience.shown(record.pupilNo)) continue;
    QStringList& list = lines[std::size_t(record.level)];
    if (record.runTime >= kUnfinishedFrom)
      list.append(kFailedRun + hhmm(record.timeOfDay) + markedName(audience, record.pupilNo));
    else
      list.append(time5(record.runTime) + u' ' + hhmm(record.timeOfDay) +
                  markedName(audience, record.pupilNo) + shortestDecimal(recordPoints(record)));
  }
  return lines;
}

int periodDays(int period, const QDate& today) {
  const int weekday = today.dayOfWeek() % 7 + 1;  // Sunday 1 .. Saturday 7
  const bool sunday = weekday == 1;
  switch (period) {
    case 1:
      return sunday ? 7 : weekday - 1;
    case 2:
      return sunday ? 14 : weekday - 1 + 7;
    case 3:
      return 30;
    case 4:
      return 365;
    default:
      return 3650;
  }
}

LevelLines allResultsLines(const std::vector<ResultRecord>& records, const ReportAudience& audience,
                           int levelCount, double since, int displayMode) {
  LevelLines lines(std::size_t(std::max(levelCount, 0) + 1));
  for (const ResultRecord& record : records) {
    if (!belongsInAColumn(record, levelCount)) continue;
    if (!(record.date > since) || !audience.shown(record.pupilNo)) continue;
    QStringList& list = lines[std::size_t(record.level)];
    const QString who = markedName(audience, record.pupilNo);
    const QString date = u' ' + mmdd(record.date);
    const QString points = shortestDecimal(recordPoints(record));
    if (record.runTime >= kUnfinishedFrom)
      list.append(kFailedRun + mmdd(record.date) + who);
    else if (displayMode == 2)
      list.append(rightAlignedText(points, 5) + date + who + QString::number(record.runTime) + QStringLiteral("秒"));
    else
      list.append(time5(record.runTime) + date + who + points);
  }
  return lines;
}
