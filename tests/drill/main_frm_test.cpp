#include <gtest/gtest.h>

#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QTest>

#include "core/level_catalogue.h"
#include "core/screen_names.h"
#include "drill/main_frm.h"
#include "support/test_app.h"

namespace {

// What the screen looked like while the run was being handed over.
struct Handover {
  bool seen = false;
  int pauseMs = 0;
  QString frontScreen;
  bool overlay = false;
  bool recordingNotice = false;
  bool timeUpNotice = false;
  bool drillClockRunning = true;
  std::size_t recordsWritten = 0;
};

class DrillScreen : public ::testing::Test {
 protected:
  void SetUp() override {
    app.loadInstallation();
    app.state->pupilName[1] = QStringLiteral("  山田太郎  ");
    app.choosePupil(1);
  }

  QPointer<MainFrm> start(int level) {
    app.state->currentLevel = level;
    startRun(app.context);
    QPointer<MainFrm> drill = app.screen<MainFrm>(screens::kDrill);
    if (drill) watchHandover(drill);
    return drill;
  }

  void watchHandover(MainFrm* drill) {
    handover = Handover();
    app.pause.onPause = [this, drill = QPointer<MainFrm>(drill)](int ms) {
      if (handover.seen || !drill) return;
      handover.seen = true;
      handover.pauseMs = ms;
      handover.frontScreen = app.current();
      handover.overlay = drill->sPicture2->isVisibleTo(drill);
      handover.recordingNotice = drill->lblsss1->isVisibleTo(drill);
      handover.timeUpNotice = drill->lblsss2->isVisibleTo(drill);
      handover.drillClockRunning = drill->sTimer1.isActive();
      handover.recordsWritten = app.installation.readResults().size();
    };
  }

  static int shownProduct(MainFrm* drill) {
    return drill->qLabel1->text().toInt() * drill->qlabel2->text().toInt();
  }
  static void answer(MainFrm* drill, const QString& text) {
    QTest::keyClicks(drill, text);
    QTest::keyClick(drill, Qt::Key_Space);
  }
  static void answerRight(MainFrm* drill) { answer(drill, QString::number(shownProduct(drill))); }
  void nextSecond(MainFrm* drill) {
    app.clock.advanceSeconds(1);
    drill->sTimer1Tick();
  }

  // The record the results file must hold for a run recorded now.
  ResultRecord recordNow(int level, int runTime) const {
    const FakeClock at(app.clock.now());
    return TempInstallation::record(at.dateNumber(), 1, level, runTime, at.timeOfDay());
  }

