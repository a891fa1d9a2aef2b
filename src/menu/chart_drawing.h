#pragma once

#include <QPainter>
#include <QSizeF>
#include <QString>
#include <vector>

#include "menu/chart_block.h"

// Where chart blocks are drawn: the panel's picture or a print job, each in its own device units.
class ChartSurface {
 public:
  virtual ~ChartSurface() = default;
  virtual QPainter& painter() = 0;
  virtual QSizeF size() const = 0;
  virtual double unitsPerPoint() const = 0;
  virtual bool printing() const = 0;
  // The picture is cleared, the printer starts a new page; false when that failed.
  virtual bool newPage() = 0;
};

// Where the blocks of the chosen levels go: three to a page, at 0.05, 0.35 and 0.65 of the page
// height.
struct BlockPlace {
  int level = 0;
  double top = 0;        // in page heights
  bool newPage = false;  // a page is started before this block
};
// The chosen list positions (1-based, in list order) give levels position + firstLevelOffset - 1;
// the blocks end at the first level beyond levelCount.
std::vector<BlockPlace> chartBlockPlaces(const std::vector<int>& chosenPositions, int firstLevelOffset,
                                         int levelCount);

struct ChartTexts {
  QString pupilName;  // the page header over the first block of a page
  QString title;      // programTitle, a blank and the level's name
};

// Draws one block with its top at blockTop (device units) on the surface.
void drawChartBlock(ChartSurface& surface, double blockTop, const ChartBlock& block,
                    const ChartTexts& texts, double baseFontSize = 6);
