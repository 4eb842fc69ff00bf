#include "ClaudeCommandLine.h"

namespace pacewise::ClaudeCommandLine {

QProcessEnvironment reducedEnvironment(const QProcessEnvironment &environment)
{
    QProcessEnvironment reduced = environment;
    for (const char *name : {"CLAUDECODE", "CLAUDE_CODE_ENTRYPOINT", "CLAUDE_CODE_SSE_PORT", "CLAUDE_CODE_SESSION_ID",
                             "CLAUDE_CODE_CHILD_SESSION", "CLAUDE_CODE_SESSION_ATTENDED", "CLAUDE_CODE_MESSAGING_TOKEN",
                             "CLAUDE_CODE_MESSAGING_SOCKET", "CLAUDE_CODE_CHILD_NOTES_DIR", "CLAUDE_PID",
                             "CLAUDE_PROJECT_DIR", "CLAUDE_EFFORT"})
        reduced.remove(QLatin1String(name));
    return reduced;
}

ScriptInvocation usageReport(const QString &claude, const QProcessEnvironment &environment)
{
    return ScriptInvocation{
        .executable = claude,
        .arguments = {QStringLiteral("-p"), QStringLiteral("/usage limits"), QStringLiteral("--output-format"), QStringLiteral("json"),
                      QStringLiteral("--no-session-persistence")},
        .timeoutSeconds = usageReportTimeoutSeconds,
        .environment = reducedEnvironment(environment),
        .workingDirectory = std::nullopt,
    };
}

ScriptInvocation authStatus(const QString &claude)
{
    return ScriptInvocation{
        .executable = claude,
        .arguments = {QStringLiteral("auth"), QStringLiteral("status")},
        .timeoutSeconds = authStatusTimeoutSeconds,
        .environment = std::nullopt,
        .workingDirectory = std::nullopt,
    };
}

ScriptInvocation signIn(const QString &claude)
{
    return ScriptInvocation{
        .executable = claude,
        .arguments = {QStringLiteral("auth"), QStringLiteral("login"), QStringLiteral("--claudeai")},
        .timeoutSeconds = signInTimeoutSeconds,
        .environment = std::nullopt,
        .workingDirectory = std::nullopt,
    };
}

ScriptInvocation resume(const QString &claude, const QString &sessionId, const QString &workingDirectory,
                        const QProcessEnvironment &environment, const std::optional<QString> &permissionMode)
{
    QStringList arguments{QStringLiteral("-p"), QStringLiteral("--resume=") + sessionId};
    if (permissionMode && *permissionMode != u"default")
        arguments << QStringLiteral("--permission-mode=") + *permissionMode;
    arguments << QStringLiteral("--output-format") << QStringLiteral("json") << QString::fromLatin1(continuePrompt);
    return ScriptInvocation{
        .executable = claude,
        .arguments = arguments,
        .timeoutSeconds = resumeTimeoutSeconds,
        .environment = reducedEnvironment(environment),
        .workingDirectory = workingDirectory,
    };
}

ScriptInvocation kickstartGreeting(const QString &claude, const QProcessEnvironment &environment)
{
    return ScriptInvocation{
        .executable = claude,
        // Only the window is wanted: no transcript of the greeting.
        .arguments = {QStringLiteral("-p"), QStringLiteral("Good morning"), QStringLiteral("--no-session-persistence")},
        .timeoutSeconds = kickstartTimeoutSeconds,
        .environment = reducedEnvironment(environment),
        .workingDirectory = std::nullopt,
    };
}

} // namespace pacewise::ClaudeCommandLine
