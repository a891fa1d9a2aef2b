#include "core/app_state.h"

AppState::AppState()
    : roster(kMaxPupil + 1),
      rosterPupilNo(kMaxPupil + 1, 0),
      pupilName(kPupilSlots),
      pupilBirthYear(kPupilSlots, 0),
      pupilGrade(kPupilSlots),
      resultDate(kMaxResults + 1, 0.0),
      resultTime(kMaxResults + 1, 0.0),
      resultPupilNo(kMaxResults + 1, 0),
      resultLevel(kMaxResults + 1, 0),
      resultRunTime(kMaxResults + 1, 0) {}

bool isTeacherName(const QString& name) {
  return name.contains(QStringLiteral("先生")) || name.contains(QStringLiteral("★"));
}
