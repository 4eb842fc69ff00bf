#include "UsageSnapshot.h"

#include <cmath>

namespace pacewise {

namespace {

bool namesNoModel(const UsageLimit &limit)
{
    return limit.kind() == UsageLimitKind::weeklyModel && (!limit.model() || limit.model()->trimmed().isEmpty());
}

} // namespace

UsageSnapshot::UsageSnapshot(QList<UsageLimit> limits, std::optional<QString> accountUUID)
    : m_limits(std::move(limits))
    , m_accountUUID(std::move(accountUUID))
{
    m_limits.removeIf(namesNoModel);
}

UsageSnapshot UsageSnapshot::fromWindows(std::optional<UsageWindow> fiveHour, std::optional<UsageWindow> sevenDay)
{
    QList<UsageLimit> limits;
    if (fiveHour)
        limits.append(UsageLimit(UsageLimitKind::fiveHour, std::nullopt, *fiveHour));
    if (sevenDay)
        limits.append(UsageLimit(UsageLimitKind::weeklyAll, std::nullopt, *sevenDay));
    return UsageSnapshot(std::move(limits));
}

UsageSnapshot UsageSnapshot::taggedWith(std::optional<QString> accountUUID) const
{
    return UsageSnapshot(m_limits, std::move(accountUUID));
}

std::optional<UsageWindow> UsageSnapshot::firstWindow(UsageLimitKind kind) const
{
    for (const UsageLimit &limit : m_limits) {
        if (limit.kind() == kind)
            return limit.window();
    }
    return std::nullopt;
}

std::optional<UsageWindow> UsageSnapshot::fiveHour() const
{
    return firstWindow(UsageLimitKind::fiveHour);
}

std::optional<UsageWindow> UsageSnapshot::weeklyAll() const
{
    return firstWindow(UsageLimitKind::weeklyAll);
}

QList<UsageLimit> UsageSnapshot::weeklyModels() const
{
    QList<UsageLimit> models;
    for (const UsageLimit &limit : m_limits) {
        if (limit.kind() == UsageLimitKind::weeklyModel)
            models.append(limit);
    }
    return models;
}

std::optional<double> UsageSnapshot::worstUtilization() const
{
    std::optional<double> worst;
    for (const UsageLimit &limit : m_limits) {
        const double value = limit.utilization();
        if (std::isfinite(value) && (!worst || value > *worst))
            worst = value;
    }
    return worst;
}

} // namespace pacewise
