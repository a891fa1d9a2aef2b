#include "selection/roster_file.h"

#include <QFileInfo>
#include <algorithm>
#include <limits>

#include "core/app_state.h"
#include "platform/field_reader.h"
#include "platform/file_error.h"
#include "platform/resolve_file_name.h"
#include "platform/text_codec.h"

namespace {
QString fixedWidth(const QString& text) {
  return text.left(kRosterNameWidth).leftJustified(kRosterNameWidth, u' ');
}

// Birth years are 16-bit in the file; a wild value must not overflow the grade arithmetic.
int birthYearField(LineFields& reader) {
  return std::clamp(reader.nextInt(), int(std::numeric_limits<int16_t>::min()),
                    int(std::numeric_limits<int16_t>::max()));
}
}  // namespace

RosterLine readRosterLine(const QString& text) {
  LineFields reader(text);
  RosterLine line;
  line.entry.number = reader.nextInt();
  line.entry.birthYear = birthYearField(reader);
  line.entry.reserved1 = reader.nextInt();
  line.entry.reserved2 = reader.nextInt();
  line.entry.name = fixedWidth(reader.next());
  line.status = reader.nextInt();
  line.entry.reservedText1 = fixedWidth(reader.next());
  line.entry.reservedText2 = fixedWidth(reader.next());
  return line;
}

QList<RosterLine> readRosterLines(const QString& text) {
  QList<RosterLine> lines;
  for (const QString& line : textLines(text))
    if (!line.trimmed().isEmpty()) lines.append(readRosterLine(line));
  return lines;
}

QString rosterPath(const AppState& state) { return resolveFileName(state.dataRoot, kRosterFileName); }

int schoolYearOn(const QDate& date, const Value& startMonth) {
  return date.month() < startMonth.toNumber() ? date.year() - 1 : date.year();
}

int gradeNumber(int schoolYear, int birthYear) { return schoolYear - birthYear - 6; }

QString gradeListLabel(int grade) {
  if (grade < -2) return QStringLiteral("幼-");
  if (grade <= 0) return QStringLiteral("幼") + QString::number(grade + 3);
  if (grade <= 6) return QStringLiteral("小") + QString::number(grade);
  if (grade <= 9) return QStringLiteral("中") + QString::number(grade - 6);
  if (grade <= 12) return QStringLiteral("高") + QString::number(grade - 9);
  return QStringLiteral("大+");
}

QString gradeStoredLabel(int grade) {
  if (grade < 0 || grade > 10) return {};
  QString label = gradeListLabel(grade);
  const QChar digit = label.back();
  label.back() = QChar(u'０' + (digit.unicode() - u'0'));
  return label;
}

QString loadRoster(AppState& state) {
  state.rosterCount = 0;
  const QString path = rosterPath(state);
  if (!QFileInfo::exists(path)) return QStringLiteral("名簿ファイルがありません\n") + path;
  QString text;
  try {
    text = readTextFile(path);
  } catch (const FileError& error) {
    return error.message();
  }

  const bool statusTwoListed = state.rosterSetting == Value(1);
  int count = 0;
  for (RosterLine& line : readRosterLines(text)) {
    if (line.status == 2 && statusTwoListed) line.status = 0;
    if (line.status != 0) continue;
    const int number = line.entry.number;
    // A number outside the tables would be written past their ends.
    if (number < 1 || number > kMaxPupil) continue;
    if (count == kMaxPupil) continue;
    ++count;
    state.roster[count] = line.entry;
    state.rosterPupilNo[count] = number;
    state.pupilName[number] = line.entry.name;
    state.pupilBirthYear[number] = line.entry.birthYear;
    const QString stored = gradeStoredLabel(gradeNumber(state.schoolYear, line.entry.birthYear));
    if (!stored.isEmpty()) state.pupilGrade[number] = stored;
  }
  state.rosterCount = count;
  return {};
}
