#include <gtest/gtest.h>

#include <QFile>

#include "core/results_file.h"
#include "core/screen_names.h"
#include "startup/firstfrm.h"
#include "support/test_app.h"

// A deletion that died half-way left its copy: start-up tells the teacher and keeps both files as
// they are, restoring nothing.
TEST(StartUp, TellsOfACopyLeftByADeletionThatDiedAndTouchesNeither) {
  TestApp app;
  app.installation.writeResults({TempInstallation::record(46365, 1, 2, 50)});
  QFile copy(app.installation.programDataFolder() + kResultsCopyFileName);
  ASSERT_TRUE(copy.open(QIODevice::WriteOnly));
  copy.write(TempInstallation::record(46365, 1, 2, 50).encode() + TempInstallation::record(46365, 1, 2, 60).encode());
  copy.close();

  auto* splash = static_cast<Firstfrm*>(app.navigator.show(screens::kSplash));
  splash->continueStartUp();
  ASSERT_EQ(app.boxes.shown.size(), 1u);
  EXPECT_TRUE(app.boxes.shown[0].text.contains(u"成績累積データtemp.dat"_qs));
  EXPECT_TRUE(app.boxes.shown[0].text.contains(u"控え 2件、今の成績ファイル 1件"_qs));
  EXPECT_EQ(QFile(copy.fileName()).size(), 88);
  EXPECT_EQ(app.installation.readResults().size(), 1u);
  EXPECT_EQ(app.current(), screens::kNameSelection);
}

TEST(StartUp, SaysNothingWithoutALeftoverCopy) {
  TestApp app;
  auto* splash = static_cast<Firstfrm*>(app.navigator.show(screens::kSplash));
  splash->continueStartUp();
  EXPECT_TRUE(app.boxes.shown.empty());
}
