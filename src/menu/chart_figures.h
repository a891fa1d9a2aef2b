#pragma once

#include <QString>
#include <QStringList>

#include "menu/chart_block.h"

// The rank and points of a pupil read back from the chart panel's two hidden ranking lists (times
// and points, ranks three characters wide): the first line that lists the pupil's name gives the
// rank (its first three characters) and, in the points list, the points (the number in its last five
// characters). The school's figures add up every points line with more than 0 points. A name longer
// than the five characters a line shows is never found.
ChartFigures chartFigures(const QStringList& timesLines, const QStringList& pointsLines,
                          const QString& pupilName);
