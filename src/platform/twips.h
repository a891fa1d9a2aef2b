#pragma once

#include <QRect>
#include <QSize>

// Layouts are designed in twips on a 15360 x 11520 canvas (1024 x 768 pixels at 15 twips a pixel)
// and scaled uniformly to the real screen, centred, so they keep their proportions on any monitor.
class TwipsGeometry {
 public:
  static constexpr int kCanvasWidth = 15360;
  static constexpr int kCanvasHeight = 11520;
  static constexpr int kTwipsPerPixel = 15;

  static TwipsGeometry fit(const QSize& pixels);

  QRect toPixels(const QRect& twips) const;
  // The pixel size of a font given in points on the design canvas (a point is 20 twips).
  int fontPixels(double points) const;
  double scale() const { return scale_; }  // pixels per twip

 private:
  double scale_ = 1.0 / kTwipsPerPixel;
  double offsetX_ = 0;
  double offsetY_ = 0;
};
