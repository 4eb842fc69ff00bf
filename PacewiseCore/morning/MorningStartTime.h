#pragma once

#include <QString>
#include <QTime>

#include <algorithm>
#include <optional>

namespace pacewise {

// A time of day for the morning kickstart.
struct MorningStartTime {
    int hour = 7;
    int minute = 0;

    // Values out of range are pulled to the nearest valid one.
    static MorningStartTime clamped(int hour, int minute)
    {
        return {std::clamp(hour, 0, 23), std::clamp(minute, 0, 59)};
    }
    static MorningStartTime defaultStart() { return {7, 0}; }
    static MorningStartTime defaultChainEnd() { return {23, 0}; }

    QTime toTime() const { return QTime(hour, minute); }

    bool operator==(const MorningStartTime &) const = default;
};

enum class MorningStartResult { started, skippedWindowActive, cliMissing, failed, alreadyRunning };

// A greeting's result, with claude's own words when it failed ("You've hit
// your 5-hour limit · resets 11:23pm"); empty when it said nothing.
struct MorningStartOutcome {
    MorningStartResult result = MorningStartResult::failed;
    QString reason = {};

    bool operator==(const MorningStartOutcome &) const = default;
};

// "started", "skippedWindowActive", …: for logs, the stored settings and the
// command line's JSON.
constexpr const char *morningStartResultName(MorningStartResult result)
{
    switch (result) {
    case MorningStartResult::started:
        return "started";
    case MorningStartResult::skippedWindowActive:
        return "skippedWindowActive";
    case MorningStartResult::cliMissing:
        return "cliMissing";
    case MorningStartResult::failed:
        return "failed";
    case MorningStartResult::alreadyRunning:
        return "alreadyRunning";
    }
    return "?";
}

inline std::optional<MorningStartResult> morningStartResultNamed(QStringView name)
{
    for (const auto result : {MorningStartResult::started, MorningStartResult::skippedWindowActive,
                              MorningStartResult::cliMissing, MorningStartResult::failed, MorningStartResult::alreadyRunning}) {
        if (name == QLatin1String(morningStartResultName(result)))
            return result;
    }
    return std::nullopt;
}

} // namespace pacewise
