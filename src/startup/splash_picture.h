#pragma once

#include <QWidget>

// The splash picture, drawn by the program itself: the three tables over a chalkboard.
class SplashPicture : public QWidget {
 public:
  using QWidget::QWidget;

 protected:
  void paintEvent(QPaintEvent* event) override;
};
