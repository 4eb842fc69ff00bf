#pragma once

#include <QTime>

#include <algorithm>

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

// "started", "skippedWindowActive", …: for logs and the command line's JSON.
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

} // namespace pacewise
