#include "menu/seisekitime1.h"

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
#include "core/tallies.h"
#include "menu/availability.h"
#include "menu/clickable_label.h"
#include "menu/column_layout.h"
#include "menu/level_cells.h"
#include "menu/start_keys.h"
#include "platform/clock.h"
#include "platform/fonts.h"
#include "platform/message_boxes.h"
#include "platform/navigator.h"
#include "platform/pause.h"

namespace {
constexpr int kCanvasWidth = TwipsGeometry::kCanvasWidth;
constexpr int kCanvasHeight = TwipsGeometry::kCanvasHeight;

// The heading over the level lists; the columns start just below it.
constexpr int kHeadingTop = 1900;
constexpr int kHeadingHeight = 380;
constexpr int kScrollBarTop = 10300;
constexpr int kScrollBarHeight = 320;

// The rows of a level column, top to bottom: number and name, start button, headings, today and
// all-time counts, recent window, result list, goal.
enum Row { kNameRow, kStartRow, kHeadingRow, kCountsRow, kRecentRow, kListRow, kGoalRow, kRowCount };
constexpr std::array<int, kRowCount> kRowHeights = {420, 520, 330, 330, 330, 5500, 360};

int rowTop(int row) {
  int top = kHeadingTop + kHeadingHeight * 105 / 100;
  for (int r = 0; r < row; ++r) top += kRowHeights[r];
  return top;
}

const QColor kGoalGrey(224, 224, 224);
const QString kStartToolTip = QStringLiteral("クリックしてスタートします。番号を押してもよろしい");
const QString kBanned = QStringLiteral("やりすぎ禁止");
const QString kWaitText = QStringLiteral("Just a moment, please.");

QLabel* boxedLabel(QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setFrameShape(QFrame::Box);
  label->setAlignment(Qt::AlignCenter);
  return label;
}

QFrame* panel(QWidget* parent) {
  auto* frame = new QFrame(parent);
  frame->setFrameShape(QFrame::Box);
  frame->setAutoFillBackground(true);
  return frame;
}
}  // namespace

