#include "core/value.h"

#include <charconv>

#include "platform/field_reader.h"

Value Value::fromField(const QString& field, bool quoted) {
  if (quoted) return Value(field);
  if (field.isEmpty()) return Value();
  bool ok = false;
  const double number = field.toDouble(&ok);
  return ok ? Value(number) : Value(field);
}

double Value::toNumber() const {
  if (const double* n = std::get_if<double>(&data_)) return *n;
  if (const QString* t = std::get_if<QString>(&data_)) return leadingNumber(*t);
  return 0.0;
}

int Value::toInt() const { return roundToInt(toNumber()); }

QString Value::toText() const {
  if (const double* n = std::get_if<double>(&data_)) return shortestDecimal(*n);
  if (const QString* t = std::get_if<QString>(&data_)) return *t;
  return {};
}

bool operator==(const Value& a, const Value& b) {
  if (a.isText() || b.isText()) {
    // A text compares as text; an empty value is the empty text.
    if (a.isNumber() || b.isNumber()) {
      const Value& text = a.isText() ? a : b;
      const Value& number = a.isNumber() ? a : b;
      return text.toText() == number.toText();
    }
    return a.toText() == b.toText();
  }
  return a.toNumber() == b.toNumber();
}

QString shortestDecimal(double number) { return QString::number(number, 'g', 15); }

QString singleText(float number) {
  char digits[64];
  const auto [end, error] = std::to_chars(digits, digits + sizeof digits, number, std::chars_format::fixed);
  if (error != std::errc()) return QString::number(double(number), 'g', 9);
  return QString::fromLatin1(digits, end - digits);
}
