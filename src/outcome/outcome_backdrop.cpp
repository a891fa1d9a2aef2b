#include "outcome/outcome_backdrop.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <array>
#include <cmath>
#include <numbers>

void OutcomeBackdrop::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF area = rect();
  const double w = area.width();
  const double h = area.height();

  QLinearGradient sky(area.topLeft(), area.bottomLeft());
  sky.setColorAt(0, QColor(120, 190, 240));
  sky.setColorAt(0.6, QColor(200, 230, 250));
  sky.setColorAt(1, QColor(255, 244, 210));
  painter.fillRect(area, sky);

  // Soft rays from above the title.
  const QPointF origin(w / 2, -h * 0.1);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(255, 255, 255, 45));
  constexpr int kRays = 16;
  for (int i = 0; i < kRays; i += 2) {
    const double a0 = std::numbers::pi * i / kRays;
    const double a1 = std::numbers::pi * (i + 1) / kRays;
    const double reach = w + h;
    QPainterPath ray(origin);
    ray.lineTo(origin + QPointF(std::cos(a0) * reach, std::sin(a0) * reach));
    ray.lineTo(origin + QPointF(std::cos(a1) * reach, std::sin(a1) * reach));
    ray.closeSubpath();
    painter.drawPath(ray);
  }

  // Confetti along the sides, placed by the golden ratio so it looks scattered yet never changes.
  static const std::array<QColor, 5> kColours = {QColor(240, 80, 90), QColor(250, 190, 40),
                                                 QColor(80, 180, 110), QColor(70, 130, 220),
                                                 QColor(190, 100, 210)};
  const double piece = h * 0.018;
  for (int i = 0; i < 60; ++i) {
    const double u = std::fmod(i * 0.6180339887, 1.0);
    const double v = std::fmod(i * 0.7548776662 + 0.31, 1.0);
    const double x = i % 2 == 0 ? u * w * 0.16 : w - u * w * 0.16;
    const double y = v * h;
    painter.save();
    painter.translate(x, y);
    painter.rotate(i * 37.0);
    painter.setBrush(kColours[std::size_t(i) % kColours.size()]);
    painter.drawRect(QRectF(-piece, -piece / 2, piece * 2, piece));
    painter.restore();
  }

  // The card behind the texts.
  const QRectF card(w * 0.18, h * 0.03, w * 0.64, h * 0.78);
  painter.setBrush(QColor(255, 255, 255, 190));
  painter.setPen(QPen(QColor(250, 190, 40), h * 0.006));
  painter.drawRoundedRect(card, h * 0.03, h * 0.03);
}
