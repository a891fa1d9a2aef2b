#include "teacher/fact_map_view.h"

#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>

namespace {
// The drawing's proportions, in cells: one heading column and row, the legend and the figures line.
constexpr double kHeadingColumns = 1.2;
constexpr double kLegendRows = 1.6;
constexpr double kDetailRows = 0.8;  // the figures line on screen; blank on paper
constexpr double kGridColumns = kHeadingColumns + FactMap::kColumns;
constexpr double kGridRows = 1 + FactMap::kRows;

struct Grid {
  QRectF area;
  double cell = 0;
  QPointF origin;  // top left of the heading row

  explicit Grid(const QRectF& a) : area(a) {
    cell = std::min(a.width() / kGridColumns, a.height() / (kGridRows + kLegendRows + kDetailRows));
    origin = a.topLeft();
  }
  QRectF cellRect(int multiplicand, int multiplier) const {
    return QRectF(origin.x() + (kHeadingColumns + multiplier - 1) * cell,
                  origin.y() + (1 + multiplicand - FactMap::kFirstMultiplicand) * cell, cell, cell);
  }
};

QFont sized(const QPainter& painter, double pixels, bool bold = false) {
  QFont font = painter.font();
  font.setPixelSize(std::max(1, int(pixels)));
  font.setBold(bold);
  return font;
}

void drawCell(QPainter& painter, const QRectF& r, const FactCell& cell) {
  const SpeedBand band = speedBandOf(cell);
  painter.fillRect(r, cell.answers == 0 ? QColor(Qt::white) : speedBandColour(band));
  painter.setPen(QPen(QColor(120, 120, 120), 0));
  painter.drawRect(r);
  if (cell.answers == 0) return;
  painter.setPen(Qt::black);
  painter.setFont(sized(painter, r.height() * 0.30, true));
  if (cell.hasMedian())
    painter.drawText(r.adjusted(0, 0, 0, -r.height() * 0.35), Qt::AlignCenter,
                     QString::number(cell.medianMs / 1000.0, 'f', 1));
  const QRectF bottom = r.adjusted(r.width() * 0.06, r.height() * 0.6, -r.width() * 0.06, 0);
  const QString wrongText = cell.wrong > 0 ? QStringLiteral("×%1").arg(cell.wrong) : QString();
  const QString retriedText = cell.retried > 0 ? QStringLiteral("△%1").arg(cell.retried) : QString();
  // Both counts share the cell's foot; large counts get a smaller type rather than running together.
  QFont countFont = sized(painter, r.height() * 0.24);
  const QFontMetricsF metrics(countFont, painter.device());
  const double needed = metrics.horizontalAdvance(wrongText + u' ' + retriedText);
  if (needed > bottom.width())
    countFont.setPixelSize(std::max(1, int(countFont.pixelSize() * bottom.width() / needed)));
  painter.setFont(countFont);
  if (cell.wrong > 0) {
    // A red corner that shows across the room, the count beside it.
    const QPointF corner = r.topRight();
    const double s = r.width() * 0.28;
    painter.setBrush(QColor(200, 0, 0));
    painter.setPen(Qt::NoPen);
    painter.drawPolygon(QPolygonF({corner, corner + QPointF(-s, 0), corner + QPointF(0, s)}));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QColor(170, 0, 0));
    painter.drawText(bottom, Qt::AlignLeft | Qt::AlignVCenter, wrongText);
  }
  if (cell.retried > 0) {
    painter.setPen(QColor(0, 0, 150));
    painter.drawText(bottom, Qt::AlignRight | Qt::AlignVCenter, retriedText);
  }
}
}  // namespace

QColor speedBandColour(SpeedBand band) {
  switch (band) {
    case SpeedBand::NoAnswers:
      return QColor(205, 205, 205);  // answered, but never right on the first try
    case SpeedBand::UpTo2s:
      return QColor(110, 200, 110);
    case SpeedBand::UpTo3s:
      return QColor(180, 225, 120);
    case SpeedBand::UpTo4s:
      return QColor(250, 230, 110);
    case SpeedBand::UpTo6s:
      return QColor(250, 175, 80);
    case SpeedBand::Over6s:
      return QColor(235, 95, 85);
  }
  return Qt::white;
}

QString factDetailText(const Fact& fact, const FactCell& cell) {
  QString text = factText(fact) + QStringLiteral("　回答数 %1　まちがい数 %2").arg(cell.answers).arg(cell.wrong);
  if (cell.retried > 0) text += QStringLiteral("　やり直して正解 %1").arg(cell.retried);
  text += QStringLiteral("　中央値 ") + (cell.hasMedian() ? medianSecondsText(cell) : QStringLiteral("なし"));
  return text;
}

