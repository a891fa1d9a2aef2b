#pragma once

#include <QFrame>
#include <QLabel>
#include <array>

#include "platform/twips.h"

// Where the regions of the student menu stand on the design canvas, in twips, and the plain
// controls its regions share.
namespace menu_geometry {
constexpr int kCanvasWidth = TwipsGeometry::kCanvasWidth;
constexpr int kCanvasHeight = TwipsGeometry::kCanvasHeight;

// The heading over the level lists; the columns start just below it.
constexpr int kHeadingTop = 1900;
constexpr int kHeadingHeight = 380;
constexpr int kScrollBarTop = 10300;
constexpr int kScrollBarHeight = 320;

// The rows of a level column, top to bottom: number and name, start button, headings, today and
// all-time counts, recent window, result list, goal.
enum Row { kNameRow, kStartRow, kHeadingRow, kCountsRow, kRecentRow, kListRow, kGoalRow, kRowCount };
constexpr std::array<int, kRowCount> kRowHeights = {420, 520, 330, 330, 330, 5500, 360};

constexpr int rowTop(int row) {
  int top = kHeadingTop + kHeadingHeight * 105 / 100;
  for (int r = 0; r < row; ++r) top += kRowHeights[std::size_t(r)];
  return top;
}

inline QLabel* boxedLabel(QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setFrameShape(QFrame::Box);
  label->setAlignment(Qt::AlignCenter);
  return label;
}

inline QFrame* panel(QWidget* parent) {
  auto* frame = new QFrame(parent);
  frame->setFrameShape(QFrame::Box);
  frame->setAutoFillBackground(true);
  return frame;
}
}  // namespace menu_geometry
