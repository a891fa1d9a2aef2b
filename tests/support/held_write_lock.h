#pragma once

#include <QString>
#include <sys/types.h>

// Another process — as another computer of the school would — holding the whole-file write lock on
// a file until it is released. fcntl locks belong to processes, so a thread would not do.
class HeldWriteLock {
 public:
  explicit HeldWriteLock(const QString& path);  // returns once the lock is held
  ~HeldWriteLock() { release(); }
  HeldWriteLock(const HeldWriteLock&) = delete;
  HeldWriteLock& operator=(const HeldWriteLock&) = delete;

  bool held() const { return child_ > 0; }
  void release();  // returns once the lock is gone

 private:
  pid_t child_ = -1;
  int toChild_ = -1;
};
