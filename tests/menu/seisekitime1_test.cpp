#include <gtest/gtest.h>

#include <map>
#include <optional>

#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include "core/app_state.h"
#include "core/results_file.h"
#include "core/screen_names.h"
#include "menu/clickable_label.h"
#include "menu/column_layout.h"
#include "menu/level_list.h"
#include "menu/seisekitime1.h"
#include "platform/clock.h"
#include "support/scratch_mount.h"
#include "support/test_app.h"

namespace {
const QString kDefaultCriteria = u"60,120,100,5,1,0,0,7,7,,,"_qs;

class StudentMenu : public ::testing::Test {
 protected:
  StudentMenu() { app.installation.writeResults({}); }

  double daysAgo(int days) const { return dateNumberOf(app.clock.today().addDays(-days)); }

  // Criteria of every level as by default, with the given lines for some levels.
  void writeCriteria(const std::map<int, QString>& lines) {
    QStringList all;
    for (int level = 1; level <= 25; ++level)
      all.append(lines.count(level) ? lines.at(level) : kDefaultCriteria);
    app.installation.writeCriteria(all);
  }

  seisekitime1* openMenu(int pupil = 1, const QString& name = u"山田太郎"_qs, int levelCount = 25) {
    app.loadInstallation();
    app.choosePupil(pupil);
    app.state->currentPupilName = name;
    app.state->levelCount = levelCount;
    app.navigator.show(screens::kStudentMenu);
    return app.screen<seisekitime1>(screens::kStudentMenu);
  }

  void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }

  TestApp app;
};
}  // namespace

TEST_F(StudentMenu, ColumnsShareTheWidthUpToFourLevelsAndScrollBeyond) {
  seisekitime1* menu = openMenu(1, u"山田太郎"_qs, 4);
  ASSERT_EQ(menu->Command4.size(), 5u);
  EXPECT_EQ(menu->columnWidth(), 3648);
  EXPECT_TRUE(menu->HScroll1->isHidden());
  EXPECT_EQ(menu->placement(menu->List5[4]).left(), kColumnsLeft + 3 * 3648);
  EXPECT_EQ(menu->placement(menu->Label1[4]).width(), 3648 / 5);
  EXPECT_EQ(menu->placement(menu->Label15[4]).left(), kColumnsLeft + 3 * 3648 + 3648 / 2);
}

TEST_F(StudentMenu, TwentyFiveColumnsScrollAndLeftColumnsLeaveTheScreen) {
  seisekitime1* menu = openMenu();
  ASSERT_EQ(menu->Command4.size(), 26u);
  EXPECT_EQ(menu->columnWidth(), 3456);
  EXPECT_FALSE(menu->HScroll1->isHidden());
  EXPECT_EQ(menu->HScroll1->maximum(), 22);
  EXPECT_EQ(app.state->menuScrollPos, 1);

  menu->HScroll1->setValue(3);
  EXPECT_EQ(app.state->menuScrollPos, 3);
  EXPECT_EQ(menu->placement(menu->Command4[3]).left(), kColumnsLeft);
  EXPECT_EQ(menu->placement(menu->Label3[4]).left(), kColumnsLeft + 3456 + 3456 / 5);
  EXPECT_EQ(menu->placement(menu->List5[1]).left(), 15360);
  EXPECT_EQ(menu->placement(menu->Label10[2]).left(), 15360 + 3456 / 2);

  // The position is kept for the next showing of the menu.
  app.navigator.unload(screens::kStudentMenu);
  menu = app.screen<seisekitime1>(screens::kStudentMenu);
  app.navigator.show(screens::kStudentMenu);
  menu = app.screen<seisekitime1>(screens::kStudentMenu);
  EXPECT_EQ(menu->HScroll1->value(), 3);
  EXPECT_EQ(menu->placement(menu->List5[3]).left(), kColumnsLeft);
}

