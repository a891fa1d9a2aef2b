#include "core/answer_log_reader.h"

#include <QFileInfo>
#include <QtEndian>

#include "core/app_state.h"
#include "platform/file_error.h"
#include "platform/pause.h"
#include "platform/record_file.h"

namespace {
// Large enough that a 160 MB log takes few system calls, small enough to cost nothing beside the
// rest of the program.
constexpr qint64 kChunkBytes = qint64(1) << 20;
static_assert(kChunkBytes % AnswerRecord::kSize == 0);
constexpr int kPupilOffset = 16;
}  // namespace

void AnswerLogFilter::onlyPupil(int pupilNo) {
  pupils.assign(std::size_t(kMaxPupil) + 1, false);
  if (pupilNo >= 0 && pupilNo <= kMaxPupil) pupils[std::size_t(pupilNo)] = true;
}

bool AnswerLogFilter::admitsPupil(int pupilNo) const {
  if (pupils.empty()) return true;
  return pupilNo >= 0 && std::size_t(pupilNo) < pupils.size() && pupils[std::size_t(pupilNo)];
}

AnswerLogReading readAnswerLog(const AppState& state, Pause& pause, const AnswerLogFilter& filter,
                               const std::function<void(const AnswerRecord&)>& visit) {
  return readAnswerLogAt(answerLogPath(state), pause, filter, visit);
}

AnswerLogReading readAnswerLogAt(const QString& path, Pause& pause, const AnswerLogFilter& filter,
                                 const std::function<void(const AnswerRecord&)>& visit) {
  AnswerLogReading reading;
  // Opening would create the file; a school that has not answered yet simply has no answers.
  if (!QFileInfo::exists(path)) return reading;
  auto failure = [&path](const RecordFile& file) {
    return FileError(QStringLiteral("解答記録ファイルを読めません。\n%1\n%2 (%3)")
                         .arg(path, file.lastErrorText())
                         .arg(file.lastErrorNumber()));
  };
  RecordFile file;
  if (file.openForReading(path) != RecordFile::Status::Ok) throw failure(file);
  if (file.lockForReading(pause, 1000) != RecordFile::Status::Ok) throw failure(file);
  const qint64 size = file.size();
  if (size < 0) throw failure(file);
  const qint64 whole = size / AnswerRecord::kSize * AnswerRecord::kSize;

  const bool everyPupil = filter.pupils.empty();
  const bool everyDate = !(filter.firstDate > -std::numeric_limits<double>::infinity()) &&
                         !(filter.lastDate < std::numeric_limits<double>::infinity());
  QByteArray chunk;
  for (qint64 offset = 0; offset < whole; offset += kChunkBytes) {
    if (file.read(offset, std::min(kChunkBytes, whole - offset), chunk) != RecordFile::Status::Ok)
      throw failure(file);
    const char* bytes = chunk.constData();
    const qint64 records = chunk.size() / AnswerRecord::kSize;
    for (qint64 i = 0; i < records; ++i) {
      const char* record = bytes + i * AnswerRecord::kSize;
      // The pupil and the date first: most answers of a big log are rejected on them alone.
      if (!everyPupil) {
        const int pupilNo = qFromLittleEndian<qint16>(record + kPupilOffset);
        if (pupilNo < 1 || pupilNo > kMaxPupil) {
          ++reading.damaged;
          continue;
        }
        if (!filter.admitsPupil(pupilNo)) continue;
      }
      const AnswerRecord answer = AnswerRecord::decode(record);
      if (!answer.isPlausible()) {
        ++reading.damaged;
        continue;
      }
      if (!everyDate && (answer.date < filter.firstDate || answer.date > filter.lastDate)) continue;
      if (filter.accepts && !filter.accepts(answer)) continue;
      ++reading.delivered;
      visit(answer);
    }
  }
  file.unlock();
  file.close();
  return reading;
}

QString damagedAnswersNotice(qint64 damaged) {
  if (damaged <= 0) return {};
  return QStringLiteral("%1 に読めない記録が %2件ありました。その記録は使わずに表示しています。")
      .arg(kAnswerLogFileName)
      .arg(damaged);
}
