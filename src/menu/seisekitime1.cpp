#include "menu/seisekitime1.h"

#include <algorithm>

#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "core/app_state.h"
#include "core/minutes_since.h"
#include "core/level_catalogue.h"
#include "core/screen_names.h"
#include "core/results_file.h"
#include "core/tallies.h"
#include "menu/availability.h"
#include "menu/chart_panel.h"
#include "menu/clickable_label.h"
#include "menu/column_layout.h"
#include "menu/level_list.h"
#include "menu/level_cells.h"
#include "menu/menu_geometry.h"
#include "menu/ranking_memo.h"
#include "menu/start_keys.h"
#include "platform/clock.h"
#include "platform/fonts.h"
#include "platform/message_boxes.h"
#include "platform/navigator.h"
#include "platform/paint_hold.h"
#include "platform/pause.h"

using namespace menu_geometry;

namespace {
const QString kWaitText = QStringLiteral("Just a moment, please.");
}  // namespace

seisekitime1::seisekitime1(AppContext& context, RankingMemo* rankings)
    : Screen(screens::kStudentMenu),
      context_(context),
      ownRankings_(rankings ? nullptr : std::make_unique<RankingMemo>()),
      rankings_(rankings ? *rankings : *ownRankings_) {
  setWindowTitle(QStringLiteral("hoshida"));
  setFont(japaneseFont());
  setFontPoints(this, 10);
  buildHeader();
  buildViewControls();
  buildTemplates();
  buildCovers();
  buildChartPanel();
  buildTeacherPanel();
}

void seisekitime1::buildHeader() {
  Label11 = new QLabel(this);
  place(Label11, 307, 100, 5200, 850);
  Label12 = new QLabel(this);
  place(Label12, 5700, 120, 4200, 600);
  setFontPoints(Label12, 18);
  Label13 = new QLabel(this);
  place(Label13, 5700, 760, 4200, 380);
  Label17 = new QLabel(this);
  place(Label17, 10100, 150, 2600, 380);
  Label18 = new QLabel(this);
  place(Label18, 10100, 600, 2600, 380);
  waitingLabel = new QLabel(this);
  place(waitingLabel, 10100, 1050, 3100, 380);
  waitingLabel->setStyleSheet(QStringLiteral("color: rgb(160, 40, 0);"));
  waitingLabel->hide();
  Label5 = new QLabel(QStringLiteral("ベスト成績"), this);
  place(Label5, 307, kHeadingTop, 9000, kHeadingHeight);
  setFontPoints(Label5, 12);

  Command1 = new QPushButton(QStringLiteral("戻る(0)"), this);
  place(Command1, 13300, 150, 1750, 700);
  setFontPoints(Command1, 12);
  QObject::connect(Command1, &QPushButton::clicked, this, [this] { goBack(); });
  Command8 = new QPushButton(QStringLiteral("データ処理"), this);
  place(Command8, 13300, 950, 1750, 450);
  Command8->hide();
  QObject::connect(Command8, &QPushButton::clicked, this, [this] { openTeacherPanel(); });
}

void seisekitime1::buildCovers() {
  Picture6 = panel(this);
  auto* areaLayout = new QVBoxLayout(Picture6);
  Label21 = new QLabel(QStringLiteral("Just a momento, please."), Picture6);
  Label21->setAlignment(Qt::AlignCenter);
  setFontPoints(Label21, 20);
  ProgressBar2 = new QProgressBar(Picture6);
  areaLayout->addStretch();
  areaLayout->addWidget(Label21);
  areaLayout->addWidget(ProgressBar2);
  areaLayout->addStretch();
  Picture6->hide();

  Picture2 = panel(this);
  auto* coverLayout = new QVBoxLayout(Picture2);
  Label19 = new QLabel(kWaitText, Picture2);
  Label19->setAlignment(Qt::AlignCenter);
  setFontPoints(Label19, 28);
  ProgressBar1 = new QProgressBar(Picture2);
  coverLayout->addStretch();
  coverLayout->addWidget(Label19);
  coverLayout->addWidget(ProgressBar1);
  coverLayout->addStretch();
}

