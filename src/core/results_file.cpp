#include "core/results_file.h"

#include <QCryptographicHash>
#include <QFileInfo>

#include <algorithm>
#include <cmath>

#include "core/answer_log.h"
#include "core/app_state.h"
#include "core/result_record.h"
#include "platform/clock.h"
#include "platform/file_error.h"
#include "platform/file_fault.h"
#include "platform/pause.h"
#include "platform/record_file.h"
#include "platform/text_codec.h"

QString resultsPath(const AppState& state) { return state.programDataFolder + kResultsFileName; }
QString resultsCopyPath(const AppState& state) { return state.programDataFolder + kResultsCopyFileName; }

namespace {
const QString kWriteFailure = QStringLiteral("成績ファイルに記録できません。");
const QString kReadFailure = QStringLiteral("成績ファイルを読めません。");

// A record this program wrote itself, as it must read back: anything else was damaged while it
// waited on this computer.
bool isSound(const char* bytes) {
  const RecordNumbers r = decodeNumbers(bytes);
  return std::isfinite(r.date) && r.date >= 1 && r.date == std::floor(r.date) && r.timeOfDay >= 0 &&
         r.timeOfDay < 1 && r.pupilNo >= 1 && r.pupilNo <= kMaxPupil && r.level >= 1 && r.level <= kMaxLevel;
}

QString keptMessage(const RecordOutbox::Report& report) {
  QString message = kKeptHereText + QStringLiteral("\n\n") + report.fault;
  if (!report.notice.isEmpty()) message += QStringLiteral("\n\n") + report.notice;
  return message;
}
}  // namespace

QString outboxPathFor(const AppState& state, const QString& targetPath, const QString& fileName) {
  if (state.outboxFolder.isEmpty()) return {};
  const QByteArray target = QFileInfo(targetPath).absoluteFilePath().toUtf8();
  const QString tag = QString::fromLatin1(QCryptographicHash::hash(target, QCryptographicHash::Sha1).toHex().left(16));
  return state.outboxFolder + QStringLiteral("送信待ち-%1-").arg(tag) + fileName;
}

QString resultsOutboxPath(const AppState& state) {
  return outboxPathFor(state, resultsPath(state), kResultsFileName);
}

RecordOutbox resultsOutbox(const AppState& state) {
  return RecordOutbox(resultsPath(state), resultsOutboxPath(state), ResultRecord::kSize, kWriteFailure, isSound);
}

QString deliverWaitingResults(const AppState& state) {
  const QString notice = resultsOutbox(state).deliver().notice;
  // The answers follow their runs; trouble with them is not worth a pupil's attention.
  const QString answers = deliverWaitingAnswers(state);
  if (!answers.isEmpty()) qWarning("waiting answers not delivered: %s", qPrintable(answers));
  return notice;
}

qint64 waitingResultsCount(const AppState& state) { return resultsOutbox(state).waitingCount(); }

QString resultsWriteNotice(const AppState& state) {
  const QString path = resultsPath(state);
  RecordFile file;
  if (file.open(path) == RecordFile::Status::Ok) return {};
  QString message = faultMessage(kWriteFailure, path, file.lastErrorNumber());
  if (!state.outboxFolder.isEmpty())
    message += QStringLiteral(
        "\n\n書き込めるようになるまで、このコンピュータで練習した記録はこのコンピュータに保存しておき、"
        "あとで共有フォルダへ書き込みます。");
  return message;
}

RecordingReport appendResult(AppState& state, const Clock& clock) {
  // One reading of the clock for both, so a run recorded at midnight gets the date it ended on; the
  // time of day is whole seconds, as the clock reads, since other computers list it as it stands.
  const QDateTime now = clock.now();
  ResultRecord record;
  record.date = dateNumberOf(now.date());
  record.timeOfDay = (now.time().msecsSinceStartOfDay() / 1000) / 86400.0;
  record.pupilNo = int16_t(state.currentPupilNo);
  record.level = int16_t(state.currentLevel);
  record.runTime = state.runTime;
  record.schoolCode = encodeCp932(state.schoolCode);

  const RecordOutbox::Report report = resultsOutbox(state).append(record.encode());
  RecordingReport told;
  told.record = record;
  told.keptHere = report.keptHere;
  if (report.keptHere)
    told.message = keptMessage(report);
  else
    told.message = report.notice;
  return told;
}

