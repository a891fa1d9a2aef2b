#include "menu/level_cells.h"

#include <cmath>

#include "core/app_state.h"
#include "core/value.h"
#include "platform/field_reader.h"

namespace {
QString runsAndPoints(const QString& runs, int points) {
  return runs + QStringLiteral("回/") + QString::number(points) + QStringLiteral("点");
}
}  // namespace

QString goalText(const AppState& state, int level) {
  const QString passPart = QStringLiteral("目標=") + QString::number(state.passTime[level]) + QStringLiteral("秒");
  if (state.clearPoints[level] == 9999) return passPart + QStringLiteral(" --------");
  return passPart + u' ' + QString::number(state.clearCount[level]) + QStringLiteral("回/") +
         QString::number(state.clearPoints[level]) + QStringLiteral("点(×") +
         singleText(state.pointFactor[level]) + u')';
}

QString recentWindowText(const AppState& state, int level, int pupil) {
  return QStringLiteral("最近") + shortestDecimal(state.judgeDays[level]) + QStringLiteral("日=") +
         QString::number(state.recentRuns(level, pupil)) + QStringLiteral("回 / ") +
         QString::number(state.recentPoints(level, pupil)) + QStringLiteral("点");
}

QString todayCell(const AppState& state, int level, int pupil) {
  const float runs = state.todayRuns(level, pupil);
  if (runs == 0) return QStringLiteral("-----");
  return runsAndPoints(singleText(runs), state.todayPoints(level, pupil));
}

QString allTimeCell(const AppState& state, int level, int pupil) {
  const int runs = state.totalRuns(level, pupil);
  if (runs == 0) return QStringLiteral("------");
  return runsAndPoints(QString::number(runs), state.totalPoints(level, pupil));
}

std::optional<QColor> timesListColour(const QStringList& entries, int passTime, int lowestTime,
                                      const QColor& withinPass, const QColor& withinLowest) {
  std::optional<QColor> colour;
  for (const QString& entry : entries) {
    if (entry.mid(2, 1) == QStringLiteral("×")) continue;
    // The time stands in characters 2 to 5, right-aligned behind blanks.
    QString timeText = entry.mid(1, 4);
    timeText.remove(u' ');
    const double time = leadingNumber(timeText);
    if (time <= passTime)
      colour = withinPass;
    else if (time <= lowestTime)
      colour = withinLowest;
    else
      colour = QColor(192, 192, 192);
  }
  return colour;
}
