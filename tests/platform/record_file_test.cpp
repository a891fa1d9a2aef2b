#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "platform/record_file.h"
#include "support/held_write_lock.h"

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
  HeldWriteLock otherComputer(pathIn(dir));
  ASSERT_TRUE(otherComputer.held());
  RecordFile reader;
  ASSERT_EQ(reader.open(pathIn(dir)), RecordFile::Status::Ok);
  EXPECT_EQ(reader.tryLockForReading(), RecordFile::Status::Busy);
  otherComputer.release();
  EXPECT_EQ(reader.tryLockForReading(), RecordFile::Status::Ok);
}
