#pragma once

#include "EngineStateReader.h"
#include "StateWriter.h"
#include "UsageCLIError.h"
#include "UsageFetching.h"

#include <functional>
#include <memory>

namespace pacewise {

// Where usage figures are taken from, in the order they are tried.
struct UsageSources {
    std::shared_ptr<const UsageFetching> claude;
    EngineStateReader stateFile;
    StateWriter stateWriter;
    std::function<QDateTime()> now;
};

// The usage figures the tray, the daemon and pacewisectl decide on and show,
// where they came from, and why a source gave none. Every front end gets
// them the same way, so they never disagree on what the figures are.
struct UsageFigures {
    enum class Source {
        statusLine, // the state file, as Claude Code's status line just confirmed it
        claude,     // claude's usage report, merged into the state file
        stateFile,  // the state file as it is, claude having given nothing
    };
    enum class Ask {
        automatic,     // the status line's figures while they are fresh, else claude, else the state file
        claudeFirst,   // claude, else the state file: what a user asking for fresh figures means
        claudeOnly,    // claude, or why it gave nothing
        stateFileOnly, // never runs claude: what a status bar asks many times a minute
    };

    QDateTime takenAt; // the clock read after the last source answered
    std::optional<UsageSnapshot> snapshot = std::nullopt;
    std::optional<Source> source = std::nullopt;
    // When the status line last confirmed the figures (with statusLine).
    std::optional<QDateTime> confirmedAt = std::nullopt;
    std::optional<UsageCLIError> claudeError = std::nullopt;
    std::optional<EngineStateError> stateFileError = std::nullopt;

    // Figures the status line confirmed within the poll interval they call
    // for (automatic); else claude's usage report, merged into the state
    // file and recorded there; else the state file as it is. Blocking,
    // for as long as claude takes: call it from a pool thread.
    static UsageFigures fetch(const UsageSources &sources, Ask ask);
};

} // namespace pacewise
