#include "menu/level_ranking.h"

#include <algorithm>
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

// One line written into a buffer on the stack and made a string once: a view writes a line for
// every pupil at every level, and growing a string piece by piece cost more than ranking them.
class LineBuilder {
 public:
  void append(QStringView text) {
    // Once a piece has gone on in the string, every later one follows it there.
    if (spilling_ || length_ + text.size() > kRoom) return spill(text);
    std::copy(text.utf16(), text.utf16() + text.size(), buffer_ + length_);
    length_ += text.size();
  }
  void append(char16_t c) { append(QStringView(&c, 1)); }
  void repeat(char16_t c, qsizetype times) {
    for (qsizetype i = 0; i < times; ++i) append(c);
  }
  // The number right-aligned in width characters, as rightAlignedText does with its text (blanks
  // in front, only the last width characters), optionally after one blank.
  void appendRightAligned(qint64 value, int width, bool leadingBlank) {
    char16_t text[24];
    int length = 0;
    if (leadingBlank) text[length++] = u' ';
    char16_t digits[20];
    int count = 0;
    quint64 magnitude = value < 0 ? quint64(-(value + 1)) + 1 : quint64(value);
    do {
      digits[count++] = char16_t(u'0' + magnitude % 10);
      magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0) text[length++] = u'-';
    while (count > 0) text[length++] = digits[--count];
    repeat(u' ', width - length);
    const int from = std::max(0, length - width);
    append(QStringView(text + from, length - from));
  }
  QString text() const {
    const QString held(reinterpret_cast<const QChar*>(buffer_), length_);
    return spilling_ ? held + spilled_ : held;
  }

 private:
  // Room for any line a ranking writes; a longer one (a huge rank width) goes on in a string.
  static constexpr qsizetype kRoom = 64;
  void spill(QStringView text) {
    spilling_ = true;
    spilled_.append(text);
  }
  char16_t buffer_[kRoom];
  qsizetype length_ = 0;
  bool spilling_ = false;
  QString spilled_;
};

}  // namespace

int rankedRosterSize(const AppState& state) {
  return std::max(0, std::min(state.rosterCount, int(state.rosterPupilNo.size()) - 1));
}

std::vector<RankedPupil> rankLevel(const AppState& state, int level, RankingKind kind, PointsOrder order) {
  const int n = rankedRosterSize(state);
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

QString rankingLine(const AppState& state, const ReportAudience& audience, int level, RankingKind kind,
                    const RankedPupil& ranked, int rankWidth) {
  const int p = ranked.pupil;
  LineBuilder line;
  if (kind == RankingKind::Points) {
    line.appendRightAligned(ranked.rank, rankWidth, true);
    line.append(audience.rankingWho(p));
    line.appendRightAligned(state.todayPoints(level, p), 3, false);
    line.append(u'/');
    line.appendRightAligned(state.totalPoints(level, p), 5, false);
    return line.text();
  }
  const char16_t chosen = p == audience.chosenPupil() ? u'●' : u'　';
  const int best = state.personalBest(level, p);
  if (best == kNoTime) {
    line.repeat(u'-', rankWidth);
    line.append(audience.rankingWho(p));
    line.append(u"------ ");
    line.append(chosen);
    return line.text();
  }
  line.appendRightAligned(ranked.rank, rankWidth, true);
  line.append(audience.rankingWho(p));
  if (best == kFailedBest)
    line.append(u"*失敗*");
  else
    line.appendRightAligned(best, 6, true);
  line.append(u' ');
  line.append(chosen);
  return line.text();
}
RankingLines levelRankingLines(const AppState& state, const ReportAudience& audience, int level,
                               RankingKind kind, PointsOrder order, int rankWidth, RankingRows* rows) {
  RankingLines result;
  if (rows) *rows = {};
  const std::vector<RankedPupil> ranking = rankLevel(state, level, kind, order);
  result.lines.reserve(qsizetype(ranking.size()));
  for (const RankedPupil& ranked : ranking) {
    if (!audience.shown(ranked.pupil)) continue;
    if (kind == RankingKind::Points && order == PointsOrder::Today && state.todayPoints(level, ranked.pupil) == 0)
      continue;
    QString line = rankingLine(state, audience, level, kind, ranked, rankWidth);
    const int row = int(result.lines.size());
    const bool marked = line.contains(u'●');
    if (marked) result.scrollRow = row - 1;
    result.lines.append(std::move(line));
    if (rows) {
      rows->pupils.push_back(ranked);
      if (marked) rows->marked.push_back(row);
    }
  }
  return result;
}
