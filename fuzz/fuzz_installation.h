#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "core/app_state.h"
#include "platform/clock.h"
#include "platform/pause.h"

// A whole installation laid out once in a temporary folder, with sound files and a short run history,
// for the fuzz targets: each one puts the damaged input in place of one file, runs the reader of that
// file and puts the good file back.
//   <root>/パスデータ.txt, <root>/kakedori/            (the program folder)
//   <root>/data/共通データ.txt, 新名簿.txt, 音フォルダ/新音ファイル.txt and WAVs
//   <root>/data/kakedori/タイム回数データ.txt, 成績累積データ.dat
class FuzzInstallation {
 public:
  static FuzzInstallation& instance();

  QString root() const { return dir_.path() + u'/'; }
  QString programFolder() const { return root() + QStringLiteral("kakedori"); }
  QString path(const QString& relative) const { return root() + relative; }

  QByteArray read(const QString& relative) const;
  void write(const QString& relative, const QByteArray& bytes) const;
  // Puts the file back as it was laid out.
  void restore(const QString& relative) const;

  // A shared state with the installation's common data, criteria and sound table loaded.
  std::unique_ptr<AppState> loadedState() const;

 private:
  FuzzInstallation();
  QTemporaryDir dir_;
};

inline QByteArray bytesOf(const std::uint8_t* data, std::size_t size) {
  return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

// Stops the run as a crash would: the fuzzer keeps the input that got here.
[[noreturn]] void fuzzFault(const char* what);

// A reader's damaged-file error must tell the user something.
void expectMessage(const QString& message);

class FixedClock final : public Clock {
 public:
  QDateTime now() const override { return QDateTime(QDate(2026, 12, 9), QTime(10, 0)); }
  qint64 ticksMs() const override { return 1000000; }
};

// The readers meet no other computer here: a wait for a busy or missing file would be a fault.
class NoPause final : public Pause {
 public:
  void pause(int) override { fuzzFault("waited for a file that is there and held by nobody"); }
};
