#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "core/csv_table.h"
#include "platform/file_error.h"

TEST(CsvTable, QuotesOnlyTheFieldsThatNeedIt) {
  struct Case {
    QString value, written;
  } cases[] = {
      {u"山田太郎"_qs, u"山田太郎"_qs},
      {u""_qs, u""_qs},
      {u"山田,太郎"_qs, u"\"山田,太郎\""_qs},
      {u"ab\"c"_qs, u"\"ab\"\"c\""_qs},
      {u"上\r\n下"_qs, u"\"上\r\n下\""_qs},
      {u"上\n下"_qs, u"\"上\n下\""_qs},
      {u" 12 "_qs, u" 12 "_qs},
  };
  for (const Case& c : cases) EXPECT_EQ(CsvTable::field(c.value), c.written) << c.value.toStdString();
}

TEST(CsvTable, WritesAHeadingAndRowsAsCp932WithCrLf) {
  CsvTable table({u"番号"_qs, u"名前"_qs});
  table.addRow({u"1"_qs, u"佐藤,花子"_qs});
  EXPECT_EQ(table.rowCount(), 1);
  // 番号 = 94 d4 8d 86, 名前 = 96 bc 91 4f, 佐藤 = 8d b2 93 a1, 花子 = 89 d4 8e 71
  EXPECT_EQ(table.bytes(), QByteArray::fromHex("94d48d862c96bc914f0d0a") + "1,\"" +
                               QByteArray::fromHex("8db293a1") + "," + QByteArray::fromHex("89d48e71") +
                               "\"\r\n");

  QTemporaryDir dir;
  const QString path = dir.filePath(u"一覧.csv"_qs);
  table.save(path);
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), table.bytes());
  EXPECT_THROW(table.save(dir.filePath(u"ない/一覧.csv"_qs)), FileError);
}
