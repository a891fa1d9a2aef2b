#include "platform/resolve_file_name.h"

#include <QDir>
#include <QFileInfo>

QString resolveFileName(const QString& folder, const QString& name) {
  const QString exact = folder + name;
  if (name.isEmpty() || QFileInfo::exists(exact)) return exact;
  // Case folding rather than upper or lower case, so that full-width letters match as Windows
  // matches them.
  const QString wanted = name.toCaseFolded();
  const QStringList entries = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
  for (const QString& entry : entries)
    if (entry.toCaseFolded() == wanted) return folder + entry;
  return exact;
}
