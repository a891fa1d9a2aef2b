#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "core/results_file.h"
#include "core/screen_names.h"
#include "core/tallies.h"
#include "outcome/frm_syuuryou.h"
#include "support/test_app.h"

namespace {

constexpr int kPupil = 1;  // 山田太郎 of the installation's roster
constexpr int kOtherPupil = 2;
constexpr int kTarget = 25;
constexpr int kLevel = 3;

// A run recorded as the drill leaves it: the tallies recounted before the run, the run time set,
// the record appended by recordRun and the cover shown; then the outcome screen opens.
class OutcomeFlow : public ::testing::Test {
 protected:
  void SetUp() override {
    app.loadInstallation();
    app.choosePupil(kPupil);
    app.state->currentPupilName = QStringLiteral("山田太郎            ");  // as the roster pads it
    app.state->clearPoints[kTarget] = 20;
    app.state->clearPoints[kLevel] = 20;
    app.state->pointFactor[kTarget] = 1.5f;
  }

  double today() { return app.clock.dateNumber(); }

  FrmSyuuryou* finishRun(int level, int runTime, int timedOut = 0) {
    recountTallies(*app.state, app.clock, app.pause);
    app.state->currentLevel = level;
    app.state->runTime = runTime;
    app.state->timedOut = timedOut;
    recordRun(*app.state, app.clock, level);
    app.navigator.show(screens::kCover);
    app.navigator.show(screens::kOutcome);
    return app.screen<FrmSyuuryou>(screens::kOutcome);
  }

  TestApp app;
};

TEST_F(OutcomeFlow, FirstClearOfTheTargetWithAPersonalBestThenBackToTheMenu) {
  app.installation.writeResults({
      TempInstallation::record(today(), kPupil, kTarget, 60),
      TempInstallation::record(today(), kPupil, kTarget, 60),
      TempInstallation::record(today(), kPupil, kTarget, 60),
      TempInstallation::record(today() - 1, kPupil, kTarget, 60),
      TempInstallation::record(today(), kPupil, kLevel, 70),
      TempInstallation::record(today(), kOtherPupil, kTarget, 20),  // the level's best stands
  });
  FrmSyuuryou* outcome = finishRun(kTarget, 40);
  ASSERT_NE(outcome, nullptr);

  EXPECT_EQ(outcome->Label15->text(), QStringLiteral("カケドリ１"));
  EXPECT_EQ(outcome->Label16->text(), QStringLiteral("１１－１３"));
  EXPECT_EQ(outcome->Label17->text(), QStringLiteral("山田太郎"));
  EXPECT_EQ(outcome->Label18->text(), QStringLiteral("今の成績：40秒"));
  EXPECT_EQ(outcome->Label19->text(), QStringLiteral("獲得ポイント：6点×1.5→9点"));
  EXPECT_EQ(outcome->Label13->text(), QStringLiteral(" (このレベル　4回目)"));
  EXPECT_EQ(outcome->Label14->text(), QStringLiteral("（5回目)"));
  EXPECT_FALSE(outcome->Label20->isHidden());
  EXPECT_EQ(outcome->Label20->text(), QStringLiteral("新記録おめでとう"));
  EXPECT_FALSE(outcome->Label2->isHidden());
  EXPECT_FALSE(outcome->Picture1->isHidden());
  EXPECT_EQ(app.sound.playedNames(), (QStringList{QStringLiteral("jiko1.wav"), QStringLiteral("合格.wav")}));
  EXPECT_EQ(app.state->newRecord, (std::array<int, 2>{0, 0}));
  EXPECT_FALSE(app.navigator.isLoaded(screens::kCover));
  EXPECT_TRUE(outcome->Command4->isHidden());
  EXPECT_TRUE(outcome->Command5->isHidden());
  EXPECT_TRUE(outcome->Timer1.isActive());

  outcome->timer1Tick();
  EXPECT_FALSE(outcome->Timer1.isActive());
  EXPECT_TRUE(outcome->Picture1->isHidden());
  EXPECT_FALSE(outcome->Command4->isHidden());
  EXPECT_FALSE(outcome->Command5->isHidden());
  ASSERT_EQ(app.host.focusWidget(), outcome->Command4);

  app.state->againPressed = 1;
  QTest::keyClick(app.host.focusWidget(), Qt::Key_Return);
  EXPECT_EQ(app.current(), screens::kStudentMenu);
  EXPECT_FALSE(app.navigator.isLoaded(screens::kOutcome));
  EXPECT_EQ(app.state->againPressed, 0);
}

TEST_F(OutcomeFlow, SpaceOnTheFocusedButtonGoesToTheMenu) {
  FrmSyuuryou* outcome = finishRun(kLevel, 80);
  outcome->timer1Tick();
  QTest::keyClick(app.host.focusWidget(), Qt::Key_Space);
  EXPECT_EQ(app.current(), screens::kStudentMenu);
}

TEST_F(OutcomeFlow, BestOfTheLevelOnATargetClearedBeforeThenOnceMore) {
  std::vector<ResultRecord> earlier(5, TempInstallation::record(today(), kPupil, kTarget, 50));
  app.installation.writeResults(earlier);
  FrmSyuuryou* outcome = finishRun(kTarget, 45);
  ASSERT_EQ(app.state->clearedBefore, 1);

  EXPECT_EQ(outcome->Label20->text(), QStringLiteral("！！！最高新記録！！！"));
  EXPECT_FALSE(outcome->Label2->isHidden());
  EXPECT_EQ(app.sound.playedNames(), QStringList{QStringLiteral("最高1.wav")});

  outcome->timer1Tick();
  ASSERT_FALSE(outcome->Command5->isHidden());
  QTest::mouseClick(outcome->Command5, Qt::LeftButton);
  EXPECT_EQ(app.state->againPressed, 1);
  EXPECT_EQ(app.current(), screens::kDrill);
  EXPECT_EQ(app.state->currentLevel, kTarget);
  EXPECT_FALSE(app.navigator.isLoaded(screens::kOutcome));
}

TEST_F(OutcomeFlow, TimedOutOnAnOverPractisedLevelOffersOnlyTheMenu) {
  app.state->overPracticeCount[kLevel] = 5;
  std::vector<ResultRecord> earlier(5, TempInstallation::record(today(), kPupil, kLevel, 30));
  app.installation.writeResults(earlier);
  FrmSyuuryou* outcome = finishRun(kLevel, 99999, 1);

  EXPECT_EQ(outcome->Label18->text(), QStringLiteral("記録なし"));
  EXPECT_EQ(outcome->Label19->text(), QStringLiteral("獲得ポイント：0点×1→0点"));
  EXPECT_EQ(outcome->Label20->text(), QStringLiteral("時間切れ"));
  EXPECT_EQ(outcome->Label13->text(), QStringLiteral(" (このレベル　5回目)"));
  EXPECT_TRUE(outcome->Picture1->isHidden());
  EXPECT_TRUE(app.sound.playedNames().isEmpty());

  outcome->timer1Tick();
  EXPECT_FALSE(outcome->Command4->isHidden());
  EXPECT_TRUE(outcome->Command5->isHidden());
  EXPECT_FALSE(outcome->Label2->isHidden());
  EXPECT_EQ(outcome->Label2->text(), QStringLiteral("次のレベルへ進みましょう"));
}

}  // namespace

