#include "menu/personal_time_lines.h"

#include <QTime>
#include <cmath>

#include "menu/chart_window.h"
#include "menu/report_lines.h"

namespace {
constexpr int kUnfinished = 90000;  // times from here on mark a run that did not finish

QString timeOfDayText(double fraction) {
  const qint64 seconds = std::llround(fraction * 86400.0);
  return QTime::fromMSecsSinceStartOfDay(int(((seconds % 86400) + 86400) % 86400 * 1000))
      .toString(QStringLiteral("H:mm:ss"));
}
}  // namespace

QString personalTimeLine(const ResultRecord& record) {
  QString line = recordDateText(record.date) + u' ' + timeOfDayText(record.timeOfDay);
  if (record.runTime < kUnfinished) line += time5(record.runTime);
  return line;
}

std::vector<QStringList> personalTimeLines(const std::vector<ResultRecord>& window, int pupil,
                                           bool pupilShown, int levelCount) {
  std::vector<QStringList> lines(std::size_t(std::max(levelCount, 0) + 1));
  if (!pupilShown) return lines;
  for (const ResultRecord& record : window)
    if (record.pupilNo == pupil && record.level >= 1 && record.level <= levelCount)
      lines[std::size_t(record.level)].append(personalTimeLine(record));
  return lines;
}
