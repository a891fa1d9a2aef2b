#include "platform/message_boxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {
QString titleOr(const QString& title) {
  return title.isEmpty() ? QStringLiteral("カケドリ１") : title;
}
}  // namespace

void QtMessageBoxes::inform(const QString& text, const QString& title) {
  QMessageBox box(QMessageBox::NoIcon, titleOr(title), text, QMessageBox::Ok,
                  QApplication::activeWindow());
  box.exec();
}

bool QtMessageBoxes::confirm(const QString& text, const QString& title) {
  QMessageBox box(QMessageBox::NoIcon, titleOr(title), text,
                  QMessageBox::Ok | QMessageBox::Cancel, QApplication::activeWindow());
  return box.exec() == QMessageBox::Ok;
}

bool QtMessageBoxes::askYesNo(const QString& text, const QString& title) {
  QMessageBox box(QMessageBox::NoIcon, titleOr(title), text, QMessageBox::Yes | QMessageBox::No,
                  QApplication::activeWindow());
  // Qt's own captions are English without a translator; the school reads Japanese.
  box.button(QMessageBox::Yes)->setText(QStringLiteral("はい"));
  box.button(QMessageBox::No)->setText(QStringLiteral("いいえ"));
  box.setDefaultButton(QMessageBox::Yes);
  box.setEscapeButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}
