#include "UsageResetFormatter.h"

namespace pacewise::UsageResetFormatter {

QString string(const QDateTime &instant, bool includeWeekday, const QLocale &locale, const QTimeZone &timeZone)
{
    const QDateTime local = instant.toTimeZone(timeZone);
    if (!includeWeekday)
        return locale.toString(local, QStringLiteral("HH:mm"));
    return locale.toLower(locale.toString(local, QStringLiteral("ddd HH:mm")));
}

} // namespace pacewise::UsageResetFormatter
