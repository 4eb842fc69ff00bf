#include "AuthService.h"

#include "ClaudeCommandLine.h"
#include "system/Logging.h"

namespace pacewise {

Q_LOGGING_CATEGORY(lcAuthService, "pacewise.AuthService", QtInfoMsg)

AuthService::AuthService(std::shared_ptr<CLIPathResolving> resolver, std::shared_ptr<const ScriptRunning> runner,
                         std::optional<double> timeoutSeconds)
    : m_resolver(std::move(resolver))
    , m_runner(std::move(runner))
    , m_timeoutSeconds(timeoutSeconds)
{
}

std::optional<AuthStatus> AuthService::status() const
{
    auto status = statusExplained();
    return status ? std::optional(std::move(*status)) : std::nullopt;
}

std::expected<AuthStatus, AuthStatusError> AuthService::statusExplained() const
{
    using Kind = AuthStatusError::Kind;
    const auto claude = m_resolver->resolve();
    if (!claude) {
        qCInfo(lcAuthService, "auth status: claude CLI not found");
        return std::unexpected(AuthStatusError{.kind = Kind::cliNotFound});
    }
    ScriptInvocation invocation = ClaudeCommandLine::authStatus(*claude);
    if (m_timeoutSeconds)
        invocation.timeoutSeconds = *m_timeoutSeconds;
    const auto run = m_runner->run(invocation);
    if (!run) {
        const bool launchFailed = run.error().kind == ScriptRunnerError::Kind::launchFailed;
        qCWarning(lcAuthService, "auth status: claude could not be asked: %s", launchFailed ? "launch failed" : "timed out");
        if (!launchFailed)
            return std::unexpected(AuthStatusError{.kind = Kind::timedOut});
        // The remembered path may point at a claude that has since moved.
        m_resolver->invalidate();
        return std::unexpected(AuthStatusError{.kind = Kind::launchFailed, .errorNumber = run.error().errorNumber});
    }
    if (auto status = AuthStatus::parse(run->standardOutput))
        return *status;
    if (auto status = AuthStatus::parse(run->standardError))
        return *status;
    qCWarning(lcAuthService, "auth status: the output holds no sign-in status");
    return std::unexpected(AuthStatusError{.kind = Kind::noStatus});
}

} // namespace pacewise
