#include "menu/column_layout.h"

#include <algorithm>

#include "platform/twips.h"

ColumnLayout columnLayoutFor(int levelCount) {
  ColumnLayout layout;
  if (levelCount <= 4) {
    layout.columnWidth = kSharedColumnsWidth / std::max(1, levelCount);
  } else {
    layout.columnWidth = kScrolledColumnWidth;
    layout.scrolls = true;
    layout.scrollMaximum = levelCount - 3;
  }
  return layout;
}

int columnLeft(int level, int scrollPos, int columnWidth) {
  const int left = kColumnsLeft + (level - scrollPos) * columnWidth;
  return left < 0 ? TwipsGeometry::kCanvasWidth : left;
}

bool columnFullyShown(int level, int scrollPos, int columnWidth) {
  return columnLeft(level, scrollPos, columnWidth) + columnWidth <= TwipsGeometry::kCanvasWidth;
}
