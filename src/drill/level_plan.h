#pragma once

#include <vector>

// One multiplication problem of a drill.
struct Problem {
  int multiplicand = 0;
  int multiplier = 0;
  int answer() const { return multiplicand * multiplier; }
  friend bool operator==(const Problem&, const Problem&) = default;
};

// What a level poses: its problems in table order, the order they are served in and the number of
// correct answers that end a run.
struct LevelPlan {
  std::vector<Problem> problems;  // table entries 1..N, stored from index 0
  bool randomOrder = false;
  int rangeFrom = 0;              // first and last multiplier
  int rangeTo = 0;
  int problemCount = 0;
};

// The plan of a level 1..25; an empty plan for any other number.
LevelPlan levelPlan(int level);
