#pragma once

#include <QString>

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

// The number a field holds; empty or non-numeric text gives 0.
double fieldNumber(const QString& field);
// Rounds as the file conversions do: halves go to the even neighbour.
int roundToInt(double value);
// The leading number of a text: optional blanks and sign, digits, one decimal point; reading stops at
// the first character that cannot continue the number.
double leadingNumber(const QString& text);
