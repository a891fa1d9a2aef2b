#pragma once

#include <QString>

class QWidget;

// The standard dialogs that ask the user where a file goes.
class FileDialogs {
 public:
  virtual ~FileDialogs() = default;
  // The path the user chose to save to, starting from suggestedPath; empty when they cancelled.
  virtual QString saveFileName(QWidget* parent, const QString& title, const QString& suggestedPath,
                               const QString& filter) = 0;
};

class QtFileDialogs final : public FileDialogs {
 public:
  QString saveFileName(QWidget* parent, const QString& title, const QString& suggestedPath,
                       const QString& filter) override;
};

// The user's documents folder, ending in the separator; the home folder when there is none.
QString documentsFolder();
