#include <gtest/gtest.h>

#include <QDir>
#include <optional>

#include "core/results_file.h"
#include "core/screen_names.h"
#include "startup/firstfrm.h"
#include "support/scratch_mount.h"
#include "support/test_app.h"

// A share this computer may only read: said before any pupil drills, and the name screen opens.
TEST(StartUp, TellsOfAResultsFileThisComputerCannotWriteAndOpensTheNameScreen) {
  TestApp app;
  app.installation.writeResults({TempInstallation::record(46365, 1, 2, 50)});
  ScratchMount readOnly = ScratchMount::readOnly(app.installation.programDataFolder());
  if (!readOnly.mounted()) GTEST_SKIP() << "this test needs the right to mount";

  auto* splash = static_cast<Firstfrm*>(app.navigator.show(screens::kSplash));
  splash->continueStartUp();
  ASSERT_EQ(app.boxes.shown.size(), 1u);
  EXPECT_TRUE(app.boxes.shown[0].text.startsWith(u"成績ファイルに記録できません。\n"_qs + app.installation.resultsPath()));
  EXPECT_TRUE(app.boxes.shown[0].text.contains(u"読み取り専用"_qs));
  EXPECT_TRUE(app.pause.pauses.empty());
  EXPECT_EQ(app.current(), screens::kNameSelection);
}

TEST(StartUp, WritesTheRunsWaitingOnThisComputerOntoTheShareFirst) {
  TestApp app;
  app.loadInstallation();
  const QString away = app.installation.root() + u"/away"_qs;
  ASSERT_TRUE(QDir().rename(app.installation.programDataFolder(), away));
  app.state->currentPupilNo = 1;
  app.state->currentLevel = 2;
  app.state->runTime = 45;
  ASSERT_TRUE(appendResult(*app.state, app.clock).keptHere);
  ASSERT_TRUE(QDir().rename(away, app.installation.programDataFolder()));

  auto* splash = static_cast<Firstfrm*>(app.navigator.show(screens::kSplash));
  splash->continueStartUp();
  EXPECT_TRUE(app.boxes.shown.empty());
  ASSERT_EQ(app.installation.readResults().size(), 1u);
  EXPECT_EQ(app.installation.readResults()[0].runTime, 45);
  EXPECT_EQ(waitingResultsCount(*app.state), 0);
}
