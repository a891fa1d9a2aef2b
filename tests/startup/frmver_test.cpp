#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "core/app_state.h"
#include "startup/frmver.h"

namespace {
TEST(VersionBox, VersionTextRunsTheNumbersTogether) {
  EXPECT_EQ(versionText(1, 0, 1), QStringLiteral("Version1.0.1"));
  EXPECT_EQ(versionText(2, 10, 0), QStringLiteral("Version2.10.0"));
  EXPECT_EQ(programVersionText(), QStringLiteral("Version1.0.1"));
}

TEST(VersionBox, ShowsTheSameTextsEachTimeAndOkCloses) {
  AppState state;
  state.programTitle = QStringLiteral("カケドリ１");
  frmver box(state);
  for (int time = 0; time < 2; ++time) {
    box.show();
    EXPECT_EQ(box.Label1->text(), QStringLiteral("カケドリ１"));
    EXPECT_EQ(box.Label2->text(), QStringLiteral("Version1.0.1"));
    EXPECT_EQ(box.Label4->text(), QStringLiteral("Harukaze30"));
    EXPECT_EQ(box.Command1->text(), QStringLiteral("O.K."));
    QTest::mouseClick(box.Command2, Qt::LeftButton);
    EXPECT_TRUE(box.isVisible());
    QTest::mouseClick(box.Command1, Qt::LeftButton);
    EXPECT_FALSE(box.isVisible());
  }
}
}  // namespace
