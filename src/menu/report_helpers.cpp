#include "menu/report_helpers.h"

#include <array>

QString gradeMark(int grade) {
  static const std::array<QString, 10> marks = {
      QStringLiteral("　"), QStringLiteral("①"), QStringLiteral("②"), QStringLiteral("③"),
      QStringLiteral("④"), QStringLiteral("⑤"), QStringLiteral("⑥"), QStringLiteral("Ⅰ"),
      QStringLiteral("Ⅱ"), QStringLiteral("Ⅲ")};
  return grade >= 1 && grade <= 9 ? marks[std::size_t(grade)] : marks[0];
}

Value gradeFilterMatch(const QString& filterText, int grade) {
  auto only = [](bool shown) { return Value(shown ? 1 : 0); };
  if (filterText == QStringLiteral("全学年")) return Value(1);
  if (filterText == QStringLiteral("小学生全体")) return only(grade >= 1 && grade <= 6);
  static const std::array<QString, 6> primary = {
      QStringLiteral("小１"), QStringLiteral("小２"), QStringLiteral("小３"),
      QStringLiteral("小４"), QStringLiteral("小５"), QStringLiteral("小６")};
  for (int year = 1; year <= 6; ++year)
    if (filterText == primary[std::size_t(year - 1)]) return only(grade == year);
  if (filterText == QStringLiteral("中学生全体")) return only(grade >= 7 && grade <= 9);
  static const std::array<QString, 3> middle = {QStringLiteral("中１"), QStringLiteral("中２"),
                                                QStringLiteral("中３")};
  for (int year = 1; year <= 3; ++year)
    if (filterText == middle[std::size_t(year - 1)]) return only(grade == 6 + year);
  if (filterText == QStringLiteral("家族")) return Value(1);
  return Value();
}
