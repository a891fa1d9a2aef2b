#include "teacher/record_edit.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <cmath>

#include "core/app_state.h"
#include "core/result_record.h"
#include "core/results_file.h"
#include "platform/field_reader.h"
#include "platform/file_error.h"
#include "platform/record_file.h"

namespace {

// A number typed into a box: the whole text, blanks around it allowed, rounded to a whole number.
std::optional<int> wholeNumber(const QString& text) {
  bool ok = false;
  const double value = text.normalized(QString::NormalizationForm_KC).trimmed().toDouble(&ok);
  if (!ok || !std::isfinite(value) || std::fabs(value) > 1e9) return std::nullopt;
  return roundToInt(value);
}

QString failure(const QString& what, const QString& path, const RecordFile& file) {
  return QStringLiteral("%1\n%2\n%3 (%4)").arg(what, path, file.lastErrorText()).arg(file.lastErrorNumber());
}

// The results file, opened and locked for writing for as long as this object lives.
class LockedResults {
 public:
  explicit LockedResults(const AppState& state) : path_(resultsPath(state)) {
    if (file_.open(path_) != RecordFile::Status::Ok || file_.lockForWriting() != RecordFile::Status::Ok)
      fail(QStringLiteral("成績ファイルを開けません。記録は変えていません。"));
  }
  ~LockedResults() {
    file_.unlock();
    file_.close();
  }

  RecordFile& file() { return file_; }
  const QString& path() const { return path_; }
  [[noreturn]] void fail(const QString& what) const { throw FileError(failure(what, path_, file_)); }

  QByteArray readAll() {
    QByteArray bytes;
    const qint64 size = file_.size();
    if (size < 0 || file_.read(0, size, bytes) != RecordFile::Status::Ok)
      fail(QStringLiteral("成績ファイルを読めません。記録は変えていません。"));
    return bytes;
  }

 private:
  QString path_;
  RecordFile file_;
};

qint64 offsetOf(int recordNo) { return qint64(recordNo - 1) * ResultRecord::kSize; }

bool stillHolds(const QByteArray& fileBytes, const OpenedRecord& opened) {
  return opened.recordNo >= 1 && opened.bytes.size() == ResultRecord::kSize &&
         fileBytes.size() >= offsetOf(opened.recordNo) + ResultRecord::kSize &&
         fileBytes.mid(offsetOf(opened.recordNo), ResultRecord::kSize) == opened.bytes;
}

// Writes the whole file to the copy and makes it durable.
void writeCopy(const QString& copyPath, const QByteArray& bytes, const DeletionObserver& afterStep) {
  RecordFile copy;
  const bool written = copy.open(copyPath) == RecordFile::Status::Ok &&
                       copy.truncate(0) == RecordFile::Status::Ok &&
                       copy.write(0, bytes) == RecordFile::Status::Ok;
  if (written) afterStep(DeletionStep::CopyWritten);
  if (!written || copy.flush() != RecordFile::Status::Ok ||
      RecordFile::flushFolderOf(copyPath) != RecordFile::Status::Ok) {
    const QString message =
        failure(QStringLiteral("成績ファイルの控えを作れません。記録は消去していません。"), copyPath, copy);
    copy.close();
    QFile::remove(copyPath);  // the results file is untouched, so the half-written copy holds nothing of its own
    throw FileError(message);
  }
  afterStep(DeletionStep::CopyFlushed);
}

}  // namespace

std::optional<Correction> parseCorrection(const QString& pupilText, const QString& timeText) {
  const qsizetype slash = pupilText.indexOf(u'/');
  if (slash < 0) return std::nullopt;
  const std::optional<int> pupil = wholeNumber(pupilText.left(slash));
  const std::optional<int> time = wholeNumber(timeText);
  if (!pupil || *pupil < 1 || *pupil > kMaxPupil) return std::nullopt;
  if (!time || *time < 0 || *time > kNoTime) return std::nullopt;
  return Correction{*pupil, *time};
}

EditResult correctRecord(const AppState& state, const OpenedRecord& opened, const Correction& correction) {
  LockedResults results(state);
  QByteArray record;
  if (opened.recordNo < 1 ||
      results.file().read(offsetOf(opened.recordNo), ResultRecord::kSize, record) != RecordFile::Status::Ok)
    results.fail(QStringLiteral("成績ファイルを読めません。記録は変えていません。"));
  if (record != opened.bytes || record.size() != ResultRecord::kSize) return EditResult::RecordChanged;

  qToLittleEndian<qint16>(int16_t(correction.pupilNo), record.data() + 16);
  qToLittleEndian<qint32>(correction.runTime, record.data() + 20);
  if (results.file().write(offsetOf(opened.recordNo), record) != RecordFile::Status::Ok ||
      results.file().flush() != RecordFile::Status::Ok)
    results.fail(QStringLiteral("成績ファイルに記録できません。"));
  return EditResult::Done;
}

EditResult deleteRecord(const AppState& state, const OpenedRecord& opened, const DeletionObserver& observer) {
  const DeletionObserver afterStep = observer ? observer : [](DeletionStep) {};
  LockedResults results(state);
  afterStep(DeletionStep::Locked);
  const QString copyPath = resultsCopyPath(state);
  if (QFileInfo::exists(copyPath)) return EditResult::CopyLeftOver;
  const QByteArray bytes = results.readAll();
  if (!stillHolds(bytes, opened)) return EditResult::RecordChanged;

  writeCopy(copyPath, bytes, afterStep);

  // A trailing partial record is no record: the rebuilt file ends with the last whole one.
  const qint64 wholeBytes = bytes.size() / ResultRecord::kSize * ResultRecord::kSize;
  const qint64 at = offsetOf(opened.recordNo);
  const QByteArray behind = bytes.mid(at + ResultRecord::kSize, wholeBytes - at - ResultRecord::kSize);
  const QString keptCopy = QStringLiteral("成績ファイルを書き直せません。消去する前の記録は「%1」に残っています。")
                               .arg(kResultsCopyFileName);
  if (results.file().write(at, behind) != RecordFile::Status::Ok) results.fail(keptCopy);
  afterStep(DeletionStep::Rewritten);
  if (results.file().truncate(wholeBytes - ResultRecord::kSize) != RecordFile::Status::Ok)
    results.fail(keptCopy);
  afterStep(DeletionStep::Truncated);
  if (results.file().flush() != RecordFile::Status::Ok) results.fail(keptCopy);
  afterStep(DeletionStep::Flushed);

  if (!QFile::remove(copyPath))
    throw FileError(QStringLiteral("記録は消去しましたが、控え「%1」を消せません。\n%2")
                        .arg(kResultsCopyFileName, copyPath));
  RecordFile::flushFolderOf(copyPath);
  afterStep(DeletionStep::CopyRemoved);
  return EditResult::Done;
}
