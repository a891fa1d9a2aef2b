#include <gtest/gtest.h>

#include <QFile>

#include "core/app_state.h"
#include "core/criteria.h"
#include "platform/file_error.h"
#include "platform/text_codec.h"
#include "support/temp_installation.h"

namespace {
AppState stateFor(const TempInstallation& inst) {
  AppState s;
  s.programDataFolder = inst.programDataFolder();
  return s;
}
}  // namespace

TEST(Criteria, LoadsTheHeadingIntoIndexZeroAndEachLineIntoItsLevel) {
  TempInstallation inst;
  inst.writeCriteria({u"30,40,100,5,1.5,5,300,7,3,x,,\"a,b\""_qs, u"45,90,9999,9999,2,0,0,1,0,,,"_qs});
  AppState s = stateFor(inst);
  loadCriteria(s);
  EXPECT_EQ(s.passTime[0], 0);  // the heading's texts read as 0
  EXPECT_EQ(s.passTime[1], 30);
  EXPECT_EQ(s.lowestTime[1], 40);
  EXPECT_EQ(s.clearPoints[1], 100);
  EXPECT_EQ(s.clearCount[1], 5);
  EXPECT_FLOAT_EQ(s.pointFactor[1], 1.5f);
  EXPECT_EQ(s.overPracticeCount[1], 5);
  EXPECT_EQ(s.overPracticePoints[1], 300);
  EXPECT_EQ(s.judgeDays[1], 7);
  EXPECT_EQ(s.overPracticeDays[1], 3);
  EXPECT_EQ(s.criteriaExtra1[1], Value(u"x"_qs));
  EXPECT_TRUE(s.criteriaExtra2[1].isEmpty());
  EXPECT_EQ(s.criteriaExtra3[1], Value(u"a,b"_qs));
  EXPECT_EQ(s.clearPoints[2], 9999);
  EXPECT_FLOAT_EQ(s.pointFactor[2], 2.0f);
}

TEST(Criteria, LevelsTheFileDoesNotReachKeepTheirValues) {
  TempInstallation inst;
  inst.writeCriteria({});
  AppState s = stateFor(inst);
  s.passTime[1] = 77;
  loadCriteria(s);
  EXPECT_EQ(s.passTime[1], 77);
}

TEST(Criteria, EmptyAndTextFieldsInNumberColumnsReadAsZero) {
  TempInstallation inst;
  inst.writeCriteria({u",abc,100,5,,0,0,7,7,,,"_qs});
  AppState s = stateFor(inst);
  s.passTime[1] = 5;
  loadCriteria(s);
  EXPECT_EQ(s.passTime[1], 0);
  EXPECT_EQ(s.lowestTime[1], 0);
  EXPECT_EQ(s.pointFactor[1], 0.0f);
}

TEST(Criteria, LinesPastLevel35AreIgnored) {
  TempInstallation inst;
  QStringList lines;
  for (int level = 1; level <= 40; ++level) lines.append(QString::number(level) + u",1,1,1,1,0,0,1,1,,,"_qs);
  inst.writeCriteria(lines);
  AppState s = stateFor(inst);
  loadCriteria(s);
  EXPECT_EQ(s.passTime[35], 35);
}

TEST(Criteria, EachLineIsOneLevelWhateverItsFieldsAndLineEnds) {
  const QByteArray heading = encodeCp932(criteriaHeadings().join(u','));
  const struct {
    const char* what;
    QByteArray levelLines;  // after the heading and its line end
    int passTime1, lowestTime1, clearCount1, passTime2;
    double judgeDays1;
    Value extra3Of1;
  } cases[] = {
      {"CR LF, twelve fields", "30,40,100,5,1,0,0,7,3,,,x\r\n45,90,100,5,1,0,0,7,3,,,\r\n",
       30, 40, 5, 45, 7, Value(u"x"_qs)},
      // A spreadsheet saves a row without its empty cells at the end, and with LF line ends.
      {"LF, empty cells left off", "30,40,100,5,1,0,0,7,3\n45,90\n", 30, 40, 5, 45, 7, Value()},
      {"a line of two fields", "30,40\n45,90,100,5,1,0,0,7,3\n", 30, 40, 0, 45, 0, Value()},
      {"no line end after the last line", "30,40,100,5,1,0,0,7,3,,,\r\n45,90", 30, 40, 5, 45, 7, Value()},
      {"extra fields ignored", "30,40,100,5,1,0,0,7,3,,,z,99,99\n45\n", 30, 40, 5, 45, 7, Value(u"z"_qs)},
      {"a blank line is a level of zeros", "\n45,90\n", 0, 0, 0, 45, 0, Value()},
      {"blank lines after the last level hold none", "30,40,100,5,1,0,0,7,3\n45\n\n\r\n",
       30, 40, 5, 45, 7, Value()},
  };
  for (const auto& c : cases) {
    TempInstallation inst;
    inst.writeBytes(u"data/prog/"_qs + kCriteriaFileName, heading + ",,,\n" + c.levelLines);
    AppState s = stateFor(inst);
    s.passTime[3] = 77;
    ASSERT_NO_THROW(loadCriteria(s)) << c.what;
    EXPECT_EQ(s.passTime[1], c.passTime1) << c.what;
    EXPECT_EQ(s.lowestTime[1], c.lowestTime1) << c.what;
    EXPECT_EQ(s.clearCount[1], c.clearCount1) << c.what;
    EXPECT_EQ(s.judgeDays[1], c.judgeDays1) << c.what;
    EXPECT_EQ(s.criteriaExtra3[1], c.extra3Of1) << c.what;
    EXPECT_EQ(s.passTime[2], c.passTime2) << c.what;
    EXPECT_EQ(s.passTime[3], 77) << c.what;  // no third level in any of them
    const QList<QStringList> rows = readCriteriaRows(criteriaPath(s));
    ASSERT_EQ(rows.size(), 3) << c.what;
    for (const QStringList& row : rows) EXPECT_EQ(row.size(), kCriteriaFields) << c.what;
    EXPECT_EQ(rows[2][0], QString::number(c.passTime2)) << c.what;
  }
}

