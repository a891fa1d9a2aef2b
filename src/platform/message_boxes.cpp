#include "platform/message_boxes.h"

#include <QApplication>
#include <QMessageBox>

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
