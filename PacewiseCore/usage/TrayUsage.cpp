#include "TrayUsage.h"

#include "UsageThresholds.h"

#include <cmath>

namespace pacewise {

TrayUsage TrayUsage::from(const std::optional<UsageSnapshot> &snapshot)
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
    return TrayUsage{
        .utilization = fiveHour ? fiveHour : firstFinite,
        .severityUtilization = snapshot->worstUtilization(),
    };
}

TrayUsage::Severity TrayUsage::severity() const
{
    return severityUtilization ? severityOf(*severityUtilization) : Severity::noData;
}

TrayUsage::Severity TrayUsage::severityOf(double utilization)
{
    if (utilization >= UsageThresholds::critical)
        return Severity::critical;
    if (utilization >= UsageThresholds::warning)
        return Severity::warning;
    return Severity::normal;
}

QString severityName(TrayUsage::Severity severity)
{
    switch (severity) {
    case TrayUsage::Severity::noData:
        return QStringLiteral("none");
    case TrayUsage::Severity::normal:
        return QStringLiteral("normal");
    case TrayUsage::Severity::warning:
        return QStringLiteral("warning");
    case TrayUsage::Severity::critical:
        return QStringLiteral("critical");
    }
    Q_UNREACHABLE();
    return {};
}

} // namespace pacewise
