#pragma once

#include <QString>

// Folder texts always end in the separator, so a file name can simply be appended.
QString withSeparator(const QString& folder);
// A data root as written in the path file: "\" or "/" separators, absolute or relative to the
// folder of the path file.
QString resolveDataRoot(const QString& written, const QString& pathFileFolder);
// The last component of a folder path.
QString lastComponent(const QString& folder);
// The alternate folder layout is in force for a program folder under "PR0093" but not under
// "HOSHIDA" (compared case-sensitively).
int altLayoutFor(const QString& programFolder);
