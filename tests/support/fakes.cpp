#include "support/fakes.h"

#include <QFileInfo>

QStringList RecordingSoundPlayer::playedNames() const {
  QStringList names;
  for (const QString& path : played) names.append(QFileInfo(path).fileName());
  return names;
}
