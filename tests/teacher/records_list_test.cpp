#include <gtest/gtest.h>

#include "core/app_state.h"
#include "core/result_record.h"
#include "support/fakes.h"
#include "support/qstring_printer.h"
#include "support/temp_installation.h"
#include "teacher/records_list.h"

namespace {

const double kToday = 46365;  // 2026-12-09

struct ListFixture : ::testing::Test {
  ListFixture() {
    s.dataRoot = inst.dataRoot();
    s.programDataFolder = inst.programDataFolder();
    s.schoolCode = u"12345"_qs;
    s.schoolName = u"テスト塾"_qs;
    s.schoolYearStartMonth = Value(4);
    clock.set(QDate(2026, 12, 9), QTime(18, 0));
    inst.writeRoster({u"12,2016,0,0,\"山田\",0,\"\",\"\""_qs,  // grade index 4 in December 2026
                      u"13,2000,0,0,\"長い名前の生徒さん\",1,\"\",\"\""_qs});
  }
  RecordsListing listing() { return listRecords(s, clock, pause); }

  TempInstallation inst;
  AppState s;
  FakeClock clock;
  FakePause pause{&clock};
};

std::vector<ResultRecord> records(int count, int level = 1) {
  std::vector<ResultRecord> rs;
  for (int k = 1; k <= count; ++k) rs.push_back(TempInstallation::record(kToday, 1, level, 60 + k));
  return rs;
}

}  // namespace

TEST_F(ListFixture, TheLineOfARecordShowsEveryPieceInItsWidth) {
  std::vector<ResultRecord> rs = records(6);
  rs.push_back(TempInstallation::record(kToday, 12, 3, 85, 0.5));
  inst.writeResults(rs);
  const RecordsListing list = listing();
  ASSERT_EQ(list.count(), 7);
  EXPECT_EQ(list.recordNoAt(6), 7);
  EXPECT_EQ(list.lineAt(6), u"   7 2026/12/09　 12:00:00ﾚﾍﾞﾙ3　   85秒 　  12 山田　　　　 小４++テスト塾"_qs);
}

TEST_F(ListFixture, NameGradeAndSchoolEndings) {
  struct Case {
    const char* what;
    int pupil;
    int runTime;
    const char* recordCode;
    const char* schoolCode;
    QString ending;  // from the run time on
  };
  const Case cases[] = {
      {"pupil without a roster line", 99, 85, "12345", "12345", u"   85秒 　  99 　　　　　　 ++テスト塾"_qs},
      {"another school's record", 12, 85, "54321", "12345", u"   85秒 　  12 山田　　　　 小４++他塾"_qs},
      {"no school code configured", 12, 85, "     ", "", u"   85秒 　  12 山田　　　　 小４++他塾"_qs},
      {"a time-out; a long name cut, a left-out pupil still named, a grade beyond 高１ blank", 13, 99999,
       "12345", "12345", u"99999秒 　  13 長い名前の生 ++テスト塾"_qs},
  };
  for (const Case& c : cases) {
    ResultRecord r = TempInstallation::record(kToday, c.pupil, 3, c.runTime);
    r.schoolCode = c.recordCode;
    inst.writeResults({r});
    s.schoolCode = QString::fromLatin1(c.schoolCode);
    const QString line = listing().lineAt(0);
    EXPECT_TRUE(line.endsWith(c.ending)) << c.what << "\n" << line.toStdString();
  }
}

TEST(BrowserGrade, IsTheNameScreensGradeBeforeAndAfterTheSchoolYearStarts) {
  struct Case {
    QDate today;
    int birthYear;
    QString grade;
  };
  const Case cases[] = {
      {QDate(2010, 3, 10), 2002, u"小１"_qs},  // still the school year that began in 2009
      {QDate(2010, 1, 5), 2003, u"幼３"_qs},
      {QDate(2010, 4, 10), 2002, u"小２"_qs},
      {QDate(2010, 4, 10), 1994, u"高１"_qs},
      {QDate(2010, 3, 10), 1993, u"高１"_qs},
      {QDate(2010, 4, 10), 1993, QString()},
      {QDate(2010, 4, 10), 2005, QString()},  // index -1
  };
  for (const Case& c : cases)
    EXPECT_EQ(browserGradeText(browserGradeIndex(c.today, Value(4), c.birthYear)), c.grade)
        << c.today.toString().toStdString() << " " << c.birthYear;
}

TEST_F(ListFixture, EveryLineKeepsTheNumberOfItsOwnRecord) {
  // A level-0 record is not listed, and beyond 9999 records the number column widens instead of
  // showing only the last four digits: in both cases line p is not record p + 1.
  std::vector<ResultRecord> rs = records(10001);
  rs[1].level = 0;
  inst.writeResults(rs);
  const RecordsListing list = listing();
  ASSERT_EQ(list.count(), 10000);
  EXPECT_EQ(list.recordNoAt(0), 1);
  EXPECT_EQ(list.recordNoAt(1), 3);
  EXPECT_EQ(list.recordAt(1).runTime, 63);
  EXPECT_EQ(list.lineOf(2), -1);
  EXPECT_EQ(list.lineOf(10001), 9999);
  EXPECT_TRUE(list.lineAt(0).startsWith(u"    1 "_qs));
  EXPECT_TRUE(list.lineAt(9999).startsWith(u"10001 "_qs));
}

TEST_F(ListFixture, AnEmptyFileListsNothingAndATrailingPartialRecordIsNoLine) {
  EXPECT_EQ(listing().count(), 0);
  inst.writeResults(records(2));
  inst.appendRawBytes("partial");
  EXPECT_EQ(listing().count(), 2);
}

TEST_F(ListFixture, TheRosterGivesNamesAndChoicesOfEveryLineWhateverItsStatus) {
  inst.writeRoster({u"12,2016,0,0,\" 山田 \",0,\"\",\"\""_qs, u"13,2000,0,0,\"川口\",1,\"\",\"\""_qs,
                    u"6000,2016,0,0,\"番号違い\",0,\"\",\"\""_qs, u"14,2015,0,0"_qs});
  const RosterNames names = readRosterNames(s, clock.today());
  EXPECT_EQ(names.nameOf(12), u"山田"_qs);
  EXPECT_EQ(names.nameOf(13), u"川口"_qs);
  EXPECT_EQ(names.nameOf(14), QString());
  // The last line lacks its name and the fields after it: the pupil is there without a name.
  EXPECT_EQ(names.pupilChoices, (QStringList{u"12 /  山田"_qs, u"13 /  川口"_qs, u"14 /  "_qs}));
  EXPECT_TRUE(names.problem.isEmpty());

  inst.writeBytes(u"data/新名簿.txt"_qs, QByteArray("\xFF\xFE" "1\0,\0", 6));  // UTF-16
  const RosterNames unreadable = readRosterNames(s, clock.today());
  EXPECT_TRUE(unreadable.pupilChoices.isEmpty());
  EXPECT_TRUE(unreadable.problem.contains(u"文字コードが読めません"_qs));

  inst.remove(u"data/新名簿.txt"_qs);
  const RosterNames none = readRosterNames(s, clock.today());
  EXPECT_TRUE(none.pupilChoices.isEmpty());
  EXPECT_FALSE(none.problem.isEmpty());
}
