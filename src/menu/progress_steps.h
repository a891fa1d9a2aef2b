#pragma once

#include <QElapsedTimer>
#include <initializer_list>
#include <vector>

class QProgressBar;

// Moves progress bars through the steps of a view and lets waiting events run there. Each shown
// step repaints the bars and the screen, and a view of 25 quick steps spent longer drawing than
// computing; so a step is shown when a moment has passed since the last one shown, and the last
// step always, so that keys typed meanwhile are still handled while the view's controls are off.
class ProgressSteps {
 public:
  ProgressSteps(std::initializer_list<QProgressBar*> bars, int lastStep);
  void reach(int step);

 private:
  std::vector<QProgressBar*> bars_;
  int lastStep_;
  QElapsedTimer sinceShown_;
};
