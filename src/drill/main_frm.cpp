#include "drill/main_frm.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "core/app_state.h"
#include "core/results_file.h"
#include "platform/message_boxes.h"
#include "core/screen_names.h"
#include "platform/clock.h"
#include "platform/field_reader.h"
#include "platform/fonts.h"
#include "platform/navigator.h"
#include "platform/pause.h"
#include "platform/random_source.h"

namespace {
const QColor kDrillColour(0, 192, 192);
const QColor kRetryColour(255, 128, 128);
const QColor kPanelColour(0, 32, 96);
const QColor kOverlayColour(0, 0, 64);

// The time bar: a dark track, the elapsed time filled in orange, and the two goal marks drawn as
// outlines over it so that both stay visible while the bar grows.
constexpr int kBarTop = 2000;
constexpr int kBarHeight = 520;
const QString kTrackStyle = QStringLiteral("background-color: rgb(24, 24, 40);");
const QString kElapsedStyle = QStringLiteral("background-color: rgb(255, 160, 0);");
const QString kPassMarkStyle =
    QStringLiteral("background: transparent; border: 4px solid rgb(0, 230, 90);");
const QString kLowestMarkStyle =
    QStringLiteral("background: transparent; border: 4px solid rgb(255, 40, 40);");

const QString kCaptionStyle = QStringLiteral("color: white; background: transparent;");
const QString kValueStyle = QStringLiteral("color: rgb(255, 255, 120); background: transparent;");
const QString kProblemStyle = QStringLiteral("color: black; background: transparent;");

constexpr double kProblemPoints = 96;

bool isClearKey(int key) {
  return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Left || key == Qt::Key_Up ||
         key == Qt::Key_Right || key == Qt::Key_Down;
}
}  // namespace

MainFrm::MainFrm(AppContext& context)
    : Screen(screens::kDrill),
      context_(context),
      engine_(context.state, context.services.clock, context.services.random, *this, kBarWidth) {
  setFocusPolicy(Qt::StrongFocus);
  setBackColour(kDrillColour);
  buildStatusPanel();
  buildTimeBar();
  buildProblemArea();
  buildOverlay();

  sTimer1.setInterval(1000);
  QObject::connect(&sTimer1, &QTimer::timeout, this, [this] { sTimer1Tick(); });
  sTimer2.setInterval(10000);
  QObject::connect(&sTimer2, &QTimer::timeout, this, [this] { sTimer2Tick(); });
}

namespace {
QLabel* makeLabel(Screen* screen, const QString& text, double points, const QString& style,
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
  auto* label = new QLabel(text, screen);
  label->setFont(japaneseFont());
  label->setStyleSheet(style);
  label->setAlignment(alignment);
  screen->setFontPoints(label, points);
  return label;
}
}  // namespace

void MainFrm::buildStatusPanel() {
  sPicture1 = new QFrame(this);
  setBackColour(sPicture1, kPanelColour);
  place(sPicture1, 0, 0, TwipsGeometry::kCanvasWidth, 2700);

  sLabel2 = makeLabel(this, QString(), 16.8, kCaptionStyle);
  place(sLabel2, 240, 120, 4400, 900);
  sLabel14 = makeLabel(this, QString(), 12, kCaptionStyle);
  place(sLabel14, 4800, 120, 5000, 420);
  sLabel7 = makeLabel(this, QString(), 18, kValueStyle);
  place(sLabel7, 4800, 540, 5000, 560);

  // Runs today at this level, runs today over all levels, minutes since the pupil was chosen.
  const QString captions[6] = {QStringLiteral("起動後"), QStringLiteral("分"), QStringLiteral("本日"),
                               QStringLiteral("回目"), QStringLiteral("このレベル"),
                               QStringLiteral("回目")};
  for (int i = 0; i < 6; ++i) sLabel16[i] = makeLabel(this, captions[i], 12, kCaptionStyle);
  sLabel11 = makeLabel(this, QString(), 14, kValueStyle, Qt::AlignRight | Qt::AlignVCenter);
  sLabel12 = makeLabel(this, QString(), 14, kValueStyle, Qt::AlignRight | Qt::AlignVCenter);
  sLabel13 = makeLabel(this, QString(), 14, kValueStyle, Qt::AlignRight | Qt::AlignVCenter);
  const struct {
    QLabel* caption;
    QLabel* value;
    QLabel* unit;
  } rows[3] = {{sLabel16[4], sLabel11, sLabel16[5]},
               {sLabel16[2], sLabel12, sLabel16[3]},
               {sLabel16[0], sLabel13, sLabel16[1]}};
  for (int row = 0; row < 3; ++row) {
    const int top = 100 + row * 400;
    place(rows[row].caption, 10400, top, 2000, 400);
    place(rows[row].value, 12400, top, 1300, 400);
    place(rows[row].unit, 13800, top, 1200, 400);
  }

  sLabel3 = makeLabel(this, QStringLiteral("レベル"), 14, kCaptionStyle);
  place(sLabel3, 240, 1250, 1300, 600);
  sLabel8 = makeLabel(this, QString(), 22, kValueStyle);
  place(sLabel8, 1550, 1200, 3700, 700);
  sLabel4 = makeLabel(this, QStringLiteral("残り"), 14, kCaptionStyle);
  place(sLabel4, 5500, 1250, 900, 600);
  sLabel9 = makeLabel(this, QString(), 26, kValueStyle, Qt::AlignRight | Qt::AlignVCenter);
  place(sLabel9, 6400, 1200, 1300, 700);
  sLabel5 = makeLabel(this, QStringLiteral("タイム"), 14, kCaptionStyle);
  place(sLabel5, 8200, 1250, 1300, 600);
  sLabel10 = makeLabel(this, QStringLiteral("0"), 26, kValueStyle, Qt::AlignRight | Qt::AlignVCenter);
  place(sLabel10, 9500, 1200, 1700, 700);
  sLabel6 = makeLabel(this, QStringLiteral("秒"), 14, kCaptionStyle);
  place(sLabel6, 11300, 1250, 700, 600);
}

