#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <optional>

struct AppState;

// The texts of the student menu's level columns and header, from the criteria and the tallies.

// "目標=30秒 5回/100点(×1.5)", or "目標=30秒 --------" for a level without a points goal (9999).
QString goalText(const AppState& state, int level);
// "最近7日=3回 / 120点": runs and points within the level's judging window.
QString recentWindowText(const AppState& state, int level, int pupil);
// "2回/15点" for today, or "-----" without a run today.
QString todayCell(const AppState& state, int level, int pupil);
// "12回/80点" of all time, or "------" without a run.
QString allTimeCell(const AppState& state, int level, int pupil);



// The back colour of a level list in the times view: its last entry that is not a failed run
// ("×" as third character) decides by its time against the pass time and the lowest time. Nothing
// when no entry decides, so the list keeps its colour.
std::optional<QColor> timesListColour(const QStringList& entries, int passTime, int lowestTime,
                                      const QColor& withinPass, const QColor& withinLowest);
