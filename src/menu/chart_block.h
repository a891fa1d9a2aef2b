#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

#include "core/result_record.h"

// One block of the progress chart: a pupil's runs at one level plotted in order, the successive
// personal bests joined by a line, and the statistics column. Everything is computed here in block
// units, x in W (half the surface width) and y in H (a third of the surface height) below the
// block's top, so that the screen and the printer draw the same block at their own resolutions.

// A run counts on the chart when its time is below this.
constexpr int kChartedTime = 1800;

// The rank and points figures of the block, read back from the ranking lists.
struct ChartFigures {
  QString timeRankText;    // three characters, empty when the pupil is not listed
  QString pointsRankText;  // three characters, empty when the pupil is not listed
  int pupilPoints = 0;
  int schoolPointsSum = 0;
  int schoolPointsCount = 0;
};

struct ChartPoint {
  double x = 0;
  double y = 0;
  bool red = false;  // a new personal best
};

struct BestEntry {
  double x = 0;
  double y = 0;
  QString timeText;  // "85秒"
  QString date;      // "2026/12/09"
};

struct ChartLabel {
  QString text;
  double x = 0;
  double y = 0;
};

struct ChartBlock {
  int chartCount = 0;
  int chartSum = 0;
  int chartMax = 0;
  int axisMax = 10;
  int schoolSum = 0;
  int schoolCount = 0;
  int schoolBest = 99999;
  std::vector<ChartPoint> points;
  std::vector<BestEntry> bests;     // the successive personal bests, first one first
  std::vector<ChartLabel> labels;   // time and date labels of the bests and the axis
  std::array<QString, 10> statistics;  // lines 1..10 at [0..9]; an empty text leaves its place empty
};

// The time at the top of the vertical axis: the slowest counted run rounded up to the next ten
// seconds above it, at most 1000; 10 without runs.
int axisMaxFor(int slowestRun);
// y of a run time in H below the block's top: 0 s at 0.8, axisMax at 0.1.
double chartY(int runTime, int axisMax);
// x of the k-th of count counted runs in W: the last one at 0.9.
double chartX(int k, int count);

// The block for a pupil and a level over the window's records (see chartWindow). The points and
// bests are plotted only when the pupil passes the grade filter; the counts and the school's
// figures are taken either way.
ChartBlock computeChartBlock(const std::vector<ResultRecord>& window, int pupil, int level,
                             bool pupilShown, const ChartFigures& figures);

// The top of statistics line 1..10 in H below the block's top; the printer's lines are closer.
double statisticsLineTop(int line, bool printing);
// A number as the statistics write it: a whole number, or a text that is no number unchanged.
QString wholeNumberText(const QString& value);
QString wholeNumberText(double value);