void drawFactMap(QPainter& painter, const QRectF& area, const FactMap& map, const Fact* selected) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  const Grid grid(area);
  const double c = grid.cell;
  painter.setPen(Qt::black);
  painter.setFont(sized(painter, c * 0.34, true));
  for (int n = 1; n <= FactMap::kColumns; ++n) {
    const QRectF head(grid.origin.x() + (kHeadingColumns + n - 1) * c, grid.origin.y(), c, c);
    painter.drawText(head, Qt::AlignCenter, QStringLiteral("×%1").arg(n));
  }
  for (int m = FactMap::kFirstMultiplicand; m < FactMap::kFirstMultiplicand + FactMap::kRows; ++m) {
    const QRectF head(grid.origin.x(), grid.origin.y() + (1 + m - FactMap::kFirstMultiplicand) * c,
                      kHeadingColumns * c, c);
    painter.setPen(Qt::black);
    painter.setFont(sized(painter, c * 0.42, true));
    painter.drawText(head, Qt::AlignCenter, QString::number(m));
    for (int n = 1; n <= FactMap::kColumns; ++n) drawCell(painter, grid.cellRect(m, n), map.cell(m, n));
  }
  if (selected && FactMap::isFact(selected->multiplicand, selected->multiplier)) {
    painter.setPen(QPen(QColor(0, 0, 200), std::max(2.0, c * 0.08)));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(grid.cellRect(selected->multiplicand, selected->multiplier).adjusted(1, 1, -1, -1));
  }

  // Legend: the bands, then the marks.
  const double top = grid.origin.y() + kGridRows * c + c * 0.25;
  const double h = c * 0.5;
  painter.setFont(sized(painter, h * 0.8));
  double x = grid.origin.x();
  painter.setPen(Qt::black);
  painter.drawText(QRectF(x, top, c * 3, h), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("中央値："));
  x += c * 2.2;
  auto swatch = [&](const QColor& colour, const QString& text) {
    const double textWidth = painter.fontMetrics().horizontalAdvance(text) + h * 1.2;
    painter.fillRect(QRectF(x, top, h, h), colour);
    painter.setPen(QPen(QColor(120, 120, 120), 0));
    painter.drawRect(QRectF(x, top, h, h));
    painter.setPen(Qt::black);
    painter.drawText(QRectF(x + h * 1.2, top, textWidth, h), Qt::AlignLeft | Qt::AlignVCenter, text);
    x += h * 1.2 + textWidth;
  };
  for (const SpeedBandLegend& entry : speedBandLegend()) swatch(speedBandColour(entry.band), entry.text);
  swatch(speedBandColour(SpeedBand::NoAnswers), QStringLiteral("正解なし"));
  swatch(Qt::white, QStringLiteral("回答なし"));
  painter.setPen(QColor(170, 0, 0));
  painter.drawText(QRectF(grid.origin.x(), top + h * 1.3, c * 20, h), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("赤い角と×N：まちがい数　　△N：やり直して正解（中央値には入れません）　　"
                                  "数字：正解の中央値（秒）"));
  painter.restore();
}

FactMapView::FactMapView(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setAutoFillBackground(true);
  QPalette p = palette();
  p.setColor(QPalette::Window, Qt::white);
  setPalette(p);
}

void FactMapView::setMap(const FactMap& map) {
  map_ = map;
  update();
}

void FactMapView::select(const Fact& fact) {
  if (!FactMap::isFact(fact.multiplicand, fact.multiplier)) return;
  selected_ = fact;
  update();
}

QString FactMapView::detailText() const {
  const Fact fact = shownFact();
  return factDetailText(fact, map_.cell(fact.multiplicand, fact.multiplier));
}

QRectF FactMapView::mapArea() const { return QRectF(rect()).adjusted(4, 4, -4, -4); }

Fact FactMapView::factAt(const QPointF& point) const {
  const Grid grid(mapArea());
  for (int m = FactMap::kFirstMultiplicand; m < FactMap::kFirstMultiplicand + FactMap::kRows; ++m)
    for (int n = 1; n <= FactMap::kColumns; ++n)
      if (grid.cellRect(m, n).contains(point)) return {m, n};
  return {};
}

void FactMapView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  drawFactMap(painter, mapArea(), map_, &selected_);
  const Grid grid(mapArea());
  const QRectF line(grid.origin.x(), grid.origin.y() + (kGridRows + kLegendRows) * grid.cell, width() - 8,
                    kDetailRows * grid.cell);
  QFont font = painter.font();
  font.setPixelSize(std::max(8, int(line.height() * 0.6)));
  painter.setFont(font);
  painter.setPen(Qt::black);
  painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, detailText());
}

void FactMapView::keyPressEvent(QKeyEvent* event) {
  Fact next = selected_;
  switch (event->key()) {
    case Qt::Key_Left:
      --next.multiplier;
      break;
    case Qt::Key_Right:
      ++next.multiplier;
      break;
    case Qt::Key_Up:
      --next.multiplicand;
      break;
    case Qt::Key_Down:
      ++next.multiplicand;
      break;
    default:
      return QWidget::keyPressEvent(event);
  }
  // The keys move the figures line off the mouse's cell to the selected one.
  hovered_ = {};
  select(next);
  event->accept();
}

void FactMapView::mouseMoveEvent(QMouseEvent* event) {
  const Fact at = factAt(event->position());
  if (at == hovered_) return;
  hovered_ = at;
  update();
}

void FactMapView::mousePressEvent(QMouseEvent* event) {
  const Fact at = factAt(event->position());
  if (at.multiplicand != 0) select(at);
  setFocus();
}

void FactMapView::leaveEvent(QEvent*) {
  hovered_ = {};
  update();
}
