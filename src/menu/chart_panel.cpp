#include "menu/chart_panel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/app_context.h"
#include "core/app_state.h"
#include "menu/chart_drawing.h"
#include "menu/chart_figures.h"
#include "menu/chart_picture.h"
#include "menu/chart_window.h"
#include "menu/report_lines.h"
#include "platform/clock.h"
#include "platform/fonts.h"
#include "platform/message_boxes.h"
#include "platform/pause.h"
#include "platform/printer.h"

namespace {
const QString kNoPrinter = QStringLiteral("プリンターが見つかりません");
const QString kNoLevelChosen = QStringLiteral("印刷するレベルを選んで下さい。");
const QString kPrintFailed = QStringLiteral("印刷できませんでした。プリンターを確かめて下さい。");

class PictureSurface final : public ChartSurface {
 public:
  explicit PictureSurface(ChartPicture& picture) : picture_(picture), painter_(&picture.image()) {}
  ~PictureSurface() override {
    painter_.end();
    picture_.update();
  }
  QPainter& painter() override { return painter_; }
  QSizeF size() const override { return picture_.image().size(); }
  double unitsPerPoint() const override { return picture_.unitsPerPoint(); }
  bool printing() const override { return false; }
  bool newPage() override {
    picture_.image().fill(Qt::white);
    return true;
  }

 private:
  ChartPicture& picture_;
  QPainter painter_;
};

class PrintSurface final : public ChartSurface {
 public:
  explicit PrintSurface(PrintJob& job) : job_(job) {}
  QPainter& painter() override { return job_.painter(); }
  QSizeF size() const override { return job_.pageSize(); }
  double unitsPerPoint() const override { return job_.unitsPerPoint(); }
  bool printing() const override { return true; }
  bool newPage() override { return job_.newPage(); }

 private:
  PrintJob& job_;
};

constexpr int kRankWidth = 3;

// The pupil number of an other-pupil line: the text after its last "/".
int pupilOfLine(const QString& line) { return line.mid(line.lastIndexOf(u'/') + 1).trimmed().toInt(); }
}  // namespace

ChartPanel::ChartPanel(AppContext& context, Hooks hooks, QWidget* parent)
    : QFrame(parent), context_(context), hooks_(std::move(hooks)) {
  setFrameShape(QFrame::Box);
  setAutoFillBackground(true);

  Picture12 = new ChartPicture(this);
  List3 = new QListWidget(this);
  List3->setSelectionMode(QAbstractItemView::MultiSelection);
  List2 = new QListWidget(this);
  List2->setSelectionMode(QAbstractItemView::MultiSelection);
  List2->setFont(fixedPitchJapaneseFont());
  List2->hide();
  Command21[0] = new QPushButton(QStringLiteral("表示"), this);
  Command21[1] = new QPushButton(QStringLiteral("印刷"), this);
  Command25 = new QPushButton(QStringLiteral("他の人のデータを見る"), this);
  Command24[0] = new QPushButton(QStringLiteral("表示"), this);
  Command24[1] = new QPushButton(QStringLiteral("印刷"), this);
  Command24[1]->hide();
  Command18 = new QPushButton(QStringLiteral("戻る"), this);

  auto* controls = new QVBoxLayout;
  controls->addWidget(new QLabel(QStringLiteral("レベル"), this));
  controls->addWidget(List3, 2);
  auto* own = new QHBoxLayout;
  own->addWidget(Command21[0]);
  own->addWidget(Command21[1]);
  controls->addLayout(own);
  controls->addWidget(Command25);
  controls->addWidget(List2, 3);
  auto* others = new QHBoxLayout;
  others->addWidget(Command24[0]);
  others->addWidget(Command24[1]);
  controls->addLayout(others);
  controls->addStretch();
  controls->addWidget(Command18);
  auto* row = new QHBoxLayout(this);
  row->addWidget(Picture12, 4);
  row->addLayout(controls, 1);

  for (int index = 0; index < 2; ++index) {
    connect(Command21[index], &QPushButton::clicked, this, [this, index] { drawOrPrint(index); });
    connect(Command24[index], &QPushButton::clicked, this, [this, index] { drawOrPrintSelected(index); });
  }
  connect(Command25, &QPushButton::clicked, this, [this] { showOtherPupils(); });
  connect(Command18, &QPushButton::clicked, this, [this] { closePanel(); });
  connect(List2, &QListWidget::itemClicked, this, [this] { drawOrPrintSelected(0); });
  connect(List3, &QListWidget::itemClicked, this, [this] {
    if (isVisible()) drawOrPrintSelected(0);
  });
}

void ChartPanel::setLevels(int levelCount) {
  List3->clear();
  for (int level = 1; level <= levelCount; ++level) List3->addItem(QString::number(level));
  levelFigures.assign(std::size_t(std::max(levelCount, 0) + 1), ChartFigures{});
}

