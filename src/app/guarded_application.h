#pragma once

#include <QApplication>

class MessageBoxes;
class Navigator;

// Catches a FileError or ProgramEnd at the event boundary: the file error's message is shown in a
// modal box and the program ends with a non-zero exit status.
class GuardedApplication : public QApplication {
 public:
  GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}
  void setMessageBoxes(MessageBoxes* boxes) { boxes_ = boxes; }
  // Unloaded screens are deleted once the outermost event has been handled.
  void setNavigator(Navigator* navigator) { navigator_ = navigator; }
  bool notify(QObject* receiver, QEvent* event) override;

 private:
  bool dispatch(QObject* receiver, QEvent* event);

  MessageBoxes* boxes_ = nullptr;
  Navigator* navigator_ = nullptr;
  int depth_ = 0;
};
