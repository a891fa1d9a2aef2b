#include "menu/chart_figures.h"

#include <algorithm>

#include "menu/report_lines.h"
#include "platform/field_reader.h"

namespace {
constexpr int kRankWidth = 3;
constexpr int kNameWidth = 5;

int pointsOf(const QString& line) { return roundToInt(leadingNumber(line.right(5))); }
}  // namespace

ChartFigures chartFigures(const QStringList& timesLines, const QStringList& pointsLines,
                          const QString& pupilName) {
  const QString name = pupilName.trimmed();
  // The name stands after the rank and the mark, padded to five characters; comparing the whole
  // field keeps 田 from taking the line of 山田.
  auto listsPupil = [&](const QString& line) {
    return !name.isEmpty() && name.size() <= kNameWidth &&
           line.mid(kRankWidth + 1, kNameWidth) == rankingName5(name);
  };
  ChartFigures figures;
  const auto timesLine = std::find_if(timesLines.begin(), timesLines.end(), listsPupil);
  if (timesLine != timesLines.end()) figures.timeRankText = timesLine->left(kRankWidth);
  for (const QString& line : pointsLines) {
    const int points = pointsOf(line);
    if (points > 0) {
      ++figures.schoolPointsCount;
      figures.schoolPointsSum += points;
    }
  }
  const auto pointsLine = std::find_if(pointsLines.begin(), pointsLines.end(), listsPupil);
  if (pointsLine != pointsLines.end()) {
    figures.pointsRankText = pointsLine->left(kRankWidth);
    figures.pupilPoints = pointsOf(*pointsLine);
  }
  return figures;
}
