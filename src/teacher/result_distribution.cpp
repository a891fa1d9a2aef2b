#include "teacher/result_distribution.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <utility>

#include "core/app_state.h"
#include "core/result_record.h"
#include "platform/file_error.h"
#include "platform/pause.h"
#include "platform/record_file.h"

namespace {
constexpr int kUnset = std::numeric_limits<int>::max();

int timeClass(int runTime, int lastClass) { return std::min(runTime / 10, lastClass); }

// Each pupil's best time per level: a dense table for the pupil numbers of the roster, and a map
// for the few damaged records outside it.
class BestTimes {
 public:
  BestTimes() : table_(std::size_t(ResultDistribution::kHighestLevel + 1) * kPupilSlots, kUnset) {}

  void add(int level, int pupil, int runTime) {
    int& best = pupil >= 0 && pupil <= kMaxPupil ? table_[std::size_t(level) * kPupilSlots + pupil]
                                                 : others_.try_emplace({level, pupil}, kUnset).first->second;
    best = std::min(best, runTime);
  }

  template <class Visit>
  void forEach(Visit visit) const {
    for (int level = 1; level <= ResultDistribution::kHighestLevel; ++level) {
      const int* row = table_.data() + std::size_t(level) * kPupilSlots;
      for (int pupil = 0; pupil < kPupilSlots; ++pupil)
        if (row[pupil] != kUnset) visit(level, row[pupil]);
    }
    for (const auto& [key, best] : others_) visit(key.first, best);
  }

 private:
  std::vector<int> table_;
  std::map<std::pair<int, int>, int> others_;
};

QString classLine(int timeClass, int count, int starUnit) {
  const int stars = int(std::floor(0.5 + double(count) / starUnit));
  return QString::number(10 * timeClass).rightJustified(4, u' ') + QStringLiteral("～") +
         QString(stars, QChar(u'★'));
}

// One star stands for a tenth of the level's runs, so the longest bar stays about ten stars long.
int starUnit(const std::array<int, ResultDistribution::kLastClass + 1>& counts) {
  int total = 0;
  for (int count : counts) total += count;
  return std::max(1, total / 10);
}

template <class CountOf>
QStringList chart(const QString& heading, int level, CountOf countOf) {
  std::array<int, ResultDistribution::kLastClass + 1> counts{};
  for (int c = 0; c <= ResultDistribution::kLastClass; ++c) counts[c] = countOf(level, c);
  const int unit = starUnit(counts);
  QStringList lines{heading.arg(unit)};
  for (int c = 0; c <= ResultDistribution::kLastClass; ++c) lines.append(classLine(c, counts[c], unit));
  return lines;
}
}  // namespace

ResultDistribution ResultDistribution::fromRecords(const QByteArray& bytes) {
  ResultDistribution d;
  BestTimes best;
  const qsizetype records = bytes.size() / ResultRecord::kSize;
  for (qsizetype i = 0; i < records; ++i) {
    const RecordNumbers r = decodeNumbers(bytes.constData() + i * ResultRecord::kSize);
    if (r.level < 1 || r.level > kHighestLevel || r.runTime < 0) continue;
    ++d.runCount_[r.level];
    ++d.allTimes_[r.level][timeClass(r.runTime, kLastClass)];
    best.add(r.level, r.pupilNo, r.runTime);
  }
  best.forEach([&d](int level, int runTime) { ++d.bestTimes_[level][timeClass(runTime, kLastBestClass)]; });
  return d;
}

int ResultDistribution::runCount(int level) const {
  return level >= 0 && level <= kHighestLevel ? runCount_[level] : 0;
}

int ResultDistribution::allTimes(int level, int timeClass) const {
  if (level < 0 || level > kHighestLevel || timeClass < 0 || timeClass > kLastClass) return 0;
  return allTimes_[level][timeClass];
}

int ResultDistribution::bestTimes(int level, int timeClass) const {
  if (level < 0 || level > kHighestLevel || timeClass < 0 || timeClass > kLastClass) return 0;
  return bestTimes_[level][timeClass];
}

ResultDistribution readDistribution(const QString& resultsPath, Pause& pause) {
  auto failure = [&resultsPath](const RecordFile& file) {
    return FileError(QStringLiteral("成績ファイルを読めません。\n%1\n%2 (%3)")
                         .arg(resultsPath, file.lastErrorText())
                         .arg(file.lastErrorNumber()));
  };
  RecordFile file;
  if (file.open(resultsPath) != RecordFile::Status::Ok) throw failure(file);
  // Another computer appending holds the lock for a moment only.
  if (file.lockForReading(pause, 100) != RecordFile::Status::Ok) throw failure(file);
  const qint64 size = file.size();
  QByteArray bytes;
  if (size < 0 || file.read(0, size / ResultRecord::kSize * ResultRecord::kSize, bytes) != RecordFile::Status::Ok)
    throw failure(file);
  file.unlock();
  file.close();
  return ResultDistribution::fromRecords(bytes);
}

QStringList allTimesChart(const ResultDistribution& distribution, int level) {
  const QString heading = QStringLiteral("レベル") + QString::number(level) + QStringLiteral(" 今まで") +
                          QString::number(distribution.runCount(level)) + QStringLiteral("回  （★=%1）");
  return chart(heading, level, [&](int l, int c) { return distribution.allTimes(l, c); });
}

QStringList bestTimesChart(const ResultDistribution& distribution, int level) {
  const QString heading = QStringLiteral("レベル") + QString::number(level) + QStringLiteral(" （★=%1）");
  return chart(heading, level, [&](int l, int c) { return distribution.bestTimes(l, c); });
}
