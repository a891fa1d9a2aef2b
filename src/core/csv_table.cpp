#include "core/csv_table.h"

#include <algorithm>

#include "platform/text_codec.h"

CsvTable::CsvTable(QStringList heading) { addRow(heading); }

QString CsvTable::field(const QString& value) {
  static const QString kSpecial = QStringLiteral(",\"\r\n");
  if (std::none_of(value.begin(), value.end(), [](QChar c) { return kSpecial.contains(c); })) return value;
  QString quoted = value;
  quoted.replace(u'"', QStringLiteral("\"\""));
  return u'"' + quoted + u'"';
}

void CsvTable::addRow(const QStringList& fields) {
  QStringList quoted;
  quoted.reserve(fields.size());
  for (const QString& f : fields) quoted.append(field(f));
  lines_.append(quoted.join(u','));
}

QString CsvTable::text() const {
  QString all;
  for (const QString& line : lines_) all += line + QStringLiteral("\r\n");
  return all;
}

QByteArray CsvTable::bytes() const { return encodeCp932(text()); }

void CsvTable::save(const QString& path) const { writeTextFile(path, lines_); }
