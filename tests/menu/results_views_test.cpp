#include <gtest/gtest.h>

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <sys/wait.h>
#include <unistd.h>

#include "core/app_state.h"
#include "core/screen_names.h"
#include "menu/level_list.h"
#include "menu/seisekitime1.h"
#include "platform/clock.h"
#include "selection/roster_file.h"
#include "teacher/record_edit.h"
#include "support/test_app.h"

namespace {
// The menu of pupil 1 (山田太郎, 小４) beside 佐藤花子 (小５) and 田中先生, on Wednesday 9 December 2026,
// with every level's pass time 60 and lowest time 120.
class ResultsViews : public ::testing::Test {
 protected:
  ResultsViews() { app.installation.writeResults({}); }

  double daysAgo(int days) const { return dateNumberOf(app.clock.today().addDays(-days)); }
  static ResultRecord run(double date, int pupil, int level, int time, const char* points = "0    ") {
    ResultRecord r = TempInstallation::record(date, pupil, level, time, 0.7);  // 16:48
    r.text3 = points;
    return r;
  }

  seisekitime1* openMenu() {
    app.loadInstallation();
    app.state->schoolYear = schoolYearOn(app.clock.today(), app.state->schoolYearStartMonth);
    loadRoster(*app.state);
    app.state->gradeFilterText = u"全学年"_qs;
    app.choosePupil(1);
    app.navigator.show(screens::kStudentMenu);
    return app.screen<seisekitime1>(screens::kStudentMenu);
  }

  // What the list shows, read through its model as the view reads it.
  static QStringList lines(QAbstractItemView* list) {
    QStringList texts;
    for (int row = 0; row < list->model()->rowCount(); ++row)
      texts.append(list->model()->index(row, 0).data().toString());
    return texts;
  }
  static void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(5, 5)); }

  TestApp app;
};
}  // namespace

namespace {
// Another computer of the school changing the shared results file: a process of its own.
void inAnotherProcess(const std::function<bool()>& change) {
  const pid_t child = fork();
  if (child == 0) _exit(change() ? 0 : 1);
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}
}  // namespace

TEST_F(ResultsViews, EveryActivationShowsWhatAnotherComputerAppendedCorrectedOrDeleted) {
  const std::vector<ResultRecord> first = {run(daysAgo(1), 2, 1, 50), run(daysAgo(0), 1, 1, 30)};
  app.installation.writeResults(first);
  seisekitime1* menu = openMenu();
  ASSERT_EQ(lines(menu->List5[1]).first(), u" 1●山田太郎　 11/   11"_qs);
  auto openedRecord = [this](int recordNo) {
    return OpenedRecord{recordNo, app.installation.readResults().at(std::size_t(recordNo - 1)).encode()};
  };
  auto activateAgain = [this] { return app.navigator.show(screens::kStudentMenu); };

  const ResultRecord appended = run(daysAgo(0), 2, 1, 30);
  inAnotherProcess([&] {
    app.installation.appendRawBytes(appended.encode());
    return true;
  });
  activateAgain();
  EXPECT_EQ(lines(menu->List5[1]), (QStringList{u" 1⑤佐藤花子　 11/   16"_qs, u" 2●山田太郎　 11/   11"_qs,
                                                u" 3　田中先生　  0/    0"_qs}));

  const OpenedRecord slowRun = openedRecord(1);
  inAnotherProcess([&] { return correctRecord(*app.state, slowRun, Correction{2, 30}) == EditResult::Done; });
  activateAgain();
  EXPECT_EQ(lines(menu->List5[1]).first(), u" 1⑤佐藤花子　 11/   22"_qs);

  const OpenedRecord todaysRun = openedRecord(3);
  inAnotherProcess([&] { return deleteRecord(*app.state, todaysRun) == EditResult::Done; });
  activateAgain();
  EXPECT_EQ(lines(menu->List5[1]), (QStringList{u" 1●山田太郎　 11/   11"_qs, u" 1⑤佐藤花子　  0/   11"_qs,
                                                u" 3　田中先生　  0/    0"_qs}));
}

