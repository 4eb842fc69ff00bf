#pragma once

#include <QString>
#include <QTime>

#include <algorithm>
#include <optional>

namespace pacewise {

// A time of day for the morning kickstart.
struct KickstartTime {
    int hour = 7;
    int minute = 0;

    // Values out of range are pulled to the nearest valid one.
    static KickstartTime clamped(int hour, int minute)
    {
        return {std::clamp(hour, 0, 23), std::clamp(minute, 0, 59)};
    }
    static KickstartTime defaultStart() { return {7, 0}; }
    static KickstartTime defaultChainEnd() { return {23, 0}; }

    QTime toTime() const { return QTime(hour, minute); }

    bool operator==(const KickstartTime &) const = default;
};

enum class KickstartResult { started, skippedWindowActive, cliMissing, failed, alreadyRunning };

// A greeting's result, with claude's own words when it failed ("You've hit
// your 5-hour limit · resets 11:23pm"); empty when it said nothing.
struct KickstartOutcome {
    KickstartResult result = KickstartResult::failed;
    QString reason = {};

    bool operator==(const KickstartOutcome &) const = default;
};

// "started", "skippedWindowActive", …: for logs, the stored settings and the
// command line's JSON.
constexpr const char *kickstartResultName(KickstartResult result)
{
    switch (result) {
    case KickstartResult::started:
        return "started";
    case KickstartResult::skippedWindowActive:
        return "skippedWindowActive";
    case KickstartResult::cliMissing:
        return "cliMissing";
    case KickstartResult::failed:
        return "failed";
    case KickstartResult::alreadyRunning:
        return "alreadyRunning";
    }
    return "?";
}

inline std::optional<KickstartResult> kickstartResultNamed(QStringView name)
{
    for (const auto result : {KickstartResult::started, KickstartResult::skippedWindowActive,
                              KickstartResult::cliMissing, KickstartResult::failed, KickstartResult::alreadyRunning}) {
        if (name == QLatin1String(kickstartResultName(result)))
            return result;
    }
    return std::nullopt;
}

} // namespace pacewise
