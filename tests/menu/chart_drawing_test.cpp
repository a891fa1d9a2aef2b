#include <gtest/gtest.h>

#include <QImage>

#include "menu/chart_drawing.h"
#include "platform/clock.h"
#include "support/qstring_printer.h"

TEST(ChartPages, ThreeBlocksToAPage) {
  const auto places = chartBlockPlaces({1, 2, 5, 7}, 1, 25);
  ASSERT_EQ(places.size(), 4u);
  const std::vector<double> tops = {0.05, 0.35, 0.65, 0.05};
  const std::vector<bool> newPages = {false, false, false, true};
  const std::vector<int> levels = {1, 2, 5, 7};
  for (std::size_t i = 0; i < places.size(); ++i) {
    EXPECT_NEAR(places[i].top, tops[i], 1e-9) << i;
    EXPECT_EQ(places[i].newPage, newPages[i]) << i;
    EXPECT_EQ(places[i].level, levels[i]) << i;
  }
}

TEST(ChartPages, EndAtTheFirstLevelBeyondTheMenusLevels) {
  const auto places = chartBlockPlaces({2, 3, 4}, 2, 4);
  ASSERT_EQ(places.size(), 2u);
  EXPECT_EQ(places[1].level, 4);
}

namespace {
class ImageSurface final : public ChartSurface {
 public:
  explicit ImageSurface(QImage& image) : image_(image), painter_(&image) {}
  QPainter& painter() override { return painter_; }
  QSizeF size() const override { return image_.size(); }
  double unitsPerPoint() const override { return 1.0; }
  bool printing() const override { return false; }
  bool newPage() override { return true; }

 private:
  QImage& image_;
  QPainter painter_;
};

ResultRecord run(int runTime) {
  ResultRecord r;
  r.date = dateNumberOf(QDate(2026, 12, 1));
  r.pupilNo = 1;
  r.level = 1;
  r.runTime = runTime;
  return r;
}

// Pixels of mostly the colour (red or blue), allowing for the edges' smoothing.
int countColour(const QImage& image, QRgb colour, const QRect& area) {
  int n = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) {
      const QRgb p = image.pixel(x, y);
      n += std::abs(qRed(p) - qRed(colour)) < 60 && std::abs(qGreen(p) - qGreen(colour)) < 60 &&
           std::abs(qBlue(p) - qBlue(colour)) < 60;
    }
  return n;
}
}  // namespace

TEST(ChartDrawing, PointsLandWhereTheBlockPutsThemAndStayInTheChartHalf) {
  QImage image(600, 900, QImage::Format_RGB32);
  image.fill(Qt::white);
  const ChartBlock block = computeChartBlock({run(60), run(80), run(40)}, 1, 1, true, {});
  {
    ImageSurface surface(image);
    drawChartBlock(surface, 0.35 * 900, block, {u"山田"_qs, u"カケドリ１ 11の段"_qs});
  }
  const double W = 300, H = 300, top = 0.35 * 900;
  for (const ChartPoint& p : block.points) {
    const QPoint at(int(p.x * W), int(top + p.y * H));
    const QRgb expected = p.red ? qRgb(255, 0, 0) : qRgb(0, 0, 255);
    EXPECT_GT(countColour(image, expected, QRect(at - QPoint(2, 2), QSize(5, 5))), 0) << p.x;
  }
  // Nothing red or blue in the statistics half or in the other blocks' places.
  EXPECT_EQ(countColour(image, qRgb(255, 0, 0), QRect(310, 0, 290, 900)), 0);
  EXPECT_EQ(countColour(image, qRgb(0, 0, 255), QRect(0, 0, 600, int(top) - 1)), 0);
}
