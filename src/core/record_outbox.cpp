#include "core/record_outbox.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <optional>

#include "platform/file_error.h"
#include "platform/file_fault.h"
#include "platform/record_file.h"

namespace {

using Status = RecordFile::Status;

// The journal: one 16-byte little-endian record, the offset in the target where the waiting records
// were written and how many bytes of the outbox's start they came from.
constexpr int kJournalSize = 16;

struct Journal {
  qint64 offset = 0;
  qint64 outboxBytes = 0;
};

std::optional<Journal> readJournal(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  const QByteArray bytes = file.read(kJournalSize + 1);
  if (bytes.size() != kJournalSize) return Journal{-1, -1};  // damaged: matches nothing
  return Journal{qFromLittleEndian<qint64>(bytes.constData()), qFromLittleEndian<qint64>(bytes.constData() + 8)};
}

bool writeJournal(const QString& path, const Journal& journal, int& errorNumber) {
  QByteArray bytes(kJournalSize, '\0');
  qToLittleEndian<qint64>(journal.offset, bytes.data());
  qToLittleEndian<qint64>(journal.outboxBytes, bytes.data() + 8);
  RecordFile file;
  const bool done = file.open(path) == Status::Ok && file.truncate(0) == Status::Ok &&
                    file.write(0, bytes) == Status::Ok && file.flush() == Status::Ok &&
                    RecordFile::flushFolderOf(path) == Status::Ok;
  errorNumber = file.lastErrorNumber();
  return done;
}

void removeJournal(const QString& path) {
  if (QFile::remove(path)) RecordFile::flushFolderOf(path);
}

}  // namespace

RecordOutbox::RecordOutbox(QString targetPath, QString outboxPath, int recordSize, QString what,
                           RecordCheck check)
    : targetPath_(std::move(targetPath)),
      outboxPath_(std::move(outboxPath)),
      recordSize_(recordSize),
      what_(std::move(what)),
      check_(std::move(check)) {}

QString RecordOutbox::journalPath() const { return outboxPath_ + QStringLiteral(".送信中"); }

QString RecordOutbox::damagedPath() const {
  const QFileInfo info(outboxPath_);
  return info.path() + u'/' + info.completeBaseName() + QStringLiteral("-破損.") + info.suffix();
}

qint64 RecordOutbox::waitingCount() const {
  return outboxPath_.isEmpty() ? 0 : QFileInfo(outboxPath_).size() / recordSize_;
}

namespace {

// The outbox's bytes split into the records that may go and the rest (damaged records, and a torn
// record at the end left by a stop while one was being kept).
struct Sorted {
  QByteArray good;
  QByteArray damaged;
  int damagedCount = 0;
};

Sorted sortRecords(const QByteArray& bytes, int recordSize, const RecordOutbox::RecordCheck& check) {
  Sorted sorted;
  const qint64 whole = bytes.size() / recordSize;
  for (qint64 i = 0; i < whole; ++i) {
    const char* record = bytes.constData() + i * recordSize;
    QByteArray& into = !check || check(record) ? sorted.good : sorted.damaged;
    if (&into == &sorted.damaged) ++sorted.damagedCount;
    into.append(record, recordSize);
  }
  if (bytes.size() % recordSize != 0) {
    sorted.damaged.append(bytes.mid(whole * recordSize));
    ++sorted.damagedCount;
  }
  return sorted;
}

// The outbox, opened and locked for writing for as long as this object lives.
class LockedOutbox {
 public:
  explicit LockedOutbox(const QString& path) : path_(path) {}
  ~LockedOutbox() {
    file_.unlock();
    file_.close();
  }

  // Opens and locks it, making its folder first; false with the error number kept.
  bool open() {
    if (file_.isOpen()) return true;
    QDir().mkpath(QFileInfo(path_).path());
    if (file_.open(path_) != Status::Ok || file_.lockForWriting() != Status::Ok) return false;
    opened_ = true;
    return true;
  }
  bool readAll(QByteArray& bytes) {
    const qint64 size = file_.size();
    return size >= 0 && file_.read(0, size, bytes) == Status::Ok;
  }
  RecordFile& file() { return file_; }
  QString failure(const QString& what) const { return faultMessage(what, path_, file_.lastErrorNumber()); }

