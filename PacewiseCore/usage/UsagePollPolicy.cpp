#include "UsagePollPolicy.h"

namespace pacewise::UsagePollPolicy {

int intervalSeconds(const std::optional<UsageSnapshot> &snapshot, bool lastFetchWasThrottled)
{
    if (!snapshot)
        return 60;
    for (const UsageLimit &limit : snapshot->limits()) {
        const bool near = limit.kind() == UsageLimitKind::fiveHour ? limit.utilization() > 80 : limit.utilization() > 90;
        if (near)
            return lastFetchWasThrottled ? 120 : 60;
    }
    const auto worst = snapshot->worstUtilization();
    return worst && *worst >= 30 ? 300 : 1200;
}

bool isStale(const UsageSnapshot &snapshot, const QDateTime &confirmedAt, const QDateTime &now)
{
    return confirmedAt.msecsTo(now) > (qint64(intervalSeconds(snapshot.asOf(now), false)) + 60) * 1000;
}

} // namespace pacewise::UsagePollPolicy
