#include "platform/field_reader.h"

#include <cmath>
#include <limits>
#include <optional>

#include "platform/file_error.h"

namespace {
bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }
bool isLineEnd(QChar c) { return c == u'\r' || c == u'\n'; }
}  // namespace

FieldReader::FieldReader(QString text, QString fileName)
    : text_(std::move(text)), fileName_(std::move(fileName)) {}

bool FieldReader::atEnd() const {
  for (qsizetype i = pos_; i < text_.size(); ++i)
    if (!isBlank(text_[i]) && !isLineEnd(text_[i])) return false;
  return true;
}

void FieldReader::skipBlanks() {
  while (pos_ < text_.size() && isBlank(text_[pos_])) ++pos_;
}

void FieldReader::skipLineEnds() {
  while (pos_ < text_.size() && (isLineEnd(text_[pos_]) || isBlank(text_[pos_]))) ++pos_;
}

QString FieldReader::next() {
  // A field starts after the previous one's terminator; blank lines in between hold no field.
  if (pos_ >= text_.size())
    throw FileError(QStringLiteral("ファイルの終わりを越えて読もうとしました。\n%1").arg(fileName_));
  skipBlanks();
  QString field;
  lastQuoted_ = pos_ < text_.size() && text_[pos_] == u'"';
  if (lastQuoted_) {
    const qsizetype close = text_.indexOf(u'"', pos_ + 1);
    const qsizetype end = close < 0 ? text_.size() : close;
    field = text_.mid(pos_ + 1, end - pos_ - 1);
    pos_ = close < 0 ? text_.size() : close + 1;
    // Anything between the closing quote and the terminator is dropped.
    while (pos_ < text_.size() && text_[pos_] != u',' && !isLineEnd(text_[pos_])) ++pos_;
  } else {
    const qsizetype start = pos_;
    while (pos_ < text_.size() && text_[pos_] != u',' && !isLineEnd(text_[pos_])) ++pos_;
    field = text_.mid(start, pos_ - start).trimmed();
  }
  if (pos_ < text_.size()) {
    if (text_[pos_] == u',') {
      ++pos_;
    } else {
      // One line end (CR LF, LF or CR) ends the field; following empty lines are skipped.
      if (text_[pos_] == u'\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == u'\n') ++pos_;
      ++pos_;
      skipLineEnds();
    }
  }
  return field;
}

double FieldReader::nextNumber() { return fieldNumber(next()); }

int FieldReader::nextInt() { return roundToInt(nextNumber()); }

QStringList textLines(const QString& text) {
  QStringList lines;
  qsizetype start = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (!isLineEnd(text[i])) continue;
    lines.append(text.mid(start, i - start));
    if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.append(text.mid(start));
  return lines;
}

QString LineFields::next() {
  if (reader_.atEnd()) {
    lastQuoted_ = false;
    return {};
  }
  QString field = reader_.next();
  lastQuoted_ = reader_.lastWasQuoted();
  return field;
}

double LineFields::nextNumber() { return fieldNumber(next()); }

int LineFields::nextInt() { return roundToInt(nextNumber()); }

namespace {
// A field of plain digits, as nearly every number in the data files is, read without the general
// conversion, which cost more than the rest of reading a large roster; the value is the one the
// conversion gives. Anything else gives nothing here.
std::optional<double> plainWholeNumber(QStringView text) {
  const bool negative = text.startsWith(u'-');
  const QStringView digits = negative ? text.mid(1) : text;
  // Up to 15 digits are exact in a double.
  if (digits.isEmpty() || digits.size() > 15) return std::nullopt;
  qint64 value = 0;
  for (QChar c : digits) {
    if (c < u'0' || c > u'9') return std::nullopt;
    value = value * 10 + (c.unicode() - u'0');
  }
  return negative ? -double(value) : double(value);
}
}  // namespace

double fieldNumber(const QString& field) {
  const QStringView text = QStringView(field).trimmed();
  if (const std::optional<double> plain = plainWholeNumber(text)) return *plain;
  bool ok = false;
  const double value = text.toDouble(&ok);
  return ok && std::isfinite(value) ? value : 0.0;
}

int roundToInt(double value) {
  if (!std::isfinite(value)) return 0;
  const double rounded = std::nearbyint(value);
  if (rounded > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  if (rounded < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
  return static_cast<int>(rounded);
}

double leadingNumber(const QString& text) {
  qsizetype i = 0;
  while (i < text.size() && text[i] == u' ') ++i;
  QString number;
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) number += text[i++];
  bool seenPoint = false;
  for (; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c >= u'0' && c <= u'9') {
      number += c;
    } else if (c == u'.' && !seenPoint) {
      seenPoint = true;
      number += c;
    } else {
      break;
    }
  }
  bool ok = false;
  const double value = number.toDouble(&ok);
  return ok ? value : 0.0;
}
