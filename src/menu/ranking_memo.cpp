#include "menu/ranking_memo.h"

#include <algorithm>

#include "core/app_state.h"
#include "menu/report_lines.h"

namespace {
const QChar kMarkInLine = u'●';

// A kept copy shares the text it was taken from until that text is changed.
bool sameText(const QString& kept, const QString& now) { return kept.isSharedWith(now) || kept == now; }

// Every number a level's lines are written from, in roster order.
std::vector<int32_t> rankingInputs(const AppState& state, int level) {
  const int n = rankedRosterSize(state);
  std::vector<int32_t> inputs;
  inputs.reserve(std::size_t(n) * 5 + 2);
  inputs.push_back(n);
  inputs.push_back(state.schoolYear);
  for (int i = 1; i <= n; ++i) {
    const int p = state.rosterPupilNo[std::size_t(i)];
    inputs.push_back(p);
    inputs.push_back(state.personalBest(level, p));
    inputs.push_back(state.totalPoints(level, p));
    inputs.push_back(state.todayPoints(level, p));
    inputs.push_back(state.pupilBirthYear[std::size_t(p)]);
  }
  return inputs;
}

std::vector<QString> rosterNames(const AppState& state) {
  const int n = rankedRosterSize(state);
  std::vector<QString> names;
  names.reserve(std::size_t(n));
  for (int i = 1; i <= n; ++i) names.push_back(state.pupilName[std::size_t(state.rosterPupilNo[std::size_t(i)])]);
  return names;
}

// As the ranking does it: the line before the last one with the mark.
int scrollRowOf(const std::vector<int>& markedRows) { return markedRows.empty() ? -1 : markedRows.back() - 1; }
}  // namespace

bool RankingMemo::sameNames(const std::vector<QString>& kept, const AppState& state) {
  if (int(kept.size()) != rankedRosterSize(state)) return false;
  for (std::size_t i = 0; i < kept.size(); ++i)
    if (!sameText(kept[i], state.pupilName[std::size_t(state.rosterPupilNo[i + 1])])) return false;
  return true;
}

void RankingMemo::lendWhoTo(const AppState& state, const ReportAudience& audience) const {
  const int n = rankedRosterSize(state);
  for (int i = 1; i <= n; ++i) {
    const int p = state.rosterPupilNo[std::size_t(i)];
    if (p < 0 || std::size_t(p) >= who_.size() || who_[std::size_t(p)].who.isNull()) continue;
    const Who& kept = who_[std::size_t(p)];
    if (sameText(kept.name, state.pupilName[std::size_t(p)]) && sameText(kept.mark, audience.mark(p)))
      audience.adoptRankingWho(p, kept.who);
  }
}

void RankingMemo::keepWhoOf(const AppState& state, const ReportAudience& audience) {
  const int n = rankedRosterSize(state);
  for (int i = 1; i <= n; ++i) {
    const int p = state.rosterPupilNo[std::size_t(i)];
    const QString* who = audience.knownRankingWho(p);
    if (p < 0 || !who) continue;
    if (std::size_t(p) >= who_.size()) who_.resize(std::size_t(p) + 1);
    who_[std::size_t(p)] = Who{state.pupilName[std::size_t(p)], audience.mark(p), *who};
  }
}

void RankingMemo::rewriteRowsOf(Made& made, int pupil, const AppState& state, const ReportAudience& audience,
                                int level, RankingKind kind, int rankWidth) {
  std::vector<int>& markedRows = made.rows.marked;
  for (std::size_t row = 0; row < made.rows.pupils.size(); ++row) {
    if (made.rows.pupils[row].pupil != pupil) continue;
    QString line = rankingLine(state, audience, level, kind, made.rows.pupils[row], rankWidth);
    const auto at = std::lower_bound(markedRows.begin(), markedRows.end(), int(row));
    const bool wasMarked = at != markedRows.end() && *at == int(row);
    const bool marked = line.contains(kMarkInLine);
    if (wasMarked && !marked) markedRows.erase(at);
    if (!wasMarked && marked) markedRows.insert(at, int(row));
    made.lines.lines[qsizetype(row)] = std::move(line);
  }
}

RankingLines RankingMemo::lines(const AppState& state, const ReportAudience& audience, int level,
                                RankingKind kind, PointsOrder order, int rankWidth) {
  const Key key{level, int(kind), int(order), rankWidth};
  std::vector<int32_t> inputs = rankingInputs(state, level);
  const auto found = made_.find(key);
  if (found != made_.end()) {
    Made& made = found->second;
    if (made.inputs == inputs && made.filterText == audience.filterText() && sameNames(made.names, state)) {
      const int chosen = audience.chosenPupil();
      if (made.chosen != chosen) {
        rewriteRowsOf(made, made.chosen, state, audience, level, kind, rankWidth);
        rewriteRowsOf(made, chosen, state, audience, level, kind, rankWidth);
        made.chosen = chosen;
        made.lines.scrollRow = scrollRowOf(made.rows.marked);
      }
      return made.lines;
    }
  }
  Made made;
  made.inputs = std::move(inputs);
  made.names = rosterNames(state);
  made.filterText = audience.filterText();
  made.chosen = audience.chosenPupil();
  lendWhoTo(state, audience);
  made.lines = levelRankingLines(state, audience, level, kind, order, rankWidth, &made.rows);
  keepWhoOf(state, audience);
  const RankingLines result = made.lines;
  made_[key] = std::move(made);
  return result;
}
