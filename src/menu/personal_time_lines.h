#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "core/result_record.h"

// One line of the personal time view: "2026/12/09 9:05:30  85秒", or the date and the time of day
// only for a run that did not finish.
QString personalTimeLine(const ResultRecord& record);

// The pupil's runs of the window as lines of the level lists, by level 1..levelCount in file order
// (index 0 unused). A pupil the grade filter hides gets no lines.
std::vector<QStringList> personalTimeLines(const std::vector<ResultRecord>& window, int pupil,
                                           bool pupilShown, int levelCount);
