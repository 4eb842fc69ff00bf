#pragma once

#include "UsageLimit.h"

#include <QList>

namespace pacewise {

// All limits of one account at one moment, in the order the source gave them.
class UsageSnapshot {
public:
    // Keeps the order; drops weekly-model limits without a model name (absent
    // or blank). Duplicates are kept: the first of a kind is the one that counts.
    // usingOverage: Claude Code said the account runs on extra usage because
    // a limit is exhausted.
    explicit UsageSnapshot(QList<UsageLimit> limits = {}, std::optional<QString> accountUUID = std::nullopt,
                           bool usingOverage = false);

    UsageSnapshot taggedWith(std::optional<QString> accountUUID) const;

    // The figures as they stand at now: a window whose reset has passed has
    // not started again yet (0 %, no reset time), and overage ends with the
    // exhausted window it stood in for.
    UsageSnapshot asOf(const QDateTime &now) const;
    // The earliest reset still ahead of now, when asOf(now) would change.
    std::optional<QDateTime> nextResetAfter(const QDateTime &now) const;

    const QList<UsageLimit> &limits() const { return m_limits; }
    const std::optional<QString> &accountUUID() const { return m_accountUUID; }
    bool usingOverage() const { return m_usingOverage; }

    std::optional<UsageWindow> fiveHour() const;
    std::optional<UsageWindow> weeklyAll() const;
    // The largest finite utilisation of any limit.
    std::optional<double> worstUtilization() const;
    // When the source last confirmed any of the figures, if it says.
    std::optional<QDateTime> latestConfirmation() const;

    bool operator==(const UsageSnapshot &) const = default;

private:
    std::optional<UsageWindow> firstWindow(UsageLimitKind kind) const;

    QList<UsageLimit> m_limits;
    std::optional<QString> m_accountUUID;
    bool m_usingOverage = false;
};

} // namespace pacewise