RecordingReport recordRun(AppState& state, const Clock& clock, int level) {
  const int p = state.currentPupilNo;
  const int l = state.currentLevel;
  const int t = state.runTime;
  state.clearedBefore =
      state.totalRuns(l, p) >= state.clearCount[l] && state.totalPoints(l, p) >= state.clearPoints[l]
          ? 1
          : 0;
  if (state.personalBest(level, p) > t) {
    state.newRecord[0] = 1;
    state.personalBest(level, p) = t;
  }
  RecordingReport report = appendResult(state, clock);
  const QString logFailure = appendAnswers(state, report.record, state.runAnswers);
  if (!logFailure.isEmpty()) qWarning("answer log not written: %s", qPrintable(logFailure));
  if (state.levelBest[level] > t) {
    state.levelBest[level] = t;
    state.newRecord[1] = 1;
  }
  return report;
}

namespace {

// The loader's retries and messages, by the step it had reached.
class LoadAttempt {
 public:
  LoadAttempt(Pause& pause, const QString& path) : pause_(pause), path_(path) {}

  int step = 0;
  // The record being read when something failed, for the diagnostic message.
  int recordNumber = 0;
  ResultRecord record;

  // Waits as the failure calls for and returns; gives up with a FileError.
  void handle(RecordFile::Status status, const RecordFile& file) {
    switch (status) {
      case RecordFile::Status::Ok:
        return;
      case RecordFile::Status::NotFound:
        pause_.pause(5000);
        if (++notFoundRetries_ >= 4)
          throw FileError(QStringLiteral("ファイルがありません") + QString::number(step) +
                          file.lastErrorText() + QString::number(file.lastErrorNumber()) +
                          QStringLiteral("\n") + path_ + QStringLiteral("\n") +
                          faultExplanation(FileFault::Missing));
        return;
      case RecordFile::Status::Busy:
        pause_.pause(1000);
        return;
      case RecordFile::Status::Failed:
        throw FileError(faultMessage(kReadFailure, path_, file.lastErrorNumber()) + QStringLiteral("\n") +
                        diagnostic(file.lastErrorNumber(), file.lastErrorText()));
    }
  }

  QString diagnostic(int errorNumber, const QString& description) const {
    const QString number = QString::number(errorNumber);
    return QStringLiteral("成績ランダムファイル表示") + QString::number(step) + number + description +
           number + QStringLiteral("/date") + QString::number(record.date, 'g', 15) +
           QStringLiteral("/i=") + QString::number(recordNumber) + QStringLiteral("/time=") +
           QString::number(record.timeOfDay, 'g', 15) + QStringLiteral("/name=") +
           QStringLiteral("/Bangou=") + QString::number(record.pupilNo) +
           QStringLiteral("/level=") + QString::number(record.level) + QStringLiteral("/time=") +
           QString::number(record.runTime) + QStringLiteral("line") + QString::number(step);
  }

 private:
  Pause& pause_;
  QString path_;
  int notFoundRetries_ = 0;
};

bool isStorable(const RecordNumbers& r) {
  return r.level >= 0 && r.level <= kMaxLevel && r.pupilNo >= 0 && r.pupilNo <= kMaxPupil;
}

}  // namespace

