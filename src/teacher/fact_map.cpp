#include "teacher/fact_map.h"

#include <algorithm>

#include "core/answer_log_reader.h"
#include "core/app_state.h"
#include "menu/report_helpers.h"
#include "platform/clock.h"

namespace {
constexpr int kFacts = FactMap::kRows * FactMap::kColumns;

int factIndex(int multiplicand, int multiplier) {
  return (multiplicand - FactMap::kFirstMultiplicand) * FactMap::kColumns + (multiplier - 1);
}

int daysOf(FactPeriod period) { return period == FactPeriod::Days30 ? 30 : 90; }
}  // namespace

SpeedBand speedBandOf(const FactCell& cell) {
  if (!cell.hasMedian()) return SpeedBand::NoAnswers;
  if (cell.medianMs <= 2000) return SpeedBand::UpTo2s;
  if (cell.medianMs <= 3000) return SpeedBand::UpTo3s;
  if (cell.medianMs <= 4000) return SpeedBand::UpTo4s;
  if (cell.medianMs <= 6000) return SpeedBand::UpTo6s;
  return SpeedBand::Over6s;
}

const std::array<SpeedBandLegend, 5>& speedBandLegend() {
  static const std::array<SpeedBandLegend, 5> kLegend = {{
      {SpeedBand::UpTo2s, QStringLiteral("２秒まで")},
      {SpeedBand::UpTo3s, QStringLiteral("３秒まで")},
      {SpeedBand::UpTo4s, QStringLiteral("４秒まで")},
      {SpeedBand::UpTo6s, QStringLiteral("６秒まで")},
      {SpeedBand::Over6s, QStringLiteral("６秒より長い")},
  }};
  return kLegend;
}

QString medianSecondsText(const FactCell& cell) {
  if (!cell.hasMedian()) return {};
  return QString::number(cell.medianMs / 1000.0, 'f', 1) + QStringLiteral("秒");
}

QString factText(const Fact& fact) {
  return QString::number(fact.multiplicand) + QStringLiteral("×") + QString::number(fact.multiplier);
}

bool FactMap::isFact(int multiplicand, int multiplier) {
  return multiplicand >= kFirstMultiplicand && multiplicand < kFirstMultiplicand + kRows &&
         multiplier >= 1 && multiplier <= kColumns;
}

const FactCell& FactMap::cell(int multiplicand, int multiplier) const {
  static const FactCell kNone;
  return isFact(multiplicand, multiplier) ? cells_[std::size_t(factIndex(multiplicand, multiplier))] : kNone;
}

FactCell& FactMap::cell(int multiplicand, int multiplier) {
  return cells_[std::size_t(factIndex(std::clamp(multiplicand, kFirstMultiplicand, kFirstMultiplicand + kRows - 1),
                                      std::clamp(multiplier, 1, kColumns)))];
}

std::vector<Fact> FactMap::weakest(int count) const {
  std::vector<Fact> answered;
  for (int m = kFirstMultiplicand; m < kFirstMultiplicand + kRows; ++m)
    for (int n = 1; n <= kColumns; ++n)
      if (cell(m, n).answers > 0) answered.push_back({m, n});
  auto weaker = [this](const Fact& a, const Fact& b) {
    const FactCell& x = cell(a.multiplicand, a.multiplier);
    const FactCell& y = cell(b.multiplicand, b.multiplier);
    // Wrong per answer, compared without rounding.
    const qint64 lhs = qint64(x.wrong) * y.answers;
    const qint64 rhs = qint64(y.wrong) * x.answers;
    if (lhs != rhs) return lhs > rhs;
    if (x.hasMedian() != y.hasMedian()) return !x.hasMedian();
    return x.medianMs > y.medianMs;
  };
  std::stable_sort(answered.begin(), answered.end(), weaker);
  if (int(answered.size()) > count) answered.resize(std::size_t(std::max(count, 0)));
  return answered;
}

FactMapBuilder::FactMapBuilder() : counts_(std::size_t(kFacts) * kCountedMs, 0), longAnswers_(kFacts) {}

void FactMapBuilder::add(const AnswerRecord& answer) {
  if (!FactMap::isFact(answer.multiplicand, answer.multiplier)) return;
  FactCell& cell = map_.cell(answer.multiplicand, answer.multiplier);
  ++cell.answers;
  switch (answer.result) {
    case AnswerRecord::Result::Wrong:
      ++cell.wrong;
      return;
    case AnswerRecord::Result::RightOnRetry:
      ++cell.retried;
      return;
    case AnswerRecord::Result::Right:
      break;
  }
  ++cell.right;
  const int index = factIndex(answer.multiplicand, answer.multiplier);
  const int ms = std::max(answer.answerMs, 0);
  if (ms < kCountedMs)
    ++counts_[std::size_t(index) * kCountedMs + std::size_t(ms)];
  else
    longAnswers_[std::size_t(index)].push_back(ms);
}

