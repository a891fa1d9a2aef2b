#include <gtest/gtest.h>

#include "drill/level_plan.h"

namespace {

struct LevelRow {
  int level;
  int multiplicand;  // 0: 11, 12 and 13 in turn
  int from;
  int to;
  bool randomOrder;
  int problemCount;
};

// Odd levels are sequential and need three passes; even ones random and need each problem once.
const LevelRow kLevels[] = {
    {1, 11, 1, 10, false, 30},  {2, 11, 1, 10, true, 10},   {3, 11, 11, 15, false, 15},
    {4, 11, 11, 15, true, 5},   {5, 11, 16, 20, false, 15}, {6, 11, 16, 20, true, 5},
    {7, 11, 1, 20, false, 60},  {8, 11, 1, 20, true, 20},   {9, 12, 1, 10, false, 30},
    {10, 12, 1, 10, true, 10},  {11, 12, 11, 15, false, 15}, {12, 12, 11, 15, true, 5},
    {13, 12, 16, 20, false, 15}, {14, 12, 16, 20, true, 5},  {15, 12, 1, 20, false, 60},
    {16, 12, 1, 20, true, 20},  {17, 13, 1, 10, false, 30}, {18, 13, 1, 10, true, 10},
    {19, 13, 11, 15, false, 15}, {20, 13, 11, 15, true, 5},  {21, 13, 16, 20, false, 15},
    {22, 13, 16, 20, true, 5},  {23, 13, 1, 20, false, 60}, {24, 13, 1, 20, true, 20},
    {25, 0, 1, 20, true, 60},
};

TEST(LevelPlan, EveryLevelPosesItsProblemsInTableOrder) {
  for (const LevelRow& row : kLevels) {
    SCOPED_TRACE(row.level);
    std::vector<Problem> expected;
    const std::vector<int> multiplicands =
        row.multiplicand ? std::vector<int>{row.multiplicand} : std::vector<int>{11, 12, 13};
    for (int m : multiplicands)
      for (int x = row.from; x <= row.to; ++x) expected.push_back({m, x});

    const LevelPlan plan = levelPlan(row.level);
    EXPECT_EQ(plan.problems, expected);
    EXPECT_EQ(plan.randomOrder, row.randomOrder);
    EXPECT_EQ(plan.rangeFrom, row.from);
    EXPECT_EQ(plan.rangeTo, row.to);
    EXPECT_EQ(plan.problemCount, row.problemCount);
  }
}

TEST(LevelPlan, NumbersOutsideTheCatalogueHaveNoProblems) {
  for (int level : {0, 26, 35, -1}) {
    const LevelPlan plan = levelPlan(level);
    EXPECT_TRUE(plan.problems.empty()) << level;
    EXPECT_EQ(plan.problemCount, 0) << level;
  }
}

}  // namespace