void MainFrm::buildTimeBar() {
  sShape5 = new QFrame(this);
  sShape5->setStyleSheet(kTrackStyle);
  place(sShape5, kBarLeft, kBarTop, kBarWidth, kBarHeight);
  sShape2 = new QFrame(this);
  sShape2->setStyleSheet(kElapsedStyle);
  sShape4 = new QFrame(this);
  sShape4->setStyleSheet(kLowestMarkStyle);
  sShape3 = new QFrame(this);
  sShape3->setStyleSheet(kPassMarkStyle);
  for (QFrame* part : {sShape2, sShape3, sShape4}) placeBarPart(part, 0);
}

void MainFrm::buildProblemArea() {
  const double points = kProblemPoints;
  qLabel1 = makeLabel(this, QString(), points, kProblemStyle, Qt::AlignRight | Qt::AlignVCenter);
  place(qLabel1, 600, 4000, 3400, 2200);
  Label6 = makeLabel(this, QStringLiteral("×"), points, kProblemStyle, Qt::AlignCenter);
  place(Label6, 4000, 4000, 1800, 2200);
  qlabel2 = makeLabel(this, QString(), points, kProblemStyle, Qt::AlignLeft | Qt::AlignVCenter);
  place(qlabel2, 5800, 4000, 3400, 2200);
  Label2 = makeLabel(this, QStringLiteral("="), points, kProblemStyle, Qt::AlignCenter);
  place(Label2, 9000, 4000, 1500, 2200);
  const QString answerBox =
      QStringLiteral("background-color: white; padding-right: 12px; color: ");
  inputLabel = makeLabel(this, QString(), points, answerBox + QStringLiteral("black;"),
                         Qt::AlignRight | Qt::AlignVCenter);
  place(inputLabel, 10500, 4000, 4300, 2200);

  seitouLabel = makeLabel(this, QString(), 72, answerBox + QStringLiteral("rgb(200, 0, 0);"),
                          Qt::AlignRight | Qt::AlignVCenter);
  place(seitouLabel, 10500, 6400, 4300, 1700);
  seitouLabel->hide();

  Commandkakunin2 = makeLabel(this, QStringLiteral("\"+\"を２回押しなさい"), 32,
                              QStringLiteral("color: black; background-color: rgb(255, 255, 0);"
                                             " border: 3px solid black;"),
                              Qt::AlignCenter);
  place(Commandkakunin2, 2400, 8300, 7600, 1200);
  Commandkakunin2->hide();
  Commandkakunin = new QPushButton(QStringLiteral("確認"), this);
  Commandkakunin->setFocusPolicy(Qt::NoFocus);
  Commandkakunin->hide();
  QObject::connect(Commandkakunin, &QPushButton::clicked, this, [this] { engine_.確認(); });

  Label5 = makeLabel(this, QStringLiteral("スペースキー＝判定"), 20, kProblemStyle);
  place(Label5, 600, 10400, 6000, 700);
  Label1 = makeLabel(this, QStringLiteral("矢印キー、リターンキー＝クリア"), 20, kProblemStyle);
  place(Label1, 6800, 10400, 8200, 700);
}

void MainFrm::buildOverlay() {
  sPicture2 = new QFrame(this);
  setBackColour(sPicture2, kOverlayColour);
  lblsss1 = makeLabel(this, QStringLiteral("成績記録中"), 60, kCaptionStyle, Qt::AlignCenter);
  lblsss2 = makeLabel(this, QStringLiteral("時間切れ"), 60,
                      QStringLiteral("color: rgb(255, 120, 120); background: transparent;"),
                      Qt::AlignCenter);
  for (QLabel* label : {lblsss1, lblsss2}) place(label, 0, 4600, TwipsGeometry::kCanvasWidth, 1800);
  for (QWidget* widget : {static_cast<QWidget*>(sPicture2), static_cast<QWidget*>(lblsss1),
                          static_cast<QWidget*>(lblsss2)})
    widget->hide();
}

void MainFrm::onLoad() {
  context_.services.random.seed(context_.services.clock.secondsSinceMidnight());
  sTimer2.start();
}

