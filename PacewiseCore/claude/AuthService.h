#pragma once

#include "AuthStatus.h"
#include "CLIPathResolver.h"
#include "system/ScriptRunning.h"

#include <memory>

namespace pacewise {

struct AuthStatusError {
    enum class Kind { cliNotFound, launchFailed, timedOut, noStatus };
    Kind kind;
    int errorNumber = 0; // with launchFailed

    bool operator==(const AuthStatusError &) const = default;
};

// Runs `claude auth status`. Its exit status is not used: claude exits 1
// when signed out and still prints a valid answer.
class AuthService {
public:
    AuthService(std::shared_ptr<CLIPathResolving> resolver, std::shared_ptr<const ScriptRunning> runner,
                std::optional<double> timeoutSeconds = std::nullopt);

    // Blocking; nothing when claude is missing, fails to run, or prints no status.
    std::optional<AuthStatus> status() const;
    // The same, saying why there is no status.
    std::expected<AuthStatus, AuthStatusError> statusExplained() const;

private:
    std::shared_ptr<CLIPathResolving> m_resolver;
    std::shared_ptr<const ScriptRunning> m_runner;
    std::optional<double> m_timeoutSeconds;
};

} // namespace pacewise
