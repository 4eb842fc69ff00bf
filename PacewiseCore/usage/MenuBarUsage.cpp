#include "MenuBarUsage.h"

#include "UsageThresholds.h"

#include <cmath>

namespace pacewise {

MenuBarUsage MenuBarUsage::from(const std::optional<UsageSnapshot> &snapshot)
{
    if (!snapshot)
        return {};

    std::optional<double> fiveHour;
    std::optional<double> firstFinite;
    for (const UsageLimit &limit : snapshot->limits()) {
        if (!std::isfinite(limit.utilization()))
            continue;
        if (!firstFinite)
            firstFinite = limit.utilization();
        if (limit.kind() == UsageLimitKind::fiveHour) {
            fiveHour = limit.utilization();
            break;
        }
    }
    return MenuBarUsage{
        .utilization = fiveHour ? fiveHour : firstFinite,
        .severityUtilization = snapshot->worstUtilization(),
    };
}

MenuBarUsage::Severity MenuBarUsage::severity() const
{
    return severityUtilization ? severityOf(*severityUtilization) : Severity::noData;
}

MenuBarUsage::Severity MenuBarUsage::severityOf(double utilization)
{
    if (utilization >= UsageThresholds::critical)
        return Severity::critical;
    if (utilization >= UsageThresholds::warning)
        return Severity::warning;
    return Severity::normal;
}

QString severityName(MenuBarUsage::Severity severity)
{
    switch (severity) {
    case MenuBarUsage::Severity::noData:
        return QStringLiteral("none");
    case MenuBarUsage::Severity::normal:
        return QStringLiteral("normal");
    case MenuBarUsage::Severity::warning:
        return QStringLiteral("warning");
    case MenuBarUsage::Severity::critical:
        return QStringLiteral("critical");
    }
    Q_UNREACHABLE();
    return {};
}

} // namespace pacewise