void loadResults(AppState& state, Pause& pause) {
  const QString path = resultsPath(state);
  LoadAttempt attempt(pause, path);
  RecordFile file;

  attempt.step = 3;
  for (RecordFile::Status s; (s = file.openForReading(path)) != RecordFile::Status::Ok;)
    attempt.handle(s, file);
  for (int l = 1; l <= kMaxLevel; ++l)
    for (int p = 1; p <= kMaxPupil; ++p) state.personalBest(l, p) = kNoTime;

  // A shared lock keeps another computer's append from landing half-way through our read.
  attempt.step = 4;
  for (RecordFile::Status s; (s = file.tryLockForReading()) != RecordFile::Status::Ok;)
    attempt.handle(s, file);
  const qint64 size = file.size();
  if (size < 0) attempt.handle(RecordFile::Status::Failed, file);
  const qint64 recordsInFile = size / ResultRecord::kSize;
  // The runs waiting on this computer are the newest of all.
  const QByteArray waiting = resultsOutbox(state).waitingRecords();
  const qint64 held = std::min<qint64>(kMaxResults, waiting.size() / ResultRecord::kSize);
  const qint64 fromFile = kMaxResults - held;
  const qint64 first = recordsInFile > fromFile ? recordsInFile - fromFile + 1 : 1;

  attempt.step = 5;
  QByteArray bytes;
  for (RecordFile::Status s;
       (s = file.read((first - 1) * ResultRecord::kSize, (recordsInFile - first + 1) * ResultRecord::kSize,
                      bytes)) != RecordFile::Status::Ok;)
    attempt.handle(s, file);
  file.unlock();
  file.close();
  bytes.truncate(bytes.size() / ResultRecord::kSize * ResultRecord::kSize);
  bytes += waiting.right(held * ResultRecord::kSize);

  int k = 0;
  const qint64 recordsRead = bytes.size() / ResultRecord::kSize;
  for (qint64 i = 0; i < recordsRead && k < kMaxResults; ++i) {
    const RecordNumbers r = decodeNumbers(bytes.constData() + i * ResultRecord::kSize);
    if (!isStorable(r)) continue;  // a damaged record must not stop every computer of the school
    if (state.personalBest(r.level, r.pupilNo) > r.runTime)
      state.personalBest(r.level, r.pupilNo) = r.runTime;
    if (r.date < 0 || r.pupilNo == 0 || r.level < 1) continue;
    ++k;
    state.resultDate[k] = r.date;
    state.resultTime[k] = r.timeOfDay;
    state.resultPupilNo[k] = r.pupilNo;
    state.resultLevel[k] = r.level;
    state.resultRunTime[k] = r.runTime;
  }
  state.resultCount = k;

  for (int l = 1; l <= kMaxLevel; ++l) {
    state.levelBest[l] = kNoTime;
    for (int p = 1; p <= 1000; ++p)
      if (state.levelBest[l] > state.personalBest(l, p)) state.levelBest[l] = state.personalBest(l, p);
  }
}

std::vector<ResultRecord> readNewestResults(const AppState& state, Pause& pause, int newest,
                                            WaitingRuns waitingRuns) {
  const QString path = resultsPath(state);
  auto failure = [&path](const RecordFile& file) {
    return FileError(faultMessage(kReadFailure, path, file.lastErrorNumber()));
  };
  RecordFile file;
  if (file.openForReading(path) != RecordFile::Status::Ok) throw failure(file);
  if (file.lockForReading(pause, 1000) != RecordFile::Status::Ok) throw failure(file);
  const qint64 size = file.size();
  if (size < 0) throw failure(file);
  const QByteArray waiting =
      waitingRuns == WaitingRuns::Included ? resultsOutbox(state).waitingRecords() : QByteArray();
  const qint64 held = std::min<qint64>(newest, waiting.size() / ResultRecord::kSize);
  const qint64 count = size / ResultRecord::kSize;
  const qint64 first = std::max<qint64>(0, count - (newest - held));
  QByteArray bytes;
  if (count > first &&
      file.read(first * ResultRecord::kSize, (count - first) * ResultRecord::kSize, bytes) !=
          RecordFile::Status::Ok)
    throw failure(file);
  file.unlock();
  file.close();

  bytes.truncate(bytes.size() / ResultRecord::kSize * ResultRecord::kSize);
  bytes += waiting.right(held * ResultRecord::kSize);
  std::vector<ResultRecord> records;
  const qint64 read = bytes.size() / ResultRecord::kSize;
  records.reserve(std::size_t(read));
  for (qint64 i = 0; i < read; ++i) records.push_back(ResultRecord::decode(bytes.constData() + i * ResultRecord::kSize));
  return records;
}

QString leftoverCopyNotice(const AppState& state) {
  const QFileInfo copy(resultsCopyPath(state));
  if (!copy.exists()) return {};
  const QFileInfo results(resultsPath(state));
  return QStringLiteral(
             "前回の記録の消去が途中で止まりました。\n"
             "消去する前の記録の控え「%1」を残してあります（控え %2件、今の成績ファイル %3件）。\n"
             "先生が二つのファイルを見比べて確かめてから、控えを別の場所へ移して下さい。"
             "それまで記録の消去はできません。\n%4")
      .arg(kResultsCopyFileName)
      .arg(copy.size() / ResultRecord::kSize)
      .arg(results.size() / ResultRecord::kSize)
      .arg(copy.absoluteFilePath());
}
