#include "menu/seisekitime1.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegion>
#include <QResizeEvent>

#include "core/app_state.h"
#include "menu/availability.h"
#include "menu/clickable_label.h"
#include "menu/column_layout.h"
#include "menu/level_list.h"
#include "menu/level_cells.h"
#include "menu/menu_geometry.h"
#include "platform/fonts.h"

// The level columns of the student menu: their controls, their places, their counts and lists.

using namespace menu_geometry;

namespace {
const QColor kGoalGrey(224, 224, 224);
const QString kStartToolTip = QStringLiteral("クリックしてスタートします。番号を押してもよろしい");
const QString kBanned = QStringLiteral("やりすぎ禁止");
}  // namespace

void seisekitime1::buildTemplates() {
  // The columns live in an area of their own, masked to the canvas: columns scrolled past either
  // edge must not show in the margins of a screen wider than the canvas.
  columnArea_ = new QWidget(this);
  Label1 = {boxedLabel(columnArea_)};
  Label3 = {new ClickableLabel(columnArea_)};
  Command4 = {new QPushButton(columnArea_)};
  Text1 = {new QLineEdit(columnArea_)};
  Label9 = {boxedLabel(columnArea_)};
  Label10 = {boxedLabel(columnArea_)};
  Label14 = {boxedLabel(columnArea_)};
  Label15 = {boxedLabel(columnArea_)};
  Label8 = {boxedLabel(columnArea_)};
  List5 = {new LevelList(columnArea_)};
  Label7 = {boxedLabel(columnArea_)};
  Command3 = {new QPushButton(columnArea_)};

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

void seisekitime1::addColumn(int level) {
  Label1.push_back(boxedLabel(columnArea_));
  auto* name = new ClickableLabel(columnArea_);
  name->setFrameShape(Label3[0]->frameShape());
  name->setAlignment(Label3[0]->alignment());
  Label3.push_back(name);
  auto* start = new QPushButton(columnArea_);
  start->setToolTip(Command4[0]->toolTip());
  Command4.push_back(start);
  auto* banned = new QLineEdit(columnArea_);
  banned->setReadOnly(true);
  banned->setFocusPolicy(Qt::NoFocus);
  banned->setAlignment(Qt::AlignCenter);
  banned->setPalette(Text1[0]->palette());
  Text1.push_back(banned);
  Label9.push_back(boxedLabel(columnArea_));
  Label10.push_back(boxedLabel(columnArea_));
  Label14.push_back(boxedLabel(columnArea_));
  Label15.push_back(boxedLabel(columnArea_));
  Label8.push_back(boxedLabel(columnArea_));
  auto* list = new LevelList(columnArea_);
  list->setFont(List5[0]->font());
  List5.push_back(list);
  Label7.push_back(boxedLabel(columnArea_));
  auto* ranking = new QPushButton(columnArea_);
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
  QObject::connect(ranking, &QPushButton::clicked, this, [this, level] { Command3_Click(level); });
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
  applyLevelListVisibility();
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

void seisekitime1::fillLevelLists(const std::vector<QStringList>& lines) {
  for (std::size_t level = 1; level < List5.size() && level < lines.size(); ++level)
    fillLevelList(int(level), lines[level]);
}

void seisekitime1::fillLevelList(int level, const QStringList& lines) {
  LevelList* list = List5.at(std::size_t(level));
  list->setLines(lines);
  // A new view starts at its first line, wherever the previous one was scrolled to.
  list->scrollToTop();
}

void seisekitime1::clipColumnsToCanvas() {
  columnArea_->setGeometry(rect());
  const QRect columns(0, rowTop(kNameRow), kCanvasWidth, rowTop(kRowCount) - rowTop(kNameRow));
  columnArea_->setMask(QRegion(geometryScale().toPixels(columns)));
}

void seisekitime1::resizeEvent(QResizeEvent* event) {
  Screen::resizeEvent(event);
  clipColumnsToCanvas();
}

void seisekitime1::成績リスト色表示() {
  const AppState& state = context_.state;
  for (std::size_t i = 1; i < List5.size(); ++i) {
    const int level = int(i);
    LevelList* list = List5[level];
    if (list->count() == 0) continue;
    if (displayMode == 1) {
      const auto colour = timesListColour(list->lines(), state.passTime[level], state.lowestTime[level],
                                          Text4->palette().color(QPalette::Base),
                                          Text5->palette().color(QPalette::Base));
      if (colour) setBackColour(list, *colour);
    }
    成績リスト色表示単独(level);
  }
}

void seisekitime1::成績リスト色表示単独(int level) {
  LevelList* list = List5.at(level);
  if (list->count() == 0) return;
  list->setCurrentRow(-1);
  list->clearSelection();
}

void seisekitime1::showLevelLists(bool shown) {
  levelListsShown_ = shown;
  applyLevelListVisibility();
}

void seisekitime1::applyLevelListVisibility() {
  // A list beyond the canvas would be clipped away whole; hidden, it is not laid out for nothing.
  for (std::size_t level = 1; level < List5.size(); ++level) {
    const QRect at = placement(List5[level]);
    const bool onCanvas = at.left() < kCanvasWidth && at.left() + at.width() > 0;
    List5[level]->setVisible(levelListsShown_ && onCanvas);
  }
}