void seisekitime1::buildTeacherPanel() {
  Picture7 = panel(this);
  place(Picture7, 4680, 3000, 6000, 4200);
  auto* column = new QVBoxLayout(Picture7);
  Label28 = new QLabel(QStringLiteral("データ変更パスワード"), Picture7);
  Text3 = new QLineEdit(Picture7);
  Text3->setEchoMode(QLineEdit::Password);
  Text3->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));
  Command10[0] = new QPushButton(QStringLiteral("データ変更"), Picture7);
  Command10[1] = new QPushButton(QStringLiteral("合格タイムデータ変更"), Picture7);
  Command10[2] = new QPushButton(QStringLiteral("苦手マップ"), Picture7);
  Command12 = new QPushButton(QStringLiteral("戻る"), Picture7);
  for (QWidget* control : {static_cast<QWidget*>(Label28), static_cast<QWidget*>(Text3),
                           static_cast<QWidget*>(Command10[0]), static_cast<QWidget*>(Command10[1]),
                           static_cast<QWidget*>(Command10[2]), static_cast<QWidget*>(Command12)}) {
    setFontPoints(control, 12);
    column->addWidget(control);
  }
  for (int index = 0; index < int(Command10.size()); ++index)
    QObject::connect(Command10[index], &QPushButton::clicked, this, [this, index] { checkPassword(index); });
  QObject::connect(Command12, &QPushButton::clicked, this, [this] { closeTeacherPanel(); });
  Picture7->hide();
}

seisekitime1::~seisekitime1() = default;

void seisekitime1::onLoad() {
  AppState& state = context_.state;
  state.allResultsPeriod = 3;
  if (state.screenBackColour.isValid()) {
    setBackColour(state.screenBackColour);
    setBackColour(Picture2, state.screenBackColour);
  }
  place(Picture2, 0, 0, kCanvasWidth, kCanvasHeight);

  const ColumnLayout layout = columnLayoutFor(state.levelCount);
  columnWidth_ = layout.columnWidth;
  if (layout.scrolls) {
    HScroll1->setMaximum(layout.scrollMaximum);
    HScroll1->show();
  }

  const int nameNumberWidth = columnWidth_ / 5;
  const int half = columnWidth_ / 2;
  place(Label1[0], kColumnsLeft, rowTop(kNameRow), nameNumberWidth, kRowHeights[kNameRow]);
  place(Label3[0], kColumnsLeft + nameNumberWidth, rowTop(kNameRow), columnWidth_ - nameNumberWidth,
        kRowHeights[kNameRow]);
  for (QWidget* full : {static_cast<QWidget*>(Command4[0]), static_cast<QWidget*>(Text1[0])})
    place(full, kColumnsLeft, rowTop(kStartRow), columnWidth_, kRowHeights[kStartRow]);
  place(Label9[0], kColumnsLeft, rowTop(kHeadingRow), half, kRowHeights[kHeadingRow]);
  place(Label10[0], kColumnsLeft + half, rowTop(kHeadingRow), half, kRowHeights[kHeadingRow]);
  place(Label14[0], kColumnsLeft, rowTop(kCountsRow), half, kRowHeights[kCountsRow]);
  place(Label15[0], kColumnsLeft + half, rowTop(kCountsRow), half, kRowHeights[kCountsRow]);
  place(Label8[0], kColumnsLeft, rowTop(kRecentRow), columnWidth_, kRowHeights[kRecentRow]);
  place(List5[0], kColumnsLeft, rowTop(kListRow), columnWidth_, kRowHeights[kListRow]);
  place(Label7[0], kColumnsLeft, rowTop(kGoalRow), columnWidth_, kRowHeights[kGoalRow]);

  Combo1->addItems({QStringLiteral("全学年"), QStringLiteral("中学生全体"), QStringLiteral("小学生全体"),
                    QStringLiteral("中３"), QStringLiteral("中２"), QStringLiteral("中１"),
                    QStringLiteral("小６"), QStringLiteral("小５"), QStringLiteral("小４"),
                    QStringLiteral("小３"), QStringLiteral("小２"), QStringLiteral("小１")});
  Combo1->setPlaceholderText(state.gradeFilterText);
  Combo1->setCurrentIndex(Combo1->findText(state.gradeFilterText));
  Combo2->addItems({QStringLiteral("　　　今週の全成績"), QStringLiteral("　　先週からの全成績"),
                    QStringLiteral("　　１ヶ月間の全成績"), QStringLiteral("　　１年間の全成績"),
                    QStringLiteral("　　今までの全成績\"")});
  Combo2->setCurrentIndex(2);
  letEventsRun();

  for (int level = 1; level <= state.levelCount; ++level) addColumn(level);

  Picture2->raise();
  place(Picture6, 0, kHeadingTop, kCanvasWidth, kScrollBarTop - kHeadingTop);

  // The screen sees every key first, as a pupil may type a level's key with any control focused;
  // the password box keeps its digits.
  for (QWidget* control : findChildren<QWidget*>())
    if (control != Text3) control->installEventFilter(this);
  clipColumnsToCanvas();
}

