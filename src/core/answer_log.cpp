#include "core/answer_log.h"

#include "core/app_state.h"
#include "platform/record_file.h"

QString appendAnswers(const AppState& state, const ResultRecord& run, const std::vector<AnswerRecord>& answers) {
  if (answers.empty()) return {};
  QByteArray bytes;
  bytes.reserve(qsizetype(answers.size()) * AnswerRecord::kSize);
  for (AnswerRecord answer : answers) {
    answer.date = run.date;
    answer.timeOfDay = run.timeOfDay;
    answer.pupilNo = run.pupilNo;
    answer.level = run.level;
    bytes += answer.encode();
  }

  const QString path = answerLogPath(state);
  RecordFile file;
  auto failure = [&path, &file] {
    return QStringLiteral("%1\n%2 (%3)").arg(path, file.lastErrorText()).arg(file.lastErrorNumber());
  };
  if (file.open(path) != RecordFile::Status::Ok || file.lockForWriting() != RecordFile::Status::Ok)
    return failure();
  const qint64 size = file.size();
  if (size < 0) return failure();
  // A torn tail left by a crash is written over, as in the results file.
  const qint64 position = size / AnswerRecord::kSize * AnswerRecord::kSize;
  if (file.write(position, bytes) != RecordFile::Status::Ok || file.flush() != RecordFile::Status::Ok)
    return failure();
  file.unlock();
  file.close();
  return {};
}