TEST_F(StudentMenu, ShowsTheColumnsAndCountsOfThePupil) {
  writeCriteria({{2, u"60,120,9999,5,1.5,0,0,7,7,,,"_qs}});
  app.installation.writeResults({TempInstallation::record(daysAgo(0), 1, 2, 30),
                                 TempInstallation::record(daysAgo(0), 1, 2, 60),
                                 TempInstallation::record(daysAgo(10), 1, 2, 120),
                                 TempInstallation::record(daysAgo(0), 2, 1, 30)});
  app.clock.set(app.clock.today(), QTime(10, 25, 30));
  seisekitime1* menu = openMenu();
  app.state->nameChosenSecond = 10 * 3600;
  app.navigator.show(screens::kStudentMenu);

  EXPECT_EQ(menu->windowTitle(), u"hoshida"_qs);
  EXPECT_EQ(menu->Label3[2]->text(), u"１１(1-10R)"_qs);
  EXPECT_EQ(menu->Label3[2]->toolTip(), u"１１(1-10R)"_qs);
  EXPECT_EQ(menu->Command4[2]->text(), u"ｽﾀｰﾄ(&2)"_qs);
  EXPECT_EQ(menu->Command4[12]->toolTip(), u"クリックしてスタートします。番号を押してもよろしい"_qs);
  EXPECT_EQ(menu->Label7[1]->text(), u"目標=60秒 5回/100点(×1)"_qs);
  EXPECT_EQ(menu->Label7[2]->text(), u"目標=60秒 --------"_qs);

  // Level 1: only another pupil's run. Level 2: 11 and 5 points today (× 1.5), 1 ten days ago.
  EXPECT_EQ(menu->Label15[1]->text(), u"------"_qs);
  EXPECT_EQ(menu->Label14[1]->text(), u"-----"_qs);
  EXPECT_EQ(menu->Label8[1]->text(), u"最近7日=0回 / 0点"_qs);
  EXPECT_EQ(menu->Label14[2]->text(), u"2回/23点"_qs);
  EXPECT_EQ(menu->Label15[2]->text(), u"3回/24点"_qs);
  EXPECT_EQ(menu->Label8[2]->text(), u"最近7日=2回 / 23点"_qs);
  EXPECT_EQ(menu->Label18->text(), u"本日総回数＝2回"_qs);
  EXPECT_EQ(app.state->todayRunsSum, 2);
  EXPECT_EQ(menu->Label17->text(), u"起動後25分"_qs);
  EXPECT_EQ(menu->Label13->text(), u"テスト塾:1"_qs);
  EXPECT_EQ(menu->Label11->text(), u"カケドリ１"_qs);

  EXPECT_TRUE(menu->Picture2->isHidden());
  EXPECT_FALSE(menu->List5[1]->isHidden());
  EXPECT_TRUE(menu->Picture6->isHidden());
  EXPECT_TRUE(menu->Command1->isEnabled());
  EXPECT_TRUE(menu->Option2[1]->isChecked());
  EXPECT_TRUE(menu->Option1[1]->isChecked());
  EXPECT_EQ(menu->Option1[1]->text(), u"累計順"_qs);
  EXPECT_EQ(menu->Combo2->itemText(4), u"　　今までの全成績\""_qs);
  EXPECT_EQ(menu->Combo1->count(), 12);
  EXPECT_EQ(menu->menuReady, 1);

  // A run recorded while the menu stays loaded shows at its next activation, recent window included.
  app.installation.writeResults({TempInstallation::record(daysAgo(0), 1, 2, 30),
                                 TempInstallation::record(daysAgo(0), 1, 2, 60),
                                 TempInstallation::record(daysAgo(0), 1, 2, 60),
                                 TempInstallation::record(daysAgo(10), 1, 2, 120)});
  app.navigator.show(screens::kStudentMenu);
  EXPECT_EQ(menu->Label14[2]->text(), u"3回/30点"_qs);
  EXPECT_EQ(menu->Label8[2]->text(), u"最近7日=3回 / 30点"_qs);
  EXPECT_EQ(menu->Label18->text(), u"本日総回数＝3回"_qs);
}

