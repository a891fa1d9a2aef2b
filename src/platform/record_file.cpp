#include "platform/record_file.h"

#include "platform/pause.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

RecordFile::~RecordFile() { close(); }

RecordFile::Status RecordFile::fail() {
  errno_ = errno;
  if (errno_ == ENOENT || errno_ == ENOTDIR) return Status::NotFound;
  return Status::Failed;
}

RecordFile::Status RecordFile::failLocking() {
  errno_ = errno;
  // fcntl says EACCES or EAGAIN for a lock another process holds.
  if (errno_ == EACCES || errno_ == EAGAIN || errno_ == EBUSY) return Status::Busy;
  return Status::Failed;
}

RecordFile::Status RecordFile::open(const QString& path) {
  close();
  const QByteArray native = path.toLocal8Bit();
  fd_ = ::open(native.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
  return fd_ < 0 ? fail() : Status::Ok;
}

RecordFile::Status RecordFile::openForReading(const QString& path) {
  const Status status = open(path);
  if (status == Status::Ok || (errno_ != EROFS && errno_ != EACCES && errno_ != EPERM)) return status;
  const int writeError = errno_;
  const QByteArray native = path.toLocal8Bit();
  fd_ = ::open(native.constData(), O_RDONLY | O_CLOEXEC);
  if (fd_ >= 0) {
    readOnly_ = true;
    return Status::Ok;
  }
  if (errno == ENOENT) {
    // The folder is there (the first open would have said so) but refused the new file.
    absent_ = true;
    readOnly_ = true;
    errno_ = writeError;
    return Status::Ok;
  }
  return fail();
}

namespace {
int setLock(int fd, short type, int command) {
  struct flock lock;
  std::memset(&lock, 0, sizeof lock);
  lock.l_type = type;
  lock.l_whence = SEEK_SET;
  lock.l_start = 0;
  lock.l_len = 0;  // to the end of the file, however long it grows
  int result;
  do {
    result = ::fcntl(fd, command, &lock);
  } while (result != 0 && errno == EINTR);
  return result;
}
}  // namespace

RecordFile::Status RecordFile::lockForWriting() {
  return setLock(fd_, F_WRLCK, F_SETLKW) == 0 ? Status::Ok : failLocking();
}

RecordFile::Status RecordFile::tryLockForReading() {
  if (absent_) return Status::Ok;
  return setLock(fd_, F_RDLCK, F_SETLK) == 0 ? Status::Ok : failLocking();
}

RecordFile::Status RecordFile::lockForReading(Pause& pause, int retryMs) {
  Status status;
  while ((status = tryLockForReading()) == Status::Busy) pause.pause(retryMs);
  return status;
}

void RecordFile::unlock() {
  if (fd_ >= 0) setLock(fd_, F_UNLCK, F_SETLK);
}

void RecordFile::close() {
  if (fd_ >= 0) {
    ::close(fd_);  // closing also drops every lock this process holds on the file
    fd_ = -1;
  }
  readOnly_ = false;
  absent_ = false;
}

qint64 RecordFile::size() {
  if (absent_) return 0;
  struct stat info;
  if (::fstat(fd_, &info) != 0) {
    fail();
    return -1;
  }
  return info.st_size;
}

RecordFile::Status RecordFile::read(qint64 offset, qint64 count, QByteArray& bytes) {
  if (absent_) count = 0;
  bytes.resize(count);
  qint64 done = 0;
  while (done < count) {
    const ssize_t n = ::pread(fd_, bytes.data() + done, size_t(count - done), off_t(offset + done));
    if (n < 0) {
      if (errno == EINTR) continue;
      return fail();
    }
    if (n == 0) break;
    done += n;
  }
  bytes.resize(done);
  return Status::Ok;
}

RecordFile::Status RecordFile::write(qint64 offset, const QByteArray& bytes) {
  qint64 done = 0;
  while (done < bytes.size()) {
    const ssize_t n =
        ::pwrite(fd_, bytes.constData() + done, size_t(bytes.size() - done), off_t(offset + done));
    if (n < 0) {
      if (errno == EINTR) continue;
      return fail();
    }
    done += n;
  }
  return Status::Ok;
}

RecordFile::Status RecordFile::flush() { return ::fsync(fd_) == 0 ? Status::Ok : fail(); }

RecordFile::Status RecordFile::truncate(qint64 size) {
  int result;
  do {
    result = ::ftruncate(fd_, off_t(size));
  } while (result != 0 && errno == EINTR);
  return result == 0 ? Status::Ok : fail();
}

RecordFile::Status RecordFile::flushFolderOf(const QString& path) {
  const QByteArray native = path.toLocal8Bit();
  const int slash = native.lastIndexOf('/');
  const QByteArray folder = slash <= 0 ? QByteArray(slash == 0 ? "/" : ".") : native.left(slash);
  const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return Status::Failed;
  const int result = ::fsync(fd);
  ::close(fd);
  return result == 0 ? Status::Ok : Status::Failed;
}

QString RecordFile::lastErrorText() const { return QString::fromLocal8Bit(std::strerror(errno_)); }
