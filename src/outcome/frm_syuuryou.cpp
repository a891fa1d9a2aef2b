#include "outcome/frm_syuuryou.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

#include "core/app_state.h"
#include "core/level_catalogue.h"
#include "core/screen_names.h"
#include "core/tallies.h"
#include "outcome/answer_review.h"
#include "outcome/outcome_backdrop.h"
#include "outcome/outcome_evaluation.h"
#include "platform/fonts.h"
#include "platform/navigator.h"

namespace {
// The texts stand on the backdrop's card, in one centred column.
constexpr int kColumnLeft = 3180;
constexpr int kColumnWidth = 9000;
const QColor kInk(20, 40, 90);
const QColor kCelebration(210, 40, 50);
const QColor kClear(230, 110, 0);
// The review of the answers stands in the margins beside the card, so it covers none of its texts.
constexpr int kSidePanelWidth = 2500;
constexpr int kSidePanelTop = 1600;
constexpr int kLeftPanelLeft = 110;
constexpr int kRightPanelLeft = TwipsGeometry::kCanvasWidth - kSidePanelWidth - 110;
constexpr double kSidePanelPoints = 12;
constexpr int kSidePanelLineTwips = 340;
// A pupil takes longer than this to press a button that has just appeared.
constexpr int kMenuAheadAfterMs = 100;
}  // namespace

FrmSyuuryou::FrmSyuuryou(AppContext& context)
    : Screen(screens::kOutcome),
      context_(context),
      menuAhead_(context.navigator, screens::kStudentMenu, kMenuAheadAfterMs) {
  setFont(japaneseFont());
  setBackColour(QColor(200, 230, 250));

  // Behind everything, over the whole canvas.
  Image1 = new OutcomeBackdrop(this);
  place(Image1, 0, 0, TwipsGeometry::kCanvasWidth, TwipsGeometry::kCanvasHeight);
  Image1->lower();

  Label15 = addLabel(500, 1000, 30, kInk);
  Label16 = addLabel(1600, 900, 30, kInk);
  Label17 = addLabel(2550, 800, 26, kInk);
  Label18 = addLabel(3500, 1100, 40, kInk);
  Label19 = addLabel(4700, 900, 28, kInk);

  Label13 = addLabel(5700, 700, 20, kInk);
  Label13->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  place(Label13, kColumnLeft, 5700, 5200, 700);
  Label14 = addLabel(5700, 700, 20, kInk);
  Label14->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  place(Label14, kColumnLeft + 5200, 5700, kColumnWidth - 5200, 700);

  Label20 = addLabel(6500, 1100, 36, kCelebration);
  Label20->hide();
  Label2 = addLabel(7700, 1100, 36, kClear);
  Label2->setText(QStringLiteral("このレベルクリア"));
  Label2->hide();

  // Over the time and points while the cues play; the first tick of Timer1 takes it away.
  Picture1 = new QFrame(this);
  Picture1->setStyleSheet(QStringLiteral(
      "QFrame { background: rgb(255, 250, 220); border: 4px solid rgb(250, 190, 40); }"));
  place(Picture1, 2280, 3300, 10800, 2600);
  Label1 = new QLabel(QStringLiteral("目標レベルクリア。おめでとう！"), Picture1);
  Label1->setAlignment(Qt::AlignCenter);
  Label1->setStyleSheet(QStringLiteral("border: none; color: rgb(210, 40, 50);"));
  setFontPoints(Label1, 30);
  auto* pictureLayout = new QVBoxLayout(Picture1);
  pictureLayout->addWidget(Label1);
  Picture1->hide();

  missedPanel = addSidePanel(kLeftPanelLeft);
  slowestPanel = addSidePanel(kRightPanelLeft);

  Command4 = addButton(QStringLiteral("メニューへ"), 3480);
  Command5 = addButton(QStringLiteral("もう一度"), 7980);
  QObject::connect(Command4, &QPushButton::clicked, this, [this] { command4Click(); });
  QObject::connect(Command5, &QPushButton::clicked, this, [this] { command5Click(); });

  Timer1.setInterval(500);
  QObject::connect(&Timer1, &QTimer::timeout, this, [this] { timer1Tick(); });
}

QLabel* FrmSyuuryou::addLabel(int top, int height, double points, const QColor& colour) {
  auto* label = new QLabel(this);
  label->setAlignment(Qt::AlignCenter);
  label->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(colour.name()));
  place(label, kColumnLeft, top, kColumnWidth, height);
  setFontPoints(label, points);
  return label;
}

QLabel* FrmSyuuryou::addSidePanel(int left) {
  auto* panel = new QLabel(this);
  panel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  panel->setWordWrap(true);
  panel->setStyleSheet(QStringLiteral("color: %1; background: rgba(255, 255, 255, 215); border-radius: 8px; "
                                      "padding: 6px;")
                           .arg(kInk.name()));
  setFontPoints(panel, kSidePanelPoints);
  panel->hide();
  return panel;
}