  TestApp app;
  Handover handover;
};

TEST_F(DrillScreen, OpeningSetsUpTheStatusPanelAndTheFirstProblem) {
  app.state->todayRuns(3, 1) = 2;
  app.state->todayRuns(20, 1) = 1;
  app.clock.advanceSeconds(5 * 60 + 30);
  app.navigator.show(screens::kCover);
  const std::size_t seedsBefore = app.random.seeds.size();

  QPointer<MainFrm> drill = start(3);
  ASSERT_TRUE(drill);
  EXPECT_EQ(app.current(), screens::kDrill);
  EXPECT_FALSE(app.navigator.isLoaded(screens::kCover));
  ASSERT_EQ(app.random.seeds.size(), seedsBefore + 1);
  EXPECT_EQ(app.random.seeds.back(), app.clock.secondsSinceMidnight());

  EXPECT_EQ(drill->sLabel2->text(), QStringLiteral("カケドリ１"));
  EXPECT_EQ(drill->sLabel14->text(), app.state->schoolName);
  EXPECT_EQ(drill->sLabel7->text(), QStringLiteral("山田太郎"));
  EXPECT_EQ(drill->sLabel8->text(), QStringLiteral("１１(10-15)"));
  EXPECT_EQ(drill->sLabel9->text(), QStringLiteral("15"));
  EXPECT_EQ(drill->sLabel10->text(), QStringLiteral("0"));
  EXPECT_EQ(drill->sLabel11->text(), QStringLiteral("3"));
  EXPECT_EQ(drill->sLabel12->text(), QStringLiteral("4"));
  EXPECT_EQ(drill->sLabel13->text(), QStringLiteral("5"));
  EXPECT_EQ(drill->qLabel1->text(), QStringLiteral("11"));
  EXPECT_EQ(drill->qlabel2->text(), QStringLiteral("11"));
  EXPECT_EQ(drill->palette().color(QPalette::Window), QColor(0, 192, 192));
  EXPECT_TRUE(drill->seitouLabel->isHidden());
  EXPECT_TRUE(drill->Commandkakunin2->isHidden());
  EXPECT_TRUE(drill->sPicture2->isHidden());
  EXPECT_TRUE(drill->sTimer1.isActive());
  EXPECT_EQ(drill->sTimer1.interval(), 1000);
  EXPECT_TRUE(drill->sTimer2.isActive());
  EXPECT_EQ(drill->sTimer2.interval(), 10000);

  // Pass time 60 and lowest time 120: a limit of 600 s over the whole bar.
  EXPECT_EQ(app.state->timeLimit, 600);
  EXPECT_EQ(drill->placement(drill->sShape2).width(), 0);
  EXPECT_EQ(drill->placement(drill->sShape3).width(), MainFrm::kBarWidth / 10);
  EXPECT_EQ(drill->placement(drill->sShape4).width(), MainFrm::kBarWidth / 5);

  app.clock.advanceSeconds(5 * 60);
  drill->sTimer2Tick();
  EXPECT_EQ(drill->sLabel13->text(), QStringLiteral("10"));
}

TEST_F(DrillScreen, CompletedRunIsRecordedAndTheOutcomeOpensASecondLater) {
  QPointer<MainFrm> drill = start(3);
  ASSERT_TRUE(drill);
  for (int i = 0; i < 14; ++i) {
    nextSecond(drill);
    answerRight(drill);
  }
  EXPECT_EQ(drill->sLabel9->text(), QStringLiteral("1"));
  EXPECT_EQ(drill->sLabel10->text(), QStringLiteral("14"));
  EXPECT_EQ(drill->placement(drill->sShape2).width(), qRound(14 * MainFrm::kBarWidth / 600.0));
  nextSecond(drill);
  const ResultRecord expected = recordNow(3, 15);
  answerRight(drill);

  EXPECT_TRUE(handover.seen);
  EXPECT_EQ(handover.pauseMs, 1000);
  EXPECT_EQ(handover.frontScreen, screens::kCover);
  EXPECT_TRUE(handover.overlay);
  EXPECT_TRUE(handover.recordingNotice);
  EXPECT_FALSE(handover.timeUpNotice);
  EXPECT_FALSE(handover.drillClockRunning);
  EXPECT_EQ(handover.recordsWritten, 1u);

  EXPECT_EQ(app.current(), screens::kOutcome);
  EXPECT_FALSE(app.navigator.isLoaded(screens::kDrill));
  EXPECT_EQ(app.state->runTime, 15);
  EXPECT_EQ(app.state->timedOut, 0);
  EXPECT_EQ(app.installation.readResults(), std::vector<ResultRecord>{expected});
}

TEST_F(DrillScreen, WrongAnswerShowsTheAnswerCostsTenSecondsAndComesBack) {
  QPointer<MainFrm> drill = start(3);
  ASSERT_TRUE(drill);
  nextSecond(drill);
  app.sound.played.clear();
  answer(drill, QStringLiteral("12"));  // 11 x 11

  EXPECT_FALSE(drill->seitouLabel->isHidden());
  EXPECT_EQ(drill->seitouLabel->text(), QStringLiteral("121"));
  EXPECT_FALSE(drill->Commandkakunin2->isHidden());
  EXPECT_EQ(drill->Commandkakunin2->text(), QStringLiteral("\"+\"を２回押しなさい"));
  EXPECT_EQ(drill->inputLabel->text(), QStringLiteral("12"));
  EXPECT_EQ(app.sound.playedNames(), QStringList{QStringLiteral("machigai1.wav")});
  nextSecond(drill);
  EXPECT_EQ(drill->sLabel10->text(), QStringLiteral("12"));

  // A shift key on the way to "+" is no key of its own.
  QTest::keyClick(drill, Qt::Key_Plus, Qt::NoModifier);
  QTest::keyClick(drill, Qt::Key_Shift);
  QTest::keyClicks(drill, QStringLiteral("+"));
  EXPECT_TRUE(drill->seitouLabel->isHidden());
  EXPECT_TRUE(drill->Commandkakunin2->isHidden());
  EXPECT_EQ(drill->inputLabel->text(), QString());
  EXPECT_EQ(drill->qlabel2->text(), QStringLiteral("12"));

  for (int i = 0; i < 4; ++i) {
    nextSecond(drill);
    answerRight(drill);  // 11 x 12 .. 11 x 15
  }
  EXPECT_EQ(drill->qlabel2->text(), QStringLiteral("11"));
  EXPECT_EQ(drill->palette().color(QPalette::Window), QColor(255, 128, 128));
  nextSecond(drill);
  answerRight(drill);
  EXPECT_EQ(drill->palette().color(QPalette::Window), QColor(0, 192, 192));

  for (int i = 0; i < 9; ++i) {
    nextSecond(drill);
    answerRight(drill);
  }
  nextSecond(drill);  // 17 seconds and the penalty
  const ResultRecord expected = recordNow(3, 27);
  answerRight(drill);
  EXPECT_EQ(app.current(), screens::kOutcome);
  EXPECT_EQ(app.installation.readResults(), std::vector<ResultRecord>{expected});
}

TEST_F(DrillScreen, TimedOutRunIsRecordedWithoutATimeAndTheNextRunStartsClean) {
  app.state->lowestTime[4] = 40;
  app.random.setValues({0.1, 0.3, 0.5, 0.7, 0.9});
  QPointer<MainFrm> drill = start(4);
  ASSERT_TRUE(drill);
  answerRight(drill);
  app.clock.advanceSeconds(199);
  drill->sTimer1Tick();
  ASSERT_TRUE(drill);
  EXPECT_EQ(app.state->timedOut, 0);
  EXPECT_EQ(drill->placement(drill->sShape2).width(), qRound(199 * MainFrm::kBarWidth / 200.0));

  app.clock.advanceSeconds(1);
  const ResultRecord timedOut = recordNow(4, kNoTime);
  drill->sTimer1Tick();
  EXPECT_EQ(app.state->timedOut, 1);
  EXPECT_TRUE(handover.overlay);
  EXPECT_TRUE(handover.timeUpNotice);
  EXPECT_FALSE(handover.recordingNotice);
  EXPECT_FALSE(handover.drillClockRunning);
  EXPECT_EQ(app.current(), screens::kOutcome);
  EXPECT_EQ(app.state->runTime, kNoTime);
  EXPECT_EQ(app.installation.readResults(), std::vector<ResultRecord>{timedOut});

  QPointer<MainFrm> again = start(4);
  ASSERT_TRUE(again);
  EXPECT_EQ(app.state->timedOut, 0);
  EXPECT_EQ(app.state->runEnding, (std::array<int, 2>{0, 0}));
  EXPECT_EQ(again->sLabel9->text(), QStringLiteral("5"));
  EXPECT_TRUE(again->sPicture2->isHidden());
  for (int i = 0; i < 5; ++i) {
    nextSecond(again);
    answerRight(again);
  }
  ASSERT_EQ(app.installation.readResults().size(), 2u);
  EXPECT_EQ(app.installation.readResults().back().runTime, 5);
}

TEST_F(DrillScreen, KeysOnTheScreen) {
  QPointer<MainFrm> drill = start(1);
  ASSERT_TRUE(drill);
  app.sound.played.clear();
  QTest::keyClicks(drill, QStringLiteral("1234"));
  EXPECT_EQ(drill->inputLabel->text(), QStringLiteral("123"));
  EXPECT_EQ(app.sound.playedNames(), QStringList{QStringLiteral("警告1.wav")});
  QTest::keyClick(drill, Qt::Key_Backspace);
  EXPECT_EQ(drill->inputLabel->text(), QStringLiteral("12"));

  for (Qt::Key clear : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Left, Qt::Key_Up, Qt::Key_Right,
                        Qt::Key_Down}) {
    QTest::keyClicks(drill, QStringLiteral("7"));
    QTest::keyClick(drill, clear);
    EXPECT_EQ(drill->inputLabel->text(), QString()) << clear;
    EXPECT_EQ(drill->engine().typedAnswer(), QString()) << clear;
  }

