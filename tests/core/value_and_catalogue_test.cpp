#include <gtest/gtest.h>

#include "core/app_state.h"
#include "core/level_catalogue.h"
#include "core/value.h"

TEST(Value, EmptyEqualsZeroAndTheEmptyText) {
  const Value empty;
  EXPECT_EQ(empty, Value(0));
  EXPECT_EQ(empty, Value(u""_qs));
  EXPECT_EQ(empty.toNumber(), 0);
  EXPECT_FALSE(Value(1) == empty);
  EXPECT_EQ(Value(4), Value::fromField(u"4"_qs, false));
  EXPECT_TRUE(Value::fromField(u"4"_qs, true).isText());
  EXPECT_TRUE(Value::fromField(u""_qs, false).isEmpty());
  EXPECT_EQ(Value(1.5).toText(), u"1.5"_qs);
  EXPECT_EQ(Value(u"12"_qs), Value(12));
}

TEST(AppState, BeforeAnyChoiceNoPupilAndNoLevel) {
  AppState s;
  EXPECT_EQ(s.currentPupilNo, 0);
  EXPECT_EQ(s.currentLevel, 0);
  EXPECT_EQ(s.finalQuotaMet, Value(0));
  EXPECT_TRUE(isTeacherName(u"田中先生"_qs));
  EXPECT_TRUE(isTeacherName(u"★鈴木"_qs));
  EXPECT_FALSE(isTeacherName(u"先山"_qs));
}

TEST(LevelCatalogue, NamesTheTwentyFiveLevelsExactly) {
  AppState s;
  fillLevelCatalogueValues(s);
  EXPECT_EQ(s.levelCount, 25);
  EXPECT_EQ(s.quotaLevel, Value(25));
  const QString expected[] = {
      u"１１(1-10)"_qs,  u"１１(1-10R)"_qs,  u"１１(10-15)"_qs,  u"１１(10-15R)"_qs, u"１１(16-20)"_qs,
      u"１１(15-20R)"_qs, u"１１(1-20)"_qs,  u"１１(1-20R)"_qs,  u"１２(1-10)"_qs,  u"１２(1-10R)"_qs,
      u"１２(11-15)"_qs, u"１２(11-15R)"_qs, u"１２(16-20)"_qs,  u"１２(16-20R)"_qs, u"１２( 1-20)"_qs,
      u"１２( 1-20R)"_qs, u"１３(1-10)"_qs,  u"１３(1-10R)"_qs,  u"１３(11-15)"_qs,  u"１３(11-15R)"_qs,
      u"１３(16-20)"_qs, u"１３(16-20R)"_qs, u"１３(1-20)"_qs,   u"１３(1-20R)"_qs,  u"１１－１３"_qs};
  for (int level = 1; level <= 25; ++level) EXPECT_EQ(s.levelName[level], expected[level - 1]) << level;
  EXPECT_TRUE(s.levelName[0].isEmpty());
  EXPECT_TRUE(s.levelName[26].isEmpty());
}
