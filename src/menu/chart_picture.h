#pragma once

#include <QImage>
#include <QWidget>

// The chart panel's drawing surface: a picture that keeps what was drawn on it until it is cleared.
class ChartPicture : public QWidget {
 public:
  // Fonts on the picture are sized as on a picture this many twips high, whatever its pixels.
  static constexpr double kDesignHeightTwips = 10000;

  explicit ChartPicture(QWidget* parent = nullptr);

  void clear();
  QImage& image() { return image_; }
  double unitsPerPoint() const { return image_.height() / kDesignHeightTwips * 20; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QImage image_;
};
