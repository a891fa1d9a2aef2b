#include "drill/level_plan.h"

namespace {
constexpr int kMixedLevel = 25;  // 11, 12 and 13 times 1..20 together

struct Range {
  int from;
  int to;
};

// Levels 1..24 come in blocks of eight per multiplicand, each block in pairs of a sequential level and
// its random twin.
constexpr Range kRanges[4] = {{1, 10}, {11, 15}, {16, 20}, {1, 20}};
}  // namespace

LevelPlan levelPlan(int level) {
  LevelPlan plan;
  if (level == kMixedLevel) {
    for (int multiplicand = 11; multiplicand <= 13; ++multiplicand)
      for (int multiplier = 1; multiplier <= 20; ++multiplier)
        plan.problems.push_back({multiplicand, multiplier});
    plan.randomOrder = true;
    plan.rangeFrom = 1;
    plan.rangeTo = 20;
    plan.problemCount = int(plan.problems.size());
    return plan;
  }
  if (level < 1 || level > 24) return plan;

  const int multiplicand = 11 + (level - 1) / 8;
  const Range range = kRanges[((level - 1) % 8) / 2];
  plan.rangeFrom = range.from;
  plan.rangeTo = range.to;
  for (int multiplier = range.from; multiplier <= range.to; ++multiplier)
    plan.problems.push_back({multiplicand, multiplier});
  plan.randomOrder = level % 2 == 0;
  // A random run serves each problem until it is answered once; a sequential one makes three passes.
  const int n = int(plan.problems.size());
  plan.problemCount = plan.randomOrder ? n : 3 * n;
  return plan;
}
