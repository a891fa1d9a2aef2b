#include "drill/drill_engine.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "core/app_state.h"
#include "core/minutes_since.h"
#include "core/tallies.h"
#include "drill/drill_view.h"
#include "platform/clock.h"
#include "platform/field_reader.h"
#include "platform/random_source.h"

DrillEngine::DrillEngine(AppState& state, const Clock& clock, RandomSource& random, DrillView& view,
                         double barWidth)
    : state_(state), clock_(clock), random_(random), view_(view), barWidth_(barWidth) {}

void DrillEngine::初期設定() {
  AppState& s = state_;
  s.runEnding = {0, 0};
  s.lastJudgement = 0;
  typed_.clear();
  s.runAnswers.clear();
  s.elapsedSeconds = 0;
  // A stray huge lowest time in the criteria table must not wrap the limit round to a negative one.
  s.timeLimit = int(std::clamp<qint64>(5 * qint64(s.lowestTime[s.currentLevel]), INT_MIN, INT_MAX));
  // A level without a lowest time would divide by zero; its bar simply stays empty.
  s.barScale = s.timeLimit > 0 ? barWidth_ / s.timeLimit : 0.0;
  // Today's runs over every level, as the student menu counts them.
  s.todayRunsSum = todayRunsSum(s, s.currentPupilNo);
}

void DrillEngine::レベル別設定() {
  AppState& s = state_;
  const LevelPlan plan = levelPlan(s.currentLevel);
  table_ = {};
  std::copy(plan.problems.begin(), plan.problems.end(), table_.begin() + 1);
  problemTotal_ = int(plan.problems.size());
  randomOrder_ = plan.randomOrder;
  rangeFrom_ = plan.rangeFrom;
  rangeTo_ = plan.rangeTo;
  s.problemCount = plan.problemCount;
  if (randomOrder_)
    for (int k = 1; k <= problemTotal_; ++k) s.problemDone[k] = 0;
  view_.showRemaining(s.problemCount);
}

void DrillEngine::スタート() {
  startTicksMs_ = clock_.ticksMs();
  penaltiesSinceTick_ = 0;
  state_.runStartTime = startTicksMs_ / 1000.0;
  view_.startDrillClock();
}

bool DrillEngine::runIsOver() const { return state_.timedOut == 1 || state_.runEnding[0] == 1; }

void DrillEngine::問題作成表示() {
  if (runIsOver() || state_.judging == 1) return;
  view_.clearProblem();
  view_.showTypedAnswer(QString());
  if (randomOrder_) {
    if (!nextRandomIndex()) {
      endCompletedRun();
      return;
    }
  } else {
    nextSequentialIndex();
  }
  const Problem problem = table_[currentIndex_];
  view_.showProblem(problem.multiplicand, problem.multiplier);
  shownAtMs_ = clock_.ticksMs();
  correctAnswer_ = problem.answer();
  view_.showRetrying(retrying_);
}

void DrillEngine::nextSequentialIndex() {
  retrying_ = false;
  ++currentIndex_;
  if (currentIndex_ > rangeTo_ - rangeFrom_ + 1) passEnded_ = true;
  if (!passEnded_) return;
  // Past the end of the pass: serve the missed problems, smallest first, then start a new pass.
  const auto firstMissed = std::find(missed_.begin() + 1, missed_.begin() + 1 + problemTotal_, true);
  if (firstMissed != missed_.begin() + 1 + problemTotal_) {
    retrying_ = true;
    *firstMissed = false;
    currentIndex_ = int(firstMissed - missed_.begin());
  } else {
    missed_ = {};
    passEnded_ = false;
    currentIndex_ = 1;
  }
}

bool DrillEngine::nextRandomIndex() {
  AppState& s = state_;
  const int count = s.problemCount;
  const int done = int(std::count(s.problemDone.begin() + 1, s.problemDone.begin() + 1 + count, 1));
  view_.showRemaining(count - done);
  if (done >= count) return false;
  int k = 0;
  do {
    k = std::clamp(int(std::floor(count * random_.next() + 1)), 1, count);
  } while (s.problemDone[k] == 1);
  currentIndex_ = k;
  return true;
}

void DrillEngine::endCompletedRun() {
  view_.stopDrillClock();
  state_.runEnding[0] = 1;
  view_.finishRun();
}

void DrillEngine::判定() {
  AppState& s = state_;
  if (runIsOver()) {
    s.judging = 0;
    return;
  }
  s.lastJudgement = leadingNumber(typed_) == correctAnswer_ ? 1 : 2;
}

