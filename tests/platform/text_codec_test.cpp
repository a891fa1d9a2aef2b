#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "platform/file_error.h"
#include "platform/text_codec.h"

TEST(TextCodec, Cp932RoundTripKeepsCircledDigitsRomanNumeralsAndHalfWidthKana) {
  const QString text = u"①Ⅰ小１ｽﾀｰﾄ山田★先生"_qs;
  const QByteArray bytes = encodeCp932(text);
  EXPECT_EQ(bytes.left(4), QByteArray::fromHex("8740" "8754"));  // ① and Ⅰ as CP932 has them
  EXPECT_EQ(decodeCp932(bytes), text);
}

TEST(TextCodec, WritesCrLfLinesAndReadsThemBack) {
  QTemporaryDir dir;
  const QString path = dir.filePath(u"新名簿.txt"_qs);
  writeTextFile(path, {u"1,2016"_qs, u"\"山田\""_qs});
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), QByteArray("1,2016\r\n\"") + encodeCp932(u"山田"_qs) + "\"\r\n");
  EXPECT_EQ(readTextFile(path), u"1,2016\r\n\"山田\"\r\n"_qs);
}

TEST(TextCodec, MissingFileIsAFileErrorNamingIt) {
  QTemporaryDir dir;
  const QString path = dir.filePath(u"共通データ.txt"_qs);
  try {
    readTextFile(path);
    FAIL();
  } catch (const FileError& e) {
    EXPECT_TRUE(e.message().contains(path));
  }
}