seisekitime1::seisekitime1(AppContext& context) : Screen(screens::kStudentMenu), context_(context) {
  setWindowTitle(QStringLiteral("hoshida"));
  setFont(japaneseFont());
  setFontPoints(this, 10);
  buildHeader();
  buildViewControls();
  buildTemplates();
  buildCovers();
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

void seisekitime1::buildViewControls() {
  const QStringList modeCaptions = {QStringLiteral("ﾀｲﾑ表示"), QStringLiteral("ﾎﾟｲﾝﾄ表示"),
                                    QStringLiteral("個人ﾀｲﾑ")};
  for (int m = 0; m < 3; ++m) {
    Option2[m] = new QRadioButton(modeCaptions[m], this);
    place(Option2[m], 307 + m * 1400, 1300, 1350, 420);
    QObject::connect(Option2[m], &QRadioButton::clicked, this, [this, m] { displayModeChanged(m); });
  }

  // The order buttons sit in a panel of their own so that they form one exclusive group.
  Picture1 = new QFrame(this);
  place(Picture1, 4600, 1300, 5300, 420);
  auto* orderRow = new QHBoxLayout(Picture1);
  orderRow->setContentsMargins(0, 0, 0, 0);
  const QStringList orderCaptions = {QStringLiteral("BEST表示"), QStringLiteral("本日のみ"),
                                     QStringLiteral("オール表示")};
  for (int k = 1; k <= 3; ++k) {
    Option1[k] = new QRadioButton(orderCaptions[k - 1], Picture1);
    orderRow->addWidget(Option1[k]);
    QObject::connect(Option1[k], &QRadioButton::clicked, this, [this, k] { orderChanged(k); });
  }

  Combo1 = new QComboBox(this);
  Combo1->setToolTip(QStringLiteral("表示する学年を選びます"));
  place(Combo1, 10100, 1300, 1800, 420);
  QObject::connect(Combo1, &QComboBox::activated, this,
                   [this] { displayModeChanged(Option2[0]->isChecked() ? 0 : 1); });
  Combo2 = new QComboBox(this);
  place(Combo2, 12000, 1300, 3050, 420);
  QObject::connect(Combo2, &QComboBox::activated, this, [this](int position) {
    if (!Option1[3]->isChecked() || position < 0) return;
    context_.state.allResultsPeriod = position + 1;
    orderChanged(3);
  });

  Command17 = new QPushButton(QStringLiteral("グラフ"), this);
  place(Command17, 13300, 1800, 1750, 420);
  Command17->hide();

  HScroll1 = new QScrollBar(Qt::Horizontal, this);
  HScroll1->setMinimum(1);
  HScroll1->setMaximum(1);
  place(HScroll1, kColumnsLeft, kScrollBarTop, 4 * kScrolledColumnWidth, kScrollBarHeight);
  HScroll1->hide();
  QObject::connect(HScroll1, &QScrollBar::valueChanged, this, [this](int value) { scrollChanged(value); });

  Text4 = new QLineEdit(this);
  Text4->hide();
  setBackColour(Text4, QColor(0, 192, 0));
  Text5 = new QLineEdit(this);
  Text5->hide();
  setBackColour(Text5, QColor(192, 255, 192));
}

void seisekitime1::buildTemplates() {
  Label1 = {boxedLabel(this)};
  Label3 = {new ClickableLabel(this)};
  Command4 = {new QPushButton(this)};
  Text1 = {new QLineEdit(this)};
  Label9 = {boxedLabel(this)};
  Label10 = {boxedLabel(this)};
  Label14 = {boxedLabel(this)};
  Label15 = {boxedLabel(this)};
  Label8 = {boxedLabel(this)};
  List5 = {new QListWidget(this)};
  Label7 = {boxedLabel(this)};
  Command3 = {new QPushButton(this)};

  Label3[0]->setFrameShape(QFrame::Box);
  Label3[0]->setAlignment(Qt::AlignCenter);
  setFontPoints(Label3[0], 11);
  Command4[0]->setToolTip(kStartToolTip);
  setFontPoints(Command4[0], 11);
  Text1[0]->setReadOnly(true);
  Text1[0]->setFocusPolicy(Qt::NoFocus);
  Text1[0]->setAlignment(Qt::AlignCenter);
  setFontPoints(Text1[0], 11);
  QPalette warning = Text1[0]->palette();
  warning.setColor(QPalette::Text, QColor(192, 0, 0));
  Text1[0]->setPalette(warning);
  List5[0]->setFont(fixedPitchJapaneseFont());
  setFontPoints(List5[0], 10);
  setFontPoints(Label7[0], 9);
  setFontPoints(Label8[0], 9);
  for (QWidget* control : {static_cast<QWidget*>(Label1[0]), static_cast<QWidget*>(Label3[0]),
                           static_cast<QWidget*>(Command4[0]), static_cast<QWidget*>(Text1[0]),
                           static_cast<QWidget*>(Label9[0]), static_cast<QWidget*>(Label10[0]),
                           static_cast<QWidget*>(Label14[0]), static_cast<QWidget*>(Label15[0]),
                           static_cast<QWidget*>(Label8[0]), static_cast<QWidget*>(List5[0]),
                           static_cast<QWidget*>(Label7[0]), static_cast<QWidget*>(Command3[0])})
    control->hide();
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

  Picture11 = panel(this);
  place(Picture11, 0, kHeadingTop, kCanvasWidth, kScrollBarTop - kHeadingTop);
  Picture11->hide();

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
  Command12 = new QPushButton(QStringLiteral("戻る"), Picture7);
  for (QWidget* control : {static_cast<QWidget*>(Label28), static_cast<QWidget*>(Text3),
                           static_cast<QWidget*>(Command10[0]), static_cast<QWidget*>(Command10[1]),
                           static_cast<QWidget*>(Command12)}) {
    setFontPoints(control, 12);
    column->addWidget(control);
  }
  for (int index = 0; index < 2; ++index)
    QObject::connect(Command10[index], &QPushButton::clicked, this, [this, index] { checkPassword(index); });
  QObject::connect(Command12, &QPushButton::clicked, this, [this] { closeTeacherPanel(); });
  Picture7->hide();
}

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
}

void seisekitime1::addColumn(int level) {
  Label1.push_back(boxedLabel(this));
  auto* name = new ClickableLabel(this);
  name->setFrameShape(Label3[0]->frameShape());
  name->setAlignment(Label3[0]->alignment());
  Label3.push_back(name);
  auto* start = new QPushButton(this);
  start->setToolTip(Command4[0]->toolTip());
  Command4.push_back(start);
  auto* banned = new QLineEdit(this);
  banned->setReadOnly(true);
  banned->setFocusPolicy(Qt::NoFocus);
  banned->setAlignment(Qt::AlignCenter);
  banned->setPalette(Text1[0]->palette());
  Text1.push_back(banned);
  Label9.push_back(boxedLabel(this));
  Label10.push_back(boxedLabel(this));
  Label14.push_back(boxedLabel(this));
  Label15.push_back(boxedLabel(this));
  Label8.push_back(boxedLabel(this));
  auto* list = new QListWidget(this);
  list->setFont(List5[0]->font());
  List5.push_back(list);
  Label7.push_back(boxedLabel(this));
  auto* ranking = new QPushButton(this);
  ranking->hide();
  Command3.push_back(ranking);

  setFontPoints(name, 11);
  setFontPoints(start, 11);
  setFontPoints(banned, 11);
  setFontPoints(list, 10);
  setFontPoints(Label7[level], 9);
  setFontPoints(Label8[level], 9);

  placeColumn(level, kColumnsLeft + (level - 1) * columnWidth_);
  fillColumn(level);
  for (QWidget* control : {static_cast<QWidget*>(Label1[level]), static_cast<QWidget*>(name),
                           static_cast<QWidget*>(start), static_cast<QWidget*>(Label9[level]),
                           static_cast<QWidget*>(Label10[level]), static_cast<QWidget*>(Label14[level]),
                           static_cast<QWidget*>(Label15[level]), static_cast<QWidget*>(Label8[level]),
                           static_cast<QWidget*>(list), static_cast<QWidget*>(Label7[level])})
    control->show();
  banned->hide();
  list->raise();

  QObject::connect(start, &QPushButton::clicked, this, [this, level] { startLevel(level); });
  QObject::connect(name, &ClickableLabel::clicked, this, [this, level] { startLevelByName(level); });
}