FactMap FactMapBuilder::finish() {
  for (int m = FactMap::kFirstMultiplicand; m < FactMap::kFirstMultiplicand + FactMap::kRows; ++m)
    for (int n = 1; n <= FactMap::kColumns; ++n) {
      FactCell& cell = map_.cell(m, n);
      if (!cell.hasMedian()) continue;
      const int index = factIndex(m, n);
      std::vector<std::int32_t>& longOnes = longAnswers_[std::size_t(index)];
      std::sort(longOnes.begin(), longOnes.end());
      // The value at a rank 0..right-1 of the sorted times.
      const std::uint32_t* counts = counts_.data() + std::size_t(index) * kCountedMs;
      auto valueAt = [&](qint64 rank) -> double {
        for (int ms = 0; ms < kCountedMs; ++ms) {
          if (rank < counts[ms]) return ms;
          rank -= counts[ms];
        }
        return longOnes[std::size_t(rank)];
      };
      const qint64 right = cell.right;
      cell.medianMs = (valueAt((right - 1) / 2) + valueAt(right / 2)) / 2.0;
    }
  return map_;
}

std::vector<int> pupilsOfGrade(const AppState& state, const QString& gradeFilter) {
  std::vector<int> pupils;
  for (int i = 1; i <= state.rosterCount && i < int(state.rosterPupilNo.size()); ++i) {
    const int pupilNo = state.rosterPupilNo[std::size_t(i)];
    if (pupilNo < 1 || pupilNo > kMaxPupil) continue;
    // The menu's grade rule: school year less birth year less six.
    const int grade = state.schoolYear - state.pupilBirthYear[pupilNo] - 6;
    if (gradeShown(gradeFilter, grade)) pupils.push_back(pupilNo);
  }
  return pupils;
}

FactMap buildFactMap(const AppState& state, Pause& pause, const FactGroup& group, FactPeriod period,
                     const QDate& today) {
  AnswerLogFilter filter;
  if (period != FactPeriod::Everything) {
    filter.lastDate = dateNumberOf(today);
    filter.firstDate = filter.lastDate - (daysOf(period) - 1);
  }
  if (group.kind == FactGroup::Kind::Pupil) filter.onlyPupil(group.pupilNo);
  if (group.kind == FactGroup::Kind::Grade) {
    filter.pupils.assign(std::size_t(kMaxPupil) + 1, false);
    for (int pupilNo : pupilsOfGrade(state, group.gradeFilter)) filter.pupils[std::size_t(pupilNo)] = true;
  }
  FactMapBuilder builder;
  const AnswerLogReading reading =
      readAnswerLog(state, pause, filter, [&builder](const AnswerRecord& answer) { builder.add(answer); });
  FactMap map = builder.finish();
  map.damagedRecords = reading.damaged;
  return map;
}

CsvTable factMapCsv(const FactMap& map) {
  CsvTable table({QStringLiteral("段"), QStringLiteral("かける数"), QStringLiteral("回答数"),
                  QStringLiteral("まちがい数"), QStringLiteral("中央値秒")});
  for (int m = FactMap::kFirstMultiplicand; m < FactMap::kFirstMultiplicand + FactMap::kRows; ++m)
    for (int n = 1; n <= FactMap::kColumns; ++n) {
      const FactCell& cell = map.cell(m, n);
      table.addRow({QString::number(m), QString::number(n), QString::number(cell.answers),
                    QString::number(cell.wrong),
                    cell.hasMedian() ? QString::number(cell.medianMs / 1000.0, 'f', 1) : QString()});
    }
  return table;
}

QString factGroupText(const AppState& state, const FactGroup& group) {
  switch (group.kind) {
    case FactGroup::Kind::School:
      return QStringLiteral("学校全体");
    case FactGroup::Kind::Grade:
      return group.gradeFilter;
    case FactGroup::Kind::Pupil:
      break;
  }
  const bool known = group.pupilNo >= 1 && group.pupilNo <= kMaxPupil;
  const QString name = known ? state.pupilName[group.pupilNo].trimmed() : QString();
  return name.isEmpty() ? QStringLiteral("%1番").arg(group.pupilNo) : name;
}

QString factPeriodText(FactPeriod period) {
  switch (period) {
    case FactPeriod::Days30:
      return QStringLiteral("30日");
    case FactPeriod::Days90:
      return QStringLiteral("90日");
    case FactPeriod::Everything:
      break;
  }
  return QStringLiteral("すべて");
}
