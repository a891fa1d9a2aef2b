#pragma once

#include <QString>

// What the drill engine asks of the screen it runs on: what to show, the cues to play, the drill clock
// and the end of the run. The engine decides; the screen only shows.
class DrillView {
 public:
  virtual ~DrillView() = default;

  virtual void showRemaining(int count) = 0;
  virtual void showProblem(int multiplicand, int multiplier) = 0;
  virtual void clearProblem() = 0;
  virtual void showTypedAnswer(const QString& text) = 0;
  // The retry colour while a missed problem is served again, the ordinary colour otherwise.
  virtual void showRetrying(bool retrying) = 0;
  virtual void showCorrectAnswer(int answer) = 0;
  virtual void hideCorrectAnswer() = 0;
  virtual void showConfirmPrompt(bool visible) = 0;
  virtual void showElapsed(int seconds) = 0;
  // Width of the elapsed-time bar in screen units.
  virtual void showElapsedBar(double width) = 0;
  // Paints what was changed now, before a blocking sound.
  virtual void repaintNow() = 0;

  virtual void playCorrectCue() = 0;
  virtual void playWrongCue() = 0;
  virtual void playWarningCue() = 0;

  virtual void startDrillClock() = 0;
  virtual void stopDrillClock() = 0;
  // The run is over: record it and hand over to the outcome screen.
  virtual void finishRun() = 0;
};