void MainFrm::onActivate() {
  // The screen is made afresh for every run; showing it again must not restart the run.
  if (started_) return;
  started_ = true;
  place(sPicture2, 0, 0, TwipsGeometry::kCanvasWidth, TwipsGeometry::kCanvasHeight);
  初期設定();
  engine_.レベル別設定();
  engine_.スタート();
  engine_.問題作成表示();
}

void MainFrm::onUnload() {
  sTimer1.stop();
  sTimer2.stop();
}

void MainFrm::初期設定() {
  context_.navigator.unload(screens::kStudentMenu);
  context_.navigator.unload(screens::kCover);
  engine_.初期設定();
  fillStatusPanel();
}

void MainFrm::fillStatusPanel() {
  const AppState& s = context_.state;
  const int level = s.currentLevel;
  sLabel10->setText(QStringLiteral("0"));
  placeBarPart(sShape2, 0);
  placeBarPart(sShape3, s.passTime[level] * s.barScale);
  placeBarPart(sShape4, s.lowestTime[level] * s.barScale);

  sLabel2->setText(s.programTitle);
  setFontPoints(sLabel2, s.programTitle.size() > 9 ? 14 : 16.8);
  sLabel14->setText(s.schoolName);
  sLabel7->setText(s.currentPupilName.trimmed());
  sLabel8->setText(s.levelName[level]);
  sLabel11->setText(QString::number(roundToInt(s.todayRuns(level, s.currentPupilNo)) + 1));
  sLabel12->setText(QString::number(s.todayRunsSum + 1));
  sLabel13->setText(QString::number(engine_.minutesSinceChosen()));
}

void MainFrm::placeBarPart(QFrame* part, double width) {
  const int twips = roundToInt(std::clamp(width, 0.0, double(kBarWidth)));
  place(part, kBarLeft, kBarTop, twips, kBarHeight);
}

void MainFrm::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (isClearKey(key)) engine_.clearTyped();
  char16_t code = 0;
  if (key == Qt::Key_Backspace)
    code = DrillEngine::kBackspace;
  else if (!event->text().isEmpty())
    code = event->text().at(0).unicode();
  if (code != 0) engine_.keyPress(code);
  event->accept();
}

void MainFrm::sTimer1Tick() { engine_.clockTick(); }

void MainFrm::sTimer2Tick() { sLabel13->setText(QString::number(engine_.minutesSinceChosen())); }

void MainFrm::finishRun() {
  repaintNow();
  if (!engine_.beginFinish()) return;
  showOverlay();
  sTimer1.stop();
  engine_.fixRunTime();
  const RecordingReport recorded = recordRun(context_.state, context_.services.clock, context_.state.currentLevel);
  // Told only once the record is safe, on the share or on this computer.
  if (!recorded.message.isEmpty()) context_.services.boxes.inform(recorded.message, context_.state.programTitle);
  context_.navigator.show(screens::kCover);
  waitSeconds(1.0);
}

void MainFrm::showOverlay() {
  const bool timedOut = context_.state.timedOut == 1;
  sPicture2->show();
  sPicture2->raise();
  lblsss1->setVisible(!timedOut);
  lblsss2->setVisible(timedOut);
  lblsss1->raise();
  lblsss2->raise();
  repaintNow();
}

void MainFrm::waitSeconds(double seconds) {
  context_.services.pause.pause(roundToInt(seconds * 1000));
  context_.navigator.show(screens::kOutcome);
  context_.navigator.unload(screens::kDrill);
}

void MainFrm::showRemaining(int count) { sLabel9->setText(QString::number(count)); }

void MainFrm::showProblem(int multiplicand, int multiplier) {
  qLabel1->setText(QString::number(multiplicand));
  qlabel2->setText(QString::number(multiplier));
}

void MainFrm::clearProblem() {
  qLabel1->clear();
  qlabel2->clear();
}

void MainFrm::showTypedAnswer(const QString& text) { inputLabel->setText(text); }

void MainFrm::showRetrying(bool retrying) { setBackColour(retrying ? kRetryColour : kDrillColour); }

void MainFrm::showCorrectAnswer(int answer) {
  seitouLabel->setText(QString::number(answer));
  seitouLabel->show();
}

void MainFrm::hideCorrectAnswer() { seitouLabel->hide(); }

void MainFrm::showConfirmPrompt(bool visible) { Commandkakunin2->setVisible(visible); }

void MainFrm::showElapsed(int seconds) { sLabel10->setText(QString::number(seconds)); }

void MainFrm::showElapsedBar(double width) { placeBarPart(sShape2, width); }

void MainFrm::repaintNow() { repaint(); }

void MainFrm::playCorrectCue() { context_.cues().playCorrectCue(); }
void MainFrm::playWrongCue() { context_.cues().playWrongCue(); }
void MainFrm::playWarningCue() { context_.cues().playWarningCue(); }

void MainFrm::startDrillClock() { sTimer1.start(); }
void MainFrm::stopDrillClock() { sTimer1.stop(); }
