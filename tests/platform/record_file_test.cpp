#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <QTemporaryDir>

#include "platform/record_file.h"

namespace {
QString pathIn(const QTemporaryDir& dir) { return dir.filePath(u"成績累積データ.dat"_qs); }
}  // namespace

TEST(RecordFile, CreatesTheFileAndReadsWhatWasWritten) {
  QTemporaryDir dir;
  RecordFile file;
  ASSERT_EQ(file.open(pathIn(dir)), RecordFile::Status::Ok);
  EXPECT_EQ(file.size(), 0);
  ASSERT_EQ(file.write(0, "abcdef"), RecordFile::Status::Ok);
  QByteArray bytes;
  ASSERT_EQ(file.read(2, 3, bytes), RecordFile::Status::Ok);
  EXPECT_EQ(bytes, "cde");
  ASSERT_EQ(file.read(4, 10, bytes), RecordFile::Status::Ok);
  EXPECT_EQ(bytes, "ef");
}

TEST(RecordFile, AMissingFolderIsNotFound) {
  QTemporaryDir dir;
  RecordFile file;
  EXPECT_EQ(file.open(dir.filePath(u"nowhere/x.dat"_qs)), RecordFile::Status::NotFound);
}

TEST(RecordFile, AReaderIsBusyWhileAnotherProcessHoldsTheWriteLock) {
  QTemporaryDir dir;
  int toChild[2], toParent[2];
  ASSERT_EQ(pipe(toChild), 0);
  ASSERT_EQ(pipe(toParent), 0);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    RecordFile writer;
    writer.open(pathIn(dir));
    writer.lockForWriting();
    char c = 'L';
    (void)!write(toParent[1], &c, 1);
    (void)!read(toChild[0], &c, 1);  // hold the lock until told
    writer.unlock();
    _exit(0);
  }
  char c;
  ASSERT_EQ(read(toParent[0], &c, 1), 1);
  RecordFile reader;
  ASSERT_EQ(reader.open(pathIn(dir)), RecordFile::Status::Ok);
  EXPECT_EQ(reader.tryLockForReading(), RecordFile::Status::Busy);
  (void)!write(toChild[1], &c, 1);
  int status = 0;
  waitpid(child, &status, 0);
  EXPECT_EQ(reader.tryLockForReading(), RecordFile::Status::Ok);
}