TEST_F(ResultsViews, EveryActivationShowsTheCumulativePointsRanking) {
  // 30 s earn 11 points at a pass time of 60, 50 s earn 5.
  app.installation.writeResults({run(daysAgo(1), 2, 1, 50), run(daysAgo(0), 1, 1, 30)});
  seisekitime1* menu = openMenu();
  EXPECT_EQ(menu->Label5->text(), u"獲得ポイント（今まで順位）"_qs);
  EXPECT_EQ(lines(menu->List5[1]), (QStringList{u" 1●山田太郎　 11/   11"_qs, u" 2⑤佐藤花子　  0/    5"_qs,
                                                u" 3　田中先生　  0/    0"_qs}));
  EXPECT_EQ(menu->List5[2]->count(), 3);
  EXPECT_EQ(menu->Label9[1]->text(), u"今日"_qs);
  EXPECT_EQ(menu->Label10[25]->text(), u"今まで"_qs);
  EXPECT_TRUE(menu->Picture6->isHidden());
  EXPECT_TRUE(menu->List5[1]->isVisible());
  EXPECT_TRUE(menu->Command1->isEnabled());
  EXPECT_TRUE(menu->Command4[1]->isEnabled());
  EXPECT_TRUE(menu->Option2[1]->isChecked());
  EXPECT_EQ(menu->Option1[1]->text(), u"累計順"_qs);

  // After the times view and a run of 佐藤花子, the next activation ranks her first.
  click(menu->Option2[0]);
  ASSERT_NE(menu->Label5->text(), u"獲得ポイント（今まで順位）"_qs);
  app.installation.writeResults(
      {run(daysAgo(1), 2, 1, 50), run(daysAgo(0), 1, 1, 30), run(daysAgo(0), 2, 1, 20)});
  app.navigator.show(screens::kStudentMenu);
  EXPECT_EQ(menu->Label5->text(), u"獲得ポイント（今まで順位）"_qs);
  EXPECT_TRUE(menu->Option2[1]->isChecked());
  EXPECT_EQ(lines(menu->List5[1]).first(), u" 1⑤佐藤花子　 19/   24"_qs);
}

TEST_F(ResultsViews, PointsOrdersAndTheGradeFilter) {
  app.installation.writeResults({run(daysAgo(3), 2, 1, 10), run(daysAgo(0), 1, 1, 30)});
  seisekitime1* menu = openMenu();
  click(menu->Option2[1]);
  EXPECT_EQ(menu->Option1[1]->text(), u"合計累計"_qs);
  EXPECT_EQ(menu->Option1[3]->text(), u"すべて"_qs);
  EXPECT_EQ(lines(menu->List5[1]).first(), u" 1⑤佐藤花子　  0/   33"_qs);

  click(menu->Option1[2]);
  EXPECT_EQ(menu->Label5->text(), u"獲得ポイント（今日の順位）"_qs);
  EXPECT_EQ(menu->pointsOrder, 2);
  EXPECT_EQ(lines(menu->List5[1]), (QStringList{u" 1●山田太郎　 11/   11"_qs}));
  EXPECT_TRUE(menu->List5[2]->count() == 0);

  // The filter applies at once, and while "個人ﾀｲﾑ" is chosen it recomputes the points view.
  click(menu->Option2[2]);
  menu->Combo1->setCurrentIndex(menu->Combo1->findText(u"小５"_qs));
  emit menu->Combo1->activated(menu->Combo1->currentIndex());
  EXPECT_EQ(menu->Label5->text(), u"獲得ポイント（今日の順位）"_qs);
  EXPECT_TRUE(menu->List5[1]->count() == 0);
  click(menu->Option1[1]);
  EXPECT_EQ(lines(menu->List5[1]), (QStringList{u" 1⑤佐藤花子　  0/   33"_qs}));

  // "すべて" lists every run of the period, points first.
  click(menu->Option1[3]);
  EXPECT_FALSE(menu->Combo2->isHidden());
  EXPECT_EQ(lines(menu->List5[1]), (QStringList{u"    0 12/06⑤佐藤花子　⑤10秒"_qs}));
}

