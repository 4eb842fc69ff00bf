#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QTimeZone>

namespace pacewise::UsageResetFormatter {

// A reset time in the locale's own short clock ("2:05 PM", "14:05"), with
// its abbreviated weekday before it where asked ("Fri 2:05 PM"). The C
// locale gives the command line's fixed form: "14:05", "fri 14:05".
QString string(const QDateTime &instant, bool includeWeekday, const QLocale &locale, const QTimeZone &timeZone);

} // namespace pacewise::UsageResetFormatter
