#include "platform/file_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

QString QtFileDialogs::saveFileName(QWidget* parent, const QString& title, const QString& suggestedPath,
                                    const QString& filter) {
  return QFileDialog::getSaveFileName(parent, title, suggestedPath, filter);
}

QString documentsFolder() {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (folder.isEmpty()) folder = QDir::homePath();
  return QDir::toNativeSeparators(folder) + QDir::separator();
}
