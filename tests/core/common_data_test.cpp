#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "core/app_state.h"
#include "core/common_data.h"
#include "core/criteria.h"
#include "core/folders.h"
#include "platform/file_error.h"
#include "support/temp_installation.h"

TEST(SchoolLine, SplitsAFiveCharacterCodeWhoseNumberIsNotZero) {
  const struct {
    QString line, code, name;
  } cases[] = {
      {u"12345みなと塾"_qs, u"12345"_qs, u"みなと塾"_qs},
      {u"みなと塾"_qs, u""_qs, u"みなと塾"_qs},
      {u"00000みなと塾"_qs, u""_qs, u"00000みなと塾"_qs},
      {u"12みなと塾"_qs, u"12みなと"_qs, u"塾"_qs},  // leading digits are read as a number
      {u""_qs, u""_qs, u""_qs},
  };
  for (const auto& c : cases) {
    QString code, name;
    splitSchoolLine(c.line, code, name);
    EXPECT_EQ(code, c.code) << c.line.toStdString();
    EXPECT_EQ(name, c.name) << c.line.toStdString();
  }
}

TEST(Folders, DataRootWrittenEitherWayEndsInTheSeparator) {
  EXPECT_EQ(resolveDataRoot(u"data\\"_qs, u"/school"_qs), u"/school/data/"_qs);
  EXPECT_EQ(resolveDataRoot(u"/srv/share/kakedori"_qs, u"/school"_qs), u"/srv/share/kakedori/"_qs);
  EXPECT_EQ(resolveDataRoot(u"..\\shared\\"_qs, u"/school/app"_qs), u"/school/shared/"_qs);
  EXPECT_EQ(lastComponent(u"/x/a/b/prog"_qs), u"prog"_qs);
  EXPECT_EQ(lastComponent(u"/x/a/b/prog/"_qs), u"prog"_qs);
}

TEST(Folders, AlternateLayoutUnderPr0093ButNotHoshida) {
  EXPECT_EQ(altLayoutFor(u"/d/x/PR0093/prog"_qs), 1);
  EXPECT_EQ(altLayoutFor(u"/d/HOSHIDA/PR0093/prog"_qs), 0);
  EXPECT_EQ(altLayoutFor(u"/d/pr0093/prog"_qs), 0);  // case-sensitive
  EXPECT_EQ(altLayoutFor(u"/d/x/prog"_qs), 0);
}

TEST(LoadCommonData, WorksOutTheFoldersAndReadsTheSchool) {
  TempInstallation inst;
  inst.writeCommonData(u"54321さくら学院"_qs, 4, 1, u"abc"_qs);
  AppState s;
  loadCommonData(s, inst.programFolder());
  EXPECT_EQ(s.appFolder, inst.programFolder() + u'/');
  EXPECT_EQ(s.dataRoot, inst.dataRoot());
  EXPECT_EQ(s.programFolderName, u"prog"_qs);
  EXPECT_EQ(s.programDataFolder, inst.programDataFolder());
  EXPECT_EQ(s.soundFolder, inst.soundFolder());
  EXPECT_EQ(s.schoolYearStartMonth, Value(4));
  EXPECT_EQ(s.schoolCode, u"54321"_qs);
  EXPECT_EQ(s.schoolName, u"さくら学院"_qs);
  EXPECT_EQ(s.rosterSetting, Value(1));
  EXPECT_EQ(s.dataChangePassword, Value(u"abc"_qs));
  EXPECT_EQ(s.programTitle, u"カケドリ１"_qs);
  EXPECT_EQ(s.passTime[1], 60);          // the criteria came along
  EXPECT_EQ(s.soundTable[2].count, 2);   // and the sound table
}

TEST(LoadCommonData, AlternateLayoutTakesTheDriveRootAndTheProgramFolder) {
  TempInstallation inst;
  AppState s;
  s.altLayout = 1;
  // The data root then lies under the root folder, where no test may write: the common data file
  // is missing there, which is exactly what the school would see.
  try {
    loadCommonData(s, inst.programFolder());
    FAIL();
  } catch (const FileError& e) {
    EXPECT_TRUE(e.message().contains(u"/PR0093/ミナトなし/共通データ.txt"_qs)) << e.what();
  }
  EXPECT_EQ(s.dataRoot, u"/PR0093/ミナトなし/"_qs);
}

