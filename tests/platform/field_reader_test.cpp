#include <gtest/gtest.h>

#include <QStringList>

#include "platform/field_reader.h"
#include "platform/file_error.h"

namespace {

QStringList allFields(const QString& text) {
  FieldReader reader(text, QStringLiteral("t.txt"));
  QStringList fields;
  while (!reader.atEnd()) fields.append(reader.next());
  return fields;
}

struct FieldCase {
  const char* name;
  QString text;
  QStringList fields;
};

class FieldReaderCases : public ::testing::TestWithParam<FieldCase> {};

TEST_P(FieldReaderCases, ReadsTheFieldsOfTheText) {
  EXPECT_EQ(allFields(GetParam().text), GetParam().fields);
}

INSTANTIATE_TEST_SUITE_P(
    Conventions, FieldReaderCases,
    ::testing::Values(
        FieldCase{"CommasAndLineEnds", u"1,2\r\n3,4\r\n"_qs, {u"1"_qs, u"2"_qs, u"3"_qs, u"4"_qs}},
        FieldCase{"SpacesAroundDropped", u"  a b  ,  c \r\n"_qs, {u"a b"_qs, u"c"_qs}},
        FieldCase{"QuotedTakenLiterally", u"\" x, y \",z\r\n"_qs, {u" x, y "_qs, u"z"_qs}},
        FieldCase{"EmptyFields", u"a,,b\r\n"_qs, {u"a"_qs, u""_qs, u"b"_qs}},
        FieldCase{"TrailingCommasEndInEmptyField", u"a,,,\r\nb\r\n"_qs,
                  {u"a"_qs, u""_qs, u""_qs, u""_qs, u"b"_qs}},
        FieldCase{"LastLineWithoutLineEnd", u"a,b\r\nc"_qs, {u"a"_qs, u"b"_qs, u"c"_qs}},
        FieldCase{"BareLineFeeds", u"a\nb\n"_qs, {u"a"_qs, u"b"_qs}},
        FieldCase{"BlankLinesHoldNoField", u"a\r\n\r\n\r\nb\r\n\r\n"_qs, {u"a"_qs, u"b"_qs}},
        FieldCase{"TextAfterClosingQuoteDropped", u"\"ab\"cd,e\r\n"_qs, {u"ab"_qs, u"e"_qs}},
        FieldCase{"UnclosedQuoteRunsToTheEnd", u"\"ab,c"_qs, {u"ab,c"_qs}},
        FieldCase{"JapaneseText", u"正解音2,seikai1,*\r\n"_qs, {u"正解音2"_qs, u"seikai1"_qs, u"*"_qs}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FieldReader, ReadingPastTheEndIsAFileErrorNamingTheFile) {
  FieldReader reader(u"a,b\r\n"_qs, u"共通データ.txt"_qs);
  reader.next();
  reader.next();
  EXPECT_TRUE(reader.atEnd());
  try {
    reader.next();
    FAIL() << "no error";
  } catch (const FileError& e) {
    EXPECT_TRUE(e.message().contains(u"共通データ.txt"_qs));
  }
}

TEST(FieldReader, NumbersOfFields) {
  const struct {
    QString field;
    double number;
  } cases[] = {{u"30"_qs, 30}, {u" 1.5 "_qs, 1.5}, {u""_qs, 0}, {u"目標Time"_qs, 0}, {u"-4"_qs, -4},
               {u"12abc"_qs, 0}, {u"nan"_qs, 0}, {u"inf"_qs, 0}, {u"0123"_qs, 123}, {u"+5"_qs, 5},
               {u"1e3"_qs, 1000}, {u"-"_qs, 0}, {u"12 3"_qs, 0}, {u"\t2015\u3000"_qs, 2015},
               {u"１２"_qs, 0}, {u"1234567890123456789"_qs, 1234567890123456789.0}};
  for (const auto& c : cases) EXPECT_EQ(fieldNumber(c.field), c.number) << c.field.toStdString();
}

TEST(FieldReader, LeadingNumberStopsAtTheFirstCharacterThatCannotContinueIt) {
  const struct {
    QString text;
    double number;
  } cases[] = {{u"143"_qs, 143}, {u""_qs, 0}, {u"abc"_qs, 0}, {u"12+"_qs, 12}, {u"-5"_qs, -5},
               {u"1.5.3"_qs, 1.5}, {u"+7*"_qs, 7}, {u"  85秒"_qs, 85}, {u"."_qs, 0}, {u"/3"_qs, 0}};
  for (const auto& c : cases) EXPECT_EQ(leadingNumber(c.text), c.number) << c.text.toStdString();
}

TEST(FieldReader, RoundingSendsHalvesToTheEvenNeighbour) {
  EXPECT_EQ(roundToInt(2.5), 2);
  EXPECT_EQ(roundToInt(3.5), 4);
  EXPECT_EQ(roundToInt(-2.5), -2);
  EXPECT_EQ(roundToInt(1e30), std::numeric_limits<int>::max());
}

}  // namespace
