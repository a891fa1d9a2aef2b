#include <gtest/gtest.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "core/app_state.h"
#include "core/screen_names.h"
#include "menu/seisekitime1.h"
#include "platform/clock.h"
#include "platform/text_codec.h"
#include "support/answer_log_file.h"
#include "support/pdf_pages.h"
#include "support/test_app.h"
#include "teacher/fact_map_view.h"
#include "teacher/frm_fact_map.h"

namespace {
void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }
using Result = AnswerRecord::Result;

// The test installation's roster (1 山田太郎 小４, 2 佐藤花子 小５, 3 田中先生) and a log where
// pupil 1 missed 12×7 today, pupil 2 answered 13×20 today and 11×1 forty days ago.
class FactMapScreen : public ::testing::Test {
 protected:
  void SetUp() override {
    app.loadInstallation();
    AppState& s = *app.state;
    s.schoolYear = 2026;
    const std::vector<std::pair<int, QString>> roster = {{1, u"山田太郎"_qs}, {2, u"佐藤花子"_qs}, {3, u"田中先生"_qs}};
    const int births[] = {2016, 2015, 1980};
    for (const auto& [no, name] : roster) {
      s.rosterPupilNo[std::size_t(++s.rosterCount)] = no;
      s.pupilName[no] = name;
      s.pupilBirthYear[no] = births[no - 1];
    }
    const double today = app.clock.dateNumber();
    writeAnswerLog(answerLogPath(s), answerLogBytes({
                                         answerOf(today, 1, 12, 7, Result::Wrong, 3000),
                                         answerOf(today, 1, 12, 7, Result::RightOnRetry, 5000),
                                         answerOf(today, 1, 12, 7, Result::Right, 2400),
                                         answerOf(today, 2, 13, 20, Result::Right, 1800),
                                         answerOf(today - 40, 2, 11, 1, Result::Right, 7000),
                                     }));
  }
  FrmFactMap* openTeacherMap() {
    app.navigator.show(screens::kFactMap);
    return app.screen<FrmFactMap>(screens::kFactMap);
  }
  void choosePupils(FrmFactMap* screen, const std::vector<int>& rows) {
    for (int row : rows) screen->List1->item(row)->setSelected(true);
    screen->List1->setCurrentItem(screen->List1->item(rows.back()), QItemSelectionModel::Select);
  }
  TestApp app;
};
}  // namespace

TEST_F(FactMapScreen, OpensOnTheWholeSchoolOverThirtyDaysWithTheWeakestListed) {
  FrmFactMap* screen = openTeacherMap();
  EXPECT_EQ(screen->group().kind, FactGroup::Kind::School);
  EXPECT_EQ(screen->period(), FactPeriod::Days30);
  EXPECT_TRUE(screen->Option1[0]->isChecked());
  EXPECT_EQ(screen->Combo1->currentText(), u"学校全体"_qs);
  EXPECT_EQ(screen->Label1->text(), u"苦手マップ　学校全体　30日"_qs);
  const FactMap& map = screen->mapView->map();
  EXPECT_EQ(map.cell(12, 7).answers, 3);
  EXPECT_EQ(map.cell(13, 20).answers, 1);
  EXPECT_EQ(map.cell(11, 1).answers, 0);  // forty days ago
  ASSERT_EQ(screen->List2->count(), 2);
  EXPECT_EQ(screen->List2->item(0)->text(), u" 1. 12×7 　3問中 1問まちがい　2.4秒"_qs);
  EXPECT_EQ(screen->List1->count(), 3);
  EXPECT_TRUE(app.boxes.shown.empty());
}

