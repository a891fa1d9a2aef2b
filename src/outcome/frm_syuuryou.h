#pragma once

#include <QStringList>
#include <QTimer>

#include "core/app_context.h"
#include "platform/load_ahead.h"
#include "platform/screen.h"

class QFrame;
class QLabel;
class QPushButton;
class OutcomeBackdrop;
enum class OutcomeCue;

// The outcome screen: when it opens after a recorded run it recounts the tallies, shows the time,
// the points, the run numbers, a record or the time-out and the clears, and plays the cues. Half a
// second later it offers the way back to the menu and, unless the level is over-practised, the same
// level once more.
class FrmSyuuryou : public Screen {
 public:
  explicit FrmSyuuryou(AppContext& context);

  void onActivate() override;
  void onUnload() override;

  // The evaluation of the run, once per opening.
  void evaluate();
  // Half a second after the evaluation: the buttons.
  void timer1Tick();
  // "メニューへ": back to the student menu.
  void command4Click();
  // "もう一度": the same level again.
  void command5Click();

  OutcomeBackdrop* Image1;
  QLabel* Label15;  // programme title
  QLabel* Label16;  // level name
  QLabel* Label17;  // pupil's name
  QLabel* Label18;  // time
  QLabel* Label19;  // points
  QLabel* Label13;  // run number at this level today
  QLabel* Label14;  // run number over all levels today
  QLabel* Label20;  // time-out or record message
  QLabel* Label2;   // "このレベルクリア"
  QFrame* Picture1;
  QLabel* Label1;   // "目標レベルクリア。おめでとう！"
  QLabel* missedPanel;   // the problems answered wrong, or a word of praise
  QLabel* slowestPanel;  // the three slowest right answers
  QPushButton* Command4;
  QPushButton* Command5;
  QTimer Timer1;

 private:
  QLabel* addLabel(int top, int height, double points, const QColor& colour);
  QPushButton* addButton(const QString& caption, int left);
  QLabel* addSidePanel(int left);
  void showSidePanel(QLabel* panel, int left, const QStringList& lines);
  void showAnswerReview();
  void play(OutcomeCue cue);

  AppContext& context_;
  LoadAhead menuAhead_;
  bool evaluated_ = false;
};
