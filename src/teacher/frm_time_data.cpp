#include "teacher/frm_time_data.h"

#include <QFrame>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>
#include <cmath>

#include "core/app_state.h"
#include "core/criteria.h"
#include "core/results_file.h"
#include "core/screen_names.h"
#include "platform/file_error.h"
#include "platform/fonts.h"
#include "platform/message_boxes.h"
#include "platform/navigator.h"
#include "platform/pause.h"
#include "teacher/criteria_grid_edit_box.h"
#include "teacher/criteria_grid_model.h"

namespace {
constexpr int kGridLeft = 240;
constexpr int kGridTop = 1300;
constexpr int kGridWidth = 9000;
constexpr int kGridHeight = 7900;
constexpr int kShownRows = 26;  // the heading row and 25 levels without scrolling
constexpr int kPanelLeft = 9480;
constexpr int kPanelWidth = 5640;
const QString kAttention = QStringLiteral("注意");

QLabel* labelOn(QWidget* parent, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->setStyleSheet(QStringLiteral("background: transparent;"));
  return label;
}

QListWidget* chartList(QWidget* parent) {
  auto* list = new QListWidget(parent);
  list->setFont(fixedPitchJapaneseFont());
  list->setFocusPolicy(Qt::NoFocus);
  list->setSelectionMode(QAbstractItemView::NoSelection);
  list->setUniformItemSizes(true);
  return list;
}

void fill(QListWidget* list, const QStringList& lines) {
  list->setUpdatesEnabled(false);
  // The charts always have the same number of lines: rewrite them in place so the teacher's
  // scroll position stays on the classes being looked at.
  if (list->count() != lines.size()) {
    list->clear();
    list->addItems(lines);
  } else {
    for (int i = 0; i < lines.size(); ++i)
      if (list->item(i)->text() != lines[i]) list->item(i)->setText(lines[i]);
  }
  list->setUpdatesEnabled(true);
}
}  // namespace

FrmTimeData::FrmTimeData(AppContext& context) : Screen(screens::kCriteriaEditor), context_(context) {
  setFont(japaneseFont());
  setBackColour(QColor(225, 235, 245));

  Label5 = labelOn(this, QStringLiteral("成績の基準となるデータを変更できます"));
  place(Label5, kGridLeft, 150, kGridWidth, 500);
  setFontPoints(Label5, 16);
  Label2 = labelOn(this, QString());
  place(Label2, kGridLeft, 650, kGridWidth, 600);
  setFontPoints(Label2, 10);

  buildGrid();
  buildDistributionPanel();
  buildButtonsAndCover();
}

void FrmTimeData::buildGrid() {
  model_ = new CriteriaGridModel(grid_, this);
  MSFlexGrid1 = new QTableView(this);
  MSFlexGrid1->setModel(model_);
  MSFlexGrid1->horizontalHeader()->hide();
  MSFlexGrid1->verticalHeader()->hide();
  MSFlexGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  MSFlexGrid1->setSelectionMode(QAbstractItemView::NoSelection);
  MSFlexGrid1->setFocusPolicy(Qt::NoFocus);
  MSFlexGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  MSFlexGrid1->setTextElideMode(Qt::ElideNone);
  place(MSFlexGrid1, kGridLeft, kGridTop, kGridWidth, kGridHeight);
  setFontPoints(MSFlexGrid1, 10);
  QObject::connect(MSFlexGrid1, &QTableView::clicked, this,
                   [this](const QModelIndex& index) { gridClicked(index.row(), index.column()); });

  Gridinputtext = new CriteriaGridEditBox(MSFlexGrid1->viewport());
  Gridinputtext->setAlignment(Qt::AlignCenter);
  Gridinputtext->setFrame(false);
  Gridinputtext->setStyleSheet(QStringLiteral("background: white; border: 2px solid rgb(30, 90, 200);"));
  setFontPoints(Gridinputtext, 10);
  QObject::connect(Gridinputtext, &QLineEdit::textChanged, this, [this] { TextToGrid転送(); });
  QObject::connect(Gridinputtext, &CriteriaGridEditBox::moveKey, this,
                   [this](CriteriaGrid::Key key) { moveKey(key); });
  QObject::connect(Gridinputtext, &CriteriaGridEditBox::keyDone, this, [this] { afterKey(); });

  Label6 = labelOn(this, QStringLiteral("列の説明"));
  place(Label6, kGridLeft, 9300, 3000, 350);
  setFontPoints(Label6, 10);
  Label3 = new QLabel(this);
  Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Label3->setStyleSheet(QStringLiteral("background: white; border: 1px solid gray; padding: 2px;"));
  place(Label3, kGridLeft, 9650, kGridWidth, 1050);
  setFontPoints(Label3, 10);
  Label1 = labelOn(this, QStringLiteral("スペース：セルクリア　　Shift + ↓：セルコピー"));
  place(Label1, kGridLeft, 10800, kGridWidth, 400);
  setFontPoints(Label1, 10);

}

