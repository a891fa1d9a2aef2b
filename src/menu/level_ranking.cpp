#include "menu/level_ranking.h"

#include <cstdint>

#include "core/app_state.h"
#include "menu/report_helpers.h"
#include "menu/report_lines.h"

namespace {
constexpr int kFailedBest = 99998;

int primaryPoints(const AppState& state, int level, int pupil, PointsOrder order) {
  return order == PointsOrder::Cumulative ? state.totalPoints(level, pupil) : state.todayPoints(level, pupil);
}
int secondaryPoints(const AppState& state, int level, int pupil, PointsOrder order) {
  return order == PointsOrder::Cumulative ? state.todayPoints(level, pupil) : state.totalPoints(level, pupil);
}

// Ascending keys put more primary points first and, among those, more secondary points. The primary
// points take the upper half of the key so that no amount of secondary points can outweigh one
// primary point.
int64_t pointsKey(int primary, int secondary) { return -(int64_t(primary) * (int64_t(1) << 32) + secondary); }

QString rankingLine(const AppState& state, const ReportAudience& audience, int level, RankingKind kind,
                    const RankedPupil& ranked, int rankWidth) {
  const int p = ranked.pupil;
  const QString rank = rightAlignedText(u' ' + QString::number(ranked.rank), rankWidth);
  const QString who = audience.mark(p) + rankingName5(audience.name(p));
  if (kind == RankingKind::Points)
    return rank + who + rightAlignedText(QString::number(state.todayPoints(level, p)), 3) + u'/' +
           rightAlignedText(QString::number(state.totalPoints(level, p)), 5);
  const QString chosen = p == audience.chosenPupil() ? QStringLiteral("●") : QStringLiteral("　");
  const int best = state.personalBest(level, p);
  if (best == kNoTime) return QString(rankWidth, u'-') + who + QStringLiteral("------ ") + chosen;
  const QString bestText =
      best == kFailedBest ? QStringLiteral("*失敗*") : rightAlignedText(u' ' + QString::number(best), 6);
  return rank + who + bestText + u' ' + chosen;
}
}  // namespace

std::vector<RankedPupil> rankLevel(const AppState& state, int level, RankingKind kind, PointsOrder order) {
  const int n = std::max(0, std::min(state.rosterCount, int(state.rosterPupilNo.size()) - 1));
  std::vector<int64_t> keys(std::size_t(n + 1));
  std::vector<int> pupils(std::size_t(n + 1));
  for (int i = 1; i <= n; ++i) {
    const int p = state.rosterPupilNo[std::size_t(i)];
    pupils[std::size_t(i)] = p;
    keys[std::size_t(i)] = kind == RankingKind::Times
                               ? int64_t(state.personalBest(level, p))
                               : pointsKey(primaryPoints(state, level, p, order),
                                           secondaryPoints(state, level, p, order));
  }
  mergeSortKeys(n, keys, pupils);
  mergeSortKeys(n, keys, pupils);

  std::vector<RankedPupil> ranking;
  ranking.reserve(std::size_t(n));
  int rank = 0;
  for (int i = 1; i <= n; ++i) {
    const int p = pupils[std::size_t(i)];
    bool tied = false;
    if (i > 1) {
      const int before = pupils[std::size_t(i - 1)];
      tied = kind == RankingKind::Times
                 ? keys[std::size_t(i)] == keys[std::size_t(i - 1)]
                 : primaryPoints(state, level, p, order) == primaryPoints(state, level, before, order);
    }
    if (!tied) rank = i;
    ranking.push_back({p, rank});
  }
  return ranking;
}

RankingLines levelRankingLines(const AppState& state, const ReportAudience& audience, int level,
                               RankingKind kind, PointsOrder order, int rankWidth) {
  RankingLines result;
  for (const RankedPupil& ranked : rankLevel(state, level, kind, order)) {
    if (!audience.shown(ranked.pupil)) continue;
    if (kind == RankingKind::Points && order == PointsOrder::Today && state.todayPoints(level, ranked.pupil) == 0)
      continue;
    const QString line = rankingLine(state, audience, level, kind, ranked, rankWidth);
    if (line.contains(QStringLiteral("●"))) result.scrollRow = int(result.lines.size()) - 1;
    result.lines.append(line);
  }
  return result;
}
