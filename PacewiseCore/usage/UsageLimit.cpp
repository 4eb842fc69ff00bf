#include "UsageLimit.h"

#include <cstdlib>

namespace pacewise {

QString rawValue(UsageLimitKind kind)
{
    switch (kind) {
    case UsageLimitKind::fiveHour:
        return QStringLiteral("five_hour");
    case UsageLimitKind::weeklyAll:
        return QStringLiteral("weekly_all");
    case UsageLimitKind::weeklyModel:
        return QStringLiteral("weekly_model");
    }
    Q_UNREACHABLE();
    return {};
}

bool isSameWindowReset(const QDateTime &a, const QDateTime &b)
{
    return std::abs(a.secsTo(b)) < sameWindowResetToleranceSeconds;
}

std::optional<UsageLimitKind> usageLimitKindFromRaw(QStringView raw)
{
    for (const auto kind : {UsageLimitKind::fiveHour, UsageLimitKind::weeklyAll, UsageLimitKind::weeklyModel}) {
        if (raw == rawValue(kind))
            return kind;
    }
    return std::nullopt;
}

UsageLimit::UsageLimit(UsageLimitKind kind, std::optional<QString> model, UsageWindow window,
                       std::optional<QDateTime> confirmedAt)
    : m_kind(kind)
    , m_model(kind == UsageLimitKind::weeklyModel ? std::move(model) : std::nullopt)
    , m_window(std::move(window))
    , m_confirmedAt(std::move(confirmedAt))
{
}

UsageLimit::UsageLimit(UsageLimitKind kind, std::optional<QString> model, double utilization, QDateTime resetsAt,
                       std::optional<QDateTime> confirmedAt)
    : UsageLimit(kind, std::move(model), UsageWindow{utilization, std::move(resetsAt)}, std::move(confirmedAt))
{
}

} // namespace pacewise
