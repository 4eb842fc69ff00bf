#include "UsageResetFormatter.h"

namespace pacewise::UsageResetFormatter {

QString string(const QDateTime &instant, bool includeWeekday, const QLocale &locale, const QTimeZone &timeZone)
{
    const QDateTime local = instant.toTimeZone(timeZone);
    // The C locale is pacewisectl's text output: one fixed English form,
    // whatever the system's, that scripts and status bars can rely on.
    if (locale == QLocale::c()) {
        if (!includeWeekday)
            return locale.toString(local, QStringLiteral("HH:mm"));
        return locale.toLower(locale.toString(local, QStringLiteral("ddd HH:mm")));
    }
    // A person reads the language's own clock ("3:20 PM", "15:20") and
    // weekday ("Wed", "Mi.", "水").
    const QString time = locale.toString(local.time(), QLocale::ShortFormat);
    if (!includeWeekday)
        return time;
    // A short name of one sign (Japanese 木, Korean 목) reads as a word of
    // its own ("wood"), not a day: those languages get the whole name.
    const int day = local.date().dayOfWeek();
    const QString shortName = locale.dayName(day, QLocale::ShortFormat);
    return (shortName.size() == 1 ? locale.dayName(day, QLocale::LongFormat) : shortName) + u' ' + time;
}

} // namespace pacewise::UsageResetFormatter
