#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <map>
#include <tuple>
#include <vector>

#include "menu/level_ranking.h"

struct AppState;
class ReportAudience;

// The level rankings as the menu last wrote them, kept while the program runs. Every visit of the
// menu ranks every pupil at every level, and from one visit to the next mostly nothing has changed
// but who is choosing, or one level after a run. So a level's lines are written afresh only when
// something they are written from differs: the roster's order, names and birth years, the level's
// times and points, the school year or the grade filter. These are compared in full at every use,
// so whatever changed them (a run here, another computer's records, a teacher's correction) is
// seen. A new chosen pupil changes only the lines of the one chosen before and the one chosen now,
// and only those are written again.
class RankingMemo {
 public:
  RankingLines lines(const AppState& state, const ReportAudience& audience, int level, RankingKind kind,
                     PointsOrder order, int rankWidth = 2);

 private:
  struct Made {
    std::vector<int32_t> inputs;
    std::vector<QString> names;
    QString filterText;
    int chosen = 0;
    RankingLines lines;
    RankingRows rows;
  };
  using Key = std::tuple<int, int, int, int>;

  // How a pupil is shown in every level's lines, kept with the name and mark it was made from.
  struct Who {
    QString name;
    QString mark;
    QString who;
  };

  static bool sameNames(const std::vector<QString>& kept, const AppState& state);
  void lendWhoTo(const AppState& state, const ReportAudience& audience) const;
  void keepWhoOf(const AppState& state, const ReportAudience& audience);
  void rewriteRowsOf(Made& made, int pupil, const AppState& state, const ReportAudience& audience, int level,
                     RankingKind kind, int rankWidth);

  std::map<Key, Made> made_;
  std::vector<Who> who_;  // by pupil
};
