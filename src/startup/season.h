#pragma once

#include <QColor>

// The screen colour of the season, by month 1..12.
QColor seasonColour(int month);
