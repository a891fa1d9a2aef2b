#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QKeyEvent>
#include <QTest>
#include <QWindow>

#include "core/screen_names.h"
#include "drill/main_frm.h"
#include "menu/clickable_label.h"
#include "menu/seisekitime1.h"
#include "outcome/frm_syuuryou.h"
#include "selection/namesel.h"
#include "startup/firstfrm.h"
#include "support/test_app.h"

namespace {

// The whole program on a temporary installation, driven as a pupil drives it.
struct WholeCycle : ::testing::Test {
  WholeCycle() {
    // Level 4: 11 x 11..15 in random order; these draws reach every problem.
    app.random.setValues({0.0, 0.2, 0.4, 0.6, 0.8});
    // Window events run during the pause after a run, as they do in the program.
    app.pause.onPause = [](int) { QCoreApplication::processEvents(); };
    QApplication::setActiveWindow(&app.host);
  }

  void startProgram() {
    auto* splash = static_cast<Firstfrm*>(app.navigator.show(screens::kSplash));
    splash->continueStartUp();
    ASSERT_EQ(app.current(), screens::kNameSelection);
  }

  // Keys go where the focus is, as they would for a person at the keyboard.
  QWidget* keyTarget() {
    QWidget* focus = QApplication::focusWidget();
    return focus ? focus : app.navigator.current();
  }
  void press(Qt::Key key) { QTest::keyClick(keyTarget(), key); }
  void type(const QString& text) { QTest::keyClicks(keyTarget(), text); }

  void click(QWidget* widget) {
    ASSERT_TRUE(widget->isVisible() && widget->isEnabled());
    QTest::mouseClick(widget, Qt::LeftButton);
  }

  // Answers every problem of the running drill correctly, a few seconds each, the drill clock
  // ticking before each answer.
  void answerEveryProblem(int secondsEach, int wrongFirst = 0) {
    for (int guard = 0; guard < 200 && app.current() == screens::kDrill; ++guard) {
      auto* drill = app.screen<MainFrm>(screens::kDrill);
      const int product = drill->qLabel1->text().toInt() * drill->qlabel2->text().toInt();
      app.clock.advanceSeconds(secondsEach);
      drill->sTimer1Tick();  // the pupil sees the drill clock move on
      if (wrongFirst > 0) {
        --wrongFirst;
        type(QString::number(product + 1));
        press(Qt::Key_Space);
        type(u"++"_qs);
        continue;
      }
      type(QString::number(product));
      press(Qt::Key_Space);
    }
  }

  FrmSyuuryou* outcomeReady() {
    auto* outcome = app.screen<FrmSyuuryou>(screens::kOutcome);
    if (outcome) outcome->timer1Tick();
    return outcome;
  }

  TestApp app;
};

}  // namespace

TEST_F(WholeCycle, ByKeyboardAloneFromTheNameScreenToARecordedRunAndBack) {
  startProgram();
  // Down twice: past the dashes line and the teacher, born long before the pupils.
  press(Qt::Key_Down);
  press(Qt::Key_Down);
  EXPECT_EQ(app.screen<namesel>(screens::kNameSelection)->Label1->text(), u"小5 佐藤花子"_qs);
  press(Qt::Key_Return);
  ASSERT_EQ(app.current(), screens::kStudentMenu);
  EXPECT_EQ(app.state->currentPupilNo, 2);

  type(u"4"_qs);
  ASSERT_EQ(app.current(), screens::kDrill);
  answerEveryProblem(3, /*wrongFirst=*/1);
  ASSERT_EQ(app.current(), screens::kOutcome);
  FrmSyuuryou* outcome = outcomeReady();
  EXPECT_EQ(outcome->Label18->text(), u"今の成績：28秒"_qs);  // 6 answers x 3 s + one 10 s penalty

  press(Qt::Key_Return);  // "メニューへ" has the focus
  ASSERT_EQ(app.current(), screens::kStudentMenu);
  auto* menu = app.screen<seisekitime1>(screens::kStudentMenu);
  EXPECT_EQ(menu->Label14[4]->text(), u"1回/12点"_qs);

  type(u"0"_qs);
  EXPECT_EQ(app.current(), screens::kNameSelection);

  const auto records = app.installation.readResults();
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].pupilNo, 2);
  EXPECT_EQ(records[0].level, 4);
  EXPECT_EQ(records[0].runTime, 28);
  EXPECT_EQ(records[0].schoolCode, "12345");
}

