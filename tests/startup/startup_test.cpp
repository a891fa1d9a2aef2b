#include <gtest/gtest.h>

#include <QLabel>

#include "core/screen_names.h"
#include "platform/file_error.h"
#include "startup/basefrm.h"
#include "startup/firstfrm.h"
#include "startup/season.h"
#include "support/test_app.h"

TEST(Season, ColourByMonth) {
  const QColor orange(255, 128, 0), lightGreen(192, 255, 192), teal(0, 192, 192), rust(192, 64, 0);
  const QColor expected[13] = {QColor(), orange, orange, lightGreen, lightGreen, lightGreen, teal,
                               teal, teal, rust, rust, rust, lightGreen};
  for (int month = 1; month <= 12; ++month) EXPECT_EQ(seasonColour(month), expected[month]) << month;
}

TEST(StartUp, PaintsTheSplashThenLoadsTheInstallationAndOpensTheNameScreen) {
  TestApp app;
  app.clock.set(QDate(2026, 1, 15), QTime(9, 30));
  auto* splash = static_cast<Firstfrm*>(app.navigator.show(screens::kSplash));
  ASSERT_NE(splash, nullptr);
  EXPECT_EQ(app.current(), screens::kSplash);
  EXPECT_EQ(splash->Label1->text(), u"Just a moment, please."_qs);
  EXPECT_EQ(splash->Label5->text(), u"令和8年 1月 15日（木）"_qs);
  EXPECT_EQ(app.state->screenBackColour, QColor(255, 128, 0));
  EXPECT_EQ(app.random.seeds, std::vector<double>{9.5 * 3600});
  EXPECT_EQ(app.state->altLayout, 0);
  EXPECT_TRUE(splash->Timer1.isActive());
  EXPECT_EQ(splash->Timer1.interval(), 100);
  // Nothing is loaded before the timer step.
  EXPECT_TRUE(app.state->programTitle.isEmpty());

  splash->continueStartUp();
  EXPECT_EQ(app.state->programTitle, u"カケドリ１"_qs);
  EXPECT_EQ(app.state->schoolName, u"テスト塾"_qs);
  EXPECT_EQ(app.current(), screens::kNameSelection);
  EXPECT_FALSE(app.navigator.isLoaded(screens::kSplash));
}

TEST(StartUp, AMissingFileStopsStartUpBeforeTheNameScreenOpens) {
  TestApp app;
  app.installation.remove(u"data/共通データ.txt"_qs);
  auto* splash = static_cast<Firstfrm*>(app.navigator.show(screens::kSplash));
  EXPECT_THROW(splash->continueStartUp(), FileError);
  EXPECT_FALSE(app.navigator.isLoaded(screens::kNameSelection));
}

TEST(CoverWindow, ShowsTheWaitingText) {
  BASEFRM cover;
  EXPECT_EQ(cover.Label19->text(), u"Just a moment, please."_qs);
}
