#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "menu/report_helpers.h"
#include "support/qstring_printer.h"

TEST(ReportHelpers, GradeMarks) {
  const std::pair<int, const char*> cases[] = {{1, "①"}, {2, "②"}, {6, "⑥"}, {7, "Ⅰ"}, {9, "Ⅲ"},
                                               {0, "　"}, {10, "　"}, {-3, "　"}, {2020, "　"}};
  for (const auto& [grade, mark] : cases) EXPECT_EQ(gradeMark(grade), QString::fromUtf8(mark)) << grade;
}

TEST(ReportHelpers, GradeFilter) {
  struct Case {
    const char* filter;
    int grade;
    Value expected;
  };
  const Case cases[] = {
      {"全学年", 2020, Value(1)},  {"小学生全体", 1, Value(1)}, {"小学生全体", 6, Value(1)},
      {"小学生全体", 7, Value(0)}, {"小学生全体", 0, Value(0)}, {"小３", 3, Value(1)},
      {"小３", 4, Value(0)},       {"小６", 6, Value(1)},       {"中学生全体", 9, Value(1)},
      {"中学生全体", 6, Value(0)}, {"中２", 8, Value(1)},       {"中２", 7, Value(0)},
      {"中２", 9, Value(0)},       {"中１", 7, Value(1)},       {"家族", -40, Value(1)},
      // Texts that are no filter hide everybody; the digits of the filters are full-width.
      {"", 3, Value()},            {"小3", 3, Value()},         {"全学年 ", 3, Value()},
  };
  for (const Case& c : cases) {
    const QString filter = QString::fromUtf8(c.filter);
    EXPECT_EQ(gradeFilterMatch(filter, c.grade), c.expected) << c.filter << " " << c.grade;
    EXPECT_EQ(gradeShown(filter, c.grade), c.expected == Value(1)) << c.filter << " " << c.grade;
  }
}

TEST(ReportHelpers, OneSortReversesEqualKeysAndTwoKeepThem) {
  std::vector<int> keys = {0, 5, 3, 5};
  std::vector<int> who = {0, 'A', 'B', 'C'};
  mergeSortKeys(3, keys, who);
  EXPECT_EQ(keys, (std::vector<int>{0, 3, 5, 5}));
  EXPECT_EQ(who, (std::vector<int>{0, 'B', 'C', 'A'}));
  mergeSortKeys(3, keys, who);
  EXPECT_EQ(who, (std::vector<int>{0, 'B', 'A', 'C'}));

  for (int n : {0, 1}) {
    std::vector<int> few = {9, 4};
    std::vector<int> companions = {1, 2};
    mergeSortKeys(n, few, companions);
    EXPECT_EQ(few, (std::vector<int>{9, 4}));
    EXPECT_EQ(companions, (std::vector<int>{1, 2}));
  }
}

TEST(ReportHelpers, SortingTwiceIsAStableSortForAnyLength) {
  std::mt19937 engine(7);
  for (int n : {2, 3, 7, 64, 1001}) {
    std::uniform_int_distribution<int> key(0, n / 3);
    std::vector<int> keys(std::size_t(n + 1));
    std::vector<int> who(std::size_t(n + 1));
    for (int i = 1; i <= n; ++i) {
      keys[std::size_t(i)] = key(engine);
      who[std::size_t(i)] = i;
    }
    std::vector<int> expected(who.begin() + 1, who.end());
    std::stable_sort(expected.begin(), expected.end(),
                     [&keys](int a, int b) { return keys[std::size_t(a)] < keys[std::size_t(b)]; });
    mergeSortKeys(n, keys, who);
    mergeSortKeys(n, keys, who);
    EXPECT_EQ(std::vector<int>(who.begin() + 1, who.end()), expected) << n;
    EXPECT_TRUE(std::is_sorted(keys.begin() + 1, keys.end())) << n;
  }
}
