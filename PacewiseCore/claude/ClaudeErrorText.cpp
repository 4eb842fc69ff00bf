#include "ClaudeErrorText.h"

#include "system/ErrorText.h"
#include "system/Logging.h"

namespace pacewise {

namespace {

const QString notFound = QStringLiteral(
    "claude was not found on PATH or in the usual install places (~/.local/bin, ~/.claude/local, npm, bun, "
    "volta, nvm, /usr/local/bin); install Claude Code or add it to PATH");

} // namespace

QString usageErrorText(const UsageCLIError &error)
{
    using Kind = UsageCLIError::Kind;
    switch (error.kind) {
    case Kind::cliNotFound:
        return notFound;
    case Kind::processFailed:
        if (error.runnerError && error.runnerError->kind == ScriptRunnerError::Kind::timedOut)
            return QStringLiteral("claude did not answer within %1 s").arg(error.runnerError->timeoutSeconds);
        if (error.runnerError && error.runnerError->kind == ScriptRunnerError::Kind::cancelled)
            return QStringLiteral("claude was stopped before it answered");
        return QStringLiteral("claude could not be started: %1")
            .arg(systemErrorText(error.runnerError ? error.runnerError->errorNumber : 0));
    case Kind::commandFailed: {
        const QString reason = firstLine(error.text);
        return QStringLiteral("claude exited with status %1%2")
            .arg(error.exitCode)
            .arg(reason.isEmpty() ? QString() : QStringLiteral(": ") + reason);
    }
    case Kind::invalidJSON:
        return QStringLiteral("claude printed no usage report (%1)").arg(error.text);
    case Kind::missingResult:
        return QStringLiteral("claude reported an error instead of the usage report");
    case Kind::throttled:
        return QStringLiteral("claude showed no usage figures: it is signed out, uses an API key or a token "
                              "without profile access, or could not reach the server");
    case Kind::missingWindow:
        return QStringLiteral("the usage report has no \"%1\" row").arg(error.text);
    case Kind::malformedUsageLine:
    case Kind::invalidResetDate:
        return QStringLiteral("the usage report has a row that could not be read: %1").arg(firstLine(error.text));
    }
    Q_UNREACHABLE();
    return {};
}

QString usageErrorLogText(const UsageCLIError &error)
{
    // The install places the long "not found" text lists are no secret.
    return error.kind == UsageCLIError::Kind::cliNotFound ? QStringLiteral("claude was not found")
                                                            : scrubbedText(usageErrorText(error));
}

QString authErrorText(const AuthStatusError &error)
{
    using Kind = AuthStatusError::Kind;
    switch (error.kind) {
    case Kind::cliNotFound:
        return notFound;
    case Kind::launchFailed:
        return QStringLiteral("claude could not be started: %1").arg(systemErrorText(error.errorNumber));
    case Kind::timedOut:
        return QStringLiteral("claude auth status did not answer in time");
    case Kind::noStatus:
        return QStringLiteral("claude auth status printed no sign-in status");
    }
    Q_UNREACHABLE();
    return {};
}

} // namespace pacewise
