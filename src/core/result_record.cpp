#include "core/result_record.h"

#include <QtEndian>
#include <bit>
#include <cstring>

namespace {
QByteArray fixedText(const QByteArray& text, char pad) {
  QByteArray field = text.left(5);
  while (field.size() < 5) field.append(pad);
  return field;
}

void putDouble(char* at, double value) {
  qToLittleEndian(std::bit_cast<quint64>(value), at);
}

double getDouble(const char* at) { return std::bit_cast<double>(qFromLittleEndian<quint64>(at)); }
}  // namespace

QByteArray ResultRecord::encode() const {
  QByteArray bytes(kSize, '\0');
  char* out = bytes.data();
  putDouble(out + 0, date);
  putDouble(out + 8, timeOfDay);
  qToLittleEndian<qint16>(pupilNo, out + 16);
  qToLittleEndian<qint16>(level, out + 18);
  qToLittleEndian<qint32>(runTime, out + 20);
  std::memcpy(out + 24, fixedText(schoolCode, ' ').constData(), 5);
  std::memcpy(out + 29, fixedText(text2, ' ').constData(), 5);
  std::memcpy(out + 34, fixedText(text3, ' ').constData(), 5);
  std::memcpy(out + 39, fixedText(reserved, '\0').constData(), 5);
  return bytes;
}

RecordNumbers decodeNumbers(const char* in) {
  RecordNumbers n;
  n.date = getDouble(in + 0);
  n.timeOfDay = getDouble(in + 8);
  n.pupilNo = qFromLittleEndian<qint16>(in + 16);
  n.level = qFromLittleEndian<qint16>(in + 18);
  n.runTime = qFromLittleEndian<qint32>(in + 20);
  return n;
}

ResultRecord ResultRecord::decode(const char* in) {
  ResultRecord r;
  const RecordNumbers n = decodeNumbers(in);
  r.date = n.date;
  r.timeOfDay = n.timeOfDay;
  r.pupilNo = n.pupilNo;
  r.level = n.level;
  r.runTime = n.runTime;
  r.schoolCode = QByteArray(in + 24, 5);
  r.text2 = QByteArray(in + 29, 5);
  r.text3 = QByteArray(in + 34, 5);
  r.reserved = QByteArray(in + 39, 5);
  return r;
}
