#include "startup/splash_picture.h"

#include <QLinearGradient>
#include <QPainter>

void SplashPicture::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF area = rect();

  QLinearGradient board(area.topLeft(), area.bottomLeft());
  board.setColorAt(0, QColor(24, 70, 52));
  board.setColorAt(1, QColor(12, 42, 30));
  painter.fillRect(area, board);
  painter.setPen(QPen(QColor(150, 96, 48), area.height() * 0.03));
  painter.drawRect(area.adjusted(4, 4, -4, -4));

  // Rows of facts in chalk, fading towards the bottom.
  QFont chalk = font();
  chalk.setPixelSize(int(area.height() * 0.075));
  chalk.setBold(true);
  painter.setFont(chalk);
  const int rows = 5;
  for (int row = 0; row < rows; ++row) {
    const int multiplicand = 11 + row % 3;
    const int multiplier = 12 + row * 2;
    const QString fact = QStringLiteral("%1 × %2 = %3").arg(multiplicand).arg(multiplier).arg(multiplicand * multiplier);
    painter.setPen(QColor(240, 240, 225, 230 - row * 35));
    const QRectF line(area.left(), area.top() + area.height() * (0.12 + row * 0.12), area.width(), area.height() * 0.1);
    painter.drawText(line, Qt::AlignCenter, fact);
  }

  // A stopwatch in the corner: the drill runs against the clock.
  const double r = area.height() * 0.11;
  const QPointF centre(area.right() - r * 1.6, area.bottom() - r * 1.5);
  painter.setPen(QPen(QColor(250, 220, 90), r * 0.12));
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(centre, r, r);
  painter.drawLine(centre, centre + QPointF(0, -r * 0.75));
  painter.drawLine(centre, centre + QPointF(r * 0.5, r * 0.2));
  painter.drawLine(centre + QPointF(-r * 0.2, -r * 1.25), centre + QPointF(r * 0.2, -r * 1.25));
}
