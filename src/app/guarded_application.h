#pragma once

#include <QApplication>

class MessageBoxes;

// Catches a FileError or ProgramEnd at the event boundary: the file error's message is shown in a
// modal box and the program ends with a non-zero exit status.
class GuardedApplication : public QApplication {
 public:
  GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}
  void setMessageBoxes(MessageBoxes* boxes) { boxes_ = boxes; }
  bool notify(QObject* receiver, QEvent* event) override;

 private:
  MessageBoxes* boxes_ = nullptr;
};
