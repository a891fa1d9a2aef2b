#include "menu/chart_drawing.h"

#include <QPen>

#include "platform/fonts.h"

namespace {
const QColor kFrameColour(1, 0, 0);
const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);

// Pen sizes are counted in device pixels of the surfaces the layout was made for: a screen pixel
// is 0.75 pt, a printer dot 0.12 pt.
double pixelPoints(const ChartSurface& surface) { return surface.printing() ? 0.12 : 0.75; }

class BlockPen {
 public:
  BlockPen(ChartSurface& surface, double blockTop)
      : surface_(surface), p_(surface.painter()), top_(blockTop),
        w_(surface.size().width() / 2), h_(surface.size().height() / 3) {}

  double W() const { return w_; }
  double H() const { return h_; }

  void drawWidth(int pixels) { width_ = pixels * pixelPoints(surface_) * surface_.unitsPerPoint(); }
  // The statistics line up by full-width blanks, so they need the fixed-pitch font; the name and
  // the title read better in the proportional one.
  void fontSize(double points, bool fixedPitch = true) {
    // Looking a family up costs a walk over the installed fonts; once is enough.
    static const QFont fixedFamily = fixedPitchJapaneseFont();
    static const QFont proportionalFamily = japaneseFont();
    QFont font = fixedPitch ? fixedFamily : proportionalFamily;
    font.setPixelSize(std::max(1, int(points * surface_.unitsPerPoint() + 0.5)));
    p_.setFont(font);
  }

  // Positions in W and H; y below the block's top unless absolute.
  QPointF at(double x, double y) const { return {x * w_, top_ + y * h_}; }

  void line(QPointF from, QPointF to, const QColor& colour) {
    p_.setPen(QPen(colour, width_, Qt::SolidLine, Qt::RoundCap));
    p_.drawLine(from, to);
  }
  void point(QPointF where, const QColor& colour) {
    p_.setPen(QPen(colour, width_, Qt::SolidLine, Qt::RoundCap));
    p_.drawPoint(where);
  }
  void text(QPointF topLeft, const QString& text) {
    p_.setPen(Qt::black);
    p_.drawText(QRectF(topLeft, QSizeF(0, 0)), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, text);
  }

 private:
  ChartSurface& surface_;
  QPainter& p_;
  double top_;
  double w_;
  double h_;
  double width_ = 1;
};
}  // namespace

std::vector<BlockPlace> chartBlockPlaces(const std::vector<int>& chosenPositions, int firstLevelOffset,
                                         int levelCount) {
  std::vector<BlockPlace> places;
  double top = 0.05 - 0.3;
  for (int position : chosenPositions) {
    top += 0.3;
    bool newPage = false;
    if (top > 0.9) {
      newPage = true;
      top = 0.05;
    }
    const int level = position + firstLevelOffset - 1;
    if (level > levelCount) break;
    places.push_back({level, top, newPage});
  }
  return places;
}

void drawChartBlock(ChartSurface& surface, double blockTop, const ChartBlock& block,
                    const ChartTexts& texts, double baseFontSize) {
  QPainter& painter = surface.painter();
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  BlockPen pen(surface, blockTop);
  const bool printing = surface.printing();
  const double fontSize = printing ? 6 : baseFontSize;
  const int drawWidth = printing ? 30 : 5;

  if (blockTop < 0.08 * surface.size().height()) {
    pen.fontSize(3 * baseFontSize, false);
    pen.text({0.01 * pen.W(), 0.02 * pen.H()}, texts.pupilName);
  }

  pen.drawWidth(2);
  const double right = surface.size().width();
  pen.line({0, blockTop}, {right, blockTop}, kFrameColour);
  pen.line({0, blockTop + 0.09 * pen.H()}, {right, blockTop + 0.09 * pen.H()}, kFrameColour);
  pen.drawWidth(drawWidth);

  pen.fontSize((printing ? 3 : 2) * baseFontSize, false);
  pen.text(pen.at(0.7, 0.01), texts.title);
  pen.fontSize(fontSize);

  pen.line(pen.at(0.2, 0.8), pen.at(0.9, 0.8), kFrameColour);
  pen.line(pen.at(0.2, 0.8), pen.at(0.2, 0.1), Qt::black);

  for (const ChartPoint& point : block.points) pen.point(pen.at(point.x, point.y), point.red ? kRed : kBlue);

  pen.fontSize(1.5 * fontSize);
  for (int line = 1; line <= 10; ++line) {
    const QString& text = block.statistics[std::size_t(line - 1)];
    if (text.isEmpty()) continue;
    QPointF at = pen.at(1.05, statisticsLineTop(line, printing));
    if (line == 10) {
      // The school-average caption stands only half a step under its figure: in the smaller font it
      // stays clear of it, starting where the statistics font puts it.
      const qsizetype start = text.indexOf(u'(');
      at.rx() += painter.fontMetrics().horizontalAdvance(text.left(start));
      pen.fontSize(fontSize);
      pen.text(at, text.mid(start));
      continue;
    }
    pen.text(at, text);
  }
  pen.fontSize(fontSize);

  if (!block.bests.empty()) {
    pen.drawWidth(2);
    for (std::size_t i = 1; i < block.bests.size(); ++i)
      pen.line(pen.at(block.bests[i - 1].x, block.bests[i - 1].y), pen.at(block.bests[i].x, block.bests[i].y),
               Qt::black);
    pen.drawWidth(drawWidth);
    for (const ChartLabel& label : block.labels) pen.text(pen.at(label.x, label.y), label.text);
  }
  painter.restore();
}
