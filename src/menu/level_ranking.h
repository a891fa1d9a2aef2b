#pragma once

#include <QStringList>
#include <vector>

struct AppState;
class ReportAudience;

// How a level's pupils are ranked: by personal best time, or by points with the cumulative or
// today's points first.
enum class RankingKind { Times = 1, Points = 2 };
enum class PointsOrder { Cumulative = 1, Today = 2 };

struct RankedPupil {
  int pupil = 0;
  int rank = 0;
};

// Every pupil of the roster at one level, best first; among equals the roster order stays. Times:
// lower personal bests first, pupils without a run last, equal bests share a rank. Points: more
// primary points first, ties broken by more secondary points; pupils with the same primary points
// share a rank. The work is sized to the roster, so every listed pupil is ranked.
std::vector<RankedPupil> rankLevel(const AppState& state, int level, RankingKind kind, PointsOrder order);

// The lines of a level's ranking for the pupils the filter shows; in today's order only pupils with
// points today. Ranks count every pupil, so a filtered list may start at rank 4. The rank is written
// in rankWidth characters (its last ones when longer); a pupil without a run has hyphens there.
struct RankingLines {
  QStringList lines;
  // The line to bring into view: the one before the chosen pupil's, -1 for none.
  int scrollRow = -1;
};
// What it takes to rewrite single lines of a ranking later: the ranked pupil of every line, and the
// rows whose line holds the chosen mark, ascending.
struct RankingRows {
  std::vector<RankedPupil> pupils;
  std::vector<int> marked;
};
RankingLines levelRankingLines(const AppState& state, const ReportAudience& audience, int level,
                               RankingKind kind, PointsOrder order, int rankWidth = 2, RankingRows* rows = nullptr);

// How many roster lines a ranking covers: the listed pupils that fit the tables.
int rankedRosterSize(const AppState& state);

// One pupil's line of a level's ranking.
QString rankingLine(const AppState& state, const ReportAudience& audience, int level, RankingKind kind,
                    const RankedPupil& ranked, int rankWidth);
