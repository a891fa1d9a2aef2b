#pragma once

#include <QString>

class QWidget;

// Modal message boxes, behind an interface so that tests can answer them.
class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  // A box with the text and an OK button; returns when it is closed.
  virtual void inform(const QString& text, const QString& title = QString()) = 0;
  // A box with OK and Cancel; true for OK.
  virtual bool confirm(const QString& text, const QString& title = QString()) = 0;
  // A question with はい and いいえ; true for はい. Escape answers いいえ.
  virtual bool askYesNo(const QString& text, const QString& title = QString()) = 0;
};

class QtMessageBoxes final : public MessageBoxes {
 public:
  void inform(const QString& text, const QString& title) override;
  bool confirm(const QString& text, const QString& title) override;
  bool askYesNo(const QString& text, const QString& title) override;
};
