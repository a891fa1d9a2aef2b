#pragma once

#include <QPointer>
#include <QTimer>
#include <QWidget>

// Keeps a screen from painting while a short piece of work changes it step by step, so that the
// user sees where the work ends rather than each step of it; once the work has run longer than a
// moment, the screen paints again as it would without the hold, so that its own signs of waiting
// (a cover, progress bars, a message) show. The moment is measured by a timer, so it runs out in
// any event loop, a message box's as well.
class PaintHold {
 public:
  explicit PaintHold(QWidget* screen, int momentMs = 50);
  ~PaintHold();
  PaintHold(const PaintHold&) = delete;
  PaintHold& operator=(const PaintHold&) = delete;

 private:
  void release();

  QPointer<QWidget> screen_;
  bool held_ = false;
  QTimer moment_;
};