TEST_F(WholeCycle, ByMouseThroughTheScreensWithARepeatOfTheLevel) {
  startProgram();
  // While the pupil looks for their name, the menu is made ready behind the list.
  ASSERT_TRUE(QTest::qWaitFor([this] { return app.navigator.isLoaded(screens::kStudentMenu); }));
  EXPECT_EQ(app.current(), screens::kNameSelection);
  auto* names = app.screen<namesel>(screens::kNameSelection);
  const QRect line = names->List1->visualItemRect(names->List1->item(3));
  QTest::mouseClick(names->List1->viewport(), Qt::LeftButton, {}, line.center());
  EXPECT_EQ(names->Label1->text(), u"小4 山田太郎"_qs);
  click(names->Command14);
  ASSERT_EQ(app.current(), screens::kStudentMenu);

  auto* menu = app.screen<seisekitime1>(screens::kStudentMenu);
  click(menu->Command4[4]);
  ASSERT_EQ(app.current(), screens::kDrill);
  answerEveryProblem(2);
  FrmSyuuryou* outcome = outcomeReady();
  ASSERT_NE(outcome, nullptr);
  // The pupil reads the outcome meanwhile, and the menu is made ready behind it.
  ASSERT_TRUE(QTest::qWaitFor([this] { return app.navigator.isLoaded(screens::kStudentMenu); }));
  EXPECT_EQ(app.current(), screens::kOutcome);
  click(outcome->Command5);  // もう一度
  ASSERT_EQ(app.current(), screens::kDrill);
  EXPECT_EQ(app.state->againPressed, 1);
  EXPECT_FALSE(app.navigator.isLoaded(screens::kStudentMenu));
  answerEveryProblem(2);
  outcome = outcomeReady();
  ASSERT_TRUE(QTest::qWaitFor([this] { return app.navigator.isLoaded(screens::kStudentMenu); }));
  click(outcome->Command4);  // メニューへ
  ASSERT_EQ(app.current(), screens::kStudentMenu);
  menu = app.screen<seisekitime1>(screens::kStudentMenu);
  EXPECT_EQ(menu->Label14[4]->text(), u"2回/66点"_qs);
  click(menu->Command1);
  EXPECT_EQ(app.current(), screens::kNameSelection);

  const auto records = app.installation.readResults();
  ASSERT_EQ(records.size(), 2u);
  for (const auto& r : records) {
    EXPECT_EQ(r.pupilNo, 1);
    EXPECT_EQ(r.level, 4);
    EXPECT_EQ(r.runTime, 10);
  }
}

TEST_F(WholeCycle, ATimedOutRunIsRecordedAndLeadsBackToTheMenuAndOn) {
  startProgram();
  press(Qt::Key_Down);
  press(Qt::Key_Return);
  ASSERT_EQ(app.current(), screens::kStudentMenu);
  type(u"4"_qs);
  ASSERT_EQ(app.current(), screens::kDrill);
  type(u"12"_qs);
  app.clock.advanceSeconds(600);  // five times the lowest time of 120 s
  app.screen<MainFrm>(screens::kDrill)->sTimer1Tick();
  ASSERT_EQ(app.current(), screens::kOutcome);
  FrmSyuuryou* outcome = outcomeReady();
  EXPECT_EQ(outcome->Label18->text(), u"記録なし"_qs);
  EXPECT_EQ(outcome->Label20->text(), u"時間切れ"_qs);
  press(Qt::Key_Return);
  ASSERT_EQ(app.current(), screens::kStudentMenu);
  type(u"4"_qs);
  EXPECT_EQ(app.current(), screens::kDrill);

  const auto records = app.installation.readResults();
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].runTime, 99999);
  EXPECT_EQ(records[0].pupilNo, 3);
}

TEST_F(WholeCycle, AKeyStillQueuedWhenMenuIsChosenDoesNotAlsoRepeatTheLevel) {
  startProgram();
  press(Qt::Key_Down);
  press(Qt::Key_Return);
  type(u"4"_qs);
  answerEveryProblem(2);
  FrmSyuuryou* outcome = outcomeReady();
  ASSERT_TRUE(outcome->Command4->hasFocus());
  // A pupil pressing Space twice: the second press reaches whatever has the focus by the time the
  // menu, while it opens, lets window events run.
  // Posted to the window, a key goes to the focus widget of the moment it is handled.
  QCoreApplication::postEvent(app.host.windowHandle(),
                              new QKeyEvent(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, u" "_qs));
  QCoreApplication::postEvent(app.host.windowHandle(),
                              new QKeyEvent(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, u" "_qs));
  click(outcome->Command4);
  QCoreApplication::processEvents();
  EXPECT_EQ(app.current(), screens::kStudentMenu);
  EXPECT_EQ(app.state->againPressed, 0);
  EXPECT_EQ(app.installation.readResults().size(), 1u);
}

TEST_F(WholeCycle, ABarredLevelStartsInNoWay) {
  // Level 2 bars after one run within its window; level 25's goal is far away.
  QStringList lines;
  for (int level = 1; level <= 25; ++level)
    lines.append(level == 2 ? u"60,120,100,5,1,1,0,7,7,,,"_qs : u"60,120,100,5,1,0,0,7,7,,,"_qs);
  app.installation.writeCriteria(lines);
  app.installation.writeResults({TempInstallation::record(app.clock.dateNumber(), 2, 2, 50)});
  startProgram();
  press(Qt::Key_Down);
  press(Qt::Key_Down);
  press(Qt::Key_Return);
  ASSERT_EQ(app.current(), screens::kStudentMenu);
  auto* menu = app.screen<seisekitime1>(screens::kStudentMenu);
  EXPECT_FALSE(menu->Command4[2]->isEnabled());
  EXPECT_TRUE(menu->Text1[2]->isVisible());
  EXPECT_EQ(menu->Text1[2]->text(), u"やりすぎ禁止"_qs);

  type(u"2"_qs);
  QTest::mouseClick(menu->Command4[2], Qt::LeftButton);
  QTest::mouseClick(menu->Label3[2], Qt::LeftButton);
  EXPECT_EQ(app.current(), screens::kStudentMenu);
  EXPECT_EQ(app.installation.readResults().size(), 1u);
}
