#pragma once

namespace pacewise::cli {

// Documented in --help and the README; scripts and status bars rely on them.
enum ExitCode : int {
    success = 0,
    failure = 1,
    usageError = 2,
    noUsageData = 3,
    notSignedIn = 4,
    staleUsageData = 5, // shown, but older than the figures' poll interval and a minute
};

} // namespace pacewise::cli
