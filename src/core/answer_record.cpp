#include "core/answer_record.h"

#include <QtEndian>
#include <bit>

#include "core/app_state.h"

QString answerLogPath(const AppState& state) { return state.programDataFolder + kAnswerLogFileName; }

// Layout: 0 date (f64), 8 time of day (f64), 16 pupil (i16), 18 level (i16), 20 multiplicand (u8),
// 21 multiplier (u8), 22 result (u8), 23 zero, 24 answer ms (i32), 28 typed (i16), 30 two zeros.
QByteArray AnswerRecord::encode() const {
  QByteArray bytes(kSize, '\0');
  char* out = bytes.data();
  qToLittleEndian(std::bit_cast<quint64>(date), out + 0);
  qToLittleEndian(std::bit_cast<quint64>(timeOfDay), out + 8);
  qToLittleEndian<qint16>(pupilNo, out + 16);
  qToLittleEndian<qint16>(level, out + 18);
  out[20] = char(multiplicand);
  out[21] = char(multiplier);
  out[22] = char(result);
  qToLittleEndian<qint32>(answerMs, out + 24);
  qToLittleEndian<qint16>(typed, out + 28);
  return bytes;
}

AnswerRecord AnswerRecord::decode(const char* in) {
  AnswerRecord r;
  r.date = std::bit_cast<double>(qFromLittleEndian<quint64>(in + 0));
  r.timeOfDay = std::bit_cast<double>(qFromLittleEndian<quint64>(in + 8));
  r.pupilNo = qFromLittleEndian<qint16>(in + 16);
  r.level = qFromLittleEndian<qint16>(in + 18);
  r.multiplicand = uint8_t(in[20]);
  r.multiplier = uint8_t(in[21]);
  r.result = Result(uint8_t(in[22]));
  r.answerMs = qFromLittleEndian<qint32>(in + 24);
  r.typed = qFromLittleEndian<qint16>(in + 28);
  return r;
}

bool AnswerRecord::isPlausible() const {
  const auto code = uint8_t(result);
  return date >= 0 && date < 2958466 && timeOfDay >= 0 && timeOfDay < 1 && pupilNo >= 1 &&
         pupilNo <= 5000 && level >= 1 && level <= 35 && multiplicand >= 11 && multiplicand <= 13 &&
         multiplier >= 1 && multiplier <= 20 && code >= 1 && code <= 3 && answerMs >= 0;
}
