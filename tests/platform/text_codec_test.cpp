#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <random>

#include "platform/file_error.h"
#include "platform/text_codec.h"
#include "support/qstring_printer.h"

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

namespace {
QByteArray utf16le(const QString& text) {
  return QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
}
}  // namespace

TEST(TextEncoding, Cp932AndUtf8AreReadAndAnythingElseIsTold) {
  const QString names = u"1,2016,0,0,山田太郎,0\r\n2,2015,0,0,さとう　はなこ,0\r\n"_qs;
  const QString latinLine = u"3,2015,0,0,Ｔａｒｏ,0\n"_qs;
  const struct {
    const char* what;
    QByteArray bytes;
    QString text;  // empty: the encoding cannot be read
  } cases[] = {
      {"CP932", encodeCp932(names), names},
      {"ASCII only", QByteArray("1,2016,0,0,Taro,0\r\n"), u"1,2016,0,0,Taro,0\r\n"_qs},
      {"UTF-8 with the byte-order mark", "\xEF\xBB\xBF" + names.toUtf8(), names},
      {"UTF-8 with the byte-order mark, LF", "\xEF\xBB\xBF" + latinLine.toUtf8(), latinLine},
      {"UTF-8 without the mark", names.toUtf8(), names},
      {"UTF-8 kanji only, also valid CP932", u"山田"_qs.toUtf8(), u"山田"_qs},
      {"UTF-8 after ASCII lines", "a,b\nc,d\n" + u"田中先生\n"_qs.toUtf8(), u"a,b\nc,d\n田中先生\n"_qs},
      // Half-width katakana that are also valid UTF-8 (for "ý" and the like) stay CP932.
      {"CP932 half-width katakana", encodeCp932(u"ﾃｽ,ﾀﾛｳ\r\n"_qs), u"ﾃｽ,ﾀﾛｳ\r\n"_qs},
      // A CP932 name in a file otherwise UTF-8: the school's name is read as it was written.
      {"a CP932 line after a UTF-8 one", u"1,ab\n"_qs.toUtf8() + encodeCp932(u"2,山田\n"_qs),
       u"1,ab\n2,山田\n"_qs},
      {"a CP932 line in a file marked UTF-8", "\xEF\xBB\xBF" + u"1,山田\n"_qs.toUtf8() + encodeCp932(u"佐藤"_qs),
       {}},
      {"UTF-16 with its mark", "\xFF\xFE" + utf16le(names), {}},
      {"UTF-16 big-endian mark", QByteArray("\xFE\xFF\0001", 4), {}},
      {"UTF-16 without a mark", utf16le(u"1,2016"_qs), {}},
      {"bytes of neither", QByteArray("1,\xFF\xFE\xFD,2\r\n"), {}},
      {"a character cut off at the end", encodeCp932(u"山田"_qs).chopped(1), {}},
  };
  for (const auto& c : cases) {
    const QString path = u"/school/新名簿.txt"_qs;
    if (!c.text.isEmpty()) {
      EXPECT_EQ(decodeTextFile(c.bytes, path), c.text) << c.what;
      continue;
    }
    try {
      decodeTextFile(c.bytes, path);
      ADD_FAILURE() << c.what << ": read";
    } catch (const FileError& e) {
      EXPECT_EQ(e.message(),
                u"ファイルの文字コードが読めません。シフトJIS（CP932）かUTF-8で保存して下さい。\n"_qs + path)
          << c.what;
    }
  }
}

// Japanese names, generated: CP932 bytes of them are read as CP932, even the rare ones whose bytes are
// also valid UTF-8; the same names saved as UTF-8 are read as UTF-8.
TEST(TextEncoding, GeneratedNamesAreReadInTheEncodingTheyWereSavedIn) {
  // Every kanji of both JIS levels as CP932 holds them, the first level apart (the common ones), and
  // the kana.
  QStringList kanji, firstLevel;
  for (int lead = 0x88; lead <= 0xEA; ++lead) {
    if (lead == 0xA0) lead = 0xE0;
    for (int trail = 0x40; trail <= 0xFC; ++trail) {
      const QString c = decodeCp932(QByteArray(1, char(lead)) + char(trail));
      if (c.size() != 1 || c[0].unicode() < 0x4E00 || c[0].unicode() > 0x9FFF) continue;
      kanji.append(c);
      if (lead < 0x98 || (lead == 0x98 && trail < 0x9F)) firstLevel.append(c);
    }
  }
  ASSERT_GT(kanji.size(), 6000);
  ASSERT_GT(firstLevel.size(), 2900);
  QStringList kana, halfWidth;
  for (char16_t c = u'ぁ'; c <= u'ん'; ++c) kana.append(QString(QChar(c)));
  for (char16_t c = u'ァ'; c <= u'ヶ'; ++c) kana.append(QString(QChar(c)));
  for (const QChar c : u"ｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄﾅﾆﾇﾈﾉﾊﾋﾌﾍﾎﾏﾐﾑﾒﾓﾔﾕﾖﾗﾘﾙﾚﾛﾜｦﾝﾞﾟｰ"_qs) halfWidth.append(QString(c));

  std::mt19937 random(20160401);
  auto pick = [&random](const QStringList& from, int count) {
    std::uniform_int_distribution<qsizetype> index(0, from.size() - 1);
    QString text;
    for (int i = 0; i < count; ++i) text += from[index(random)];
    return text;
  };
  auto lineOf = [](int number, const QString& name) { return u"%1,2010,0,0,%2,0,,\r\n"_qs.arg(number).arg(name); };
  QString cp932Roster, utf8Roster;
  for (int i = 1; i <= 4000; ++i) {
    // Kanji of either level, so that the rare byte sequences that are also UTF-8 come up.
    QString name;
    switch (i % 4) {
      case 0: name = pick(kanji, 1 + i % 2); break;  // a short family name alone, the hardest case
      case 1: name = pick(kanji, 2) + u'　' + pick(kanji, 1 + i % 3); break;
      case 2: name = pick(kanji, 1 + i % 3) + pick(kana, 2 + i % 3); break;
      default: name = pick(halfWidth, 3 + i % 5); break;
    }
    const QString line = lineOf(i, name);
    cp932Roster += line;
    EXPECT_EQ(decodeTextFile(encodeCp932(line), u"新名簿.txt"_qs), line);
    EXPECT_EQ(decodeTextFile(encodeCp932(name), u"新名簿.txt"_qs), name);

    // Names as people have them, written in UTF-8.
    const QString utf8Name = i % 2 ? pick(firstLevel, 1 + i % 2) + u'　' + pick(firstLevel, 1 + i % 3)
                                   : pick(firstLevel, 1 + i % 3) + pick(kana, 1 + i % 3);
    const QString utf8Line = lineOf(i, utf8Name);
    utf8Roster += utf8Line;
    EXPECT_EQ(decodeTextFile(utf8Line.toUtf8(), u"新名簿.txt"_qs), utf8Line);
  }
  EXPECT_EQ(decodeTextFile(encodeCp932(cp932Roster), u"新名簿.txt"_qs), cp932Roster);
  EXPECT_EQ(decodeTextFile(utf8Roster.toUtf8(), u"新名簿.txt"_qs), utf8Roster);
}