void FrmTimeData::buildDistributionPanel() {
  // The distribution beside the grid; its two buttons stay above it when it is hidden.
  Option1[0] = new QRadioButton(QStringLiteral("度数表示"), this);
  Option1[1] = new QRadioButton(QStringLiteral("度数非表示"), this);
  place(Option1[0], kPanelLeft, 850, 2200, 400);
  place(Option1[1], kPanelLeft + 2400, 850, 2200, 400);
  for (QRadioButton* option : Option1) {
    setFontPoints(option, 10);
    option->setFocusPolicy(Qt::NoFocus);
  }
  Option1[0]->setChecked(true);
  QObject::connect(Option1[0], &QRadioButton::clicked, this, [this] {
    Picture3->show();
    refreshDistribution();
  });
  QObject::connect(Option1[1], &QRadioButton::clicked, this, [this] { Picture3->hide(); });

  Picture3 = new QFrame(this);
  Picture3->setFrameShape(QFrame::StyledPanel);
  place(Picture3, kPanelLeft, kGridTop, kPanelWidth, 8900);
  auto* panel = new QGridLayout(Picture3);
  Label7 = labelOn(Picture3, QStringLiteral("現在までの成績度数分布"));
  Label9 = labelOn(Picture3, QStringLiteral("全成績"));
  Label10 = labelOn(Picture3, QStringLiteral("最高タイム"));
  List3 = chartList(Picture3);
  List4 = chartList(Picture3);
  panel->addWidget(Label7, 0, 0, 1, 2);
  panel->addWidget(Label9, 1, 0);
  panel->addWidget(Label10, 1, 1);
  panel->addWidget(List3, 2, 0);
  panel->addWidget(List4, 2, 1);
  panel->setColumnStretch(0, 3);  // the heading of all times is the longer one
  panel->setColumnStretch(1, 2);
  for (QWidget* control : {static_cast<QWidget*>(Label7), static_cast<QWidget*>(Label9),
                           static_cast<QWidget*>(Label10)})
    setFontPoints(control, 10);
  setFontPoints(List3, 8);
  setFontPoints(List4, 8);

}

void FrmTimeData::buildButtonsAndCover() {
  Command3 = new QPushButton(QStringLiteral("更新記録"), this);
  Command2 = new QPushButton(QStringLiteral("元に戻す"), this);
  Command4 = new QPushButton(QStringLiteral("戻る"), this);
  const int buttonWidth = (kPanelWidth - 2 * 180) / 3;
  for (int i = 0; QPushButton* button : {Command3, Command2, Command4}) {
    place(button, kPanelLeft + i++ * (buttonWidth + 180), 10350, buttonWidth, 750);
    setFontPoints(button, 12);
    button->setFocusPolicy(Qt::NoFocus);  // the keys belong to the edit box
  }
  QObject::connect(Command3, &QPushButton::clicked, this, [this] { saveCriteria(); });
  QObject::connect(Command2, &QPushButton::clicked, this, [this] {
    loadGrid();
    placeEditBox();
    GridToText転送();
    refreshDistribution();
  });
  QObject::connect(Command4, &QPushButton::clicked, this, [this] { command4Click(); });

  Picture6 = new QFrame(this);
  Picture6->setStyleSheet(QStringLiteral("background: rgb(225, 235, 245);"));
  place(Picture6, 0, 0, TwipsGeometry::kCanvasWidth, TwipsGeometry::kCanvasHeight);
  Label8 = labelOn(Picture6, QStringLiteral("Just a moment,please."));
  Label8->setAlignment(Qt::AlignCenter);
  setFontPoints(Label8, 24);
  (new QVBoxLayout(Picture6))->addWidget(Label8);
  Picture6->hide();
}

FrmTimeData::~FrmTimeData() = default;

void FrmTimeData::onLoad() {
  Label2->setText(QStringLiteral("成績の基準となるデータを変更できます。\nプログラムを選んでください。"));
}

void FrmTimeData::onActivate() {
  loadGrid();
  grid_.setCurrent(1, 1);
  model_->refresh();
  Gridinputtext->show();
  sizeColumns();
  placeEditBox();
  GridToText転送();
  refreshDistribution();
}

void FrmTimeData::resizeEvent(QResizeEvent* event) {
  Screen::resizeEvent(event);
  // The columns share the grid's width and the edit box sits on its cell, at any screen size.
  sizeColumns();
  placeEditBox();
}

