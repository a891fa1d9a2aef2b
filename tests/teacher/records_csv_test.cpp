#include <gtest/gtest.h>

#include <QFile>
#include <QPushButton>
#include <QTest>

#include "core/app_state.h"
#include "core/screen_names.h"
#include "platform/text_codec.h"
#include "support/test_app.h"
#include "teacher/frm_data.h"
#include "teacher/records_csv.h"

TEST(RecordsCsv, OneLinePerListedRecordWithItsNameGradeLevelAndSchool) {
  AppState s;
  s.schoolCode = u"12345"_qs;
  s.schoolName = u"テスト塾"_qs;
  s.levelName[3] = u"１３の段 "_qs;
  RosterNames names;
  names.nameByNo[12] = u"山田,太郎"_qs;
  names.gradeByNo[12] = u"小４"_qs;
  ResultRecord own = TempInstallation::record(46365, 12, 3, 85, 0.75);
  own.schoolCode = "12345";
  ResultRecord other = TempInstallation::record(46364, 7, 3, 99999, 0.5);
  other.schoolCode = "99999";
  ResultRecord noLevel = TempInstallation::record(46364, 7, 0, 50);
  const RecordsListing listing({own, noLevel, other}, names, "12345", s.schoolName);

  EXPECT_EQ(decodeCp932(recordsCsv(listing, s).bytes()),
            u"番号,日付,時刻,生徒番号,名前,学年,レベル,レベル名,タイム秒,学校\r\n"
            "1,2026/12/09,18:00:00,12,\"山田,太郎\",小４,3,１３の段,85,テスト塾\r\n"
            "3,2026/12/08,12:00:00,7,,,3,１３の段,99999,他塾\r\n"_qs);
}

TEST(RecordsCsv, TheBrowsersButtonSavesWhereTheDialogSays) {
  TestApp app;
  app.loadInstallation();
  app.installation.writeResults({TempInstallation::record(app.clock.dateNumber(), 1, 1, 70)});
  app.navigator.show(screens::kRecordsBrowser);
  auto* browser = app.screen<FrmData>(screens::kRecordsBrowser);
  const QString path = app.installation.root() + u"/一覧.csv"_qs;
  app.fileDialogs.answer = path;
  QTest::mouseClick(browser->Command7, Qt::LeftButton);
  ASSERT_EQ(app.fileDialogs.suggested.size(), 1);
  EXPECT_TRUE(app.fileDialogs.suggested[0].endsWith(u"成績一覧_2026-12-09.csv"_qs));
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QStringList lines = decodeCp932(file.readAll()).split(u"\r\n"_qs);
  ASSERT_EQ(lines.size(), 3);  // heading, the record, and nothing after the last CR LF
  EXPECT_TRUE(lines[1].startsWith(u"1,2026/12/09,12:00:00,1,山田太郎,"_qs)) << lines[1].toStdString();

  // A cancelled dialog writes nothing and says nothing.
  app.fileDialogs.answer.clear();
  app.boxes.shown.clear();
  QFile::remove(path);
  QTest::mouseClick(browser->Command7, Qt::LeftButton);
  EXPECT_FALSE(QFile::exists(path));
  EXPECT_TRUE(app.boxes.shown.empty());
}
