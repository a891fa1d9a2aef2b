#include "core/folders.h"

#include <QDir>

QString withSeparator(const QString& folder) {
  if (folder.isEmpty() || folder.endsWith(u'/')) return folder;
  return folder + u'/';
}

QString resolveDataRoot(const QString& written, const QString& pathFileFolder) {
  QString path = written.trimmed();
  path.replace(u'\\', u'/');
  if (path.isEmpty()) return withSeparator(pathFileFolder);
  if (QDir::isRelativePath(path)) path = QDir(pathFileFolder).filePath(path);
  return withSeparator(QDir::cleanPath(path));
}

QString lastComponent(const QString& folder) {
  QString path = folder;
  while (path.size() > 1 && path.endsWith(u'/')) path.chop(1);
  return path.mid(path.lastIndexOf(u'/') + 1);
}

int altLayoutFor(const QString& programFolder) {
  return programFolder.contains(QStringLiteral("PR0093")) &&
                 !programFolder.contains(QStringLiteral("HOSHIDA"))
             ? 1
             : 0;
}
