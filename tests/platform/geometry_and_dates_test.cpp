#include <gtest/gtest.h>

#include "platform/clock.h"
#include "platform/era_date.h"
#include "platform/twips.h"

TEST(TwipsGeometry, ScalesTheCanvasUniformlyAndCentresIt) {
  const TwipsGeometry design = TwipsGeometry::fit(QSize(1024, 768));
  EXPECT_EQ(design.toPixels(QRect(0, 0, 15360, 11520)), QRect(0, 0, 1024, 768));
  EXPECT_EQ(design.toPixels(QRect(1500, 150, 3000, 300)), QRect(100, 10, 200, 20));
  EXPECT_EQ(design.fontPixels(12), 16);  // 12 pt = 240 twips = 16 px

  // A wide screen keeps the proportions: full height, centred horizontally.
  const TwipsGeometry wide = TwipsGeometry::fit(QSize(1920, 1080));
  EXPECT_EQ(wide.toPixels(QRect(0, 0, 15360, 11520)), QRect(240, 0, 1440, 1080));
}

TEST(DateNumbers, CountDaysFromTheEndOf1899) {
  EXPECT_EQ(dateNumberOf(QDate(1899, 12, 30)), 0);
  EXPECT_EQ(dateNumberOf(QDate(1900, 1, 1)), 2);
  EXPECT_EQ(dateNumberOf(QDate(2026, 12, 9)), 46365);
  EXPECT_EQ(dateOfNumber(46365.75), QDate(2026, 12, 9));
}

TEST(EraDate, UsesTheEraOfTheDayOnBothSidesOfAnEraChange) {
  EXPECT_EQ(eraDateText(QDate(2026, 12, 9)), u"令和8年 12月 09日（水）"_qs);
  EXPECT_EQ(eraDateText(QDate(2019, 4, 30)), u"平成31年 4月 30日（火）"_qs);
  // ICU writes the first year of an era as 元年, as Japanese calendars do.
  EXPECT_EQ(eraDateText(QDate(2019, 5, 1)), u"令和元年 5月 01日（水）"_qs);
  EXPECT_EQ(eraDateText(QDate(1989, 1, 7)), u"昭和64年 1月 07日（土）"_qs);
  EXPECT_EQ(eraDateText(QDate(1989, 1, 8)), u"平成元年 1月 08日（日）"_qs);
}
