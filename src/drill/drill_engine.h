#pragma once

#include <QString>
#include <array>
#include <vector>

#include "core/answer_record.h"
#include "drill/level_plan.h"

struct AppState;
class Clock;
class RandomSource;
class DrillView;

// The problems of one run: serves them in sequential passes with retries of the missed ones, or in
// random order until each is answered once; judges the typed answers, adds the ten-second penalty,
// enforces the time limit and says when the run is over. Plain logic: the screen forwards keys and
// clock ticks and shows what it is told through DrillView.
class DrillEngine {
 public:
  // Character codes of the keys with a meaning of their own.
  static constexpr char16_t kBackspace = 8;
  static constexpr char16_t kSpace = 32;
  static constexpr char16_t kPlus = u'+';
  static constexpr int kMaxTyped = 3;
  static constexpr int kPenaltySeconds = 10;

  DrillEngine(AppState& state, const Clock& clock, RandomSource& random, DrillView& view,
              double barWidth);

  // Clears the run's flags and typed answer; works out the time limit, the bar scale and today's
  // run count.
  void 初期設定();
  // Builds the problem table of currentLevel and shows the number of answers needed.
  void レベル別設定();
  // Starts the run's clock.
  void スタート();
  // Shows the next problem, or ends a random run whose problems are all done.
  void 問題作成表示();
  void 判定();
  void 判定後処理();
  // Confirmation of a wrong answer: hides the correct answer and goes on.
  void 確認();

  // A character key (Backspace is code 8, Space 32).
  void keyPress(char16_t code);
  // Return and the arrow keys: empty the typed answer, whatever the state.
  void clearTyped();
  // One second of the drill clock: elapsed time, bar, time limit.
  void clockTick();

  // The first call for a run returns true; every later one false.
  bool beginFinish();
  // Fixes runTime: 99999 for a timed-out run, else the drill clock's last reading with the penalties
  // given since it.
  void fixRunTime();

  // Seconds since スタート, penalties included, halves rounded to the even neighbour.
  int elapsedNow() const;
  // Whole minutes since the pupil was chosen on the name screen.
  int minutesSinceChosen() const;

  const QString& typedAnswer() const { return typed_; }
  Problem currentProblem() const { return table_[currentIndex_]; }
  bool retrying() const { return retrying_; }
  bool randomOrder() const { return randomOrder_; }
  int problemTotal() const { return problemTotal_; }

 private:
  // Keeps the answer just judged in the run's answers, timed from its problem being shown.
  void keepAnswer(bool right);
  void endCompletedRun();
  bool runIsOver() const;
  void nextSequentialIndex();
  // False when every problem of a random run is done.
  bool nextRandomIndex();

  AppState& state_;
  const Clock& clock_;
  RandomSource& random_;
  DrillView& view_;
  double barWidth_;

  std::array<Problem, 101> table_{};  // entries 1..N
  std::array<bool, 101> missed_{};
  int problemTotal_ = 0;              // N
  bool randomOrder_ = false;
  int rangeFrom_ = 0;
  int rangeTo_ = 0;
  int currentIndex_ = 0;
  bool passEnded_ = false;
  bool retrying_ = false;
  int correctAnswer_ = 0;
  QString typed_;
  // Tick counter at the start, moved back by every penalty; whole milliseconds keep the rounding of
  // halves exact.
  qint64 startTicksMs_ = 0;
  int penaltiesSinceTick_ = 0;
  // When the current problem appeared, after any cue and confirmation before it.
  qint64 shownAtMs_ = 0;
};
