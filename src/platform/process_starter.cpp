#include "platform/process_starter.h"

#include <QProcess>

bool QtProcessStarter::startDetached(const QString& program, const QStringList& arguments) {
  return QProcess::startDetached(program, arguments);
}
