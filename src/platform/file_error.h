#pragma once

#include <QString>
#include <stdexcept>

// A failure of a data file that the program cannot carry on from. The screen layer catches it at the
// event boundary, shows the message and ends the program; tests assert it instead.
class FileError : public std::runtime_error {
 public:
  explicit FileError(const QString& message)
      : std::runtime_error(message.toStdString()), message_(message) {}
  const QString& message() const { return message_; }

 private:
  QString message_;
};

// The program must end now; whatever had to be told to the user has been told already.
class ProgramEnd : public std::exception {
 public:
  explicit ProgramEnd(int exitCode) : exitCode_(exitCode) {}
  int exitCode() const { return exitCode_; }
  const char* what() const noexcept override { return "program end"; }

 private:
  int exitCode_;
};