void FrmSyuuryou::showSidePanel(QLabel* panel, int left, const QStringList& lines) {
  panel->setText(lines.join(u'\n'));
  // As tall as its wrapped lines need at the screen's scale, which applies to the font as well.
  place(panel, left, kSidePanelTop, kSidePanelWidth, kSidePanelLineTwips);
  const int neededPixels = panel->heightForWidth(panel->width());
  place(panel, left, kSidePanelTop, kSidePanelWidth, int(std::ceil(neededPixels / geometryScale().scale())));
  panel->setVisible(!lines.isEmpty());
}

void FrmSyuuryou::showAnswerReview() {
  const AnswerReview review = reviewAnswers(context_.state.runAnswers);
  showSidePanel(missedPanel, kLeftPanelLeft, missedPanelLines(review));
  showSidePanel(slowestPanel, kRightPanelLeft, slowestPanelLines(review));
}

QPushButton* FrmSyuuryou::addButton(const QString& caption, int left) {
  auto* button = new QPushButton(caption, this);
  // A pupil confirms the focused button with Return as well as Space.
  button->setAutoDefault(true);
  place(button, left, 9700, 3900, 1300);
  setFontPoints(button, 28);
  button->hide();
  return button;
}

void FrmSyuuryou::onActivate() {
  // The run is evaluated once; showing the screen again must not replay its cues.
  if (evaluated_) return;
  evaluated_ = true;
  evaluate();
}

// Leaving other than by "メニューへ", the menu made ready for it is not wanted; it is made afresh later.
void FrmSyuuryou::onUnload() { menuAhead_.cancel(); }

void FrmSyuuryou::evaluate() {
  AppState& state = context_.state;
  Label13->setText(provisionalLevelRunText(state));
  recountTallies(state, context_.services.clock, context_.services.pause);
  const OutcomeEvaluation outcome = evaluateOutcome(state);
  Label2->setVisible(outcome.levelCleared);
  Picture1->setVisible(outcome.targetCleared);
  repaint();
  Timer1.start();

  Label19->setText(outcome.pointsText);
  Label18->setText(outcome.timeText);
  Label17->setText(outcome.pupilName);
  Label15->setText(outcome.title);
  Label16->setText(outcome.levelName);
  Label13->setText(outcome.levelRunText);
  Label14->setText(outcome.todayRunText);
  showAnswerReview();
  repaint();

  if (!outcome.message.isEmpty()) {
    Label20->setText(outcome.message);
    Label20->show();
    repaint();
  }
  for (OutcomeCue cue : outcome.cues) {
    play(cue);
    repaint();
  }

  state.newRecord = {0, 0};
  context_.navigator.unload(screens::kCover);
}

void FrmSyuuryou::play(OutcomeCue cue) {
  SoundCues cues = context_.cues();
  switch (cue) {
    case OutcomeCue::LevelBest:
      cues.playLevelBestCue();
      break;
    case OutcomeCue::PersonalBest:
      cues.playPersonalBestCue();
      break;
    case OutcomeCue::Fail:
      cues.playFailCue();
      break;
    case OutcomeCue::Pass:
      cues.playPassCue();
      break;
  }
}

void FrmSyuuryou::timer1Tick() {
  Picture1->hide();
  Command4->show();
  Command4->setFocus();
  Timer1.stop();

  const RepeatDecision decision = decideRepeat(context_.state);
  switch (decision.clearLabel) {
    case RepeatDecision::ClearLabel::AsItIs:
      break;
    case RepeatDecision::ClearLabel::Hidden:
      Label2->clear();
      Label2->hide();
      break;
    case RepeatDecision::ClearLabel::MoveOn:
      Label2->setText(QStringLiteral("次のレベルへ進みましょう"));
      Label2->show();
      break;
  }
  Command5->setVisible(decision.offerAgain);
  // While the pupil reads the outcome, the menu is made ready behind it for "メニューへ".
  menuAhead_.start();
}

void FrmSyuuryou::command4Click() {
  // Against a second press while the menu opens; disabling only the focused button would hand the
  // focus, and a key the pupil is still pressing, to "もう一度".
  Command4->setEnabled(false);
  Command5->setEnabled(false);
  context_.state.againPressed = 0;
  context_.navigator.show(screens::kStudentMenu);
  context_.navigator.unload(screens::kOutcome);
}

void FrmSyuuryou::command5Click() {
  Command4->setEnabled(false);
  Command5->setEnabled(false);
  context_.navigator.show(screens::kCover);
  context_.navigator.unload(screens::kOutcome);
  AppContext& context = context_;  // this screen is on its way out
  context.state.againPressed = 1;
  startRun(context);
}