TEST(Criteria, WhatTheWriterWritesLoadsBackTheSame) {
  TempInstallation inst;
  AppState s = stateFor(inst);
  QList<QStringList> rows = {criteriaHeadings() + QStringList{QString(), QString(), QString()}};
  for (int level = 1; level <= 25; ++level)
    rows.append({QString::number(20 + level), QString::number(40 + level), u"100"_qs, u"5"_qs,
                 level % 2 ? u"1.5"_qs : u"1"_qs, u"5"_qs, u"0"_qs, u"7"_qs, u"3"_qs, u""_qs, u""_qs,
                 u""_qs});
  writeCriteria(criteriaPath(s), rows);
  EXPECT_TRUE(readTextFile(criteriaPath(s)).startsWith(
      u"目標Time,最低Time,ｸﾘｱﾎﾟｲﾝﾄ,ｸﾘｱ回数,ﾎﾟｲﾝﾄ倍率,禁回,禁点,判期間,禁期間,,,\r\n"_qs));
  loadCriteria(s);
  for (int level = 1; level <= 25; ++level) {
    EXPECT_EQ(s.passTime[level], 20 + level);
    EXPECT_EQ(s.lowestTime[level], 40 + level);
    EXPECT_FLOAT_EQ(s.pointFactor[level], level % 2 ? 1.5f : 1.0f);
  }
}

TEST(Criteria, TheEditorsRowsReadAndWriteBackByteForByte) {
  TempInstallation inst;
  // Fields as a teacher's file may hold them: blanks around a field, a quoted field, text.
  inst.writeCriteria({u" 30 ,40,100,5,1.5,,,7,3,メモ,,\"a b\""_qs, u"45,90,9999,9999,2,0,0,1,0,,,"_qs});
  const QList<QStringList> rows = readCriteriaRows(inst.criteriaPath());
  ASSERT_EQ(rows.size(), 3);
  EXPECT_EQ(rows[0][0], u"目標Time"_qs);
  EXPECT_EQ(rows[1], (QStringList{u"30"_qs, u"40"_qs, u"100"_qs, u"5"_qs, u"1.5"_qs, u""_qs, u""_qs, u"7"_qs,
                                  u"3"_qs, u"メモ"_qs, u""_qs, u"a b"_qs}));

  // Written back as plain fields: no quotes added, CR LF, CP932.
  writeCriteria(inst.criteriaPath(), rows);
  QFile file(inst.criteriaPath());
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), encodeCp932(u"目標Time,最低Time,ｸﾘｱﾎﾟｲﾝﾄ,ｸﾘｱ回数,ﾎﾟｲﾝﾄ倍率,禁回,禁点,判期間,禁期間,,,\r\n"
                                        u"30,40,100,5,1.5,,,7,3,メモ,,a b\r\n"
                                        u"45,90,9999,9999,2,0,0,1,0,,,\r\n"_qs));

  inst.writeCriteria({u"30,40,100"_qs});
  EXPECT_EQ(readCriteriaRows(inst.criteriaPath())[1],
            (QStringList{u"30"_qs, u"40"_qs, u"100"_qs} + QStringList(9, QString())));
}

TEST(Criteria, ATableReadAsUtf8IsSavedBackInCp932) {
  TempInstallation inst;
  const QString text = criteriaHeadings().join(u',') + u",,,\n30,40,100,5,1.5,,,7,3,メモ\n"_qs;
  inst.writeBytes(u"data/prog/"_qs + kCriteriaFileName, "\xEF\xBB\xBF" + text.toUtf8());
  const QList<QStringList> rows = readCriteriaRows(inst.criteriaPath());
  ASSERT_EQ(rows.size(), 2);
  EXPECT_EQ(rows[1][9], u"メモ"_qs);
  writeCriteria(inst.criteriaPath(), rows);
  QFile file(inst.criteriaPath());
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), encodeCp932(criteriaHeadings().join(u',') + u",,,\r\n30,40,100,5,1.5,,,7,3,メモ,,\r\n"_qs));
}
