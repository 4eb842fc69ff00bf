#pragma once

#include "KickstartTime.h"
#include "usage/UsageSnapshot.h"

#include <QDateTime>
#include <QTimeZone>

#include <optional>

namespace pacewise {

// When the daily greeting is due. Pure rules of the clock and the zone.
namespace KickstartPolicy {

inline constexpr qint64 snapshotClockSkewToleranceSeconds = 60;
inline constexpr qint64 snapshotMaxAgeSeconds = 300;

// The day's slot: that clock time on the day of `day` in the zone. A time a
// daylight-saving change skips becomes the first time after the gap; a time
// that occurs twice is its first occurrence.
std::optional<QDateTime> scheduledDate(KickstartTime time, const QDateTime &day, const QTimeZone &zone);

// Due once the day's slot has come and it was not handled yet.
bool shouldRun(KickstartTime time, const QDateTime &now, const std::optional<QDateTime> &lastHandledSlot,
               const QTimeZone &zone);

// The next slot still to be run: today's when due or ahead, else tomorrow's.
std::optional<QDateTime> nextRun(KickstartTime time, const QDateTime &now,
                                 const std::optional<QDateTime> &lastHandledSlot, const QTimeZone &zone);

// Figures fetched at most 60 s in the future and at most 300 s ago.
bool isSnapshotUsable(const std::optional<QDateTime> &fetchedAt, const QDateTime &now);

} // namespace KickstartPolicy

// When the chain repeats the greeting after each reset.
namespace KickstartChainPolicy {

inline constexpr qint64 resetGraceSeconds = 60;
inline constexpr qint64 fallbackIntervalSeconds = 18'300; // five hours and five minutes

// Within start..end today; an end at or before the start runs past
// midnight, and end == start is the whole day.
bool isWithinSpan(const QDateTime &now, KickstartTime start, KickstartTime end, const QTimeZone &zone);

// A minute after the running window resets, or five hours and five minutes
// from now when the figures cannot tell.
QDateTime nextChainRun(const QDateTime &now, const std::optional<UsageSnapshot> &snapshot,
                       const std::optional<QDateTime> &snapshotFetchedAt);

} // namespace KickstartChainPolicy

} // namespace pacewise
