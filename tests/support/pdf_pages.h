#pragma once

#include <QFile>
#include <QRegularExpression>
#include <QString>

// The number of pages of a PDF file that Qt wrote, or -1 when it cannot be read.
inline int pdfPages(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return -1;
  static const QRegularExpression page(QStringLiteral("/Type\\s*/Page\\b(?!s)"));
  return int(QString::fromLatin1(file.readAll()).count(page));
}
