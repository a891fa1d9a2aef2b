#pragma once

#include <QString>
#include <vector>

struct AppState;

// The sounds of an outcome, each played to its end in the order given.
enum class OutcomeCue {
  LevelBest,     // "最高1.wav"
  PersonalBest,  // a sound of the personal-best group
  Fail,          // a sound of the fail group
  Pass,          // "合格.wav": the target level cleared for the first time
};

// What the outcome screen shows and plays for the run just recorded.
struct OutcomeEvaluation {
  QString title;
  QString levelName;
  QString pupilName;
  QString timeText;      // "今の成績：85秒", or "記録なし" for a run without a time
  QString pointsText;    // "獲得ポイント：38点×1.5→57点"
  QString levelRunText;  // " (このレベル　3回目)"
  QString todayRunText;  // "（7回目)"
  QString message;       // "時間切れ", "！！！最高新記録！！！", "新記録おめでとう"; empty hides it
  bool levelCleared = false;   // "このレベルクリア"
  bool targetCleared = false;  // "目標レベルクリア。おめでとう！"
  std::vector<OutcomeCue> cues;
};

// Works the outcome out from the shared state once the tallies include the run.
OutcomeEvaluation evaluateOutcome(const AppState& state);

// The run number at the level today as it will be once this run is counted, shown until the recount
// has finished.
QString provisionalLevelRunText(const AppState& state);

// What the outcome screen offers half a second after the evaluation.
struct RepeatDecision {
  enum class ClearLabel {
    AsItIs,  // "このレベルクリア" stays as the evaluation left it
    Hidden,  // emptied and hidden: the target level may be practised on
    MoveOn,  // "次のレベルへ進みましょう" in place of the repeat button
  };
  bool offerAgain = true;
  ClearLabel clearLabel = ClearLabel::AsItIs;
};

// The repeat is withheld when a cleared level has been practised too much within its over-practice
// window and the final target has not been reached; the target level itself may always be repeated.
RepeatDecision decideRepeat(const AppState& state);

