#pragma once

#include <QString>
#include <variant>

// A shared value that may be empty, a number or a text. Empty compares equal to 0 and to the empty
// text, so a value never set reads as 0.
class Value {
 public:
  Value() = default;
  Value(double number) : data_(number) {}
  Value(int number) : data_(double(number)) {}
  Value(const QString& text) : data_(text) {}

  // A field as read from a text file: a quoted field stays text; an unquoted one that reads as a
  // number becomes that number; an empty one stays empty.
  static Value fromField(const QString& field, bool quoted);

  bool isEmpty() const { return std::holds_alternative<std::monostate>(data_); }
  bool isNumber() const { return std::holds_alternative<double>(data_); }
  bool isText() const { return std::holds_alternative<QString>(data_); }

  double toNumber() const;  // empty 0; text by its leading number
  int toInt() const;
  QString toText() const;   // empty ""; a number in its shortest decimal form

  friend bool operator==(const Value& a, const Value& b);

 private:
  std::variant<std::monostate, double, QString> data_;
};

// The shortest decimal form of a number, as the screens write numbers ("1.5", "2", "85").
QString shortestDecimal(double number);
// The same for a single-precision number: 1.1f reads "1.1", not its double expansion.
QString singleText(float number);