TEST_F(StudentMenu, DataButtonOnlyForTeachers) {
  const std::pair<QString, bool> cases[] = {
      {u"山田太郎"_qs, false}, {u"田中先生"_qs, true}, {u"★鈴木"_qs, true}, {u"先山"_qs, false}};
  for (const auto& [name, teacher] : cases) {
    seisekitime1* menu = openMenu(1, name);
    EXPECT_EQ(menu->Command8->isHidden(), !teacher) << name.toStdString();
    EXPECT_EQ(menu->Command8->text(), u"データ処理"_qs);
    app.navigator.unload(screens::kStudentMenu);
  }
}

TEST_F(StudentMenu, OverPractisedLevelIsBarred) {
  writeCriteria({{3, u"60,120,100,5,1,2,0,7,7,,,"_qs}, {25, u"60,120,100,5,1,1,0,7,7,,,"_qs}});
  app.installation.writeResults({TempInstallation::record(daysAgo(0), 1, 3, 50),
                                 TempInstallation::record(daysAgo(1), 1, 3, 50),
                                 TempInstallation::record(daysAgo(0), 1, 25, 50)});
  seisekitime1* menu = openMenu();
  EXPECT_FALSE(menu->Command4[3]->isEnabled());
  EXPECT_FALSE(menu->Text1[3]->isHidden());
  EXPECT_EQ(menu->Text1[3]->text(), u"やりすぎ禁止"_qs);
  EXPECT_TRUE(menu->Command4[25]->isEnabled());
  EXPECT_TRUE(menu->Text1[25]->isHidden());
  EXPECT_TRUE(menu->Command4[2]->isEnabled());
  EXPECT_TRUE(menu->Text1[2]->isHidden());
  EXPECT_EQ(app.state->finalQuotaMet, Value(0));

  // Reaching the last level's goal lifts the ban at the next activation.
  std::vector<ResultRecord> records = {TempInstallation::record(daysAgo(0), 1, 3, 50),
                                       TempInstallation::record(daysAgo(1), 1, 3, 50)};
  for (int run = 0; run < 5; ++run) records.push_back(TempInstallation::record(daysAgo(0), 1, 25, 1));
  app.installation.writeResults(records);
  app.navigator.show(screens::kStudentMenu);
  EXPECT_EQ(app.state->finalQuotaMet, Value(1));
  EXPECT_TRUE(menu->Command4[3]->isEnabled());
  EXPECT_TRUE(menu->Text1[3]->isHidden());
}

TEST_F(StudentMenu, StartsALevelByButtonNameAndKey) {
  {
    seisekitime1* menu = openMenu();
    // A key already waiting when the button is pressed arrives while the run starts: it must not
    // start a second one.
    QCoreApplication::postEvent(menu, new QKeyEvent(QEvent::KeyPress, Qt::Key_4, Qt::NoModifier, u"4"_qs));
    click(menu->Command4[3]);
    EXPECT_EQ(app.current(), screens::kDrill);
    EXPECT_EQ(app.state->currentLevel, 3);
  }
  {
    seisekitime1* menu = openMenu();
    EXPECT_EQ(app.current(), screens::kStudentMenu);
    click(menu->Label3[5]);
    EXPECT_EQ(app.current(), screens::kDrill);
    EXPECT_EQ(app.state->currentLevel, 5);
    EXPECT_FALSE(app.navigator.isLoaded(screens::kStudentMenu));
  }
  const std::pair<QString, int> keys[] = {{u"a"_qs, 10}, {u"d"_qs, 13}, {u"9"_qs, 9}};
  for (const auto& [typed, level] : keys) {
    seisekitime1* menu = openMenu();
    QTest::keyClicks(menu, typed);
    EXPECT_EQ(app.current(), screens::kDrill) << typed.toStdString();
    EXPECT_EQ(app.state->currentLevel, level);
    app.navigator.unload(screens::kStudentMenu);
  }
  {
    // The screen sees the key before the focused control does.
    seisekitime1* menu = openMenu();
    QTest::keyClicks(menu->Combo1, u"7"_qs);
    EXPECT_EQ(app.state->currentLevel, 7);
  }
}

