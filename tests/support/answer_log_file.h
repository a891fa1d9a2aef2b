#pragma once

#include <QFile>
#include <QString>
#include <vector>

#include "core/answer_record.h"

// Answers for a test's log: a right answer of pupil 1 at level 1 unless the test says otherwise.
inline AnswerRecord answerOf(double date, int pupilNo, int multiplicand, int multiplier,
                             AnswerRecord::Result result = AnswerRecord::Result::Right, int answerMs = 1500) {
  AnswerRecord a;
  a.date = date;
  a.timeOfDay = 0.5;
  a.pupilNo = int16_t(pupilNo);
  a.level = 1;
  a.multiplicand = uint8_t(multiplicand);
  a.multiplier = uint8_t(multiplier);
  a.result = result;
  a.answerMs = answerMs;
  a.typed = int16_t(multiplicand * multiplier);
  return a;
}

inline QByteArray answerLogBytes(const std::vector<AnswerRecord>& answers) {
  QByteArray bytes;
  for (const AnswerRecord& a : answers) bytes += a.encode();
  return bytes;
}

inline void writeAnswerLog(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.write(bytes);
}
