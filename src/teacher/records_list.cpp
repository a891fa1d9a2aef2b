#include "teacher/records_list.h"

#include <QFileInfo>
#include <QTime>
#include <cmath>
#include <limits>

#include "core/app_state.h"
#include "core/results_file.h"
#include "platform/clock.h"
#include "platform/file_error.h"
#include "platform/text_codec.h"
#include "selection/roster_file.h"

namespace {
constexpr int kNameColumns = 6;
const QString kFullWidthSpace = QStringLiteral("　");

bool isPupilSlot(int pupilNo) { return pupilNo >= 0 && pupilNo <= kMaxPupil; }

// Blanks in front; only the last width characters when longer.
QString rightAligned(const QString& text, int width) {
  return text.size() >= width ? text.right(width) : text.rightJustified(width, u' ');
}
}  // namespace

int browserGradeIndex(const QDate& today, const Value& schoolYearStartMonth, int birthYear) {
  return gradeNumber(schoolYearOn(today, schoolYearStartMonth), birthYear);
}

QString browserGradeText(int index) {
  static const QStringList kTexts = {
      QStringLiteral("幼３"), QStringLiteral("小１"), QStringLiteral("小２"), QStringLiteral("小３"),
      QStringLiteral("小４"), QStringLiteral("小５"), QStringLiteral("小６"), QStringLiteral("中１"),
      QStringLiteral("中２"), QStringLiteral("中３"), QStringLiteral("高１")};
  return index >= 0 && index < kTexts.size() ? kTexts[index] : QString();
}

RosterNames::RosterNames() : nameByNo(kPupilSlots), gradeByNo(kPupilSlots) {}

QString RosterNames::nameOf(int pupilNo) const {
  return isPupilSlot(pupilNo) ? nameByNo[std::size_t(pupilNo)] : QString();
}

QString RosterNames::gradeOf(int pupilNo) const {
  return isPupilSlot(pupilNo) ? gradeByNo[std::size_t(pupilNo)] : QString();
}

QString pupilChoiceText(int pupilNo, const RosterNames& names) {
  return QString::number(pupilNo) + QStringLiteral(" /  ") + names.nameOf(pupilNo);
}

RosterNames readRosterNames(const AppState& state, const QDate& today) {
  RosterNames names;
  const QString path = rosterPath(state);
  if (!QFileInfo::exists(path)) {
    names.problem = QStringLiteral("名簿ファイルがありません。名前と学年なしで一覧にします。\n") + path;
    return names;
  }
  try {
    for (const RosterLine& line : readRosterLines(readTextFile(path))) {
      const int number = line.entry.number;
      const int birthYear = line.entry.birthYear;
      const QString name = line.entry.name.trimmed();
      // Pupil numbers 1..5000 are the only ones a record can carry.
      if (number < 1 || number > kMaxPupil) continue;
      names.nameByNo[std::size_t(number)] = name;
      names.gradeByNo[std::size_t(number)] =
          browserGradeText(browserGradeIndex(today, state.schoolYearStartMonth, birthYear));
      names.pupilChoices.append(pupilChoiceText(number, names));
    }
  } catch (const FileError& error) {
    names.problem = QStringLiteral("名簿ファイルを読めませんでした。\n") + error.message();
  }
  return names;
}

QString listDateText(double dateNumber) {
  // A damaged record must not stop the list; its date shows blank.
  if (!std::isfinite(dateNumber) || std::fabs(dateNumber) > 2.0e6) return {};
  return dateOfNumber(dateNumber).toString(QStringLiteral("yyyy/MM/dd"));
}

QString listTimeOfDayText(double timeOfDay) {
  if (!std::isfinite(timeOfDay) || timeOfDay < 0 || timeOfDay >= 1) return rightAligned({}, 9);
  const int seconds = std::min(int(std::lround(timeOfDay * 86400)), 86399);
  return rightAligned(QTime(0, 0).addSecs(seconds).toString(QStringLiteral("H:mm:ss")), 9);
}

RecordsListing::RecordsListing(std::vector<ResultRecord> records, RosterNames names,
                               QByteArray schoolCode, QString schoolName)
    : records_(std::move(records)),
      names_(std::move(names)),
      schoolCode_(std::move(schoolCode)),
      schoolName_(std::move(schoolName)) {
  recordNos_.reserve(records_.size());
  for (std::size_t i = 0; i < records_.size(); ++i)
    if (records_[i].level != 0) recordNos_.push_back(int(i) + 1);
  numberWidth_ = std::max(4, int(QString::number(qsizetype(records_.size())).size()));
}

int RecordsListing::recordNoAt(int line) const {
  return line >= 0 && line < count() ? recordNos_[std::size_t(line)] : 0;
}

const ResultRecord& RecordsListing::recordAt(int line) const {
  static const ResultRecord kNone;
  const int recordNo = recordNoAt(line);
  return recordNo == 0 ? kNone : records_[std::size_t(recordNo - 1)];
}

int RecordsListing::lineOf(int recordNo) const {
  const auto at = std::lower_bound(recordNos_.begin(), recordNos_.end(), recordNo);
  return at != recordNos_.end() && *at == recordNo ? int(at - recordNos_.begin()) : -1;
}

QString RecordsListing::lineAt(int line) const {
  const int recordNo = recordNoAt(line);
  if (recordNo == 0) return {};
  const ResultRecord& r = recordAt(line);
  const QString name = names_.nameOf(r.pupilNo).left(kNameColumns);
  return rightAligned(QString::number(recordNo), numberWidth_) + u' ' + listDateText(r.date) +
         kFullWidthSpace + listTimeOfDayText(r.timeOfDay) + QStringLiteral("ﾚﾍﾞﾙ") +
         QString::number(r.level) + kFullWidthSpace + rightAligned(QString::number(r.runTime), 5) +
         QStringLiteral("秒 ") + kFullWidthSpace + rightAligned(QString::number(r.pupilNo), 4) + u' ' +
         name + kFullWidthSpace.repeated(kNameColumns - name.size()) + u' ' + names_.gradeOf(r.pupilNo) +
         QStringLiteral("++") + (r.schoolCode == schoolCode_ ? schoolName_ : QStringLiteral("他塾"));
}

RecordsListing listRecords(const AppState& state, const Clock& clock, Pause& pause) {
  RosterNames names = readRosterNames(state, clock.today());
  return RecordsListing(readNewestResults(state, pause, std::numeric_limits<int>::max(),
                                          WaitingRuns::Left), std::move(names),
                        encodeCp932(state.schoolCode), state.schoolName);
}

void RecordsListModel::setListing(RecordsListing listing) {
  beginResetModel();
  listing_ = std::move(listing);
  endResetModel();
}

int RecordsListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : listing_.count();
}

QVariant RecordsListModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid()) return {};
  return listing_.lineAt(index.row());
}
