#pragma once

#include <QString>

// The path of a file in a folder: the exact name when that file exists, otherwise the first file of
// the folder whose name matches ignoring case (a folder copied from Windows may hold "OK1.WAV" where a
// table names "ok1"), otherwise the exact name again, so that a missing file is reported by the name
// the program looked for. The folder ends in the separator. The folder is listed only when the exact
// name is missing.
QString resolveFileName(const QString& folder, const QString& name);