void FrmTimeData::sizeColumns() {
  const int width = MSFlexGrid1->viewport()->width();
  const int columnWidth = int(std::lround(double(width) / CriteriaGrid::kColumns));
  for (int c = 0; c < CriteriaGrid::kColumns; ++c) MSFlexGrid1->setColumnWidth(c, columnWidth);
  MSFlexGrid1->setColumnWidth(1, int(std::lround(0.8 * columnWidth)));
  QFont headingFont = MSFlexGrid1->font();
  headingFont.setPixelSize(std::max(1, headingFont.pixelSize() * 2 / 3));
  model_->setHeadingFont(headingFont);
  const int rowHeight = std::max(1, MSFlexGrid1->viewport()->height() / kShownRows);
  MSFlexGrid1->verticalHeader()->setMinimumSectionSize(1);
  MSFlexGrid1->verticalHeader()->setDefaultSectionSize(rowHeight);
}

void FrmTimeData::loadGrid() {
  grid_.load(readCriteriaRows(criteriaPath(context_.state)));
  model_->reload();
}

void FrmTimeData::TextToGrid転送() {
  if (grid_.text(grid_.row(), grid_.column()) == Gridinputtext->text()) return;
  grid_.setCurrentText(Gridinputtext->text());
  model_->refresh();
}

void FrmTimeData::GridToText転送() {
  const QString text = grid_.text(grid_.row(), grid_.column());
  if (Gridinputtext->text() != text) Gridinputtext->setText(text);
  Gridinputtext->setCursorPosition(std::min<int>(10, text.size()));
}

void FrmTimeData::placeEditBox() {
  const QModelIndex current = model_->index(grid_.row(), grid_.column());
  MSFlexGrid1->scrollTo(current);
  Gridinputtext->setGeometry(MSFlexGrid1->visualRect(current));
  Gridinputtext->setFocus();
  Gridinputtext->setCursorPosition(std::min<int>(10, Gridinputtext->text().size()));
  Label3->setText(columnExplanation(grid_.column()));
}

void FrmTimeData::moveKey(CriteriaGrid::Key key) {
  const int row = grid_.row();
  const int column = grid_.column();
  grid_.press(key);
  model_->refresh();
  if (grid_.row() != row || grid_.column() != column) {
    GridToText転送();
    placeEditBox();
  }
}

void FrmTimeData::afterKey() {
  refreshDistribution();
  GridToText転送();
}

void FrmTimeData::gridClicked(int row, int column) {
  if (!grid_.setCurrent(row, column)) return;
  model_->refresh();
  GridToText転送();
  placeEditBox();
  refreshDistribution();
}

void FrmTimeData::refreshDistribution() {
  if (Picture3->isHidden()) return;  // shown again through 度数表示, which refreshes it
  const ResultDistribution distribution =
      readDistribution(resultsPath(context_.state), context_.services.pause);
  fill(List3, allTimesChart(distribution, grid_.row()));
  fill(List4, bestTimesChart(distribution, grid_.row()));
}

void FrmTimeData::showBusy(bool busy) {
  Picture6->setVisible(busy);
  if (busy) Picture6->raise();
  letEventsRun();
}

bool FrmTimeData::saveCriteria() {
  MessageBoxes& boxes = context_.services.boxes;
  // A cell that would load as 0 or shift the line's fields is never written.
  if (const auto bad = grid_.firstBadCell()) {
    boxes.inform(badCellMessage(*bad), kAttention);
    grid_.setCurrent(bad->row, bad->column);
    model_->refresh();
    GridToText転送();
    placeEditBox();
    refreshDistribution();
    return false;
  }
  showBusy(true);
  try {
    writeCriteria(criteriaPath(context_.state), grid_.rowsToSave());
  } catch (const FileError& error) {
    // The old table is still whole on disk, and the edits stay in the grid to be saved again.
    showBusy(false);
    boxes.inform(QStringLiteral("記録できませんでした。変更は画面に残っています。\n") + error.message(), kAttention);
    Gridinputtext->setFocus();
    return false;
  }
  grid_.markSaved();
  showBusy(false);
  loadCriteria(context_.state);
  Gridinputtext->setFocus();
  return true;
}

void FrmTimeData::command4Click() {
  if (grid_.changed() &&
      context_.services.boxes.askYesNo(QStringLiteral("データが変更されています。記録しますか？"), kAttention) &&
      !saveCriteria())
    return;  // stay with the edits rather than lose them
  showBusy(true);
  context_.navigator.show(screens::kStudentMenu);
  context_.navigator.unload(name());
}