void seisekitime1::placeColumn(int level, int left) {
  auto width = [this](QWidget* templateControl) { return placement(templateControl).width(); };
  auto at = [this](QWidget* control, QWidget* templateControl, int x) {
    const QRect t = placement(templateControl);
    place(control, x, t.top(), t.width(), t.height());
  };
  at(List5[level], List5[0], left);
  at(Command4[level], Command4[0], left);
  at(Text1[level], Text1[0], left);
  at(Label1[level], Label1[0], left);
  at(Label7[level], Label7[0], left);
  at(Label8[level], Label8[0], left);
  at(Label9[level], Label9[0], left);
  at(Label14[level], Label14[0], left);
  at(Label3[level], Label3[0], left + width(Label1[0]));
  at(Label10[level], Label10[0], left + width(Label9[0]));
  at(Label15[level], Label15[0], left + width(Label14[0]));
}

void seisekitime1::fillColumn(int level) {
  const AppState& state = context_.state;
  Label1[level]->setText(QString::number(level));
  Label3[level]->setText(state.levelName[level]);
  Label3[level]->setToolTip(state.levelName[level]);
  Command4[level]->setText(QStringLiteral("ｽﾀｰﾄ(&%1)").arg(level));
  // Two buttons can share an accelerator digit; the key handler decides which one it starts.
  Command4[level]->setShortcut(QKeySequence());
  Label9[level]->setText(QString::number(level));
  Label10[level]->setText(QString::number(level));
  Label14[level]->clear();
  Label15[level]->clear();
  Label8[level]->setText(recentWindowText(state, level, state.currentPupilNo));
  Label7[level]->setText(goalText(state, level));
}

