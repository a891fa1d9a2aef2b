#include <gtest/gtest.h>

#include "core/app_state.h"
#include "core/common_data.h"
#include "platform/clock.h"
#include "platform/text_codec.h"
#include "selection/roster_file.h"
#include "selection/roster_listing.h"
#include "support/fakes.h"
#include "support/temp_installation.h"
#include "support/qstring_printer.h"

namespace {
QString rosterLine(int number, int birthYear, const QString& name, int status = 0) {
  return QStringLiteral("%1,%2,0,0,\"%3\",%4,\"\",\"\"").arg(number).arg(birthYear).arg(name).arg(status);
}

class RosterTest : public ::testing::Test {
 protected:
  RosterTest() { load(); }

  void load() { loadCommonData(state, installation.programFolder()); }
  RosterListing listing(int mode = 1, const QString& filter = kAllGrades) {
    return buildRosterListing(state, clock, pause, mode, filter);
  }
  // The visible lines without the dashes line.
  QStringList pupilLines(int mode = 1, const QString& filter = kAllGrades) {
    return listing(mode, filter).lines.mid(1);
  }

  TempInstallation installation;
  AppState state;
  FakeClock clock{QDateTime(QDate(2010, 4, 10), QTime(15, 0))};
  FakePause pause{&clock};
};

TEST(GradeLabels, ListAndStoredLabelsByGrade) {
  struct Case {
    int grade;
    const char16_t* list;
    const char16_t* stored;
  };
  const Case cases[] = {{-5, u"幼-", u""},  {-3, u"幼-", u""},  {-2, u"幼1", u""},  {-1, u"幼2", u""},
                        {0, u"幼3", u"幼３"}, {1, u"小1", u"小１"}, {6, u"小6", u"小６"}, {7, u"中1", u"中１"},
                        {9, u"中3", u"中３"}, {10, u"高1", u"高１"}, {11, u"高2", u""},  {12, u"高3", u""},
                        {13, u"大+", u""},  {40, u"大+", u""}};
  for (const Case& c : cases) {
    EXPECT_EQ(gradeListLabel(c.grade), QString::fromUtf16(c.list)) << c.grade;
    EXPECT_EQ(gradeStoredLabel(c.grade), QString::fromUtf16(c.stored)) << c.grade;
  }
}

TEST(GradeLabels, SchoolYearTurnsInTheStartMonth) {
  EXPECT_EQ(schoolYearOn(QDate(2010, 3, 10), Value(4)), 2009);
  EXPECT_EQ(schoolYearOn(QDate(2010, 4, 10), Value(4)), 2010);
  EXPECT_EQ(schoolYearOn(QDate(2010, 1, 1), Value(1)), 2010);
  EXPECT_EQ(schoolYearOn(QDate(2010, 12, 31), Value()), 2010);  // no start month read: calendar year
}

TEST_F(RosterTest, GradeFollowsTheSchoolYearAroundTheStartMonth) {
  installation.writeRoster({rosterLine(7, 2002, QStringLiteral("山田太郎"))});
  clock.set(QDate(2010, 3, 10));
  EXPECT_EQ(pupilLines().value(0).left(2), QStringLiteral("小1"));
  EXPECT_EQ(state.pupilGrade[7], QStringLiteral("小１"));
  EXPECT_EQ(state.schoolYear, 2009);

  clock.set(QDate(2010, 4, 10));
  EXPECT_EQ(pupilLines().value(0).left(2), QStringLiteral("小2"));
  EXPECT_EQ(state.pupilGrade[7], QStringLiteral("小２"));
  EXPECT_EQ(state.schoolYear, 2010);
}

TEST_F(RosterTest, StatusDecidesWhoIsListed) {
  installation.writeRoster({rosterLine(1, 2002, QStringLiteral("あ")), rosterLine(2, 2002, QStringLiteral("い"), 1),
                            rosterLine(3, 2002, QStringLiteral("う"), 2), rosterLine(4, 2002, QStringLiteral("え"), 3)});
  struct Case {
    int rosterSetting;
    std::vector<int> listed;
  };
  for (const Case& c : {Case{0, {1}}, Case{1, {1, 3}}, Case{2, {1}}}) {
    installation.writeCommonData(QStringLiteral("12345テスト塾"), 4, c.rosterSetting);
    load();
    const RosterListing l = listing();
    EXPECT_EQ(std::vector<int>(l.pupilNo.begin() + 1, l.pupilNo.end()), c.listed) << c.rosterSetting;
    ASSERT_EQ(state.rosterCount, int(c.listed.size()));
    for (int k = 1; k <= state.rosterCount; ++k) EXPECT_EQ(state.rosterPupilNo[k], c.listed[k - 1]);
  }
}

TEST_F(RosterTest, FieldsAreStoredInTheRosterTableAndPupilArrays) {
  installation.writeRoster({rosterLine(9, 1980, QStringLiteral("校長先生")),
                            QStringLiteral("12,2003,5,6,\"  とても長い名前の生徒さんがここにいるのです\",0,\"x\",\"y\""),
                            rosterLine(13, -2147483648, QStringLiteral("謎"))});
  const RosterListing l = listing();
  ASSERT_EQ(state.rosterCount, 3);
  EXPECT_TRUE(l.lines.value(1).startsWith(QStringLiteral("大+ 謎"))) << l.lines.value(1).toStdString();
  const RosterEntry& second = state.roster[2];
  EXPECT_EQ(second.number, 12);
  EXPECT_EQ(second.birthYear, 2003);
  EXPECT_EQ(second.reserved1, 5);
  EXPECT_EQ(second.reserved2, 6);
  EXPECT_EQ(second.name, QStringLiteral("  とても長い名前の生徒さんがここにいる"));  // cut at 20
  EXPECT_EQ(second.reservedText1, QStringLiteral("x").leftJustified(20));
  EXPECT_EQ(state.pupilName[9], QStringLiteral("校長先生").leftJustified(20));
  EXPECT_EQ(state.pupilBirthYear[12], 2003);
  EXPECT_EQ(state.pupilGrade[12], QStringLiteral("小１"));
  EXPECT_TRUE(state.pupilGrade[9].isEmpty());  // a grade beyond 高１ is not carried
}

// A roster saved by a spreadsheet as CSV: LF line ends, texts unquoted, the empty cells at a row's end
// left off, one line a pupil all the same.
TEST_F(RosterTest, EachLineIsOnePupilWhateverItsFieldsAndLineEnds) {
  const struct {
    const char* what;
    QByteArray bytes;
  } cases[] = {
      {"spreadsheet CSV in Shift-JIS", encodeCp932(u"1,2003,0,0,山田太郎,0\n2,2004,0,0,佐藤花子,0\n"
                                                  u"3,2004,0,0,田中一郎,0\n"_qs)},
      {"CR LF, a blank line, the last line without its end",
       encodeCp932(u"1,2003,0,0,\"山田太郎\",0,\"\",\"\"\r\n\r\n2,2004,0,0,佐藤花子,0\r\n3,2004,0,0,田中一郎"_qs)},
      {"fields past the eighth", encodeCp932(u"1,2003,0,0,山田太郎,0,a,b,c,d\n2,2004,0,0,佐藤花子,0,,,9\n"
                                              u"3,2004,0,0,田中一郎,0,,\n"_qs)},
      {"UTF-8, bare LF", (u"1,2003,0,0,山田太郎,0\n2,2004,0,0,佐藤花子,0\n3,2004,0,0,田中一郎\n"_qs).toUtf8()},
      {"UTF-8 with the byte-order mark",
       "\xEF\xBB\xBF" + (u"1,2003,0,0,山田太郎,0\r\n2,2004,0,0,佐藤花子\r\n3,2004,0,0,田中一郎,0"_qs).toUtf8()},
  };
  for (const auto& c : cases) {
    installation.writeBytes(QStringLiteral("data/新名簿.txt"), c.bytes);
    const RosterListing l = listing();
    EXPECT_TRUE(l.problem.isEmpty()) << c.what << ": " << l.problem.toStdString();
    ASSERT_EQ(state.rosterCount, 3) << c.what;
    EXPECT_EQ(state.pupilName[1], QStringLiteral("山田太郎").leftJustified(20)) << c.what;
    EXPECT_EQ(state.pupilName[2], QStringLiteral("佐藤花子").leftJustified(20)) << c.what;
    EXPECT_EQ(state.pupilName[3], QStringLiteral("田中一郎").leftJustified(20)) << c.what;
    EXPECT_EQ(state.pupilBirthYear[3], 2004) << c.what;
    EXPECT_EQ(state.roster[3].reservedText2, QString(20, u' ')) << c.what;
  }
}

TEST_F(RosterTest, PupilNumbersOutsideTheTablesAreSkipped) {
  installation.writeRoster({rosterLine(0, 2002, QStringLiteral("ゼロ")), rosterLine(5001, 2002, QStringLiteral("超過")),
                            rosterLine(-3, 2002, QStringLiteral("負")), rosterLine(5000, 2002, QStringLiteral("あ")),
                            rosterLine(1, 2002, QStringLiteral("い"))});
  const RosterListing l = listing();
  EXPECT_TRUE(l.problem.isEmpty());
  EXPECT_EQ(std::vector<int>(l.pupilNo.begin() + 1, l.pupilNo.end()), (std::vector<int>{5000, 1}));
  EXPECT_EQ(state.rosterCount, 2);
  // Skipped lines take no entry of the table.
  EXPECT_EQ(state.rosterPupilNo[1], 5000);
  EXPECT_EQ(state.rosterPupilNo[2], 1);
}

TEST_F(RosterTest, UnreadableRosterLeavesOnlyTheDashesLineAndTellsWhy) {
  installation.remove(QStringLiteral("data/新名簿.txt"));
  RosterListing l = listing();
  EXPECT_EQ(l.lines, QStringList{kDashesLine});
  EXPECT_EQ(l.problem, QStringLiteral("名簿ファイルがありません\n") + state.dataRoot + kRosterFileName);

  // A roster saved as UTF-16 ("Unicode text") cannot be read and is said so.
  installation.writeBytes(QStringLiteral("data/新名簿.txt"), QByteArray("\xFF\xFE" "1\0,\0", 6));
  l = listing();
  EXPECT_EQ(l.lines, QStringList{kDashesLine});
  EXPECT_TRUE(l.problem.contains(QStringLiteral("文字コードが読めません"))) << l.problem.toStdString();
  EXPECT_TRUE(l.problem.contains(state.dataRoot + kRosterFileName)) << l.problem.toStdString();

  installation.writeRoster({});
  l = listing();
  EXPECT_EQ(l.lines, QStringList{kDashesLine});
  EXPECT_TRUE(l.problem.isEmpty());
}

TEST(CounterTexts, EachColumnKeepsItsWidth) {
  struct Case {
    QString (*text)(int);
    int value;
    QString expected;
  };
  const Case cases[] = {
      {runsTodayText, 0, QStringLiteral("     ")},       {runsTodayText, 7, QStringLiteral("  7回")},
      {runsTodayText, 123, QStringLiteral("123回")},     {runsTodayText, 1234, QStringLiteral("1234回")},
      {pointsTodayText, 0, QStringLiteral("  　")},       {pointsTodayText, 55, QStringLiteral("  55")},
      {pointsTodayText, 12345, QStringLiteral("12345")}, {runsEverText, 0, QStringLiteral("     　")},
      {runsEverText, 42, QStringLiteral("   42回")},     {pointsEverText, 0, QStringLiteral("       ")},
      {pointsEverText, 1234, QStringLiteral("   1234")},
  };
  for (const Case& c : cases) EXPECT_EQ(c.text(c.value), c.expected) << c.value;
}

TEST_F(RosterTest, DisplayModesShowTheirCounters) {
  installation.writeRoster({rosterLine(1, 2002, QStringLiteral("山田")), rosterLine(2, 2002, QStringLiteral("川口"))});
  const double today = clock.dateNumber();
  // Pass time 60, factor 1: 60 s earns 5 points, 30 s earns 11.
  installation.writeResults({TempInstallation::record(today, 1, 1, 60), TempInstallation::record(today, 1, 2, 60),
                             TempInstallation::record(today - 3, 1, 1, 30)});
  const QString yamada = QStringLiteral("小2 山田　　　　");
  const QString kawaguchi = QStringLiteral("小2 川口　　　　");
  struct Case {
    int mode;
    QString yamada;
    QString kawaguchi;
  };
  const Case cases[] = {
      {0, QStringLiteral("  2回/    3回"), QStringLiteral("     /     　")},
      {1, QStringLiteral("  10/     21"), QStringLiteral("  　/       ")},
      {2, QStringLiteral("  10/  2回"), QStringLiteral("  　/     ")},
      {3, QStringLiteral("     21/    3回"), QStringLiteral("       /     　")},
  };
  // 山 (サン) comes before 川 (セン) in Japanese order.
  for (const Case& c : cases)
    EXPECT_EQ(pupilLines(c.mode), (QStringList{yamada + c.yamada, kawaguchi + c.kawaguchi})) << c.mode;
}

TEST(PupilLine, NamePaddingFillsTheNameColumn) {
  EXPECT_EQ(pupilLineText(2, QStringLiteral("  山田太郎  "), QStringLiteral("A/B")),
            QStringLiteral("小2 山田太郎　　A/B"));
  // Kindergarten lines have a wider name column.
  EXPECT_EQ(pupilLineText(0, QStringLiteral("山田太郎"), QStringLiteral("A/B")),
            QStringLiteral("幼3 山田太郎　　　　A/B"));
  // A name already past the column gets no padding.
  EXPECT_EQ(pupilLineText(2, QStringLiteral("寿限無寿限無五劫"), QStringLiteral("A/B")),
            QStringLiteral("小2 寿限無寿限無五劫A/B"));
}

TEST(GradeFilter, EntriesAndWhomTheyAdmit) {
  EXPECT_EQ(gradeFilterEntries(),
            (QStringList{QStringLiteral("全学年"), QStringLiteral("中学生全体"), QStringLiteral("小学生全体"),
                         QStringLiteral("中３"), QStringLiteral("中２"), QStringLiteral("中１"),
                         QStringLiteral("小６"), QStringLiteral("小５"), QStringLiteral("小４"),
                         QStringLiteral("小３"), QStringLiteral("小２"), QStringLiteral("小１")}));
  struct Case {
    const char16_t* filter;
    std::vector<int> admitted;  // of the grades -3..13
  };
  const Case cases[] = {{u"全学年", {-3, -2, -1, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}},
                        {u"小学生全体", {1, 2, 3, 4, 5, 6}},
                        {u"中学生全体", {7, 8, 9}},
                        {u"中３", {9}},
                        {u"中１", {7}},
                        {u"小６", {6}},
                        {u"小１", {1}}};
  for (const Case& c : cases) {
    std::vector<int> admitted;
    for (int grade = -3; grade <= 13; ++grade)
      if (gradeFilterAdmits(QString::fromUtf16(c.filter), grade)) admitted.push_back(grade);
    EXPECT_EQ(admitted, c.admitted) << QString::fromUtf16(c.filter).toStdString();
  }
}

TEST_F(RosterTest, OlderYearsFirstThenNamesInJapaneseOrder) {
  // In code points every hiragana comes before every katakana; a Japanese reader puts イ before う.
  installation.writeRoster({rosterLine(1, 2003, QStringLiteral("うえだ")), rosterLine(2, 2002, QStringLiteral("わだ")),
                            rosterLine(3, 2003, QStringLiteral("イトウ")), rosterLine(4, 2003, QStringLiteral("あべ")),
                            rosterLine(5, 2004, QStringLiteral("あんどう"))});
  EXPECT_EQ(listing().pupilNo, (std::vector<int>{0, 2, 4, 3, 1, 5}));
}

TEST_F(RosterTest, KeysKeptFromTheLastListingGiveTheListingMadeWithoutThem) {
  RosterSortKeys kept;
  const std::vector<QStringList> rosters = {
      {rosterLine(1, 2003, QStringLiteral("うえだ")), rosterLine(3, 2003, QStringLiteral("イトウ"))},
      {rosterLine(1, 2003, QStringLiteral("うえだ")), rosterLine(3, 2003, QStringLiteral("イトウ"))},
      // Renamed and one more: old keys must not place the new texts.
      {rosterLine(1, 2003, QStringLiteral("あべ")), rosterLine(3, 2003, QStringLiteral("イトウ")),
       rosterLine(4, 2003, QStringLiteral("あんどう"))},
  };
  for (const QStringList& roster : rosters) {
    installation.writeRoster(roster);
    const RosterListing withKept = buildRosterListing(state, clock, pause, 1, kAllGrades, &kept);
    const RosterListing fresh = listing();
    EXPECT_EQ(withKept.lines, fresh.lines);
    EXPECT_EQ(withKept.pupilNo, fresh.pupilNo);
    EXPECT_EQ(kept.size(), roster.size());  // only this listing's keys are kept
  }
}

TEST_F(RosterTest, EachLineKeepsItsPupilAfterFiltering) {
  // School year 2010: born 1997 中1, 1999 小5, 2006 幼2, 1993 高2.
  installation.writeRoster({rosterLine(11, 1999, QStringLiteral("小五")), rosterLine(12, 1997, QStringLiteral("中一")),
                            rosterLine(13, 2006, QStringLiteral("幼二")), rosterLine(14, 1993, QStringLiteral("高二")),
                            rosterLine(15, 1997, QStringLiteral("中一乙"))});
  const RosterListing middle = listing(1, QStringLiteral("中学生全体"));
  EXPECT_EQ(middle.pupilNo, (std::vector<int>{0, 12, 15}));
  for (int i = 1; i < middle.lines.size(); ++i)
    EXPECT_TRUE(middle.lines[i].contains(state.pupilName[middle.pupilAt(i)].trimmed())) << i;
  EXPECT_EQ(middle.pupilAt(3), 0);

  EXPECT_EQ(listing(1, QStringLiteral("小５")).pupilNo, (std::vector<int>{0, 11}));
  EXPECT_EQ(listing(1, QStringLiteral("小１")).pupilNo, (std::vector<int>{0}));
  EXPECT_EQ(listing(1, kAllGrades).pupilNo, (std::vector<int>{0, 14, 12, 15, 11, 13}));
  EXPECT_EQ(listing(1, kAllGrades).lines.mid(1, 1), QStringList{QStringLiteral("高2 高二　　　　  　/       ")});
}
}  // namespace
