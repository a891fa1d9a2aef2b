#include "teacher/frm_fact_map.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "core/answer_log_reader.h"
#include "core/app_state.h"
#include "core/screen_names.h"
#include "platform/clock.h"
#include "platform/fonts.h"
#include "platform/message_boxes.h"
#include "platform/navigator.h"
#include "platform/pause.h"
#include "platform/printer.h"
#include "teacher/csv_export.h"
#include "teacher/fact_map_view.h"

namespace {
const QString kNoPrinter = QStringLiteral("プリンターが見つかりません");
const QString kPrintFailed = QStringLiteral("印刷できませんでした。プリンターを確かめて下さい。");
const QString kSchoolItem = QStringLiteral("学校全体");
const QString kPupilsItem = QStringLiteral("生徒を選ぶ");
// The student menu's grade filter values, without its "全学年" (the whole school).
const QStringList kGradeItems = {QStringLiteral("中学生全体"), QStringLiteral("小学生全体"), QStringLiteral("中３"),
                                 QStringLiteral("中２"),       QStringLiteral("中１"),       QStringLiteral("小６"),
                                 QStringLiteral("小５"),       QStringLiteral("小４"),       QStringLiteral("小３"),
                                 QStringLiteral("小２"),       QStringLiteral("小１")};
const QColor kListColour(255, 255, 192);
const QString kWeakestHeading = QStringLiteral("苦手な問題（まちがいの割合が多い順、同じなら中央値が遅い順）");

int pupilOfLine(const QString& line) { return line.left(line.indexOf(u'/')).trimmed().toInt(); }

// The facts are padded to the widest, 13×20, so the counts of the list stand in one column.
QString weakLine(int rank, const Fact& fact, const FactCell& cell) {
  return QStringLiteral("%1. %2　%3問中 %4問まちがい　%5")
      .arg(rank, 2)
      .arg(factText(fact), -5)
      .arg(cell.answers)
      .arg(cell.wrong)
      .arg(cell.hasMedian() ? medianSecondsText(cell) : QStringLiteral("正解なし"));
}
}  // namespace

FrmFactMap::FrmFactMap(AppContext& context, Audience audience)
    : Screen(audience == Audience::Teacher ? screens::kFactMap : screens::kPupilFactMap),
      context_(context),
      audience_(audience) {
  setFont(japaneseFont());
  const AppState& state = context_.state;
  setBackColour(state.screenBackColour.isValid() ? state.screenBackColour : QColor(224, 236, 224));

  Label1 = new QLabel(this);
  place(Label1, 300, 150, 9000, 700);
  setFontPoints(Label1, 20);

  Combo1 = new QComboBox(this);
  Combo1->addItem(kSchoolItem);
  Combo1->addItems(kGradeItems);
  Combo1->addItem(kPupilsItem);
  Combo1->setToolTip(QStringLiteral("どの生徒の回答を見るか選びます"));
  place(Combo1, 300, 1000, 2600, 500);
  setFontPoints(Combo1, 12);
  QObject::connect(Combo1, &QComboBox::activated, this, [this](int index) { groupChosen(index); });

  auto* periods = new QWidget(this);
  place(periods, 3100, 1000, 4200, 500);
  auto* row = new QHBoxLayout(periods);
  row->setContentsMargins(0, 0, 0, 0);
  auto* exclusive = new QButtonGroup(periods);
  const std::array<std::pair<QString, FactPeriod>, 3> choices = {
      {{QStringLiteral("30日"), FactPeriod::Days30},
       {QStringLiteral("90日"), FactPeriod::Days90},
       {QStringLiteral("すべて"), FactPeriod::Everything}}};
  for (std::size_t k = 0; k < choices.size(); ++k) {
    Option1[k] = new QRadioButton(choices[k].first, periods);
    exclusive->addButton(Option1[k]);
    row->addWidget(Option1[k]);
    const FactPeriod period = choices[k].second;
    QObject::connect(Option1[k], &QRadioButton::clicked, this, [this, period] { periodChosen(period); });
  }
  setFontPoints(periods, 12);
  Option1[0]->setChecked(true);

  auto button = [this](const QString& caption, int left, int top, int width, int height) {
    auto* b = new QPushButton(caption, this);
    place(b, left, top, width, height);
    setFontPoints(b, 12);
    return b;
  };
  Command1 = button(QStringLiteral("印刷"), 8600, 980, 1700, 560);
  Command2 = button(QStringLiteral("CSVで保存"), 10500, 980, 2100, 560);
  Command3 = button(QStringLiteral("戻る"), 13300, 150, 1750, 700);
  QObject::connect(Command1, &QPushButton::clicked, this, [this] { printMaps(); });
  QObject::connect(Command2, &QPushButton::clicked, this, [this] { saveCsv(); });
  QObject::connect(Command3, &QPushButton::clicked, this, [this] { goBack(); });

  mapView = new FactMapView(this);
  place(mapView, 300, 1700, 14760, 4400);

  Label2 = new QLabel(kWeakestHeading, this);
  place(Label2, 300, 6250, 7200, 450);
  setFontPoints(Label2, 11);
  List2 = new QListWidget(this);
  List2->setFont(fixedPitchJapaneseFont());
  List2->setSelectionMode(QAbstractItemView::NoSelection);
  List2->setFocusPolicy(Qt::NoFocus);
  setBackColour(List2, kListColour);
  place(List2, 300, 6750, 7200, 4500);
  setFontPoints(List2, 12);

  Label3 = new QLabel(QStringLiteral("生徒（印刷する生徒をいくつでも選べます）"), this);
  place(Label3, 7700, 6250, 7360, 450);
  setFontPoints(Label3, 11);
  List1 = new QListWidget(this);
  List1->setSelectionMode(QAbstractItemView::ExtendedSelection);
  List1->setFont(fixedPitchJapaneseFont());
  setBackColour(List1, kListColour);
  place(List1, 7700, 6750, 7360, 4500);
  setFontPoints(List1, 11);
  QObject::connect(List1, &QListWidget::itemSelectionChanged, this, [this] { pupilsChosen(); });

  if (audience_ == Audience::Pupil) {
    for (QWidget* w : {static_cast<QWidget*>(Combo1), periods, static_cast<QWidget*>(Command1),
                       static_cast<QWidget*>(Command2), static_cast<QWidget*>(Label3), static_cast<QWidget*>(List1)})
      w->hide();
  }
}

