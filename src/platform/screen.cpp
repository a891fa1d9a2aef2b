#include "platform/screen.h"

#include <QResizeEvent>

Screen::Screen(QString name, QWidget* parent) : QWidget(parent), name_(std::move(name)) {
  setAutoFillBackground(true);
  geometry_ = TwipsGeometry::fit(size());
}

void Screen::place(QWidget* widget, int left, int top, int width, int height) {
  Placed& p = placed_[widget];
  p.widget = widget;
  p.twips = QRect(left, top, width, height);
  apply(widget);
}

QRect Screen::placement(QWidget* widget) const { return placed_.value(widget).twips; }

void Screen::setFontPoints(QWidget* widget, double points) {
  Placed& p = placed_[widget];
  p.widget = widget;
  p.points = points;
  apply(widget);
}

void Screen::setBackColour(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, colour);
  palette.setColor(QPalette::Base, colour);
  palette.setColor(QPalette::Button, colour);
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

void Screen::apply(QWidget* widget) {
  const Placed& p = placed_[widget];
  if (!p.widget) return;
  if (!p.twips.isNull()) p.widget->setGeometry(geometry_.toPixels(p.twips));
  if (p.points > 0) {
    QFont font = p.widget->font();
    font.setPixelSize(geometry_.fontPixels(p.points));
    p.widget->setFont(font);
  }
}

void Screen::resizeEvent(QResizeEvent* event) {
  geometry_ = TwipsGeometry::fit(event->size());
  for (auto it = placed_.begin(); it != placed_.end();) {
    if (!it->widget) {
      it = placed_.erase(it);
    } else {
      apply(it.key());
      ++it;
    }
  }
  QWidget::resizeEvent(event);
}
