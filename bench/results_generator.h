#pragma once

#include <QString>

// Writes a large, realistic results file: pupils 1..pupils drilling the 25 levels over the days
// before today, most runs near the levels' pass times, a few timed out.
void writeLargeResultsFile(const QString& path, int records, int pupils, double today,
                           unsigned seed = 1);
