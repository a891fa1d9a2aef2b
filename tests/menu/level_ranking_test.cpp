#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <utility>

#include "core/app_state.h"
#include "menu/level_ranking.h"
#include "menu/ranking_memo.h"
#include "menu/report_lines.h"
#include "support/qstring_printer.h"

namespace {
constexpr int kLevel = 4;

// A roster in an order that is not the order of the pupil numbers, all in 小５ except pupil 9 (中１).
// Pupil 2 is the chosen one.
struct Ranking {
  std::unique_ptr<AppState> state = std::make_unique<AppState>();
  explicit Ranking(std::vector<int> roster = {5, 2, 9, 1, 7}) {
    state->schoolYear = 2026;
    state->currentPupilNo = 2;
    state->rosterCount = int(roster.size());
    for (std::size_t i = 0; i < roster.size(); ++i) {
      const int p = roster[i];
      state->rosterPupilNo[i + 1] = p;
      state->pupilName[std::size_t(p)] = QStringLiteral("生徒%1").arg(p).leftJustified(20, u' ');
      state->pupilBirthYear[std::size_t(p)] = p == 9 ? 2013 : 2015;
      state->personalBest(kLevel, p) = kNoTime;
    }
  }
  void best(int pupil, int time) { state->personalBest(kLevel, pupil) = time; }
  void points(int pupil, int today, int total) {
    state->todayPoints(kLevel, pupil) = today;
    state->totalPoints(kLevel, pupil) = total;
  }
  RankingLines lines(RankingKind kind, PointsOrder order = PointsOrder::Cumulative,
                     const char* filter = "全学年", int rankWidth = 2) const {
    return levelRankingLines(*state, ReportAudience(*state, QString::fromUtf8(filter)), kLevel, kind, order,
                             rankWidth);
  }
  RankingLines kept(RankingMemo& memo, RankingKind kind, PointsOrder order = PointsOrder::Cumulative,
                    const char* filter = "全学年") const {
    return memo.lines(*state, ReportAudience(*state, QString::fromUtf8(filter)), kLevel, kind, order);
  }
};
}  // namespace

TEST(LevelRanking, TimesShareRanksKeepRosterOrderAndListPupilsWithoutARunLast) {
  Ranking r;
  r.best(1, 50);
  r.best(5, 50);  // before pupil 1 in the roster, so listed first among the two
  r.best(2, 40);
  r.best(9, 99998);
  const RankingLines lines = r.lines(RankingKind::Times);
  EXPECT_EQ(lines.lines, (QStringList{u" 1●生徒2　　    40 ●"_qs, u" 2⑤生徒5　　    50 　"_qs,
                                      u" 2⑤生徒1　　    50 　"_qs, u" 4Ⅰ生徒9　　*失敗* 　"_qs,
                                      u"--⑤生徒7　　------ 　"_qs}));
  EXPECT_EQ(lines.scrollRow, -1);  // the chosen pupil is already at the top

  // The filter hides pupils but not their places.
  const RankingLines middle = r.lines(RankingKind::Times, PointsOrder::Cumulative, "中１");
  EXPECT_EQ(middle.lines, (QStringList{u" 4Ⅰ生徒9　　*失敗* 　"_qs}));

  // The chart panel's form: three-character ranks, three hyphens without a run.
  const RankingLines wide = r.lines(RankingKind::Times, PointsOrder::Cumulative, "全学年", 3);
  EXPECT_EQ(wide.lines.first(), u"  1●生徒2　　    40 ●"_qs);
  EXPECT_EQ(wide.lines.last(), u"---⑤生徒7　　------ 　"_qs);
}

TEST(LevelRanking, PointsRankByPrimaryPointsAndBreakTiesBySecondary) {
  Ranking r;
  r.points(5, 10, 200);
  r.points(2, 30, 200);   // same total as pupil 5, more today: listed first, same rank
  r.points(9, 0, 5000);
  r.points(1, 0, 0);
  r.points(7, 11, 0);
  const RankingLines cumulative = r.lines(RankingKind::Points);
  EXPECT_EQ(cumulative.lines, (QStringList{u" 1Ⅰ生徒9　　  0/ 5000"_qs, u" 2●生徒2　　 30/  200"_qs,
                                           u" 2⑤生徒5　　 10/  200"_qs, u" 4⑤生徒7　　 11/    0"_qs,
                                           u" 4⑤生徒1　　  0/    0"_qs}));
  EXPECT_EQ(cumulative.scrollRow, 0);

  // Today's order leaves out pupils without points today; they still take their places. A large
  // total never outweighs one point more today.
  const RankingLines today = r.lines(RankingKind::Points, PointsOrder::Today);
  EXPECT_EQ(today.lines, (QStringList{u" 1●生徒2　　 30/  200"_qs, u" 2⑤生徒7　　 11/    0"_qs,
                                      u" 3⑤生徒5　　 10/  200"_qs}));
}

