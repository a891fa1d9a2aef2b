#pragma once

#include <QByteArray>
#include <QString>

// A file of fixed-length records shared by several computers. The lock is a real operating-system
// lock on the whole file (an fcntl record lock), never a lock file of our own.
class Pause;

class RecordFile {
 public:
  enum class Status { Ok, NotFound, Busy, Failed };

  RecordFile() = default;
  ~RecordFile();
  RecordFile(const RecordFile&) = delete;
  RecordFile& operator=(const RecordFile&) = delete;

  // Opens for reading and writing, creating the file when it does not exist.
  Status open(const QString& path);
  // As open(), but a file this computer may not write (a read-only share, a user without write
  // access) is opened for reading only, and one that does not exist and cannot be created reads as
  // empty.
  Status openForReading(const QString& path);
  // True after openForReading() could not open the file for writing.
  bool isReadOnly() const { return readOnly_; }
  // Waits until this process holds the only lock on the whole file.
  Status lockForWriting();
  // Takes a shared lock without waiting; Busy while a writer holds the file.
  Status tryLockForReading();
  // Takes a shared lock, trying again every retryMs while another computer's writer holds the file;
  // any other failure is returned at once.
  Status lockForReading(Pause& pause, int retryMs);
  void unlock();
  void close();

  qint64 size();
  // Reads count bytes from offset in one call.
  Status read(qint64 offset, qint64 count, QByteArray& bytes);
  Status write(qint64 offset, const QByteArray& bytes);
  // Makes what was written durable before the lock is released.
  Status flush();
  // Cuts the file to size bytes (or lengthens it with zero bytes).
  Status truncate(qint64 size);

  // Makes the creation or removal of a file in the folder durable, as flush() does for contents.
  static Status flushFolderOf(const QString& path);

  bool isOpen() const { return fd_ >= 0 || absent_; }
  int lastErrorNumber() const { return errno_; }
  QString lastErrorText() const;

 private:
  Status fail();
  // A lock held by another process is Busy; every other failure is the file's fault.
  Status failLocking();
  int fd_ = -1;
  int errno_ = 0;
  bool readOnly_ = false;
  bool absent_ = false;  // opened for reading, there is no file and none could be made
};
