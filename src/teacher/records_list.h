#pragma once

#include <QAbstractListModel>
#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>
#include <vector>

#include "core/result_record.h"
#include "core/value.h"

struct AppState;
class Clock;
class Pause;

// The grade the name screen gives the pupil on that day; 0..10 give "幼３" to "高１", any other index
// no text.
int browserGradeIndex(const QDate& today, const Value& schoolYearStartMonth, int birthYear);
QString browserGradeText(int index);

// Name, grade and choice item of every pupil number of the roster, whatever its status.
struct RosterNames {
  RosterNames();
  QString nameOf(int pupilNo) const;   // trimmed; empty without a roster line
  QString gradeOf(int pupilNo) const;  // empty without a roster line or outside 幼３..高１

  std::vector<QString> nameByNo;
  std::vector<QString> gradeByNo;
  QStringList pupilChoices;  // "12 /  山田太郎", one per roster line, in file order
  QString problem;           // for the teacher when the roster could not be read whole
};
RosterNames readRosterNames(const AppState& state, const QDate& today);

// The pupil choice text of a pupil: number, " /  ", name.
QString pupilChoiceText(int pupilNo, const RosterNames& names);

// Every record of the results file with a level, each line keeping the number of its record, so
// that a line acts on its own record however many records the file holds.
class RecordsListing {
 public:
  RecordsListing() = default;
  RecordsListing(std::vector<ResultRecord> records, RosterNames names, QByteArray schoolCode,
                 QString schoolName);

  int count() const { return int(recordNos_.size()); }
  int recordNoAt(int line) const;       // 0 outside the list
  const ResultRecord& recordAt(int line) const;  // as listed; an empty record outside the list
  QString lineAt(int line) const;
  // The line of a record number, or -1 when it is not listed.
  int lineOf(int recordNo) const;
  const RosterNames& names() const { return names_; }

 private:
  std::vector<ResultRecord> records_;  // every record of the file, [0] being record 1
  std::vector<int> recordNos_;
  RosterNames names_;
  QByteArray schoolCode_;
  QString schoolName_;
  int numberWidth_ = 4;
};

// Reads the roster and the whole results file.
RecordsListing listRecords(const AppState& state, const Clock& clock, Pause& pause);

// The date and the time of day of a record as the list shows them.
QString listDateText(double dateNumber);
QString listTimeOfDayText(double timeOfDay);

// The list as a model: only the lines on screen are ever built.
class RecordsListModel : public QAbstractListModel {
 public:
  using QAbstractListModel::QAbstractListModel;

  void setListing(RecordsListing listing);
  const RecordsListing& listing() const { return listing_; }

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

 private:
  RecordsListing listing_;
};