void FrmFactMap::onLoad() {
  if (audience_ == Audience::Teacher) fillPupilList();
}

void FrmFactMap::onActivate() {
  // The teacher starts from the whole school, a pupil from their own answers; both over 30 days.
  group_ = audience_ == Audience::Teacher ? FactGroup::school() : FactGroup::pupil(context_.state.currentPupilNo);
  period_ = FactPeriod::Days30;
  Option1[0]->setChecked(true);
  Combo1->setCurrentIndex(0);
  showMap();
  mapView->setFocus();
}

void FrmFactMap::fillPupilList() {
  const AppState& state = context_.state;
  List1->clear();
  for (int k = 1; k <= state.rosterCount && k < int(state.rosterPupilNo.size()); ++k) {
    const int pupilNo = state.rosterPupilNo[std::size_t(k)];
    if (pupilNo < 1 || pupilNo > kMaxPupil) continue;
    List1->addItem(QString::number(pupilNo) + QStringLiteral(" /  ") + state.pupilName[pupilNo].trimmed());
  }
}

std::vector<int> FrmFactMap::chosenPupils() const {
  std::vector<int> pupils;
  for (int row = 0; row < List1->count(); ++row)
    if (List1->item(row)->isSelected()) pupils.push_back(pupilOfLine(List1->item(row)->text()));
  return pupils;
}

FactMap FrmFactMap::build(const FactGroup& group) const {
  return buildFactMap(context_.state, context_.services.pause, group, period_, context_.services.clock.today());
}

void FrmFactMap::showMap() {
  const FactMap map = build(group_);
  Label1->setText(QStringLiteral("苦手マップ　") + factGroupText(context_.state, group_) + QStringLiteral("　") +
                  factPeriodText(period_));
  mapView->setMap(map);
  List2->clear();
  const std::vector<Fact> weakest = map.weakest();
  for (std::size_t i = 0; i < weakest.size(); ++i)
    List2->addItem(weakLine(int(i) + 1, weakest[i], map.cell(weakest[i].multiplicand, weakest[i].multiplier)));
  if (weakest.empty()) List2->addItem(QStringLiteral("この期間の回答はありません"));
  // Told once per visit: the same damage would come up at every choice.
  if (map.damagedRecords > 0 && !damageTold_) {
    damageTold_ = true;
    context_.services.boxes.inform(damagedAnswersNotice(map.damagedRecords), context_.state.programTitle);
  }
}