void seisekitime1::onActivate() {
  // A quick activation shows the pupil the finished menu, not its cover and every step between.
  const PaintHold hold(this);
  AppState& state = context_.state;
  Command8->setVisible(isTeacherName(state.currentPupilName));
  Picture11->Command24[1]->setVisible(isTeacherName(state.currentPupilName));
  Label17->setText(QStringLiteral("起動後%1分").arg(minutesSinceNameChosen(
                       context_.services.clock.secondsSinceMidnight(), state.nameChosenSecond)));
  menuReady = 0;
  Picture2->raise();
  Picture2->show();
  letEventsRun();
  Option1[1]->setText(QStringLiteral("累計順"));
  Option1[2]->setText(QStringLiteral("本日順"));

  context_.navigator.unload(screens::kNameSelection);
  const QString deliveryNotice = deliverWaitingResults(state);
  if (!deliveryNotice.isEmpty()) context_.services.boxes.inform(deliveryNotice, state.programTitle);
  const qint64 waiting = waitingResultsCount(state);
  waitingLabel->setText(QStringLiteral("送信待ちの記録：%1件").arg(waiting));
  waitingLabel->setVisible(waiting > 0);
  recountTallies(state, context_.services.clock, context_.services.pause);
  state.todayRunsSum = todayRunsSum(state, state.currentPupilNo);
  Label18->setText(QStringLiteral("本日総回数＝%1回").arg(state.todayRunsSum));
  ProgressBar1->setMaximum(state.levelCount);

  displayMode = 2;
  activating = 1;
  // The cumulative points ranking runs at every activation, so that after a run the pupil sees
  // where they stand.
  Option1[1]->setChecked(true);
  orderChanged(1);
  displayModeChanged(1);
  Option2[1]->setChecked(true);
  Command1->setEnabled(true);
  activating = 0;
  showLevelLists(true);
  Picture6->hide();

  Label12->setText(state.currentPupilGrade + u' ' + state.currentPupilName.trimmed());
  Label13->setText(state.schoolName + u':' + QString::number(state.currentPupilNo));
  setFontPoints(Label11, state.programTitle.size() > 9 ? 20 : 24);
  Label11->setText(state.programTitle);

  if (state.menuScrollPos == 0 || state.menuScrollPos > HScroll1->maximum()) state.menuScrollPos = 1;
  {
    const QSignalBlocker quiet(HScroll1);
    HScroll1->setValue(state.menuScrollPos);
  }
  layOutColumns(state.menuScrollPos);
  letEventsRun();

  refreshCounts();
  for (std::size_t level = 1; level < Command4.size(); ++level) Command4[level]->setEnabled(false);
  applyAvailability();

  Picture2->hide();
  ProgressBar1->hide();
  letEventsRun();
  menuReady = 1;
}

