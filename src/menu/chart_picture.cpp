#include "menu/chart_picture.h"

#include <QPainter>
#include <QResizeEvent>

ChartPicture::ChartPicture(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  image_ = QImage(QSize(1, 1), QImage::Format_RGB32);
  clear();
}

void ChartPicture::clear() {
  image_.fill(Qt::white);
  update();
}

void ChartPicture::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, image_);
}

void ChartPicture::resizeEvent(QResizeEvent* event) {
  // A new size starts a clean picture; the panel draws again when asked.
  image_ = QImage(event->size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
  clear();
  QWidget::resizeEvent(event);
}