TEST_F(ResultsViews, TimesViewsListBestsTodayAndThePeriodAndColourTheLists) {
  app.installation.writeResults({run(daysAgo(40), 2, 1, 25), run(daysAgo(2), 1, 1, 45),
                                 run(daysAgo(0), 1, 1, 30, "11   "), run(daysAgo(0), 1, 2, 90),
                                 run(daysAgo(0), 1, 3, 200), run(daysAgo(0), 1, 4, 99999),
                                 run(daysAgo(0), 2, 4, 50)});
  seisekitime1* menu = openMenu();
  click(menu->Option2[0]);  // the best view, as "BEST表示" is the chosen order
  EXPECT_EQ(menu->Option1[1]->text(), u"BEST表示"_qs);
  EXPECT_EQ(menu->Label5->text(), u"ベスト成績"_qs);
  EXPECT_EQ(lines(menu->List5[1]), (QStringList{u" 1⑤佐藤花子　    25 　"_qs, u" 2●山田太郎　    30 ●"_qs,
                                                u"--　田中先生　------ 　"_qs}));

  click(menu->Option1[2]);
  EXPECT_EQ(menu->Label5->text(), u"本日の成績"_qs);
  EXPECT_EQ(lines(menu->List5[1]), (QStringList{u"  30秒 16:48●山田太郎　●11"_qs}));
  EXPECT_EQ(lines(menu->List5[4]), (QStringList{u"　　× 16:48●山田太郎　●"_qs, u"  50秒 16:48⑤佐藤花子　⑤0"_qs}));
  auto colour = [menu](int level) { return menu->List5[level]->palette().color(QPalette::Base); };
  EXPECT_EQ(colour(1), QColor(0, 192, 0));
  EXPECT_EQ(colour(2), QColor(192, 255, 192));
  EXPECT_EQ(colour(3), QColor(192, 192, 192));
  EXPECT_EQ(colour(4), QColor(0, 192, 0));  // the failed run does not decide
  EXPECT_EQ(menu->List5[1]->currentRow(), -1);

  // One month at first; the period list changes it only while "オール表示" is chosen.
  EXPECT_TRUE(menu->Combo2->isHidden());
  emit menu->Combo2->activated(4);
  EXPECT_EQ(app.state->allResultsPeriod, 3);
  EXPECT_EQ(menu->Label5->text(), u"本日の成績"_qs);
  click(menu->Option1[3]);
  EXPECT_FALSE(menu->Combo2->isHidden());
  EXPECT_EQ(menu->Label5->text(), QString());
  EXPECT_EQ(lines(menu->List5[1]), (QStringList{u"  45秒 12/07●山田太郎　●0"_qs, u"  30秒 12/09●山田太郎　●11"_qs}));
  emit menu->Combo2->activated(4);
  EXPECT_EQ(app.state->allResultsPeriod, 5);
  EXPECT_EQ(lines(menu->List5[1]).first(), u"  25秒 10/30⑤佐藤花子　⑤0"_qs);
  emit menu->Combo2->activated(0);  // Monday to Wednesday
  EXPECT_EQ(lines(menu->List5[1]), (QStringList{u"  45秒 12/07●山田太郎　●0"_qs, u"  30秒 12/09●山田太郎　●11"_qs}));
}

TEST_F(ResultsViews, TheLevelAreaIsCoveredAndTheButtonsDisabledWhileAViewIsComputed) {
  seisekitime1* menu = openMenu();
  struct Seen {
    bool covered = false, back = true, start = true, orders = true, listShown = true;
  } seen;
  QTimer::singleShot(0, menu, [&] {
    seen = {menu->Picture6->isVisible(), menu->Command1->isEnabled(), menu->Command4[1]->isEnabled(),
            menu->Picture1->isEnabled(), menu->List5[1]->isVisible()};
  });
  click(menu->Option1[2]);
  EXPECT_TRUE(seen.covered);
  EXPECT_FALSE(seen.back);
  EXPECT_FALSE(seen.start);
  EXPECT_FALSE(seen.orders);
  EXPECT_FALSE(seen.listShown);
  // Afterwards the availability rules decide again.
  EXPECT_TRUE(menu->Picture6->isHidden());
  EXPECT_TRUE(menu->Command1->isEnabled());
  EXPECT_TRUE(menu->Command4[1]->isEnabled());
  EXPECT_TRUE(menu->Picture1->isEnabled());
  EXPECT_EQ(menu->ProgressBar2->value(), 25);
}

