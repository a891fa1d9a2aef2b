#include <gtest/gtest.h>

#include <memory>

#include "core/app_state.h"
#include "core/level_catalogue.h"
#include "outcome/outcome_evaluation.h"

namespace {

using Cues = std::vector<OutcomeCue>;

constexpr int kPupil = 12;
constexpr int kLevel = 3;
constexpr int kTarget = 25;

// The shared state as the recount after a run leaves it, for pupil 12 at level 3.
class Outcome : public ::testing::Test {
 protected:
  void SetUp() override {
    fillLevelCatalogueValues(s);
    s.programTitle = QStringLiteral("カケドリ１");
    s.currentPupilNo = kPupil;
    s.currentPupilName = QStringLiteral("  山田太郎    ");
    s.currentLevel = kLevel;
    for (int level = 1; level <= 25; ++level) {
      s.passTime[level] = 60;
      s.lowestTime[level] = 120;
      s.clearPoints[level] = 100;
      s.clearCount[level] = 5;
      s.pointFactor[level] = 1.5f;
    }
    s.runTime = 30;
    s.todayRuns(kLevel, kPupil) = 3;
    s.recentRuns(kLevel, kPupil) = 3;
    s.recentPoints(kLevel, kPupil) = 40;
  }

  void clear(int level) {
    s.currentLevel = level;
    s.recentRuns(level, kPupil) = 5;
    s.recentPoints(level, kPupil) = 100;
  }

