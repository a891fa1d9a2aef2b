#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

struct AppState;

// The answer log lies beside the results file in the program data folder.
inline const QString kAnswerLogFileName = QStringLiteral("解答記録.dat");
QString answerLogPath(const AppState& state);

// One answer of a run in the answer log: 32 bytes, little-endian, encoded and decoded field by field.
// A run's answers carry the date and time of day of the run's results record and its pupil number,
// which together name the run.
struct AnswerRecord {
  static constexpr int kSize = 32;

  enum class Result : uint8_t { Right = 1, Wrong = 2, RightOnRetry = 3 };

  double date = 0;       // days since 1899-12-30, whole; as in the run's results record
  double timeOfDay = 0;  // fraction of a day; as in the run's results record
  int16_t pupilNo = 0;
  int16_t level = 0;
  uint8_t multiplicand = 0;  // 11..13
  uint8_t multiplier = 0;    // 1..20
  Result result = Result::Right;
  int32_t answerMs = 0;   // from the problem being shown to the Space that submits the answer
  int16_t typed = -1;     // the number the pupil typed, -1 when nothing readable was typed

  QByteArray encode() const;
  static AnswerRecord decode(const char* bytes);
  // A record whose fields lie in their ranges; the log's reader skips and counts the others.
  bool isPlausible() const;

  friend bool operator==(const AnswerRecord&, const AnswerRecord&) = default;
};
