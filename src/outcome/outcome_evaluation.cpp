#include "outcome/outcome_evaluation.h"

#include "core/app_state.h"
#include "core/tallies.h"

namespace {
// A clear count of 9999 is how the criteria say that there is no final target to reach.
constexpr int kNoTargetClearCount = 9999;

bool isTargetLevel(const AppState& state, int level) { return state.quotaLevel == Value(level); }

bool targetIsSet(const AppState& state) {
  for (int l = 1; l <= kMaxLevel; ++l)
    if (state.clearCount[l] == kNoTargetClearCount) return false;
  return true;
}

QString levelRunText(float runs) {
  return QStringLiteral(" (このレベル　") + singleText(runs) + QStringLiteral("回目)");
}
}  // namespace

QString provisionalLevelRunText(const AppState& state) {
  return levelRunText(state.todayRuns(state.currentLevel, state.currentPupilNo) + 1);
}

OutcomeEvaluation evaluateOutcome(const AppState& state) {
  const int level = state.currentLevel;
  const int p = state.currentPupilNo;
  const int t = state.runTime;
  OutcomeEvaluation e;

  e.levelCleared = clearConditionMet(state, level, p);
  const bool targetReached = e.levelCleared && isTargetLevel(state, level);
  e.targetCleared = targetReached && targetIsSet(state);

  e.title = state.programTitle;
  e.levelName = state.levelName[level];
  e.pupilName = state.currentPupilName.trimmed();
  e.timeText = isTimeless(t) ? QStringLiteral("記録なし")
                             : QStringLiteral("今の成績：") + QString::number(t) + QStringLiteral("秒");
  e.pointsText = QStringLiteral("獲得ポイント：") + QString::number(basePoints(state.passTime[level], t)) +
                 QStringLiteral("点×") + singleText(state.pointFactor[level]) + QStringLiteral("→") +
                 QString::number(runPoints(state, level, t)) + QStringLiteral("点");
  e.levelRunText = levelRunText(state.todayRuns(level, p));
  e.todayRunText = QStringLiteral("（") + QString::number(todayRunsSum(state, p)) + QStringLiteral("回目)");

  // One message at most: a time-out says so silently; a best of the level outranks a personal one.
  if (state.timedOut == 1) {
    e.message = QStringLiteral("時間切れ");
  } else if (state.newRecord[1] == 1) {
    e.message = QStringLiteral("！！！最高新記録！！！");
    e.cues.push_back(OutcomeCue::LevelBest);
  } else if (state.newRecord[0] == 1) {
    e.message = QStringLiteral("新記録おめでとう");
    e.cues.push_back(OutcomeCue::PersonalBest);
  } else if (t <= state.lowestTime[level]) {
    e.cues.push_back(OutcomeCue::Fail);
  }
  // The fanfare is for the first clear of the target level only.
  if (targetReached && state.clearedBefore != 1) e.cues.push_back(OutcomeCue::Pass);
  return e;
}

RepeatDecision decideRepeat(const AppState& state) {
  const int level = state.currentLevel;
  const int p = state.currentPupilNo;
  RepeatDecision d;
  if (!overPracticeLimitReached(state, level, p) || !clearConditionMet(state, level, p)) return d;
  if (isTargetLevel(state, level)) {
    d.clearLabel = RepeatDecision::ClearLabel::Hidden;
  } else if (state.finalQuotaMet == Value(0)) {
    d.clearLabel = RepeatDecision::ClearLabel::MoveOn;
    d.offerAgain = false;
  }
  return d;
}
