#include "platform/local_data.h"

#include <QStandardPaths>

QString localDataFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + u'/';
}
