#include "teacher/records_csv.h"

#include "core/app_state.h"
#include "platform/text_codec.h"

CsvTable recordsCsv(const RecordsListing& listing, const AppState& state) {
  CsvTable table({QStringLiteral("番号"), QStringLiteral("日付"), QStringLiteral("時刻"),
                  QStringLiteral("生徒番号"), QStringLiteral("名前"), QStringLiteral("学年"),
                  QStringLiteral("レベル"), QStringLiteral("レベル名"), QStringLiteral("タイム秒"),
                  QStringLiteral("学校")});
  const QByteArray ownSchool = encodeCp932(state.schoolCode);
  for (int line = 0; line < listing.count(); ++line) {
    const ResultRecord& r = listing.recordAt(line);
    const bool knownLevel = r.level >= 0 && r.level <= kMaxLevel;
    table.addRow({QString::number(listing.recordNoAt(line)), listDateText(r.date),
                  listTimeOfDayText(r.timeOfDay).trimmed(), QString::number(r.pupilNo),
                  listing.names().nameOf(r.pupilNo), listing.names().gradeOf(r.pupilNo),
                  QString::number(r.level), knownLevel ? state.levelName[r.level].trimmed() : QString(),
                  QString::number(r.runTime),
                  r.schoolCode == ownSchool ? state.schoolName : QStringLiteral("他塾")});
  }
  return table;
}