// The review stands beside the card from the first moment, covering no text and no button.
TEST_F(OutcomeFlow, TheMissedAndSlowestProblemsShowAtOnceBesideTheCard) {
  app.installation.writeResults({});
  AnswerRecord wrong;
  wrong.multiplicand = 12;
  wrong.multiplier = 17;
  wrong.result = AnswerRecord::Result::Wrong;
  wrong.answerMs = 3000;
  AnswerRecord right = wrong;
  right.result = AnswerRecord::Result::RightOnRetry;
  right.answerMs = 2400;
  app.state->runAnswers = {wrong, right};
  FrmSyuuryou* outcome = finishRun(kLevel, 70);
  ASSERT_NE(outcome, nullptr);

  ASSERT_TRUE(outcome->missedPanel->isVisible());
  EXPECT_TRUE(outcome->missedPanel->text().contains(u"12×17=204"_qs));
  ASSERT_TRUE(outcome->slowestPanel->isVisible());
  EXPECT_TRUE(outcome->slowestPanel->text().contains(u"12×17=204 2.4秒"_qs));
  EXPECT_TRUE(outcome->Timer1.isActive());  // the buttons come as before
  if (qEnvironmentVariableIsSet("KAKEDORI_SHOT")) outcome->grab().save(qEnvironmentVariable("KAKEDORI_SHOT"));

  outcome->timer1Tick();
  const QWidget* card[] = {outcome->Label15, outcome->Label16, outcome->Label17, outcome->Label18,
                           outcome->Label19, outcome->Label13, outcome->Label14, outcome->Label20,
                           outcome->Label2,  outcome->Picture1, outcome->Command4, outcome->Command5};
  for (const QWidget* panel : {static_cast<QWidget*>(outcome->missedPanel), static_cast<QWidget*>(outcome->slowestPanel)}) {
    EXPECT_TRUE(outcome->rect().contains(panel->geometry()));
    for (const QWidget* w : card) EXPECT_FALSE(panel->geometry().intersects(w->geometry())) << static_cast<const void*>(w);
  }
}

TEST_F(OutcomeFlow, ARunWithoutAMistakeShowsOneLineOfPraise) {
  app.installation.writeResults({});
  AnswerRecord right;
  right.multiplicand = 11;
  right.multiplier = 3;
  right.answerMs = 800;
  app.state->runAnswers = {right};
  FrmSyuuryou* outcome = finishRun(kLevel, 70);
  ASSERT_NE(outcome, nullptr);
  EXPECT_EQ(outcome->missedPanel->text(), u"まちがいなし！この調子でがんばろう。"_qs);
}