TEST_F(FactMapScreen, GradePeriodAndPupilChoicesRebuildTheMap) {
  FrmFactMap* screen = openTeacherMap();
  screen->Combo1->setCurrentIndex(screen->Combo1->findText(u"小５"_qs));
  screen->groupChosen(screen->Combo1->currentIndex());
  EXPECT_EQ(screen->mapView->map().cell(12, 7).answers, 0);
  EXPECT_EQ(screen->mapView->map().cell(13, 20).answers, 1);
  click(screen->Option1[2]);
  EXPECT_EQ(screen->period(), FactPeriod::Everything);
  EXPECT_EQ(screen->mapView->map().cell(11, 1).answers, 1);
  EXPECT_EQ(screen->Label1->text(), u"苦手マップ　小５　すべて"_qs);

  choosePupils(screen, {0});
  EXPECT_EQ(screen->group().kind, FactGroup::Kind::Pupil);
  EXPECT_EQ(screen->group().pupilNo, 1);
  EXPECT_EQ(screen->Combo1->currentText(), u"生徒を選ぶ"_qs);
  EXPECT_EQ(screen->mapView->map().cell(12, 7).answers, 3);
  EXPECT_EQ(screen->mapView->map().cell(13, 20).answers, 0);
  EXPECT_EQ(screen->Label1->text(), u"苦手マップ　山田太郎　すべて"_qs);
}

TEST_F(FactMapScreen, EveryChosenPupilPrintsOnOnePageOfAJobOfTheirOwn) {
  FrmFactMap* screen = openTeacherMap();
  choosePupils(screen, {0, 1});
  click(screen->Command1);
  ASSERT_EQ(app.printer.jobCount(), 2);
  EXPECT_EQ(pdfPages(app.printer.jobPath(1)), 1);
  EXPECT_EQ(pdfPages(app.printer.jobPath(2)), 1);
  EXPECT_TRUE(app.boxes.shown.empty());

  // Nobody chosen: the group on screen, in one job.
  screen->groupChosen(0);
  click(screen->Command1);
  EXPECT_EQ(app.printer.jobCount(), 3);
  EXPECT_EQ(pdfPages(app.printer.jobPath(3)), 1);
}

TEST_F(FactMapScreen, TheCsvHasAHeadingAndSixtyFactsInCp932WithCrLf) {
  FrmFactMap* screen = openTeacherMap();
  const QString path = app.installation.root() + u"/map.csv"_qs;
  app.fileDialogs.answer = path;
  click(screen->Command2);
  ASSERT_EQ(app.fileDialogs.suggested.size(), 1);
  EXPECT_TRUE(app.fileDialogs.suggested[0].endsWith(u"苦手マップ_2026-12-09.csv"_qs));
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  // 段 = 92 69 in CP932.
  EXPECT_TRUE(bytes.startsWith(QByteArray::fromHex("9269") + ","));
  const QStringList lines = decodeCp932(bytes).split(u"\r\n"_qs);
  ASSERT_EQ(lines.size(), 62);
  EXPECT_EQ(lines[0], u"段,かける数,回答数,まちがい数,中央値秒"_qs);
  EXPECT_EQ(lines[1], u"11,1,0,0,"_qs);
  EXPECT_EQ(lines[20 + 7], u"12,7,3,1,2.4"_qs);
  EXPECT_EQ(lines[60], u"13,20,1,0,1.8"_qs);
  EXPECT_TRUE(lines[61].isEmpty());
  EXPECT_FALSE(bytes.contains("\n\n"));
  ASSERT_FALSE(app.boxes.shown.empty());
  EXPECT_TRUE(app.boxes.shown.back().text.startsWith(u"保存しました。"_qs));

  // A folder that is not there: the teacher is told and the program goes on.
  app.fileDialogs.answer = app.installation.root() + u"/ない/map.csv"_qs;
  click(screen->Command2);
  EXPECT_TRUE(app.boxes.shown.back().text.startsWith(u"CSVファイルを保存できませんでした。"_qs));
}

