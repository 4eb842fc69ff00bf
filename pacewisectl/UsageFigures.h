#pragma once

#include "CommandContext.h"
#include "usage/UsageSnapshot.h"

#include <QStringList>

namespace pacewise::cli {

// The usage figures a command decides on or shows, and where they came from.
struct UsageFigures {
    enum class Source { claude, stateFile };
    enum class Ask { automatic, claudeOnly, stateFileOnly };

    QDateTime now; // when the figures were taken, the clock read after claude answered
    std::optional<UsageSnapshot> snapshot = std::nullopt; // as recorded; asOf(now) to show it
    std::optional<Source> source = std::nullopt;
    QStringList issues = {}; // why a source gave nothing

    // Figures Claude Code's status line confirmed within the poll interval;
    // else claude's usage report, merged into the engine state file; else
    // (automatic) the engine state file as it is.
    static UsageFigures fetch(const CommandContext &context, Ask ask, std::optional<double> timeoutSeconds);
};

// "12 s", "5 min", "2 h": how long ago, roughly.
QString durationText(qint64 seconds);

} // namespace pacewise::cli
