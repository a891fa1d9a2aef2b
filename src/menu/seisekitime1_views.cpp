#include "menu/seisekitime1.h"

#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "core/app_state.h"
#include "core/results_file.h"
#include "menu/chart_panel.h"
#include "menu/chart_window.h"
#include "menu/column_layout.h"
#include "menu/level_list.h"
#include "menu/level_ranking.h"
#include "menu/menu_geometry.h"
#include "menu/other_pupils.h"
#include "menu/personal_time_lines.h"
#include "menu/progress_steps.h"
#include "menu/ranking_memo.h"
#include "menu/report_lines.h"
#include "platform/clock.h"
#include "platform/fonts.h"
#include "platform/pause.h"

// The view controls of the student menu and the results views they run into the level lists.

using namespace menu_geometry;

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
  QObject::connect(Combo1, &QComboBox::activated, this, [this] { gradeFilterChosen(); });
  Combo2 = new QComboBox(this);
  place(Combo2, 12000, 1300, 3050, 420);
  QObject::connect(Combo2, &QComboBox::activated, this, [this](int position) { periodChosen(position); });

  Command17 = new QPushButton(QStringLiteral("グラフ"), this);
  place(Command17, 13300, 1800, 1750, 420);
  Command17->hide();
  // Beside the chart button, left of it, where the heading row leaves room.
  Command26 = new QPushButton(QStringLiteral("苦手マップ"), this);
  place(Command26, 11450, 1800, 1750, 420);
  Command26->setToolTip(QStringLiteral("まちがえやすい問題、時間のかかる問題を表で見ます"));
  QObject::connect(Command26, &QPushButton::clicked, this, [this] { openFactMap(); });

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


void seisekitime1::buildChartPanel() {
  ChartPanel::Hooks hooks;
  hooks.newestResults = [this] { return readNewestResults(context_.state, context_.services.pause, kMaxResults); };
  hooks.audience = [this] { return audience(); };
  hooks.pointsOrder = [this] { return pointsOrder == 2 ? PointsOrder::Today : PointsOrder::Cumulative; };
  Picture11 = new ChartPanel(context_, std::move(hooks), this);
  place(Picture11, 0, kHeadingTop, kCanvasWidth, kScrollBarTop - kHeadingTop);
  List2 = Picture11->List2;
  List3 = Picture11->List3;
  Command25 = Picture11->Command25;
  Command18 = Picture11->Command18;
  QObject::connect(Command17, &QPushButton::clicked, Picture11, [this] { Picture11->open(); });
  Picture11->hide();
}

void seisekitime1::coverLevelArea() {
  Command1->setEnabled(false);
  for (std::size_t level = 1; level < Command4.size(); ++level) Command4[level]->setEnabled(false);
  showLevelLists(false);
  Picture6->show();
  Picture6->raise();
}

void seisekitime1::finishView() {
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
      if (Option1[1]->isChecked()) {
        pointsOrder = 1;
        return orderChanged(1);
      }
      if (Option1[3]->isChecked()) return orderChanged(3);
      if (Option1[2]->isChecked()) {
        pointsOrder = 2;
        return orderChanged(2);
      }
      break;
    default:
      Command17->show();
      Combo2->hide();
      return runPersonalTimeView();
  }
  // No order button is chosen, so no view ran: give the screen back as a view's end would.
  finishView();
}

void seisekitime1::orderChanged(int index) {
  coverLevelArea();
  Combo2->hide();
  Picture1->setEnabled(false);
  letEventsRun();
  if (displayMode == 0) displayMode = 1;
  if (displayMode == 1) {
    if (index == 1) Command6_Click();
    if (index == 2) Command5_Click();
    if (index == 3) Command7_Click();
  } else if (displayMode == 2) {
    if (pointsOrder == 0) pointsOrder = 1;
    if (index == 1 || index == 2) {
      pointsOrder = index;
      Label5->setText(index == 1 ? QStringLiteral("獲得ポイント（今まで順位）")
                                 : QStringLiteral("獲得ポイント（今日の順位）"));
      ProgressBar1->setValue(0);
      ProgressBar2->setValue(0);
      ProgressBar2->setMaximum(context_.state.levelCount);
      const ReportAudience shownTo = audience();
      ProgressSteps progress({ProgressBar1, ProgressBar2}, int(List5.size()) - 1);
      for (int level = 1; level < int(List5.size()); ++level) {
        progress.reach(level);
        showLevelRanking(level, shownTo, RankingAlone::No);
      }
    }
    if (index == 3) Command7_Click();
    Picture1->setEnabled(true);
  }
  finishView();
}

void seisekitime1::gradeFilterChosen() {
  displayModeChanged(Option2[0]->isChecked() ? 0 : 1);
  if (Command4.size() > 1 && Command4[1]->isEnabled() && Command4[1]->isVisible()) Command4[1]->setFocus();
}

void seisekitime1::periodChosen(int position) {
  if (!Option1[3]->isChecked() || position < 0 || position > 4) return;
  context_.state.allResultsPeriod = position + 1;
  orderChanged(3);
}

