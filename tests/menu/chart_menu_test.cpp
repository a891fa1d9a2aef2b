#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "core/app_state.h"
#include "core/screen_names.h"
#include "menu/chart_panel.h"
#include "menu/chart_picture.h"
#include "menu/level_list.h"
#include "menu/seisekitime1.h"
#include "platform/clock.h"
#include "selection/roster_file.h"
#include "support/test_app.h"

namespace {
// The demo-like school of the installation fixture: 山田太郎 (1), 佐藤花子 (2) and 田中先生 (3).
class ChartMenu : public ::testing::Test {
 protected:
  ChartMenu() {
    const double day = dateNumberOf(app.clock.today().addDays(-2));
    const double today = app.clock.dateNumber();
    app.installation.writeResults({TempInstallation::record(day, 1, 1, 85, 0.375),
                                   TempInstallation::record(day, 2, 1, 70),
                                   TempInstallation::record(today, 1, 1, 99999, 0.5),
                                   TempInstallation::record(today, 1, 2, 64, 0.6),
                                   TempInstallation::record(today, 3, 2, 50)});
  }

  seisekitime1* openMenu(int pupil) {
    app.loadInstallation();
    app.state->schoolYear = schoolYearOn(app.clock.today(), app.state->schoolYearStartMonth);
    loadRoster(*app.state);
    app.state->gradeFilterText = QStringLiteral("全学年");
    app.choosePupil(pupil);
    app.navigator.show(screens::kStudentMenu);
    return app.screen<seisekitime1>(screens::kStudentMenu);
  }

  QString printed(int job) const { return app.installation.root() + QStringLiteral("/printed-%1.pdf").arg(job); }

  TestApp app;
};
}  // namespace

TEST_F(ChartMenu, PersonalTimesListThePupilsOwnRunsAndOfferTheCharts) {
  seisekitime1* menu = openMenu(1);
  QTest::mouseClick(menu->Option2[2], Qt::LeftButton);
  EXPECT_EQ(menu->Label5->text(), QStringLiteral("個人別ﾀｲﾑ"));
  const QString twoDaysAgo = app.clock.today().addDays(-2).toString(QStringLiteral("yyyy/MM/dd"));
  const QString today = app.clock.today().toString(QStringLiteral("yyyy/MM/dd"));
  ASSERT_EQ(menu->List5[1]->count(), 2);
  EXPECT_EQ(menu->List5[1]->line(0), twoDaysAgo + QStringLiteral(" 9:00:00  85秒"));
  EXPECT_EQ(menu->List5[1]->line(1), today + QStringLiteral(" 12:00:00"));
  ASSERT_EQ(menu->List5[2]->count(), 1);
  EXPECT_TRUE(menu->Command17->isVisible());
  EXPECT_EQ(menu->Picture11->List3->count(), 25);
  EXPECT_EQ(menu->Picture11->List2->count(), 3);

  QTest::mouseClick(menu->Command17, Qt::LeftButton);
  EXPECT_TRUE(menu->Picture11->isVisible());
  EXPECT_EQ(menu->Picture11->chartPupil, 1);
  EXPECT_EQ(menu->Picture11->chartLevel, 3);
  // Pupil 1 is the fastest of the two at level 2 and second at level 1.
  EXPECT_EQ(menu->Picture11->levelFigures[1].timeRankText, QStringLiteral("  2"));
  EXPECT_FALSE(menu->Picture11->Command24[1]->isVisible());  // a pupil prints only their own

  QTest::mouseClick(menu->Picture11->Command18, Qt::LeftButton);
  EXPECT_FALSE(menu->Picture11->isVisible());
}

TEST_F(ChartMenu, ATeacherPrintsTheChartsOfTwoPupils) {
  seisekitime1* menu = openMenu(3);
  QTest::mouseClick(menu->Option2[2], Qt::LeftButton);
  QTest::mouseClick(menu->Command17, Qt::LeftButton);
  ChartPanel* panel = menu->Picture11;
  ASSERT_TRUE(panel->Command24[1]->isVisible());
  QTest::mouseClick(panel->Command25, Qt::LeftButton);
  ASSERT_TRUE(panel->List2->isVisible());
  panel->List2->item(0)->setSelected(true);
  panel->List2->item(1)->setSelected(true);
  QTest::mouseClick(panel->Command24[1], Qt::LeftButton);
  EXPECT_TRUE(app.boxes.shown.empty());
  EXPECT_TRUE(QFile::exists(printed(1)));
  EXPECT_TRUE(QFile::exists(printed(2)));
  EXPECT_FALSE(QFile::exists(printed(3)));
}
