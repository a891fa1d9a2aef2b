#include "menu/chart_window.h"

#include "platform/clock.h"

std::vector<ResultRecord> chartWindow(const std::vector<ResultRecord>& newest, int levelCount,
                                      double now, int days) {
  std::vector<ResultRecord> window;
  window.reserve(newest.size());
  for (const ResultRecord& record : newest)
    if (record.level >= 1 && record.level <= levelCount && record.date > now - days)
      window.push_back(record);
  return window;
}

QString recordDateText(double dateNumber) {
  return dateOfNumber(dateNumber).toString(QStringLiteral("yyyy/MM/dd"));
}

QString secondsText(int seconds) { return QString::number(seconds) + QStringLiteral("秒"); }