TEST_F(ResultsViews, TheChosenPupilsLineIsBroughtIntoView) {
  QStringList roster;
  for (int p = 1; p <= 80; ++p) roster.append(QStringLiteral("%1,2015,0,0,\"生徒%1\",0,\"\",\"\"").arg(p));
  app.installation.writeRoster(roster);
  std::vector<ResultRecord> records;
  for (int p = 2; p <= 80; ++p) records.push_back(run(daysAgo(1), p, 1, 20 + p));
  app.installation.writeResults(records);
  seisekitime1* menu = openMenu();
  LevelList* list = menu->List5[1];
  ASSERT_EQ(list->count(), 80);
  ASSERT_TRUE(list->line(79).contains(u"●"_qs));
  EXPECT_TRUE(list->viewport()->rect().contains(list->visualRect(list->model()->index(79, 0))));
  EXPECT_EQ(list->currentRow(), -1);
  // A level where the pupil leads stays at its top.
  records.push_back(run(daysAgo(0), 1, 2, 10));
  app.installation.writeResults(records);
  app.navigator.show(screens::kStudentMenu);
  EXPECT_EQ(menu->List5[2]->indexAt(QPoint(2, 2)).row(), 0);
}

TEST_F(ResultsViews, PersonalTimesShowTheGraphButtonAndThePupilList) {
  app.installation.writeResults({run(daysAgo(0), 1, 1, 30)});
  seisekitime1* menu = openMenu();
  EXPECT_TRUE(menu->Command17->isHidden());
  click(menu->Option2[2]);
  EXPECT_FALSE(menu->Command17->isHidden());
  EXPECT_EQ(menu->Command17->text(), u"グラフ"_qs);
  EXPECT_EQ(lines(menu->List5[1]),
            QStringList{app.clock.today().toString(u"yyyy/MM/dd"_qs) + u" 16:48:00  30秒"_qs});
  EXPECT_TRUE(menu->Picture6->isHidden());
  EXPECT_TRUE(menu->Command1->isEnabled());
  EXPECT_EQ(lines(menu->List2), (QStringList{u"小４ /  山田太郎/1"_qs, u"小５ /  佐藤花子/2"_qs, u" /  田中先生/3"_qs}));

  menu->Picture11->show();
  EXPECT_TRUE(menu->List2->isHidden());
  click(menu->Command25);
  EXPECT_TRUE(menu->Command25->isHidden());
  EXPECT_FALSE(menu->List2->isHidden());
  click(menu->Command18);
  EXPECT_TRUE(menu->Picture11->isHidden());

  // Another mode hides the graph button again.
  click(menu->Option2[1]);
  EXPECT_TRUE(menu->Command17->isHidden());
}

TEST_F(ResultsViews, ColumnsStayOnTheCanvasOfAWideScreen) {
  seisekitime1* menu = openMenu();
  app.host.resize(1920, 1080);
  QCoreApplication::processEvents();
  ASSERT_EQ(menu->size(), QSize(1920, 1080));
  // The canvas is 1440 pixels wide, centred: 240 pixels of margin each side. Column 5 begins inside
  // the canvas and would run on into the right margin.
  const QRect list5 = menu->List5[5]->geometry();
  ASSERT_GT(list5.right(), 1680);
  const QImage shot = menu->grab().toImage();
  const int y = list5.center().y();
  const QColor inside = shot.pixelColor(1670, y);
  const QColor margin = shot.pixelColor(1700, y);
  EXPECT_EQ(inside, menu->List5[5]->palette().color(QPalette::Base));
  EXPECT_EQ(margin, menu->palette().color(QPalette::Window));
}
