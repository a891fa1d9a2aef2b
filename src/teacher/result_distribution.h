#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

class Pause;

// How the recorded runs of each level spread over 10-second classes: all run times, and each pupil's
// best time at the level. Records of level 0 hold no run; records of a level above 50 and records
// with a negative run time are damaged and left out.
class ResultDistribution {
 public:
  static constexpr int kHighestLevel = 50;
  static constexpr int kLastClass = 100;      // run times of 1000 s or more
  static constexpr int kLastBestClass = 30;   // best times of 300 s or more

  // Counts the 44-byte records held in bytes (a trailing part record is ignored).
  static ResultDistribution fromRecords(const QByteArray& bytes);

  int runCount(int level) const;
  int allTimes(int level, int timeClass) const;
  int bestTimes(int level, int timeClass) const;

 private:
  using Classes = std::array<int, kLastClass + 1>;
  std::array<int, kHighestLevel + 1> runCount_{};
  std::array<Classes, kHighestLevel + 1> allTimes_{};
  std::array<Classes, kHighestLevel + 1> bestTimes_{};
};

// Reads the whole results file (creating it when missing, as every reader of it does) and counts it.
// A writer on another computer is waited for; a file that cannot be read is a FileError.
ResultDistribution readDistribution(const QString& resultsPath, Pause& pause);

// The chart of all run times of a level: the heading line and one line per class 0..100.
QStringList allTimesChart(const ResultDistribution& distribution, int level);
// The chart of the pupils' best times at a level, built the same way.
QStringList bestTimesChart(const ResultDistribution& distribution, int level);
