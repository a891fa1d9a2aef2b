#include "menu/chart_window.h"

#include "platform/clock.h"

std::vector<ResultRecord> chartWindow(std::vector<ResultRecord> newest, int levelCount, double now,
                                      int days) {
  // Filtered in place: the records carry texts, and a copy of twenty thousand costs more than the
  // chart itself.
  std::erase_if(newest, [&](const ResultRecord& record) {
    return record.level < 1 || record.level > levelCount || record.date <= now - days;
  });
  return newest;
}

QString recordDateText(double dateNumber) {
  return dateOfNumber(dateNumber).toString(QStringLiteral("yyyy/MM/dd"));
}

QString secondsText(int seconds) { return QString::number(seconds) + QStringLiteral("秒"); }
