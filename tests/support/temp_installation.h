#pragma once

#include <QStringList>
#include <QTemporaryDir>
#include <vector>

#include "core/result_record.h"

// A whole installation in a temporary folder, laid out as at a school:
//   <root>/パスデータ.txt            the path file, naming the data root
//   <root>/prog/                     the program folder
//   <root>/data/共通データ.txt, 新名簿.txt
//   <root>/data/音フォルダ/新音ファイル.txt and short WAV tones
//   <root>/data/prog/タイム回数データ.txt and 成績累積データ.dat
// Every file has sensible content at first; a test rewrites or removes what it is about.
class TempInstallation {
 public:
  TempInstallation();

  QString root() const;
  QString programFolder() const { return root() + QStringLiteral("/prog"); }
  QString dataRoot() const { return root() + QStringLiteral("/data/"); }
  QString programDataFolder() const { return dataRoot() + QStringLiteral("prog/"); }
  QString soundFolder() const { return dataRoot() + QStringLiteral("音フォルダ/"); }
  QString resultsPath() const;
  // Stands for this computer's own data folder, where runs wait that the share could not take.
  QString outboxFolder() const { return root() + QStringLiteral("/local/"); }
  QString criteriaPath() const;

  // Writes a text file as the school's files are: CP932, CR LF. The path is relative to the root.
  void writeText(const QString& relativePath, const QStringList& lines) const;
  // Writes a file exactly as given, as another program may have saved it. Relative to the root.
  void writeBytes(const QString& relativePath, const QByteArray& bytes) const;
  void remove(const QString& relativePath) const;

  void writePathFile(const QString& dataRootField) const;
  void writeCommonData(const QString& schoolLine = QStringLiteral("12345テスト塾"),
                       int startMonth = 4, int rosterSetting = 0,
                       const QString& password = QStringLiteral("pass")) const;
  // The same with the password field written exactly as given, quotes and all.
  void writeCommonDataWithPasswordField(const QString& passwordField) const;
  // One criteria line per level: 12 fields.
  void writeCriteria(const QStringList& levelLines) const;
  // 25 levels with pass time 60, lowest 120, 100 points and 5 runs to clear, factor 1, no bans,
  // windows of 7 days.
  void writeDefaultCriteria() const;
  void writeRoster(const QStringList& lines) const;
  void writeSoundTable(const QStringList& lines) const;

  void writeResults(const std::vector<ResultRecord>& records) const;
  void appendRawBytes(const QByteArray& bytes) const;
  std::vector<ResultRecord> readResults() const;

  static ResultRecord record(double date, int pupil, int level, int runTime, double timeOfDay = 0.5);

 private:
  QTemporaryDir dir_;
};
