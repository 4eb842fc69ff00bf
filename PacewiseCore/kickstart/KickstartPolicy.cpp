#include "KickstartPolicy.h"

namespace pacewise {

std::optional<QDateTime> KickstartPolicy::scheduledDate(KickstartTime time, const QDateTime &day,
                                                           const QTimeZone &zone)
{
    if (!zone.isValid() || !day.isValid())
        return std::nullopt;
    const QDate date = day.toTimeZone(zone).date();
    const QTime wanted = time.toTime();
    QDateTime slot(date, wanted, zone);
    if (!slot.isValid() || slot.time() != wanted) {
        // Skipped by a daylight-saving change: the first minute that exists
        // after the wanted time (gaps last at most a few hours).
        for (int minutes = 1; minutes <= 3 * 60; ++minutes) {
            const QDateTime later(date, wanted.addSecs(minutes * 60), zone);
            if (later.isValid() && later.time() == wanted.addSecs(minutes * 60) && later.date() == date)
                return later.toUTC();
        }
        return std::nullopt;
    }
    // A repeated hour: Qt picks the second occurrence; the first comes one
    // (or, in a few zones, half an) hour earlier with the same clock time.
    for (const int shift : {3600, 1800}) {
        const QDateTime earlier = slot.addSecs(-shift).toTimeZone(zone);
        if (earlier.date() == date && earlier.time() == wanted)
            return earlier.toUTC();
    }
    return slot.toUTC();
}

bool KickstartPolicy::shouldRun(KickstartTime time, const QDateTime &now,
                                   const std::optional<QDateTime> &lastHandledSlot, const QTimeZone &zone)
{
    const auto slot = scheduledDate(time, now, zone);
    if (!slot || now < *slot)
        return false;
    return !lastHandledSlot || *lastHandledSlot < *slot;
}

std::optional<QDateTime> KickstartPolicy::nextRun(KickstartTime time, const QDateTime &now,
                                                     const std::optional<QDateTime> &lastHandledSlot,
                                                     const QTimeZone &zone)
{
    const auto today = scheduledDate(time, now, zone);
    if (today && (now < *today || shouldRun(time, now, lastHandledSlot, zone)))
        return today;
    const QDateTime tomorrow(now.toTimeZone(zone).date().addDays(1), QTime(12, 0), zone);
    return scheduledDate(time, tomorrow, zone);
}

bool KickstartPolicy::isSnapshotUsable(const std::optional<QDateTime> &fetchedAt, const QDateTime &now)
{
    if (!fetchedAt)
        return false;
    const qint64 aheadMs = now.msecsTo(*fetchedAt);
    return aheadMs <= snapshotClockSkewToleranceSeconds * 1000 && -aheadMs <= snapshotMaxAgeSeconds * 1000;
}

bool KickstartChainPolicy::isWithinSpan(const QDateTime &now, KickstartTime start, KickstartTime end,
                                      const QTimeZone &zone)
{
    const auto from = KickstartPolicy::scheduledDate(start, now, zone);
    const auto until = KickstartPolicy::scheduledDate(end, now, zone);
    if (!from || !until)
        return false;
    if (*until > *from)
        return *from <= now && now < *until;
    return now >= *from || now < *until;
}

QDateTime KickstartChainPolicy::nextChainRun(const QDateTime &now, const std::optional<UsageSnapshot> &snapshot,
                                           const std::optional<QDateTime> &snapshotFetchedAt)
{
    const QDateTime fallback = now.addSecs(fallbackIntervalSeconds);
    if (!KickstartPolicy::isSnapshotUsable(snapshotFetchedAt, now) || !snapshot)
        return fallback;
    const auto fiveHour = snapshot->fiveHour();
    if (!fiveHour || fiveHour->resetsAt <= now)
        return fallback;
    return fiveHour->resetsAt.addSecs(resetGraceSeconds);
}

} // namespace pacewise
