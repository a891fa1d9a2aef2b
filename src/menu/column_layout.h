#pragma once

// Where the level columns of the student menu stand, in twips of the design canvas.
struct ColumnLayout {
  int columnWidth = 0;
  bool scrolls = false;    // more columns than fit: the scroll bar is shown
  int scrollMaximum = 0;   // the last first column the scroll bar reaches
};

// Four columns or fewer share the width; more are each a quarter of it and scroll.
constexpr int kSharedColumnsWidth = 14592;
constexpr int kScrolledColumnWidth = 3456;
// The columns start 0.02 of the screen width from its left edge.
constexpr int kColumnsLeft = 307;

ColumnLayout columnLayoutFor(int levelCount);

// The left edge of a level's column when scrollPos is the first column shown. A column left of the
// scroll position goes beyond the right edge of the canvas, out of sight.
int columnLeft(int level, int scrollPos, int columnWidth);

// True when the whole column lies on the canvas.
bool columnFullyShown(int level, int scrollPos, int columnWidth);
