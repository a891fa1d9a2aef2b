#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <csignal>
#include <set>
#include <sys/wait.h>
#include <unistd.h>

#include "core/app_state.h"
#include "core/criteria.h"
#include "platform/text_codec.h"
#include "support/qstring_printer.h"

namespace {
// A whole table whose levels' pass times start at `firstPassTime`.
QList<QStringList> table(int firstPassTime) {
  QList<QStringList> rows{criteriaHeadings() + QStringList{QString(), QString(), QString()}};
  for (int level = 1; level <= 25; ++level)
    rows.append({QString::number(firstPassTime + level), u"120"_qs, u"100"_qs, u"5"_qs, u"1.5"_qs, u"0"_qs,
                 u"0"_qs, u"7"_qs, u"7"_qs, QString(), QString(), QString()});
  return rows;
}

QByteArray bytesOf(const QList<QStringList>& rows) {
  QByteArray bytes;
  for (const QStringList& row : rows) bytes += encodeCp932(row.join(u',')) + "\r\n";
  return bytes;
}

QByteArray readAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
}  // namespace

// A computer switched off, or the program killed, in the middle of a save: whatever the moment,
// every computer of the school still finds the old table or the new one, whole, at its next start.
TEST(CriteriaSave, AKillAtAnyMomentLeavesTheOldTableOrTheNewOneWhole) {
  // In memory where the machine has it: the kills are of the process, not of the disk, and a save
  // that waits for the disk would make the test slow.
  const QString base = QFileInfo(u"/dev/shm"_qs).isWritable() ? u"/dev/shm"_qs : QDir::tempPath();
  QTemporaryDir folder(base + u"/criteria-save-XXXXXX"_qs);
  ASSERT_TRUE(folder.isValid());
  const QString dataFolder = folder.path() + u'/';
  const QString path = dataFolder + kCriteriaFileName;
  const QList<QStringList> tables[2] = {table(30), table(40)};
  const QByteArray expected[2] = {bytesOf(tables[0]), bytesOf(tables[1])};
  writeCriteria(path, tables[0]);
  // How long one save takes here (flushing to the disk dominates), to spread the kills over it.
  QElapsedTimer clock;
  clock.start();
  for (int i = 0; i < 3; ++i) writeCriteria(path, tables[0]);
  const qint64 saveMicroseconds = std::max<qint64>(100, clock.nsecsElapsed() / 3000);

  std::set<int> seen;
  constexpr int kAttempts = 30;
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      close(ready[0]);
      // A first save elsewhere pays for the copied pages of the new process, so that the kill
      // times below fall on the saves that matter.
      try {
        writeCriteria(dataFolder + u"warm-up.txt"_qs, tables[0]);
      } catch (...) {
        _exit(2);
      }
      const char go = 1;
      if (write(ready[1], &go, 1) != 1) _exit(3);
      // Saves the two tables in turn until it is killed.
      try {
        for (int i = 0; i < 100000; ++i) writeCriteria(path, tables[(attempt + i + 1) % 2]);
      } catch (...) {
        _exit(2);
      }
      _exit(0);
    }
    close(ready[1]);
    char go = 0;
    ASSERT_EQ(read(ready[0], &go, 1), 1);
    close(ready[0]);
    // Kills land at different points of the open, write, flush and rename of the first saves.
    usleep(useconds_t(saveMicroseconds * ((attempt * 7) % kAttempts) * 5 / (2 * kAttempts)));
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the saving child ended by itself, status " << status;

    const QByteArray onDisk = readAll(path);
    ASSERT_TRUE(onDisk == expected[0] || onDisk == expected[1]) << "attempt " << attempt << ": " << onDisk.size()
                                                                 << " bytes";
    AppState state;
    state.programDataFolder = dataFolder;
    loadCriteria(state);
    EXPECT_TRUE(state.passTime[25] == 55 || state.passTime[25] == 65) << state.passTime[25];
    seen.insert(onDisk == expected[1] ? 1 : 0);
  }
  // Both tables were found on disk, so the kills did interrupt saves in progress.
  EXPECT_EQ(seen.size(), 2u);
}
