#pragma once

#include "UsageSnapshot.h"

#include <optional>

namespace pacewise::UsagePollPolicy {

// Seconds until figures are worth asking for again: a minute while a limit
// is close (the 5-hour window above 80 %, a weekly one above 90 %), two
// while Claude Code withholds the figures; five minutes from 30 % of the
// worst window, twenty below. Without figures, a minute.
int intervalSeconds(const std::optional<UsageSnapshot> &snapshot, bool lastFetchWasThrottled);

// Figures confirmed at confirmedAt are stale at now once they are older
// than the interval they call for and a minute more: the next poll should
// have confirmed them by then. The tray, the panel and `status` say so.
bool isStale(const UsageSnapshot &snapshot, const QDateTime &confirmedAt, const QDateTime &now);

} // namespace pacewise::UsagePollPolicy
