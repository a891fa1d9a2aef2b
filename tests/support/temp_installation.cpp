#include "support/temp_installation.h"

#include <QDir>
#include <QFile>

#include "core/criteria.h"
#include "core/results_file.h"
#include "demo/wav_tone.h"
#include "platform/text_codec.h"

TempInstallation::TempInstallation() {
  QDir(root()).mkpath(QStringLiteral("prog"));
  QDir(root()).mkpath(QStringLiteral("data/prog"));
  QDir(root()).mkpath(QStringLiteral("data/音フォルダ"));
  writePathFile(QStringLiteral("data\\"));
  writeCommonData();
  writeDefaultCriteria();
  writeRoster({QStringLiteral("1,2016,0,0,\"山田太郎\",0,\"\",\"\""),
               QStringLiteral("2,2015,0,0,\"佐藤花子\",0,\"\",\"\""),
               QStringLiteral("3,1980,0,0,\"田中先生\",0,\"\",\"\"")});
  writeSoundTable({QStringLiteral("正解音2,seikai1,seikai2,*"), QStringLiteral("間違い音2,machigai1,*"),
                   QStringLiteral("自己最高音2,jiko1,*"), QStringLiteral("不合格音1,fugoukaku1,*")});
  for (const QString& name : {QStringLiteral("seikai1"), QStringLiteral("seikai2"),
                              QStringLiteral("machigai1"), QStringLiteral("jiko1"),
                              QStringLiteral("fugoukaku1"), QStringLiteral("警告1"),
                              QStringLiteral("最高1"), QStringLiteral("合格")})
    writeToneWav(soundFolder() + name + QStringLiteral(".wav"), {{880, 20}});
}

QString TempInstallation::root() const { return dir_.path(); }
QString TempInstallation::resultsPath() const { return programDataFolder() + kResultsFileName; }
QString TempInstallation::criteriaPath() const { return programDataFolder() + kCriteriaFileName; }

void TempInstallation::writeText(const QString& relativePath, const QStringList& lines) const {
  writeTextFile(root() + u'/' + relativePath, lines);
}

void TempInstallation::writeBytes(const QString& relativePath, const QByteArray& bytes) const {
  QFile file(root() + u'/' + relativePath);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return;
  file.write(bytes);
}

void TempInstallation::remove(const QString& relativePath) const {
  QFile::remove(root() + u'/' + relativePath);
}

void TempInstallation::writePathFile(const QString& dataRootField) const {
  writeText(QStringLiteral("パスデータ.txt"),
            {dataRootField, QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"),
             QStringLiteral("d"), QStringLiteral("e"), QStringLiteral("f"), QStringLiteral("g"),
             QStringLiteral("h"), QStringLiteral("i")});
}

namespace {
QStringList commonDataLines(const QString& schoolLine, int startMonth, int rosterSetting,
                            const QString& passwordField) {
  return {QString::number(startMonth), QStringLiteral("\"%1\"").arg(schoolLine),
          QString::number(rosterSetting), QStringLiteral("0"), QStringLiteral("0"), passwordField,
          QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0")};
}
}  // namespace

void TempInstallation::writeCommonData(const QString& schoolLine, int startMonth, int rosterSetting,
                                       const QString& password) const {
  writeText(QStringLiteral("data/共通データ.txt"),
            commonDataLines(schoolLine, startMonth, rosterSetting, QStringLiteral("\"%1\"").arg(password)));
}

void TempInstallation::writeCommonDataWithPasswordField(const QString& passwordField) const {
  writeText(QStringLiteral("data/共通データ.txt"),
            commonDataLines(QStringLiteral("12345テスト塾"), 4, 0, passwordField));
}

void TempInstallation::writeCriteria(const QStringList& levelLines) const {
  QStringList lines = {criteriaHeadings().join(u',') + QStringLiteral(",,,")};
  lines += levelLines;
  writeText(QStringLiteral("data/prog/") + kCriteriaFileName, lines);
}

void TempInstallation::writeDefaultCriteria() const {
  QStringList lines;
  for (int level = 1; level <= 25; ++level) lines.append(QStringLiteral("60,120,100,5,1,0,0,7,7,,,"));
  writeCriteria(lines);
}

void TempInstallation::writeRoster(const QStringList& lines) const {
  writeText(QStringLiteral("data/新名簿.txt"), lines);
}

void TempInstallation::writeSoundTable(const QStringList& lines) const {
  writeText(QStringLiteral("data/音フォルダ/新音ファイル.txt"), lines);
}

void TempInstallation::writeResults(const std::vector<ResultRecord>& records) const {
  QByteArray bytes;
  for (const ResultRecord& r : records) bytes += r.encode();
  QFile file(resultsPath());
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return;
  file.write(bytes);
}

void TempInstallation::appendRawBytes(const QByteArray& bytes) const {
  QFile file(resultsPath());
  if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) return;
  file.write(bytes);
}

std::vector<ResultRecord> TempInstallation::readResults() const {
  QFile file(resultsPath());
  std::vector<ResultRecord> records;
  if (!file.open(QIODevice::ReadOnly)) return records;
  const QByteArray bytes = file.readAll();
  for (qsizetype at = 0; at + ResultRecord::kSize <= bytes.size(); at += ResultRecord::kSize)
    records.push_back(ResultRecord::decode(bytes.constData() + at));
  return records;
}

ResultRecord TempInstallation::record(double date, int pupil, int level, int runTime, double timeOfDay) {
  ResultRecord r;
  r.date = date;
  r.timeOfDay = timeOfDay;
  r.pupilNo = int16_t(pupil);
  r.level = int16_t(level);
  r.runTime = runTime;
  r.schoolCode = "12345";
  return r;
}
