#include "results_generator.h"

#include <QFile>
#include <random>

#include "core/answer_record.h"
#include "core/app_state.h"
#include "core/result_record.h"

void writeLargeResultsFile(const QString& path, int records, int pupils, double today, unsigned seed) {
  std::mt19937 engine(seed);
  std::uniform_int_distribution<int> pupil(1, pupils);
  std::uniform_int_distribution<int> level(1, 25);
  std::normal_distribution<double> seconds(70, 25);
  std::uniform_real_distribution<double> timeOfDay(0.62, 0.85);  // after-school lessons
  std::uniform_int_distribution<int> percent(0, 99);

  QByteArray bytes;
  bytes.reserve(qsizetype(records) * ResultRecord::kSize);
  // Oldest first, as the file grows: about 150 runs a school day over the year before today.
  for (int i = 0; i < records; ++i) {
    ResultRecord r;
    r.date = today - double(records - 1 - i) * 365.0 / records;
    r.date = double(qint64(r.date));
    r.timeOfDay = timeOfDay(engine);
    r.pupilNo = int16_t(pupil(engine));
    r.level = int16_t(level(engine));
    r.runTime = percent(engine) < 3 ? 99999 : std::max(15, int(seconds(engine)));
    r.schoolCode = "12345";
    bytes += r.encode();
  }
  QFile file(path);
  if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.write(bytes);
}

void setLargeSchoolCriteria(AppState& state) {
  for (int level = 1; level <= 25; ++level) {
    state.passTime[level] = 60;
    state.lowestTime[level] = 120;
    state.pointFactor[level] = 1.5f;
    state.judgeDays[level] = 7;
    state.overPracticeDays[level] = 14;
  }
}

void writeLargeAnswerLog(const QString& path, qint64 answers, int pupils, double today, int days, unsigned seed) {
  constexpr int kRunLength = 20;
  std::mt19937 engine(seed);
  std::uniform_int_distribution<int> pupil(1, pupils);
  std::uniform_int_distribution<int> level(1, 25);
  std::uniform_int_distribution<int> multiplicand(11, 13);
  std::uniform_int_distribution<int> multiplier(1, 20);
  std::uniform_int_distribution<int> percent(0, 99);
  std::lognormal_distribution<double> spread(0.0, 0.35);
  std::uniform_real_distribution<double> timeOfDay(0.62, 0.85);

  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return;
  QByteArray block;
  AnswerRecord a;
  for (qint64 i = 0; i < answers; ++i) {
    if (i % kRunLength == 0) {
      a.date = double(qint64(today - double(answers - 1 - i) * days / double(answers)));
      a.timeOfDay = timeOfDay(engine);
      a.pupilNo = int16_t(pupil(engine));
      a.level = int16_t(level(engine));
    }
    a.multiplicand = uint8_t(multiplicand(engine));
    a.multiplier = uint8_t(multiplier(engine));
    const int p = percent(engine);
    a.result = p < 8 ? AnswerRecord::Result::Wrong : p < 12 ? AnswerRecord::Result::RightOnRetry
                                                             : AnswerRecord::Result::Right;
    a.answerMs = int32_t((1200 + 180 * a.multiplier) * spread(engine));
    a.typed = int16_t(a.multiplicand * a.multiplier + (a.result == AnswerRecord::Result::Wrong ? 10 : 0));
    block += a.encode();
    if (block.size() >= (1 << 20)) {
      file.write(block);
      block.clear();
    }
  }
  file.write(block);
}
