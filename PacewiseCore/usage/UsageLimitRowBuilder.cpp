#include "UsageLimitRowBuilder.h"

#include "UsageResetFormatter.h"

namespace pacewise::UsageLimitRowBuilder {

QList<UsageLimitRowModel> rows(const std::optional<UsageSnapshot> &snapshot, const QString &fiveHourLabel,
                               const QString &weeklyAllLabel,
                               const std::function<QString(const QString &model)> &weeklyModelLabel,
                               const QLocale &locale, const QTimeZone &timeZone)
{
    QList<UsageLimitRowModel> result;
    if (!snapshot)
        return result;
    for (const UsageLimit &limit : snapshot->limits()) {
        QString label;
        switch (limit.kind()) {
        case UsageLimitKind::fiveHour:
            label = fiveHourLabel;
            break;
        case UsageLimitKind::weeklyAll:
            label = weeklyAllLabel;
            break;
        case UsageLimitKind::weeklyModel:
            label = weeklyModelLabel(limit.model().value_or(QString()));
            break;
        }
        // The five-hour window always resets within the next five hours, so
        // its time alone is unambiguous; weekly ones need the day.
        const bool includeWeekday = limit.kind() != UsageLimitKind::fiveHour;
        result.append(UsageLimitRowModel{
            .limit = limit,
            .label = std::move(label),
            .resetText = limit.window().hasStarted()
                             ? UsageResetFormatter::string(limit.resetsAt(), includeWeekday, locale, timeZone)
                             : QString(),
        });
    }
    return result;
}

} // namespace pacewise::UsageLimitRowBuilder