TEST(LevelRanking, EveryPupilOfALargeRosterIsRankedAndLongRanksKeepTheirLastDigits) {
  std::vector<int> roster;
  for (int p = 1; p <= 2500; ++p) roster.push_back(p == 2 ? 1 : p == 1 ? 2 : p);
  Ranking r(roster);
  for (int p = 1; p <= 2500; ++p) r.best(p, 10 + p);
  const std::vector<RankedPupil> ranked = rankLevel(*r.state, kLevel, RankingKind::Times, PointsOrder::Cumulative);
  ASSERT_EQ(ranked.size(), 2500u);
  EXPECT_EQ(ranked.back().pupil, 2500);
  EXPECT_EQ(ranked.back().rank, 2500);

  const RankingLines lines = r.lines(RankingKind::Times);
  ASSERT_EQ(lines.lines.size(), 2500);
  EXPECT_TRUE(lines.lines[100].startsWith(u"01"_qs)) << lines.lines[100].toStdString();
  EXPECT_TRUE(lines.lines[2499].startsWith(u"00"_qs));
  // The line before the chosen pupil's is the one brought into view.
  EXPECT_EQ(lines.scrollRow, 0);
  EXPECT_TRUE(lines.lines[1].contains(u"●"_qs));
}

TEST(LevelRanking, ARankWiderThanAnyLineIsStillWrittenWhole) {
  Ranking r;
  r.best(2, 40);
  const QString line = r.lines(RankingKind::Times, PointsOrder::Cumulative, "全学年", 70).lines.first();
  EXPECT_EQ(line, QString(69, u' ') + u"1●生徒2　　    40 ●"_qs);
}

// The kept rankings against rankings written afresh, after each change that could make them stale.
TEST(RankingMemo, KeptLinesAreAlwaysTheLinesWrittenAfresh) {
  Ranking r;
  r.best(1, 50);
  r.best(5, 45);
  r.points(5, 3, 20);
  r.points(2, 0, 20);
  const std::vector<std::pair<const char*, std::function<void(Ranking&)>>> changes = {
      {"nothing", [](Ranking&) {}},
      {"a new best time", [](Ranking& x) { x.best(7, 30); }},
      {"new points", [](Ranking& x) { x.points(9, 5, 5); }},
      {"the roster's order", [](Ranking& x) { std::swap(x.state->rosterPupilNo[1], x.state->rosterPupilNo[2]); }},
      {"a name edited in place", [](Ranking& x) { x.state->pupilName[1][2] = u'X'; }},
      {"a birth year", [](Ranking& x) { x.state->pupilBirthYear[9] = 2015; }},
      {"the school year", [](Ranking& x) { x.state->schoolYear = 2027; }},
      {"another chosen pupil", [](Ranking& x) { x.state->currentPupilNo = 7; }},
      {"the chosen pupil back", [](Ranking& x) { x.state->currentPupilNo = 2; }},
      {"nobody chosen", [](Ranking& x) { x.state->currentPupilNo = 0; }},
      {"a shorter roster", [](Ranking& x) { x.state->rosterCount = 4; }},
  };
  RankingMemo memo;
  for (const auto& [what, change] : changes) {
    change(r);
    for (RankingKind kind : {RankingKind::Times, RankingKind::Points})
      for (PointsOrder order : {PointsOrder::Cumulative, PointsOrder::Today})
        for (const char* filter : {"全学年", "小５"}) {
          const RankingLines kept = r.kept(memo, kind, order, filter);
          const RankingLines afresh = r.lines(kind, order, filter);
          EXPECT_EQ(kept.lines, afresh.lines) << what << " / " << filter;
          EXPECT_EQ(kept.scrollRow, afresh.scrollRow) << what << " / " << filter;
        }
  }
}
