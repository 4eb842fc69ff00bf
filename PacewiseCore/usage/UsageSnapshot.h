#pragma once

#include "UsageLimit.h"

#include <QList>

namespace pacewise {

// All limits of one account at one moment, in the order the source gave them.
class UsageSnapshot {
public:
    // Keeps the order; drops weekly-model limits without a model name (absent
    // or blank). Duplicates are kept: the first of a kind is the one that counts.
    explicit UsageSnapshot(QList<UsageLimit> limits = {}, std::optional<QString> accountUUID = std::nullopt);

    // A five-hour limit from the first window and a weekly one from the second,
    // each only when present.
    static UsageSnapshot fromWindows(std::optional<UsageWindow> fiveHour, std::optional<UsageWindow> sevenDay);

    UsageSnapshot taggedWith(std::optional<QString> accountUUID) const;

    const QList<UsageLimit> &limits() const { return m_limits; }
    const std::optional<QString> &accountUUID() const { return m_accountUUID; }

    std::optional<UsageWindow> fiveHour() const;
    std::optional<UsageWindow> weeklyAll() const;
    std::optional<UsageWindow> sevenDay() const { return weeklyAll(); }
    QList<UsageLimit> weeklyModels() const;
    // The largest finite utilisation of any limit.
    std::optional<double> worstUtilization() const;

    bool operator==(const UsageSnapshot &) const = default;

private:
    std::optional<UsageWindow> firstWindow(UsageLimitKind kind) const;

    QList<UsageLimit> m_limits;
    std::optional<QString> m_accountUUID;
};

} // namespace pacewise
