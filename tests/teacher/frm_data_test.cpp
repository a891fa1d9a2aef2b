#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "core/results_file.h"
#include "core/screen_names.h"
#include "support/test_app.h"
#include "teacher/frm_data.h"

namespace {

// The browser over the test installation's roster (1 山田太郎, 2 佐藤花子, 3 田中先生).
class Browser : public ::testing::Test {
 protected:
  void SetUp() override { app.loadInstallation(); }

  FrmData* open(const std::vector<ResultRecord>& records) {
    app.installation.writeResults(records);
    app.navigator.show(screens::kRecordsBrowser);
    return app.screen<FrmData>(screens::kRecordsBrowser);
  }
  void doubleClick(FrmData* screen, int line) {
    const QModelIndex index = screen->listModel.index(line);
    screen->List1->scrollTo(index);
    const QPoint at = screen->List1->visualRect(index).center();
    // A double click arrives as a click followed by the double click itself.
    QTest::mouseClick(screen->List1->viewport(), Qt::LeftButton, {}, at);
    QTest::mousePress(screen->List1->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(screen->List1->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(screen->List1->viewport(), Qt::LeftButton, {}, at);
  }
  int selectedLine(FrmData* screen) {
    const QModelIndex current = screen->List1->currentIndex();
    return current.isValid() ? current.row() : -1;
  }
  // Run times of the records left in the file.
  std::vector<int> runTimes() {
    std::vector<int> times;
    for (const ResultRecord& r : app.installation.readResults()) times.push_back(r.runTime);
    return times;
  }
  double today() { return app.clock.dateNumber(); }

  TestApp app;
};

}  // namespace

TEST_F(Browser, ADoubleClickOpensThePanelOnTheRecordOfTheLine) {
  ResultRecord levelZero = TempInstallation::record(today(), 1, 0, 10);
  FrmData* screen = open({TempInstallation::record(today(), 1, 2, 50), levelZero,
                          TempInstallation::record(today(), 2, 3, 85), TempInstallation::record(today(), 1, 4, 99999)});
  ASSERT_NE(screen, nullptr);
  ASSERT_EQ(screen->listModel.rowCount(), 3);
  EXPECT_TRUE(screen->Picture3->isHidden());
  EXPECT_FALSE(screen->Command2->isEnabled());
  EXPECT_FALSE(screen->Command3->isEnabled());

  doubleClick(screen, 1);  // the line after the level-0 record holds record 3
  EXPECT_TRUE(screen->Picture3->isVisible());
  EXPECT_EQ(screen->Label1->text(), u"3"_qs);
  EXPECT_EQ(screen->Label2[1]->text(), u"ﾚﾍﾞﾙ3"_qs);
  EXPECT_EQ(screen->Label2[2]->text(), listDateText(today()));
  EXPECT_EQ(screen->Label2[4]->text(), u"小５"_qs);
  EXPECT_EQ(screen->Combo1->currentText(), u"2 /  佐藤花子"_qs);
  EXPECT_EQ(screen->Text1[1]->text(), u"85"_qs);
  EXPECT_EQ(screen->VScroll1->value(), 85);
  EXPECT_TRUE(screen->Command2->isEnabled());

  // A time-out keeps its true time in the box; the spinner rests at its end.
  doubleClick(screen, 2);
  EXPECT_EQ(screen->Text1[1]->text(), u"99999"_qs);
  EXPECT_EQ(screen->VScroll1->value(), 6000);

  // The spinner writes the time at once; typing does not move the spinner.
  screen->VScroll1->triggerAction(QAbstractSlider::SliderSingleStepSub);
  EXPECT_EQ(screen->Text1[1]->text(), u"5999"_qs);
  screen->Text1[1]->setText(u"120"_qs);
  EXPECT_EQ(screen->VScroll1->value(), 5999);

  // Choosing a pupil shows their grade.
  screen->Combo1->setCurrentIndex(0);
  emit screen->Combo1->activated(0);
  EXPECT_EQ(screen->Label2[4]->text(), u"小４"_qs);

  // キャンセル closes the panel, as any click on the list does.
  QTest::mouseClick(screen->Command6, Qt::LeftButton);
  EXPECT_TRUE(screen->Picture3->isHidden());
  doubleClick(screen, 0);
  QTest::mouseClick(screen->List1->viewport(), Qt::LeftButton, {},
                    screen->List1->visualRect(screen->listModel.index(1)).center());
  EXPECT_TRUE(screen->Picture3->isHidden());
}

TEST_F(Browser, ACorrectionChangesThePupilAndTimeOfItsRecordAndSelectsItsLine) {
  FrmData* screen = open({TempInstallation::record(today(), 1, 2, 50), TempInstallation::record(today(), 1, 3, 85),
                          TempInstallation::record(today(), 1, 4, 70)});
  doubleClick(screen, 1);
  screen->Combo1->setEditText(u"2 /  佐藤花子"_qs);
  screen->Text1[1]->setText(u"13.5"_qs);
  QTest::mouseClick(screen->Command2, Qt::LeftButton);
  const auto records = app.installation.readResults();
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(records[1].pupilNo, 2);
  EXPECT_EQ(records[1].runTime, 14);
  EXPECT_EQ(records[0].pupilNo, 1);
  EXPECT_EQ(records[2].runTime, 70);
  EXPECT_EQ(selectedLine(screen), 1);
  EXPECT_TRUE(screen->Picture3->isHidden());
  EXPECT_TRUE(screen->listModel.listing().lineAt(1).contains(u"   14秒 　   2 佐藤花子"_qs));
  EXPECT_TRUE(app.boxes.shown.empty());
}

TEST_F(Browser, BadPupilOrTimeIsRefusedAndNothingIsWritten) {
  FrmData* screen = open({TempInstallation::record(today(), 1, 2, 50)});
  const QByteArray before = app.installation.readResults()[0].encode();
  for (const auto& [pupil, time] : {std::pair{u"佐藤花子"_qs, u"50"_qs}, std::pair{u"2 /  佐藤花子"_qs, u"abc"_qs},
                                    std::pair{u"2 /  佐藤花子"_qs, u"100000"_qs}}) {
    doubleClick(screen, 0);
    screen->Combo1->setEditText(pupil);
    screen->Text1[1]->setText(time);
    app.boxes.shown.clear();
    QTest::mouseClick(screen->Command2, Qt::LeftButton);
    ASSERT_EQ(app.boxes.shown.size(), 1u) << pupil.toStdString() << " " << time.toStdString();
    EXPECT_EQ(app.boxes.shown[0].text, u"生徒番号とタイムを正しく入力して下さい"_qs);
    EXPECT_EQ(app.installation.readResults()[0].encode(), before);
    EXPECT_TRUE(screen->Picture3->isVisible()) << "the teacher can put it right";
  }
}

TEST_F(Browser, DeletionAsksFirstThenSelectsTheLineThatTookThePlaceOfTheRecord) {
  std::vector<ResultRecord> records;
  for (int k = 1; k <= 10; ++k) records.push_back(TempInstallation::record(today(), 1, 2, k));
  FrmData* screen = open(records);

  doubleClick(screen, 4);
  app.boxes.confirmAnswer = false;
  QTest::mouseClick(screen->Command3, Qt::LeftButton);
  ASSERT_EQ(app.boxes.shown.size(), 1u);
  EXPECT_EQ(app.boxes.shown[0].text, u"本当に消去しますか"_qs);
  EXPECT_EQ(app.boxes.shown[0].title, u"注意"_qs);
  EXPECT_EQ(runTimes().size(), 10u);

  app.boxes.confirmAnswer = true;
  QTest::mouseClick(screen->Command3, Qt::LeftButton);
  EXPECT_EQ(runTimes(), (std::vector<int>{1, 2, 3, 4, 6, 7, 8, 9, 10}));
  EXPECT_EQ(selectedLine(screen), 4);
  EXPECT_EQ(screen->listModel.listing().recordAt(4).runTime, 6);
  EXPECT_TRUE(screen->Picture3->isHidden());

  doubleClick(screen, 8);  // the last line
  QTest::mouseClick(screen->Command3, Qt::LeftButton);
  EXPECT_EQ(runTimes(), (std::vector<int>{1, 2, 3, 4, 6, 7, 8, 9}));
  EXPECT_EQ(selectedLine(screen), 7);
}

TEST_F(Browser, DeletingTheOnlyRecordLeavesAnEmptyListWithNoLineSelected) {
  FrmData* screen = open({TempInstallation::record(today(), 1, 2, 50)});
  doubleClick(screen, 0);
  QTest::mouseClick(screen->Command3, Qt::LeftButton);
  EXPECT_TRUE(runTimes().empty());
  EXPECT_EQ(screen->listModel.rowCount(), 0);
  EXPECT_EQ(selectedLine(screen), -1);
}

TEST_F(Browser, ALeftoverCopyStopsADeletionAndTheTeacherIsTold) {
  FrmData* screen = open({TempInstallation::record(today(), 1, 2, 50), TempInstallation::record(today(), 1, 2, 60)});
  QFile copy(resultsCopyPath(*app.state));
  ASSERT_TRUE(copy.open(QIODevice::WriteOnly));
  copy.write(TempInstallation::record(today(), 1, 2, 70).encode());
  copy.close();
  doubleClick(screen, 0);
  QTest::mouseClick(screen->Command3, Qt::LeftButton);
  ASSERT_EQ(app.boxes.shown.size(), 2u);
  EXPECT_TRUE(app.boxes.shown[1].text.contains(u"成績累積データtemp.dat"_qs));
  EXPECT_EQ(runTimes(), (std::vector<int>{50, 60}));
  EXPECT_EQ(QFile(resultsCopyPath(*app.state)).size(), 44);
}

TEST_F(Browser, BackShowsTheMenuAndUnloadsTheBrowser) {
  app.choosePupil(3);
  FrmData* screen = open({});
  QTest::mouseClick(screen->Command4, Qt::LeftButton);
  EXPECT_EQ(app.current(), screens::kStudentMenu);
  EXPECT_FALSE(app.navigator.isLoaded(screens::kRecordsBrowser));
}
