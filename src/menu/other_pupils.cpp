#include "menu/other_pupils.h"

#include <QFileInfo>

#include "core/app_state.h"
#include "platform/file_error.h"
#include "platform/text_codec.h"
#include "selection/roster_file.h"

QStringList otherPupilLines(AppState& state, const QDate& today) {
  QStringList lines;
  const QString path = rosterPath(state);
  if (!QFileInfo::exists(path)) return lines;
  // The grade of the name screen, so that both screens call a pupil by the same school year.
  const int schoolYear = schoolYearOn(today, state.schoolYearStartMonth);
  try {
    for (const RosterLine& line : readRosterLines(readTextFile(path))) {
      const int number = line.entry.number;
      const int birthYear = line.entry.birthYear;
      const QString name = line.entry.name.trimmed();
      const int status = line.status;
      if (number < 1 || number > kMaxPupil) continue;
      state.pupilName[std::size_t(number)] = name;
      state.pupilBirthYear[std::size_t(number)] = birthYear;
      const QString grade = gradeStoredLabel(gradeNumber(schoolYear, birthYear));
      if (!grade.isEmpty()) state.pupilGrade[std::size_t(number)] = grade;
      if (status == 0)
        lines.append(state.pupilGrade[std::size_t(number)] + QStringLiteral(" /  ") + name + u'/' +
                     QString::number(number));
    }
  } catch (const FileError&) {
    // A damaged roster must not take the menu down; the name screen reports it.
  }
  return lines;
}