TEST_F(FactMapScreen, DamagedAnswersAreToldOnceAndTheRestShown) {
  QFile log(answerLogPath(*app.state));
  ASSERT_TRUE(log.open(QIODevice::Append));
  log.write(QByteArray(64, '\x7f'));
  log.close();
  FrmFactMap* screen = openTeacherMap();
  ASSERT_EQ(app.boxes.shown.size(), 1u);
  EXPECT_EQ(app.boxes.shown[0].text, u"解答記録.dat に読めない記録が 2件ありました。その記録は使わずに表示しています。"_qs);
  EXPECT_EQ(screen->mapView->map().cell(12, 7).answers, 3);
  click(screen->Option1[1]);
  EXPECT_EQ(app.boxes.shown.size(), 1u);
}

TEST_F(FactMapScreen, ThePupilsButtonOpensTheirOwnMapAndBackReturnsToTheMenu) {
  app.choosePupil(1);
  app.installation.writeResults({});
  app.navigator.show(screens::kStudentMenu);
  auto* menu = app.screen<seisekitime1>(screens::kStudentMenu);
  ASSERT_TRUE(menu->Command26->isVisible());
  click(menu->Command26);
  ASSERT_EQ(app.current(), screens::kPupilFactMap);
  auto* screen = app.screen<FrmFactMap>(screens::kPupilFactMap);
  EXPECT_EQ(screen->group().kind, FactGroup::Kind::Pupil);
  EXPECT_EQ(screen->group().pupilNo, 1);
  EXPECT_EQ(screen->period(), FactPeriod::Days30);
  EXPECT_EQ(screen->mapView->map().cell(12, 7).answers, 3);
  EXPECT_EQ(screen->mapView->map().cell(13, 20).answers, 0);
  for (QWidget* teacherOnly : {static_cast<QWidget*>(screen->Combo1), static_cast<QWidget*>(screen->List1),
                               static_cast<QWidget*>(screen->Command1), static_cast<QWidget*>(screen->Command2)})
    EXPECT_FALSE(teacherOnly->isVisible());
  click(screen->Command3);
  EXPECT_EQ(app.current(), screens::kStudentMenu);
  EXPECT_FALSE(app.navigator.isLoaded(screens::kPupilFactMap));
}

TEST(FactMapViewTest, ArrowsMoveTheSelectionAndTheMouseShowsTheCellUnderIt) {
  FactMapBuilder builder;
  builder.add(answerOf(46365, 1, 11, 2, Result::Wrong, 900));
  builder.add(answerOf(46365, 1, 11, 2, Result::Right, 2300));
  builder.add(answerOf(46365, 1, 12, 1, Result::Right, 4100));
  FactMapView view;
  view.resize(1100, 400);
  view.setMap(builder.finish());
  view.show();
  EXPECT_EQ(view.selected(), (Fact{11, 1}));
  QTest::keyClick(&view, Qt::Key_Right);
  EXPECT_EQ(view.selected(), (Fact{11, 2}));
  EXPECT_EQ(view.detailText(), u"11×2　回答数 2　まちがい数 1　中央値 2.3秒"_qs);
  QTest::keyClick(&view, Qt::Key_Up);  // stays on the first row
  QTest::keyClick(&view, Qt::Key_Left);
  QTest::keyClick(&view, Qt::Key_Left);  // stays on the first column
  QTest::keyClick(&view, Qt::Key_Down);
  EXPECT_EQ(view.selected(), (Fact{12, 1}));

  // Find the centre of 13×20 by its cell and hover there.
  QPoint at;
  for (int y = 0; y < view.height() && at.isNull(); y += 2)
    for (int x = view.width() - 1; x >= 0 && at.isNull(); x -= 2)
      if (view.factAt(QPointF(x, y)) == Fact{13, 20}) at = QPoint(x - 10, y + 10);
  ASSERT_FALSE(at.isNull());
  // QTest's mouse moves do not reach a widget on the offscreen platform; the event itself does.
  QMouseEvent move(QEvent::MouseMove, QPointF(at), view.mapToGlobal(QPointF(at)), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QCoreApplication::sendEvent(&view, &move);
  EXPECT_EQ(view.shownFact(), (Fact{13, 20}));
  EXPECT_EQ(view.detailText(), u"13×20　回答数 0　まちがい数 0　中央値 なし"_qs);
}
