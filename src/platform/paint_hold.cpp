#include "platform/paint_hold.h"

PaintHold::PaintHold(QWidget* screen, int momentMs) : screen_(screen) {
  // A screen already held by someone else is left to them.
  if (!screen_ || !screen_->updatesEnabled()) return;
  screen_->setUpdatesEnabled(false);
  held_ = true;
  moment_.setSingleShot(true);
  QObject::connect(&moment_, &QTimer::timeout, [this] { release(); });
  moment_.start(momentMs);
}

PaintHold::~PaintHold() { release(); }

void PaintHold::release() {
  moment_.stop();
  if (!held_) return;
  held_ = false;
  // Painting again repaints the whole screen once.
  if (screen_) screen_->setUpdatesEnabled(true);
}
