#pragma once

#include "UsageSnapshot.h"

#include <QDateTime>
#include <QList>

#include <optional>

namespace pacewise {

// The 5-hour window's figure at one moment.
struct UsageSample {
    QDateTime at;
    double utilization = 0;
    QDateTime resetsAt;

    // The snapshot's 5-hour window, dated when it was confirmed (else at).
    static std::optional<UsageSample> fromSnapshot(const UsageSnapshot &snapshot, const QDateTime &at);
    bool operator==(const UsageSample &) const = default;
};

// When the 5-hour window reaches 100 % if the recent pace holds.
struct UsageForecast {
    QDateTime limitAt;
    QDateTime resetsAt;
    double percentPerHour = 0;

    // How far back the pace is measured, and the least span it needs.
    static constexpr qint64 paceWindowSeconds = 60 * 60;
    static constexpr qint64 minimumSpanSeconds = 5 * 60;

    // From the samples of the current window (the latest sample's reset)
    // taken in the last hour: a least-squares pace. Nothing when the pace is
    // not rising, the samples span too little time, the window is already
    // exhausted, or the limit would come only after the reset.
    static std::optional<UsageForecast> from(const QList<UsageSample> &samples, const QDateTime &now);
};

} // namespace pacewise