  // Space alone is wrong; the arrows clear the answer also while the correct one is shown.
  QTest::keyClick(drill, Qt::Key_Space);
  ASSERT_FALSE(drill->seitouLabel->isHidden());
  EXPECT_EQ(drill->seitouLabel->text(), QStringLiteral("11"));
  QTest::keyClicks(drill, QStringLiteral("+"));
  QTest::keyClick(drill, Qt::Key_Down);
  EXPECT_EQ(app.state->plusKeyState, 2);
  QTest::keyClicks(drill, QStringLiteral("+"));
  EXPECT_EQ(app.state->plusKeyState, 0);
  EXPECT_EQ(drill->qlabel2->text(), QStringLiteral("2"));
}

TEST_F(DrillScreen, FinishRunActsOncePerRun) {
  app.state->lowestTime[2] = 40;
  app.random.setValues({0.05, 0.15, 0.25, 0.35, 0.45, 0.55, 0.65, 0.75, 0.85, 0.95});
  QPointer<MainFrm> drill = start(2);
  ASSERT_TRUE(drill);
  bool lateCallsMade = false;
  app.pause.onPause = [&](int) {
    if (lateCallsMade || !drill) return;
    lateCallsMade = true;
    // The time limit passes while the completed run is being handed over.
    app.clock.advanceSeconds(300);
    drill->sTimer1Tick();
    drill->finishRun();
  };
  for (int i = 0; i < 10; ++i) answerRight(drill);

  ASSERT_TRUE(lateCallsMade);
  EXPECT_EQ(app.state->timedOut, 0);
  EXPECT_EQ(app.current(), screens::kOutcome);
  const std::vector<ResultRecord> records = app.installation.readResults();
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].runTime, 0);
}

}  // namespace
