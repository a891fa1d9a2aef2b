#pragma once

#include <QDate>
#include <QString>

// The date in the Japanese era calendar as "令和8年 12月 09日（水）": era name and year from ICU's
// tables, month without a leading zero, two-digit day, short weekday in full-width parentheses.
QString eraDateText(const QDate& date);