 private:
  QString path_;
  RecordFile file_;
  bool opened_ = false;
};

}  // namespace

QByteArray RecordOutbox::waitingRecords() const {
  if (outboxPath_.isEmpty() || QFileInfo(outboxPath_).size() <= 0) return {};
  LockedOutbox box(outboxPath_);
  QByteArray bytes;
  if (!box.open() || !box.readAll(bytes)) return {};
  return sortRecords(bytes, recordSize_, check_).good;
}

RecordOutbox::Report RecordOutbox::append(const QByteArray& record) { return send(&record); }

RecordOutbox::Report RecordOutbox::deliver() { return send(nullptr); }

namespace {

// Adds bytes at the end of the file of damaged records; false when that fails.
bool setAside(const QString& path, const QByteArray& bytes, int& errorNumber) {
  if (bytes.isEmpty()) return true;
  RecordFile file;
  bool done = file.open(path) == Status::Ok && file.lockForWriting() == Status::Ok;
  const qint64 size = done ? file.size() : -1;
  done = done && size >= 0 && file.write(size, bytes) == Status::Ok && file.flush() == Status::Ok;
  errorNumber = file.lastErrorNumber();
  return done;
}

QString damagedNotice(int count, const QString& path) {
  return QStringLiteral(
             "このコンピュータで送信待ちだった記録のうち %1件が壊れていたので、共有フォルダへは送らず、"
             "次のファイルに移しました。先生に知らせて下さい。\n%2")
      .arg(count)
      .arg(path);
}

void addLine(QString& text, const QString& line) {
  if (!text.isEmpty()) text += QStringLiteral("\n\n");
  text += line;
}

}  // namespace

