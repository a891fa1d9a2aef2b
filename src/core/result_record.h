#pragma once

#include <QByteArray>
#include <cstdint>

// One recorded run: 44 bytes, little-endian, encoded and decoded field by field.
struct ResultRecord {
  static constexpr int kSize = 44;

  double date = 0;       // days since 1899-12-30, whole
  double timeOfDay = 0;  // fraction of a day
  int16_t pupilNo = 0;
  int16_t level = 0;
  int32_t runTime = 0;
  QByteArray schoolCode;  // CP932 bytes, cut or padded with spaces to 5
  QByteArray text2 = QByteArray(5, ' ');
  QByteArray text3 = QByteArray("0    ");
  QByteArray reserved = QByteArray(5, '\0');

  QByteArray encode() const;
  static ResultRecord decode(const char* bytes);

  friend bool operator==(const ResultRecord&, const ResultRecord&) = default;
};

// The numbers of an encoded record, read without copying its texts: all the results loader keeps of
// each of the thousands of records it reads at every recount.
struct RecordNumbers {
  double date = 0;
  double timeOfDay = 0;
  int16_t pupilNo = 0;
  int16_t level = 0;
  int32_t runTime = 0;
};
RecordNumbers decodeNumbers(const char* bytes);