void ChartPanel::setPupilLines(const QStringList& lines) {
  List2->clear();
  List2->addItems(lines);
}

void ChartPanel::open() {
  chartPupil = context_.state.currentPupilNo;
  List2->hide();
  Command25->show();
  List2->clearSelection();
  for (int row = 0; row < 3 && row < List3->count(); ++row) List3->item(row)->setSelected(true);
  baseFontSize = 6;
  firstLevelOffset = 1;
  drawOrPrint(0);
}

void ChartPanel::closePanel() { hide(); }

void ChartPanel::showOtherPupils() {
  Command25->hide();
  List2->show();
}

void ChartPanel::drawOrPrintSelected(int index) {
  std::vector<int> pupils;
  for (int row = 0; row < List2->count(); ++row)
    if (List2->item(row)->isSelected()) {
      const int pupil = pupilOfLine(List2->item(row)->text());
      if (pupil >= 1 && pupil <= kMaxPupil) pupils.push_back(pupil);
    }
  if (pupils.empty()) return drawOrPrint(index);
  // One message for the whole choice when there is nothing to print on, or nothing to print.
  if (index != 0 && !readyToPrint()) return;
  for (int pupil : pupils) {
    chartPupil = pupil;
    drawOrPrint(index);
  }
}

bool ChartPanel::readyToPrint() {
  Printer* printer = context_.services.printer;
  if (!printer || !printer->available()) {
    context_.services.boxes.inform(kNoPrinter, context_.state.programTitle);
    return false;
  }
  // Without a level every page would come out blank.
  if (chosenLevels().empty()) {
    context_.services.boxes.inform(kNoLevelChosen, context_.state.programTitle);
    return false;
  }
  return true;
}

std::vector<int> ChartPanel::chosenLevels() const {
  std::vector<int> chosen;
  for (int row = 0; row < List3->count(); ++row)
    if (List3->item(row)->isSelected()) chosen.push_back(row + 1);
  return chosen;
}

void ChartPanel::drawOrPrint(int index) {
  show();
  raise();
  if (index != 0) return print();
  PictureSurface surface(*Picture12);
  surface.newPage();
  drawBlocks(surface);
}

void ChartPanel::print() {
  if (!readyToPrint()) return;
  const AppState& state = context_.state;
  const QString pupilName = state.pupilName[std::size_t(chartPupil)].trimmed();
  std::unique_ptr<PrintJob> job =
      context_.services.printer->startJob(state.programTitle + u' ' + pupilName);
  bool printed = false;
  if (job) {
    PrintSurface surface(*job);
    const bool drawn = drawBlocks(surface);
    printed = job->finish() && drawn;
  }
  if (!printed) context_.services.boxes.inform(kPrintFailed, state.programTitle);
}

bool ChartPanel::drawBlocks(ChartSurface& surface) {
  const AppState& state = context_.state;
  const Clock& clock = context_.services.clock;
  const std::vector<ResultRecord> window = chartWindow(
      hooks_.newestResults ? hooks_.newestResults() : std::vector<ResultRecord>{}, state.levelCount,
      clock.dateNumber() + clock.timeOfDay());

  const std::vector<int> chosen = chosenLevels();
  const double pageHeight = surface.size().height();
  const bool shown = audience().shown(chartPupil);
  const ChartTexts texts{state.pupilName[std::size_t(chartPupil)].trimmed(), QString()};
  bool ok = true;
  for (const BlockPlace& place : chartBlockPlaces(chosen, firstLevelOffset, state.levelCount)) {
    if (place.newPage && !surface.newPage()) ok = false;
    chartLevel = place.level;
    const ChartFigures figures = rankingFigures();
    if (std::size_t(chartLevel) < levelFigures.size()) levelFigures[std::size_t(chartLevel)] = figures;
    const ChartBlock block = computeChartBlock(window, chartPupil, chartLevel, shown, figures);
    ChartTexts blockTexts = texts;
    blockTexts.title = state.programTitle + u' ' + state.levelName[std::size_t(chartLevel)];
    drawChartBlock(surface, place.top * pageHeight, block, blockTexts, baseFontSize);
  }
  letEventsRun();
  return ok;
}

ChartFigures ChartPanel::rankingFigures() {
  const AppState& state = context_.state;
  const PointsOrder order = hooks_.pointsOrder ? hooks_.pointsOrder() : PointsOrder::Cumulative;
  const ReportAudience who = audience();
  List4[2] = levelRankingLines(state, who, chartLevel, RankingKind::Points, order, kRankWidth).lines;
  List4[1] = levelRankingLines(state, who, chartLevel, RankingKind::Times, order, kRankWidth).lines;
  return chartFigures(List4[1], List4[2], state.pupilName[std::size_t(chartPupil)]);
}

ReportAudience ChartPanel::audience() const {
  // Without the menu's filter nobody is shown, as for a filter text that is no filter.
  return hooks_.audience ? hooks_.audience() : ReportAudience(context_.state, QString());
}
