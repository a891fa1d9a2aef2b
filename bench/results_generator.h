#pragma once

#include <QString>

struct AppState;

// Writes a large, realistic results file: pupils 1..pupils drilling the 25 levels over the days
// before today, most runs near the levels' pass times, a few timed out.
void writeLargeResultsFile(const QString& path, int records, int pupils, double today,
                           unsigned seed = 1);

// The criteria the generated runs are drawn around: a pass time of 60 s and a lowest time of 120 s
// on every level, a point factor of 1.5, a 7-day judging window and a 14-day over-practice window.
void setLargeSchoolCriteria(AppState& state);

// Writes a large answer log: runs of 20 answers by pupils 1..pupils over the `days` days before
// today, oldest first, the facts of 11..13 times 1..20 drawn evenly, about one answer in twelve wrong
// and one in twenty-five right on a retry, the times longer for the larger multipliers. Written a
// block at a time, so making a 160 MB log costs little memory.
void writeLargeAnswerLog(const QString& path, qint64 answers, int pupils, double today, int days,
                         unsigned seed = 1);
