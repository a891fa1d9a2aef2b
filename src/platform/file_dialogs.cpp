#include "platform/file_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

QString QtFileDialogs::saveFileName(QWidget* parent, const QString& title, const QString& suggestedPath,
                                    const QString& filter) {
  return QFileDialog::getSaveFileName(parent, title, suggestedPath, filter);
}

QString documentsFolder() {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  // A computer whose user never had a documents folder offers home, not whatever folder the
  // program was started in.
  if (folder.isEmpty() || !QFileInfo(folder).isDir()) folder = QDir::homePath();
  return QDir::toNativeSeparators(folder) + QDir::separator();
}
