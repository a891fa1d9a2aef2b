#include "menu/progress_steps.h"

#include <QProgressBar>

#include "platform/pause.h"

namespace {
// Often enough that a slow view is seen to move on.
constexpr qint64 kShowEveryMs = 50;
}  // namespace

ProgressSteps::ProgressSteps(std::initializer_list<QProgressBar*> bars, int lastStep)
    : bars_(bars), lastStep_(lastStep) {
  sinceShown_.start();
}

void ProgressSteps::reach(int step) {
  if (step < lastStep_ && sinceShown_.elapsed() < kShowEveryMs) return;
  for (QProgressBar* bar : bars_) bar->setValue(step);
  letEventsRun();
  sinceShown_.restart();
}
