#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QTimeZone>

namespace pacewise::UsageResetFormatter {

// "14:05" (24-hour clock), or with the abbreviated weekday "fri 14:05",
// lower-cased by the locale's own rules.
QString string(const QDateTime &instant, bool includeWeekday, const QLocale &locale, const QTimeZone &timeZone);

} // namespace pacewise::UsageResetFormatter
