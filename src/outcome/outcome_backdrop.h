#pragma once

#include <QWidget>

// The outcome screen's background, drawn by the program itself: a bright sky with rays and
// confetti around a pale card that the texts stand on.
class OutcomeBackdrop : public QWidget {
 public:
  using QWidget::QWidget;

 protected:
  void paintEvent(QPaintEvent* event) override;
};