TEST_F(StudentMenu, NothingStartsWhereAStartIsNotAllowed) {
  writeCriteria({{3, u"60,120,100,5,1,1,0,7,7,,,"_qs}, {10, u"60,120,100,5,1,1,0,7,7,,,"_qs}});
  app.installation.writeResults({TempInstallation::record(daysAgo(0), 1, 3, 50),
                                 TempInstallation::record(daysAgo(0), 1, 10, 50)});
  seisekitime1* menu = openMenu();
  auto nothingStarted = [&](const char* what) {
    EXPECT_EQ(app.current(), screens::kStudentMenu) << what;
    EXPECT_EQ(app.state->currentLevel, 0) << what;
  };
  click(menu->Command4[3]);
  menu->startLevel(3);
  click(menu->Label3[3]);
  QTest::keyClicks(menu, u"3"_qs);
  QTest::keyClicks(menu, u"a"_qs);
  nothingStarted("barred levels");

  QTest::keyClicks(menu, u"A"_qs);
  QKeyEvent fullWidth(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, u"ｂ"_qs);
  QCoreApplication::sendEvent(menu, &fullWidth);
  nothingStarted("upper case and full-width letters");

  menu->openTeacherPanel();
  QCoreApplication::processEvents();  // lays out the panel's buttons
  click(menu->Command4[1]);
  click(menu->Label3[1]);
  QTest::keyClicks(menu, u"1"_qs);
  QTest::keyClick(menu, Qt::Key_1, Qt::AltModifier);
  nothingStarted("teacher panel open");
  click(menu->Command12);
  EXPECT_TRUE(menu->Picture7->isHidden());
  QTest::keyClicks(menu, u"1"_qs);
  EXPECT_EQ(app.state->currentLevel, 1);
}

TEST_F(StudentMenu, NothingStartsBeforeActivationHasFinished) {
  app.loadInstallation();
  app.choosePupil(1);
  auto* menu = static_cast<seisekitime1*>(app.navigator.load(screens::kStudentMenu));
  ASSERT_TRUE(menu->Command4[1]->isEnabled());
  EXPECT_EQ(menu->menuReady, 0);
  menu->startLevel(1);
  menu->startLevelByName(1);
  QTest::keyClicks(menu, u"1"_qs);
  EXPECT_EQ(app.state->currentLevel, 0);
  EXPECT_FALSE(app.navigator.isLoaded(screens::kDrill));
}

TEST_F(StudentMenu, AcceleratorStartsAnEnabledLevelOfItsDigit) {
  writeCriteria({{1, u"60,120,100,5,1,1,0,7,7,,,"_qs}});
  app.installation.writeResults({TempInstallation::record(daysAgo(0), 1, 1, 50)});
  seisekitime1* menu = openMenu();
  ASSERT_FALSE(menu->Command4[1]->isEnabled());
  QTest::keyClick(menu, Qt::Key_1, Qt::AltModifier);
  EXPECT_EQ(app.state->currentLevel, 10);

  menu = openMenu();
  menu->HScroll1->setValue(12);
  QTest::keyClick(menu->Command4[13], Qt::Key_1, Qt::AltModifier);
  EXPECT_EQ(app.state->currentLevel, 12);

  menu = openMenu();
  QTest::keyClick(menu, Qt::Key_4, Qt::AltModifier);
  EXPECT_EQ(app.state->currentLevel, 4);
}

