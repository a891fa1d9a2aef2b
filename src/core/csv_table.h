#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// A table for a spreadsheet: a heading line and rows, written as CP932 text with CR LF line ends, the
// form a Japanese spreadsheet opens as columns without asking. A field holding a comma, a quote or a
// line break is quoted, its quotes doubled.
class CsvTable {
 public:
  explicit CsvTable(QStringList heading);

  void addRow(const QStringList& fields);
  int rowCount() const { return int(lines_.size()) - 1; }

  QString text() const;
  QByteArray bytes() const;
  // Replaces the file only once everything is written; a FileError when it cannot be written.
  void save(const QString& path) const;

  static QString field(const QString& value);

 private:
  QStringList lines_;
};