void DrillEngine::keepAnswer(bool right) {
  const Problem problem = table_[currentIndex_];
  AnswerRecord answer;
  answer.pupilNo = int16_t(state_.currentPupilNo);
  answer.level = int16_t(state_.currentLevel);
  answer.multiplicand = uint8_t(problem.multiplicand);
  answer.multiplier = uint8_t(problem.multiplier);
  answer.result = !right        ? AnswerRecord::Result::Wrong
                  : retrying_   ? AnswerRecord::Result::RightOnRetry
                                : AnswerRecord::Result::Right;
  answer.answerMs = int32_t(std::clamp<qint64>(clock_.ticksMs() - shownAtMs_, 0, INT32_MAX));
  // Only digits, signs and points can be typed, at most three of them.
  const bool readable = std::any_of(typed_.begin(), typed_.end(), [](QChar c) { return c.isDigit(); });
  answer.typed = readable ? int16_t(std::clamp(roundToInt(leadingNumber(typed_)), -1, 999)) : int16_t(-1);
  state_.runAnswers.push_back(answer);
}

void DrillEngine::判定後処理() {
  AppState& s = state_;
  if (runIsOver()) return;
  keepAnswer(s.lastJudgement == 1);
  if (s.lastJudgement == 1) {
    s.lastJudgement = 0;
    view_.playCorrectCue();
    if (randomOrder_) {
      s.problemDone[currentIndex_] = 1;
    } else {
      ++s.correctCount;
      view_.showRemaining(s.problemCount - s.correctCount);
      if (s.correctCount >= s.problemCount) {
        endCompletedRun();
        return;
      }
    }
    s.judging = 0;
    typed_.clear();
    問題作成表示();
    return;
  }
  missed_[currentIndex_] = true;
  s.plusKeyState = 1;
  startTicksMs_ -= kPenaltySeconds * 1000;
  ++penaltiesSinceTick_;
  s.runStartTime -= kPenaltySeconds;
  view_.showCorrectAnswer(correctAnswer_);
  view_.repaintNow();
  view_.playWrongCue();
  s.judging = 0;
  view_.showConfirmPrompt(true);
}

void DrillEngine::確認() {
  view_.showConfirmPrompt(false);
  state_.plusKeyState = 0;
  typed_.clear();
  view_.showTypedAnswer(typed_);
  view_.hideCorrectAnswer();
  問題作成表示();
}

void DrillEngine::keyPress(char16_t code) {
  AppState& s = state_;
  if (runIsOver() || s.judging == 1) return;
  if (s.plusKeyState == 0) {
    if (code == kSpace) {
      s.judging = 1;
      判定();
      判定後処理();
      s.judging = 0;
    } else if (code == kBackspace) {
      if (!typed_.isEmpty()) {
        typed_.chop(1);
        view_.showTypedAnswer(typed_);
      }
    } else if (typed_.size() >= kMaxTyped) {
      view_.playWarningCue();
    } else if (code >= 42 && code <= 57) {  // * + , - . / and the digits
      typed_.append(QChar(code));
      view_.showTypedAnswer(typed_);
    }
    return;
  }
  // After a wrong answer only two plus keys in a row go on; anything else starts the count again.
  if (code != kPlus)
    s.plusKeyState = 1;
  else if (s.plusKeyState == 1)
    s.plusKeyState = 2;
  else
    確認();
}

void DrillEngine::clearTyped() {
  typed_.clear();
  view_.showTypedAnswer(typed_);
}

int DrillEngine::elapsedNow() const {
  return roundToInt((clock_.ticksMs() - startTicksMs_) / 1000.0);
}

void DrillEngine::clockTick() {
  AppState& s = state_;
  s.elapsedSeconds = elapsedNow();
  penaltiesSinceTick_ = 0;
  view_.showElapsed(s.elapsedSeconds);
  view_.repaintNow();
  if (s.elapsedSeconds < s.timeLimit) {
    view_.showElapsedBar(s.elapsedSeconds * s.barScale);
    return;
  }
  view_.showElapsedBar(barWidth_);
  // A judgement under way finishes first; the next tick tries again.
  if (s.runEnding[0] == 1 || s.runEnding[1] == 1 || s.judging == 1) return;
  s.timedOut = 1;
  view_.stopDrillClock();
  view_.finishRun();
}

bool DrillEngine::beginFinish() {
  if (state_.runEnding[1] == 1) return false;
  state_.runEnding[1] = 1;
  return true;
}

void DrillEngine::fixRunTime() {
  AppState& s = state_;
  if (s.timedOut == 1) {
    s.runTime = kNoTime;
    return;
  }
  // The time the pupil last saw on the drill clock, plus any penalty given since that tick.
  s.elapsedSeconds += kPenaltySeconds * penaltiesSinceTick_;
  penaltiesSinceTick_ = 0;
  s.runTime = s.elapsedSeconds;
}

int DrillEngine::minutesSinceChosen() const {
  return minutesSinceNameChosen(clock_.secondsSinceMidnight(), state_.nameChosenSecond);
}
