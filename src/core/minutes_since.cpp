#include "core/minutes_since.h"

#include <algorithm>
#include <cmath>

int minutesSinceNameChosen(double secondsNow, int nameChosenSecond) {
  constexpr int kSecondsPerDay = 24 * 60 * 60;
  int seconds = int(std::floor(secondsNow)) - nameChosenSecond;
  // The chosen second was rounded, so "now" may read a moment before it. Only a difference of more
  // than half a day below zero means that midnight has passed since the name was chosen.
  if (seconds < -kSecondsPerDay / 2) seconds += kSecondsPerDay;
  return std::max(0, seconds) / 60;
}
