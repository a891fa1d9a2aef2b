#pragma once

#include <QString>
#include <vector>

#include "core/result_record.h"

// The runs the personal time view and the progress charts look at: the newest records of the
// results file whose level has a column on the menu and whose date lies within the last `days` days
// before now (a date number with its time of day).
constexpr int kChartWindowDays = 3650;
std::vector<ResultRecord> chartWindow(std::vector<ResultRecord> newest, int levelCount, double now,
                                      int days = kChartWindowDays);

// "2026/12/09": the date of a record, four-digit year, two-digit month and day.
QString recordDateText(double dateNumber);
// "85秒".
QString secondsText(int seconds);
