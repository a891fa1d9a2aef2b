#pragma once

#include <QDate>
#include <QDateTime>
#include <QElapsedTimer>

// Every reading of "now" goes through this service, so that tests can set the date, the time of day
// and the tick counter.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual QDateTime now() const = 0;  // local wall-clock time
  virtual qint64 ticksMs() const = 0;  // monotonic milliseconds, unaffected by midnight

  QDate today() const { return now().date(); }
  // Days since 30 December 1899, the date number of the record files.
  double dateNumber() const;
  // The time of day as a fraction of a day.
  double timeOfDay() const;
  double secondsSinceMidnight() const;
};

double dateNumberOf(const QDate& date);
QDate dateOfNumber(double dateNumber);

class SystemClock final : public Clock {
 public:
  SystemClock() { ticks_.start(); }
  QDateTime now() const override { return QDateTime::currentDateTime(); }
  qint64 ticksMs() const override { return ticks_.elapsed(); }

 private:
  QElapsedTimer ticks_;
};