TEST(LoadCommonData, PathFileFieldsTwoToTenChangeNothing) {
  TempInstallation inst;
  inst.writeText(u"パスデータ.txt"_qs, {inst.dataRoot() + u",\"x,y\",3,4,5,6,7,8,9,10"_qs});
  AppState s;
  loadCommonData(s, inst.programFolder());
  EXPECT_EQ(s.dataRoot, inst.dataRoot());
}

TEST(LoadCommonData, AMissingOrShortFileStopsWithAMessageNamingItAndCreatesNothing) {
  const struct {
    const char* what;
    QString file;
    QStringList lines;  // empty: the file is removed
  } cases[] = {
      {"missing path file", u"パスデータ.txt"_qs, {}},
      {"short path file", u"パスデータ.txt"_qs, {u"data/,1,2"_qs}},
      {"missing common data", u"data/共通データ.txt"_qs, {}},
      {"short common data", u"data/共通データ.txt"_qs, {u"4,\"x\",0,0,0"_qs}},
      {"missing criteria", u"data/prog/タイム回数データ.txt"_qs, {}},
      {"missing sound table", u"data/音フォルダ/新音ファイル.txt"_qs, {}},
  };
  for (const auto& c : cases) {
    TempInstallation inst;
    if (c.lines.isEmpty())
      inst.remove(c.file);
    else
      inst.writeText(c.file, c.lines);
    AppState s;
    try {
      loadCommonData(s, inst.programFolder());
      ADD_FAILURE() << c.what << ": no error";
    } catch (const FileError& e) {
      EXPECT_TRUE(e.message().contains(c.file.section(u'/', -1))) << c.what << ": " << e.what();
    }
    EXPECT_EQ(QFile::exists(inst.root() + u'/' + c.file), !c.lines.isEmpty()) << c.what;
  }
}

TEST(LoadCommonData, RandomBytesInAnyFileNeverCrash) {
  const QString files[] = {u"パスデータ.txt"_qs, u"data/共通データ.txt"_qs,
                           u"data/prog/タイム回数データ.txt"_qs, u"data/音フォルダ/新音ファイル.txt"_qs};
  std::srand(7);
  for (int round = 0; round < 40; ++round) {
    TempInstallation inst;
    QByteArray noise(std::rand() % 400, '\0');
    for (char& b : noise) b = char(std::rand() % 256);
    QFile f(inst.root() + u'/' + files[round % 4]);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(noise);
    f.close();
    AppState s;
    try {
      loadCommonData(s, inst.programFolder());
    } catch (const FileError&) {
      // a clear message is the expected outcome for most noise
    }
  }
}

// A data folder copied from Windows may give the files other capitals than the program names them.
TEST(LoadCommonData, FindsEveryFileWhateverTheCaseOfItsNameAndSavesTheCriteriaThere) {
  TempInstallation inst;
  const struct {
    QString file, renamed;
  } renames[] = {
      {u"パスデータ.txt"_qs, u"パスデータ.TXT"_qs},
      {u"data/共通データ.txt"_qs, u"data/共通データ.Txt"_qs},
      {u"data/prog/タイム回数データ.txt"_qs, u"data/prog/タイム回数データ.TXT"_qs},
      {u"data/音フォルダ/新音ファイル.txt"_qs, u"data/音フォルダ/新音ファイル.TXT"_qs},
  };
  for (const auto& r : renames)
    ASSERT_TRUE(QFile::rename(inst.root() + u'/' + r.file, inst.root() + u'/' + r.renamed));
  AppState s;
  ASSERT_NO_THROW(loadCommonData(s, inst.programFolder()));
  EXPECT_EQ(s.dataRoot, inst.dataRoot());
  EXPECT_EQ(s.schoolName, u"テスト塾"_qs);
  EXPECT_EQ(s.passTime[1], 60);
  EXPECT_EQ(s.soundTable[2].count, 2);

  writeCriteria(criteriaPath(s), readCriteriaRows(criteriaPath(s)));
  EXPECT_EQ(QDir(inst.programDataFolder()).entryList({u"タイム*"_qs}, QDir::Files),
            QStringList{u"タイム回数データ.TXT"_qs});
}
