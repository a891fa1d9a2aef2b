#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

// Records a shared file of fixed-length records could not take, kept on this computer in a file of
// the same records (the outbox) until the shared file can take them. Appends and deliveries hold the
// shared file's whole-file write lock first and the outbox's second, so the waiting records land on
// the share in their order, ahead of any later record of this computer.
//
// A record leaves the outbox only once the shared file holding it has been flushed. Before the
// records are written, a small journal beside the outbox notes where on the share they go; a
// delivery that finds the journal (the last one was stopped half-way) first compares the share at
// that place with the records, byte for byte, and takes them as delivered only when they are all
// there. So a stop at any point neither loses a record nor writes one twice.
class RecordOutbox {
 public:
  // The points of a delivery a test may stop at.
  enum class Step { JournalWritten, TargetWritten, TargetFlushed, OutboxEmptied };
  using StepObserver = std::function<void(Step)>;
  // True for a record that may be sent: one that fails was damaged while it waited.
  using RecordCheck = std::function<bool(const char* record)>;

  struct Report {
    bool keptHere = false;  // append: the share could not take the record; it waits here
    QString fault;          // why the share could not take the records, when it could not
    QString notice;         // trouble of the outbox itself: damaged records set aside, a failure here
    int delivered = 0;      // waiting records that reached the share
  };

  // what: the Japanese for the failure to write the target, e.g. "成績ファイルに記録できません。".
  // An empty outboxPath is no outbox: a record the target refuses is a FileError of its fault.
  RecordOutbox(QString targetPath, QString outboxPath, int recordSize, QString what,
               RecordCheck check = {});

  void setObserver(StepObserver observer) { observer_ = std::move(observer); }

  // Appends one record to the target, the waiting records first. When the target cannot take it for
  // any reason but another computer's lock (which is waited for), the record is kept in the outbox
  // and flushed there before this returns. Throws a FileError only when the outbox cannot keep it
  // either.
  Report append(const QByteArray& record);
  // Moves the waiting records to the target. Costs one look at the outbox's size when none wait.
  Report deliver();

  // How many whole records wait: one look at the outbox's size.
  qint64 waitingCount() const;
  // The records waiting, in order, the damaged ones left out.
  QByteArray waitingRecords() const;

  const QString& outboxPath() const { return outboxPath_; }
  QString journalPath() const;
  // Where damaged records of the outbox are moved, for a teacher to look at.
  QString damagedPath() const;

 private:
  Report send(const QByteArray* record);
  void step(Step s) const {
    if (observer_) observer_(s);
  }

  QString targetPath_;
  QString outboxPath_;
  int recordSize_;
  QString what_;
  RecordCheck check_;
  StepObserver observer_;
};
