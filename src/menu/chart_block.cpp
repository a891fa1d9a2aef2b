#include "menu/chart_block.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "menu/chart_window.h"

namespace {
constexpr double kAxisTop = 0.1;  // y of axisMax
const QString kSixBlanks = QStringLiteral("      ");

QString lastOfPadded(const QString& text, int n) { return (kSixBlanks + text).right(n); }

std::array<QString, 10> statisticsLines(const ChartBlock& block, const ChartFigures& figures) {
  std::array<QString, 10> lines;
  const QString best = block.bests.empty() ? QString() : block.bests.back().timeText;
  lines[0] = QStringLiteral("回数　　　　　　　") + lastOfPadded(wholeNumberText(block.chartCount), 3) +
             QStringLiteral("回");
  lines[1] = QStringLiteral("タイム  　　 　    本人 / 塾全体");
  lines[2] = QStringLiteral("　　順位　　　　") +
             lastOfPadded(wholeNumberText(figures.timeRankText), 5) + QStringLiteral("位");
  lines[3] = QStringLiteral("　　最高　　　　") + lastOfPadded(best, 6) + QStringLiteral(" /") +
             lastOfPadded(wholeNumberText(block.schoolBest), 5) + QStringLiteral("秒");
  if (block.chartCount != 0) {
    const double schoolAverage = block.schoolCount != 0 ? double(block.schoolSum) / block.schoolCount : 0;
    lines[4] = QStringLiteral("　　平均　　　　") +
               lastOfPadded(wholeNumberText(block.chartSum / block.chartCount), 5) + QStringLiteral("秒") +
               QStringLiteral(" /") + lastOfPadded(wholeNumberText(schoolAverage), 5) + QStringLiteral("秒");
  }
  lines[5] = QStringLiteral("ポイント  　　　");
  lines[6] = QStringLiteral("　　順位　　　　") + lastOfPadded(wholeNumberText(figures.pointsRankText), 5) +
             QStringLiteral("位");
  lines[7] = QStringLiteral("　　獲得ポイント") + lastOfPadded(wholeNumberText(figures.pupilPoints), 5) +
             QStringLiteral("点");
  if (figures.schoolPointsCount != 0)
    lines[8] = QStringLiteral("　　　　　　　　　　　　/") +
               lastOfPadded(wholeNumberText(double(figures.schoolPointsSum) / figures.schoolPointsCount), 5) +
               QStringLiteral("点");
  lines[9] = QStringLiteral("　　　　　　　　　　　　 (塾平均)");
  return lines;
}

// A best's date under the one before it gives only month and day when the year is the same.
QString dateLabel(const std::vector<BestEntry>& bests, std::size_t index) {
  const QString& date = bests[index].date;
  if (index > 0 && date.left(5) == bests[index - 1].date.left(5)) return date.right(5);
  return date;
}

std::vector<ChartLabel> bestLabels(const ChartBlock& block, const QString& lastDate) {
  std::vector<ChartLabel> labels;
  const std::vector<BestEntry>& bests = block.bests;
  if (bests.empty()) return labels;
  const std::size_t n = bests.size();
  labels.push_back({lastDate, 0.875, 0.815});
  labels.push_back({secondsText(0), 0.12, 0.79});
  labels.push_back({secondsText(block.axisMax), 0.12, kAxisTop});
  labels.push_back({bests[0].timeText, 0.12, bests[0].y - 0.01});
  labels.push_back({bests[0].date, bests[0].x - 0.025, 0.815});
  // Every third best between the first and the last keeps its figures, so that a long staircase
  // stays readable.
  if (n > 5)
    for (std::size_t entry = 3; entry <= n - 2; entry += 3) {
      const BestEntry& best = bests[entry - 1];
      labels.push_back({best.timeText, best.x - 0.025, best.y + 0.01});
      labels.push_back({dateLabel(bests, entry - 1), best.x - 0.025, best.y + 0.03});
    }
  const BestEntry& last = bests[n - 1];
  labels.push_back({last.timeText, last.x - 0.025, last.y + 0.04});
  labels.push_back({dateLabel(bests, n - 1), last.x - 0.025, last.y + 0.07});
  return labels;
}
}  // namespace

int axisMaxFor(int slowestRun) { return std::min((slowestRun / 10 + 1) * 10, 1000); }

double chartY(int runTime, int axisMax) { return 0.8 - 0.7 * runTime / axisMax; }

double chartX(int k, int count) { return 0.2 + 0.7 * k / count; }

ChartBlock computeChartBlock(const std::vector<ResultRecord>& window, int pupil, int level,
                             bool pupilShown, const ChartFigures& figures) {
  ChartBlock block;
  auto counted = [&](const ResultRecord& r) {
    return r.pupilNo == pupil && r.level == level && r.runTime < kChartedTime;
  };
  for (const ResultRecord& r : window) {
    if (!counted(r)) continue;
    ++block.chartCount;
    block.chartSum += r.runTime;
    block.chartMax = std::max(block.chartMax, int(r.runTime));
  }
  block.axisMax = axisMaxFor(block.chartMax);

  int k = 0;
  int lastBest = std::numeric_limits<int>::max();
  for (const ResultRecord& r : window) {
    if (r.level != level) continue;
    if (r.runTime < kChartedTime) {
      block.schoolSum += r.runTime;
      ++block.schoolCount;
    }
    block.schoolBest = std::min(block.schoolBest, int(r.runTime));
    if (!counted(r)) continue;
    ++k;
    if (!pupilShown) continue;
    // A run slower than the axis's cap is drawn at the top of the axis rather than over the block
    // above.
    const double x = chartX(k, block.chartCount);
    const double y = std::max(chartY(r.runTime, block.axisMax), kAxisTop);
    const bool newBest = r.runTime < lastBest;
    block.points.push_back({x, y, newBest});
    if (newBest) {
      lastBest = r.runTime;
      block.bests.push_back({x, y, secondsText(r.runTime), recordDateText(r.date)});
    }
  }
  block.statistics = statisticsLines(block, figures);
  block.labels = bestLabels(block, window.empty() ? QString() : recordDateText(window.back().date));
  return block;
}

double statisticsLineTop(int line, bool printing) {
  const double step = printing ? 0.06 : 0.08;
  const double steps = line == 10 ? 9.5 : line;
  return 0.05 + steps * step;
}

QString wholeNumberText(double value) { return QString::number(std::llround(value)); }

QString wholeNumberText(const QString& value) {
  bool isNumber = false;
  const double number = value.trimmed().toDouble(&isNumber);
  return isNumber ? wholeNumberText(number) : value;
}
