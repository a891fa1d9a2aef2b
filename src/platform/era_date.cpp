#include "platform/era_date.h"

#include <unicode/gregocal.h>
#include <unicode/smpdtfmt.h>

#include <memory>

QString eraDateText(const QDate& date) {
  UErrorCode status = U_ZERO_ERROR;
  const icu::Locale locale("ja_JP@calendar=japanese");
  icu::SimpleDateFormat format(icu::UnicodeString::fromUTF8("GGGGy年 M月 dd日（E）"), locale, status);
  // The date is a calendar day: format its noon in UTC so no time zone can move it.
  std::unique_ptr<icu::TimeZone> utc(icu::TimeZone::createTimeZone("UTC"));
  format.setTimeZone(*utc);
  if (U_FAILURE(status)) return date.toString(Qt::ISODate);
  const double noonUtcMs =
      (double(date.toJulianDay() - QDate(1970, 1, 1).toJulianDay()) * 86400.0 + 43200.0) * 1000.0;
  icu::UnicodeString text;
  format.format(noonUtcMs, text);
  std::string utf8;
  text.toUTF8String(utf8);
  return QString::fromStdString(utf8);
}
