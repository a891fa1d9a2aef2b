#include "core/criteria.h"

#include "core/app_state.h"
#include "platform/field_reader.h"
#include "platform/file_error.h"
#include "platform/resolve_file_name.h"
#include "platform/text_codec.h"

const QStringList& criteriaHeadings() {
  static const QStringList kHeadings = {
      QStringLiteral("目標Time"), QStringLiteral("最低Time"), QStringLiteral("ｸﾘｱﾎﾟｲﾝﾄ"),
      QStringLiteral("ｸﾘｱ回数"),  QStringLiteral("ﾎﾟｲﾝﾄ倍率"), QStringLiteral("禁回"),
      QStringLiteral("禁点"),     QStringLiteral("判期間"),   QStringLiteral("禁期間")};
  return kHeadings;
}

QString criteriaPath(const AppState& state) {
  return resolveFileName(state.programDataFolder, kCriteriaFileName);
}

namespace {
// The table's lines, the heading first and then one a level; blank lines after the last one hold no
// level.
QStringList criteriaLines(const QString& path) {
  QStringList lines = textLines(readTextFile(path));
  while (!lines.isEmpty() && lines.back().trimmed().isEmpty()) lines.removeLast();
  return lines;
}
}  // namespace

void loadCriteria(AppState& state) {
  const QStringList lines = criteriaLines(criteriaPath(state));
  for (int i = 0; i < lines.size(); ++i) {
    if (i > kMaxLevel) break;  // the tables end at level 35; further lines are ignored
    LineFields reader(lines[i]);
    auto nextValue = [&reader] {
      const QString field = reader.next();
      return Value::fromField(field, reader.lastWasQuoted());
    };
    state.passTime[i] = reader.nextInt();
    state.lowestTime[i] = reader.nextInt();
    state.clearPoints[i] = reader.nextInt();
    state.clearCount[i] = reader.nextInt();
    state.pointFactor[i] = float(reader.nextNumber());
    state.overPracticeCount[i] = reader.nextNumber();
    state.overPracticePoints[i] = reader.nextNumber();
    state.judgeDays[i] = reader.nextNumber();
    state.overPracticeDays[i] = reader.nextNumber();
    state.criteriaExtra1[i] = nextValue();
    state.criteriaExtra2[i] = nextValue();
    state.criteriaExtra3[i] = nextValue();
  }
}

QList<QStringList> readCriteriaRows(const QString& path) {
  QList<QStringList> rows;
  for (const QString& line : criteriaLines(path)) {
    LineFields reader(line);
    QStringList row;
    for (int field = 0; field < kCriteriaFields; ++field) row.append(reader.next());
    rows.append(row);
  }
  return rows;
}

void writeCriteria(const QString& path, const QList<QStringList>& rows) {
  QStringList lines;
  for (const QStringList& row : rows) {
    QStringList cells = row.mid(0, kCriteriaFields);
    while (cells.size() < kCriteriaFields) cells.append(QString());
    lines.append(cells.join(u','));
  }
  writeTextFile(path, lines);
}