TEST_F(StudentMenu, ZeroGoesBackOnlyWhileTheBackButtonIsEnabled) {
  seisekitime1* menu = openMenu();
  menu->Command1->setEnabled(false);
  QTest::keyClicks(menu, u"0"_qs);
  EXPECT_EQ(app.current(), screens::kStudentMenu);
  menu->Command1->setEnabled(true);
  QTest::keyClicks(menu, u"0"_qs);
  EXPECT_EQ(app.current(), screens::kNameSelection);
  EXPECT_FALSE(menu->Picture2->isHidden());

  menu = openMenu();
  EXPECT_FALSE(app.navigator.isLoaded(screens::kNameSelection));
  click(menu->Command1);
  EXPECT_EQ(app.current(), screens::kNameSelection);
}

TEST_F(StudentMenu, TeacherPanelChecksThePassword) {
  seisekitime1* menu = openMenu(3, u"田中先生"_qs);
  click(menu->Command8);
  ASSERT_FALSE(menu->Picture7->isHidden());
  const QString wrong[] = {u""_qs, u"PASS"_qs, u"pass "_qs};
  for (const QString& typed : wrong) {
    menu->Text3->setText(typed);
    click(menu->Command10[1]);
    ASSERT_EQ(app.boxes.shown.size(), 1u) << typed.toStdString();
    EXPECT_EQ(app.boxes.shown.back().text, u"パスワードを入力して下さい"_qs);
    EXPECT_FALSE(menu->Picture7->isHidden());
    EXPECT_EQ(menu->Text3->text(), typed);
    app.boxes.shown.clear();
  }
  // Digits typed into the password stay there and start nothing.
  menu->Text3->clear();
  QTest::keyClicks(menu->Text3, u"10"_qs);
  EXPECT_EQ(menu->Text3->text(), u"10"_qs);
  EXPECT_EQ(app.current(), screens::kStudentMenu);
  EXPECT_EQ(app.state->currentLevel, 0);

  menu->Text3->setText(u"pass"_qs);
  click(menu->Command10[0]);
  EXPECT_TRUE(app.boxes.shown.empty());
  EXPECT_EQ(app.current(), screens::kRecordsBrowser);
}

TEST_F(StudentMenu, EmptyPasswordPassesAnEmptyBox) {
  app.installation.writeCommonData(u"12345テスト塾"_qs, 4, 0, u""_qs);
  seisekitime1* menu = openMenu(3, u"田中先生"_qs);
  click(menu->Command8);
  click(menu->Command10[0]);
  EXPECT_TRUE(app.boxes.shown.empty());
}

TEST_F(StudentMenu, RunsWaitingOnThisComputerAreCountedAndShownUntilTheShareTakesThem) {
  app.loadInstallation();
  std::optional<ScratchMount> readOnly = ScratchMount::readOnly(app.installation.programDataFolder());
  if (!readOnly->mounted()) GTEST_SKIP() << "this test needs the right to mount";
  app.state->currentPupilNo = 1;
  app.state->currentLevel = 3;
  app.state->runTime = 40;
  ASSERT_TRUE(appendResult(*app.state, app.clock).keptHere);

  seisekitime1* menu = openMenu();
  EXPECT_FALSE(menu->waitingLabel->isHidden());
  EXPECT_EQ(menu->waitingLabel->text(), u"送信待ちの記録：1件"_qs);
  EXPECT_EQ(menu->Label18->text(), u"本日総回数＝1回"_qs);
  EXPECT_TRUE(app.boxes.shown.empty());

  readOnly.reset();
  app.navigator.show(screens::kNameSelection);
  menu = openMenu();
  EXPECT_TRUE(menu->waitingLabel->isHidden());
  EXPECT_EQ(menu->Label18->text(), u"本日総回数＝1回"_qs);
  EXPECT_EQ(app.installation.readResults().size(), 1u);
}
