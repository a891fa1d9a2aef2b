#include "platform/clock.h"

#include <cmath>

namespace {
const QDate kDateZero(1899, 12, 30);
}

double dateNumberOf(const QDate& date) { return static_cast<double>(kDateZero.daysTo(date)); }

QDate dateOfNumber(double dateNumber) {
  return kDateZero.addDays(static_cast<qint64>(std::floor(dateNumber)));
}

double Clock::dateNumber() const { return dateNumberOf(today()); }

double Clock::secondsSinceMidnight() const {
  return now().time().msecsSinceStartOfDay() / 1000.0;
}

double Clock::timeOfDay() const { return secondsSinceMidnight() / 86400.0; }
