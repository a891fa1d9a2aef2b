#include "startup/season.h"

QColor seasonColour(int month) {
  if (month <= 2) return QColor(255, 128, 0);    // orange
  if (month <= 5) return QColor(192, 255, 192);  // light green
  if (month <= 8) return QColor(0, 192, 192);    // teal
  if (month <= 11) return QColor(192, 64, 0);    // rust
  return QColor(192, 255, 192);                  // light green
}