void seisekitime1::onActivate() {
  AppState& state = context_.state;
  Command8->setVisible(isTeacherName(state.currentPupilName));
  Label17->setText(QStringLiteral("起動後%1分").arg(minutesSinceNameChosen(
                       context_.services.clock.secondsSinceMidnight(), state.nameChosenSecond)));
  menuReady = 0;
  Picture2->raise();
  Picture2->show();
  letEventsRun();
  Option1[1]->setText(QStringLiteral("累計順"));
  Option1[2]->setText(QStringLiteral("本日順"));

  context_.navigator.unload(screens::kNameSelection);
  recountTallies(state, context_.services.clock, context_.services.pause);
  state.todayRunsSum = todayRunsSum(state, state.currentPupilNo);
  Label18->setText(QStringLiteral("本日総回数＝%1回").arg(state.todayRunsSum));
  ProgressBar1->setMaximum(state.levelCount);

  displayMode = 2;
  activating = 1;
  if (!Option1[1]->isChecked()) {
    Option1[1]->setChecked(true);
    finishView();
  }
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

void seisekitime1::refreshCounts() {
  const AppState& state = context_.state;
  const int pupil = state.currentPupilNo;
  for (std::size_t i = 1; i < Command4.size(); ++i) {
    const int level = int(i);
    setBackColour(Label7[level], kGoalGrey);
    setBackColour(Label8[level], kGoalGrey);
    Command4[level]->setEnabled(true);
    Label15[level]->setText(allTimeCell(state, level, pupil));
    Label14[level]->setText(todayCell(state, level, pupil));
    // Refreshed with the other counts so that it includes the run just finished.
    Label8[level]->setText(recentWindowText(state, level, pupil));
  }
}

void seisekitime1::layOutColumns(int scrollPos) {
  for (std::size_t level = 1; level < List5.size(); ++level)
    placeColumn(int(level), columnLeft(int(level), scrollPos, placement(List5[0]).width()));
}

void seisekitime1::scrollChanged(int value) {
  AppState& state = context_.state;
  state.menuScrollPos = value > state.levelCount ? 1 : value;
  layOutColumns(state.menuScrollPos);
}

void seisekitime1::applyAvailability() {
  AppState& state = context_.state;
  const LevelAvailability availability = levelAvailability(state, state.currentPupilNo);
  state.finalQuotaMet = Value(availability.finalQuotaMet ? 1 : 0);
  for (std::size_t level = 1; level < Command4.size(); ++level) {
    const bool banned = level < availability.banned.size() && availability.banned[level];
    Command4[level]->setEnabled(!banned);
    if (banned) {
      Text1[level]->setText(kBanned);
      Text1[level]->raise();
      Text1[level]->show();
    } else {
      Text1[level]->hide();
    }
  }
  Picture6->raise();
}

void seisekitime1::回数など表示() {
  for (std::size_t level = 1; level < List5.size(); ++level) {
    Label9[level]->setText(QStringLiteral("今日"));
    Label10[level]->setText(QStringLiteral("今まで"));
    List5[level]->clear();
  }
}

void seisekitime1::成績リスト色表示() {
  const AppState& state = context_.state;
  for (std::size_t i = 1; i < List5.size(); ++i) {
    const int level = int(i);
    QListWidget* list = List5[level];
    if (list->count() == 0) continue;
    if (displayMode == 1) {
      QStringList entries;
      for (int row = 0; row < list->count(); ++row) entries.append(list->item(row)->text());
      const auto colour = timesListColour(entries, state.passTime[level], state.lowestTime[level],
                                          Text4->palette().color(QPalette::Base),
                                          Text5->palette().color(QPalette::Base));
      if (colour) setBackColour(list, *colour);
    }
    成績リスト色表示単独(level);
  }
}

void seisekitime1::成績リスト色表示単独(int level) {
  QListWidget* list = List5.at(level);
  if (list->count() == 0) return;
  list->setCurrentRow(-1);
  list->clearSelection();
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

void seisekitime1::showLevelLists(bool shown) {
  for (std::size_t level = 1; level < List5.size(); ++level) List5[level]->setVisible(shown);
}

void seisekitime1::coverLevelArea() {
  Command1->setEnabled(false);
  for (std::size_t level = 1; level < Command4.size(); ++level) Command4[level]->setEnabled(false);
  showLevelLists(false);
  Picture6->show();
}

void seisekitime1::finishView() {
  // Every view heads the columns with 今日 and 今まで before it fills the level lists.
  回数など表示();
  Command1->setEnabled(true);
  applyAvailability();
  showLevelLists(true);
  Picture6->hide();
}

void seisekitime1::displayModeChanged(int index) {
  Command17->hide();
  Picture11->hide();
  coverLevelArea();
  letEventsRun();
  if (activating == 1) return;
  switch (index) {
    case 0:
      Option1[1]->setText(QStringLiteral("BEST表示"));
      Option1[2]->setText(QStringLiteral("本日のみ"));
      Option1[3]->setEnabled(true);
      displayMode = 1;
      for (int k = 1; k <= 3; ++k)
        if (Option1[k]->isChecked()) return orderChanged(k);
      break;
    case 1:
      Combo2->hide();
      Option1[1]->setText(QStringLiteral("合計累計"));
      Option1[2]->setText(QStringLiteral("合計本日"));
      Option1[3]->setText(QStringLiteral("すべて"));
      Option1[3]->setEnabled(true);
      displayMode = 2;
      letEventsRun();
      for (int k : {1, 3, 2})
        if (Option1[k]->isChecked()) return orderChanged(k);
      break;
    default:
      Command17->show();
      Combo2->hide();
      break;
  }
  // No view ran: give the screen back as a view's end would.
  finishView();
}

void seisekitime1::orderChanged(int index) {
  coverLevelArea();
  Combo2->hide();
  Picture1->setEnabled(false);
  letEventsRun();
  if (displayMode == 0) displayMode = 1;
  if (displayMode == 2) {
    if (pointsOrder == 0) pointsOrder = 1;
    if (index == 1) {
      pointsOrder = 1;
      Label5->setText(QStringLiteral("獲得ポイント（今まで順位）"));
    } else if (index == 2) {
      pointsOrder = 2;
      Label5->setText(QStringLiteral("獲得ポイント（今日の順位）"));
    }
  }
  // The lists stay empty until the results views fill them; the all-results choice brings its
  // period selector back as that view does.
  if (index == 3) Combo2->show();
  Picture1->setEnabled(true);
  finishView();
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
  context_.navigator.show(index == 0 ? screens::kRecordsBrowser : screens::kCriteriaEditor);
  context_.navigator.unload(screens::kStudentMenu);
}

void seisekitime1::closeTeacherPanel() { Picture7->hide(); }
