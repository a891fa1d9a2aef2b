#pragma once

#include <QDate>
#include <QString>
#include <array>
#include <vector>

#include "core/answer_record.h"
#include "core/csv_table.h"

struct AppState;
class Pause;

// The map of weak facts: one cell per fact of the extended tables, 11..13 (rows) times 1..20
// (columns), with how the group answered it over the period.
//
// A right answer on a retry is no mistake, so it is not counted as wrong; its time includes the
// wrong try before it, so it stays out of the median, and the cell marks how many there were. The
// median is over the right answers of the first try only.
struct FactCell {
  int answers = 0;   // every answer, whatever its result
  int wrong = 0;     // wrong answers
  int retried = 0;   // right on a retry
  int right = 0;     // right on the first try; the median is over these
  double medianMs = -1;  // -1 without right answers

  bool hasMedian() const { return right > 0; }
};

struct Fact {
  int multiplicand = 0;  // 11..13
  int multiplier = 0;    // 1..20
  friend bool operator==(const Fact&, const Fact&) = default;
};

// How fast a fact is answered, by the median time of its right answers: the legend's colour bands.
enum class SpeedBand { NoAnswers, UpTo2s, UpTo3s, UpTo4s, UpTo6s, Over6s };
SpeedBand speedBandOf(const FactCell& cell);
struct SpeedBandLegend {
  SpeedBand band;
  QString text;
};
// The bands in the legend's order, quick first.
const std::array<SpeedBandLegend, 5>& speedBandLegend();

// "2.3秒"; empty without right answers.
QString medianSecondsText(const FactCell& cell);
// "11×7"
QString factText(const Fact& fact);

class FactMap {
 public:
  static constexpr int kFirstMultiplicand = 11;
  static constexpr int kRows = 3;
  static constexpr int kColumns = 20;

  const FactCell& cell(int multiplicand, int multiplier) const;
  FactCell& cell(int multiplicand, int multiplier);
  static bool isFact(int multiplicand, int multiplier);

  // The weakest facts among those answered: most wrong answers per answer first, then the slowest
  // median (a fact without right answers counts as slowest), then in table order.
  std::vector<Fact> weakest(int count = 10) const;

  // Records of the log that could not be read while the map was built.
  qint64 damagedRecords = 0;

 private:
  std::array<FactCell, kRows * kColumns> cells_{};
};

// Gathers answers into a map: keeps every right answer's time in a per-millisecond count, so the
// median is exact and the memory is the same for one answer or five million.
class FactMapBuilder {
 public:
  FactMapBuilder();
  void add(const AnswerRecord& answer);
  FactMap finish();

 private:
  static constexpr int kCountedMs = 20000;  // longer answers are kept one by one; they are rare
  FactMap map_;
  std::vector<std::uint32_t> counts_;  // [fact * kCountedMs + ms]
  std::vector<std::vector<std::int32_t>> longAnswers_;
};

// Whose answers a map shows.
struct FactGroup {
  enum class Kind { School, Grade, Pupil };
  Kind kind = Kind::School;
  QString gradeFilter;  // one of the student menu's grade filter texts, for Grade
  int pupilNo = 0;      // for Pupil

  static FactGroup school() { return {}; }
  static FactGroup grade(const QString& filter) { return {Kind::Grade, filter, 0}; }
  static FactGroup pupil(int pupilNo) { return {Kind::Pupil, {}, pupilNo}; }
};

// The periods a map can cover, counted back from today by the answer's date, today included.
enum class FactPeriod { Days30, Days90, Everything };

// One streaming pass over the answer log.
FactMap buildFactMap(const AppState& state, Pause& pause, const FactGroup& group, FactPeriod period,
                     const QDate& today);
// The roster's pupils of a grade filter, by the student menu's grade rule.
std::vector<int> pupilsOfGrade(const AppState& state, const QString& gradeFilter);

// The map for a spreadsheet: 段,かける数,回答数,まちがい数,中央値秒 and one line per fact, the median in
// seconds with one decimal and blank without right answers.
CsvTable factMapCsv(const FactMap& map);
// "学校全体", "小３", the pupil's name: what a map's heading calls its group.
QString factGroupText(const AppState& state, const FactGroup& group);
QString factPeriodText(FactPeriod period);
