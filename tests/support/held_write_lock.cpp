#include "support/held_write_lock.h"

#include <sys/wait.h>
#include <unistd.h>

#include "platform/record_file.h"

HeldWriteLock::HeldWriteLock(const QString& path) {
  int toChild[2], toParent[2];
  if (pipe(toChild) != 0 || pipe(toParent) != 0) return;
  const pid_t child = fork();
  if (child < 0) return;
  if (child == 0) {
    RecordFile writer;
    char c = 'L';
    if (writer.open(path) == RecordFile::Status::Ok && writer.lockForWriting() == RecordFile::Status::Ok)
      (void)!write(toParent[1], &c, 1);
    (void)!read(toChild[0], &c, 1);  // hold the lock until told
    _exit(0);                        // ending the process releases the lock
  }
  close(toChild[0]);
  close(toParent[1]);
  char c;
  if (read(toParent[0], &c, 1) == 1) {
    child_ = child;
    toChild_ = toChild[1];
  } else {
    waitpid(child, nullptr, 0);
    close(toChild[1]);
  }
  close(toParent[0]);
}

void HeldWriteLock::release() {
  if (child_ <= 0) return;
  char c = 'R';
  (void)!write(toChild_, &c, 1);
  close(toChild_);
  waitpid(child_, nullptr, 0);
  child_ = -1;
}