RecordOutbox::Report RecordOutbox::send(const QByteArray* record) {
  Report report;
  const bool waiting = !outboxPath_.isEmpty() && QFileInfo(outboxPath_).size() > 0;
  if (!record && !waiting) return report;

  LockedOutbox box(outboxPath_);
  // Keeps the record here, after the waiting ones; a torn record at the end is moved aside first,
  // as it can never be sent.
  auto keep = [&] {
    if (outboxPath_.isEmpty()) throw FileError(report.fault);
    report.keptHere = true;
    QByteArray bytes;
    const bool read = box.open() && box.readAll(bytes);
    const qint64 aligned = bytes.size() / recordSize_ * recordSize_;
    int errorNumber = 0;
    if (read && aligned < bytes.size()) {
      if (!setAside(damagedPath(), bytes.mid(aligned), errorNumber))
        addLine(report.notice, faultMessage(QStringLiteral("壊れた送信待ちの記録を移せません。"), damagedPath(),
                                            errorNumber));
      else
        addLine(report.notice, damagedNotice(1, damagedPath()));
    }
    if (aligned == 0) removeJournal(journalPath());  // left from a delivery that had emptied the outbox
    if (!read || box.file().write(aligned, *record) != Status::Ok || box.file().flush() != Status::Ok ||
        RecordFile::flushFolderOf(outboxPath_) != Status::Ok)
    {
      QString message = report.fault;
      addLine(message, report.notice);
      addLine(message, box.failure(QStringLiteral("この記録をこのコンピュータにも保存できませんでした。")));
      throw FileError(message);
    }
  };

  RecordFile target;
  Status status = target.open(targetPath_);
  if (status == Status::Ok) status = target.lockForWriting();
  const qint64 size = status == Status::Ok ? target.size() : -1;
  if (size < 0) {
    report.fault = faultMessage(what_, targetPath_, target.lastErrorNumber());
    if (record) keep();
    return report;
  }

  QByteArray boxBytes;
  if (waiting) {
    if (!box.open() || !box.readAll(boxBytes)) {
      // The waiting records stay where they are; this computer's new record must not wait on them.
      addLine(report.notice, box.failure(QStringLiteral("このコンピュータの送信待ちの記録を読めません。")));
      boxBytes.clear();
    } else if (const std::optional<Journal> journal = readJournal(journalPath())) {
      // The last delivery stopped half-way: its records count as delivered only when the share holds
      // every one of them at the place it noted.
      bool delivered = false;
      if (journal->outboxBytes > 0 && journal->outboxBytes <= boxBytes.size() &&
          journal->outboxBytes % recordSize_ == 0) {
        const Sorted sent = sortRecords(boxBytes.left(journal->outboxBytes), recordSize_, check_);
        QByteArray there;
        delivered = !sent.good.isEmpty() && journal->offset >= 0 &&
                    target.read(journal->offset, sent.good.size(), there) == Status::Ok && there == sent.good;
        int errorNumber = 0;
        if (delivered && !setAside(damagedPath(), sent.damaged, errorNumber)) {
          addLine(report.notice, faultMessage(QStringLiteral("壊れた送信待ちの記録を移せません。"), damagedPath(),
                                              errorNumber));
          if (record) keep();
          return report;
        }
        if (delivered) {
          if (sent.damagedCount > 0) addLine(report.notice, damagedNotice(sent.damagedCount, damagedPath()));
          report.delivered += int(sent.good.size() / recordSize_);
          boxBytes.remove(0, journal->outboxBytes);
          if (box.file().write(0, boxBytes) != Status::Ok || box.file().truncate(boxBytes.size()) != Status::Ok ||
              box.file().flush() != Status::Ok) {
            addLine(report.notice, box.failure(QStringLiteral("このコンピュータの送信待ちの記録を書き直せません。")));
            if (record) keep();
            return report;
          }
        }
      }
      removeJournal(journalPath());
    }
  }

  const Sorted sorted = sortRecords(boxBytes, recordSize_, check_);
  QByteArray bytes = sorted.good;
  if (record) bytes += *record;
  const qint64 position = size / recordSize_ * recordSize_;
  if (!sorted.good.isEmpty()) {
    const qint64 covered = boxBytes.size() / recordSize_ * recordSize_;
    int errorNumber = 0;
    if (!writeJournal(journalPath(), Journal{position, covered}, errorNumber)) {
      // Without the journal a stop after the share's flush would send them twice; they wait, and a
      // new record waits behind them.
      addLine(report.notice, faultMessage(QStringLiteral("送信待ちの記録を送る準備ができません。"), journalPath(),
                                          errorNumber));
      if (record) keep();
      return report;
    }
    step(Step::JournalWritten);
  }
  if (!bytes.isEmpty()) {
    const bool written = target.write(position, bytes) == Status::Ok;
    if (written) step(Step::TargetWritten);
    if (!written || target.flush() != Status::Ok) {
      report.fault = faultMessage(what_, targetPath_, target.lastErrorNumber());
      target.truncate(size);  // no torn records left on the share
      if (record) keep();
      return report;
    }
    step(Step::TargetFlushed);
  }
  if (boxBytes.isEmpty()) return report;

  int errorNumber = 0;
  if (!setAside(damagedPath(), sorted.damaged, errorNumber)) {
    // The journal stays, so the next delivery finds these records on the share and sends none twice.
    addLine(report.notice,
            faultMessage(QStringLiteral("壊れた送信待ちの記録を移せません。"), damagedPath(), errorNumber));
    report.delivered += int(sorted.good.size() / recordSize_);
    return report;
  }
  if (sorted.damagedCount > 0) addLine(report.notice, damagedNotice(sorted.damagedCount, damagedPath()));
  report.delivered += int(sorted.good.size() / recordSize_);
  if (box.file().truncate(0) != Status::Ok || box.file().flush() != Status::Ok) {
    addLine(report.notice, box.failure(QStringLiteral("このコンピュータの送信待ちの記録を消せません。")));
    return report;
  }
  step(Step::OutboxEmptied);
  removeJournal(journalPath());
  return report;
}
