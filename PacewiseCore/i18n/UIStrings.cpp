#include "UIStrings.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace pacewise::UIStrings {

QString text(const char *key, const char *english)
{
    // qtTrId answers with the id itself when no catalogue has the key.
    const QString translated = qtTrId(key);
    if (translated.isEmpty() || translated == QLatin1String(key))
        return QString::fromUtf8(english);
    return translated;
}

QString format(const char *key, const char *english, const QStringList &arguments)
{
    const QString pattern = text(key, english);
    const auto argument = [&](qsizetype index) { return arguments.value(index); };
    // The multi-argument arg() fills every placeholder in one pass.
    switch (arguments.size()) {
    case 0:
        return pattern;
    case 1:
        return pattern.arg(argument(0));
    case 2:
        return pattern.arg(argument(0), argument(1));
    case 3:
        return pattern.arg(argument(0), argument(1), argument(2));
    case 4:
        return pattern.arg(argument(0), argument(1), argument(2), argument(3));
    default:
        Q_ASSERT_X(false, "UIStrings::format", "no text takes more than four arguments");
        return pattern.arg(argument(0), argument(1), argument(2), argument(3), argument(4));
    }
}

QString count(const char *key, const char *englishOne, const char *englishOther, int n)
{
    const QString translated = qtTrId(key, n);
    if (!translated.isEmpty() && translated != QLatin1String(key))
        return translated;
    return QString::fromUtf8(n == 1 ? englishOne : englishOther).replace(QLatin1String("%n"), QString::number(n));
}

QString percent(double utilization)
{
    if (std::isnan(utilization))
        return UIStrings::text("tray.placeholder", "—%");
    const double shown = std::clamp(utilization, -999.0, 999.0);
    return UIStrings::format("percent", "%1%", {QString::number(std::llround(shown))});
}

QString updatedAgo(qint64 seconds)
{
    // Qualified, so that scripts/update-translations finds these texts.
    const QString age = seconds < 60     ? UIStrings::format("freshness.ageSeconds", "%1s", {QString::number(seconds)})
                        : seconds < 3600 ? UIStrings::format("freshness.ageMinutes", "%1m", {QString::number(seconds / 60)})
                                         : UIStrings::format("freshness.ageHours", "%1h", {QString::number(seconds / 3600)});
    return UIStrings::format("freshness.updatedAgo", "updated %1 ago", {age});
}

} // namespace pacewise::UIStrings
