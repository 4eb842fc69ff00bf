#pragma once

#include "system/ScriptRunning.h"

#include <QString>

#include <optional>

namespace pacewise {

struct UsageCLIError {
    enum class Kind {
        commandFailed,      // exitCode, text = standard error
        processFailed,      // runnerError
        invalidJSON,        // text = the decoder's complaint
        missingWindow,      // text = "Current session" or "Current week"
        malformedUsageLine, // text = the line
        invalidResetDate,   // text = the line
        cliNotFound,
        missingResult, // is_error, or an empty result
        throttled,     // no "N% used" anywhere: Claude Code withheld the figures
    };
    Kind kind;
    int exitCode = 0;
    QString text = {};
    std::optional<ScriptRunnerError> runnerError = std::nullopt;

    bool operator==(const UsageCLIError &) const = default;
};

} // namespace pacewise