  std::unique_ptr<AppState> state = std::make_unique<AppState>();
  AppState& s = *state;
};

TEST_F(Outcome, TextsOfARun) {
  s.todayRuns(7, kPupil) = 4;
  s.todayRuns(30, kPupil) = 1;
  s.todayRuns(kLevel, 13) = 9;  // another pupil's runs are not counted
  const OutcomeEvaluation e = evaluateOutcome(s);

  EXPECT_EQ(e.title, QStringLiteral("カケドリ１"));
  EXPECT_EQ(e.levelName, QStringLiteral("１１(10-15)"));
  EXPECT_EQ(e.pupilName, QStringLiteral("山田太郎"));
  EXPECT_EQ(e.timeText, QStringLiteral("今の成績：30秒"));
  EXPECT_EQ(e.pointsText, QStringLiteral("獲得ポイント：11点×1.5→16点"));
  EXPECT_EQ(e.levelRunText, QStringLiteral(" (このレベル　3回目)"));
  EXPECT_EQ(e.todayRunText, QStringLiteral("（8回目)"));
  EXPECT_TRUE(e.message.isEmpty());
  EXPECT_FALSE(e.levelCleared);
  EXPECT_FALSE(e.targetCleared);
}

TEST_F(Outcome, ProvisionalRunNumberCountsTheRunBeforeTheRecount) {
  s.todayRuns(kLevel, kPupil) = 2;
  EXPECT_EQ(provisionalLevelRunText(s), QStringLiteral(" (このレベル　3回目)"));
}

TEST_F(Outcome, PointsTextWritesTheFactorAsTheTeacherTypedIt) {
  const struct {
    float factor;
    int runTime;
    const char* text;
  } cases[] = {
      {2.0f, 60, "獲得ポイント：5点×2→10点"},
      {1.1f, 0, "獲得ポイント：55点×1.1→60点"},
      {0.7f, 61, "獲得ポイント：4点×0.7→2点"},
      {1.4f, 60, "獲得ポイント：5点×1.4→7点"},
      {1.5f, 8, "獲得ポイント：37点×1.5→55点"},
      {1.5f, 99999, "獲得ポイント：0点×1.5→0点"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    s.pointFactor[kLevel] = c.factor;
    s.runTime = c.runTime;
    EXPECT_EQ(evaluateOutcome(s).pointsText, QString::fromUtf8(c.text));
  }
}

TEST_F(Outcome, ALevelWithoutAPassTimeScoresNothing) {
  for (int passTime : {0, -60}) {
    s.passTime[kLevel] = passTime;
    s.runTime = 20;
    EXPECT_EQ(evaluateOutcome(s).pointsText, QStringLiteral("獲得ポイント：0点×1.5→0点")) << passTime;
  }
}

TEST_F(Outcome, RunWithoutATimeShowsNoRecord) {
  for (int runTime : {99998, 99999}) {
    s.runTime = runTime;
    EXPECT_EQ(evaluateOutcome(s).timeText, QStringLiteral("記録なし"));
  }
  s.runTime = 99997;
  EXPECT_EQ(evaluateOutcome(s).timeText, QStringLiteral("今の成績：99997秒"));
}

struct MessageCase {
  const char* name;
  int timedOut;
  int personalBest;
  int levelBest;
  int runTime;
  const char* message;
  Cues cues;
};

class OutcomeMessage : public Outcome, public ::testing::WithParamInterface<MessageCase> {};

TEST_P(OutcomeMessage, ShowsOneMessageAndPlaysItsCue) {
  const MessageCase& c = GetParam();
  s.timedOut = c.timedOut;
  s.newRecord = {c.personalBest, c.levelBest};
  s.runTime = c.runTime;
  const OutcomeEvaluation e = evaluateOutcome(s);
  EXPECT_EQ(e.message, QString::fromUtf8(c.message));
  EXPECT_EQ(e.cues, c.cues);
}

INSTANTIATE_TEST_SUITE_P(
    Priority, OutcomeMessage,
    ::testing::Values(
        MessageCase{"TimeOutSilencesEverything", 1, 1, 1, 99999, "時間切れ", {}},
        MessageCase{"BestOfTheLevelOutranksPersonalBest", 0, 1, 1, 30, "！！！最高新記録！！！",
                    {OutcomeCue::LevelBest}},
        MessageCase{"BestOfTheLevelAlone", 0, 0, 1, 30, "！！！最高新記録！！！", {OutcomeCue::LevelBest}},
        MessageCase{"PersonalBest", 0, 1, 0, 30, "新記録おめでとう", {OutcomeCue::PersonalBest}},
        MessageCase{"NoRecordAtTheLowestTime", 0, 0, 0, 120, "", {OutcomeCue::Fail}},
        MessageCase{"NoRecordSlowerThanTheLowestTime", 0, 0, 0, 121, "", {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Outcome, LevelClearNeedsBothRecentRunsAndPoints) {
  clear(kLevel);
  EXPECT_TRUE(evaluateOutcome(s).levelCleared);
  s.recentRuns(kLevel, kPupil) = 4;
  EXPECT_FALSE(evaluateOutcome(s).levelCleared);
  s.recentRuns(kLevel, kPupil) = 5;
  s.recentPoints(kLevel, kPupil) = 99;
  EXPECT_FALSE(evaluateOutcome(s).levelCleared);
}

TEST_F(Outcome, ClearingAnotherLevelIsNoTargetClear) {
  s.runTime = 130;  // slower than the lowest time: no cue of its own
  clear(kLevel);
  const OutcomeEvaluation e = evaluateOutcome(s);
  EXPECT_TRUE(e.levelCleared);
  EXPECT_FALSE(e.targetCleared);
  EXPECT_EQ(e.cues, Cues{});
}

TEST_F(Outcome, FirstClearOfTheTargetLevelPlaysThePassCueLast) {
  clear(kTarget);
  s.newRecord = {1, 0};
  const OutcomeEvaluation e = evaluateOutcome(s);
  EXPECT_TRUE(e.levelCleared);
  EXPECT_TRUE(e.targetCleared);
  EXPECT_EQ(e.cues, (Cues{OutcomeCue::PersonalBest, OutcomeCue::Pass}));
}

TEST_F(Outcome, PassCueWithheldWhenTheTargetWasClearedBefore) {
  s.runTime = 130;  // slower than the lowest time: no cue of its own
  clear(kTarget);
  s.clearedBefore = 1;
  const OutcomeEvaluation e = evaluateOutcome(s);
  EXPECT_TRUE(e.levelCleared);
  EXPECT_TRUE(e.targetCleared);
  EXPECT_EQ(e.cues, Cues{});
}

TEST_F(Outcome, NoTargetPictureWhenSomeLevelHasNoTarget) {
  s.runTime = 130;  // slower than the lowest time: no cue of its own
  clear(kTarget);
  s.clearCount[30] = 9999;
  const OutcomeEvaluation e = evaluateOutcome(s);
  EXPECT_TRUE(e.levelCleared);
  EXPECT_FALSE(e.targetCleared);
  EXPECT_EQ(e.cues, Cues{OutcomeCue::Pass});
}

TEST(FloatText, ShortestDecimalOfTheSinglePrecisionNumber) {
  const struct {
    float number;
    const char* text;
  } cases[] = {{1.5f, "1.5"}, {2.0f, "2"}, {1.1f, "1.1"}, {0.7f, "0.7"},
               {0.0f, "0"},   {12.0f, "12"}, {100000.0f, "100000"}, {-0.25f, "-0.25"}};
  for (const auto& c : cases) EXPECT_EQ(singleText(c.number), QString::fromLatin1(c.text));
}

struct RepeatCase {
  const char* name;
  int level;
  bool cleared;
  double runLimit, pointLimit;
  int windowRuns, windowPoints;
  int finalQuotaMet;
  bool offerAgain;
  RepeatDecision::ClearLabel clearLabel;
};

class Repeat : public Outcome, public ::testing::WithParamInterface<RepeatCase> {};

TEST_P(Repeat, IsWithheldOnlyForAClearedOverPractisedLevelBeforeTheTarget) {
  const RepeatCase& c = GetParam();
  s.currentLevel = c.level;
  if (c.cleared) clear(c.level);
  s.overPracticeCount[c.level] = c.runLimit;
  s.overPracticePoints[c.level] = c.pointLimit;
  s.overWindowRuns(c.level, kPupil) = int16_t(c.windowRuns);
  s.overWindowPoints(c.level, kPupil) = c.windowPoints;
  if (c.finalQuotaMet) s.finalQuotaMet = Value(c.finalQuotaMet);
  const RepeatDecision d = decideRepeat(s);
  EXPECT_EQ(d.offerAgain, c.offerAgain);
  EXPECT_EQ(d.clearLabel, c.clearLabel);
}

using Label = RepeatDecision::ClearLabel;
INSTANTIATE_TEST_SUITE_P(
    Cases, Repeat,
    ::testing::Values(
        RepeatCase{"FifthRunOfAClearedLevel", kLevel, true, 5, 0, 5, 0, 0, false, Label::MoveOn},
        RepeatCase{"PointsLimitReached", kLevel, true, 0, 200, 1, 200, 0, false, Label::MoveOn},
        RepeatCase{"TargetLevelMayBeRepeated", kTarget, true, 5, 0, 5, 0, 0, true, Label::Hidden},
        RepeatCase{"FinalTargetReached", kLevel, true, 5, 0, 9, 0, 1, true, Label::AsItIs},
        RepeatCase{"NotClearedCanAlwaysBeRepeated", kLevel, false, 5, 200, 9, 900, 0, true,
                   Label::AsItIs},
        RepeatCase{"NoLimitsNeverWithhold", kLevel, true, 0, 0, 900, 9000, 0, true, Label::AsItIs},
        RepeatCase{"BelowTheLimits", kLevel, true, 5, 200, 4, 199, 0, true, Label::AsItIs}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
