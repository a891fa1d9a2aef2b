#include "core/criteria.h"

#include "core/app_state.h"
#include "platform/field_reader.h"
#include "platform/file_error.h"
#include "platform/text_codec.h"

const QStringList& criteriaHeadings() {
  static const QStringList kHeadings = {
      QStringLiteral("目標Time"), QStringLiteral("最低Time"), QStringLiteral("ｸﾘｱﾎﾟｲﾝﾄ"),
      QStringLiteral("ｸﾘｱ回数"),  QStringLiteral("ﾎﾟｲﾝﾄ倍率"), QStringLiteral("禁回"),
      QStringLiteral("禁点"),     QStringLiteral("判期間"),   QStringLiteral("禁期間")};
  return kHeadings;
}

QString criteriaPath(const AppState& state) { return state.programDataFolder + kCriteriaFileName; }

void loadCriteria(AppState& state) {
  const QString path = criteriaPath(state);
  FieldReader reader(readTextFile(path), path);
  auto nextValue = [&reader] {
    const QString field = reader.next();
    return Value::fromField(field, reader.lastWasQuoted());
  };
  for (int i = 0; !reader.atEnd(); ++i) {
    if (i > kMaxLevel) break;  // the tables end at level 35; further lines are ignored
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
  FieldReader reader(readTextFile(path), path);
  QList<QStringList> rows;
  while (!reader.atEnd()) {
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