ReportAudience seisekitime1::audience() const {
  // The filter reads as Combo1 shows it: a text that is none of its items stays the filter.
  const QString filter = Combo1->currentIndex() >= 0 ? Combo1->currentText() : Combo1->placeholderText();
  return ReportAudience(context_.state, filter);
}

void seisekitime1::Command5_Click() {
  Label5->setText(QStringLiteral("本日の成績"));
  回数など表示();
  const Clock& clock = context_.services.clock;
  const std::vector<ResultRecord> records = readNewestResults(context_.state, context_.services.pause, 1000);
  ProgressBar2->setValue(0);
  ProgressBar2->setMaximum(int(float(records.size() + 1) * 1.1f));
  fillLevelLists(todayLines(records, audience(), context_.state.levelCount, clock.dateNumber()));
  ProgressBar2->setValue(int(records.size()));
  成績リスト色表示();
  Picture1->setEnabled(true);
}

void seisekitime1::Command7_Click() {
  回数など表示();
  const AppState& state = context_.state;
  const Clock& clock = context_.services.clock;
  const std::vector<ResultRecord> records = readNewestResults(state, context_.services.pause, kMaxResults);
  ProgressBar2->setValue(0);
  ProgressBar2->setMaximum(int(float(records.size() + 1) * 1.1f));
  const int days = periodDays(state.allResultsPeriod, clock.today());
  Label5->setText(QString());
  const double since = clock.dateNumber() + clock.timeOfDay() - days;
  fillLevelLists(allResultsLines(records, audience(), state.levelCount, since, displayMode));
  ProgressBar2->setValue(int(records.size()));
  letEventsRun();
  成績リスト色表示();
  Picture1->setEnabled(true);
  Combo2->show();
}

void seisekitime1::Command6_Click() {
  Label5->setText(QStringLiteral("ベスト成績"));
  回数など表示();
  ProgressBar2->setValue(0);
  ProgressBar2->setMaximum(context_.state.levelCount);
  const ReportAudience shownTo = audience();
  ProgressSteps progress({ProgressBar2}, int(List5.size()) - 1);
  for (int level = 1; level < int(List5.size()); ++level) {
    progress.reach(level);
    showLevelRanking(level, shownTo, RankingAlone::No);
    成績リスト色表示単独(level);
  }
  Picture1->setEnabled(true);
}

void seisekitime1::Command3_Click(int level) { showLevelRanking(level, audience(), RankingAlone::Yes); }

void seisekitime1::showLevelRanking(int level, const ReportAudience& shownTo, RankingAlone alone) {
  if (level < 1 || level >= int(List5.size())) return;
  Label9[level]->setText(QStringLiteral("今日"));
  Label10[level]->setText(QStringLiteral("今まで"));
  if (displayMode == 0) displayMode = 1;
  if (displayMode == 2 && pointsOrder == 0) pointsOrder = 1;
  const RankingKind kind = displayMode == 2 ? RankingKind::Points : RankingKind::Times;
  const PointsOrder order = pointsOrder == 2 ? PointsOrder::Today : PointsOrder::Cumulative;
  const RankingLines ranking = rankings_.lines(context_.state, shownTo, level, kind, order);
  if (alone == RankingAlone::Yes) {
    List5[level]->clear();
    letEventsRun();
  }
  fillLevelList(level, ranking.lines);
  // The line before the chosen pupil's goes to the top, which brings the pupil's line into view.
  if (ranking.scrollRow >= 0)
    List5[level]->scrollToRow(ranking.scrollRow, QAbstractItemView::PositionAtTop);
  成績リスト色表示単独(level);
}

void seisekitime1::runPersonalTimeView() {
  AppState& state = context_.state;
  const Clock& clock = context_.services.clock;
  fillOtherPupilList();
  Picture11->setLevels(state.levelCount);
  Picture11->chartLevel = 1;
  Picture11->chartPupil = state.currentPupilNo;
  回数など表示();
  std::vector<ResultRecord> records = readNewestResults(state, context_.services.pause, kMaxResults);
  const int recordCount = int(records.size());
  ProgressBar2->setValue(0);
  ProgressBar2->setMaximum(int(float(recordCount + 1) * 1.1f));
  state.resultsWindowDays = kChartWindowDays;
  Label5->setText(QStringLiteral("個人別ﾀｲﾑ"));
  const int pupil = state.currentPupilNo;
  const std::vector<ResultRecord> window =
      chartWindow(std::move(records), state.levelCount, clock.dateNumber() + clock.timeOfDay());
  fillLevelLists(personalTimeLines(window, pupil, audience().shown(pupil), state.levelCount));
  ProgressBar2->setValue(recordCount);
  Picture6->hide();
  applyAvailability();
  showLevelLists(true);
  Command1->setEnabled(true);
}

void seisekitime1::fillOtherPupilList() {
  List2->clear();
  List2->addItems(otherPupilLines(context_.state, context_.services.clock.today()));
}

void seisekitime1::showOtherPupils() { Picture11->showOtherPupils(); }

void seisekitime1::closeChartPanel() { Picture11->closePanel(); }
