#include "fuzz/fuzz_installation.h"

#include <QDir>
#include <QFile>
#include <cstdio>
#include <cstdlib>

#include "core/common_data.h"
#include "core/result_record.h"
#include "demo/wav_tone.h"
#include "platform/text_codec.h"

namespace {
const QString kPathFile = QStringLiteral("パスデータ.txt");

QStringList criteriaLines() {
  QStringList lines = {QStringLiteral("目標Time,最低Time,ｸﾘｱﾎﾟｲﾝﾄ,ｸﾘｱ回数,ﾎﾟｲﾝﾄ倍率,禁回,禁点,判期間,禁期間,,,")};
  for (int level = 1; level <= 25; ++level) lines.append(QStringLiteral("60,120,100,5,1,20,0,7,1,,,"));
  return lines;
}

QByteArray runHistory() {
  QByteArray bytes;
  for (int i = 0; i < 200; ++i) {
    ResultRecord r;
    r.date = 46364 - i % 30;
    r.timeOfDay = 0.7;
    r.pupilNo = int16_t(1 + i % 7);
    r.level = int16_t(1 + i % 25);
    r.runTime = 20 + i % 90;
    r.schoolCode = "31415";
    bytes += r.encode();
  }
  return bytes;
}
}  // namespace

FuzzInstallation& FuzzInstallation::instance() {
  static FuzzInstallation installation;
  return installation;
}

FuzzInstallation::FuzzInstallation() {
  if (!dir_.isValid()) fuzzFault("no temporary folder");
  QDir(root()).mkpath(QStringLiteral("kakedori"));
  QDir(root()).mkpath(QStringLiteral("data/kakedori"));
  QDir(root()).mkpath(QStringLiteral("data/音フォルダ"));
  restore(kPathFile);
  restore(QStringLiteral("data/共通データ.txt"));
  restore(QStringLiteral("data/新名簿.txt"));
  restore(QStringLiteral("data/音フォルダ/新音ファイル.txt"));
  restore(QStringLiteral("data/kakedori/タイム回数データ.txt"));
  restore(QStringLiteral("data/kakedori/成績累積データ.dat"));
  for (const char* name : {"seikai1", "bubu1", "jiko1", "otsukare1", "警告1", "最高1", "合格"})
    writeToneWav(path(QStringLiteral("data/音フォルダ/%1.wav").arg(QString::fromUtf8(name))), {{880, 15}});
}

QByteArray FuzzInstallation::read(const QString& relative) const {
  QFile file(path(relative));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void FuzzInstallation::write(const QString& relative, const QByteArray& bytes) const {
  QFile file(path(relative));
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
    fuzzFault("cannot lay out a file of the installation");
}

void FuzzInstallation::restore(const QString& relative) const {
  const QString at = path(relative);
  if (relative == kPathFile) {
    writeTextFile(at, {QStringLiteral("data\\"), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"),
                       QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"),
                       QStringLiteral("0"), QStringLiteral("0")});
  } else if (relative.endsWith(QStringLiteral("共通データ.txt"))) {
    writeTextFile(at, {QStringLiteral("4"), QStringLiteral("\"31415ひまわり算数塾\""), QStringLiteral("0"),
                       QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("\"sensei\""), QStringLiteral("0"),
                       QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0")});
  } else if (relative.endsWith(QStringLiteral("新名簿.txt"))) {
    writeTextFile(at, {QStringLiteral("1,2018,0,0,\"あおい　ひなた\",0,\"\",\"\""),
                       QStringLiteral("2,2017,0,0,\"いとう　そら\",2,\"\",\"\""),
                       QStringLiteral("3,1980,0,0,\"田中先生\",0,\"\",\"\"")});
  } else if (relative.endsWith(QStringLiteral("新音ファイル.txt"))) {
    writeTextFile(at, {QStringLiteral("正解音2,seikai1,*"), QStringLiteral("間違い音2,bubu1,*"),
                       QStringLiteral("自己最高音2,jiko1,*"), QStringLiteral("不合格音1,otsukare1,*")});
  } else if (relative.endsWith(QStringLiteral("タイム回数データ.txt"))) {
    writeTextFile(at, criteriaLines());
  } else if (relative.endsWith(QStringLiteral(".dat"))) {
    write(relative, runHistory());
  } else {
    fuzzFault("no such file in the installation");
  }
}

std::unique_ptr<AppState> FuzzInstallation::loadedState() const {
  auto state = std::make_unique<AppState>();
  loadCommonData(*state, programFolder());
  return state;
}

void fuzzFault(const char* what) {
  std::fprintf(stderr, "fault: %s\n", what);
  std::abort();
}

void expectMessage(const QString& message) {
  if (message.trimmed().isEmpty()) fuzzFault("a damaged file gave no message");
}