bool seisekitime1::mayStart(int level) const {
  return menuReady == 1 && Picture7->isHidden() && level >= 1 && level < int(Command4.size()) &&
         Command4[level]->isEnabled();
}

void seisekitime1::startLevel(int level) {
  if (!mayStart(level)) return;
  Picture2->raise();
  Picture2->show();
  context_.state.currentLevel = level;
  // Cleared before events run, so that a key typed meanwhile cannot start a second run.
  menuReady = 0;
  letEventsRun();
  startRun(context_);
}

void seisekitime1::startLevelByName(int level) {
  if (!mayStart(level)) return;
  context_.state.currentLevel = level;
  menuReady = 0;
  startRun(context_);
  context_.navigator.unload(screens::kStudentMenu);
}

void seisekitime1::startByAccelerator(int digit) {
  const int scrollPos = context_.state.menuScrollPos;
  const int columnWidth = columnWidth_;
  const int level = acceleratorLevel(
      digit, int(Command4.size()) - 1, [this](int l) { return Command4[l]->isEnabled(); },
      [scrollPos, columnWidth](int l) { return columnFullyShown(l, scrollPos, columnWidth); });
  if (level != 0) startLevel(level);
}

bool seisekitime1::handleKey(QKeyEvent* event) {
  if (menuReady == 0) return false;
  const Qt::KeyboardModifiers modifiers = event->modifiers();
  if (modifiers & (Qt::ControlModifier | Qt::MetaModifier)) return false;
  if (modifiers & Qt::AltModifier) {
    if (event->key() < Qt::Key_1 || event->key() > Qt::Key_9) return false;
    startByAccelerator(event->key() - Qt::Key_0);
    return true;
  }
  const MenuKey key = menuKeyFor(event->text(), int(Command4.size()) - 1);
  switch (key.action) {
    case MenuKey::Action::None:
      return false;
    case MenuKey::Action::StartLevel:
      startLevel(key.level);
      return true;
    case MenuKey::Action::Back:
      if (Command1->isEnabled()) goBack();
      return true;
  }
  return false;
}

bool seisekitime1::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride) {
    // Alt with a digit is a start button's accelerator; no other shortcut may take it.
    const auto* key = static_cast<QKeyEvent*>(event);
    if ((key->modifiers() & Qt::AltModifier) && key->key() >= Qt::Key_1 && key->key() <= Qt::Key_9) {
      event->accept();
      return true;
    }
  }
  if (event->type() == QEvent::KeyPress && handleKey(static_cast<QKeyEvent*>(event))) return true;
  return Screen::eventFilter(watched, event);
}

void seisekitime1::keyPressEvent(QKeyEvent* event) {
  if (!handleKey(event)) Screen::keyPressEvent(event);
}

void seisekitime1::goBack() {
  Picture2->raise();
  Picture2->show();
  letEventsRun();
  context_.navigator.show(screens::kNameSelection);
  letEventsRun();
}

void seisekitime1::openTeacherPanel() {
  Picture7->show();
  Picture7->raise();
}

void seisekitime1::checkPassword(int index) {
  const AppState& state = context_.state;
  if (Text3->text() != state.dataChangePassword.toText()) {
    context_.services.boxes.inform(QStringLiteral("パスワードを入力して下さい"), state.programTitle);
    return;
  }
  // The teacher screens show the menu again when they close, which loads it afresh.
  static const std::array<QString, 3> kTeacherScreens = {screens::kRecordsBrowser, screens::kCriteriaEditor,
                                                         screens::kFactMap};
  context_.navigator.show(kTeacherScreens[std::size_t(std::clamp(index, 0, 2))]);
  context_.navigator.unload(screens::kStudentMenu);
}

void seisekitime1::closeTeacherPanel() { Picture7->hide(); }

void seisekitime1::openFactMap() {
  // Not while a view or a run is on its way, nor behind the teacher panel.
  if (menuReady != 1 || !Picture7->isHidden()) return;
  context_.navigator.show(screens::kPupilFactMap);
}
