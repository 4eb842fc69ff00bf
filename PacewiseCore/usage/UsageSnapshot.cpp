#include "UsageSnapshot.h"

#include <cmath>

namespace pacewise {

namespace {

bool namesNoModel(const UsageLimit &limit)
{
    return limit.kind() == UsageLimitKind::weeklyModel && (!limit.model() || limit.model()->trimmed().isEmpty());
}

} // namespace

UsageSnapshot::UsageSnapshot(QList<UsageLimit> limits, std::optional<QString> accountUUID, bool usingOverage)
    : m_limits(std::move(limits))
    , m_accountUUID(std::move(accountUUID))
    , m_usingOverage(usingOverage)
{
    m_limits.removeIf(namesNoModel);
}

UsageSnapshot UsageSnapshot::taggedWith(std::optional<QString> accountUUID) const
{
    return UsageSnapshot(m_limits, std::move(accountUUID), m_usingOverage);
}

UsageSnapshot UsageSnapshot::asOf(const QDateTime &now) const
{
    QList<UsageLimit> limits;
    limits.reserve(m_limits.size());
    bool exhausted = false;
    for (const UsageLimit &limit : m_limits) {
        if (limit.window().hasStarted() && limit.resetsAt() <= now) {
            limits.append(UsageLimit(limit.kind(), limit.model(), UsageWindow{}, limit.confirmedAt()));
            continue;
        }
        exhausted = exhausted || limit.utilization() >= 100;
        limits.append(limit);
    }
    return UsageSnapshot(std::move(limits), m_accountUUID, m_usingOverage && exhausted);
}

std::optional<QDateTime> UsageSnapshot::nextResetAfter(const QDateTime &now) const
{
    std::optional<QDateTime> next;
    for (const UsageLimit &limit : m_limits) {
        if (limit.window().hasStarted() && limit.resetsAt() > now && (!next || limit.resetsAt() < *next))
            next = limit.resetsAt();
    }
    return next;
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

std::optional<QDateTime> UsageSnapshot::latestConfirmation() const
{
    std::optional<QDateTime> latest;
    for (const UsageLimit &limit : m_limits) {
        if (limit.confirmedAt() && (!latest || *limit.confirmedAt() > *latest))
            latest = limit.confirmedAt();
    }
    return latest;
}

} // namespace pacewise
