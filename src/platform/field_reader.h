#pragma once

#include <QString>
#include <QStringList>

// Reads the comma-separated fields of the school's text files as one stream across lines: a comma or a
// line end ends a field, spaces around a field are dropped, a field in double quotes is taken
// literally (commas included). Reading past the last field is a FileError naming the file.
class FieldReader {
 public:
  FieldReader(QString text, QString fileName);

  bool atEnd() const;  // nothing but blanks and line ends is left
  QString next();
  // The field read as a number: an empty or non-numeric field gives 0.
  double nextNumber();
  int nextInt();
  bool lastWasQuoted() const { return lastQuoted_; }

 private:
  void skipBlanks();
  void skipLineEnds();

  QString text_;
  QString fileName_;
  qsizetype pos_ = 0;
  bool lastQuoted_ = false;
};

// The lines of a text: LF, CR LF and a lone CR each end a line, and a last line without a line end is
// a line too.
QStringList textLines(const QString& text);

// The fields of one line of a file that holds one record a line, read by FieldReader's rules. A field
// the line does not reach is empty (0 as a number); fields past the ones asked for are never read.
class LineFields {
 public:
  explicit LineFields(const QString& line) : reader_(line, QString()) {}

  QString next();
  double nextNumber();
  int nextInt();
  bool lastWasQuoted() const { return lastQuoted_; }

 private:
  FieldReader reader_;
  bool lastQuoted_ = false;
};

// The number a field holds; empty or non-numeric text gives 0.
double fieldNumber(const QString& field);
// Rounds as the file conversions do: halves go to the even neighbour.
int roundToInt(double value);
// The leading number of a text: optional blanks and sign, digits, one decimal point; reading stops at
// the first character that cannot continue the number.
double leadingNumber(const QString& text);