void FrmFactMap::groupChosen(int index) {
  const QString item = Combo1->itemText(index);
  if (item == kPupilsItem) {
    // The list decides; with nobody chosen yet the map stays as it is.
    List1->setFocus();
    if (!chosenPupils().empty()) pupilsChosen();
    return;
  }
  {
    const QSignalBlocker keepTheChoice(List1);
    List1->clearSelection();
  }
  group_ = item == kSchoolItem ? FactGroup::school() : FactGroup::grade(item);
  showMap();
}

void FrmFactMap::periodChosen(FactPeriod period) {
  period_ = period;
  showMap();
}

void FrmFactMap::pupilsChosen() {
  // The map shows the pupil clicked last among those chosen; printing takes them all.
  const std::vector<int> pupils = chosenPupils();
  if (pupils.empty()) return;
  QListWidgetItem* current = List1->currentItem();
  const int shown = current && current->isSelected() ? pupilOfLine(current->text()) : pupils.front();
  Combo1->setCurrentIndex(Combo1->findText(kPupilsItem));
  group_ = FactGroup::pupil(shown);
  showMap();
}

void FrmFactMap::printMaps() {
  Printer* printer = context_.services.printer;
  if (!printer || !printer->available()) {
    context_.services.boxes.inform(kNoPrinter, context_.state.programTitle);
    return;
  }
  std::vector<FactGroup> groups;
  for (int pupil : chosenPupils()) groups.push_back(FactGroup::pupil(pupil));
  if (groups.empty()) groups.push_back(group_);
  bool printed = true;
  for (const FactGroup& group : groups) printed = printOne(group) && printed;
  if (!printed) context_.services.boxes.inform(kPrintFailed, context_.state.programTitle);
}

bool FrmFactMap::printOne(const FactGroup& group) {
  const AppState& state = context_.state;
  const QString who = factGroupText(state, group);
  std::unique_ptr<PrintJob> job = context_.services.printer->startJob(state.programTitle + QStringLiteral(" 苦手マップ ") + who);
  if (!job) return false;
  const FactMap map = build(group);
  QPainter& painter = job->painter();
  const QSizeF page = job->pageSize();
  const double pt = job->unitsPerPoint();
  QFont font = japaneseFont();
  font.setPixelSize(int(16 * pt));
  painter.setFont(font);
  painter.setPen(Qt::black);
  const QDate today = context_.services.clock.today();
  painter.drawText(QRectF(0, 0, page.width(), 30 * pt), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("苦手マップ　%1　%2（%3）")
                       .arg(who, factPeriodText(period_), today.toString(QStringLiteral("yyyy/MM/dd"))));
  // The drawing keeps its proportions: 21.2 cells across, 6.4 down with the legend.
  const double mapHeight = page.width() / 21.2 * 6.4;
  drawFactMap(painter, QRectF(0, 40 * pt, page.width(), mapHeight), map);

  font.setPixelSize(int(12 * pt));
  painter.setFont(font);
  double y = 40 * pt + mapHeight + 20 * pt;
  painter.drawText(QRectF(0, y, page.width(), 20 * pt), Qt::AlignLeft | Qt::AlignVCenter,
                   kWeakestHeading);
  y += 24 * pt;
  const std::vector<Fact> weakest = map.weakest();
  for (std::size_t i = 0; i < weakest.size(); ++i, y += 18 * pt)
    painter.drawText(QRectF(10 * pt, y, page.width(), 18 * pt), Qt::AlignLeft | Qt::AlignVCenter,
                     weakLine(int(i) + 1, weakest[i], map.cell(weakest[i].multiplicand, weakest[i].multiplier)));
  if (weakest.empty())
    painter.drawText(QRectF(10 * pt, y, page.width(), 18 * pt), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("この期間の回答はありません"));
  return job->finish();
}

void FrmFactMap::saveCsv() { exportCsv(context_, this, factMapCsv(mapView->map()), QStringLiteral("苦手マップ")); }

void FrmFactMap::goBack() {
  context_.navigator.show(screens::kStudentMenu);
  context_.navigator.unload(name());
}
