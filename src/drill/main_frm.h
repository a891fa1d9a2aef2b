#pragma once

#include <QTimer>
#include <array>

#include "core/app_context.h"
#include "drill/drill_engine.h"
#include "drill/drill_view.h"
#include "platform/screen.h"

class QFrame;
class QLabel;
class QPushButton;

// The drill screen: a status panel with the time bar across the top, the problem in large type and
// the typed answer. Keys and clock ticks go to the engine; this screen shows what it says and hands
// the finished run to the results file and the outcome screen.
class MainFrm : public Screen, private DrillView {
 public:
  explicit MainFrm(AppContext& context);

  void onLoad() override;
  void onActivate() override;
  void onUnload() override;

  // Covers the screen, records the run once, and after a second opens the outcome screen.
  void finishRun() override;
  void waitSeconds(double seconds);
  void 初期設定();

  // The drill clock (every second) and the status clock (every ten seconds).
  void sTimer1Tick();
  void sTimer2Tick();

  DrillEngine& engine() { return engine_; }

  // Width of the time bar in twips; the bar scale is worked out from it.
  static constexpr int kBarLeft = 360;
  static constexpr int kBarWidth = 14640;

  QFrame* sPicture1;
  QLabel* sLabel2;
  QLabel* sLabel14;
  QLabel* sLabel7;
  QLabel* sLabel3;
  QLabel* sLabel8;
  QLabel* sLabel4;
  QLabel* sLabel9;
  QLabel* sLabel5;
  QLabel* sLabel10;
  QLabel* sLabel6;
  QLabel* sLabel11;
  QLabel* sLabel12;
  QLabel* sLabel13;
  std::array<QLabel*, 6> sLabel16{};
  QFrame* sShape5;
  QFrame* sShape2;
  QFrame* sShape3;
  QFrame* sShape4;
  QLabel* qLabel1;
  QLabel* Label6;
  QLabel* qlabel2;
  QLabel* Label2;
  QLabel* inputLabel;
  QLabel* seitouLabel;
  QLabel* Commandkakunin2;
  QPushButton* Commandkakunin;
  QLabel* Label5;
  QLabel* Label1;
  QFrame* sPicture2;
  QLabel* lblsss1;
  QLabel* lblsss2;
  QTimer sTimer1;
  QTimer sTimer2;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void showRemaining(int count) override;
  void showProblem(int multiplicand, int multiplier) override;
  void clearProblem() override;
  void showTypedAnswer(const QString& text) override;
  void showRetrying(bool retrying) override;
  void showCorrectAnswer(int answer) override;
  void hideCorrectAnswer() override;
  void showConfirmPrompt(bool visible) override;
  void showElapsed(int seconds) override;
  void showElapsedBar(double width) override;
  void repaintNow() override;
  void playCorrectCue() override;
  void playWrongCue() override;
  void playWarningCue() override;
  void startDrillClock() override;
  void stopDrillClock() override;

  void buildStatusPanel();
  void buildTimeBar();
  void buildProblemArea();
  void buildOverlay();
  void fillStatusPanel();
  void placeBarPart(QFrame* part, double width);
  void showOverlay();

  AppContext& context_;
  DrillEngine engine_;
  bool started_ = false;
};
