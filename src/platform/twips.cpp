#include "platform/twips.h"

#include <algorithm>
#include <cmath>

TwipsGeometry TwipsGeometry::fit(const QSize& pixels) {
  TwipsGeometry g;
  if (pixels.width() <= 0 || pixels.height() <= 0) return g;
  g.scale_ = std::min(double(pixels.width()) / kCanvasWidth, double(pixels.height()) / kCanvasHeight);
  g.offsetX_ = (pixels.width() - kCanvasWidth * g.scale_) / 2;
  g.offsetY_ = (pixels.height() - kCanvasHeight * g.scale_) / 2;
  return g;
}

QRect TwipsGeometry::toPixels(const QRect& twips) const {
  const int left = int(std::lround(offsetX_ + twips.left() * scale_));
  const int top = int(std::lround(offsetY_ + twips.top() * scale_));
  const int right = int(std::lround(offsetX_ + (twips.left() + twips.width()) * scale_));
  const int bottom = int(std::lround(offsetY_ + (twips.top() + twips.height()) * scale_));
  return QRect(left, top, std::max(0, right - left), std::max(0, bottom - top));
}

int TwipsGeometry::fontPixels(double points) const {
  return std::max(1, int(std::lround(points * 20 * scale_)));
}
