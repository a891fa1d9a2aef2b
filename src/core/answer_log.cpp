#include "core/answer_log.h"

#include "core/app_state.h"
#include "core/results_file.h"
#include "platform/file_error.h"

RecordOutbox answerLogOutbox(const AppState& state) {
  return RecordOutbox(answerLogPath(state), outboxPathFor(state, answerLogPath(state), kAnswerLogFileName),
                      AnswerRecord::kSize, QStringLiteral("解答記録に書き込めません。"),
                      [](const char* bytes) { return AnswerRecord::decode(bytes).isPlausible(); });
}

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
  try {
    const RecordOutbox::Report report = answerLogOutbox(state).append(bytes);
    if (report.keptHere) return report.fault;
    return report.notice;
  } catch (const FileError& error) {
    return error.message();
  }
}

QString deliverWaitingAnswers(const AppState& state) {
  try {
    return answerLogOutbox(state).deliver().notice;
  } catch (const FileError& error) {
    return error.message();
  }
}
